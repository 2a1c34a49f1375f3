#pragma once

#include "document/DocumentPrompter.h"

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

    // Asked before a modified feed is closed.
    virtual SaveChoice askSaveChanges(const QString &documentTitle) = 0;
    // The feed file to open, or an empty string when the user cancelled.
    virtual QString askOpenFileName() = 0;
    // The file to save to, starting at the suggested path, or an empty
    // string when the user cancelled.
    virtual QString askSaveFileName(const QString &suggestedPath) = 0;
    virtual void showInformation(const QString &message) = 0;
    // False when no web browser took the address.
    virtual bool openUrl(const QUrl &url) = 0;
};
