#include "panes/SizingControlBar.h"

#include <QCloseEvent>

CSizingControlBar::CSizingControlBar(const QString &title, QWidget *parent)
    : QDockWidget(title, parent)
{
    setObjectName(title);
    setFeatures(DockWidgetClosable | DockWidgetMovable | DockWidgetFloatable);
    applyMinimumSize(false);
    connect(this, &QDockWidget::topLevelChanged, this, &CSizingControlBar::applyMinimumSize);
}

void CSizingControlBar::applyMinimumSize(bool floating)
{
    setMinimumSize(floating ? kMinimumFloating : kMinimumDocked);
}

void CSizingControlBar::closeEvent(QCloseEvent *event)
{
    // Closing a bar only hides it; it lives as long as its frame.
    QDockWidget::closeEvent(event);
    if (event->isAccepted())
        emit closedByUser();
}
