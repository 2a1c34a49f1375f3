#include "core/FeedEncoding.h"

#include <QStringDecoder>

#include <unicode/ucnv.h>
#include <unicode/ucnv_err.h>

namespace {

bool namesUtf8(const QByteArray &name)
{
    const QByteArray lower = name.toLower();
    return lower.isEmpty() || lower == "utf-8" || lower == "utf8";
}

} // namespace

FeedEncoding::FeedEncoding(const QByteArray &name)
    : m_name(name.isEmpty() ? QByteArray("UTF-8") : name), m_utf8(namesUtf8(name))
{
    if (m_utf8)
        return;
    UErrorCode status = U_ZERO_ERROR;
    m_converter = ucnv_open(m_name.constData(), &status);
    if (U_FAILURE(status)) {
        m_converter = nullptr;
        return;
    }
    status = U_ZERO_ERROR;
    ucnv_setFromUCallBack(m_converter, UCNV_FROM_U_CALLBACK_ESCAPE, UCNV_ESCAPE_XML_DEC, nullptr, nullptr, &status);
}

FeedEncoding::~FeedEncoding()
{
    if (m_converter)
        ucnv_close(m_converter);
}

QString FeedEncoding::decode(const char *bytes, qsizetype size) const
{
    if (m_utf8)
        return fromUtf8(QByteArrayView(bytes, size));
    if (!m_converter || size == 0)
        return QString();
    QString text(size * 2 + 2, Qt::Uninitialized);
    UErrorCode status = U_ZERO_ERROR;
    ucnv_resetToUnicode(m_converter);
    const int32_t length = ucnv_toUChars(m_converter, reinterpret_cast<UChar *>(text.data()), int32_t(text.size()),
                                         bytes, int32_t(size), &status);
    text.truncate(U_FAILURE(status) ? 0 : length);
    return text;
}

QByteArray FeedEncoding::encode(const QString &text) const
{
    if (m_utf8)
        return text.toUtf8();
    if (!m_converter || text.isEmpty())
        return QByteArray();
    UErrorCode status = U_ZERO_ERROR;
    ucnv_resetFromUnicode(m_converter);
    // The longest reference, "&#1114111;", is ten bytes for one code unit.
    QByteArray bytes(text.size() * 10 + 4, Qt::Uninitialized);
    const int32_t length = ucnv_fromUChars(m_converter, bytes.data(), int32_t(bytes.size()),
                                           reinterpret_cast<const UChar *>(text.constData()), int32_t(text.size()),
                                           &status);
    bytes.truncate(U_FAILURE(status) ? 0 : length);
    return bytes;
}

bool FeedEncoding::canEncode(char32_t c) const
{
    if (m_utf8)
        return true;
    if (!m_converter)
        return false;
    // QString::fromUcs4 would drop U+FEFF as a byte-order mark.
    const QString text = QStringView(QChar::fromUcs4(c)).toString();
    const QByteArray bytes = encode(text);
    // GB18030's four-byte characters would make a file the reader refuses
    // (FeedParser): they are written as references instead.
    if (bytes.size() == 4 && m_name.compare("GB18030", Qt::CaseInsensitive) == 0)
        return false;
    // An escaped character comes back as "&#...;"; "&" itself encodes as one
    // byte. ICU drops what the encoding lacks among the characters that show
    // nothing (U+FEFF, U+200B and the like) rather than escape them.
    return c == U'&' || (!bytes.isEmpty() && !bytes.startsWith("&#"));
}

QString FeedEncoding::fromUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(bytes);
}
