#include "markup/ItemRules.h"

#include "core/ValueCheck.h"
#include "markup/DescriptionRisks.h"
#include "markup/PodcastRules.h"

#include <QCoreApplication>

#include <algorithm>
#include <limits>

namespace {

using ChildRule = CRuleSet::ChildRule;

// The elements RSS 2.0 allows inside an item, whether each may appear
// only once, and their attributes.
const std::vector<ChildRule> kItemChildren = {
        {"title", true},    {"link", true},     {"description", true},  {"author", true},
        {"category", false, "domain"},          {"comments", true},     {"enclosure", false, "url length type"},
        {"guid", true, "isPermaLink"},          {"pubDate", true},      {"source", true, "url"}};

// The slash module's count of a post's comments, under the prefix the
// feed declares for it.
QString commentCountName(const CFeedTree &tree)
{
    for (const CFeedTree::Declaration &declaration : tree.declarations()) {
        if (declaration.uri == QLatin1String("http://purl.org/rss/1.0/modules/slash/") && !declaration.prefix.isEmpty())
            return declaration.prefix + QLatin1String(":comments");
    }
    return QString();
}

} // namespace

CItemRules::CItemRules(const CFeedTree &tree, const CFeedChecker::Options &options, bool podcast, CCheckReport &report)
    : CRuleSet(tree, options, podcast, report), m_commentCount(commentCountName(tree))
{
}

CItemRules::CItemRules(const CRuleSet &rules) : CRuleSet(rules), m_commentCount(commentCountName(m_tree)) {}

void CItemRules::checkItem(const Node &item)
{
    const size_t first = m_report.size();
    checkItemFields(item);
    m_report.sortFrom(first);
}

void CItemRules::checkItemFields(const Node &item)
{
    checkChildren(item, kItemChildren);
    checkExtensions(item);
    const auto field = [&](const char *name) { return item.child(latin1(name)); };
    const Node *description = field("description");
    if (m_podcast && !field("title"))
        reportMissing(Id::PodcastItemTitleMissing, item, QStringLiteral("title"));
    else if (!field("title") && !description)
        reportMissing(Id::ItemTitleOrDescription, item, QStringLiteral("title"));
    checkTitle(field("title"));
    checkUrlElement(field("link"));
    checkUrlElement(field("comments"));
    checkEmail(field("author"));
    checkDate(field("pubDate"));
    if (const Node *source = field("source"))
        checkSource(*source);
    checkEnclosures(item);
    if (const Node *guid = field("guid"))
        checkGuid(*guid);
    else
        reportMissing(m_podcast ? Id::PodcastItemGuidMissing : Id::GuidMissing, item, QStringLiteral("guid"));
    if (description)
        checkDescription(*description);
    const Node *content = field("content:encoded");
    if (content && (!description || description->begin > content->begin))
        report(Id::ContentBeforeDescription, *content);
    if (!m_commentCount.isEmpty())
        checkInteger(Id::SlashCommentsInvalid, item.child(m_commentCount), 0, std::numeric_limits<qint64>::max());
    CPodcastRules podcastRules(*this);
    podcastRules.checkItunesItem(item);
    if (m_podcast)
        podcastRules.checkPodcastItem(item);
}

void CItemRules::checkSource(const Node &source)
{
    if (!source.hasAttribute(QStringLiteral("url")))
        report(Id::SourceMissingUrl, source, QStringLiteral("url"));
    else
        checkUrl(source, source.attribute(QStringLiteral("url")), QStringLiteral("url"));
    checkPlainText(&source);
}

void CItemRules::checkEnclosures(const Node &item)
{
    const std::vector<Node *> enclosures = item.childrenNamed(QStringLiteral("enclosure"));
    if (enclosures.size() > 1)
        report(Id::EnclosureSeveral, *enclosures[1]);
    for (const Node *enclosure : enclosures) {
        for (const char *name : {"url", "length", "type"}) {
            if (!enclosure->hasAttribute(latin1(name)))
                report(Id::EnclosureMissingAttribute, *enclosure, latin1(name),
                       QCoreApplication::translate("CFeedChecker", "The enclosure has no %1 attribute; it needs url, length and type.").arg(latin1(name)));
        }
        if (enclosure->hasAttribute(QStringLiteral("url")))
            checkUrl(*enclosure, enclosure->attribute(QStringLiteral("url")), QStringLiteral("url"));
        if (enclosure->hasAttribute(QStringLiteral("length"))
            && !CValueCheck::IntegerInRange(enclosure->attribute(QStringLiteral("length")), 0).isEmpty())
            report(Id::EnclosureLength, *enclosure, QStringLiteral("length"));
        if (enclosure->hasAttribute(QStringLiteral("type"))
            && !CValueCheck::MimeType(enclosure->attribute(QStringLiteral("type"))).isEmpty())
            report(Id::EnclosureType, *enclosure, QStringLiteral("type"));
    }
}

// A permalink is a web address, written in ASCII as any URI.
void CItemRules::checkPermaLink(const Node &guid, const QString &value)
{
    const CValueCheck::UrlForm form = CValueCheck::ClassifyUrl(value);
    const QString scheme = value.section(u':', 0, 0).toLower();
    if (form == CValueCheck::UrlForm::NotAbsolute)
        report(Id::GuidNotUrl, guid);
    else if (scheme != QLatin1String("http") && scheme != QLatin1String("https"))
        report(Id::GuidNotWebLink, guid);
    else
        checkUrl(guid, value);
}

void CItemRules::checkGuid(const Node &guid)
{
    const QString isPermaLink = guid.attribute(QStringLiteral("isPermaLink"));
    // Whether a guid with a wrong isPermaLink is a link is unknown: only
    // the attribute is reported, once.
    const bool knownPermaLink = !guid.hasAttribute(QStringLiteral("isPermaLink"))
        || isPermaLink == QLatin1String("true") || isPermaLink == QLatin1String("false");
    if (!knownPermaLink)
        report(Id::GuidPermaLinkValue, guid, QStringLiteral("isPermaLink"));
    const QString value = text(guid);
    if (value.isEmpty()) {
        report(Id::GuidBlank, guid);
        return;
    }
    if (knownPermaLink && isPermaLink != QLatin1String("false"))
        checkPermaLink(guid, value);
    const bool fewDigits = value.size() <= 6 && std::all_of(value.begin(), value.end(), [](QChar c) {
        return c >= u'0' && c <= u'9';
    });
    if (fewDigits)
        report(Id::GuidNotUnique, guid);
    // Guids as read, after references and CDATA sections; the items come
    // in file order. One look-up: a guid seen before keeps its first post.
    const qsizetype known = m_guids.size();
    int &first = m_guids[value];
    if (m_guids.size() == known)
        report(Id::GuidDuplicate, guid, QString(), QCoreApplication::translate("CFeedChecker", "Post %1 has the same guid.").arg(first + 1));
    else
        first = guid.post;
}

// Read in UTF-8, from the file's bytes when it is in UTF-8.
void CItemRules::checkDescription(const Node &description)
{
    QByteArray converted;
    std::string_view content = m_tree.utf8Bytes(description);
    if (content.data() == nullptr) {
        converted = m_tree.content(description).toUtf8();
        content = std::string_view(converted.constData(), size_t(converted.size()));
    }
    for (const Id risk : CDescriptionRisks::find(content))
        report(risk, description);
}
