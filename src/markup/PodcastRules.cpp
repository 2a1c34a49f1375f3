#include "markup/PodcastRules.h"

#include "core/FeedVocabulary.h"
#include "core/PodcastCategories.h"
#include "core/PodcastValues.h"
#include "core/Rfc822Date.h"
#include "core/ValueCheck.h"
#include "markup/ArtworkFile.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <limits>
#include <optional>

namespace {

using Node = CFeedTree::Node;
using Id = CFeedRules::Id;
using Form = CPodcastTags::Form;

QString latin1(const char *text)
{
    return QString::fromLatin1(text);
}

// Which podcast tags an element may hold (CPodcastTags::Parent); 0 for one
// that holds none.
int podcastParentKind(const Node &node)
{
    if (node.name == QLatin1String("channel"))
        return CPodcastTags::Channel;
    if (node.name == QLatin1String("item") || node.name == QLatin1String("podcast:liveItem"))
        return CPodcastTags::Item;
    static const std::pair<const char *, int> kinds[] = {
            {"podcast:value", CPodcastTags::Value},
            {"podcast:valueTimeSplit", CPodcastTags::ValueTimeSplit},
            {"podcast:alternateEnclosure", CPodcastTags::AlternateEnclosure},
            {"podcast:podroll", CPodcastTags::Podroll},
            {"podcast:publisher", CPodcastTags::Publisher}};
    for (const auto &[name, kind] : kinds) {
        if (node.name == QLatin1String(name))
            return kind;
    }
    return 0;
}

// "channel or item", for a message.
QString parentNames(int parents)
{
    static const std::pair<int, const char *> names[] = {
            {CPodcastTags::Channel, "channel"},
            {CPodcastTags::Item, "item"},
            {CPodcastTags::Value, "podcast:value"},
            {CPodcastTags::ValueTimeSplit, "podcast:valueTimeSplit"},
            {CPodcastTags::AlternateEnclosure, "podcast:alternateEnclosure"},
            {CPodcastTags::Podroll, "podcast:podroll"},
            {CPodcastTags::Publisher, "podcast:publisher"}};
    QStringList list;
    for (const auto &[flag, name] : names) {
        if (parents & flag)
            list << latin1(name);
    }
    return list.join(QCoreApplication::translate("CFeedChecker", " or "));
}

// A value of the podcast tags that breaks its form: the rule, and a message
// more exact than the rule's, or none.
struct Finding
{
    Id rule;
    QString message;
};

QString listed(const CPodcastTags::Content &content)
{
    return (content.list ? content.list() : CPodcastValues::booleans()).join(QLatin1String(", "));
}

// The forms of numbers, times and identifiers.
std::optional<Finding> formFinding(const QString &value, Form form)
{
    switch (form) {
    case Form::Uuid:
        return CPodcastValues::IsUuid(value) ? std::nullopt : std::optional<Finding>({Id::PodcastUuid, {}});
    case Form::Iso8601:
        if (CPodcastValues::Iso8601(value) != CPodcastValues::IsoForm::Invalid)
            return std::nullopt;
        return Finding{Id::PodcastDate, {}};
    case Form::Seconds:
        return CPodcastValues::IsDecimal(value) ? std::nullopt : std::optional<Finding>({Id::PodcastTime, {}});
    case Form::Integer:
        if (CPodcastValues::IsDecimal(value) && !value.contains(u'.'))
            return std::nullopt;
        return Finding{Id::PodcastNumber, QCoreApplication::translate("CFeedChecker", "Not a whole number such as \"3\".")};
    case Form::Decimal:
        if (CPodcastValues::IsDecimal(value))
            return std::nullopt;
        return Finding{Id::PodcastNumber, QCoreApplication::translate("CFeedChecker", "Not a number such as \"3\" or \"315.5\".")};
    case Form::Percentage:
        if (CPodcastValues::Percentage(value).isEmpty())
            return std::nullopt;
        return Finding{Id::PodcastNumber, QCoreApplication::translate("CFeedChecker", "Not a percentage from 0 to 100.")};
    case Form::Geo:
        if (CPodcastValues::IsGeo(value))
            return std::nullopt;
        return Finding{Id::PodcastValue, QCoreApplication::translate("CFeedChecker", "Not a place in geo notation such as \"geo:30.2672,97.7431\", "
                                                       "latitude from -90 to 90 and longitude from -180 to 180.")};
    case Form::Osm:
        if (CPodcastValues::IsOsm(value))
            return std::nullopt;
        return Finding{Id::PodcastValue, QCoreApplication::translate("CFeedChecker", "Not an OpenStreetMap object such as \"R113314\": N, W or R, "
                                                       "its number and an optional revision such as \"#2\".")};
    case Form::Country:
        if (CPodcastValues::Country(value).isEmpty())
            return std::nullopt;
        return Finding{Id::PodcastValue, QCoreApplication::translate("CFeedChecker", "Not a country code of ISO 3166-1, two letters such as \"US\".")};
    case Form::AspectRatio:
        if (CPodcastValues::IsAspectRatio(value))
            return std::nullopt;
        return Finding{Id::PodcastValue, QCoreApplication::translate("CFeedChecker", "Not an aspect ratio such as \"16/9\" or \"1.9\".")};
    default:
        return std::nullopt;
    }
}

// The forms of words: media types, true or false, the namespace's lists.
std::optional<Finding> wordFinding(const QString &value, const CPodcastTags::Content &content)
{
    switch (content.form) {
    case Form::MimeType:
        if (CValueCheck::MimeType(value).isEmpty())
            return std::nullopt;
        return Finding{Id::PodcastValue, QCoreApplication::translate("CFeedChecker", "Not a media type such as \"audio/mpeg\".")};
    case Form::Language:
        if (const QString note = CValueCheck::LanguageCode(value); !note.isEmpty())
            return Finding{Id::LanguageInvalid, note};
        return std::nullopt;
    case Form::Email:
        if (CValueCheck::ClassifyEmail(value) != CValueCheck::EmailForm::Invalid)
            return std::nullopt;
        return Finding{Id::EmailInvalid, QCoreApplication::translate("CFeedChecker", "Not an e-mail address such as \"jo@example.org\".")};
    case Form::Boolean:
    case Form::OneOf:
        if (CPodcastTags::isListed(value, content))
            return std::nullopt;
        return Finding{Id::PodcastValue, QCoreApplication::translate("CFeedChecker", "\"%1\" is not one of %2.").arg(value, listed(content))};
    case Form::Usual:
    case Form::Tokens:
        if (CPodcastTags::isListed(value, content))
            return std::nullopt;
        return Finding{Id::PodcastValueUncommon,
                       QCoreApplication::translate("CFeedChecker", "Few podcast apps know \"%1\"; the usual values are %2.").arg(value, listed(content))};
    default:
        return formFinding(value, content.form);
    }
}

// The node value's form: the tag's, or that of a condition the node meets.
CPodcastTags::Content textContent(const Node &node, const CPodcastTags::Tag &tag)
{
    for (const CPodcastTags::Condition &condition : tag.conditions) {
        if (node.attribute(latin1(condition.attribute)).trimmed() == QLatin1String(condition.when))
            return condition.value;
    }
    return tag.text;
}

// Values the checker reads with rules of their own, with or without the
// podcast rules.
bool checkedAlways(const CPodcastTags::Tag &tag)
{
    return qstrcmp(tag.name, "podcast:guid") == 0 || qstrcmp(tag.name, "podcast:locked") == 0;
}

// What makes a tag of several a repeat: for one that may stand once for each
// value of an attribute, that value (the list's first when it is missing).
QString repeatKey(const Node &node, const CPodcastTags::Tag &tag)
{
    if (!tag.onePer)
        return QString();
    const QString value = node.attribute(latin1(tag.onePer)).trimmed();
    if (!value.isEmpty())
        return value;
    const CPodcastTags::Attribute *attribute = CPodcastTags::attribute(node.name, latin1(tag.onePer));
    return attribute && attribute->value.list ? attribute->value.list().value(0) : QString();
}

// The namespaces whose misspellings are reported, in their usual spelling.
const char *const kPodcastNamespaces[] = {"https://podcastindex.org/namespace/1.0",
                                          "http://www.itunes.com/dtds/podcast-1.0.dtd"};

// The podcast or iTunes namespace's address when `uri` is a misspelling of
// it (a few letters off, or another path on its host); empty otherwise, and
// for each spelling readers know.
QString nearNamespace(const QString &uri)
{
    if (!CFeedVocabulary::canonicalPrefix(uri).isEmpty())
        return QString();
    for (const char *known : kPodcastNamespaces) {
        const QString address = QString::fromLatin1(known);
        const QString host = address.section(u'/', 2, 2);
        if (CPodcastTags::distance(uri, address, 4) <= 4 || uri.contains(host, Qt::CaseInsensitive))
            return address;
    }
    return QString();
}

} // namespace

bool CPodcastRules::declaresPodcast(const CFeedTree &tree)
{
    for (const CFeedTree::Declaration &declaration : tree.declarations()) {
        const QString prefix = CFeedVocabulary::canonicalPrefix(declaration.uri);
        if (prefix == QLatin1String("itunes") || prefix == QLatin1String("podcast")
            || !nearNamespace(declaration.uri).isEmpty())
            return true;
    }
    return false;
}

// --- iTunes and podcast tags

void CPodcastRules::checkItunesShared(const Node &parent)
{
    if (const Node *explicitTag = parent.child(QStringLiteral("itunes:explicit"))) {
        const QString value = text(*explicitTag);
        // Apple's older words; its directory asks for true or false.
        if (CPodcastValues::yesNo().contains(value, Qt::CaseInsensitive)
            || value.compare(QLatin1String("clean"), Qt::CaseInsensitive) == 0)
            report(m_podcast ? Id::PodcastExplicitOld : Id::ItunesExplicitOld, *explicitTag);
        else
            checkOneOf(Id::ItunesExplicit, explicitTag, CPodcastValues::booleans(), Qt::CaseInsensitive);
    }
    checkOneOf(Id::ItunesYesNo, parent.child(QStringLiteral("itunes:block")), CPodcastValues::yesNo(), Qt::CaseInsensitive);
    if (const Node *image = parent.child(QStringLiteral("itunes:image")))
        checkUrl(*image, image->attribute(QStringLiteral("href")), QStringLiteral("href"));
}

void CPodcastRules::checkItunesChannel(const Node &channel)
{
    checkItunesShared(channel);
    checkOneOf(Id::ItunesYesNo, channel.child(QStringLiteral("itunes:complete")), CPodcastValues::yesNo(),
               Qt::CaseInsensitive);
    checkOneOf(Id::ItunesType, channel.child(QStringLiteral("itunes:type")), CPodcastValues::showTypes());
    checkUrlElement(channel.child(QStringLiteral("itunes:new-feed-url")));
    for (const Node *category : channel.childrenNamed(QStringLiteral("itunes:category"))) {
        const QString name = category->attribute(QStringLiteral("text"));
        if (!CPodcastCategories::isCategory(name)) {
            report(Id::ItunesCategory, *category, QStringLiteral("text"),
                   QCoreApplication::translate("CFeedChecker", "\"%1\" is not one of Apple Podcasts' categories.").arg(name));
            continue;
        }
        for (const Node *sub : category->childrenNamed(QStringLiteral("itunes:category"))) {
            const QString subName = sub->attribute(QStringLiteral("text"));
            if (!CPodcastCategories::isSubcategory(name, subName))
                report(Id::ItunesSubcategory, *sub, QStringLiteral("text"),
                       QCoreApplication::translate("CFeedChecker", "\"%1\" is not a subcategory of \"%2\".").arg(subName, name));
        }
    }
    if (const Node *guid = channel.child(QStringLiteral("podcast:guid")); guid && !CPodcastValues::IsUuid(text(*guid)))
        report(Id::PodcastGuid, *guid);
    checkOneOf(Id::PodcastLocked, channel.child(QStringLiteral("podcast:locked")), CPodcastValues::yesNo());
}

void CPodcastRules::checkItunesItem(const Node &item)
{
    static const QRegularExpression duration(QStringLiteral("^(?:[0-9]+|(?:[0-9]+:)?[0-5]?[0-9]:[0-5][0-9])$"));
    checkItunesShared(item);
    if (const Node *length = item.child(QStringLiteral("itunes:duration")); length && !duration.match(text(*length)).hasMatch())
        report(Id::ItunesDuration, *length);
    checkInteger(Id::ItunesEpisodeNumber, item.child(QStringLiteral("itunes:episode")), 1, std::numeric_limits<qint64>::max());
    checkInteger(Id::ItunesSeasonNumber, item.child(QStringLiteral("itunes:season")), 1, std::numeric_limits<qint64>::max());
    checkOneOf(Id::ItunesEpisodeType, item.child(QStringLiteral("itunes:episodeType")), CPodcastValues::episodeTypes());
}

void CPodcastRules::checkPodcastLinks(const Node &node)
{
    for (const auto &[name, value] : node.attributes) {
        if ((name == QLatin1String("url") || name == QLatin1String("href") || name == QLatin1String("img"))
            && value.trimmed().startsWith(QLatin1String("http:"), Qt::CaseInsensitive))
            report(Id::PodcastHttps, node, name);
    }
}

// --- The podcast directories' rules

void CPodcastRules::checkNamespaceSpellings()
{
    for (const CFeedTree::Declaration &declaration : m_tree.declarations()) {
        const QString near = nearNamespace(declaration.uri);
        if (near.isEmpty())
            continue;
        const QString attribute = declaration.prefix.isEmpty() ? QStringLiteral("xmlns")
                                                               : QLatin1String("xmlns:") + declaration.prefix;
        report(Id::NamespaceMisspelled, *declaration.node, attribute,
               QCoreApplication::translate("CFeedChecker", "\"%1\" is not the namespace's address; did you mean \"%2\"?").arg(declaration.uri, near));
    }
}

void CPodcastRules::checkPodcastChannel(const Node &channel)
{
    const Node *image = channel.child(QStringLiteral("itunes:image"));
    if (!image || image->attribute(QStringLiteral("href")).trimmed().isEmpty())
        reportMissing(Id::PodcastImageMissing, channel, QStringLiteral("itunes:image"));
    if (image)
        checkArtwork(*image);
    if (!channel.child(QStringLiteral("language")))
        reportMissing(Id::PodcastLanguageMissing, channel, QStringLiteral("language"));
    if (!channel.child(QStringLiteral("itunes:category")))
        reportMissing(Id::PodcastCategoryMissing, channel, QStringLiteral("itunes:category"));
    if (!channel.child(QStringLiteral("itunes:explicit")))
        reportMissing(Id::PodcastExplicitMissing, channel, QStringLiteral("itunes:explicit"));
    if (const Node *description = channel.child(QStringLiteral("description"))) {
        const qsizetype bytes = text(*description).toUtf8().size();
        if (bytes > 4000)
            report(Id::PodcastDescriptionLong, *description, QString(),
                   QCoreApplication::translate("CFeedChecker", "The description is %1 bytes long; Apple Podcasts takes at most 4000.").arg(bytes));
    }
    if (!channel.child(QStringLiteral("podcast:locked")))
        reportMissing(Id::PodcastLockedMissing, channel, QStringLiteral("podcast:locked"));
    if (!channel.child(QStringLiteral("podcast:guid")))
        reportMissing(Id::PodcastGuidMissing, channel, QStringLiteral("podcast:guid"));
    checkPodcastTags(channel);
}

void CPodcastRules::checkPodcastItem(const Node &item)
{
    if (!item.child(QStringLiteral("enclosure")))
        reportMissing(Id::PodcastEnclosureMissing, item, QStringLiteral("enclosure"));
    if (const Node *image = item.child(QStringLiteral("itunes:image")))
        checkArtwork(*image);
    checkPodcastTags(item);
}

// Apple takes JPEG and PNG artwork, square, 1400 to 3000 pixels, RGB; a
// local file is read for its size and colours, a web address only by
// its name.
void CPodcastRules::checkArtwork(const Node &image)
{
    const QString href = image.attribute(QStringLiteral("href")).trimmed();
    if (href.isEmpty())
        return;
    const QString name = href.section(u'#', 0, 0).section(u'?', 0, 0).section(u'/', -1);
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot > 0) {
        const QString extension = name.mid(dot + 1).toLower();
        if (extension != QLatin1String("jpg") && extension != QLatin1String("jpeg") && extension != QLatin1String("png"))
            report(Id::ItunesImageFormat, image, QStringLiteral("href"));
    }
    const QString path = m_options.media.localPath(href);
    if (path.isEmpty())
        return;
    const CArtworkFile artwork(path);
    if (!artwork.isReadable()) {
        report(Id::ItunesImageUnreadable, image, QStringLiteral("href"),
               QCoreApplication::translate("CFeedChecker", "The artwork file %1 cannot be read, so its size and colours are not checked.").arg(path));
        return;
    }
    const QSize size = artwork.size();
    if (!artwork.hasDirectorySize())
        report(Id::ItunesImageSize, image, QStringLiteral("href"),
               QCoreApplication::translate("CFeedChecker", "The artwork is %1 x %2 pixels; Apple Podcasts takes square artwork from 1400 x 1400 to "
                  "3000 x 3000.").arg(size.width()).arg(size.height()));
    if (!artwork.isRgb())
        report(Id::ItunesImageColour, image, QStringLiteral("href"));
}

// The podcast tags among an element's children, and inside them.
void CPodcastRules::checkPodcastTags(const Node &parent)
{
    const int kind = podcastParentKind(parent);
    std::vector<std::pair<const CPodcastTags::Tag *, QString>> seen;
    for (const Node *child : parent.children) {
        if (!child->namespaced || !child->name.startsWith(QLatin1String("podcast:")))
            continue;
        const CPodcastTags::Tag *tag = CPodcastTags::find(child->name);
        if (!tag) {
            reportUnknownTag(*child);
            continue;
        }
        const std::pair<const CPodcastTags::Tag *, QString> key(tag, repeatKey(*child, *tag));
        const bool repeated = std::find(seen.begin(), seen.end(), key) != seen.end();
        if (!(tag->parents & kind))
            report(Id::PodcastParent, *child, QString(),
                   QCoreApplication::translate("CFeedChecker", "%1 does not belong in %2; it belongs in %3.")
                           .arg(child->name, parent.name, parentNames(tag->parents)));
        else if (repeated && tag->onePer)
            report(Id::DuplicateElement, *child, QString(),
                   QCoreApplication::translate("CFeedChecker", "There is already a %1 with %2=\"%3\" here.")
                           .arg(child->name, latin1(tag->onePer), key.second));
        else if (repeated && tag->single)
            report(Id::DuplicateElement, *child);
        seen.push_back(key);
        checkPodcastTag(*child, *tag);
    }
}

void CPodcastRules::reportUnknownTag(const Node &node)
{
    const CPodcastTags::Tag *near = CPodcastTags::nearest(QStringView(node.name).mid(8));
    report(Id::PodcastTagUnknown, node, QString(),
           near ? QCoreApplication::translate("CFeedChecker", "The podcast namespace has no tag %1. Did you mean %2?")
                          .arg(node.name, latin1(near->name))
                : QCoreApplication::translate("CFeedChecker", "The podcast namespace has no tag %1.").arg(node.name));
}

void CPodcastRules::checkPodcastTag(const Node &node, const CPodcastTags::Tag &tag)
{
    if (tag.replacedBy)
        report(Id::PodcastTagRetired, node, QString(),
               QCoreApplication::translate("CFeedChecker", "The namespace has retired %1; use %2 instead.")
                       .arg(node.name, latin1(tag.replacedBy)));
    checkPodcastAttributes(node, tag);
    if (node.children.empty() && !checkedAlways(tag)) {
        const QString value = text(node);
        if (value.isEmpty() && tag.textNeed == CPodcastTags::Need::Required)
            report(Id::PodcastTextMissing, node, QString(), QCoreApplication::translate("CFeedChecker", "%1 needs a value; it is empty.").arg(node.name));
        else if (!value.isEmpty())
            checkPodcastValue(node, QString(), value, textContent(node, tag));
    }
    if (tag.requiredChild && !node.child(latin1(tag.requiredChild))) {
        reportMissing(Id::PodcastChildMissing, node, latin1(tag.requiredChild));
        m_report.setLastMessage(
                QCoreApplication::translate("CFeedChecker", "%1 needs a %2 inside it.").arg(node.name, latin1(tag.requiredChild)));
    }
    if (podcastParentKind(node))
        checkPodcastTags(node);
}

void CPodcastRules::checkPodcastAttributes(const Node &node, const CPodcastTags::Tag &tag)
{
    for (const CPodcastTags::Attribute &attribute : tag.attributes) {
        const QString name = latin1(attribute.name);
        if (node.hasAttribute(name))
            checkPodcastValue(node, name, node.attribute(name).trimmed(), attribute.value);
        else if (attribute.need == CPodcastTags::Need::Required)
            report(Id::PodcastAttributeMissing, node, name,
                   QCoreApplication::translate("CFeedChecker", "%1 needs the %2 attribute.").arg(node.name, name));
        else if (attribute.need == CPodcastTags::Need::Recommended)
            report(Id::PodcastAttributeRecommended, node, name,
                   QCoreApplication::translate("CFeedChecker", "The namespace recommends the %2 attribute on %1.").arg(node.name, name));
    }
}

// `attribute` empty: the element's value.
void CPodcastRules::checkPodcastValue(const Node &node, const QString &attribute, const QString &value,
                                      const CPodcastTags::Content &content)
{
    if (content.limit > 0 && value.size() > content.limit)
        report(Id::PodcastTextLong, node, attribute,
               QCoreApplication::translate("CFeedChecker", "Podcast apps show %n character(s) of this at most; they may cut the rest.", nullptr, content.limit));
    switch (content.form) {
    case Form::HttpsUrl:
        checkUrl(node, value, attribute);
        if (value.startsWith(QLatin1String("http:"), Qt::CaseInsensitive))
            report(Id::PodcastHttps, node, attribute);
        return;
    case Form::Uri:
        if (CValueCheck::ClassifyUrl(value) == CValueCheck::UrlForm::NotAbsolute)
            report(Id::UrlNotAbsolute, node, attribute, CValueCheck::AbsoluteUrl(value));
        return;
    case Form::Rfc822:
        if (const CRfc822Date date = CRfc822Date::Parse(value); date.verdict() == CRfc822Date::Verdict::Invalid)
            report(Id::DateInvalid, node, attribute, date.problem());
        return;
    default:
        if (const std::optional<Finding> finding = wordFinding(value, content))
            report(finding->rule, node, attribute, finding->message);
    }
}
