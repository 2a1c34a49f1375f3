#include "SshServer.h"
#include "TestFiles.h"
#include "TitleServer.h"
#include "web/CurlEasy.h"
#include "publishing/FeedPublisher.h"

#include <QDirIterator>
#include <QTcpServer>
#include <QTest>

static const QString kUser = "publisher";
static const QString kPassword = "s3cret pass";

// A feed file of some size whose text says which version it is.
static QByteArray feedBytes(int version, int size = 300 * 1024)
{
    QByteArray bytes = "<?xml version=\"1.0\"?>\n<rss version=\"2.0\"><channel><title>Version " + QByteArray::number(version)
        + "</title>\n";
    while (bytes.size() < size)
        bytes += "<item><title>Episode</title><description>Some words about it.</description></item>\n";
    return bytes + "</channel></rss>\n";
}

// Every file below the folder, hidden ones too, as paths relative to it.
static QStringList filesBelow(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(QDir(folder).relativeFilePath(it.next()));
    files.sort();
    return files;
}

// Publishes to real servers the test starts on 127.0.0.1 (pyftpdlib for
// FTP, OpenSSH's sshd for SFTP) and to a local folder, through the
// background publisher, and checks what the servers' folders hold.
class TestFeedPublisher : public QObject
{
    Q_OBJECT

    QTemporaryDir m_local;  // the author's feed and media
    QTemporaryDir m_remote; // what the servers serve
    TitleServer m_ftp;
    QList<QList<qint64>> m_progress;

    QString feedPath() const { return m_local.filePath("feed.xml"); }
    QString remote(const QString &path) const { return m_remote.filePath(path); }

    bool startFtp(TitleServer &server, const QStringList &options = {})
    {
        return server.start(TIDREL_TEST_DATA_DIR "/ftp_server.py", QStringList{m_remote.path(), kUser, kPassword} + options);
    }

    PublishJob ftpJob(const TitleServer &server, const QString &password = kPassword) const
    {
        PublishJob job;
        job.feedPath = feedPath();
        job.target.destination = QString("ftp://127.0.0.1:%1/site/feed.xml").arg(server.port());
        job.target.userName = kUser;
        job.secret = password;
        return job;
    }

    // Runs the job in the background, cancelling once `cancelAfter` bytes
    // are sent when that is not negative.
    PublishResult publish(const PublishJob &job, qint64 cancelAfter = -1)
    {
        m_progress.clear();
        CFeedPublisher publisher;
        QList<PublishResult> results;
        connect(&publisher, &CFeedPublisher::progress, this, [&](qint64 done, qint64 total, int files, int filesTotal) {
            m_progress.append({done, total, files, filesTotal});
            if (cancelAfter >= 0 && done > cancelAfter)
                publisher.cancel();
        });
        connect(&publisher, &CFeedPublisher::finished, this, [&](const PublishResult &result) { results.append(result); });
        if (!publisher.start(job) || publisher.start(job))
            return PublishResult{PublishResult::Failed, "start refused", {}, 0, {}};
        if (!QTest::qWaitFor([&] { return !results.isEmpty(); }, 60000))
            return PublishResult{PublishResult::Failed, "no result", {}, 0, {}};
        if (publisher.isRunning())
            return PublishResult{PublishResult::Failed, "still running", {}, 0, {}};
        return results.first();
    }

private slots:
    void initTestCase()
    {
        if (TitleServer::python().isEmpty())
            QSKIP("python3 is needed for the test FTP server");
        QVERIFY(startFtp(m_ftp));
        CCurlEasy::setTimeout(5000);
    }

    void init()
    {
        QVERIFY(writeFile(feedPath(), feedBytes(1)));
        QDir(m_remote.path()).removeRecursively();
        QVERIFY(QDir().mkpath(m_remote.path()));
    }

    // FTP

    void ftp_firstUploadThenAgain_replacesFeedSkipsMediaAlreadyThere()
    {
        QVERIFY(QDir().mkpath(m_local.filePath("media/audio")));
        const QByteArray audio(200 * 1024, 'a');
        QVERIFY(writeFile(m_local.filePath("media/audio/ep1.mp3"), audio));
        PublishJob job = ftpJob(m_ftp);
        job.target.mediaBaseUrl = "https://example.org/podcast/";
        job.target.mediaFolder = m_local.filePath("media");
        job.media = CPublishSettings::mediaFiles(job.target, feedPath(),
                                                 {"https://example.org/podcast/audio/ep1.mp3", "https://elsewhere.org/ep2.mp3"});
        QCOMPARE(job.media.size(), 1);

        PublishResult result = publish(job);
        // The source text; the program shows the English translation's "1 media file".
        QCOMPARE(result.message, QString("Published feed.xml to ftp://127.0.0.1:%1/site/feed.xml with 1 media file(s).").arg(m_ftp.port()));
        QCOMPARE(result.outcome, PublishResult::Published);
        QCOMPARE(readFile(remote("site/feed.xml")), feedBytes(1));
        QCOMPARE(readFile(remote("site/audio/ep1.mp3")), audio);
        QCOMPARE(filesBelow(m_remote.path()), QStringList({"site/audio/ep1.mp3", "site/feed.xml"}));
        const qint64 total = audio.size() + feedBytes(1).size();
        QCOMPARE(m_progress.last(), QList<qint64>({total, total, 2, 2}));
        for (int i = 1; i < m_progress.size(); ++i)
            QVERIFY(m_progress.at(i).at(0) >= m_progress.at(i - 1).at(0));

        QVERIFY(writeFile(feedPath(), feedBytes(2, 100 * 1024)));
        result = publish(job);
        QCOMPARE(result.outcome, PublishResult::Published);
        QCOMPARE(result.skipped, 1);
        QCOMPARE(result.uploaded, QStringList({QString("ftp://127.0.0.1:%1/site/feed.xml").arg(m_ftp.port())}));
        QCOMPARE(readFile(remote("site/feed.xml")), feedBytes(2, 100 * 1024));
        QCOMPARE(filesBelow(m_remote.path()), QStringList({"site/audio/ep1.mp3", "site/feed.xml"}));
    }

    // Each failure leaves the published feed and no part of the new one.
    void ftp_serverTrouble_saysWhy_data()
    {
        QTest::addColumn<QString>("trouble");
        QTest::addColumn<QString>("message"); // how the message begins
        const QString unchanged = " The published feed is as it was.";
        QTest::newRow("wrong password") << "wrong-password"
                                        << "The server refused the login: check the user name and the password or key." + unchanged;
        QTest::newRow("server closes mid-transfer") << "drop-after" << "The connection broke off.";
        QTest::newRow("nothing listening") << "refused" << "The server refused the connection." + unchanged;
        QTest::newRow("silent server") << "silent" << "The server did not answer in time (1 s)." + unchanged;
        QTest::newRow("TLS asked for, not offered") << "no-tls" << "The server does not offer TLS." + unchanged;
        QTest::newRow("disk full") << "disk-full" << "The server's disk is full." + unchanged;
        QTest::newRow("no renaming") << "no-rename" << "The server did not let the uploaded file take the old one's place." + unchanged;
    }

    void ftp_serverTrouble_saysWhy()
    {
        QFETCH(QString, trouble);
        QFETCH(QString, message);
        CCurlEasy::setTimeout(trouble == "silent" ? 1000 : 5000);
        QTcpServer silent;
        QVERIFY(silent.listen(QHostAddress::LocalHost));
        TitleServer special;
        if (trouble == "disk-full" || trouble == "no-rename")
            QVERIFY(startFtp(special, {"--" + trouble}));
        if (trouble == "drop-after")
            QVERIFY(startFtp(special, {"--drop-after", "50000"}));
        PublishJob job = ftpJob(special.port() > 0 ? special : m_ftp, trouble == "wrong-password" ? "wrong" : kPassword);
        job.target.explicitTls = trouble == "no-tls";
        if (trouble == "silent" || trouble == "refused")
            job.target.destination = QString("ftp://127.0.0.1:%1/site/feed.xml").arg(silent.serverPort());
        if (trouble == "refused")
            silent.close();
        QVERIFY(QDir().mkpath(remote("site")));
        QVERIFY(writeFile(remote("site/feed.xml"), "old"));

        const PublishResult result = publish(job);
        CCurlEasy::setTimeout(5000);
        QVERIFY2(result.message.startsWith(message), qPrintable(result.message));
        QCOMPARE(result.outcome, PublishResult::Failed);
        QCOMPARE(readFile(remote("site/feed.xml")), QByteArray("old"));
        QTRY_COMPARE(filesBelow(m_remote.path()), QStringList({"site/feed.xml"}));
    }

    void ftp_explicitTls_trustsOnlyTheGivenCertificate()
    {
        const QString key = m_local.filePath("server.key");
        const QString certificate = m_local.filePath("server.crt");
        QVERIFY(makeServerCertificate(key, certificate));
        const QString pem = m_local.filePath("server.pem");
        QVERIFY(writeFile(pem, readFile(certificate) + readFile(key)));
        TitleServer secure;
        QVERIFY(startFtp(secure, {"--tls", pem}));
        QVERIFY(QDir().mkpath(remote("site")));
        QVERIFY(writeFile(remote("site/feed.xml"), "old"));
        PublishJob job = ftpJob(secure);
        job.target.explicitTls = true;

        PublishResult result = publish(job);
        QCOMPARE(result.message, QString("The server's certificate could not be verified. The published feed is as it was."));
        QCOMPARE(readFile(remote("site/feed.xml")), QByteArray("old"));

        job.target.trustedCertificates = certificate;
        result = publish(job);
        QCOMPARE(result.message, QString("Published feed.xml to ftp://127.0.0.1:%1/site/feed.xml.").arg(secure.port()));
        // Read right after the upload, the file was once seen short: pyftpdlib
        // seems to confirm a TLS upload before its last write at times.
        QTRY_COMPARE(readFile(remote("site/feed.xml")), feedBytes(1));
    }

    // SFTP

    void sftp_hostKeysAndLogins()
    {
        SshServer sshd;
        const QString notRunning = sshd.start();
        if (!notRunning.isEmpty())
            QSKIP(qPrintable("sshd cannot run here: " + notRunning));
        PublishJob job;
        job.feedPath = feedPath();
        job.target.destination = QString("sftp://127.0.0.1:%1%2/").arg(sshd.port()).arg(m_remote.filePath("site"));
        job.target.userName = SshServer::userName();
        job.target.sshAuth = PublishTarget::SshKeyFile;
        job.target.keyFile = sshd.path("user_key");
        job.knownHostsPath = m_local.filePath("ssh/known_hosts");

        // Trusted once: not written down; accepted for good: added, then
        // known. (An unknown key is asked about with its fingerprint from the
        // window: tst_publishwindow.)
        job.trustedHostKey = sshd.hostFingerprint();
        PublishResult result = publish(job);
        QCOMPARE(result.message, QString("Published feed.xml to %1feed.xml.").arg(job.target.destination));
        QVERIFY(!QFile::exists(job.knownHostsPath));
        job.addHostKey = true;
        QCOMPARE(publish(job).outcome, PublishResult::Published);
        QCOMPARE(readFile(job.knownHostsPath), sshd.knownHostsLine("host_key.pub"));
        job.trustedHostKey.clear();
        QVERIFY(writeFile(feedPath(), feedBytes(2)));
        result = publish(job);
        QCOMPARE(result.outcome, PublishResult::Published);
        QCOMPARE(readFile(remote("site/feed.xml")), feedBytes(2));
        QCOMPARE(filesBelow(m_remote.path()), QStringList({"site/feed.xml"}));

        // Another key for the same address: refused, even when trusted before.
        QVERIFY(writeFile(job.knownHostsPath, sshd.knownHostsLine("other_key.pub")));
        QVERIFY(writeFile(feedPath(), feedBytes(3)));
        job.trustedHostKey = sshd.hostFingerprint();
        result = publish(job);
        QCOMPARE(result.outcome, PublishResult::ChangedHostKey);
        QVERIFY2(result.message.startsWith("Refused: the server's host key has changed"), qPrintable(result.message));
        QCOMPARE(readFile(remote("site/feed.xml")), feedBytes(2));

        // A key the server does not know.
        QVERIFY(writeFile(job.knownHostsPath, sshd.knownHostsLine("host_key.pub")));
        job.target.keyFile = sshd.path("other_key");
        result = publish(job);
        QCOMPARE(result.outcome, PublishResult::Failed);
        QVERIFY2(result.message.startsWith("The server refused the login"), qPrintable(result.message));
        QCOMPARE(readFile(remote("site/feed.xml")), feedBytes(2));

        // The key from the user's SSH agent.
        QVERIFY(sshd.startAgent());
        job.target.sshAuth = PublishTarget::SshAgent;
        result = publish(job);
        QCOMPARE(result.outcome, PublishResult::Published);
        QCOMPARE(readFile(remote("site/feed.xml")), feedBytes(3));
    }

    // Bad jobs (a local folder and a cancel are published to from the
    // window: tst_publishwindow)

    void publish_badJob_saysWhy_data()
    {
        QTest::addColumn<QString>("feed");
        QTest::addColumn<QString>("destination");
        QTest::addColumn<QString>("message");
        const QString badAddress = "The destination must be an sftp://, ftp://, ftps://, dav://, davs://, s3:// or file:// "
                                   "address with a host and a path, such as sftp://example.org/var/www/feed.xml.";
        QTest::newRow("unsaved feed") << "never-saved.xml" << "file:///tmp/" << "The feed has no file yet: save it first.";
        QTest::newRow("web address") << "feed.xml" << "https://example.org/feed.xml" << badAddress;
        QTest::newRow("no host") << "feed.xml" << "sftp:///var/www/feed.xml" << badAddress;
        QTest::newRow("empty") << "feed.xml" << "" << badAddress;
        QTest::newRow("no bucket") << "feed.xml" << "s3://127.0.0.1/feed.xml" << badAddress;
    }

    void publish_badJob_saysWhy()
    {
        QFETCH(QString, feed);
        QFETCH(QString, destination);
        QFETCH(QString, message);
        PublishJob job;
        job.feedPath = m_local.filePath(feed);
        job.target.destination = destination;
        const PublishResult result = CFeedPublisher::publish(job, [](qint64, qint64, int, int) {}, nullptr);
        QCOMPARE(result.outcome, PublishResult::Failed);
        QCOMPARE(result.message, message);
    }
};

QTEST_GUILESS_MAIN(TestFeedPublisher)
#include "tst_feedpublisher.moc"
