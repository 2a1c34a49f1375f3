#pragma once

#include "core/PodcastTags.h"

#include <QString>
#include <QStringList>
#include <QStringView>

// The values the podcast namespace (https://podcastindex.org/namespace/1.0)
// and Apple's iTunes tags list for their attributes and node values, each
// list spelt out here and nowhere else (CPodcastTags says which tag takes
// which), and checks of the forms their times, numbers and identifiers take.
// Each check's note is in plain words and empty when the value is fine.
class CPodcastValues
{
public:
    static const QStringList &mediums();
    // The Podcast Taxonomy Project's roles and groups, lower-cased as feeds
    // write them (the namespace reads them without regard to case).
    static const QStringList &personRoles();
    static const QStringList &personGroups();
    static const QStringList &transcriptTypes();
    static const QStringList &transcriptRels();
    static const QStringList &locationRels();
    static const QStringList &valueTypes();
    static const QStringList &valueMethods();
    static const QStringList &recipientTypes();
    static const QStringList &chatProtocols();
    static const QStringList &socialProtocols();
    static const QStringList &imagePurposes();
    static const QStringList &txtPurposes();
    static const QStringList &integrityTypes();
    // The service slugs a block's id names.
    static const QStringList &serviceSlugs();
    static const QStringList &booleans(); // true, false
    static const QStringList &yesNo();    // yes, no
    static const QStringList &chaptersTypes();
    // The ratios images are usually drawn in; any other is fine too.
    static const QStringList &aspectRatios();
    // A live item's states, in the order of LiveStatus.
    static const QStringList &liveStatuses();
    static const QStringList &showTypes();
    static const QStringList &episodeTypes();

    enum class LiveStatus { Pending, Live, Ended, Other };
    static LiveStatus liveStatus(const QString &status);
    static QString liveStatusName(LiveStatus status);

    // The note on `text` as a value of that form and list; empty when the
    // form has no note of its own here (addresses, dates, media types and
    // numbers are noted by the fields that edit them).
    static QString Note(const CPodcastTags::Content &content, const QString &text);

    // Seconds, with decimals: "73.0", "1234.5", "60".
    static QString Seconds(const QString &text);
    // A number with decimals: an episode's "315.5", a bitrate.
    static QString Decimal(const QString &text);
    // An ISO 8601 date or date and time: "2023-08-28", "2023-08-28T00:00:00.000Z".
    static QString IsoDate(const QString &text);
    // A UUID, as podcast:guid and a remote item's feedGuid hold it.
    static QString Uuid(const QString &text);
    // "geo:30.2672,97.7431", with an optional altitude and parameters.
    static QString Geo(const QString &text);
    // An OpenStreetMap object: "R113314", "W43678282".
    static QString Osm(const QString &text);
    // A share of the whole, 0 to 100.
    static QString Percentage(const QString &text);
    static QString Country(const QString &text);
    static QString AspectRatio(const QString &text);

    // The forms themselves, as the feed checker tests them and the notes
    // above do, on text without the white space around it.
    // "3", "315.5": seconds and other numbers.
    static bool IsDecimal(QStringView text);
    // 8-4-4-4-12 hexadecimal digits.
    static bool IsUuid(QStringView text);
    // A geo URI (RFC 5870): "geo:30.2672,97.7431", "geo:-27.86,153.31,10;u=35",
    // its latitude from -90 to 90 and its longitude from -180 to 180.
    static bool IsGeo(const QString &text);
    static bool IsOsm(const QString &text);
    // CSS's ratio: "16/9", "16 / 9", or one number, "1.9" (that to 1).
    static bool IsAspectRatio(const QString &text);
    // What an ISO 8601 text holds: "2021-09-26" a date, "2021-09-26T07:30"
    // a local time, "2021-09-26T07:30:00.000-0600" or "…07:30Z" a time in
    // its zone.
    enum class IsoForm { Invalid, Date, LocalTime, ZonedTime };
    static IsoForm Iso8601(const QString &text);
};
