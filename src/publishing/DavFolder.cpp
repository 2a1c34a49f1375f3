#include "publishing/DavFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace {

QUrl webAddress(QUrl folder)
{
    folder.setScheme(folder.scheme() == QLatin1String("davs") ? QStringLiteral("https") : QStringLiteral("http"));
    folder.setUserInfo(QString());
    return folder;
}

QString parentOf(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    return slash < 0 ? QString() : path.left(slash);
}

} // namespace

CDavFolder::CDavFolder(const QUrl &folder, const PublishJob &job, const std::atomic<bool> *cancelled)
    : m_folder(webAddress(folder))
    , m_transfer(cancelled, job.target.trustedCertificates)
{
    CURL *handle = m_transfer.handle();
    if (!handle)
        return;
    const QString user = job.target.userName.isEmpty() ? folder.userName() : job.target.userName;
    curl_easy_setopt(handle, CURLOPT_USERNAME, user.toUtf8().constData());
    curl_easy_setopt(handle, CURLOPT_PASSWORD, job.secret.toUtf8().constData());
    // Digest where the server offers it; basic only over what it asks for.
    curl_easy_setopt(handle, CURLOPT_HTTPAUTH, long(CURLAUTH_BASIC | CURLAUTH_DIGEST));
}

bool CDavFolder::fileSize(const QString &path, qint64 *size)
{
    const CHttpTransfer::Reply reply = m_transfer.send("HEAD", urlOf(path));
    if (reply.ok()) {
        *size = reply.contentLength;
        return true;
    }
    if (reply.code == CURLE_OK && (reply.status == 404 || reply.status == 409)) {
        *size = -1;
        return true;
    }
    return failWith(reply, address(path));
}

bool CDavFolder::upload(const QString &localPath, const QString &path, const Progress &progress)
{
    QFile file(localPath);
    if (!file.open(QIODevice::ReadOnly)) {
        fail(QCoreApplication::translate("CDavFolder", "%1 cannot be read.").arg(QDir::toNativeSeparators(localPath)));
        return false;
    }
    const QByteArray temporary = urlOf(temporaryName(path));
    CHttpTransfer::Reply reply = m_transfer.upload(temporary, &file, {}, progress);
    // 409: a folder on the way is missing.
    if (reply.code == CURLE_OK && reply.status == 409) {
        if (!makeFolders(parentOf(m_folder.path() + path)))
            return false;
        file.seek(0);
        reply = m_transfer.upload(temporary, &file, {}, progress);
    }
    if (reply.ok())
        reply = m_transfer.send("MOVE", temporary, {"Destination: " + urlOf(path), "Overwrite: T"});
    if (reply.ok())
        return true;
    failWith(reply, address(path));
    if (reply.code != CURLE_COULDNT_CONNECT && reply.code != CURLE_COULDNT_RESOLVE_HOST)
        m_transfer.send("DELETE", temporary);
    return false;
}

QString CDavFolder::address(const QString &path) const
{
    return QString::fromUtf8(urlOf(path));
}

QByteArray CDavFolder::urlOf(const QString &path) const
{
    QUrl url = m_folder;
    url.setPath(m_folder.path() + path);
    return url.toEncoded();
}

// Each folder of the server path `path` that is missing, from the top: a
// folder whose parent is missing answers 409, one that is there 405.
bool CDavFolder::makeFolders(const QString &path)
{
    if (path.isEmpty())
        return true;
    QUrl url = m_folder;
    url.setPath(path + u'/');
    CHttpTransfer::Reply reply = m_transfer.send("MKCOL", url.toEncoded());
    if (reply.code == CURLE_OK && reply.status == 409) {
        if (!makeFolders(parentOf(path)))
            return false;
        reply = m_transfer.send("MKCOL", url.toEncoded());
    }
    if (reply.ok() || (reply.code == CURLE_OK && reply.status == 405))
        return true;
    return failWith(reply, url.toString());
}

bool CDavFolder::failWith(const CHttpTransfer::Reply &reply, const QString &where)
{
    if (reply.code == CURLE_ABORTED_BY_CALLBACK && m_transfer.isCancelled()) {
        fail(QCoreApplication::translate("CDavFolder", "Cancelled."), PublishResult::Cancelled);
        return false;
    }
    if (reply.code != CURLE_OK) {
        fail(m_transfer.failureText(reply));
        return false;
    }
    switch (reply.status) {
    case 401:
        fail(QCoreApplication::translate("CDavFolder", "The server refused the user name or the password: check both."));
        break;
    case 403:
        fail(QCoreApplication::translate("CDavFolder", "The server does not let this user write %1.").arg(where));
        break;
    case 405:
        fail(QCoreApplication::translate("CDavFolder", "The server does not take files at %1: is WebDAV turned on there?").arg(where));
        break;
    case 507:
        fail(QCoreApplication::translate("CDavFolder", "The server has no room left."));
        break;
    default:
        fail(QCoreApplication::translate("CDavFolder", "The server answered with error %1.").arg(reply.status));
        break;
    }
    return false;
}
