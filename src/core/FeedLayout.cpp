#include "core/FeedLayout.h"

#include "core/FeedEncoding.h"
#include "core/FeedValue.h"
#include "core/PubDate.h"
#include "core/RssFeed.h"
#include "core/XmlSafeText.h"

#include <iterator>

namespace {

const char kAtomNamespace[] = "http://www.w3.org/2005/Atom";

// A post's fields, in the order a new post has them.
const char *const kPostFields[] = {"title", "description", "pubDate", "link", "author", "guid"};
QString indentation(const QString &lead)
{
    return lead.mid(lead.lastIndexOf(u'\n') + 1);
}

// What a child's lead adds to its parent's: one level of the file's
// indentation, two spaces when the file shows none.
QString indentStep(const QString &childLead, const QString &parentLead)
{
    const QString child = indentation(childLead), parent = indentation(parentLead);
    if (child.size() > parent.size() && child.startsWith(parent))
        return child.mid(parent.size());
    return CFeedLayout::newFeedIndent();
}

} // namespace

bool CFeedLayout::isSpace(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

// The line break and indentation that end a lead: what a new sibling
// written beside it starts with. Blank lines and comments stay with the
// element they stand before.
QString CFeedLayout::lineLead(const QString &lead)
{
    qsizetype start = lead.size();
    while (start > 0 && isSpace(lead[start - 1]))
        --start;
    const qsizetype lineFeed = lead.lastIndexOf(u'\n');
    if (lineFeed < start)
        return lead.mid(start);
    return lead.mid(lineFeed > 0 && lead[lineFeed - 1] == u'\r' ? lineFeed - 1 : lineFeed);
}

// The white space that begins `text`.
QString CFeedLayout::leadingSpace(const QString &text)
{
    qsizetype end = 0;
    while (end < text.size() && isSpace(text[end]))
        ++end;
    return text.left(end);
}

// The white space that ends `text`.
QString CFeedLayout::trailingSpace(const QString &text)
{
    qsizetype begin = text.size();
    while (begin > 0 && isSpace(text[begin - 1]))
        --begin;
    return text.mid(begin);
}

CFeedLayout::ItemLayout CFeedLayout::newItemLayout() const
{
    const auto leadOf = [this](const FeedNode &node) {
        return lineLead(m_feed.decoded(node.buffer, node.leadBegin, node.begin));
    };
    const QString channelClose = leadingSpace(m_feed.decoded(m_feed.m_channel.buffer, m_feed.m_channel.tailBegin, m_feed.m_channel.contentEnd));
    ItemLayout layout;
    if (const FeedNode *first = m_feed.post(0)) {
        layout.itemLead = leadOf(*first);
        layout.closeLead = lineLead(leadingSpace(m_feed.decoded(first->buffer, first->tailBegin, first->contentEnd)));
        if (!first->children.empty()) {
            layout.fieldLead = leadOf(first->children.front());
            return layout;
        }
    } else {
        layout.itemLead = m_feed.m_channel.children.empty() ? lineLead(channelClose) + newFeedIndent()
                                                     : leadOf(m_feed.m_channel.children.back());
        layout.closeLead = layout.itemLead;
    }
    const bool multiLine = layout.itemLead.contains(u'\n');
    layout.fieldLead = layout.itemLead + (multiLine ? indentStep(layout.itemLead, channelClose) : QString());
    return layout;
}

// Where a new field goes among the item's children: where a new post has
// it, after the nearest field that comes before it, else before the nearest
// one that comes after it, else at the end. A channel element goes with the
// others of the header, before the first post. *sibling is the child whose
// line the new one copies.
size_t CFeedLayout::newFieldPosition(const FeedNode &item, const char *name, const FeedNode **sibling) const
{
    size_t position = item.children.size();
    *sibling = nullptr;
    if (&item == &m_feed.m_channel) {
        if (!m_feed.m_posts.empty())
            position = m_feed.m_posts.front();
        if (position > 0)
            *sibling = &item.children[position - 1];
    } else {
        const size_t count = std::size(kPostFields);
        size_t at = 0;
        while (at < count && qstrcmp(kPostFields[at], name) != 0)
            ++at;
        for (size_t i = at; i-- > 0 && !*sibling;) {
            if ((*sibling = m_feed.field(&item, kPostFields[i])))
                position = size_t(*sibling - item.children.data()) + 1;
        }
        for (size_t i = at + 1; i < count && !*sibling; ++i) {
            if ((*sibling = m_feed.field(&item, kPostFields[i])))
                position = size_t(*sibling - item.children.data());
        }
    }
    if (!*sibling && !item.children.empty())
        *sibling = &item.children.back();
    return position;
}

// The line break and indentation of a new child: its sibling's, or one
// step inside the parent's end tag when it has no children yet.
QString CFeedLayout::newChildLead(const FeedNode &parent, const FeedNode *sibling) const
{
    if (sibling)
        return lineLead(m_feed.decoded(sibling->buffer, sibling->leadBegin, sibling->begin));
    const QString close = lineLead(leadingSpace(m_feed.decoded(parent.buffer, parent.tailBegin, parent.contentEnd)));
    return close.contains(u'\n') ? close + newFeedIndent() : close;
}

CFeedElementXml::Style CFeedLayout::elementStyle(const FeedNode &parent, const QString &lead, const FeedNode *like) const
{
    const FeedEncoding &encoding = *m_feed.m_encoding;
    CFeedElementXml::Style style;
    style.indent = lead;
    style.step = indentStep(lead, m_feed.decoded(parent.buffer, parent.leadBegin, parent.begin));
    if (like && m_feed.decoded(like->buffer, like->begin, like->end).contains(QLatin1String(" />")))
        style.emptyTagEnd = QStringLiteral(" />");
    style.canEncode = [&encoding](char32_t c) { return encoding.canEncode(c); };
    return style;
}

// UTF-8, LF line ends, two-space indentation.
QString CFeedLayout::newFeedText(const NewFeedFields &fields)
{
    const auto any = [](char32_t) { return true; };
    const auto element = [&any](const QString &name, const QString &value) {
        return QLatin1Char('\n') + newFeedIndent() + newFeedIndent() + QLatin1Char('<') + name + QLatin1Char('>')
                + FeedValue::content(XmlSafeText(value), QString(), any) + QStringLiteral("</") + name + QLatin1Char('>');
    };
    QString text = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<rss version=\"2.0\" xmlns:atom=\"%1\">\n"
                                  "%2<channel>")
                           .arg(QLatin1String(kAtomNamespace), newFeedIndent());
    text += element(QStringLiteral("title"), fields.title) + element(QStringLiteral("link"), fields.link);
    if (!XmlSafeText(fields.selfLink).isEmpty()) {
        text += QLatin1Char('\n') + newFeedIndent() + newFeedIndent() + QStringLiteral("<atom:link href=\"")
                + CFeedElementXml::attributeText(XmlSafeText(fields.selfLink), any)
                + QStringLiteral("\" rel=\"self\" type=\"application/rss+xml\" />");
    }
    if (!XmlSafeText(fields.description).isEmpty())
        text += element(QStringLiteral("description"), fields.description);
    if (!XmlSafeText(fields.category).isEmpty())
        text += element(QStringLiteral("category"), fields.category);
    text += element(QStringLiteral("pubDate"), PubDate::FormatPubDateNow())
            + element(QStringLiteral("generator"), fields.generator);
    text += QLatin1Char('\n') + newFeedIndent() + QStringLiteral("</channel>\n</rss>\n");
    return text;
}
