#include "core/FeedElementEditor.h"

#include "core/FeedElementXml.h"
#include "core/FeedLayout.h"
#include "core/FeedNamespaces.h"
#include "core/FeedNodeWriter.h"
#include "core/FeedValue.h"
#include "core/FeedVocabulary.h"
#include "core/RssFeed.h"
#include "core/XmlSafeText.h"

#include <algorithm>

namespace {

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

} // namespace

std::vector<size_t> CFeedElementEditor::childrenNamed(const CRssFeed &feed, const FeedNode &parent, const CFeedNamespaces &scope,
                                                      const QString &name)
{
    // The local name rules out most children before their prefix is read.
    const qsizetype colon = name.indexOf(u':');
    const QByteArray local = name.mid(colon + 1).toUtf8();
    std::vector<size_t> found;
    for (size_t i = 0; i < parent.children.size(); ++i) {
        const FeedNode &child = parent.children[i];
        if (child.name < 0)
            continue;
        const QByteArray &written = feed.m_names[child.name];
        const bool sameLocal = colon < 0 ? written == local : written.endsWith(':' + local);
        if (sameLocal && feed.canonicalName(child, scope) == name)
            found.push_back(i);
    }
    return found;
}

std::vector<FeedElement> CFeedElementEditor::elementsOf(const CRssFeed &feed, const FeedNode *parent, const QString &name)
{
    std::vector<FeedElement> elements;
    if (!parent)
        return elements;
    const CFeedNamespaces scope = feed.scopeOf(*parent);
    for (const size_t i : childrenNamed(feed, *parent, scope, name)) {
        const FeedNode &child = parent->children[i];
        FeedElement element;
        if (CFeedElementXml::read(feed.decoded(child.buffer, child.begin, child.end), scope, &element))
            elements.push_back(std::move(element));
    }
    return elements;
}

std::vector<std::pair<QString, QString>> CFeedElementEditor::otherElementsOf(const CRssFeed &feed, const FeedNode *parent,
                                                                              const QStringList &edited)
{
    std::vector<std::pair<QString, QString>> others;
    if (!parent)
        return others;
    const CFeedNamespaces scope = feed.scopeOf(*parent);
    for (size_t i = 0; i < parent->children.size(); ++i) {
        const FeedNode &child = parent->children[i];
        if (child.name < 0 || (parent == &feed.m_channel && feed.isPost(i)) || edited.contains(feed.canonicalName(child, scope)))
            continue;
        others.emplace_back(QString::fromUtf8(feed.m_names[child.name]), feed.decoded(child.buffer, child.begin, child.end));
    }
    return others;
}

// Rewrites only what differs: elements in place first, then the extra ones
// added or the missing ones removed, so that every other byte stays.
bool CFeedElementEditor::setElements(FeedNode *parent, const QString &name, std::vector<FeedElement> elements)
{
    if (!parent || name.isEmpty())
        return false;
    keepXmlSafeText(elements);
    dropEmpty(elements);
    for (FeedElement &element : elements)
        element.name = name;

    CFeedNamespaces scope = m_feed.scopeOf(*parent);
    const std::vector<size_t> existing = childrenNamed(m_feed, *parent, scope, name);
    const std::vector<size_t> changed = changedElements(*parent, existing, elements, scope);
    if (changed.empty() && existing.size() == elements.size())
        return false;
    if (declareNamespacesFor(*parent, existing, elements, changed, scope))
        scope = m_feed.scopeOf(*parent);

    m_feed.openEmptyElement(*parent);
    for (const size_t i : changed) {
        if (i < existing.size())
            rewriteElement(parent->children[existing[i]], elements[i], *parent, scope);
    }
    if (elements.size() > existing.size())
        addExtraElements(*parent, name, existing, elements, scope);
    for (size_t i = existing.size(); i-- > elements.size();)
        m_feed.removeChild(*parent, existing[i]);
    if (parent == &m_feed.m_channel)
        m_feed.renewPostIndex();
    return true;
}

std::vector<size_t> CFeedElementEditor::changedElements(const FeedNode &parent, const std::vector<size_t> &existing,
                                                        const std::vector<FeedElement> &elements,
                                                        const CFeedNamespaces &scope) const
{
    std::vector<size_t> changed;
    for (size_t i = 0; i < elements.size(); ++i) {
        FeedElement old;
        if (i >= existing.size()) {
            changed.push_back(i);
            continue;
        }
        const FeedNode &node = parent.children[existing[i]];
        const bool read = CFeedElementXml::read(m_feed.decoded(node.buffer, node.begin, node.end), scope, &old);
        dropEmpty(old.children);
        if (!read || old != elements[i])
            changed.push_back(i);
    }
    return changed;
}

// Declaring rewrites the channel's head only; the children stay put.
bool CFeedElementEditor::declareNamespacesFor(const FeedNode &parent, const std::vector<size_t> &existing,
                                              const std::vector<FeedElement> &elements,
                                              const std::vector<size_t> &changed, const CFeedNamespaces &scope)
{
    bool declared = false;
    for (const size_t i : changed) {
        CFeedNamespaces own = scope;
        if (i < existing.size()) {
            const FeedNode &node = parent.children[existing[i]];
            own.declareFrom(m_feed.decoded(node.buffer, node.begin, node.contentBegin));
        }
        declared |= declareNamespacesOf(elements[i], own);
    }
    return declared;
}

// The extra ones follow the last of the name, each after the one before.
void CFeedElementEditor::addExtraElements(FeedNode &parent, const QString &name, const std::vector<size_t> &existing,
                                          const std::vector<FeedElement> &elements, const CFeedNamespaces &scope)
{
    const FeedNode *sibling = nullptr;
    size_t position = 0;
    if (existing.empty()) {
        position = CFeedLayout(m_feed).newFieldPosition(parent, name.toUtf8().constData(), &sibling);
    } else {
        position = existing.back() + 1;
        sibling = &parent.children[existing.back()];
    }
    const QString lead = CFeedLayout(m_feed).newChildLead(parent, sibling);
    const FeedNode like = sibling ? *sibling : FeedNode(); // the insertions move the sibling
    for (size_t i = existing.size(); i < elements.size(); ++i)
        addElement(parent, position++, lead, elements[i], scope, sibling ? &like : nullptr);
}

// Declares on rss each namespace the element's names need that `scope`
// does not hold. True when one was declared.
bool CFeedElementEditor::declareNamespacesOf(const FeedElement &element, const CFeedNamespaces &scope)
{
    bool declared = false;
    const qsizetype colon = element.name.indexOf(u':');
    const QString uri = colon < 0 ? QString() : CFeedVocabulary::namespaceOf(element.name.left(colon));
    if (!uri.isEmpty() && !scope.declares(uri))
        declared = m_feed.DeclareNamespace(element.name.left(colon), uri); // nothing when an earlier one declared it
    for (const FeedElement &child : element.children)
        declared |= declareNamespacesOf(child, scope);
    return declared;
}

// Writes the element whole where `node` stands, keeping its lead, its
// prefix and its own namespace declarations. Only the text changed: the
// tags stay as written.
void CFeedElementEditor::rewriteElement(FeedNode &node, const FeedElement &element, const FeedNode &parent, const CFeedNamespaces &scope)
{
    const QString startTag = m_feed.decoded(node.buffer, node.begin, node.contentBegin);
    FeedElement old;
    CFeedNamespaces own = scope;
    own.declareFrom(startTag);
    if (CFeedElementXml::read(m_feed.decoded(node.buffer, node.begin, node.end), scope, &old) && old.children.empty()
        && element.children.empty() && old.attributes == element.attributes && !element.text.isEmpty()
        && FeedValue::isText(m_feed.content(node))) {
        m_feed.replaceContent(node, element.text);
        return;
    }
    CFeedElementXml::Style style = CFeedLayout(m_feed).elementStyle(parent, CFeedLayout::lineLead(m_feed.decoded(node.buffer, node.leadBegin, node.begin)), &node);
    const QString written = QString::fromUtf8(m_feed.m_names[node.name]);
    style.prefix = written.left(qMax<qsizetype>(written.indexOf(u':'), 0));
    style.declarations = CFeedNamespaces::declarationsIn(startTag);
    style.oldContent = m_feed.content(node);
    // Children go where the old ones stood, however far that is from the
    // element's own line.
    const QString first = CFeedLayout::lineLead(CFeedLayout::leadingSpace(style.oldContent));
    const QString close = CFeedLayout::lineLead(CFeedLayout::trailingSpace(style.oldContent));
    if (!old.children.empty() && close.contains(u'\n') && first.size() > close.size() && first.startsWith(close)) {
        style.indent = close;
        style.step = first.mid(close.size());
    }
    const CFeedElementXml::Parts parts = CFeedElementXml::write(element, own, style);
    CFeedNodeWriter writer(&m_feed);
    FeedNode rewritten;
    rewritten.name = m_feed.nameId(own.writtenName(element.name, style.prefix).toUtf8());
    writer.begin(rewritten, m_feed.m_buffers.range(node.buffer, node.leadBegin, node.begin), writer.tag(parts.startTag));
    writer.append(parts.content);
    writer.end(rewritten, QString(), writer.tag(parts.endTag));
    writer.finish();
    node = std::move(rewritten);
}

void CFeedElementEditor::addElement(FeedNode &parent, size_t position, const QString &lead, const FeedElement &element,
                          const CFeedNamespaces &scope, const FeedNode *sibling)
{
    const CFeedElementXml::Parts parts = CFeedElementXml::write(element, scope, CFeedLayout(m_feed).elementStyle(parent, lead, sibling));
    CFeedNodeWriter writer(&m_feed);
    FeedNode added;
    added.name = m_feed.nameId(scope.writtenName(element.name).toUtf8());
    writer.begin(added, writer.tag(lead), writer.tag(parts.startTag));
    writer.append(parts.content);
    writer.end(added, QString(), writer.tag(parts.endTag));
    writer.finish();
    parent.children.insert(parent.children.begin() + qsizetype(position), std::move(added));
}
