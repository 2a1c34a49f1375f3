#include "core/FeedReader.h"

#include "core/FeedEncoding.h"
#include "core/FeedFileKind.h"
#include "core/FeedParser.h"
#include "core/PackedBytes.h"
#include "core/PackedFileReader.h"

#include <QCoreApplication>
#include <QHash>

#include <cstring>
#include <limits>
#include <string>

namespace {

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

// Finds, while expat reads the file, the channel of the rss root, its
// children and the children of its items. Keeps no text: the feed keeps the
// file's bytes, and these offsets into them.
class NodeBuilder : public FeedParser
{
public:
    FeedNode channel;
    bool hasChannel = false;
    QList<QByteArray> names;
    QByteArray rootName;
    QByteArray rootNamespace;
    bool rootHoldsChannel = false;

protected:
    void startElement(const char *name, const char **attributes, qsizetype begin, qsizetype end) override
    {
        ++m_depth;
        if (m_depth == 1) {
            rootName = name;
            readRootNamespace(attributes);
            m_inRss = rootName == "rss";
        } else if (m_depth == 2 && std::strcmp(name, "channel") == 0) {
            rootHoldsChannel = true;
            if (m_inRss && !hasChannel) {
                hasChannel = m_inChannel = true;
                channel.begin = begin;
                channel.contentBegin = channel.tailBegin = m_lastEnd = end;
            }
        } else if (m_depth == 3 && m_inChannel) {
            channel.children.push_back(startNode(name, m_lastEnd, begin, end));
            m_inItem = isPostName(name);
            m_lastChildEnd = end;
        } else if (m_depth == 4 && m_inItem) {
            m_itemChildren.push_back(startNode(name, m_lastChildEnd, begin, end));
        }
    }

    void endElement(qsizetype begin, qsizetype end) override
    {
        if (m_depth == 4 && m_inItem) {
            endNode(m_itemChildren.back(), begin, end);
            m_lastChildEnd = end;
        } else if (m_depth == 3 && m_inChannel) {
            FeedNode &node = channel.children.back();
            if (m_inItem) {
                node.tailBegin = m_lastChildEnd;
                // Exactly as many as there are: a large feed's posts hold
                // most of its nodes, and growing each list by push_back
                // leaves room for one more.
                node.children.assign(m_itemChildren.begin(), m_itemChildren.end());
                m_itemChildren.clear();
            }
            endNode(node, begin, end);
            m_lastEnd = end;
            m_inItem = false;
        } else if (m_depth == 2 && m_inChannel) {
            // "<channel/>" has no room for posts: such a feed has none.
            hasChannel = begin != end;
            channel.tailBegin = m_lastEnd;
            channel.contentEnd = begin;
            m_inChannel = false;
        }
        --m_depth;
    }

private:
    // An item, or a live item (podcast:liveItem, whatever its prefix; the
    // feed decides by namespace which of them are posts): their children
    // are kept as nodes, the fields of a post.
    static bool isPostName(const char *name)
    {
        const char *colon = std::strrchr(name, ':');
        return std::strcmp(name, "item") == 0 || (colon && std::strcmp(colon + 1, "liveItem") == 0);
    }

    void readRootNamespace(const char **attributes)
    {
        const QByteArray name = rootName;
        const qsizetype colon = name.indexOf(':');
        const QByteArray wanted = colon < 0 ? QByteArray("xmlns") : "xmlns:" + name.left(colon);
        for (const char **attribute = attributes; *attribute; attribute += 2) {
            if (wanted == attribute[0])
                rootNamespace = attribute[1];
        }
    }

    FeedNode startNode(const char *name, qsizetype leadBegin, qsizetype begin, qsizetype end)
    {
        FeedNode node;
        node.name = nameId(name);
        node.leadBegin = leadBegin;
        node.begin = begin;
        node.contentBegin = node.tailBegin = end;
        return node;
    }

    static void endNode(FeedNode &node, qsizetype begin, qsizetype end)
    {
        node.contentEnd = begin;
        node.end = end;
    }

    int nameId(const char *name)
    {
        const QByteArray key = QByteArray::fromRawData(name, qsizetype(std::strlen(name)));
        const auto found = m_ids.constFind(key);
        if (found != m_ids.constEnd())
            return *found;
        names.append(QByteArray(name));
        m_ids.insert(names.last(), int(names.size() - 1));
        return int(names.size() - 1);
    }

    QHash<QByteArray, int> m_ids;
    std::vector<FeedNode> m_itemChildren; // of the item being read
    int m_depth = 0;
    bool m_inRss = false;
    bool m_inChannel = false;
    bool m_inItem = false;
    qsizetype m_lastEnd = 0;
    qsizetype m_lastChildEnd = 0;
};

// Reads the start of a feed file up to the channel's start tag: where the
// rss start tag stands, and the namespaces the rss element and the channel
// declare. Another element before the channel declares nothing for it.
class HeadReader : public FeedParser
{
public:
    qsizetype rssBegin = -1;
    qsizetype rssEnd = -1;
    std::vector<std::pair<QString, QString>> rssDeclarations;
    std::vector<std::pair<QString, QString>> channelDeclarations;

protected:
    void startElement(const char *name, const char **attributes, qsizetype begin, qsizetype end) override
    {
        ++m_depth;
        if (m_depth == 1) {
            rssBegin = begin;
            rssEnd = end;
            rssDeclarations = declarations(attributes);
        } else if (m_depth == 2 && std::strcmp(name, "channel") == 0) {
            channelDeclarations = declarations(attributes);
        }
    }

    void endElement(qsizetype, qsizetype) override
    {
        if (m_depth == 2)
            channelDeclarations.clear();
        --m_depth;
    }

private:
    static std::vector<std::pair<QString, QString>> declarations(const char **attributes)
    {
        std::vector<std::pair<QString, QString>> found;
        for (const char **attribute = attributes; *attribute; attribute += 2) {
            const QByteArray name = attribute[0];
            if (name == "xmlns" || name.startsWith("xmlns:"))
                found.emplace_back(QString::fromUtf8(name.mid(6)), FeedEncoding::fromUtf8(attribute[1]));
        }
        return found;
    }

    int m_depth = 0;
};

} // namespace

bool CFeedReader::read(const CPackedBytes &bytes, QString *error)
{
    return readBytes(bytes, error);
}

bool CFeedReader::read(const CPackedFileReader &bytes, QString *error)
{
    return readBytes(bytes, error);
}

template<typename Bytes>
bool CFeedReader::readBytes(const Bytes &bytes, QString *error)
{
    if (bytes.isEmpty()) {
        setError(error, QCoreApplication::translate("FeedReader", "The file is empty."));
        return false;
    }
    // The sniffing reads single bytes; UTF-16 files go straight to the root check.
    const bool utf16 = bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")
            || (bytes.size() > 1 && (bytes.at(0) == 0) != (bytes.at(1) == 0));
    const std::string head = bytes.mid(0, 4096).toStdString();
    if (!utf16 && (!FeedFileKind::checkIsText(head, error) || !FeedFileKind::checkPrologue(head, error)))
        return false;
    NodeBuilder builder;
    if (!builder.parse(bytes, error)
        || !FeedFileKind::checkRootElement(builder.rootName, builder.rootNamespace, builder.rootHoldsChannel, error))
        return false;

    channel = std::move(builder.channel);
    channel.leadBegin = 0;
    channel.end = qint32(bytes.size());
    hasChannel = builder.hasChannel;
    names = std::move(builder.names);
    encodingName = builder.encodingName();
    hasByteOrderMark = bytes.startsWith("\xEF\xBB\xBF") || bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
    return true;
}

CFeedReader::Head CFeedReader::readHead(const QByteArray &bytes)
{
    HeadReader reader;
    reader.parse(bytes, nullptr); // ends in the channel's start tag, so never well-formed
    Head head;
    head.rssBegin = reader.rssBegin;
    head.rssEnd = reader.rssEnd;
    head.declarations = std::move(reader.rssDeclarations);
    head.declarations.insert(head.declarations.end(), reader.channelDeclarations.begin(), reader.channelDeclarations.end());
    return head;
}
