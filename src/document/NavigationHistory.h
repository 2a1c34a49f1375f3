#pragma once

#include <vector>

class CRSSEditDoc;

// The posts the user visited, oldest first, and the ones Back left behind,
// for Forward. The document appends every selected post; a selection the
// user makes after going back starts a new way and forgets the forward
// list. The document tells it of insertions and deletions so that its
// entries keep naming the same posts.
class CNavigationHistory
{
public:
    void append(int postIndex);
    bool canGoBack() const { return m_entries.size() > 1; }
    bool canGoForward() const { return !m_forward.empty(); }
    // Drops the last entry and selects the one before it through the
    // document's selection, which appends it again.
    void goBack(CRSSEditDoc *document);
    // Selects the post the last Back left, through the document's selection.
    void goForward(CRSSEditDoc *document);
    const std::vector<int> &entries() const { return m_entries; }

    // A post came in at `postIndex`, or went from there.
    void postsInserted(int postIndex);
    void postRemoved(int postIndex);

private:
    void select(CRSSEditDoc *document, int postIndex);

    std::vector<int> m_entries;
    // The nearest post last.
    std::vector<int> m_forward;
    // Set while Back or Forward selects a post.
    bool m_navigating = false;
};
