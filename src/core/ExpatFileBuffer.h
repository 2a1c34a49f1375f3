#pragma once

#include <QByteArray>
#include <QString>

struct XML_ParserStruct;

// A feed file read straight into the input buffer of an expat parser, for
// a check: parsed there whole, its bytes are held once, where reading them
// into memory of our own first would hold them twice while expat copies
// them in. The bytes stay in place after the parse, for the checker to
// read, until this is destroyed. Offers what FeedParser reads of bytes
// (size, at, mid, startsWith).
class CExpatFileBuffer
{
public:
    CExpatFileBuffer() = default;
    ~CExpatFileBuffer();
    CExpatFileBuffer(const CExpatFileBuffer &) = delete;
    CExpatFileBuffer &operator=(const CExpatFileBuffer &) = delete;

    // Reads the file whole; false, with *error set, when it cannot be read.
    // A file larger than expat's buffer can be (1 GiB) is read into memory
    // of this object's own, for a parse that copies it.
    bool read(const QString &path, QString *error);

    // The bytes read, without a copy: valid while this lives.
    QByteArray bytes() const { return QByteArray::fromRawData(m_data, m_size); }
    qsizetype size() const { return m_size; }
    char at(qsizetype i) const { return m_data[i]; }
    QByteArray mid(qsizetype pos, qsizetype len) const { return bytes().mid(pos, len); }
    bool startsWith(const char *text) const { return bytes().startsWith(text); }

    // The parser whose buffer holds the bytes, set to read them in
    // `encoding` (null: as they declare), for their one parse: null when
    // that parse was had, or when there are no bytes. This keeps it.
    XML_ParserStruct *parserForParse(const char *encoding);
    bool holds(const XML_ParserStruct *parser) const { return parser && parser == m_parser; }

private:
    char *allocate(qint64 size);

    XML_ParserStruct *m_parser = nullptr;
    QByteArray m_own;
    char *m_data = nullptr;
    qsizetype m_size = 0;
    bool m_parsed = false;
};
