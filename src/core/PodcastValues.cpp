#include "core/PodcastValues.h"

#include "core/LanguageCodes.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QRegularExpression>

#include <cmath>

namespace {

QStringList fromLatin1(std::initializer_list<const char *> values)
{
    QStringList list;
    for (const char *value : values)
        list.append(QString::fromLatin1(value));
    return list;
}

// The notes are marked for translation where they are written.
QString note(const char *text)
{
    return QCoreApplication::translate("CPodcastValues", text);
}

} // namespace

const QStringList &CPodcastValues::mediums()
{
    static const QStringList list = fromLatin1({"podcast", "music", "video", "film", "audiobook", "newsletter", "blog",
                                                "publisher", "course", "podcastL", "musicL", "videoL", "filmL",
                                                "audiobookL", "newsletterL", "blogL", "publisherL", "courseL",
                                                "mixed"});
    return list;
}

const QStringList &CPodcastValues::personRoles()
{
    static const QStringList list = fromLatin1({
        "host", "co-host", "guest host", "guest", "voice actor", "narrator", "announcer", "reporter",
        "director", "assistant director", "executive producer", "senior producer", "producer",
        "associate producer", "development producer", "creative director",
        "author", "editorial director", "co-writer", "writer", "songwriter", "guest writer", "story editor",
        "managing editor", "script editor", "script coordinator", "researcher", "editor", "fact checker",
        "translator", "transcriber", "logger",
        "studio coordinator", "technical director", "technical manager", "audio engineer",
        "remote recording engineer", "post production engineer",
        "audio editor", "sound designer", "foley artist", "composer", "theme music", "music production",
        "music contributor",
        "production coordinator", "booking coordinator", "production assistant", "content manager",
        "marketing manager", "sales representative", "sales manager",
        "graphic designer", "cover art designer", "social media manager", "consultant", "intern",
        "camera operator", "lighting designer", "camera grip", "assistant camera", "assistant editor",
    });
    return list;
}

const QStringList &CPodcastValues::personGroups()
{
    static const QStringList list =
        fromLatin1({"cast", "creative direction", "writing", "audio production", "audio post-production",
                    "administration", "visuals", "community", "misc.", "video production", "video post-production"});
    return list;
}

const QStringList &CPodcastValues::transcriptTypes()
{
    static const QStringList list = fromLatin1(
        {"text/plain", "text/html", "text/vtt", "application/json", "application/x-subrip", "application/srt"});
    return list;
}

const QStringList &CPodcastValues::transcriptRels()
{
    static const QStringList list = fromLatin1({"captions"});
    return list;
}

const QStringList &CPodcastValues::locationRels()
{
    static const QStringList list = fromLatin1({"subject", "creator"});
    return list;
}

const QStringList &CPodcastValues::valueTypes()
{
    static const QStringList list = fromLatin1({"lightning", "bitcoin", "hive", "webmonetization"});
    return list;
}

const QStringList &CPodcastValues::valueMethods()
{
    static const QStringList list = fromLatin1({"keysend", "amp", "lnaddress", "default"});
    return list;
}

const QStringList &CPodcastValues::recipientTypes()
{
    static const QStringList list = fromLatin1({"node", "wallet", "lnaddress"});
    return list;
}

const QStringList &CPodcastValues::chatProtocols()
{
    static const QStringList list = fromLatin1({"irc", "xmpp", "nostr", "matrix"});
    return list;
}

const QStringList &CPodcastValues::socialProtocols()
{
    static const QStringList list =
        fromLatin1({"disabled", "activitypub", "twitter", "lightning", "bluesky", "hive", "matrix", "nostr"});
    return list;
}

const QStringList &CPodcastValues::imagePurposes()
{
    static const QStringList list = fromLatin1({"artwork", "social", "canvas", "banner", "publisher", "circular", "poster"});
    return list;
}

const QStringList &CPodcastValues::txtPurposes()
{
    static const QStringList list = fromLatin1({"verify", "applepodcastsverify", "release", "ai-content"});
    return list;
}

const QStringList &CPodcastValues::integrityTypes()
{
    static const QStringList list = fromLatin1({"sri", "pgp-signature"});
    return list;
}

const QStringList &CPodcastValues::serviceSlugs()
{
    static const QStringList list = fromLatin1({
        "acast", "amazon", "anchor", "apple", "audioboom", "backtracks", "bitcoin", "blubrry", "buzzsprout",
        "captivate", "castos", "fireside", "google", "hypercatcher", "libsyn", "mastodon", "megafono", "megaphone",
        "omnystudio", "overcast", "paypal", "pinecast", "podbean", "podcastaddict", "podcastindex", "podcasts.com",
        "podchaser", "podfriend", "podiant", "podigee", "podnews", "podomatic", "podserve", "podverse", "redcircle",
        "relayfm", "resonate", "rss.com", "shoutengine", "simplecast", "slack", "soundcloud", "spotify", "spreaker",
        "transistor", "twitter", "whooshkaa", "zencast",
    });
    return list;
}

const QStringList &CPodcastValues::booleans()
{
    static const QStringList list = fromLatin1({"true", "false"});
    return list;
}

const QStringList &CPodcastValues::yesNo()
{
    static const QStringList list = fromLatin1({"yes", "no"});
    return list;
}

const QStringList &CPodcastValues::chaptersTypes()
{
    static const QStringList list = fromLatin1({"application/json+chapters", "application/json"});
    return list;
}

const QStringList &CPodcastValues::aspectRatios()
{
    static const QStringList list = fromLatin1({"1/1", "16/9", "9/16", "4/1"});
    return list;
}

const QStringList &CPodcastValues::liveStatuses()
{
    static const QStringList list = fromLatin1({"pending", "live", "ended"});
    return list;
}

const QStringList &CPodcastValues::showTypes()
{
    static const QStringList list = fromLatin1({"episodic", "serial"});
    return list;
}

const QStringList &CPodcastValues::episodeTypes()
{
    static const QStringList list = fromLatin1({"full", "trailer", "bonus"});
    return list;
}

CPodcastValues::LiveStatus CPodcastValues::liveStatus(const QString &status)
{
    const qsizetype index = liveStatuses().indexOf(status.trimmed());
    return index < 0 ? LiveStatus::Other : LiveStatus(index);
}

QString CPodcastValues::liveStatusName(LiveStatus status)
{
    return liveStatuses().value(qsizetype(status));
}

QString CPodcastValues::Note(const CPodcastTags::Content &content, const QString &text)
{
    using Form = CPodcastTags::Form;
    if (text.trimmed().isEmpty())
        return QString();
    switch (content.form) {
    case Form::Seconds:
        return Seconds(text);
    case Form::Decimal:
        return Decimal(text);
    case Form::Percentage:
        return Percentage(text);
    case Form::Iso8601:
        return IsoDate(text);
    case Form::Uuid:
        return Uuid(text);
    case Form::Geo:
        return Geo(text);
    case Form::Osm:
        return Osm(text);
    case Form::Country:
        return Country(text);
    case Form::AspectRatio:
        return AspectRatio(text);
    case Form::Boolean:
    case Form::OneOf:
        if (CPodcastTags::isListed(text.trimmed(), content))
            return QString();
        return note(QT_TRANSLATE_NOOP("CPodcastValues", "Not one of: %1"))
            .arg((content.list ? content.list() : booleans()).join(QLatin1String(", ")));
    default: // a value outside a usual list is unusual, not wrong
        return QString();
    }
}

QString CPodcastValues::Seconds(const QString &text)
{
    if (IsDecimal(text.trimmed()))
        return QString();
    return note(QT_TRANSLATE_NOOP("CPodcastValues", "Not a time in seconds like 73.0 or 1234.5"));
}

QString CPodcastValues::Decimal(const QString &text)
{
    if (IsDecimal(text.trimmed()))
        return QString();
    return note(QT_TRANSLATE_NOOP("CPodcastValues", "Not a number like 3 or 315.5"));
}

QString CPodcastValues::IsoDate(const QString &text)
{
    if (Iso8601(text.trimmed()) != IsoForm::Invalid)
        return QString();
    return note(QT_TRANSLATE_NOOP("CPodcastValues", "Not an ISO 8601 date like 2023-08-28T00:00:00.000Z"));
}

QString CPodcastValues::Uuid(const QString &text)
{
    if (IsUuid(text.trimmed()))
        return QString();
    return note(QT_TRANSLATE_NOOP("CPodcastValues", "Not a UUID like 917393e3-1b1e-5cef-ace4-edaa54e1f810"));
}

QString CPodcastValues::Geo(const QString &text)
{
    if (IsGeo(text.trimmed()))
        return QString();
    return note(QT_TRANSLATE_NOOP("CPodcastValues", "Not a place like geo:30.2672,97.7431"));
}

QString CPodcastValues::Osm(const QString &text)
{
    if (IsOsm(text.trimmed()))
        return QString();
    return note(QT_TRANSLATE_NOOP("CPodcastValues", "Not an OpenStreetMap object like R113314 or W43678282"));
}

QString CPodcastValues::Percentage(const QString &text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (ok && value >= 0 && value <= 100)
        return QString();
    return note(QT_TRANSLATE_NOOP("CPodcastValues", "Not a percentage from 0 to 100"));
}

QString CPodcastValues::Country(const QString &text)
{
    if (CLanguageCodes::isCountry(text.trimmed()))
        return QString();
    return note(QT_TRANSLATE_NOOP("CPodcastValues", "Not a two-letter country code like US or DE"));
}

QString CPodcastValues::AspectRatio(const QString &text)
{
    if (IsAspectRatio(text.trimmed()))
        return QString();
    return note(QT_TRANSLATE_NOOP("CPodcastValues", "Not an aspect ratio like 16/9 or 1.9"));
}

// Digits with at most one point between them.
bool CPodcastValues::IsDecimal(QStringView text)
{
    const qsizetype point = text.indexOf(u'.');
    if (text.isEmpty() || point == 0 || point == text.size() - 1)
        return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (i != point && !(text[i] >= u'0' && text[i] <= u'9'))
            return false;
    }
    return true;
}

bool CPodcastValues::IsUuid(QStringView text)
{
    const auto isHexDigit = [](QChar c) {
        return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
    };
    if (text.size() != 36)
        return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool dash = i == 8 || i == 13 || i == 18 || i == 23;
        if (dash ? text[i] != u'-' : !isHexDigit(text[i]))
            return false;
    }
    return true;
}

// Latitude, longitude and an optional altitude, then parameters such as
// ";u=35" (uncertainty in metres) or ";crs=wgs84", a value optional.
bool CPodcastValues::IsGeo(const QString &text)
{
    static const QRegularExpression form(
            QStringLiteral("^geo:(-?\\d+(?:\\.\\d+)?),(-?\\d+(?:\\.\\d+)?)(,-?\\d+(\\.\\d+)?)?(;[A-Za-z0-9-]+(=[^;]+)?)*$"),
            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = form.match(text);
    return match.hasMatch() && std::abs(match.captured(1).toDouble()) <= 90
        && std::abs(match.captured(2).toDouble()) <= 180;
}

// A node, way or relation: "N…", "W…", "R…", with an optional revision "#…".
bool CPodcastValues::IsOsm(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^[NWR]\\d+(#\\d+)?$"), QRegularExpression::CaseInsensitiveOption);
    return form.match(text).hasMatch();
}

// A positive number, or two with "/" between them; CSS allows spaces around
// the "/" and "auto" beside the ratio.
bool CPodcastValues::IsAspectRatio(const QString &text)
{
    static const QRegularExpression form(QStringLiteral(
            "^(?:auto\\s+)?(?:\\d+(?:\\.\\d+)?|\\.\\d+)(?:\\s*/\\s*(?:\\d+(?:\\.\\d+)?|\\.\\d+))?(?:\\s+auto)?$"));
    return text.trimmed() == QLatin1String("auto") || form.match(text).hasMatch();
}

// A date, or a date and time with an optional fraction and zone; a space
// may stand for the "T".
CPodcastValues::IsoForm CPodcastValues::Iso8601(const QString &text)
{
    static const QRegularExpression form(QStringLiteral(
            "^(\\d{4})-(\\d{2})-(\\d{2})(?:[T ](\\d{2}):(\\d{2})(?::(\\d{2})(?:[.,]\\d+)?)?(Z|[+-]\\d{2}(?::?\\d{2})?)?)?$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch() || !QDate(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt()).isValid())
        return IsoForm::Invalid;
    if (match.captured(4).isEmpty())
        return IsoForm::Date;
    if (match.captured(4).toInt() > 23 || match.captured(5).toInt() > 59 || match.captured(6).toInt() > 60)
        return IsoForm::Invalid;
    return match.captured(7).isEmpty() ? IsoForm::LocalTime : IsoForm::ZonedTime;
}
