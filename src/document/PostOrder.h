#pragma once

#include "document/PostTitleIndex.h"
#include "document/TitleSortKeys.h"

#include <QString>
#include <QByteArrayMatcher>

#include <vector>

class CRssFeed;
class QDeadlineTimer;

// The rows of the posts list: post indexes in display order, and the sort
// order they follow. Sorting and filtering change only this array, never
// the feed. Every post is kept in the sort order beside the rows, so that
// a new filter text only picks posts from it: a filter costs a pass over
// the titles (kept in lower case once read), not a sort.
class CPostOrder
{
public:
    enum SortOrder { SortByPosition = 0, SortByTitle = 1, SortByDate = 2 };

    // True when post A is listed before post B in the given sort order:
    // titles in the user's collation, letter case
    // ignored, numbers by value; dates newest first, those that cannot be
    // read last. Reads the posts on every call.
    static bool IsPostBefore(SortOrder sortOrder, const CRssFeed *feed, int postA, int postB);

    // The filter text as matched: lower case, without the spaces and tabs
    // around it.
    static QString normalizedFilterText(const QString &filterText);
    // Whether a title holds the filter text, letter case ignored.
    static bool titleMatchesFilter(const QString &title, const QString &filterText);

    // Every post of the feed in feed order, unfiltered.
    void fillAll(const CRssFeed *feed);
    // The order that rebuild and sort follow; the rows stay as they are
    // until then.
    SortOrder sortOrder() const { return m_sortOrder; }
    void setSortOrder(SortOrder order);
    // The posts whose title holds the filter text (all posts for an empty
    // filter), in the sort order. Cancels a filter under way.
    void rebuild(const CRssFeed *feed, const QString &filterText);
    // Sorts every post anew and lists the filter's matches in that order.
    // Gives the order of IsPostBefore but reads each date once, and each
    // title once until it changes; posts that compare equal follow their
    // indexes.
    void sort(const CRssFeed *feed);

    // --- Filtering in steps, so that a long feed never holds up the window ---
    // Starts matching the filter text against the posts; the rows stay as
    // they are until showMatches.
    void startFilter(const CRssFeed *feed, const QString &filterText);
    // Matches on until the deadline passes; true once every post is
    // matched. Titles held in memory are all searched at once, a search
    // through memory that takes a step or two, and every match shows
    // together. Titles still to be read from the feed are read and matched
    // one by one in the sort order until `enough` matches are found, so
    // that the first rows show early; the rest are found by one search over
    // every title.
    bool filterSome(const CRssFeed *feed, const QDeadlineTimer &deadline, int enough);
    bool isFiltering() const { return m_filtering; }
    void cancelFilter() { m_filtering = false; }
    // The matches found so far: the first call puts them in place of the
    // rows, later ones add those found since after them.
    int matchCount() const { return int(m_matches.size()); }
    bool matchesShown() const { return m_matchesShown; }
    void showMatches();

    // --- The feed's news ---
    void postInserted(int post);
    void postRemoved(int post);
    // A post's title or date may have changed: it moves to its place in
    // the sort order before the next filter or sort.
    void postChanged(int post);
    // The feed was read anew.
    void forgetPosts();

    // The row that shows the post, or -1; a look-up in an index of the rows
    // made once after they change, as a post switch asks it every time.
    int rowOfPost(int postIndex) const;
    // The post shown in the row, or -1 outside the rows.
    int postAt(int row) const;
    int size() const { return int(m_rows.size()); }
    bool isEmpty() const { return m_rows.empty(); }
    void clear()
    {
        m_rows.clear();
        m_rowsIndexed = false;
    }
    const std::vector<int> &rows() const { return m_rows; }

private:
    // Brings m_sorted up to date: a full sort when it no longer lists the
    // feed's posts, else the changed posts moved to their places.
    void updateSorted(const CRssFeed *feed);
    void sortAll(const CRssFeed *feed);
    void placeChangedPosts(const CRssFeed *feed);
    void matchInSortOrder(const CRssFeed *feed, const QDeadlineTimer &deadline, int enough);
    void matchTheRest(const CRssFeed *feed, const QDeadlineTimer &deadline);

    std::vector<int> m_rows;
    // The row of each post, -1 for those not listed; stale while
    // m_rowsIndexed is false.
    mutable std::vector<int> m_rowOfPost;
    mutable bool m_rowsIndexed = false;
    SortOrder m_sortOrder = SortByPosition;
    // Every post in the sort order; stale while m_sortedValid is false.
    std::vector<int> m_sorted;
    bool m_sortedValid = false;
    // Posts whose title or date changed since m_sorted was sorted.
    std::vector<int> m_changed;
    CPostTitleIndex m_titles;
    CTitleSortKeys m_titleKeys;
    // The filter text as matched, and how far the present filter got.
    QString m_filter;
    // m_filter as the titles are held, and a search for it in one title.
    QByteArray m_pattern;
    QByteArrayMatcher m_matcher;
    bool m_filtering = false;
    bool m_matchesShown = false;
    // Posts of m_sorted matched so far.
    size_t m_scanned = 0;
    std::vector<int> m_matches;
    // Whether each post's title holds the filter text, for the posts
    // before m_searched in feed order.
    std::vector<bool> m_titleMatches;
    int m_searched = 0;
};
