#include "web/FeedDownload.h"

#include "web/CurlEasy.h"

#include <QMetaObject>

#include <algorithm>

// What the worker hands back to the user-interface thread.
struct CFeedDownload::Result
{
    QByteArray bytes;
    QString failure;
    QString finalAddress;
    bool permanentRedirectsOnly = true;
};

namespace {

// The worker's view of the transfer, for libcurl's callbacks.
struct Transfer
{
    CFeedDownload::Result *result;
    qint64 maxBytes;
    bool tooLarge = false;
};

size_t keepBytes(char *data, size_t size, size_t count, void *target)
{
    auto *transfer = static_cast<Transfer *>(target);
    const qint64 length = qint64(size * count);
    if (transfer->result->bytes.size() + length > transfer->maxBytes) {
        transfer->tooLarge = true;
        return 0; // ends the transfer
    }
    transfer->result->bytes.append(data, length);
    return size * count;
}

// Each response of a redirect chain starts with its status line: a
// temporary redirect on the way means the feed's address stays the old one.
size_t readStatusLine(char *data, size_t size, size_t count, void *target)
{
    const QByteArray line(data, qsizetype(size * count));
    if (line.startsWith("HTTP/")) {
        const int status = line.split(' ').value(1).toInt();
        if (status >= 300 && status < 400 && status != 301 && status != 308)
            static_cast<Transfer *>(target)->result->permanentRedirectsOnly = false;
    }
    return size * count;
}

QString megabytes(qint64 bytes)
{
    return QString::number(double(bytes) / (1024 * 1024), 'f', bytes % (1024 * 1024) ? 1 : 0);
}

} // namespace

CFeedDownload::CFeedDownload(QObject *parent)
    : QObject(parent)
{
}

CFeedDownload::~CFeedDownload()
{
    cancel();
    if (m_worker.joinable())
        m_worker.join();
}

void CFeedDownload::start(const QString &address, qint64 maxBytes)
{
    if (m_running || m_worker.joinable())
        return;
    m_running = true;
    m_requested = address.trimmed();
    m_worker = std::thread([this, url = m_requested.toUtf8(), maxBytes] { run(url, maxBytes); });
}

void CFeedDownload::cancel()
{
    m_cancelled = true;
}

// On the worker thread: touches only the transfer and the flags.
void CFeedDownload::run(QByteArray url, qint64 maxBytes)
{
    auto result = std::make_shared<Result>();
    Transfer transfer{result.get(), maxBytes};
    CCurlEasy curl;
    if (!curl.isValid()) {
        result->failure = tr("The download could not be started.");
    } else {
        CURL *handle = curl.handle();
        curl.setWebRequest(url, "http,https");
        // A large feed on a slow line may take longer than a web page should:
        // the time-out bounds connecting and each stall, not the whole.
        const long timeoutMs = CCurlEasy::timeout();
        curl_easy_setopt(handle, CURLOPT_TIMEOUT_MS, 0L);
        curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT_MS, timeoutMs);
        curl_easy_setopt(handle, CURLOPT_LOW_SPEED_LIMIT, 1L);
        curl_easy_setopt(handle, CURLOPT_LOW_SPEED_TIME, std::max(1L, timeoutMs / 1000));
        curl_easy_setopt(handle, CURLOPT_FAILONERROR, 1L);
        curl_easy_setopt(handle, CURLOPT_ACCEPT_ENCODING, "");
        curl_easy_setopt(handle, CURLOPT_MAXFILESIZE_LARGE, curl_off_t(maxBytes));
        curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, keepBytes);
        curl_easy_setopt(handle, CURLOPT_WRITEDATA, &transfer);
        curl_easy_setopt(handle, CURLOPT_HEADERFUNCTION, readStatusLine);
        curl_easy_setopt(handle, CURLOPT_HEADERDATA, &transfer);
        qint64 reported = -1;
        curl.setProgressHandler([this, handle, &reported](qint64 downloaded, qint64) {
            // A report per 64 KiB keeps the window's queue short.
            if (downloaded - reported >= 65536 || (reported < 0 && downloaded > 0)) {
                reported = downloaded;
                curl_off_t total = 0;
                curl_easy_getinfo(handle, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &total);
                QMetaObject::invokeMethod(this, [this, downloaded, total] {
                    emit progress(downloaded, qMax<qint64>(total, 0));
                }, Qt::QueuedConnection);
            }
            return !m_cancelled;
        });
        const CURLcode code = curl.perform();
        const char *effective = nullptr;
        curl_easy_getinfo(handle, CURLINFO_EFFECTIVE_URL, &effective);
        result->finalAddress = QString::fromUtf8(effective);
        if (m_cancelled)
            result->failure = tr("Cancelled.");
        else if (transfer.tooLarge || code == CURLE_FILESIZE_EXCEEDED)
            result->failure = tr("The file is larger than %1 MB, too large for a feed.").arg(megabytes(maxBytes));
        else if (code != CURLE_OK)
            result->failure = curl.failureText(code);
    }
    QMetaObject::invokeMethod(this, [this, result] { finish(result); }, Qt::QueuedConnection);
}

void CFeedDownload::finish(const std::shared_ptr<Result> &result)
{
    m_worker.join();
    m_running = false;
    const bool ok = result->failure.isEmpty();
    m_failure = result->failure;
    if (ok)
        m_bytes = result->bytes;
    m_address = ok && result->permanentRedirectsOnly && !result->finalAddress.isEmpty() ? result->finalAddress
                                                                                       : m_requested;
    emit finished(ok);
}
