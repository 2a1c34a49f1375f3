#include "markup/PodcastTags.h"

#include <QString>

#include <algorithm>

namespace {

using Tag = CPodcastTags::Tag;
using Form = CPodcastTags::Form;
constexpr int kChannel = CPodcastTags::Channel;
constexpr int kItem = CPodcastTags::Item;

const char *const kMedia = "podcast|music|video|film|audiobook|newsletter|blog|publisher|course|"
                           "podcastL|musicL|videoL|filmL|audiobookL|newsletterL|blogL|publisherL|courseL|mixed";

// From the namespace's documents: docs/1.0.md and docs/tags/*.md. The
// channel's podcast:guid and podcast:locked values have checks of their own.
const std::vector<Tag> kTags = {
    {"transcript", kItem, false, Form::Text, false, nullptr, 0, nullptr,
     {{"url", Form::HttpsUrl, true},
      {"type", Form::Usual, true, "text/plain|text/html|text/vtt|application/json|application/srt|application/x-subrip|text/srt"},
      {"language", Form::Language},
      {"rel", Form::OneOf, false, "captions"}}},
    {"locked", kChannel, true, Form::Text, false, nullptr, 0, nullptr, {{"owner", Form::Email}}},
    {"funding", kChannel | kItem, false, Form::Text, false, nullptr, 128, nullptr, {{"url", Form::HttpsUrl, true}}},
    {"chapters", kItem, true, Form::Text, false, nullptr, 0, nullptr,
     {{"url", Form::HttpsUrl, true}, {"type", Form::Usual, true, "application/json+chapters|application/json"}}},
    {"soundbite", kItem, false, Form::Text, false, nullptr, 128, nullptr,
     {{"startTime", Form::Seconds, true}, {"duration", Form::Seconds, true}}},
    {"person", kChannel | kItem, false, Form::Text, true, nullptr, 128, nullptr,
     {{"role", Form::Text}, {"group", Form::Text}, {"img", Form::HttpsUrl}, {"href", Form::HttpsUrl}}},
    {"location", kChannel | kItem, true, Form::Text, true, nullptr, 128, nullptr,
     {{"geo", Form::Geo}, {"osm", Form::Osm}}},
    {"season", kItem, true, Form::Integer, true, nullptr, 0, nullptr, {{"name", Form::Text, false, nullptr, 128}}},
    {"episode", kItem, true, Form::Decimal, true, nullptr, 0, nullptr, {{"display", Form::Text, false, nullptr, 32}}},
    {"trailer", kChannel, false, Form::Text, true, nullptr, 128, nullptr,
     {{"url", Form::HttpsUrl, true},
      {"pubdate", Form::Rfc822, true},
      {"length", Form::Integer},
      {"type", Form::MimeType},
      {"season", Form::Integer}}},
    {"license", kChannel | kItem, true, Form::Text, true, nullptr, 128, nullptr, {{"url", Form::HttpsUrl}}},
    {"alternateEnclosure", kItem, false, Form::Text, false, nullptr, 0, "source",
     {{"type", Form::MimeType, true},
      {"length", Form::Integer, true},
      {"bitrate", Form::Decimal},
      {"height", Form::Integer},
      {"lang", Form::Language},
      {"title", Form::Text, false, nullptr, 32},
      {"rel", Form::Text, false, nullptr, 32},
      {"codecs", Form::Text},
      {"default", Form::Boolean}}},
    {"source", CPodcastTags::AlternateEnclosure, false, Form::Text, false, nullptr, 0, nullptr,
     {{"uri", Form::Uri, true}, {"contentType", Form::MimeType}}},
    {"integrity", CPodcastTags::AlternateEnclosure, true, Form::Text, false, nullptr, 0, nullptr,
     {{"type", Form::OneOf, true, "sri|pgp-signature"}, {"value", Form::Text, true}}},
    {"guid", kChannel, true, Form::Text, false, nullptr, 0, nullptr, {}},
    {"value", kChannel | kItem, false, Form::Text, false, nullptr, 0, "valueRecipient",
     {{"type", Form::Usual, true, "lightning|hive|webmonetization"},
      {"method", Form::Usual, true, "keysend|amp|lnaddress"},
      {"suggested", Form::Decimal}}},
    {"valueRecipient", CPodcastTags::Value | CPodcastTags::ValueTimeSplit, false, Form::Text, false, nullptr, 0, nullptr,
     {{"name", Form::Text},
      {"customKey", Form::Text},
      {"customValue", Form::Text},
      {"type", Form::Text, true},
      {"address", Form::Text, true},
      {"split", Form::Integer, true},
      {"fee", Form::Boolean}}},
    {"valueTimeSplit", CPodcastTags::Value, false, Form::Text, false, nullptr, 0, nullptr,
     {{"startTime", Form::Seconds, true},
      {"duration", Form::Seconds, true},
      {"remoteStartTime", Form::Seconds},
      {"remotePercentage", Form::Integer}}},
    {"medium", kChannel, true, Form::OneOf, true, kMedia, 0, nullptr, {}},
    {"podroll", kChannel, true, Form::Text, false, nullptr, 0, "remoteItem", {}},
    {"remoteItem", kChannel | CPodcastTags::Podroll | CPodcastTags::ValueTimeSplit | CPodcastTags::Publisher, false,
     Form::Text, false, nullptr, 0, nullptr,
     {{"feedGuid", Form::Uuid, true},
      {"feedUrl", Form::HttpsUrl},
      {"itemGuid", Form::Text},
      {"medium", Form::OneOf, false, kMedia},
      {"title", Form::Text}}},
    {"publisher", kChannel, true, Form::Text, false, nullptr, 0, "remoteItem", {}},
    {"updateFrequency", kChannel, true, Form::Text, false, nullptr, 128, nullptr,
     {{"complete", Form::Boolean}, {"dtstart", Form::Iso8601}, {"rrule", Form::Text}}},
    {"podping", kChannel, true, Form::Text, false, nullptr, 0, nullptr, {{"usesPodping", Form::Boolean}}},
    {"block", kChannel, false, Form::OneOf, true, "yes|no", 0, nullptr, {{"id", Form::Text}}},
    // A live item's contentLink is the listener's way in where an app cannot play the stream.
    {"liveItem", kChannel, false, Form::Text, false, nullptr, 0, "contentLink",
     {{"status", Form::OneOf, true, "pending|live|ended"}, {"start", Form::Iso8601, true}, {"end", Form::Iso8601}}},
    {"contentLink", kItem, false, Form::Text, false, nullptr, 128, nullptr, {{"href", Form::Uri, true}}},
    {"socialInteract", kChannel | kItem, false, Form::Text, false, nullptr, 0, nullptr,
     {{"protocol", Form::Text, true},
      {"uri", Form::Uri, true},
      {"accountId", Form::Text},
      {"accountUrl", Form::HttpsUrl},
      {"priority", Form::Integer}}},
    {"txt", kChannel | kItem, false, Form::Text, false, nullptr, 4000, nullptr,
     {{"purpose", Form::Text, false, nullptr, 128}}},
    {"chat", kChannel | kItem, true, Form::Text, false, nullptr, 0, nullptr,
     {{"server", Form::Text, true}, {"protocol", Form::Text, true}, {"accountId", Form::Text}, {"space", Form::Text}}},
    {"image", kChannel | kItem, false, Form::Text, false, nullptr, 0, nullptr,
     {{"href", Form::HttpsUrl, true},
      {"alt", Form::Text},
      {"aspect-ratio", Form::AspectRatio},
      {"width", Form::Integer},
      {"height", Form::Integer},
      {"type", Form::MimeType},
      {"purpose", Form::Text, false, nullptr, 128}}},
    // Replaced by podcast:image, still read.
    {"images", kChannel | kItem, true, Form::Text, false, nullptr, 0, nullptr, {{"srcset", Form::Text, true}}},
};

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

const Tag *CPodcastTags::find(QStringView localName)
{
    for (const Tag &tag : kTags) {
        if (localName == QLatin1String(tag.name))
            return &tag;
    }
    return nullptr;
}

const Tag *CPodcastTags::nearest(QStringView localName)
{
    const Tag *best = nullptr;
    // Two letters off in a longer name, one in a short one.
    int bestDistance = localName.size() >= 5 ? 3 : 2;
    for (const Tag &tag : kTags) {
        const int d = distance(localName, QString::fromLatin1(tag.name), bestDistance - 1);
        if (d < bestDistance) {
            best = &tag;
            bestDistance = d;
        }
    }
    return best;
}

bool CPodcastTags::isOneOf(QStringView value, const char *values)
{
    const QLatin1String list(values);
    qsizetype start = 0;
    while (start <= list.size()) {
        qsizetype bar = list.indexOf(u'|', start);
        if (bar < 0)
            bar = list.size();
        if (value == list.mid(start, bar - start))
            return true;
        start = bar + 1;
    }
    return false;
}
