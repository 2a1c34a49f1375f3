#include "panes/PostsListCtrl.h"

#include "panes/PostRowDelegate.h"

#include "episodes/AudioTags.h"

#include <QFontDatabase>
#include <QHeaderView>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QWindow>

namespace {

// The text broken in two at the first space from its middle on, or the text
// itself when it has no space there.
QString brokenInTwoLines(const QString &text)
{
    const int space = text.indexOf(QLatin1Char(' '), text.size() / 2);
    if (space < 0)
        return text;
    QString broken = text;
    broken[space] = QLatin1Char('\n');
    return broken;
}

} // namespace

CPostsListCtrl::CPostsListCtrl(QWidget *parent)
    : QTreeView(parent)
    , m_delegate(new CPostRowDelegate(this))
{
    setItemDelegate(m_delegate);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    // A click on the selected row only selects it; renaming is F2 or the
    // Rename command, never a side effect of a click.
    setEditTriggers(QAbstractItemView::EditKeyPressed);
    setFont(QFontDatabase::systemFont(QFontDatabase::TitleFont));
    // A podcast's titles mostly begin with the show's name: cut short in
    // the middle they keep their ends, which tell the episodes apart. (The
    // delegate cuts dates at their end.)
    setTextElideMode(Qt::ElideMiddle);

    QHeaderView *columns = header();
    columns->setSectionsClickable(true);
    columns->setSectionsMovable(false);
    columns->setSortIndicatorShown(false);
    columns->setStretchLastSection(false);
    // A divider dragged by the user snaps back to fit the columns.
    columns->viewport()->installEventFilter(this);
    // Audio files dropped from a file manager become episodes; the rows
    // themselves are never dragged.
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DropOnly);
}

void CPostsListCtrl::setEmptyText(const QString &text)
{
    m_strEmptyText = text;
    viewport()->update();
}

void CPostsListCtrl::startRename(int row)
{
    const QModelIndex title = model() ? model()->index(row, 0) : QModelIndex();
    if (!title.isValid())
        return;
    scrollTo(title);
    setFocus(Qt::OtherFocusReason);
    QTreeView::edit(title);
}

void CPostsListCtrl::fitColumns()
{
    const QList<int> &widths = contentWidths();
    const int columns = int(widths.size());
    if (columns == 0)
        return;
    // The header is quiet while the widths change: told of each, the tree
    // view would paint its columns once more after the paint that shows
    // them; the rows take the widths from the header when painted.
    const QSignalBlocker quietHeader(header());
    const QList<int> before = currentWidths();
    for (int column = 0; column < columns; ++column)
        setColumnWidth(column, widths.at(column));
    const int last = columns - 1;
    int rest = viewport()->width();
    for (int column = 0; column < last; ++column)
        rest -= columnWidth(column);
    // Long titles would push the dates out of sight: the title column gives
    // up what the last column lacks, down to its icon and eight characters,
    // so that a date is read whole (by its day alone where its time does not
    // fit). In a list too narrow for both the title keeps two thirds: the
    // titles tell posts apart, and a date cut short still shows its day.
    // Titles are then elided; the tooltip shows them whole.
    const int lacking = columnWidth(last) - rest;
    if (last > 0 && lacking > 0) {
        // Room for ten characters: eight of the title and the cell's margins.
        const int titleText = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this)
            + fontMetrics().averageCharWidth() * 10;
        const int fewest = qMin(viewport()->width() * 2 / 3, titleText);
        const int narrowed = qMax(fewest, columnWidth(0) - lacking);
        rest += columnWidth(0) - narrowed;
        setColumnWidth(0, narrowed);
    }
    if (rest >= 0 && rest != columnWidth(last))
        setColumnWidth(last, rest);
    if (currentWidths() != before) {
        updateGeometries();
        viewport()->update();
    }
}

QList<int> CPostsListCtrl::currentWidths() const
{
    QList<int> widths;
    for (int column = 0; column < header()->count(); ++column)
        widths.append(columnWidth(column));
    return widths;
}

// As QTreeView::resizeColumnToContents measures them.
const QList<int> &CPostsListCtrl::contentWidths()
{
    const std::pair<int, int> rows = measuredRows();
    if (rows != m_measuredRows || m_contentWidths.size() != header()->count()) {
        m_contentWidths.clear();
        for (int column = 0; column < header()->count(); ++column) {
            const int heading = header()->isHidden() ? 0 : header()->sectionSizeHint(column);
            m_contentWidths.append(qMax(sizeHintForColumn(column), heading));
        }
        m_measuredRows = rows;
    }
    return m_contentWidths;
}

// QTreeView::sizeHintForColumn measures the rows in view and those around
// them, up to the header's precision in all. Scrolled to the top, or with no
// more rows than that, it measures the same rows however many are in view.
std::pair<int, int> CPostsListCtrl::measuredRows() const
{
    const int rows = model() ? model()->rowCount() : 0;
    const int precision = header()->resizeContentsPrecision();
    const int first = indexAt(QPoint(0, 0)).row();
    if (precision < 0 || rows <= precision || (precision > 0 && first == 0))
        return {0, 0};
    return {first, indexAt(QPoint(0, viewport()->height() - 1)).row()};
}

void CPostsListCtrl::changeEvent(QEvent *event)
{
    QTreeView::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        forgetContentWidths();
}

void CPostsListCtrl::selectRow(int row)
{
    const QModelIndex index = model() ? model()->index(row, 0) : QModelIndex();
    if (!index.isValid())
        return;
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(index);
}

void CPostsListCtrl::paintEvent(QPaintEvent *event)
{
    if (model() && model()->rowCount() == 0)
        paintEmptyText();
    else
        QTreeView::paintEvent(event);
}

// The current row is framed in red, except while its title is renamed.
void CPostsListCtrl::drawRow(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QTreeView::drawRow(painter, option, index);
    if (index.row() != currentIndex().row() || isRenaming())
        return;
    const QRect row(-header()->offset(), option.rect.top(), header()->length(), option.rect.height());
    CPostRowDelegate::paintCurrentRowFrame(painter, row, viewport()->width());
}

// The text in the middle; on two lines when one line is too wide and two
// lines fit.
void CPostsListCtrl::paintEmptyText()
{
    QPainter painter(viewport());
    const QRect client = viewport()->rect();
    painter.fillRect(client, palette().color(QPalette::Base));
    painter.setPen(emptyTextColor());
    painter.setFont(font());

    QString text = m_strEmptyText.isEmpty() ? tr("No items") : m_strEmptyText;
    const QFontMetrics metrics(font());
    if (metrics.horizontalAdvance(text) >= client.width()) {
        const QString twoLines = brokenInTwoLines(text);
        if (metrics.boundingRect(client, Qt::AlignCenter, twoLines).width() < client.width())
            text = twoLines;
    }
    painter.drawText(client, Qt::AlignCenter, text);
}

QColor CPostsListCtrl::emptyTextColor() const
{
    return palette().color(QPalette::Disabled, QPalette::Text);
}

void CPostsListCtrl::resizeEvent(QResizeEvent *event)
{
    QTreeView::resizeEvent(event);
    fitColumns();
}

// Pressing the empty part of the list drags the main window, as its title
// bar would.
void CPostsListCtrl::mousePressEvent(QMouseEvent *event)
{
    QWidget *mainWindow = window();
    if (event->button() == Qt::LeftButton && !indexAt(event->position().toPoint()).isValid()
        && !mainWindow->isMaximized() && mainWindow->windowHandle()
        && mainWindow->windowHandle()->startSystemMove()) {
        return;
    }
    QTreeView::mousePressEvent(event);
}

// The current row's frame hides while its title is edited.
bool CPostsListCtrl::edit(const QModelIndex &index, EditTrigger trigger, QEvent *event)
{
    const bool editing = QTreeView::edit(index, trigger, event);
    if (editing) {
        m_renamedTitle = index;
        viewport()->update();
    }
    return editing;
}

void CPostsListCtrl::finishRename()
{
    if (QWidget *editor = m_renamedTitle.isValid() ? indexWidget(m_renamedTitle) : nullptr) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::SubmitModelCache);
    }
}

void CPostsListCtrl::cancelRename()
{
    if (QWidget *editor = m_renamedTitle.isValid() ? indexWidget(m_renamedTitle) : nullptr)
        closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
}

// Left to the view, an open editor whose rows change is committed first,
// as the current row goes: the typed title would land on the post that
// takes the row. Connected before the view's own handlers, so they run first.
void CPostsListCtrl::setModel(QAbstractItemModel *model)
{
    forgetContentWidths();
    if (model) {
        const auto forget = [this] { forgetContentWidths(); };
        connect(model, &QAbstractItemModel::modelReset, this, forget);
        connect(model, &QAbstractItemModel::layoutChanged, this, forget);
        connect(model, &QAbstractItemModel::rowsInserted, this, forget);
        connect(model, &QAbstractItemModel::rowsRemoved, this, forget);
        connect(model, &QAbstractItemModel::dataChanged, this, forget);
        connect(model, &QAbstractItemModel::headerDataChanged, this, forget);
        connect(model, &QAbstractItemModel::modelAboutToBeReset, this, &CPostsListCtrl::cancelRename);
        connect(model, &QAbstractItemModel::layoutAboutToBeChanged, this, &CPostsListCtrl::cancelRename);
        connect(model, &QAbstractItemModel::rowsAboutToBeRemoved, this, &CPostsListCtrl::cancelRename);
    }
    QTreeView::setModel(model);
}

void CPostsListCtrl::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    QTreeView::closeEditor(editor, hint);
    viewport()->update();
}

bool CPostsListCtrl::eventFilter(QObject *object, QEvent *event)
{
    if (object == header()->viewport() && event->type() == QEvent::MouseButtonRelease)
        fitColumns();
    return QTreeView::eventFilter(object, event);
}

QStringList CPostsListCtrl::droppedFiles(const QMimeData *data)
{
    QStringList paths;
    bool audio = false;
    if (!data || !data->hasUrls())
        return paths;
    for (const QUrl &url : data->urls()) {
        if (!url.isLocalFile())
            continue;
        paths.append(url.toLocalFile());
        audio = audio || CAudioTags::isAudioFileName(paths.constLast());
    }
    return audio ? paths : QStringList();
}

void CPostsListCtrl::acceptAudio(QDropEvent *event)
{
    if (droppedFiles(event->mimeData()).isEmpty())
        event->ignore();
    else
        event->acceptProposedAction();
}

void CPostsListCtrl::dragEnterEvent(QDragEnterEvent *event)
{
    acceptAudio(event);
}

// The whole list takes the drop, wherever the pointer is over it.
void CPostsListCtrl::dragMoveEvent(QDragMoveEvent *event)
{
    acceptAudio(event);
}

void CPostsListCtrl::dropEvent(QDropEvent *event)
{
    const QStringList paths = droppedFiles(event->mimeData());
    if (paths.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    emit audioFilesDropped(paths);
}
