#include "LineDiff.h"
#include "TestFiles.h"
#include "core/FeedParser.h"
#include "core/RssFeed.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

// Counts the elements of a file as the feed's reader sees them.
class ElementCounter : public FeedParser
{
public:
    int elements = 0;

protected:
    void startElement(const char *, const char **, qsizetype, qsizetype) override { ++elements; }
    void endElement(qsizetype, qsizetype) override {}
};

// The lines of the first `<name ...>...</name>` element after `from`, counted from 0.
static std::pair<qsizetype, qsizetype> elementLines(const QByteArray &bytes, const QByteArray &name, qsizetype from)
{
    const qsizetype begin = bytes.indexOf("<" + name, from);
    qsizetype end = bytes.indexOf("</" + name + ">", begin);
    const qsizetype emptyEnd = bytes.indexOf("/>", begin);
    if (end < 0 || (emptyEnd >= 0 && emptyEnd < bytes.indexOf('>', begin) + 1))
        end = emptyEnd;
    return {bytes.left(begin).count('\n'), bytes.left(end).count('\n')};
}

// Real feeds from outside the project, read in place: each file of rss/
// must open whole and save back byte for byte, and an edit must change only
// the lines of what it edits; each file of bad/ must be refused.
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

    void openAndSave_givesBackTheSameBytes_data()
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

    void openAndSave_givesBackTheSameBytes()
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

        QCryptographicHash hash(QCryptographicHash::Sha256);
        for (int i = 0; i < items; ++i)
            hash.addData(feed.GetPostTitle(i).simplified().toUtf8() + '\n');
        QCOMPARE(hash.result().toHex().left(16), titlesHash);
        if (items > 0) {
            QCOMPARE(feed.GetPostTitle(0).simplified(), firstTitle);
            QCOMPARE(feed.GetPostTitle(items - 1).simplified(), lastTitle);
        }

        ElementCounter counter;
        const QByteArray original = readFile(m_corpus + QStringLiteral("/rss/") + file);
        QVERIFY(counter.parse(original, &error));
        QCOMPARE(counter.elements, elements);

        const QString saved = m_temp.filePath(file);
        QVERIFY2(feed.SaveToFile(saved, &error), qPrintable(error));
        QVERIFY(readFile(saved) == original);
    }

    // Each edit rewrites the lines of what it edits and no others: renaming
    // the first post, adding a post, removing the first post.
    void edit_changesOnlyItsOwnLines()
    {
        const QStringList files = QDir(m_corpus + QStringLiteral("/rss")).entryList(QDir::Files, QDir::Name);
        qsizetype renamedLines = 0, addedLines = 0, removedLines = 0;
        for (const QString &file : files) {
            const QString path = m_corpus + QStringLiteral("/rss/") + file;
            const QByteArray original = readFile(path);
            CRssFeed feed;
            QVERIFY(feed.LoadFromFile(path));
            if (feed.GetPostCount() == 0 || feed.EncodingName().startsWith("UTF-16"))
                continue;
            const qsizetype firstItem = original.indexOf("<item");
            const auto item = elementLines(original, "item", firstItem);

            // A rename touches the title's lines; a post without a title gets
            // one inside the post.
            const QString newTitle = QStringLiteral("Renamed ✓ Переименовано");
            QVERIFY(feed.SetPostTitle(0, newTitle));
            const LineDiff renamed = LineDiff::of(original, save(feed));
            CRssFeed reopened;
            QVERIFY(reopened.LoadFromFile(m_temp.filePath(QStringLiteral("edited.xml"))));
            QCOMPARE(reopened.GetPostTitle(0), newTitle);
            const bool hadTitle = elementLines(original, "title", firstItem).first <= item.second
                    && original.indexOf("<title", firstItem) < original.indexOf("</item>", firstItem);
            const auto title = hadTitle ? elementLines(original, "title", firstItem) : item;
            QVERIFY2(renamed.firstLine >= title.first && renamed.firstLine + renamed.removed.size() <= title.second + 1,
                     qPrintable(file));
            renamedLines += renamed.size();

            // A new post adds lines and changes none, unless the file puts
            // posts on the line of other elements.
            QVERIFY(feed.LoadFromFile(path));
            QVERIFY(feed.AddNewPost());
            const LineDiff added = LineDiff::of(original, save(feed));
            const bool ownLines = original.split('\n')[item.first].trimmed().startsWith("<item");
            if (ownLines)
                QVERIFY2(added.removed.isEmpty() && added.added.size() >= 1, qPrintable(file));
            QVERIFY2(added.added.join('\n').contains("<title>New Item</title>"), qPrintable(file));
            addedLines += added.size();

            // Removing the first post takes out its lines only; putting the
            // last post back after taking it gives back the file.
            QVERIFY(feed.LoadFromFile(path));
            const int lastPost = feed.GetPostCount() - 1;
            std::unique_ptr<CRemovedPost> last = feed.TakePost(lastPost);
            QVERIFY(last);
            QCOMPARE(feed.PutBackPost(std::move(*last)), lastPost);
            QVERIFY2(save(feed) == original, qPrintable(file));
            std::unique_ptr<CRemovedPost> first = feed.TakePost(0);
            QVERIFY(first);
            const QByteArray afterRemoval = save(feed);
            QCOMPARE(feed.PutBackPost(std::move(*first)), 0);
            QVERIFY2(save(feed) == original, qPrintable(file));
            const LineDiff removed = LineDiff::of(original, afterRemoval);
            QList<QByteArray> lines = original.split('\n');
            if (ownLines && lines[item.second].trimmed().endsWith("</item>")) {
                lines.remove(item.first, item.second - item.first + 1);
                QVERIFY2(afterRemoval == lines.join('\n'), qPrintable(file));
            } else {
                // The post shares a line with its neighbours: that line changes.
                QVERIFY2(removed.removed.size() <= item.second - item.first + 2 && removed.added.size() <= 1,
                         qPrintable(file));
            }
            removedLines += removed.size();
        }
        qInfo("Diff lines over the corpus: rename %lld, add %lld, remove %lld", qint64(renamedLines),
              qint64(addedLines), qint64(removedLines));
    }

    void badFile_isRefusedWithReason_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("reason");
        // Files found by fuzzing the loader, which once opened them as feeds,
        // and an external entity, which expat would skip without a word.
        const QMap<QString, QString> reasons = {
            {"control-char-in-title.xml", "not well-formed (invalid token) (line 1,"},
            {"decl-closed-by-gt-only.xml", "XML declaration not well-formed (line 1,"},
            {"decl-encoding-mismatched-quotes.xml", "XML declaration not well-formed (line 1,"},
            {"decl-mismatched-quotes.xml", "XML declaration not well-formed (line 1,"},
            {"decl-missing-open-quote.xml", "XML declaration not well-formed (line 1,"},
            {"nul-in-cdata.xml", "not well-formed (invalid token) (line 1,"},
            {"nul-in-leading-comment.xml", "not well-formed (invalid token) (line 2,"},
            {"vt-ff-condensed.xml", "not well-formed (invalid token) (line 1,"},
            {"external-system-entity-xxe_feedvalidator.xml", "defines the entity"},
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
        // The reason tells where: every refusal of these files knows the line and column.
        const QRegularExpression where(QStringLiteral("\\bline \\d+, column \\d+"));
        QVERIFY2(error.contains(where), qPrintable(error));
        QVERIFY2(error.contains(reason), qPrintable(error));
        QCOMPARE(feed.PrintToString(), QByteArray());
        QCOMPARE(feed.GetPostCount(), 0);
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
            if (feed.GetPostTitle(0).isEmpty() || feed.GetPostLink(0).isEmpty() || feed.GetPostAuthor(0).isEmpty())
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
        QVERIFY(feed.SetPostTitle(0, QStringLiteral("Renamed – ✓")));
        QVERIFY(feed.SetPostLink(0, QStringLiteral("http://example.org/renamed?a=1&b=2")));
        QVERIFY(feed.SetPostAuthor(0, QStringLiteral("me@example.org (Me)")));

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
    QByteArray save(CRssFeed &feed)
    {
        const QString path = m_temp.filePath(QStringLiteral("edited.xml"));
        return feed.SaveToFile(path) ? readFile(path) : QByteArray();
    }

    QString m_corpus = QStringLiteral(TIDREL_CORPUS_DIR);
    QTemporaryDir m_temp;
};

QTEST_GUILESS_MAIN(TestFeedCorpus)
#include "tst_feedcorpus.moc"
