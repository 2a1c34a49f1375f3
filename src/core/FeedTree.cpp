#include "core/FeedTree.h"

#include "core/ExpatFileBuffer.h"
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

CFeedTree::Children::Iterator &CFeedTree::Children::Iterator::operator++()
{
    m_node = m_node->next;
    return *this;
}

void CFeedTree::Children::append(Node *child)
{
    (m_last ? m_last->next : m_first) = child;
    m_last = child;
    if (m_lastRun && m_lastRun->name == child->name)
        return;
    if (m_lastRun)
        m_lastRun->nextRun = child;
    m_lastRun = child;
}

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

namespace {

template<typename Name>
CFeedTree::Node *firstChildNamed(const CFeedTree::Children &children, const Name &childName)
{
    for (CFeedTree::Node *run = children.firstRun(); run; run = run->nextRun) {
        if (run->name == childName)
            return run;
    }
    return nullptr;
}

} // namespace

CFeedTree::Node *CFeedTree::Node::child(const QString &childName) const
{
    return firstChildNamed(children, childName);
}

CFeedTree::Node *CFeedTree::Node::child(QLatin1String childName) const
{
    return firstChildNamed(children, childName);
}

std::vector<CFeedTree::Node *> CFeedTree::Node::childrenNamed(const QString &childName) const
{
    std::vector<Node *> found;
    for (Node *run = children.firstRun(); run; run = run->nextRun) {
        if (run->name != childName)
            continue;
        for (Node *node = run; node != run->nextRun; node = node->next)
            found.push_back(node);
    }
    return found;
}

// Builds the nodes from the parser's events, keeping the namespace
// declarations in scope.
class CFeedTree::Builder : public FeedParser
{
public:
    Builder(NodeStore &nodes, std::vector<QString> &names, std::vector<Declaration> &declarations, Listener *listener)
        : m_nodes(nodes), m_names(names), m_declarations(declarations), m_listener(listener)
    {
    }

protected:
    void startElement(const char *qname, const char **attributes, qsizetype begin, qsizetype end) override
    {
        Node *parent = m_open.empty() ? nullptr : m_open.back().first;
        Node &node = m_nodes.add();
        node.parent = parent;
        node.begin = begin;
        node.contentBegin = end;

        // Most elements declare nothing and share the scope they are in.
        bool declares = false;
        for (const char **attribute = attributes; *attribute; attribute += 2) {
            const QString name = FeedEncoding::fromUtf8(attribute[0]);
            const QString value = FeedEncoding::fromUtf8(attribute[1]);
            if (name == QLatin1String("xmlns") || name.startsWith(QLatin1String("xmlns:"))) {
                if (!declares)
                    m_scopes.push_back(m_scopes.empty() ? Scope() : m_scopes.back());
                declares = true;
                // "xmlns" declares the default namespace, the empty prefix.
                const QString prefix = name == QLatin1String("xmlns") ? QString() : name.mid(6);
                m_scopes.back().prefixes.insert(prefix, value);
                m_scopes.back().generation = ++m_generations;
                m_declarations.push_back({&node, prefix, value});
            }
            node.attributes.append({name, value});
        }
        static const Scope kNone;
        resolve(qname, m_scopes.empty() ? kNone : m_scopes.back(), &node);

        if (parent) {
            parent->children.append(&node);
            node.post = parent->post;
            // A live item counts with a prefix only, as in the feed (CRssFeed).
            if ((node.name == QLatin1String("item") || (node.name == QLatin1String("podcast:liveItem") && std::strchr(qname, ':')))
                && parent->name == QLatin1String("channel") && parent->parent
                && !parent->parent->parent)
                node.post = m_posts++;
        }
        if (declares)
            markDeclaresInside(node);
        m_open.push_back({&node, declares});
    }

    void endElement(qsizetype begin, qsizetype end) override
    {
        const auto [node, declared] = m_open.back();
        node->contentEnd = begin;
        node->end = end;
        m_open.pop_back();
        if (declared)
            m_scopes.pop_back();
        if (m_listener)
            m_listener->elementClosed(*node);
    }

private:
    // The post an element with a declaration is inside keeps its elements.
    static void markDeclaresInside(const Node &node)
    {
        if (node.post < 0)
            return;
        Node *post = node.parent;
        while (post && post->parent && post->parent->post == node.post)
            post = post->parent;
        if (post && post->post == node.post)
            post->declaresInside = true;
    }

    // The namespace declarations in force; each new set has a generation
    // number of its own.
    struct Scope
    {
        QHash<QString, QString> prefixes;
        int generation = 0;
    };

    struct Resolved
    {
        QString name;
        bool namespaced;
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
        const auto known = m_resolved.constFind(QByteArray::fromRawData(qname, qsizetype(std::strlen(qname))));
        if (known != m_resolved.constEnd()) {
            node->name = known->name;
            node->namespaced = known->namespaced;
            node->unboundPrefix = known->unboundPrefix;
            return;
        }
        name(FeedEncoding::fromUtf8(qname), scope.prefixes, node);
        m_names.push_back(node->name);
        node->name = QString::fromRawData(m_names.back().constData(), m_names.back().size());
        m_resolved.insert(QByteArray(qname), {node->name, node->namespaced, node->unboundPrefix});
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
        node->namespaced = true;
        const QString known = CFeedVocabulary::canonicalPrefix(uri);
        if (!known.isEmpty())
            node->name = known + u':' + local;
        else if (CFeedVocabulary::namespaceOf(prefix).isEmpty())
            node->name = qname;
        else // a usual prefix declared for another address: none of its rules apply
            node->name = u'{' + uri + u'}' + local;
    }

    NodeStore &m_nodes;
    std::vector<QString> &m_names;
    std::vector<Declaration> &m_declarations;
    Listener *m_listener;
    std::vector<std::pair<Node *, bool>> m_open; // and whether it declares namespaces
    std::vector<Scope> m_scopes;                 // one for each element that declares namespaces
    int m_generations = 0;
    QHash<QByteArray, Resolved> m_resolved; // by the name as written
    int m_resolvedGeneration = -1;
    int m_posts = 0;
};

CFeedTree::Node &CFeedTree::NodeStore::add()
{
    if (m_spare.empty() && m_anyGivenBack.load(std::memory_order_acquire)) {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_spare.swap(m_givenBack);
        m_anyGivenBack.store(false, std::memory_order_relaxed);
    }
    if (!m_spare.empty()) {
        Node *node = m_spare.back();
        m_spare.pop_back();
        // Cleared here rather than when given back: what it holds was made
        // on this thread, and is freed quicker here.
        *node = Node();
        return *node;
    }
    if (m_used == kBlock) {
        m_blocks.push_back(std::make_unique<Node[]>(kBlock));
        m_used = 0;
    }
    return m_blocks.back()[m_used++];
}

void CFeedTree::NodeStore::clear()
{
    m_spare.clear();
    m_givenBack.clear();
    m_anyGivenBack = false;
    m_blocks.clear();
    m_used = kBlock;
}

void CFeedTree::NodeStore::giveBack(const std::vector<Node *> &nodes)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_givenBack.insert(m_givenBack.end(), nodes.begin(), nodes.end());
    m_anyGivenBack.store(true, std::memory_order_release);
}

void CFeedTree::releaseContents(const std::vector<const Node *> &posts)
{
    std::vector<Node *> inside;
    std::vector<Node *> open;
    for (const Node *post : posts) {
        if (post->declaresInside)
            continue;
        // The tree owns its elements; listeners see them read-only.
        auto *owned = const_cast<Node *>(post);
        for (Node *child : owned->children)
            open.push_back(child);
        owned->children = Children();
        while (!open.empty()) {
            Node *node = open.back();
            open.pop_back();
            inside.push_back(node);
            for (Node *child : node->children)
                open.push_back(child);
        }
    }
    m_nodes.giveBack(inside);
}

bool CFeedTree::parse(const QByteArray &bytes, QString *error, Listener *listener)
{
    return build(bytes, listener, [&](FeedParser &parser) { return parser.parse(bytes, error); });
}

bool CFeedTree::parse(CExpatFileBuffer &input, QString *error, Listener *listener)
{
    return build(input.bytes(), listener, [&](FeedParser &parser) { return parser.parse(input, error); });
}

bool CFeedTree::build(const QByteArray &bytes, Listener *listener, const std::function<bool(FeedParser &)> &parse)
{
    m_bytes = bytes;
    m_nodes.clear();
    m_names.clear();
    m_declarations.clear();
    if (listener)
        m_encoding = std::make_unique<FeedEncoding>(QByteArray("UTF-8"));
    Builder builder(m_nodes, m_names, m_declarations, listener);
    // The tree is built for a check, which wants speed more than memory.
    builder.setWholeInput(true);
    const bool parsed = parse(builder);
    if (listener)
        listener->parsingStopped();
    m_encoding = std::make_unique<FeedEncoding>(builder.encodingName());
    m_failure = builder.failure();
    m_failureLine = builder.failureLine();
    m_failureColumn = builder.failureColumn();
    if (!parsed) {
        m_nodes.clear();
        m_declarations.clear();
    }
    return parsed;
}

QString CFeedTree::content(const Node &node) const
{
    return m_encoding->decode(m_bytes.constData() + node.contentBegin, node.contentEnd - node.contentBegin);
}

std::string_view CFeedTree::utf8Bytes(const Node &node) const
{
    if (!isUtf8())
        return {};
    return std::string_view(m_bytes.constData() + node.contentBegin, size_t(node.contentEnd - node.contentBegin));
}

QString CFeedTree::text(const Node &node) const
{
    // Most values are plain text in UTF-8, which reads as it stands.
    const std::string_view bytes = utf8Bytes(node);
    const auto special = [](char c) { return c == '&' || c == '<' || c == '\r'; };
    if (bytes.data() && std::none_of(bytes.begin(), bytes.end(), special))
        return FeedEncoding::fromUtf8(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
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
