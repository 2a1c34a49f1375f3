#pragma once

#include "engine/HtmlDialog.h"

// A dialog page with fields: one of them gets the focus when the page is
// ready, and a press on the page's background drags the window.
class CHtmlFormDialog : public CHtmlDialog
{
    Q_OBJECT
public:
    explicit CHtmlFormDialog(QWidget *parent = nullptr, const QString &focusId = QString());

protected:
    void OnPageReady() override;
    void OnBackgroundPressed() override;

private:
    QString m_focusId;
};
