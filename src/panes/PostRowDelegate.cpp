#include "panes/PostRowDelegate.h"

#include "panes/PostsModel.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QToolTip>

#include <limits>

namespace {

constexpr int kShade = 20;
const QColor kFrameColor(255, 0, 0);
const QColor kEditorTextColor(255, 0, 0);

// The rename editor's font is half as large again as the list's.
QFont enlargedFont(const QFont &font)
{
    QFont enlarged = font;
    enlarged.setPixelSize(QFontInfo(font).pixelSize() * 3 / 2);
    return enlarged;
}

} // namespace

CPostRowDelegate::CPostRowDelegate(QObject *parent) : CBidiTextDelegate(parent)
{
}

QColor CPostRowDelegate::shadedColor(const QColor &background)
{
    const QColor rgb = background.toRgb();
    if (rgb.red() == 0 && rgb.green() == 0 && rgb.blue() == 0)
        return QColor(kShade, kShade, kShade);
    const auto shade = [](int component) { return (component - kShade) & 0xff; };
    return QColor(shade(rgb.red()), shade(rgb.green()), shade(rgb.blue()));
}

QRect CPostRowDelegate::currentRowFrame(const QRect &row, int clientWidth)
{
    // The right edge stays inside the client area, clear of its border.
    const int right = clientWidth < row.right() + 1 ? clientWidth - 3 : row.right();
    // The top edge is the row's first line; the left edge and the bottom
    // edge move in by one pixel.
    return QRect(QPoint(row.left() + 1, row.top()), QPoint(right, row.bottom() - 1));
}

void CPostRowDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    CBidiTextDelegate::initStyleOption(option, index);
    if (index.column() == CPostsModel::TitleColumn)
        skipSharedTitleStart(option, index);
    else
        shortenDate(option, index);
    if (index.row() % 2 == 1)
        option->backgroundBrush = shadedColor(option->palette.color(QPalette::Base));
}

void CPostRowDelegate::paintCurrentRowFrame(QPainter *painter, const QRect &row, int clientWidth)
{
    const QRect frame = currentRowFrame(row, clientWidth);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(QPen(kFrameColor, 0));
    painter->setBrush(Qt::NoBrush);
    painter->drawLine(frame.topLeft(), frame.topRight());
    painter->drawLine(frame.topRight(), frame.bottomRight());
    painter->drawLine(frame.bottomRight(), frame.bottomLeft());
    painter->drawLine(frame.bottomLeft(), frame.topLeft());
    painter->restore();
}

// As the base class measures a cell, whose roles are read once: the list's
// columns are fitted to a thousand rows.
QSize CPostRowDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    const QWidget *widget = option.widget;
    const QStyle *style = widget ? widget->style() : QApplication::style();
    QSize size = style->sizeFromContents(QStyle::CT_ItemViewItem, &cell, QSize(), widget);
    if (!(cell.features & QStyleOptionViewItem::HasDecoration))
        size.setHeight(qMax(size.height(), markedHeight(option, index, size.height())));
    return size;
}

int CPostRowDelegate::markedHeight(const QStyleOptionViewItem &option, const QModelIndex &index, int height) const
{
    const QWidget *widget = option.widget;
    const QStyle *style = widget ? widget->style() : QApplication::style();
    if (m_lastMarked.style == style && m_lastMarked.markSize == option.decorationSize && m_lastMarked.height == height)
        return m_lastMarked.marked;
    QStyleOptionViewItem marked = option;
    initStyleOption(&marked, index);
    marked.features |= QStyleOptionViewItem::HasDecoration;
    const int markedHeight = style->sizeFromContents(QStyle::CT_ItemViewItem, &marked, QSize(), widget).height();
    m_lastMarked = {style, option.decorationSize, height, markedHeight};
    return markedHeight;
}

// A title too long for its cell leaves out the words it shares with the
// titles beside it, a podcast's name mostly, where the list would show
// nothing else: "…603: Mailbag" rather than "Giant Bombcast…"; what is left
// is cut at its end, where the least of it is lost. The tooltip and a screen
// reader still give the whole title.
void CPostRowDelegate::skipSharedTitleStart(QStyleOptionViewItem *option, const QModelIndex &index)
{
    // What is shared is found before the title is measured against its
    // cell: most feeds share nothing, and measuring lays the text out.
    if (option->text.isEmpty() || measuredWhole(*option))
        return;
    const int shared = index.data(CPostsModel::SharedTitleStartRole).toInt();
    if (shared <= 0 || textFits(*option))
        return;
    // The direction mark the base class may have put first stays first.
    const bool marked = option->text[0] == QChar(0x202A) || option->text[0] == QChar(0x202B);
    const qsizetype start = marked ? 1 : 0;
    if (option->text.size() - start <= shared)
        return;
    // The leading mark goes where it would leave no room for the words
    // themselves, as in a list squeezed beside another feed's window.
    const QString rest = option->text.mid(start + shared);
    const QString mark(QChar(0x2026));
    const bool roomForMark = option->fontMetrics.horizontalAdvance(mark + rest.left(6)) <= textRoom(*option);
    option->text = option->text.left(start) + (roomForMark ? mark : QString()) + rest;
    option->textElideMode = Qt::ElideRight;
}

// A date too long for its cell drops its time rather than be cut: "14 Mar
// 2026" tells the day where "14 Ma…" tells nothing.
void CPostRowDelegate::shortenDate(QStyleOptionViewItem *option, const QModelIndex &index)
{
    option->textElideMode = Qt::ElideRight;
    if (option->text.isEmpty() || textFits(*option))
        return;
    const QString shortDate = index.data(CPostsModel::ShortDateRole).toString();
    if (!shortDate.isEmpty())
        option->text = shortDate;
}

// While the view measures a text for its column's width, it takes it
// whole: the cell has no width yet.
bool CPostRowDelegate::measuredWhole(const QStyleOptionViewItem &option)
{
    return option.rect.width() <= 0;
}

// The width the cell gives its text; no limit while the view measures it.
int CPostRowDelegate::textRoom(const QStyleOptionViewItem &option)
{
    if (measuredWhole(option))
        return std::numeric_limits<int>::max();
    const QStyle *style = option.widget ? option.widget->style() : QApplication::style();
    return style->subElementRect(QStyle::SE_ItemViewItemText, &option, option.widget).width();
}

// Whether the text fits its cell whole; it always does while the view
// measures it, which spares measuring each text twice.
bool CPostRowDelegate::textFits(const QStyleOptionViewItem &option)
{
    return measuredWhole(option) || option.fontMetrics.horizontalAdvance(option.text) <= textRoom(option);
}

QWidget *CPostRowDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                        const QModelIndex &) const
{
    auto *editor = new QPlainTextEdit(parent);
    editor->setAccessibleName(tr("Post title"));
    editor->setAccessibleDescription(tr("Enter keeps the new title, Escape drops it"));
    editor->setFont(enlargedFont(option.font));
    editor->setFrameShape(QFrame::Box);
    editor->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    editor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    editor->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    editor->document()->setDocumentMargin(1);

    QPalette palette = editor->palette();
    palette.setColor(QPalette::Base, QToolTip::palette().color(QPalette::ToolTipBase));
    palette.setColor(QPalette::Text, kEditorTextColor);
    editor->setPalette(palette);
    return editor;
}

void CPostRowDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    auto *textEdit = qobject_cast<QPlainTextEdit *>(editor);
    if (!textEdit)
        return;
    textEdit->setPlainText(index.data(Qt::EditRole).toString());
    textEdit->selectAll();
}

void CPostRowDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    if (auto *textEdit = qobject_cast<QPlainTextEdit *>(editor))
        model->setData(index, textEdit->toPlainText(), Qt::EditRole);
}

// As wide as the title's text, twice as high as the row.
void CPostRowDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                            const QModelIndex &index) const
{
    QStyleOptionViewItem textOption = option;
    initStyleOption(&textOption, index);
    const QWidget *widget = option.widget;
    const QStyle *style = widget ? widget->style() : nullptr;
    QRect rect = style ? style->subElementRect(QStyle::SE_ItemViewItemText, &textOption, widget) : option.rect;
    rect.setHeight(option.rect.height() * 2);
    editor->setGeometry(rect);
}

// Return, Enter and Tab keep the typed title; Escape drops it. A title is
// one line, so no key starts a new one.
bool CPostRowDelegate::eventFilter(QObject *object, QEvent *event)
{
    auto *editor = qobject_cast<QPlainTextEdit *>(object);
    if (editor && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            emit commitData(editor);
            emit closeEditor(editor, QAbstractItemDelegate::NoHint);
            return true;
        default:
            break;
        }
    }
    return CBidiTextDelegate::eventFilter(object, event);
}
