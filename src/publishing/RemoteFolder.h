#pragma once

#include "web/CurlEasy.h"
#include "publishing/PublishFolder.h"

#include <QStringList>
#include <QUrl>

// A folder on an FTP, FTPS or SFTP server, reached through one libcurl
// connection that serves every file of a run. SFTP servers must be known:
// their key is checked against known_hosts.
class CRemoteFolder : public CPublishFolder
{
public:
    // `folder` ends in "/".
    CRemoteFolder(const QUrl &folder, const PublishJob &job, const std::atomic<bool> *cancelled);

    bool fileSize(const QString &path, qint64 *size) override;
    bool upload(const QString &localPath, const QString &path, const Progress &progress) override;
    QString address(const QString &path) const override;

private:
    enum HostKeyCheck { HostKeyKnown, HostKeyAdded, HostKeyMissing, HostKeyChanged };

    static int onHostKey(CURL *, const curl_khkey *, const curl_khkey *found, curl_khmatch match, void *self);
    QUrl urlOf(const QString &path) const;
    QString sftpPath(const QString &path) const;
    QStringList renameCommands(const QString &from, const QString &to) const;
    void removeQuietly(const QString &path);
    CURLcode run(const QUrl &url, const QStringList &commands, CURLoption when);
    void watchCancel();
    void failWith(CURLcode code);
    void addHostKey(const QByteArray &blob);

    QUrl m_folder;
    bool m_sftp = false;
    QString m_knownHostsPath;
    QString m_trustedHostKey;
    bool m_addHostKey = false;
    HostKeyCheck m_hostKeyCheck = HostKeyKnown;
    const std::atomic<bool> *m_cancelled;
    CCurlEasy m_transfer;
};
