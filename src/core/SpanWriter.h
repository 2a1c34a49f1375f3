#pragma once

#include <QString>

#include <vector>

class CFeedBuffers;

// Writes a save's bytes into a file, stretch by stretch of the feed's
// buffers, in batches of about half a MiB: the thread that writes takes the
// next batch, fetches its blocks of the file's bytes (read again from the
// feed's file while it holds them, else unpacked) and writes it at its place
// in the file, while a second thread fetches batches ahead and hands them
// over whole. A save then costs about what writing the bytes costs. Only the calling
// thread writes, and it never waits for the second thread, which on a busy
// machine may not run for a while: it takes over a batch that thread holds.
class CSpanWriter
{
public:
    explicit CSpanWriter(const CFeedBuffers &buffers) : m_buffers(buffers) {}

    // Adds [begin, end) of a buffer after what was added before.
    void add(int buffer, qsizetype begin, qsizetype end);
    // Writes all that was added into the file open as `fd`, from its
    // start. False, with *error the system's reason, when a write fails.
    bool write(int fd, QString *error) const;

private:
    struct Piece
    {
        int buffer;
        qsizetype begin;
        qsizetype end;
        qint64 at; // where it goes in the file
    };
    struct Batch
    {
        size_t first; // its pieces, [first, end)
        size_t end;
    };

    class Run;

    const CFeedBuffers &m_buffers;
    std::vector<Piece> m_pieces;
    std::vector<Batch> m_batches;
    qint64 m_size = 0;
};
