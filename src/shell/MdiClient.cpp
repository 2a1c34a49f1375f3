#include "shell/MdiClient.h"

#include "shell/StartPage.h"

#include <QEvent>
#include <QMdiSubWindow>
#include <QtMath>

CMdiClient::CMdiClient(QWidget *parent)
    : QMdiArea(parent)
    , m_startPage(new CStartPage(viewport()))
{
    // Feed windows are added above it and raised when activated; the page
    // itself is never raised.
    m_startPage->lower();
    m_startPage->setGeometry(viewport()->rect());
}

bool CMdiClient::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::Resize)
        m_startPage->setGeometry(viewport()->rect());
    return QMdiArea::viewportEvent(event);
}

void CMdiClient::tile()
{
    QList<QMdiSubWindow *> windows;
    for (QMdiSubWindow *window : subWindowList()) {
        if (window->isVisible() && !window->isMinimized())
            windows.append(window);
    }
    if (windows.isEmpty())
        return;
    const QRect area = viewport()->rect();
    const int count = int(windows.size());
    const int fit = qMax(1, area.width() / kMinimumTileWidth);
    const int columns = qMin(qCeil(qSqrt(qreal(count))), fit);
    const int rows = (count + columns - 1) / columns;
    for (int i = 0; i < count; ++i) {
        const int column = i % columns;
        const int row = i / columns;
        const QPoint topLeft(area.width() * column / columns, area.height() * row / rows);
        const QPoint bottomRight(area.width() * (column + 1) / columns - 1, area.height() * (row + 1) / rows - 1);
        windows.at(i)->showNormal();
        windows.at(i)->setGeometry(QRect(topLeft, bottomRight));
    }
}
