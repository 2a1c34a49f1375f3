#include "core/PackedBytes.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <zstd.h>

#include <cstring>
#include <limits>

namespace {

// Fast packing: a feed's markup repeats itself so much that the fastest
// level packs it nearly as small as the default one, in half the time.
constexpr int kLevel = 1;

struct FreeEncoder
{
    void operator()(ZSTD_CCtx *encoder) const { ZSTD_freeCCtx(encoder); }
};
using Encoder = std::unique_ptr<ZSTD_CCtx, FreeEncoder>;

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

// Byte ranges in a feed are 32-bit, which keeps the model of a large feed
// small; no feed kept by hand comes near 2 GiB.
bool refuseAsTooLarge(QString *error)
{
    setError(error, QCoreApplication::translate("FeedReader", "The file is too large to edit (2 GiB or more)."));
    return false;
}

} // namespace

void CPackedBytes::FreeDecoder::operator()(ZSTD_DCtx_s *decoder) const
{
    ZSTD_freeDCtx(decoder);
}

void CPackedBytes::appendBlock(const char *data, qsizetype size, ZSTD_CCtx_s *encoder)
{
    QByteArray packed(qsizetype(ZSTD_compressBound(size_t(size))), Qt::Uninitialized);
    const size_t written = ZSTD_compressCCtx(encoder, packed.data(), size_t(packed.size()), data, size_t(size), kLevel);
    // Packing into a buffer of the bound's size fails only when memory
    // runs out, which Qt does not survive either.
    if (ZSTD_isError(written))
        qFatal("Cannot pack a file's bytes: %s", ZSTD_getErrorName(written));
    packed.truncate(qsizetype(written));
    packed.squeeze();
    m_blocks.push_back(std::move(packed));
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

bool CPackedBytes::readFile(const QString &path, CPackedBytes *packed, QString *error)
{
    *packed = CPackedBytes();
    const QFileInfo info(path);
    if (info.isDir()) {
        setError(error, QCoreApplication::translate("FeedReader", "This is a folder, not a feed file."));
        return false;
    }
    // A device or a pipe may never end, or block: only files are read.
    if (info.exists() && !info.isFile()) {
        setError(error, QCoreApplication::translate("FeedReader", "This is a device or a pipe, not a feed file."));
        return false;
    }
    if (info.size() > std::numeric_limits<qint32>::max())
        return refuseAsTooLarge(error);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        setError(error, QCoreApplication::translate("FeedReader", "Cannot open the file: %1").arg(file.errorString()));
        return false;
    }
    const Encoder encoder(ZSTD_createCCtx());
    QByteArray block(kBlockSize, Qt::Uninitialized);
    for (;;) {
        // A short read is not the end on every kind of file: fill the block.
        qsizetype filled = 0;
        while (filled < kBlockSize) {
            const qint64 read = file.read(block.data() + filled, kBlockSize - filled);
            if (read < 0) {
                setError(error, QCoreApplication::translate("FeedReader", "Cannot read the file: %1").arg(file.errorString()));
                return false;
            }
            if (read == 0)
                break;
            filled += qsizetype(read);
        }
        if (filled > 0)
            packed->appendBlock(block.constData(), filled, encoder.get());
        // Grown while read.
        if (packed->m_size > std::numeric_limits<qint32>::max()) {
            *packed = CPackedBytes();
            return refuseAsTooLarge(error);
        }
        if (filled < kBlockSize)
            return true;
    }
}

const QByteArray &CPackedBytes::unpacked(qsizetype block) const
{
    for (const Cached &cached : m_cache) {
        if (cached.block == block)
            return cached.bytes;
    }
    if (!m_decoder)
        m_decoder.reset(ZSTD_createDCtx());
    Cached &slot = m_cache[m_nextVictim];
    m_nextVictim = (m_nextVictim + 1) % m_cache.size();
    const qsizetype size = qMin(kBlockSize, m_size - block * kBlockSize);
    if (slot.bytes.size() != size)
        slot.bytes = QByteArray(size, Qt::Uninitialized);
    const QByteArray &packed = m_blocks[size_t(block)];
    const size_t read = ZSTD_decompressDCtx(m_decoder.get(), slot.bytes.data(), size_t(size), packed.constData(), size_t(packed.size()));
    // The blocks were packed here, in this run, so they unpack whole unless
    // memory is gone or broken: never go on with bytes that a save would
    // write in place of the user's.
    if (read != size_t(size))
        qFatal("Cannot unpack a file's bytes: %s", ZSTD_isError(read) ? ZSTD_getErrorName(read) : "short block");
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
    for (qsizetype at = begin; at < end;) {
        const qsizetype offset = at % kBlockSize;
        const qsizetype length = qMin(kBlockSize - offset, end - at);
        if (!piece(unpacked(at / kBlockSize).constData() + offset, length))
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
