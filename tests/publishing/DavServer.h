#pragma once

// Apache with mod_dav on 127.0.0.1 at a free port, serving a temporary
// folder: /basic/ asks for basic authentication, /digest/ for digest, both
// with the user and password below; over HTTPS with a certificate of its
// own when asked. Runs in the foreground until stopped.

#include "TestFiles.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

class DavServer
{
public:
    static constexpr const char *kUser = "podcaster";
    static constexpr const char *kPassword = "dav secret";

    ~DavServer() { stop(); }

    // An empty string when the server runs, else why it cannot.
    QString start(bool https = false)
    {
        const QString apache = QStringLiteral("/usr/sbin/apache2");
        if (!QFile::exists(apache) || !QFile::exists(module("dav_fs")))
            return QStringLiteral("Apache with mod_dav is not installed: run scripts/install-deps.sh");
        if (https && !makeServerCertificate(path(QStringLiteral("server.key")), certificate()))
            return QStringLiteral("openssl could not make a certificate");
        // Run as root, Apache serves as www-data, which must reach the folder.
        QFile::setPermissions(m_dir.path(), QFileDevice::Permissions(0x7755));
        for (const QString &folder : {QStringLiteral("www/basic"), QStringLiteral("www/digest"), QStringLiteral("lock")}) {
            QDir().mkpath(path(folder));
            QFile::setPermissions(path(folder), QFileDevice::Permissions(0x7777));
        }
        QTcpServer probe;
        if (!probe.listen(QHostAddress::LocalHost))
            return QStringLiteral("no free port");
        m_port = probe.serverPort();
        probe.close();
        writeFile(path(QStringLiteral("basic.users")),
                  QByteArray(kUser) + ":{SHA}" + QCryptographicHash::hash(kPassword, QCryptographicHash::Sha1).toBase64() + '\n');
        const QByteArray realm = "publishing";
        writeFile(path(QStringLiteral("digest.users")),
                  QByteArray(kUser) + ':' + realm + ':'
                      + QCryptographicHash::hash(QByteArray(kUser) + ':' + realm + ':' + kPassword, QCryptographicHash::Md5).toHex() + '\n');
        writeFile(path(QStringLiteral("httpd.conf")), config(realm, https));
        m_process.setProcessChannelMode(QProcess::ForwardedChannels);
        m_process.start(apache, {QStringLiteral("-f"), path(QStringLiteral("httpd.conf")), QStringLiteral("-DFOREGROUND")});
        if (!m_process.waitForStarted())
            return QStringLiteral("apache2 did not start");
        const bool listening = QTest::qWaitFor([&] {
            QTcpSocket socket;
            socket.connectToHost(QHostAddress::LocalHost, quint16(m_port));
            return socket.waitForConnected(1000) || m_process.state() == QProcess::NotRunning;
        }, 30000);
        if (!listening || m_process.state() == QProcess::NotRunning)
            return QStringLiteral("apache2 did not start: ") + QString::fromUtf8(readFile(path(QStringLiteral("error.log"))));
        return QString();
    }

    void stop()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.terminate();
        if (!m_process.waitForFinished(10000))
            m_process.kill();
    }

    int port() const { return m_port; }
    // The file the server keeps for `served`, e.g. "basic/feed.xml".
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QString served(const QString &name) const { return path(QStringLiteral("www/") + name); }
    // The HTTPS server's certificate, to trust.
    QString certificate() const { return path(QStringLiteral("server.crt")); }

private:
    static QString module(const char *name)
    {
        return QStringLiteral("/usr/lib/apache2/modules/mod_%1.so").arg(QString::fromLatin1(name));
    }

    QByteArray config(const QByteArray &realm, bool https) const
    {
        QByteArray text = "Listen 127.0.0.1:" + QByteArray::number(m_port) + "\n";
        QList<const char *> modules{"mpm_event", "authz_core", "authz_user", "authn_core", "authn_file", "auth_basic",
                                    "auth_digest", "dav", "dav_fs", "mime"};
        if (https)
            modules.append({"socache_shmcb", "ssl"});
        for (const char *name : modules)
            text += "LoadModule " + QByteArray(name) + "_module " + module(name).toUtf8() + "\n";
        const QByteArray dir = m_dir.path().toUtf8();
        if (https)
            text += "SSLEngine on\nSSLCertificateFile " + certificate().toUtf8() + "\nSSLCertificateKeyFile " + dir + "/server.key\n";
        text += "ServerName 127.0.0.1\n"
                "PidFile " + dir + "/httpd.pid\n"
                "DefaultRuntimeDir " + dir + "\n"
                "ErrorLog " + dir + "/error.log\n"
                "TypesConfig /etc/mime.types\n"
                "DAVLockDB " + dir + "/lock/dav\n"
                "DocumentRoot " + dir + "/www\n";
        if (geteuid() == 0)
            text += "User www-data\nGroup www-data\n";
        text += "<Directory " + dir + "/www>\n  DAV On\n  Require all granted\n</Directory>\n"
                "<Location /basic>\n  AuthType Basic\n  AuthName " + realm + "\n  AuthUserFile " + dir
            + "/basic.users\n  Require valid-user\n</Location>\n"
                "<Location /digest>\n  AuthType Digest\n  AuthName " + realm + "\n  AuthDigestProvider file\n"
                "  AuthUserFile " + dir + "/digest.users\n  Require valid-user\n</Location>\n";
        return text;
    }

    QTemporaryDir m_dir;
    QProcess m_process;
    int m_port = 0;
};
