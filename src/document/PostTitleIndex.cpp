#include "document/PostTitleIndex.h"

#include "core/RssFeed.h"

#include <QDeadlineTimer>
#include <QtAlgorithms>

#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// Each code unit as UTF-8 would write it as a character: every unit begins
// with a byte that no other byte of a unit is, so that a match of bytes
// begins and ends on units.
void appendSearchForm(QByteArray &bytes, QStringView text)
{
    const qsizetype start = bytes.size();
    // Room for the longest form; the string grows by doubling, so a title
    // after another rarely moves it.
    bytes.resize(start + text.size() * 3);
    char *out = bytes.data() + start;
    for (const QChar character : text) {
        const char16_t unit = character.unicode();
        if (unit < 0x80) {
            *out++ = char(unit);
        } else if (unit < 0x800) {
            *out++ = char(0xc0 | unit >> 6);
            *out++ = char(0x80 | (unit & 0x3f));
        } else {
            *out++ = char(0xe0 | unit >> 12);
            *out++ = char(0x80 | (unit >> 6 & 0x3f));
            *out++ = char(0x80 | (unit & 0x3f));
        }
    }
    bytes.resize(out - bytes.constData());
}

// The first offset from `from` to `lastStart` where the pattern's first,
// middle and last bytes stand, or -1. Sixteen offsets are tried at once
// where the processor can: nearly every offset it gives is a hit, so that a
// search costs about one read of the titles.
qsizetype findCandidate(const char *text, qsizetype from, qsizetype lastStart, QByteArrayView pattern)
{
    const char head = pattern.front();
    const qsizetype middleOffset = pattern.size() / 2;
    const char middle = pattern[middleOffset];
    const qsizetype lastOffset = pattern.size() - 1;
    const char tail = pattern.back();
    qsizetype at = from;
#if defined(__SSE2__)
    constexpr qsizetype kLanes = 16;
    const auto bytesAt = [text](qsizetype offset) {
        return _mm_loadu_si128(reinterpret_cast<const __m128i *>(text + offset));
    };
    const __m128i heads = _mm_set1_epi8(head);
    const __m128i middles = _mm_set1_epi8(middle);
    const __m128i tails = _mm_set1_epi8(tail);
    for (; at + kLanes - 1 <= lastStart; at += kLanes) {
        const __m128i ends = _mm_and_si128(_mm_cmpeq_epi8(bytesAt(at), heads),
                                           _mm_cmpeq_epi8(bytesAt(at + lastOffset), tails));
        const int found = _mm_movemask_epi8(_mm_and_si128(ends, _mm_cmpeq_epi8(bytesAt(at + middleOffset), middles)));
        if (found != 0)
            return at + qCountTrailingZeroBits(uint(found));
    }
#endif
    for (; at <= lastStart; ++at) {
        if (text[at] == head && text[at + middleOffset] == middle && text[at + lastOffset] == tail)
            return at;
    }
    return -1;
}

} // namespace

QByteArray CPostTitleIndex::searchForm(QStringView text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    appendSearchForm(bytes, text);
    return bytes;
}

QByteArrayView CPostTitleIndex::lowerTitle(const CRssFeed *feed, int post)
{
    fitFeed(feed);
    if (m_entries[size_t(post)].begin == kUnread)
        readRun(feed, post);
    const Entry &entry = m_entries[size_t(post)];
    return QByteArrayView(m_text).sliced(entry.begin, entry.length);
}

bool CPostTitleIndex::readAll(const CRssFeed *feed, const QDeadlineTimer &deadline)
{
    fitFeed(feed);
    // A run at least, however little time is left.
    while (m_readUpTo < m_entries.size()) {
        readRun(feed, int(m_readUpTo));
        m_readUpTo = qMin(m_readUpTo - m_readUpTo % kRunLength + kRunLength, m_entries.size());
        if (deadline.hasExpired())
            break;
    }
    const bool done = m_readUpTo == m_entries.size();
    // The string grew by doubling: a long feed's titles keep only their room.
    if (done && m_text.capacity() > m_text.size() + m_text.size() / 4)
        m_text.squeeze();
    return done;
}

bool CPostTitleIndex::holdsEveryTitle(const CRssFeed *feed) const
{
    return m_entries.size() == size_t(feed->GetPostCount()) && m_readUpTo == m_entries.size();
}

// A feed read anew, or news missed: nothing read so far can be trusted.
void CPostTitleIndex::fitFeed(const CRssFeed *feed)
{
    if (m_entries.size() != size_t(feed->GetPostCount()))
        clear();
    if (m_entries.empty())
        m_entries.resize(size_t(feed->GetPostCount()));
}

void CPostTitleIndex::readRun(const CRssFeed *feed, int post)
{
    const int first = post - post % kRunLength;
    const int end = qMin(first + kRunLength, int(m_entries.size()));
    for (int other = first; other < end; ++other) {
        Entry &entry = m_entries[size_t(other)];
        if (entry.begin != kUnread)
            continue;
        append(other, feed->GetPostTitle(other).toLower());
    }
}

void CPostTitleIndex::append(int post, const QString &title)
{
    if (post > 0) {
        const Entry &before = m_entries[size_t(post - 1)];
        m_inPostOrder = m_inPostOrder && before.begin != kUnread && before.begin + before.length == m_text.size();
    } else {
        m_inPostOrder = m_inPostOrder && m_text.isEmpty();
    }
    Entry &entry = m_entries[size_t(post)];
    entry.begin = std::uint32_t(m_text.size());
    appendSearchForm(m_text, title);
    entry.length = std::uint32_t(m_text.size() - entry.begin);
}

int CPostTitleIndex::markMatches(QByteArrayView pattern, int from, std::vector<bool> &marks,
                                 const QDeadlineTimer &deadline)
{
    if (!m_inPostOrder)
        compact();
    const int count = int(m_entries.size());
    int post = from;
    // A stretch at least, however little time is left.
    while (post < count) {
        const int end = qMin(post + kPostsSearchedAtOnce, count);
        markMatchesIn(pattern, post, end, marks);
        post = end;
        if (deadline.hasExpired())
            break;
    }
    return post;
}

// One search through the stretch's titles as they lie side by side. A hit
// that runs on from one title into the next is none; after a hit the
// search goes on at the next title, as one is enough.
void CPostTitleIndex::markMatchesIn(QByteArrayView pattern, int first, int end, std::vector<bool> &marks) const
{
    const Entry &last = m_entries[size_t(end - 1)];
    const char *text = m_text.constData();
    const qsizetype lastStart = qsizetype(last.begin) + last.length - pattern.size();
    int post = first;
    qsizetype from = m_entries[size_t(first)].begin;
    for (qsizetype hit = findCandidate(text, from, lastStart, pattern); hit >= 0;
         hit = findCandidate(text, from, lastStart, pattern)) {
        from = hit + 1;
        if (std::memcmp(text + hit, pattern.data(), size_t(pattern.size())) != 0)
            continue;
        // The title the hit starts in: the last to begin at or before it,
        // past the empty ones that begin there too.
        while (post + 1 < end && m_entries[size_t(post + 1)].begin <= hit)
            ++post;
        const qsizetype titleEnd = qsizetype(m_entries[size_t(post)].begin) + m_entries[size_t(post)].length;
        if (hit + pattern.size() <= titleEnd) {
            marks[size_t(post)] = true;
            from = titleEnd;
        }
    }
}

void CPostTitleIndex::postInserted(int post)
{
    if (m_entries.empty() || post < 0 || size_t(post) > m_entries.size())
        return;
    m_entries.insert(m_entries.begin() + post, Entry());
    m_readUpTo = qMin(m_readUpTo, size_t(post));
    m_inPostOrder = false;
}

void CPostTitleIndex::postRemoved(int post)
{
    if (post < 0 || size_t(post) >= m_entries.size())
        return;
    forget(m_entries[size_t(post)]);
    m_entries.erase(m_entries.begin() + post);
    m_readUpTo = qMin(m_readUpTo, size_t(post));
}

void CPostTitleIndex::titleChanged(int post)
{
    if (post < 0 || size_t(post) >= m_entries.size())
        return;
    forget(m_entries[size_t(post)]);
    m_readUpTo = qMin(m_readUpTo, size_t(post));
}

void CPostTitleIndex::clear()
{
    m_text.clear();
    m_entries.clear();
    m_unused = 0;
    m_readUpTo = 0;
    m_inPostOrder = true;
}

// A renamed post is read again when next asked for; the old title's room
// is taken back once half the string is unused.
void CPostTitleIndex::forget(Entry &entry)
{
    if (entry.begin == kUnread)
        return;
    m_unused += entry.length;
    entry = Entry();
    m_inPostOrder = false;
    if (m_unused > 4096 && m_unused > m_text.size() / 2)
        compact();
}

// The titles read, in post order and side by side.
void CPostTitleIndex::compact()
{
    QByteArray packed;
    packed.reserve(m_text.size() - m_unused);
    bool everyTitleRead = true;
    for (Entry &entry : m_entries) {
        if (entry.begin == kUnread) {
            everyTitleRead = false;
            continue;
        }
        const QByteArrayView title = QByteArrayView(m_text).sliced(entry.begin, entry.length);
        entry.begin = std::uint32_t(packed.size());
        packed += title;
    }
    m_text = packed;
    m_unused = 0;
    // A title read later into a gap would land after the others.
    m_inPostOrder = everyTitleRead;
}
