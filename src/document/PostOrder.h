#pragma once

#include <QString>

#include <vector>

class CRssFeed;

// The rows of the posts list: post indexes in display order, and the sort
// order they follow. Sorting and filtering change only this array, never
// the feed.
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

    // Every post of the feed in feed order.
    void fillAll(const CRssFeed *feed);
    // The order that rebuild and sort follow; the rows stay as they are
    // until then.
    SortOrder sortOrder() const { return m_sortOrder; }
    void setSortOrder(SortOrder order) { m_sortOrder = order; }
    // The posts whose title holds the filter text (all posts for an empty
    // filter), in feed order, then sorted.
    void rebuild(const CRssFeed *feed, const QString &filterText);
    // Sorts the present rows. Gives the order of IsPostBefore but reads each
    // title or date once; posts that compare equal follow their indexes.
    void sort(const CRssFeed *feed);

    // The row that shows the post, or -1.
    int rowOfPost(int postIndex) const;
    // The post shown in the row, or -1 outside the rows.
    int postAt(int row) const;
    int size() const { return int(m_rows.size()); }
    bool isEmpty() const { return m_rows.empty(); }
    void clear() { m_rows.clear(); }
    const std::vector<int> &rows() const { return m_rows; }

private:
    void sortByTitle(const CRssFeed *feed);
    void sortByDate(const CRssFeed *feed);

    std::vector<int> m_rows;
    SortOrder m_sortOrder = SortByPosition;
};
