#pragma once

#include "core/FeedNode.h"

#include <QString>

#include <memory>
#include <vector>

class CRemovedPost;
class CRssFeed;
class QDateTime;

// The posts' places in the channel, on CRssFeed's behalf: new posts,
// copies and moves at the top, in the layout of the file's first post, and
// removals with their exact undo.
class CFeedPosts
{
public:
    explicit CFeedPosts(CRssFeed &feed) : m_feed(feed) {}

    bool addNewPost();
    // A live item named as the file writes `podcast:liveItem`.
    bool addNewLiveItem(const QString &name, const QDateTime &start, const QDateTime &end);
    bool copyToTop(int index);
    bool moveToTop(int index);
    bool insertAtTop(FeedNode item);
    std::unique_ptr<CRemovedPost> take(int index);
    int putBack(CRemovedPost removed);

private:
    struct NewField;
    bool addPostAtTop(const QString &name, const QString &attributes, const std::vector<NewField> &fields);
    void writeOwnGuid(FeedNode &node);

    CRssFeed &m_feed;
};
