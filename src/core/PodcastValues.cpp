#include "core/PodcastValues.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QRegularExpression>
#include <QUuid>

namespace {

QStringList fromLatin1(std::initializer_list<const char *> values)
{
    QStringList list;
    for (const char *value : values)
        list.append(QString::fromLatin1(value));
    return list;
}

bool matches(const QString &text, const char *pattern)
{
    const QRegularExpression form(QString::fromLatin1(pattern));
    return form.match(text.trimmed()).hasMatch();
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
    static const QStringList list = fromLatin1({"artwork", "social", "canvas", "banner", "publisher", "circular"});
    return list;
}

const QStringList &CPodcastValues::txtPurposes()
{
    static const QStringList list = fromLatin1({"verify", "applepodcastsverify", "release"});
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

QString CPodcastValues::Seconds(const QString &text)
{
    if (matches(text, "^\\d+(\\.\\d+)?$"))
        return QString();
    return note(QT_TRANSLATE_NOOP("CPodcastValues", "Not a time in seconds like 73.0 or 1234.5"));
}

QString CPodcastValues::Decimal(const QString &text)
{
    if (matches(text, "^\\d+(\\.\\d+)?$"))
        return QString();
    return note(QT_TRANSLATE_NOOP("CPodcastValues", "Not a number like 3 or 315.5"));
}

QString CPodcastValues::IsoDate(const QString &text)
{
    const QString value = text.trimmed();
    if (QDate::fromString(value, Qt::ISODate).isValid() || QDateTime::fromString(value, Qt::ISODateWithMs).isValid())
        return QString();
    return note(QT_TRANSLATE_NOOP("CPodcastValues", "Not an ISO 8601 date like 2023-08-28T00:00:00.000Z"));
}

QString CPodcastValues::Uuid(const QString &text)
{
    const QString value = text.trimmed();
    if (value.size() == 36 && !QUuid::fromString(value).isNull())
        return QString();
    return note(QT_TRANSLATE_NOOP("CPodcastValues", "Not a UUID like 917393e3-1b1e-5cef-ace4-edaa54e1f810"));
}

QString CPodcastValues::Geo(const QString &text)
{
    if (matches(text, "^geo:-?\\d+(\\.\\d+)?,-?\\d+(\\.\\d+)?(,-?\\d+(\\.\\d+)?)?(;[^;]+)*$"))
        return QString();
    return note(QT_TRANSLATE_NOOP("CPodcastValues", "Not a place like geo:30.2672,97.7431"));
}

QString CPodcastValues::Osm(const QString &text)
{
    if (matches(text, "^[NWR]\\d+(#\\d+)?$"))
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
