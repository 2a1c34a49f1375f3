#include "publishing/RemoteFolder.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <memory>

namespace {

using CommandList = std::unique_ptr<curl_slist, decltype(&curl_slist_free_all)>;

CommandList commandList(const QStringList &commands)
{
    curl_slist *list = nullptr;
    for (const QString &command : commands)
        list = curl_slist_append(list, command.toUtf8().constData());
    return CommandList(list, &curl_slist_free_all);
}

// libcurl hands a key over either as raw bytes or, with no length, as
// base64 text.
QByteArray keyBlob(const curl_khkey *key)
{
    if (key->len == 0)
        return QByteArray::fromBase64(QByteArray(key->key));
    return QByteArray(key->key, qsizetype(key->len));
}

// As OpenSSH shows it.
QString fingerprint(const QByteArray &blob)
{
    const QByteArray hash = QCryptographicHash::hash(blob, QCryptographicHash::Sha256);
    return QStringLiteral("SHA256:") + QString::fromLatin1(hash.toBase64(QByteArray::OmitTrailingEquals));
}

// A key blob starts with the name of its type as an SSH string.
QByteArray keyTypeName(const QByteArray &blob)
{
    if (blob.size() < 4)
        return QByteArray();
    const auto *bytes = reinterpret_cast<const quint8 *>(blob.constData());
    const qsizetype length = (qsizetype(bytes[0]) << 24) | (bytes[1] << 16) | (bytes[2] << 8) | bytes[3];
    return length <= blob.size() - 4 ? blob.mid(4, length) : QByteArray();
}

QString quoted(const QString &path)
{
    QString escaped = path;
    escaped.replace(u'\\', QStringLiteral("\\\\"));
    escaped.replace(u'"', QStringLiteral("\\\""));
    return u'"' + escaped + u'"';
}

QString fileName(const QString &path)
{
    return path.mid(path.lastIndexOf(u'/') + 1);
}

// Size requests answer with header lines, which would go to standard output.
size_t discard(char *, size_t size, size_t count, void *)
{
    return size * count;
}

size_t readFromFile(char *buffer, size_t size, size_t count, void *file)
{
    const qint64 read = static_cast<QFile *>(file)->read(buffer, qint64(size * count));
    return read < 0 ? CURL_READFUNC_ABORT : size_t(read);
}

} // namespace

CRemoteFolder::CRemoteFolder(const QUrl &folder, const PublishJob &job, const std::atomic<bool> *cancelled)
    : m_folder(folder)
    , m_sftp(folder.scheme() == QLatin1String("sftp"))
    , m_knownHostsPath(job.knownHostsPath.isEmpty() ? QDir::homePath() + QStringLiteral("/.ssh/known_hosts") : job.knownHostsPath)
    , m_trustedHostKey(job.trustedHostKey)
    , m_addHostKey(job.addHostKey)
    , m_cancelled(cancelled)
{
    CURL *handle = m_transfer.handle();
    if (!handle)
        return;
    watchCancel();
    const PublishTarget &target = job.target;
    const long timeoutMs = CCurlEasy::timeout();
    curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "ftp,ftps,sftp");
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT_MS, timeoutMs);
    curl_easy_setopt(handle, CURLOPT_SERVER_RESPONSE_TIMEOUT, qMax(1L, timeoutMs / 1000));
    // A transfer may take long, but not stand still.
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_TIME, qMax(1L, timeoutMs / 1000));
    curl_easy_setopt(handle, CURLOPT_FTP_CREATE_MISSING_DIRS, long(CURLFTP_CREATE_DIR_RETRY));
    curl_easy_setopt(handle, CURLOPT_HEADERFUNCTION, discard);
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, discard);
    if (!target.userName.isEmpty())
        curl_easy_setopt(handle, CURLOPT_USERNAME, target.userName.toUtf8().constData());
    if (target.explicitTls)
        curl_easy_setopt(handle, CURLOPT_USE_SSL, long(CURLUSESSL_ALL));
    if (!target.trustedCertificates.isEmpty())
        curl_easy_setopt(handle, CURLOPT_CAINFO, QFile::encodeName(target.trustedCertificates).constData());
    if (!m_sftp) {
        curl_easy_setopt(handle, CURLOPT_PASSWORD, job.secret.toUtf8().constData());
        return;
    }

    curl_easy_setopt(handle, CURLOPT_SSH_KNOWNHOSTS, QFile::encodeName(m_knownHostsPath).constData());
    curl_easy_setopt(handle, CURLOPT_SSH_KEYFUNCTION, &CRemoteFolder::onHostKey);
    curl_easy_setopt(handle, CURLOPT_SSH_KEYDATA, this);
    switch (target.sshAuth) {
    case PublishTarget::SshPassword:
        curl_easy_setopt(handle, CURLOPT_SSH_AUTH_TYPES, long(CURLSSH_AUTH_PASSWORD | CURLSSH_AUTH_KEYBOARD));
        curl_easy_setopt(handle, CURLOPT_PASSWORD, job.secret.toUtf8().constData());
        break;
    case PublishTarget::SshKeyFile: {
        curl_easy_setopt(handle, CURLOPT_SSH_AUTH_TYPES, long(CURLSSH_AUTH_PUBLICKEY));
        curl_easy_setopt(handle, CURLOPT_SSH_PRIVATE_KEYFILE, QFile::encodeName(target.keyFile).constData());
        // Without its public half beside it, libssh2 derives it from the private key.
        const QString publicKey = target.keyFile + QStringLiteral(".pub");
        curl_easy_setopt(handle, CURLOPT_SSH_PUBLIC_KEYFILE,
                         QFileInfo::exists(publicKey) ? QFile::encodeName(publicKey).constData() : "");
        curl_easy_setopt(handle, CURLOPT_KEYPASSWD, job.secret.toUtf8().constData());
        break;
    }
    case PublishTarget::SshAgent:
        curl_easy_setopt(handle, CURLOPT_SSH_AUTH_TYPES, long(CURLSSH_AUTH_AGENT));
        break;
    }
}

bool CRemoteFolder::fileSize(const QString &path, qint64 *size)
{
    curl_easy_setopt(m_transfer.handle(), CURLOPT_NOBODY, 1L);
    const CURLcode result = run(urlOf(path), {}, CURLOPT_QUOTE);
    switch (result) {
    case CURLE_OK: {
        curl_off_t length = -1;
        curl_easy_getinfo(m_transfer.handle(), CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length);
        *size = length;
        return true;
    }
    // No such file, or no such folder yet.
    case CURLE_REMOTE_FILE_NOT_FOUND:
    case CURLE_FTP_COULDNT_RETR_FILE:
    case CURLE_REMOTE_ACCESS_DENIED:
        *size = -1;
        return true;
    default:
        failWith(result);
        return false;
    }
}

bool CRemoteFolder::upload(const QString &localPath, const QString &path, const Progress &progress)
{
    QFile file(localPath);
    if (!file.open(QIODevice::ReadOnly)) {
        fail(QCoreApplication::translate("CRemoteFolder", "%1 cannot be read.").arg(QDir::toNativeSeparators(localPath)));
        return false;
    }
    CURL *handle = m_transfer.handle();
    const QString temporary = temporaryName(path);
    curl_easy_setopt(handle, CURLOPT_NOBODY, 0L);
    curl_easy_setopt(handle, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(handle, CURLOPT_READFUNCTION, readFromFile);
    curl_easy_setopt(handle, CURLOPT_READDATA, &file);
    curl_easy_setopt(handle, CURLOPT_INFILESIZE_LARGE, curl_off_t(file.size()));
    const std::atomic<bool> *cancelled = m_cancelled;
    m_transfer.setProgressHandler([progress, cancelled](qint64, qint64 uploaded) { return !*cancelled && progress(uploaded); });
    const CURLcode result = run(urlOf(temporary), renameCommands(temporary, path), CURLOPT_POSTQUOTE);
    curl_easy_setopt(handle, CURLOPT_UPLOAD, 0L);
    watchCancel();
    if (result == CURLE_OK)
        return true;
    failWith(result);
    // Nothing was written where the connection never stood.
    curl_off_t sent = 0;
    curl_easy_getinfo(handle, CURLINFO_SIZE_UPLOAD_T, &sent);
    if (sent > 0 || result == CURLE_QUOTE_ERROR)
        removeQuietly(temporary);
    return false;
}

QString CRemoteFolder::address(const QString &path) const
{
    return urlOf(path).toString();
}

QUrl CRemoteFolder::urlOf(const QString &path) const
{
    QUrl url = m_folder;
    url.setPath(m_folder.path() + path);
    return url;
}

// SFTP commands take paths from the server's root, or from the home folder
// for addresses under "/~/".
QString CRemoteFolder::sftpPath(const QString &path) const
{
    const QString full = m_folder.path() + path;
    return full.startsWith(QLatin1String("/~/")) ? full.mid(3) : full;
}

// FTP renames in the folder the upload went to. SFTP renames only onto a
// free name: the old file goes first, and for that moment readers find none.
QStringList CRemoteFolder::renameCommands(const QString &from, const QString &to) const
{
    if (!m_sftp)
        return {QStringLiteral("RNFR ") + fileName(from), QStringLiteral("RNTO ") + fileName(to)};
    return {QStringLiteral("*rm ") + quoted(sftpPath(to)),
            QStringLiteral("rename %1 %2").arg(quoted(sftpPath(from)), quoted(sftpPath(to)))};
}

// Tried once, on a new connection when the old one is gone. FTP deletes
// in the folder of the request, which the connection enters only for it.
void CRemoteFolder::removeQuietly(const QString &path)
{
    const QString command = m_sftp ? QStringLiteral("rm ") + quoted(sftpPath(path)) : QStringLiteral("DELE ") + fileName(path);
    m_transfer.setProgressHandler(nullptr);
    curl_easy_setopt(m_transfer.handle(), CURLOPT_NOBODY, 1L);
    run(urlOf(path), {command}, CURLOPT_POSTQUOTE);
    watchCancel();
}

CURLcode CRemoteFolder::run(const QUrl &url, const QStringList &commands, CURLoption when)
{
    CURL *handle = m_transfer.handle();
    if (!handle)
        return CURLE_FAILED_INIT;
    const CommandList list = commandList(commands);
    curl_easy_setopt(handle, CURLOPT_URL, url.toEncoded().constData());
    curl_easy_setopt(handle, when, list.get());
    const CURLcode result = m_transfer.perform();
    curl_easy_setopt(handle, when, nullptr);
    return result;
}

void CRemoteFolder::watchCancel()
{
    const std::atomic<bool> *cancelled = m_cancelled;
    m_transfer.setProgressHandler([cancelled](qint64, qint64) { return !*cancelled; });
}

void CRemoteFolder::failWith(CURLcode code)
{
    switch (m_hostKeyCheck) {
    case HostKeyMissing:
        fail(QCoreApplication::translate("CRemoteFolder", "The server's host key is not known: %1.").arg(m_hostFingerprint), PublishResult::UnknownHostKey);
        return;
    case HostKeyChanged:
        fail(QCoreApplication::translate("CRemoteFolder", "Refused: the server's host key has changed (now %1). Someone may be listening in, "
                            "or the server was set up anew.").arg(m_hostFingerprint),
             PublishResult::ChangedHostKey);
        return;
    case HostKeyKnown:
    case HostKeyAdded:
        break;
    }
    if (code == CURLE_ABORTED_BY_CALLBACK && *m_cancelled)
        fail(QCoreApplication::translate("CRemoteFolder", "Cancelled."), PublishResult::Cancelled);
    else if (code == CURLE_QUOTE_ERROR)
        fail(QCoreApplication::translate("CRemoteFolder", "The server did not let the uploaded file take the old one's place."));
    else
        fail(m_transfer.failureText(code));
}

int CRemoteFolder::onHostKey(CURL *, const curl_khkey *, const curl_khkey *found, curl_khmatch match, void *self)
{
    auto *folder = static_cast<CRemoteFolder *>(self);
    const QByteArray blob = keyBlob(found);
    folder->m_hostFingerprint = fingerprint(blob);
    switch (match) {
    case CURLKHMATCH_OK:
        folder->m_hostKeyCheck = HostKeyKnown;
        return CURLKHSTAT_FINE;
    case CURLKHMATCH_MISSING:
        if (folder->m_hostFingerprint != folder->m_trustedHostKey) {
            folder->m_hostKeyCheck = HostKeyMissing;
            return CURLKHSTAT_REJECT;
        }
        folder->m_hostKeyCheck = HostKeyAdded;
        if (folder->m_addHostKey)
            folder->addHostKey(blob);
        return CURLKHSTAT_FINE;
    case CURLKHMATCH_MISMATCH:
    case CURLKHMATCH_LAST:
        break;
    }
    folder->m_hostKeyCheck = HostKeyChanged;
    return CURLKHSTAT_REJECT;
}

// Appended as a line of its own, rather than letting libssh2 write the
// whole file anew in its own way.
void CRemoteFolder::addHostKey(const QByteArray &blob)
{
    const int port = m_folder.port(22);
    const QString host = port == 22 ? m_folder.host() : QStringLiteral("[%1]:%2").arg(m_folder.host()).arg(port);
    const QByteArray line = host.toUtf8() + ' ' + keyTypeName(blob) + ' ' + blob.toBase64() + '\n';
    QDir().mkpath(QFileInfo(m_knownHostsPath).absolutePath());
    QFile file(m_knownHostsPath);
    if (file.open(QIODevice::Append))
        file.write(line);
}
