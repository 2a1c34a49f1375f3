#pragma once

#include "core/FeedTree.h"
#include "markup/FeedChecker.h"

#include <QHash>
#include <QList>
#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

// The problems one check finds, each at the offset of its tag until the
// check is done and they are sorted into file order with their lines.
// Kept compact meanwhile, as a large feed has a problem or two in each of
// its hundred thousand posts: the texts a problem names (its message, its
// element's and its parent's names, the attribute) are kept once each,
// and each problem holds their numbers.
class CCheckReport
{
public:
    // A problem at the offset of its tag.
    struct Placed
    {
        qsizetype offset;
        CFeedRules::Id rule;
        int post;
        // Numbers of texts in the report's table.
        quint32 message;
        quint32 parent;
        quint32 field;
        quint32 attribute;
        // The place of the offset, where it was found early; 0 when not yet.
        int line = 0;
        int column = 0;
    };

    void report(CFeedRules::Id rule, const CFeedTree::Node &node, const QString &attribute = QString(),
                const QString &message = QString());
    // A field that `parent` lacks: reported at the parent.
    void reportMissing(CFeedRules::Id rule, const CFeedTree::Node &parent, const QString &field);
    // A more exact message for the problem reported last.
    void setLastMessage(const QString &message) { m_problems.back().message = textNumber(message); }

    // Sorts the problems reported since `first` by their place.
    void sortFrom(size_t first);
    // Finds the lines and columns of the problems reported since `first`
    // that lie after those found before: the thread that checks the items
    // counts the lines they stand on while the parse reads on.
    void placeFrom(size_t first, CFeedTree::Positions &positions);
    size_t size() const { return m_problems.size(); }

    // The problems of the channel's items, found while the file was parsed.
    void useCheckedItems(CCheckReport &&items) { m_checkedItems = std::make_unique<CCheckReport>(std::move(items)); }
    // Adds them; false when the items were not checked that way.
    bool addCheckedItems();

    // Hands each problem in file order, with its line and column, to `each`.
    void forEachProblem(const CFeedTree &tree, const std::function<void(const CFeedChecker::Problem &)> &each);

private:
    static bool byOffset(const Placed &a, const Placed &b) { return a.offset < b.offset; }

    quint32 textNumber(const QString &text);
    // Translated once a check: a large feed has thousands of problems of a rule.
    quint32 ruleMessage(CFeedRules::Id rule);

    std::array<std::optional<quint32>, CFeedRules::IdCount> m_ruleMessages;
    QList<QString> m_texts;
    QHash<QString, quint32> m_textNumbers;
    std::vector<Placed> m_problems;
    // A report of its own, whose texts have other numbers.
    std::unique_ptr<CCheckReport> m_checkedItems;
};
