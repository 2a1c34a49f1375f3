#pragma once

#include <QObject>
#include <QPointer>

class CChildFrame;
class CDocManager;
class CFeedDownload;
class CShellServices;
class QProgressDialog;
class QWidget;

// File > Open Location: asks for a feed's web address, downloads the feed
// behind a progress window with Cancel, and opens it as a feed without a
// file of its own. A podcast whose owner locked it says so as it opens.
class CLocationOpener : public QObject
{
    Q_OBJECT
public:
    CLocationOpener(CDocManager *documents, CShellServices *services, QWidget *dialogParent);
    ~CLocationOpener() override;

    void setServices(CShellServices *services) { m_services = services; }
    // Asks for the address, then opens it.
    void openFromDialog();
    // Starts downloading `address`; "example.org/feed" means https.
    void open(const QString &address);
    bool isRunning() const { return m_download != nullptr; }
    // The window of the download under way, or null.
    QProgressDialog *progressDialog() const;

signals:
    // The download ended: the feed's window, or null when none opened.
    void finished(CChildFrame *frame);

private:
    void showProgress(qint64 received, qint64 total);
    void downloadEnded(bool ok);
    void noteLockedFeed(CChildFrame *frame);

    CDocManager *m_documents;
    CShellServices *m_services;
    QWidget *m_dialogParent;
    CFeedDownload *m_download = nullptr;
    QPointer<QProgressDialog> m_progress;
    QString m_address;
};
