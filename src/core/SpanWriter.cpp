#include "core/SpanWriter.h"

#include "core/FeedBuffers.h"

#include <QByteArray>

#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

#include <fcntl.h>
#include <unistd.h>

namespace {

// Pieces of the file's bytes are at most a block long, so that each
// comes from one block.
constexpr qsizetype kBlockSize = CPackedBytes::kBlockSize;
// Batches hand over this much at a time, so that the threads meet rarely.
constexpr qint64 kBatchBytes = 8 * kBlockSize;
// Batches fetched ahead and not written yet, at most.
constexpr size_t kReadyBatches = 2;
// How long the writing thread waits for the last batch the second thread
// holds before it fetches that batch itself.
constexpr std::chrono::milliseconds kLastBatchWait(2);

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
        if (m_batches.empty() || m_size - m_pieces[m_batches.back().first].at >= kBatchBytes)
            m_batches.push_back({m_pieces.size(), m_pieces.size()});
        m_pieces.push_back({buffer, at, pieceEnd, m_size});
        ++m_batches.back().end;
        m_size += pieceEnd - at;
        at = pieceEnd;
    }
}

// One write: the batches each thread takes, those the second thread has
// fetched, and the first failure.
class CSpanWriter::Run
{
public:
    Run(const CSpanWriter &writer, int fd) : m_writer(writer), m_fd(fd), m_taken(writer.m_batches.size(), Nobody) {}

    bool writeAll()
    {
        std::thread second;
        if (m_writer.m_batches.size() > 1)
            second = std::thread([this] { fetchAhead(); });
        std::unique_lock<std::mutex> lock(m_mutex);
        while (m_failure == 0 && nextForWriter(lock)) {
        }
        m_stop = true;
        lock.unlock();
        m_changed.notify_all();
        if (second.joinable())
            second.join();
        return m_failure == 0;
    }

    int failure() const { return m_failure; }

private:
    enum Taker : char { Nobody, Writer, Second };

    // Writes one batch: one the second thread fetched, else the next one
    // nobody took, else the last the second thread still holds. False when
    // all are written. Called and returns with the lock held.
    bool nextForWriter(std::unique_lock<std::mutex> &lock)
    {
        if (m_ready.empty() && m_next == m_taken.size())
            m_changed.wait_for(lock, kLastBatchWait, [this] { return !m_ready.empty() || !secondHoldsOne(); });
        if (!m_ready.empty()) {
            const auto [batch, bytes] = std::move(m_ready.front());
            m_ready.pop_front();
            lock.unlock();
            m_changed.notify_all();
            writeFetched(batch, bytes);
            lock.lock();
            return true;
        }
        size_t batch = m_next;
        if (batch < m_taken.size()) {
            ++m_next;
        } else {
            while (batch > 0 && m_taken[batch - 1] != Second)
                --batch;
            if (batch == 0)
                return false;
            --batch;
        }
        m_taken[batch] = Writer;
        lock.unlock();
        writeBatch(batch);
        lock.lock();
        return true;
    }

    bool secondHoldsOne() const
    {
        for (const Taker taker : m_taken) {
            if (taker == Second)
                return true;
        }
        return false;
    }

    void fetchAhead()
    {
        CPackedBytes::Decoder decoder;
        QByteArray block;
        qsizetype blockIndex = -1;
        std::unique_lock<std::mutex> lock(m_mutex);
        for (;;) {
            m_changed.wait(lock, [this] { return m_stop || (m_ready.size() < kReadyBatches && m_next < m_taken.size()); });
            if (m_stop)
                return;
            const size_t batch = m_next++;
            m_taken[batch] = Second;
            lock.unlock();
            QByteArray bytes = fetchBatch(batch, decoder, block, blockIndex);
            lock.lock();
            // The writer took it over meanwhile: it is written already.
            if (m_taken[batch] == Second) {
                m_taken[batch] = Nobody;
                m_ready.emplace_back(batch, std::move(bytes));
                m_changed.notify_all();
            }
        }
    }

    QByteArray fetchBatch(size_t batch, CPackedBytes::Decoder &decoder, QByteArray &block, qsizetype &blockIndex) const
    {
        QByteArray bytes;
        const Batch &pieces = m_writer.m_batches[batch];
        bytes.reserve(qsizetype(batchEnd(batch) - batchBegin(batch)));
        for (size_t index = pieces.first; index < pieces.end; ++index) {
            forPiece(m_writer.m_pieces[index], decoder, block, blockIndex, [&bytes](const char *data, qsizetype size) {
                bytes.append(data, size);
                return true;
            });
        }
        return bytes;
    }

    void writeFetched(size_t batch, const QByteArray &bytes)
    {
        if (!writeAllAt(m_fd, bytes.constData(), bytes.size(), batchBegin(batch)))
            m_failure = errno;
        startWriteback(batch);
    }

    void writeBatch(size_t batch)
    {
        const Batch &pieces = m_writer.m_batches[batch];
        for (size_t index = pieces.first; index < pieces.end && m_failure == 0; ++index) {
            const Piece &piece = m_writer.m_pieces[index];
            forPiece(piece, m_decoder, m_block, m_blockIndex, [&](const char *data, qsizetype size) {
                if (!writeAllAt(m_fd, data, size, piece.at))
                    m_failure = errno;
                return m_failure == 0;
            });
        }
        startWriteback(batch);
    }

    // The disk starts writing a batch back at once, so that it works while
    // the rest is fetched, and the commit's flush waits only for the last ones.
    // Only a hint: a file system without it still flushes at the commit.
    void startWriteback(size_t batch) const
    {
        ::sync_file_range(m_fd, batchBegin(batch), batchEnd(batch) - batchBegin(batch), SYNC_FILE_RANGE_WRITE);
    }

    qint64 batchBegin(size_t batch) const { return m_writer.m_pieces[m_writer.m_batches[batch].first].at; }
    qint64 batchEnd(size_t batch) const
    {
        return batch + 1 < m_writer.m_batches.size() ? batchBegin(batch + 1) : m_writer.m_size;
    }

    template<typename Use>
    void forPiece(const Piece &piece, CPackedBytes::Decoder &decoder, QByteArray &block, qsizetype &blockIndex,
                  const Use &use) const
    {
        if (piece.buffer != 0) {
            m_writer.m_buffers.forEachPiece(piece.buffer, piece.begin, piece.end, use);
            return;
        }
        const qsizetype index = piece.begin / kBlockSize;
        if (index != blockIndex) {
            blockIndex = -1;
            m_writer.m_buffers.file().fetchBlock(index, &block, decoder);
            blockIndex = index;
        }
        use(block.constData() + piece.begin % kBlockSize, piece.end - piece.begin);
    }

    const CSpanWriter &m_writer;
    const int m_fd;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<Taker> m_taken; // who holds each batch until it is written or handed over
    size_t m_next = 0;          // batches taken, from the first
    std::deque<std::pair<size_t, QByteArray>> m_ready;
    bool m_stop = false;
    int m_failure = 0; // errno of the first failed write; only the writer writes
    CPackedBytes::Decoder m_decoder; // the writer's
    QByteArray m_block;
    qsizetype m_blockIndex = -1;
};

bool CSpanWriter::write(int fd, QString *error) const
{
    Run run(*this, fd);
    if (run.writeAll())
        return true;
    if (error)
        *error = qt_error_string(run.failure());
    return false;
}
