#pragma once

#include <cstdint>
#include <string>
#include <vector>

class CRssFeed;
class QString;
struct UCollator;

// The posts' titles as collation keys, made once per title and kept until
// the title changes, so that sorting by title again costs a sort of keys,
// not a pass through the feed's packed bytes and the collator, or nothing
// when no title changed. Each key begins with its first eight bytes as one
// number, which settles most comparisons without reaching for the rest.
//
// The collation is the user's (English in the C locale), letter case
// ignored, numbers by value: that of a QCollator set up so, whose keys are
// these same bytes.
class CTitleSortKeys
{
public:
    CTitleSortKeys();
    ~CTitleSortKeys();
    CTitleSortKeys(const CTitleSortKeys &) = delete;
    CTitleSortKeys &operator=(const CTitleSortKeys &) = delete;

    // Orders the posts by title; equal titles follow their indexes. Every
    // post sorted again takes the order kept from the last time, with the
    // few posts renamed since moved into it.
    void sort(const CRssFeed *feed, std::vector<int> &posts);
    // Makes the keys still missing; every post has one afterwards.
    void update(const CRssFeed *feed);
    // Whether post A sorts before post B, as sort orders them. Both keys
    // must be made (update).
    bool isBefore(int postA, int postB) const;

    // What the feed's news means for the keys made.
    void postInserted(int post);
    void postRemoved(int post);
    void titleChanged(int post);
    void clear();

private:
    static constexpr std::uint32_t kMissing = UINT32_MAX;

    struct Entry
    {
        // The key's first bytes, the first the most significant, zeros
        // after a shorter key's end.
        std::uint64_t prefix = 0;
        std::uint32_t begin = kMissing;
        std::uint32_t length = 0;
    };

    // Rows sorted with fewer than this go by comparisons.
    static constexpr size_t kFewRows = 256;
    // Renamed posts up to this many move into the kept order one by one.
    static constexpr size_t kFewRenamed = 64;

    struct Row
    {
        std::uint64_t prefix;
        std::uint32_t begin;
        std::uint32_t length;
        int post;
    };

    void sortFrom(size_t depth, Row *begin, Row *end, Row *scratch) const;
    static void sortByPrefix(Row *begin, Row *end, Row *scratch);
    // The eight bytes of the key from `depth` on, as a prefix is made.
    std::uint64_t prefixAt(std::uint32_t begin, std::uint32_t length, size_t depth) const;
    void fitFeed(const CRssFeed *feed);
    void placeAgain(const std::vector<int> &renewed);
    void append(Entry &entry, const QString &title);
    int compareKeys(const Entry &a, const Entry &b) const;
    void forget(Entry &entry);
    void compact();

    UCollator *m_collator = nullptr;
    // Every key made, side by side.
    std::string m_bytes;
    std::vector<Entry> m_entries;
    // Bytes of m_bytes that no entry points to any more.
    size_t m_unused = 0;
    // Every post in the order of the last sort of them all, renamed posts
    // moved to their places since; empty once a post came or went, or
    // many were renamed.
    std::vector<int> m_sortedPosts;
};
