#pragma once

#include "markup/RuleSet.h"

// The rules of the document as a whole: its root, the namespaces it
// declares and the elements of other vocabularies anywhere in it; then
// its channel's.
class CDocumentRules : public CRuleSet
{
public:
    using CRuleSet::CRuleSet;

    void checkRss(const Node &rss);
};
