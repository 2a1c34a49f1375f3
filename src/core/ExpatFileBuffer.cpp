#include "core/ExpatFileBuffer.h"

#include <QFile>

#include <expat.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <thread>

#include <sys/mman.h>
#include <unistd.h>

namespace {

// Expat grows its buffer to a power of two above the size and the context
// it keeps, in an int.
constexpr qint64 kLargest = (qint64(1) << 30) - 4096;

// Pages made at a time ahead of the reading, and the least file worth it.
constexpr std::uintptr_t kPagesAtOnce = 8 << 20;
constexpr qint64 kWorthMakingPagesAhead = 16 << 20;

// Makes the memory pages of the buffer, a stretch at a time, until they
// are made or `stop` is set; the kernel only maps and clears them, so what
// the reading wrote in them already stays. Where the kernel cannot (before
// Linux 5.14), the reading makes them as it goes.
void makePages(char *data, qint64 size, const std::atomic<bool> &stop)
{
    const auto pageSize = std::uintptr_t(sysconf(_SC_PAGESIZE));
    std::uintptr_t begin = (reinterpret_cast<std::uintptr_t>(data) + pageSize - 1) & ~(pageSize - 1);
    const std::uintptr_t end = reinterpret_cast<std::uintptr_t>(data) + std::uintptr_t(size);
    while (begin < end && !stop.load(std::memory_order_relaxed)) {
        const std::uintptr_t stretchEnd = std::min(begin + kPagesAtOnce, end);
        if (madvise(reinterpret_cast<void *>(begin), stretchEnd - begin, MADV_POPULATE_WRITE) != 0)
            return;
        begin = stretchEnd;
    }
}

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
    // A large file spends as long on the new memory's page faults as on
    // copying its bytes: another thread makes the pages ahead of the copy.
    std::atomic<bool> stop{false};
    std::thread pages;
    if (m_size >= kWorthMakingPagesAhead)
        pages = std::thread(makePages, data, qint64(m_size), std::cref(stop));
    qsizetype done = 0;
    while (done < m_size) {
        const qint64 read = file.read(data + done, m_size - done);
        if (read <= 0)
            break;
        done += qsizetype(read);
    }
    stop = true;
    if (pages.joinable())
        pages.join();
    if (done < m_size && file.error() != QFileDevice::NoError) {
        *error = file.errorString();
        return false;
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
