#include "panes/PostsModel.h"

#include "core/PodcastValues.h"
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

// "3 Mar 2026" in a right-to-left window: a left-to-right mark keeps the
// day in front rather than at the far end.
QString dayFirst(const QString &shown)
{
    return !shown.isRightToLeft() && QGuiApplication::isRightToLeft() ? QChar(0x200E) + shown : shown;
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

bool CPostsModel::filterSome(const QDeadlineTimer &deadline, int enough)
{
    return !m_doc || m_order.filterSome(m_doc->feed(), deadline, enough);
}

void CPostsModel::showMatches()
{
    if (!m_order.matchesShown()) {
        beginResetModel();
        m_order.showMatches();
        endResetModel();
    } else if (m_order.matchCount() > rowCount()) {
        beginInsertRows(QModelIndex(), rowCount(), m_order.matchCount() - 1);
        m_order.showMatches();
        endInsertRows();
    }
}

// The rows beside it show their titles by what theirs shares with it.
void CPostsModel::refreshRow(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    emit dataChanged(index(qMax(0, row - 1), 0), index(qMin(rowCount() - 1, row + 1), ColumnCount - 1));
}

// The whole words, with the space after them, that the post's title begins
// with as the title of the row above or below does. Two titles compared per
// row, so that a long feed costs no more per painted row than a short one.
int CPostsModel::sharedTitleStart(int row, int post) const
{
    const CRssFeed *feed = m_doc->feed();
    const QString title = feed->GetPostTitle(post);
    qsizetype longest = 0;
    for (const int beside : {row - 1, row + 1}) {
        const int other = validPostAt(beside);
        if (other < 0)
            continue;
        const QString otherTitle = feed->GetPostTitle(other);
        qsizetype same = 0;
        while (same < title.size() && same < otherTitle.size() && title[same] == otherTitle[same])
            ++same;
        // Back to the end of a whole word: no word is cut.
        while (same > 0 && !title[same - 1].isSpace())
            --same;
        longest = qMax(longest, same);
    }
    return int(longest);
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

// A moment in the user's own form.
QString CPostsModel::localDate(const QDateTime &moment)
{
    return dayFirst(QLocale().toString(moment, QLocale::ShortFormat));
}

// The date in the user's own form; one that cannot be read as it stands.
QString CPostsModel::shownDate(int post) const
{
    const QString date = m_doc->feed()->GetPostPubDate(post);
    const QDateTime moment = momentOf(date);
    return moment.isValid() ? localDate(moment) : date;
}

// A post's date as a moment; invalid when there is none or it cannot be read.
QDateTime CPostsModel::momentOf(const QString &date) const
{
    if (date != m_lastDateText) {
        m_lastMoment = date.isEmpty() ? QDateTime() : PubDate::ParsePubDateOr(date, QDateTime());
        m_lastDateText = date;
    }
    return m_lastMoment;
}

// The day alone, in the user's short form; a date that cannot be read, or a
// live item's words, as the list shows them whole.
QString CPostsModel::shortDate(int post) const
{
    const QDateTime moment = momentOf(m_doc->feed()->GetPostPubDate(post));
    if (!moment.isValid())
        return dateText(post);
    return dayFirst(QLocale().toString(moment.date(), QLocale::ShortFormat));
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
    return QStringLiteral("<qt><b>") + tipTitle(post).toHtmlEscaped() + QStringLiteral("</b><br>") + liveTip(post)
           + htmlLines(tipText(post)) + QStringLiteral("</qt>");
}

// A live item is dated by its start, and says so, unless it has a date.
QString CPostsModel::dateText(int post) const
{
    const CRssFeed *feed = m_doc->feed();
    if (!feed->GetPostPubDate(post).isEmpty() || !feed->IsLiveItem(post))
        return shownDate(post);
    const QString status = feed->GetPostAttribute(post, QStringLiteral("status"));
    QString start = feed->GetPostAttribute(post, QStringLiteral("start"));
    const QDateTime startMoment = QDateTime::fromString(start, Qt::ISODate);
    if (startMoment.isValid())
        start = localDate(startMoment);
    switch (CPodcastValues::liveStatus(status)) {
    case CPodcastValues::LiveStatus::Pending:
        return tr("Stream starts %1").arg(start);
    case CPodcastValues::LiveStatus::Live:
        return tr("Live now, since %1").arg(start);
    case CPodcastValues::LiveStatus::Ended:
        return tr("Stream ended, began %1").arg(start);
    case CPodcastValues::LiveStatus::Other:
        break;
    }
    return tr("Stream (%1) at %2").arg(status, start);
}

// What kind of post it is, for a live item: its status and times.
QString CPostsModel::liveTip(int post) const
{
    const CRssFeed *feed = m_doc->feed();
    if (!feed->IsLiveItem(post))
        return QString();
    const auto attribute = [feed, post](const char *name) { return feed->GetPostAttribute(post, QLatin1String(name)); };
    return tr("Live item, %1: %2 to %3").arg(attribute("status"), attribute("start"), attribute("end")).toHtmlEscaped()
           + QStringLiteral("<br>");
}

// A date that is there but cannot be read: sorted last, and the list says
// so rather than pass it off as a date.
bool CPostsModel::hasUnreadableDate(int post) const
{
    const QString date = m_doc->feed()->GetPostPubDate(post);
    return !date.isEmpty() && !momentOf(date).isValid();
}

// What a screen reader says for a cell, also where the list shows only a
// picture (the warning of an unreadable date) or nothing (no title, no date).
QString CPostsModel::accessibleText(int post, int column) const
{
    const CRssFeed *feed = m_doc->feed();
    if (column == TitleColumn) {
        const QString title = feed->GetPostTitle(post);
        return title.trimmed().isEmpty() ? tr("No title") : title;
    }
    const QString date = dateText(post);
    if (date.isEmpty())
        return tr("No date");
    return hasUnreadableDate(post) ? tr("Unreadable date: %1").arg(date) : date;
}

QModelIndex CPostsModel::index(int row, int column, const QModelIndex &parent) const
{
    if (parent.isValid() || row < 0 || row >= m_order.size() || column < 0 || column >= ColumnCount)
        return QModelIndex();
    return createIndex(row, column);
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
            return dateText(post);
        return QVariant();
    case Qt::DecorationRole:
        if (index.column() == TitleColumn && feed->IsLiveItem(post))
            return PostIcon::iconOfLiveItem(feed->GetPostAttribute(post, QStringLiteral("status")));
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
    case SharedTitleStartRole:
        return index.column() == TitleColumn ? sharedTitleStart(index.row(), post) : 0;
    case ShortDateRole:
        return index.column() == DateColumn ? shortDate(post) : QVariant();
    case Qt::AccessibleTextRole:
        return accessibleText(post, index.column());
    case Qt::AccessibleDescriptionRole:
        return index.column() == TitleColumn ? tipText(post) : QVariant();
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
