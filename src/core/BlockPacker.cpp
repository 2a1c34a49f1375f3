#include "core/BlockPacker.h"

#include <zstd.h>

#include <memory>

namespace {

// Fast packing: a feed's markup repeats itself so much that the fastest
// level packs it nearly as small as the default one, in half the time.
constexpr int kLevel = 1;

} // namespace

CBlockPacker::CBlockPacker()
{
    m_thread = std::thread([this] { packAll(); });
}

CBlockPacker::~CBlockPacker()
{
    finish();
}

QByteArray CBlockPacker::pack(const char *data, qsizetype size, ZSTD_CCtx_s *encoder)
{
    QByteArray packed(qsizetype(ZSTD_compressBound(size_t(size))), Qt::Uninitialized);
    const size_t written = ZSTD_compressCCtx(encoder, packed.data(), size_t(packed.size()), data, size_t(size), kLevel);
    // Packing into a buffer of the bound's size fails only when memory
    // runs out, which Qt does not survive either.
    if (ZSTD_isError(written))
        qFatal("Cannot pack a file's bytes: %s", ZSTD_getErrorName(written));
    packed.truncate(qsizetype(written));
    packed.squeeze();
    return packed;
}

void CBlockPacker::add(qsizetype index, QByteArray raw)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_changed.wait(lock, [this] { return m_waiting.size() < kMaxWaiting; });
    m_waiting.emplace_back(index, std::move(raw));
    lock.unlock();
    m_changed.notify_all();
}

std::vector<std::pair<qsizetype, QByteArray>> CBlockPacker::finish()
{
    if (m_thread.joinable()) {
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_finishing = true;
        }
        m_changed.notify_all();
        m_thread.join();
    }
    return std::move(m_packed);
}

void CBlockPacker::packAll()
{
    const std::unique_ptr<ZSTD_CCtx, decltype(&ZSTD_freeCCtx)> encoder(ZSTD_createCCtx(), &ZSTD_freeCCtx);
    for (;;) {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_changed.wait(lock, [this] { return m_finishing || !m_waiting.empty(); });
        if (m_waiting.empty())
            return;
        std::pair<qsizetype, QByteArray> block = std::move(m_waiting.front());
        m_waiting.pop_front();
        lock.unlock();
        m_changed.notify_all();
        QByteArray packed = pack(block.second.constData(), block.second.size(), encoder.get());
        block.second = QByteArray();
        lock.lock();
        m_packed.emplace_back(block.first, std::move(packed));
    }
}
