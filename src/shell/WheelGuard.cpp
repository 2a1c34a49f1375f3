#include "shell/WheelGuard.h"

#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QScrollBar>

namespace {

// Scroll bars are there to be wheeled; the other value widgets only hold a
// value that a roll of the wheel should not change by chance.
bool holdsValue(const QObject *object)
{
    if (qobject_cast<const QScrollBar *>(object))
        return false;
    return qobject_cast<const QComboBox *>(object) || qobject_cast<const QAbstractSpinBox *>(object)
        || qobject_cast<const QAbstractSlider *>(object);
}

// Editable drop-downs and spin boxes hand their focus to a line edit inside.
bool hasKeyboardFocus(const QWidget *widget)
{
    const QWidget *focus = QApplication::focusWidget();
    return focus && (focus == widget || widget->isAncestorOf(focus));
}

} // namespace

CWheelGuard::CWheelGuard(QObject *parent) : QObject(parent)
{
    qApp->installEventFilter(this);
}

bool CWheelGuard::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Wheel && event->type() != QEvent::Polish)
        return false;
    if (!holdsValue(watched))
        return false;
    auto *widget = static_cast<QWidget *>(watched);
    if (event->type() == QEvent::Polish) {
        // Qt gives these the focus on a wheel roll before they see it.
        if (widget->focusPolicy() == Qt::WheelFocus)
            widget->setFocusPolicy(Qt::StrongFocus);
        return false;
    }
    if (hasKeyboardFocus(widget))
        return false;
    // Ignored and filtered: QApplication hands the roll on to the parent.
    event->ignore();
    return true;
}
