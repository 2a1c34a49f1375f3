#include "document/PostOrder.h"

#include "core/PubDate.h"
#include "core/RssFeed.h"
#include "core/TrimCharacters.h"

#include <QCollator>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QLocale>

#include <algorithm>
#include <limits>
#include <numeric>
#include <utility>

namespace {

// Titles sort as the user reads them: in the user's language, capitals and
// small letters together, "Post 2" before "Post 10". The C locale has no
// rules of its own, so it takes English ones. The sort itself goes by the
// keys of CTitleSortKeys, which come from the same collator.
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

// Newest first and dates that cannot be read last, as ascending numbers.
qint64 dateKey(const CRssFeed *feed, int post)
{
    const QDateTime date = readDate(feed, post);
    return date.isValid() ? -date.toMSecsSinceEpoch() : std::numeric_limits<qint64>::max();
}

// Posts that compare equal keep the order of their indexes, so the rows do
// not shuffle from one sort to the next. The keys are read in feed order,
// which reads the feed's packed file bytes from start to end once, rather
// than in the jumps of the order shown before.
void sortByDate(const CRssFeed *feed, std::vector<int> &posts)
{
    std::sort(posts.begin(), posts.end());
    std::vector<std::pair<qint64, int>> rows;
    rows.reserve(posts.size());
    for (int post : posts)
        rows.emplace_back(dateKey(feed, post), post);
    std::sort(rows.begin(), rows.end());
    for (size_t i = 0; i < rows.size(); ++i)
        posts[i] = rows[i].second;
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

void CPostOrder::setSortOrder(SortOrder order)
{
    if (order == m_sortOrder)
        return;
    m_sortOrder = order;
    m_sortedValid = false;
}

void CPostOrder::fillAll(const CRssFeed *feed)
{
    m_rows.resize(size_t(feed->GetPostCount()));
    std::iota(m_rows.begin(), m_rows.end(), 0);
    m_rowsIndexed = false;
    m_filter.clear();
    m_filtering = false;
    m_sortedValid = false;
}

void CPostOrder::rebuild(const CRssFeed *feed, const QString &filterText)
{
    startFilter(feed, filterText);
    matchTheRest(feed, QDeadlineTimer(QDeadlineTimer::Forever));
    m_filtering = false;
    m_rows = std::move(m_matches);
    m_rowsIndexed = false;
    m_matches.clear();
}

void CPostOrder::sort(const CRssFeed *feed)
{
    sortAll(feed);
    const QString filter = m_filter;
    rebuild(feed, filter);
}

// --- Filtering in steps ---

void CPostOrder::startFilter(const CRssFeed *feed, const QString &filterText)
{
    updateSorted(feed);
    m_filter = normalizedFilterText(filterText);
    m_pattern = CPostTitleIndex::searchForm(m_filter);
    m_matcher.setPattern(m_pattern);
    m_filtering = true;
    m_matchesShown = false;
    m_scanned = 0;
    m_matches.clear();
    m_searched = 0;
}

bool CPostOrder::filterSome(const CRssFeed *feed, const QDeadlineTimer &deadline, int enough)
{
    if (!m_filtering)
        return true;
    if (m_matchesShown || m_filter.isEmpty() || m_titles.holdsEveryTitle(feed))
        matchTheRest(feed, deadline);
    else
        matchInSortOrder(feed, deadline, enough);
    m_filtering = m_scanned < m_sorted.size();
    return !m_filtering;
}

// Few posts are matched this way, enough for a screenful: each title may
// cost a block of the file unread so far, and lies elsewhere in memory.
void CPostOrder::matchInSortOrder(const CRssFeed *feed, const QDeadlineTimer &deadline, int enough)
{
    // The clock is read every few posts; a step matches a few posts at least.
    constexpr size_t kPostsBetweenClockReads = 16;
    while (m_scanned < m_sorted.size() && int(m_matches.size()) < enough) {
        const size_t end = qMin(m_scanned + kPostsBetweenClockReads, m_sorted.size());
        for (; m_scanned < end; ++m_scanned) {
            const int post = m_sorted[m_scanned];
            if (m_matcher.indexIn(m_titles.lowerTitle(feed, post)) >= 0)
                m_matches.push_back(post);
        }
        if (deadline.hasExpired())
            break;
    }
}

// The titles still unread are read in feed order, which unpacks each block
// of the file once; then all of them are searched as the one string they
// are kept in, and the posts whose titles matched are picked in the sort
// order. A pass over every post costs a search through memory in order,
// not a search started anew at every title.
void CPostOrder::matchTheRest(const CRssFeed *feed, const QDeadlineTimer &deadline)
{
    if (m_filter.isEmpty()) {
        m_matches.insert(m_matches.end(), m_sorted.begin() + qsizetype(m_scanned), m_sorted.end());
        m_scanned = m_sorted.size();
        return;
    }
    if (!m_titles.readAll(feed, deadline))
        return;
    if (m_searched == 0)
        m_titleMatches.assign(size_t(feed->GetPostCount()), false);
    m_searched = m_titles.markMatches(m_pattern, m_searched, m_titleMatches, deadline);
    if (size_t(m_searched) < m_titleMatches.size())
        return;
    // Every post is written and only a match kept: no branch to guess wrong
    // at each post of a filter that matches many.
    size_t kept = m_matches.size();
    m_matches.resize(kept + (m_sorted.size() - m_scanned));
    for (; m_scanned < m_sorted.size(); ++m_scanned) {
        const int post = m_sorted[m_scanned];
        m_matches[kept] = post;
        kept += m_titleMatches[size_t(post)] ? 1 : 0;
    }
    m_matches.resize(kept);
}

void CPostOrder::showMatches()
{
    if (!m_matchesShown)
        m_rows.clear();
    m_matchesShown = true;
    m_rows.insert(m_rows.end(), m_matches.begin() + qsizetype(m_rows.size()), m_matches.end());
    m_rowsIndexed = false;
}

// --- The feed's news ---

void CPostOrder::postInserted(int post)
{
    m_titles.postInserted(post);
    m_titleKeys.postInserted(post);
    m_sortedValid = false;
    m_filtering = false;
}

// The others keep their order: the sorted posts need only renumbering.
void CPostOrder::postRemoved(int post)
{
    m_titles.postRemoved(post);
    m_titleKeys.postRemoved(post);
    m_filtering = false;
    const auto renumber = [post](std::vector<int> &posts) {
        posts.erase(std::remove(posts.begin(), posts.end(), post), posts.end());
        for (int &other : posts) {
            if (other > post)
                --other;
        }
    };
    renumber(m_sorted);
    renumber(m_changed);
}

void CPostOrder::postChanged(int post)
{
    m_titles.titleChanged(post);
    m_titleKeys.titleChanged(post);
    if (!m_sortedValid || m_sortOrder == SortByPosition)
        return;
    if (std::find(m_changed.begin(), m_changed.end(), post) != m_changed.end())
        return;
    // Many changed posts sort faster all together than one by one.
    constexpr size_t kMostPlacedOneByOne = 64;
    if (m_changed.size() < kMostPlacedOneByOne)
        m_changed.push_back(post);
    else
        m_sortedValid = false;
}

void CPostOrder::forgetPosts()
{
    m_titles.clear();
    m_titleKeys.clear();
    m_sortedValid = false;
    m_filtering = false;
}

// --- Sorting ---

void CPostOrder::updateSorted(const CRssFeed *feed)
{
    if (!m_sortedValid || m_sorted.size() != size_t(feed->GetPostCount()))
        sortAll(feed);
    else
        placeChangedPosts(feed);
}

void CPostOrder::sortAll(const CRssFeed *feed)
{
    m_sorted.resize(size_t(feed->GetPostCount()));
    std::iota(m_sorted.begin(), m_sorted.end(), 0);
    if (m_sortOrder == SortByTitle)
        m_titleKeys.sort(feed, m_sorted);
    else if (m_sortOrder == SortByDate)
        sortByDate(feed, m_sorted);
    m_sortedValid = true;
    m_changed.clear();
}

// Each changed post leaves its place and goes where a binary search over
// the others puts it, with the order and ties of the full sort.
void CPostOrder::placeChangedPosts(const CRssFeed *feed)
{
    if (m_changed.empty())
        return;
    std::sort(m_changed.begin(), m_changed.end());
    m_sorted.erase(std::remove_if(m_sorted.begin(), m_sorted.end(), [this](int post) {
        return std::binary_search(m_changed.begin(), m_changed.end(), post);
    }), m_sorted.end());
    if (m_sortOrder == SortByTitle)
        m_titleKeys.update(feed);
    for (const int post : m_changed) {
        std::vector<int>::iterator place;
        if (m_sortOrder == SortByTitle) {
            place = std::lower_bound(m_sorted.begin(), m_sorted.end(), post, [this](int listed, int moved) {
                return m_titleKeys.isBefore(listed, moved);
            });
        } else {
            const std::pair<qint64, int> key{dateKey(feed, post), post};
            place = std::lower_bound(m_sorted.begin(), m_sorted.end(), post, [&](int listed, int) {
                return std::pair<qint64, int>{dateKey(feed, listed), listed} < key;
            });
        }
        m_sorted.insert(place, post);
    }
    m_changed.clear();
}

int CPostOrder::rowOfPost(int postIndex) const
{
    if (!m_rowsIndexed) {
        const auto last = std::max_element(m_rows.begin(), m_rows.end());
        m_rowOfPost.assign(last == m_rows.end() ? 0 : size_t(*last) + 1, -1);
        for (size_t row = 0; row < m_rows.size(); ++row)
            m_rowOfPost[size_t(m_rows[row])] = int(row);
        m_rowsIndexed = true;
    }
    return postIndex >= 0 && size_t(postIndex) < m_rowOfPost.size() ? m_rowOfPost[size_t(postIndex)] : -1;
}

int CPostOrder::postAt(int row) const
{
    return row >= 0 && row < size() ? m_rows[size_t(row)] : -1;
}
