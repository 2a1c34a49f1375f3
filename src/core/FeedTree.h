#pragma once

#include "core/FeedEncoding.h"
#include "core/FeedParser.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <deque>
#include <memory>
#include <utility>
#include <vector>

// A read-only tree of a feed file's elements, for checking it: names with
// their namespaces resolved, attributes, where each element stands in the
// bytes. Element text, lines and columns are worked out only when asked
// for, so a large feed costs little more than the parse.
class CFeedTree
{
public:
    struct Node
    {
        // The element's name with the usual prefix of a namespace the
        // checker knows ("itunes:duration" whatever prefix the file uses),
        // as written otherwise; RSS's own elements have no prefix.
        QString name;
        QString uri;              // the namespace; empty for RSS's own elements
        bool unboundPrefix = false;
        QList<std::pair<QString, QString>> attributes; // as written, values decoded
        qsizetype begin = 0;      // the start tag
        qsizetype contentBegin = 0;
        qsizetype contentEnd = 0;
        qsizetype end = 0;        // past the end tag
        int post = -1;            // the index of the post (item or live item) it is in, or -1
        Node *parent = nullptr;
        std::vector<Node *> children;

        bool hasAttribute(const QString &attributeName) const;
        QString attribute(const QString &attributeName) const;
        // The first child of that name, or null.
        Node *child(const QString &childName) const;
        std::vector<Node *> childrenNamed(const QString &childName) const;
    };

    // False when the bytes are not well-formed XML; failure() tells why.
    bool parse(const QByteArray &bytes, QString *error);
    FeedParser::Failure failure() const { return m_failure; }
    int failureLine() const { return m_failureLine; }
    int failureColumn() const { return m_failureColumn; }

    // Whether the text is UTF-8, which decodes without shared state.
    bool isUtf8() const { return m_encoding && m_encoding->isUtf8(); }

    // The top element; null before a successful parse.
    const Node *root() const { return m_nodes.empty() ? nullptr : &m_nodes.front(); }

    // The element's content as it stands in the file: decoded to UTF-16,
    // references and CDATA sections as written.
    QString content(const Node &node) const;
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

    private:
        const CFeedTree &m_tree;
        qsizetype m_pos = 0;    // the last offset asked for
        int m_line = 1;
        int m_column = 1;
    };

private:
    class Builder;

    QByteArray m_bytes;
    std::unique_ptr<FeedEncoding> m_encoding;
    std::deque<Node> m_nodes;
    FeedParser::Failure m_failure = FeedParser::Failure::None;
    int m_failureLine = 0;
    int m_failureColumn = 0;
};
