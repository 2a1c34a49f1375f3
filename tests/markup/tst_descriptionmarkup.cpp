#include "markup/DescriptionMarkup.h"

#include <QtTest>

class TestDescriptionMarkup : public QObject
{
    Q_OBJECT

private slots:
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
