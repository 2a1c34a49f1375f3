#pragma once

#include <QString>

#include <vector>

class CFeedBuffers;

// Writes a save's bytes into a file, stretch by stretch of the feed's
// buffers, on two threads: each takes the next piece (a block of the file's
// packed bytes, or an edit's text), unpacks it and writes it at its own
// place in the file. A save then costs about what writing the bytes costs,
// the unpacking shared by the machine's two cores; a thread that does not
// run for a while (a busy machine) delays only the piece it holds.
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

    class Worker;

    const CFeedBuffers &m_buffers;
    std::vector<Piece> m_pieces;
    qint64 m_size = 0;
};
