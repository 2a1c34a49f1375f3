#include "engine/AnimatedDialog.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPropertyAnimation>
#include <QWindow>

#include <algorithm>

namespace {

const int kGrowSteps = 7;
const int kFadeMs = 500;

// Window systems that draw a window's opacity; elsewhere a fade would only
// hold the window on the screen for nothing.
bool canFade()
{
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("xcb") || platform == QLatin1String("windows")
        || platform == QLatin1String("cocoa");
}

} // namespace

CAnimatedDialog::CAnimatedDialog(QWidget *parent)
    : QDialog(parent)
{
    m_growTimer.setInterval(1);
    connect(&m_growTimer, &QTimer::timeout, this, &CAnimatedDialog::growStep);
}

void CAnimatedDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    setWindowOpacity(1.0);
    m_closingResult = -1;
    if (!m_animated || event->spontaneous())
        return;
    m_fullSize = size();
    m_step = QSize(std::max(1, (m_fullSize.width() - 1) / kGrowSteps),
                   std::max(1, (m_fullSize.height() - 1) / kGrowSteps));
    // The layout would hold the window at its minimum size.
    m_minimumSize = minimumSize();
    setMinimumSize(1, 1);
    resize(1, 1);
    m_growTimer.start();
}

void CAnimatedDialog::growStep()
{
    const QSize grown = (size() + m_step).boundedTo(m_fullSize);
    resize(grown);
    if (grown == m_fullSize) {
        m_growTimer.stop();
        setMinimumSize(m_minimumSize);
    }
}

void CAnimatedDialog::done(int result)
{
    if (m_closingResult >= 0)
        return; // already fading out
    if (m_growTimer.isActive()) {
        m_growTimer.stop();
        setMinimumSize(m_minimumSize);
        resize(m_fullSize);
    }
    m_closingResult = result;
    if (!m_animated || !canFade() || !isVisible()) {
        finishClosing();
        return;
    }
    if (!m_fade) {
        m_fade = new QPropertyAnimation(this, "windowOpacity", this);
        m_fade->setDuration(kFadeMs);
        m_fade->setStartValue(1.0);
        m_fade->setEndValue(0.0);
        connect(m_fade, &QPropertyAnimation::finished, this, &CAnimatedDialog::finishClosing);
    }
    m_fade->start();
}

void CAnimatedDialog::finishClosing()
{
    QDialog::done(m_closingResult);
}

// A press on the dialog itself, not on one of its controls, moves it.
void CAnimatedDialog::mousePressEvent(QMouseEvent *event)
{
    QDialog::mousePressEvent(event);
    if (event->button() == Qt::LeftButton && windowHandle())
        windowHandle()->startSystemMove();
}
