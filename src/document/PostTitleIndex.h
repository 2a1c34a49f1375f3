#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <vector>

class CRssFeed;
class QDeadlineTimer;

// The posts' titles in lower case, for matching the filter text without
// reading the feed's packed bytes again at every key. Read when first asked
// for, a run of neighbouring posts at a time, so that a scan in any order
// unpacks each block of the file about once. All titles share one string,
// which a filter searches whole rather than title by title.
//
// The titles are held in a form of one to three bytes a UTF-16 code unit,
// each unit alone as UTF-8 writes a character (a surrogate too): a text
// holds another exactly when its form holds the other's, and the titles
// of most feeds take half the memory to search through.
class CPostTitleIndex
{
public:
    // The form in which titles are held and searched.
    static QByteArray searchForm(QStringView text);
    // The post's title in lower case, in that form; valid until the next call.
    QByteArrayView lowerTitle(const CRssFeed *feed, int post);
    // Reads the titles not read yet in feed order, the fastest way through
    // the file, until the deadline; true when every title is read.
    bool readAll(const CRssFeed *feed, const QDeadlineTimer &deadline);
    // Whether every title of the feed is read and none changed since.
    bool holdsEveryTitle(const CRssFeed *feed) const;
    // Sets marks[post] for each post from `from` on whose title holds the
    // pattern (lower case, in the search form, not empty), a stretch of
    // posts at a time until the deadline; gives the first post not searched
    // yet, the post count once done. Every title must be read (readAll);
    // marks hold one per post.
    int markMatches(QByteArrayView pattern, int from, std::vector<bool> &marks, const QDeadlineTimer &deadline);

    // What the feed's news means for the titles read.
    void postInserted(int post);
    void postRemoved(int post);
    void titleChanged(int post);
    void clear();

private:
    static constexpr std::uint32_t kUnread = UINT32_MAX;
    // Posts read together: about the posts of one packed block.
    static constexpr int kRunLength = 32;
    // Posts searched between two reads of the clock: some tens of
    // thousands of bytes, a few microseconds of work.
    static constexpr int kPostsSearchedAtOnce = 1024;

    struct Entry
    {
        std::uint32_t begin = kUnread;
        std::uint32_t length = 0;
    };

    void fitFeed(const CRssFeed *feed);
    void readRun(const CRssFeed *feed, int post);
    void append(int post, const QString &title);
    void markMatchesIn(QByteArrayView pattern, int first, int end, std::vector<bool> &marks) const;
    void forget(Entry &entry);
    void compact();

    QByteArray m_text;
    std::vector<Entry> m_entries;
    // Bytes of m_text that no entry points to any more.
    qsizetype m_unused = 0;
    // Every post before it is read.
    size_t m_readUpTo = 0;
    // The titles read are those of the first posts, one after another in
    // m_text in post order with nothing between them, so that an offset in
    // m_text tells its post.
    bool m_inPostOrder = true;
};
