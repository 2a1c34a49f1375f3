#pragma once

#include <QVariant>

// What travels through CRSSEditDoc::Notify: the current post's description
// as typed in the code pane and stored (QString).
enum RssHint : int {
    HINT_DESCRIPTION_EDITED = 10,
};

// A view that hears of the code pane's typing. The sender is the observer that
// caused the notice, or null.
class CRSSObserver
{
public:
    virtual ~CRSSObserver() = default;
    virtual void OnRSSNotify(CRSSObserver *sender, int hint, const QVariant &data) = 0;
};
