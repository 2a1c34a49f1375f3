#pragma once

#include "core/FeedElementXml.h"

#include <QLatin1String>
#include <QString>

#include <cstddef>

class CRssFeed;
struct FeedNode;

// The layout of new nodes: where a new element goes among its siblings and
// the white space it is written with, read from the file around it (the
// line break and indentation of its siblings, one step of the file's
// indentation inside its parent), as a new feed has it where the file
// shows none.
class CFeedLayout
{
public:
    // How new posts are laid out: the lead of the item, of each of its fields
    // and of its end tag, as the file's first post has them.
    struct ItemLayout
    {
        QString itemLead;
        QString fieldLead;
        QString closeLead;
    };

    // What a new feed's channel starts with; `link` is the web site's
    // address, `selfLink` the feed's own.
    struct NewFeedFields
    {
        QString title;
        QString link;
        QString category;
        QString selfLink;
        QString description;
        QString generator;
    };

    explicit CFeedLayout(const CRssFeed &feed) : m_feed(feed) {}

    // A new feed's text, dated now, without posts.
    static QString newFeedText(const NewFeedFields &fields);

    ItemLayout newItemLayout() const;
    // Where a new field goes among the item's (or the channel's) children;
    // *sibling is the child whose line the new one copies, if any.
    size_t newFieldPosition(const FeedNode &item, const char *name, const FeedNode **sibling) const;
    QString newChildLead(const FeedNode &parent, const FeedNode *sibling) const;
    // How a child of `parent` whose line begins with `lead` is laid out, with
    // empty-element tags closed as in `like` (" />" or "/>").
    CFeedElementXml::Style elementStyle(const FeedNode &parent, const QString &lead, const FeedNode *like) const;

    // A new feed's indentation step.
    static QLatin1String newFeedIndent() { return QLatin1String("  "); }
    static bool isSpace(QChar c);
    // The line break and indentation that end a lead: what a new sibling
    // written beside it starts with.
    static QString lineLead(const QString &lead);
    // The white space that begins (ends) `text`.
    static QString leadingSpace(const QString &text);
    static QString trailingSpace(const QString &text);

private:
    const CRssFeed &m_feed;
};
