#pragma once

#include "document/DocumentPrompter.h"

#include <QStringList>

#include <functional>

struct NewFeedParams;
struct PublishTarget;
class QPrinter;
class QString;
class QUrl;

// Everything the shell asks of the user and the desktop: the document's
// questions and messages, the file dialogs, the question before a modified
// feed is closed, and the web browser. The program uses message boxes and
// the desktop's services; tests answer in their place.
class CShellServices : public CDocumentPrompter
{
public:
    enum SaveChoice { SaveChanges, DiscardChanges, CancelClosing };
    enum HostKeyChoice { RefuseHost, TrustHostOnce, TrustHostAlways };

    // Asked before a modified feed is closed.
    virtual SaveChoice askSaveChanges(const QString &documentTitle) = 0;
    // The feed file to open, or an empty string when the user cancelled.
    virtual QString askOpenFileName() = 0;
    // The audio files to make episodes of, or none when the user cancelled.
    virtual QStringList askAudioFileNames() = 0;
    // The web address of a feed to open, or an empty string when the user
    // cancelled.
    virtual QString askFeedLocation() = 0;
    // The address to move a feed to from `currentAddress` (may be empty),
    // or an empty string when the user cancelled.
    virtual QString askNewFeedAddress(const QString &currentAddress) = 0;
    // The file to save to, starting at the suggested path, or an empty
    // string when the user cancelled.
    virtual QString askSaveFileName(const QString &suggestedPath) = 0;
    virtual void showInformation(const QString &message) = 0;
    // False when no web browser took the address.
    virtual bool openUrl(const QUrl &url) = 0;

    // The new feed's title, link and category, as the Create RSS Feed page
    // asks for them; false when the user cancelled.
    virtual bool askNewFeed(NewFeedParams *params) = 0;

    // The Publish Settings of the named feed, starting from `target` and
    // `secret` (its password or key passphrase); false when cancelled.
    virtual bool askPublishSettings(const QString &feedName, PublishTarget *target, QString *secret) = 0;
    // Whether to trust an SFTP server whose key is not in known_hosts,
    // once or for good (added to known_hosts).
    virtual HostKeyChoice askTrustHost(const QString &host, const QString &fingerprint) = 0;

    // The print dialog on the printer's settings; false when cancelled.
    virtual bool askPrintOptions(QPrinter *printer) = 0;
    // The page setup dialog on the printer's paper and margins.
    virtual bool askPageSetup(QPrinter *printer) = 0;
    // Shows what `paint` prints, with the choice of printing it.
    virtual void showPrintPreview(QPrinter *printer, const std::function<void(QPrinter *)> &paint) = 0;
};
