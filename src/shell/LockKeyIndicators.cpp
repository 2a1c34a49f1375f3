#include "shell/LockKeyIndicators.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>
#include <QtGui/qguiapplication_platform.h>

namespace {

struct LockInfo
{
    const char *pane;
    const char *indicator; // the X server's name of its keyboard light
    Qt::Key key;
};

constexpr LockInfo kLocks[] = {
    {"CAP", QT_TRANSLATE_NOOP("CLockKeyIndicators", "Caps Lock"), Qt::Key_CapsLock},
    {"NUM", QT_TRANSLATE_NOOP("CLockKeyIndicators", "Num Lock"), Qt::Key_NumLock},
    {"SCRL", QT_TRANSLATE_NOOP("CLockKeyIndicators", "Scroll Lock"), Qt::Key_ScrollLock},
};

bool isLockKey(int key)
{
    for (const LockInfo &lock : kLocks) {
        if (lock.key == key)
            return true;
    }
    return false;
}

// Defined at the end of the file: the X11 headers' macros (KeyPress, None,
// Bool) would clash with Qt's names above.
std::optional<bool> readX11Indicator(void *display, const char *name);

} // namespace

CLockKeyIndicators::CLockKeyIndicators(QStatusBar *bar)
    : QObject(bar)
{
    for (int lock = CapsLock; lock <= ScrollLock; ++lock) {
        const QString text = QString::fromLatin1(kLocks[lock].pane);
        auto *pane = new QLabel(text, bar);
        pane->setObjectName(QStringLiteral("lockKey") + text);
        pane->setAlignment(Qt::AlignCenter);
        // As wide as its text also while blank, so the bar does not jump.
        pane->setMinimumWidth(pane->sizeHint().width() + pane->fontMetrics().averageCharWidth());
        bar->addPermanentWidget(pane);
        m_panes[lock] = pane;
    }
    qApp->installEventFilter(this);
    refresh();
}

std::optional<bool> CLockKeyIndicators::isOn(Lock lock)
{
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->display())
        return std::nullopt;
    return readX11Indicator(x11->display(), kLocks[lock].indicator);
}

// On: the pane's name; off: blank; unknown: the name, dimmed.
void CLockKeyIndicators::refresh()
{
    for (int lock = CapsLock; lock <= ScrollLock; ++lock) {
        const std::optional<bool> on = isOn(Lock(lock));
        const QString name = tr(kLocks[lock].indicator);
        QLabel *pane = m_panes[lock];
        pane->setEnabled(on.has_value());
        pane->setText(on.value_or(true) ? QString::fromLatin1(kLocks[lock].pane) : QString());
        pane->setToolTip(!on ? tr("%1: not known on this display").arg(name)
                             : *on ? tr("%1 is on").arg(name)
                                   : tr("%1 is off").arg(name));
    }
}

// The lock keys change the state here; another program may have changed it
// while the focus was away.
bool CLockKeyIndicators::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        if (isLockKey(static_cast<QKeyEvent *>(event)->key()))
            refresh();
        break;
    case QEvent::ApplicationStateChange:
        if (qApp->applicationState() == Qt::ApplicationActive)
            refresh();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

#include <X11/XKBlib.h>

namespace {

std::optional<bool> readX11Indicator(void *display, const char *name)
{
    auto *x = static_cast<Display *>(display);
    const Atom atom = XInternAtom(x, name, True);
    Bool on = False;
    if (atom == None || !XkbGetNamedIndicator(x, atom, nullptr, &on, nullptr, nullptr))
        return std::nullopt;
    return on == True;
}

} // namespace
