#include "FeedTreeCompare.h"
#include "TestFiles.h"
#include "core/RssFeed.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
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
        QStringList listed;
        for (const QByteArray &line : lines) {
            if (line.isEmpty() || line.startsWith('#') || line.startsWith("file\t"))
                continue;
            const QList<QByteArray> fields = line.split('\t');
            QCOMPARE(fields.size(), 6);
            listed << QString::fromUtf8(fields[0]);
            QTest::newRow(fields[0].constData()) << QString::fromUtf8(fields[0]) << fields[1].toInt() << fields[2].toInt() << QString::fromUtf8(fields[3]) << QString::fromUtf8(fields[4]) << fields[5];
        }
        // Every feed of the folder is checked, none is left out.
        listed.sort();
        QCOMPARE(listed, QDir(m_corpus + QStringLiteral("/rss")).entryList(QDir::Files, QDir::Name));
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
        QTest::addColumn<QString>("reason");
        // Files found by fuzzing the loader, which once opened them as feeds.
        const QMap<QString, QString> reasons = {
            {"control-char-in-title.xml", "Line 1 holds the character U+0001"},
            {"decl-closed-by-gt-only.xml", "The XML declaration on line 1 is not well formed"},
            {"decl-encoding-mismatched-quotes.xml", "The XML declaration on line 1 is not well formed"},
            {"decl-mismatched-quotes.xml", "The XML declaration on line 1 is not well formed"},
            {"decl-missing-open-quote.xml", "The XML declaration on line 1 is not well formed"},
            {"nul-in-cdata.xml", "Line 1 holds a NUL character"},
            {"nul-in-leading-comment.xml", "Line 2 holds a NUL character"},
            {"vt-ff-condensed.xml", "Line 1 holds the character U+000B"},
        };
        const QDir bad(m_corpus + QStringLiteral("/bad"));
        const QStringList files = bad.entryList(QDir::Files, QDir::Name);
        for (const QString &file : reasons.keys())
            QVERIFY2(files.contains(file), qPrintable(file));
        for (const QString &file : files)
            QTest::newRow(qPrintable(file)) << bad.filePath(file) << reasons.value(file);
    }

    void badFile_isRefusedWithReason()
    {
        QFETCH(QString, path);
        QFETCH(QString, reason);
        CRssFeed feed;
        QString error;
        QVERIFY(!feed.LoadFromFile(path, &error));
        // The reason tells where: every refusal of these files knows the line.
        const QRegularExpression where(QStringLiteral("\\bline \\d+"), QRegularExpression::CaseInsensitiveOption);
        QVERIFY2(error.contains(where), qPrintable(error));
        QVERIFY2(error.contains(reason), qPrintable(error));
        QCOMPARE(feed.FirstChild(), nullptr);
        QCOMPARE(feed.GetPostCount(), 0);
    }

    // A description that mixes elements and a CDATA section shows whole, and
    // an edit replaces it whole.
    void mixedDescription_opensWholeAndTakesEdit()
    {
        const QString file = QStringLiteral("utf8-japanese-itunes-podcast_category-bug.xml");
        CRssFeed feed;
        QString error;
        QVERIFY2(feed.LoadFromFile(m_corpus + QStringLiteral("/rss/") + file, &error), qPrintable(error));
        const QString description = feed.GetPostDescription(0);
        const QString second = feed.GetPostDescription(1);
        QVERIFY2(description.startsWith(QStringLiteral("<object width=\"425\" height=\"350\"><param name=\"movie\" "
                                                       "value=\"http://www.youtube.com/v/qno1p6VdHjw\" />")),
                 qPrintable(description.left(200)));
        QVERIFY(description.contains(QStringLiteral("</object><p>ONEDARI BOYSがブロガーのためにONEDARIした")));

        const QString edited = description + QStringLiteral("<p>追記</p>");
        QVERIFY(PostRef(&feed, 0).SetDescription(edited));
        const QString path = m_temp.filePath(file);
        QVERIFY2(feed.SaveToFile(path, &error), qPrintable(error));
        CRssFeed reopened;
        QVERIFY2(reopened.LoadFromFile(path, &error), qPrintable(error));
        QCOMPARE(reopened.GetPostDescription(0), edited);
        QCOMPARE(reopened.GetPostDescription(1), second);
        QCOMPARE(reopened.GetPostCount(), feed.GetPostCount());
    }

    // Posts of the reference validator's test feeds, many without a title,
    // link or author element, take all three and keep them through a save.
    void validatorFeed_firstPostTakesTitleLinkAndAuthor_data()
    {
        QTest::addColumn<QString>("path");
        QDirIterator files(m_corpus + QStringLiteral("/validator"), {QStringLiteral("*.xml")}, QDir::Files,
                           QDirIterator::Subdirectories);
        int lacking = 0;
        while (files.hasNext()) {
            const QString path = files.next();
            CRssFeed feed;
            if (!feed.LoadFromFile(path) || feed.GetPostCount() == 0)
                continue;
            const TiXmlElement *post = feed.FindPost(0);
            if (!post->FirstChildElement("title") || !post->FirstChildElement("link") || !post->FirstChildElement("author"))
                ++lacking;
            QTest::newRow(qPrintable(path.mid(m_corpus.size() + 11))) << path;
        }
        QVERIFY2(lacking >= 13, qPrintable(QString::number(lacking)));
    }

    void validatorFeed_firstPostTakesTitleLinkAndAuthor()
    {
        QFETCH(QString, path);
        CRssFeed feed;
        QVERIFY(feed.LoadFromFile(path));
        const int posts = feed.GetPostCount();
        const QString lastTitle = feed.GetPostTitle(posts - 1);
        PostRef post(&feed, 0);
        QVERIFY(post.SetTitle(QStringLiteral("Renamed – ✓")));
        QVERIFY(post.SetLink(QStringLiteral("http://example.org/renamed?a=1&b=2")));
        QVERIFY(post.SetAuthor(QStringLiteral("me@example.org (Me)")));

        const QString saved = m_temp.filePath(QStringLiteral("validator.xml"));
        QString error;
        QVERIFY2(feed.SaveToFile(saved, &error), qPrintable(error));
        CRssFeed reopened;
        QVERIFY2(reopened.LoadFromFile(saved, &error), qPrintable(error));
        QCOMPARE(reopened.GetPostCount(), posts);
        QCOMPARE(reopened.GetPostTitle(0), QStringLiteral("Renamed – ✓"));
        QCOMPARE(reopened.GetPostLink(0), QStringLiteral("http://example.org/renamed?a=1&b=2"));
        QCOMPARE(reopened.GetPostAuthor(0), QStringLiteral("me@example.org (Me)"));
        if (posts > 1)
            QCOMPARE(reopened.GetPostTitle(posts - 1), lastTitle);
    }

private:
    QString m_corpus = QStringLiteral(TIDREL_CORPUS_DIR);
    QTemporaryDir m_temp;
};

QTEST_GUILESS_MAIN(TestFeedCorpus)
#include "tst_feedcorpus.moc"
