#include "FeedTreeCompare.h"
#include "TestFiles.h"
#include "core/RssFeed.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

// Reading feed files whole or not at all, in any encoding they declare, and
// writing them back through a temporary file.
static QByteArray rssWithTitle(const QByteArray &declaration, const QByteArray &title)
{
    return declaration + "\n<rss version=\"2.0\"><channel><title>Feed</title><item><title>" + title
            + "</title></item></channel></rss>\n";
}

static QByteArray xmlDeclaration(const QByteArray &encoding)
{
    return "<?xml version=\"1.0\" encoding=\"" + encoding + "\"?>";
}

static QByteArray utf16(const QByteArray &utf8, bool bigEndian)
{
    QByteArray result = bigEndian ? QByteArray("\xFE\xFF", 2) : QByteArray("\xFF\xFE", 2);
    for (const QChar c : QString::fromUtf8(utf8)) {
        const char high = char(c.unicode() >> 8), low = char(c.unicode() & 0xFF);
        result.append(bigEndian ? high : low).append(bigEndian ? low : high);
    }
    return result;
}

class TestFeedFile : public QObject
{
    Q_OBJECT

    QTemporaryDir m_temp;
    int m_fileNumber = 0;

    QString file(const QByteArray &bytes)
    {
        const QString path = m_temp.filePath(QStringLiteral("in%1.xml").arg(++m_fileNumber));
        return writeFile(path, bytes) ? path : QString();
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_temp.isValid());
    }

    void load_convertsDeclaredEncodingToUtf8_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("byteOrderMark");
        QTest::newRow("windows-1251") << rssWithTitle(xmlDeclaration("windows-1251"), "\xCF\xF0\xE8\xE2\xE5\xF2") << "Привет" << false;
        QTest::newRow("koi8-r") << rssWithTitle("<?xml version='1.0' encoding='KOI8-R'?>", "\xF0\xD2\xC9\xD7\xC5\xD4") << "Привет" << false;
        QTest::newRow("iso-8859-1") << rssWithTitle("<?xml version=\"1.0\" encoding=\"iso-8859-1\" ?>", "M\xE3\x65") << "Mãe" << false;
        QTest::newRow("windows-1252 quotes") << rssWithTitle(xmlDeclaration("windows-1252"), "\x93q\x94 \xA3") << "“q” £" << false;
        QTest::newRow("shift_jis") << rssWithTitle(xmlDeclaration("Shift_JIS"), "\x93\xFA\x96\x7B") << "日本" << false;
        QTest::newRow("entity in legacy text") << rssWithTitle(xmlDeclaration("iso-8859-7"), "\xE1 &amp; &#x3B2;") << "α & β" << false;
        QTest::newRow("UTF-8 that claims UTF-16") << rssWithTitle(xmlDeclaration("utf-16"), "Grüße") << "Grüße" << false;
        QTest::newRow("UTF-16LE with mark") << utf16(rssWithTitle(xmlDeclaration("utf-16"), "Привет 日本"), false) << "Привет 日本" << true;
        QTest::newRow("UTF-16BE with mark") << utf16(rssWithTitle(xmlDeclaration("UTF-16"), "Γειά"), true) << "Γειά" << true;
    }

    void load_convertsDeclaredEncodingToUtf8()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, title);
        QFETCH(bool, byteOrderMark);
        CRssFeed feed;
        QString error;
        QVERIFY2(feed.LoadFromFile(file(bytes), &error), qPrintable(error));
        QCOMPARE(feed.GetPostTitle(0), title);
        QCOMPARE(feed.HasByteOrderMark(), byteOrderMark);

        const QString path = m_temp.filePath(QStringLiteral("converted.xml"));
        QVERIFY(feed.SaveToFile(path, &error));
        QByteArray saved = readFile(path);
        QCOMPARE(saved.startsWith("\xEF\xBB\xBF"), byteOrderMark);
        saved.remove(0, byteOrderMark ? 3 : 0);
        QVERIFY2(saved.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n"), saved.constData());
        QVERIFY(saved.contains("<title>" + title.toUtf8().replace("&", "&amp;") + "</title>"));
        CRssFeed reopened;
        QVERIFY2(reopened.LoadFromFile(path, &error), qPrintable(error));
        QCOMPARE(reopened.GetPostTitle(0), title);
    }

    void load_utf8Declaration_isKeptAsWritten()
    {
        CRssFeed feed;
        QVERIFY(feed.LoadFromFile(file(rssWithTitle("<?xml version=\"1.0\" encoding=\"utf-8\" standalone=\"yes\"?>", "Grüße"))));
        QCOMPARE(feed.GetPostTitle(0), QStringLiteral("Grüße"));
        QVERIFY(feed.PrintToString().startsWith("<?xml version=\"1.0\" encoding=\"utf-8\" standalone=\"yes\" ?>\r\n"));
    }

    void load_refusesWhatWouldLoseData_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QTest::newRow("undefined entity") << QByteArray("<rss>\n<channel>\n<title>a&nbsp;b</title></channel></rss>") << "Line 3 uses the entity &nbsp;";
        QTest::newRow("entity declared in the DTD") << QByteArray("<!DOCTYPE rss [<!ENTITY e \"x\">]>\n<rss>&e;</rss>") << "Line 2 uses the entity &e;";
        QTest::newRow("undefined entity in attribute") << QByteArray("<rss>\n<a href=\"x&copy;\"/></rss>") << "Line 2 uses the entity &copy;";
        QTest::newRow("bare ampersand") << QByteArray("<rss><title>AT&T</title></rss>") << "Line 1 holds an '&' that does not begin an entity reference";
        QTest::newRow("reference to NUL") << QByteArray("<rss>&#0;</rss>") << "names a character that XML does not allow";
        QTest::newRow("malformed reference") << QByteArray("<rss>&#xZZ;</rss>") << "malformed character reference";
        QTest::newRow("invalid UTF-8") << QByteArray("<rss>\n<title>\xC9tat</title></rss>") << "not valid UTF-8 text (line 2)";
        QTest::newRow("overlong UTF-8") << QByteArray("<rss><title>\xC0\xAF</title></rss>") << "not valid UTF-8 text (line 1)";
        QTest::newRow("invalid in declared charset") << xmlDeclaration("Shift_JIS") + "\n<rss>\n<t>\x85\x40</t></rss>" << "not valid Shift_JIS text (line 3)";
        QTest::newRow("unknown charset") << xmlDeclaration("x-no-such") + "<rss/>" << "encoding \"x-no-such\"";
        QTest::newRow("cut short") << QByteArray("<rss>\n<channel>\n<item><title>A</title></item>") << "ends before the element <channel> of line 2";
        QTest::newRow("cut inside a tag") << QByteArray("<rss>\n<channel><item x=\"1\"") << "The tag <item> on line 2 is not closed";
        QTest::newRow("cut inside a comment") << QByteArray("<rss/>\n<!-- trailing") << "comment that starts on line 2 is not closed";
        QTest::newRow("cut inside CDATA") << QByteArray("<rss><d><![CDATA[abc") << "CDATA section that starts on line 1";
        QTest::newRow("mismatched end tag") << QByteArray("<rss>\n<a></b></rss>") << "</b> on line 2 does not close the element <a>";
        QTest::newRow("text after the root") << QByteArray("<rss/>\ngarbage") << "Line 2 holds text outside the root element";
        QTest::newRow("stray less-than") << QByteArray("<rss>1 < 2</rss>") << "a '<' that does not begin a tag";
        QTest::newRow("NUL byte") << QByteArray("<rss>a\0b</rss>", 15) << "NUL character";
        QTest::newRow("second declaration") << QByteArray("<rss>\n<?xml version=\"1.0\"?></rss>") << "XML declaration that is not at the start";
        QTest::newRow("empty file") << QByteArray() << "The file is empty";
        QTest::newRow("no element") << QByteArray("<?xml version=\"1.0\"?>\n<!-- c -->\n") << "holds no XML element";
        QTest::newRow("deep nesting") << QByteArray("<a>").repeated(5000) << "nested too deeply";
        // Malformed declarations: TinyXML read them as empty declarations and dropped the feed.
        QTest::newRow("declaration without quotes") << QByteArray("<?xml version=1.0 encoding=\"UTF-8\"?>\n<rss/>") << "The XML declaration on line 1 is not well formed";
        QTest::newRow("declaration closed by >") << QByteArray("\n<?xml version=\"1.0\">\n<?xml-stylesheet href=\"s.css\"?>\n<rss/>") << "The XML declaration on line 2 is not well formed";
        QTest::newRow("declaration with mixed quotes") << QByteArray("<?xml version=\"1.0\" encoding='UTF-8\"?>\n<rss a='b'/>") << "The XML declaration on line 1 is not well formed";
        QTest::newRow("declaration with unknown part") << QByteArray("<?xml version=\"1.0\" charset=\"UTF-8\"?><rss/>") << "The XML declaration on line 1 is not well formed";
        // Characters XML allows nowhere, not even in comments and CDATA sections.
        QTest::newRow("NUL in a comment") << QByteArray("<rss>\n<!-- a\0b --></rss>", 25) << "Line 2 holds a NUL character";
        QTest::newRow("control character") << QByteArray("<rss>\n<t>A\x01" "B</t></rss>") << "Line 2 holds the character U+0001";
        QTest::newRow("vertical tab in CDATA") << QByteArray("<rss><t><![CDATA[A\x0B" "B]]></t></rss>") << "Line 1 holds the character U+000B";
        QTest::newRow("U+FFFF") << QByteArray("<rss><t>\xEF\xBF\xBF</t></rss>") << "Line 1 holds the character U+FFFF";
        // Files that are not RSS 2.0 feeds say what they are.
        QTest::newRow("Atom feed") << QByteArray("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<feed xmlns=\"http://www.w3.org/2005/Atom\"><title>T</title></feed>") << "This is an Atom feed; Tidrel edits RSS 2.0 feeds.";
        QTest::newRow("Atom feed with an HTML entity") << QByteArray("<!-- c --><a:feed xmlns:a='http://www.w3.org/2005/Atom'><a:title>a&nbsp;b</a:title></a:feed>") << "This is an Atom feed";
        QTest::newRow("Atom feed in UTF-16") << utf16(xmlDeclaration("UTF-16") + "<feed xmlns=\"http://www.w3.org/2005/Atom\"/>", false) << "This is an Atom feed";
        QTest::newRow("HTML page") << QByteArray("<!doctype html>\n<html><head><meta charset=\"utf-8\"><title>x</title></head><body>a<br>b</body></html>") << "This is an HTML page; Tidrel edits RSS 2.0 feeds.";
        QTest::newRow("HTML page in Latin-1") << QByteArray("<HTML><BODY>\xE9t\xE9</BODY></HTML>") << "This is an HTML page";
        QTest::newRow("XHTML page") << QByteArray("<?xml version=\"1.0\"?>\n<html xmlns=\"http://www.w3.org/1999/xhtml\"><body/></html>") << "This is an HTML page";
        QTest::newRow("RSS 1.0 feed") << QByteArray("<rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\" xmlns=\"http://purl.org/rss/1.0/\"><channel/><item/></rdf:RDF>") << "This is an RSS 1.0 feed";
        QTest::newRow("other root") << QByteArray("<opml version=\"1.0\"><body/></opml>") << "This is not an RSS feed: its root element is <opml>";
        QTest::newRow("PNG image") << QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR\0\0\0\x10", 24) << "This is a PNG image, not a text file";
        QTest::newRow("other binary") << QByteArray("\x7F" "ELF\x02\x01\x01\0\0\0", 10) << "This is not a text file";
    }

    void load_refusesWhatWouldLoseData()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        CRssFeed feed;
        QString error;
        QVERIFY(!feed.LoadFromFile(file(bytes), &error));
        QVERIFY2(error.contains(reason), qPrintable(error));
        QCOMPARE(feed.FirstChild(), nullptr);
    }

    void load_failure_leavesEmptyTreeWithReason()
    {
        CRssFeed feed;
        QVERIFY(feed.LoadFromFile(file("\xEF\xBB\xBF<rss><channel><item/><item/></channel></rss>")));
        QCOMPARE(feed.GetPostCount(), 2);
        QVERIFY(!feed.LoadFromFile(file("<rss><channel><item/><item>")));
        QCOMPARE(feed.GetPostCount(), 0);
        QCOMPARE(feed.FirstChild(), nullptr);
        QVERIFY(!feed.HasByteOrderMark());

        QString error;
        QVERIFY(!feed.LoadFromFile(m_temp.filePath(QStringLiteral("absent.xml")), &error));
        QVERIFY2(error.startsWith(QStringLiteral("Cannot open the file")), qPrintable(error));
        error.clear();
        QVERIFY(!feed.LoadFromFile(m_temp.path(), &error)); // a folder
        QVERIFY(!error.isEmpty());
    }

    void load_keepsDoctypeAndProcessingInstructions()
    {
        const QByteArray doctype = "<!DOCTYPE rss [\n<!ENTITY % lat1 PUBLIC \"-//W3C//x>y\" \"x.ent\">\n"
                                   "<!-- a ] and a > -->\n<?pi in subset?>\n<!ENTITY q '\"]>'>\n]>";
        const QByteArray stylesheet = "<?xml-stylesheet href=\"a.xsl?b=1&c=2\" type=\"text/xsl\"?>";
        const QByteArray instruction = "<?php echo '>'; ?>";
        CRssFeed feed;
        QString error;
        QVERIFY2(feed.LoadFromFile(file(xmlDeclaration("UTF-8") + "\n" + stylesheet + "\n" + doctype + "\n<rss>" + instruction
                                        + "<channel><item><title>A &amp; B</title></item></channel></rss>\n"), &error),
                 qPrintable(error));
        QCOMPARE(feed.GetPostTitle(0), QStringLiteral("A & B"));
        const QByteArray printed = feed.PrintToString();
        QVERIFY2(printed.contains(stylesheet + "\r\n") && printed.contains(instruction + "\r\n")
                         && printed.contains(QByteArray(doctype).replace("\n", "\r\n") + "\r\n"),
                 printed.constData());
        CRssFeed reopened;
        QVERIFY(reopened.LoadFromFile(file(printed)));
        QCOMPARE(compareTrees(&feed, &reopened), QString());
    }

    void load_readsTextAsWritten_data()
    {
        QTest::addColumn<QByteArray>("items");
        QTest::addColumn<QString>("description");
        QTest::newRow("markup characters in CDATA and comments") << QByteArray("<!-- &nbsp; < --><item><description><![CDATA[a&nbsp;<b> & ]]></description></item>") << "a&nbsp;<b> & ";
        QTest::newRow("line break in text collapses") << QByteArray("<item><description>  first\r\n   second  </description></item>") << "first second";
    }

    void load_readsTextAsWritten()
    {
        QFETCH(QByteArray, items);
        QFETCH(QString, description);
        CRssFeed feed;
        QString error;
        QVERIFY2(feed.LoadFromFile(file("<rss><channel>" + items + "</channel></rss>"), &error), qPrintable(error));
        QCOMPARE(feed.GetPostDescription(0), description);
    }

    void load_acceptsSpaceBeforeDeclaration()
    {
        CRssFeed feed;
        QVERIFY(feed.LoadFromFile(file("\n \r\n<?xml version=\"1.0\"?>\n<rss><channel><item/></channel></rss>")));
        QCOMPARE(feed.GetPostCount(), 1);
        QVERIFY(feed.PrintToString().startsWith("<?xml version=\"1.0\" ?>\r\n<rss>"));
    }

    void save_keepsByteOrderMarkOfLoadedFile()
    {
        for (const QByteArray &mark : {QByteArray("\xEF\xBB\xBF"), QByteArray()}) {
            CRssFeed feed;
            QVERIFY(feed.LoadFromFile(file(mark + "<?xml version=\"1.0\"?><rss/>")));
            QCOMPARE(feed.HasByteOrderMark(), !mark.isEmpty());
            const QString path = m_temp.filePath(QStringLiteral("mark.xml"));
            QVERIFY(feed.SaveToFile(path));
            QCOMPARE(readFile(path), mark + "<?xml version=\"1.0\" ?>\r\n<rss />\r\n");
            QVERIFY(!feed.PrintToString().startsWith("\xEF\xBB\xBF"));
        }
    }

    void save_writesCrLfEverywhere()
    {
        CRssFeed feed;
        QVERIFY(feed.LoadFromFile(file("<rss>\r<!-- one\ntwo\r\nthree -->\n<channel><item><description>"
                                       "<![CDATA[a\nb]]></description></item></channel></rss>")));
        const QString path = m_temp.filePath(QStringLiteral("crlf.xml"));
        QVERIFY(feed.SaveToFile(path));
        const QByteArray saved = readFile(path);
        QVERIFY(saved.contains("<!-- one\r\ntwo\r\nthree -->\r\n"));
        QVERIFY(saved.contains("<![CDATA[a\r\nb]]>\r\n"));
        QCOMPARE(saved.count('\n'), saved.count("\r\n"));
        QCOMPARE(saved.count('\r'), saved.count("\r\n"));
    }

    void save_secondSaveIsByteIdentical()
    {
        CRssFeed feed;
        QVERIFY(feed.LoadFromFile(file(xmlDeclaration("iso-8859-1") + "<!--c--><rss a='\"' b=\"x\"><channel><item><title>t</title><x/>"
                                       "<d>mixed<b>bold</b>tail</d><e><![CDATA[ ]]></e></item></channel></rss><!--after-->")));
        const QString first = m_temp.filePath(QStringLiteral("first.xml"));
        const QString second = m_temp.filePath(QStringLiteral("second.xml"));
        QVERIFY(feed.SaveToFile(first));
        CRssFeed reopened;
        QVERIFY(reopened.LoadFromFile(first));
        QCOMPARE(compareTrees(&feed, &reopened), QString());
        QVERIFY(reopened.SaveToFile(second));
        QCOMPARE(readFile(second), readFile(first));
    }

    void save_intoMissingFolder_failsWithReason()
    {
        CRssFeed feed;
        QVERIFY(feed.CreateNewFeed(QStringLiteral("T"), QString(), QString()));
        QString error;
        QVERIFY(!feed.SaveToFile(m_temp.filePath(QStringLiteral("no/such/folder/feed.xml")), &error));
        QVERIFY(!error.isEmpty());
        const QString plainFile = file("not a folder");
        error.clear();
        QVERIFY(!feed.SaveToFile(plainFile + "/feed.xml", &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(readFile(plainFile), QByteArray("not a folder"));
    }

    // A file size limit makes the write fail part way, as a full disk would.
    void save_failingMidWrite_leavesOldFileUntouched()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("feed.xml"));
        const QByteArray old = "<?xml version=\"1.0\"?>\r\n<rss />\r\n";
        QVERIFY(writeFile(path, old));
        CRssFeed feed;
        QVERIFY(feed.CreateNewFeed(QStringLiteral("T"), QString(), QString()));
        for (int i = 0; i < 200; ++i)
            QVERIFY(feed.AddNewPost());

        rlimit saved;
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        rlimit limited = saved;
        limited.rlim_cur = 4096;
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
        QString error;
        const bool savedOk = feed.SaveToFile(path, &error);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);

        QVERIFY(!savedOk);
        QVERIFY(!error.isEmpty());
        QCOMPARE(readFile(path), old);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList(QStringLiteral("feed.xml")));
    }
};

QTEST_GUILESS_MAIN(TestFeedFile)
#include "tst_feedfile.moc"
