#include "markup/Utf8ByteSource.h"

// A byte past the end reads as 0, so a sequence cut short by the end of the
// buffer decodes with zero bits in place of its missing bytes.
quint8 Utf8ByteSource::byteAt(qsizetype position) const
{
    return position < m_bytes.size() ? quint8(m_bytes.at(position)) : 0;
}

char16_t Utf8ByteSource::nextChar()
{
    if (m_position >= m_bytes.size())
        return 0;
    const quint8 lead = byteAt(m_position);
    if (lead < 0x80) {
        ++m_position;
        return lead;
    }
    if ((lead & 0xE0) == 0xC0) {
        const quint8 second = byteAt(m_position + 1);
        m_position += 2;
        return char16_t(((lead & 0x1F) << 6) | (second & 0x3F));
    }
    if ((lead & 0xF0) == 0xE0) {
        const quint8 second = byteAt(m_position + 1);
        const quint8 third = byteAt(m_position + 2);
        m_position += 3;
        return char16_t(((lead & 0x0F) << 12) | ((second & 0x3F) << 6) | (third & 0x3F));
    }
    ++m_position;
    return u'?';
}
