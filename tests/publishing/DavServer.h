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
        const QByteArray realm = "publishing"; // the AuthName of data/httpd.conf
        writeFile(path(QStringLiteral("digest.users")),
                  QByteArray(kUser) + ':' + realm + ':'
                      + QCryptographicHash::hash(QByteArray(kUser) + ':' + realm + ':' + kPassword, QCryptographicHash::Md5).toHex() + '\n');
        writeFile(path(QStringLiteral("httpd.conf")), config(https));
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

    // data/httpd.conf, with the lines HTTPS and a server run as root add.
    QByteArray config(bool https) const
    {
        QString more;
        if (https)
            more += QStringLiteral("LoadModule socache_shmcb_module %1\nLoadModule ssl_module %2\nSSLEngine on\n"
                                   "SSLCertificateFile %3\nSSLCertificateKeyFile %4\n")
                        .arg(module("socache_shmcb"), module("ssl"), certificate(), path(QStringLiteral("server.key")));
        if (geteuid() == 0)
            more += QStringLiteral("User www-data\nGroup www-data\n");
        const QString text = QString::fromUtf8(readFile(QStringLiteral(TIDREL_TESTS_DIR "/publishing/data/httpd.conf")));
        return text.arg(QString::number(m_port), m_dir.path(), more).toUtf8();
    }

    QTemporaryDir m_dir;
    QProcess m_process;
    int m_port = 0;
};
