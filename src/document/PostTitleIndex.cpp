#include "document/PostTitleIndex.h"

#include "core/RssFeed.h"

#include <QDeadlineTimer>

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
        const QString title = feed->GetPostTitle(other).toLower();
        entry.begin = std::uint32_t(m_text.size());
        entry.length = std::uint32_t(title.size());
        m_text += title;
    }
}

void CPostTitleIndex::postInserted(int post)
{
    if (m_entries.empty() || post < 0 || size_t(post) > m_entries.size())
        return;
    m_entries.insert(m_entries.begin() + post, Entry());
    m_readUpTo = qMin(m_readUpTo, size_t(post));
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
}

// A renamed post is read again when next asked for; the old title's room
// is taken back once half the string is unused.
void CPostTitleIndex::forget(Entry &entry)
{
    if (entry.begin == kUnread)
        return;
    m_unused += entry.length;
    entry = Entry();
    if (m_unused > 4096 && m_unused > m_text.size() / 2)
        compact();
}

void CPostTitleIndex::compact()
{
    QString packed;
    packed.reserve(m_text.size() - m_unused);
    for (Entry &entry : m_entries) {
        if (entry.begin == kUnread)
            continue;
        const QStringView title = QStringView(m_text).mid(entry.begin, entry.length);
        entry.begin = std::uint32_t(packed.size());
        packed += title;
    }
    m_text = packed;
    m_unused = 0;
}
