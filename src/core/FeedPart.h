#pragma once

#include "core/FeedBufferPins.h"
#include "core/FeedNode.h"

#include <cstddef>
#include <vector>

class CRssFeed;

// A part of a feed kept as it stood before a change, so that the change can
// be undone exactly: CRssFeed::SwapPart puts the kept nodes back and keeps
// those they replace, so that the next swap redoes the change. Good while
// the rest of the feed is as the change left it, which holds when changes
// are undone and redone in order.
class CFeedPart
{
public:
    // The part a change of post `index` touches (the place at the top for
    // a new post 0), or of the channel's other children.
    static CFeedPart ofPost(const CRssFeed &feed, int index);
    static CFeedPart ofHeader(const CRssFeed &feed);
    // Puts the kept nodes back into the feed and keeps those they replace.
    // False when the feed no longer fits the part; the feed is then unchanged.
    bool swapWith(CRssFeed &feed);

private:
    static FeedNode channelShell(const CRssFeed &feed);
    static std::vector<bool> postPlaces(const CRssFeed &feed);
    bool swapStretch(CRssFeed &feed);
    bool swapHeader(CRssFeed &feed);
    void pinNodes(const CRssFeed &feed);

    bool header = false;           // the channel's children other than posts
    size_t first = 0;              // a stretch of the channel's children from here
    size_t sizeWhenIn = 0;         // the number of children while `nodes` stand in the feed
    std::vector<FeedNode> nodes;
    std::vector<bool> postSlots;   // header: which children were posts
    FeedNode shell;                // the channel without its children: the tags of rss and channel
    CFeedBufferPins pins;          // the edit buffers of `nodes` and `shell`
};
