#pragma once

#include "core/FeedNode.h"

#include <QByteArray>
#include <QList>
#include <QString>

class CPackedBytes;
class CPackedFileReader;

#include <utility>
#include <vector>

// Reads a feed file into the nodes CRssFeed keeps: with expat, which
// reports the byte range of every tag (FeedParser), so that the feed keeps
// the file's bytes and only offsets into them. Files that are not RSS
// feeds (images, web pages, Atom feeds) and files that are not well-formed
// are refused, with *error saying why, and where with line and column.
class CFeedReader
{
public:
    bool read(const CPackedBytes &bytes, QString *error);
    // The same while the file is read (and packed) as the parse goes.
    bool read(const CPackedFileReader &bytes, QString *error);

    // What read() found: the rss root's channel with its children and the
    // children of its items, offsets into buffer 0.
    FeedNode channel;
    bool hasChannel = false;
    QList<QByteArray> names; // the element names the nodes' `name` indexes
    QByteArray encodingName;
    bool hasByteOrderMark = false;

    // The start of a feed file up to the channel's start tag: where the
    // rss start tag stands (-1 when none), and the namespaces the rss
    // element and then the channel declare, as (prefix, uri).
    struct Head
    {
        qsizetype rssBegin = -1;
        qsizetype rssEnd = -1;
        std::vector<std::pair<QString, QString>> declarations;
    };
    static Head readHead(const QByteArray &bytes);

private:
    template<typename Bytes> bool readBytes(const Bytes &bytes, QString *error);
};
