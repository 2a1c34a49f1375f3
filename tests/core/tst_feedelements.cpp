#include "TestFiles.h"
#include "core/FeedVocabulary.h"
#include "core/RssFeed.h"

#include "LineDiff.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

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
static const QByteArray kFeed = readFile(QStringLiteral(TIDREL_TEST_DATA_DIR "/podcast-layout.xml"));

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


// --- An independent reading of a feed file, for the corpus ---

// The canonical name of the element the reader stands on, from the
// namespace URIs as the podcast directories publish them.
static QString canonicalName(const QXmlStreamReader &xml)
{
    const QString uri = xml.namespaceUri().toString();
    QString prefix;
    if (uri.compare(QLatin1String("http://www.itunes.com/dtds/podcast-1.0.dtd"), Qt::CaseInsensitive) == 0)
        prefix = QStringLiteral("itunes");
    else if (uri == QLatin1String("https://podcastindex.org/namespace/1.0") || uri.startsWith(QLatin1String("https://github.com/Podcastindex-org/")))
        prefix = QStringLiteral("podcast");
    else if (uri == QLatin1String("http://www.w3.org/2005/Atom"))
        prefix = QStringLiteral("atom");
    return prefix.isEmpty() ? xml.qualifiedName().toString() : prefix + QLatin1Char(':') + xml.name().toString();
}

// The element the reader stands on, read to its end.
static FeedElement readElement(QXmlStreamReader &xml)
{
    FeedElement read{canonicalName(xml), {}, QString(), {}};
    for (const QXmlStreamAttribute &attribute : xml.attributes())
        read.attributes.append({attribute.qualifiedName().toString(), attribute.value().toString()});
    while (xml.readNext() != QXmlStreamReader::EndElement && !xml.hasError()) {
        if (xml.isStartElement())
            read.children.push_back(readElement(xml));
        else if (xml.isCharacters())
            read.text += xml.text();
    }
    if (!read.children.empty())
        read.text.clear();
    return read;
}

// The children of the channel, and those of each item.
struct FileElements
{
    Elements channel;
    std::vector<Elements> posts;
};

static FileElements readFileElements(const QByteArray &bytes)
{
    FileElements found;
    QXmlStreamReader xml(bytes);
    xml.readNextStartElement(); // rss
    while (xml.readNextStartElement() && xml.name() != QLatin1String("channel"))
        xml.skipCurrentElement();
    while (xml.readNextStartElement()) {
        if (xml.name() != QLatin1String("item")) {
            found.channel.push_back(readElement(xml));
            continue;
        }
        found.posts.emplace_back();
        while (xml.readNextStartElement())
            found.posts.back().push_back(readElement(xml));
    }
    return found;
}

static Elements named(const Elements &elements, const QString &name)
{
    Elements found;
    std::copy_if(elements.begin(), elements.end(), std::back_inserter(found), [&](const FeedElement &e) { return e.name == name; });
    return found;
}

class TestFeedElements : public QObject
{
    Q_OBJECT

    QTemporaryDir m_temp;
    int m_files = 0;

    QString newPath() { return m_temp.filePath(QStringLiteral("feed%1.xml").arg(++m_files)); }

    bool load(CRssFeed &feed, const QByteArray &xml)
    {
        const QString path = newPath();
        QString error;
        const bool loaded = writeFile(path, xml) && feed.LoadFromFile(path, &error);
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
        QTest::newRow("channel text added, escaped")
                << true << "copyright" << QList{element("copyright", "© Me & Co <1>")}
                << Replacements{{itemOpen, "    <copyright>© Me &amp; Co &lt;1&gt;</copyright>\n" + itemOpen}} << kFeed;
        QTest::newRow("category added after the first, with domain")
                << true << "category"
                << QList{element("category", "News", {{"domain", "http://example.org/c"}}),
                         element("category", "Tech & Science", {{"domain", "x\"y"}})}
                << Replacements{{"News</category>\n", "News</category>\n    <category domain=\"x&quot;y\">Tech &amp; Science</category>\n"}}
                << replaced(kFeed, {{"    <category domain=\"http://example.org/c\">News</category>\n", ""}});
        QTest::newRow("cloud with five attributes")
                << true << "cloud"
                << QList{element("cloud", QString(), {{"domain", "rpc.example.org"}, {"port", "80"}, {"path", "/RPC2"},
                                                      {"registerProcedure", "ping"}, {"protocol", "xml-rpc"}})}
                << Replacements{{itemOpen, "    <cloud domain=\"rpc.example.org\" port=\"80\" path=\"/RPC2\" "
                                           "registerProcedure=\"ping\" protocol=\"xml-rpc\"/>\n" + itemOpen}}
                << kFeed;
        QTest::newRow("nested itunes category, & escaped")
                << true << "itunes:category"
                << QList{element("itunes:category", QString(), {{"text", "Arts"}}, {element("itunes:category", QString(), {{"text", "Design"}})}),
                         element("itunes:category", QString(), {{"text", "TV & Film"}})}
                << Replacements{{"    </itunes:category>\n", "    </itunes:category>\n    <itunes:category text=\"TV &amp; Film\"/>\n"}}
                << replaced(kFeed, {{"    <itunes:category text=\"Arts\">\n      <itunes:category text=\"Design\"/>\n    </itunes:category>\n", ""}});

        QTest::newRow("guid becomes a permalink")
                << false << "guid" << QList{element("guid", "http://example.org/1", {{"isPermaLink", "true"}})}
                << Replacements{{"<guid isPermaLink=\"false\">one</guid>", "<guid isPermaLink=\"true\">http://example.org/1</guid>"}}
                << replaced(kFeed, {{"      <guid isPermaLink=\"false\">one</guid>\n", ""}});
        QTest::newRow("two categories")
                << false << "category"
                << QList{element("category", "A"), element("category", "B", {{"domain", "http://example.org/t"}})}
                << Replacements{{"one</guid>\n", "one</guid>\n      <category>A</category>\n      <category domain=\"http://example.org/t\">B</category>\n"}}
                << kFeed;
        QTest::newRow("second enclosure, first changed")
                << false << "enclosure"
                << QList{element("enclosure", QString(), {{"url", "http://example.org/1.mp3"}, {"length", "2048"}, {"type", "audio/mpeg"}}),
                         element("enclosure", QString(), {{"url", "http://example.org/1.m4a"}, {"length", "9"}, {"type", "audio/x-m4a"}})}
                << Replacements{{"length=\"10\" type=\"audio/mpeg\"/>\n",
                                 "length=\"2048\" type=\"audio/mpeg\"/>\n      <enclosure url=\"http://example.org/1.m4a\" length=\"9\" type=\"audio/x-m4a\"/>\n"}}
                << replaced(kFeed, {{"      <enclosure url=\"http://example.org/1.mp3\" length=\"10\" type=\"audio/mpeg\"/>\n", ""}});
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

    // --- Namespaces, prefixes, encodings and layouts of other files ---

    void setElements_followsTheFile_data()
    {
        QTest::addColumn<QString>("folder"); // data/elements/FOLDER: the feed, and the file it is saved as
        QTest::addColumn<bool>("channel");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QList<FeedElement>>("elements");

        QTest::newRow("undeclared namespace goes on rss")
                << "undeclared-namespace-goes-on-rss" << true << "itunes:block" << QList{element("itunes:block", "Yes")};
        QTest::newRow("one attribute a line")
                << "one-attribute-a-line" << true << "podcast:medium" << QList{element("podcast:medium", "music")};
        QTest::newRow("declared on the channel")
                << "declared-on-the-channel" << true << "itunes:type" << QList{element("itunes:type", "serial")};
        QTest::newRow("declared on the item")
                << "declared-on-the-item" << false << "itunes:season" << QList{element("itunes:season", "2")};
        QTest::newRow("the file's own prefix")
                << "the-file-s-own-prefix" << true << "itunes:block" << QList{element("itunes:block", "Yes"), element("itunes:block", "No")};
        // The older spelling of the podcast namespace is the same namespace.
        QTest::newRow("podcast namespace in its older spelling")
                << "podcast-namespace-in-its-older-spelling" << true << "podcast:medium" << QList{element("podcast:medium", "music")};
        QTest::newRow("prefix taken by another namespace")
                << "prefix-taken-by-another-namespace" << true << "itunes:author" << QList{element("itunes:author", "Me")};
        // The element keeps the declaration it carries; a new one of the
        // same namespace needs one on rss.
        QTest::newRow("declaration on the element itself")
                << "declaration-on-the-element-itself" << true << "atom:link"
                << QList{element("atom:link", QString(), {{"rel", "self"}, {"type", "application/rss+xml"}, {"href", "http://b/"}}),
                         element("atom:link", QString(), {{"rel", "hub"}, {"href", "http://hub/"}})};
        // Children line up with those they join, however far the element
        // itself is indented; empty tags close as the file closes them.
        QTest::newRow("layout of the element's children")
                << "layout-of-the-element-s-children" << true << "itunes:category"
                << QList{element("itunes:category", QString(), {{"text", "A"}},
                                 {element("itunes:category", QString(), {{"text", "B"}}), element("itunes:category", QString(), {{"text", "C"}})})};
        QTest::newRow("prefix the file never declares")
                << "prefix-the-file-never-declares" << true << "itunes:block" << QList{element("itunes:block", "Yes")};
        QTest::newRow("default namespace on rss")
                << "default-namespace-on-rss" << true << "title" << QList{element("title", "New")};
        // No white space between elements: none added; a character Latin-1
        // lacks as a reference.
        QTest::newRow("minified ISO-8859-1")
                << "minified-iso-8859-1" << true << "image" << QList{element("image", QString(), {}, {element("url", "u"), element("title", "Caf\u00e9 \u20ac")})};
        QTest::newRow("attribute in ISO-8859-1")
                << "attribute-in-iso-8859-1" << true << "category" << QList{element("category", "c", {{"domain", "\u00e9\u20ac\uFEFF\U0001F600"}})};
        QTest::newRow("CRLF and tabs")
                << "crlf-and-tabs" << true << "itunes:owner" << QList{element("itunes:owner", QString(), {}, {element("itunes:name", "Jo")})};
    }

    void setElements_followsTheFile()
    {
        QFETCH(QString, folder);
        QFETCH(bool, channel);
        QFETCH(QString, name);
        QFETCH(QList<FeedElement>, elements);
        const QString cases = QStringLiteral(TIDREL_TEST_DATA_DIR "/elements/");
        const QByteArray xml = readFile(cases + folder + QStringLiteral("/feed.xml"));
        const QByteArray expected = readFile(cases + folder + QStringLiteral("/expected.xml"));
        const Elements wanted(elements.begin(), elements.end());

        CRssFeed feed;
        QVERIFY(load(feed, xml));
        QVERIFY(set(feed, channel, name, wanted));
        CRssFeed reloaded;
        QCOMPARE(saveAndReload(feed, reloaded), expected);
        QCOMPARE(elementsOf(reloaded, channel, name), wanted);
        // Written again, nothing is declared twice.
        Elements more = wanted;
        more.push_back(wanted.back());
        more.back().text += QStringLiteral("2");
        QVERIFY(set(reloaded, channel, name, more));
        const QByteArray again = reloaded.PrintToString();
        QCOMPARE(again.count("xmlns:"), expected.count("xmlns:"));
    }

    // --- Text fields cleared, other elements listed ---

    void clearedTextField_removesOptionalElementOnly()
    {
        CRssFeed feed;
        QVERIFY(load(feed, "<rss><channel>\n  <title>T</title>\n  <language>en</language>\n\n  <docs>d</docs>\n"
                           "  <item>\n    <title>A</title>\n    <link>http://a/</link>\n    <author>me</author>\n"
                           "    <guid>http://a/</guid>\n  </item>\n</channel></rss>"));
        QVERIFY(feed.SetChannelField("language", QString()));
        QVERIFY(feed.SetChannelField("docs", QString()));
        QVERIFY(feed.SetChannelField("title", QString()));
        QVERIFY(feed.SetPostLink(0, QString()));
        QVERIFY(feed.SetPostAuthor(0, QString()));
        QVERIFY(feed.SetPostTitle(0, QString()));
        // The blank line before docs stays; the guid keeps the post's name.
        QCOMPARE(feed.PrintToString(), QByteArray("<rss><channel>\n  <title></title>\n\n"
                                                  "  <item>\n    <title></title>\n    <guid>http://a/</guid>\n  </item>\n</channel></rss>"));

        // Removed, the first of two links would give the field the second's value.
        QVERIFY(load(feed, "<rss><channel><item><link>a</link><link>b</link></item></channel></rss>"));
        QVERIFY(feed.SetPostLink(0, QString()));
        QCOMPARE(feed.GetPostLink(0), QString());
        QCOMPARE(feed.PrintToString(), QByteArray("<rss><channel><item><link></link><link>b</link></item></channel></rss>"));
    }

    void otherElements_areThoseNotEdited()
    {
        CRssFeed feed;
        QVERIFY(load(feed, "<rss xmlns:it=\"http://www.itunes.com/dtds/podcast-1.0.dtd\" xmlns:media=\"http://search.yahoo.com/mrss/\">"
                           "<channel><title>T</title><it:summary>S</it:summary><it:author>A</it:author>"
                           "<item><title>I</title><media:content url=\"u\"/><it:duration>1</it:duration><content:encoded xmlns:content=\"c\">x</content:encoded></item>"
                           "<generator>g</generator><blogChannel>b</blogChannel></channel></rss>"));
        using Others = std::vector<std::pair<QString, QString>>;
        QCOMPARE(feed.GetOtherChannelElements(), (Others{{"it:summary", "<it:summary>S</it:summary>"}, {"blogChannel", "<blogChannel>b</blogChannel>"}}));
        QCOMPARE(feed.GetOtherPostElements(0), (Others{{"media:content", "<media:content url=\"u\"/>"},
                                                       {"content:encoded", "<content:encoded xmlns:content=\"c\">x</content:encoded>"}}));
        QVERIFY(!feed.SetChannelElements(QStringLiteral("item"), {}));
        QCOMPARE(feed.GetPostCount(), 1);
    }

    // --- The podcast feeds of the corpus ---

    void podcastCorpus_elementsReadAsTheFileHoldsThem_data()
    {
        QTest::addColumn<QString>("path");
        const QDir folder(QStringLiteral(TIDREL_CORPUS_DIR "/rss"));
        if (!folder.exists())
            QSKIP("The feed corpus is not present");
        for (const QString &file : folder.entryList({QStringLiteral("*podcast*"), QStringLiteral("*itunes*")}, QDir::Files))
            QTest::newRow(qPrintable(file)) << folder.filePath(file);
    }

    void podcastCorpus_elementsReadAsTheFileHoldsThem()
    {
        QFETCH(QString, path);
        const QByteArray bytes = readFile(path);
        const FileElements file = readFileElements(bytes);
        CRssFeed feed;
        QString error;
        QVERIFY2(feed.LoadFromFile(path, &error), qPrintable(error));
        QCOMPARE(size_t(feed.GetPostCount()), file.posts.size());
        int held = 0;
        for (const QString &name : CFeedVocabulary::channelElements()) {
            QCOMPARE(feed.GetChannelElements(name), named(file.channel, name));
            held += int(named(file.channel, name).size());
        }
        for (int post = 0; post < feed.GetPostCount(); ++post) {
            for (const QString &name : CFeedVocabulary::postElements())
                QCOMPARE(feed.GetPostElements(post, name), named(file.posts[size_t(post)], name));
        }
        QVERIFY(held > 5);

        // A changed enclosure is the only change of the saved file.
        Elements enclosures = feed.GetPostElements(0, QStringLiteral("enclosure"));
        if (enclosures.empty())
            return;
        const QString length = enclosures[0].attribute(QStringLiteral("length"));
        enclosures[0].setAttribute(QStringLiteral("length"), QStringLiteral("123456789"));
        QVERIFY(feed.SetPostElements(0, QStringLiteral("enclosure"), enclosures));
        const QString saved = newPath();
        QVERIFY(feed.SaveToFile(saved));
        const LineDiff diff = LineDiff::of(bytes, readFile(saved));
        QVERIFY2(diff.removed.size() <= 3 && diff.added.size() == 1, diff.removed.join('\n').constData());
        QVERIFY(diff.removed.join('\n').contains("length=\"" + length.toUtf8() + '"'));
        QVERIFY(diff.added[0].contains("length=\"123456789\""));
        CRssFeed reloaded;
        QVERIFY(reloaded.LoadFromFile(saved));
        QCOMPARE(reloaded.GetPostElements(0, QStringLiteral("enclosure")), enclosures);
    }
};

QTEST_GUILESS_MAIN(TestFeedElements)
#include "tst_feedelements.moc"
