#pragma once

#include "core/PackedBytes.h"

#include <QByteArray>

#include <functional>
#include <vector>

// The bytes a feed's nodes point into: buffer 0 is the file's, kept packed;
// each edit adds a buffer with the text it wrote, in the file's encoding.
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
    CPackedBytes m_file;
    std::vector<QByteArray> m_edits; // buffer 1 on
};
