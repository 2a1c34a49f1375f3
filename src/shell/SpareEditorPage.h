#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>

class CHtmlEngineView;
class QWidget;

// One editor page loaded ahead, hidden, for the next feed window. The
// engine takes several times as long to load the editor page (its scripts,
// toolbar, style sheets and web channel) as to show a post in it, so a feed
// window that takes a page loaded while the program was idle shows its
// first post that much sooner. The page is made only after a quiet spell
// with no work under way and no input, so that it never competes with a
// read, another page's load or the user's typing; a page taken is followed
// by a new one the same way.
class CSpareEditorPage : public QObject
{
    Q_OBJECT
public:
    // The page is a hidden child of `host`, which passes its palette and
    // font on to it as to any other widget; `busy` says whether the program
    // has work under way that the page must not compete with.
    CSpareEditorPage(QWidget *host, std::function<bool()> busy);
    ~CSpareEditorPage() override;

    // The page loaded ahead, for a new editor view that takes it over;
    // null when there is none. A page still loading is taken too: it is
    // further on than a page started now.
    CHtmlEngineView *take();
    // The page waiting to be taken, or null.
    CHtmlEngineView *page() const { return m_page; }
    // Lets the page go and makes no other: the window is closing.
    void drop();

protected:
    // Input restarts the quiet spell.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void waitForQuiet();
    void onQuiet();

    QWidget *m_host;
    std::function<bool()> m_busy;
    QPointer<CHtmlEngineView> m_page;
    QTimer m_quiet;
    bool m_dropped = false;
};
