#pragma once

#include "core/FeedBufferPins.h"
#include "core/FeedNode.h"

#include <QtGlobal>

#include <cstddef>

// A post taken out of a feed, to be put back exactly where it was, byte
// for byte, as long as the feed has not changed since in any other way (an
// undo puts changes back in the reverse order).
class CRemovedPost
{
private:
    friend class CFeedPosts;
    friend class CRssFeed;
    FeedNode item;
    size_t childIndex = 0;       // its place among the channel's children
    bool leftLeadText = false;   // a node of lead text stands in its place
    qsizetype leadBegin = 0;     // where its lead began before the removal
    CFeedBufferPins pins;        // the item's edit buffers, while it is out of the feed
};
