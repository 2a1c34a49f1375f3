#include "DocumentTestSupport.h"

#include "document/PostFooter.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using Entries = std::vector<int>;

class DocumentCommandsTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { f = std::make_unique<DocumentFixture>(); }
    void cleanup() { f.reset(); }

    void notify_skipsSenderAndSetsCurrentAfterViews()
    {
        f->open(postsTitled({"A", "B", "C"}));
        int currentSeenByView = -2;
        f->view.onNotify = [&](int hint, int) {
            if (hint == HINT_SELECT_POST)
                currentSeenByView = f->doc.currentPost();
        };
        f->select(1);
        // Views see the post being left; the index changes after them.
        QCOMPARE(currentSeenByView, -1);
        QCOMPARE(f->doc.currentPost(), 1);
        QCOMPARE(f->doc.history()->entries(), Entries({1}));
        f->view.onNotify = nullptr;

        RecordingObserver list(QStringLiteral("list"), &f->log);
        f->doc.addView(&list);
        f->log.clear();
        f->doc.Notify(&f->view, HINT_TITLE_CHANGED, 0);
        QCOMPARE(f->log, QStringList({"list:7:0", "frame:7:0"}));

        f->log.clear();
        f->doc.Notify(&list, HINT_SELECT_POST, 2);
        QCOMPARE(f->log, notes("3:2"));
        QCOMPARE(f->doc.currentPost(), 2);
    }

    void renameThenAdd_insertsNewItemOnTop()
    {
        f->open(postsTitled({"A", "B"}));
        f->select(1);
        f->log.clear();
        QSignalSpy modified(&f->doc, &CRSSEditDoc::modifiedChanged);
        QVERIFY(f->doc.OnCommand(ID_POST_RENAME));
        QCOMPARE(f->log, notes("6:0"));
        QVERIFY(!f->doc.IsModified());

        f->log.clear();

        QVERIFY(f->doc.OnCommand(ID_POST_ADD));
        QCOMPARE(f->log, notes("5:0"));
        QCOMPARE(f->titles(), QStringList({"New Item", "A", "B"}));
        QCOMPARE(f->doc.currentPost(), 0);
        QVERIFY(f->doc.IsModified());
        QCOMPARE(modified.count(), 1);
        QCOMPARE(modified.at(0).at(0).toBool(), true);
        QVERIFY(f->state(ID_POST_ADD).enabled);
    }

    void duplicate_copiesCurrentPostToTop()
    {
        struct Case { int command; QStringList titles; QString notices; };
        for (const Case &c : {Case{ID_POST_DUPLICATE, {"R", "P", "Q", "R"}, "5:0"},
                              Case{ID_POST_DUPLICATE_DELETE, {"R", "P", "Q"}, "8:2 5:0"}}) {
            f->open(postsTitled({"P", "Q", "R"}));
            f->select(2);
            f->log.clear();
            QVERIFY(f->doc.OnCommand(c.command));
            QCOMPARE(f->titles(), c.titles);
            QCOMPARE(f->doc.currentPost(), 0);
            QVERIFY(f->doc.IsModified());
            QCOMPARE(f->log, notes(c.notices));
        }
    }

    void duplicate_renewsFooterOfCopyOnlyWhenFooterIsOn()
    {
        // Without the footer turned on, a copy keeps the footer it has.
        const QString kept = "Hello<BR>" + MakePostFooter("Old words");
        f->open({{"P", "01 Mar 2020 09:00:00 GMT", kept}});
        f->select(0);
        QVERIFY(f->doc.OnCommand(ID_POST_DUPLICATE));
        QCOMPARE(f->doc.feed()->GetPostDescription(0), kept);

        const QString words = DefaultPostFooterText();
        f->doc.setDescriptionFilter([words](const QString &text) { return AddPostFooter(text, words); });
        // A footer written by an older version of the program, then rewritten
        // by the editor page in lower case with quoted attributes.
        const QString original = "<p>Hello</p><br><br><p><!-- advertisement -->\n<a href=\"https://tidrel.org/\" "
                                 "target=\"_blank\"><font color=\"maroon\">&nbsp;<code>Tidrel v0.0.0.1\u2026</code>"
                                 "</font></a></p>";
        const QString oldDate = QStringLiteral("01 Mar 2020 09:00:00 GMT");
        f->open({{"P", oldDate, original}, {"Q", oldDate, "<p>Plain</p>"}});
        f->select(0);

        QVERIFY(f->doc.OnCommand(ID_POST_DUPLICATE));
        const CRssFeed *feed = f->doc.feed();
        QCOMPARE(feed->GetPostDescription(0), "<p>Hello</p><br><BR>" + MakePostFooter(words));
        QVERIFY(feed->GetPostPubDate(0) != oldDate);
        QCOMPARE(feed->GetPostDescription(1), original);
        QCOMPARE(feed->GetPostPubDate(1), oldDate);

        // A copy without a footer keeps its description; as every copy, it
        // is dated anew.
        f->select(2);
        QVERIFY(f->doc.OnCommand(ID_POST_DUPLICATE));
        feed = f->doc.feed();
        QCOMPARE(feed->GetPostDescription(0), QStringLiteral("<p>Plain</p>"));
        QVERIFY(feed->GetPostPubDate(0) != oldDate);
    }

    void delete_asksThenAnnouncesRemovalAndSelectsSameIndex()
    {
        QVERIFY(!f->state(ID_POST_DELETE).enabled); // empty document
        f->open(postsTitled({"A"}));
        QVERIFY(!f->state(ID_POST_DELETE).enabled);
        f->open(postsTitled({"A", "B", "C"}));
        QVERIFY(f->state(ID_POST_DELETE).enabled);
        f->select(1);
        f->log.clear();

        f->prompter.answer = false;
        QVERIFY(f->doc.OnCommand(ID_POST_DELETE));
        QCOMPARE(f->prompter.questions, QStringList({"Delete this post?\n\n\"B\""}));
        QCOMPARE(f->titles(), QStringList({"A", "B", "C"}));
        QVERIFY(f->log.isEmpty());
        QVERIFY(!f->doc.IsModified());

        f->prompter.answer = true;
        QVERIFY(f->doc.OnCommand(ID_POST_DELETE));
        QCOMPARE(f->titles(), QStringList({"A", "C"}));
        QCOMPARE(f->log, notes("8:1 3:1"));
        QCOMPARE(f->doc.currentPost(), 1);
        QVERIFY(f->doc.IsModified());

        // Deleting the last post leaves no post at the current index.
        QVERIFY(f->doc.OnCommand(ID_POST_DELETE));
        QCOMPARE(f->titles(), QStringList({"A"}));
        QCOMPARE(f->doc.currentPost(), 1);
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
        QVERIFY(f->doc.SetPostField(nullptr, 2, CRSSEditDoc::PostTitle, QStringLiteral("Edited")));
        QVERIFY(f->doc.OnCommand(ID_POST_ADD));
        f->log.clear();

        QVERIFY(f->doc.OnCommand(ID_POST_RELOAD));
        QCOMPARE(f->titles(), QStringList({"A", "B", "C"}));
        QCOMPARE(f->prompter.questions.size(), 1);
        QVERIFY(!f->doc.IsModified());
        QCOMPARE(f->doc.currentPost(), 0);
        QCOMPARE(f->log, notes("13:0 3:0"));
        // The history survives: 0, 2 shifted by the add, then 0.
        QCOMPARE(f->doc.history()->entries(), Entries({1, 3, 0}));
    }

    void copyFeed_putsNonAsciiTextOnClipboard_emptyFeedBeeps()
    {
        QVERIFY(f->doc.OnCommand(ID_POST_COPY_FEED));
        QCOMPARE(f->prompter.beeps, 1);

        const QString title = QStringLiteral("Привет Ελλάδα 日本語 ✓");
        f->open(postsTitled({"A", title}));
        f->select(1);
        f->log.clear();
        QGuiApplication::clipboard()->clear();

        QVERIFY(f->doc.OnCommand(ID_POST_COPY_FEED));
        const QString copied = QGuiApplication::clipboard()->text();
        QVERIFY2(copied.contains("<title>" + title + "</title>"), qPrintable(copied));
        QCOMPARE(copied, QString::fromUtf8(f->doc.feed()->PrintToString()));
        QCOMPARE(f->log, notes(""));
        QCOMPARE(f->prompter.beeps, 1);
        QVERIFY(!f->doc.IsModified());
    }

    void filterAndSortCommands_notifyAndShowTheirMarks()
    {
        f->open(postsTitled({"A"}));
        const CommandState state = f->state(ID_FILTERING);
        QVERIFY(state.enabled && state.checkable && !state.checked);

        QVERIFY(f->doc.OnCommand(ID_FILTERING));
        QCOMPARE(f->log, notes("15:0"));
        QVERIFY(f->state(ID_FILTERING).checked);
        QVERIFY(f->doc.OnCommand(ID_FILTERING));
        QVERIFY(!f->state(ID_FILTERING).checked);

        f->log.clear();
        QVERIFY(f->state(ID_SORT_BY_POSITION).checked);
        QVERIFY(f->doc.OnCommand(ID_SORT_BY_TITLE));
        QVERIFY(f->doc.OnCommand(ID_SORT_BY_TITLE));
        QCOMPARE(f->log, notes("14:0")); // the same order twice notifies once
        QCOMPARE(f->doc.GetSortOrder(), int(CRSSEditDoc::SortByTitle));

        f->log.clear();
        QVERIFY(f->doc.OnCommand(ID_SORT_BY_DATE));
        QCOMPARE(f->log, notes("14:0"));
        QCOMPARE(f->doc.GetSortOrder(), int(CRSSEditDoc::SortByDate));
        for (int id : {int(ID_SORT_BY_POSITION), int(ID_SORT_BY_TITLE), int(ID_SORT_BY_DATE)}) {
            const CommandState state = f->state(id);
            QVERIFY(state.enabled && state.checkable);
            QCOMPARE(state.checked, id == ID_SORT_BY_DATE);
        }

        // Setting the order without the command sends nothing.
        f->log.clear();
        f->doc.SetSortOrder(CRSSEditDoc::SortByTitle);
        QVERIFY(f->state(ID_SORT_BY_TITLE).checked);
        QVERIFY(f->log.isEmpty());
    }

    void history_backAndForward()
    {
        f->open(postsTitled({"A", "B", "C", "D"}));
        QVERIFY(!f->state(ID_POST_BACK).enabled);
        f->select(0);
        QVERIFY(!f->state(ID_POST_BACK).enabled);
        for (int post : {3, 1})
            f->select(post);
        QCOMPARE(f->doc.history()->entries(), Entries({0, 3, 1}));
        QVERIFY(f->state(ID_POST_BACK).enabled);
        QVERIFY(!f->state(ID_POST_FORWARD).enabled);
        f->log.clear();
        QVERIFY(f->doc.OnCommand(ID_POST_FORWARD));
        QVERIFY(f->log.isEmpty());

        QVERIFY(f->doc.OnCommand(ID_POST_BACK));
        QCOMPARE(f->log, notes("3:3"));
        QCOMPARE(f->doc.currentPost(), 3);
        QCOMPARE(f->doc.history()->entries(), Entries({0, 3}));
        QVERIFY(f->doc.OnCommand(ID_POST_BACK));
        QCOMPARE(f->doc.currentPost(), 0);
        QCOMPARE(f->doc.history()->entries(), Entries({0}));
        QVERIFY(!f->state(ID_POST_BACK).enabled);

        // Back with nothing to go back to changes nothing.
        f->log.clear();
        QVERIFY(f->doc.OnCommand(ID_POST_BACK));
        QVERIFY(f->log.isEmpty());

        // Forward retraces the posts Back left, nearest first.
        QVERIFY(f->state(ID_POST_FORWARD).enabled);
        QVERIFY(f->doc.OnCommand(ID_POST_FORWARD));
        QCOMPARE(f->log, notes("3:3"));
        QCOMPARE(f->doc.history()->entries(), Entries({0, 3}));
        QVERIFY(f->doc.OnCommand(ID_POST_FORWARD));
        QCOMPARE(f->doc.currentPost(), 1);
        QCOMPARE(f->doc.history()->entries(), Entries({0, 3, 1}));
        QVERIFY(!f->state(ID_POST_FORWARD).enabled);

        // A post chosen after going back starts a new way: nothing ahead.
        QVERIFY(f->doc.OnCommand(ID_POST_BACK));
        QVERIFY(f->state(ID_POST_FORWARD).enabled);
        f->select(2);
        QVERIFY(!f->state(ID_POST_FORWARD).enabled);
    }

    void history_deleteRemovesAndRenumbersBeforeSelect()
    {
        f->open(postsTitled({"A", "B", "C"}));
        for (int post : {0, 2, 1})
            f->select(post);
        f->doc.history()->append(2); // also a select without the fan-out: 0, 2, 1, 2
        Entries historyAtSelect;
        f->view.onNotify = [&](int hint, int) {
            if (hint == HINT_SELECT_POST)
                historyAtSelect = f->doc.history()->entries();
        };

        QVERIFY(f->doc.OnCommand(ID_POST_DELETE));
        f->view.onNotify = nullptr;
        QCOMPARE(historyAtSelect, Entries({0, 1, 1, 1}));
        QCOMPARE(f->doc.history()->entries(), Entries({0, 1, 1, 1}));
    }

    void history_addAndDuplicateDeleteShiftEntries()
    {
        f->open(postsTitled({"A", "B", "C"}));
        f->select(0);
        f->select(2);
        QVERIFY(f->doc.OnCommand(ID_POST_ADD));
        QCOMPARE(f->doc.history()->entries(), Entries({1, 3}));
        f->select(2);
        QCOMPARE(f->doc.history()->entries(), Entries({1, 3, 2}));
        QVERIFY(f->doc.OnCommand(ID_POST_DUPLICATE_DELETE));
        // B went (its entry with it) and its copy came to the top: A and C
        // are at 2 and 3.
        QCOMPARE(f->doc.history()->entries(), Entries({2, 3}));

        // The post Back left moves with the others.
        QVERIFY(f->doc.OnCommand(ID_POST_BACK));
        QCOMPARE(f->doc.history()->entries(), Entries({2}));
        QVERIFY(f->doc.OnCommand(ID_POST_ADD));
        QVERIFY(f->doc.OnCommand(ID_POST_FORWARD));
        QCOMPARE(f->doc.history()->entries(), Entries({3, 4}));
        QCOMPARE(f->doc.currentPost(), 4);
        QCOMPARE(f->doc.feed()->GetPostTitle(4), QStringLiteral("C"));
    }

    void unknownCommand_notHandled()
    {
        CommandState state;
        for (int id : {int(ID_FILE_SAVE), int(ID_COPY_TITLE), int(ID_INSERT_HYPERLINK), 1}) {
            QVERIFY(!f->doc.OnCommand(id));
            QVERIFY(!f->doc.OnUpdateCommand(id, &state));
        }
        QVERIFY(f->log.isEmpty());
    }

private:
    std::unique_ptr<DocumentFixture> f;
};

QTEST_MAIN(DocumentCommandsTest)
#include "tst_documentcommands.moc"
