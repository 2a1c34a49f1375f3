#include "publishing/S3Folder.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QMimeDatabase>
#include <QUrlQuery>
#include <QXmlStreamReader>

namespace {

// Listeners' apps fetch the feed often and should see a new episode soon;
// media files keep their content under their name.
const QByteArray kFeedCacheControl = "Cache-Control: max-age=300";
const QByteArray kMediaCacheControl = "Cache-Control: max-age=604800";

// Each segment percent-encoded as Signature Version 4 signs it.
QByteArray encodedPath(const QString &path)
{
    QByteArrayList segments;
    for (const QString &segment : path.split(u'/'))
        segments.append(QUrl::toPercentEncoding(segment));
    return segments.join('/');
}

const QByteArray kEmptyHash = QCryptographicHash::hash(QByteArray(), QCryptographicHash::Sha256).toHex();

QByteArray fileHash(QFile *file)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(file);
    file->seek(0);
    return hash.result().toHex();
}

// S3's error answers: <Error><Code>…</Code><Message>…</Message></Error>.
QString errorField(const QByteArray &body, const QString &name)
{
    QXmlStreamReader xml(body);
    while (xml.readNextStartElement()) {
        if (xml.name() == name)
            return xml.readElementText().trimmed();
        if (xml.name() != QLatin1String("Error"))
            xml.skipCurrentElement();
    }
    return QString();
}

QString contentType(const QString &localPath, bool isFeed)
{
    if (isFeed)
        return QStringLiteral("application/rss+xml");
    return QMimeDatabase().mimeTypeForFile(localPath, QMimeDatabase::MatchExtension).name();
}

} // namespace

CS3Folder::CS3Folder(const QUrl &folder, const PublishJob &job, const QString &feedName, const std::atomic<bool> *cancelled)
    : m_feedName(feedName)
    , m_transfer(cancelled, job.target.trustedCertificates)
{
    const QString path = folder.path().mid(1);
    m_bucket = path.section(u'/', 0, 0);
    m_prefix = path.section(u'/', 1);
    m_host = folder.port() > 0 ? QStringLiteral("%1:%2").arg(folder.host()).arg(folder.port()) : folder.host();
    const QUrlQuery query(folder);
    m_scheme = query.queryItemValue(QStringLiteral("scheme")) == QLatin1String("http") ? QStringLiteral("http") : QStringLiteral("https");
    m_region = query.queryItemValue(QStringLiteral("region"));
    if (m_region.isEmpty())
        m_region = QStringLiteral("us-east-1");
    m_virtualHosted = query.queryItemValue(QStringLiteral("style")) == QLatin1String("virtual");
    m_publicRead = query.queryItemValue(QStringLiteral("acl")) == QLatin1String("public-read");
    m_accessKey = job.target.userName.isEmpty() ? folder.userName() : job.target.userName;

    CURL *handle = m_transfer.handle();
    if (!handle)
        return;
    const QByteArray signing = "aws:amz:" + m_region.toUtf8() + ":s3";
    curl_easy_setopt(handle, CURLOPT_AWS_SIGV4, signing.constData());
    curl_easy_setopt(handle, CURLOPT_USERNAME, m_accessKey.toUtf8().constData());
    curl_easy_setopt(handle, CURLOPT_PASSWORD, job.secret.toUtf8().constData());
}

// A HEAD answer has no body to tell a missing key from a refused one: both
// count as no file, and the upload that follows says what is wrong.
bool CS3Folder::fileSize(const QString &path, qint64 *size)
{
    const CHttpTransfer::Reply reply = m_transfer.send("HEAD", urlOf(path), {"x-amz-content-sha256: " + kEmptyHash});
    if (reply.code == CURLE_OK) {
        *size = reply.ok() ? reply.contentLength : -1;
        return true;
    }
    failWith(reply);
    return false;
}

bool CS3Folder::upload(const QString &localPath, const QString &path, const Progress &progress)
{
    QFile file(localPath);
    if (!file.open(QIODevice::ReadOnly)) {
        fail(QCoreApplication::translate("CS3Folder", "%1 cannot be read.").arg(QDir::toNativeSeparators(localPath)));
        return false;
    }
    const QByteArray hash = fileHash(&file);
    if (path != m_feedName)
        return succeeded(m_transfer.upload(urlOf(path), &file, uploadHeaders(localPath, path, hash), progress));
    const QString temporary = temporaryName(path);
    if (!succeeded(m_transfer.upload(urlOf(temporary), &file, uploadHeaders(localPath, path, hash), progress)))
        return false;
    QList<QByteArray> copy{"x-amz-content-sha256: " + kEmptyHash, "Content-Length: 0",
                           "x-amz-copy-source: /" + encodedPath(m_bucket + u'/' + m_prefix + temporary)};
    if (m_publicRead)
        copy.append("x-amz-acl: public-read");
    const bool copied = succeeded(m_transfer.send("PUT", urlOf(path), copy));
    m_transfer.send("DELETE", urlOf(temporary), {"x-amz-content-sha256: " + kEmptyHash});
    return copied;
}

// A copy that fails half-way answers 200 with an error in its body.
bool CS3Folder::succeeded(const CHttpTransfer::Reply &reply)
{
    if (reply.ok() && !reply.body.contains("<Error>"))
        return true;
    failWith(reply);
    return false;
}

QString CS3Folder::address(const QString &path) const
{
    return QStringLiteral("s3://%1/%2").arg(m_bucket, m_prefix + path);
}

QByteArray CS3Folder::urlOf(const QString &path) const
{
    const QByteArray key = encodedPath(m_prefix + path);
    if (m_virtualHosted)
        return (m_scheme + QStringLiteral("://") + m_bucket + u'.' + m_host).toUtf8() + '/' + key;
    return (m_scheme + QStringLiteral("://") + m_host).toUtf8() + '/' + encodedPath(m_bucket) + '/' + key;
}

QList<QByteArray> CS3Folder::uploadHeaders(const QString &localPath, const QString &path, const QByteArray &hash) const
{
    const bool isFeed = path == m_feedName;
    QList<QByteArray> headers{"x-amz-content-sha256: " + hash,
                              "Content-Type: " + contentType(localPath, isFeed).toUtf8(),
                              isFeed ? kFeedCacheControl : kMediaCacheControl};
    if (m_publicRead)
        headers.append("x-amz-acl: public-read");
    return headers;
}

void CS3Folder::failWith(const CHttpTransfer::Reply &reply)
{
    if (reply.code == CURLE_ABORTED_BY_CALLBACK && m_transfer.isCancelled()) {
        fail(QCoreApplication::translate("CS3Folder", "Cancelled."), PublishResult::Cancelled);
        return;
    }
    if (reply.code != CURLE_OK) {
        fail(m_transfer.failureText(reply));
        return;
    }
    // The body may hold more than the error: the reader stops at its end.
    const QByteArray body = reply.body.mid(qMax(qsizetype(0), reply.body.indexOf("<Error>")));
    const QString code = errorField(body, QStringLiteral("Code"));
    const QString message = errorField(body, QStringLiteral("Message"));
    if (code == QLatin1String("InvalidAccessKeyId"))
        fail(QCoreApplication::translate("CS3Folder", "The storage does not know the access key ID %1: check it.").arg(m_accessKey));
    else if (code == QLatin1String("SignatureDoesNotMatch"))
        fail(QCoreApplication::translate("CS3Folder", "The secret access key does not belong to the access key ID %1: check the secret.").arg(m_accessKey));
    else if (code == QLatin1String("NoSuchBucket"))
        fail(QCoreApplication::translate("CS3Folder", "There is no bucket %1 at %2: check the bucket's name and the endpoint.").arg(m_bucket, m_host));
    else if (code == QLatin1String("RequestTimeTooSkewed"))
        fail(QCoreApplication::translate("CS3Folder", "This computer's clock is too far from the storage's: set the clock right, "
                                                      "for instance with automatic date and time."));
    else if (code == QLatin1String("AuthorizationHeaderMalformed"))
        fail(QCoreApplication::translate("CS3Folder", "The storage refused the region %1: check the bucket's region.").arg(m_region));
    else if (code == QLatin1String("AccessDenied"))
        fail(QCoreApplication::translate("CS3Folder", "The storage refused the key %1 access to bucket %2: check the key's permissions.").arg(m_accessKey, m_bucket));
    else if (!code.isEmpty())
        fail(QCoreApplication::translate("CS3Folder", "The storage refused the request: %1 (%2).").arg(message.isEmpty() ? code : message, code));
    else
        fail(QCoreApplication::translate("CS3Folder", "The storage answered with error %1.").arg(reply.status));
}
