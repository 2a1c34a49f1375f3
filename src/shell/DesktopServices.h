#pragma once

#include "shell/ShellServices.h"

class QWidget;

// The shell's questions as message boxes and file dialogs over the main
// window, and web pages in the user's browser.
class CDesktopServices : public CShellServices
{
public:
    explicit CDesktopServices(QWidget *dialogParent) : m_dialogParent(dialogParent) {}

    bool confirm(const QString &question, const QString &verb) override;
    void showError(const QString &message) override;
    void beep() override;

    SaveChoice askSaveChanges(const QString &documentTitle) override;
    QString askOpenFileName() override;
    QStringList askAudioFileNames() override;
    QString askFeedLocation() override;
    QString askNewFeedAddress(const QString &currentAddress) override;
    QString askSaveFileName(const QString &suggestedPath) override;
    void showInformation(const QString &message) override;
    bool openUrl(const QUrl &url) override;

    bool askNewFeed(NewFeedParams *params) override;
    bool askPublishSettings(const QString &feedName, PublishTarget *target, QString *secret) override;
    HostKeyChoice askTrustHost(const QString &host, const QString &fingerprint) override;
    bool askPrintOptions(QPrinter *printer) override;
    bool askPageSetup(QPrinter *printer) override;
    void showPrintPreview(QPrinter *printer, const std::function<void(QPrinter *)> &paint) override;

private:
    QWidget *m_dialogParent;
};
