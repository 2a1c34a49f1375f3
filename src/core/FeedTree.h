#pragma once

#include "core/FeedEncoding.h"
#include "core/FeedParser.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

class CExpatFileBuffer;

// A read-only tree of a feed file's elements, for checking it: names with
// their namespaces resolved, attributes, where each element stands in the
// bytes. Element text, lines and columns are worked out only when asked
// for, so a large feed costs little more than the parse.
class CFeedTree
{
public:
    struct Node;

    // An element's children in file order, linked through each child's
    // `next`: a feed has tens of thousands of elements, and a list of its
    // own for each would cost more allocations than the rest of the tree.
    // Children of one name in a row make a run, whose first links to the
    // next run's first: a look-up by name passes a channel's hundred
    // thousand items in one step.
    class Children
    {
    public:
        class Iterator
        {
        public:
            explicit Iterator(Node *node) : m_node(node) {}
            Node *operator*() const { return m_node; }
            Iterator &operator++();
            bool operator!=(const Iterator &other) const { return m_node != other.m_node; }

        private:
            Node *m_node;
        };

        Iterator begin() const { return Iterator(m_first); }
        Iterator end() const { return Iterator(nullptr); }
        bool empty() const { return !m_first; }
        // The first child of each run, in file order.
        Node *firstRun() const { return m_first; }
        void append(Node *child);

    private:
        Node *m_first = nullptr;
        Node *m_last = nullptr;
        Node *m_lastRun = nullptr;
    };

    struct Node
    {
        // The element's name with the usual prefix of a namespace the
        // checker knows ("itunes:duration" whatever prefix the file uses),
        // as written otherwise; RSS's own elements have no prefix. Its
        // characters are the tree's, valid while the tree lives: elements
        // of one name share them without counting their references, which
        // the parse and the thread that checks posts would otherwise both
        // count at every element.
        QString name;
        bool namespaced = false;  // in a namespace other than RSS's own
        bool unboundPrefix = false;
        bool declaresInside = false; // a post with a namespace declared inside it
        int post = -1;            // the index of the post (item or live item) it is in, or -1
        QList<std::pair<QString, QString>> attributes; // as written, values decoded
        qsizetype begin = 0;      // the start tag
        qsizetype contentBegin = 0;
        qsizetype contentEnd = 0;
        qsizetype end = 0;        // past the end tag
        Node *parent = nullptr;
        Children children;
        Node *next = nullptr;     // the next of the parent's children
        // On the first of a run of children of one name: the first child
        // after the run; null for the last run.
        Node *nextRun = nullptr;

        bool hasAttribute(const QString &attributeName) const;
        QString attribute(const QString &attributeName) const;
        // The first child of that name, or null.
        Node *child(const QString &childName) const;
        Node *child(QLatin1String childName) const;
        std::vector<Node *> childrenNamed(const QString &childName) const;
    };

    // Hears of each element as soon as its end tag is read, while the parse
    // reads on: a checker works on what is complete meanwhile. An element
    // once closed does not change; those still open do.
    class Listener
    {
    public:
        virtual ~Listener() = default;
        virtual void elementClosed(const Node &node) = 0;
        // The parse has stopped, at the end or at a fault. Nothing may read
        // the tree's elements on another thread after this returns: a
        // failed parse clears them.
        virtual void parsingStopped() = 0;
    };

    // False when the bytes are not well-formed XML; failure() tells why.
    // With a listener, the text is read as UTF-8 while the parse runs: give
    // one only for a file in UTF-8.
    bool parse(const QByteArray &bytes, QString *error, Listener *listener = nullptr);
    // The same for a file in expat's buffer, read there without a copy of
    // its own: the tree reads its bytes while `input` lives.
    bool parse(CExpatFileBuffer &input, QString *error, Listener *listener = nullptr);
    FeedParser::Failure failure() const { return m_failure; }
    int failureLine() const { return m_failureLine; }
    int failureColumn() const { return m_failureColumn; }

    // Whether the text is UTF-8, which decodes without shared state.
    bool isUtf8() const { return m_encoding && m_encoding->isUtf8(); }

    // A namespace declaration (xmlns, xmlns:prefix) and the element it is on.
    struct Declaration
    {
        const Node *node;
        QString prefix; // empty for the default namespace
        QString uri;
    };
    const std::vector<Declaration> &declarations() const { return m_declarations; }

    // Gives the elements inside these posts back to the parse, which makes
    // the next posts' of them: a listener done with posts calls it, on its
    // own thread, so that a large feed holds the elements of a few posts at
    // a time. The posts stay, empty; one with a namespace declared inside
    // keeps its elements, as the declaration names its element.
    void releaseContents(const std::vector<const Node *> &posts);

    // The top element; null before a successful parse.
    const Node *root() const { return m_nodes.first(); }

    // The element's content as it stands in the file: decoded to UTF-16,
    // references and CDATA sections as written.
    QString content(const Node &node) const;
    // The content's bytes as they stand when the file is in UTF-8; a null
    // view otherwise.
    std::string_view utf8Bytes(const Node &node) const;
    // The character data: references decoded, CDATA unwrapped.
    QString text(const Node &node) const;
    // Text directly inside an element that holds elements, such as "x" in
    // <image>x<url>...</url></image>; comments are not text.
    bool hasTextBetweenChildren(const Node &node) const;

    // Lines and columns (1-based, columns in characters) of byte offsets,
    // asked for in increasing order: one pass over the file for them all.
    class Positions
    {
    public:
        explicit Positions(const CFeedTree &tree) : m_tree(tree) {}
        std::pair<int, int> at(qsizetype offset);
        qsizetype offset() const { return m_pos; }
        // Goes on from the place of an offset found by another of these.
        void skipTo(qsizetype offset, std::pair<int, int> place)
        {
            m_pos = offset;
            std::tie(m_line, m_column) = place;
        }

    private:
        const CFeedTree &m_tree;
        qsizetype m_pos = 0;    // the last offset asked for
        int m_line = 1;
        int m_column = 1;
    };

private:
    class Builder;

    bool build(const QByteArray &bytes, Listener *listener, const std::function<bool(FeedParser &)> &parse);

    // The elements in blocks that never move, as elements point at one
    // another: a large feed has tens of thousands, which one allocation
    // each would spend more time on than the parse. Elements given back
    // are handed out again before new ones.
    class NodeStore
    {
    public:
        Node &add();
        const Node *first() const { return m_blocks.empty() ? nullptr : &m_blocks.front()[0]; }
        void clear();
        // From another thread than the parse's; the nodes are cleared when
        // handed out again.
        void giveBack(const std::vector<Node *> &nodes);

    private:
        static constexpr size_t kBlock = 4096;
        std::vector<std::unique_ptr<Node[]>> m_blocks;
        size_t m_used = kBlock; // in the last block
        std::vector<Node *> m_spare; // the parse's
        std::mutex m_mutex;
        std::vector<Node *> m_givenBack; // under m_mutex
        std::atomic<bool> m_anyGivenBack{false};
    };

    QByteArray m_bytes;
    std::unique_ptr<FeedEncoding> m_encoding;
    NodeStore m_nodes;
    // Every name the elements have, once (Node::name).
    std::vector<QString> m_names;
    std::vector<Declaration> m_declarations;
    FeedParser::Failure m_failure = FeedParser::Failure::None;
    int m_failureLine = 0;
    int m_failureColumn = 0;
};
