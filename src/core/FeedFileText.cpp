#include "core/FeedFileText.h"

#include "core/FeedFileKind.h"

#include <unicode/ucnv.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <memory>

namespace FeedFileText {

namespace {

constexpr size_t npos = std::string::npos;

bool isXmlSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool startsWith(const std::string &text, size_t pos, const char *prefix)
{
    return text.compare(pos, std::strlen(prefix), prefix) == 0;
}

bool equalsIgnoringCase(const std::string &a, const char *b)
{
    const size_t length = std::strlen(b);
    if (a.size() != length)
        return false;
    for (size_t i = 0; i < length; ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

int lineAt(const std::string &text, size_t offset)
{
    return 1 + int(std::count(text.begin(), text.begin() + std::min(offset, text.size()), '\n'));
}

QString fromBytes(const std::string &bytes)
{
    return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
}

// --- XML declaration ---

enum class DeclarationRead { None, WellFormed, Malformed };

struct Declaration
{
    size_t start = 0; // of the "<?xml", or of the first non-space byte
    size_t end = 0;   // past the "?>"
    std::string encoding;
};

// Reads ` name = "value"` (white space first, either quote) at *pos and
// leaves *pos past it; false, with *pos unchanged, when it is not there.
bool readPseudoAttribute(const std::string &text, size_t *pos, const char *name, std::string *value)
{
    size_t at = *pos;
    while (at < text.size() && isXmlSpace(text[at]))
        ++at;
    if (at == *pos || !startsWith(text, at, name))
        return false;
    at += std::strlen(name);
    while (at < text.size() && isXmlSpace(text[at]))
        ++at;
    if (at >= text.size() || text[at] != '=')
        return false;
    ++at;
    while (at < text.size() && isXmlSpace(text[at]))
        ++at;
    if (at >= text.size() || (text[at] != '"' && text[at] != '\''))
        return false;
    const size_t close = text.find(text[at], at + 1);
    if (close == npos)
        return false;
    *value = text.substr(at + 1, close - at - 1);
    *pos = close + 1;
    return true;
}

bool isVersion(const std::string &value)
{
    return value.size() > 2 && startsWith(value, 0, "1.")
            && std::all_of(value.begin() + 2, value.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool isEncodingName(const std::string &value)
{
    return !value.empty() && std::isalpha(static_cast<unsigned char>(value[0]))
            && std::all_of(value.begin(), value.end(), [](char c) {
                   return std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '_' || c == '-';
               });
}

// Reads the XML declaration at the start of the text, after white space,
// by XML's grammar: "<?xml", the version, then optionally the encoding and
// standalone, each after white space, optional white space and "?>".
// Anything else there is malformed: TinyXML would read it as an empty
// declaration and drop the document behind it.
DeclarationRead readDeclaration(const std::string &text, Declaration *declaration)
{
    size_t pos = 0;
    while (pos < text.size() && isXmlSpace(text[pos]))
        ++pos;
    declaration->start = pos;
    if (!startsWith(text, pos, "<?xml") || pos + 5 >= text.size()
        || (!isXmlSpace(text[pos + 5]) && text[pos + 5] != '?'))
        return DeclarationRead::None;
    pos += 5;
    std::string version;
    std::string standalone;
    if (!readPseudoAttribute(text, &pos, "version", &version) || !isVersion(version))
        return DeclarationRead::Malformed;
    if (readPseudoAttribute(text, &pos, "encoding", &declaration->encoding) && !isEncodingName(declaration->encoding))
        return DeclarationRead::Malformed;
    if (readPseudoAttribute(text, &pos, "standalone", &standalone) && standalone != "yes" && standalone != "no")
        return DeclarationRead::Malformed;
    while (pos < text.size() && isXmlSpace(text[pos]))
        ++pos;
    if (!startsWith(text, pos, "?>"))
        return DeclarationRead::Malformed;
    declaration->end = pos + 2;
    return DeclarationRead::WellFormed;
}

QString malformedDeclaration(const std::string &text, const Declaration &declaration)
{
    return QStringLiteral("The XML declaration on line %1 is not well formed; it should read like "
                          "<?xml version=\"1.0\" encoding=\"UTF-8\"?>.")
            .arg(lineAt(text, declaration.start));
}

// --- Encodings ---

// Offset of the first byte that does not belong to a well-formed UTF-8
// sequence (overlong forms, surrogates and values past U+10FFFF included).
size_t invalidUtf8Offset(const std::string &text)
{
    const auto *bytes = reinterpret_cast<const unsigned char *>(text.data());
    const size_t size = text.size();
    size_t i = 0;
    while (i < size) {
        // Plain ASCII runs are the common case: take eight bytes at a time.
        while (i + 8 <= size) {
            quint64 word;
            std::memcpy(&word, bytes + i, 8);
            if (word & 0x8080808080808080ULL)
                break;
            i += 8;
        }
        if (i >= size)
            break;
        const unsigned char lead = bytes[i];
        if (lead < 0x80) {
            ++i;
            continue;
        }
        size_t length;
        quint32 codePoint;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            codePoint = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            codePoint = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            codePoint = lead & 0x07;
        } else {
            return i;
        }
        if (i + length > size)
            return i;
        for (size_t k = 1; k < length; ++k) {
            if ((bytes[i + k] & 0xC0) != 0x80)
                return i;
            codePoint = (codePoint << 6) | (bytes[i + k] & 0x3F);
        }
        if ((length == 3 && (codePoint < 0x800 || (codePoint >= 0xD800 && codePoint <= 0xDFFF)))
            || (length == 4 && (codePoint < 0x10000 || codePoint > 0x10FFFF)))
            return i;
        i += length;
    }
    return npos;
}

bool checkUtf8(const std::string &text, QString *error)
{
    const size_t bad = invalidUtf8Offset(text);
    if (bad == npos)
        return true;
    *error = QStringLiteral("The file is not valid UTF-8 text (line %1), and its XML declaration "
                            "names no other encoding.")
                     .arg(lineAt(text, bad));
    return false;
}

// UTF-16 is recognised by its byte-order mark or, without one, by the
// "<?" of the declaration written in two-byte units.
const char *utf16Charset(const std::string &text, size_t *bomLength)
{
    *bomLength = 0;
    if (startsWith(text, 0, "\xFF\xFE")) {
        *bomLength = 2;
        return "UTF-16LE";
    }
    if (startsWith(text, 0, "\xFE\xFF")) {
        *bomLength = 2;
        return "UTF-16BE";
    }
    if (text.compare(0, 4, std::string("<\0?\0", 4)) == 0)
        return "UTF-16LE";
    if (text.compare(0, 4, std::string("\0<\0?", 4)) == 0)
        return "UTF-16BE";
    return nullptr;
}

// Converts text[skip..] from `charset` to UTF-8 with ICU. Bytes that are
// not valid in the charset refuse the file rather than becoming
// substitution characters.
bool convertToUtf8(std::string &text, size_t skip, const std::string &charset, QString *error)
{
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<UConverter, void (*)(UConverter *)> converter(ucnv_open(charset.c_str(), &status),
                                                                  ucnv_close);
    if (U_FAILURE(status)) {
        *error = QStringLiteral("The file is written in the encoding \"%1\", which this program "
                                "cannot read.")
                         .arg(fromBytes(charset));
        return false;
    }
    ucnv_setToUCallBack(converter.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);

    std::u16string utf16(text.size() - skip + 16, u'\0');
    const char *source = text.data() + skip;
    const char *sourceLimit = text.data() + text.size();
    size_t produced = 0;
    for (;;) {
        UChar *target = utf16.data() + produced;
        status = U_ZERO_ERROR;
        ucnv_toUnicode(converter.get(), &target, utf16.data() + utf16.size(), &source, sourceLimit,
                       nullptr, true, &status);
        produced = size_t(target - utf16.data());
        if (status != U_BUFFER_OVERFLOW_ERROR)
            break;
        utf16.resize(utf16.size() * 2);
    }
    if (U_FAILURE(status)) {
        const int line = 1 + int(std::count(utf16.begin(), utf16.begin() + produced, u'\n'));
        *error = QStringLiteral("The file is not valid %1 text (line %2).")
                         .arg(fromBytes(charset))
                         .arg(line);
        return false;
    }
    const QByteArray utf8 = QStringView(utf16.data(), qsizetype(produced)).toUtf8();
    text.assign(utf8.constData(), size_t(utf8.size()));
    return true;
}

bool toUtf8(std::string &text, Prepared *prepared, QString *error)
{
    if (startsWith(text, 0, "\xEF\xBB\xBF")) {
        prepared->hadByteOrderMark = true;
        text.erase(0, 3);
        return checkUtf8(text, error);
    }
    size_t bomLength = 0;
    if (const char *utf16 = utf16Charset(text, &bomLength)) {
        prepared->hadByteOrderMark = bomLength > 0;
        prepared->convertedToUtf8 = true;
        return convertToUtf8(text, bomLength, utf16, error);
    }
    Declaration declaration;
    if (readDeclaration(text, &declaration) == DeclarationRead::Malformed) {
        *error = malformedDeclaration(text, declaration);
        return false;
    }
    const std::string &declared = declaration.encoding;
    if (declared.empty() || equalsIgnoringCase(declared, "UTF-8") || equalsIgnoringCase(declared, "UTF8"))
        return checkUtf8(text, error);
    prepared->convertedToUtf8 = true;
    // A declaration read as ASCII cannot be in two- or four-byte units: a
    // file that claims UTF-16 or UTF-32 this way is in fact 8-bit, taken as
    // UTF-8, and its declaration is corrected.
    if (equalsIgnoringCase(declared.substr(0, 6), "UTF-16") || equalsIgnoringCase(declared.substr(0, 6), "UTF-32"))
        return checkUtf8(text, error);
    return convertToUtf8(text, 0, declared, error);
}

// CR LF and lone CR become LF, as XML reads them.
void normalizeLineEnds(std::string &text)
{
    const size_t first = text.find('\r');
    if (first == npos)
        return;
    size_t out = first;
    for (size_t in = first; in < text.size(); ++in) {
        if (text[in] == '\r') {
            text[out++] = '\n';
            if (in + 1 < text.size() && text[in + 1] == '\n')
                ++in;
        } else {
            text[out++] = text[in];
        }
    }
    text.resize(out);
}

// --- Markup ---

bool isNameStart(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return std::isalpha(byte) || c == '_' || c == ':' || byte >= 0x80;
}

bool isNameChar(char c)
{
    return isNameStart(c) || std::isdigit(static_cast<unsigned char>(c)) || c == '-' || c == '.';
}

bool isXmlChar(quint32 c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF)
            || (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

// Walks the markup once: checks what TinyXML would accept while losing
// data, and masks the constructs it misreads.
class MarkupCheck
{
public:
    MarkupCheck(std::string &text, std::vector<std::string> *masked) : m_text(text), m_masked(masked)
    {
    }

    bool run(QString *error)
    {
        m_error = error;
        skipSpace();
        if (m_pos == m_text.size())
            return fail(QStringLiteral("The file is empty."));
        Declaration declaration;
        switch (readDeclaration(m_text, &declaration)) {
        case DeclarationRead::Malformed:
            return fail(malformedDeclaration(m_text, declaration));
        case DeclarationRead::WellFormed:
            m_pos = declaration.end;
            break;
        case DeclarationRead::None:
            break;
        }
        while (m_pos < m_text.size()) {
            if (!readNext())
                return false;
        }
        if (!m_open.empty()) {
            const OpenElement &open = m_open.back();
            return fail(QStringLiteral("The file ends before the element <%1> of line %2 is closed; "
                                       "it may have been cut short.")
                                .arg(nameOf(open), line(open.offset)));
        }
        if (!m_sawElement)
            return fail(QStringLiteral("The file holds no XML element."));
        return true;
    }

private:
    struct OpenElement
    {
        size_t offset; // of the '<'
        size_t nameLength;
    };

    bool readNext()
    {
        const char c = m_text[m_pos];
        if (c == '<')
            return readMarkup();
        if (m_open.empty()) {
            if (!isXmlSpace(c))
                return failAt(m_pos, QStringLiteral("Line %1 holds text outside the root element."));
            ++m_pos;
            return true;
        }
        if (c == '&')
            return readReference(&m_pos);
        // Character data: nothing to check until the next '<' or '&'.
        ++m_pos;
        while (m_pos < m_text.size()) {
            const char next = m_text[m_pos];
            if (next == '<' || next == '&')
                break;
            ++m_pos;
        }
        return true;
    }

    bool readMarkup()
    {
        if (startsWith(m_text, m_pos, "<!--"))
            return skipPast("-->", m_pos + 4, QStringLiteral("The comment that starts on line %1 is not closed."));
        if (startsWith(m_text, m_pos, "<![CDATA[")) {
            if (m_open.empty())
                return failAt(m_pos, QStringLiteral("Line %1 holds a CDATA section outside the root element."));
            return skipPast("]]>", m_pos + 9,
                            QStringLiteral("The CDATA section that starts on line %1 is not closed."));
        }
        if (startsWith(m_text, m_pos, "<!DOCTYPE"))
            return readDoctype();
        if (startsWith(m_text, m_pos, "<!"))
            return failAt(m_pos, QStringLiteral("Line %1 holds markup that is not allowed here (\"<!\")."));
        if (startsWith(m_text, m_pos, "<?"))
            return readProcessingInstruction();
        if (startsWith(m_text, m_pos, "</"))
            return readEndTag();
        if (m_pos + 1 < m_text.size() && isNameStart(m_text[m_pos + 1]))
            return readStartTag();
        return failAt(m_pos, QStringLiteral("Line %1 holds a '<' that does not begin a tag; "
                                            "it should be written as &lt;."));
    }

    bool skipPast(const char *terminator, size_t from, const QString &unclosed)
    {
        const size_t end = m_text.find(terminator, from);
        if (end == npos)
            return failAt(m_pos, unclosed);
        m_pos = end + std::strlen(terminator);
        return true;
    }

    bool readDoctype()
    {
        if (m_sawElement || !m_open.empty())
            return failAt(m_pos, QStringLiteral("The DOCTYPE on line %1 stands after the root element."));
        bool inSubset = false;
        size_t p = m_pos + 9;
        while (p < m_text.size()) {
            const char c = m_text[p];
            if (c == '"' || c == '\'') {
                const size_t close = m_text.find(c, p + 1);
                if (close == npos)
                    break;
                p = close + 1;
            } else if (inSubset && startsWith(m_text, p, "<!--")) {
                const size_t end = m_text.find("-->", p + 4);
                if (end == npos)
                    break;
                p = end + 3;
            } else if (inSubset && startsWith(m_text, p, "<?")) {
                const size_t end = m_text.find("?>", p + 2);
                if (end == npos)
                    break;
                p = end + 2;
            } else if (c == '[' || c == ']') {
                inSubset = c == '[';
                ++p;
            } else if (c == '>' && !inSubset) {
                mask(m_pos, p + 1);
                m_pos = p + 1;
                return true;
            } else {
                ++p;
            }
        }
        return failAt(m_pos, QStringLiteral("The DOCTYPE that starts on line %1 is not closed."));
    }

    bool readProcessingInstruction()
    {
        const size_t targetStart = m_pos + 2;
        size_t targetEnd = targetStart;
        while (targetEnd < m_text.size() && isNameChar(m_text[targetEnd]))
            ++targetEnd;
        if (targetEnd == targetStart)
            return failAt(m_pos, QStringLiteral("The processing instruction on line %1 has no name."));
        if (equalsIgnoringCase(m_text.substr(targetStart, targetEnd - targetStart), "xml"))
            return failAt(m_pos, QStringLiteral("Line %1 holds an XML declaration that is not at the "
                                                "start of the file."));
        const size_t end = m_text.find("?>", targetEnd);
        if (end == npos)
            return failAt(m_pos, QStringLiteral("The processing instruction that starts on line %1 is not closed."));
        mask(m_pos, end + 2);
        m_pos = end + 2;
        return true;
    }

    bool readStartTag()
    {
        if (m_open.size() >= size_t(kMaxNesting))
            return failAt(m_pos, QStringLiteral("The elements are nested too deeply (line %1)."));
        const size_t start = m_pos;
        size_t p = m_pos + 1;
        while (p < m_text.size() && isNameChar(m_text[p]))
            ++p;
        const OpenElement element{start, p - start - 1};
        while (p < m_text.size()) {
            const char c = m_text[p];
            if (c == '"' || c == '\'') {
                if (!readAttributeValue(&p))
                    return false;
            } else if (c == '>') {
                if (m_text[p - 1] != '/')
                    m_open.push_back(element);
                m_sawElement = true;
                m_pos = p + 1;
                return true;
            } else if (c == '<') {
                break;
            } else {
                ++p;
            }
        }
        return fail(QStringLiteral("The tag <%2> on line %1 is not closed.").arg(line(start), nameOf(element)));
    }

    // *p is at the opening quote; leaves it past the closing one.
    bool readAttributeValue(size_t *p)
    {
        const char quote = m_text[*p];
        size_t at = *p + 1;
        while (at < m_text.size() && m_text[at] != quote) {
            if (m_text[at] == '&') {
                if (!readReference(&at))
                    return false;
            } else {
                ++at;
            }
        }
        if (at >= m_text.size())
            return failAt(*p, QStringLiteral("The attribute value that starts on line %1 is not closed."));
        *p = at + 1;
        return true;
    }

    bool readEndTag()
    {
        const size_t start = m_pos;
        size_t p = m_pos + 2;
        while (p < m_text.size() && isNameChar(m_text[p]))
            ++p;
        const size_t nameLength = p - start - 2;
        while (p < m_text.size() && isXmlSpace(m_text[p]))
            ++p;
        if (nameLength == 0 || p >= m_text.size() || m_text[p] != '>')
            return failAt(start, QStringLiteral("The end tag on line %1 is not well formed."));
        const QString name = fromBytes(m_text.substr(start + 2, nameLength));
        if (m_open.empty())
            return fail(QStringLiteral("The end tag </%2> on line %1 has no start tag.").arg(line(start), name));
        const OpenElement &open = m_open.back();
        if (open.nameLength != nameLength || m_text.compare(open.offset + 1, nameLength, m_text, start + 2, nameLength) != 0) {
            return fail(QStringLiteral("The end tag </%2> on line %1 does not close the element <%3> of line %4.")
                                .arg(line(start), name, nameOf(open), line(open.offset)));
        }
        m_open.pop_back();
        m_pos = p + 1;
        return true;
    }

    // *p is at the '&'; leaves it past the reference. Only the five
    // predefined entities and character references are allowed: TinyXML
    // drops the '&' of anything else, and nothing is ever expanded from a
    // DTD or fetched.
    bool readReference(size_t *p)
    {
        const size_t start = *p;
        size_t at = start + 1;
        if (at < m_text.size() && m_text[at] == '#')
            return readCharacterReference(p);
        while (at < m_text.size() && at - start <= 64 && isNameChar(m_text[at]))
            ++at;
        if (at == start + 1 || at >= m_text.size() || m_text[at] != ';') {
            return failAt(start, QStringLiteral("Line %1 holds an '&' that does not begin an entity "
                                                "reference; it should be written as &amp;."));
        }
        const std::string name = m_text.substr(start + 1, at - start - 1);
        if (name != "amp" && name != "lt" && name != "gt" && name != "quot" && name != "apos") {
            return fail(QStringLiteral("Line %1 uses the entity &%2;, which is not one of XML's own: a feed "
                                       "can only use &amp; &lt; &gt; &quot; &apos; and numeric character "
                                       "references, and entities are never read from a DTD.")
                                .arg(line(start), fromBytes(name)));
        }
        *p = at + 1;
        return true;
    }

    bool readCharacterReference(size_t *p)
    {
        const size_t start = *p;
        size_t at = start + 2;
        const bool hex = at < m_text.size() && m_text[at] == 'x';
        if (hex)
            ++at;
        const size_t digitsStart = at;
        quint32 value = 0;
        while (at < m_text.size() && at - digitsStart < 8) {
            const char c = m_text[at];
            int digit;
            if (c >= '0' && c <= '9')
                digit = c - '0';
            else if (hex && c >= 'a' && c <= 'f')
                digit = c - 'a' + 10;
            else if (hex && c >= 'A' && c <= 'F')
                digit = c - 'A' + 10;
            else
                break;
            value = value * (hex ? 16 : 10) + quint32(digit);
            ++at;
        }
        if (at == digitsStart || at >= m_text.size() || m_text[at] != ';')
            return failAt(start, QStringLiteral("Line %1 holds a malformed character reference."));
        if (!isXmlChar(value))
            return failAt(start, QStringLiteral("The character reference on line %1 names a character "
                                                "that XML does not allow."));
        *p = at + 1;
        return true;
    }

    // Replaces the construct text[start, end) by "<!", spaces and ">",
    // keeping its line breaks, and keeps what stood between '<' and '>'.
    void mask(size_t start, size_t end)
    {
        m_masked->push_back(m_text.substr(start + 1, end - start - 2));
        m_text[start + 1] = '!';
        for (size_t i = start + 2; i + 1 < end; ++i) {
            if (m_text[i] != '\n')
                m_text[i] = ' ';
        }
    }

    void skipSpace()
    {
        while (m_pos < m_text.size() && isXmlSpace(m_text[m_pos]))
            ++m_pos;
    }

    QString nameOf(const OpenElement &element) const
    {
        return fromBytes(m_text.substr(element.offset + 1, element.nameLength));
    }

    QString line(size_t offset) const
    {
        return QString::number(lineAt(m_text, offset));
    }

    // `message` holds %1 for the line of `offset`.
    bool failAt(size_t offset, const QString &message)
    {
        return fail(message.arg(line(offset)));
    }

    bool fail(const QString &message)
    {
        *m_error = message;
        return false;
    }

    std::string &m_text;
    std::vector<std::string> *m_masked;
    QString *m_error = nullptr;
    size_t m_pos = 0;
    std::vector<OpenElement> m_open;
    bool m_sawElement = false;
};

// Offset of the first character that XML does not allow anywhere, not even
// in comments and CDATA sections: control characters other than tab and LF
// (CR is gone by now), U+FFFE and U+FFFF. Valid UTF-8 holds no surrogates.
size_t forbiddenCharacterOffset(const std::string &text, quint32 *character)
{
    const auto *bytes = reinterpret_cast<const unsigned char *>(text.data());
    for (size_t i = 0; i < text.size(); ++i) {
        if (bytes[i] < 0x20 && bytes[i] != '\t' && bytes[i] != '\n') {
            *character = bytes[i];
            return i;
        }
        if (bytes[i] == 0xEF && i + 2 < text.size() && bytes[i + 1] == 0xBF && bytes[i + 2] >= 0xBE) {
            *character = 0xFFC0 | (bytes[i + 2] & 0x3F);
            return i;
        }
    }
    return npos;
}

bool checkCharacters(const std::string &text, QString *error)
{
    quint32 character = 0;
    const size_t bad = forbiddenCharacterOffset(text, &character);
    if (bad == npos)
        return true;
    const QString what = character == 0
            ? QStringLiteral("a NUL character")
            : QStringLiteral("the character U+%1").arg(QString::number(character, 16).toUpper().rightJustified(4, u'0'));
    *error = QStringLiteral("Line %1 holds %2, which XML does not allow.").arg(lineAt(text, bad)).arg(what);
    return false;
}

} // namespace

bool prepare(std::string &text, Prepared *prepared, QString *error)
{
    *prepared = Prepared();
    QString reason;
    // Images and other kinds of documents are told apart before the
    // encoding, which would fail on them with a less telling reason. The
    // start of a UTF-16 file reads as ASCII only once it is converted.
    size_t bomLength = 0;
    const bool utf16 = utf16Charset(text, &bomLength) != nullptr;
    bool ok = utf16 || (FeedFileKind::checkIsText(text, &reason) && FeedFileKind::checkPrologue(text, &reason));
    ok = ok && toUtf8(text, prepared, &reason);
    if (ok) {
        normalizeLineEnds(text);
        ok = (!utf16 || FeedFileKind::checkPrologue(text, &reason)) && checkCharacters(text, &reason)
                && MarkupCheck(text, &prepared->maskedConstructs).run(&reason);
    }
    if (!ok && error)
        *error = reason;
    return ok;
}

} // namespace FeedFileText
