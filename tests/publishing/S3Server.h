#pragma once

// s3rver (installed into .test-servers/ by scripts/install-deps.sh) on
// 127.0.0.1 at a free port, with one bucket, its objects in a temporary
// folder. It checks Signature Version 4 requests against the key below;
// anyone may read.

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

class S3Server
{
public:
    static constexpr const char *kAccessKey = "S3RVER";
    static constexpr const char *kSecret = "S3RVER";
    static constexpr const char *kBucket = "podcast";

    ~S3Server() { stop(); }

    // An empty string when the server runs, else why it cannot.
    QString start()
    {
        const QString module = QStringLiteral(TIDREL_TESTS_DIR "/../.test-servers/node_modules/@20minutes/s3rver");
        const QString node = QStandardPaths::findExecutable(QStringLiteral("node"));
        if (node.isEmpty() || !QFile::exists(module + QStringLiteral("/package.json")))
            return QStringLiteral("Node.js or s3rver is missing: run scripts/install-deps.sh");
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(node, {QStringLiteral(TIDREL_TESTS_DIR "/publishing/data/s3_server.js"), module, m_dir.path(),
                               QString::fromLatin1(kBucket)});
        if (!m_process.waitForStarted() || !m_process.waitForReadyRead(30000))
            return QStringLiteral("s3rver did not start");
        m_port = m_process.readLine().trimmed().toInt();
        return m_port > 0 ? QString() : QStringLiteral("s3rver gave no port");
    }

    void stop()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.terminate();
        if (!m_process.waitForFinished(5000))
            m_process.kill();
    }

    int port() const { return m_port; }
    QString url(const QString &key) const
    {
        return QStringLiteral("http://127.0.0.1:%1/%2/%3").arg(m_port).arg(QString::fromLatin1(kBucket), key);
    }

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    int m_port = 0;
};
