#pragma once

#include "markup/LocalMedia.h"

#include <QList>
#include <QString>
#include <QStringList>

// Where and how one feed is published. Never holds a password: those live
// in the keyring (CSecretStore) under secretKey().
struct PublishTarget
{
    enum SshAuth { SshPassword, SshKeyFile, SshAgent };

    // sftp://, ftp://, ftps:// or file:// address of the feed file, or of
    // its folder when it ends in "/" (the feed keeps its own name there).
    QString destination;
    QString userName;
    bool explicitTls = false; // ftp:// that must switch to TLS (AUTH TLS)
    // A PEM file of the certificates FTPS servers are checked against
    // instead of the system's authorities, for a server that signs its own.
    QString trustedCertificates;
    SshAuth sshAuth = SshPassword;
    QString keyFile;          // private key for SshKeyFile
    // Enclosures whose address starts with this are uploaded beside the
    // feed, from the same relative path under mediaFolder.
    QString mediaBaseUrl;
    QString mediaFolder; // empty: the feed's own folder
    // Where subscribers read the feed (https://...): the address it was
    // opened from or moved to.
    QString feedAddress;

    bool isEmpty() const { return destination.isEmpty(); }
    bool operator==(const PublishTarget &other) const;
};

// A local file to upload and its path relative to the feed's remote folder.
struct PublishFile
{
    QString localPath;
    QString remotePath;

    bool operator==(const PublishFile &other) const
    {
        return localPath == other.localPath && remotePath == other.remotePath;
    }
};

// The publish settings of each feed, in the program's settings file
// (~/.config/Tidrel/Tidrel.conf), keyed by the feed's absolute path: a feed
// opened from another path has none.
class CPublishSettings
{
public:
    // Empty settings when the feed has none.
    static PublishTarget load(const QString &feedPath);
    static void save(const QString &feedPath, const PublishTarget &target);
    static void remove(const QString &feedPath);
    // Where the feed's media files lie on this machine, by its settings.
    static CLocalMedia localMedia(const QString &feedPath);

    // The keyring entry of the target's password or key passphrase: its
    // scheme, user and host, so feeds on one server share it.
    static QString secretKey(const PublishTarget &target);
    // The addresses (enclosures, chapters, transcripts, artwork) under the
    // media base address whose local file exists, each once, as files to
    // upload.
    static QList<PublishFile> mediaFiles(const PublishTarget &target, const QString &feedPath,
                                         const QStringList &urls);
};
