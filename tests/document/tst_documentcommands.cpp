#include "DocumentTestSupport.h"

#include "document/PostFooter.h"
#include "document/RSSEditDoc.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class DocumentCommandsTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    // Notification fan-out
    void notify_skipsSenderAmongViews();
    void notify_selectCommitsLeftPostFirst();
    void notify_selectMakesPostCurrentBeforeHistoryHears();

    // Add, rename, duplicate
    void add_commitsThenInsertsNewItemOnTop();
    void rename_sendsRenameHint();
    void duplicate_copiesCurrentPostToTop();
    void duplicateDelete_removesSourceAndSendsOneNotice();
    void duplicate_renewsFooterOfCopyOnly();
    void duplicate_copyWithoutFooterKeepsDescriptionAndDate();

    // Delete
    void delete_asksWithTitleInQuotes();
    void delete_cancelledKeepsPost();
    void delete_announcesRemovalThenSelectsSameIndex();
    void delete_lastPostLeavesNoCurrentPost();
    void delete_enabledOnlyWithMoreThanOnePost();

    // Reload, copy, filtering
    void reload_restoresFileWithoutAskingAndSelectsOldIndex();
    void reload_enabledOnlyWithPath();
    void copyFeed_putsNonAsciiTextOnClipboard();
    void copyFeed_emptyFeedBeeps();
    void filtering_sendsFocusFilterAndTogglesCheck();

    // Sort order
    void sortCommand_sameOrderTwiceNotifiesOnce();
    void sortCommand_showsRadioMarkOfCurrentOrder();

    // Navigation history
    void history_visitsThenBackTwice();
    void history_deleteRemovesAndRenumbersBeforeSelect();
    void history_addShiftsEntries();
    void history_duplicateDeleteShiftsEveryEntry();
    void forward_alwaysDisabled();

    // Routing
    void unknownCommand_notHandled();

private:
    void openFeed(const QList<TestPost> &posts);
    void select(int post) { m_doc->Notify(nullptr, HINT_SELECT_POST, post); }
    QStringList titles() const;
    QStringList history() const;
    CommandState stateOf(int id);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<CRSSEditDoc> m_doc;
    QStringList m_log;
    std::unique_ptr<RecordingObserver> m_view;
    std::unique_ptr<RecordingObserver> m_frame;
    RecordingPrompter m_prompter;
    QString m_path;
};

void DocumentCommandsTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_path = m_dir->filePath(QStringLiteral("feed.xml"));
    m_doc = std::make_unique<CRSSEditDoc>();
    m_log.clear();
    m_view = std::make_unique<RecordingObserver>(QStringLiteral("view"), &m_log);
    m_frame = std::make_unique<RecordingObserver>(QStringLiteral("frame"), &m_log);
    m_doc->addView(m_view.get());
    m_doc->setFrame(m_frame.get());
    m_prompter = RecordingPrompter();
    m_doc->setPrompter(&m_prompter);
}

void DocumentCommandsTest::cleanup()
{
    m_doc.reset();
    m_dir.reset();
}

void DocumentCommandsTest::openFeed(const QList<TestPost> &posts)
{
    QVERIFY(writeFeedFile(m_path, posts));
    QString error;
    QVERIFY2(m_doc->OnOpenDocument(m_path, &error), qPrintable(error));
    m_log.clear();
}

QStringList DocumentCommandsTest::titles() const
{
    QStringList result;
    for (int i = 0; i < m_doc->feed()->GetPostCount(); ++i)
        result.append(m_doc->feed()->GetPostTitle(i));
    return result;
}

QStringList DocumentCommandsTest::history() const
{
    QStringList result;
    for (int entry : m_doc->history()->entries())
        result.append(QString::number(entry));
    return result;
}

CommandState DocumentCommandsTest::stateOf(int id)
{
    CommandState state;
    state.enabled = !state.enabled; // so that an untouched state shows
    const bool handled = m_doc->OnUpdateCommand(id, &state);
    [&] { QVERIFY(handled); }();
    return state;
}

// --- Notification fan-out ---

void DocumentCommandsTest::notify_skipsSenderAmongViews()
{
    RecordingObserver other(QStringLiteral("other"), &m_log);
    m_doc->addView(&other);
    m_doc->Notify(m_view.get(), HINT_TITLE_CHANGED, 0);
    QCOMPARE(m_log, QStringList({QStringLiteral("other:7:0"), QStringLiteral("frame:7:0")}));
}

void DocumentCommandsTest::notify_selectCommitsLeftPostFirst()
{
    openFeed(postsTitled({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}));
    select(1);
    m_log.clear();
    RecordingObserver list(QStringLiteral("list"), &m_log);
    m_doc->addView(&list);

    m_doc->Notify(&list, HINT_SELECT_POST, 2);

    QCOMPARE(m_log, QStringList({QStringLiteral("view:4:1"), QStringLiteral("frame:4:1"),
                                 QStringLiteral("view:3:2"), QStringLiteral("frame:3:2")}));
    QCOMPARE(m_doc->currentPost(), 2);
}

void DocumentCommandsTest::notify_selectMakesPostCurrentBeforeHistoryHears()
{
    openFeed(postsTitled({QStringLiteral("A"), QStringLiteral("B")}));
    int currentSeenByView = -2;
    m_view->onNotify = [&](int hint, int) {
        if (hint == HINT_SELECT_POST)
            currentSeenByView = m_doc->currentPost();
    };
    select(1);
    // Views see the post being left; the index changes after them.
    QCOMPARE(currentSeenByView, -1);
    QCOMPARE(m_doc->currentPost(), 1);
    QCOMPARE(history(), QStringList({QStringLiteral("1")}));
}

// --- Add, rename, duplicate ---

void DocumentCommandsTest::add_commitsThenInsertsNewItemOnTop()
{
    openFeed(postsTitled({QStringLiteral("A"), QStringLiteral("B")}));
    select(1);
    m_log.clear();
    QSignalSpy modified(m_doc.get(), &CRSSEditDoc::modifiedChanged);

    QVERIFY(m_doc->OnCommand(ID_POST_ADD));

    QCOMPARE(m_log, QStringList({QStringLiteral("view:4:1"), QStringLiteral("frame:4:1"),
                                 QStringLiteral("view:5:0"), QStringLiteral("frame:5:0")}));
    QCOMPARE(titles(), QStringList({QStringLiteral("New Item"), QStringLiteral("A"), QStringLiteral("B")}));
    QCOMPARE(m_doc->currentPost(), 0);
    QVERIFY(m_doc->IsModified());
    QCOMPARE(modified.count(), 1);
    QCOMPARE(modified.at(0).at(0).toBool(), true);
    QVERIFY(stateOf(ID_POST_ADD).enabled);
}

void DocumentCommandsTest::rename_sendsRenameHint()
{
    openFeed(postsTitled({QStringLiteral("A"), QStringLiteral("B")}));
    select(1);
    m_log.clear();
    QVERIFY(m_doc->OnCommand(ID_POST_RENAME));
    QCOMPARE(m_log, QStringList({QStringLiteral("view:6:0"), QStringLiteral("frame:6:0")}));
    QVERIFY(!m_doc->IsModified());
}

void DocumentCommandsTest::duplicate_copiesCurrentPostToTop()
{
    openFeed(postsTitled({QStringLiteral("P"), QStringLiteral("Q"), QStringLiteral("R")}));
    select(2);
    m_log.clear();

    QVERIFY(m_doc->OnCommand(ID_POST_DUPLICATE));

    QCOMPARE(titles(), QStringList({QStringLiteral("R"), QStringLiteral("P"), QStringLiteral("Q"),
                                    QStringLiteral("R")}));
    QCOMPARE(m_doc->currentPost(), 0);
    QVERIFY(m_doc->IsModified());
    QCOMPARE(m_log, QStringList({QStringLiteral("view:4:2"), QStringLiteral("frame:4:2"),
                                 QStringLiteral("view:5:0"), QStringLiteral("frame:5:0")}));
}

void DocumentCommandsTest::duplicateDelete_removesSourceAndSendsOneNotice()
{
    openFeed(postsTitled({QStringLiteral("P"), QStringLiteral("Q"), QStringLiteral("R")}));
    select(2);
    m_log.clear();

    QVERIFY(m_doc->OnCommand(ID_POST_DUPLICATE_DELETE));

    QCOMPARE(titles(), QStringList({QStringLiteral("R"), QStringLiteral("P"), QStringLiteral("Q")}));
    QCOMPARE(m_doc->currentPost(), 0);
    QVERIFY(m_doc->IsModified());
    QCOMPARE(m_log, QStringList({QStringLiteral("view:4:2"), QStringLiteral("frame:4:2"),
                                 QStringLiteral("view:5:0"), QStringLiteral("frame:5:0")}));
}

void DocumentCommandsTest::duplicate_renewsFooterOfCopyOnly()
{
    // A footer written by an older version of the program.
    QString original = AddPostFooter(QStringLiteral("Hello"), 0);
    const QString version = QStringLiteral(" v") + CRssFeed::ProductVersionText() + QChar(0x2026);
    QVERIFY(original.contains(version));
    original.replace(version, QStringLiteral(" v0.0.0.1") + QChar(0x2026));
    const QString oldDate = QStringLiteral("01 Mar 2020 09:00:00 GMT");
    openFeed({TestPost{QStringLiteral("P"), oldDate, original}});
    select(0);

    QVERIFY(m_doc->OnCommand(ID_POST_DUPLICATE));

    CRssFeed *feed = m_doc->feed();
    QCOMPARE(feed->GetPostDescription(0), QStringLiteral("Hello<BR><BR>") + MakePostFooter());
    QVERIFY(feed->GetPostPubDate(0) != oldDate);
    QCOMPARE(feed->GetPostDescription(1), original);
    QCOMPARE(feed->GetPostPubDate(1), oldDate);
}

void DocumentCommandsTest::duplicate_copyWithoutFooterKeepsDescriptionAndDate()
{
    const QString oldDate = QStringLiteral("01 Mar 2020 09:00:00 GMT");
    openFeed({TestPost{QStringLiteral("P"), oldDate, QStringLiteral("<p>Plain</p>")}});
    select(0);

    QVERIFY(m_doc->OnCommand(ID_POST_DUPLICATE));

    QCOMPARE(m_doc->feed()->GetPostDescription(0), QStringLiteral("<p>Plain</p>"));
    QCOMPARE(m_doc->feed()->GetPostPubDate(0), oldDate);
}

// --- Delete ---

void DocumentCommandsTest::delete_asksWithTitleInQuotes()
{
    openFeed(postsTitled({QStringLiteral("First"), QStringLiteral("Hello")}));
    select(1);
    QVERIFY(m_doc->OnCommand(ID_POST_DELETE));
    QCOMPARE(m_prompter.questions, QStringList({QStringLiteral("Delete this post?\n\n\"Hello\"")}));
}

void DocumentCommandsTest::delete_cancelledKeepsPost()
{
    openFeed(postsTitled({QStringLiteral("A"), QStringLiteral("B")}));
    select(0);
    m_log.clear();
    m_prompter.answer = false;

    QVERIFY(m_doc->OnCommand(ID_POST_DELETE));

    QCOMPARE(titles(), QStringList({QStringLiteral("A"), QStringLiteral("B")}));
    QVERIFY(m_log.isEmpty());
    QVERIFY(!m_doc->IsModified());
}

void DocumentCommandsTest::delete_announcesRemovalThenSelectsSameIndex()
{
    openFeed(postsTitled({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}));
    select(1);
    m_log.clear();

    QVERIFY(m_doc->OnCommand(ID_POST_DELETE));

    QCOMPARE(titles(), QStringList({QStringLiteral("A"), QStringLiteral("C")}));
    QCOMPARE(m_log, QStringList({QStringLiteral("view:8:1"), QStringLiteral("frame:8:1"),
                                 QStringLiteral("view:4:1"), QStringLiteral("frame:4:1"),
                                 QStringLiteral("view:3:1"), QStringLiteral("frame:3:1")}));
    QCOMPARE(m_doc->currentPost(), 1);
    QCOMPARE(m_doc->feed()->GetPostTitle(m_doc->currentPost()), QStringLiteral("C"));
    QVERIFY(m_doc->IsModified());
}

void DocumentCommandsTest::delete_lastPostLeavesNoCurrentPost()
{
    openFeed(postsTitled({QStringLiteral("A"), QStringLiteral("B")}));
    select(1);

    QVERIFY(m_doc->OnCommand(ID_POST_DELETE));

    QCOMPARE(titles(), QStringList({QStringLiteral("A")}));
    QCOMPARE(m_doc->currentPost(), 1);
    QVERIFY(!m_doc->feed()->FindPost(m_doc->currentPost()));
    QVERIFY(!stateOf(ID_POST_DELETE).enabled);
}

void DocumentCommandsTest::delete_enabledOnlyWithMoreThanOnePost()
{
    QVERIFY(!stateOf(ID_POST_DELETE).enabled); // empty document
    openFeed(postsTitled({QStringLiteral("A")}));
    QVERIFY(!stateOf(ID_POST_DELETE).enabled);
    openFeed(postsTitled({QStringLiteral("A"), QStringLiteral("B")}));
    QVERIFY(stateOf(ID_POST_DELETE).enabled);
}

// --- Reload, copy, filtering ---

void DocumentCommandsTest::reload_restoresFileWithoutAskingAndSelectsOldIndex()
{
    openFeed(postsTitled({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}));
    select(0);
    select(2);
    QVERIFY(m_doc->feed()->SetPostTitle(2, QStringLiteral("Edited")));
    QVERIFY(m_doc->OnCommand(ID_POST_ADD));
    m_log.clear();

    QVERIFY(m_doc->OnCommand(ID_POST_RELOAD));

    QCOMPARE(titles(), QStringList({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}));
    QVERIFY(m_prompter.questions.isEmpty());
    QVERIFY(!m_doc->IsModified());
    QCOMPARE(m_doc->currentPost(), 0);
    QCOMPARE(m_log, QStringList({QStringLiteral("view:13:0"), QStringLiteral("frame:13:0"),
                                 QStringLiteral("view:4:-1"), QStringLiteral("frame:4:-1"),
                                 QStringLiteral("view:3:0"), QStringLiteral("frame:3:0")}));
    // The history of the document survives: 0, 2 shifted by the add, then 0.
    QCOMPARE(history(), QStringList({QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("0")}));
}

void DocumentCommandsTest::reload_enabledOnlyWithPath()
{
    QVERIFY(m_doc->OnNewDocument(NewFeedParams()));
    QVERIFY(!stateOf(ID_POST_RELOAD).enabled);
    openFeed(postsTitled({QStringLiteral("A")}));
    QVERIFY(stateOf(ID_POST_RELOAD).enabled);
}

void DocumentCommandsTest::copyFeed_putsNonAsciiTextOnClipboard()
{
    const QString title = QStringLiteral("Привет Ελλάδα 日本語 ✓");
    openFeed(postsTitled({QStringLiteral("A"), title}));
    select(1);
    m_log.clear();
    QGuiApplication::clipboard()->clear();

    QVERIFY(m_doc->OnCommand(ID_POST_COPY_FEED));

    const QString copied = QGuiApplication::clipboard()->text();
    QVERIFY2(copied.contains(QStringLiteral("<title>") + title + QStringLiteral("</title>")),
             qPrintable(copied));
    QCOMPARE(copied, QString::fromUtf8(m_doc->feed()->PrintToString()));
    QCOMPARE(m_log, QStringList({QStringLiteral("view:12:1"), QStringLiteral("frame:12:1")}));
    QCOMPARE(m_prompter.beeps, 0);
    QVERIFY(!m_doc->IsModified());
}

void DocumentCommandsTest::copyFeed_emptyFeedBeeps()
{
    QVERIFY(m_doc->OnCommand(ID_POST_COPY_FEED));
    QCOMPARE(m_prompter.beeps, 1);
}

void DocumentCommandsTest::filtering_sendsFocusFilterAndTogglesCheck()
{
    openFeed(postsTitled({QStringLiteral("A")}));
    CommandState state = stateOf(ID_FILTERING);
    QVERIFY(state.enabled);
    QVERIFY(state.checkable);
    QVERIFY(!state.checked);

    QVERIFY(m_doc->OnCommand(ID_FILTERING));
    QCOMPARE(m_log, QStringList({QStringLiteral("view:15:0"), QStringLiteral("frame:15:0")}));
    QVERIFY(stateOf(ID_FILTERING).checked);

    QVERIFY(m_doc->OnCommand(ID_FILTERING));
    QVERIFY(!stateOf(ID_FILTERING).checked);
}

// --- Sort order ---

void DocumentCommandsTest::sortCommand_sameOrderTwiceNotifiesOnce()
{
    QVERIFY(m_doc->OnCommand(ID_SORT_BY_TITLE));
    QVERIFY(m_doc->OnCommand(ID_SORT_BY_TITLE));
    QCOMPARE(m_log, QStringList({QStringLiteral("view:14:0"), QStringLiteral("frame:14:0")}));
    QCOMPARE(m_doc->GetSortOrder(), int(CRSSEditDoc::SortByTitle));

    m_log.clear();
    QVERIFY(m_doc->OnCommand(ID_SORT_BY_POSITION));
    QCOMPARE(m_log.size(), 2);
    QCOMPARE(m_doc->GetSortOrder(), int(CRSSEditDoc::SortByPosition));
}

void DocumentCommandsTest::sortCommand_showsRadioMarkOfCurrentOrder()
{
    QVERIFY(stateOf(ID_SORT_BY_POSITION).checked);
    QVERIFY(m_doc->OnCommand(ID_SORT_BY_DATE));
    const CommandState position = stateOf(ID_SORT_BY_POSITION);
    const CommandState title = stateOf(ID_SORT_BY_TITLE);
    const CommandState date = stateOf(ID_SORT_BY_DATE);
    QVERIFY(position.enabled && title.enabled && date.enabled);
    QVERIFY(position.checkable && title.checkable && date.checkable);
    QVERIFY(!position.checked);
    QVERIFY(!title.checked);
    QVERIFY(date.checked);

    // Setting the order without the command sends nothing.
    m_log.clear();
    m_doc->SetSortOrder(CRSSEditDoc::SortByTitle);
    QVERIFY(stateOf(ID_SORT_BY_TITLE).checked);
    QVERIFY(m_log.isEmpty());
}

// --- Navigation history ---

void DocumentCommandsTest::history_visitsThenBackTwice()
{
    openFeed(postsTitled({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D")}));
    QVERIFY(!stateOf(ID_POST_BACK).enabled);
    select(0);
    QVERIFY(!stateOf(ID_POST_BACK).enabled);
    select(3);
    select(1);
    QCOMPARE(history(), QStringList({QStringLiteral("0"), QStringLiteral("3"), QStringLiteral("1")}));
    QVERIFY(stateOf(ID_POST_BACK).enabled);
    m_log.clear();

    QVERIFY(m_doc->OnCommand(ID_POST_BACK));
    QCOMPARE(m_log, QStringList({QStringLiteral("view:4:1"), QStringLiteral("frame:4:1"),
                                 QStringLiteral("view:3:3"), QStringLiteral("frame:3:3")}));
    QCOMPARE(m_doc->currentPost(), 3);
    QCOMPARE(history(), QStringList({QStringLiteral("0"), QStringLiteral("3")}));

    QVERIFY(m_doc->OnCommand(ID_POST_BACK));
    QCOMPARE(m_doc->currentPost(), 0);
    QCOMPARE(history(), QStringList({QStringLiteral("0")}));
    QVERIFY(!stateOf(ID_POST_BACK).enabled);

    // Back with nothing to go back to changes nothing.
    m_log.clear();
    QVERIFY(m_doc->OnCommand(ID_POST_BACK));
    QVERIFY(m_log.isEmpty());
}

void DocumentCommandsTest::history_deleteRemovesAndRenumbersBeforeSelect()
{
    openFeed(postsTitled({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}));
    select(0);
    select(2);
    select(1);
    QCOMPARE(history(), QStringList({QStringLiteral("0"), QStringLiteral("2"), QStringLiteral("1")}));
    m_doc->history()->append(2); // also a select without the fan-out: 0, 2, 1, 2
    QStringList historyAtCommit;
    m_view->onNotify = [&](int hint, int) {
        if (hint == HINT_COMMIT_POST)
            historyAtCommit = history();
    };

    QVERIFY(m_doc->OnCommand(ID_POST_DELETE));

    QCOMPARE(historyAtCommit, QStringList({QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("1")}));
    QCOMPARE(history(), QStringList({QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("1"),
                                     QStringLiteral("1")}));
}

void DocumentCommandsTest::history_addShiftsEntries()
{
    openFeed(postsTitled({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}));
    select(0);
    select(2);
    QVERIFY(m_doc->OnCommand(ID_POST_ADD));
    QCOMPARE(history(), QStringList({QStringLiteral("1"), QStringLiteral("3")}));
    select(2);
    QCOMPARE(history(), QStringList({QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("2")}));
}

void DocumentCommandsTest::history_duplicateDeleteShiftsEveryEntry()
{
    openFeed(postsTitled({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}));
    select(2);
    select(0);
    QVERIFY(m_doc->OnCommand(ID_POST_DUPLICATE_DELETE));
    QCOMPARE(history(), QStringList({QStringLiteral("3"), QStringLiteral("1")}));
}

void DocumentCommandsTest::forward_alwaysDisabled()
{
    openFeed(postsTitled({QStringLiteral("A"), QStringLiteral("B")}));
    select(0);
    select(1);
    QVERIFY(!stateOf(ID_POST_FORWARD).enabled);
    m_log.clear();
    QVERIFY(m_doc->OnCommand(ID_POST_FORWARD));
    QVERIFY(m_log.isEmpty());
}

// --- Routing ---

void DocumentCommandsTest::unknownCommand_notHandled()
{
    CommandState state;
    for (int id : {int(ID_FILE_SAVE), int(ID_COPY_TITLE), int(ID_INSERT_HYPERLINK), 1}) {
        QVERIFY(!m_doc->OnCommand(id));
        QVERIFY(!m_doc->OnUpdateCommand(id, &state));
    }
    QVERIFY(m_log.isEmpty());
}

QTEST_MAIN(DocumentCommandsTest)
#include "tst_documentcommands.moc"
