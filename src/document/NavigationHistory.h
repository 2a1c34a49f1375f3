#pragma once

#include "document/RSSObserver.h"

#include <vector>

class CRSSEditDoc;

// The posts the user visited, oldest first, and the ones Back left behind,
// for Forward. The document appends every selected post; a selection the
// user makes after going back starts a new way and forgets the forward
// list. The history follows insertions and deletions itself so that its
// entries keep naming the same posts.
class CNavigationHistory : public CRSSObserver
{
public:
    void append(int postIndex);
    bool canGoBack() const { return m_entries.size() > 1; }
    bool canGoForward() const { return !m_forward.empty(); }
    // Drops the last entry and selects the one before it through the
    // document, which appends it again.
    void goBack(CRSSEditDoc *document);
    // Selects the post the last Back left, through the document.
    void goForward(CRSSEditDoc *document);
    const std::vector<int> &entries() const { return m_entries; }

    void OnRSSNotify(CRSSObserver *sender, int hint, const QVariant &data) override;

private:
    void select(CRSSEditDoc *document, int postIndex);

    std::vector<int> m_entries;
    // The nearest post last.
    std::vector<int> m_forward;
    // Set while Back or Forward selects a post.
    bool m_navigating = false;
};
