#pragma once

// OpenSSH's sshd on 127.0.0.1 at a free port, for SFTP tests: a throwaway
// host key, one authorised user key and a configuration of its own, all in
// a temporary folder, running in the foreground until stopped. The user is
// the one running the test.

#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

#include <pwd.h>
#include <unistd.h>

class SshServer
{
public:
    ~SshServer() { stop(); }

    // An empty string when the server runs, else why it cannot.
    QString start()
    {
        const QString sshd = QStringLiteral("/usr/sbin/sshd");
        if (!QFile::exists(sshd) || !QFile::exists(QStringLiteral("/usr/bin/ssh-keygen")))
            return QStringLiteral("OpenSSH's sshd and ssh-keygen are not installed");
        // Run as root, sshd wants its privilege separation folder, which
        // the system's own service would make.
        if (geteuid() == 0 && !QDir().mkpath(QStringLiteral("/run/sshd")))
            return QStringLiteral("/run/sshd cannot be made");
        if (!makeKey(QStringLiteral("host_key")) || !makeKey(QStringLiteral("user_key")) || !makeKey(QStringLiteral("other_key")))
            return QStringLiteral("ssh-keygen failed");
        QFile::copy(path(QStringLiteral("user_key.pub")), path(QStringLiteral("authorized_keys")));

        QTcpServer probe;
        if (!probe.listen(QHostAddress::LocalHost))
            return QStringLiteral("no free port");
        m_port = probe.serverPort();
        probe.close();
        const QString config = QString::fromUtf8(readFile(QStringLiteral(TIDREL_TESTS_DIR "/publishing/data/sshd_config")));
        writeFile(path(QStringLiteral("sshd_config")), config.arg(m_port).arg(m_dir.path()).toUtf8());

        m_process.setProcessChannelMode(QProcess::MergedChannels);
        m_process.start(sshd, {QStringLiteral("-D"), QStringLiteral("-e"), QStringLiteral("-f"), path(QStringLiteral("sshd_config"))});
        QByteArray output;
        while (m_process.waitForReadyRead(10000)) {
            output += m_process.readAll();
            if (output.contains("Server listening"))
                return QString();
        }
        return QStringLiteral("sshd did not start: ") + QString::fromUtf8(output + m_process.readAll()).trimmed();
    }

    // Starts an SSH agent holding the user key and points SSH_AUTH_SOCK at
    // it; false when that fails.
    bool startAgent()
    {
        const QString socket = path(QStringLiteral("agent.sock"));
        m_agent.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_agent.start(QStringLiteral("/usr/bin/ssh-agent"), {QStringLiteral("-D"), QStringLiteral("-a"), socket});
        if (!m_agent.waitForStarted() || !QTest::qWaitFor([&] { return QFile::exists(socket); }, 5000))
            return false;
        qputenv("SSH_AUTH_SOCK", QFile::encodeName(socket));
        return QProcess::execute(QStringLiteral("/usr/bin/ssh-add"), {QStringLiteral("-q"), path(QStringLiteral("user_key"))}) == 0;
    }

    void stop()
    {
        for (QProcess *process : {&m_process, &m_agent}) {
            if (process->state() == QProcess::NotRunning)
                continue;
            process->terminate();
            if (!process->waitForFinished(5000))
                process->kill();
        }
    }

    int port() const { return m_port; }
    static QString userName()
    {
        const passwd *user = getpwuid(geteuid());
        return user ? QString::fromLocal8Bit(user->pw_name) : QString();
    }
    QString path(const QString &name) const { return m_dir.filePath(name); }
    // As OpenSSH shows it: "SHA256:...".
    QString hostFingerprint() const { return fingerprintOf(QStringLiteral("host_key.pub")); }
    // A known_hosts line for this server's address with the key of `name`.
    QByteArray knownHostsLine(const QString &name) const
    {
        const QList<QByteArray> fields = readFile(path(name)).split(' ');
        return "[127.0.0.1]:" + QByteArray::number(m_port) + ' ' + fields.value(0) + ' ' + fields.value(1) + '\n';
    }

private:
    bool makeKey(const QString &name)
    {
        return QProcess::execute(QStringLiteral("/usr/bin/ssh-keygen"),
                                 {QStringLiteral("-q"), QStringLiteral("-t"), QStringLiteral("ed25519"), QStringLiteral("-N"),
                                  QString(), QStringLiteral("-f"), path(name)}) == 0;
    }

    QString fingerprintOf(const QString &name) const
    {
        QProcess keygen;
        keygen.start(QStringLiteral("/usr/bin/ssh-keygen"), {QStringLiteral("-l"), QStringLiteral("-f"), path(name)});
        keygen.waitForFinished();
        return QString::fromUtf8(keygen.readAllStandardOutput()).section(u' ', 1, 1);
    }

    QTemporaryDir m_dir;
    QProcess m_process;
    QProcess m_agent;
    int m_port = 0;
};
