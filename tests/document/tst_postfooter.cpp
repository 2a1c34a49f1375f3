#include "document/PostFooter.h"

#include "core/ProductInfo.h"
#include "core/RssFeed.h"

#include <QtTest>

#include <type_traits>



namespace {

const QString kHome = QString::fromUtf8(ProductInfo::kHomeUrl);

// The footer as written out by hand, to check MakePostFooter against.
QString expectedFooter()
{
    return "<BR><P><!-- advertisement -->\r\n<A HREF=" + kHome
        + " TARGET=_blank TITLE=\"Post created by Tidrel - free visual RSS editor\"><IMG SRC=\""
        + QString::fromUtf8(ProductInfo::kIconUrl)
        + "\" BORDER=0 ALT=\"Tidrel Home\" HSPACE=10 WIDTH=22><FONT COLOR=maroon SIZE=-1 FACE=\"Trebuchet MS;\">"
          "&nbsp;<CODE>This post created by Tidrel</CODE> v"
        + QString::fromUtf8(ProductInfo::kVersion) + QStringLiteral("\u2026</FONT></A></P>");
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
    void hasPostFooter_data()
    {
        QTest::addColumn<QString>("description");
        QTest::addColumn<bool>("expected");
        QTest::newRow("empty") << "" << false;
        QTest::newRow("plain text") << "Hello" << false;
        QTest::newRow("with footer") << "Hello<BR>" + MakePostFooter() << true;
        QTest::newRow("footer as the browser rewrites it") << "<p>Hello</p><br><br><p><!-- advertisement -->\n<a href=\"" + kHome + "\" target=\"_blank\" title=\"t\"><img src=\"i.png\" border=\"0\"></a></p>" << true;
        QTest::newRow("home link in last paragraph") << "<P>see <a HREF='" + kHome + "'>us</a></P>" << true;
        QTest::newRow("home link in earlier paragraph only") << "<P><A HREF=\"" + kHome + "\">us</A></P><P>more</P>" << false;
        QTest::newRow("other link in last paragraph") << "<P><A HREF=\"https://elsewhere.example/\">x</A></P>" << false;
        QTest::newRow("home address must match exactly") << "<P><A HREF=\"" + kHome + "about\">x</A></P>" << false;
        QTest::newRow("home link outside any paragraph") << "<DIV><A HREF=\"" + kHome + "\">x</A></DIV>" << false;
        QTest::newRow("home address on another tag") << "<P><IMG HREF=\"" + kHome + "\"></P>" << false;
        QTest::newRow("home address as text") << "<P>" + kHome + "</P>" << false;
    }

    void hasPostFooter()
    {
        QFETCH(QString, description);
        QFETCH(bool, expected);
        QCOMPARE(HasPostFooter(description), expected);
    }

    void addPostFooter_appendsBreakAndFooterOnce()
    {
        QCOMPARE(MakePostFooter(), expectedFooter());
        QCOMPARE(AddPostFooter(QString()), QString());
        const QString stored = AddPostFooter(QStringLiteral("Hello"));
        QCOMPARE(stored, "Hello<BR>" + expectedFooter());
        QCOMPARE(AddPostFooter(stored), stored);

        const QString earlierLink = "<P><A HREF=\"" + kHome + "\">home</A></P><P>news</P>";
        QCOMPARE(AddPostFooter(earlierLink), earlierLink + "<BR>" + expectedFooter());
    }

    void addPostFooter_footerWithOtherLinkGetsSecondFooter()
    {
        QString edited = AddPostFooter(QStringLiteral("Hello"));
        edited.replace("HREF=" + kHome, QStringLiteral("HREF=https://elsewhere.example/"));
        QCOMPARE(footerCount(edited), 1);
        const QString stored = AddPostFooter(edited);
        QCOMPARE(stored, edited + "<BR>" + expectedFooter());
        QCOMPARE(footerCount(stored), 2);
    }

    void cutPostFooter_keepsTextBeforeFooter()
    {
        QString description = QStringLiteral("<P>Hello</P>");
        QVERIFY(!CutPostFooter(description));
        QCOMPARE(description, QStringLiteral("<P>Hello</P>"));

        description = AddPostFooter(QStringLiteral("Hello"));
        QVERIFY(CutPostFooter(description));
        QCOMPARE(description, QStringLiteral("Hello<BR>"));
        // Renewed, the footer follows two breaks.
        const QString renewed = AddPostFooter(description);
        QCOMPARE(renewed, "Hello<BR><BR>" + expectedFooter());
        QCOMPARE(footerCount(renewed), 1);
    }

    // The browser may rewrite the footer's markup; then it is still found but
    // its opening block is no longer there to cut at.
    void cutPostFooter_rewrittenFooterIsNotCut()
    {
        const QString rewritten = "Hello<br><p><a href=\"" + kHome + "\">x</a></p>";
        QString description = rewritten;
        QVERIFY(HasPostFooter(description));
        QVERIFY(!CutPostFooter(description));
        QCOMPARE(description, rewritten);
    }
};

QTEST_APPLESS_MAIN(TestPostFooter)
#include "tst_postfooter.moc"
