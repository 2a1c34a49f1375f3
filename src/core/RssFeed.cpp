#include "core/RssFeed.h"

#include "core/FeedElementEditor.h"
#include "core/FeedEncoding.h"
#include "core/FeedLayout.h"
#include "core/FeedNamespaces.h"
#include "core/FeedNodeWriter.h"
#include "core/FeedPosts.h"
#include "core/FeedReader.h"
#include "core/FeedValue.h"
#include "core/FeedVocabulary.h"
#include "core/FeedWriter.h"
#include "core/PackedFileReader.h"
#include "core/ProductInfo.h"
#include "core/PubDate.h"
#include "core/StartTagText.h"
#include "core/XmlSafeText.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QUuid>

#include <algorithm>
#include <limits>

namespace {

// The canonical name of a live item.
const QLatin1String kLiveItem("podcast:liveItem");

// The elements RSS 2.0 requires: clearing their text leaves them empty.
bool isRequired(bool inChannel, const char *name)
{
    if (inChannel)
        return qstrcmp(name, "title") == 0 || qstrcmp(name, "link") == 0 || qstrcmp(name, "description") == 0;
    return qstrcmp(name, "title") == 0 || qstrcmp(name, "description") == 0;
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

// --- CRssFeed: files ---

CRssFeed::CRssFeed()
{
    ClearFeed();
}

CRssFeed::~CRssFeed() = default;
CRssFeed::CRssFeed(CRssFeed &&) noexcept = default;
CRssFeed &CRssFeed::operator=(CRssFeed &&) noexcept = default;

bool CRssFeed::LoadFromFile(const QString &path, QString *error)
{
    ClearFeed();
    CPackedFileReader file;
    if (!file.open(path, error))
        return false;
    CFeedReader reader;
    const bool parsed = reader.read(file, error);
    // A file that could not be read whole says so, not how its parse failed.
    CPackedBytes bytes;
    if (!file.finish(&bytes, error) || !parsed)
        return false;
    adopt(reader, std::move(bytes));
    rememberDiskState(path);
    return true;
}

bool CRssFeed::loadBytes(CPackedBytes bytes, QString *error)
{
    ClearFeed();
    CFeedReader reader;
    if (!reader.read(bytes, error))
        return false;
    adopt(reader, std::move(bytes));
    return true;
}

void CRssFeed::adopt(CFeedReader &reader, CPackedBytes bytes)
{
    m_buffers.setFile(std::move(bytes));
    m_encoding = std::make_unique<FeedEncoding>(reader.encodingName);
    m_names = std::move(reader.names);
    m_channel = std::move(reader.channel);
    m_hasChannel = reader.hasChannel;
    m_hasByteOrderMark = reader.hasByteOrderMark;
    renewPostIndex();
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
    const QString text = CFeedLayout::newFeedText({title, link, category, selfLink, description, GeneratorText()});
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

// Typing rewrites a field at every key, and each key's text would stay for
// as long as the feed is open: before an edit's buffer is added, the edit
// buffers nothing points into any more are released, when enough have come
// since the last time. The nodes an edit is writing are in the new buffer;
// the edits keep every other node they hold in the tree until it is added,
// and kept parts and removed posts pin theirs.
int CRssFeed::addBuffer(QByteArray bytes)
{
    if (m_buffers.releaseDue())
        m_buffers.releaseAllBut(usedEditBuffers());
    return m_buffers.add(std::move(bytes));
}

// The edit buffers the tree points into, ascending.
std::vector<int> CRssFeed::usedEditBuffers() const
{
    std::vector<int> used;
    m_channel.appendEditBuffers(&used);
    std::sort(used.begin(), used.end());
    used.erase(std::unique(used.begin(), used.end()), used.end());
    return used;
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
    replaceStartTag(*node, CStartTagText::withAttributeValue(decoded(node->buffer, node->begin, node->contentBegin), name, written));
    return true;
}

// The element's lead, tail, end tag and children stay as they are.
void CRssFeed::replaceStartTag(FeedNode &node, const QString &startTag)
{
    CFeedNodeWriter writer(this);
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
    return node ? *decodedDescription(*node).value : QString();
}

QString CRssFeed::GetPostPlainDescription(int index) const
{
    return DecodeBasicEntities(StripTags(GetPostDescription(index)));
}

// --- CRssFeed: changing posts ---

// Writes the element anew in a buffer of its own: its lead and tags as they
// were, the new value in the form the old one had.
void CRssFeed::replaceContent(FeedNode &node, const QString &value)
{
    openEmptyElement(node);
    const FeedEncoding &encoding = *m_encoding;
    writeContent(node, FeedValue::content(value, content(node), [&encoding](char32_t c) { return encoding.canEncode(c); },
                                          lineEndBefore(node)));
}

void CRssFeed::writeContent(FeedNode &node, const QString &content)
{
    CFeedNodeWriter writer(this);
    FeedNode written = node;
    writer.begin(written, m_buffers.range(node.buffer, node.leadBegin, node.begin),
                 m_buffers.range(node.buffer, node.begin, node.contentBegin));
    writer.append(content);
    writer.end(written, QString(), m_buffers.range(node.buffer, node.contentEnd, node.end));
    writer.finish();
    node = std::move(written);
}

// New line breaks follow the one before the element.
QString CRssFeed::lineEndBefore(const FeedNode &node) const
{
    return decoded(node.buffer, node.leadBegin, node.begin).contains(u"\r\n") ? QStringLiteral("\r\n") : QStringLiteral("\n");
}

const CRssFeed::DecodedDescription &CRssFeed::decodedDescription(const FeedNode &node) const
{
    DecodedDescription &last = m_lastDescription;
    QByteArray bytes = m_buffers.range(node.buffer, node.contentBegin, node.contentEnd);
    if (!last.content || bytes != last.bytes || m_encoding->name() != last.encoding) {
        last.content = m_encoding->decode(bytes.constData(), bytes.size());
        last.bytes = std::move(bytes);
        last.encoding = m_encoding->name();
        last.value.reset();
    }
    if (!last.value)
        last.value = FeedValue::wholeContent(*last.content);
    return last;
}

// As replaceContent, from the decoded description, which then holds the
// new content and value (the content written reads as the value).
void CRssFeed::replaceDescription(FeedNode &node, const QString &value)
{
    openEmptyElement(node);
    const DecodedDescription &old = decodedDescription(node);
    const FeedEncoding &encoding = *m_encoding;
    QString written = FeedValue::content(value, *old.content, *old.value,
                                         [&encoding](char32_t c) { return encoding.canEncode(c); }, lineEndBefore(node));
    writeContent(node, written);
    m_lastDescription.bytes = m_buffers.range(node.buffer, node.contentBegin, node.contentEnd);
    m_lastDescription.content = std::move(written);
    m_lastDescription.value = value;
}

// "<link/>" becomes "<link></link>", so that it can take content.
void CRssFeed::openEmptyElement(FeedNode &node)
{
    if (!node.isEmptyElementTag())
        return;
    QString startTag = decoded(node.buffer, node.begin, node.contentBegin);
    startTag.chop(2); // "/>"
    while (!startTag.isEmpty() && CFeedLayout::isSpace(startTag.back()))
        startTag.chop(1);
    const QString name = QString::fromUtf8(m_names[node.name]);
    CFeedNodeWriter writer(this);
    FeedNode opened = node;
    writer.begin(opened, m_buffers.range(node.buffer, node.leadBegin, node.begin), writer.tag(startTag + QLatin1Char('>')));
    writer.end(opened, QString(), writer.tag(QStringLiteral("</") + name + QLatin1Char('>')));
    writer.finish();
    node = std::move(opened);
}

// Adds an empty field element to the item where a new post has it, with
// the lead of the sibling it joins.
FeedNode *CRssFeed::insertField(FeedNode *item, const char *name)
{
    openEmptyElement(*item);
    const FeedNode *sibling = nullptr;
    const size_t position = CFeedLayout(*this).newFieldPosition(*item, name, &sibling);
    const QString lead = CFeedLayout(*this).newChildLead(*item, sibling);

    const QString tagName = QLatin1String(name);
    CFeedNodeWriter writer(this);
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
    if (*decodedDescription(*node).value != value)
        replaceDescription(*node, value);
    return true;
}

bool CRssFeed::AddNewPost()
{
    return m_hasChannel && CFeedPosts(*this).addNewPost();
}

bool CRssFeed::AddNewLiveItem(const QDateTime &start, const QDateTime &end)
{
    if (!m_hasChannel)
        return false;
    DeclareNamespace(QStringLiteral("podcast"), CFeedVocabulary::podcastNamespace());
    const QString name = readHead().namespaces.writtenName(kLiveItem);
    return !name.isEmpty() && CFeedPosts(*this).addNewLiveItem(name, start, end);
}

bool CRssFeed::CopyPostToTop(int index)
{
    return CFeedPosts(*this).copyToTop(index);
}

bool CRssFeed::MovePostToTop(int index)
{
    return CFeedPosts(*this).moveToTop(index);
}

// Cuts the node's lead down to its line break and indentation and returns
// the rest as a node of text only.
FeedNode CRssFeed::splitLead(FeedNode &node) const
{
    const QString lead = decoded(node.buffer, node.leadBegin, node.begin);
    const qsizetype kept = node.begin - m_encoding->encode(CFeedLayout::lineLead(lead)).size();
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
    return CFeedPosts(*this).take(index);
}

int CRssFeed::PutBackPost(CRemovedPost removed)
{
    return CFeedPosts(*this).putBack(std::move(removed));
}

bool CRssFeed::PutPostAtTop(CRemovedPost post)
{
    return m_hasChannel && CFeedPosts(*this).insertAtTop(std::move(post.item));
}

// --- CRssFeed: undo ---

CFeedPart CRssFeed::SavePost(int index) const
{
    return CFeedPart::ofPost(*this, index);
}

// A post put at the top may split the lead of the first post (see
// CFeedPosts::insertAtTop), so the first post is kept with the place.
CFeedPart CRssFeed::SavePlaceAtTop() const
{
    return SavePost(0);
}

CFeedPart CRssFeed::SaveHeader() const
{
    return CFeedPart::ofHeader(*this);
}

bool CRssFeed::SwapPart(CFeedPart &part)
{
    return m_hasChannel && part.swapWith(*this);
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

std::vector<FeedElement> CRssFeed::GetChannelElements(const QString &name) const
{
    return CFeedElementEditor::elementsOf(*this, m_hasChannel ? &m_channel : nullptr, name);
}

std::vector<FeedElement> CRssFeed::GetPostElements(int index, const QString &name) const
{
    return CFeedElementEditor::elementsOf(*this, post(index), name);
}

std::vector<std::pair<QString, QString>> CRssFeed::GetOtherChannelElements() const
{
    return CFeedElementEditor::otherElementsOf(*this, m_hasChannel ? &m_channel : nullptr, CFeedVocabulary::channelElements());
}

std::vector<std::pair<QString, QString>> CRssFeed::GetOtherPostElements(int index) const
{
    return CFeedElementEditor::otherElementsOf(*this, post(index), CFeedVocabulary::postElements());
}

bool CRssFeed::SetChannelElements(const QString &name, const std::vector<FeedElement> &elements)
{
    // The posts are not elements of the channel to be replaced so.
    if (!m_hasChannel || name == QLatin1String("item") || name == kLiveItem)
        return false;
    return CFeedElementEditor(*this).setElements(&m_channel, name, elements);
}

bool CRssFeed::SetPostElements(int index, const QString &name, const std::vector<FeedElement> &elements)
{
    return CFeedElementEditor(*this).setElements(post(index), name, elements);
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
    const QString startTag = CStartTagText::withAttribute(decoded(m_channel.buffer, head.rssBegin, head.rssEnd),
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
    channel.buffer = addBuffer(std::move(bytes));
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
