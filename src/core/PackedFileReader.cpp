#include "core/PackedFileReader.h"

#include "core/PackedBytes.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstring>
#include <limits>

#include <fcntl.h>

namespace {

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

} // namespace

CPackedFileReader::CPackedFileReader() = default;

CPackedFileReader::~CPackedFileReader() = default;

bool CPackedFileReader::open(const QString &path, QString *error)
{
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
    // Byte ranges in a feed are 32-bit, which keeps the model of a large
    // feed small; no feed kept by hand comes near 2 GiB.
    if (info.size() > std::numeric_limits<qint32>::max()) {
        setError(error, QCoreApplication::translate("FeedReader", "The file is too large to edit (2 GiB or more)."));
        return false;
    }
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::ReadOnly)) {
        setError(error, QCoreApplication::translate("FeedReader", "Cannot open the file: %1").arg(m_file.errorString()));
        return false;
    }
    m_size = qsizetype(m_file.size());
    m_packer = std::make_unique<CBlockPacker>(m_file.handle(), m_size);
    return true;
}

bool CPackedFileReader::finish(CPackedBytes *packed, QString *error)
{
    const qsizetype blocks = (m_size + kBlockSize - 1) / kBlockSize;
    QString failure;
    std::vector<std::pair<qsizetype, QByteArray>> done = m_packer->finish(&failure);
    if (failure.isEmpty())
        failure = m_failure;
    // Grown since it was opened: the bytes read are not the whole file.
    if (failure.isEmpty() && m_file.size() != m_size)
        failure = QCoreApplication::translate("FeedReader", "The file changed while it was read.");
    if (!failure.isEmpty()) {
        setError(error, failure);
        return false;
    }
    // The parse stopped short: the file was refused for what it holds.
    if (m_packer->taken() < blocks)
        return false;
    std::vector<QByteArray> blocksInOrder(static_cast<size_t>(blocks));
    for (auto &[index, bytes] : done)
        blocksInOrder[size_t(index)] = std::move(bytes);
    *packed = CPackedBytes::fromPackedBlocks(std::move(blocksInOrder), m_size);
    const int source = ::fcntl(m_file.handle(), F_DUPFD_CLOEXEC, 0);
    if (source >= 0)
        packed->keepSourceFile(source);
    return true;
}

// Blocks come in order, from the packer; one asked for again once no
// longer at hand is read from the file again.
const QByteArray &CPackedFileReader::block(qsizetype index) const
{
    for (const Held &held : m_held) {
        if (held.block == index)
            return held.bytes;
    }
    Held &slot = m_held[m_nextVictim];
    m_nextVictim = (m_nextVictim + 1) % m_held.size();
    slot.block = index;
    if (index >= m_packer->taken())
        slot.bytes = m_packer->take(index);
    else
        slot.bytes = CBlockPacker::readBlock(m_file.handle(), m_size, index, &m_failure);
    return slot.bytes;
}

char CPackedFileReader::at(qsizetype position) const
{
    Q_ASSERT(position >= 0 && position < m_size);
    return block(position / kBlockSize).at(position % kBlockSize);
}

bool CPackedFileReader::forEachPiece(qsizetype begin, qsizetype end,
                                     const std::function<bool(const char *, qsizetype)> &piece) const
{
    Q_ASSERT(begin >= 0 && begin <= end && end <= m_size);
    for (qsizetype at = begin; at < end;) {
        const qsizetype offset = at % kBlockSize;
        const qsizetype length = qMin(kBlockSize - offset, end - at);
        if (!piece(block(at / kBlockSize).constData() + offset, length))
            return false;
        at += length;
    }
    return true;
}

QByteArray CPackedFileReader::mid(qsizetype position, qsizetype length) const
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

bool CPackedFileReader::startsWith(const char *prefix) const
{
    const qsizetype length = qsizetype(std::strlen(prefix));
    return length <= m_size && mid(0, length) == QByteArray::fromRawData(prefix, length);
}
