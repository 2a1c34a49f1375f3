#include "core/PodcastTags.h"

#include "core/PodcastValues.h"

#include <QString>

#include <algorithm>

namespace {

using Tag = CPodcastTags::Tag;
using Form = CPodcastTags::Form;
using Need = CPodcastTags::Need;
using V = CPodcastValues;
constexpr int kChannel = CPodcastTags::Channel;
constexpr int kItem = CPodcastTags::Item;
constexpr int kBoth = kChannel | kItem;
constexpr Need kRequired = Need::Required;
constexpr Need kRecommended = Need::Recommended;
constexpr Need kOptional = Need::Optional;

// From the namespace's documents (docs/1.0.md and docs/tags/*.md, 2026) and
// Apple's podcast RSS requirements.
const std::vector<Tag> kTags = {
    // Apple's iTunes namespace. The checker applies Apple's rules to these
    // with rules of their own; the rows give the pages and the lists.
    {"itunes:image", kBoth, kBoth, true, {}, kOptional, {{"href", {Form::Uri}, kRequired}}},
    {"itunes:category", kChannel, kChannel, false, {}, kOptional, {{"text", {}, kRequired}}},
    {"itunes:explicit", kBoth, kBoth, true, {Form::Boolean, &V::booleans}, kRequired, {}},
    {"itunes:author", kBoth, kChannel, true, {}, kRequired, {}},
    {"itunes:owner", kChannel, kChannel, true, {}, kOptional, {}},
    {"itunes:name", CPodcastTags::ItunesOwner, CPodcastTags::ItunesOwner, true, {}, kRequired, {}},
    {"itunes:email", CPodcastTags::ItunesOwner, CPodcastTags::ItunesOwner, true, {Form::Email}, kRequired, {}},
    {"itunes:type", kChannel, kChannel, true, {Form::OneOf, &V::showTypes}, kRequired, {}},
    {"itunes:title", kBoth, kChannel, true, {}, kRequired, {}},
    {"itunes:new-feed-url", kChannel, kChannel, true, {Form::Uri}, kRequired, {}},
    {"itunes:block", kBoth, kBoth, true, {Form::Usual, &V::yesNo}, kRequired, {}},
    {"itunes:complete", kChannel, kChannel, true, {Form::Usual, &V::yesNo}, kRequired, {}},
    {"itunes:duration", kItem, kItem, true, {Form::Duration}, kRequired, {}},
    {"itunes:episode", kItem, kItem, true, {Form::Integer}, kRequired, {}},
    {"itunes:season", kItem, kItem, true, {Form::Integer}, kRequired, {}},
    {"itunes:episodeType", kItem, kItem, true, {Form::OneOf, &V::episodeTypes}, kRequired, {}},

    // The podcast namespace. The channel's podcast:guid and podcast:locked
    // values have checks of their own.
    {"podcast:transcript", kItem, kItem, false, {}, kOptional,
     {{"url", {Form::HttpsUrl}, kRequired},
      {"type", {Form::Usual, &V::transcriptTypes}, kRequired},
      {"language", {Form::Language}},
      {"rel", {Form::OneOf, &V::transcriptRels}}}},
    {"podcast:locked", kChannel, kChannel, true, {Form::OneOf, &V::yesNo}, kRequired, {{"owner", {Form::Email}}}},
    {"podcast:funding", kBoth, kBoth, false, {Form::Text, nullptr, 128}, kOptional, {{"url", {Form::HttpsUrl}, kRequired}}},
    {"podcast:chapters", kItem, kItem, true, {}, kOptional,
     {{"url", {Form::HttpsUrl}, kRequired}, {"type", {Form::Usual, &V::chaptersTypes}, kRequired}}},
    {"podcast:soundbite", kItem, kItem, false, {Form::Text, nullptr, 128}, kOptional,
     {{"startTime", {Form::Seconds}, kRequired}, {"duration", {Form::Seconds}, kRequired}}},
    {"podcast:person", kBoth, kBoth, false, {Form::Text, nullptr, 128}, kRequired,
     {{"role", {Form::Usual, &V::personRoles}},
      {"group", {Form::Usual, &V::personGroups}},
      {"img", {Form::HttpsUrl}},
      {"href", {Form::HttpsUrl}}}},
    // One place the content is about and one where it was made.
    {"podcast:location", kBoth, kBoth, false, {Form::Text, nullptr, 128}, kRequired,
     {{"rel", {Form::OneOf, &V::locationRels}},
      {"geo", {Form::Geo}},
      {"osm", {Form::Osm}},
      {"country", {Form::Country}}},
     nullptr, "rel"},
    {"podcast:season", kItem, kItem, true, {Form::Integer}, kRequired, {{"name", {Form::Text, nullptr, 128}}}},
    {"podcast:episode", kItem, kItem, true, {Form::Decimal}, kRequired, {{"display", {Form::Text, nullptr, 32}}}},
    {"podcast:trailer", kChannel, kChannel, false, {Form::Text, nullptr, 128}, kRequired,
     {{"url", {Form::HttpsUrl}, kRequired},
      {"pubdate", {Form::Rfc822}, kRequired},
      {"length", {Form::Integer}},
      {"type", {Form::MimeType}},
      {"season", {Form::Integer}}}},
    {"podcast:license", kBoth, kBoth, true, {Form::Text, nullptr, 128}, kRequired, {{"url", {Form::HttpsUrl}}}},
    {"podcast:alternateEnclosure", kItem, kItem, false, {}, kOptional,
     {{"type", {Form::MimeType}, kRequired},
      {"length", {Form::Integer}, kRequired},
      {"bitrate", {Form::Decimal}},
      {"height", {Form::Integer}},
      {"lang", {Form::Language}},
      {"title", {Form::Text, nullptr, 32}},
      {"rel", {Form::Text, nullptr, 32}},
      {"codecs", {}},
      {"default", {Form::Boolean, &V::booleans}}},
     "podcast:source"},
    {"podcast:source", CPodcastTags::AlternateEnclosure, 0, false, {}, kOptional,
     {{"uri", {Form::Uri}, kRequired}, {"contentType", {Form::MimeType}}}},
    {"podcast:integrity", CPodcastTags::AlternateEnclosure, 0, true, {}, kOptional,
     {{"type", {Form::OneOf, &V::integrityTypes}, kRequired}, {"value", {}, kRequired}}},
    {"podcast:guid", kChannel, kChannel, true, {Form::Uuid}, kRequired, {}},
    {"podcast:value", kBoth, kBoth, false, {}, kOptional,
     {{"type", {Form::Usual, &V::valueTypes}, kRequired},
      {"method", {Form::Usual, &V::valueMethods}, kRequired},
      {"suggested", {Form::Decimal}}},
     "podcast:valueRecipient"},
    {"podcast:valueRecipient", CPodcastTags::Value | CPodcastTags::ValueTimeSplit, 0, false, {}, kOptional,
     {{"name", {}},
      {"customKey", {}},
      {"customValue", {}},
      {"type", {Form::Usual, &V::recipientTypes}, kRequired},
      {"address", {}, kRequired},
      {"split", {Form::Integer}, kRequired},
      {"fee", {Form::Boolean, &V::booleans}}}},
    {"podcast:valueTimeSplit", CPodcastTags::Value, 0, false, {}, kOptional,
     {{"startTime", {Form::Seconds}, kRequired},
      {"duration", {Form::Seconds}, kRequired},
      {"remoteStartTime", {Form::Seconds}},
      {"remotePercentage", {Form::Percentage}}}},
    {"podcast:medium", kChannel, kChannel, true, {Form::OneOf, &V::mediums}, kRequired, {}},
    {"podcast:podroll", kChannel, kChannel, true, {}, kOptional, {}, "podcast:remoteItem"},
    {"podcast:remoteItem",
     kChannel | CPodcastTags::Podroll | CPodcastTags::ValueTimeSplit | CPodcastTags::Publisher, kChannel, false, {},
     kOptional,
     {{"feedGuid", {Form::Uuid}, kRequired},
      {"feedUrl", {Form::HttpsUrl}},
      {"itemGuid", {}},
      {"medium", {Form::OneOf, &V::mediums}},
      {"title", {}}}},
    {"podcast:publisher", kChannel, kChannel, true, {}, kOptional, {}, "podcast:remoteItem"},
    {"podcast:updateFrequency", kChannel, kChannel, true, {Form::Text, nullptr, 128}, kOptional,
     {{"complete", {Form::Boolean, &V::booleans}}, {"dtstart", {Form::Iso8601}}, {"rrule", {}}}},
    {"podcast:podping", kChannel, kChannel, true, {}, kOptional, {{"usesPodping", {Form::Boolean, &V::booleans}}}},
    {"podcast:block", kChannel, kChannel, false, {Form::OneOf, &V::yesNo}, kRequired,
     {{"id", {Form::Usual, &V::serviceSlugs}}}},
    // A live item's contentLink is the listener's way in where an app cannot play the stream.
    {"podcast:liveItem", kChannel, 0, false, {}, kOptional,
     {{"status", {Form::OneOf, &V::liveStatuses}, kRequired},
      {"start", {Form::Iso8601}, kRequired},
      {"end", {Form::Iso8601}}},
     "podcast:contentLink"},
    {"podcast:contentLink", kItem, kItem, false, {Form::Text, nullptr, 128}, kOptional, {{"href", {Form::Uri}, kRequired}}},
    {"podcast:socialInteract", kBoth, kBoth, false, {}, kOptional,
     {{"protocol", {Form::Usual, &V::socialProtocols}, kRequired},
      {"uri", {Form::Uri}, kRequired},
      {"accountId", {}},
      {"accountUrl", {Form::HttpsUrl}},
      {"priority", {Form::Integer}}}},
    // A purpose of a service's own is fine; "ai-content" says whether AI made the content.
    {"podcast:txt", kBoth, kBoth, false, {Form::Text, nullptr, 4000}, kOptional,
     {{"purpose", {Form::Text, &V::txtPurposes, 128}}},
     nullptr, nullptr, nullptr, {{"purpose", "ai-content", {Form::Boolean, &V::booleans}}}},
    {"podcast:chat", kBoth, kBoth, true, {}, kOptional,
     {{"server", {}, kRequired},
      {"protocol", {Form::Usual, &V::chatProtocols}, kRequired},
      {"accountId", {}},
      {"space", {}}}},
    {"podcast:image", kBoth, kBoth, false, {}, kOptional,
     {{"href", {Form::HttpsUrl}, kRequired},
      {"alt", {}, kRecommended},
      {"aspect-ratio", {Form::AspectRatio, &V::aspectRatios}, kRecommended},
      {"width", {Form::Integer}, kRecommended},
      {"height", {Form::Integer}},
      {"type", {Form::MimeType}},
      {"purpose", {Form::Tokens, &V::imagePurposes, 128}}}},
    {"podcast:images", kBoth, 0, true, {}, kOptional, {{"srcset", {}, kRequired}}, nullptr, nullptr, "podcast:image"},
};

bool sameIgnoringCase(const QString &value, const QStringList &list)
{
    return list.contains(value, Qt::CaseInsensitive);
}

} // namespace

int CPodcastTags::distance(QStringView a, QStringView b, int limit)
{
    if (std::abs(int(a.size() - b.size())) > limit)
        return limit + 1;
    std::vector<int> row(size_t(b.size() + 1));
    for (size_t j = 0; j < row.size(); ++j)
        row[j] = int(j);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = int(i);
        int rowBest = row[0];
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const int above = row[size_t(j)];
            const bool same = a[i - 1].toCaseFolded() == b[j - 1].toCaseFolded();
            row[size_t(j)] = std::min({above + 1, row[size_t(j - 1)] + 1, diagonal + (same ? 0 : 1)});
            diagonal = above;
            rowBest = std::min(rowBest, row[size_t(j)]);
        }
        if (rowBest > limit)
            return limit + 1;
    }
    return std::min(row.back(), limit + 1);
}

const std::vector<Tag> &CPodcastTags::all()
{
    return kTags;
}

const Tag *CPodcastTags::find(QStringView name)
{
    for (const Tag &tag : kTags) {
        if (name == QLatin1String(tag.name))
            return &tag;
    }
    return nullptr;
}

const CPodcastTags::Attribute *CPodcastTags::attribute(QStringView tag, QStringView attribute)
{
    const Tag *row = find(tag);
    if (!row)
        return nullptr;
    for (const Attribute &candidate : row->attributes) {
        if (attribute == QLatin1String(candidate.name))
            return &candidate;
    }
    return nullptr;
}

const Tag *CPodcastTags::nearest(QStringView localName)
{
    const Tag *best = nullptr;
    // Two letters off in a longer name, one in a short one.
    int bestDistance = localName.size() >= 5 ? 3 : 2;
    for (const Tag &tag : kTags) {
        if (qstrncmp(tag.name, "podcast:", 8) != 0)
            continue;
        const int d = distance(localName, QString::fromLatin1(tag.name + 8), bestDistance - 1);
        if (d < bestDistance) {
            best = &tag;
            bestDistance = d;
        }
    }
    return best;
}

QStringList CPodcastTags::editedIn(Parent parent)
{
    QStringList names;
    for (const Tag &tag : kTags) {
        if (tag.fields & parent)
            names.append(QLatin1String(tag.name));
    }
    return names;
}

bool CPodcastTags::isListed(const QString &value, const Content &content)
{
    const QStringList &list = content.list ? content.list() : CPodcastValues::booleans();
    switch (content.form) {
    case Form::Usual:
        return sameIgnoringCase(value, list);
    case Form::Tokens: {
        const QStringList words = value.split(u' ', Qt::SkipEmptyParts);
        return std::all_of(words.begin(), words.end(), [&list](const QString &word) { return sameIgnoringCase(word, list); });
    }
    default:
        return list.contains(value);
    }
}
