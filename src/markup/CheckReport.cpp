#include "markup/CheckReport.h"

#include <algorithm>
#include <tuple>

void CCheckReport::report(CFeedRules::Id rule, const CFeedTree::Node &node, const QString &attribute,
                          const QString &message)
{
    m_problems.push_back({node.begin, rule, node.post, message.isEmpty() ? ruleMessage(rule) : textNumber(message),
                          textNumber(node.parent ? node.parent->name : QString()), textNumber(node.name),
                          textNumber(attribute)});
}

quint32 CCheckReport::textNumber(const QString &text)
{
    const auto known = m_textNumbers.constFind(text);
    if (known != m_textNumbers.constEnd())
        return *known;
    const auto number = quint32(m_texts.size());
    // A copy of its own: an element's name holds the tree's characters,
    // and the problems outlive the tree.
    const QString kept(text.constData(), text.size());
    m_texts.append(kept);
    m_textNumbers.insert(kept, number);
    return number;
}

quint32 CCheckReport::ruleMessage(CFeedRules::Id rule)
{
    std::optional<quint32> &message = m_ruleMessages[size_t(rule)];
    if (!message)
        message = textNumber(CFeedRules::Message(rule));
    return *message;
}

void CCheckReport::reportMissing(CFeedRules::Id rule, const CFeedTree::Node &parent, const QString &field)
{
    report(rule, parent);
    Placed &problem = m_problems.back();
    problem.parent = textNumber(parent.name);
    problem.field = textNumber(field);
}

void CCheckReport::sortFrom(size_t first)
{
    std::stable_sort(m_problems.begin() + qsizetype(first), m_problems.end(), byOffset);
}

void CCheckReport::placeFrom(size_t first, CFeedTree::Positions &positions)
{
    for (auto problem = m_problems.begin() + qsizetype(first); problem != m_problems.end(); ++problem) {
        // One before those is left for the count in file order at the end.
        if (problem->offset >= positions.offset())
            std::tie(problem->line, problem->column) = positions.at(problem->offset);
    }
}

bool CCheckReport::addCheckedItems()
{
    if (!m_checkedItems)
        return false;
    // Their texts get this report's numbers, in place: a large feed's items
    // have most of its problems.
    std::vector<quint32> numbers;
    numbers.reserve(size_t(m_checkedItems->m_texts.size()));
    for (const QString &text : std::as_const(m_checkedItems->m_texts))
        numbers.push_back(textNumber(text));
    std::vector<Placed> problems = std::move(m_checkedItems->m_problems);
    m_checkedItems.reset();
    for (Placed &problem : problems) {
        problem.message = numbers[problem.message];
        problem.parent = numbers[problem.parent];
        problem.field = numbers[problem.field];
        problem.attribute = numbers[problem.attribute];
    }
    // The channel's come first, as they came before the items'.
    problems.insert(problems.begin(), m_problems.begin(), m_problems.end());
    m_problems = std::move(problems);
    return true;
}

void CCheckReport::forEachProblem(const CFeedTree &tree,
                                  const std::function<void(const CFeedChecker::Problem &)> &each)
{
    // Each item's come sorted, and the items in file order: often all are.
    if (!std::is_sorted(m_problems.begin(), m_problems.end(), byOffset))
        std::stable_sort(m_problems.begin(), m_problems.end(), byOffset);
    CFeedTree::Positions positions(tree);
    CFeedChecker::Problem problem;
    for (const Placed &placed : m_problems) {
        problem.rule = placed.rule;
        problem.message = m_texts[placed.message];
        problem.post = placed.post;
        problem.parent = m_texts[placed.parent];
        problem.field = m_texts[placed.field];
        problem.attribute = m_texts[placed.attribute];
        if (placed.line > 0) {
            problem.line = placed.line;
            problem.column = placed.column;
            positions.skipTo(placed.offset, {placed.line, placed.column});
        } else {
            std::tie(problem.line, problem.column) = positions.at(placed.offset);
        }
        each(problem);
    }
}
