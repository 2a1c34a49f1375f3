#include "web/CurlEasy.h"

#include "core/ProductInfo.h"

#include <QCoreApplication>

#include <atomic>
#include <mutex>

namespace {

std::atomic<int> s_timeoutMs{CCurlEasy::kDefaultTimeoutMs};
std::atomic<bool> s_stopped{false};

// curl_easy_init would do this itself, but not safely from several threads
// at once.
void initCurlOnce()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

QString seconds(int milliseconds)
{
    return QString::number((milliseconds + 999) / 1000);
}

} // namespace

CCurlEasy::CCurlEasy()
{
    initCurlOnce();
    m_handle = curl_easy_init();
    if (!m_handle)
        return;
    static const QByteArray userAgent = QByteArray("Tidrel/") + ProductInfo::kVersion;
    curl_easy_setopt(m_handle, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(m_handle, CURLOPT_USERAGENT, userAgent.constData());
    curl_easy_setopt(m_handle, CURLOPT_ERRORBUFFER, m_errorBuffer);
    curl_easy_setopt(m_handle, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(m_handle, CURLOPT_XFERINFOFUNCTION, &CCurlEasy::onProgress);
    curl_easy_setopt(m_handle, CURLOPT_XFERINFODATA, this);
}

CCurlEasy::~CCurlEasy()
{
    if (m_handle)
        curl_easy_cleanup(m_handle);
}

void CCurlEasy::setWebRequest(const QByteArray &url, const char *protocols)
{
    curl_easy_setopt(m_handle, CURLOPT_URL, url.constData());
    curl_easy_setopt(m_handle, CURLOPT_PROTOCOLS_STR, protocols);
    // A web server must not send a request to a local file.
    curl_easy_setopt(m_handle, CURLOPT_REDIR_PROTOCOLS_STR, "http,https,ftp");
    curl_easy_setopt(m_handle, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(m_handle, CURLOPT_MAXREDIRS, kMaxRedirects);
    curl_easy_setopt(m_handle, CURLOPT_TIMEOUT_MS, long(s_timeoutMs.load()));
}

CURLcode CCurlEasy::perform()
{
    m_errorBuffer[0] = '\0';
    if (s_stopped)
        return CURLE_ABORTED_BY_CALLBACK;
    return curl_easy_perform(m_handle);
}

long CCurlEasy::responseCode() const
{
    long code = 0;
    curl_easy_getinfo(m_handle, CURLINFO_RESPONSE_CODE, &code);
    return code;
}

QString CCurlEasy::failureText(CURLcode code) const
{
    switch (code) {
    case CURLE_OK:
        return QString();
    case CURLE_OPERATION_TIMEDOUT:
        return QCoreApplication::translate("CCurlEasy", "The server did not answer in time (%1 s).").arg(seconds(s_timeoutMs));
    case CURLE_TOO_MANY_REDIRECTS:
        return QCoreApplication::translate("CCurlEasy", "Too many redirects (more than %1).").arg(kMaxRedirects);
    case CURLE_HTTP_RETURNED_ERROR:
        return QCoreApplication::translate("CCurlEasy", "The server answered with error %1.").arg(responseCode());
    case CURLE_COULDNT_CONNECT:
        return QCoreApplication::translate("CCurlEasy", "The server refused the connection.");
    case CURLE_COULDNT_RESOLVE_HOST:
        return QCoreApplication::translate("CCurlEasy", "The server's name is not known.");
    case CURLE_UNSUPPORTED_PROTOCOL:
        return QCoreApplication::translate("CCurlEasy", "The address's protocol is not supported here.");
    case CURLE_URL_MALFORMAT:
        return QCoreApplication::translate("CCurlEasy", "The address is not valid.");
    case CURLE_ABORTED_BY_CALLBACK:
        return QCoreApplication::translate("CCurlEasy", "Cancelled.");
    case CURLE_LOGIN_DENIED:
        return QCoreApplication::translate("CCurlEasy", "The server refused the login: check the user name and the password or key.");
    case CURLE_REMOTE_DISK_FULL:
        return QCoreApplication::translate("CCurlEasy", "The server's disk is full.");
    case CURLE_REMOTE_ACCESS_DENIED:
        return QCoreApplication::translate("CCurlEasy", "The server refused access to the folder or file.");
    case CURLE_UPLOAD_FAILED:
        // FTP servers refuse an upload with these when out of room.
        if (responseCode() == 452 || responseCode() == 552)
            return QCoreApplication::translate("CCurlEasy", "The server's disk is full.");
        return QCoreApplication::translate("CCurlEasy", "The server refused the upload.");
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
    case CURLE_PARTIAL_FILE:
    case CURLE_GOT_NOTHING:
        return QCoreApplication::translate("CCurlEasy", "The connection broke off.");
    case CURLE_USE_SSL_FAILED:
        return QCoreApplication::translate("CCurlEasy", "The server does not offer TLS.");
    case CURLE_SSL_CONNECT_ERROR:
        return QCoreApplication::translate("CCurlEasy", "The secure connection (TLS) could not be set up.");
    case CURLE_PEER_FAILED_VERIFICATION:
        return QCoreApplication::translate("CCurlEasy", "The server's certificate could not be verified.");
    default:
        break;
    }
    const QString detail = QString::fromUtf8(m_errorBuffer).trimmed();
    return (detail.isEmpty() ? QString::fromUtf8(curl_easy_strerror(code)) : detail) + u'.';
}

void CCurlEasy::setTimeout(int milliseconds)
{
    s_timeoutMs = milliseconds;
}

int CCurlEasy::timeout()
{
    return s_timeoutMs;
}

void CCurlEasy::stopAll()
{
    s_stopped = true;
}

int CCurlEasy::onProgress(void *self, curl_off_t, curl_off_t downloaded, curl_off_t, curl_off_t uploaded)
{
    if (s_stopped)
        return 1;
    const auto *transfer = static_cast<CCurlEasy *>(self);
    if (transfer->m_progress && !transfer->m_progress(downloaded, uploaded))
        return 1;
    return 0;
}
