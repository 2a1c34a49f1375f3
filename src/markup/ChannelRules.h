#pragma once

#include "markup/RuleSet.h"

// The rules of the channel and of the elements only it holds: its
// required fields, self link, cloud, image, text input and skip lists;
// then its iTunes and podcast tags and its items.
class CChannelRules : public CRuleSet
{
public:
    using CRuleSet::CRuleSet;
    explicit CChannelRules(const CRuleSet &rules) : CRuleSet(rules) {}

    void checkChannel(const Node &channel);

private:
    void checkItems(const Node &channel);
    void checkItemOrder(const Node &channel);
    void checkSelfLink(const Node &channel);
    void checkCloud(const Node &cloud);
    void checkImage(const Node &image, const Node &channel);
    void checkImageFormat(const Node &url);
    void checkTextInput(const Node &textInput);
    void checkSkipHours(const Node &skipHours);
    void checkSkipDays(const Node &skipDays);
};
