#include "publishing/HttpTransfer.h"

#include <QFile>

#include <memory>

namespace {

using HeaderList = std::unique_ptr<curl_slist, decltype(&curl_slist_free_all)>;

HeaderList headerList(const QList<QByteArray> &headers)
{
    curl_slist *list = nullptr;
    for (const QByteArray &header : headers)
        list = curl_slist_append(list, header.constData());
    return HeaderList(list, &curl_slist_free_all);
}

// Error answers explain themselves in their body; a short one is enough.
constexpr qsizetype kMaxBodyBytes = 64 * 1024;

size_t keepBody(char *data, size_t size, size_t count, void *body)
{
    auto *bytes = static_cast<QByteArray *>(body);
    const qsizetype room = qMax(qsizetype(0), kMaxBodyBytes - bytes->size());
    bytes->append(data, qMin(room, qsizetype(size * count)));
    return size * count;
}

size_t readFromFile(char *buffer, size_t size, size_t count, void *file)
{
    const qint64 read = static_cast<QFile *>(file)->read(buffer, qint64(size * count));
    return read < 0 ? CURL_READFUNC_ABORT : size_t(read);
}

// A request sent again after the server asked for a sign-in sends its body
// again from the start.
int seekInFile(void *file, curl_off_t offset, int origin)
{
    if (origin != SEEK_SET)
        return CURL_SEEKFUNC_CANTSEEK;
    return static_cast<QFile *>(file)->seek(offset) ? CURL_SEEKFUNC_OK : CURL_SEEKFUNC_FAIL;
}

} // namespace

CHttpTransfer::CHttpTransfer(const std::atomic<bool> *cancelled, const QString &trustedCertificates)
    : m_cancelled(cancelled)
{
    CURL *handle = m_transfer.handle();
    if (!handle)
        return;
    const long timeoutMs = CCurlEasy::timeout();
    curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT_MS, timeoutMs);
    // A transfer may take long, but not stand still.
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_TIME, qMax(1L, timeoutMs / 1000));
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, keepBody);
    curl_easy_setopt(handle, CURLOPT_READFUNCTION, readFromFile);
    curl_easy_setopt(handle, CURLOPT_SEEKFUNCTION, seekInFile);
    if (!trustedCertificates.isEmpty())
        curl_easy_setopt(handle, CURLOPT_CAINFO, QFile::encodeName(trustedCertificates).constData());
}

CHttpTransfer::Reply CHttpTransfer::send(const QByteArray &method, const QByteArray &url, const QList<QByteArray> &headers)
{
    CURL *handle = m_transfer.handle();
    const bool head = method == "HEAD";
    curl_easy_setopt(handle, CURLOPT_NOBODY, head ? 1L : 0L);
    curl_easy_setopt(handle, CURLOPT_CUSTOMREQUEST, head || method == "GET" ? nullptr : method.constData());
    const std::atomic<bool> *cancelled = m_cancelled;
    m_transfer.setProgressHandler([cancelled](qint64, qint64) { return !*cancelled; });
    Reply reply = perform(url, headers);
    curl_easy_setopt(handle, CURLOPT_NOBODY, 0L);
    curl_easy_setopt(handle, CURLOPT_CUSTOMREQUEST, nullptr);
    return reply;
}

CHttpTransfer::Reply CHttpTransfer::upload(const QByteArray &url, QFile *body, const QList<QByteArray> &headers,
                                           const Progress &progress)
{
    CURL *handle = m_transfer.handle();
    curl_easy_setopt(handle, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(handle, CURLOPT_READDATA, body);
    curl_easy_setopt(handle, CURLOPT_SEEKDATA, body);
    curl_easy_setopt(handle, CURLOPT_INFILESIZE_LARGE, curl_off_t(body->size()));
    const std::atomic<bool> *cancelled = m_cancelled;
    m_transfer.setProgressHandler([progress, cancelled](qint64, qint64 sent) { return !*cancelled && progress(sent); });
    Reply reply = perform(url, headers);
    curl_easy_setopt(handle, CURLOPT_UPLOAD, 0L);
    return reply;
}

CHttpTransfer::Reply CHttpTransfer::perform(const QByteArray &url, const QList<QByteArray> &headers)
{
    Reply reply;
    CURL *handle = m_transfer.handle();
    if (!handle)
        return reply;
    const HeaderList list = headerList(headers);
    curl_easy_setopt(handle, CURLOPT_URL, url.constData());
    curl_easy_setopt(handle, CURLOPT_HTTPHEADER, list.get());
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, &reply.body);
    reply.code = m_transfer.perform();
    curl_easy_setopt(handle, CURLOPT_HTTPHEADER, nullptr);
    reply.status = m_transfer.responseCode();
    curl_off_t length = -1;
    curl_easy_getinfo(handle, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length);
    reply.contentLength = length;
    return reply;
}

QString CHttpTransfer::failureText(const Reply &reply) const
{
    return m_transfer.failureText(reply.code);
}
