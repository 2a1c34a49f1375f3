#pragma once

#include "core/FeedTree.h"
#include "markup/FeedChecker.h"

#include <QList>
#include <QString>

#include <array>
#include <optional>
#include <vector>

// The problems one check finds, each at the offset of its tag until the
// check is done and they are sorted into file order with their lines.
class CCheckReport
{
public:
    // A problem and the offset of the tag it is at.
    struct Placed
    {
        qsizetype offset;
        CFeedChecker::Problem problem;
    };

    static bool byOffset(const Placed &a, const Placed &b) { return a.offset < b.offset; }

    void report(CFeedRules::Id rule, const CFeedTree::Node &node, const QString &attribute = QString(),
                const QString &message = QString());
    // A field that `parent` lacks: reported at the parent.
    void reportMissing(CFeedRules::Id rule, const CFeedTree::Node &parent, const QString &field);
    // The problem reported last, for a more exact message.
    CFeedChecker::Problem &last() { return m_problems.back().problem; }

    // Sorts the problems reported since `first` by their place.
    void sortFrom(size_t first);
    size_t size() const { return m_problems.size(); }

    // The problems of the channel's items, found while the file was parsed.
    void useCheckedItems(std::vector<Placed> problems) { m_checkedItems = std::move(problems); }
    // Adds them; false when the items were not checked that way.
    bool addCheckedItems();

    std::vector<Placed> takePlaced() { return std::move(m_problems); }
    // In file order, with their lines and columns.
    QList<CFeedChecker::Problem> problems(const CFeedTree &tree);

private:
    // Translated once a check: a large feed has thousands of problems of a rule.
    const QString &ruleMessage(CFeedRules::Id rule);

    std::array<QString, CFeedRules::IdCount> m_messages;
    std::vector<Placed> m_problems;
    std::optional<std::vector<Placed>> m_checkedItems;
};
