#pragma once

#include <QVariant>

// Notification codes that travel through CRSSEditDoc::Notify. The data is a
// post index (int) except for HINT_DESCRIPTION_EDITED, whose data is the
// current post's description as stored (QString).
enum RssHint : int {
    HINT_SELECT_POST = 3,
    HINT_POSTS_INSERTED = 5,
    HINT_RENAME_POST = 6,
    HINT_TITLE_CHANGED = 7,
    HINT_POST_DELETED = 8,
    HINT_FOCUS_EDITOR = 9,
    HINT_DESCRIPTION_EDITED = 10,
    HINT_LINK_OR_AUTHOR_CHANGED = 11,
    HINT_FEED_RESET = 13,
    HINT_SORT_CHANGED = 14,
    HINT_FOCUS_FILTER = 15,
    HINT_POST_DATE_CHANGED = 16,
    HINT_FEED_HEADER_CHANGED = 17,
    HINT_POST_ELEMENTS_CHANGED = 18,
};

// Anything that hears a document's notifications: views, the child frame,
// its bars and the navigation history. The sender is the observer that caused
// the change, or null.
class CRSSObserver
{
public:
    virtual ~CRSSObserver() = default;
    virtual void OnRSSNotify(CRSSObserver *sender, int hint, const QVariant &data) = 0;
};
