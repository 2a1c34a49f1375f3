#include "markup/MarkupScanner.h"
#include "markup/Utf8ByteSource.h"

#include <QtTest>

namespace {

// One line per token, e.g. "start br", "attr href=x", "word a"; the end
// token is not listed. "NO END" marks a scanner that never reached it.
QString describe(const MarkupScanner &scanner, MarkupScanner::Token token)
{
    switch (token) {
    case MarkupScanner::TokenError: return "error";
    case MarkupScanner::TokenEnd: return "end";
    case MarkupScanner::TokenTagStart: return "start " + QString::fromLatin1(scanner.tagName());
    case MarkupScanner::TokenTagEnd: return "end " + QString::fromLatin1(scanner.tagName());
    case MarkupScanner::TokenAttribute:
        return "attr " + QString::fromLatin1(scanner.attributeName()) + '=' + scanner.valueText();
    case MarkupScanner::TokenWord: return "word " + scanner.valueText();
    case MarkupScanner::TokenSpace: return "space " + scanner.valueText();
    case MarkupScanner::TokenData: return "data " + scanner.valueText();
    case MarkupScanner::TokenCommentStart: return "comment{";
    case MarkupScanner::TokenCommentEnd: return "}comment";
    case MarkupScanner::TokenCDataStart: return "cdata{";
    case MarkupScanner::TokenCDataEnd: return "}cdata";
    case MarkupScanner::TokenEntityDeclStart: return "entity{";
    case MarkupScanner::TokenEntityDeclEnd: return "}entity";
    }
    return QString("unknown %1").arg(int(token));
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
    return tokens << "NO END";
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
    // Rows give the expected tokens joined by '|'.
    void nextToken_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("tokens");
        auto row = [](const char *name, const QString &text, const char *tokens) { QTest::newRow(name) << text << QString(tokens); };
        row("empty", "", "");
        row("words and spaces", "a &amp; b", "word a|space  |word &|space  |word b");
        row("all white space kinds", "a \t\r\n\fb", "word a|space  \t\r\n\f|word b");
        row("five named references", "&lt;&gt;&amp;&apos;&quot;", "word <|word >|word &|word '|word \"");
        row("unknown reference kept", "x&nbsp;y", "word x|word &nbsp;y");
        row("numeric reference kept", "&#160;&#x20AC;", "word &#160;|word &#x20AC;");
        row("reference without semicolon", "&amp x", "word &|space  |word x");
        row("reference names are exact", "&AMP;", "word &AMP;");
        row("lone ampersand", "a & b", "word a|space  |word &|space  |word b");
        row("reference cut by the end", "a &amp", "word a|space  ");
        row("start and end tag", "<b>x</b>", "start b|word x|end b");
        row("tag name case kept", "<TITLE>t</Title>", "start TITLE|word t|end Title");
        row("empty element", "<br/>", "start br|end br");
        row("empty element with blank", "<br />x", "start br|end br|word x");
        row("empty element with attribute", "<img src=\"a\"/>", "start img|attr src=a|end img");
        row("end tag with blank", "</p >", "end p");
        row("bare attribute", "<option selected>x</option>", "start option|attr selected=|word x|end option");
        row("bare attribute before another", "<input disabled name=a>", "start input|attr disabled=|attr name=a");
        row("quoted values", "<a href=\"u?a=1&amp;b=2\" title='say \"hi\"'>", "start a|attr href=u?a=1&b=2|attr title=say \"hi\"");
        row("bare value keeps references", "<a href=u?a&amp;b>", "start a|attr href=u?a&amp;b");
        row("bare value before close", "<td width=5>", "start td|attr width=5");
        row("blanks around equals", "<a href = \"x\" >y", "start a|attr href=x|word y");
        row("empty value", "<a alt=\"\">", "start a|attr alt=");
        row("doctype", "<!DOCTYPE html>", "start !DOCTYPE|attr html=");
        row("comment", "<!-- hi -->x", "comment{|data  hi |}comment|word x");
        row("empty comment", "<!---->", "comment{|data |}comment");
        row("comment holding dashes and tags", "<!--a--b <p>->-->", "comment{|data a--b <p>->|}comment");
        row("unterminated comment", "<!-- abc", "comment{");
        row("cdata", "<![CDATA[a<b>&amp;]]>c", "cdata{|data a<b>&amp;|}cdata|word c");
        row("entity declaration", "<!ENTITY x \"a>b\">c", "entity{|data  x \"a>b\"|}entity|word c");
        row("two-byte characters", "h\u00e9llo w\u00f6rld", "word h\u00e9llo|space  |word w\u00f6rld");
        row("three-byte character", "<t>\u20ac</t>", "start t|word \u20ac|end t");
        row("four-byte character", "a\U0001F600b", "word a????b");
        // Malformed input: the error token, then scanning goes on.
        row("input ends in tag name", "<a", "error");
        row("end tag with junk", "</a b>", "error|word >");
        row("slash without close", "<a / b>", "start a|error|attr b=");
        row("less-than in attribute name", "<a <b>", "start a|error|attr b=");
        row("input ends in quoted value", "<a href=\"x", "start a|error");
        row("input ends in bare value", "<a x=y", "start a|error");
        row("input ends in attribute name", "<a x", "start a");
    }

    void nextToken()
    {
        QFETCH(QString, text);
        QFETCH(QString, tokens);
        Utf8ByteSource source(text.toUtf8());
        MarkupScanner scanner(source);
        QCOMPARE(scanAll(scanner, 4 * text.size() + 10).join('|'), tokens);
    }

    void nextToken_overlongWordAndNamesAreCut()
    {
        const QString text = QString(1500, 'x') + " <" + QString(200, 't') + ' ' + QString(200, 'a') + "=v>";
        Utf8ByteSource source(text.toUtf8());
        MarkupScanner scanner(source);
        QCOMPARE(scanner.nextToken(), MarkupScanner::TokenWord);
        QCOMPARE(scanner.valueLength(), MarkupScanner::kMaxValueLength);
        QCOMPARE(scanner.valueText(), QString(MarkupScanner::kMaxValueLength, 'x'));
        QCOMPARE(scanner.value()[MarkupScanner::kMaxValueLength], u'\0');
        // The rest of the long word is dropped, not returned as another token.
        QCOMPARE(scanner.nextToken(), MarkupScanner::TokenSpace);
        QCOMPARE(scanner.nextToken(), MarkupScanner::TokenTagStart);
        QCOMPARE(QByteArray(scanner.tagName()), QByteArray(MarkupScanner::kMaxNameLength, 't'));
        QCOMPARE(scanner.nextToken(), MarkupScanner::TokenAttribute);
        QCOMPARE(QByteArray(scanner.attributeName()), QByteArray(MarkupScanner::kMaxNameLength, 'a'));
        QCOMPARE(scanner.valueText(), QString("v"));
        QCOMPARE(scanner.nextToken(), MarkupScanner::TokenEnd);
    }

    void nextToken_longCommentArrivesInPieces_data()
    {
        QTest::addColumn<QString>("content");
        QTest::addColumn<int>("minPieces");
        QTest::newRow("3000 characters") << QString(3000, 'c') << 3;
        QTest::newRow("exactly the limit") << QString(1023, 'c') << 1;
        // The end marker straddles the limit of the first piece.
        QTest::newRow("marker after 1021") << QString(1021, 'c') << 1;
        QTest::newRow("marker after 1022") << QString(1022, 'c') << 1;
        QTest::newRow("dashes at the limit") << QString(1020, 'c') + "-----" << 1;
    }

    void nextToken_longCommentArrivesInPieces()
    {
        QFETCH(QString, content);
        QFETCH(int, minPieces);
        Utf8ByteSource source(("<!--" + content + "-->").toUtf8());
        MarkupScanner scanner(source);
        QString text;
        int pieces = 0;
        QCOMPARE(scanner.nextToken(), MarkupScanner::TokenCommentStart);
        MarkupScanner::Token token;
        while ((token = scanner.nextToken()) == MarkupScanner::TokenData && pieces < 10) {
            text += scanner.valueText();
            ++pieces;
            QVERIFY(scanner.valueLength() <= MarkupScanner::kMaxValueLength);
        }
        QCOMPARE(token, MarkupScanner::TokenCommentEnd);
        QCOMPARE(text, content);
        QVERIFY2(pieces >= minPieces, qPrintable(QString::number(pieces)));
    }

    void nextToken_resolverDecodesOtherNames()
    {
        Utf8ByteSource source(QByteArray("a&nbsp;b&shy;"));
        NbspScanner scanner(source);
        QCOMPARE(scanAll(scanner, 10), QStringList({"word a", "word \u00A0b", "word &shy;"}));
    }

    void nextToken_malformedInputReachesEnd_data()
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

    void nextToken_malformedInputReachesEnd()
    {
        QFETCH(QByteArray, bytes);
        Utf8ByteSource source(bytes);
        MarkupScanner scanner(source);
        const QStringList tokens = scanAll(scanner, 4 * int(bytes.size()) + 10);
        QVERIFY2(!tokens.contains("NO END"), qPrintable(tokens.join('|')));
        QCOMPARE(scanner.nextToken(), MarkupScanner::TokenEnd);
    }

    // --- UTF-8 source ---

    void utf8NextChar_data()
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

    // Past the end the source keeps giving zero.
    void utf8NextChar()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QList<int>, units);
        Utf8ByteSource source(bytes);
        QList<int> read;
        for (int i = 0; i < units.size() + 2; ++i)
            read << int(source.nextChar());
        QCOMPARE(read, units + QList<int>({0, 0}));
    }
};

QTEST_APPLESS_MAIN(TestMarkupScanner)
#include "tst_markupscanner.moc"
