#pragma once

#include "markup/RuleSet.h"

#include <QHash>

// The rules of one item: its fields, enclosures, guid (unique among the
// items checked by the same rules, in file order), the risks in its
// description, and its iTunes and podcast tags.
class CItemRules : public CRuleSet
{
public:
    CItemRules(const CFeedTree &tree, const CFeedChecker::Options &options, bool podcast, CCheckReport &report);
    explicit CItemRules(const CRuleSet &rules);

    // Reports the item's problems in the order of their places.
    void checkItem(const Node &item);
    // Frees the guids seen so far; the thread that read them frees them quicker.
    void forgetGuids() { m_guids = {}; }

private:
    void checkItemFields(const Node &item);
    void checkSource(const Node &source);
    void checkEnclosures(const Node &item);
    void checkGuid(const Node &guid);
    void checkPermaLink(const Node &guid, const QString &value);
    void checkDescription(const Node &description);

    QHash<QString, int> m_guids; // the first post with each guid
    // slash:comments with the prefix the feed declares (read before the
    // items, which may be checked on another thread); empty without one.
    QString m_commentCount;
};
