#pragma once

#include "document/RSSObserver.h"

#include <vector>

class CRSSEditDoc;

// The posts the user visited, oldest first. The document appends every
// selected post; the history follows insertions and deletions itself so that
// its entries keep naming the same posts.
class CNavigationHistory : public CRSSObserver
{
public:
    void append(int postIndex);
    bool canGoBack() const { return m_entries.size() > 1; }
    // Drops the last entry and selects the one before it through the
    // document, which appends it again.
    void goBack(CRSSEditDoc *document);
    const std::vector<int> &entries() const { return m_entries; }

    void OnRSSNotify(CRSSObserver *sender, int hint, const QVariant &data) override;

private:
    void shiftAfterInsert();
    void forgetDeleted(int postIndex);

    std::vector<int> m_entries;
};
