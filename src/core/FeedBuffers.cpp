#include "core/FeedBuffers.h"

void CFeedBuffers::setFile(CPackedBytes file)
{
    m_file = std::move(file);
    m_edits.clear();
}

void CFeedBuffers::clear()
{
    setFile(CPackedBytes());
}

int CFeedBuffers::add(QByteArray bytes)
{
    m_edits.push_back(std::move(bytes));
    return int(m_edits.size());
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
