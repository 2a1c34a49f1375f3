#include "publishing/ChaptersLocation.h"
#include "publishing/PublishSettings.h"

#include <QTest>

// Where a post's chapters file lives on this machine. The way back, the
// address a saved file gets, is driven through Post Details' chapters
// editor (tst_liveitemandchapters).

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
};

QTEST_GUILESS_MAIN(ChaptersLocationTest)
#include "tst_chapterslocation.moc"
