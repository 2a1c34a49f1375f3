#include "DavServer.h"
#include "S3Server.h"
#include "TestFiles.h"
#include "TitleServer.h"
#include "core/RssFeed.h"
#include "publishing/FeedPublisher.h"
#include "publishing/PublishPlan.h"

#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QProcess>
#include <QTest>

#include <memory>

// A valid podcast feed of some size whose title says which version it is,
// with two media files under https://example.org/media/.
static QByteArray feedBytes(int version)
{
    QByteArray bytes = "<?xml version=\"1.0\"?>\n<rss version=\"2.0\"><channel><title>Version " + QByteArray::number(version)
        + "</title><link>https://example.org/</link><description>A show.</description>\n"
          "<item><title>One</title><guid isPermaLink=\"false\">one</guid><enclosure url=\"https://example.org/media/one.mp3\" length=\"40000\" type=\"audio/mpeg\"/></item>\n"
          "<item><title>Two</title><guid isPermaLink=\"false\">two</guid><enclosure url=\"https://example.org/media/two.jpg\" length=\"30000\" type=\"image/jpeg\"/></item>\n";
    while (bytes.size() < 400 * 1024)
        bytes += "<item><title>Older</title><description>Some words about an older episode.</description></item>\n";
    return bytes + "</channel></rss>\n";
}

static QByteArray mediaBytes(char fill, int size)
{
    QByteArray bytes(size, fill);
    for (int i = 0; i < size; i += 97)
        bytes[i] = char(i % 251);
    return bytes;
}

// Publishes a feed and two media files to real S3 (s3rver) and WebDAV
// (Apache's mod_dav, basic and digest authentication) servers on
// 127.0.0.1, once as the window does, in the background publisher, and
// once with `tidrel --publish`, and reads back what the servers hold.
class TestWebPublish : public QObject
{
    Q_OBJECT

    QTemporaryDir m_config; // the program's settings, for the feed's media address
    QTemporaryDir m_local;  // the author's feed and media
    std::unique_ptr<S3Server> m_s3;
    std::unique_ptr<DavServer> m_dav;
    QString m_trustedCertificates;

    QString feedPath() const { return m_local.filePath("feed.xml"); }

    // The target's address and its file's reader for the kind of server.
    struct Server
    {
        QString address;
        QString secret;
        QString wrongSecretMessage;
        std::function<QByteArray(const QString &path, QByteArray *type)> read;
    };

    QString startServer(const QString &kind, Server *server)
    {
        m_s3.reset();
        m_dav.reset();
        if (kind == "s3") {
            m_s3 = std::make_unique<S3Server>();
            const QString why = m_s3->start();
            server->address = QString("s3://%1@127.0.0.1:%2/%3/shows/weekly/?region=eu-central-1&scheme=http")
                                  .arg(S3Server::kAccessKey).arg(m_s3->port()).arg(S3Server::kBucket);
            server->secret = S3Server::kSecret;
            server->wrongSecretMessage = "The secret access key does not belong to the access key ID S3RVER: check the secret.";
            S3Server *s3 = m_s3.get();
            server->read = [s3](const QString &path, QByteArray *type) { return get(s3->url("shows/weekly/" + path), type); };
            return why;
        }
        m_dav = std::make_unique<DavServer>();
        const bool https = kind.endsWith(" over https");
        const QString folder = kind.section(u' ', 0, 0);
        const QString why = m_dav->start(https);
        // A server's own certificate is trusted as the publish settings say.
        m_trustedCertificates = https ? m_dav->certificate() : QString();
        PublishTarget settings = CPublishSettings::load(feedPath());
        settings.trustedCertificates = m_trustedCertificates;
        CPublishSettings::save(feedPath(), settings);
        // A folder that is not there yet, two deep.
        server->address = QString("%1://%2@127.0.0.1:%3/%4/new/show/")
                              .arg(https ? "davs" : "dav", DavServer::kUser).arg(m_dav->port()).arg(folder);
        server->secret = DavServer::kPassword;
        server->wrongSecretMessage = "The server refused the user name or the password: check both.";
        DavServer *dav = m_dav.get();
        server->read = [dav, folder](const QString &path, QByteArray *) { return readFile(dav->served(folder + "/new/show/" + path)); };
        return why;
    }

    static QByteArray get(const QString &url, QByteArray *type)
    {
        QNetworkAccessManager network;
        network.setProxy(QNetworkProxy::NoProxy);
        std::unique_ptr<QNetworkReply> reply(network.get(QNetworkRequest(QUrl(url))));
        if (!QTest::qWaitFor([&] { return reply->isFinished(); }, 30000) || reply->error() != QNetworkReply::NoError)
            return "<missing>";
        *type = reply->header(QNetworkRequest::ContentTypeHeader).toByteArray();
        return reply->readAll();
    }

    // As the window runs it: the plan, then the background publisher. With
    // `cancelAfter` not negative, the run is cancelled on its own thread
    // once that many bytes are sent, so that the rest surely is not.
    PublishResult publish(const QString &address, const QString &secret, qint64 cancelAfter = -1)
    {
        CRssFeed feed;
        if (!feed.LoadFromFile(feedPath()))
            return PublishResult{PublishResult::Failed, "feed not loaded", {}, 0, {}};
        PublishTarget target = CPublishPlan::targetFromAddress(address);
        target.mediaBaseUrl = "https://example.org/";
        target.trustedCertificates = m_trustedCertificates;
        PublishJob job = CPublishPlan::job(feedPath(), CPublishPlan::mediaUrls(feed), target);
        job.secret = secret;
        if (cancelAfter >= 0) {
            std::atomic<bool> cancelled{false};
            return CFeedPublisher::publish(job, [&](qint64 done, qint64, int, int) { cancelled = cancelled || done > cancelAfter; },
                                           &cancelled);
        }
        CFeedPublisher publisher;
        QList<PublishResult> results;
        connect(&publisher, &CFeedPublisher::finished, this, [&](const PublishResult &result) { results.append(result); });
        publisher.start(job);
        if (!QTest::qWaitFor([&] { return !results.isEmpty(); }, 120000))
            return PublishResult{PublishResult::Failed, "no end", {}, 0, {}};
        return results.first();
    }

    // `tidrel --publish`; returns the exit status and its standard error.
    int publishCommand(const QString &address, const QString &secret, QString *errors, const QString &feed = "feed.xml")
    {
        QProcess tidrel;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("TIDREL_PUBLISH_SECRET", secret);
        tidrel.setProcessEnvironment(environment);
        tidrel.setWorkingDirectory(m_local.path());
        tidrel.start(TIDREL_PROGRAM, {"--publish", feed, "--to", address});
        if (!tidrel.waitForFinished(120000))
            return -1;
        *errors = QString::fromUtf8(tidrel.readAllStandardError());
        return tidrel.exitStatus() == QProcess::NormalExit ? tidrel.exitCode() : -1;
    }

private slots:
    void initTestCase()
    {
        for (const char *name : {"http_proxy", "https_proxy", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"})
            qunsetenv(name);
        // Here and in the program the test starts: the feed's publish
        // settings give its media address.
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
        PublishTarget settings;
        settings.destination = "file:///unused/";
        settings.mediaBaseUrl = "https://example.org/";
        CPublishSettings::save(feedPath(), settings);
        QDir(m_local.path()).mkpath("media");
        QVERIFY(writeFile(m_local.filePath("media/one.mp3"), mediaBytes('a', 40000)));
        QVERIFY(writeFile(m_local.filePath("media/two.jpg"), mediaBytes('b', 30000)));
    }

    void publish_sendsFeedLast_keepsOldFeedOnFailure_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("S3") << "s3";
        QTest::newRow("WebDAV, basic authentication") << "basic";
        QTest::newRow("WebDAV, digest authentication") << "digest";
        QTest::newRow("WebDAV over HTTPS") << "digest over https";
    }

    void publish_sendsFeedLast_keepsOldFeedOnFailure()
    {
        QFETCH(QString, kind);
        Server server;
        const QString why = startServer(kind, &server);
        if (!why.isEmpty())
            QSKIP(qPrintable(why));

        QVERIFY(writeFile(feedPath(), feedBytes(1)));
        PublishResult result = publish(server.address, server.secret);
        QCOMPARE(result.message.section(" to ", 0, 0), "Published feed.xml");
        QCOMPARE(result.outcome, PublishResult::Published);
        QCOMPARE(result.uploaded.size(), 3);
        QVERIFY(result.uploaded.last().endsWith("/show/feed.xml") || result.uploaded.last().endsWith("/weekly/feed.xml"));
        QByteArray type;
        QCOMPARE(server.read("feed.xml", &type), feedBytes(1));
        if (kind == "s3")
            QCOMPARE(type, "application/rss+xml");
        QCOMPARE(server.read("media/one.mp3", &type), mediaBytes('a', 40000));
        if (kind == "s3")
            QCOMPARE(type, "audio/mpeg");
        QCOMPARE(server.read("media/two.jpg", &type), mediaBytes('b', 30000));
        if (kind == "s3")
            QCOMPARE(type, "image/jpeg");

        // A wrong secret and an upload cut off halfway leave the old feed.
        QVERIFY(writeFile(feedPath(), feedBytes(2)));
        result = publish(server.address, "not the secret");
        QCOMPARE(result.outcome, PublishResult::Failed);
        QVERIFY2(result.message.contains(server.wrongSecretMessage), qPrintable(result.message));
        result = publish(server.address, server.secret, 70000 + feedBytes(2).size() / 2);
        QCOMPARE(result.outcome, PublishResult::Cancelled);
        QCOMPARE(server.read("feed.xml", &type), feedBytes(1));

        // The same from a script.
        QString errors;
        QCOMPARE(publishCommand(server.address, "not the secret", &errors), 1);
        QVERIFY2(errors.contains(server.wrongSecretMessage), qPrintable(errors));
        QCOMPARE(server.read("feed.xml", &type), feedBytes(1));
        QCOMPARE(publishCommand(server.address, server.secret, &errors), 0);
        QVERIFY2(errors.contains("feed.xml: file 1 of 1, 100% sent") || errors.contains("file 3 of 3"), qPrintable(errors));
        QVERIFY2(errors.contains("(2 already there)"), qPrintable(errors));
        QCOMPARE(server.read("feed.xml", &type), feedBytes(2));
        // No temporary file is left behind.
        QCOMPARE(server.read(".feed.xml.tidrel-upload", &type), "<missing>");
        if (m_dav)
            QCOMPARE(QDir(m_dav->served(kind.section(u' ', 0, 0) + "/new/show")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                     QStringList({"feed.xml", "media"}));
    }

    // Each refusal names what to fix; the feed stays as it was.
    void publish_s3Refusals_sayWhatToFix_data()
    {
        QTest::addColumn<QString>("bucket");
        QTest::addColumn<QString>("message");
        QTest::newRow("wrong key") << "InvalidAccessKeyId" << "The storage does not know the access key ID S3RVER: check it.";
        QTest::newRow("clock") << "RequestTimeTooSkewed" << "This computer's clock is too far from the storage's: set the clock right";
        QTest::newRow("region") << "AuthorizationHeaderMalformed" << "The storage refused the region eu-central-1: check the bucket's region.";
        QTest::newRow("permissions") << "AccessDenied" << "The storage refused the key S3RVER access to bucket AccessDenied: check the key's permissions.";
        QTest::newRow("other") << "SlowDown" << "The storage refused the request: Refused for the test. (SlowDown).";
        QTest::newRow("failed copy") << "CopyFails" << "The storage refused the request: We encountered an internal error. (InternalError).";
        QTest::newRow("not S3") << "NoCode" << "The storage answered with error 502.";
    }

    void publish_s3Refusals_sayWhatToFix()
    {
        QFETCH(QString, bucket);
        QFETCH(QString, message);
        TitleServer server;
        if (!server.start(TIDREL_TEST_DATA_DIR "/s3_refusal_server.py"))
            QSKIP("python3 cannot run the test server");
        QVERIFY(writeFile(feedPath(), feedBytes(1)));
        const QString address = QString("s3://S3RVER@127.0.0.1:%1/%2/show/?region=eu-central-1&scheme=http").arg(server.port()).arg(bucket);
        const PublishResult result = publish(address, S3Server::kSecret);
        QCOMPARE(result.outcome, PublishResult::Failed);
        QVERIFY2(result.message.contains(message), qPrintable(result.message));
        QVERIFY2(result.message.endsWith("The published feed is as it was."), qPrintable(result.message));
    }

    void publishCommand_badArgumentsOrFeed_sendNothing()
    {
        QString errors;
        QVERIFY(writeFile(m_local.filePath("broken.xml"), "<rss version=\"2.0\"><channel><title>T</title></chan"));
        QCOMPARE(publishCommand("file://" + m_local.filePath("out/"), QString(), &errors, "broken.xml"), 1);
        QVERIFY2(errors.contains("The feed check found errors in broken.xml; nothing was sent:"), qPrintable(errors));
        QVERIFY(!QFile::exists(m_local.filePath("out")));
        QCOMPARE(publishCommand("file://" + m_local.filePath("out/"), QString(), &errors, "missing.xml"), 2);
        QCOMPARE(publishCommand("https://example.org/feed.xml", QString(), &errors), 2);
        QVERIFY2(errors.contains("The address must start with"), qPrintable(errors));
        QCOMPARE(publishCommand("s3://KEY@127.0.0.1/feed.xml", QString(), &errors), 2);
        QVERIFY2(errors.contains("needs the bucket"), qPrintable(errors));

        QProcess tidrel;
        tidrel.start(TIDREL_PROGRAM, {"--publish", "feed.xml"});
        QVERIFY(tidrel.waitForFinished(60000));
        QCOMPARE(tidrel.exitCode(), 2);
        QVERIFY(tidrel.readAllStandardError().contains("--publish FEED --to TARGET"));
        tidrel.start(TIDREL_PROGRAM, {"--help"});
        QVERIFY(tidrel.waitForFinished(60000));
        const QByteArray help = tidrel.readAllStandardOutput();
        QVERIFY2(help.contains("--publish <FEED>") && help.contains("--to <TARGET>") && help.contains("TIDREL_PUBLISH_SECRET"),
                 help.constData());
    }
};

QTEST_GUILESS_MAIN(TestWebPublish)
#include "tst_webpublish.moc"
