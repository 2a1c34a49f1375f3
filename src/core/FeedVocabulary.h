#pragma once

#include <QString>
#include <QStringList>

// The elements the program edits, by canonical name: RSS 2.0 elements by
// their own name, those of the iTunes, podcast and Atom namespaces (and of
// the few others the checker knows) as "itunes:...", "podcast:...",
// "atom:..." whatever prefix a file gives them. Everything else a feed
// holds is kept and shown as it stands.
class CFeedVocabulary
{
public:
    static QString itunesNamespace();
    static QString podcastNamespace();
    static QString atomNamespace();

    // The usual prefix of a namespace the program knows ("itunes",
    // "podcast", "atom", "content", "dc", "media"), in any of the spellings
    // feeds use for it; empty for any other.
    static QString canonicalPrefix(const QString &uri);
    // The namespace a canonical prefix stands for; empty for any other.
    static QString namespaceOf(const QString &canonicalPrefix);

    // The channel's and the items' children that the properties pages edit:
    // RSS 2.0's and Atom's self link, then the iTunes and podcast tags that
    // CPodcastTags marks as edited there.
    static const QStringList &channelElements();
    static const QStringList &postElements();
};
