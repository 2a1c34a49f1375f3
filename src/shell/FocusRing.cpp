#include "shell/FocusRing.h"

#include "engine/PageColors.h"

#include <QApplication>
#include <QEvent>
#include <QFocusFrame>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>

#include <algorithm>

namespace {

bool marksItsOwnFocus(const QWidget *widget)
{
    for (const QWidget *w = widget; w; w = w->parentWidget()) {
        if (w->inherits("QWebEngineView"))
            return true;
    }
    return qobject_cast<const QMenu *>(widget) || qobject_cast<const QMenuBar *>(widget);
}

// Drawn over its widget, children included, and never clipped by a parent
// as a frame around it would be. A QFocusFrame, so that the accessibility
// tree leaves it out.
class Ring : public QFocusFrame
{
public:
    explicit Ring(QWidget *target) : QFocusFrame(target)
    {
        target->installEventFilter(this);
        setGeometry(target->rect());
        raise();
        show();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == parent() && event->type() == QEvent::Resize)
            setGeometry(parentWidget()->rect());
        return false;
    }

    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setPen(QPen(CFocusRing::colorIn(palette()), 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
};

} // namespace

CFocusRing::CFocusRing(QObject *parent) : QObject(parent)
{
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) { follow(now); });
}

// Non-text marks need a contrast of 3:1 with what is around them: the
// window, or the field the ring lies on.
QColor CFocusRing::colorIn(const QPalette &palette)
{
    const QColor highlight = palette.color(QPalette::Highlight);
    const double least = std::min(CPageColors::contrast(highlight, palette.color(QPalette::Window)),
                                  CPageColors::contrast(highlight, palette.color(QPalette::Base)));
    return least >= 3.0 ? highlight : palette.color(QPalette::WindowText);
}

void CFocusRing::follow(QWidget *focus)
{
    delete m_ring;
    if (focus && !focus->isWindow() && !marksItsOwnFocus(focus))
        m_ring = new Ring(focus);
}
