#pragma once

// A test server written in Python: the web server of
// tests/web/data/title_server.py for title lookups and enclosure probes,
// or the FTP server of ftp_server.py. It serves on 127.0.0.1 at a free port,
// prints the port first and ends when its input closes.

#include <QCoreApplication>
#include <QEventLoop>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QStandardPaths>

class TitleServer
{
public:
    ~TitleServer() { stop(); }

    // The system's Python, which has the modules of Debian's packages.
    static QString python()
    {
        const QString system = QStringLiteral("/usr/bin/python3");
        return QFile::exists(system) ? system : QStandardPaths::findExecutable(QStringLiteral("python3"));
    }

    // False without python3 or when the server does not come up.
    bool start(const QString &script, const QStringList &arguments = {})
    {
        for (const char *name : {"http_proxy", "https_proxy", "HTTPS_PROXY", "ftp_proxy", "all_proxy", "ALL_PROXY"})
            qunsetenv(name);
        if (python().isEmpty())
            return false;
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(python(), QStringList{script} + arguments);
        if (!m_process.waitForStarted() || !m_process.waitForReadyRead(10000))
            return false;
        m_port = m_process.readLine().trimmed().toInt();
        return m_port > 0;
    }

    // Its input closing tells the server to end.
    void stop()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(5000))
            m_process.kill();
    }

    int port() const { return m_port; }

    QString url(const QString &pathAndQuery) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(m_port).arg(pathAndQuery);
    }

    QJsonObject stats()
    {
        QNetworkReply *reply = m_network.get(QNetworkRequest(QUrl(url(QStringLiteral("/stats")))));
        QEventLoop loop;
        QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        loop.exec();
        reply->deleteLater();
        return QJsonDocument::fromJson(reply->readAll()).object();
    }

    // How often the server was asked for that path with that query.
    int requestCount(const QString &pathAndQuery)
    {
        return stats()[QStringLiteral("counts")].toObject()[pathAndQuery].toInt();
    }

private:
    QProcess m_process;
    QNetworkAccessManager m_network;
    int m_port = 0;
};
