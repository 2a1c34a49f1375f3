#pragma once

#include "core/FeedNode.h"

class CFeedBuffers;

#include <QByteArray>
#include <QString>


// Writes a feed's nodes out as the bytes they stand for, each stretch from
// the buffer it is in (the file's bytes, or text written for an edit), so
// that everything unedited goes out as it was read.
class CFeedWriter
{
public:
    // A null channel writes buffer 0 as it stands: a file whose channel
    // holds nothing to edit.
    CFeedWriter(const CFeedBuffers &buffers, const FeedNode *channel);

    // Writes through a temporary file that replaces the target, so a failed
    // save leaves the old file untouched; keeps its permissions and, where
    // the user may set them, its owner and group.
    bool saveToFile(const QString &path, QString *error) const;
    // The bytes a save writes, in the file's encoding.
    QByteArray bytes() const;

private:
    template<typename Sink> void render(const FeedNode &node, Sink &sink) const;
    template<typename Sink> void renderFile(Sink &sink) const;

    const CFeedBuffers &m_buffers;
    const FeedNode *m_channel;
};
