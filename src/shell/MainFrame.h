#pragma once

#include "commands/CommandIds.h"

#include <QMainWindow>

#include <functional>

#include <map>
#include <memory>

class CChildFrame;
class CDesktopServices;
class CDocManager;
class CFeedPublishing;
class CHelpWindow;
class CLocationOpener;
class CLockKeyIndicators;
class CMdiClient;
class CMenuTip;
class CShellServices;
class CSpareEditorPage;
class CStartPage;
class QActionGroup;
class QDockWidget;
class QLabel;
class QMenu;
class QPrinter;
class QToolBar;
class QUndoGroup;

// The program's main window: menus, toolbar and status bar around the MDI
// area that holds one child frame per open feed. It carries the commands
// that need no feed and routes every other command to the active feed's
// view, document and frame, in that order.
class CMainFrame : public QMainWindow, public CCommandTarget
{
    Q_OBJECT
public:
    explicit CMainFrame(QWidget *parent = nullptr);
    ~CMainFrame() override;

    CDocManager *documents() const { return m_documents; }
    // The feed window in front; null while its feed is still being read.
    CChildFrame *activeChildFrame() const;
    QAction *action(int id) const;
    QMenu *menu(const QString &title) const;
    CStartPage *startPage() const;
    CMenuTip *menuTip() const { return m_menuTip; }
    // The user guide's window once Help has shown it, else null.
    CHelpWindow *helpWindow() const { return m_helpWindow; }
    CFeedPublishing *publishing() const { return m_publishing; }
    CLocationOpener *locationOpener() const { return m_locationOpener; }
    // The undo stacks of the open feeds; the active feed's is the active one.
    QUndoGroup *undoGroup() const { return m_undoGroup; }
    QDockWidget *undoHistory() const { return m_undoHistory; }
    CLockKeyIndicators *lockKeys() const { return m_lockKeys; }
    // The editor page kept loaded for the next feed window.
    CSpareEditorPage *sparePage() const { return m_sparePage; }

    // Runs the command through the route when its state allows it. Keys
    // typed into an editor page that the page has not reported yet are
    // waited for first, so the command sees what was on the screen: then
    // the command runs later, and true means it is on its way.
    bool executeCommand(int id);
    // The state of the command as the first link of the route that knows it
    // says; disabled when none does.
    CommandState commandState(int id);

    // Tests answer the questions in place of the user.
    void setServices(CShellServices *services);

    bool OnCommand(int id) override;
    bool OnUpdateCommand(int id, CommandState *state) override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // The editor page of every open feed has reported all the keys it was given.
    bool editorsSettled() const;
    // The window is out of sight, or a page loads or a feed is read: no
    // time to load a spare editor page.
    bool hasWorkUnderWay() const;
    // Runs `then` once they have: at once when they all have.
    void whenEditorsSettled(const std::function<void()> &then);
    // Brings every action's enabled and check state up to date. Called when
    // something a state depends on changes, never on a timer.
    void updateActions();
    void connectStartPage();
    void connectDocuments();
    bool onFileCommand(int id, CChildFrame *frame);
    bool onWindowCommand(int id);
    void createActions();
    void createMenus();
    void createToolBar();
    void createStatusBar();
    void createUndoHistory();
    void updateCheckSummary();
    QAction *createAction(int id);
    QMenu *addMenu(const QString &title, std::initializer_list<int> ids);
    void updateRecentFileActions();
    // The undo stack, title, commands and check summary of the feed in front.
    void followActiveFrame();
    void updateWindowTitle();
    void updateWindowList();
    std::vector<CCommandTarget *> commandRoute() const;
    void showAbout();
    void showPreferences();
    void openWebPage(const char *address);
    void openWebPage(const QUrl &url);
    void newFeed();
    // Saves the feed when it has changes, then publishes the file.
    void publishFeed(CChildFrame *frame);
    void moveFeed(CChildFrame *frame);
    void showGuide();
    void printPost();
    void previewPost();
    // Prints the active feed's editor page; returns once it is printed.
    void printEditorPage(QPrinter *printer);

    std::unique_ptr<CDesktopServices> m_desktopServices;
    CShellServices *m_services;
    CMdiClient *m_mdiArea;
    CDocManager *m_documents;
    std::map<int, QAction *> m_actions;
    QActionGroup *m_sortGroup;
    QActionGroup *m_windowList;
    QMenu *m_windowMenu = nullptr;
    QMenu *m_postsMenu = nullptr;
    std::vector<QMenu *> m_menus;
    std::vector<QMenu *> m_documentMenus; // shown while a feed is open
    QToolBar *m_toolBar = nullptr;
    QUndoGroup *m_undoGroup;
    QDockWidget *m_undoHistory = nullptr;
    QLabel *m_checkSummary = nullptr;
    CLockKeyIndicators *m_lockKeys = nullptr;
    CMenuTip *m_menuTip;
    CHelpWindow *m_helpWindow = nullptr;
    CFeedPublishing *m_publishing = nullptr;
    CLocationOpener *m_locationOpener = nullptr;
    CSpareEditorPage *m_sparePage = nullptr;
    // Kept between printouts, so the print setup holds.
    std::unique_ptr<QPrinter> m_printer;
};
