#include "core/FeedParser.h"

#include "core/ExpatFileBuffer.h"
#include "core/PackedBytes.h"
#include "core/PackedFileReader.h"

#include <QCoreApplication>

#include <expat.h>
#include <unicode/ucnv.h>

#include <array>

namespace {

bool isXmlSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// Fills expat's map for an encoding it does not know from an ICU converter
// of that name, so the file is read in its own bytes: a single-byte
// character maps to its code point, the lead byte of an n-byte sequence to
// -n, and convert() turns such a sequence into a code point.
//
// The map gives each lead byte one sequence length. GB18030 uses lead bytes
// that start both two- and four-byte sequences: its four-byte characters do
// not fit, such a file is refused (see the message in parse()) rather than
// converted, since a converted file would no longer be the user's bytes.
class IcuDecoder
{
public:
    static int XMLCALL handle(void *data, const XML_Char *name, XML_Encoding *info)
    {
        auto *declared = static_cast<QByteArray *>(data);
        *declared = QByteArray(name);
        UErrorCode status = U_ZERO_ERROR;
        UConverter *converter = ucnv_open(name, &status);
        if (U_FAILURE(status))
            return XML_STATUS_ERROR;
        auto *decoder = new IcuDecoder(converter);
        for (int byte = 0; byte < 256; ++byte)
            info->map[byte] = decoder->probe(byte);
        info->data = decoder;
        info->convert = convert;
        info->release = release;
        return XML_STATUS_OK;
    }

private:
    explicit IcuDecoder(UConverter *converter) : m_converter(converter)
    {
        UErrorCode status = U_ZERO_ERROR;
        ucnv_setToUCallBack(converter, UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
    }
    ~IcuDecoder() { ucnv_close(m_converter); }

    static int XMLCALL convert(void *data, const char *bytes)
    {
        auto *decoder = static_cast<IcuDecoder *>(data);
        return decoder->codePoint(bytes, decoder->m_lengths[static_cast<unsigned char>(bytes[0])]);
    }

    static void XMLCALL release(void *data) { delete static_cast<IcuDecoder *>(data); }

    // One code point, or -1 when the bytes are not one character.
    int codePoint(const char *bytes, int length)
    {
        UChar units[4];
        UErrorCode status = U_ZERO_ERROR;
        ucnv_resetToUnicode(m_converter);
        const int32_t count = ucnv_toUChars(m_converter, units, 4, bytes, length, &status);
        if (U_FAILURE(status) || count == 0)
            return -1;
        if (count == 1 && !U16_IS_SURROGATE(units[0]))
            return units[0];
        if (count == 2 && U16_IS_LEAD(units[0]) && U16_IS_TRAIL(units[1]))
            return int(U16_GET_SUPPLEMENTARY(units[0], units[1]));
        return -1;
    }

    // The map entry of a byte: tries it alone, then as the lead of two- and
    // three-byte sequences with the trail bytes legacy encodings use.
    int probe(int byte)
    {
        char bytes[3] = {char(byte), 0, 0};
        const int single = codePoint(bytes, 1);
        if (single >= 0)
            return single;
        for (int length = 2; length <= 3; ++length) {
            for (int trail = 0x40; trail <= 0xFE; ++trail) {
                bytes[1] = bytes[2] = char(trail);
                if (codePoint(bytes, length) >= 0) {
                    m_lengths[size_t(byte)] = length;
                    return -length;
                }
            }
        }
        return -1;
    }

    UConverter *m_converter;
    std::array<int, 256> m_lengths{};
};

QString lineAndColumn(XML_Size line, XML_Size column)
{
    return QCoreApplication::translate("FeedParser", "(line %1, column %2)").arg(line).arg(column + 1);
}

// What kind of fault stopped expat; `at` is the byte where it stopped.
FeedParser::Failure failureOf(XML_Error code, char at)
{
    const auto byte = static_cast<unsigned char>(at);
    switch (code) {
    case XML_ERROR_UNKNOWN_ENCODING:
    case XML_ERROR_INCORRECT_ENCODING:
        return FeedParser::Failure::Encoding;
    case XML_ERROR_UNDEFINED_ENTITY:
        return FeedParser::Failure::UndefinedEntity;
    case XML_ERROR_BAD_CHAR_REF:
        return FeedParser::Failure::InvalidCharacter;
    case XML_ERROR_INVALID_TOKEN:
        if (byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r')
            return FeedParser::Failure::InvalidCharacter;
        if (byte >= 0x80)
            return FeedParser::Failure::Encoding;
        return FeedParser::Failure::Syntax;
    default:
        return FeedParser::Failure::Syntax;
    }
}

// Hands expat the bytes from `from` on, in pieces of at most `pieceSize`,
// the last one marked final.
bool parseFrom(XML_Parser expat, const QByteArray &bytes, qsizetype from, qsizetype pieceSize)
{
    for (qsizetype at = from; at < bytes.size(); at += pieceSize) {
        const qsizetype size = qMin(pieceSize, bytes.size() - at);
        if (XML_Parse(expat, bytes.constData() + at, int(size), at + size >= bytes.size()) != XML_STATUS_OK)
            return false;
    }
    return from < bytes.size() || XML_Parse(expat, "", 0, XML_TRUE) == XML_STATUS_OK;
}

// Packed bytes, or a file being read, go to expat a block at a time, as
// they unpack or come in.
template<typename Blocks>
bool parseFrom(XML_Parser expat, const Blocks &bytes, qsizetype from, qsizetype)
{
    qsizetype at = from;
    const auto piece = [&](const char *data, qsizetype size) {
        at += size;
        return XML_Parse(expat, data, int(size), at == bytes.size()) == XML_STATUS_OK;
    };
    return bytes.forEachPiece(from, bytes.size(), piece)
            && (from < bytes.size() || XML_Parse(expat, "", 0, XML_TRUE) == XML_STATUS_OK);
}

// A file in the buffer of a parser of its own is parsed there, whole, when
// the parse starts at its first byte; otherwise it goes like other bytes.
bool parseFrom(XML_Parser expat, const CExpatFileBuffer &input, qsizetype from, qsizetype pieceSize)
{
    if (input.holds(expat))
        return XML_ParseBuffer(expat, int(input.size()), XML_TRUE) == XML_STATUS_OK;
    return parseFrom(expat, input.bytes(), from, pieceSize);
}

template<typename Bytes>
XML_Parser newParser(Bytes &, qsizetype, const char *encoding)
{
    return XML_ParserCreate(encoding);
}

XML_Parser newParser(CExpatFileBuffer &input, qsizetype from, const char *encoding)
{
    XML_Parser own = from == 0 ? input.parserForParse(encoding) : nullptr;
    return own ? own : XML_ParserCreate(encoding);
}

template<typename Bytes>
void freeParser(const Bytes &, XML_Parser expat)
{
    XML_ParserFree(expat);
}

// The file's own parser holds its bytes: it lives as long as they do.
void freeParser(const CExpatFileBuffer &input, XML_Parser expat)
{
    if (!input.holds(expat))
        XML_ParserFree(expat);
}

} // namespace

// The state of one parse, handed to expat's callbacks.
struct FeedParser::Run
{
    FeedParser *parser;
    XML_Parser expat;
    qsizetype skipped;       // white space before the declaration
    XML_Size skippedLines;   // line breaks in it
    QByteArray declaredEncoding;
    QString refusal;
    FeedParser::Failure refusalKind = FeedParser::Failure::None;

    void refuse(FeedParser::Failure kind, const QString &reason)
    {
        refusalKind = kind;
        refusal = reason + QLatin1Char(' ')
                + lineAndColumn(XML_GetCurrentLineNumber(expat) + skippedLines, XML_GetCurrentColumnNumber(expat))
                + QLatin1Char('.');
        XML_StopParser(expat, XML_FALSE);
    }

    static void XMLCALL start(void *data, const XML_Char *name, const XML_Char **attributes)
    {
        auto *run = static_cast<Run *>(data);
        const qsizetype begin = qsizetype(XML_GetCurrentByteIndex(run->expat)) + run->skipped;
        run->parser->startElement(name, attributes, begin, begin + XML_GetCurrentByteCount(run->expat));
    }

    static void XMLCALL end(void *data, const XML_Char *)
    {
        auto *run = static_cast<Run *>(data);
        const qsizetype begin = qsizetype(XML_GetCurrentByteIndex(run->expat)) + run->skipped;
        run->parser->endElement(begin, begin + XML_GetCurrentByteCount(run->expat));
    }

    static void XMLCALL text(void *data, const XML_Char *characters, int length)
    {
        static_cast<Run *>(data)->parser->characters(characters, length);
    }

    static void XMLCALL declaration(void *data, const XML_Char *, const XML_Char *encoding, int)
    {
        static_cast<Run *>(data)->declaredEncoding = encoding ? QByteArray(encoding) : QByteArray();
    }

    static void XMLCALL entityDeclaration(void *data, const XML_Char *name, int parameterEntity, const XML_Char *,
                                          int, const XML_Char *, const XML_Char *, const XML_Char *,
                                          const XML_Char *)
    {
        if (parameterEntity)
            return;
        static_cast<Run *>(data)->refuse(
                FeedParser::Failure::DeclaredEntity,
                QCoreApplication::translate("FeedParser", "The file defines the entity &%1; in its DOCTYPE. Tidrel reads only the five "
                               "predefined entities and character references, so that a save writes back "
                               "what it read and never fetches an external entity")
                        .arg(QString::fromUtf8(name)));
    }

    static void XMLCALL skippedEntity(void *data, const XML_Char *name, int)
    {
        static_cast<Run *>(data)->refuse(
                FeedParser::Failure::UndefinedEntity,
                QCoreApplication::translate("FeedParser", "The file uses the entity &%1;, which it does not define").arg(QString::fromUtf8(name)));
    }
};

template<typename Bytes>
bool FeedParser::parseBytes(Bytes &bytes, QString *error)
{
    m_failure = Failure::None;
    qsizetype skipped = 0;
    while (skipped < bytes.size() && isXmlSpace(bytes.at(skipped)))
        ++skipped;
    QString reason;
    if (run(bytes, skipped, nullptr, &reason))
        return true;
    // A file that declares UTF-16 but holds single bytes is read as UTF-8,
    // which is what it holds when it reads at all.
    if (m_encoding.toLower().startsWith("utf-16") && !bytes.startsWith("\xFF\xFE") && !bytes.startsWith("\xFE\xFF")
        && (bytes.size() < 2 || (bytes.at(0) != 0 && bytes.at(1) != 0)) && run(bytes, skipped, "UTF-8", nullptr)) {
        m_encoding = "UTF-8";
        m_failure = Failure::None;
        return true;
    }
    if (error)
        *error = reason;
    return false;
}

template<typename Bytes>
bool FeedParser::run(Bytes &bytes, qsizetype skipped, const char *forcedEncoding, QString *error)
{
    XML_Parser expat = newParser(bytes, skipped, forcedEncoding);
    Run state{this, expat, skipped, XML_Size(bytes.mid(0, skipped).count('\n')), QByteArray(), QString()};
    XML_SetUserData(expat, &state);
    XML_SetElementHandler(expat, Run::start, Run::end);
    if (m_readsText)
        XML_SetCharacterDataHandler(expat, Run::text);
    XML_SetXmlDeclHandler(expat, Run::declaration);
    XML_SetEntityDeclHandler(expat, Run::entityDeclaration);
    XML_SetSkippedEntityHandler(expat, Run::skippedEntity);
    XML_SetUnknownEncodingHandler(expat, IcuDecoder::handle, &state.declaredEncoding);

    // In pieces: expat copies what it is given into a buffer of its own, which
    // for a whole file would hold it twice.
    const qsizetype kPiece = m_wholeInput ? qMax<qsizetype>(bytes.size(), 1) : 1 << 16;
    const bool parsed = parseFrom(expat, bytes, skipped, kPiece);
    const XML_Error code = XML_GetErrorCode(expat);
    // Only a failure needs its place: expat counts lines by reading again
    // all it has parsed since it last counted.
    const XML_Size line = parsed ? 0 : XML_GetCurrentLineNumber(expat) + state.skippedLines;
    const XML_Size column = parsed ? 0 : XML_GetCurrentColumnNumber(expat);
    const QString where = parsed ? QString() : lineAndColumn(line, column);
    const qsizetype stop = qsizetype(XML_GetCurrentByteIndex(expat)) + skipped;
    freeParser(bytes, expat);

    if (bytes.startsWith("\xFF\xFE") || (bytes.size() > 1 && bytes.at(0) == '<' && bytes.at(1) == 0))
        m_encoding = "UTF-16LE";
    else if (bytes.startsWith("\xFE\xFF") || (bytes.size() > 1 && bytes.at(0) == 0 && bytes.at(1) == '<'))
        m_encoding = "UTF-16BE";
    else
        m_encoding = state.declaredEncoding.isEmpty() ? QByteArray("UTF-8") : state.declaredEncoding;
    if (parsed || !error)
        return parsed;

    m_failure = state.refusal.isEmpty() ? failureOf(code, stop >= 0 && stop < bytes.size() ? bytes.at(stop) : 0)
                                        : state.refusalKind;
    m_failureLine = int(line);
    m_failureColumn = int(column) + 1;

    const QString name = QString::fromLatin1(state.declaredEncoding);
    if (!state.refusal.isEmpty())
        *error = state.refusal;
    else if (code == XML_ERROR_UNKNOWN_ENCODING)
        *error = QCoreApplication::translate("FeedParser", "The file's encoding \"%1\" is not one Tidrel can read %2.").arg(name, where);
    else if (code == XML_ERROR_INVALID_TOKEN && name.compare(QLatin1String("GB18030"), Qt::CaseInsensitive) == 0)
        *error = QCoreApplication::translate("FeedParser", "The file is not well-formed XML, or uses a four-byte GB18030 character, which "
                                "Tidrel cannot edit in place %1.").arg(where);
    else
        *error = QCoreApplication::translate("FeedParser", "The file is not well-formed XML: %1 %2.")
                         .arg(QString::fromUtf8(XML_ErrorString(code)), where);
    return false;
}

bool FeedParser::parse(const QByteArray &bytes, QString *error)
{
    return parseBytes(bytes, error);
}

bool FeedParser::parse(const CPackedBytes &bytes, QString *error)
{
    return parseBytes(bytes, error);
}

bool FeedParser::parse(const CPackedFileReader &bytes, QString *error)
{
    return parseBytes(bytes, error);
}

bool FeedParser::parse(CExpatFileBuffer &input, QString *error)
{
    return parseBytes(input, error);
}
