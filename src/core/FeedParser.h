#pragma once

#include <QByteArray>
#include <QString>

class CExpatFileBuffer;
class CPackedBytes;
class CPackedFileReader;

// Reads a feed file's bytes with expat and reports where each element's
// start and end tags stand in those bytes, so that a save can copy every
// byte it did not change. Expat checks well-formedness (undefined entities,
// bad encodings, truncation, control characters, malformed declarations),
// caps entity expansion, and is fuzzed by its maintainers; this class adds
// what a feed editor needs on top:
// - encodings expat does not know are read through ICU converters, in place,
//   so byte offsets stay those of the file;
// - white space before the XML declaration, which expat refuses, is skipped;
// - a file that declares or skips a general entity is refused: its
//   references could not be written back as they were read, and an external
//   entity is never fetched.
class FeedParser
{
public:
    // `readsText`: characters() hears the character data; a parser that
    // wants only where elements stand skips that work.
    explicit FeedParser(bool readsText = false) : m_readsText(readsText) {}
    virtual ~FeedParser() = default;

    // Hands expat the whole file in one call rather than in pieces: expat
    // then holds a copy of the file while it parses, but skips the line and
    // column count it updates after every piece, a third of its time.
    void setWholeInput(bool whole) { m_wholeInput = whole; }

    // Parses `bytes` whole. On failure *error says why, with line and column.
    bool parse(const QByteArray &bytes, QString *error);
    // The same for bytes kept packed, read a block at a time, and for a
    // file read as the parse goes.
    bool parse(const CPackedBytes &bytes, QString *error);
    bool parse(const CPackedFileReader &bytes, QString *error);
    // The same for a file read into expat's own buffer, parsed there whole:
    // its bytes are held once.
    bool parse(CExpatFileBuffer &input, QString *error);
    // The encoding the bytes were read in: "UTF-8", "UTF-16LE", "UTF-16BE",
    // or the name the declaration gives.
    QByteArray encodingName() const { return m_encoding; }

    // Why parse() failed, and where (1-based), for a checker that names the fault.
    enum class Failure { None, Syntax, Encoding, UndefinedEntity, DeclaredEntity, InvalidCharacter };
    Failure failure() const { return m_failure; }
    int failureLine() const { return m_failureLine; }
    int failureColumn() const { return m_failureColumn; }

protected:
    // `name` is UTF-8; `attributes` pairs of name and value, null-ended.
    // [begin, end) is the start tag in `bytes`.
    virtual void startElement(const char *name, const char **attributes, qsizetype begin, qsizetype end) = 0;
    // [begin, end) is the end tag; for an empty-element tag both are the
    // offset just after it.
    virtual void endElement(qsizetype begin, qsizetype end) = 0;
    // Character data in UTF-8: references decoded, CDATA sections
    // unwrapped, line ends read as XML reads them; in pieces.
    virtual void characters(const char *, int) {}

private:
    struct Run;
    template<typename Bytes> bool parseBytes(Bytes &bytes, QString *error);
    template<typename Bytes> bool run(Bytes &bytes, qsizetype skipped, const char *forcedEncoding, QString *error);

    QByteArray m_encoding;
    Failure m_failure = Failure::None;
    int m_failureLine = 0;
    int m_failureColumn = 0;
    bool m_readsText;
    bool m_wholeInput = false;
};
