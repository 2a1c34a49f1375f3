#include "core/FeedTree.h"

#include "core/FeedValue.h"
#include "core/FeedVocabulary.h"

#include <QHash>

#include <algorithm>
#include <cstring>

namespace {

// Namespaces some feeds give RSS 2.0's own elements; they read as none.
bool isRssNamespace(const QString &uri)
{
    return uri == QLatin1String("http://backend.userland.com/rss2")
            || uri == QLatin1String("http://blogs.law.harvard.edu/tech/rss");
}

// Whether the text is white space, comments and processing instructions only.
bool isBlankMarkup(QStringView text)
{
    qsizetype pos = 0;
    while (pos < text.size()) {
        if (text[pos].isSpace()) {
            ++pos;
            continue;
        }
        const QStringView rest = text.mid(pos);
        const bool comment = rest.startsWith(u"<!--");
        if (!comment && !rest.startsWith(u"<?"))
            return false;
        const qsizetype close = text.indexOf(comment ? u"-->" : u"?>", pos);
        if (close < 0)
            return false;
        pos = close + (comment ? 3 : 2);
    }
    return true;
}

} // namespace

bool CFeedTree::Node::hasAttribute(const QString &attributeName) const
{
    for (const auto &[name, value] : attributes) {
        if (name == attributeName)
            return true;
    }
    return false;
}

QString CFeedTree::Node::attribute(const QString &attributeName) const
{
    for (const auto &[name, value] : attributes) {
        if (name == attributeName)
            return value;
    }
    return QString();
}

CFeedTree::Node *CFeedTree::Node::child(const QString &childName) const
{
    for (Node *node : children) {
        if (node->name == childName)
            return node;
    }
    return nullptr;
}

std::vector<CFeedTree::Node *> CFeedTree::Node::childrenNamed(const QString &childName) const
{
    std::vector<Node *> found;
    for (Node *node : children) {
        if (node->name == childName)
            found.push_back(node);
    }
    return found;
}

// Builds the nodes from the parser's events, keeping the namespace
// declarations in scope.
class CFeedTree::Builder : public FeedParser
{
public:
    explicit Builder(std::deque<Node> &nodes) : m_nodes(nodes) {}

protected:
    void startElement(const char *qname, const char **attributes, qsizetype begin, qsizetype end) override
    {
        Node *parent = m_open.empty() ? nullptr : m_open.back();
        m_nodes.emplace_back();
        Node &node = m_nodes.back();
        node.parent = parent;
        node.begin = begin;
        node.contentBegin = end;

        Scope scope = m_scopes.empty() ? Scope() : m_scopes.back();
        for (const char **attribute = attributes; *attribute; attribute += 2) {
            const QString name = FeedEncoding::fromUtf8(attribute[0]);
            const QString value = FeedEncoding::fromUtf8(attribute[1]);
            if (name == QLatin1String("xmlns") || name.startsWith(QLatin1String("xmlns:"))) {
                // "xmlns" declares the default namespace, the empty prefix.
                scope.prefixes.insert(name == QLatin1String("xmlns") ? QString() : name.mid(6), value);
                scope.generation = ++m_generations;
            }
            node.attributes.append({name, value});
        }
        m_scopes.push_back(scope);
        resolve(qname, scope, &node);

        if (parent) {
            parent->children.push_back(&node);
            node.post = parent->post;
            // A live item counts with a prefix only, as in the feed (CRssFeed).
            if ((node.name == QLatin1String("item") || (node.name == QLatin1String("podcast:liveItem") && std::strchr(qname, ':')))
                && parent->name == QLatin1String("channel") && parent->parent
                && !parent->parent->parent)
                node.post = m_posts++;
        }
        m_open.push_back(&node);
    }

    void endElement(qsizetype begin, qsizetype end) override
    {
        Node *node = m_open.back();
        node->contentEnd = begin;
        node->end = end;
        m_open.pop_back();
        m_scopes.pop_back();
    }

private:
    // The namespace declarations in force; each new set has a generation
    // number of its own.
    struct Scope
    {
        QHash<QString, QString> prefixes;
        int generation = 0;
    };

    struct Resolved
    {
        QByteArray qname;
        QString name;
        QString uri;
        bool unboundPrefix;
    };

    // Names repeat through a feed: each is worked out once per set of
    // declarations.
    void resolve(const char *qname, const Scope &scope, Node *node)
    {
        if (scope.generation != m_resolvedGeneration) {
            m_resolved.clear();
            m_resolvedGeneration = scope.generation;
        }
        for (const Resolved &known : m_resolved) {
            if (known.qname == qname) {
                node->name = known.name;
                node->uri = known.uri;
                node->unboundPrefix = known.unboundPrefix;
                return;
            }
        }
        name(FeedEncoding::fromUtf8(qname), scope.prefixes, node);
        m_resolved.push_back({QByteArray(qname), node->name, node->uri, node->unboundPrefix});
    }

    static void name(const QString &qname, const QHash<QString, QString> &scope, Node *node)
    {
        const qsizetype colon = qname.indexOf(u':');
        const QString prefix = colon < 0 ? QString() : qname.left(colon);
        const QString local = qname.mid(colon + 1);
        if (colon >= 0 && !scope.contains(prefix)) {
            node->unboundPrefix = true;
            node->name = qname;
            return;
        }
        const QString uri = scope.value(prefix);
        if (uri.isEmpty() || isRssNamespace(uri)) {
            node->name = local;
            return;
        }
        node->uri = uri;
        const QString known = CFeedVocabulary::canonicalPrefix(uri);
        node->name = known.isEmpty() ? qname : known + u':' + local;
    }

    std::deque<Node> &m_nodes;
    std::vector<Node *> m_open;
    std::vector<Scope> m_scopes;
    int m_generations = 0;
    std::vector<Resolved> m_resolved;
    int m_resolvedGeneration = -1;
    int m_posts = 0;
};

bool CFeedTree::parse(const QByteArray &bytes, QString *error)
{
    m_bytes = bytes;
    m_nodes.clear();
    Builder builder(m_nodes);
    const bool parsed = builder.parse(bytes, error);
    m_encoding = std::make_unique<FeedEncoding>(builder.encodingName());
    m_failure = builder.failure();
    m_failureLine = builder.failureLine();
    m_failureColumn = builder.failureColumn();
    if (!parsed)
        m_nodes.clear();
    return parsed;
}

QString CFeedTree::content(const Node &node) const
{
    return m_encoding->decode(m_bytes.constData() + node.contentBegin, node.contentEnd - node.contentBegin);
}

QString CFeedTree::text(const Node &node) const
{
    return FeedValue::text(content(node));
}

std::pair<int, int> CFeedTree::Positions::at(qsizetype offset)
{
    const QByteArray &bytes = m_tree.m_bytes;
    offset = qBound(m_pos, offset, bytes.size());
    // Line ends are found in the bytes; the UTF-16 forms of LF hold a
    // zero byte beside it.
    const bool wide = m_tree.m_encoding->name().startsWith("UTF-16");
    qsizetype lineStart = -1;
    for (qsizetype at = m_pos; at < offset; ++at) {
        const char *found = static_cast<const char *>(std::memchr(bytes.constData() + at, '\n', size_t(offset - at)));
        if (!found)
            break;
        at = found - bytes.constData();
        if (wide && (at % 2 != 0) == m_tree.m_encoding->name().endsWith("LE"))
            continue;
        ++m_line;
        lineStart = at + (wide && m_tree.m_encoding->name().endsWith("BE") ? 1 : wide ? 2 : 1);
        at = lineStart - 1;
    }
    qsizetype from = m_pos;
    if (lineStart >= 0) {
        m_column = 1;
        from = lineStart;
    }
    if (m_tree.m_encoding->isUtf8()) {
        for (qsizetype at = from; at < offset; ++at)
            m_column += (static_cast<unsigned char>(bytes[at]) & 0xC0) != 0x80;
    } else {
        m_column += int(m_tree.m_encoding->decode(bytes.constData() + from, offset - from).size());
    }
    m_pos = offset;
    return {m_line, m_column};
}

bool CFeedTree::hasTextBetweenChildren(const Node &node) const
{
    qsizetype from = node.contentBegin;
    const auto gapIsBlank = [&](qsizetype to) {
        // Most gaps are a line end and an indent: no need to decode those.
        const auto space = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
        if (std::all_of(m_bytes.constData() + from, m_bytes.constData() + to, space))
            return true;
        return isBlankMarkup(m_encoding->decode(m_bytes.constData() + from, to - from));
    };
    for (const Node *child : node.children) {
        if (!gapIsBlank(child->begin))
            return true;
        from = child->end;
    }
    return !gapIsBlank(node.contentEnd);
}
