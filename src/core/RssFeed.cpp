#include "core/RssFeed.h"

#include "core/FeedEncoding.h"
#include "core/FeedNamespaces.h"
#include "core/FeedReader.h"
#include "core/FeedValue.h"
#include "core/FeedVocabulary.h"
#include "core/FeedWriter.h"
#include "core/ProductInfo.h"
#include "core/PubDate.h"
#include "core/XmlSafeText.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUuid>

#include <algorithm>
#include <iterator>
#include <limits>

namespace {

const char kAtomNamespace[] = "http://www.w3.org/2005/Atom";

// A post's fields, in the order a new post has them.
const char *const kPostFields[] = {"title", "description", "pubDate", "link", "author", "guid"};

// The canonical name of a live item.
const QLatin1String kLiveItem("podcast:liveItem");

// What a guid of the program's own says: it is a name, not an address.
const QLatin1String kNotPermaLink(" isPermaLink=\"false\"");

// The elements RSS 2.0 requires: clearing their text leaves them empty.
bool isRequired(bool inChannel, const char *name)
{
    if (inChannel)
        return qstrcmp(name, "title") == 0 || qstrcmp(name, "link") == 0 || qstrcmp(name, "description") == 0;
    return qstrcmp(name, "title") == 0 || qstrcmp(name, "description") == 0;
}

// A new feed's layout.
const QLatin1String kNewFeedIndent("  ");

bool isSpace(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

// The line break and indentation that end a lead: what a new sibling
// written beside it starts with. Blank lines and comments stay with the
// element they stand before.
QString lineLead(const QString &lead)
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
QString leadingSpace(const QString &text)
{
    qsizetype end = 0;
    while (end < text.size() && isSpace(text[end]))
        ++end;
    return text.left(end);
}

// The white space that ends `text`.
QString trailingSpace(const QString &text)
{
    qsizetype begin = text.size();
    while (begin > 0 && isSpace(text[begin - 1]))
        --begin;
    return text.mid(begin);
}

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
    return kNewFeedIndent;
}

// Drops, at every depth, the elements that hold nothing: no attributes,
// text or children. The pages give an element they leave empty so.
void dropEmpty(std::vector<FeedElement> &elements)
{
    for (FeedElement &element : elements)
        dropEmpty(element.children);
    elements.erase(std::remove_if(elements.begin(), elements.end(),
                                  [](const FeedElement &e) { return e.attributes.isEmpty() && e.text.isEmpty() && e.children.empty(); }),
                   elements.end());
}

// Text as the setters store it (XmlSafeText), at every depth.
void keepXmlSafeText(std::vector<FeedElement> &elements)
{
    for (FeedElement &element : elements) {
        element.text = XmlSafeText(element.text);
        for (auto &attribute : element.attributes)
            attribute.second = XmlSafeText(attribute.second);
        keepXmlSafeText(element.children);
    }
}

// Adds an attribute after the last one of a start tag, set apart from it
// as that one is from what comes before it (a space, or a line break and
// indentation when the tag has one attribute a line).
QString withAttribute(const QString &startTag, const QString &attribute)
{
    qsizetype at = startTag.size() - 1; // the '>'
    while (at > 0 && isSpace(startTag[at - 1]))
        --at;
    QString separator = QStringLiteral(" ");
    const QChar quote = startTag[at - 1];
    if (quote == u'"' || quote == u'\'') {
        qsizetype name = startTag.lastIndexOf(quote, at - 2) - 1;
        while (name > 0 && (isSpace(startTag[name]) || startTag[name] == u'='))
            --name;
        while (name > 0 && !isSpace(startTag[name]))
            --name;
        qsizetype space = name;
        while (space > 0 && isSpace(startTag[space - 1]))
            --space;
        if (name > space || isSpace(startTag[name]))
            separator = startTag.mid(space, name + 1 - space);
    }
    return startTag.left(at) + separator + attribute + startTag.mid(at);
}

// Where attribute `name` stands in a well-formed start tag: the white
// space before it and its quoted value. Read attribute by attribute, so
// that a value holding name="..." is no attribute.
struct AttributePlace
{
    qsizetype spaceBegin = -1;
    qsizetype valueBegin = -1; // the opening quote
    qsizetype valueEnd = -1;   // past the closing quote
};

AttributePlace findAttribute(const QString &startTag, const QString &name)
{
    const qsizetype size = startTag.size();
    qsizetype pos = 1; // past '<'
    while (pos < size && !isSpace(startTag[pos]) && startTag[pos] != u'>' && startTag[pos] != u'/')
        ++pos;
    for (;;) {
        const qsizetype space = pos;
        while (pos < size && isSpace(startTag[pos]))
            ++pos;
        if (pos >= size || startTag[pos] == u'>' || startTag[pos] == u'/')
            return {};
        const qsizetype nameBegin = pos;
        while (pos < size && !isSpace(startTag[pos]) && startTag[pos] != u'=')
            ++pos;
        const QStringView written = QStringView(startTag).mid(nameBegin, pos - nameBegin);
        while (pos < size && (isSpace(startTag[pos]) || startTag[pos] == u'='))
            ++pos;
        const qsizetype close = pos < size ? startTag.indexOf(startTag[pos], pos + 1) : -1;
        if (close < 0)
            return {};
        if (written == name)
            return {space, pos, close + 1};
        pos = close + 1;
    }
}

// The start tag with attribute `name` given the value `written` (as
// attributeText writes it) in place of its old one, or added after the
// last; an empty `written` takes the attribute out with the space before it.
QString withAttributeValue(const QString &startTag, const QString &name, const QString &written)
{
    const AttributePlace found = findAttribute(startTag, name);
    if (found.spaceBegin < 0)
        return written.isEmpty() ? startTag : withAttribute(startTag, name + QStringLiteral("=\"") + written + QLatin1Char('"'));
    if (written.isEmpty())
        return startTag.left(found.spaceBegin) + startTag.mid(found.valueEnd);
    return startTag.left(found.valueBegin) + QLatin1Char('"') + written + QLatin1Char('"') + startTag.mid(found.valueEnd);
}

} // namespace

// The rss start tag, as offsets into the channel's buffer, and the
// namespaces declared on rss and on the channel.
struct CRssFeed::Head
{
    qsizetype rssBegin = -1;
    qsizetype rssEnd = -1;
    CFeedNamespaces namespaces;
};

// A field of a new post: its name, the attributes of its start tag as
// written, and its text.
struct CRssFeed::NewField
{
    const char *name;
    QLatin1String attributes;
    QString value;
};

// How new posts are laid out: the lead of the item, of each of its fields
// and of its end tag, as the file's first post has them.
struct CRssFeed::Layout
{
    QString itemLead;
    QString fieldLead;
    QString closeLead;
};

// Writes new elements into a new buffer of the feed, in the file's
// encoding, and records where each of their parts stands.
class CRssFeed::NodeWriter
{
public:
    explicit NodeWriter(CRssFeed *feed) : m_feed(feed), m_buffer(feed->m_buffers.count()) {}

    // Moves the text written into the feed's buffers.
    void finish() { m_feed->m_buffers.add(std::move(m_bytes)); }

    // `lead` and `startTag` in the file's encoding.
    void begin(FeedNode &node, const QByteArray &lead, const QByteArray &startTag)
    {
        node.buffer = m_buffer;
        node.leadBegin = m_bytes.size();
        m_bytes += lead;
        node.begin = m_bytes.size();
        m_bytes += startTag;
        node.contentBegin = node.tailBegin = m_bytes.size();
    }

    void end(FeedNode &node, const QString &closeLead, const QByteArray &endTag)
    {
        node.tailBegin = node.children.empty() ? node.contentBegin : m_bytes.size();
        append(closeLead);
        node.contentEnd = m_bytes.size();
        m_bytes += endTag;
        node.end = m_bytes.size();
    }

    void append(const QString &text) { m_bytes += m_feed->m_encoding->encode(text); }

    QByteArray tag(const QString &text) const { return m_feed->m_encoding->encode(text); }

    // A copy of the node's text, with another lead, in this buffer.
    FeedNode copy(const FeedNode &node, const QByteArray &lead)
    {
        FeedNode copied;
        copied.name = node.name;
        begin(copied, lead, m_feed->m_buffers.range(node.buffer, node.begin, node.contentBegin));
        for (const FeedNode &child : node.children) {
            copied.children.push_back(copy(child, m_feed->m_buffers.range(child.buffer, child.leadBegin, child.begin)));
        }
        copyTail(copied, node);
        return copied;
    }

    // Ends `node` with the tail and end tag of `from`, as they stand.
    void copyTail(FeedNode &node, const FeedNode &from)
    {
        node.tailBegin = m_bytes.size();
        node.contentEnd = node.tailBegin + (from.contentEnd - from.tailBegin);
        m_bytes += m_feed->m_buffers.range(from.buffer, from.tailBegin, from.end);
        node.end = m_bytes.size();
    }

private:
    CRssFeed *m_feed;
    int m_buffer;
    QByteArray m_bytes;
};

// --- CRssFeed: files ---

CRssFeed::CRssFeed()
{
    ClearFeed();
}

CRssFeed::~CRssFeed() = default;

bool CRssFeed::LoadFromFile(const QString &path, QString *error)
{
    ClearFeed();
    CPackedBytes bytes;
    if (!CPackedBytes::readFile(path, &bytes, error) || !loadBytes(std::move(bytes), error))
        return false;
    rememberDiskState(path);
    return true;
}

bool CRssFeed::loadBytes(CPackedBytes bytes, QString *error)
{
    ClearFeed();
    CFeedReader reader;
    if (!reader.read(bytes, error))
        return false;
    m_buffers.setFile(std::move(bytes));
    m_encoding = std::make_unique<FeedEncoding>(reader.encodingName);
    m_names = std::move(reader.names);
    m_channel = std::move(reader.channel);
    m_hasChannel = reader.hasChannel;
    m_hasByteOrderMark = reader.hasByteOrderMark;
    renewPostIndex();
    return true;
}

void CRssFeed::rememberDiskState(const QString &path)
{
    const QFileInfo info(path);
    m_diskSize = info.size();
    m_diskModified = info.lastModified();
}

bool CRssFeed::IsChangedOnDisk(const QString &path) const
{
    const QFileInfo info(path);
    return !info.exists() || info.size() != m_diskSize || info.lastModified() != m_diskModified;
}

bool CRssFeed::SaveToFile(const QString &path, QString *error)
{
    if (!CFeedWriter(m_buffers, m_hasChannel ? &m_channel : nullptr).saveToFile(path, error))
        return false;
    rememberDiskState(path);
    return true;
}

QByteArray CRssFeed::PrintToString() const
{
    const QByteArray bytes = CFeedWriter(m_buffers, m_hasChannel ? &m_channel : nullptr).bytes();
    if (m_encoding->isUtf8())
        return bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
    QString text = m_encoding->decode(bytes.constData(), bytes.size());
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text.toUtf8();
}

QByteArray CRssFeed::EncodingName() const
{
    return m_encoding ? m_encoding->name() : QByteArray("UTF-8");
}

// A new feed passes a feed check as it stands: an empty element (an empty
// description, language or e-mail address) would be a problem there, so
// only elements with a value are written, beside the title and link. The
// feed's own address (atom:link rel="self"), which readers use to follow a
// moved feed, is not the web site's: it is written only when given.
bool CRssFeed::CreateNewFeed(const QString &title, const QString &link, const QString &category,
                             const QString &selfLink, const QString &description)
{
    const auto any = [](char32_t) { return true; };
    const auto element = [&any](const QString &name, const QString &value) {
        return QLatin1Char('\n') + kNewFeedIndent + kNewFeedIndent + QLatin1Char('<') + name + QLatin1Char('>')
                + FeedValue::content(XmlSafeText(value), QString(), any) + QStringLiteral("</") + name + QLatin1Char('>');
    };
    QString text = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<rss version=\"2.0\" xmlns:atom=\"%1\">\n"
                                  "%2<channel>")
                           .arg(QLatin1String(kAtomNamespace), kNewFeedIndent);
    text += element(QStringLiteral("title"), title) + element(QStringLiteral("link"), link);
    if (!XmlSafeText(selfLink).isEmpty()) {
        text += QLatin1Char('\n') + kNewFeedIndent + kNewFeedIndent + QStringLiteral("<atom:link href=\"")
                + CFeedElementXml::attributeText(XmlSafeText(selfLink), any)
                + QStringLiteral("\" rel=\"self\" type=\"application/rss+xml\" />");
    }
    if (!XmlSafeText(description).isEmpty())
        text += element(QStringLiteral("description"), description);
    if (!XmlSafeText(category).isEmpty())
        text += element(QStringLiteral("category"), category);
    text += element(QStringLiteral("pubDate"), PubDate::FormatPubDateNow())
            + element(QStringLiteral("generator"), GeneratorText());
    text += QLatin1Char('\n') + kNewFeedIndent + QStringLiteral("</channel>\n</rss>\n");
    m_diskSize = -1;
    m_diskModified = QDateTime();
    return loadBytes(CPackedBytes::fromBytes(text.toUtf8()), nullptr) && AddNewPost();
}

void CRssFeed::ClearFeed()
{
    m_buffers.clear();
    m_encoding = std::make_unique<FeedEncoding>();
    m_names.clear();
    m_channel = FeedNode();
    m_hasChannel = false;
    m_posts.clear();
    m_hasByteOrderMark = false;
}

// --- CRssFeed: reading posts ---

void CRssFeed::renewPostIndex()
{
    m_posts.clear();
    // A feed without items has no such name, and text left by a removal
    // has none either (-1): the two must not match.
    const int item = int(m_names.indexOf(QByteArray("item")));
    std::optional<CFeedNamespaces> scope;
    for (size_t i = 0; i < m_channel.children.size(); ++i) {
        const FeedNode &child = m_channel.children[i];
        if ((item >= 0 && child.name == item) || isLiveItem(child, scope))
            m_posts.push_back(i);
    }
}

// The local name rules out nearly every child before the namespaces are
// read, which happens once for all of them (`channelScope`). A live item in
// the default namespace would put its children (title, guid) in the podcast
// namespace too, where they are no post's fields: only a prefixed one counts.
bool CRssFeed::isLiveItem(const FeedNode &node, std::optional<CFeedNamespaces> &channelScope) const
{
    if (node.name < 0 || !m_names[node.name].endsWith(":liveItem"))
        return false;
    if (!channelScope)
        channelScope = scopeOf(m_channel);
    return canonicalName(node, *channelScope) == kLiveItem;
}

bool CRssFeed::isPost(size_t childIndex) const
{
    return std::binary_search(m_posts.begin(), m_posts.end(), childIndex);
}

const FeedNode *CRssFeed::post(int index) const
{
    if (m_posts.empty())
        return nullptr;
    if (index < 0)
        index = 0;
    return size_t(index) < m_posts.size() ? &m_channel.children[m_posts[size_t(index)]] : nullptr;
}

FeedNode *CRssFeed::post(int index)
{
    return const_cast<FeedNode *>(std::as_const(*this).post(index));
}

int CRssFeed::nameId(const QByteArray &name)
{
    const qsizetype found = m_names.indexOf(name);
    if (found >= 0)
        return int(found);
    m_names.append(name);
    return int(m_names.size() - 1);
}

const FeedNode *CRssFeed::field(const FeedNode *item, const char *name) const
{
    if (!item)
        return nullptr;
    const int id = int(m_names.indexOf(QByteArray(name)));
    if (id < 0)
        return nullptr; // text left by a removal has no name either
    for (const FeedNode &child : item->children) {
        if (child.name == id)
            return &child;
    }
    return nullptr;
}

FeedNode *CRssFeed::field(FeedNode *item, const char *name)
{
    return const_cast<FeedNode *>(std::as_const(*this).field(item, name));
}

QString CRssFeed::decoded(int buffer, qsizetype begin, qsizetype end) const
{
    const QByteArray bytes = m_buffers.range(buffer, begin, end);
    return m_encoding->decode(bytes.constData(), bytes.size());
}

QString CRssFeed::content(const FeedNode &node) const
{
    return decoded(node.buffer, node.contentBegin, node.contentEnd);
}

QString CRssFeed::fieldValue(int index, const char *name) const
{
    const FeedNode *node = field(post(index), name);
    return node ? FeedValue::text(content(*node)) : QString();
}

int CRssFeed::GetPostCount() const
{
    return int(m_posts.size());
}

bool CRssFeed::IsLiveItem(int index) const
{
    const FeedNode *node = post(index);
    std::optional<CFeedNamespaces> scope;
    return node && isLiveItem(*node, scope);
}

// The start tag is read as an element of its own, so that references and
// the file's quoting read as XML reads them.
QString CRssFeed::GetPostAttribute(int index, const QString &name) const
{
    const FeedNode *node = post(index);
    if (!node)
        return QString();
    QString text = decoded(node->buffer, node->begin, node->contentBegin);
    if (!node->isEmptyElementTag())
        text += QStringLiteral("</") + QString::fromUtf8(m_names[node->name]) + QLatin1Char('>');
    FeedElement element;
    if (!CFeedElementXml::read(text, scopeOf(m_channel), &element))
        return QString();
    return element.attribute(name);
}

bool CRssFeed::SetPostAttribute(int index, const QString &name, const QString &value)
{
    FeedNode *node = post(index);
    const QString text = XmlSafeText(value);
    if (!node || name.isEmpty() || GetPostAttribute(index, name) == text)
        return false;
    openEmptyElement(*node);
    const FeedEncoding &encoding = *m_encoding;
    const QString written = CFeedElementXml::attributeText(text, [&encoding](char32_t c) { return encoding.canEncode(c); });
    replaceStartTag(*node, withAttributeValue(decoded(node->buffer, node->begin, node->contentBegin), name, written));
    return true;
}

// The element's lead, tail, end tag and children stay as they are.
void CRssFeed::replaceStartTag(FeedNode &node, const QString &startTag)
{
    NodeWriter writer(this);
    FeedNode rewritten = node;
    writer.begin(rewritten, m_buffers.range(node.buffer, node.leadBegin, node.begin), writer.tag(startTag));
    writer.copyTail(rewritten, node);
    writer.finish();
    node = std::move(rewritten);
}

QString CRssFeed::GetPostTitle(int index) const
{
    return fieldValue(index, "title");
}

QString CRssFeed::GetPostLink(int index) const
{
    return fieldValue(index, "link");
}

QString CRssFeed::GetPostAuthor(int index) const
{
    return fieldValue(index, "author");
}

QString CRssFeed::GetPostPubDate(int index) const
{
    return fieldValue(index, "pubDate");
}

QString CRssFeed::GetPostGuid(int index) const
{
    return fieldValue(index, "guid");
}

QString CRssFeed::GetPostDescription(int index) const
{
    const FeedNode *node = field(post(index), "description");
    return node ? FeedValue::wholeContent(content(*node)) : QString();
}

QString CRssFeed::GetPostPlainDescription(int index) const
{
    return DecodeBasicEntities(StripTags(GetPostDescription(index)));
}

int CRssFeed::CollectLinks(std::set<QString> &links) const
{
    const int count = GetPostCount();
    for (int i = 0; i < count; ++i) {
        const QString link = GetPostLink(i);
        if (!link.isEmpty())
            links.insert(link);
    }
    return int(links.size());
}

// --- CRssFeed: changing posts ---

// Writes the element anew in a buffer of its own: its lead and tags as they
// were, the new value in the form the old one had.
void CRssFeed::replaceContent(FeedNode &node, const QString &value)
{
    openEmptyElement(node);
    const QString old = content(node);
    const FeedEncoding &encoding = *m_encoding;
    NodeWriter writer(this);
    FeedNode written = node;
    writer.begin(written, m_buffers.range(node.buffer, node.leadBegin, node.begin),
                 m_buffers.range(node.buffer, node.begin, node.contentBegin));
    // New line breaks follow the one before the element.
    const QString lineEnd = decoded(node.buffer, node.leadBegin, node.begin).contains(u"\r\n") ? QStringLiteral("\r\n") : QStringLiteral("\n");
    writer.append(FeedValue::content(value, old, [&encoding](char32_t c) { return encoding.canEncode(c); }, lineEnd));
    writer.end(written, QString(), m_buffers.range(node.buffer, node.contentEnd, node.end));
    writer.finish();
    node = std::move(written);
}

// "<link/>" becomes "<link></link>", so that it can take content.
void CRssFeed::openEmptyElement(FeedNode &node)
{
    if (!node.isEmptyElementTag())
        return;
    QString startTag = decoded(node.buffer, node.begin, node.contentBegin);
    startTag.chop(2); // "/>"
    while (!startTag.isEmpty() && isSpace(startTag.back()))
        startTag.chop(1);
    const QString name = QString::fromUtf8(m_names[node.name]);
    NodeWriter writer(this);
    FeedNode opened = node;
    writer.begin(opened, m_buffers.range(node.buffer, node.leadBegin, node.begin), writer.tag(startTag + QLatin1Char('>')));
    writer.end(opened, QString(), writer.tag(QStringLiteral("</") + name + QLatin1Char('>')));
    writer.finish();
    node = std::move(opened);
}

// Where a new field goes among the item's children: where a new post has
// it, after the nearest field that comes before it, else before the nearest
// one that comes after it, else at the end. A channel element goes with the
// others of the header, before the first post. *sibling is the child whose
// line the new one copies.
size_t CRssFeed::newFieldPosition(const FeedNode &item, const char *name, const FeedNode **sibling) const
{
    size_t position = item.children.size();
    *sibling = nullptr;
    if (&item == &m_channel) {
        if (!m_posts.empty())
            position = m_posts.front();
        if (position > 0)
            *sibling = &item.children[position - 1];
    } else {
        const size_t count = std::size(kPostFields);
        size_t at = 0;
        while (at < count && qstrcmp(kPostFields[at], name) != 0)
            ++at;
        for (size_t i = at; i-- > 0 && !*sibling;) {
            if ((*sibling = field(&item, kPostFields[i])))
                position = size_t(*sibling - item.children.data()) + 1;
        }
        for (size_t i = at + 1; i < count && !*sibling; ++i) {
            if ((*sibling = field(&item, kPostFields[i])))
                position = size_t(*sibling - item.children.data());
        }
    }
    if (!*sibling && !item.children.empty())
        *sibling = &item.children.back();
    return position;
}

// The line break and indentation of a new child: its sibling's, or one
// step inside the parent's end tag when it has no children yet.
QString CRssFeed::newChildLead(const FeedNode &parent, const FeedNode *sibling) const
{
    if (sibling)
        return lineLead(decoded(sibling->buffer, sibling->leadBegin, sibling->begin));
    const QString close = lineLead(leadingSpace(decoded(parent.buffer, parent.tailBegin, parent.contentEnd)));
    return close.contains(u'\n') ? close + kNewFeedIndent : close;
}

// Adds an empty field element to the item where a new post has it, with
// the lead of the sibling it joins.
FeedNode *CRssFeed::insertField(FeedNode *item, const char *name)
{
    openEmptyElement(*item);
    const FeedNode *sibling = nullptr;
    const size_t position = newFieldPosition(*item, name, &sibling);
    const QString lead = newChildLead(*item, sibling);

    const QString tagName = QLatin1String(name);
    NodeWriter writer(this);
    FeedNode added;
    added.name = nameId(QByteArray(name));
    writer.begin(added, writer.tag(lead), writer.tag(QLatin1Char('<') + tagName + QLatin1Char('>')));
    writer.end(added, QString(), writer.tag(QStringLiteral("</") + tagName + QLatin1Char('>')));
    writer.finish();
    return &*item->children.insert(item->children.begin() + qsizetype(position), std::move(added));
}

// Stores a field the user gave a value. A post without the element gets
// one, unless the value is empty; a field that holds markup (elements,
// comments) is left as it is. The same value changes nothing, so a commit of
// an unedited post leaves the file as it was. An empty value removes an
// optional element: an empty one would still tell readers it is there. One
// that another of its name follows is emptied instead, or that one would
// become the field's value.
bool CRssFeed::setField(FeedNode *item, const char *name, const QString &text)
{
    if (!item)
        return false;
    const QString value = XmlSafeText(text);
    FeedNode *node = field(item, name);
    if (!node) {
        if (value.isEmpty())
            return false;
        node = insertField(item, name);
    }
    const QString old = content(*node);
    if (!FeedValue::isText(old))
        return false;
    const size_t at = size_t(node - item->children.data());
    if (value.isEmpty() && !isRequired(item == &m_channel, name) && !laterField(*item, at)) {
        removeChild(*item, at);
        return true;
    }
    if (FeedValue::text(old) != value)
        replaceContent(*node, value);
    return true;
}

// Whether another child after `at` has the name of the one there.
bool CRssFeed::laterField(const FeedNode &item, size_t at) const
{
    const int name = item.children[at].name;
    return std::any_of(item.children.begin() + qsizetype(at) + 1, item.children.end(),
                       [name](const FeedNode &child) { return child.name == name; });
}

// Takes the child out with the line break and indentation before it, as
// RemovePost does, so that no blank line stays where it stood.
void CRssFeed::removeChild(FeedNode &parent, size_t index)
{
    FeedNode &child = parent.children[index];
    if (FeedNode rest = splitLead(child); rest.leadBegin < rest.end)
        child = std::move(rest);
    else
        parent.children.erase(parent.children.begin() + qsizetype(index));
    if (&parent == &m_channel)
        renewPostIndex();
}

QString CRssFeed::GetChannelField(const char *name) const
{
    const FeedNode *node = m_hasChannel ? field(&m_channel, name) : nullptr;
    return node ? FeedValue::text(content(*node)) : QString();
}

bool CRssFeed::SetChannelField(const char *name, const QString &text)
{
    if (!m_hasChannel)
        return false;
    const bool added = !field(&m_channel, name);
    if (!setField(&m_channel, name, text))
        return false;
    if (added)
        renewPostIndex();
    return true;
}

bool CRssFeed::SetPostTitle(int index, const QString &text)
{
    return setField(post(index), "title", text);
}

bool CRssFeed::SetPostAuthor(int index, const QString &text)
{
    return setField(post(index), "author", text);
}

// A guid names the post to feed readers for good: a link change leaves it
// alone, or readers would show the post again as new. Only a permalink guid
// (no isPermaLink="false") that was the post's link follows the link, since
// a reader takes such a guid for the post's address; a cleared link leaves
// it too, as the post still needs a name.
bool CRssFeed::SetPostLink(int index, const QString &text)
{
    FeedNode *item = post(index);
    const QString oldLink = GetPostLink(index);
    if (!setField(item, "link", text))
        return false;
    FeedNode *guid = field(item, "guid");
    if (!guid || oldLink.isEmpty() || XmlSafeText(text).isEmpty() || FeedValue::text(content(*guid)) != oldLink)
        return true;
    static const QRegularExpression notPermaLink(QStringLiteral("isPermaLink\\s*=\\s*[\"']\\s*false"),
                                                 QRegularExpression::CaseInsensitiveOption);
    if (!decoded(guid->buffer, guid->begin, guid->contentBegin).contains(notPermaLink))
        setField(item, "guid", text);
    return true;
}

// Editing a field leaves pubDate alone: a reader shows a post whose date
// changed as new, and the date says when the post was published, not when
// its text was last touched. The user sets it on purpose with this.
bool CRssFeed::SetPostPubDateNow(int index)
{
    return setField(post(index), "pubDate", PubDate::FormatPubDateNow());
}

bool CRssFeed::SetPostDescription(int index, const QString &text)
{
    FeedNode *item = post(index);
    if (!item)
        return false;
    const QString value = XmlSafeText(text);
    FeedNode *node = field(item, "description");
    if (!node) {
        if (value.isEmpty())
            return false;
        node = insertField(item, "description");
    }
    if (FeedValue::wholeContent(content(*node)) != value)
        replaceContent(*node, value);
    return true;
}

CRssFeed::Layout CRssFeed::newItemLayout() const
{
    const auto leadOf = [this](const FeedNode &node) {
        return lineLead(decoded(node.buffer, node.leadBegin, node.begin));
    };
    const QString channelClose = leadingSpace(decoded(m_channel.buffer, m_channel.tailBegin, m_channel.contentEnd));
    Layout layout;
    if (const FeedNode *first = post(0)) {
        layout.itemLead = leadOf(*first);
        layout.closeLead = lineLead(leadingSpace(decoded(first->buffer, first->tailBegin, first->contentEnd)));
        if (!first->children.empty()) {
            layout.fieldLead = leadOf(first->children.front());
            return layout;
        }
    } else {
        layout.itemLead = m_channel.children.empty() ? lineLead(channelClose) + kNewFeedIndent
                                                     : leadOf(m_channel.children.back());
        layout.closeLead = layout.itemLead;
    }
    const bool multiLine = layout.itemLead.contains(u'\n');
    layout.fieldLead = layout.itemLead + (multiLine ? indentStep(layout.itemLead, channelClose) : QString());
    return layout;
}

// A new post has a title, the current date and a new guid, in the order of
// kPostFields; the fields the user fills in later go where kPostFields puts
// them (insertField). Its guid names it and is no address, which readers
// are told with isPermaLink="false".
bool CRssFeed::AddNewPost()
{
    return m_hasChannel
           && addPostAtTop(QStringLiteral("item"), QString(),
                           {{"title", {}, QCoreApplication::translate("CRssFeed", "New Item")},
                            {"pubDate", {}, PubDate::FormatPubDateNow()},
                            {"guid", kNotPermaLink, NewGuidText()}});
}

// A live item has its start in place of a date: readers date it by that.
bool CRssFeed::AddNewLiveItem(const QDateTime &start, const QDateTime &end)
{
    if (!m_hasChannel)
        return false;
    DeclareNamespace(QStringLiteral("podcast"), CFeedVocabulary::podcastNamespace());
    const QString name = readHead().namespaces.writtenName(kLiveItem);
    if (name.isEmpty())
        return false;
    const QString attributes = QStringLiteral(" status=\"pending\" start=\"%1\" end=\"%2\"")
                                       .arg(start.toString(Qt::ISODate), end.toString(Qt::ISODate));
    return addPostAtTop(name, attributes,
                        {{"title", {}, QCoreApplication::translate("CRssFeed", "New Live Item")}, {"guid", kNotPermaLink, NewGuidText()}});
}

// A new post, `name` with the attributes as written, and the fields in this order.
bool CRssFeed::addPostAtTop(const QString &name, const QString &attributes, const std::vector<NewField> &fields)
{
    const Layout layout = newItemLayout();
    const FeedEncoding &encoding = *m_encoding;
    const auto canEncode = [&encoding](char32_t c) { return encoding.canEncode(c); };

    NodeWriter writer(this);
    FeedNode item;
    item.name = nameId(name.toUtf8());
    writer.begin(item, writer.tag(layout.itemLead), writer.tag(QLatin1Char('<') + name + attributes + QLatin1Char('>')));
    for (const NewField &field : fields) {
        const QString fieldName = QLatin1String(field.name);
        FeedNode child;
        child.name = nameId(field.name);
        writer.begin(child, writer.tag(layout.fieldLead),
                     writer.tag(QLatin1Char('<') + fieldName + field.attributes + QLatin1Char('>')));
        writer.append(FeedValue::content(field.value, QString(), canEncode));
        writer.end(child, QString(), writer.tag(QStringLiteral("</") + fieldName + QLatin1Char('>')));
        item.children.push_back(std::move(child));
    }
    writer.end(item, layout.closeLead, writer.tag(QStringLiteral("</") + name + QLatin1Char('>')));
    writer.finish();
    return insertPostAtTop(std::move(item));
}

// A duplicate is a post of its own: readers must not take it for the one it
// was copied from, so it gets a new guid and the current date.
bool CRssFeed::CopyPostToTop(int index)
{
    const FeedNode *source = post(index);
    if (!source)
        return false;
    NodeWriter writer(this);
    FeedNode copy = writer.copy(*source, writer.tag(newItemLayout().itemLead));
    writer.finish();
    if (!insertPostAtTop(std::move(copy)))
        return false;
    // The copy is in the feed now, so this reports success whatever the
    // source's guid and date hold: a comment or markup inside them, which an
    // edit would keep, gives way to the copy's own guid and date.
    FeedNode *item = post(0);
    // A live item is dated by its start: it gets no date it did not have.
    FeedNode *date = field(item, "pubDate");
    if (date || !IsLiveItem(0))
        replaceContent(date ? *date : *insertField(item, "pubDate"), PubDate::FormatPubDateNow());
    FeedNode *guid = field(item, "guid");
    writeOwnGuid(guid ? *guid : *insertField(item, "guid"));
    return true;
}

// A new guid of the program's own in place of the element, on its line. The
// source's guid may have been its address (a permalink), which the new one
// is not.
void CRssFeed::writeOwnGuid(FeedNode &node)
{
    NodeWriter writer(this);
    FeedNode written;
    written.name = node.name;
    writer.begin(written, m_buffers.range(node.buffer, node.leadBegin, node.begin),
                 writer.tag(QStringLiteral("<guid") + kNotPermaLink + QLatin1Char('>')));
    writer.append(NewGuidText());
    writer.end(written, QString(), writer.tag(QStringLiteral("</guid>")));
    writer.finish();
    node = std::move(written);
}

bool CRssFeed::MovePostToTop(int index)
{
    FeedNode *item = post(index);
    if (!item)
        return false;
    FeedNode rest = splitLead(*item);
    FeedNode moved = std::move(*item);
    if (rest.leadBegin < rest.end)
        *item = std::move(rest);
    else
        m_channel.children.erase(m_channel.children.begin() + qsizetype(m_posts[size_t(qMax(index, 0))]));
    renewPostIndex();
    return insertPostAtTop(std::move(moved));
}

// Post 0 goes before the first item, or after the channel's last child when
// it has none. What stands before the first item other than its line break
// and indentation (blank lines, a comment) stays before the new post.
bool CRssFeed::insertPostAtTop(FeedNode item)
{
    size_t at = m_channel.children.size();
    if (!m_posts.empty()) {
        at = m_posts.front();
        if (FeedNode rest = splitLead(m_channel.children[at]); rest.leadBegin < rest.end) {
            m_channel.children.insert(m_channel.children.begin() + qsizetype(at), std::move(rest));
            ++at;
        }
    }
    m_channel.children.insert(m_channel.children.begin() + qsizetype(at), std::move(item));
    renewPostIndex();
    return true;
}

// Cuts the node's lead down to its line break and indentation and returns
// the rest as a node of text only.
FeedNode CRssFeed::splitLead(FeedNode &node) const
{
    const QString lead = decoded(node.buffer, node.leadBegin, node.begin);
    const qsizetype kept = node.begin - m_encoding->encode(lineLead(lead)).size();
    FeedNode rest;
    rest.buffer = node.buffer;
    rest.name = -1;
    rest.leadBegin = node.leadBegin;
    rest.begin = rest.contentBegin = rest.tailBegin = rest.contentEnd = rest.end = kept;
    node.leadBegin = kept;
    return rest;
}

// The post goes with the line break and indentation before it, so that a
// removal takes out the post's lines and nothing else. What else stood
// before it (blank lines, a comment) stays, as a node with no element.
bool CRssFeed::RemovePost(int index)
{
    return TakePost(index) != nullptr;
}

std::unique_ptr<CRemovedPost> CRssFeed::TakePost(int index)
{
    FeedNode *item = post(index);
    if (!item)
        return nullptr;
    auto removed = std::make_unique<CRemovedPost>();
    removed->childIndex = m_posts[size_t(qMax(index, 0))];
    removed->leadBegin = item->leadBegin;
    FeedNode rest = splitLead(*item);
    removed->item = std::move(*item);
    removed->leftLeadText = rest.leadBegin < rest.end;
    if (removed->leftLeadText)
        *item = std::move(rest);
    else
        m_channel.children.erase(m_channel.children.begin() + qsizetype(removed->childIndex));
    renewPostIndex();
    return removed;
}

int CRssFeed::PutBackPost(CRemovedPost removed)
{
    auto &children = m_channel.children;
    if (removed.childIndex > children.size() || (removed.leftLeadText && removed.childIndex == children.size()))
        return -1;
    removed.item.leadBegin = removed.leadBegin;
    if (removed.leftLeadText)
        children[removed.childIndex] = std::move(removed.item);
    else
        children.insert(children.begin() + qsizetype(removed.childIndex), std::move(removed.item));
    renewPostIndex();
    return int(std::find(m_posts.begin(), m_posts.end(), removed.childIndex) - m_posts.begin());
}

// --- CRssFeed: undo ---

bool CRssFeed::PutPostAtTop(CRemovedPost post)
{
    return m_hasChannel && insertPostAtTop(std::move(post.item));
}

CFeedPart CRssFeed::SavePost(int index) const
{
    CFeedPart part;
    part.shell = channelShell();
    part.sizeWhenIn = m_channel.children.size();
    if (const FeedNode *item = post(index)) {
        part.first = m_posts[size_t(qMax(index, 0))];
        part.nodes.push_back(*item);
    } else {
        part.first = part.sizeWhenIn;
    }
    return part;
}

// A post put at the top may split the lead of the first post (see
// insertPostAtTop), so the first post is kept with the place.
CFeedPart CRssFeed::SavePlaceAtTop() const
{
    return SavePost(0);
}

CFeedPart CRssFeed::SaveHeader() const
{
    CFeedPart part;
    part.header = true;
    part.shell = channelShell();
    for (size_t i = 0; i < m_channel.children.size(); ++i) {
        const bool post = isPost(i);
        part.postSlots.push_back(post);
        if (!post)
            part.nodes.push_back(m_channel.children[i]);
    }
    return part;
}

// The channel's own tags go with every part: a change may declare a
// namespace on the rss element, which they hold.
FeedNode CRssFeed::channelShell() const
{
    FeedNode shell = m_channel;
    shell.children.clear();
    return shell;
}

bool CRssFeed::SwapPart(CFeedPart &part)
{
    if (!m_hasChannel || !(part.header ? swapHeader(part) : swapStretch(part)))
        return false;
    std::swap(part.shell, m_channel);
    std::swap(part.shell.children, m_channel.children);
    renewPostIndex();
    return true;
}

// The stretch in the feed is as long as the kept one, give or take what
// the change added or removed.
bool CRssFeed::swapStretch(CFeedPart &part)
{
    auto &children = m_channel.children;
    const qsizetype standing = qsizetype(part.nodes.size()) + qsizetype(children.size()) - qsizetype(part.sizeWhenIn);
    if (standing < 0 || part.first + size_t(standing) > children.size())
        return false;
    const auto from = children.begin() + qsizetype(part.first);
    std::vector<FeedNode> replaced(std::make_move_iterator(from), std::make_move_iterator(from + standing));
    part.sizeWhenIn = children.size();
    children.erase(from, from + standing);
    children.insert(children.begin() + qsizetype(part.first), std::make_move_iterator(part.nodes.begin()),
                    std::make_move_iterator(part.nodes.end()));
    part.nodes = std::move(replaced);
    return true;
}

// The posts stay as they are, in their order; the other children go back
// to the kept ones, in the kept places.
bool CRssFeed::swapHeader(CFeedPart &part)
{
    auto &children = m_channel.children;
    const auto keptPosts = std::count(part.postSlots.begin(), part.postSlots.end(), true);
    if (size_t(keptPosts) != m_posts.size())
        return false;
    std::vector<FeedNode> posts, others;
    std::vector<bool> places;
    for (size_t i = 0; i < children.size(); ++i) {
        places.push_back(isPost(i));
        (places.back() ? posts : others).push_back(std::move(children[i]));
    }
    children.clear();
    auto nextPost = posts.begin(), nextOther = part.nodes.begin();
    for (const bool post : part.postSlots)
        children.push_back(std::move(post ? *nextPost++ : *nextOther++));
    part.nodes = std::move(others);
    part.postSlots = std::move(places);
    return true;
}


// --- CRssFeed: elements ---

// Reads the file up to the channel's start tag, which is all the channel's
// node holds before its children.
CRssFeed::Head CRssFeed::readHead() const
{
    const QByteArray head = m_buffers.range(m_channel.buffer, m_channel.leadBegin, m_channel.contentBegin);
    const CFeedReader::Head found = CFeedReader::readHead(head);
    Head read;
    if (found.rssBegin >= 0) {
        read.rssBegin = m_channel.leadBegin + found.rssBegin;
        read.rssEnd = m_channel.leadBegin + found.rssEnd;
    }
    for (const auto &[prefix, uri] : found.declarations)
        read.namespaces.declare(prefix, uri);
    return read;
}

CFeedNamespaces CRssFeed::scopeOf(const FeedNode &parent) const
{
    CFeedNamespaces scope = readHead().namespaces;
    if (&parent != &m_channel)
        scope.declareFrom(decoded(parent.buffer, parent.begin, parent.contentBegin));
    return scope;
}

QString CRssFeed::canonicalName(const FeedNode &child, const CFeedNamespaces &scope) const
{
    const QString written = QString::fromUtf8(m_names[child.name]);
    const QString startTag = decoded(child.buffer, child.begin, child.contentBegin);
    if (!startTag.contains(QLatin1String("xmlns")))
        return scope.canonicalName(written);
    CFeedNamespaces own = scope;
    own.declareFrom(startTag);
    return own.canonicalName(written);
}

std::vector<size_t> CRssFeed::childrenNamed(const FeedNode &parent, const CFeedNamespaces &scope, const QString &name) const
{
    // The local name rules out most children before their prefix is read.
    const qsizetype colon = name.indexOf(u':');
    const QByteArray local = name.mid(colon + 1).toUtf8();
    std::vector<size_t> found;
    for (size_t i = 0; i < parent.children.size(); ++i) {
        const FeedNode &child = parent.children[i];
        if (child.name < 0)
            continue;
        const QByteArray &written = m_names[child.name];
        const bool sameLocal = colon < 0 ? written == local : written.endsWith(':' + local);
        if (sameLocal && canonicalName(child, scope) == name)
            found.push_back(i);
    }
    return found;
}

std::vector<FeedElement> CRssFeed::elementsOf(const FeedNode *parent, const QString &name) const
{
    std::vector<FeedElement> elements;
    if (!parent)
        return elements;
    const CFeedNamespaces scope = scopeOf(*parent);
    for (const size_t i : childrenNamed(*parent, scope, name)) {
        const FeedNode &child = parent->children[i];
        FeedElement element;
        if (CFeedElementXml::read(decoded(child.buffer, child.begin, child.end), scope, &element))
            elements.push_back(std::move(element));
    }
    return elements;
}

std::vector<FeedElement> CRssFeed::GetChannelElements(const QString &name) const
{
    return elementsOf(m_hasChannel ? &m_channel : nullptr, name);
}

std::vector<FeedElement> CRssFeed::GetPostElements(int index, const QString &name) const
{
    return elementsOf(post(index), name);
}

std::vector<std::pair<QString, QString>> CRssFeed::otherElementsOf(const FeedNode *parent, const QStringList &edited) const
{
    std::vector<std::pair<QString, QString>> others;
    if (!parent)
        return others;
    const CFeedNamespaces scope = scopeOf(*parent);
    for (size_t i = 0; i < parent->children.size(); ++i) {
        const FeedNode &child = parent->children[i];
        if (child.name < 0 || (parent == &m_channel && isPost(i)) || edited.contains(canonicalName(child, scope)))
            continue;
        others.emplace_back(QString::fromUtf8(m_names[child.name]), decoded(child.buffer, child.begin, child.end));
    }
    return others;
}

std::vector<std::pair<QString, QString>> CRssFeed::GetOtherChannelElements() const
{
    return otherElementsOf(m_hasChannel ? &m_channel : nullptr, CFeedVocabulary::channelElements());
}

std::vector<std::pair<QString, QString>> CRssFeed::GetOtherPostElements(int index) const
{
    return otherElementsOf(post(index), CFeedVocabulary::postElements());
}

bool CRssFeed::SetChannelElements(const QString &name, const std::vector<FeedElement> &elements)
{
    return m_hasChannel && setElements(&m_channel, name, elements);
}

bool CRssFeed::SetPostElements(int index, const QString &name, const std::vector<FeedElement> &elements)
{
    return setElements(post(index), name, elements);
}

// Rewrites only what differs: elements in place first, then the extra ones
// added or the missing ones removed, so that every other byte stays.
bool CRssFeed::setElements(FeedNode *parent, const QString &name, std::vector<FeedElement> elements)
{
    // The posts are not elements of the channel to be replaced so.
    if (!parent || name.isEmpty() || (parent == &m_channel && (name == QLatin1String("item") || name == kLiveItem)))
        return false;
    keepXmlSafeText(elements);
    dropEmpty(elements);
    for (FeedElement &element : elements)
        element.name = name;

    CFeedNamespaces scope = scopeOf(*parent);
    const std::vector<size_t> existing = childrenNamed(*parent, scope, name);
    std::vector<size_t> changed; // indexes into `elements`
    for (size_t i = 0; i < elements.size(); ++i) {
        FeedElement old;
        if (i >= existing.size()) {
            changed.push_back(i);
            continue;
        }
        const FeedNode &node = parent->children[existing[i]];
        const bool read = CFeedElementXml::read(decoded(node.buffer, node.begin, node.end), scope, &old);
        dropEmpty(old.children);
        if (!read || old != elements[i])
            changed.push_back(i);
    }
    if (changed.empty() && existing.size() == elements.size())
        return false;

    // Declaring rewrites the channel's head only; the children stay put.
    bool declared = false;
    for (const size_t i : changed) {
        CFeedNamespaces own = scope;
        if (i < existing.size()) {
            const FeedNode &node = parent->children[existing[i]];
            own.declareFrom(decoded(node.buffer, node.begin, node.contentBegin));
        }
        declared |= declareNamespacesOf(elements[i], own);
    }
    if (declared)
        scope = scopeOf(*parent);

    openEmptyElement(*parent);
    for (const size_t i : changed) {
        if (i < existing.size())
            rewriteElement(parent->children[existing[i]], elements[i], *parent, scope);
    }
    if (elements.size() > existing.size()) {
        // The extra ones follow the last of the name, each after the one before.
        const FeedNode *sibling = nullptr;
        size_t position = 0;
        if (existing.empty()) {
            position = newFieldPosition(*parent, name.toUtf8().constData(), &sibling);
        } else {
            position = existing.back() + 1;
            sibling = &parent->children[existing.back()];
        }
        const QString lead = newChildLead(*parent, sibling);
        const FeedNode like = sibling ? *sibling : FeedNode(); // the insertions move the sibling
        for (size_t i = existing.size(); i < elements.size(); ++i)
            addElement(*parent, position++, lead, elements[i], scope, sibling ? &like : nullptr);
    }
    for (size_t i = existing.size(); i-- > elements.size();)
        removeChild(*parent, existing[i]);
    if (parent == &m_channel)
        renewPostIndex();
    return true;
}

// Declares on rss each namespace the element's names need that `scope`
// does not hold. True when one was declared.
bool CRssFeed::declareNamespacesOf(const FeedElement &element, const CFeedNamespaces &scope)
{
    bool declared = false;
    const qsizetype colon = element.name.indexOf(u':');
    const QString uri = colon < 0 ? QString() : CFeedVocabulary::namespaceOf(element.name.left(colon));
    if (!uri.isEmpty() && !scope.declares(uri))
        declared = DeclareNamespace(element.name.left(colon), uri); // nothing when an earlier one declared it
    for (const FeedElement &child : element.children)
        declared |= declareNamespacesOf(child, scope);
    return declared;
}

// How a child of `parent` whose line begins with `lead` is laid out, with
// empty-element tags closed as in `like` (" />" or "/>").
CFeedElementXml::Style CRssFeed::elementStyle(const FeedNode &parent, const QString &lead, const FeedNode *like) const
{
    const FeedEncoding &encoding = *m_encoding;
    CFeedElementXml::Style style;
    style.indent = lead;
    style.step = indentStep(lead, decoded(parent.buffer, parent.leadBegin, parent.begin));
    if (like && decoded(like->buffer, like->begin, like->end).contains(QLatin1String(" />")))
        style.emptyTagEnd = QStringLiteral(" />");
    style.canEncode = [&encoding](char32_t c) { return encoding.canEncode(c); };
    return style;
}

// Writes the element whole where `node` stands, keeping its lead, its
// prefix and its own namespace declarations. Only the text changed: the
// tags stay as written.
void CRssFeed::rewriteElement(FeedNode &node, const FeedElement &element, const FeedNode &parent, const CFeedNamespaces &scope)
{
    const QString startTag = decoded(node.buffer, node.begin, node.contentBegin);
    FeedElement old;
    CFeedNamespaces own = scope;
    own.declareFrom(startTag);
    if (CFeedElementXml::read(decoded(node.buffer, node.begin, node.end), scope, &old) && old.children.empty()
        && element.children.empty() && old.attributes == element.attributes && !element.text.isEmpty()
        && FeedValue::isText(content(node))) {
        replaceContent(node, element.text);
        return;
    }
    CFeedElementXml::Style style = elementStyle(parent, lineLead(decoded(node.buffer, node.leadBegin, node.begin)), &node);
    const QString written = QString::fromUtf8(m_names[node.name]);
    style.prefix = written.left(qMax<qsizetype>(written.indexOf(u':'), 0));
    style.declarations = CFeedNamespaces::declarationsIn(startTag);
    style.oldContent = content(node);
    // Children go where the old ones stood, however far that is from the
    // element's own line.
    const QString first = lineLead(leadingSpace(style.oldContent));
    const QString close = lineLead(trailingSpace(style.oldContent));
    if (!old.children.empty() && close.contains(u'\n') && first.size() > close.size() && first.startsWith(close)) {
        style.indent = close;
        style.step = first.mid(close.size());
    }
    const CFeedElementXml::Parts parts = CFeedElementXml::write(element, own, style);
    NodeWriter writer(this);
    FeedNode rewritten;
    rewritten.name = nameId(own.writtenName(element.name, style.prefix).toUtf8());
    writer.begin(rewritten, m_buffers.range(node.buffer, node.leadBegin, node.begin), writer.tag(parts.startTag));
    writer.append(parts.content);
    writer.end(rewritten, QString(), writer.tag(parts.endTag));
    writer.finish();
    node = std::move(rewritten);
}

void CRssFeed::addElement(FeedNode &parent, size_t position, const QString &lead, const FeedElement &element,
                          const CFeedNamespaces &scope, const FeedNode *sibling)
{
    const CFeedElementXml::Parts parts = CFeedElementXml::write(element, scope, elementStyle(parent, lead, sibling));
    NodeWriter writer(this);
    FeedNode added;
    added.name = nameId(scope.writtenName(element.name).toUtf8());
    writer.begin(added, writer.tag(lead), writer.tag(parts.startTag));
    writer.append(parts.content);
    writer.end(added, QString(), writer.tag(parts.endTag));
    writer.finish();
    parent.children.insert(parent.children.begin() + qsizetype(position), std::move(added));
}

bool CRssFeed::HasNamespace(const QString &uri) const
{
    return m_hasChannel && readHead().namespaces.declares(uri);
}

// The rss start tag is part of the channel's node (everything before the
// channel's children is), so the node's head and tail are copied into a
// buffer of their own with the declaration added.
bool CRssFeed::DeclareNamespace(const QString &prefix, const QString &uri)
{
    if (!m_hasChannel)
        return false;
    const Head head = readHead();
    if (head.rssBegin < 0 || head.namespaces.declares(uri))
        return false;
    QString name = prefix;
    for (int n = 2; head.namespaces.isBound(name); ++n)
        name = prefix + QString::number(n);
    const QString startTag = withAttribute(decoded(m_channel.buffer, head.rssBegin, head.rssEnd),
                                           QStringLiteral("xmlns:") + name + QStringLiteral("=\"")
                                                   + CFeedElementXml::attributeText(uri, [this](char32_t c) { return m_encoding->canEncode(c); }) + QLatin1Char('"'));

    FeedNode &channel = m_channel;
    QByteArray bytes = m_buffers.range(m_channel.buffer, channel.leadBegin, head.rssBegin) + m_encoding->encode(startTag);
    const qsizetype shift = bytes.size() - head.rssEnd;
    bytes += m_buffers.range(m_channel.buffer, head.rssEnd, channel.contentBegin);
    const qsizetype tail = bytes.size();
    bytes += m_buffers.range(m_channel.buffer, channel.tailBegin, channel.end);
    if (bytes.size() > std::numeric_limits<qint32>::max())
        return false;
    channel.begin = qint32(channel.begin + shift);
    channel.contentBegin = qint32(channel.contentBegin + shift);
    channel.contentEnd = qint32(tail + channel.contentEnd - channel.tailBegin);
    channel.tailBegin = qint32(tail);
    channel.end = qint32(bytes.size());
    channel.leadBegin = 0;
    channel.buffer = m_buffers.add(std::move(bytes));
    return true;
}

// --- CRssFeed: text helpers ---

QString CRssFeed::NewGuidText()
{
    return QUuid::createUuid().toString(QUuid::Id128);
}

QString CRssFeed::StripTags(const QString &text)
{
    // Each pass removes the first "<" and the first ">" after it with all
    // between; text before that "<" holds no "<", so one scan does it.
    QString result;
    qsizetype pos = 0;
    for (;;) {
        const qsizetype open = text.indexOf(QLatin1Char('<'), pos);
        const qsizetype close = open < 0 ? -1 : text.indexOf(QLatin1Char('>'), open + 1);
        if (close < 0)
            break;
        result += QStringView(text).mid(pos, open - pos);
        pos = close + 1;
    }
    result += QStringView(text).mid(pos);
    return result;
}

QString CRssFeed::DecodeBasicEntities(const QString &text)
{
    QString result = text;
    result.replace(QStringLiteral("&nbsp;"), QStringLiteral(" "));
    result.replace(QStringLiteral("&laquo;"), QStringLiteral("\""));
    result.replace(QStringLiteral("&raquo;"), QStringLiteral("\""));
    result.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    result.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    return result;
}

QString CRssFeed::GeneratorText()
{
    QString text = QStringLiteral("Tidrel");
    const QString version = ProductVersionText();
    if (!version.isEmpty())
        text += QLatin1Char(' ') + version;
    return text;
}

QString CRssFeed::ProductVersionText()
{
    return QString::fromUtf8(ProductInfo::kVersion)
            .replace(QLatin1Char(','), QLatin1Char('.'))
            .remove(QLatin1Char(' '));
}
