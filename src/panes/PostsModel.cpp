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
    findSharedTitleStart();
}

void CPostsModel::resetRows()
{
    beginResetModel();
    findSharedTitleStart();
    endResetModel();
}

void CPostsModel::refreshRow(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    const int shared = m_sharedTitleStart;
    findSharedTitleStart();
    if (shared != m_sharedTitleStart)
        emit dataChanged(index(0, TitleColumn), index(rowCount() - 1, TitleColumn));
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

// The whole words, with the space after them, that the titles of two posts
// or more all begin with. Read once per change rather than per painted row.
void CPostsModel::findSharedTitleStart()
{
    m_sharedTitleStart = 0;
    const CRssFeed *feed = m_doc ? m_doc->feed() : nullptr;
    if (!feed || feed->GetPostCount() < 2)
        return;
    const QString first = feed->GetPostTitle(0);
    qsizetype shared = first.size();
    for (int post = 1; post < feed->GetPostCount() && shared > 0; ++post) {
        const QString title = feed->GetPostTitle(post);
        qsizetype same = 0;
        while (same < shared && same < title.size() && title[same] == first[same])
            ++same;
        shared = same;
    }
    // Back to the end of the last whole word, so that no word is cut.
    while (shared > 0 && !first[shared - 1].isSpace())
        --shared;
    m_sharedTitleStart = int(shared);
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
    const QString shown = QLocale().toString(moment, QLocale::ShortFormat);
    // "3 Mar 2026" in a right-to-left window: a left-to-right mark keeps the
    // day in front rather than at the far end.
    if (!shown.isRightToLeft() && QGuiApplication::isRightToLeft())
        return QChar(0x200E) + shown;
    return shown;
}

// The date in the user's own form; one that cannot be read as it stands.
QString CPostsModel::shownDate(int post) const
{
    const QString date = m_doc->feed()->GetPostPubDate(post);
    const QDateTime moment = date.isEmpty() ? QDateTime() : PubDate::ParsePubDateOr(date, QDateTime());
    return moment.isValid() ? localDate(moment) : date;
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
    if (status == QLatin1String("pending"))
        return tr("Stream starts %1").arg(start);
    if (status == QLatin1String("live"))
        return tr("Live now, since %1").arg(start);
    if (status == QLatin1String("ended"))
        return tr("Stream ended, began %1").arg(start);
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
    return !date.isEmpty() && !PubDate::ParsePubDateOr(date, QDateTime()).isValid();
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
        return index.column() == TitleColumn ? m_sharedTitleStart : 0;
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
