#include "FeedTreeCompare.h"
#include "TestFiles.h"
#include "core/RssFeed.h"

#include <QCryptographicHash>
#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

// Real feeds from outside the project, read in place: each file of rss/
// must open whole and survive a save; each file of bad/ must be refused.
class TestFeedCorpus : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!QFileInfo::exists(m_corpus + QStringLiteral("/EXPECTED.tsv")))
            QSKIP("The feed corpus is not present");
        QVERIFY(m_temp.isValid());
    }

    void openAndSave_losesNothing_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("items");
        QTest::addColumn<int>("elements");
        QTest::addColumn<QString>("firstTitle");
        QTest::addColumn<QString>("lastTitle");
        QTest::addColumn<QByteArray>("titlesHash");

        const QList<QByteArray> lines = readFile(m_corpus + QStringLiteral("/EXPECTED.tsv")).split('\n');
        for (const QByteArray &line : lines) {
            if (line.isEmpty() || line.startsWith('#') || line.startsWith("file\t"))
                continue;
            const QList<QByteArray> fields = line.split('\t');
            QCOMPARE(fields.size(), 6);
            QTest::newRow(fields[0].constData()) << QString::fromUtf8(fields[0]) << fields[1].toInt() << fields[2].toInt() << QString::fromUtf8(fields[3]) << QString::fromUtf8(fields[4]) << fields[5];
        }
    }

    void openAndSave_losesNothing()
    {
        QFETCH(QString, file);
        QFETCH(int, items);
        QFETCH(int, elements);
        QFETCH(QString, firstTitle);
        QFETCH(QString, lastTitle);
        QFETCH(QByteArray, titlesHash);

        CRssFeed feed;
        QString error;
        QVERIFY2(feed.LoadFromFile(m_corpus + QStringLiteral("/rss/") + file, &error), qPrintable(error));
        QCOMPARE(feed.GetPostCount(), items);
        QCOMPARE(countElements(&feed), elements);

        QCryptographicHash hash(QCryptographicHash::Sha256);
        for (int i = 0; i < items; ++i)
            hash.addData(feed.GetPostTitle(i).simplified().toUtf8() + '\n');
        QCOMPARE(hash.result().toHex().left(16), titlesHash);
        if (items > 0) {
            QCOMPARE(feed.GetPostTitle(0).simplified(), firstTitle);
            QCOMPARE(feed.GetPostTitle(items - 1).simplified(), lastTitle);
        }

        const QString first = m_temp.filePath(file + QStringLiteral(".1"));
        const QString second = m_temp.filePath(file + QStringLiteral(".2"));
        QVERIFY2(feed.SaveToFile(first, &error), qPrintable(error));
        CRssFeed reopened;
        QVERIFY2(reopened.LoadFromFile(first, &error), qPrintable(error));
        const QString difference = compareTrees(&feed, &reopened);
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
        QCOMPARE(reopened.HasByteOrderMark(), feed.HasByteOrderMark());
        QVERIFY2(reopened.SaveToFile(second, &error), qPrintable(error));
        QCOMPARE(readFile(second), readFile(first));
    }

    void badFile_isRefusedWithReason_data()
    {
        QTest::addColumn<QString>("path");
        const QDir bad(m_corpus + QStringLiteral("/bad"));
        const QStringList files = bad.entryList(QDir::Files, QDir::Name);
        QVERIFY(!files.isEmpty());
        for (const QString &file : files)
            QTest::newRow(qPrintable(file)) << bad.filePath(file);
    }

    void badFile_isRefusedWithReason()
    {
        QFETCH(QString, path);
        CRssFeed feed;
        QString error;
        QVERIFY(!feed.LoadFromFile(path, &error));
        // The reason tells where: every refusal of these files knows the line.
        const QRegularExpression where(QStringLiteral("\\bline \\d+"), QRegularExpression::CaseInsensitiveOption);
        QVERIFY2(error.contains(where), qPrintable(error));
        QCOMPARE(feed.FirstChild(), nullptr);
        QCOMPARE(feed.GetPostCount(), 0);
    }

private:
    QString m_corpus = QStringLiteral(TIDREL_CORPUS_DIR);
    QTemporaryDir m_temp;
};

QTEST_GUILESS_MAIN(TestFeedCorpus)
#include "tst_feedcorpus.moc"
