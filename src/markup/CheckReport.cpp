#include "markup/CheckReport.h"

#include <algorithm>
#include <tuple>

void CCheckReport::report(CFeedRules::Id rule, const CFeedTree::Node &node, const QString &attribute,
                          const QString &message)
{
    CFeedChecker::Problem problem;
    problem.rule = rule;
    problem.message = message.isEmpty() ? ruleMessage(rule) : message;
    problem.post = node.post;
    problem.parent = node.parent ? node.parent->name : QString();
    problem.field = node.name;
    problem.attribute = attribute;
    m_problems.push_back({node.begin, problem});
}

const QString &CCheckReport::ruleMessage(CFeedRules::Id rule)
{
    QString &message = m_messages[size_t(rule)];
    if (message.isNull())
        message = CFeedRules::Message(rule);
    return message;
}

void CCheckReport::reportMissing(CFeedRules::Id rule, const CFeedTree::Node &parent, const QString &field)
{
    report(rule, parent);
    CFeedChecker::Problem &problem = last();
    problem.parent = parent.name;
    problem.field = field;
}

void CCheckReport::sortFrom(size_t first)
{
    std::stable_sort(m_problems.begin() + qsizetype(first), m_problems.end(), byOffset);
}

bool CCheckReport::addCheckedItems()
{
    if (!m_checkedItems)
        return false;
    m_problems.insert(m_problems.end(), m_checkedItems->begin(), m_checkedItems->end());
    return true;
}

QList<CFeedChecker::Problem> CCheckReport::problems(const CFeedTree &tree)
{
    // Each item's come sorted, and the items in file order: often all are.
    if (!std::is_sorted(m_problems.begin(), m_problems.end(), byOffset))
        std::stable_sort(m_problems.begin(), m_problems.end(), byOffset);
    CFeedTree::Positions positions(tree);
    QList<CFeedChecker::Problem> sorted;
    sorted.reserve(qsizetype(m_problems.size()));
    for (Placed &placed : m_problems) {
        std::tie(placed.problem.line, placed.problem.column) = positions.at(placed.offset);
        sorted.append(std::move(placed.problem));
    }
    return sorted;
}
