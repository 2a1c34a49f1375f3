#pragma once

#include <QObject>

#include <array>
#include <optional>

class QLabel;
class QStatusBar;

// The status bar's CAP, NUM and SCRL panes, which light up while Caps Lock,
// Num Lock and Scroll Lock are on. Qt has no portable query for the lock
// keys: on X11 the X server's keyboard indicators tell, read again when a
// lock key goes down or up and when the program gets the focus back. Where
// they cannot be read (offscreen, Wayland) the panes stay dim.
class CLockKeyIndicators : public QObject
{
    Q_OBJECT
public:
    enum Lock { CapsLock, NumLock, ScrollLock };

    // Adds the three panes to the right end of the bar.
    explicit CLockKeyIndicators(QStatusBar *bar);

    QLabel *pane(Lock lock) const { return m_panes[lock]; }
    // The lock's state as the display tells it; none when it cannot.
    static std::optional<bool> isOn(Lock lock);
    void refresh();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::array<QLabel *, 3> m_panes;
};
