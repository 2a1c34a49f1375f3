#pragma once

#include "commands/CommandIds.h"
#include "markup/FeedChecker.h"

#include <QMdiSubWindow>

#include <memory>
#include <vector>

class CBarPostDetails;
class CBarPreview;
class CBarProblems;
class CBarRssItems;
class CDiskChangeBar;
class CFeedPropertiesWnd;
class CHtmlEngineView;
class CPostCommands;
class CRSSEditDoc;
class CRSSEditView;
class QDockWidget;
class QMainWindow;

// The window of one open feed inside the main window's MDI area. It owns the
// feed's document, holds the post editor view in the middle of an inner main
// window with the posts bar docked on the left, the code preview at the
// bottom and the post details on the right, owns the feed's properties
// window and the menu commands on the document, and keeps its caption in
// step with the document.
class CChildFrame : public QMdiSubWindow, public CCommandTarget
{
    Q_OBJECT
public:
    // Takes ownership of the document and creates the view on it. The view
    // takes `editorPage`, an editor page loaded ahead, when one is given.
    explicit CChildFrame(CRSSEditDoc *document, QWidget *parent = nullptr, CHtmlEngineView *editorPage = nullptr);
    ~CChildFrame() override;

    CRSSEditDoc *document() const { return m_document.get(); }
    // The Posts menu's commands and Undo and Redo, on the document.
    CPostCommands *postCommands() const { return m_postCommands.get(); }
    CRSSEditView *view() const { return m_view; }
    // The inner window: the view is its central widget; bars dock on it.
    QMainWindow *dockHost() const { return m_dockHost; }
    CBarRssItems *postsBar() const { return m_postsBar; }
    CBarPreview *previewBar() const { return m_previewBar; }
    CBarPostDetails *detailsBar() const { return m_detailsBar; }
    // The feed's properties window, made the first time it shows; null before.
    CFeedPropertiesWnd *propertiesWindow() const { return m_properties; }
    // Shows the feed's properties window in front.
    CFeedPropertiesWnd *showProperties();

    CBarProblems *problemsBar() const { return m_problemsBar; }
    // The strip that says the file changed on disk; hidden until it does.
    CDiskChangeBar *diskChangeBar() const { return m_diskChangeBar; }

    // Checks the feed as it stands, edits included, in a worker thread; the
    // Problems pane and checkSummaryChanged() follow when it is done.
    void checkFeed();
    // "2 errors, 1 warning, 731 notes" after a check, less the problems of
    // posts deleted since; empty before the first.
    QString checkSummary() const { return m_checkSummary; }
    // Selects the problem's post and puts the focus in its field.
    void showProblem(const CFeedChecker::Problem &problem);

    // The file's name, or the feed's title while it has no file, with the
    // modified mark ("[*]").
    void updateCaption();

    // While its feed is read on a worker thread the window shows the file's
    // name and takes no input, and the main window's commands pass it by:
    // nothing edits or saves a feed not read yet.
    void setOpening(const QString &path);
    void finishOpening();
    bool isOpening() const { return m_opening; }

    // Offered to the posts bar first; the frame itself carries the View
    // commands that show and hide the bars.
    bool OnCommand(int id) override;
    bool OnUpdateCommand(int id, CommandState *state) override;

    // The narrowest the editor gets, beside the bars or tiled with other
    // feed windows.
    static constexpr int kEditorMinimumWidth = 340;

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    // Tab goes through the panes in reading order: the posts bar, the
    // editor, the preview, the post details, the problems.
    bool focusNextPrevChild(bool next) override;

signals:
    // A control inside the frame asked for a command; the main window routes
    // it like a menu command.
    void commandRequested(int id);
    // Something the commands' states depend on changed: the document, or
    // the editor page's caret, selection or text, or the clipboard.
    void commandStatesChanged();
    void checkSummaryChanged();
    // A problem of the channel was asked for: the Feed properties window
    // shows `field` of `parent` ("title" of "image").
    void channelFieldRequested(const QString &parent, const QString &field);

private:
    void createBars();
    void createDiskChangeBar();
    void showCheckResult(const QList<CFeedChecker::Problem> &problems);
    void sizePostsBar();
    void sizeBesideDetails(int postsWidth);
    void placeDetailsBar();
    static void toggleBar(QDockWidget *bar);
    void showDetailsBar();
    void connectDocument();
    QList<QWidget *> tabStops(const QWidget *pane);

    std::unique_ptr<CRSSEditDoc> m_document;
    std::unique_ptr<CPostCommands> m_postCommands;
    QMainWindow *m_dockHost;
    CRSSEditView *m_view;
    CBarRssItems *m_postsBar;
    CBarPreview *m_previewBar;
    CBarPostDetails *m_detailsBar;
    CFeedPropertiesWnd *m_properties = nullptr;
    CBarProblems *m_problemsBar;
    CDiskChangeBar *m_diskChangeBar;
    // Numbers the checks, so that a slow one that ends after a newer one is dropped.
    int m_checks = 0;
    QString m_checkSummary;
    bool m_postsBarSized = false;
    int m_detailsWidth = 0; // as the user left Post Details when it was hidden
    bool m_detailsBelowForRoom = false; // moved under the editor by placeDetailsBar()
    bool m_feedShown = false; // the first feed came
    bool m_opening = false;
};
