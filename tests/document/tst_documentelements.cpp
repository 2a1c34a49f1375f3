#include "DocumentTestSupport.h"

#include "core/FeedVocabulary.h"
#include "document/FieldPath.h"

#include <QStandardPaths>
#include <QUndoStack>

// The document's door for the feed's elements: one change and one notice a
// call, the Podcast switch, and new posts of a podcast; and where the fields
// of the properties pages find and put their values among the elements:
// made when missing, removed when emptied, and whatever else the elements
// hold left as it was.

static const QString kExplicit = QStringLiteral("itunes:explicit");

static FeedElement element(const QString &name, const QString &text = QString(),
                           QList<QPair<QString, QString>> attributes = {}, std::vector<FeedElement> children = {})
{
    return FeedElement{name, std::move(attributes), text, std::move(children)};
}

class TestDocumentElements : public QObject
{
    Q_OBJECT

    static void openXml(DocumentFixture &fixture, const QByteArray &xml)
    {
        QVERIFY(writeFile(fixture.path, xml));
        QString error;
        QVERIFY2(fixture.doc.OnOpenDocument(fixture.path, &error), qPrintable(error));
        fixture.log.clear();
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void setElements_changeOnceAndNotifyOnce()
    {
        DocumentFixture fixture;
        openXml(fixture, "<rss version=\"2.0\" xmlns:itunes=\"http://www.itunes.com/dtds/podcast-1.0.dtd\"><channel>"
                         "<title>T</title><itunes:explicit>true</itunes:explicit>"
                         "<item><title>A</title></item><item><title>B</title></item></channel></rss>");
        CRSSEditDoc &doc = fixture.doc;
        QVERIFY(doc.IsPodcast());

        QVERIFY(doc.SetChannelElements(QStringLiteral("itunes:author"), {element(QStringLiteral("itunes:author"), QStringLiteral("Me"))}));
        QVERIFY(doc.IsModified());
        QVERIFY(!doc.SetChannelElements(QStringLiteral("itunes:author"), {element(QStringLiteral("itunes:author"), QStringLiteral("Me"))}));
        QVERIFY(doc.SetPostElements(1, QStringLiteral("itunes:episode"), {element(QStringLiteral("itunes:episode"), QStringLiteral("3"))}));
        QVERIFY(!doc.SetPostElements(2, QStringLiteral("itunes:episode"), {element(QStringLiteral("itunes:episode"), QStringLiteral("3"))}));
        QCOMPARE(fixture.log, notes(QStringLiteral("header elements:1")));

        // A new post states the show's itunes:explicit.
        fixture.log.clear();
        QVERIFY(doc.InsertNewPost());
        QCOMPARE(fixture.log, notes(QStringLiteral("insert:0")));
        QString error;
        QVERIFY2(doc.OnSaveDocument(fixture.path, &error), qPrintable(error));
        CRssFeed saved;
        QVERIFY(saved.LoadFromFile(fixture.path));
        QCOMPARE(saved.GetPostElements(0, kExplicit), (std::vector{element(kExplicit, QStringLiteral("true"))}));
        QCOMPARE(saved.GetPostElements(2, QStringLiteral("itunes:episode")), (std::vector{element(QStringLiteral("itunes:episode"), QStringLiteral("3"))}));
        QCOMPARE(saved.GetChannelElements(QStringLiteral("itunes:author")), (std::vector{element(QStringLiteral("itunes:author"), QStringLiteral("Me"))}));
    }

    // A new post states the show's rating as directories read it today,
    // whatever older word the show's own has.
    void newPost_statesTheShowsRatingAsTrueOrFalse_data()
    {
        QTest::addColumn<QString>("show");
        QTest::addColumn<QString>("post"); // empty: the post gets none
        QTest::newRow("no") << "no" << "false";
        QTest::newRow("clean") << "clean" << "false";
        QTest::newRow("Yes") << "Yes" << "true";
        QTest::newRow("explicit") << "explicit" << "true";
        QTest::newRow("false") << "false" << "false";
        QTest::newRow("neither") << "sometimes" << "";
    }

    void newPost_statesTheShowsRatingAsTrueOrFalse()
    {
        QFETCH(QString, show);
        QFETCH(QString, post);
        DocumentFixture fixture;
        openXml(fixture, "<rss version=\"2.0\" xmlns:itunes=\"http://www.itunes.com/dtds/podcast-1.0.dtd\"><channel>"
                         "<title>T</title><itunes:explicit>" + show.toUtf8() + "</itunes:explicit></channel></rss>");
        QVERIFY(fixture.doc.InsertNewPost());
        const std::vector<FeedElement> expected = post.isEmpty() ? std::vector<FeedElement>() : std::vector{element(kExplicit, post)};
        QCOMPARE(fixture.doc.feed()->GetPostElements(0, kExplicit), expected);
        QCOMPARE(fixture.doc.feed()->GetChannelElements(kExplicit), (std::vector{element(kExplicit, show)}));
    }

    void setPodcast_declaresAndNamesTheFeedOnce_data()
    {
        QTest::addColumn<QByteArray>("header");
        QTest::addColumn<QString>("guid");
        QTest::newRow("channel link") << QByteArray("<link>http://podnews.net/rss</link>") << "9b024349-ccf0-5f69-a609-6b82873eab3c";
        QTest::newRow("no address") << QByteArray() << QString();
    }

    void setPodcast_declaresAndNamesTheFeedOnce()
    {
        QFETCH(QByteArray, header);
        QFETCH(QString, guid);
        DocumentFixture fixture;
        openXml(fixture, "<rss version=\"2.0\" xmlns:atom=\"http://www.w3.org/2005/Atom\">\n<channel>\n<title>T</title>" + header
                                 + "\n<item><title>A</title></item>\n</channel>\n</rss>\n");
        CRSSEditDoc &doc = fixture.doc;
        const QByteArray plain = doc.feed()->PrintToString();
        QVERIFY(!doc.IsPodcast());
        QVERIFY(!doc.SetPodcast(false));

        QVERIFY(doc.SetPodcast(true));
        QVERIFY(doc.IsPodcast() && doc.IsModified());
        QVERIFY(!doc.SetPodcast(true));
        QCOMPARE(fixture.log, notes(QStringLiteral("header")));
        const std::vector<FeedElement> guids = doc.feed()->GetChannelElements(QStringLiteral("podcast:guid"));
        QCOMPARE(guids.size(), size_t(guid.isEmpty() ? 0 : 1));
        if (!guid.isEmpty())
            QCOMPARE(guids[0].text, guid);

        // Off takes nothing away from the file.
        const QByteArray podcast = doc.feed()->PrintToString();
        QVERIFY(podcast.contains(" xmlns:itunes=\"http://www.itunes.com/dtds/podcast-1.0.dtd\" xmlns:podcast=\"https://podcastindex.org/namespace/1.0\">"));
        QCOMPARE(podcast.count("xmlns:"), plain.count("xmlns:") + 2);
        QVERIFY(doc.SetPodcast(false));
        QVERIFY(!doc.IsPodcast());
        QCOMPARE(doc.feed()->PrintToString(), podcast);
        QVERIFY(doc.InsertNewPost());
        QVERIFY(doc.feed()->GetPostElements(0, kExplicit).empty());

        // Saved with the declarations, it opens as a podcast.
        QVERIFY(doc.OnSaveDocument(fixture.path));
        QVERIFY(doc.OnOpenDocument(fixture.path));
        QVERIFY(doc.IsPodcast());
    }

    // A blog gets the self link only: the iTunes tag would make it a podcast.
    void moveFeed_ofABlog_changesOnlyTheSelfLink()
    {
        DocumentFixture fixture;
        openXml(fixture, "<rss version=\"2.0\">\n<channel>\n<title>T</title>\n<item><title>A</title></item>\n</channel>\n</rss>\n");
        CRSSEditDoc &doc = fixture.doc;
        const QByteArray before = doc.feed()->PrintToString();
        QVERIFY(!doc.MoveFeed(QString(), QStringLiteral(" ")));
        QVERIFY(doc.MoveFeed(QString(), QStringLiteral("https://example.net/feed.xml")));
        QVERIFY(!doc.IsPodcast());
        QCOMPARE(doc.FeedAddress(), QStringLiteral("https://example.net/feed.xml"));
        QVERIFY(doc.feed()->GetChannelElements(QStringLiteral("itunes:new-feed-url")).empty());
        QVERIFY(!doc.MoveFeed(QStringLiteral("https://example.net/feed.xml"), QStringLiteral("https://example.net/feed.xml")));
        QCOMPARE(doc.undoStack()->count(), 1);
        doc.undo();
        QCOMPARE(doc.feed()->PrintToString(), before);
    }

    // --- Field paths ---

    void fieldPath_childText_madeKeptAndRemovedWithLastChild()
    {
        const CFieldPath url(QStringLiteral("image"), QStringLiteral("url"));
        const CFieldPath title(QStringLiteral("image"), QStringLiteral("title"));
        std::vector<FeedElement> images = url.withValue({}, QStringLiteral("http://example.org/a.png"));
        QCOMPARE(images.size(), size_t(1));
        QCOMPARE(images[0].name, QStringLiteral("image"));
        QCOMPARE(url.valueOf(images), QStringLiteral("http://example.org/a.png"));

        images = title.withValue(images, QStringLiteral("A"));
        images = url.withValue(images, QString());
        // The title keeps the image.
        QCOMPARE(images.size(), size_t(1));
        QCOMPARE(url.valueOf(images), QString());
        QCOMPARE(title.valueOf(images), QStringLiteral("A"));
        // Emptied, the image goes; clearing what is missing makes nothing.
        QVERIFY(title.withValue(images, QString()).empty());
        QVERIFY(title.withValue({}, QString()).empty());
        QCOMPARE(CFieldPath(QStringLiteral("ttl")).withValue({element(QStringLiteral("ttl"), QStringLiteral("60"))},
                                                               QStringLiteral("90"))[0].text,
                 QStringLiteral("90"));
    }

    void fieldPath_selector_picksItsElementAndLeavesOthers()
    {
        CFieldPath self(QStringLiteral("atom:link"), QString(), QStringLiteral("href"));
        self.where(QStringLiteral("rel"), QStringLiteral("self"));
        const std::vector<FeedElement> links = {
            element(QStringLiteral("atom:link"), {}, {{QStringLiteral("rel"), QStringLiteral("hub")}, {QStringLiteral("href"), QStringLiteral("http://hub.example.org/")}}),
        };
        QCOMPARE(self.valueOf(links), QString());

        std::vector<FeedElement> changed = self.withValue(links, QStringLiteral("http://example.org/feed.xml"));
        QCOMPARE(changed.size(), size_t(2));
        QCOMPARE(changed[0], links[0]);
        QCOMPARE(changed[1].attribute(QStringLiteral("rel")), QStringLiteral("self"));
        QCOMPARE(self.valueOf(changed), QStringLiteral("http://example.org/feed.xml"));

        // A type beside the address does not keep a cleared self link.
        changed[1].setAttribute(QStringLiteral("type"), QStringLiteral("application/rss+xml"));
        changed = self.withValue(changed, QString());
        QCOMPARE(changed.size(), size_t(1));
        QCOMPARE(changed[0], links[0]);
    }

    void fieldPath_attributeOfChild_nestedCategory()
    {
        const QString name = QStringLiteral("itunes:category");
        const QString text = QStringLiteral("text");
        const CFieldPath top(name, QString(), text);
        const CFieldPath sub(name, name, text);
        FeedElement category = element(name, {}, {{text, QStringLiteral("Technology")}});
        sub.setValueIn(category, QStringLiteral("Podcasting"));
        QCOMPARE(sub.valueIn(category), QStringLiteral("Podcasting"));
        QCOMPARE(top.valueIn(category), QStringLiteral("Technology"));
        QCOMPARE(category.children.size(), size_t(1));
        sub.setValueIn(category, QStringLiteral("Gadgets"));
        QCOMPARE(category.children.size(), size_t(1));
        sub.setValueIn(category, QString());
        QVERIFY(category.children.empty());
        QCOMPARE(sub.key(), QStringLiteral("itunes:category/itunes:category@text"));
    }
};

QTEST_GUILESS_MAIN(TestDocumentElements)
#include "tst_documentelements.moc"
