#include "core/ExpatFileBuffer.h"

#include <QFile>

#include <expat.h>

#include <algorithm>

namespace {

// Expat grows its buffer to a power of two above the size and the context
// it keeps, in an int.
constexpr qint64 kLargest = (qint64(1) << 30) - 4096;

} // namespace

CExpatFileBuffer::~CExpatFileBuffer()
{
    if (m_parser)
        XML_ParserFree(m_parser);
}

// Room for `size` bytes in a parser's buffer; where expat cannot make its
// buffer that large, in memory of this object's own, which the parse then
// copies as it does other bytes.
char *CExpatFileBuffer::allocate(qint64 size)
{
    m_size = qsizetype(size);
    if (size > 0 && size <= kLargest) {
        m_parser = XML_ParserCreate(nullptr);
        m_data = m_parser ? static_cast<char *>(XML_GetBuffer(m_parser, int(size))) : nullptr;
    }
    if (!m_data) {
        if (m_parser)
            XML_ParserFree(m_parser);
        m_parser = nullptr;
        m_own.resize(m_size);
        m_data = m_own.data();
    }
    return m_data;
}

bool CExpatFileBuffer::read(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return false;
    }
    // A pipe tells no size before its end.
    if (file.isSequential()) {
        const QByteArray bytes = file.readAll();
        std::copy(bytes.begin(), bytes.end(), allocate(bytes.size()));
        return true;
    }
    char *data = allocate(file.size());
    qsizetype done = 0;
    while (done < m_size) {
        const qint64 read = file.read(data + done, m_size - done);
        if (read < 0) {
            *error = file.errorString();
            return false;
        }
        if (read == 0)
            break;
        done += qsizetype(read);
    }
    // A file that became shorter meanwhile is checked as it now stands.
    m_size = done;
    return true;
}

XML_ParserStruct *CExpatFileBuffer::parserForParse(const char *encoding)
{
    if (!m_parser || m_parsed || m_size == 0)
        return nullptr;
    m_parsed = true;
    if (encoding)
        XML_SetEncoding(m_parser, encoding);
    return m_parser;
}
