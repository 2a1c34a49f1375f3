#include "document/PostTitleIndex.h"

#include "core/RssFeed.h"

#include <QDeadlineTimer>

#include <algorithm>

QStringView CPostTitleIndex::lowerTitle(const CRssFeed *feed, int post)
{
    fitFeed(feed);
    if (m_entries[size_t(post)].begin == kUnread)
        readRun(feed, post);
    const Entry &entry = m_entries[size_t(post)];
    return QStringView(m_text).mid(entry.begin, entry.length);
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
    entry.length = std::uint32_t(title.size());
    m_text += title;
    countCharacters(title, 1);
}

int CPostTitleIndex::markMatches(const QString &pattern, int from, std::vector<bool> &marks,
                                 const QDeadlineTimer &deadline)
{
    if (!m_inPostOrder)
        compact();
    const int anchor = rarestCharacter(pattern);
    const int count = int(m_entries.size());
    int post = from;
    // A stretch at least, however little time is left.
    while (post < count) {
        const int end = qMin(post + kPostsSearchedAtOnce, count);
        markMatchesIn(pattern, anchor, post, end, marks);
        post = end;
        if (deadline.hasExpired())
            break;
    }
    return post;
}

int CPostTitleIndex::rarestCharacter(QStringView pattern) const
{
    int rarest = 0;
    for (int i = 1; i < int(pattern.size()); ++i) {
        if (m_characterCounts[pattern[i].unicode() & 0xff] < m_characterCounts[pattern[rarest].unicode() & 0xff])
            rarest = i;
    }
    return rarest;
}

// One search through the stretch's titles as they lie side by side: the
// pattern's rarest character is looked for (a scan many characters at a
// time), and the pattern checked around it. A hit that runs on from one
// title into the next is none; after a hit the search goes on at the next
// title, as one is enough.
void CPostTitleIndex::markMatchesIn(QStringView pattern, int anchor, int first, int end,
                                    std::vector<bool> &marks) const
{
    const Entry &last = m_entries[size_t(end - 1)];
    const QStringView stretch = QStringView(m_text).first(last.begin + last.length);
    const QChar anchorCharacter = pattern[anchor];
    auto post = m_entries.begin() + first;
    qsizetype from = post->begin + anchor;
    for (qsizetype found = stretch.indexOf(anchorCharacter, from); found >= 0;
         found = stretch.indexOf(anchorCharacter, from)) {
        from = found + 1;
        const qsizetype hit = found - anchor;
        if (stretch.sliced(hit).left(pattern.size()) != pattern)
            continue;
        // The title the hit starts in: the last to begin at or before it,
        // past the empty ones that begin there too.
        post = std::upper_bound(post, m_entries.begin() + end, hit,
                                [](qsizetype offset, const Entry &entry) { return offset < entry.begin; }) - 1;
        const qsizetype titleEnd = post->begin + post->length;
        if (hit + pattern.size() <= titleEnd) {
            marks[size_t(post - m_entries.begin())] = true;
            from = titleEnd + anchor;
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
    m_characterCounts.fill(0);
}

void CPostTitleIndex::countCharacters(QStringView title, int change)
{
    for (const QChar character : title)
        m_characterCounts[character.unicode() & 0xff] += change;
}

// A renamed post is read again when next asked for; the old title's room
// is taken back once half the string is unused.
void CPostTitleIndex::forget(Entry &entry)
{
    if (entry.begin == kUnread)
        return;
    countCharacters(QStringView(m_text).mid(entry.begin, entry.length), -1);
    m_unused += entry.length;
    entry = Entry();
    m_inPostOrder = false;
    if (m_unused > 4096 && m_unused > m_text.size() / 2)
        compact();
}

// The titles read, in post order and side by side.
void CPostTitleIndex::compact()
{
    QString packed;
    packed.reserve(m_text.size() - m_unused);
    bool everyTitleRead = true;
    for (Entry &entry : m_entries) {
        if (entry.begin == kUnread) {
            everyTitleRead = false;
            continue;
        }
        const QStringView title = QStringView(m_text).mid(entry.begin, entry.length);
        entry.begin = std::uint32_t(packed.size());
        packed += title;
    }
    m_text = packed;
    m_unused = 0;
    // A title read later into a gap would land after the others.
    m_inPostOrder = everyTitleRead;
}
