#include "core/FeedWriter.h"

#include "core/FeedBuffers.h"
#include "core/SpanWriter.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

#include <functional>

#include <sys/stat.h>
#include <unistd.h>

namespace {

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

// Gives the new file the old one's owner, group and permissions where the
// user may: only the superuser may give a file away, any user may give it a
// group they belong to. A save otherwise leaves the user's file to whoever
// saved it last.
void keepOwnerAndMode(QSaveFile &file, const QString &path)
{
    struct stat old;
    const int fd = file.handle();
    if (fd < 0 || ::stat(QFile::encodeName(path).constData(), &old) != 0)
        return;
    if (::fchown(fd, old.st_uid, old.st_gid) != 0 && ::fchown(fd, uid_t(-1), old.st_gid) != 0) {
        // The file keeps the saver's group.
    }
    ::fchmod(fd, old.st_mode & 07777);
}

// Joins neighbouring byte ranges of one buffer, so that an unedited stretch
// of the file goes out in one piece whatever the number of posts in it.
class RangeJoiner
{
public:
    explicit RangeJoiner(std::function<bool(int, qsizetype, qsizetype)> write) : m_write(std::move(write)) {}

    void operator()(int buffer, qsizetype begin, qsizetype end)
    {
        if (begin == end)
            return;
        if (buffer == m_buffer && begin == m_end) {
            m_end = end;
            return;
        }
        flush();
        m_buffer = buffer;
        m_begin = begin;
        m_end = end;
    }

    bool flush()
    {
        if (m_ok && m_buffer >= 0 && m_end > m_begin)
            m_ok = m_write(m_buffer, m_begin, m_end);
        m_buffer = -1;
        return m_ok;
    }

private:
    std::function<bool(int, qsizetype, qsizetype)> m_write;
    int m_buffer = -1;
    qsizetype m_begin = 0;
    qsizetype m_end = 0;
    bool m_ok = true;
};

} // namespace

CFeedWriter::CFeedWriter(const CFeedBuffers &buffers, const FeedNode *channel)
    : m_buffers(buffers), m_channel(channel)
{
}

template<typename Sink>
void CFeedWriter::render(const FeedNode &node, Sink &sink) const
{
    sink(node.buffer, node.leadBegin, node.contentBegin);
    for (const FeedNode &child : node.children)
        render(child, sink);
    sink(node.buffer, node.tailBegin, node.end);
}

template<typename Sink>
void CFeedWriter::renderFile(Sink &sink) const
{
    if (m_channel)
        render(*m_channel, sink);
    else
        sink(0, 0, m_buffers.size(0));
}

bool CFeedWriter::saveToFile(const QString &path, QString *error) const
{
    QSaveFile file(path);
    // A writable feed in a folder the user may not write to (a shared or
    // system folder) cannot get a temporary file beside it; it is then
    // written in place, after the caller has made its backup.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        setError(error, QCoreApplication::translate("FeedWriter", "Cannot write the file: %1").arg(file.errorString()));
        return false;
    }
    keepOwnerAndMode(file, path);
    CSpanWriter spans(m_buffers);
    RangeJoiner joiner([&spans](int buffer, qsizetype begin, qsizetype end) {
        spans.add(buffer, begin, end);
        return true;
    });
    renderFile(joiner);
    joiner.flush();
    QString reason;
    if (!spans.write(file.handle(), &reason) || !file.commit()) {
        setError(error, QCoreApplication::translate("FeedWriter", "Cannot write the file: %1")
                                .arg(reason.isEmpty() ? file.errorString() : reason));
        file.cancelWriting();
        return false;
    }
    return true;
}

QByteArray CFeedWriter::bytes() const
{
    QByteArray bytes;
    RangeJoiner joiner([this, &bytes](int buffer, qsizetype begin, qsizetype end) {
        return m_buffers.forEachPiece(buffer, begin, end, [&bytes](const char *data, qsizetype size) {
            bytes.append(data, size);
            return true;
        });
    });
    renderFile(joiner);
    joiner.flush();
    return bytes;
}
