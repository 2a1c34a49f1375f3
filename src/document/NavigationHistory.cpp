#include "document/NavigationHistory.h"

#include "document/RSSEditDoc.h"

#include <algorithm>

void CNavigationHistory::append(int postIndex)
{
    m_entries.push_back(postIndex);
}

void CNavigationHistory::goBack(CRSSEditDoc *document)
{
    if (!canGoBack())
        return;
    const int previous = m_entries[m_entries.size() - 2];
    m_entries.resize(m_entries.size() - 2);
    document->Notify(nullptr, HINT_SELECT_POST, previous);
}

void CNavigationHistory::OnRSSNotify(CRSSObserver *, int hint, const QVariant &data)
{
    if (hint == HINT_POSTS_INSERTED)
        shiftAfterInsert();
    else if (hint == HINT_POST_DELETED)
        forgetDeleted(data.toInt());
}

// A post inserted at the top moves every post down by one.
void CNavigationHistory::shiftAfterInsert()
{
    for (int &entry : m_entries)
        ++entry;
}

// The deleted post is gone from the history; the posts after it moved up.
void CNavigationHistory::forgetDeleted(int postIndex)
{
    m_entries.erase(std::remove(m_entries.begin(), m_entries.end(), postIndex), m_entries.end());
    for (int &entry : m_entries) {
        if (entry > postIndex)
            --entry;
    }
}
