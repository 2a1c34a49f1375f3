#pragma once

#include "core/PackedBytes.h"

#include <QByteArray>

#include <functional>
#include <memory>
#include <vector>

// The bytes a feed's nodes point into: buffer 0 is the file's, kept packed;
// each edit adds a buffer with the text it wrote, in the file's encoding.
// An edit buffer no node points into any more is released (emptied, its
// number kept) by the feed, which knows its tree; nodes kept outside the
// tree pin theirs (CFeedBufferPins).
// Reading buffer 0 changes its cache: one thread at a time.
class CFeedBuffers
{
public:
    // The file's bytes, in place of every buffer.
    void setFile(CPackedBytes file);
    void clear();
    // Adds an edit's text; returns its buffer, which is count() before.
    int add(QByteArray bytes);
    int count() const { return 1 + int(m_edits.size()); }
    // The bytes the edit buffers hold, released ones left out.
    qsizetype editBytes() const { return m_editBytes; }

    // Whether the edits added since the last release outweigh what was kept
    // then (and a part of the file): a release costs a walk over the tree,
    // so it waits until it frees as much as the walk is worth.
    bool releaseDue() const;
    // Releases every edit buffer neither in `used` (ascending) nor pinned.
    void releaseAllBut(const std::vector<int> &used);

    qsizetype size(int buffer) const;
    // Buffer 0, to unpack its blocks on several threads.
    const CPackedBytes &file() const { return m_file; }
    // [begin, end) of a buffer.
    QByteArray range(int buffer, qsizetype begin, qsizetype end) const;
    // Hands [begin, end) to `piece` in one or more stretches, in order; stops,
    // returning false, when `piece` returns false.
    bool forEachPiece(int buffer, qsizetype begin, qsizetype end,
                      const std::function<bool(const char *, qsizetype)> &piece) const;

private:
    friend class CFeedBufferPins;

    CPackedBytes m_file;
    std::vector<QByteArray> m_edits; // buffer 1 on
    // Pins per buffer; shared, so that pins outlive a feed that is cleared or moved.
    std::shared_ptr<std::vector<int>> m_pins = std::make_shared<std::vector<int>>(1, 0);
    std::vector<int> m_held;          // the edit buffers not released, ascending
    qsizetype m_editBytes = 0;
    qsizetype m_addedSinceRelease = 0;
    qsizetype m_keptAtRelease = 0;
};
