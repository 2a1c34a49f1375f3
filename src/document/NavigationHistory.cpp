#include "document/NavigationHistory.h"

#include "document/RSSEditDoc.h"

#include <QScopedValueRollback>

#include <algorithm>

namespace {

// A post inserted at `postIndex` moves the posts from there down by one.
void shiftAfterInsert(std::vector<int> &entries, int postIndex)
{
    for (int &entry : entries) {
        if (entry >= postIndex)
            ++entry;
    }
}

// The deleted post is gone; the posts after it moved up.
void forgetDeleted(std::vector<int> &entries, int postIndex)
{
    entries.erase(std::remove(entries.begin(), entries.end(), postIndex), entries.end());
    for (int &entry : entries) {
        if (entry > postIndex)
            --entry;
    }
}

} // namespace

void CNavigationHistory::append(int postIndex)
{
    if (!m_navigating)
        m_forward.clear();
    m_entries.push_back(postIndex);
}

void CNavigationHistory::goBack(CRSSEditDoc *document)
{
    if (!canGoBack())
        return;
    const int previous = m_entries[m_entries.size() - 2];
    m_forward.push_back(m_entries.back());
    m_entries.resize(m_entries.size() - 2);
    select(document, previous);
}

void CNavigationHistory::goForward(CRSSEditDoc *document)
{
    if (!canGoForward())
        return;
    const int next = m_forward.back();
    m_forward.pop_back();
    select(document, next);
}

void CNavigationHistory::select(CRSSEditDoc *document, int postIndex)
{
    const QScopedValueRollback<bool> navigating(m_navigating, true);
    CPostSelection *selection = document->selection();
    // The post selected already is no change to announce; it is an entry
    // all the same.
    if (selection->post() == postIndex)
        append(postIndex);
    else
        selection->select(postIndex);
}

void CNavigationHistory::postsInserted(int postIndex)
{
    shiftAfterInsert(m_entries, postIndex);
    shiftAfterInsert(m_forward, postIndex);
}

void CNavigationHistory::postRemoved(int postIndex)
{
    forgetDeleted(m_entries, postIndex);
    forgetDeleted(m_forward, postIndex);
}
