#include "document/PostFooter.h"

#include "core/ProductInfo.h"
#include "core/RssFeed.h"

#include <QtTest>

#include <type_traits>

static_assert(std::is_same_v<decltype(&AddPostFooter), DescriptionFilterFn>,
              "AddPostFooter must be usable as the feed's description filter");

namespace {

QString home()
{
    return QString::fromUtf8(ProductInfo::kHomeUrl);
}

// The footer as written out by hand, to check MakePostFooter against.
QString expectedFooter()
{
    return QStringLiteral("<BR><P><!-- advertisement -->\r\n<A HREF=") + home()
        + QStringLiteral(" TARGET=_blank TITLE=\"Post created by Tidrel - free visual RSS editor\"><IMG SRC=\"")
        + QString::fromUtf8(ProductInfo::kIconUrl)
        + QStringLiteral("\" BORDER=0 ALT=\"Tidrel Home\" HSPACE=10 WIDTH=22>"
                         "<FONT COLOR=maroon SIZE=-1 FACE=\"Trebuchet MS;\">"
                         "&nbsp;<CODE>This post created by Tidrel</CODE> v")
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
    void makePostFooter_matchesTheWrittenForm();

    void hasPostFooter_data();
    void hasPostFooter();

    void addPostFooter_emptyIsUnchanged();
    void addPostFooter_appendsBreakAndFooterOnce();
    void addPostFooter_editedFooterLinkGetsSecondFooter();
    void addPostFooter_homeLinkInEarlierParagraphGetsFooter();

    void cutPostFooter_withoutFooterChangesNothing();
    void cutPostFooter_keepsTextBeforeFooter();
    void cutPostFooter_renewedFooterFollowsTwoBreaks();
    void cutPostFooter_rewrittenFooterIsNotCut();
};

void TestPostFooter::makePostFooter_matchesTheWrittenForm()
{
    const QString footer = MakePostFooter();
    QCOMPARE(footer, expectedFooter());
    // The version text is dotted and followed by one ellipsis character.
    QVERIFY(footer.contains(QStringLiteral(" v") + QString::fromUtf8(ProductInfo::kVersion) + QChar(0x2026)
                            + QStringLiteral("</FONT>")));
}

void TestPostFooter::hasPostFooter_data()
{
    QTest::addColumn<QString>("description");
    QTest::addColumn<bool>("expected");

    const QString h = home();
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("plain text") << QStringLiteral("Hello") << false;
    QTest::newRow("with footer") << QStringLiteral("Hello<BR>") + MakePostFooter() << true;
    QTest::newRow("footer as the browser rewrites it")
        << QStringLiteral("<p>Hello</p><br><br><p><!-- advertisement -->\n<a href=\"") + h
               + QStringLiteral("\" target=\"_blank\" title=\"t\"><img src=\"i.png\" border=\"0\"></a></p>")
        << true;
    QTest::newRow("home link in last paragraph")
        << QStringLiteral("<P>see <a HREF='") + h + QStringLiteral("'>us</a></P>") << true;
    QTest::newRow("home link in earlier paragraph only")
        << QStringLiteral("<P><A HREF=\"") + h + QStringLiteral("\">us</A></P><P>more</P>") << false;
    QTest::newRow("other link in last paragraph")
        << QStringLiteral("<P><A HREF=\"https://elsewhere.example/\">x</A></P>") << false;
    QTest::newRow("home address must match exactly")
        << QStringLiteral("<P><A HREF=\"") + h + QStringLiteral("about\">x</A></P>") << false;
    QTest::newRow("home link outside any paragraph")
        << QStringLiteral("<DIV><A HREF=\"") + h + QStringLiteral("\">x</A></DIV>") << false;
    QTest::newRow("home address on another tag")
        << QStringLiteral("<P><IMG HREF=\"") + h + QStringLiteral("\"></P>") << false;
    QTest::newRow("home address as text") << QStringLiteral("<P>") + h + QStringLiteral("</P>") << false;
}

void TestPostFooter::hasPostFooter()
{
    QFETCH(QString, description);
    QFETCH(bool, expected);
    QCOMPARE(HasPostFooter(description), expected);
}

void TestPostFooter::addPostFooter_emptyIsUnchanged()
{
    QCOMPARE(AddPostFooter(QString(), 0), QString());
}

void TestPostFooter::addPostFooter_appendsBreakAndFooterOnce()
{
    const QString stored = AddPostFooter(QStringLiteral("Hello"), 0);
    QCOMPARE(stored, QStringLiteral("Hello<BR>") + expectedFooter());
    QCOMPARE(AddPostFooter(stored, 0), stored);
}

void TestPostFooter::addPostFooter_editedFooterLinkGetsSecondFooter()
{
    QString edited = AddPostFooter(QStringLiteral("Hello"), 0);
    edited.replace(QStringLiteral("HREF=") + home(), QStringLiteral("HREF=https://elsewhere.example/"));
    QCOMPARE(footerCount(edited), 1);

    const QString stored = AddPostFooter(edited, 0);
    QCOMPARE(stored, edited + QStringLiteral("<BR>") + expectedFooter());
    QCOMPARE(footerCount(stored), 2);
}

void TestPostFooter::addPostFooter_homeLinkInEarlierParagraphGetsFooter()
{
    const QString description =
        QStringLiteral("<P><A HREF=\"") + home() + QStringLiteral("\">home</A></P><P>news</P>");
    QCOMPARE(AddPostFooter(description, 0), description + QStringLiteral("<BR>") + expectedFooter());
}

void TestPostFooter::cutPostFooter_withoutFooterChangesNothing()
{
    QString description = QStringLiteral("<P>Hello</P>");
    QVERIFY(!CutPostFooter(description));
    QCOMPARE(description, QStringLiteral("<P>Hello</P>"));
}

void TestPostFooter::cutPostFooter_keepsTextBeforeFooter()
{
    QString description = AddPostFooter(QStringLiteral("Hello"), 0);
    QVERIFY(CutPostFooter(description));
    QCOMPARE(description, QStringLiteral("Hello<BR>"));
}

void TestPostFooter::cutPostFooter_renewedFooterFollowsTwoBreaks()
{
    QString description = AddPostFooter(QStringLiteral("Hello"), 0);
    QVERIFY(CutPostFooter(description));
    const QString renewed = AddPostFooter(description, 0);
    QCOMPARE(renewed, QStringLiteral("Hello<BR><BR>") + expectedFooter());
    QCOMPARE(footerCount(renewed), 1);
}

// The browser may rewrite the footer's markup; then it is still found but
// its opening block is no longer there to cut at.
void TestPostFooter::cutPostFooter_rewrittenFooterIsNotCut()
{
    const QString rewritten = QStringLiteral("Hello<br><p><a href=\"") + home() + QStringLiteral("\">x</a></p>");
    QString description = rewritten;
    QVERIFY(HasPostFooter(description));
    QVERIFY(!CutPostFooter(description));
    QCOMPARE(description, rewritten);
}

QTEST_APPLESS_MAIN(TestPostFooter)
#include "tst_postfooter.moc"
