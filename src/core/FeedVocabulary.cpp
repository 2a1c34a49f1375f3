#include "core/FeedVocabulary.h"

QString CFeedVocabulary::itunesNamespace()
{
    return QStringLiteral("http://www.itunes.com/dtds/podcast-1.0.dtd");
}

QString CFeedVocabulary::podcastNamespace()
{
    return QStringLiteral("https://podcastindex.org/namespace/1.0");
}

QString CFeedVocabulary::atomNamespace()
{
    return QStringLiteral("http://www.w3.org/2005/Atom");
}

// Apple's directory reads the iTunes namespace without regard to case, and
// early podcast-namespace feeds name the specification's page on GitHub.
QString CFeedVocabulary::canonicalPrefix(const QString &uri)
{
    if (uri.compare(itunesNamespace(), Qt::CaseInsensitive) == 0)
        return QStringLiteral("itunes");
    if (uri == podcastNamespace()
        || uri == QLatin1String("https://github.com/Podcastindex-org/podcast-namespace/blob/main/docs/1.0.md"))
        return QStringLiteral("podcast");
    if (uri == atomNamespace())
        return QStringLiteral("atom");
    return QString();
}

QString CFeedVocabulary::namespaceOf(const QString &canonicalPrefix)
{
    if (canonicalPrefix == QLatin1String("itunes"))
        return itunesNamespace();
    if (canonicalPrefix == QLatin1String("podcast"))
        return podcastNamespace();
    if (canonicalPrefix == QLatin1String("atom"))
        return atomNamespace();
    return QString();
}

const QStringList &CFeedVocabulary::channelElements()
{
    static const QStringList names = {
        QStringLiteral("title"), QStringLiteral("link"), QStringLiteral("description"), QStringLiteral("language"),
        QStringLiteral("copyright"), QStringLiteral("managingEditor"), QStringLiteral("webMaster"),
        QStringLiteral("pubDate"), QStringLiteral("lastBuildDate"), QStringLiteral("category"),
        QStringLiteral("generator"), QStringLiteral("docs"), QStringLiteral("cloud"), QStringLiteral("ttl"),
        QStringLiteral("image"), QStringLiteral("rating"), QStringLiteral("textInput"), QStringLiteral("skipHours"),
        QStringLiteral("skipDays"), QStringLiteral("atom:link"),
        QStringLiteral("itunes:image"), QStringLiteral("itunes:category"), QStringLiteral("itunes:explicit"),
        QStringLiteral("itunes:author"), QStringLiteral("itunes:owner"), QStringLiteral("itunes:type"),
        QStringLiteral("itunes:title"), QStringLiteral("itunes:new-feed-url"), QStringLiteral("itunes:block"),
        QStringLiteral("itunes:complete"),
        QStringLiteral("podcast:locked"), QStringLiteral("podcast:guid"), QStringLiteral("podcast:funding"),
        QStringLiteral("podcast:person"), QStringLiteral("podcast:medium"), QStringLiteral("podcast:license"),
        QStringLiteral("podcast:location"),
    };
    return names;
}

const QStringList &CFeedVocabulary::postElements()
{
    static const QStringList names = {
        QStringLiteral("title"), QStringLiteral("link"), QStringLiteral("description"), QStringLiteral("author"),
        QStringLiteral("pubDate"), QStringLiteral("guid"), QStringLiteral("comments"), QStringLiteral("category"),
        QStringLiteral("source"), QStringLiteral("enclosure"),
        QStringLiteral("itunes:duration"), QStringLiteral("itunes:episode"), QStringLiteral("itunes:season"),
        QStringLiteral("itunes:episodeType"), QStringLiteral("itunes:explicit"), QStringLiteral("itunes:image"),
        QStringLiteral("itunes:block"),
        QStringLiteral("podcast:transcript"), QStringLiteral("podcast:chapters"), QStringLiteral("podcast:soundbite"),
        QStringLiteral("podcast:season"), QStringLiteral("podcast:episode"), QStringLiteral("podcast:person"),
    };
    return names;
}
