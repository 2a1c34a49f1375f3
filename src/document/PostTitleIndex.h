#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <vector>

class CRssFeed;
class QDeadlineTimer;

// The posts' titles in lower case, for matching the filter text without
// reading the feed's packed bytes again at every key. Read when first asked
// for, a run of neighbouring posts at a time, so that a scan in any order
// unpacks each block of the file about once. All titles share one string.
class CPostTitleIndex
{
public:
    // The post's title in lower case; valid until the next call.
    QStringView lowerTitle(const CRssFeed *feed, int post);
    // Reads the titles not read yet in feed order, the fastest way through
    // the file, until the deadline; true when every title is read.
    bool readAll(const CRssFeed *feed, const QDeadlineTimer &deadline);

    // What the feed's news means for the titles read.
    void postInserted(int post);
    void postRemoved(int post);
    void titleChanged(int post);
    void clear();

private:
    static constexpr std::uint32_t kUnread = UINT32_MAX;
    // Posts read together: about the posts of one packed block.
    static constexpr int kRunLength = 32;

    struct Entry
    {
        std::uint32_t begin = kUnread;
        std::uint32_t length = 0;
    };

    void fitFeed(const CRssFeed *feed);
    void readRun(const CRssFeed *feed, int post);
    void forget(Entry &entry);
    void compact();

    QString m_text;
    std::vector<Entry> m_entries;
    // Characters of m_text that no entry points to any more.
    qsizetype m_unused = 0;
    // Every post before it is read.
    size_t m_readUpTo = 0;
};
