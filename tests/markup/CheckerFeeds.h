#pragma once

#include "markup/FeedChecker.h"

#include <QDateTime>
#include <QStringList>

// What the checker tests share: the moment they check at, a small feed of a
// channel and one post that is correct as it stands, and problems as text.

inline const QDateTime kNow(QDate(2026, 12, 6), QTime(12, 0), Qt::UTC);

// The feed with `channelXml` after the channel's own elements, `itemXml`
// after the post's guid, and `rssAttributes` in the rss start tag.
inline QByteArray feed(const QString &channelXml, const QString &itemXml, const QString &rssAttributes = QString())
{
    return QStringLiteral(
                   "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                   "<rss version=\"2.0\" xmlns:atom=\"http://www.w3.org/2005/Atom\" "
                   "xmlns:itunes=\"http://www.itunes.com/dtds/podcast-1.0.dtd\" "
                   "xmlns:podcast=\"https://podcastindex.org/namespace/1.0\"%3>\n"
                   "<channel>\n"
                   "<title>Cats</title>\n"
                   "<link>https://cats.example.org/</link>\n"
                   "<description>All about cats</description>\n"
                   "<atom:link rel=\"self\" href=\"https://cats.example.org/feed.xml\"/>\n"
                   "%1\n"
                   "<item>\n"
                   "<title>First</title>\n"
                   "<guid>https://cats.example.org/1</guid>\n"
                   "%2\n"
                   "</item>\n"
                   "</channel>\n"
                   "</rss>\n")
            .arg(channelXml, itemXml, rssAttributes)
            .toUtf8();
}

inline QString describe(const QList<CFeedChecker::Problem> &problems)
{
    QStringList lines;
    for (const CFeedChecker::Problem &problem : problems)
        lines << QStringLiteral("%1 at %2/%3@%4 (%5)")
                         .arg(problem.ruleName(), problem.parent, problem.field, problem.attribute, problem.message);
    return lines.join(QStringLiteral("\n"));
}
