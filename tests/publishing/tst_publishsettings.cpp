#include "TestHome.h"
#include "publishing/ChaptersLocation.h"
#include "publishing/PublishSettings.h"
#include "publishing/SecretStore.h"

#include <QTest>

// Publish settings kept per feed path in the program's settings file, the
// media files they pick from a feed's enclosures and the place of a post's
// chapters file on this machine (the way back, the address a saved file
// gets, is driven through Post Details' chapters editor in
// tst_liveitemandchapters); their secrets in the desktop's keyring, where
// the desktop has one (a build machine has none).
class TestPublishSettings : public QObject
{
    Q_OBJECT

    QTemporaryDir m_home;
    QTemporaryDir m_dir;

    SecretResult callKeyring(const std::function<void(CSecretStore &, CSecretStore::Callback)> &request)
    {
        CSecretStore store;
        QList<SecretResult> results;
        request(store, [&results](const SecretResult &result) { results.append(result); });
        if (!QTest::qWaitFor([&] { return !results.isEmpty(); }, 20000))
            return SecretResult{{}, "no answer", false};
        return results.first();
    }

private slots:
    void initTestCase() { QVERIFY(useTemporaryHome(m_home)); }

    void saveLoad_keyedByFeedPath()
    {
        const QString feed = m_dir.filePath("news feed.xml");
        PublishTarget target;
        target.destination = "sftp://example.org/var/www/";
        target.userName = "anna";
        target.sshAuth = PublishTarget::SshKeyFile;
        target.keyFile = "/home/anna/.ssh/id_ed25519";
        target.mediaBaseUrl = "https://example.org/media/";
        target.feedAddress = QStringLiteral("https://example.org/feed.xml");
        target.mediaFolder = m_dir.filePath("media");
        CPublishSettings::save(feed, target);

        QVERIFY(CPublishSettings::load(feed) == target);
        // The same file by another spelling of its path.
        QVERIFY(CPublishSettings::load(m_dir.path() + "/./news feed.xml") == target);
        QVERIFY(CPublishSettings::load(m_dir.filePath("other.xml")).isEmpty());

        PublishTarget ftp;
        ftp.destination = "ftp://example.org/htdocs/feed.xml";
        ftp.explicitTls = true;
        ftp.trustedCertificates = m_dir.filePath("server.pem");
        CPublishSettings::save(feed, ftp);
        QVERIFY(CPublishSettings::load(feed) == ftp);
        const QString file = QFileInfo(GetSettingsPath()).absolutePath() + "/Tidrel.conf";
        QVERIFY2(readFile(file).contains("ftp://example.org/htdocs/feed.xml"), readFile(file).constData());

        CPublishSettings::remove(feed);
        QVERIFY(CPublishSettings::load(feed).isEmpty());
    }

    void secretKey_schemeUserAndHost()
    {
        PublishTarget target;
        target.destination = "sftp://example.org:2222/var/www/feed.xml";
        target.userName = "anna";
        QCOMPARE(CPublishSettings::secretKey(target), QString("sftp://anna@example.org:2222"));
        target.destination = "ftp://example.org/feed.xml";
        target.userName.clear();
        QCOMPARE(CPublishSettings::secretKey(target), QString("ftp://example.org"));
    }

    void mediaFiles_existingFilesUnderTheBase()
    {
        QVERIFY(QDir().mkpath(m_dir.filePath("media/audio")));
        for (const char *name : {"media/audio/ep1.mp3", "media/ep 2.mp3", "outside.mp3"})
            QVERIFY(writeFile(m_dir.filePath(name), "x"));
        PublishTarget target;
        target.mediaBaseUrl = "https://example.org/podcast/";
        target.mediaFolder = m_dir.filePath("media");
        const QStringList enclosures = {
            "https://example.org/podcast/audio/ep1.mp3?from=feed",
            "https://example.org/podcast/ep%202.mp3",
            "https://example.org/podcast/audio/ep1.mp3",   // the same file again
            "https://example.org/podcast/missing.mp3",     // not on this disk
            "https://example.org/podcast/../outside.mp3",  // climbs out of the base
            "https://cdn.example.net/podcast/audio/ep1.mp3",
        };
        const QList<PublishFile> files = CPublishSettings::mediaFiles(target, m_dir.filePath("feed.xml"), enclosures);
        QCOMPARE(files, QList<PublishFile>({{m_dir.filePath("media/audio/ep1.mp3"), "audio/ep1.mp3"},
                                            {m_dir.filePath("media/ep 2.mp3"), "ep 2.mp3"}}));

        // Without a media folder, the feed's own folder holds them.
        target.mediaFolder.clear();
        QCOMPARE(CPublishSettings::mediaFiles(target, m_dir.filePath("media/feed.xml"), enclosures).size(), 2);
        target.mediaBaseUrl.clear();
        QVERIFY(CPublishSettings::mediaFiles(target, m_dir.filePath("media/feed.xml"), enclosures).isEmpty());
    }

    void chaptersLocation_localPath_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("media");
        QTest::addColumn<QString>("path"); // empty: on the web only
        QTest::newRow("relative") << "chapters/ep1.json" << false << "/home/jo/show/chapters/ep1.json";
        QTest::newRow("climbing") << "../ep1.json" << false << "/home/jo/ep1.json";
        QTest::newRow("absolute") << "/srv/ch.json" << false << "/srv/ch.json";
        QTest::newRow("file address") << "file:///srv/ch%20one.json" << false << "/srv/ch one.json";
        QTest::newRow("web") << "https://cdn.example.org/ep1.json" << true << "";
        QTest::newRow("under the media base") << "https://show.example.org/media/ep%201/ch.json?v=2" << true
                                              << "/home/jo/media/ep 1/ch.json";
        QTest::newRow("media base climbing out") << "https://show.example.org/media/../feed.xml" << true << "";
        QTest::newRow("media base without settings") << "https://show.example.org/media/ch.json" << false << "";
        QTest::newRow("empty") << "" << false << "";
    }

    void chaptersLocation_localPath()
    {
        QFETCH(QString, url);
        QFETCH(bool, media);
        QFETCH(QString, path);
        PublishTarget target;
        if (media) {
            target.destination = QStringLiteral("sftp://example.org/var/www/");
            target.mediaBaseUrl = QStringLiteral("https://show.example.org/media"); // no trailing slash
            target.mediaFolder = QStringLiteral("/home/jo/media");
        }
        QCOMPARE(CChaptersLocation::localPath(url, QStringLiteral("/home/jo/show/feed.xml"), target), path);
    }

    void secretStore_writeReadRemove()
    {
        const QString key = "sftp://tester@127.0.0.1:2222";
        const QString secret = "pass phrase with ümlauts";
        const SecretResult written = callKeyring([&](CSecretStore &store, auto done) { store.write(key, secret, done); });
        if (written.noKeyring)
            QSKIP(qPrintable(written.error));
        QCOMPARE(written.error, QString());

        const SecretResult read = callKeyring([&](CSecretStore &store, auto done) { store.read(key, done); });
        QCOMPARE(read.error, QString());
        QCOMPARE(read.secret, secret);
        const SecretResult removed = callKeyring([&](CSecretStore &store, auto done) { store.remove(key, done); });
        QCOMPARE(removed.error, QString());
        const SecretResult gone = callKeyring([&](CSecretStore &store, auto done) { store.read(key, done); });
        QCOMPARE(gone.error, QString());
        QCOMPARE(gone.secret, QString());
    }
};

QTEST_GUILESS_MAIN(TestPublishSettings)
#include "tst_publishsettings.moc"
