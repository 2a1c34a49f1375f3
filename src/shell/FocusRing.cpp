#include "shell/FocusRing.h"

#include <QApplication>
#include <QEvent>
#include <QFocusFrame>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

bool marksItsOwnFocus(const QWidget *widget)
{
    for (const QWidget *w = widget; w; w = w->parentWidget()) {
        if (w->inherits("QWebEngineView"))
            return true;
    }
    return qobject_cast<const QMenu *>(widget) || qobject_cast<const QMenuBar *>(widget);
}

double luminance(const QColor &color)
{
    const auto linear = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(color.redF()) + 0.7152 * linear(color.greenF()) + 0.0722 * linear(color.blueF());
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
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
        // Non-text marks need a contrast of 3:1 with what is around them.
        QColor color = palette().color(QPalette::Highlight);
        if (contrast(color, palette().color(QPalette::Window)) < 3.0)
            color = palette().color(QPalette::WindowText);
        QPainter painter(this);
        painter.setPen(QPen(color, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
};

} // namespace

CFocusRing::CFocusRing(QObject *parent) : QObject(parent)
{
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) { follow(now); });
}

QWidget *CFocusRing::widget() const
{
    return m_ring ? m_ring->parentWidget() : nullptr;
}

void CFocusRing::follow(QWidget *focus)
{
    delete m_ring;
    if (focus && !focus->isWindow() && !marksItsOwnFocus(focus))
        m_ring = new Ring(focus);
}
