#include "TestFiles.h"
#include "core/RssFeed.h"

#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// Reading feed files whole or not at all, in any encoding they declare, and
// writing them back, in that encoding, through a temporary file. A save
// that fails is driven through the document (tst_documentfiles).
static QByteArray rssWithTitle(const QByteArray &declaration, const QByteArray &title)
{
    return declaration + "\n<rss version=\"2.0\"><channel><title>Feed</title><item><title>" + title
            + "</title></item></channel></rss>\n";
}

static QByteArray xmlDeclaration(const QByteArray &encoding)
{
    return "<?xml version=\"1.0\" encoding=\"" + encoding + "\"?>";
}

// A feed of many packed blocks, each post's description of another length.
static QByteArray manyPosts(int posts)
{
    QByteArray bytes = xmlDeclaration("UTF-8") + "\n<rss version=\"2.0\"><channel><title>Big</title>\n";
    for (int i = 0; i < posts; ++i) {
        bytes += "<item><title>Post " + QByteArray::number(i) + "</title><description>&lt;p&gt;"
                + QByteArray(i % 300, char('a' + i % 26)) + "&lt;/p&gt;</description></item>\n";
    }
    return bytes + "</channel></rss>\n";
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

    void load_keepsDeclaredEncoding_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QByteArray>("typed");
        QTest::newRow("windows-1251") << rssWithTitle(xmlDeclaration("windows-1251"), "\xCF\xF0\xE8\xE2\xE5\xF2") << "Привет" << QByteArray("\xCD\xEE\xE2\xEE\xE5 &#1470; &#128512;");
        QTest::newRow("koi8-r") << rssWithTitle("<?xml version='1.0' encoding='KOI8-R'?>", "\xF0\xD2\xC9\xD7\xC5\xD4") << "Привет" << QByteArray("\xEE\xCF\xD7\xCF\xC5 &#1470; &#128512;");
        QTest::newRow("iso-8859-1") << rssWithTitle("<?xml version=\"1.0\" encoding=\"iso-8859-1\" ?>", "M\xE3\x65") << "Mãe" << QByteArray("&#1053;&#1086;&#1074;&#1086;&#1077; &#1470; &#128512;");
        QTest::newRow("windows-1252 quotes") << rssWithTitle(xmlDeclaration("windows-1252"), "\x93q\x94 \xA3") << "“q” £" << QByteArray("&#1053;&#1086;&#1074;&#1086;&#1077; &#1470; &#128512;");
        QTest::newRow("gb18030 two-byte characters") << rssWithTitle(xmlDeclaration("GB18030"), "\xC4\xE3\xBA\xC3") << "你好" << QByteArray("\xA7\xAF\xA7\xE0\xA7\xD3\xA7\xE0\xA7\xD6 &#1470; &#128512;");
        QTest::newRow("shift_jis") << rssWithTitle(xmlDeclaration("Shift_JIS"), "\x93\xFA\x96\x7B") << "日本" << QByteArray("\x84\x4E\x84\x80\x84\x72\x84\x80\x84\x75 &#1470; &#128512;");
        QTest::newRow("entity in legacy text") << rssWithTitle(xmlDeclaration("iso-8859-7"), "\xE1 &amp; &#x3B2;") << "α & β" << QByteArray("&#1053;&#1086;&#1074;&#1086;&#1077; &#1470; &#128512;");
        QTest::newRow("UTF-8 that claims UTF-16") << rssWithTitle(xmlDeclaration("utf-16"), "Grüße") << "Grüße" << QByteArray("Новое ־ 😀");
        QTest::newRow("UTF-16LE with mark") << utf16(rssWithTitle(xmlDeclaration("utf-16"), "Привет 日本"), false) << "Привет 日本" << utf16("<title>Новое ־ 😀", false).mid(2);
        QTest::newRow("UTF-16BE with mark") << utf16(rssWithTitle(xmlDeclaration("UTF-16"), "Γειά"), true) << "Γειά" << utf16("<title>Новое ־ 😀", true).mid(2);
    }

    // A title typed into a legacy feed is written in the feed's encoding;
    // what the encoding cannot hold is written as a character reference.
    void load_keepsDeclaredEncoding()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, title);
        QFETCH(QByteArray, typed);
        CRssFeed feed;
        QString error;
        const QString path = file(bytes);
        QVERIFY2(feed.LoadFromFile(path, &error), qPrintable(error));
        QCOMPARE(feed.GetPostTitle(0), title);
        QVERIFY(feed.SaveToFile(path, &error));
        QCOMPARE(readFile(path), bytes);

        // Hebrew maqaf and an emoji are outside every single-byte table here.
        const QString newTitle = QStringLiteral("Новое ־ 😀");
        QVERIFY(feed.SetPostTitle(0, newTitle));
        QVERIFY(feed.SaveToFile(path, &error));
        const QByteArray saved = readFile(path);
        QVERIFY2(saved.contains(typed), saved.toHex().constData());
        QCOMPARE(saved.left(bytes.indexOf("<rss") > 0 ? bytes.indexOf("<rss") : 2), bytes.left(bytes.indexOf("<rss") > 0 ? bytes.indexOf("<rss") : 2));
        CRssFeed reopened;
        QVERIFY2(reopened.LoadFromFile(path, &error), qPrintable(error));
        QCOMPARE(reopened.GetPostTitle(0), newTitle);
        QCOMPARE(reopened.HasByteOrderMark(), bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"));
    }

    void load_refusesWhatWouldLoseData_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QTest::newRow("undefined entity") << QByteArray("<rss>\n<channel>\n<title>a&nbsp;b</title></channel></rss>") << "undefined entity (line 3, column 9)";
        QTest::newRow("entity declared in the DTD") << QByteArray("<!DOCTYPE rss [<!ENTITY e \"x\">]>\n<rss>&e;</rss>") << "defines the entity &e; in its DOCTYPE. Tidrel reads only";
        QTest::newRow("external entity") << QByteArray("<!DOCTYPE rss [\n<!ENTITY x SYSTEM \"file:///etc/passwd\">]>\n<rss>&x;</rss>") << "defines the entity &x; in its DOCTYPE";
        QTest::newRow("entity skipped with an external DTD") << QByteArray("<!DOCTYPE rss SYSTEM \"rss.dtd\">\n<rss>\n&nbsp;</rss>") << "uses the entity &nbsp;, which it does not define (line 3, column 1)";
        QTest::newRow("undefined entity in attribute") << QByteArray("<rss>\n<a href=\"x&copy;\"/></rss>") << "undefined entity (line 2";
        QTest::newRow("bare ampersand") << QByteArray("<rss><title>AT&T</title></rss>") << "not well-formed (invalid token) (line 1, column 17)";
        QTest::newRow("reference to NUL") << QByteArray("<rss>&#0;</rss>") << "reference to invalid character number (line 1";
        QTest::newRow("malformed reference") << QByteArray("<rss>&#xZZ;</rss>") << "not well-formed (invalid token) (line 1";
        QTest::newRow("invalid UTF-8") << QByteArray("<rss>\n<title>\xC9tat</title></rss>") << "not well-formed (invalid token) (line 2, column 8)";
        QTest::newRow("overlong UTF-8") << QByteArray("<rss><title>\xC0\xAF</title></rss>") << "not well-formed (invalid token) (line 1";
        QTest::newRow("invalid in declared charset") << xmlDeclaration("Shift_JIS") + "\n<rss>\n<t>\x85\x40</t></rss>" << "(line 3, column 4)";
        QTest::newRow("four-byte GB18030 character") << xmlDeclaration("GB18030") + "\n<rss><t>\xC4\xE3 \x81\x30\x81\x30</t></rss>" << "four-byte GB18030 character, which Tidrel cannot edit in place (line 2";
        QTest::newRow("unknown charset") << xmlDeclaration("x-no-such") + "<rss/>" << "encoding \"x-no-such\" is not one Tidrel can read (line 1";
        QTest::newRow("cut short") << QByteArray("<rss>\n<channel>\n<item><title>A</title></item>") << "no element found (line 3";
        QTest::newRow("cut inside a tag") << QByteArray("<rss>\n<channel><item x=\"1\"") << "unclosed token (line 2";
        QTest::newRow("cut inside a comment") << QByteArray("<rss/>\n<!-- trailing") << "unclosed token (line 2";
        QTest::newRow("cut inside CDATA") << QByteArray("<rss><d><![CDATA[abc") << "unclosed CDATA section (line 1";
        QTest::newRow("mismatched end tag") << QByteArray("<rss>\n<a></b></rss>") << "mismatched tag (line 2, column 6)";
        QTest::newRow("text after the root") << QByteArray("<rss/>\ngarbage") << "junk after document element (line 2";
        QTest::newRow("stray less-than") << QByteArray("<rss>1 < 2</rss>") << "not well-formed (invalid token) (line 1";
        QTest::newRow("NUL byte") << QByteArray("<rss>a\0b</rss>", 15) << "not well-formed (invalid token) (line 1";
        QTest::newRow("second declaration") << QByteArray("<rss>\n<?xml version=\"1.0\"?></rss>") << "XML or text declaration not at start of entity (line 2";
        QTest::newRow("empty file") << QByteArray() << "The file is empty";
        QTest::newRow("no element") << QByteArray("<?xml version=\"1.0\"?>\n<!-- c -->\n") << "no element found (line 3";
        QTest::newRow("not XML at all") << QByteArray("Dear reader,\nthis is a letter.\n") << "syntax error (line 1, column 1)";
        QTest::newRow("deep nesting cut short") << QByteArray("<a>").repeated(5000) << "no element found (line 1";
        QTest::newRow("declaration without quotes") << QByteArray("<?xml version=1.0 encoding=\"UTF-8\"?>\n<rss/>") << "XML declaration not well-formed (line 1";
        QTest::newRow("declaration closed by >") << QByteArray("\n<?xml version=\"1.0\">\n<?xml-stylesheet href=\"s.css\"?>\n<rss/>") << "XML declaration not well-formed (line 2";
        QTest::newRow("declaration with mixed quotes") << QByteArray("<?xml version=\"1.0\" encoding='UTF-8\"?>\n<rss a='b'/>") << "XML declaration not well-formed (line 1";
        QTest::newRow("declaration with unknown part") << QByteArray("<?xml version=\"1.0\" charset=\"UTF-8\"?><rss/>") << "XML declaration not well-formed (line 1";
        // Characters XML allows nowhere, not even in comments and CDATA sections.
        QTest::newRow("NUL in a comment") << QByteArray("<rss>\n<!-- a\0b --></rss>", 25) << "not well-formed (invalid token) (line 2";
        QTest::newRow("control character") << QByteArray("<rss>\n<t>A\x01" "B</t></rss>") << "not well-formed (invalid token) (line 2, column 5)";
        QTest::newRow("control character reference") << QByteArray("<rss>\n<t>A&#1;B</t></rss>") << "reference to invalid character number (line 2";
        QTest::newRow("vertical tab in CDATA") << QByteArray("<rss><t><![CDATA[A\x0B" "B]]></t></rss>") << "not well-formed (invalid token) (line 1";
        QTest::newRow("U+FFFF") << QByteArray("<rss><t>\xEF\xBF\xBF</t></rss>") << "not well-formed (invalid token) (line 1";
        // Files that are not RSS 2.0 feeds say what they are.
        QTest::newRow("Atom feed") << QByteArray("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<feed xmlns=\"http://www.w3.org/2005/Atom\"><title>T</title></feed>") << "This is an Atom feed; Tidrel edits RSS 2.0 feeds.";
        QTest::newRow("Atom feed with an HTML entity") << QByteArray("<!-- c --><a:feed xmlns:a='http://www.w3.org/2005/Atom'><a:title>a&nbsp;b</a:title></a:feed>") << "This is an Atom feed";
        QTest::newRow("Atom feed in UTF-16") << utf16(xmlDeclaration("UTF-16") + "<feed xmlns=\"http://www.w3.org/2005/Atom\"/>", false) << "This is an Atom feed";
        QTest::newRow("HTML page") << QByteArray("<!doctype html>\n<html><head><meta charset=\"utf-8\"><title>x</title></head><body>a<br>b</body></html>") << "This is an HTML page; Tidrel edits RSS 2.0 feeds.";
        QTest::newRow("HTML page in Latin-1") << QByteArray("<HTML><BODY>\xE9t\xE9</BODY></HTML>") << "This is an HTML page";
        QTest::newRow("XHTML page") << QByteArray("<?xml version=\"1.0\"?>\n<html xmlns=\"http://www.w3.org/1999/xhtml\"><body/></html>") << "This is an HTML page";
        QTest::newRow("RSS 1.0 feed") << QByteArray("<rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\" xmlns=\"http://purl.org/rss/1.0/\"><channel/><item/></rdf:RDF>") << "This is an RSS 1.0 feed";
        QTest::newRow("other root") << QByteArray("<opml version=\"1.0\"><body/></opml>") << "This is not an RSS feed: its root element is <opml>";
        QTest::newRow("PNG image") << QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR\0\0\0\x10", 20) << "This is a PNG image, not a text file";
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
        QCOMPARE(feed.PrintToString(), QByteArray());
    }

    void load_failure_leavesEmptyTreeWithReason()
    {
        CRssFeed feed;
        QVERIFY(feed.LoadFromFile(file("\xEF\xBB\xBF<rss><channel><item/><item/></channel></rss>")));
        QCOMPARE(feed.GetPostCount(), 2);
        QVERIFY(!feed.LoadFromFile(file("<rss><channel><item/><item>")));
        QCOMPARE(feed.GetPostCount(), 0);
        QCOMPARE(feed.PrintToString(), QByteArray());
        QVERIFY(!feed.HasByteOrderMark());

        QString error;
        QVERIFY(!feed.LoadFromFile(m_temp.filePath(QStringLiteral("absent.xml")), &error));
        QVERIFY2(error.startsWith(QStringLiteral("Cannot open the file")), qPrintable(error));
        error.clear();
        QVERIFY(!feed.LoadFromFile(m_temp.path(), &error));
        QCOMPARE(error, QStringLiteral("This is a folder, not a feed file."));
    }

    // Whatever the feed does not edit goes back as it was read.
    void save_givesBackWhatItRead_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray doctype = "<!DOCTYPE rss [\n<!ENTITY % lat1 PUBLIC \"-//W3C//x y\" \"x>.ent\">\n"
                                   "<!-- a ] and a > -->\n<?pi in subset?>\n]>";
        QTest::newRow("DOCTYPE and processing instructions")
                << xmlDeclaration("UTF-8") + "\n<?xml-stylesheet href=\"a.xsl?b=1&c=2\" type=\"text/xsl\"?>\n" + doctype
                        + "\n<rss><?php echo '>'; ?><channel><item><title>A &amp; B</title></item></channel></rss>\n";
        QTest::newRow("space before the declaration") << QByteArray("\n \r\n<?xml version=\"1.0\"?>\n<rss><channel><item/></channel></rss>");
        QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF<?xml version=\"1.0\"?><rss/>");
        QTest::newRow("line ends of all kinds") << QByteArray("<rss>\r<!-- one\ntwo\r\nthree -->\n<channel><item><description>"
                                                             "<![CDATA[a\nb]]></description></item></channel></rss>");
        QTest::newRow("mixed content and quoting")
                << xmlDeclaration("iso-8859-1") + "<!--c--><rss a='\"' b=\"x\"><channel><item><title>t</title><x/>"
                        "<d>mixed<b>bold</b>tail</d><e><![CDATA[ ]]></e></item></channel></rss><!--after-->";
        QTest::newRow("white space in text") << QByteArray("<rss><channel><item><title>  BBC News  اردو\t</title></item></channel></rss>");
    }

    void save_givesBackWhatItRead()
    {
        QFETCH(QByteArray, bytes);
        CRssFeed feed;
        QString error;
        const QString path = file(bytes);
        QVERIFY2(feed.LoadFromFile(path, &error), qPrintable(error));
        QVERIFY(feed.SaveToFile(path, &error));
        QCOMPARE(readFile(path), bytes);
    }

    // A feed of many packed blocks, its posts read and edited from the last
    // to the first so that reads jump between blocks and fields straddle
    // block boundaries: every byte not edited goes back as it was.
    void save_largeFeedEditedBackwards_keepsEveryOtherByte()
    {
        const int posts = 3000;
        const QByteArray bytes = manyPosts(posts);
        QVERIFY(bytes.size() > 8 * 64 * 1024);
        CRssFeed feed;
        QString error;
        const QString path = file(bytes);
        QVERIFY2(feed.LoadFromFile(path, &error), qPrintable(error));
        for (int i = posts - 1; i >= 0; --i) {
            QCOMPARE(feed.GetPostTitle(i), QStringLiteral("Post %1").arg(i));
            QCOMPARE(feed.GetPostDescription(i).size(), 7 + i % 300);
            QVERIFY(feed.SetPostTitle(i, QStringLiteral("Edited %1").arg(i)));
        }
        QVERIFY(feed.SaveToFile(path, &error));
        QCOMPARE(readFile(path), QByteArray(bytes).replace("<title>Post ", "<title>Edited "));

        // One edit amid long untouched stretches of the file.
        QVERIFY2(feed.LoadFromFile(path, &error), qPrintable(error));
        QVERIFY(feed.SetPostTitle(posts / 2, QStringLiteral("Only this one")));
        QVERIFY(feed.SaveToFile(path, &error));
        QCOMPARE(readFile(path), QByteArray(bytes)
                                         .replace("<title>Post " + QByteArray::number(posts / 2) + "<", "<title>Only this one<")
                                         .replace("<title>Post ", "<title>Edited "));
    }

    // A save takes untouched stretches from the feed's file while it still
    // holds them: changed, cut or emptied behind the feed's back, or
    // replaced by an earlier save, the file gives way to the feed's bytes.
    void save_fileChangedSinceOpen_writesTheFeedsBytes()
    {
        const QByteArray bytes = manyPosts(3000);
        const QString path = file(bytes), saved = m_temp.filePath(QStringLiteral("saved.xml"));
        CRssFeed feed;
        QString error;
        QVERIFY2(feed.LoadFromFile(path, &error), qPrintable(error));
        QVERIFY(feed.SetPostTitle(0, QStringLiteral("First")));
        const QByteArray expected = QByteArray(bytes).replace("<title>Post 0<", "<title>First<");
        QByteArray changed = bytes; // the same size, a byte changed in every other block
        for (qsizetype at = 100; at < changed.size(); at += 2 * 64 * 1024)
            changed[at] = changed[at] == 'x' ? 'y' : 'x';
        for (const QByteArray &onDisk : {bytes, changed, bytes.left(bytes.size() / 2), QByteArray()}) {
            QVERIFY(writeFile(path, onDisk));
            QVERIFY2(feed.SaveToFile(saved, &error), qPrintable(error));
            QCOMPARE(readFile(saved), expected);
        }
        QVERIFY(writeFile(path, bytes));
        QVERIFY2(feed.SaveToFile(path, &error), qPrintable(error));
        QCOMPARE(readFile(path), expected);
        QVERIFY(feed.SetPostTitle(1, QStringLiteral("Second")));
        QVERIFY2(feed.SaveToFile(path, &error), qPrintable(error));
        QCOMPARE(readFile(path), QByteArray(expected).replace("<title>Post 1<", "<title>Second<"));
    }

    void load_readsTextAsWritten_data()
    {
        QTest::addColumn<QByteArray>("items");
        QTest::addColumn<QString>("description");
        QTest::newRow("markup characters in CDATA and comments") << QByteArray("<!-- &nbsp; < --><item><description><![CDATA[a&nbsp;<b> & ]]></description></item>") << "a&nbsp;<b> & ";
        QTest::newRow("white space kept, line ends read as LF") << QByteArray("<item><description>  first\r\n   second  </description></item>") << "  first\n   second  ";
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

    // A save keeps the file's permissions and tells later whether the file
    // changed behind the feed's back.
    void save_keepsPermissionsAndNoticesChangesOnDisk()
    {
        const QString path = file("<rss><channel><item><title>A</title></item></channel></rss>");
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
        CRssFeed feed;
        QVERIFY(feed.LoadFromFile(path));
        QVERIFY(!feed.IsChangedOnDisk(path));
        QVERIFY(feed.SetPostTitle(0, QStringLiteral("B")));
        QVERIFY(feed.SaveToFile(path));
        QCOMPARE(QFile::permissions(path), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser | QFile::ReadGroup);
        QVERIFY(!feed.IsChangedOnDisk(path));
        QVERIFY(writeFile(path, "<rss><channel><item><title>Changed elsewhere</title></item></channel></rss>"));
        QVERIFY(feed.IsChangedOnDisk(path));
    }
};

QTEST_GUILESS_MAIN(TestFeedFile)
#include "tst_feedfile.moc"
