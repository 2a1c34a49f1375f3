#pragma once

#include "core/FeedTree.h"
#include "markup/CheckReport.h"
#include "markup/FeedChecker.h"

#include <QString>
#include <QStringList>

#include <initializer_list>
#include <vector>

// What the rules of each part of a feed share: the feed, the check's
// options and report, and the checks of structure and values that every
// part applies to its own fields. A rule set made from another checks the
// same feed into the same report.
class CRuleSet
{
public:
    // An element RSS 2.0 allows inside another, and whether it may appear
    // only once there.
    struct ChildRule
    {
        const char *name;
        bool single;
        const char *attributes = ""; // the attributes RSS gives it: "url length type"
    };

    CRuleSet(const CFeedTree &tree, const CFeedChecker::Options &options, bool podcast, CCheckReport &report)
        : m_tree(tree), m_options(options), m_podcast(podcast), m_report(report)
    {
    }

protected:
    using Id = CFeedRules::Id;
    using Node = CFeedTree::Node;

    // Names looked up without a string made for each look-up.
    static QLatin1String latin1(const char *text) { return QLatin1String(text); }

    void report(Id rule, const Node &node, const QString &attribute = QString(), const QString &message = QString())
    {
        m_report.report(rule, node, attribute, message);
    }
    void reportMissing(Id rule, const Node &parent, const QString &field) { m_report.reportMissing(rule, parent, field); }

    // --- Structure

    struct Required
    {
        const char *name;
        Id rule; // when it is missing
    };

    void checkRequired(const Node &node, std::initializer_list<Required> required);
    void checkChildren(const Node &node, const std::vector<ChildRule> &allowed);
    void checkContainer(const Node &node, const std::vector<ChildRule> &allowed);
    void checkExtensions(const Node &node, const Node *channel = nullptr);
    // Attributes RSS does not give the element, or of another vocabulary.
    void checkAttributes(const Node &node, const char *allowed);

    // --- Values

    QString text(const Node &node) const { return m_tree.text(node).trimmed(); }
    // Where an address may be an IRI (Atom's links), it may hold any character.
    enum class Address { Uri, Iri };
    void checkUrl(const Node &node, const QString &value, const QString &attribute = QString(),
                  Address address = Address::Uri);
    void checkUrlElement(const Node *node);
    void checkPlainText(const Node *node);
    // A title is plain text that says something.
    void checkTitle(const Node *node);
    void checkDate(const Node *node);
    void checkEmail(const Node *node);
    void checkInteger(Id rule, const Node *node, qint64 min, qint64 max);
    void checkOneOf(Id rule, const Node *node, const QStringList &values, Qt::CaseSensitivity cs = Qt::CaseSensitive);

    const CFeedTree &m_tree;
    const CFeedChecker::Options &m_options;
    bool m_podcast;
    CCheckReport &m_report;

private:
    void checkNamespaced(const Node &node);
    void reportUnknownElement(const Node &parent, const Node &child, const ChildRule *meant);
    void checkValueChildren(const Node &node);
};
