#include "editor/DescriptionMarkup.h"

#include <QtTest>

class TestDescriptionMarkup : public QObject
{
    Q_OBJECT
private slots:
    void cleanSavedHtml_data();
    void cleanSavedHtml();
    void extractBetween_data();
    void extractBetween();
    void findNoCase_data();
    void findNoCase();
    void selectedFragment_data();
    void selectedFragment();
    void fragmentFromSelectionHtml_data();
    void fragmentFromSelectionHtml();
};

// --- CleanSavedHtml ---

void TestDescriptionMarkup::cleanSavedHtml_data()
{
    QTest::addColumn<QString>("saved");
    QTest::addColumn<QString>("expected");

    QTest::newRow("body cut, outer line breaks and reference gone")
        << "<html><head></head><body>\r\n<p>a&#x0A;b</p>\r\n</body></html>" << "<p>ab</p>";
    QTest::newRow("markers removed")
        << "<body><p>He<!--StartSelection-->ll<!--EndSelection-->o</p></body>" << "<p>Hello</p>";
    QTest::newRow("upper-case reference and lower-case marker removed")
        << "<body>x&#X0A;y<!--startselection-->z</body>" << "xyz";
    QTest::newRow("&QUOT; is not replaced") << "<body>&QUOT;&quot;</body>" << "&QUOT;\"";
    QTest::newRow("references in a row and at the start")
        << "<body>&#x0D;&#x0D;&#x0d;a&#x0D;&#x0A;b</body>" << "ab";
    QTest::newRow("no <body> keeps the beginning") << "<p>a</p></body>tail" << "<p>a</p>";
    QTest::newRow("no </body> keeps the end") << "head<body><p>a</p>\n" << "<p>a</p>";
    QTest::newRow("neither tag") << "  <p>a</p>\t" << "<p>a</p>";
    QTest::newRow("upper-case body tags are not cut") << "<BODY>a</BODY>" << "<BODY>a</BODY>";
    QTest::newRow("white space only") << "<body> \r\n\t </body>" << "";
    QTest::newRow("inner line breaks and other references stay")
        << "<body><p>a\r\nb &amp; &lt; &nbsp;</p></body>" << "<p>a\r\nb &amp; &lt; &nbsp;</p>";
    QTest::newRow("empty document") << "" << "";
    QTest::newRow("marker pieces rejoin into nothing")
        << "<body>&#x0<!--EndSelection-->A;</body>" << "";
}

void TestDescriptionMarkup::cleanSavedHtml()
{
    QFETCH(QString, saved);
    QFETCH(QString, expected);
    CleanSavedHtml(saved);
    QCOMPARE(saved, expected);
}

// --- ExtractBetween ---

void TestDescriptionMarkup::extractBetween_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("open");
    QTest::addColumn<QString>("close");
    QTest::addColumn<QString>("expected");

    QTest::newRow("both found") << "a[b]c" << "[" << "]" << "b";
    QTest::newRow("first pair") << "[1][2]" << "[" << "]" << "1";
    QTest::newRow("close before open is skipped") << "]x[y]" << "[" << "]" << "y";
    QTest::newRow("open missing") << "abc]" << "[" << "]" << "";
    QTest::newRow("close missing") << "[abc" << "[" << "]" << "";
    QTest::newRow("case-sensitive") << "<BODY>a</body>" << "<body>" << "</body>" << "";
    QTest::newRow("adjacent") << "<b></b>" << "<b>" << "</b>" << "";
    QTest::newRow("close may share no characters with open") << "<!--x-->" << "<!--" << "-->" << "x";
}

void TestDescriptionMarkup::extractBetween()
{
    QFETCH(QString, text);
    QFETCH(QString, open);
    QFETCH(QString, close);
    QFETCH(QString, expected);
    QCOMPARE(ExtractBetween(text, open, close), expected);
}

// --- FindNoCase ---

void TestDescriptionMarkup::findNoCase_data()
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

void TestDescriptionMarkup::findNoCase()
{
    QFETCH(QString, text);
    QFETCH(QString, pattern);
    QFETCH(int, start);
    QFETCH(bool, caseSensitive);
    QFETCH(int, expected);
    QCOMPARE(FindNoCase(text, pattern, start, caseSensitive), expected);
}

// --- Selection fragments ---

void TestDescriptionMarkup::selectedFragment_data()
{
    QTest::addColumn<QString>("saved");
    QTest::addColumn<QString>("expected");

    QTest::newRow("text run around the selection")
        << "<html><body><p>Hello <!--StartSelection-->wor<!--EndSelection-->ld</p></body></html>"
        << "Hello world";
    QTest::newRow("stops at the first tag behind the end marker")
        << "<body><p>a <a href=\"x\">li<!--StartSelection-->n<!--EndSelection-->k</a> b</p></body>" << "link";
    QTest::newRow("caret")
        << "<body><p>ab<!--StartSelection--><!--EndSelection-->cd</p></body>" << "abcd";
    QTest::newRow("start marker only") << "<body><p>a<!--StartSelection-->b</p></body>" << "";
    QTest::newRow("no tag after the end marker")
        << "<body><p>a<!--StartSelection-->b<!--EndSelection-->c</body>" << "";
    QTest::newRow("no body") << "<p>a<!--StartSelection-->b<!--EndSelection-->c</p>" << "";
    QTest::newRow("no tag before the start marker")
        << "<body>a<!--StartSelection-->b<!--EndSelection-->c<br></body>" << "";
    QTest::newRow("no markers") << "<body><p>a</p></body>" << "";
}

void TestDescriptionMarkup::selectedFragment()
{
    QFETCH(QString, saved);
    QFETCH(QString, expected);
    QCOMPARE(SelectedFragmentFromSavedHtml(saved), expected);
}

void TestDescriptionMarkup::fragmentFromSelectionHtml_data()
{
    QTest::addColumn<QByteArray>("html");
    QTest::addColumn<QString>("expected");

    QTest::newRow("fragment") << QByteArray("<html><body><!--StartFragment--><b>x</b><!--EndFragment--></body></html>")
                              << "<b>x</b>";
    QTest::newRow("UTF-8 decoded") << QByteArray("<!--StartFragment-->caf\xc3\xa9<!--EndFragment-->")
                                   << QString::fromUtf8("caf\xc3\xa9");
    QTest::newRow("empty") << QByteArray() << "";
    QTest::newRow("without fragment comments") << QByteArray("<b>x</b>") << "";
    QTest::newRow("end comment missing") << QByteArray("<!--StartFragment--><b>x</b>") << "";
}

void TestDescriptionMarkup::fragmentFromSelectionHtml()
{
    QFETCH(QByteArray, html);
    QFETCH(QString, expected);
    QCOMPARE(FragmentFromSelectionHtml(html), expected);
}

QTEST_APPLESS_MAIN(TestDescriptionMarkup)
#include "tst_descriptionmarkup.moc"
