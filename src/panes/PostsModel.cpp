#include "panes/PostsModel.h"

#include "core/PubDate.h"
#include "core/RssFeed.h"
#include "document/RSSEditDoc.h"
#include "panes/PostIcon.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QLocale>
#include <QStyle>

namespace {

// The longest tip text the list shows; longer descriptions are cut.
constexpr int kMaxTipText = 1023;

QString htmlLines(const QString &text)
{
    QString html = text.toHtmlEscaped();
    html.replace(QLatin1String("\r\n"), QLatin1String("<br>"));
    html.replace(QLatin1Char('\n'), QLatin1String("<br>"));
    return html;
}

QIcon unreadableDateIcon()
{
    return QIcon::fromTheme(QStringLiteral("dialog-warning"),
                            QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning));
}

QFont unreadableDateFont()
{
    QFont font;
    font.setItalic(true);
    return font;
}

} // namespace

CPostsModel::CPostsModel(CRSSEditDoc *doc, QObject *parent) : QAbstractTableModel(parent), m_doc(doc)
{
}

void CPostsModel::resetRows()
{
    beginResetModel();
    endResetModel();
}

void CPostsModel::refreshRow(int row)
{
    if (row >= 0 && row < rowCount())
        emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

QString CPostsModel::tipTitle(int post) const
{
    const CRssFeed *feed = m_doc->feed();
    QString title = feed->GetPostTitle(post);
    const QString date = shownDate(post);
    if (!date.isEmpty())
        title += QStringLiteral(" [") + date + QLatin1Char(']');
    return title;
}

// The date in the user's own form; one that cannot be read as it stands.
QString CPostsModel::shownDate(int post) const
{
    const QString date = m_doc->feed()->GetPostPubDate(post);
    const QDateTime moment = date.isEmpty() ? QDateTime() : PubDate::ParsePubDateOr(date, QDateTime());
    if (!moment.isValid())
        return date;
    const QString shown = QLocale().toString(moment, QLocale::ShortFormat);
    // "3 Mar 2026" in a right-to-left window: a left-to-right mark keeps the
    // day in front rather than at the far end.
    if (!shown.isRightToLeft() && QGuiApplication::isRightToLeft())
        return QChar(0x200E) + shown;
    return shown;
}

QString CPostsModel::tipText(int post) const
{
    const CRssFeed *feed = m_doc->feed();
    QString text = feed->GetPostPlainDescription(post);
    const QString link = feed->GetPostLink(post);
    if (!link.isEmpty())
        text += QStringLiteral("\r\n\r\n") + link;
    text.truncate(kMaxTipText);
    return text;
}

QString CPostsModel::tooltip(int post) const
{
    return QStringLiteral("<qt><b>") + tipTitle(post).toHtmlEscaped() + QStringLiteral("</b><br>")
           + htmlLines(tipText(post)) + QStringLiteral("</qt>");
}

// A date that is there but cannot be read: sorted last, and the list says
// so rather than pass it off as a date.
bool CPostsModel::hasUnreadableDate(int post) const
{
    const QString date = m_doc->feed()->GetPostPubDate(post);
    return !date.isEmpty() && !PubDate::ParsePubDateOr(date, QDateTime()).isValid();
}

int CPostsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_order.size();
}

int CPostsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

int CPostsModel::validPostAt(int row) const
{
    const int post = m_order.postAt(row);
    return m_doc && post >= 0 && post < m_doc->feed()->GetPostCount() ? post : -1;
}

QVariant CPostsModel::data(const QModelIndex &index, int role) const
{
    const int post = validPostAt(index.row());
    if (post < 0)
        return QVariant();
    const CRssFeed *feed = m_doc->feed();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        if (index.column() == TitleColumn)
            return feed->GetPostTitle(post);
        if (index.column() == DateColumn)
            return shownDate(post);
        return QVariant();
    case Qt::DecorationRole:
        if (index.column() == TitleColumn)
            return PostIcon::iconOfLink(feed->GetPostLink(post));
        if (index.column() == DateColumn && hasUnreadableDate(post))
            return unreadableDateIcon();
        return QVariant();
    case Qt::FontRole:
        if (index.column() == DateColumn && hasUnreadableDate(post))
            return unreadableDateFont();
        return QVariant();
    case Qt::ToolTipRole:
        return tooltip(post);
    default:
        return QVariant();
    }
}

QVariant CPostsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QVariant();
    if (section == TitleColumn)
        return tr("Posts - Press Ctrl+F for filtering");
    if (section == DateColumn)
        return tr("Date");
    return QVariant();
}

Qt::ItemFlags CPostsModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.column() == TitleColumn)
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool CPostsModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || index.column() != TitleColumn)
        return false;
    const int post = validPostAt(index.row());
    if (post < 0)
        return false;
    // A rename left as it was changes nothing, not even the post's date.
    if (value.toString() == m_doc->feed()->GetPostTitle(post))
        return true;
    return m_doc->SetPostField(post, CRSSEditDoc::PostTitle, value.toString(), tr("Rename Post"));
}
