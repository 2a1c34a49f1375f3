#include "core/ProductInfo.h"
#include "core/PubDate.h"
#include "core/RssFeed.h"

#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// The feed model: posts addressed by position among the channel's items,
// their fields, and the structural operations; the tree of a new feed and
// the exact text it is written as.
class TestRssFeed : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    // Finding posts
    void getPostCount_countsOnlyItemsOfChannel();
    void feedWithoutRssOrChannel_hasNoPostsAndTakesNone_data();
    void feedWithoutRssOrChannel_hasNoPostsAndTakesNone();
    void findPost_negativeIndexGivesFirst_pastEndGivesNone();
    void openPost_onlyForExistingIndex();

    // Fields
    void getField_readsFirstTextChildOnly();
    void setPostAuthor_missingOrEmptyElement_failsAndChangesNothing_data();
    void setPostAuthor_missingOrEmptyElement_failsAndChangesNothing();
    void setPostTitle_stampsPubDate();
    void setPostLink_rewritesGuidFromLink();
    void setPostLink_itemWithoutGuid_stillSetsLink();
    void setPostDescription_storesHtmlAsEscapedText();
    void setPostDescription_keepsCdata_unlessTextEndsIt();
    void setPostTitle_otherScripts_readBackUnchanged();
    void postRef_setDescription_appliesFilter_feedDoesNot();

    // Structure
    void addNewPost_becomesPostZeroWithDefaultFields();
    void addNewPost_emptyChannel_appendsAsLastChild();
    void addNewPost_goesBeforeFirstItemAmongHeaders();
    void copyPostToTop_deepCopyWithSameGuidAndDate();
    void removePost_shiftsLaterPosts();
    void postIndex_followsStructuralChangesAndDirectEdits();
    void collectLinks_givesDistinctSortedNonEmptyLinks();

    // Plain description
    void stripTags_removesClosedTags_data();
    void stripTags_removesClosedTags();
    void decodeBasicEntities_decodesOnlyTheFive_data();
    void decodeBasicEntities_decodesOnlyTheFive();
    void getPostPlainDescription_stripsThenDecodes();

    // New feed and written form
    void createNewFeed_writesExactTree();
    void createNewFeed_takesParametersAsText();
    void printToString_escapesTextAndControlCharacters();
    void newGuidText_is32LowerHexDigits();

private:
    bool load(CRssFeed &feed, const QByteArray &xml);
    QTemporaryDir m_temp;
    int m_fileNumber = 0;
};

static QByteArray feedWithItems(const QByteArray &items, const QByteArray &header = "<title>Feed</title>")
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<rss version=\"2.0\"><channel>" + header + items
            + "</channel></rss>\n";
}

static QByteArray item(const QByteArray &title, const QByteArray &more = QByteArray())
{
    return "<item><title>" + title + "</title><link>http://x/" + title
            + "</link><pubDate>01 Jan 2020 00:00:00 GMT</pubDate><guid>g-" + title + "</guid>" + more
            + "</item>";
}

static QStringList titles(const CRssFeed &feed)
{
    QStringList result;
    for (int i = 0; i < feed.GetPostCount(); ++i)
        result << feed.GetPostTitle(i);
    return result;
}

static QDateTime secondsNowUtc()
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    return QDateTime(now.date(), QTime(now.time().hour(), now.time().minute(), now.time().second()), Qt::UTC);
}

static bool isRecentPubDate(const QString &text)
{
    QDateTime read;
    if (!PubDate::ParsePubDatePattern(text, &read))
        return false;
    return qAbs(read.secsTo(secondsNowUtc())) <= 2;
}

bool TestRssFeed::load(CRssFeed &feed, const QByteArray &xml)
{
    const QString path = m_temp.filePath(QStringLiteral("feed%1.xml").arg(++m_fileNumber));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(xml) != xml.size())
        return false;
    file.close();
    QString error;
    const bool loaded = feed.LoadFromFile(path, &error);
    if (!loaded)
        qWarning("%s", qPrintable(error));
    return loaded;
}

void TestRssFeed::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_temp.isValid());
}

// --- Finding posts ---

void TestRssFeed::getPostCount_countsOnlyItemsOfChannel()
{
    CRssFeed feed;
    QVERIFY(load(feed, "<rss><item><title>outside</title></item><channel><title>F</title>"
                       "<item><title>A</title></item><category>c</category>"
                       "<item><title>B</title></item><docs>d</docs>"
                       "<other><item><title>nested</title></item></other>"
                       "<item><title>C</title></item></channel>"
                       "<channel><item><title>second channel</title></item></channel></rss>"));
    QCOMPARE(feed.GetPostCount(), 3);
    QCOMPARE(titles(feed), QStringList({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}));
}

void TestRssFeed::feedWithoutRssOrChannel_hasNoPostsAndTakesNone_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::newRow("root is not rss") << QByteArray("<feed><channel><item><title>A</title></item></channel></feed>");
    QTest::newRow("rss without channel") << QByteArray("<rss version=\"2.0\"><item><title>A</title></item></rss>");
}

void TestRssFeed::feedWithoutRssOrChannel_hasNoPostsAndTakesNone()
{
    QFETCH(QByteArray, xml);
    CRssFeed feed;
    QVERIFY(load(feed, xml));
    const QByteArray before = feed.PrintToString();
    QCOMPARE(feed.GetPostCount(), 0);
    QCOMPARE(feed.FindPost(0), nullptr);
    QCOMPARE(feed.GetPostTitle(-1), QString());
    QVERIFY(!feed.AddNewPost());
    QVERIFY(!feed.CopyPostToTop(0));
    QVERIFY(!feed.RemovePost(0));
    QCOMPARE(feed.PrintToString(), before);
}

void TestRssFeed::findPost_negativeIndexGivesFirst_pastEndGivesNone()
{
    CRssFeed feed;
    QVERIFY(load(feed, feedWithItems(item("A") + item("B"))));
    QCOMPARE(feed.GetPostTitle(-1), QStringLiteral("A"));
    QCOMPARE(feed.GetPostTitle(-7), QStringLiteral("A"));
    QCOMPARE(feed.FindPost(1), feed.FindChannel()->LastChild("item")->ToElement());
    QCOMPARE(feed.FindPost(2), nullptr);
    QCOMPARE(feed.GetPostTitle(2), QString());
}

void TestRssFeed::openPost_onlyForExistingIndex()
{
    CRssFeed feed;
    QVERIFY(load(feed, feedWithItems(item("A") + item("B"))));
    QCOMPARE(feed.OpenPost(-1), nullptr);
    QCOMPARE(feed.OpenPost(2), nullptr);
    std::unique_ptr<PostRef> post(feed.OpenPost(1));
    QVERIFY(post);
    QCOMPARE(post->GetTitle(), QStringLiteral("B"));
    QCOMPARE(post->GetLink(), QStringLiteral("http://x/B"));
    QCOMPARE(post->GetPubDate(), QStringLiteral("01 Jan 2020 00:00:00 GMT"));

    // A handle addresses a position: after an insertion it reads the post now there.
    QVERIFY(feed.AddNewPost());
    QCOMPARE(post->GetTitle(), QStringLiteral("A"));
}

// --- Fields ---

void TestRssFeed::getField_readsFirstTextChildOnly()
{
    CRssFeed feed;
    QVERIFY(load(feed, feedWithItems("<item><title><b>bold</b>text</title><link></link><author/>"
                                     "<description><![CDATA[<p>kept</p>]]></description>"
                                     "<pubDate><!-- none --></pubDate></item>")));
    QCOMPARE(feed.GetPostTitle(0), QString());
    QCOMPARE(feed.GetPostLink(0), QString());
    QCOMPARE(feed.GetPostAuthor(0), QString());
    QCOMPARE(feed.GetPostPubDate(0), QString());
    QCOMPARE(feed.GetPostDescription(0), QStringLiteral("<p>kept</p>"));
}

void TestRssFeed::setPostAuthor_missingOrEmptyElement_failsAndChangesNothing_data()
{
    QTest::addColumn<QByteArray>("extra");
    QTest::newRow("no author element") << QByteArray();
    QTest::newRow("empty author element") << QByteArray("<author></author>");
    QTest::newRow("author holding an element") << QByteArray("<author><name>n</name></author>");
}

void TestRssFeed::setPostAuthor_missingOrEmptyElement_failsAndChangesNothing()
{
    QFETCH(QByteArray, extra);
    CRssFeed feed;
    QVERIFY(load(feed, feedWithItems(item("A", extra))));
    const QByteArray before = feed.PrintToString();
    QVERIFY(!feed.SetPostAuthor(0, QStringLiteral("someone")));
    QCOMPARE(feed.GetPostAuthor(0), QString());
    QCOMPARE(feed.PrintToString(), before);
}

void TestRssFeed::setPostTitle_stampsPubDate()
{
    CRssFeed feed;
    QVERIFY(load(feed, feedWithItems(item("A") + item("B"))));
    QVERIFY(feed.SetPostTitle(1, QStringLiteral("Renamed")));
    QCOMPARE(feed.GetPostTitle(1), QStringLiteral("Renamed"));
    QVERIFY2(isRecentPubDate(feed.GetPostPubDate(1)), qPrintable(feed.GetPostPubDate(1)));
    QCOMPARE(feed.GetPostPubDate(0), QStringLiteral("01 Jan 2020 00:00:00 GMT"));
    QCOMPARE(feed.GetPostTitle(0), QStringLiteral("A"));
}

void TestRssFeed::setPostLink_rewritesGuidFromLink()
{
    CRssFeed feed;
    QVERIFY(load(feed, feedWithItems(item("A"))));
    QVERIFY(feed.SetPostLink(0, QStringLiteral("http://example.org/a")));
    QCOMPARE(feed.GetPostLink(0), QStringLiteral("http://example.org/a"));
    QVERIFY(isRecentPubDate(feed.GetPostPubDate(0)));

    const QString guid = CRssFeed::FromUtf8(feed.FindPost(0)->FirstChildElement("guid")->GetText());
    QVERIFY2(guid.startsWith(QStringLiteral("http://example.org/a?")), qPrintable(guid));
    const QString stamp = guid.mid(guid.indexOf(u'?') + 1);
    QVERIFY(!stamp.isEmpty());
    QVERIFY2(!stamp.contains(u' ') && !stamp.contains(u'.') && !stamp.contains(u'\t'), qPrintable(stamp));

    QVERIFY(feed.SetPostLink(0, QString()));
    const QString emptyLinkGuid = CRssFeed::FromUtf8(feed.FindPost(0)->FirstChildElement("guid")->GetText());
    QVERIFY2(emptyLinkGuid.startsWith(u'?'), qPrintable(emptyLinkGuid));
}

void TestRssFeed::setPostLink_itemWithoutGuid_stillSetsLink()
{
    CRssFeed feed;
    QVERIFY(load(feed, feedWithItems("<item><title>A</title><link>old</link></item>")));
    QVERIFY(feed.SetPostLink(0, QStringLiteral("new")));
    QCOMPARE(feed.GetPostLink(0), QStringLiteral("new"));
    QCOMPARE(feed.FindPost(0)->FirstChildElement("guid"), nullptr);
}

void TestRssFeed::setPostDescription_storesHtmlAsEscapedText()
{
    CRssFeed feed;
    QVERIFY(load(feed, feedWithItems(item("A", "<description>old</description>"))));
    QVERIFY(feed.SetPostDescription(0, QStringLiteral("<b>bold</b> & \"q\"")));
    QVERIFY(isRecentPubDate(feed.GetPostPubDate(0)));
    QCOMPARE(feed.GetPostDescription(0), QStringLiteral("<b>bold</b> & \"q\""));
    QVERIFY2(feed.PrintToString().contains(
                     "<description>&lt;b&gt;bold&lt;/b&gt; &amp; &quot;q&quot;</description>"),
             feed.PrintToString().constData());
}

void TestRssFeed::setPostDescription_keepsCdata_unlessTextEndsIt()
{
    CRssFeed feed;
    QVERIFY(load(feed, feedWithItems(item("A", "<description><![CDATA[<p>old</p>]]></description>"))));
    QVERIFY(feed.SetPostDescription(0, QStringLiteral("<p>new</p>")));
    QVERIFY(feed.PrintToString().contains("<![CDATA[<p>new</p>]]>"));

    // "]]>" would end the section early and spoil the file.
    const QString closing = QStringLiteral("<p>a ]]> b</p>");
    QVERIFY(feed.SetPostDescription(0, closing));
    QVERIFY(!feed.PrintToString().contains("]]>"));
    CRssFeed reopened;
    QVERIFY(load(reopened, feed.PrintToString()));
    QCOMPARE(reopened.GetPostDescription(0), closing);
}

void TestRssFeed::setPostTitle_otherScripts_readBackUnchanged()
{
    const QString text = QStringLiteral("Привет Γειά 你好 日本語 😀");
    CRssFeed feed;
    QVERIFY(load(feed, feedWithItems(item("A"))));
    QVERIFY(feed.SetPostTitle(0, text));
    QCOMPARE(feed.GetPostTitle(0), text);
    CRssFeed reopened;
    QVERIFY(load(reopened, feed.PrintToString()));
    QCOMPARE(reopened.GetPostTitle(0), text);
}

static QString appendFooter(const QString &description, quintptr context)
{
    return description + QStringLiteral(" [footer %1]").arg(context);
}

void TestRssFeed::postRef_setDescription_appliesFilter_feedDoesNot()
{
    CRssFeed feed;
    QVERIFY(load(feed, feedWithItems(item("A", "<description>x</description>"))));
    SetDescriptionFilter(appendFooter, 7);
    PostRef post(&feed, 0);
    const bool throughPost = post.SetDescription(QStringLiteral("text"));
    const QString filtered = feed.GetPostDescription(0);
    const bool direct = feed.SetPostDescription(0, QStringLiteral("plain"));
    SetDescriptionFilter(nullptr, 0);

    QVERIFY(throughPost);
    QCOMPARE(filtered, QStringLiteral("text [footer 7]"));
    QVERIFY(direct);
    QCOMPARE(feed.GetPostDescription(0), QStringLiteral("plain"));
    QCOMPARE(ApplyDescriptionFilter(QStringLiteral("same")), QStringLiteral("same"));
}

// --- Structure ---

void TestRssFeed::addNewPost_becomesPostZeroWithDefaultFields()
{
    CRssFeed feed;
    QVERIFY(load(feed, feedWithItems(item("A") + item("B") + item("C"))));
    QVERIFY(feed.AddNewPost());
    QCOMPARE(titles(feed), QStringList({QStringLiteral("New Item"), QStringLiteral("A"), QStringLiteral("B"),
                                        QStringLiteral("C")}));

    QStringList names;
    for (const TiXmlElement *field = feed.FindPost(0)->FirstChildElement(); field;
         field = field->NextSiblingElement())
        names << QString::fromUtf8(field->Value());
    QCOMPARE(names, QStringList({QStringLiteral("title"), QStringLiteral("description"), QStringLiteral("pubDate"),
                                 QStringLiteral("link"), QStringLiteral("author"), QStringLiteral("guid")}));
    QVERIFY(isRecentPubDate(feed.GetPostPubDate(0)));
    // Empty fields still hold a text node, so they can be set.
    QVERIFY(feed.SetPostAuthor(0, QStringLiteral("me")));
    QVERIFY(feed.SetPostDescription(0, QStringLiteral("d")));
}

void TestRssFeed::addNewPost_emptyChannel_appendsAsLastChild()
{
    CRssFeed feed;
    QVERIFY(load(feed, feedWithItems(QByteArray(), "<title>F</title><docs>d</docs>")));
    QCOMPARE(feed.GetPostCount(), 0);
    QVERIFY(feed.AddNewPost());
    QCOMPARE(feed.GetPostCount(), 1);
    QCOMPARE(feed.FindChannel()->LastChild(), feed.FindPost(0));
}

void TestRssFeed::addNewPost_goesBeforeFirstItemAmongHeaders()
{
    CRssFeed feed;
    QVERIFY(load(feed, "<rss><channel><title>F</title><category>c</category>" + item("A")
                               + "<docs>d</docs>" + item("B") + "</channel></rss>"));
    QVERIFY(feed.AddNewPost());
    const TiXmlNode *added = feed.FindPost(0);
    QCOMPARE(QByteArray(added->PreviousSibling()->Value()), QByteArray("category"));
    QCOMPARE(added->NextSibling(), feed.FindPost(1));
}

void TestRssFeed::copyPostToTop_deepCopyWithSameGuidAndDate()
{
    CRssFeed feed;
    QVERIFY(load(feed, feedWithItems(item("A") + item("B", "<category domain=\"d\">cat</category>"))));
    QVERIFY(feed.CopyPostToTop(1));
    QCOMPARE(titles(feed), QStringList({QStringLiteral("B"), QStringLiteral("A"), QStringLiteral("B")}));
    QVERIFY(feed.FindPost(0) != feed.FindPost(2));
    TiXmlPrinter copy, source;
    feed.FindPost(0)->Accept(&copy);
    feed.FindPost(2)->Accept(&source);
    QCOMPARE(QByteArray(copy.CStr()), QByteArray(source.CStr()));
    QVERIFY(QByteArray(copy.CStr()).contains("<guid>g-B</guid>"));
    QVERIFY(QByteArray(copy.CStr()).contains("<category domain=\"d\">cat</category>"));

    // The copy is a post of its own.
    QVERIFY(feed.SetPostTitle(0, QStringLiteral("copy")));
    QCOMPARE(feed.GetPostTitle(2), QStringLiteral("B"));
}

void TestRssFeed::removePost_shiftsLaterPosts()
{
    CRssFeed feed;
    QVERIFY(load(feed, feedWithItems(item("A") + item("B") + item("C") + item("D"))));
    QVERIFY(feed.RemovePost(1));
    QCOMPARE(titles(feed), QStringList({QStringLiteral("A"), QStringLiteral("C"), QStringLiteral("D")}));
    QVERIFY(!feed.RemovePost(3));
    QVERIFY(feed.RemovePost(-1));
    QCOMPARE(titles(feed), QStringList({QStringLiteral("C"), QStringLiteral("D")}));
    QVERIFY(!feed.PrintToString().contains("<title>A</title>"));
}

void TestRssFeed::postIndex_followsStructuralChangesAndDirectEdits()
{
    CRssFeed feed;
    QVERIFY(load(feed, feedWithItems(item("A") + item("B") + item("C"))));
    QVERIFY(feed.AddNewPost());
    QVERIFY(feed.CopyPostToTop(2));
    QVERIFY(feed.RemovePost(1));
    QVERIFY(feed.RemovePost(3));

    // What a fresh walk of the tree gives, through a feed read from the print.
    CRssFeed fresh;
    QVERIFY(load(fresh, feed.PrintToString()));
    QCOMPARE(titles(feed), titles(fresh));
    QCOMPARE(titles(feed), QStringList({QStringLiteral("B"), QStringLiteral("A"), QStringLiteral("B")}));

    // Edits made straight through TinyXML show once the index is renewed.
    TiXmlElement extra("item");
    CRssFeed::AppendTextElement(&extra, "title", QStringLiteral("direct"));
    feed.FindChannel()->InsertEndChild(extra);
    feed.InvalidatePostIndex();
    QCOMPARE(feed.GetPostCount(), 4);
    QCOMPARE(feed.GetPostTitle(3), QStringLiteral("direct"));

    feed.ClearFeed();
    QCOMPARE(feed.GetPostCount(), 0);
    QCOMPARE(feed.FindPost(-1), nullptr);
}

void TestRssFeed::collectLinks_givesDistinctSortedNonEmptyLinks()
{
    CRssFeed feed;
    QVERIFY(load(feed, feedWithItems("<item><link>b</link></item><item><link>a</link></item>"
                                     "<item><link></link></item><item><link>b</link></item>"
                                     "<item><link>B</link></item>")));
    std::set<QString> links;
    QCOMPARE(feed.CollectLinks(links), 3);
    QCOMPARE(std::vector<QString>(links.begin(), links.end()),
             std::vector<QString>({QStringLiteral("B"), QStringLiteral("a"), QStringLiteral("b")}));
}

// --- Plain description ---

void TestRssFeed::stripTags_removesClosedTags_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("plain");
    QTest::newRow("paragraph") << QStringLiteral("<p>Hello</p>") << QStringLiteral("Hello");
    QTest::newRow("nested and attributes") << QStringLiteral("a<b class=\"x\">b<i>c</i></b>d")
                                           << QStringLiteral("abcd");
    QTest::newRow("unclosed less-than stays") << QStringLiteral("a < b") << QStringLiteral("a < b");
    QTest::newRow("unclosed after a tag") << QStringLiteral("<p>x</p> y < z") << QStringLiteral("x y < z");
    QTest::newRow("greater-than alone stays") << QStringLiteral("a > b") << QStringLiteral("a > b");
    QTest::newRow("tag spans the first greater-than") << QStringLiteral("1 < 2 > 3") << QStringLiteral("1  3");
}

void TestRssFeed::stripTags_removesClosedTags()
{
    QFETCH(QString, text);
    QFETCH(QString, plain);
    QCOMPARE(CRssFeed::StripTags(text), plain);
}

void TestRssFeed::decodeBasicEntities_decodesOnlyTheFive_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("decoded");
    QTest::newRow("nbsp") << QStringLiteral("a&nbsp;b") << QStringLiteral("a b");
    QTest::newRow("guillemets") << QStringLiteral("&laquo;q&raquo;") << QStringLiteral("\"q\"");
    QTest::newRow("less and greater") << QStringLiteral("&lt;p&gt;") << QStringLiteral("<p>");
    QTest::newRow("ampersand stays escaped") << QStringLiteral("&amp;lt;") << QStringLiteral("&amp;lt;");
    QTest::newRow("others untouched") << QStringLiteral("&quot;&copy;&#65;") << QStringLiteral("&quot;&copy;&#65;");
    QTest::newRow("case-sensitive") << QStringLiteral("&NBSP;&LT;") << QStringLiteral("&NBSP;&LT;");
}

void TestRssFeed::decodeBasicEntities_decodesOnlyTheFive()
{
    QFETCH(QString, text);
    QFETCH(QString, decoded);
    QCOMPARE(CRssFeed::DecodeBasicEntities(text), decoded);
}

void TestRssFeed::getPostPlainDescription_stripsThenDecodes()
{
    CRssFeed feed;
    QVERIFY(load(feed, feedWithItems(item("A", "<description>&lt;p&gt;Hello&lt;/p&gt;&amp;lt;</description>"))));
    QCOMPARE(feed.GetPostDescription(0), QStringLiteral("<p>Hello</p>&lt;"));
    QCOMPARE(feed.GetPostPlainDescription(0), QStringLiteral("Hello<"));
}

// --- New feed and written form ---

void TestRssFeed::createNewFeed_writesExactTree()
{
    CRssFeed feed;
    QVERIFY(load(feed, "\xEF\xBB\xBF<rss><channel><item/></channel></rss>"));
    QVERIFY(feed.HasByteOrderMark());
    QVERIFY(feed.CreateNewFeed(QStringLiteral("T"), QStringLiteral("L"), QString()));
    QVERIFY(!feed.HasByteOrderMark());
    QCOMPARE(feed.GetPostCount(), 1);

    const QByteArray channelDate = feed.FindChannel()->FirstChildElement("pubDate")->GetText();
    const QByteArray itemDate = feed.GetPostPubDate(0).toUtf8();
    const QByteArray guid = feed.FindPost(0)->FirstChildElement("guid")->GetText();
    QVERIFY(isRecentPubDate(QString::fromUtf8(channelDate)));
    QVERIFY(isRecentPubDate(QString::fromUtf8(itemDate)));

    const QByteArray expected =
            "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n"
            "<rss version=\"2.0\" xmlns:atom=\"http://www.w3.org/2005/Atom\">\r\n"
            "    <channel>\r\n"
            "        <title>T</title>\r\n"
            "        <link>L</link>\r\n"
            "        <description></description>\r\n"
            "        <language></language>\r\n"
            "        <managingEditor></managingEditor>\r\n"
            "        <webMaster></webMaster>\r\n"
            "        <category></category>\r\n"
            "        <copyright></copyright>\r\n"
            "        <docs></docs>\r\n"
            "        <pubDate>" + channelDate + "</pubDate>\r\n"
            "        <generator>Tidrel " + QByteArray(ProductInfo::kVersion) + ", "
            + QByteArray(ProductInfo::kHomeUrl) + "</generator>\r\n"
            "        <item>\r\n"
            "            <title>New Item</title>\r\n"
            "            <description></description>\r\n"
            "            <pubDate>" + itemDate + "</pubDate>\r\n"
            "            <link></link>\r\n"
            "            <author></author>\r\n"
            "            <guid>" + guid + "</guid>\r\n"
            "        </item>\r\n"
            "    </channel>\r\n"
            "</rss>\r\n";
    QCOMPARE(feed.PrintToString(), expected);

    const QString path = m_temp.filePath(QStringLiteral("new.xml"));
    QVERIFY(feed.SaveToFile(path));
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), expected);
}

void TestRssFeed::createNewFeed_takesParametersAsText()
{
    CRssFeed feed;
    QVERIFY(feed.CreateNewFeed(QStringLiteral("News & <Views>"), QStringLiteral("http://a/?x=1&y=2"),
                               QStringLiteral("Категория")));
    const TiXmlElement *channel = feed.FindChannel();
    QCOMPARE(CRssFeed::FromUtf8(channel->FirstChildElement("title")->GetText()), QStringLiteral("News & <Views>"));
    QCOMPARE(CRssFeed::FromUtf8(channel->FirstChildElement("link")->GetText()), QStringLiteral("http://a/?x=1&y=2"));
    QCOMPARE(CRssFeed::FromUtf8(channel->FirstChildElement("category")->GetText()), QStringLiteral("Категория"));
    QVERIFY(feed.PrintToString().contains("<title>News &amp; &lt;Views&gt;</title>"));
}

void TestRssFeed::printToString_escapesTextAndControlCharacters()
{
    CRssFeed feed;
    QVERIFY(load(feed, feedWithItems(item("A", "<description>x</description>"))));
    QVERIFY(feed.SetPostDescription(0, QStringLiteral("a\r\nb\t'c'")));
    QVERIFY2(feed.PrintToString().contains("<description>a&#x0D;&#x0A;b&#x09;&apos;c&apos;</description>"),
             feed.PrintToString().constData());
    CRssFeed reopened;
    QVERIFY(load(reopened, feed.PrintToString()));
    QCOMPARE(reopened.GetPostDescription(0), QStringLiteral("a\r\nb\t'c'"));
}

void TestRssFeed::newGuidText_is32LowerHexDigits()
{
    static const QRegularExpression hex(QStringLiteral("^[0-9a-f]{32}$"));
    const QString first = CRssFeed::NewGuidText();
    QVERIFY2(hex.match(first).hasMatch(), qPrintable(first));
    QVERIFY(first != CRssFeed::NewGuidText());
}

QTEST_GUILESS_MAIN(TestRssFeed)
#include "tst_rssfeed.moc"
