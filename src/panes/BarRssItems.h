#pragma once

#include "document/PostOrder.h"
#include "panes/RSSCommonBar.h"

#include <QElapsedTimer>
#include <QList>
#include <QTimer>

class CPostsListCtrl;
class QAction;
class CPostsModel;
class QItemSelection;
class QKeyEvent;
class QLineEdit;
class QMenu;
class QPushButton;
class QVBoxLayout;

// The posts bar: the feed's posts in a list, one row per post, beside the
// editor. Its rows are the posts the document's selection may name: the
// list highlights the selected post, and picking a row selects its post
// (after a short delay, so that arrowing through the list shows only the
// post the user stops on); when the selected post leaves the rows, the bar
// selects the post that takes its row, or none;
// a row's title can be renamed in place; a column click sorts; Ctrl+F opens
// a filter box above the list that narrows it to the posts whose title
// holds a text (in a long feed the first matches show while the rest are
// still being found).
class CBarRssItems : public CRSSCommonBar
{
    Q_OBJECT
public:
    // How long a selection waits before the post is shown.
    static constexpr int kSelectionDelayMs = 250;
    // How long the filter waits after the last key.
    static constexpr int kFilterDelayMs = 1000;
    // Typing within this much of the filter firing keeps it waiting.
    static constexpr int kFilterQuietMs = 701;

    CBarRssItems(const QString &title, CRSSEditDoc *doc, QWidget *parent = nullptr);
    ~CBarRssItems() override;

    CPostsListCtrl *listCtrl() const { return m_list; }
    CPostsModel *postsModel() const { return m_model; }
    // The filter box, or null while filtering is closed.
    QLineEdit *filterBox() const { return m_filterBox; }

    // The Delete key in the list runs the Delete Post command of these.
    void setPostCommands(CCommandTarget *commands) { m_postCommands = commands; }
    // Opens the in-place editor on the selected post's title.
    void renameSelectedPost();
    // The filter box opens with the focus, or closes and every post comes
    // back (the Filtering command).
    void toggleFilterBox();
    // Carries out Copy Title, Filtering and the sort orders.
    bool OnCommand(int id) override;
    bool OnUpdateCommand(int id, CommandState *state) override;

    // The commands of the Posts menu, which the rows' and the headers'
    // menus offer too: the main window's own actions, so that a choice runs
    // through its command route like the menu item would.
    void setMenuActions(const QList<QAction *> &actions) { m_menuActions = actions; }
    // The menu of a right click on the rows: the Posts menu's commands and
    // Copy Title. The caller owns it.
    QMenu *createRowMenu();
    // The menu of a right click on the column headers: the sort commands
    // and Copy Title. The caller owns it.
    QMenu *createHeaderMenu();
    QPushButton *feedPropertiesButton() const { return m_feedButton; }

signals:
    // The user clicked the button above the posts that opens the feed's
    // properties.
    void feedPropertiesRequested();
    // Return, Tab or a double click hand the focus to the editor.
    void editorFocusRequested();
    // The filter box opened or closed: the Filtering command's check mark
    // follows.
    void filteringChanged();
    // The rows were sorted: the sort commands' check marks follow.
    void sortOrderChanged();

protected:
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    // --- Rows ---
    // The posts in the document's sort order: all of them, or the filter's
    // matches while the filter box is open.
    void rebuildRows();
    // Shows the present row order, keeps the selected post when it is
    // among the rows, else selects the post in `fallbackRow` (the last row
    // past the end), and recounts the caption.
    void showRows(int fallbackRow);
    void updateCaption();
    // Highlights the row, or none for -1, without selecting its post.
    void selectRowQuietly(int row);
    // Highlights the row and selects its post, or none for -1.
    void selectRow(int row);

    // --- The document's news ---
    void followDocument(CRSSEditDoc *doc);
    void reflectSelectedPost(int post);
    void onPostsInserted(int index);
    void onPostRemoved(int index);
    void onFeedReset();
    void refreshPost(int post);

    // --- The user's picks ---
    void onSelectionChanged(const QItemSelection &selected, const QItemSelection &deselected);
    void onSelectionDelayElapsed();

    // --- In-place rename, sorting, copying ---
    // Sorts the rows anew, also in the order they have.
    void setSortOrder(CPostOrder::SortOrder order);
    void onColumnClicked(int column);
    void copyTitle();
    QString currentTitle() const;
    bool canCopyTitle() const;
    QMenu *createContextMenu(bool sortCommandsOnly);
    void showRowMenu(const QPoint &viewportPos);
    void showHeaderMenu(const QPoint &headerPos);

    // --- Filter box ---
    void openFilterBox();
    void closeFilterBox();
    void showAllPosts();
    void onFilterTextEdited(const QString &text);
    void onFilterTextChanged();
    void onFilterDelayElapsed();
    // Starts the filter: its first screenful of matches shows as soon as
    // it is found, the rest follow in steps between the window's events.
    void applyFilter();
    void continueFilter();
    void stopFilter();
    // About how many rows the list shows at once.
    int screenful() const;
    void updateFilterColor();
    // The focus leaves the bar for the editor.
    bool handleBarKey(QEvent *event);
    bool handleListKey(QEvent *event);
    bool handleFilterBoxEvent(QEvent *event);
    bool handOnToList(QKeyEvent *key);

    QString m_title;
    // Set while the filter box text is red: no post matches.
    bool m_filterShowsNoMatch = false;
    QElapsedTimer m_lastFilterChange;
    // Since the filter under way last added rows.
    QElapsedTimer m_filterListed;
    QLineEdit *m_filterBox = nullptr;
    QPushButton *m_feedButton = nullptr;
    // The row last picked by the user, or -1.
    int m_selectedRow = -1;
    CCommandTarget *m_postCommands = nullptr;
    // Set while the bar selects a row that must not be reported.
    bool m_quietSelection = false;
    QTimer m_selectionTimer;
    QTimer m_filterTimer;
    QTimer m_filterStepTimer;
    QList<QAction *> m_menuActions;
    QVBoxLayout *m_layout;
    CPostsModel *m_model;
    CPostsListCtrl *m_list;
};
