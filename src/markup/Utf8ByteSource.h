#pragma once

#include "markup/MarkupScanner.h"

#include <QByteArray>

// Decodes UTF-8 bytes for the markup scanner. Characters beyond the basic
// plane are not decoded: each byte of a four-byte sequence reads as "?", as
// does a stray continuation byte.
class Utf8ByteSource : public MarkupCharSource
{
public:
    explicit Utf8ByteSource(const QByteArray &bytes) : m_bytes(bytes) {}

    char16_t nextChar() override;

private:
    quint8 byteAt(qsizetype position) const;

    QByteArray m_bytes;
    qsizetype m_position = 0;
};
