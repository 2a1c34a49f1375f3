#include "markup/MarkupScanner.h"

#include "markup/Utf8ByteSource.h"

#include <cstring>

namespace {

bool isAsciiLetterOrDigit(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
}

char16_t xmlEntity(const char *name)
{
    if (std::strcmp(name, "gt") == 0)
        return u'>';
    if (std::strcmp(name, "lt") == 0)
        return u'<';
    if (std::strcmp(name, "amp") == 0)
        return u'&';
    if (std::strcmp(name, "apos") == 0)
        return u'\'';
    if (std::strcmp(name, "quot") == 0)
        return u'"';
    return 0;
}

} // namespace

MarkupScanner::MarkupScanner(MarkupCharSource &source)
    : m_source(source)
{
    m_value[0] = 0;
    m_tagName[0] = 0;
    m_attributeName[0] = 0;
}

char16_t MarkupScanner::resolveEntity(const char *, int)
{
    return 0;
}

MarkupScanner::Token MarkupScanner::nextToken()
{
    switch (m_state) {
    case StateBody:
        return scanBody();
    case StateHead:
        return scanHead();
    case StateComment:
        return scanSpecial(u"-->", TokenCommentEnd);
    case StateCData:
        return scanSpecial(u"]]>", TokenCDataEnd);
    case StateEntityDecl:
        return scanEntityDecl();
    }
    return TokenError;
}

// Text between tags: one run of white space or of anything else.
MarkupScanner::Token MarkupScanner::scanBody()
{
    char16_t c = readChar();
    if (c == 0)
        return TokenEnd;
    if (c == u'<')
        return scanTag();

    clearValue();
    bool space = false;
    if (c == u'&') {
        if (!appendReference())
            return TokenEnd;
    } else {
        space = isSpace(c);
        appendValue(c);
    }
    for (;;) {
        c = readChar();
        if (c == 0 || c == u'<' || c == u'&' || isSpace(c) != space) {
            pushBack(c);
            return space ? TokenSpace : TokenWord;
        }
        appendValue(c);
    }
}

// After "<": the tag's name, and for an end tag its closing ">".
MarkupScanner::Token MarkupScanner::scanTag()
{
    clearTagName();
    char16_t c = readChar();
    const bool endTag = c == u'/';
    if (endTag)
        c = readChar();

    for (;;) {
        if (c == 0)
            return TokenError;
        if (isSpace(c)) {
            c = skipSpace(readChar());
            break;
        }
        if (c == u'/')
            break;
        if (c == u'>') {
            if (endTag)
                return TokenTagEnd;
            pushBack(c);
            m_state = StateHead;
            return TokenTagStart;
        }
        appendTagName(c);
        if (std::strcmp(m_tagName, "!--") == 0) {
            enterSpecial(StateComment);
            return TokenCommentStart;
        }
        if (std::strcmp(m_tagName, "!ENTITY") == 0) {
            enterSpecial(StateEntityDecl);
            return TokenEntityDeclStart;
        }
        if (std::strcmp(m_tagName, "![CDATA[") == 0) {
            enterSpecial(StateCData);
            return TokenCDataStart;
        }
        c = readChar();
    }

    if (c == 0)
        return TokenError;
    if (endTag)
        return c == u'>' ? TokenTagEnd : TokenError;
    pushBack(c);
    m_state = StateHead;
    return TokenTagStart;
}

// Inside a start tag: its attributes, then ">" or "/>".
MarkupScanner::Token MarkupScanner::scanHead()
{
    char16_t c = skipSpace(readChar());
    if (c == u'>') {
        m_state = StateBody;
        return scanBody();
    }
    if (c == u'/') {
        c = readChar();
        if (c == u'>') {
            m_state = StateBody;
            return TokenTagEnd;
        }
        pushBack(c);
        return TokenError;
    }

    clearAttributeName();
    clearValue();
    for (;;) {
        if (c == 0)
            return TokenEnd;
        if (c == u'>') {
            pushBack(c);
            return TokenAttribute;
        }
        if (c == u'<')
            return TokenError;
        if (c == u'=')
            return scanAttributeValue();
        if (isSpace(c)) {
            c = skipSpace(c);
            if (c == u'=')
                return scanAttributeValue();
            pushBack(c);
            return TokenAttribute;
        }
        appendAttributeName(c);
        c = readChar();
    }
}

// After "=": a quoted value, in which references are decoded, or a bare one.
MarkupScanner::Token MarkupScanner::scanAttributeValue()
{
    char16_t c = skipSpace(readChar());
    if (c == u'"' || c == u'\'') {
        const char16_t quote = c;
        for (;;) {
            c = readChar();
            if (c == 0)
                return TokenError;
            if (c == quote)
                return TokenAttribute;
            if (c == u'&') {
                if (!appendReference())
                    return TokenError;
            } else {
                appendValue(c);
            }
        }
    }
    for (;;) {
        if (c == 0)
            return TokenError;
        if (isSpace(c))
            return TokenAttribute;
        if (c == u'>') {
            pushBack(c);
            return TokenAttribute;
        }
        appendValue(c);
        c = readChar();
    }
}

void MarkupScanner::enterSpecial(State state)
{
    m_state = state;
    m_tail = false;
    m_carryLength = 0;
    m_entityDeclQuotes = 0;
}

// Comment or CDATA content up to its three-character end marker, in pieces
// of at most the value's size.
MarkupScanner::Token MarkupScanner::scanSpecial(const char16_t *endMarker, Token endToken)
{
    if (m_tail) {
        m_tail = false;
        m_state = StateBody;
        return endToken;
    }
    clearValue();
    for (int i = 0; i < m_carryLength; ++i)
        appendValue(m_carry[i]);
    m_carryLength = 0;

    for (;;) {
        const char16_t c = readChar();
        if (c == 0)
            return TokenEnd;
        appendValue(c);
        if (valueEndsWith(endMarker, 3)) {
            truncateValue(m_valueLength - 3);
            m_tail = true;
            return TokenData;
        }
        if (m_valueLength == kMaxValueLength) {
            holdBackMarkerStart(endMarker);
            return TokenData;
        }
    }
}

// A full piece that ends with the start of the end marker keeps those
// characters for the next piece, so a marker split by the limit is found.
void MarkupScanner::holdBackMarkerStart(const char16_t *endMarker)
{
    for (int length = 2; length > 0; --length) {
        if (valueEndsWith(endMarker, length)) {
            for (int i = 0; i < length; ++i)
                m_carry[i] = m_value[m_valueLength - length + i];
            m_carryLength = length;
            truncateValue(m_valueLength - length);
            return;
        }
    }
}

// Entity declaration content up to a ">" outside double quotes.
MarkupScanner::Token MarkupScanner::scanEntityDecl()
{
    if (m_tail) {
        m_tail = false;
        m_state = StateBody;
        return TokenEntityDeclEnd;
    }
    clearValue();
    for (;;) {
        const char16_t c = readChar();
        if (c == 0)
            return TokenEnd;
        if (c == u'>' && m_entityDeclQuotes % 2 == 0) {
            m_tail = true;
            return TokenData;
        }
        if (c == u'"')
            ++m_entityDeclQuotes;
        appendValue(c);
        if (m_valueLength == kMaxValueLength)
            return TokenData;
    }
}

// After "&": appends the referenced character, or the reference as written
// when it is not known. False when the input ends inside the reference.
bool MarkupScanner::appendReference()
{
    char name[kMaxEntityNameLength + 1];
    int length = 0;
    char16_t c = readChar();
    while (length < kMaxEntityNameLength && isAsciiLetterOrDigit(c)) {
        name[length++] = char(c);
        c = readChar();
    }
    name[length] = 0;
    if (c == 0)
        return false;
    const bool semicolon = c == u';';
    if (!semicolon)
        pushBack(c);

    char16_t decoded = xmlEntity(name);
    if (decoded == 0)
        decoded = resolveEntity(name, length);
    if (decoded != 0) {
        appendValue(decoded);
        return true;
    }
    appendValue(u'&');
    for (int i = 0; i < length; ++i)
        appendValue(char16_t(name[i]));
    if (semicolon)
        appendValue(u';');
    return true;
}

// Once the source has said 0 it is not asked again: the input has ended.
char16_t MarkupScanner::readChar()
{
    if (m_pushedBack != 0) {
        const char16_t c = m_pushedBack;
        m_pushedBack = 0;
        return c;
    }
    if (m_sourceEnded)
        return 0;
    const char16_t c = m_source.nextChar();
    m_sourceEnded = c == 0;
    return c;
}

char16_t MarkupScanner::skipSpace(char16_t c)
{
    while (isSpace(c))
        c = readChar();
    return c;
}

void MarkupScanner::clearValue()
{
    truncateValue(0);
}

void MarkupScanner::truncateValue(int length)
{
    m_valueLength = length;
    m_value[length] = 0;
}

void MarkupScanner::appendValue(char16_t c)
{
    if (m_valueLength < kMaxValueLength) {
        m_value[m_valueLength++] = c;
        m_value[m_valueLength] = 0;
    }
}

bool MarkupScanner::valueEndsWith(const char16_t *marker, int length) const
{
    if (m_valueLength < length)
        return false;
    for (int i = 0; i < length; ++i) {
        if (m_value[m_valueLength - length + i] != marker[i])
            return false;
    }
    return true;
}

void MarkupScanner::clearTagName()
{
    m_tagNameLength = 0;
    m_tagName[0] = 0;
}

void MarkupScanner::appendTagName(char16_t c)
{
    if (m_tagNameLength < kMaxNameLength) {
        m_tagName[m_tagNameLength++] = char(c & 0xFF);
        m_tagName[m_tagNameLength] = 0;
    }
}

void MarkupScanner::clearAttributeName()
{
    m_attributeNameLength = 0;
    m_attributeName[0] = 0;
}

void MarkupScanner::appendAttributeName(char16_t c)
{
    if (m_attributeNameLength < kMaxNameLength) {
        m_attributeName[m_attributeNameLength++] = char(c & 0xFF);
        m_attributeName[m_attributeNameLength] = 0;
    }
}

bool MarkupScanner::isSpace(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}
