#pragma once

#include <QByteArray>
#include <QString>
#include <QUuid>

// A podcast's identity, podcast:guid, as PSP-1 makes it: a name-based UUID
// (version 5, SHA-1) of the feed's address without its scheme and trailing
// slashes, in the podcast namespace's own UUID namespace. The same address
// gives the same identity everywhere, so directories that compute it agree.
class CPodcastGuid
{
public:
    // The podcast:guid for a feed published at `feedAddress`.
    static QString fromFeedAddress(const QString &feedAddress);
    // "podnews.net/rss" from "https://podnews.net/rss/": the name hashed.
    static QString nameOfAddress(const QString &feedAddress);
    // RFC 4122's name-based UUID with SHA-1 of `name` in `space`.
    static QUuid uuidV5(const QUuid &space, const QByteArray &name);
};
