#include "core/FeedBuffers.h"

#include <algorithm>

namespace {

// Releases wait for at least this share of the file in new edits: the walk
// over the tree costs in proportion to the file.
constexpr qsizetype kFileShare = 16;

} // namespace

void CFeedBuffers::setFile(CPackedBytes file)
{
    m_file = std::move(file);
    m_edits.clear();
    m_pins = std::make_shared<std::vector<int>>(1, 0);
    m_held.clear();
    m_editBytes = m_addedSinceRelease = m_keptAtRelease = 0;
}

void CFeedBuffers::clear()
{
    setFile(CPackedBytes());
}

int CFeedBuffers::add(QByteArray bytes)
{
    m_editBytes += bytes.size();
    m_addedSinceRelease += bytes.size();
    m_edits.push_back(std::move(bytes));
    m_pins->push_back(0);
    m_held.push_back(int(m_edits.size()));
    return int(m_edits.size());
}

bool CFeedBuffers::releaseDue() const
{
    return m_addedSinceRelease > std::max(m_keptAtRelease, m_file.size() / kFileShare);
}

void CFeedBuffers::releaseAllBut(const std::vector<int> &used)
{
    std::vector<int> kept;
    for (const int buffer : m_held) {
        if ((*m_pins)[size_t(buffer)] > 0 || std::binary_search(used.begin(), used.end(), buffer)) {
            kept.push_back(buffer);
            continue;
        }
        QByteArray &bytes = m_edits[size_t(buffer - 1)];
        m_editBytes -= bytes.size();
        bytes = QByteArray();
    }
    m_held = std::move(kept);
    m_addedSinceRelease = 0;
    m_keptAtRelease = m_editBytes;
}

qsizetype CFeedBuffers::size(int buffer) const
{
    return buffer == 0 ? m_file.size() : m_edits[size_t(buffer - 1)].size();
}

QByteArray CFeedBuffers::range(int buffer, qsizetype begin, qsizetype end) const
{
    return buffer == 0 ? m_file.mid(begin, end - begin) : m_edits[size_t(buffer - 1)].mid(begin, end - begin);
}

bool CFeedBuffers::forEachPiece(int buffer, qsizetype begin, qsizetype end,
                                const std::function<bool(const char *, qsizetype)> &piece) const
{
    if (buffer == 0)
        return m_file.forEachPiece(begin, end, piece);
    return begin == end || piece(m_edits[size_t(buffer - 1)].constData() + begin, end - begin);
}
