#include "TestFiles.h"
#include "web/CharsetTable.h"
#include "web/WebTitleFetcher.h"

#include <QSet>
#include <QTemporaryDir>
#include <QTest>

// The steps of a title fetch on local files: charset detection, conversion
// to UTF-8 and reading the title, in the cases that the pages of
// tst_webtitlefetcher, which the three together fetch, do not show. The
// charset names and Windows code pages they map between come first.
class TestTitleFetchSteps : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(name);
        return writeFile(path, bytes) ? path : QString();
    }

private slots:
    void codePageFromCharset_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<quint32>("codePage");
        auto row = [](const char *name, const QString &charset, quint32 codePage) { QTest::newRow(name) << charset << codePage; };
        row("utf-8", "utf-8", 65001);
        row("Utf-8 mixed case", "Utf-8", 65001);
        row("utf8 without hyphen", "utf8", 0);
        row("iso-8859-1 is windows-1252", "iso-8859-1", 1252);
        row("unicode", "unicode", 1200);
        row("unicodefffe", "unicodefffe", 1201);
        row("empty", "", 0);
        row("KOI8-R as the detector names it", "KOI8-R", 20866);
        row("windows-1251", "windows-1251", 1251);
        row("Shift_JIS", "Shift_JIS", 932);
        row("gb2312", "gb2312", 936);
        row("big5", "big5", 950);
        row("euc-kr", "euc-kr", 51949);
        row("first row", "asmo-708", 708);
        row("iso-2022-jp takes its first row", "iso-2022-jp", 50220);
        row("repeated ebcdic name", "x-ebcdic-finlandsweden-euro", 1143);
        row("leading blank", " utf-8", 0);
        row("prefix of a name", "utf-", 0);
        row("Kelvin sign is not k", "\u212Aoi8-r", 0);
        row("GB18030 is not a row", "GB18030", 0);
    }

    void codePageFromCharset()
    {
        QFETCH(QString, name);
        QFETCH(quint32, codePage);
        QCOMPARE(CodePageFromCharset(name), codePage);
    }

    void charsetFromCodePage_data()
    {
        QTest::addColumn<int>("codePage");
        QTest::addColumn<QByteArray>("name");
        auto row = [](const char *name, int codePage, const char *charset) { QTest::newRow(name) << codePage << QByteArray(charset); };
        row("1252 is windows-1252", 1252, "windows-1252");
        row("65001", 65001, "utf-8");
        row("0", 0, "");
        row("-1, nothing detected", -1, "");
        row("28591 has no row", 28591, "");
        row("50222", 50222, "iso-2022-jp");
        row("50221", 50221, "csiso2022jp");
        row("1143", 1143, "x-ebcdic-finlandsweden-euro");
        row("20866", 20866, "koi8-r");
        row("last distinct row", 10000, "macintosh");
    }

    void charsetFromCodePage()
    {
        QFETCH(int, codePage);
        QFETCH(QByteArray, name);
        QCOMPARE(CharsetFromCodePage(codePage), name);
    }

    void rows_areLowerCaseAndOnlyTwoNamesRepeat()
    {
        const CharsetTableRow *rows = CharsetTableRows();
        QCOMPARE(QByteArray(rows[0].name), QByteArray("asmo-708"));
        QCOMPARE(QByteArray(rows[kCharsetTableRowCount - 1].name), QByteArray("iso-8859-1"));
        QSet<QByteArray> seen;
        QList<QByteArray> repeated;
        int codePage1252Rows = 0;
        for (int i = 0; i < kCharsetTableRowCount; ++i) {
            const QByteArray name(rows[i].name);
            QCOMPARE(name, name.toLower());
            QVERIFY2(rows[i].codePage != 0, name.constData());
            if (seen.contains(name))
                repeated.append(name);
            seen.insert(name);
            codePage1252Rows += rows[i].codePage == 1252;
            // Every name finds a row with its own code page or an earlier row of the same name.
            QCOMPARE(CodePageFromCharset(QString::fromLatin1(name)), rows[name == "iso-2022-jp" ? 88 : i].codePage);
        }
        QCOMPARE(repeated, (QList<QByteArray>{"x-ebcdic-finlandsweden-euro", "iso-2022-jp"}));
        QCOMPARE(codePage1252Rows, 2);
    }

    void detectFileCharset_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("charset");
        auto row = [](const char *name, const char *file, const QByteArray &bytes, const char *charset) { QTest::newRow(name) << QString(file) << bytes << QString(charset); };
        // The detector alone takes this one for EBCDIC Hebrew.
        row("short ascii page in capitals", "a.htm", "<HTML><HEAD><TITLE>Hello</TITLE></HEAD><BODY>Hi</BODY></HTML>", "utf-8");
        row("latin-1 text is windows-1252", "a.htm", "<html><body><p>Le caf\xE9 de la gare est ferm\xE9 le dimanche, mais la cr\xEAperie \xE0 c\xF4t\xE9 reste ouverte toute la journ\xE9" "e pour les voyageurs fatigu\xE9s.</p></body></html>", "windows-1252");
        row("iso-2022-jp escapes are not taken as ascii", "a.htm", "<html><body>\x1B$B$3$s$K$A$O!\"@$3&!#$3$l$O%F%9%H$G$9!#\x1B(B</body></html>", "iso-2022-jp");
        row("empty file", "a.htm", "", "");
        row("declared charset of a web archive", "a.mht", "<HTML><HEAD><META content=3D\"text/html; charset=3Dkoi8-r\"></HEAD>ascii</HTML>", "koi8-r");
        row("web archive, declaration outside the head", "a.MHT", "<html><body><meta content=3D\"text/html; charset=3Dwindows-1251\">x</body></html>", "windows-1251");
        row("web archive, quote right after the key does not end the value", "a.mht", "charset=\"koi8-r\" x", "\"koi8-r\"");
        row("web archive, value without an end", "a.mht", "charset=koi8-r", "utf-8");
        row("web archive, value ends with semicolon", "a.mht", "<head>charset=iso-8859-2;\">", "iso-8859-2");
        row("web archive without declaration", "a.mht", "<html>plain</html>", "utf-8");
        row("declaration in an ordinary page does not count", "a.htm", "<head><meta charset=koi8-r></head>plain", "utf-8");
    }

    void detectFileCharset()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, charset);
        QCOMPARE(DetectFileCharset(write(fileName, bytes)), charset);
    }

    void convertFileToUtf8_data()
    {
        QTest::addColumn<QString>("charset");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("converted");
        QTest::addColumn<QByteArray>("after");
        auto row = [](const char *name, const char *charset, const QByteArray &bytes, bool converted, const QByteArray &after) { QTest::newRow(name) << QString(charset) << bytes << converted << after; };
        row("utf-8 untouched", "UTF-8", "caf\xE9", true, "caf\xE9");
        row("iso-8859-1 converts as windows-1252", "iso-8859-1", "\x80 caf\xE9", true, "\xE2\x82\xAC caf\xC3\xA9");
        row("gb2312 converts as GBK", "gb2312", "\x81\x40\xD6\xD0", true, "\u4e02\u4e2d");
        row("cut at the first NUL", "windows-1251", QByteArray("ab\0\xC0", 4), true, "ab");
        row("NUL first", "windows-1251", QByteArray("\0ab", 3), false, QByteArray("\0ab", 3));
        row("empty file", "windows-1251", "", false, "");
        row("name not in the table", "utf8", "\xC0", false, "\xC0");
        row("empty name", "", "\xC0", false, "\xC0");
        row("utf-16 cannot pass the NUL cut", "unicode", QByteArray("<\0t\0", 4), false, QByteArray("<\0t\0", 4));
        row("code page without converter", "johab", "\x88\x61", false, "\x88\x61");
    }

    void convertFileToUtf8()
    {
        QFETCH(QString, charset);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, converted);
        QFETCH(QByteArray, after);
        const QString path = write("convert.htm", bytes);
        QCOMPARE(ConvertFileToUtf8(path, charset), converted);
        QCOMPARE(readFile(path), after);
    }

    void extractElementText_data()
    {
        QTest::addColumn<QByteArray>("html");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QString>("text");
        auto row = [](const char *name, const QByteArray &html, bool found, const char *text) { QTest::newRow(name) << html << found << QString(text); };
        row("plain", "<html><head><title>A page</title></head></html>", true, "A page");
        row("mixed case end tag", "<title>Mixed</Title>", true, "Mixed");
        row("line breaks kept", "<title>\r\n one\ntwo\r</title>", true, "\r\n one\ntwo\r");
        row("no end tag", "<title>Open <p>and more", false, "Open and more");
        row("nested tags", "<title>a <b class=x>bold</b> c</title>", true, "a bold c");
        row("first of two", "<title>One</title><title>Two</title>", true, "One");
        row("other element named alike", "<titles>No</titles><title>Yes</title>", true, "Yes");
        row("empty title", "<title></title>", true, "");
        row("three-byte character", "<title>\xE2\x82\xAC 5</title>", true, "\u20ac 5");
        row("comment inside ignored", "<title>a<!-- b -->c</title>", true, "ac");
        row("text stops at NUL", QByteArray("<title>a\0b</title>", 17), false, "a");
        row("after a scanner error", QByteArray("<p a=\"x\0"), false, "");
        row("goes on after malformed markup", "<p <b>x</p><title>After error</title>", true, "After error");
        row("no title", "<html><body>text</body></html>", false, "");
    }

    void extractElementText()
    {
        QFETCH(QByteArray, html);
        QFETCH(bool, found);
        QFETCH(QString, text);
        QString collected = "";
        QCOMPARE(ExtractElementText(write("page.htm", html), "title", &collected), found);
        QCOMPARE(collected, text);
    }

    void extractElementText_missingFile_false()
    {
        QString text = "kept";
        QVERIFY(!ExtractElementText(m_dir.filePath("missing.htm"), "title", &text));
        QCOMPARE(text, QString("kept"));
    }
};

QTEST_GUILESS_MAIN(TestTitleFetchSteps)
#include "tst_titlefetchsteps.moc"
