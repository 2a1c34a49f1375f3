#include "core/FeedPosts.h"

#include "core/FeedEncoding.h"
#include "core/FeedLayout.h"
#include "core/FeedNodeWriter.h"
#include "core/FeedValue.h"
#include "core/PodcastValues.h"
#include "core/PubDate.h"
#include "core/RssFeed.h"

#include <QCoreApplication>

#include <algorithm>

// A field of a new post: its name, the attributes of its start tag as
// written, and its text.
struct CFeedPosts::NewField
{
    const char *name;
    QLatin1String attributes;
    QString value;
};

namespace {

// What a guid of the program's own says: it is a name, not an address.
const QLatin1String kNotPermaLink(" isPermaLink=\"false\"");

} // namespace

// A new post has a title, the current date and a new guid, in the order of
// a post's fields (CFeedLayout); the fields the user fills in later go
// where that order puts them (CRssFeed::insertField). Its guid names it and is no address, which readers
// are told with isPermaLink="false".
bool CFeedPosts::addNewPost()
{
    return addPostAtTop(QStringLiteral("item"), QString(),
                        {{"title", {}, QCoreApplication::translate("CRssFeed", "New Item")},
                         {"pubDate", {}, PubDate::FormatPubDateNow()},
                         {"guid", kNotPermaLink, CRssFeed::NewGuidText()}});
}

// A live item has its start in place of a date: readers date it by that.
bool CFeedPosts::addNewLiveItem(const QString &name, const QDateTime &start, const QDateTime &end)
{
    const QString attributes = QStringLiteral(" status=\"%1\" start=\"%2\" end=\"%3\"")
                                       .arg(CPodcastValues::liveStatusName(CPodcastValues::LiveStatus::Pending),
                                            start.toString(Qt::ISODate), end.toString(Qt::ISODate));
    return addPostAtTop(name, attributes,
                        {{"title", {}, QCoreApplication::translate("CRssFeed", "New Live Item")}, {"guid", kNotPermaLink, CRssFeed::NewGuidText()}});
}

// A new post, `name` with the attributes as written, and the fields in this order.
bool CFeedPosts::addPostAtTop(const QString &name, const QString &attributes, const std::vector<NewField> &fields)
{
    const CFeedLayout::ItemLayout layout = CFeedLayout(m_feed).newItemLayout();
    const FeedEncoding &encoding = *m_feed.m_encoding;
    const auto canEncode = [&encoding](char32_t c) { return encoding.canEncode(c); };

    CFeedNodeWriter writer(&m_feed);
    FeedNode item;
    item.name = m_feed.nameId(name.toUtf8());
    writer.begin(item, writer.tag(layout.itemLead), writer.tag(QLatin1Char('<') + name + attributes + QLatin1Char('>')));
    for (const NewField &field : fields) {
        const QString fieldName = QLatin1String(field.name);
        FeedNode child;
        child.name = m_feed.nameId(field.name);
        writer.begin(child, writer.tag(layout.fieldLead),
                     writer.tag(QLatin1Char('<') + fieldName + field.attributes + QLatin1Char('>')));
        writer.append(FeedValue::content(field.value, QString(), canEncode));
        writer.end(child, QString(), writer.tag(QStringLiteral("</") + fieldName + QLatin1Char('>')));
        item.children.push_back(std::move(child));
    }
    writer.end(item, layout.closeLead, writer.tag(QStringLiteral("</") + name + QLatin1Char('>')));
    writer.finish();
    return insertAtTop(std::move(item));
}

// A duplicate is a post of its own: readers must not take it for the one it
// was copied from, so it gets a new guid and the current date.
bool CFeedPosts::copyToTop(int index)
{
    const FeedNode *source = m_feed.post(index);
    if (!source)
        return false;
    CFeedNodeWriter writer(&m_feed);
    FeedNode copy = writer.copy(*source, writer.tag(CFeedLayout(m_feed).newItemLayout().itemLead));
    writer.finish();
    if (!insertAtTop(std::move(copy)))
        return false;
    // The copy is in the feed now, so this reports success whatever the
    // source's guid and date hold: a comment or markup inside them, which an
    // edit would keep, gives way to the copy's own guid and date.
    FeedNode *item = m_feed.post(0);
    // A live item is dated by its start: it gets no date it did not have.
    FeedNode *date = m_feed.field(item, "pubDate");
    if (date || !m_feed.IsLiveItem(0))
        m_feed.replaceContent(date ? *date : *m_feed.insertField(item, "pubDate"), PubDate::FormatPubDateNow());
    FeedNode *guid = m_feed.field(item, "guid");
    writeOwnGuid(guid ? *guid : *m_feed.insertField(item, "guid"));
    return true;
}

// A new guid of the program's own in place of the element, on its line. The
// source's guid may have been its address (a permalink), which the new one
// is not.
void CFeedPosts::writeOwnGuid(FeedNode &node)
{
    CFeedNodeWriter writer(&m_feed);
    FeedNode written;
    written.name = node.name;
    writer.begin(written, m_feed.m_buffers.range(node.buffer, node.leadBegin, node.begin),
                 writer.tag(QStringLiteral("<guid") + kNotPermaLink + QLatin1Char('>')));
    writer.append(CRssFeed::NewGuidText());
    writer.end(written, QString(), writer.tag(QStringLiteral("</guid>")));
    writer.finish();
    node = std::move(written);
}

bool CFeedPosts::moveToTop(int index)
{
    FeedNode *item = m_feed.post(index);
    if (!item)
        return false;
    FeedNode rest = m_feed.splitLead(*item);
    FeedNode moved = std::move(*item);
    if (rest.leadBegin < rest.end)
        *item = std::move(rest);
    else
        m_feed.m_channel.children.erase(m_feed.m_channel.children.begin() + qsizetype(m_feed.m_posts[size_t(qMax(index, 0))]));
    m_feed.renewPostIndex();
    return insertAtTop(std::move(moved));
}

// Post 0 goes before the first item, or after the channel's last child when
// it has none. What stands before the first item other than its line break
// and indentation (blank lines, a comment) stays before the new post.
bool CFeedPosts::insertAtTop(FeedNode item)
{
    size_t at = m_feed.m_channel.children.size();
    if (!m_feed.m_posts.empty()) {
        at = m_feed.m_posts.front();
        if (FeedNode rest = m_feed.splitLead(m_feed.m_channel.children[at]); rest.leadBegin < rest.end) {
            m_feed.m_channel.children.insert(m_feed.m_channel.children.begin() + qsizetype(at), std::move(rest));
            ++at;
        }
    }
    m_feed.m_channel.children.insert(m_feed.m_channel.children.begin() + qsizetype(at), std::move(item));
    m_feed.renewPostIndex();
    return true;
}

std::unique_ptr<CRemovedPost> CFeedPosts::take(int index)
{
    FeedNode *item = m_feed.post(index);
    if (!item)
        return nullptr;
    auto removed = std::make_unique<CRemovedPost>();
    removed->childIndex = m_feed.m_posts[size_t(qMax(index, 0))];
    removed->leadBegin = item->leadBegin;
    FeedNode rest = m_feed.splitLead(*item);
    removed->item = std::move(*item);
    removed->pins = CFeedBufferPins(m_feed.m_buffers);
    removed->pins.hold(removed->item);
    removed->leftLeadText = rest.leadBegin < rest.end;
    if (removed->leftLeadText)
        *item = std::move(rest);
    else
        m_feed.m_channel.children.erase(m_feed.m_channel.children.begin() + qsizetype(removed->childIndex));
    m_feed.renewPostIndex();
    return removed;
}

int CFeedPosts::putBack(CRemovedPost removed)
{
    auto &children = m_feed.m_channel.children;
    if (removed.childIndex > children.size() || (removed.leftLeadText && removed.childIndex == children.size()))
        return -1;
    removed.item.leadBegin = removed.leadBegin;
    if (removed.leftLeadText)
        children[removed.childIndex] = std::move(removed.item);
    else
        children.insert(children.begin() + qsizetype(removed.childIndex), std::move(removed.item));
    m_feed.renewPostIndex();
    return int(std::find(m_feed.m_posts.begin(), m_feed.m_posts.end(), removed.childIndex) - m_feed.m_posts.begin());
}
