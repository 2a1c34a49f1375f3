#include "core/ExpatFileBuffer.h"

#include <QCoreApplication>
#include <QFile>

#include <expat.h>

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

bool CExpatFileBuffer::allocate(qint64 size, QString *error)
{
    if (size > kLargest) {
        *error = QCoreApplication::translate("CExpatFileBuffer", "The file is larger than the 1 GiB Tidrel can check.");
        return false;
    }
    m_size = qsizetype(size);
    if (size == 0)
        return true;
    m_parser = XML_ParserCreate(nullptr);
    m_data = m_parser ? static_cast<char *>(XML_GetBuffer(m_parser, int(size))) : nullptr;
    if (!m_data)
        *error = QCoreApplication::translate("CExpatFileBuffer", "There is not enough memory to read the file.");
    return m_data != nullptr;
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
        if (!allocate(bytes.size(), error))
            return false;
        std::copy(bytes.begin(), bytes.end(), m_data);
        return true;
    }
    if (!allocate(file.size(), error))
        return false;
    for (qsizetype done = 0; done < m_size;) {
        const qint64 read = file.read(m_data + done, m_size - done);
        if (read <= 0) {
            *error = read < 0 ? file.errorString()
                              : QCoreApplication::translate("CExpatFileBuffer", "The file became shorter while it was read.");
            return false;
        }
        done += qsizetype(read);
    }
    return true;
}

XML_ParserStruct *CExpatFileBuffer::parserForParse(const char *encoding)
{
    if (!m_parser || m_parsed)
        return nullptr;
    m_parsed = true;
    if (encoding)
        XML_SetEncoding(m_parser, encoding);
    return m_parser;
}
