#include "markup/DocumentRules.h"

#include "markup/ChannelRules.h"
#include "markup/PodcastRules.h"

namespace {

using ChildRule = CRuleSet::ChildRule;

const std::vector<ChildRule> kRssChildren = {{"channel", true}};

} // namespace

void CDocumentRules::checkRss(const Node &rss)
{
    if (rss.name != QLatin1String("rss")) {
        report(Id::NotRss, rss);
        return;
    }
    static const QStringList versions = {QStringLiteral("2.0"), QStringLiteral("0.91"), QStringLiteral("0.92")};
    if (!versions.contains(rss.attribute(QStringLiteral("version"))))
        report(Id::RssVersion, rss, QStringLiteral("version"));
    checkAttributes(rss, "version");
    checkChildren(rss, kRssChildren);
    const Node *channel = rss.child(QStringLiteral("channel"));
    checkExtensions(rss, channel);
    if (m_podcast)
        CPodcastRules(*this).checkNamespaceSpellings();
    if (!channel) {
        reportMissing(Id::MissingChannel, rss, QStringLiteral("channel"));
        return;
    }
    CChannelRules(*this).checkChannel(*channel);
}
