#include "markup/DescriptionMarkup.h"

#include <QtTest>

class TestDescriptionMarkup : public QObject
{
    Q_OBJECT

private slots:
    void cleanSavedHtml_data()
    {
        QTest::addColumn<QString>("saved");
        QTest::addColumn<QString>("expected");
        auto row = [](const char *name, const char *saved, const char *expected) { QTest::newRow(name) << QString(saved) << QString(expected); };
        row("body cut, outer line breaks and reference gone", "<html><head></head><body>\r\n<p>a&#x0A;b</p>\r\n</body></html>", "<p>ab</p>");
        row("markers removed", "<body><p>He<!--StartSelection-->ll<!--EndSelection-->o</p></body>", "<p>Hello</p>");
        row("upper-case reference and lower-case marker removed", "<body>x&#X0A;y<!--startselection-->z</body>", "xyz");
        row("&QUOT; is not replaced", "<body>&QUOT;&quot;</body>", "&QUOT;\"");
        row("references in a row and at the start", "<body>&#x0D;&#x0D;&#x0d;a&#x0D;&#x0A;b</body>", "ab");
        row("no <body> keeps the beginning", "<p>a</p></body>tail", "<p>a</p>");
        row("no </body> keeps the end", "head<body><p>a</p>\n", "<p>a</p>");
        row("neither tag", "  <p>a</p>\t", "<p>a</p>");
        row("upper-case body tags are not cut", "<BODY>a</BODY>", "<BODY>a</BODY>");
        row("white space only", "<body> \r\n\t </body>", "");
        row("inner line breaks and other references stay", "<body><p>a\r\nb &amp; &lt; &nbsp;</p></body>", "<p>a\r\nb &amp; &lt; &nbsp;</p>");
        row("empty document", "", "");
        row("marker pieces rejoin into nothing", "<body>&#x0<!--EndSelection-->A;</body>", "");
    }

    void cleanSavedHtml()
    {
        QFETCH(QString, saved);
        QFETCH(QString, expected);
        CleanSavedHtml(saved);
        QCOMPARE(saved, expected);
    }

    void findNoCase_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<int>("start");
        QTest::addColumn<bool>("caseSensitive");
        QTest::addColumn<int>("expected");
        QTest::newRow("ignoring case") << "abcABC" << "Bc" << 0 << false << 1;
        QTest::newRow("from start index") << "abcABC" << "bc" << 2 << false << 4;
        QTest::newRow("case-sensitive") << "abcABC" << "BC" << 0 << true << 4;
        QTest::newRow("case-sensitive miss") << "abc" << "B" << 0 << true << -1;
        QTest::newRow("not found") << "abc" << "x" << 0 << false << -1;
        QTest::newRow("start at the match") << "xAx" << "a" << 1 << false << 1;
        QTest::newRow("index of the original text") << QString::fromUtf8("\u0130x") << "x" << 0 << false << 1;
    }

    void findNoCase()
    {
        QFETCH(QString, text);
        QFETCH(QString, pattern);
        QFETCH(int, start);
        QFETCH(bool, caseSensitive);
        QFETCH(int, expected);
        QCOMPARE(FindNoCase(text, pattern, start, caseSensitive), expected);
    }

    void selectedFragment_data()
    {
        QTest::addColumn<QString>("saved");
        QTest::addColumn<QString>("expected");
        auto row = [](const char *name, const char *saved, const char *expected) { QTest::newRow(name) << QString(saved) << QString(expected); };
        row("text run around the selection", "<html><body><p>Hello <!--StartSelection-->wor<!--EndSelection-->ld</p></body></html>", "Hello world");
        row("stops at the first tag behind the end marker", "<body><p>a <a href=\"x\">li<!--StartSelection-->n<!--EndSelection-->k</a> b</p></body>", "link");
        row("caret", "<body><p>ab<!--StartSelection--><!--EndSelection-->cd</p></body>", "abcd");
        row("start marker only", "<body><p>a<!--StartSelection-->b</p></body>", "");
        row("no tag after the end marker", "<body><p>a<!--StartSelection-->b<!--EndSelection-->c</body>", "");
        row("no body", "<p>a<!--StartSelection-->b<!--EndSelection-->c</p>", "");
        row("no tag before the start marker", "<body>a<!--StartSelection-->b<!--EndSelection-->c<br></body>", "");
        row("no markers", "<body><p>a</p></body>", "");
    }

    void selectedFragment()
    {
        QFETCH(QString, saved);
        QFETCH(QString, expected);
        QCOMPARE(SelectedFragmentFromSavedHtml(saved), expected);
    }

    void fragmentFromSelectionHtml_data()
    {
        QTest::addColumn<QByteArray>("html");
        QTest::addColumn<QString>("expected");
        QTest::newRow("fragment") << QByteArray("<html><body><!--StartFragment--><b>x</b><!--EndFragment--></body></html>") << "<b>x</b>";
        QTest::newRow("UTF-8 decoded") << QByteArray("<!--StartFragment-->caf\xc3\xa9<!--EndFragment-->") << "caf\u00e9";
        QTest::newRow("empty") << QByteArray() << "";
        QTest::newRow("without fragment comments") << QByteArray("<b>x</b>") << "";
        QTest::newRow("end comment missing") << QByteArray("<!--StartFragment--><b>x</b>") << "";
        QTest::newRow("first of two") << QByteArray("<!--StartFragment-->1<!--EndFragment--><!--StartFragment-->2<!--EndFragment-->") << "1";
    }

    void fragmentFromSelectionHtml()
    {
        QFETCH(QByteArray, html);
        QFETCH(QString, expected);
        QCOMPARE(FragmentFromSelectionHtml(html), expected);
    }

    // --- Clean-ups ---

    void removeSpansAndStyles_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("changed");
        auto row = [](const char *name, const char *text, const char *expected, bool changed) {
            QTest::newRow(name) << QString(text) << QString(expected) << changed;
        };
        row("spans and styles", "<p style=\"color:red\">a<span class=\"x\" style=\"b\">b</span>c</p>",
            "<p >abc</p>", true);
        row("style without span stays", "<p style=\"color:red\">a</p>", "<p style=\"color:red\">a</p>", false);
        row("unclosed span stops, the rest is still cleaned",
            "<span>a</span><i style=\"x\">b</i><span c", "a<i >b</i><span c", true);
        row("upper-case tags survive", "<SPAN>a</SPAN><span>b</span>", "<SPAN>a</SPAN>b", true);
        row("upper-case only: unchanged", "<SPAN STYLE=\"x\">a</SPAN>", "<SPAN STYLE=\"x\">a</SPAN>", false);
        row("style without closing quote stays", "<span>a</span><b style=\"x>b</b>", "a<b style=\"x>b</b>", true);
        row("empty", "", "", false);
    }

    void removeSpansAndStyles()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QFETCH(bool, changed);
        QCOMPARE(RemoveSpansAndStyles(text), changed);
        QCOMPARE(text, expected);
    }

    void replaceAllWithSpace_replacesExactCaseOnly()
    {
        QString text = QStringLiteral("a&nbsp;&nbsp;b&NBSP;c");
        QVERIFY(ReplaceAllWithSpace(text, {QStringLiteral("&nbsp;")}));
        QCOMPARE(text, QStringLiteral("a  b&NBSP;c"));
        QVERIFY(!ReplaceAllWithSpace(text, {QStringLiteral("&nbsp;")}));
        QVERIFY(!ReplaceAllWithSpace(text, {}));
        QCOMPARE(text, QStringLiteral("a  b&NBSP;c"));
    }
};

QTEST_APPLESS_MAIN(TestDescriptionMarkup)
#include "tst_descriptionmarkup.moc"
