#include "TestFiles.h"
#include "core/FeedVocabulary.h"
#include "core/RssFeed.h"

#include <QTemporaryDir>
#include <QTest>

// The feed's elements as values: each group of channel and item elements
// set, read back from the saved file and cleared, with the saved file
// differing from the original only where the elements changed; namespace
// declarations added once and only when needed.

Q_DECLARE_METATYPE(FeedElement)

using Elements = std::vector<FeedElement>;
using Replacements = QList<QPair<QByteArray, QByteArray>>;

static FeedElement element(const QString &name, const QString &text, const QList<QPair<QString, QString>> &attributes = {},
                           const Elements &children = {})
{
    return FeedElement{name, attributes, text, children};
}

// A podcast feed laid out by hand: two-space steps, LF line ends.
static const QByteArray kFeed =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<rss version=\"2.0\" xmlns:itunes=\"http://www.itunes.com/dtds/podcast-1.0.dtd\">\n"
        "  <channel>\n"
        "    <title>Show</title>\n"
        "    <link>http://example.org/</link>\n"
        "    <description>All about it</description>\n"
        "    <language>en</language>\n"
        "    <category domain=\"http://example.org/c\">News</category>\n"
        "    <image>\n"
        "      <url>http://example.org/i.png</url>\n"
        "      <title>Show</title>\n"
        "      <link>http://example.org/</link>\n"
        "    </image>\n"
        "    <skipHours>\n"
        "      <hour>1</hour>\n"
        "    </skipHours>\n"
        "    <itunes:explicit>false</itunes:explicit>\n"
        "    <itunes:category text=\"Arts\">\n"
        "      <itunes:category text=\"Design\"/>\n"
        "    </itunes:category>\n"
        "    <item>\n"
        "      <title>One</title>\n"
        "      <pubDate>Mon, 02 Mar 2026 09:00:00 GMT</pubDate>\n"
        "      <guid isPermaLink=\"false\">one</guid>\n"
        "      <enclosure url=\"http://example.org/1.mp3\" length=\"10\" type=\"audio/mpeg\"/>\n"
        "      <itunes:duration>1:00</itunes:duration>\n"
        "    </item>\n"
        "  </channel>\n"
        "</rss>\n";

static QByteArray replaced(QByteArray text, const Replacements &replacements)
{
    for (const auto &[from, to] : replacements) {
        const qsizetype at = text.indexOf(from);
        if (at < 0)
            return "<not found: " + from + ">";
        text.replace(at, from.size(), to);
    }
    return text;
}

class TestFeedElements : public QObject
{
    Q_OBJECT

    QTemporaryDir m_temp;
    int m_files = 0;

    QString newPath() { return m_temp.filePath(QStringLiteral("feed%1.xml").arg(++m_files)); }

    bool load(CRssFeed &feed, const QByteArray &xml)
    {
        QString error;
        const bool loaded = writeFile(newPath(), xml) && feed.LoadFromFile(m_temp.filePath(QStringLiteral("feed%1.xml").arg(m_files)), &error);
        if (!loaded)
            qWarning("%s", qPrintable(error));
        return loaded;
    }

    // Saves and opens the file again.
    QByteArray saveAndReload(CRssFeed &feed, CRssFeed &reloaded)
    {
        const QString path = newPath();
        QString error;
        if (!feed.SaveToFile(path, &error) || !reloaded.LoadFromFile(path, &error))
            qWarning("%s", qPrintable(error));
        return readFile(path);
    }

    static Elements elementsOf(const CRssFeed &feed, bool channel, const QString &name)
    {
        return channel ? feed.GetChannelElements(name) : feed.GetPostElements(0, name);
    }

    static bool set(CRssFeed &feed, bool channel, const QString &name, const Elements &elements)
    {
        return channel ? feed.SetChannelElements(name, elements) : feed.SetPostElements(0, name, elements);
    }

private slots:
    void initTestCase() { QVERIFY(m_temp.isValid()); }

    // --- Each group: set, reload, clear ---

    void setElements_writesOnlyTheChange_data()
    {
        QTest::addColumn<bool>("channel");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QList<FeedElement>>("elements");
        QTest::addColumn<Replacements>("replacements");
        QTest::addColumn<QByteArray>("cleared"); // the file's text once the elements are cleared

        const QByteArray itemOpen = "    <item>\n";
        QTest::newRow("channel text changed")
                << true << "language" << QList{element("language", "fr")}
                << Replacements{{"<language>en<", "<language>fr<"}}
                << replaced(kFeed, {{"    <language>en</language>\n", ""}});
        QTest::newRow("channel text added, escaped")
                << true << "copyright" << QList{element("copyright", "© Me & Co <1>")}
                << Replacements{{itemOpen, "    <copyright>© Me &amp; Co &lt;1&gt;</copyright>\n" + itemOpen}} << kFeed;
        QTest::newRow("category added after the first, with domain")
                << true << "category"
                << QList{element("category", "News", {{"domain", "http://example.org/c"}}),
                         element("category", "Tech & Science", {{"domain", "x\"y"}})}
                << Replacements{{"News</category>\n", "News</category>\n    <category domain=\"x&quot;y\">Tech &amp; Science</category>\n"}}
                << replaced(kFeed, {{"    <category domain=\"http://example.org/c\">News</category>\n", ""}});
        QTest::newRow("image gets a width")
                << true << "image"
                << QList{element("image", QString(), {},
                                 {element("url", "http://example.org/i.png"), element("title", "Show"),
                                  element("link", "http://example.org/"), element("width", "144")})}
                << Replacements{{"      <link>http://example.org/</link>\n    </image>",
                                 "      <link>http://example.org/</link>\n      <width>144</width>\n    </image>"}}
                << replaced(kFeed, {{"    <image>\n      <url>http://example.org/i.png</url>\n      <title>Show</title>\n"
                                     "      <link>http://example.org/</link>\n    </image>\n", ""}});
        QTest::newRow("cloud with five attributes")
                << true << "cloud"
                << QList{element("cloud", QString(), {{"domain", "rpc.example.org"}, {"port", "80"}, {"path", "/RPC2"},
                                                      {"registerProcedure", "ping"}, {"protocol", "xml-rpc"}})}
                << Replacements{{itemOpen, "    <cloud domain=\"rpc.example.org\" port=\"80\" path=\"/RPC2\" "
                                           "registerProcedure=\"ping\" protocol=\"xml-rpc\"/>\n" + itemOpen}}
                << kFeed;
        QTest::newRow("textInput with four fields")
                << true << "textInput"
                << QList{element("textInput", QString(), {},
                                 {element("title", "Search"), element("description", "Find"), element("name", "q"),
                                  element("link", "http://example.org/s")})}
                << Replacements{{itemOpen, "    <textInput>\n      <title>Search</title>\n      <description>Find</description>\n"
                                           "      <name>q</name>\n      <link>http://example.org/s</link>\n    </textInput>\n" + itemOpen}}
                << kFeed;
        QTest::newRow("skipHours gets an hour")
                << true << "skipHours"
                << QList{element("skipHours", QString(), {}, {element("hour", "1"), element("hour", "23")})}
                << Replacements{{"<hour>1</hour>\n", "<hour>1</hour>\n      <hour>23</hour>\n"}}
                << replaced(kFeed, {{"    <skipHours>\n      <hour>1</hour>\n    </skipHours>\n", ""}});
        QTest::newRow("skipDays added")
                << true << "skipDays"
                << QList{element("skipDays", QString(), {}, {element("day", "Saturday"), element("day", "Sunday")})}
                << Replacements{{itemOpen, "    <skipDays>\n      <day>Saturday</day>\n      <day>Sunday</day>\n    </skipDays>\n" + itemOpen}}
                << kFeed;
        QTest::newRow("itunes text element changed")
                << true << "itunes:explicit" << QList{element("itunes:explicit", "true")}
                << Replacements{{"<itunes:explicit>false<", "<itunes:explicit>true<"}}
                << replaced(kFeed, {{"    <itunes:explicit>false</itunes:explicit>\n", ""}});
        QTest::newRow("nested itunes category, & escaped")
                << true << "itunes:category"
                << QList{element("itunes:category", QString(), {{"text", "Arts"}}, {element("itunes:category", QString(), {{"text", "Design"}})}),
                         element("itunes:category", QString(), {{"text", "TV & Film"}})}
                << Replacements{{"    </itunes:category>\n", "    </itunes:category>\n    <itunes:category text=\"TV &amp; Film\"/>\n"}}
                << replaced(kFeed, {{"    <itunes:category text=\"Arts\">\n      <itunes:category text=\"Design\"/>\n    </itunes:category>\n", ""}});
        QTest::newRow("itunes owner")
                << true << "itunes:owner"
                << QList{element("itunes:owner", QString(), {}, {element("itunes:name", "Jo"), element("itunes:email", "jo@example.org")})}
                << Replacements{{itemOpen, "    <itunes:owner>\n      <itunes:name>Jo</itunes:name>\n"
                                           "      <itunes:email>jo@example.org</itunes:email>\n    </itunes:owner>\n" + itemOpen}}
                << kFeed;

        QTest::newRow("post pubDate changed")
                << false << "pubDate" << QList{element("pubDate", "Tue, 03 Mar 2026 10:00:00 GMT")}
                << Replacements{{"Mon, 02 Mar 2026 09:00:00 GMT", "Tue, 03 Mar 2026 10:00:00 GMT"}}
                << replaced(kFeed, {{"      <pubDate>Mon, 02 Mar 2026 09:00:00 GMT</pubDate>\n", ""}});
        QTest::newRow("guid becomes a permalink")
                << false << "guid" << QList{element("guid", "http://example.org/1", {{"isPermaLink", "true"}})}
                << Replacements{{"<guid isPermaLink=\"false\">one</guid>", "<guid isPermaLink=\"true\">http://example.org/1</guid>"}}
                << replaced(kFeed, {{"      <guid isPermaLink=\"false\">one</guid>\n", ""}});
        QTest::newRow("comments added after the guid")
                << false << "comments" << QList{element("comments", "http://example.org/1#c")}
                << Replacements{{"one</guid>\n", "one</guid>\n      <comments>http://example.org/1#c</comments>\n"}} << kFeed;
        QTest::newRow("two categories")
                << false << "category"
                << QList{element("category", "A"), element("category", "B", {{"domain", "http://example.org/t"}})}
                << Replacements{{"one</guid>\n", "one</guid>\n      <category>A</category>\n      <category domain=\"http://example.org/t\">B</category>\n"}}
                << kFeed;
        QTest::newRow("source with url")
                << false << "source" << QList{element("source", "Other", {{"url", "http://example.org/other.xml"}})}
                << Replacements{{"one</guid>\n", "one</guid>\n      <source url=\"http://example.org/other.xml\">Other</source>\n"}} << kFeed;
        QTest::newRow("second enclosure, first changed")
                << false << "enclosure"
                << QList{element("enclosure", QString(), {{"url", "http://example.org/1.mp3"}, {"length", "2048"}, {"type", "audio/mpeg"}}),
                         element("enclosure", QString(), {{"url", "http://example.org/1.m4a"}, {"length", "9"}, {"type", "audio/x-m4a"}})}
                << Replacements{{"length=\"10\" type=\"audio/mpeg\"/>\n",
                                 "length=\"2048\" type=\"audio/mpeg\"/>\n      <enclosure url=\"http://example.org/1.m4a\" length=\"9\" type=\"audio/x-m4a\"/>\n"}}
                << replaced(kFeed, {{"      <enclosure url=\"http://example.org/1.mp3\" length=\"10\" type=\"audio/mpeg\"/>\n", ""}});
        QTest::newRow("itunes duration changed")
                << false << "itunes:duration" << QList{element("itunes:duration", "1:02:03")}
                << Replacements{{">1:00<", ">1:02:03<"}}
                << replaced(kFeed, {{"      <itunes:duration>1:00</itunes:duration>\n", ""}});
        QTest::newRow("itunes episode added")
                << false << "itunes:episode" << QList{element("itunes:episode", "7")}
                << Replacements{{"one</guid>\n", "one</guid>\n      <itunes:episode>7</itunes:episode>\n"}} << kFeed;
        QTest::newRow("podcast transcript declares its namespace")
                << false << "podcast:transcript"
                << QList{element("podcast:transcript", QString(), {{"url", "http://example.org/1.vtt"}, {"type", "text/vtt"},
                                                                   {"language", "en"}, {"rel", "captions"}})}
                << Replacements{{"xmlns:itunes=\"http://www.itunes.com/dtds/podcast-1.0.dtd\">",
                                 "xmlns:itunes=\"http://www.itunes.com/dtds/podcast-1.0.dtd\" xmlns:podcast=\"https://podcastindex.org/namespace/1.0\">"},
                                {"one</guid>\n", "one</guid>\n      <podcast:transcript url=\"http://example.org/1.vtt\" type=\"text/vtt\" language=\"en\" rel=\"captions\"/>\n"}}
                << replaced(kFeed, {{"xmlns:itunes=\"http://www.itunes.com/dtds/podcast-1.0.dtd\">",
                                     "xmlns:itunes=\"http://www.itunes.com/dtds/podcast-1.0.dtd\" xmlns:podcast=\"https://podcastindex.org/namespace/1.0\">"}});
    }

    void setElements_writesOnlyTheChange()
    {
        QFETCH(bool, channel);
        QFETCH(QString, name);
        QFETCH(QList<FeedElement>, elements);
        QFETCH(Replacements, replacements);
        QFETCH(QByteArray, cleared);
        const Elements wanted(elements.begin(), elements.end());

        CRssFeed feed;
        QVERIFY(load(feed, kFeed));
        QVERIFY(set(feed, channel, name, wanted));
        QVERIFY(!set(feed, channel, name, wanted)); // the same values change nothing
        CRssFeed reloaded;
        QCOMPARE(saveAndReload(feed, reloaded), replaced(kFeed, replacements));
        QCOMPARE(elementsOf(reloaded, channel, name), wanted);

        QVERIFY(set(reloaded, channel, name, {}));
        CRssFeed clearedFeed;
        QCOMPARE(saveAndReload(reloaded, clearedFeed), cleared);
        QVERIFY(elementsOf(clearedFeed, channel, name).empty());
    }
};

QTEST_GUILESS_MAIN(TestFeedElements)
#include "tst_feedelements.moc"
