#include "document/TitleSortKeys.h"

#include "core/RssFeed.h"

#include <QLocale>
#include <QtEndian>
#include <QString>

#include <unicode/ucol.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

namespace {

// Titles sort as the user reads them: in the user's language, capitals and
// small letters together, "Post 2" before "Post 10". The C locale has no
// rules of its own, so it takes English ones. These are the settings a
// QCollator gives the same collator for that locale, case insensitive and
// numeric.
UCollator *openTitleCollator()
{
    const QLocale user;
    const QLocale locale = user.language() == QLocale::C ? QLocale(QLocale::English, QLocale::UnitedStates) : user;
    const QByteArray name = locale.bcp47Name().toLatin1().replace('-', '_');
    UErrorCode status = U_ZERO_ERROR;
    UCollator *collator = ucol_open(name.constData(), &status);
    if (U_FAILURE(status))
        return nullptr;
    ucol_setAttribute(collator, UCOL_NORMALIZATION_MODE, UCOL_ON, &status);
    ucol_setAttribute(collator, UCOL_STRENGTH, UCOL_SECONDARY, &status);
    ucol_setAttribute(collator, UCOL_NUMERIC_COLLATION, UCOL_ON, &status);
    ucol_setAttribute(collator, UCOL_ALTERNATE_HANDLING, UCOL_NON_IGNORABLE, &status);
    return collator;
}

std::uint64_t prefixOf(const char *key, size_t length)
{
    std::uint64_t prefix = 0;
    std::memcpy(&prefix, key, std::min(length, sizeof prefix));
    return qFromBigEndian(prefix);
}

} // namespace

CTitleSortKeys::CTitleSortKeys() : m_collator(openTitleCollator())
{
}

CTitleSortKeys::~CTitleSortKeys()
{
    if (m_collator)
        ucol_close(m_collator);
}

void CTitleSortKeys::sort(const CRssFeed *feed, std::vector<int> &posts)
{
    update(feed);
    // The order of the last sort of every post, renamed posts moved in.
    if (!m_sortedPosts.empty() && posts.size() == m_sortedPosts.size()) {
        posts = m_sortedPosts;
        return;
    }
    // Rows of equal keys must start in the order of their posts.
    if (!std::is_sorted(posts.begin(), posts.end()))
        std::sort(posts.begin(), posts.end());
    std::vector<Row> rows;
    rows.reserve(posts.size());
    for (const int post : posts) {
        const Entry &entry = m_entries[size_t(post)];
        rows.push_back({entry.prefix, entry.begin, entry.length, post});
    }
    std::vector<Row> scratch(rows.size());
    sortFrom(0, rows.data(), rows.data() + rows.size(), scratch.data());
    for (size_t i = 0; i < rows.size(); ++i)
        posts[i] = rows[i].post;
    if (rows.size() == m_entries.size())
        m_sortedPosts = posts;
}

// The rows, in the order of their posts, have keys that agree before
// `depth` bytes and the eight bytes from there as their prefix: sorted by
// those, each run of rows whose prefixes agree goes on to the next eight
// bytes. Each level reads a key's bytes once, where a comparison sort would
// read them at every comparison.
void CTitleSortKeys::sortFrom(size_t depth, Row *begin, Row *end, Row *scratch) const
{
    sortByPrefix(begin, end, scratch);
    const size_t nextDepth = depth + sizeof(std::uint64_t);
    for (Row *first = begin; first < end;) {
        Row *last = first + 1;
        while (last < end && last->prefix == first->prefix)
            ++last;
        // Keys that end before the next eight bytes are equal: their rows
        // stay in the order of their posts.
        if (last - first > 1 && first->length >= nextDepth) {
            for (Row *row = first; row < last; ++row)
                row->prefix = prefixAt(row->begin, row->length, nextDepth);
            sortFrom(nextDepth, first, last, scratch);
        }
        first = last;
    }
}

// Stable: rows with equal prefixes keep their order. Many rows are sorted a
// byte at a time from the last (a radix sort, in time linear in the rows),
// skipping the bytes that all rows share; few by comparisons.
void CTitleSortKeys::sortByPrefix(Row *begin, Row *end, Row *scratch)
{
    const size_t count = size_t(end - begin);
    if (count < kFewRows) {
        std::sort(begin, end, [](const Row &a, const Row &b) {
            return a.prefix != b.prefix ? a.prefix < b.prefix : a.post < b.post;
        });
        return;
    }
    constexpr int kBytes = sizeof(std::uint64_t);
    std::vector<std::array<std::uint32_t, 256>> counts(kBytes);
    for (const Row *row = begin; row < end; ++row) {
        for (int byte = 0; byte < kBytes; ++byte)
            ++counts[size_t(byte)][(row->prefix >> (8 * byte)) & 0xff];
    }
    Row *from = begin;
    Row *to = scratch;
    for (int byte = 0; byte < kBytes; ++byte) {
        std::array<std::uint32_t, 256> &buckets = counts[size_t(byte)];
        if (std::find(buckets.begin(), buckets.end(), std::uint32_t(count)) != buckets.end())
            continue;
        std::uint32_t offset = 0;
        for (std::uint32_t &bucket : buckets)
            offset += std::exchange(bucket, offset);
        for (const Row *row = from; row < from + count; ++row)
            to[buckets[(row->prefix >> (8 * byte)) & 0xff]++] = *row;
        std::swap(from, to);
    }
    if (from != begin)
        std::copy(from, from + count, begin);
}

// The titles are read in feed order, which reads the feed's packed file
// bytes from start to end once.
void CTitleSortKeys::update(const CRssFeed *feed)
{
    fitFeed(feed);
    std::vector<int> renewed;
    for (size_t post = 0; post < m_entries.size(); ++post) {
        if (m_entries[post].begin == kMissing) {
            append(m_entries[post], feed->GetPostTitle(int(post)));
            renewed.push_back(int(post));
        }
    }
    if (!renewed.empty())
        placeAgain(renewed);
}

// A few renamed posts move to their new places in the kept order, which
// costs a pass over it instead of a sort; many, and the kept order goes.
void CTitleSortKeys::placeAgain(const std::vector<int> &renewed)
{
    if (renewed.size() > kFewRenamed) {
        m_sortedPosts.clear();
        return;
    }
    if (m_sortedPosts.empty())
        return;
    const auto isRenewed = [&renewed](int post) { return std::binary_search(renewed.begin(), renewed.end(), post); };
    m_sortedPosts.erase(std::remove_if(m_sortedPosts.begin(), m_sortedPosts.end(), isRenewed), m_sortedPosts.end());
    const auto before = [this](int a, int b) { return isBefore(a, b); };
    for (const int post : renewed)
        m_sortedPosts.insert(std::lower_bound(m_sortedPosts.begin(), m_sortedPosts.end(), post, before), post);
}

bool CTitleSortKeys::isBefore(int postA, int postB) const
{
    const int order = compareKeys(m_entries[size_t(postA)], m_entries[size_t(postB)]);
    return order != 0 ? order < 0 : postA < postB;
}

// Keys hold no zero byte: a shorter key that the longer one begins with
// sorts first, as when they are compared as strings.
int CTitleSortKeys::compareKeys(const Entry &a, const Entry &b) const
{
    if (a.prefix != b.prefix)
        return a.prefix < b.prefix ? -1 : 1;
    const int order = std::memcmp(m_bytes.data() + a.begin, m_bytes.data() + b.begin, std::min(a.length, b.length));
    if (order != 0)
        return order;
    return a.length == b.length ? 0 : (a.length < b.length ? -1 : 1);
}

std::uint64_t CTitleSortKeys::prefixAt(std::uint32_t begin, std::uint32_t length, size_t depth) const
{
    return length <= depth ? 0 : prefixOf(m_bytes.data() + begin + depth, length - depth);
}

// A feed read anew, or news missed: no key made so far can be trusted.
void CTitleSortKeys::fitFeed(const CRssFeed *feed)
{
    if (m_entries.size() != size_t(feed->GetPostCount()))
        clear();
    if (m_entries.empty())
        m_entries.resize(size_t(feed->GetPostCount()));
}

// Without a collator (no collation data at all) titles sort by their
// letters, case folded, in code point order.
void CTitleSortKeys::append(Entry &entry, const QString &title)
{
    const size_t begin = m_bytes.size();
    if (m_collator) {
        const auto *text = reinterpret_cast<const UChar *>(title.utf16());
        const int32_t textLength = int32_t(title.size());
        // Room for a title of plain letters; more when the key asks for it.
        m_bytes.resize(begin + size_t(title.size()) * 2 + 16);
        auto *key = reinterpret_cast<uint8_t *>(m_bytes.data() + begin);
        int32_t size = ucol_getSortKey(m_collator, text, textLength, key, int32_t(m_bytes.size() - begin));
        if (size_t(size) > m_bytes.size() - begin) {
            m_bytes.resize(begin + size_t(size));
            key = reinterpret_cast<uint8_t *>(m_bytes.data() + begin);
            size = ucol_getSortKey(m_collator, text, textLength, key, size);
        }
        // Without the zero that ends it.
        m_bytes.resize(begin + size_t(qMax(size - 1, 0)));
    } else {
        m_bytes += title.toCaseFolded().toStdString();
    }
    entry.begin = std::uint32_t(begin);
    entry.length = std::uint32_t(m_bytes.size() - begin);
    entry.prefix = prefixOf(m_bytes.data() + begin, entry.length);
}

void CTitleSortKeys::postInserted(int post)
{
    m_sortedPosts.clear();
    if (m_entries.empty() || post < 0 || size_t(post) > m_entries.size())
        return;
    m_entries.insert(m_entries.begin() + post, Entry());
}

void CTitleSortKeys::postRemoved(int post)
{
    m_sortedPosts.clear();
    if (post < 0 || size_t(post) >= m_entries.size())
        return;
    forget(m_entries[size_t(post)]);
    m_entries.erase(m_entries.begin() + post);
}

void CTitleSortKeys::titleChanged(int post)
{
    if (post >= 0 && size_t(post) < m_entries.size())
        forget(m_entries[size_t(post)]);
}

void CTitleSortKeys::clear()
{
    m_bytes.clear();
    m_sortedPosts.clear();
    m_entries.clear();
    m_unused = 0;
}

// A changed title's key is made again when next needed; the old key's room
// is taken back once half the bytes are unused.
void CTitleSortKeys::forget(Entry &entry)
{
    if (entry.begin == kMissing)
        return;
    m_unused += entry.length;
    entry = Entry();
    if (m_unused > 4096 && m_unused > m_bytes.size() / 2)
        compact();
}

void CTitleSortKeys::compact()
{
    std::string packed;
    packed.reserve(m_bytes.size() - m_unused);
    for (Entry &entry : m_entries) {
        if (entry.begin == kMissing)
            continue;
        const size_t begin = packed.size();
        packed.append(m_bytes, entry.begin, entry.length);
        entry.begin = std::uint32_t(begin);
    }
    m_bytes = std::move(packed);
    m_unused = 0;
}
