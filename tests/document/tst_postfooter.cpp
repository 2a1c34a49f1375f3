#include "document/PostFooter.h"

#include "core/ProductInfo.h"
#include "core/RssFeed.h"

#include <QtTest>

namespace {

const QString kHome = QStringLiteral("https://tidrel.org/");

// The footer as written out by hand, to check MakePostFooter against.
QString expectedFooter(const QString &words)
{
    return "<BR><P><!-- advertisement -->\r\n<FONT COLOR=maroon SIZE=-1 FACE=\"Trebuchet MS;\">&nbsp;<CODE>" + words
        + "</CODE></FONT></P>";
}

// A footer as the editor page writes it back: lower case, quoted, LF.
QString rewrittenFooter()
{
    return "<br><p><!-- advertisement -->\n<a href=\"" + kHome
        + "\" target=\"_blank\" title=\"t\"><font color=\"maroon\" size=\"-1\">&nbsp;<code>Mine</code></font></a></p>";
}

int footerCount(const QString &description)
{
    return int(description.count(QStringLiteral("<!-- advertisement -->")));
}

} // namespace

class TestPostFooter : public QObject
{
    Q_OBJECT

private slots:
    // --- The footer's text ---

    void makePostFooter_userWordsWithoutPlaceholderLink()
    {
        const QString words = "This post created by Tidrel v" + QString::fromUtf8(ProductInfo::kVersion) + QChar(0x2026);
        QCOMPARE(DefaultPostFooterText(), words);
        QCOMPARE(MakePostFooter(words, QString()), expectedFooter(words));
        QCOMPARE(MakePostFooter("<b> & me", QString()), expectedFooter("&lt;b&gt; &amp; me"));
        // The build's own address is a placeholder: it must reach no file.
        QVERIFY(IsPlaceholderAddress(QString::fromUtf8(ProductInfo::kHomeUrl)));
        QCOMPARE(PostFooterHomeUrl(), QString());
        QVERIFY(!MakePostFooter(DefaultPostFooterText()).contains(".example"));

        const QString linked = MakePostFooter("Mine", kHome);
        QVERIFY2(linked.contains("<A HREF=" + kHome + " TARGET=_blank TITLE=\"Post created by Tidrel - free visual RSS editor\">"),
                 qPrintable(linked));
        QVERIFY(linked.endsWith("</CODE></FONT></A></P>"));
        QVERIFY(!linked.contains(".example")); // nor the placeholder icon
        QVERIFY(HasPostFooter("Hello<BR>" + linked));
    }

    void isPlaceholderAddress_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("expected");
        QTest::newRow("placeholder host") << "https://tidrel.example/" << true;
        QTest::newRow("upper case") << "https://Tidrel.EXAMPLE/x" << true;
        QTest::newRow("bare reserved name") << "http://example/" << true;
        QTest::newRow("empty") << "" << true;
        QTest::newRow("real site") << "https://tidrel.org/" << false;
        QTest::newRow("example.com is real") << "https://example.com/" << false;
        QTest::newRow("name ending in example") << "https://myexample/" << false;
    }

    void isPlaceholderAddress()
    {
        QFETCH(QString, url);
        QFETCH(bool, expected);
        QCOMPARE(IsPlaceholderAddress(url), expected);
    }

    // --- Finding it ---

    void hasPostFooter_data()
    {
        QTest::addColumn<QString>("description");
        QTest::addColumn<bool>("expected");
        QTest::newRow("empty") << "" << false;
        QTest::newRow("plain text") << "Hello" << false;
        QTest::newRow("with footer") << "Hello<BR>" + MakePostFooter("x", QString()) << true;
        QTest::newRow("with linked footer") << "Hello<BR>" + MakePostFooter("x", kHome) << true;
        QTest::newRow("footer as the editor page writes it") << "<p>Hello</p><br>" + rewrittenFooter() << true;
        QTest::newRow("blank lines after the footer") << "Hello<br>" + rewrittenFooter() + "<p><br></p>\n<P>&nbsp;</P><br>" << true;
        QTest::newRow("text typed after the footer") << "Hello<br>" + rewrittenFooter() + "<p>more</p>" << false;
        QTest::newRow("footer paragraph left open") << "Hello<br><p><!-- advertisement -->\n<code>x</code>" << true;
        QTest::newRow("marker outside a paragraph") << "Hello<div><!-- advertisement -->x</div>" << false;
        QTest::newRow("home link without marker") << "<P><A HREF=\"" + kHome + "\">us</A></P>" << false;
        QTest::newRow("script before the footer") << "<script>if (a <b && c == \"x\") {}</script><BR>" + MakePostFooter("x", QString()) << true;
    }

    void hasPostFooter()
    {
        QFETCH(QString, description);
        QFETCH(bool, expected);
        QCOMPARE(HasPostFooter(description), expected);
    }

    // --- Adding (a copy's footer is cut and renewed in tst_documentcommands) ---

    void addPostFooter_appendsBreakAndFooterOnce()
    {
        QCOMPARE(AddPostFooter(QString(), "x"), QString());
        const QString stored = AddPostFooter("Hello", "Mine", QString());
        QCOMPARE(stored, "Hello<BR>" + expectedFooter("Mine"));
        QCOMPARE(AddPostFooter(stored, "Mine"), stored);
        // Other words do not make a second footer either.
        QCOMPARE(AddPostFooter(stored, "Other"), stored);

        const QString rewritten = "<p>Hello</p><br>" + rewrittenFooter();
        QCOMPARE(AddPostFooter(rewritten, "Mine"), rewritten);

        const QString typedAfter = "Hello<br>" + rewrittenFooter() + "<p>more</p>";
        QCOMPARE(footerCount(AddPostFooter(typedAfter, "Mine")), 2);
    }

    // Regression: a script whose text reads like a tag hid the footer, and
    // every store added one more.
    void addPostFooter_scriptDoesNotPileUpFooters()
    {
        QString description = QStringLiteral("<p>x</p><script>if (a <b && c == \"x\") {}</script>");
        for (int i = 0; i < 3; ++i)
            description = AddPostFooter(description, "Mine");
        QCOMPARE(footerCount(description), 1);
    }
};

QTEST_APPLESS_MAIN(TestPostFooter)
#include "tst_postfooter.moc"
