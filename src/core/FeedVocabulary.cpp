#include "core/FeedVocabulary.h"

#include "core/PodcastTags.h"

namespace {

// Namespaces with a usual prefix, in every spelling feeds use for them.
struct KnownNamespace
{
    const char *prefix;
    const char *uri;
};
const KnownNamespace kNamespaces[] = {
    {"itunes", "http://www.itunes.com/dtds/podcast-1.0.dtd"},
    {"podcast", "https://podcastindex.org/namespace/1.0"},
    {"podcast", "http://podcastindex.org/namespace/1.0"},
    {"podcast", "https://github.com/Podcastindex-org/podcast-namespace/blob/main/docs/1.0.md"},
    {"atom", "http://www.w3.org/2005/Atom"},
    {"content", "http://purl.org/rss/1.0/modules/content/"},
    {"dc", "http://purl.org/dc/elements/1.1/"},
    {"media", "http://search.yahoo.com/mrss/"},
};

} // namespace

// Apple's directory reads the iTunes namespace without regard to case.
QString CFeedVocabulary::canonicalPrefix(const QString &uri)
{
    for (const KnownNamespace &known : kNamespaces) {
        const bool itunes = qstrcmp(known.prefix, "itunes") == 0;
        if (uri.compare(QLatin1String(known.uri), itunes ? Qt::CaseInsensitive : Qt::CaseSensitive) == 0)
            return QLatin1String(known.prefix);
    }
    return QString();
}

// The first spelling of each is the one written.
QString CFeedVocabulary::namespaceOf(const QString &canonicalPrefix)
{
    for (const KnownNamespace &known : kNamespaces) {
        if (canonicalPrefix == QLatin1String(known.prefix))
            return QLatin1String(known.uri);
    }
    return QString();
}

QString CFeedVocabulary::itunesNamespace()
{
    return namespaceOf(QStringLiteral("itunes"));
}

QString CFeedVocabulary::podcastNamespace()
{
    return namespaceOf(QStringLiteral("podcast"));
}

QString CFeedVocabulary::atomNamespace()
{
    return namespaceOf(QStringLiteral("atom"));
}

// RSS 2.0's own, then those of the table that the pages edit there.
const QStringList &CFeedVocabulary::channelElements()
{
    static const QStringList names = QStringList{
        QStringLiteral("title"), QStringLiteral("link"), QStringLiteral("description"), QStringLiteral("language"),
        QStringLiteral("copyright"), QStringLiteral("managingEditor"), QStringLiteral("webMaster"),
        QStringLiteral("pubDate"), QStringLiteral("lastBuildDate"), QStringLiteral("category"),
        QStringLiteral("generator"), QStringLiteral("docs"), QStringLiteral("cloud"), QStringLiteral("ttl"),
        QStringLiteral("image"), QStringLiteral("rating"), QStringLiteral("textInput"), QStringLiteral("skipHours"),
        QStringLiteral("skipDays"), QStringLiteral("atom:link"),
    } + CPodcastTags::editedIn(CPodcastTags::Channel);
    return names;
}

const QStringList &CFeedVocabulary::postElements()
{
    static const QStringList names = QStringList{
        QStringLiteral("title"), QStringLiteral("link"), QStringLiteral("description"), QStringLiteral("author"),
        QStringLiteral("pubDate"), QStringLiteral("guid"), QStringLiteral("comments"), QStringLiteral("category"),
        QStringLiteral("source"), QStringLiteral("enclosure"),
    } + CPodcastTags::editedIn(CPodcastTags::Item);
    return names;
}
