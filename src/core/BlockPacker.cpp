#include "core/BlockPacker.h"

#include <QCoreApplication>

#include <zstd.h>

#include <cerrno>

#include <unistd.h>

namespace {

// Fast packing: a feed's markup repeats itself so much that the fastest
// level packs it nearly as small as the default one, in half the time.
constexpr int kLevel = 1;

void freeEncoder(ZSTD_CCtx *encoder)
{
    ZSTD_freeCCtx(encoder);
}

} // namespace

CBlockPacker::CBlockPacker(int fd, qsizetype size)
    : m_fd(fd), m_size(size), m_blockCount((size + kBlockSize - 1) / kBlockSize), m_encoder(nullptr, freeEncoder)
{
    m_thread = std::thread([this] { work(); });
}

CBlockPacker::~CBlockPacker()
{
    QString failure;
    finish(&failure);
}

QByteArray CBlockPacker::pack(const char *data, qsizetype size, ZSTD_CCtx_s *encoder)
{
    QByteArray packed(qsizetype(ZSTD_compressBound(size_t(size))), Qt::Uninitialized);
    // Each block ends in its bytes' checksum, so that a save can tell
    // whether the file still holds them (CPackedBytes::fetchBlock).
    ZSTD_CCtx_setParameter(encoder, ZSTD_c_compressionLevel, kLevel);
    ZSTD_CCtx_setParameter(encoder, ZSTD_c_checksumFlag, 1);
    const size_t written = ZSTD_compress2(encoder, packed.data(), size_t(packed.size()), data, size_t(size));
    // Packing into a buffer of the bound's size fails only when memory
    // runs out, which Qt does not survive either.
    if (ZSTD_isError(written))
        qFatal("Cannot pack a file's bytes: %s", ZSTD_getErrorName(written));
    packed.truncate(qsizetype(written));
    packed.squeeze();
    return packed;
}

QByteArray CBlockPacker::readBlock(int fd, qsizetype size, qsizetype index, QString *failure)
{
    const qsizetype length = qMin(kBlockSize, size - index * kBlockSize);
    QByteArray bytes(length, Qt::Uninitialized);
    qsizetype filled = 0;
    // A short read is not the end on every kind of file: fill the block.
    while (filled < length) {
        const ssize_t read = ::pread(fd, bytes.data() + filled, size_t(length - filled), index * kBlockSize + filled);
        if (read < 0 && errno == EINTR)
            continue;
        if (read <= 0) {
            *failure = read < 0 ? QCoreApplication::translate("FeedReader", "Cannot read the file: %1").arg(qt_error_string(errno))
                                : QCoreApplication::translate("FeedReader", "The file changed while it was read.");
            std::fill(bytes.begin() + filled, bytes.end(), '\0');
            break;
        }
        filled += qsizetype(read);
    }
    return bytes;
}

bool CBlockPacker::mayReadAhead() const
{
    return !m_finishing && m_read < m_blockCount && m_ahead.size() < kReadAhead;
}

// Reads a block claimed by the caller, without the lock.
QByteArray CBlockPacker::read(qsizetype index, std::unique_lock<std::mutex> &lock)
{
    lock.unlock();
    QString failure;
    QByteArray bytes = readBlock(m_fd, m_size, index, &failure);
    lock.lock();
    if (m_failure.isEmpty())
        m_failure = failure;
    return bytes;
}

void CBlockPacker::packOne(ZSTD_CCtx_s *encoder, std::unique_lock<std::mutex> &lock)
{
    Block block = std::move(m_waiting.front());
    m_waiting.pop_front();
    lock.unlock();
    QByteArray packed = pack(block.second.constData(), block.second.size(), encoder);
    block.second = QByteArray();
    lock.lock();
    m_packed.emplace_back(block.first, std::move(packed));
}

// Reading ahead comes first, since the parse may be waiting for it; packing
// fills the time between.
void CBlockPacker::work()
{
    const std::unique_ptr<ZSTD_CCtx, void (*)(ZSTD_CCtx *)> encoder(ZSTD_createCCtx(), freeEncoder);
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return m_finishing || mayReadAhead() || !m_waiting.empty(); });
        if (mayReadAhead()) {
            const qsizetype index = m_read++;
            QByteArray bytes = read(index, lock);
            m_ahead.emplace_back(index, std::move(bytes));
        } else if (!m_waiting.empty()) {
            packOne(encoder.get(), lock);
        } else {
            return;
        }
        m_changed.notify_all();
    }
}

QByteArray CBlockPacker::take(qsizetype index)
{
    Q_ASSERT(index >= m_taken && index < m_blockCount);
    std::unique_lock<std::mutex> lock(m_mutex);
    QByteArray bytes;
    while (m_taken <= index) {
        // Read here while the second thread was reading it: that copy goes.
        while (!m_ahead.empty() && m_ahead.front().first < m_taken)
            m_ahead.pop_front();
        if (!m_ahead.empty()) {
            bytes = std::move(m_ahead.front().second);
            m_ahead.pop_front();
        } else {
            // Not read yet, or the second thread is reading it: never wait
            // for a thread that may not run.
            m_read = qMax(m_read, m_taken + 1);
            bytes = read(m_taken, lock);
        }
        m_waiting.emplace_back(m_taken++, bytes);
        if (m_waiting.size() > kMaxWaiting) {
            if (!m_encoder)
                m_encoder.reset(ZSTD_createCCtx());
            packOne(m_encoder.get(), lock);
        }
    }
    lock.unlock();
    m_changed.notify_all();
    return bytes;
}

std::vector<CBlockPacker::Block> CBlockPacker::finish(QString *failure)
{
    if (m_thread.joinable()) {
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_finishing = true;
        }
        m_changed.notify_all();
        m_thread.join();
    }
    *failure = m_failure;
    return std::move(m_packed);
}
