#include "panes/BarRssItems.h"

#include "core/RssFeed.h"
#include "document/RSSEditDoc.h"
#include "panes/PostsListCtrl.h"
#include "panes/PostsModel.h"

#include <QApplication>
#include <QClipboard>
#include <QDeadlineTimer>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>

#include <limits>

namespace {

const QColor kNoMatchColor(255, 0, 0);
// How long one step of the filter may hold up the window.
constexpr int kFilterStepMs = 20;
// How often a filter under way adds the matches it found to the list: each
// addition repaints the rows on screen.
constexpr int kFilterListingMs = 200;

bool isSortCommand(int id)
{
    return id == ID_SORT_BY_POSITION || id == ID_SORT_BY_TITLE || id == ID_SORT_BY_DATE;
}

CPostOrder::SortOrder sortOrderOf(int sortCommand)
{
    if (sortCommand == ID_SORT_BY_TITLE)
        return CPostOrder::SortByTitle;
    return sortCommand == ID_SORT_BY_DATE ? CPostOrder::SortByDate : CPostOrder::SortByPosition;
}

} // namespace

CBarRssItems::CBarRssItems(const QString &title, CRSSEditDoc *doc, QWidget *parent)
    : CRSSCommonBar(title, doc, parent)
    , m_title(title)
    , m_layout(nullptr)
    , m_model(new CPostsModel(doc, this))
    , m_list(nullptr)
{
    auto *client = new QWidget(this);
    m_layout = new QVBoxLayout(client);
    m_layout->setContentsMargins(1, 0, 1, 0);
    m_layout->setSpacing(0);
    // The way to the channel's own elements, at the start of its posts.
    m_feedButton = new QPushButton(tr("Feed Properties\u2026"), client);
    m_feedButton->setObjectName(QStringLiteral("feedPropertiesButton"));
    m_feedButton->setFlat(true);
    m_feedButton->setToolTip(tr("Edit the feed's title, description, image and the other channel elements"));
    m_layout->addWidget(m_feedButton);
    connect(m_feedButton, &QPushButton::clicked, this, &CBarRssItems::feedPropertiesRequested);
    m_list = new CPostsListCtrl(client);
    m_list->setObjectName(QStringLiteral("postsList"));
    m_list->setAccessibleName(tr("Posts"));
    m_list->setAccessibleDescription(tr("The posts of the feed; the selected one is shown in the editor"));
    m_list->setEmptyText(tr("RSS Items"));
    m_list->setModel(m_model);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    m_list->header()->setContextMenuPolicy(Qt::CustomContextMenu);
    m_list->installEventFilter(this);
    m_layout->addWidget(m_list);
    setWidget(client);

    m_selectionTimer.setSingleShot(true);
    m_selectionTimer.setInterval(kSelectionDelayMs);
    m_filterTimer.setInterval(kFilterDelayMs);
    m_filterStepTimer.setSingleShot(true);
    m_filterStepTimer.setInterval(0);

    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CBarRssItems::onSelectionChanged);
    connect(&m_selectionTimer, &QTimer::timeout, this, &CBarRssItems::onSelectionDelayElapsed);
    connect(&m_filterTimer, &QTimer::timeout, this, &CBarRssItems::onFilterDelayElapsed);
    connect(&m_filterStepTimer, &QTimer::timeout, this, &CBarRssItems::continueFilter);
    connect(m_list, &QAbstractItemView::doubleClicked, this, &CBarRssItems::editorFocusRequested);
    connect(m_list->header(), &QHeaderView::sectionClicked, this, &CBarRssItems::onColumnClicked);
    connect(m_list, &QWidget::customContextMenuRequested, this, &CBarRssItems::showRowMenu);
    connect(m_list->header(), &QWidget::customContextMenuRequested, this, &CBarRssItems::showHeaderMenu);

    if (doc)
        followDocument(doc);
    m_model->resetRows();
    selectRowQuietly(m_model->order().rowOfPost(doc ? doc->currentPost() : -1));
    updateCaption();
    m_list->fitColumns();
}

void CBarRssItems::followDocument(CRSSEditDoc *doc)
{
    CPostSelection *selection = doc->selection();
    selection->setVisibility([this](int post) { return m_model->order().rowOfPost(post) >= 0; });
    // A pick still waiting would only repeat or undo the document's choice.
    connect(selection, &CPostSelection::changed, &m_selectionTimer, &QTimer::stop);
    connect(selection, &CPostSelection::followed, this, &CBarRssItems::reflectSelectedPost);
    connect(doc, &CRSSEditDoc::postsInserted, this, &CBarRssItems::onPostsInserted);
    connect(doc, &CRSSEditDoc::postRemoved, this, &CBarRssItems::onPostRemoved);
    connect(doc, &CRSSEditDoc::feedReset, this, &CBarRssItems::onFeedReset);
    connect(doc, &CRSSEditDoc::postFieldChanged, this, &CBarRssItems::refreshPost);
    // The post details may change the date shown.
    connect(doc, &CRSSEditDoc::postElementsChanged, this, &CBarRssItems::refreshPost);
    // A bar made for a feed already loaded shows it as it is.
    rebuildRows();
}

CBarRssItems::~CBarRssItems()
{
    if (CRSSEditDoc *doc = document())
        doc->selection()->setVisibility({});
}

// --- Rows ---

void CBarRssItems::rebuildRows()
{
    stopFilter();
    if (CRSSEditDoc *doc = document())
        m_model->order().rebuild(doc->feed(), m_filterBox ? m_filterBox->text() : QString());
}

void CBarRssItems::showRows(int fallbackRow)
{
    m_selectionTimer.stop();
    m_model->resetRows();
    updateCaption();
    const CRSSEditDoc *doc = document();
    int row = m_model->order().rowOfPost(doc ? doc->currentPost() : -1);
    if (row < 0)
        row = qMin(fallbackRow, m_model->rowCount() - 1);
    selectRow(row);
}

// "[12]", or "[2 of 12]" while the filter hides some posts.
void CBarRssItems::updateCaption()
{
    const int count = document() ? document()->feed()->GetPostCount() : 0;
    if (m_filterBox && m_model->rowCount() != count)
        setWindowTitle(m_title + tr(" [%1 of %2]").arg(m_model->rowCount()).arg(count));
    else
        setWindowTitle(m_title + QStringLiteral(" [%1]").arg(count));
}

// The document moved the selection, so the rows may already name other
// posts: a title editor still open is dropped, not committed to its row.
void CBarRssItems::selectRowQuietly(int row)
{
    const QScopedValueRollback<bool> quiet(m_quietSelection, true);
    m_list->cancelRename();
    if (row < 0 || row >= m_model->rowCount()) {
        m_list->selectionModel()->clear();
        row = -1;
    } else {
        m_list->selectRow(row);
    }
    m_selectedRow = row;
}

void CBarRssItems::selectRow(int row)
{
    CRSSEditDoc *doc = document();
    selectRowQuietly(row);
    if (!doc)
        return;
    const int post = m_model->postAt(m_selectedRow);
    if (post < 0)
        doc->selection()->clear();
    else
        doc->selection()->select(post);
}

// --- The document's news ---

// The row follows once the editor shows the post; a row the user picked
// since then waits its turn.
void CBarRssItems::reflectSelectedPost(int post)
{
    if (m_selectionTimer.isActive())
        return;
    const int row = m_model->order().rowOfPost(post);
    if (row != m_list->currentIndex().row() || !m_list->selectionModel()->hasSelection())
        selectRowQuietly(row);
}

// A new post: all posts come back, and a new one's title is ready to be
// typed over; one that an undo or redo puts back, or one made with its
// title, has its name. The bar shows before the title editor opens: an
// editor opened in a hidden list never gets the keys.
void CBarRssItems::onPostsInserted(int index)
{
    CRSSEditDoc *doc = document();
    if (!doc)
        return;
    stopFilter();
    m_model->order().postInserted(index);
    m_model->order().rebuild(doc->feed(), QString());
    m_model->resetRows();
    updateCaption();
    const int row = m_model->order().rowOfPost(index);
    selectRow(row);
    if (!doc->isReplaying() && !doc->isAddingNamedPosts())
        renameSelectedPost();
}

// The post that takes the removed one's row is selected when the removed
// one was.
void CBarRssItems::onPostRemoved(int index)
{
    // The rows still name the posts as they were before the removal.
    const int formerRow = m_model->order().rowOfPost(index);
    m_model->order().postRemoved(index);
    rebuildRows();
    updateFilterColor();
    showRows(qMax(formerRow, 0));
}

void CBarRssItems::onFeedReset()
{
    m_model->order().forgetPosts();
    rebuildRows();
    showRows(0);
    updateFilterColor();
    m_list->fitColumns();
}

void CBarRssItems::setSortOrder(CPostOrder::SortOrder order)
{
    CRSSEditDoc *doc = document();
    if (!doc)
        return;
    stopFilter();
    m_model->order().setSortOrder(order);
    m_model->order().sort(doc->feed());
    updateFilterColor();
    showRows(0);
    emit sortOrderChanged();
}

void CBarRssItems::refreshPost(int post)
{
    m_model->order().postChanged(post);
    m_model->refreshRow(m_model->order().rowOfPost(post));
}

void CBarRssItems::renameSelectedPost()
{
    show();
    m_list->setFocus(Qt::OtherFocusReason);
    m_list->startRename(m_list->currentIndex().row());
}

// --- The user's picks ---

void CBarRssItems::onSelectionChanged(const QItemSelection &selected, const QItemSelection &)
{
    if (m_quietSelection || selected.isEmpty())
        return;
    const int currentRow = m_list->currentIndex().row();
    int row = selected.first().top();
    if (selected.contains(m_model->index(currentRow, 0)))
        row = currentRow;
    else // an assistive tool selects a row without moving to it
        m_list->selectionModel()->setCurrentIndex(m_model->index(row, 0), QItemSelectionModel::NoUpdate);
    m_selectedRow = row;
    m_selectionTimer.start();
}

// Only the row the user stopped on is selected.
void CBarRssItems::onSelectionDelayElapsed()
{
    if (m_list->currentIndex().row() == m_selectedRow)
        selectRow(m_selectedRow);
}

// --- In-place rename, sorting, copying ---

// Posts sorts by title, Date by date; a second click sorts again the same
// way, there is no reverse order.
void CBarRssItems::onColumnClicked(int column)
{
    CRSSEditDoc *doc = document();
    if (!doc)
        return;
    if (column == CPostsModel::TitleColumn)
        setSortOrder(CPostOrder::SortByTitle);
    else if (column == CPostsModel::DateColumn)
        setSortOrder(CPostOrder::SortByDate);
}

bool CBarRssItems::OnCommand(int id)
{
    if (isSortCommand(id) && document()) {
        // Only a change of order sorts from the menu; a column click sorts again.
        if (sortOrderOf(id) != m_model->order().sortOrder())
            setSortOrder(sortOrderOf(id));
        return true;
    }
    switch (id) {
    case ID_COPY_TITLE:
        copyTitle();
        return true;
    case ID_FILTERING:
        toggleFilterBox();
        return true;
    case ID_POST_RENAME:
        renameSelectedPost();
        return true;
    default:
        return CRSSCommonBar::OnCommand(id);
    }
}

bool CBarRssItems::OnUpdateCommand(int id, CommandState *state)
{
    if (isSortCommand(id) && document()) {
        *state = CommandState{true, true, sortOrderOf(id) == m_model->order().sortOrder()};
        return true;
    }
    switch (id) {
    case ID_COPY_TITLE:
        *state = CommandState{canCopyTitle(), false, false};
        return true;
    case ID_FILTERING:
        *state = CommandState{true, true, m_filterBox != nullptr};
        return true;
    case ID_POST_RENAME:
        *state = CommandState{document() && document()->currentPost() >= 0, false, false};
        return true;
    default:
        return CRSSCommonBar::OnUpdateCommand(id, state);
    }
}

bool CBarRssItems::canCopyTitle() const
{
    return m_model->rowCount() > 0 && m_list->currentIndex().isValid();
}

QString CBarRssItems::currentTitle() const
{
    const QModelIndex current = m_list->currentIndex();
    return current.isValid() ? current.siblingAtColumn(CPostsModel::TitleColumn).data().toString() : QString();
}

void CBarRssItems::copyTitle()
{
    const QString title = currentTitle();
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!title.isEmpty() && clipboard) {
        clipboard->setText(title);
        if (clipboard->text() == title)
            return;
    }
    QApplication::beep();
}

// The Posts menu's commands as given; Copy Title is the bar's, with the
// menu's status prompt.
QMenu *CBarRssItems::createContextMenu(bool sortCommandsOnly)
{
    auto *menu = new QMenu(this);
    QString copyPrompt;
    for (QAction *action : std::as_const(m_menuActions)) {
        const int id = action->data().toInt();
        if (id == ID_COPY_TITLE)
            copyPrompt = action->statusTip();
        // The bar's own Copy Title below goes last, also in the header's menu.
        else if (!sortCommandsOnly || isSortCommand(id))
            menu->addAction(action);
    }
    menu->addSeparator();
    QAction *copy = menu->addAction(tr("&Copy Title"));
    connect(copy, &QAction::triggered, this, &CBarRssItems::copyTitle);
    copy->setData(int(ID_COPY_TITLE));
    copy->setStatusTip(copyPrompt);
    copy->setEnabled(canCopyTitle());
    return menu;
}

QMenu *CBarRssItems::createRowMenu()
{
    return createContextMenu(false);
}

QMenu *CBarRssItems::createHeaderMenu()
{
    return createContextMenu(true);
}

void CBarRssItems::showRowMenu(const QPoint &viewportPos)
{
    QMenu *menu = createRowMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(m_list->viewport()->mapToGlobal(viewportPos));
}

void CBarRssItems::showHeaderMenu(const QPoint &headerPos)
{
    QMenu *menu = createHeaderMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(m_list->header()->mapToGlobal(headerPos));
}

// --- Filter box ---

void CBarRssItems::toggleFilterBox()
{
    if (m_filterBox)
        closeFilterBox();
    else
        openFilterBox();
}

void CBarRssItems::openFilterBox()
{
    m_filterBox = new QLineEdit(widget());
    m_filterBox->setObjectName(QStringLiteral("filterBox"));
    m_filterBox->setAccessibleName(tr("Filter posts"));
    m_filterBox->setAccessibleDescription(tr("Lists only the posts whose title holds this text; Escape empties the box, then closes it"));
    m_filterBox->setFont(m_list->font());
    m_filterBox->installEventFilter(this);
    connect(m_filterBox, &QLineEdit::textEdited, this, &CBarRssItems::onFilterTextEdited);
    connect(m_filterBox, &QLineEdit::textChanged, this, &CBarRssItems::onFilterTextChanged);
    m_layout->insertWidget(m_layout->indexOf(m_list), m_filterBox);
    // Tab comes to the box where it stands, between the button and the list.
    QWidget::setTabOrder(m_feedButton, m_filterBox);
    m_filterBox->show();
    m_filterBox->setFocus(Qt::OtherFocusReason);
    emit filteringChanged();
}

void CBarRssItems::closeFilterBox()
{
    m_filterTimer.stop();
    stopFilter();
    m_layout->removeWidget(m_filterBox);
    m_filterBox->hide();
    // The box may be closing from inside one of its own events.
    m_filterBox->deleteLater();
    m_filterBox = nullptr;
    m_filterShowsNoMatch = false;
    showAllPosts();
    emit filteringChanged();
}

// Every post comes back in the sort order, and the post picked in the
// filtered list is selected.
void CBarRssItems::showAllPosts()
{
    const int picked = m_model->postAt(m_list->currentIndex().row());
    rebuildRows();
    m_selectionTimer.stop();
    m_model->resetRows();
    updateCaption();
    selectRow(qMax(m_model->order().rowOfPost(picked), 0));
}

// What is typed goes into the box in lower case.
void CBarRssItems::onFilterTextEdited(const QString &text)
{
    const QString lower = text.toLower();
    if (lower == text)
        return;
    const int cursor = m_filterBox->cursorPosition();
    m_filterBox->setText(lower);
    m_filterBox->setCursorPosition(qMin(cursor, int(lower.size())));
}

// The filter of the text before is dropped: only the last text counts.
void CBarRssItems::onFilterTextChanged()
{
    stopFilter();
    m_lastFilterChange.start();
    m_filterTimer.start();
}

void CBarRssItems::onFilterDelayElapsed()
{
    if (m_lastFilterChange.isValid() && m_lastFilterChange.elapsed() < kFilterQuietMs)
        return;
    m_filterTimer.stop();
    applyFilter();
}

void CBarRssItems::applyFilter()
{
    CRSSEditDoc *doc = document();
    if (!doc || !m_filterBox)
        return;
    m_model->order().startFilter(doc->feed(), m_filterBox->text());
    continueFilter();
}

// The matching posts are listed in the sort order and the first one is
// selected as soon as it shows, or none when nothing matches; the caption
// counts them once all are found.
void CBarRssItems::continueFilter()
{
    const CPostOrder &order = m_model->order();
    if (!order.isFiltering())
        return;
    const bool shown = order.matchesShown();
    const int enough = shown ? std::numeric_limits<int>::max() : screenful();
    const bool done = m_model->filterSome(QDeadlineTimer(kFilterStepMs), enough);
    if (!shown && (done || order.matchCount() >= screenful())) {
        m_model->showMatches();
        m_filterListed.start();
        selectRow(0);
    } else if (shown && (done || m_filterListed.elapsed() >= kFilterListingMs)) {
        m_model->showMatches();
        m_filterListed.start();
    }
    // What the new rows set off (the first match shown, a key typed into
    // the box meanwhile) may have stopped the filter.
    if (!done && order.isFiltering())
        m_filterStepTimer.start();
    if (!done)
        return;
    if (m_model->order().isEmpty())
        QApplication::beep();
    updateFilterColor();
    updateCaption();
}

void CBarRssItems::stopFilter()
{
    m_filterStepTimer.stop();
    m_model->order().cancelFilter();
}

int CBarRssItems::screenful() const
{
    return m_list->viewport()->height() / qMax(1, m_list->fontMetrics().height()) + 1;
}

void CBarRssItems::updateFilterColor()
{
    if (!m_filterBox)
        return;
    const bool noMatch = m_model->order().isEmpty();
    if (noMatch == m_filterShowsNoMatch)
        return;
    m_filterShowsNoMatch = noMatch;
    // Only the text colour is the box's own: the rest follows the palette
    // around it, a switch between light and dark too.
    QPalette palette;
    if (noMatch)
        palette.setColor(QPalette::Text, kNoMatchColor);
    m_filterBox->setPalette(palette);
}

// --- Keys ---

bool CBarRssItems::eventFilter(QObject *object, QEvent *event)
{
    if (object == m_filterBox && handleFilterBoxEvent(event))
        return true;
    if (object == m_list && handleListKey(event))
        return true;
    if ((object == m_list || object == m_filterBox) && handleBarKey(event))
        return true;
    return CRSSCommonBar::eventFilter(object, event);
}

// Delete in the list deletes the current post, with the question the menu
// command asks. Only here: in the editor's fields the key deletes text.
bool CBarRssItems::handleListKey(QEvent *event)
{
    if (event->type() != QEvent::KeyPress || m_list->isRenaming())
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() != Qt::Key_Delete || key->modifiers() != Qt::NoModifier)
        return false;
    CommandState state;
    if (m_postCommands && m_postCommands->OnUpdateCommand(ID_POST_DELETE, &state) && state.enabled)
        m_postCommands->OnCommand(ID_POST_DELETE);
    else
        QApplication::beep();
    return true;
}

// Return hands the focus to the editor's description, unless a title is
// being renamed; Tab goes on through the window like anywhere else.
bool CBarRssItems::handleBarKey(QEvent *event)
{
    if (event->type() != QEvent::KeyPress || m_list->isRenaming())
        return false;
    switch (static_cast<QKeyEvent *>(event)->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit editorFocusRequested();
        return true;
    default:
        return false;
    }
}

// Escape clears the box, or closes it when it is empty.
bool CBarRssItems::handleFilterBoxEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::FocusIn:
        QMetaObject::invokeMethod(m_filterBox, &QLineEdit::selectAll, Qt::QueuedConnection);
        return false;
    case QEvent::KeyPress:
        return handOnToList(static_cast<QKeyEvent *>(event))
            || static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape;
    case QEvent::KeyRelease:
        if (static_cast<QKeyEvent *>(event)->key() != Qt::Key_Escape)
            return false;
        if (m_filterBox->text().isEmpty()) {
            QMetaObject::invokeMethod(this, [this] {
                if (m_filterBox)
                    closeFilterBox();
            }, Qt::QueuedConnection);
        } else {
            m_filterBox->clear();
        }
        return true;
    default:
        return false;
    }
}

// The keys that move through a list move through the posts while the focus
// stays in the box, as in a search field.
bool CBarRssItems::handOnToList(QKeyEvent *key)
{
    switch (key->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        break;
    default:
        return false;
    }
    QKeyEvent copy(key->type(), key->key(), key->modifiers(), key->text());
    QApplication::sendEvent(m_list, &copy);
    return true;
}
