#include "shell/MdiClient.h"

#include "shell/StartPage.h"

#include <QAccessibleWidget>
#include <QEvent>
#include <QMdiSubWindow>
#include <QtMath>

namespace {

// Qt reads an MDI area out as its windows alone; the start page behind
// them is there for screen readers too, after them.
class MdiClientAccessible : public QAccessibleWidget
{
public:
    explicit MdiClientAccessible(CMdiClient *client) : QAccessibleWidget(client, QAccessible::LayeredPane) {}

    int childCount() const override { return int(parts().size()); }
    QAccessibleInterface *child(int index) const override
    {
        const QList<QWidget *> all = parts();
        return index >= 0 && index < all.size() ? QAccessible::queryAccessibleInterface(all.at(index)) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child ? int(parts().indexOf(qobject_cast<QWidget *>(child->object()))) : -1;
    }

private:
    QList<QWidget *> parts() const
    {
        const auto *client = static_cast<const CMdiClient *>(widget());
        QList<QWidget *> all;
        for (QMdiSubWindow *window : client->subWindowList())
            all.append(window);
        all.append(client->startPage());
        return all;
    }
};

QAccessibleInterface *accessibleMdiClient(const QString &className, QObject *object)
{
    if (className == QLatin1String("CMdiClient") && object && object->isWidgetType())
        return new MdiClientAccessible(static_cast<CMdiClient *>(object));
    return nullptr;
}

} // namespace

CMdiClient::CMdiClient(QWidget *parent)
    : QMdiArea(parent)
    , m_startPage(new CStartPage(viewport()))
{
    // Feed windows are added above it and raised when activated; the page
    // itself is never raised.
    m_startPage->lower();
    m_startPage->setGeometry(viewport()->rect());
    static const bool accessible = (QAccessible::installFactory(accessibleMdiClient), true);
    Q_UNUSED(accessible);
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
