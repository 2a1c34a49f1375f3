#pragma once

#include "core/PodcastTags.h"
#include "markup/RuleSet.h"

// The rules of the iTunes and podcast tags: their values wherever they
// stand, and under the podcast directories' rules (CFeedChecker's
// PodcastRules) each podcast tag's place, count, attributes and values,
// Apple Podcasts' requirements and PSP-1's.
class CPodcastRules : public CRuleSet
{
public:
    using CRuleSet::CRuleSet;
    explicit CPodcastRules(const CRuleSet &rules) : CRuleSet(rules) {}

    // Whether the feed declares the iTunes or the podcast namespace, or means to.
    static bool declaresPodcast(const CFeedTree &tree);

    void checkItunesChannel(const Node &channel);
    void checkItunesItem(const Node &item);
    // The addresses of a podcast tag, when the directories' rules are off.
    void checkPodcastLinks(const Node &node);

    // --- The podcast directories' rules
    void checkNamespaceSpellings();
    void checkPodcastChannel(const Node &channel);
    void checkPodcastItem(const Node &item);

private:
    void checkItunesShared(const Node &parent);
    void checkArtwork(const Node &image);
    void checkPodcastTags(const Node &parent);
    void reportUnknownTag(const Node &node);
    void checkPodcastTag(const Node &node, const CPodcastTags::Tag &tag);
    void checkPodcastAttributes(const Node &node, const CPodcastTags::Tag &tag);
    // `attribute` empty: the element's value.
    void checkPodcastValue(const Node &node, const QString &attribute, const QString &value,
                           const CPodcastTags::Content &content);
};
