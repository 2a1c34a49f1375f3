#include "TestHome.h"
#include "publishing/PublishSettings.h"

#include <QTest>

// Publish settings kept per feed path in the program's settings file, and
// the media files they pick from a feed's enclosures.
class TestPublishSettings : public QObject
{
    Q_OBJECT

    QTemporaryDir m_home;
    QTemporaryDir m_dir;

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
};

QTEST_GUILESS_MAIN(TestPublishSettings)
#include "tst_publishsettings.moc"
