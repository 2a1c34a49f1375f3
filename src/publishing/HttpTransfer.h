#pragma once

#include "web/CurlEasy.h"

#include <QByteArray>
#include <QList>

#include <atomic>
#include <functional>

class QFile;

// HTTP requests of one publishing run over one libcurl connection: a
// method, headers and, for uploads, a file as the body. The owner sets the
// sign-in on handle(); a request ends early once `cancelled` is set.
class CHttpTransfer
{
public:
    // Bytes of the body sent so far; false cancels.
    using Progress = std::function<bool(qint64 sent)>;

    struct Reply
    {
        CURLcode code = CURLE_FAILED_INIT;
        long status = 0; // 0 when no answer came
        QByteArray body;
        qint64 contentLength = -1;

        bool ok() const { return code == CURLE_OK && status >= 200 && status < 300; }
    };

    CHttpTransfer(const std::atomic<bool> *cancelled, const QString &trustedCertificates);

    CURL *handle() const { return m_transfer.handle(); }
    bool isCancelled() const { return *m_cancelled; }

    Reply send(const QByteArray &method, const QByteArray &url, const QList<QByteArray> &headers = {});
    Reply upload(const QByteArray &url, QFile *body, const QList<QByteArray> &headers, const Progress &progress);
    // Why a request failed without an answer, as a sentence for the user.
    QString failureText(const Reply &reply) const;

private:
    Reply perform(const QByteArray &url, const QList<QByteArray> &headers);

    const std::atomic<bool> *m_cancelled;
    CCurlEasy m_transfer;
};
