#pragma once

class QString;

// What the document asks of the user interface: questions, error messages
// and the plain beep. The window layer implements it with message boxes;
// tests record the calls.
class CDocumentPrompter
{
public:
    virtual ~CDocumentPrompter() = default;
    // OK/Cancel question with the question icon; true for OK.
    virtual bool confirm(const QString &question) = 0;
    virtual void showError(const QString &message) = 0;
    virtual void beep() = 0;
};
