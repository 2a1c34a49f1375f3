#include "DocumentTestSupport.h"

#include "core/ProductInfo.h"
#include "document/PostFooter.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QUndoStack>
#include <QtTest>

#include <memory>

using Entries = std::vector<int>;

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

class DocumentCommandsTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { f = std::make_unique<DocumentFixture>(); }
    void cleanup() { f.reset(); }

    // A live item comes to the top in one step, pending from the next full
    // hour for an hour, its times with their offset; undo gives back the file.
    void addLive_insertsPendingLiveItemInOneStep()
    {
        f->open(postsTitled({"A"}));
        const QByteArray original = f->doc.feed()->PrintToString();
        QVERIFY(f->state(ID_POST_ADD_LIVE).enabled);
        QVERIFY(f->commands.OnCommand(ID_POST_ADD_LIVE));
        QCOMPARE(f->log, notes("insert:0 select:0"));
        const CRssFeed *feed = f->doc.feed();
        QVERIFY(feed->IsLiveItem(0));
        QCOMPARE(feed->GetPostTitle(0), QStringLiteral("New Live Item"));
        QCOMPARE(feed->GetPostAttribute(0, QStringLiteral("status")), QStringLiteral("pending"));
        const QDateTime start = QDateTime::fromString(feed->GetPostAttribute(0, QStringLiteral("start")), Qt::ISODate);
        const QDateTime end = QDateTime::fromString(feed->GetPostAttribute(0, QStringLiteral("end")), Qt::ISODate);
        QVERIFY2(start.timeSpec() == Qt::OffsetFromUTC || start.timeSpec() == Qt::UTC,
                 qPrintable(feed->GetPostAttribute(0, QStringLiteral("start"))));
        QCOMPARE(start.time().minute(), 0);
        QVERIFY(start > QDateTime::currentDateTime() && start <= QDateTime::currentDateTime().addSecs(3600));
        QCOMPARE(start.secsTo(end), 3600);
        QCOMPARE(f->doc.undoStack()->count(), 1);
        f->doc.undo();
        QCOMPARE(feed->PrintToString(), original);
    }

    // A new post, a copy of the current one or the current one itself goes
    // to the top and is selected, in one change of the modified mark.
    void addAndDuplicate_putPostOnTopAndSelectIt()
    {
        struct Case { int command; QStringList titles; QString notices; };
        for (const Case &c : {Case{ID_POST_ADD, {"New Item", "P", "Q", "R"}, "insert:0 select:0"},
                              Case{ID_POST_DUPLICATE, {"R", "P", "Q", "R"}, "insert:0 select:0"},
                              Case{ID_POST_DUPLICATE_DELETE, {"R", "P", "Q"}, "select:-1 remove:2 insert:0 select:0"}}) {
            f->open(postsTitled({"P", "Q", "R"}));
            f->select(2);
            f->log.clear();
            QSignalSpy modified(&f->doc, &CRSSEditDoc::modifiedChanged);
            QVERIFY(f->state(c.command).enabled);
            QVERIFY(f->commands.OnCommand(c.command));
            QCOMPARE(f->titles(), c.titles);
            QCOMPARE(f->doc.currentPost(), 0);
            QVERIFY(f->doc.IsModified());
            QCOMPARE(modified.count(), 1);
            QCOMPARE(f->log, notes(c.notices));
        }
    }

    void duplicate_renewsFooterOfCopyOnlyWhenFooterIsOn()
    {
        // Without the footer turned on, a copy keeps the footer it has.
        const QString kept = "Hello<BR>" + MakePostFooter("Old words");
        f->open({{"P", "01 Mar 2020 09:00:00 GMT", kept}});
        f->select(0);
        QVERIFY(f->commands.OnCommand(ID_POST_DUPLICATE));
        QCOMPARE(f->doc.feed()->GetPostDescription(0), kept);

        const QString words = DefaultPostFooterText();
        f->doc.setDescriptionFilter([words](const QString &text) { return AddPostFooter(text, words); });
        // A footer written by an older version of the program, then rewritten
        // by the editor page in lower case with quoted attributes.
        // Regression: the cut looked for the footer's exact text, and the
        // copy got a second footer.
        const QString original = "<p>Hello</p><br><br><p><!-- advertisement -->\n<a href=\"https://tidrel.org/\" "
                                 "target=\"_blank\"><font color=\"maroon\">&nbsp;<code>Tidrel v0.0.0.1\u2026</code>"
                                 "</font></a></p>";
        const QString oldDate = QStringLiteral("01 Mar 2020 09:00:00 GMT");
        f->open({{"P", oldDate, original}, {"Q", oldDate, "<p>Plain</p>"}});
        f->select(0);

        QVERIFY(f->commands.OnCommand(ID_POST_DUPLICATE));
        const CRssFeed *feed = f->doc.feed();
        QCOMPARE(feed->GetPostDescription(0), "<p>Hello</p><br><BR>" + MakePostFooter(words));
        QVERIFY(feed->GetPostPubDate(0) != oldDate);
        QCOMPARE(feed->GetPostDescription(1), original);
        QCOMPARE(feed->GetPostPubDate(1), oldDate);

        // A copy without a footer keeps its description; as every copy, it
        // is dated anew.
        f->select(2);
        QVERIFY(f->commands.OnCommand(ID_POST_DUPLICATE));
        feed = f->doc.feed();
        QCOMPARE(feed->GetPostDescription(0), QStringLiteral("<p>Plain</p>"));
        QVERIFY(feed->GetPostPubDate(0) != oldDate);
    }

    void delete_asksThenAnnouncesRemovalSelectsSameIndexAndUndoes()
    {
        QVERIFY(!f->state(ID_POST_DELETE).enabled); // empty document
        f->open(postsTitled({"A"}));
        f->select(0);
        QVERIFY(!f->state(ID_POST_DELETE).enabled);
        f->open(postsTitled({"A", "B", "C"}));
        // With no post selected there is nothing to delete, copy or date.
        for (int id : {ID_POST_DELETE, ID_POST_DUPLICATE, ID_POST_DUPLICATE_DELETE, ID_POST_SET_DATE_NOW})
            QVERIFY(!f->state(id).enabled);
        f->select(1);
        QVERIFY(f->state(ID_POST_DELETE).enabled);
        f->log.clear();

        // Asked first, as the window shows (tst_mainframe).
        QVERIFY(f->commands.OnCommand(ID_POST_DELETE));
        QCOMPARE(f->prompter.questions.size(), 1);
        QCOMPARE(f->titles(), QStringList({"A", "C"}));
        // The deleted post's typing goes with it: nothing is stored.
        QCOMPARE(f->log, notes("select:-1 remove:1 select:1"));
        QCOMPARE(f->doc.currentPost(), 1);
        QVERIFY(f->doc.IsModified());

        // Undone, the post comes back in its place, announced as a replay
        // (the posts list selects it without asking for a new name); redone,
        // it goes again.
        bool replayingWhenInserted = false;
        connect(&f->doc, &CRSSEditDoc::postsInserted, this, [&] { replayingWhenInserted = f->doc.isReplaying(); });
        f->log.clear();
        QVERIFY(f->commands.OnCommand(ID_EDIT_UNDO));
        QCOMPARE(f->titles(), QStringList({"A", "B", "C"}));
        QCOMPARE(f->log, notes("insert:1"));
        QVERIFY(replayingWhenInserted);
        QCOMPARE(f->doc.currentPost(), 2); // C, still selected
        f->log.clear();
        QVERIFY(f->commands.OnCommand(ID_EDIT_REDO));
        QCOMPARE(f->log, notes("remove:1"));
        QCOMPARE(f->doc.currentPost(), 1);

        // Regression: after the last post went, the editor kept showing it.
        // The post before it is selected now.
        f->log.clear();
        QVERIFY(f->commands.OnCommand(ID_POST_DELETE));
        QCOMPARE(f->titles(), QStringList({"A"}));
        QCOMPARE(f->log, notes("select:-1 remove:1 select:0"));
        QCOMPARE(f->doc.currentPost(), 0);
        QVERIFY(!f->state(ID_POST_DELETE).enabled);
    }

    void reload_restoresFileAfterAskingAndSelectsOldIndex()
    {
        QVERIFY(f->doc.OnNewDocument(NewFeedParams()));
        QVERIFY(!f->state(ID_POST_RELOAD).enabled); // no file yet
        f->open(postsTitled({"A", "B", "C"}));
        QVERIFY(f->state(ID_POST_RELOAD).enabled);
        f->select(0);
        f->select(2);
        QVERIFY(f->doc.SetPostField(2, CRSSEditDoc::PostTitle, QStringLiteral("Edited")));
        QVERIFY(f->commands.OnCommand(ID_POST_ADD));
        f->log.clear();

        QVERIFY(f->commands.OnCommand(ID_POST_RELOAD));
        QCOMPARE(f->titles(), QStringList({"A", "B", "C"}));
        QCOMPARE(f->prompter.questions.size(), 1);
        QVERIFY(!f->doc.IsModified());
        QCOMPARE(f->doc.currentPost(), 0);
        QCOMPARE(f->log, notes("select:-1 reset select:0"));
        // The history survives: 0, 2 shifted by the add, the new post, then
        // 0 again.
        QCOMPARE(f->doc.history()->entries(), Entries({1, 3, 0, 0}));
    }

    void copyFeed_putsNonAsciiTextOnClipboard_emptyFeedBeeps()
    {
        QVERIFY(f->commands.OnCommand(ID_POST_COPY_FEED));
        QCOMPARE(f->prompter.beeps, 1);

        const QString title = QStringLiteral("Привет Ελλάδα 日本語 ✓");
        f->open(postsTitled({"A", title}));
        f->select(1);
        f->log.clear();
        QGuiApplication::clipboard()->clear();

        QVERIFY(f->commands.OnCommand(ID_POST_COPY_FEED));
        const QString copied = QGuiApplication::clipboard()->text();
        QVERIFY2(copied.contains("<title>" + title + "</title>"), qPrintable(copied));
        QCOMPARE(copied, QString::fromUtf8(f->doc.feed()->PrintToString()));
        QCOMPARE(f->log, notes(""));
        QCOMPARE(f->prompter.beeps, 1);
        QVERIFY(!f->doc.IsModified());
    }

    // Each post selected goes on the history; a post the list does not show
    // is never selected. Back drops the post it leaves and Forward retraces
    // it; with nothing to go to, neither changes anything. A post chosen
    // after going back starts a new way: nothing ahead.
    void history_selectBackAndForward()
    {
        f->open(postsTitled({"A", "B", "C", "D"}));
        for (int post : {0, 3, 1})
            f->select(post);
        QCOMPARE(f->log, notes("select:0 select:3 select:1"));
        QCOMPARE(f->doc.history()->entries(), Entries({0, 3, 1}));
        f->log.clear();
        f->doc.selection()->setVisibility([](int post) { return post != 2; });
        QVERIFY(!f->doc.selection()->select(2));
        QVERIFY(!f->doc.selection()->select(4));
        f->doc.selection()->setVisibility({});
        QVERIFY(f->commands.OnCommand(ID_POST_FORWARD));
        QVERIFY(f->log.isEmpty());

        QVERIFY(f->commands.OnCommand(ID_POST_BACK));
        QCOMPARE(f->log, notes("select:3"));
        QCOMPARE(f->doc.history()->entries(), Entries({0, 3}));
        QVERIFY(f->commands.OnCommand(ID_POST_BACK));
        QCOMPARE(f->doc.history()->entries(), Entries({0}));
        f->log.clear();
        QVERIFY(f->commands.OnCommand(ID_POST_BACK));
        QVERIFY(f->log.isEmpty());

        QVERIFY(f->commands.OnCommand(ID_POST_FORWARD));
        QCOMPARE(f->log, notes("select:3"));
        QCOMPARE(f->doc.history()->entries(), Entries({0, 3}));
        QVERIFY(f->commands.OnCommand(ID_POST_FORWARD));
        QCOMPARE(f->doc.currentPost(), 1);
        QCOMPARE(f->doc.history()->entries(), Entries({0, 3, 1}));
        QVERIFY(f->commands.OnCommand(ID_POST_BACK));
        QVERIFY(f->state(ID_POST_FORWARD).enabled);
        f->select(2);
        QVERIFY(!f->state(ID_POST_FORWARD).enabled);
    }

    // A delete renumbers the history before the next post is selected; an
    // added or duplicated post shifts the entries, the post Back left too.
    void history_followsDeleteAddAndDuplicate()
    {
        f->open(postsTitled({"A", "B", "C"}));
        for (int post : {0, 2, 1})
            f->select(post);
        f->doc.history()->append(2); // also a select without the selection: 0, 2, 1, 2
        Entries historyAtRemoval;
        connect(f->doc.selection(), &CPostSelection::changed, this, [&](int post) {
            if (post < 0)
                historyAtRemoval = f->doc.history()->entries();
        });
        QVERIFY(f->commands.OnCommand(ID_POST_DELETE));
        QCOMPARE(historyAtRemoval, Entries({0, 1, 1}));
        QCOMPARE(f->doc.history()->entries(), Entries({0, 1, 1, 1}));

        f = std::make_unique<DocumentFixture>();
        f->open(postsTitled({"A", "B", "C"}));
        f->select(0);
        f->select(2);
        QVERIFY(f->commands.OnCommand(ID_POST_ADD));
        QCOMPARE(f->doc.history()->entries(), Entries({1, 3, 0})); // A, C, the new post
        f->select(2);
        QVERIFY(f->commands.OnCommand(ID_POST_DUPLICATE_DELETE));
        // B went (its entry with it) and came back at the top: A, C and the
        // new post are at 2, 3 and 1.
        QCOMPARE(f->doc.history()->entries(), Entries({2, 3, 1, 0}));
        QVERIFY(f->commands.OnCommand(ID_POST_BACK));
        QCOMPARE(f->doc.history()->entries(), Entries({2, 3, 1}));
        QVERIFY(f->doc.InsertNewPost());
        QVERIFY(f->commands.OnCommand(ID_POST_FORWARD));
        QCOMPARE(f->doc.history()->entries(), Entries({3, 4, 2, 1}));
        QCOMPARE(f->doc.currentPost(), 1);
        QCOMPARE(f->doc.feed()->GetPostTitle(1), QStringLiteral("B"));
    }

    void unknownCommand_notHandled()
    {
        CommandState state;
        for (int id : {int(ID_FILE_SAVE), int(ID_COPY_TITLE), int(ID_INSERT_HYPERLINK), int(ID_FILTERING), 1}) {
            QVERIFY(!f->commands.OnCommand(id));
            QVERIFY(!f->commands.OnUpdateCommand(id, &state));
        }
        QVERIFY(f->log.isEmpty());
    }

    // --- The post footer ---

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

    // --- Adding (a copy's footer is cut and renewed above) ---

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
private:
    std::unique_ptr<DocumentFixture> f;
};

QTEST_MAIN(DocumentCommandsTest)
#include "tst_documentcommands.moc"
