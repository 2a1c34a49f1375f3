#include "publishing/ChaptersLocation.h"
#include "publishing/PublishSettings.h"

#include <QTest>

// Where a post's chapters file lives on this machine, and the address a
// local file is written into the post with.

namespace {

const QString kFeed = QStringLiteral("/home/jo/show/feed.xml");

PublishTarget withMedia(const QString &folder)
{
    PublishTarget target;
    target.destination = QStringLiteral("sftp://example.org/var/www/");
    target.mediaBaseUrl = QStringLiteral("https://show.example.org/media"); // no trailing slash
    target.mediaFolder = folder;
    return target;
}

} // namespace

class ChaptersLocationTest : public QObject
{
    Q_OBJECT

private slots:
    void localPath_data()
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

    void localPath()
    {
        QFETCH(QString, url);
        QFETCH(bool, media);
        QFETCH(QString, path);
        const PublishTarget target = media ? withMedia(QStringLiteral("/home/jo/media")) : PublishTarget();
        QCOMPARE(CChaptersLocation::localPath(url, kFeed, target), path);
    }

    // The way back: a published file gets the address that names it
    // again; any other has no address a listener could reach.
    void urlFor_isThePublishedAddress_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("media");
        QTest::addColumn<QString>("url");
        QTest::newRow("media folder") << "/home/jo/media/ep 1/ch.json" << true << "https://show.example.org/media/ep%201/ch.json";
        QTest::newRow("beside the feed, no media base") << "/home/jo/show/ch.json" << false << "";
        QTest::newRow("beside the feed, outside the media folder") << "/home/jo/show/ch.json" << true << "";
        QTest::newRow("climbing out of the media folder") << "/home/jo/media/../ch.json" << true << "";
        QTest::newRow("elsewhere") << "/srv/ch.json" << false << "";
    }

    void urlFor_isThePublishedAddress()
    {
        QFETCH(QString, path);
        QFETCH(bool, media);
        QFETCH(QString, url);
        const PublishTarget target = media ? withMedia(QStringLiteral("/home/jo/media")) : PublishTarget();
        QCOMPARE(CChaptersLocation::urlFor(path, kFeed, target), url);
        if (!url.isEmpty())
            QCOMPARE(CChaptersLocation::localPath(url, kFeed, target), path);
    }

    void suggestedPath_takesTheAddressesName()
    {
        QCOMPARE(CChaptersLocation::suggestedPath(QStringLiteral("https://cdn.example.org/ep1/chapters.json?x=1"), kFeed,
                                                  withMedia(QStringLiteral("/home/jo/media"))),
                 QStringLiteral("/home/jo/media/chapters.json"));
        QCOMPARE(CChaptersLocation::suggestedPath(QStringLiteral("https://cdn.example.org/"), kFeed, PublishTarget()),
                 QStringLiteral("/home/jo/show/chapters.json"));
    }
};

QTEST_GUILESS_MAIN(ChaptersLocationTest)
#include "tst_chapterslocation.moc"
