#pragma once

#include <QObject>

// Keeps the mouse wheel from changing values the user only scrolled over:
// a drop-down, spin box or slider takes the wheel only while it has the
// keyboard's focus, and never takes the focus from the wheel. Otherwise the
// wheel goes on to the widgets around it, so rolling it over a form scrolls
// the form. Installed once on the application, it covers every pane, dialog
// and table editor.
class CWheelGuard : public QObject
{
    Q_OBJECT
public:
    explicit CWheelGuard(QObject *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
