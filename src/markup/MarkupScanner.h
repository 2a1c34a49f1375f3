#pragma once

#include <QByteArray>
#include <QString>

// Supplies the scanner with text one UTF-16 code unit at a time.
class MarkupCharSource
{
public:
    virtual ~MarkupCharSource() = default;
    // The next code unit, or 0 at the end of the input.
    virtual char16_t nextChar() = 0;
};

// A pull tokenizer for HTML and XML text. It builds no tree and never fails
// hard: malformed input gives an error token, after which the caller may go
// on asking for tokens until the end token.
class MarkupScanner
{
public:
    enum Token {
        TokenError = -1,
        TokenEnd = 0,
        TokenTagStart = 1,
        TokenTagEnd = 2, // also after the "/>" of an empty-element tag
        TokenAttribute = 3,
        TokenWord = 4,
        TokenSpace = 5,
        TokenData = 6, // a piece of a comment, CDATA section or entity declaration
        TokenCommentStart = 7,
        TokenCommentEnd = 8,
        TokenCDataStart = 9,
        TokenCDataEnd = 10,
        TokenEntityDeclStart = 13,
        TokenEntityDeclEnd = 14,
    };

    static constexpr int kMaxValueLength = 1023;
    static constexpr int kMaxNameLength = 127;
    static constexpr int kMaxEntityNameLength = 31;

    explicit MarkupScanner(MarkupCharSource &source);
    virtual ~MarkupScanner() = default;

    Token nextToken();

    // Word, space, data or attribute value, zero-terminated.
    const char16_t *value() const { return m_value; }
    int valueLength() const { return m_valueLength; }
    QString valueText() const { return QString(reinterpret_cast<const QChar *>(m_value), m_valueLength); }
    // Names keep the low byte of each code unit, zero-terminated.
    const char *tagName() const { return m_tagName; }
    const char *attributeName() const { return m_attributeName; }

protected:
    // Gives the character for a named reference other than the five XML
    // ones, or 0 to keep the reference as written.
    virtual char16_t resolveEntity(const char *name, int length);

private:
    enum State { StateBody, StateHead, StateComment, StateCData, StateEntityDecl };

    Token scanBody();
    Token scanTag();
    Token scanHead();
    Token scanAttributeValue();
    void enterSpecial(State state);
    Token scanSpecial(const char16_t *endMarker, Token endToken);
    void holdBackMarkerStart(const char16_t *endMarker);
    Token scanEntityDecl();
    bool appendReference();

    char16_t readChar();
    void pushBack(char16_t c) { m_pushedBack = c; }
    char16_t skipSpace(char16_t c);

    void clearValue();
    void truncateValue(int length);
    void appendValue(char16_t c);
    bool valueEndsWith(const char16_t *marker, int length) const;
    void clearTagName();
    void appendTagName(char16_t c);
    void clearAttributeName();
    void appendAttributeName(char16_t c);

    static bool isSpace(char16_t c);

    State m_state = StateBody;
    char16_t m_value[kMaxValueLength + 1];
    int m_valueLength = 0;
    char m_tagName[kMaxNameLength + 1];
    int m_tagNameLength = 0;
    char m_attributeName[kMaxNameLength + 1];
    int m_attributeNameLength = 0;
    MarkupCharSource &m_source;
    char16_t m_pushedBack = 0;
    bool m_sourceEnded = false;
    bool m_tail = false;
    // Characters of a possible end marker held over from a full data piece.
    char16_t m_carry[2] = {0, 0};
    int m_carryLength = 0;
    int m_entityDeclQuotes = 0;
};
