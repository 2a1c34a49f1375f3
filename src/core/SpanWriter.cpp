#include "core/SpanWriter.h"

#include "core/FeedBuffers.h"

#include <atomic>
#include <cerrno>
#include <thread>

#include <fcntl.h>
#include <unistd.h>

namespace {

// Pieces of the file's bytes are at most a block long, so that each thread
// unpacks only the blocks it writes.
constexpr qsizetype kBlockSize = CPackedBytes::kBlockSize;
// Fewer pieces than this are written on the calling thread alone.
constexpr size_t kPiecesForTwoThreads = 8;
// Every this many pieces the disk starts writing back those written a
// while before, so that it works while the rest unpacks and the commit's
// flush waits only for the last stretch.
constexpr size_t kWritebackPieces = 32;

// Writes every byte or fails with errno set. A write that runs out of room
// part way returns a short count without an error; the write of the rest
// then fails and says why ("No space left on device").
bool writeAllAt(int fd, const char *data, qsizetype size, qint64 at)
{
    while (size > 0) {
        const ssize_t written = ::pwrite(fd, data, size_t(size), off_t(at));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = EIO;
            return false;
        }
        data += written;
        size -= written;
        at += written;
    }
    return true;
}

} // namespace

void CSpanWriter::add(int buffer, qsizetype begin, qsizetype end)
{
    for (qsizetype at = begin; at < end;) {
        const qsizetype pieceEnd = buffer == 0 ? qMin(end, (at / kBlockSize + 1) * kBlockSize) : end;
        m_pieces.push_back({buffer, at, pieceEnd, m_size});
        m_size += pieceEnd - at;
        at = pieceEnd;
    }
}

// One thread's share of a write: the next piece no thread took yet, until
// none is left or a write failed.
class CSpanWriter::Worker
{
public:
    Worker(const CSpanWriter &writer, int fd, std::atomic<size_t> &next, std::atomic<int> &failure)
        : m_writer(writer), m_fd(fd), m_next(next), m_failure(failure)
    {
    }

    void run()
    {
        const std::vector<Piece> &pieces = m_writer.m_pieces;
        for (size_t index = m_next++; index < pieces.size() && m_failure == 0; index = m_next++) {
            if (!writePiece(pieces[index])) {
                int none = 0;
                m_failure.compare_exchange_strong(none, errno);
                return;
            }
            if (index % kWritebackPieces == 0 && index >= 2 * kWritebackPieces) {
                // Only a hint: a file system without it still flushes at the commit.
                const qint64 from = pieces[index - 2 * kWritebackPieces].at;
                ::sync_file_range(m_fd, from, pieces[index - kWritebackPieces].at - from, SYNC_FILE_RANGE_WRITE);
            }
        }
    }

private:
    bool writePiece(const Piece &piece)
    {
        if (piece.buffer != 0) {
            return m_writer.m_buffers.forEachPiece(piece.buffer, piece.begin, piece.end,
                                                   [&](const char *data, qsizetype size) {
                                                       return writeAllAt(m_fd, data, size, piece.at);
                                                   });
        }
        const qsizetype block = piece.begin / kBlockSize;
        if (block != m_block) {
            m_block = -1;
            m_writer.m_buffers.file().unpackBlock(block, &m_bytes, m_decoder);
            m_block = block;
        }
        return writeAllAt(m_fd, m_bytes.constData() + piece.begin % kBlockSize, piece.end - piece.begin, piece.at);
    }

    const CSpanWriter &m_writer;
    const int m_fd;
    std::atomic<size_t> &m_next;
    std::atomic<int> &m_failure;
    CPackedBytes::Decoder m_decoder;
    QByteArray m_bytes;
    qsizetype m_block = -1;
};

bool CSpanWriter::write(int fd, QString *error) const
{
    std::atomic<size_t> next{0};
    std::atomic<int> failure{0};
    std::thread second;
    if (m_pieces.size() >= kPiecesForTwoThreads)
        second = std::thread([&] { Worker(*this, fd, next, failure).run(); });
    Worker(*this, fd, next, failure).run();
    if (second.joinable())
        second.join();
    if (failure != 0 && error)
        *error = qt_error_string(failure);
    return failure == 0;
}
