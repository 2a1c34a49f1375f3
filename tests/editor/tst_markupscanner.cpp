#include "editor/MarkupScanner.h"
#include "links/Utf8ByteSource.h"

#include <QtTest>

namespace {

// One line per token, e.g. "start br", "attr href=x", "word a"; the end
// token is not listed. "NO END" marks a scanner that never reached it.
QString describe(const MarkupScanner &scanner, MarkupScanner::Token token)
{
    switch (token) {
    case MarkupScanner::TokenError:
        return QStringLiteral("error");
    case MarkupScanner::TokenEnd:
        return QStringLiteral("end");
    case MarkupScanner::TokenTagStart:
        return QStringLiteral("start ") + QString::fromLatin1(scanner.tagName());
    case MarkupScanner::TokenTagEnd:
        return QStringLiteral("end ") + QString::fromLatin1(scanner.tagName());
    case MarkupScanner::TokenAttribute:
        return QStringLiteral("attr ") + QString::fromLatin1(scanner.attributeName()) + u'=' + scanner.valueText();
    case MarkupScanner::TokenWord:
        return QStringLiteral("word ") + scanner.valueText();
    case MarkupScanner::TokenSpace:
        return QStringLiteral("space ") + scanner.valueText();
    case MarkupScanner::TokenData:
        return QStringLiteral("data ") + scanner.valueText();
    case MarkupScanner::TokenCommentStart:
        return QStringLiteral("comment{");
    case MarkupScanner::TokenCommentEnd:
        return QStringLiteral("}comment");
    case MarkupScanner::TokenCDataStart:
        return QStringLiteral("cdata{");
    case MarkupScanner::TokenCDataEnd:
        return QStringLiteral("}cdata");
    case MarkupScanner::TokenEntityDeclStart:
        return QStringLiteral("entity{");
    case MarkupScanner::TokenEntityDeclEnd:
        return QStringLiteral("}entity");
    }
    return QStringLiteral("unknown %1").arg(int(token));
}

QStringList scanAll(MarkupScanner &scanner, int maxTokens)
{
    QStringList tokens;
    for (int i = 0; i < maxTokens; ++i) {
        const MarkupScanner::Token token = scanner.nextToken();
        if (token == MarkupScanner::TokenEnd)
            return tokens;
        tokens << describe(scanner, token);
    }
    tokens << QStringLiteral("NO END");
    return tokens;
}

QStringList scanText(const QString &text)
{
    Utf8ByteSource source(text.toUtf8());
    MarkupScanner scanner(source);
    return scanAll(scanner, 4 * text.size() + 10);
}

// Joins the data tokens of one comment and counts them.
struct CommentPieces
{
    QString text;
    int pieces = 0;
    int longest = 0;
    bool ended = false;
};

CommentPieces scanComment(const QString &markup)
{
    Utf8ByteSource source(markup.toUtf8());
    MarkupScanner scanner(source);
    CommentPieces result;
    for (int i = 0; i < markup.size() + 10; ++i) {
        const MarkupScanner::Token token = scanner.nextToken();
        if (token == MarkupScanner::TokenEnd)
            break;
        if (token == MarkupScanner::TokenData) {
            result.text += scanner.valueText();
            ++result.pieces;
            result.longest = qMax(result.longest, scanner.valueLength());
        }
        if (token == MarkupScanner::TokenCommentEnd)
            result.ended = true;
    }
    return result;
}

class NbspScanner : public MarkupScanner
{
public:
    using MarkupScanner::MarkupScanner;

protected:
    char16_t resolveEntity(const char *name, int length) override
    {
        return length == 4 && qstrcmp(name, "nbsp") == 0 ? u'\u00A0' : 0;
    }
};

} // namespace

class TestMarkupScanner : public QObject
{
    Q_OBJECT

private slots:
    void nextToken_data();
    void nextToken();
    void nextToken_overlongWordIsCut();
    void nextToken_overlongNamesAreCut();
    void nextToken_longCommentArrivesInPieces_data();
    void nextToken_longCommentArrivesInPieces();
    void nextToken_resolverDecodesOtherNames();
    void nextToken_malformedInputReachesEnd_data();
    void nextToken_malformedInputReachesEnd();

    void utf8NextChar_data();
    void utf8NextChar();
    void utf8NextChar_staysAtEnd();

    void extractElements_data();
    void extractElements();
    void extractElements_emptyTextFails();
    void extractElements_keepsEarlierStrings();
};

// --- Scanner tokens ---

void TestMarkupScanner::nextToken_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("tokens");

    auto row = [](const char *name, const QString &text, const QStringList &tokens) {
        QTest::newRow(name) << text << tokens;
    };

    row("empty", QString(), {});
    row("words and spaces", QStringLiteral("a &amp; b"),
        {QStringLiteral("word a"), QStringLiteral("space  "), QStringLiteral("word &"), QStringLiteral("space  "),
         QStringLiteral("word b")});
    row("all white space kinds", QStringLiteral("a \t\r\n\fb"),
        {QStringLiteral("word a"), QStringLiteral("space  \t\r\n\f"), QStringLiteral("word b")});
    row("five named references", QStringLiteral("&lt;&gt;&amp;&apos;&quot;"),
        {QStringLiteral("word <"), QStringLiteral("word >"), QStringLiteral("word &"), QStringLiteral("word '"),
         QStringLiteral("word \"")});
    row("unknown reference kept", QStringLiteral("x&nbsp;y"), {QStringLiteral("word x"), QStringLiteral("word &nbsp;y")});
    row("numeric reference kept", QStringLiteral("&#160;&#x20AC;"),
        {QStringLiteral("word &#160;"), QStringLiteral("word &#x20AC;")});
    row("reference without semicolon", QStringLiteral("&amp x"),
        {QStringLiteral("word &"), QStringLiteral("space  "), QStringLiteral("word x")});
    row("reference names are exact", QStringLiteral("&AMP;"), {QStringLiteral("word &AMP;")});
    row("lone ampersand", QStringLiteral("a & b"),
        {QStringLiteral("word a"), QStringLiteral("space  "), QStringLiteral("word &"), QStringLiteral("space  "),
         QStringLiteral("word b")});
    row("reference cut by the end", QStringLiteral("a &amp"), {QStringLiteral("word a"), QStringLiteral("space  ")});
    row("start and end tag", QStringLiteral("<b>x</b>"),
        {QStringLiteral("start b"), QStringLiteral("word x"), QStringLiteral("end b")});
    row("tag name case kept", QStringLiteral("<TITLE>t</Title>"),
        {QStringLiteral("start TITLE"), QStringLiteral("word t"), QStringLiteral("end Title")});
    row("empty element", QStringLiteral("<br/>"), {QStringLiteral("start br"), QStringLiteral("end br")});
    row("empty element with blank", QStringLiteral("<br />x"),
        {QStringLiteral("start br"), QStringLiteral("end br"), QStringLiteral("word x")});
    row("empty element with attribute", QStringLiteral("<img src=\"a\"/>"),
        {QStringLiteral("start img"), QStringLiteral("attr src=a"), QStringLiteral("end img")});
    row("end tag with blank", QStringLiteral("</p >"), {QStringLiteral("end p")});
    row("bare attribute", QStringLiteral("<option selected>x</option>"),
        {QStringLiteral("start option"), QStringLiteral("attr selected="), QStringLiteral("word x"),
         QStringLiteral("end option")});
    row("bare attribute before another", QStringLiteral("<input disabled name=a>"),
        {QStringLiteral("start input"), QStringLiteral("attr disabled="), QStringLiteral("attr name=a")});
    row("quoted values", QStringLiteral("<a href=\"u?a=1&amp;b=2\" title='say \"hi\"'>"),
        {QStringLiteral("start a"), QStringLiteral("attr href=u?a=1&b=2"), QStringLiteral("attr title=say \"hi\"")});
    row("bare value keeps references", QStringLiteral("<a href=u?a&amp;b>"),
        {QStringLiteral("start a"), QStringLiteral("attr href=u?a&amp;b")});
    row("bare value before close", QStringLiteral("<td width=5>"),
        {QStringLiteral("start td"), QStringLiteral("attr width=5")});
    row("blanks around equals", QStringLiteral("<a href = \"x\" >y"),
        {QStringLiteral("start a"), QStringLiteral("attr href=x"), QStringLiteral("word y")});
    row("empty value", QStringLiteral("<a alt=\"\">"), {QStringLiteral("start a"), QStringLiteral("attr alt=")});
    row("doctype", QStringLiteral("<!DOCTYPE html>"), {QStringLiteral("start !DOCTYPE"), QStringLiteral("attr html=")});
    row("comment", QStringLiteral("<!-- hi -->x"),
        {QStringLiteral("comment{"), QStringLiteral("data  hi "), QStringLiteral("}comment"), QStringLiteral("word x")});
    row("empty comment", QStringLiteral("<!---->"),
        {QStringLiteral("comment{"), QStringLiteral("data "), QStringLiteral("}comment")});
    row("comment holding dashes and tags", QStringLiteral("<!--a--b <p>->-->"),
        {QStringLiteral("comment{"), QStringLiteral("data a--b <p>->"), QStringLiteral("}comment")});
    row("unterminated comment", QStringLiteral("<!-- abc"), {QStringLiteral("comment{")});
    row("cdata", QStringLiteral("<![CDATA[a<b>&amp;]]>c"),
        {QStringLiteral("cdata{"), QStringLiteral("data a<b>&amp;"), QStringLiteral("}cdata"), QStringLiteral("word c")});
    row("entity declaration", QStringLiteral("<!ENTITY x \"a>b\">c"),
        {QStringLiteral("entity{"), QStringLiteral("data  x \"a>b\""), QStringLiteral("}entity"),
         QStringLiteral("word c")});
    row("two-byte characters", QStringLiteral("h\u00e9llo w\u00f6rld"),
        {QStringLiteral("word h\u00e9llo"), QStringLiteral("space  "), QStringLiteral("word w\u00f6rld")});
    row("three-byte character", QStringLiteral("<t>\u20ac</t>"),
        {QStringLiteral("start t"), QStringLiteral("word \u20ac"), QStringLiteral("end t")});
    row("four-byte character", QString::fromUtf8("a\xF0\x9F\x98\x80" "b"), {QStringLiteral("word a????b")});

    // Malformed input: the error token, then scanning goes on.
    row("input ends in tag name", QStringLiteral("<a"), {QStringLiteral("error")});
    row("end tag with junk", QStringLiteral("</a b>"), {QStringLiteral("error"), QStringLiteral("word >")});
    row("slash without close", QStringLiteral("<a / b>"),
        {QStringLiteral("start a"), QStringLiteral("error"), QStringLiteral("attr b=")});
    row("less-than in attribute name", QStringLiteral("<a <b>"),
        {QStringLiteral("start a"), QStringLiteral("error"), QStringLiteral("attr b=")});
    row("input ends in quoted value", QStringLiteral("<a href=\"x"), {QStringLiteral("start a"), QStringLiteral("error")});
    row("input ends in bare value", QStringLiteral("<a x=y"), {QStringLiteral("start a"), QStringLiteral("error")});
    row("input ends in attribute name", QStringLiteral("<a x"), {QStringLiteral("start a")});
}

void TestMarkupScanner::nextToken()
{
    QFETCH(QString, text);
    QFETCH(QStringList, tokens);
    QCOMPARE(scanText(text), tokens);
}

void TestMarkupScanner::nextToken_overlongWordIsCut()
{
    const QString text = QString(1500, u'x') + QStringLiteral(" y");
    Utf8ByteSource source(text.toUtf8());
    MarkupScanner scanner(source);
    QCOMPARE(scanner.nextToken(), MarkupScanner::TokenWord);
    QCOMPARE(scanner.valueLength(), MarkupScanner::kMaxValueLength);
    QCOMPARE(scanner.valueText(), QString(MarkupScanner::kMaxValueLength, u'x'));
    QCOMPARE(scanner.value()[MarkupScanner::kMaxValueLength], u'\0');
    // The rest of the long word is dropped, not returned as another token.
    QCOMPARE(scanner.nextToken(), MarkupScanner::TokenSpace);
    QCOMPARE(scanner.nextToken(), MarkupScanner::TokenWord);
    QCOMPARE(scanner.valueText(), QStringLiteral("y"));
}

void TestMarkupScanner::nextToken_overlongNamesAreCut()
{
    const QString tag = QString(200, u't');
    const QString attribute = QString(200, u'a');
    const QString text = u'<' + tag + u' ' + attribute + QStringLiteral("=v>");
    Utf8ByteSource source(text.toUtf8());
    MarkupScanner scanner(source);
    QCOMPARE(scanner.nextToken(), MarkupScanner::TokenTagStart);
    QCOMPARE(QByteArray(scanner.tagName()), QByteArray(MarkupScanner::kMaxNameLength, 't'));
    QCOMPARE(scanner.nextToken(), MarkupScanner::TokenAttribute);
    QCOMPARE(QByteArray(scanner.attributeName()), QByteArray(MarkupScanner::kMaxNameLength, 'a'));
    QCOMPARE(scanner.valueText(), QStringLiteral("v"));
    QCOMPARE(scanner.nextToken(), MarkupScanner::TokenEnd);
}

void TestMarkupScanner::nextToken_longCommentArrivesInPieces_data()
{
    QTest::addColumn<QString>("content");
    QTest::addColumn<int>("minPieces");

    QTest::newRow("3000 characters") << QString(3000, u'c') << 3;
    QTest::newRow("exactly the limit") << QString(1023, u'c') << 1;
    // The end marker straddles the limit of the first piece.
    QTest::newRow("marker after 1021") << QString(1021, u'c') << 1;
    QTest::newRow("marker after 1022") << QString(1022, u'c') << 1;
    QTest::newRow("dashes at the limit") << QString(1020, u'c') + QStringLiteral("-----") << 1;
}

void TestMarkupScanner::nextToken_longCommentArrivesInPieces()
{
    QFETCH(QString, content);
    QFETCH(int, minPieces);
    const CommentPieces comment = scanComment(QStringLiteral("<!--") + content + QStringLiteral("-->"));
    QCOMPARE(comment.text, content);
    QVERIFY2(comment.pieces >= minPieces, qPrintable(QString::number(comment.pieces)));
    QVERIFY(comment.longest <= MarkupScanner::kMaxValueLength);
    QVERIFY(comment.ended);
}

void TestMarkupScanner::nextToken_resolverDecodesOtherNames()
{
    Utf8ByteSource source(QByteArray("a&nbsp;b&shy;"));
    NbspScanner scanner(source);
    QCOMPARE(scanner.nextToken(), MarkupScanner::TokenWord);
    QCOMPARE(scanner.valueText(), QStringLiteral("a"));
    QCOMPARE(scanner.nextToken(), MarkupScanner::TokenWord);
    QCOMPARE(scanner.valueText(), QStringLiteral("\u00A0b"));
    QCOMPARE(scanner.nextToken(), MarkupScanner::TokenWord);
    QCOMPARE(scanner.valueText(), QStringLiteral("&shy;"));
}

void TestMarkupScanner::nextToken_malformedInputReachesEnd_data()
{
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("lone brackets") << QByteArray("<<<>>></></ <//>");
    QTest::newRow("attribute junk") << QByteArray("<a = = \"\" '' / / < > =x>");
    QTest::newRow("unclosed quote then tag") << QByteArray("<a b='x><p>text</p>");
    QTest::newRow("comment markers") << QByteArray("<!-- <!-- --> --> <![CDATA[ ]] ]]> <!ENTITY \"\"\" >");
    QTest::newRow("bad utf-8") << QByteArray("\xFF\xFE<\x80\xC3>\xE2\x82 &\xF0;");
    QTest::newRow("ends after less-than") << QByteArray("text <");
    QTest::newRow("ends after slash") << QByteArray("<br/");
}

void TestMarkupScanner::nextToken_malformedInputReachesEnd()
{
    QFETCH(QByteArray, bytes);
    Utf8ByteSource source(bytes);
    MarkupScanner scanner(source);
    const QStringList tokens = scanAll(scanner, 4 * int(bytes.size()) + 10);
    QVERIFY2(!tokens.contains(QStringLiteral("NO END")), qPrintable(tokens.join(u'|')));
    QCOMPARE(scanner.nextToken(), MarkupScanner::TokenEnd);
}

// --- UTF-8 source ---

void TestMarkupScanner::utf8NextChar_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QList<int>>("units");

    QTest::newRow("ascii") << QByteArray("Ab") << QList<int>{0x41, 0x62};
    QTest::newRow("two bytes") << QByteArray("\xC3\xA9") << QList<int>{0xE9};
    QTest::newRow("three bytes") << QByteArray("\xE2\x82\xAC") << QList<int>{0x20AC};
    QTest::newRow("four bytes") << QByteArray("\xF0\x9F\x98\x80") << QList<int>{0x3F, 0x3F, 0x3F, 0x3F};
    QTest::newRow("stray continuation") << QByteArray("\x80x") << QList<int>{0x3F, 0x78};
    QTest::newRow("two bytes cut short") << QByteArray("\xC3") << QList<int>{0xC0};
    QTest::newRow("three bytes cut short") << QByteArray("\xE2\x82") << QList<int>{0x2080};
    QTest::newRow("lead byte eats next byte") << QByteArray("\xC3z!") << QList<int>{0xFA, 0x21};
    QTest::newRow("nul reads as zero and is passed") << QByteArray("a\0b", 3) << QList<int>{0x61, 0, 0x62};
}

void TestMarkupScanner::utf8NextChar()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QList<int>, units);
    Utf8ByteSource source(bytes);
    QList<int> read;
    for (int i = 0; i < units.size(); ++i)
        read << int(source.nextChar());
    QCOMPARE(read, units);
    QCOMPARE(int(source.nextChar()), 0);
}

void TestMarkupScanner::utf8NextChar_staysAtEnd()
{
    Utf8ByteSource source(QByteArray("x"));
    QCOMPARE(int(source.nextChar()), int('x'));
    QCOMPARE(int(source.nextChar()), 0);
    QCOMPARE(int(source.nextChar()), 0);
}

// --- Element extractor ---

void TestMarkupScanner::extractElements_data()
{
    QTest::addColumn<QByteArray>("tagName");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("elements");

    QTest::newRow("paragraph and text after it") << QByteArray("P") << QStringLiteral("<P>a</P> tail")
                                                 << QStringList{QStringLiteral("<P>a</P> tail")};
    QTest::newRow("two paragraphs") << QByteArray("P") << QStringLiteral("<p>one</p><p>two</p>")
                                    << QStringList{QStringLiteral("<p>one</p>"), QStringLiteral("<p>two</p>")};
    QTest::newRow("name compared without case") << QByteArray("P") << QStringLiteral("<p>x</p>")
                                                << QStringList{QStringLiteral("<p>x</p>")};
    QTest::newRow("no such element") << QByteArray("P") << QStringLiteral("hello <b>world</b>") << QStringList{};
    QTest::newRow("nested markup rebuilt")
        << QByteArray("P") << QStringLiteral("<P>x <A HREF=\"u\" TARGET=_blank>link</A></P>")
        << QStringList{QStringLiteral("<P>x <A HREF=\"u\" TARGET=\"_blank\">link</A></P>")};
    QTest::newRow("attributes of the element land behind it")
        << QByteArray("P") << QStringLiteral("<P class=c>t</P>") << QStringList{QStringLiteral("<P> class=\"c\"t</P>")};
    QTest::newRow("start tags after the element are dropped")
        << QByteArray("P") << QStringLiteral("<P>a</P><B>b</B>") << QStringList{QStringLiteral("<P>a</P>b</B>")};
    QTest::newRow("open start tag closed before an end tag")
        << QByteArray("P") << QStringLiteral("<P>a<BR></P>") << QStringList{QStringLiteral("<P>a<BR></P>")};
    QTest::newRow("empty element tag") << QByteArray("P") << QStringLiteral("<P>a<BR/>b</P>")
                                       << QStringList{QStringLiteral("<P>a<BR></BR>b</P>")};
    QTest::newRow("comment skipped") << QByteArray("P") << QStringLiteral("<P><!-- c -->\r\nx</P>")
                                     << QStringList{QStringLiteral("<P>\r\nx</P>")};
    QTest::newRow("non-ascii text") << QByteArray("P") << QStringLiteral("<P>gr\u00fc\u00df \u20ac</P>")
                                    << QStringList{QStringLiteral("<P>gr\u00fc\u00df \u20ac</P>")};
    QTest::newRow("stops at the first error")
        << QByteArray("P") << QStringLiteral("<P>a <B / c>d</P>") << QStringList{QStringLiteral("<P>a <B")};
}

void TestMarkupScanner::extractElements()
{
    QFETCH(QByteArray, tagName);
    QFETCH(QString, text);
    QFETCH(QStringList, elements);
    QStringList found;
    QVERIFY(ElementExtractor(tagName).ExtractElements(text, found));
    QCOMPARE(found, elements);
}

void TestMarkupScanner::extractElements_emptyTextFails()
{
    QStringList found;
    QVERIFY(!ElementExtractor("P").ExtractElements(QString(), found));
    QVERIFY(found.isEmpty());
}

void TestMarkupScanner::extractElements_keepsEarlierStrings()
{
    QStringList found{QStringLiteral("earlier")};
    QVERIFY(ElementExtractor("P").ExtractElements(QStringLiteral("before <P>x</P>"), found));
    QCOMPARE(found, (QStringList{QStringLiteral("earlier"), QStringLiteral("<P>x</P>")}));
}

QTEST_APPLESS_MAIN(TestMarkupScanner)
#include "tst_markupscanner.moc"
