#pragma once

class QString;

// What the document asks of the user interface: questions, error messages
// and the plain beep. The window layer implements it with message boxes;
// tests record the calls.
class CDocumentPrompter
{
public:
    virtual ~CDocumentPrompter() = default;
    // A question answered by a button that names what it does, `verb`
    // ("&Delete"), or by Cancel; true for the verb.
    virtual bool confirm(const QString &question, const QString &verb) = 0;
    virtual void showError(const QString &message) = 0;
    virtual void beep() = 0;
};
