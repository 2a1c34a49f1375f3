#pragma once

#include "core/FeedElement.h"

#include <QString>
#include <QStringList>

#include <cstddef>
#include <utility>
#include <vector>

class CFeedNamespaces;
class CRssFeed;
struct FeedNode;

// The element tables of the properties pages on the feed: the channel's or
// a post's elements of one name, read as FeedElements and replaced with as
// few bytes changed as can be (CRssFeed::SetChannelElements).
class CFeedElementEditor
{
public:
    explicit CFeedElementEditor(CRssFeed &feed) : m_feed(feed) {}

    // The children of `parent` (a node of `feed`) with the canonical name, by index.
    static std::vector<size_t> childrenNamed(const CRssFeed &feed, const FeedNode &parent, const CFeedNamespaces &scope,
                                             const QString &name);
    static std::vector<FeedElement> elementsOf(const CRssFeed &feed, const FeedNode *parent, const QString &name);
    // The children other than posts whose names `edited` does not hold.
    static std::vector<std::pair<QString, QString>> otherElementsOf(const CRssFeed &feed, const FeedNode *parent,
                                                                     const QStringList &edited);
    bool setElements(FeedNode *parent, const QString &name, std::vector<FeedElement> elements);

private:
    // The indexes into `elements` that differ from the existing element at
    // their place, or have none.
    std::vector<size_t> changedElements(const FeedNode &parent, const std::vector<size_t> &existing,
                                        const std::vector<FeedElement> &elements, const CFeedNamespaces &scope) const;
    bool declareNamespacesFor(const FeedNode &parent, const std::vector<size_t> &existing,
                              const std::vector<FeedElement> &elements, const std::vector<size_t> &changed,
                              const CFeedNamespaces &scope);
    void addExtraElements(FeedNode &parent, const QString &name, const std::vector<size_t> &existing,
                          const std::vector<FeedElement> &elements, const CFeedNamespaces &scope);
    bool declareNamespacesOf(const FeedElement &element, const CFeedNamespaces &scope);
    void rewriteElement(FeedNode &node, const FeedElement &element, const FeedNode &parent, const CFeedNamespaces &scope);
    void addElement(FeedNode &parent, size_t position, const QString &lead, const FeedElement &element,
                    const CFeedNamespaces &scope, const FeedNode *sibling);

    CRssFeed &m_feed;
};
