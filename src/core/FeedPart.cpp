#include "core/FeedPart.h"

#include "core/RssFeed.h"

#include <algorithm>
#include <iterator>

CFeedPart CFeedPart::ofPost(const CRssFeed &feed, int index)
{
    CFeedPart part;
    part.shell = channelShell(feed);
    part.sizeWhenIn = feed.m_channel.children.size();
    if (const FeedNode *item = feed.post(index)) {
        part.first = feed.m_posts[size_t(qMax(index, 0))];
        part.nodes.push_back(*item);
    } else {
        part.first = part.sizeWhenIn;
    }
    part.pinNodes(feed);
    return part;
}

CFeedPart CFeedPart::ofHeader(const CRssFeed &feed)
{
    CFeedPart part;
    part.header = true;
    part.shell = channelShell(feed);
    part.postSlots = postPlaces(feed);
    for (size_t i = 0; i < part.postSlots.size(); ++i) {
        if (!part.postSlots[i])
            part.nodes.push_back(feed.m_channel.children[i]);
    }
    part.pinNodes(feed);
    return part;
}

// Which of the channel's children are posts, in one walk beside the posts'
// places: a header change undoes in a walk over the children, no more.
std::vector<bool> CFeedPart::postPlaces(const CRssFeed &feed)
{
    std::vector<bool> places(feed.m_channel.children.size(), false);
    for (const size_t post : feed.m_posts)
        places[post] = true;
    return places;
}

// The channel's own tags go with every part: a change may declare a
// namespace on the rss element, which they hold.
FeedNode CFeedPart::channelShell(const CRssFeed &feed)
{
    FeedNode shell = feed.m_channel;
    shell.children.clear();
    return shell;
}

bool CFeedPart::swapWith(CRssFeed &feed)
{
    if (!(header ? swapHeader(feed) : swapStretch(feed)))
        return false;
    std::swap(shell, feed.m_channel);
    std::swap(shell.children, feed.m_channel.children);
    feed.renewPostIndex();
    pinNodes(feed);
    return true;
}

// The kept nodes are out of the feed's tree: their buffers must stay.
void CFeedPart::pinNodes(const CRssFeed &feed)
{
    CFeedBufferPins held(feed.m_buffers);
    held.hold(shell);
    for (const FeedNode &node : nodes)
        held.hold(node);
    pins = std::move(held);
}

// The stretch in the feed is as long as the kept one, give or take what
// the change added or removed.
bool CFeedPart::swapStretch(CRssFeed &feed)
{
    auto &children = feed.m_channel.children;
    const qsizetype standing = qsizetype(nodes.size()) + qsizetype(children.size()) - qsizetype(sizeWhenIn);
    if (standing < 0 || first + size_t(standing) > children.size())
        return false;
    const auto from = children.begin() + qsizetype(first);
    std::vector<FeedNode> replaced(std::make_move_iterator(from), std::make_move_iterator(from + standing));
    sizeWhenIn = children.size();
    children.erase(from, from + standing);
    children.insert(children.begin() + qsizetype(first), std::make_move_iterator(nodes.begin()),
                    std::make_move_iterator(nodes.end()));
    nodes = std::move(replaced);
    return true;
}

// The posts stay as they are, in their order; the other children go back
// to the kept ones, in the kept places.
bool CFeedPart::swapHeader(CRssFeed &feed)
{
    auto &children = feed.m_channel.children;
    const auto keptPosts = std::count(postSlots.begin(), postSlots.end(), true);
    if (size_t(keptPosts) != feed.m_posts.size())
        return false;
    std::vector<bool> places = postPlaces(feed);
    if (places == postSlots) {
        // Most changes keep the children's places (a new title, a new
        // value): the other children trade places, the posts stay put.
        auto nextOther = nodes.begin();
        for (size_t i = 0; i < children.size(); ++i) {
            if (!places[i])
                std::swap(children[i], *nextOther++);
        }
        return true;
    }
    std::vector<FeedNode> posts, others;
    for (size_t i = 0; i < children.size(); ++i)
        (places[i] ? posts : others).push_back(std::move(children[i]));
    children.clear();
    auto nextPost = posts.begin(), nextOther = nodes.begin();
    for (const bool post : postSlots)
        children.push_back(std::move(post ? *nextPost++ : *nextOther++));
    nodes = std::move(others);
    postSlots = std::move(places);
    return true;
}
