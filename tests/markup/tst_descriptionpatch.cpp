#include "markup/DescriptionPatch.h"

#include <QtTest>

// Each row: the stored description, the page's serialisation of it (as
// Chromium writes innerHTML), the page's text after the edit, and what must
// be stored.
class TestDescriptionPatch : public QObject
{
    Q_OBJECT

private slots:
    void apply_changesOnlyEditedStretches_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("edited");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *name, const QString &source, const QString &shown, const QString &edited,
                            const QString &expected) { QTest::newRow(name) << source << shown << edited << expected; };
        row("changed word keeps upper-case tags", "<P>The quick fox</P>", "<p>The quick fox</p>", "<p>The slow fox</p>",
            "<P>The slow fox</P>");
        row("inserted element", "<P>one two</P>", "<p>one two</p>", "<p>one <b>bold</b> two</p>",
            "<P>one <b>bold</b> two</P>");
        row("deleted stretch with its tags", "<p>keep <I>drop</I> this</p>", "<p>keep <i>drop</i> this</p>",
            "<p>keep this</p>", "<p>keep this</p>");
        row("references around an edited word stay", "&#40;\u0432\u0438\u0434\u0435\u043e&#41; &amp; more",
            "(\u0432\u0438\u0434\u0435\u043e) &amp; more", "(\u0444\u0438\u043b\u044c\u043c) &amp; less",
            "&#40;\u0444\u0438\u043b\u044c\u043c&#41; &amp; less");
        row("CR LF source, new lines take CR LF", "<p>a</p>\r\n<p>b</p>", "<p>a</p>\n<p>b</p>",
            "<p>a</p>\n<p>c</p>\n<p>new</p>", "<p>a</p>\r\n<p>c</p>\r\n<p>new</p>");
        row("untouched attributes, references and CDATA stay", "<P CLASS=x>a&nbsp;b<![CDATA[c]]><br/>d</P>",
            "<p class=\"x\">a&nbsp;b<!--[CDATA[c]]--><br>d</p>", "<p class=\"x\">a&nbsp;b<!--[CDATA[c]]--><br>e</p>",
            "<P CLASS=x>a&nbsp;b<![CDATA[c]]><br/>e</P>");
        row("changed attribute replaces its tag only", "<A HREF=x>link</A>", "<a href=\"x\">link</a>",
            "<a href=\"y\">link</a>", "<a href=\"y\">link</A>");
        row("typed back is the source", "<P>a&#x20;b</P>", "<p>a b</p>", "<p>a b</p>", "<P>a&#x20;b</P>");
        row("edit beside implied markup stores the page's text there", "<p>one<p>two", "<p>one</p><p>two</p>",
            "<p>one</p><p>twos</p>", "<p>one<p>twos</p>");
        row("empty source", "", "", "<p>new</p>", "<p>new</p>");
        row("text that looks like markup", "a < b & c", "a &lt; b &amp; c", "a &lt; b &amp; d", "a < b & d");
        row("a no-break space typed as a number is the user's", "a b", "a b", "a&#160;b", "a&#160;b");

        // Long texts, whose ends the edit leaves alike; the page writes
        // every paragraph differently from the source.
        const auto lines = [](const char *pattern, int count = 40) {
            QString text;
            for (int i = 0; i < count; ++i)
                text += QString::fromLatin1(pattern).arg(i);
            return text;
        };
        const QString source = lines("<P>Paragraph %1 &#40;%1&#41; &amp; more</P>\r\n");
        const QString shown = lines("<p>Paragraph %1 (%1) &amp; more</p>\n");
        const auto edit = [](QString text, const char *from, const char *to) {
            return text.replace(QLatin1String(from), QLatin1String(to));
        };
        row("word typed after a reference in the middle of a long text", source, shown,
            edit(shown, "(20) &amp; more", "(20) &amp; more words"),
            edit(source, "&#40;20&#41; &amp; more", "&#40;20&#41; &amp; more words"));
        row("words typed far apart in a long text", source, shown,
            edit(edit(shown, "Paragraph 0 ", "First paragraph 0 "), "(39) &amp; more", "(39) &amp; more at last"),
            edit(edit(source, "Paragraph 0 ", "First paragraph 0 "), "&#40;39&#41; &amp; more", "&#40;39&#41; &amp; more at last"));
        row("paragraph deleted from a long text", source, shown, edit(shown, "<p>Paragraph 7 (7) &amp; more</p>\n", ""),
            edit(source, "<P>Paragraph 7 &#40;7&#41; &amp; more</P>\r\n", ""));
        row("a '<' opening no tag before an edit in a long text", "a < b " + source, "a < b " + shown,
            "a < b " + edit(shown, "(30) &amp; more", "(30) &amp; less"), "a < b " + edit(source, "&#40;30&#41; &amp; more", "&#40;30&#41; &amp; less"));

        // The page closes every one of a thousand paragraphs: more changes
        // than a comparison of the whole texts can afford to find.
        const QString unclosed = lines("<p>Paragraph %1 &amp; more\r\n", 1000);
        const QString closed = lines("<p>Paragraph %1 &amp; more\n</p>", 1000);
        row("word typed in a long text the page changed in every paragraph", unclosed, closed,
            edit(closed, "Paragraph 500 &amp;", "Paragraph 500 and words &amp;"),
            edit(unclosed, "Paragraph 500 &amp;", "Paragraph 500 and words &amp;"));
    }

    void apply_changesOnlyEditedStretches()
    {
        QFETCH(QString, source);
        QFETCH(QString, shown);
        QFETCH(QString, edited);
        QFETCH(QString, expected);
        const CDescriptionPatch patch(source, shown);
        QCOMPARE(patch.apply(edited), expected);
        QCOMPARE(patch.apply(shown), source);
    }

    // The file's line end, given, wins over the source's.
    void apply_newLineBreaksTakeGivenLineEnd()
    {
        const CDescriptionPatch patch(QStringLiteral("<p>a</p>"), QStringLiteral("<p>a</p>"), QStringLiteral("\r\n"));
        QCOMPARE(patch.apply(QStringLiteral("<p>a</p>\n<p>b</p>")), QStringLiteral("<p>a</p>\r\n<p>b</p>"));
    }
};

QTEST_APPLESS_MAIN(TestDescriptionPatch)
#include "tst_descriptionpatch.moc"
