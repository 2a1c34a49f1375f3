#include "core/PackedBytes.h"

#include "core/BlockPacker.h"
#include "core/PackedReadAhead.h"

#include <QtEndian>

#include <xxhash.h>
#include <zstd.h>

#include <cerrno>
#include <cstring>

#include <unistd.h>

namespace {

struct FreeEncoder
{
    void operator()(ZSTD_CCtx *encoder) const { ZSTD_freeCCtx(encoder); }
};
using Encoder = std::unique_ptr<ZSTD_CCtx, FreeEncoder>;

} // namespace

CPackedBytes::Decoder::Decoder() : m_context(ZSTD_createDCtx())
{
}

CPackedBytes::Decoder::~Decoder()
{
    ZSTD_freeDCtx(m_context);
}

void CPackedBytes::appendBlock(const char *data, qsizetype size, ZSTD_CCtx_s *encoder)
{
    m_blocks.push_back(CBlockPacker::pack(data, size, encoder));
    m_size += size;
}

CPackedBytes CPackedBytes::fromBytes(const QByteArray &bytes)
{
    CPackedBytes packed;
    const Encoder encoder(ZSTD_createCCtx());
    for (qsizetype at = 0; at < bytes.size(); at += kBlockSize)
        packed.appendBlock(bytes.constData() + at, qMin(kBlockSize, bytes.size() - at), encoder.get());
    return packed;
}

CPackedBytes CPackedBytes::fromPackedBlocks(std::vector<QByteArray> blocks, qsizetype size)
{
    CPackedBytes packed;
    packed.m_blocks = std::move(blocks);
    packed.m_size = size;
    return packed;
}

CPackedBytes::SourceFile::~SourceFile()
{
    ::close(fd);
}

void CPackedBytes::keepSourceFile(int fd)
{
    m_source = std::make_unique<SourceFile>(fd);
}

void CPackedBytes::fetchBlock(qsizetype block, QByteArray *into, Decoder &decoder) const
{
    if (!m_source || !readFromSource(block, into))
        unpackBlock(block, into, decoder);
}

bool CPackedBytes::readFromSource(qsizetype block, QByteArray *into) const
{
    const qsizetype size = blockLength(block);
    if (into->size() != size)
        *into = QByteArray(size, Qt::Uninitialized);
    for (qsizetype filled = 0; filled < size;) {
        const ssize_t read = ::pread(m_source->fd, into->data() + filled, size_t(size - filled),
                                     off_t(block * kBlockSize + filled));
        if (read < 0 && errno == EINTR)
            continue;
        if (read <= 0)
            return false;
        filled += read;
    }
    const QByteArray &packed = m_blocks[size_t(block)];
    const quint32 checksum = qFromLittleEndian<quint32>(packed.constData() + packed.size() - 4);
    return quint32(XXH64(into->constData(), size_t(size), 0)) == checksum;
}

void CPackedBytes::unpackBlock(qsizetype block, QByteArray *into, Decoder &decoder) const
{
    const qsizetype size = blockLength(block);
    if (into->size() != size)
        *into = QByteArray(size, Qt::Uninitialized);
    const QByteArray &packed = m_blocks[size_t(block)];
    const size_t read = ZSTD_decompressDCtx(decoder.context(), into->data(), size_t(size), packed.constData(),
                                            size_t(packed.size()));
    // The blocks were packed here, in this run, so they unpack whole unless
    // memory is gone or broken: never go on with bytes that a save would
    // write in place of the user's.
    if (read != size_t(size))
        qFatal("Cannot unpack a file's bytes: %s", ZSTD_isError(read) ? ZSTD_getErrorName(read) : "short block");
}

const QByteArray &CPackedBytes::unpacked(qsizetype block) const
{
    for (const Cached &cached : m_cache) {
        if (cached.block == block)
            return cached.bytes;
    }
    if (!m_decoder)
        m_decoder = std::make_unique<Decoder>();
    Cached &slot = m_cache[m_nextVictim];
    m_nextVictim = (m_nextVictim + 1) % m_cache.size();
    slot.block = -1;
    unpackBlock(block, &slot.bytes, *m_decoder);
    slot.block = block;
    return slot.bytes;
}

char CPackedBytes::at(qsizetype position) const
{
    Q_ASSERT(position >= 0 && position < m_size);
    return unpacked(position / kBlockSize).at(position % kBlockSize);
}

bool CPackedBytes::forEachPiece(qsizetype begin, qsizetype end,
                                const std::function<bool(const char *, qsizetype)> &piece) const
{
    Q_ASSERT(begin >= 0 && begin <= end && end <= m_size);
    const qsizetype firstBlock = begin / kBlockSize;
    const qsizetype endBlock = (end + kBlockSize - 1) / kBlockSize;
    if (endBlock - firstBlock >= kReadAheadBlocks)
        return forEachPieceReadAhead(begin, end, piece);
    for (qsizetype at = begin; at < end;) {
        const qsizetype offset = at % kBlockSize;
        const qsizetype length = qMin(kBlockSize - offset, end - at);
        if (!piece(unpacked(at / kBlockSize).constData() + offset, length))
            return false;
        at += length;
    }
    return true;
}

// A long stretch unpacks on a second thread while `piece` takes the blocks
// before: a save's copy of the untouched bytes then costs about the write.
bool CPackedBytes::forEachPieceReadAhead(qsizetype begin, qsizetype end,
                                         const std::function<bool(const char *, qsizetype)> &piece) const
{
    CPackedReadAhead blocks(*this, begin / kBlockSize, (end + kBlockSize - 1) / kBlockSize);
    for (qsizetype at = begin; at < end;) {
        const qsizetype offset = at % kBlockSize;
        const qsizetype length = qMin(kBlockSize - offset, end - at);
        if (!piece(blocks.next().constData() + offset, length))
            return false;
        at += length;
    }
    return true;
}

QByteArray CPackedBytes::mid(qsizetype position, qsizetype length) const
{
    const qsizetype begin = qBound<qsizetype>(0, position, m_size);
    const qsizetype end = length < 0 ? m_size : qBound(begin, position + length, m_size);
    QByteArray bytes;
    bytes.reserve(end - begin);
    forEachPiece(begin, end, [&bytes](const char *data, qsizetype size) {
        bytes.append(data, size);
        return true;
    });
    return bytes;
}

bool CPackedBytes::startsWith(const char *prefix) const
{
    const qsizetype length = qsizetype(std::strlen(prefix));
    return length <= m_size && mid(0, length) == QByteArray::fromRawData(prefix, length);
}

qsizetype CPackedBytes::packedSize() const
{
    qsizetype size = 0;
    for (const QByteArray &block : m_blocks)
        size += block.capacity();
    return size;
}
