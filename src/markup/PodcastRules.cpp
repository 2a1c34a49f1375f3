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

namespace {

using Node = CFeedTree::Node;

// Which podcast tags an element may hold (CPodcastTags::Parent); 0 for one
// that holds none.
int podcastParentKind(const Node &node)
{
    if (node.name == QLatin1String("channel"))
        return CPodcastTags::Channel;
    if (node.name == QLatin1String("item") || node.name == QLatin1String("podcast:liveItem"))
        return CPodcastTags::Item;
    if (!node.name.startsWith(QLatin1String("podcast:")))
        return 0;
    const QStringView local = QStringView(node.name).mid(8);
    if (local == u"value")
        return CPodcastTags::Value;
    if (local == u"valueTimeSplit")
        return CPodcastTags::ValueTimeSplit;
    if (local == u"alternateEnclosure")
        return CPodcastTags::AlternateEnclosure;
    if (local == u"podroll")
        return CPodcastTags::Podroll;
    if (local == u"publisher")
        return CPodcastTags::Publisher;
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
            list << QString::fromLatin1(name);
    }
    return list.join(QCoreApplication::translate("CFeedChecker", " or "));
}

bool matchesForm(const QString &value, CPodcastTags::Form form)
{
    static const QRegularExpression ratio(QStringLiteral("^\\d+(\\.\\d+)?/\\d+(\\.\\d+)?$"));
    switch (form) {
    case CPodcastTags::Form::Geo:
        return CPodcastValues::IsGeo(value);
    case CPodcastTags::Form::Osm:
        return CPodcastValues::IsOsm(value);
    case CPodcastTags::Form::AspectRatio:
        return ratio.match(value).hasMatch();
    default:
        return true;
    }
}

QString formExample(CPodcastTags::Form form)
{
    switch (form) {
    case CPodcastTags::Form::Geo:
        return QCoreApplication::translate("CFeedChecker", "Not a place in geo notation such as \"geo:30.2672,97.7431\".");
    case CPodcastTags::Form::Osm:
        return QCoreApplication::translate("CFeedChecker", "Not an OpenStreetMap identifier such as \"R113314\".");
    default:
        break;
    }
    return QCoreApplication::translate("CFeedChecker", "Not an aspect ratio such as \"16/9\".");
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
    static const QStringList explicitValues = {QStringLiteral("true"), QStringLiteral("false")};
    static const QStringList oldExplicitValues = {QStringLiteral("yes"), QStringLiteral("no"), QStringLiteral("clean")};
    if (const Node *explicitTag = parent.child(QStringLiteral("itunes:explicit"))) {
        const QString value = text(*explicitTag);
        if (oldExplicitValues.contains(value, Qt::CaseInsensitive))
            report(Id::ItunesExplicitOld, *explicitTag);
        else
            checkOneOf(Id::ItunesExplicit, explicitTag, explicitValues, Qt::CaseInsensitive);
    }
    checkOneOf(Id::ItunesYesNo, parent.child(QStringLiteral("itunes:block")),
               {QStringLiteral("Yes"), QStringLiteral("No")}, Qt::CaseInsensitive);
    if (const Node *image = parent.child(QStringLiteral("itunes:image")))
        checkUrl(*image, image->attribute(QStringLiteral("href")), QStringLiteral("href"));
}

void CPodcastRules::checkItunesChannel(const Node &channel)
{
    checkItunesShared(channel);
    checkOneOf(Id::ItunesYesNo, channel.child(QStringLiteral("itunes:complete")),
               {QStringLiteral("Yes"), QStringLiteral("No")}, Qt::CaseInsensitive);
    checkOneOf(Id::ItunesType, channel.child(QStringLiteral("itunes:type")),
               {QStringLiteral("episodic"), QStringLiteral("serial")});
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
    checkOneOf(Id::PodcastLocked, channel.child(QStringLiteral("podcast:locked")),
               {QStringLiteral("yes"), QStringLiteral("no")});
}

void CPodcastRules::checkItunesItem(const Node &item)
{
    static const QRegularExpression duration(QStringLiteral("^(?:[0-9]+|(?:[0-9]+:)?[0-5]?[0-9]:[0-5][0-9])$"));
    checkItunesShared(item);
    if (const Node *length = item.child(QStringLiteral("itunes:duration")); length && !duration.match(text(*length)).hasMatch())
        report(Id::ItunesDuration, *length);
    checkInteger(Id::ItunesEpisodeNumber, item.child(QStringLiteral("itunes:episode")), 1, std::numeric_limits<qint64>::max());
    checkInteger(Id::ItunesSeasonNumber, item.child(QStringLiteral("itunes:season")), 1, std::numeric_limits<qint64>::max());
    checkOneOf(Id::ItunesEpisodeType, item.child(QStringLiteral("itunes:episodeType")),
               {QStringLiteral("full"), QStringLiteral("trailer"), QStringLiteral("bonus")});
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
    std::vector<const CPodcastTags::Tag *> seen;
    for (const Node *child : parent.children) {
        if (!child->namespaced || !child->name.startsWith(QLatin1String("podcast:")))
            continue;
        const QStringView local = QStringView(child->name).mid(8);
        const CPodcastTags::Tag *tag = CPodcastTags::find(local);
        if (!tag) {
            const CPodcastTags::Tag *near = CPodcastTags::nearest(local);
            report(Id::PodcastTagUnknown, *child, QString(),
                   near ? QCoreApplication::translate("CFeedChecker", "The podcast namespace has no tag %1. Did you mean podcast:%2?")
                                  .arg(child->name, latin1(near->name))
                        : QCoreApplication::translate("CFeedChecker", "The podcast namespace has no tag %1.").arg(child->name));
            continue;
        }
        if (!(tag->parents & kind))
            report(Id::PodcastParent, *child, QString(),
                   QCoreApplication::translate("CFeedChecker", "%1 does not belong in %2; it belongs in %3.")
                           .arg(child->name, parent.name, parentNames(tag->parents)));
        else if (tag->single && std::find(seen.begin(), seen.end(), tag) != seen.end())
            report(Id::DuplicateElement, *child);
        seen.push_back(tag);
        checkPodcastTag(*child, *tag);
    }
}

void CPodcastRules::checkPodcastTag(const Node &node, const CPodcastTags::Tag &tag)
{
    for (const CPodcastTags::Attribute &attribute : tag.attributes) {
        const QString name = latin1(attribute.name);
        if (!node.hasAttribute(name)) {
            if (attribute.required)
                report(Id::PodcastAttributeMissing, node, name,
                       QCoreApplication::translate("CFeedChecker", "%1 needs the %2 attribute.").arg(node.name, name));
            continue;
        }
        checkPodcastValue(node, name, node.attribute(name).trimmed(), attribute.form, attribute.values,
                          attribute.limit);
    }
    if (node.children.empty()) {
        const QString value = text(node);
        if (value.isEmpty() && tag.textRequired)
            report(Id::PodcastTextMissing, node, QString(), QCoreApplication::translate("CFeedChecker", "%1 needs a value; it is empty.").arg(node.name));
        else if (!value.isEmpty())
            checkPodcastValue(node, QString(), value, tag.text, tag.textValues, tag.textLimit);
    }
    if (tag.requiredChild && !node.child(QLatin1String("podcast:") + latin1(tag.requiredChild))) {
        reportMissing(Id::PodcastChildMissing, node, QLatin1String("podcast:") + latin1(tag.requiredChild));
        m_report.last().message =
                QCoreApplication::translate("CFeedChecker", "%1 needs a podcast:%2 inside it.").arg(node.name, latin1(tag.requiredChild));
    }
    if (podcastParentKind(node))
        checkPodcastTags(node);
}

// `attribute` empty: the element's value.
void CPodcastRules::checkPodcastValue(const Node &node, const QString &attribute, const QString &value,
                                      CPodcastTags::Form form, const char *values, int limit)
{
    using Form = CPodcastTags::Form;
    if (limit > 0 && value.size() > limit)
        report(Id::PodcastTextLong, node, attribute,
               QCoreApplication::translate("CFeedChecker", "Podcast apps show %n character(s) of this at most; they may cut the rest.", nullptr, limit));
    switch (form) {
    case Form::Text:
        break;
    case Form::HttpsUrl:
        checkUrl(node, value, attribute);
        if (value.startsWith(QLatin1String("http:"), Qt::CaseInsensitive))
            report(Id::PodcastHttps, node, attribute);
        break;
    case Form::Uri:
        if (CValueCheck::ClassifyUrl(value) == CValueCheck::UrlForm::NotAbsolute)
            report(Id::UrlNotAbsolute, node, attribute, CValueCheck::AbsoluteUrl(value));
        break;
    case Form::Uuid:
        if (!CPodcastValues::IsUuid(value))
            report(Id::PodcastUuid, node, attribute);
        break;
    case Form::Iso8601:
        if (CPodcastValues::Iso8601(value) == CPodcastValues::IsoForm::Invalid)
            report(Id::PodcastDate, node, attribute);
        break;
    case Form::Rfc822:
        if (const CRfc822Date date = CRfc822Date::Parse(value); date.verdict() == CRfc822Date::Verdict::Invalid)
            report(Id::DateInvalid, node, attribute, date.problem());
        break;
    case Form::Seconds:
        if (!CPodcastValues::IsDecimal(value))
            report(Id::PodcastTime, node, attribute);
        break;
    case Form::Integer:
        if (!CPodcastValues::IsDecimal(value) || value.contains(u'.'))
            report(Id::PodcastNumber, node, attribute, QCoreApplication::translate("CFeedChecker", "Not a whole number such as \"3\"."));
        break;
    case Form::Decimal:
        if (!CPodcastValues::IsDecimal(value))
            report(Id::PodcastNumber, node, attribute, QCoreApplication::translate("CFeedChecker", "Not a number such as \"3\" or \"315.5\"."));
        break;
    case Form::Language:
        if (const QString note = CValueCheck::LanguageCode(value); !note.isEmpty())
            report(Id::LanguageInvalid, node, attribute, note);
        break;
    case Form::Boolean:
        if (value != QLatin1String("true") && value != QLatin1String("false"))
            report(Id::PodcastValue, node, attribute, QCoreApplication::translate("CFeedChecker", "The value must be \"true\" or \"false\"."));
        break;
    case Form::MimeType:
        if (!CValueCheck::MimeType(value).isEmpty())
            report(Id::PodcastValue, node, attribute, QCoreApplication::translate("CFeedChecker", "Not a media type such as \"audio/mpeg\"."));
        break;
    case Form::Email:
        if (CValueCheck::ClassifyEmail(value) == CValueCheck::EmailForm::Invalid)
            report(Id::EmailInvalid, node, attribute, QCoreApplication::translate("CFeedChecker", "Not an e-mail address such as \"jo@example.org\"."));
        break;
    case Form::Geo:
    case Form::Osm:
    case Form::AspectRatio:
        if (!matchesForm(value, form))
            report(Id::PodcastValue, node, attribute, formExample(form));
        break;
    case Form::OneOf:
        if (!CPodcastTags::isOneOf(value, values))
            report(Id::PodcastValue, node, attribute,
                   QCoreApplication::translate("CFeedChecker", "\"%1\" is not one of %2.").arg(value, latin1(values).replace(u'|', QLatin1String(", "))));
        break;
    case Form::Usual:
        if (!CPodcastTags::isOneOf(value, values))
            report(Id::PodcastValueUncommon, node, attribute,
                   QCoreApplication::translate("CFeedChecker", "Few podcast apps know \"%1\"; the usual values are %2.")
                           .arg(value, latin1(values).replace(u'|', QLatin1String(", "))));
        break;
    }
}
