#include "document/PostOrder.h"

#include "core/PubDate.h"
#include "core/RssFeed.h"
#include "core/TrimCharacters.h"
#include "document/RSSEditDoc.h"

#include <QDateTime>

#include <algorithm>

namespace {

// Ordinal comparison of UTF-16 code units, so upper case sorts before lower
// case and an empty title first.
bool isTitleBefore(const QString &a, const QString &b)
{
    return std::lexicographical_compare(a.utf16(), a.utf16() + a.size(),
                                        b.utf16(), b.utf16() + b.size());
}


} // namespace

bool CPostOrder::IsPostBefore(int sortOrder, CRssFeed *feed, int postA, int postB)
{
    if (postA == postB)
        return false;
    const PostRef a(feed, postA);
    const PostRef b(feed, postB);
    switch (sortOrder) {
    case CRSSEditDoc::SortByTitle:
        return isTitleBefore(a.GetTitle(), b.GetTitle());
    case CRSSEditDoc::SortByDate:
        return PubDate::ComparePubDates(a.GetPubDate(), b.GetPubDate()) < 0;
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

void CPostOrder::rebuild(CRssFeed *feed, int sortOrder, const QString &filterText)
{
    const QString filter = normalizedFilterText(filterText);
    if (filter.isEmpty()) {
        fillAll(feed);
    } else {
        m_rows.clear();
        const int count = feed->GetPostCount();
        for (int post = 0; post < count; ++post) {
            if (PostRef(feed, post).GetTitle().toLower().contains(filter))
                m_rows.push_back(post);
        }
    }
    sort(feed, sortOrder);
}

void CPostOrder::sort(CRssFeed *feed, int sortOrder)
{
    switch (sortOrder) {
    case CRSSEditDoc::SortByTitle:
        sortByTitle(feed);
        break;
    case CRSSEditDoc::SortByDate:
        sortByDate(feed);
        break;
    default:
        std::sort(m_rows.begin(), m_rows.end());
        break;
    }
}

void CPostOrder::sortByTitle(CRssFeed *feed)
{
    struct Row { QString title; int post; };
    std::vector<Row> rows;
    rows.reserve(m_rows.size());
    for (int post : m_rows)
        rows.push_back({PostRef(feed, post).GetTitle(), post});
    std::sort(rows.begin(), rows.end(), [](const Row &a, const Row &b) {
        return isTitleBefore(a.title, b.title);
    });
    for (size_t i = 0; i < rows.size(); ++i)
        m_rows[i] = rows[i].post;
}

// An unreadable date stands for the present moment; one moment for the whole
// sort, so that all unreadable dates compare equal, as in a single comparison.
void CPostOrder::sortByDate(CRssFeed *feed)
{
    struct Row { QDateTime date; int post; };
    const QDateTime now = PubDate::CurrentPubDateClock();
    std::vector<Row> rows;
    rows.reserve(m_rows.size());
    for (int post : m_rows)
        rows.push_back({PubDate::ParsePubDateOr(PostRef(feed, post).GetPubDate(), now), post});

    // Newest first.
    std::sort(rows.begin(), rows.end(), [](const Row &a, const Row &b) {
        return a.date > b.date;
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
