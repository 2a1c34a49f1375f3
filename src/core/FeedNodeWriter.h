#pragma once

#include <QByteArray>
#include <QString>

class CRssFeed;
struct FeedNode;

// Writes new elements into a new buffer of the feed, in the file's
// encoding, and records where each of their parts stands.
class CFeedNodeWriter
{
public:
    explicit CFeedNodeWriter(CRssFeed *feed);

    // Moves the text written into the feed's buffers.
    void finish();

    // `lead` and `startTag` in the file's encoding.
    void begin(FeedNode &node, const QByteArray &lead, const QByteArray &startTag);
    void end(FeedNode &node, const QString &closeLead, const QByteArray &endTag);
    void append(const QString &text);
    QByteArray tag(const QString &text) const;

    // A copy of the node's text, with another lead, in this buffer.
    FeedNode copy(const FeedNode &node, const QByteArray &lead);
    // Ends `node` with the tail and end tag of `from`, as they stand.
    void copyTail(FeedNode &node, const FeedNode &from);

private:
    CRssFeed *m_feed;
    int m_buffer;
    QByteArray m_bytes;
};
