#include "document/PostOrder.h"

#include "core/PubDate.h"
#include "core/RssFeed.h"
#include "core/TrimCharacters.h"

#include <QCollator>
#include <QDateTime>
#include <QLocale>

#include <algorithm>

namespace {

// Titles sort as the user reads them: in the user's language, capitals and
// small letters together, "Post 2" before "Post 10". The C locale has no
// rules of its own, so it takes English ones.
QCollator titleCollator()
{
    const QLocale user;
    QCollator collator(user.language() == QLocale::C ? QLocale(QLocale::English, QLocale::UnitedStates) : user);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    return collator;
}

// The post's date, or an invalid one when it cannot be read. A live item
// without one is dated by its start.
QDateTime readDate(const CRssFeed *feed, int post)
{
    const QString date = feed->GetPostPubDate(post);
    if (date.isEmpty() && feed->IsLiveItem(post))
        return QDateTime::fromString(feed->GetPostAttribute(post, QStringLiteral("start")), Qt::ISODateWithMs);
    return PubDate::ParsePubDateOr(date, QDateTime());
}

// Newest first; dates that cannot be read after all others.
int compareDates(const QDateTime &a, const QDateTime &b)
{
    if (a.isValid() != b.isValid())
        return a.isValid() ? -1 : 1;
    if (a == b || !a.isValid())
        return 0;
    return a > b ? -1 : 1;
}

} // namespace

bool CPostOrder::IsPostBefore(SortOrder sortOrder, const CRssFeed *feed, int postA, int postB)
{
    if (postA == postB)
        return false;
    switch (sortOrder) {
    case SortByTitle:
        return titleCollator().compare(feed->GetPostTitle(postA), feed->GetPostTitle(postB)) < 0;
    case SortByDate:
        return compareDates(readDate(feed, postA), readDate(feed, postB)) < 0;
    default:
        return postA < postB;
    }
}

QString CPostOrder::normalizedFilterText(const QString &filterText)
{
    return TrimCharacters(filterText.toLower(), u" \t");
}

bool CPostOrder::titleMatchesFilter(const QString &title, const QString &filterText)
{
    const QString filter = normalizedFilterText(filterText);
    return filter.isEmpty() || title.toLower().contains(filter);
}

void CPostOrder::fillAll(const CRssFeed *feed)
{
    const int count = feed->GetPostCount();
    m_rows.resize(count);
    for (int post = 0; post < count; ++post)
        m_rows[post] = post;
}

void CPostOrder::rebuild(const CRssFeed *feed, const QString &filterText)
{
    const QString filter = normalizedFilterText(filterText);
    if (filter.isEmpty()) {
        fillAll(feed);
    } else {
        m_rows.clear();
        const int count = feed->GetPostCount();
        for (int post = 0; post < count; ++post) {
            if (feed->GetPostTitle(post).toLower().contains(filter))
                m_rows.push_back(post);
        }
    }
    sort(feed);
}

void CPostOrder::sort(const CRssFeed *feed)
{
    switch (m_sortOrder) {
    case SortByTitle:
        sortByTitle(feed);
        break;
    case SortByDate:
        sortByDate(feed);
        break;
    default:
        std::sort(m_rows.begin(), m_rows.end());
        break;
    }
}

// Posts that compare equal keep the order of their indexes, so the rows do
// not shuffle from one sort to the next. The keys are read in feed order,
// which reads the feed's packed file bytes from start to end once, rather
// than in the jumps of the order shown before.
void CPostOrder::sortByTitle(const CRssFeed *feed)
{
    struct Row { QCollatorSortKey key; int post; };
    const QCollator collator = titleCollator();
    std::sort(m_rows.begin(), m_rows.end());
    std::vector<Row> rows;
    rows.reserve(m_rows.size());
    for (int post : m_rows)
        rows.push_back({collator.sortKey(feed->GetPostTitle(post)), post});
    std::sort(rows.begin(), rows.end(), [](const Row &a, const Row &b) {
        const int order = a.key.compare(b.key);
        return order != 0 ? order < 0 : a.post < b.post;
    });
    for (size_t i = 0; i < rows.size(); ++i)
        m_rows[i] = rows[i].post;
}

void CPostOrder::sortByDate(const CRssFeed *feed)
{
    struct Row { QDateTime date; int post; };
    std::sort(m_rows.begin(), m_rows.end());
    std::vector<Row> rows;
    rows.reserve(m_rows.size());
    for (int post : m_rows)
        rows.push_back({readDate(feed, post), post});
    std::sort(rows.begin(), rows.end(), [](const Row &a, const Row &b) {
        const int order = compareDates(a.date, b.date);
        return order != 0 ? order < 0 : a.post < b.post;
    });
    for (size_t i = 0; i < rows.size(); ++i)
        m_rows[i] = rows[i].post;
}

int CPostOrder::rowOfPost(int postIndex) const
{
    const auto found = std::find(m_rows.begin(), m_rows.end(), postIndex);
    return found == m_rows.end() ? -1 : int(found - m_rows.begin());
}

int CPostOrder::postAt(int row) const
{
    return row >= 0 && row < size() ? m_rows[size_t(row)] : -1;
}
