#pragma once

#include <QByteArray>
#include <QString>

#include <curl/curl.h>

#include <functional>

// One libcurl transfer with what every transfer of the program shares: no
// signals (workers run it), the program's user agent, an error text, a
// progress hook that ends it when the program stops or the owner cancels,
// and one time-out for the whole program. Callers set what is particular to
// their transfer on handle() and run perform(), on any one thread.
class CCurlEasy
{
public:
    static constexpr int kDefaultTimeoutMs = 20000;
    static constexpr long kMaxRedirects = 10;

    // Bytes moved so far; returning false ends the transfer.
    using ProgressHandler = std::function<bool(qint64 downloaded, qint64 uploaded)>;

    CCurlEasy();
    ~CCurlEasy();
    CCurlEasy(const CCurlEasy &) = delete;
    CCurlEasy &operator=(const CCurlEasy &) = delete;

    bool isValid() const { return m_handle != nullptr; }
    CURL *handle() const { return m_handle; }

    // A request for a web address with one of `protocols` (libcurl's list,
    // e.g. "http,https,ftp"), following redirects over http, https or ftp
    // only, at most kMaxRedirects of them, all within the time-out.
    void setWebRequest(const QByteArray &url, const char *protocols);
    void setProgressHandler(ProgressHandler handler) { m_progress = std::move(handler); }

    CURLcode perform();
    // The HTTP status or FTP reply code of the last response, 0 without one.
    long responseCode() const;
    // Why the transfer ended with `code`, as a sentence for the user.
    QString failureText(CURLcode code) const;

    // The time a transfer may take (web requests: all of it; uploads: to
    // connect, and at most this long without progress). Any thread.
    static void setTimeout(int milliseconds);
    static int timeout();
    // Makes running and later transfers fail at once. For program exit.
    static void stopAll();

private:
    static int onProgress(void *self, curl_off_t, curl_off_t downloaded, curl_off_t, curl_off_t uploaded);

    CURL *m_handle = nullptr;
    ProgressHandler m_progress;
    char m_errorBuffer[CURL_ERROR_SIZE] = {};
};
