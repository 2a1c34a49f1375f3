#include "core/FeedVocabulary.h"
#include "core/PodcastGuid.h"
#include "core/RssFeed.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

// A podcast's identity made from its feed's address, checked against the
// podcast namespace's published example and against Python's own uuid5 for
// the podcasts of the feed corpus.
class TestPodcastGuid : public QObject
{
    Q_OBJECT

private slots:
    void fromFeedAddress_matchesTheNamespaceExample()
    {
        const QString guid = QStringLiteral("9b024349-ccf0-5f69-a609-6b82873eab3c");
        for (const char *address : {"podnews.net/rss", "https://podnews.net/rss/", "http://podnews.net/rss//", " https://podnews.net/rss "})
            QCOMPARE(CPodcastGuid::fromFeedAddress(QString::fromLatin1(address)), guid);
        QVERIFY(CPodcastGuid::fromFeedAddress(QStringLiteral("https://podnews.net/rss2")) != guid);
        // The query is part of the address.
        QCOMPARE(CPodcastGuid::nameOfAddress(QStringLiteral("https://host/feed?id=1/")),
                 QStringLiteral("host/feed?id=1"));
    }

    void fromFeedAddress_matchesPythonForTheCorpusPodcasts()
    {
        const QString corpus = QStringLiteral(TIDREL_CORPUS_DIR "/rss");
        if (!QFileInfo::exists(corpus))
            QSKIP("The feed corpus is not present");
        const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
        if (python.isEmpty())
            QSKIP("No python3 to compute the identities with");

        QStringList addresses;
        QStringList ours;
        for (const QString &file : QDir(corpus).entryList(QDir::Files, QDir::Name)) {
            CRssFeed feed;
            if (!feed.LoadFromFile(QDir(corpus).filePath(file)) || !feed.HasNamespace(CFeedVocabulary::itunesNamespace()))
                continue;
            for (const FeedElement &link : feed.GetChannelElements(QStringLiteral("atom:link"))) {
                if (link.attribute(QStringLiteral("rel")) == QLatin1String("self")) {
                    addresses << link.attribute(QStringLiteral("href"));
                    ours << CPodcastGuid::fromFeedAddress(addresses.last());
                }
            }
        }
        QVERIFY2(addresses.size() >= 4, qPrintable(addresses.join(u' ')));

        // Python strips the address by its own reading of the rule.
        QProcess process;
        process.start(python, {QStringLiteral("-c"), QStringLiteral(
            "import re, sys, uuid\n"
            "space = uuid.UUID('ead4c236-bf58-58c6-a2c6-a6b28d128cb6')\n"
            "for line in sys.stdin.read().splitlines():\n"
            "    name = re.sub(r'^[A-Za-z][A-Za-z0-9+.-]*://', '', line.strip()).rstrip('/')\n"
            "    print(uuid.uuid5(space, name))\n")});
        process.write(addresses.join(u'\n').toUtf8() + '\n');
        process.closeWriteChannel();
        QVERIFY(process.waitForFinished(60000));
        const QStringList theirs = QString::fromUtf8(process.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(ours, theirs);
    }
};

QTEST_GUILESS_MAIN(TestPodcastGuid)
#include "tst_podcastguid.moc"
