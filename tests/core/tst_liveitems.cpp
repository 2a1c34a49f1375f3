#include "TestFiles.h"
#include "core/FeedVocabulary.h"
#include "core/RssFeed.h"

#include "LineDiff.h"

#include <QTemporaryDir>
#include <QTest>

#include <functional>

// Live items (podcast:liveItem) as posts of their own kind: listed among
// the items in file order, edited like them, their status, start and end
// in their own tag, and every save byte for byte where nothing changed.

using Edit = std::function<bool(CRssFeed &)>;
Q_DECLARE_METATYPE(Edit)

namespace {

const QString kFeedPath = QStringLiteral(TIDREL_TEST_DATA_DIR "/liveitems.xml");

QList<bool> kinds(const CRssFeed &feed)
{
    QList<bool> live;
    for (int i = 0; i < feed.GetPostCount(); ++i)
        live.append(feed.IsLiveItem(i));
    return live;
}

QStringList titles(const CRssFeed &feed)
{
    QStringList result;
    for (int i = 0; i < feed.GetPostCount(); ++i)
        result.append(feed.GetPostTitle(i));
    return result;
}

// The feed as saved to a file and read again.
bool reopen(const CRssFeed &feed, CRssFeed *reopened)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("saved.xml"));
    return writeFile(path, feed.PrintToString()) && reopened->LoadFromFile(path);
}

} // namespace

class LiveItemsTest : public QObject
{
    Q_OBJECT

private slots:
    // Two live items (one quoted with apostrophes, behind a comment), two
    // items, and an element named liveItem in another namespace, which is
    // no post.
    void open_listsLiveItemsAmongItems()
    {
        CRssFeed feed;
        QString error;
        QVERIFY2(feed.LoadFromFile(kFeedPath, &error), qPrintable(error));
        QCOMPARE(feed.GetPostCount(), 4);
        QCOMPARE(kinds(feed), (QList<bool>{true, true, false, false}));
        QCOMPARE(titles(feed), (QStringList{"Christmas Eve & Friends", "November Call-in", "Episode 2", "Episode 1"}));
        QCOMPARE(feed.GetPostAttribute(0, QStringLiteral("status")), QStringLiteral("pending"));
        QCOMPARE(feed.GetPostAttribute(0, QStringLiteral("end")), QStringLiteral("2026-12-24T19:30:00+01:00"));
        QCOMPARE(feed.GetPostAttribute(1, QStringLiteral("end")), QString());
        QCOMPARE(feed.GetPostDescription(1), QStringLiteral("Calls about <b>winter</b>."));
        QCOMPARE(feed.GetPostGuid(1), QStringLiteral("live-2026-11-01"));
        QCOMPARE(feed.GetPostElements(0, QStringLiteral("podcast:contentLink")).size(), size_t(1));
        // The live items are posts, not other elements of the channel; the
        // foreign liveItem is one.
        QStringList others;
        for (const auto &[name, text] : feed.GetOtherChannelElements())
            others.append(name);
        QCOMPARE(others, (QStringList{"other:liveItem"}));
        QVERIFY(!feed.SetChannelElements(QStringLiteral("podcast:liveItem"), {}));
        QCOMPARE(feed.PrintToString(), readFile(kFeedPath));

        // A copy of a live item is a live item with a guid of its own, and
        // no date it did not have.
        QVERIFY(feed.CopyPostToTop(1));
        QCOMPARE(kinds(feed), (QList<bool>{true, true, true, false, false}));
        QCOMPARE(feed.GetPostTitle(0), QStringLiteral("November Call-in"));
        QVERIFY(feed.GetPostGuid(0) != feed.GetPostGuid(2));
        QCOMPARE(feed.GetPostPubDate(0), QString());
        QCOMPARE(feed.GetPostAttribute(0, QStringLiteral("status")), QStringLiteral("ended"));
    }

    void edit_changesOnlyItsLines_data()
    {
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<QList<QByteArray>>("removed");
        QTest::addColumn<QList<QByteArray>>("added");
        QTest::addColumn<QList<bool>>("kindsAfter");
        QTest::addColumn<int>("post"); // the post the edit changes, -1 for the channel
        const QList<bool> same{true, true, false, false};
        const QByteArray firstTag = "    <pod:liveItem status='pending' start=\"2026-12-24T18:00:00+01:00\" end=\"2026-12-24T19:30:00+01:00\">";
        const QByteArray secondTag = "    <pod:liveItem status=\"ended\" start=\"2026-11-01T20:00:00Z\">";

        QTest::newRow("status") << Edit([](CRssFeed &f) { return f.SetPostAttribute(0, QStringLiteral("status"), QStringLiteral("live")); })
                                << QList<QByteArray>{firstTag}
                                << QList<QByteArray>{QByteArray(firstTag).replace("'pending'", "\"live\"")} << same << 0;
        QTest::newRow("end cleared") << Edit([](CRssFeed &f) { return f.SetPostAttribute(0, QStringLiteral("end"), QString()); })
                                     << QList<QByteArray>{firstTag}
                                     << QList<QByteArray>{QByteArray(firstTag).replace(" end=\"2026-12-24T19:30:00+01:00\"", "")} << same << 0;
        QTest::newRow("end added")
                << Edit([](CRssFeed &f) { return f.SetPostAttribute(1, QStringLiteral("end"), QStringLiteral("2026-11-01T21:00:00Z")); })
                << QList<QByteArray>{secondTag}
                << QList<QByteArray>{"    <pod:liveItem status=\"ended\" start=\"2026-11-01T20:00:00Z\" end=\"2026-11-01T21:00:00Z\">"} << same << 1;
        QTest::newRow("delete") << Edit([](CRssFeed &f) { return f.RemovePost(1); })
                                << QList<QByteArray>{secondTag, "      <title>November Call-in</title>",
                                                     "      <description><![CDATA[Calls about <b>winter</b>.]]></description>",
                                                     "      <guid isPermaLink=\"false\">live-2026-11-01</guid>", "    </pod:liveItem>"}
                                << QList<QByteArray>{} << QList<bool>{true, false, false} << 1;
        QTest::newRow("channel element before the posts")
                << Edit([](CRssFeed &f) { return f.SetChannelField("language", QStringLiteral("en")); })
                << QList<QByteArray>{} << QList<QByteArray>{"    <language>en</language>"} << same << -1;
    }

    // Each edit of a live item's own tag, or around it, writes only its
    // lines (its title, description and enclosure are an item's: their
    // edits are checked there); saved and read again, the feed has the same
    // kinds of posts. The part of the feed kept before the edit,
    // as the undo stack keeps it, gives back the file.
    void edit_changesOnlyItsLines()
    {
        QFETCH(Edit, edit);
        QFETCH(QList<QByteArray>, removed);
        QFETCH(QList<QByteArray>, added);
        QFETCH(QList<bool>, kindsAfter);
        QFETCH(int, post);
        CRssFeed feed;
        QVERIFY(feed.LoadFromFile(kFeedPath));
        const QByteArray original = feed.PrintToString();
        CFeedPart kept = post < 0 ? feed.SaveHeader() : feed.SavePost(post);
        QVERIFY(edit(feed));
        const LineDiff diff = LineDiff::of(original, feed.PrintToString());
        QCOMPARE(diff.removed, removed);
        QCOMPARE(diff.added, added);
        CRssFeed reopened;
        QVERIFY(reopen(feed, &reopened));
        QCOMPARE(kinds(reopened), kindsAfter);
        QCOMPARE(kinds(feed), kindsAfter);
        QVERIFY(feed.SwapPart(kept));
        QCOMPARE(feed.PrintToString(), original);
        QCOMPARE(kinds(feed), (QList<bool>{true, true, false, false}));
    }

    // A new live item goes at the top of the posts, in the namespace's
    // prefix of the file; a feed without the namespace gets it declared.
    void addNewLiveItem_writesPendingStreamAtTop()
    {
        const QDateTime start(QDate(2026, 12, 31), QTime(22, 0), Qt::OffsetFromUTC, 3600);
        CRssFeed feed;
        QVERIFY(feed.LoadFromFile(kFeedPath));
        const QByteArray original = feed.PrintToString();
        QVERIFY(feed.AddNewLiveItem(start, start.addSecs(7200)));
        const LineDiff diff = LineDiff::of(original, feed.PrintToString());
        QCOMPARE(diff.removed, QList<QByteArray>());
        QCOMPARE(diff.added.size(), 4);
        QCOMPARE(diff.added[0], QByteArray("    <pod:liveItem status=\"pending\" start=\"2026-12-31T22:00:00+01:00\" end=\"2027-01-01T00:00:00+01:00\">"));
        QCOMPARE(diff.added[1], QByteArray("      <title>New Live Item</title>"));
        QVERIFY(diff.added[2].startsWith("      <guid isPermaLink=\"false\">"));
        QCOMPARE(diff.added[3], QByteArray("    </pod:liveItem>"));
        // After the comment that stood before the first post.
        QCOMPARE(original.split('\n')[diff.firstLine - 1], QByteArray("    <!-- the next stream -->"));
        QCOMPARE(kinds(feed), (QList<bool>{true, true, true, false, false}));

        CRssFeed fresh;
        QVERIFY(fresh.CreateNewFeed(QStringLiteral("Fresh"), QStringLiteral("https://fresh.example.org/"), QString()));
        QVERIFY(!fresh.HasNamespace(CFeedVocabulary::podcastNamespace()));
        QVERIFY(fresh.AddNewLiveItem(start, start.addSecs(3600)));
        CRssFeed reopened;
        QVERIFY(reopen(fresh, &reopened));
        QVERIFY(reopened.HasNamespace(CFeedVocabulary::podcastNamespace()));
        QCOMPARE(kinds(reopened), (QList<bool>{true, false}));
        QCOMPARE(reopened.GetPostAttribute(0, QStringLiteral("status")), QStringLiteral("pending"));
        QCOMPARE(reopened.GetPostAttribute(0, QStringLiteral("start")), QStringLiteral("2026-12-31T22:00:00+01:00"));
        QCOMPARE(reopened.GetPostTitle(0), QStringLiteral("New Live Item"));
        QVERIFY(!reopened.GetPostGuid(0).isEmpty());
    }

    // Regression: a value holding text like an attribute (status='x') was
    // taken for the attribute itself (found by fuzzing).
    void setAttribute_passesOverValuesThatLookLikeAttributes()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("feed.xml"));
        QVERIFY(writeFile(path, "<rss version=\"2.0\" xmlns:podcast=\"https://podcastindex.org/namespace/1.0\"><channel>"
                                "<podcast:liveItem end=\"a status='b'\" status=\"live\"><title>T</title></podcast:liveItem>"
                                "</channel></rss>"));
        CRssFeed feed;
        QVERIFY(feed.LoadFromFile(path));
        QVERIFY(feed.SetPostAttribute(0, QStringLiteral("status"), QStringLiteral("ended")));
        QCOMPARE(feed.GetPostAttribute(0, QStringLiteral("status")), QStringLiteral("ended"));
        QCOMPARE(feed.GetPostAttribute(0, QStringLiteral("end")), QStringLiteral("a status='b'"));
        QVERIFY(feed.PrintToString().contains("<podcast:liveItem end=\"a status='b'\" status=\"ended\">"));
    }

    // Regression (found by fuzzing): podcast:liveItem under a podcast prefix
    // declared for a misspelt address was taken for a live item, while
    // podcast elements added to it went under another prefix. No reader
    // sees a live item there: it is another element of the channel and
    // keeps its bytes.
    void liveItemUnderMisdeclaredPrefix_isNoPost()
    {
        const QByteArray liveItem = "<podcast:liveItem status=\"live\"><title>On air</title></podcast:liveItem>";
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("feed.xml"));
        QVERIFY(writeFile(path, "<rss version=\"2.0\" xmlns:podcast=\"https://podcastindex.org/names\">\n<channel>\n" + liveItem
                                        + "\n<item><title>Episode</title></item>\n</channel>\n</rss>\n"));
        CRssFeed feed;
        QVERIFY(feed.LoadFromFile(path));
        QCOMPARE(titles(feed), QStringList{"Episode"});
        QCOMPARE(feed.GetOtherChannelElements(),
                 (std::vector<std::pair<QString, QString>>{{"podcast:liveItem", QString::fromUtf8(liveItem)}}));
        QVERIFY(feed.SetPostElements(0, QStringLiteral("podcast:season"), {FeedElement{"podcast:season", {}, "2", {}}}));
        QVERIFY(feed.PrintToString().contains("\n" + liveItem + "\n"));
        CRssFeed reopened;
        QVERIFY(reopen(feed, &reopened));
        QCOMPARE(titles(reopened), QStringList{"Episode"});
        QCOMPARE(reopened.GetPostElements(0, QStringLiteral("podcast:season")).size(), size_t(1));
    }
};

QTEST_GUILESS_MAIN(LiveItemsTest)
#include "tst_liveitems.moc"
