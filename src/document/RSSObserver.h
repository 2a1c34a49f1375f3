#pragma once

#include <QVariant>

// What travels through CRSSEditDoc::Notify about the editor's typing: the
// commit of the typing into post `data` (int), and the description as
// typed in the code pane (QString).
enum RssHint : int {
    HINT_COMMIT_POST = 4,
    HINT_DESCRIPTION_EDITED = 10,
};

// A view that hears of the editor's typing. The sender is the observer that
// caused the notice, or null.
class CRSSObserver
{
public:
    virtual ~CRSSObserver() = default;
    virtual void OnRSSNotify(CRSSObserver *sender, int hint, const QVariant &data) = 0;
};
