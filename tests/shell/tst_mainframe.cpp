// The main window driven as the user drives it, offscreen: commands through
// the menus' route, documents opened, saved and closed, the questions asked.

#include "WindowTestSupport.h"

#include "shell/AboutDialog.h"
#include "shell/RecentFileList.h"

#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QMenu>
#include <QSettings>

class TestMainFrame : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void titleFor_dropsLastPartAndLaterDots_data();
    void titleFor_dropsLastPartAndLaterDots();
    void aboutLines_splitBuildNumberAndDateRelease();

    void noFeed_postsMenuHiddenAndFileCommandsDisabled();
    void newFeed_captionIsTitleThenStarWhenModified();
    void reloadCommand_needsPath();
    void sortCommands_showRadioMarkOfOrder();
    void backAndForward_followHistory();
    void deleteCommand_asksWithPostTitle();

    void recentFileList_keepsSixteenNewestFirst();
    void openRecentCommand_opensThatFeed();
    void openFailure_showsReasonAndOpensNothing();
    void openTwice_showsTheOpenFeed();
    void saveFailure_keepsModifiedAndSaveAsTakesNewName();
    void closeModified_asksBeforeClosing();
    void quit_asksForEveryModifiedFeed();

private:
    CChildFrame *newFeed();
    CChildFrame *openFeed(const QString &name, const QStringList &titles);
    QString path(const QString &name) const { return m_window->dir.filePath(name); }
    static void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    std::unique_ptr<MainWindowFixture> m_window;
    CMainFrame *m_main = nullptr;
    FakeShellServices *m_services = nullptr;
};

void TestMainFrame::init()
{
    QSettings().clear();
    m_window = std::make_unique<MainWindowFixture>();
    m_main = m_window->main.get();
    m_services = &m_window->services;
}

void TestMainFrame::cleanup()
{
    m_window.reset();
}

CChildFrame *TestMainFrame::newFeed()
{
    m_main->executeCommand(ID_FILE_NEW);
    return m_main->activeChildFrame();
}

CChildFrame *TestMainFrame::openFeed(const QString &name, const QStringList &titles)
{
    return m_window->openFeed(name, postsTitled(titles));
}

void TestMainFrame::titleFor_dropsLastPartAndLaterDots_data()
{
    QTest::addColumn<QString>("productVersion");
    QTest::addColumn<QString>("title");
    QTest::newRow("four parts") << "1.2.1.157" << "Tidrel 1.21";
    QTest::newRow("zeros") << "2.0.0.7" << "Tidrel 2.00";
    QTest::newRow("two parts") << "3.4" << "Tidrel 3";
}

void TestMainFrame::titleFor_dropsLastPartAndLaterDots()
{
    QFETCH(QString, productVersion);
    QFETCH(QString, title);
    QCOMPARE(CMainFrame::titleFor(productVersion), title);
}

void TestMainFrame::aboutLines_splitBuildNumberAndDateRelease()
{
    QCOMPARE(CAboutDialog::versionLine(QStringLiteral("1.2.1.157")), QStringLiteral("Tidrel Version 1.2.1 build 157"));
    static const QRegularExpression form(
        QStringLiteral("^Release: [A-Z][a-z]{2} [ 0-9][0-9] [0-9]{4} [0-9]{2}:[0-9]{2}:[0-9]{2}$"));
    const QString line = CAboutDialog::releaseLine();
    QVERIFY2(form.match(line).hasMatch(), qPrintable(line));
}

void TestMainFrame::noFeed_postsMenuHiddenAndFileCommandsDisabled()
{
    QMenu *posts = m_main->menu(QStringLiteral("Posts"));
    QVERIFY(posts);
    QVERIFY(!posts->menuAction()->isVisible());
    QVERIFY(!m_main->action(ID_FILE_SAVE)->isEnabled());
    QVERIFY(!m_main->action(ID_FILE_CLOSE)->isEnabled());
    QVERIFY(!m_main->action(ID_POST_ADD)->isEnabled());
    QVERIFY(m_main->action(ID_FILE_NEW)->isEnabled());
    QVERIFY(m_main->action(ID_W3C_VALIDATOR)->isEnabled());

    QVERIFY(newFeed());
    QVERIFY(posts->menuAction()->isVisible());
    QVERIFY(m_main->action(ID_FILE_SAVE)->isEnabled());
    QVERIFY(m_main->action(ID_POST_ADD)->isEnabled());
}

void TestMainFrame::newFeed_captionIsTitleThenStarWhenModified()
{
    CChildFrame *frame = newFeed();
    QVERIFY(frame);
    CRSSEditDoc *document = frame->document();
    QVERIFY(!document->IsModified());
    QVERIFY(!document->title().isEmpty());
    QCOMPARE(frame->windowTitle(), document->title());
    QCOMPARE(document->feed()->GetPostCount(), 1);
    // The maximised feed window shows its caption in the main window's.
    QVERIFY(frame->isMaximized());
    const QString programTitle = CMainFrame::titleFor(CRssFeed::ProductVersionText());
    QVERIFY(programTitle.startsWith(QStringLiteral("Tidrel ")));
    QTRY_COMPARE(m_main->windowTitle(), programTitle + QStringLiteral(" - [") + document->title() + QStringLiteral("]"));

    QVERIFY(m_main->executeCommand(ID_POST_ADD));
    QVERIFY(document->IsModified());
    QCOMPARE(frame->windowTitle(), document->title() + QStringLiteral(" *"));
}

void TestMainFrame::reloadCommand_needsPath()
{
    QVERIFY(newFeed());
    QVERIFY(!m_main->commandState(ID_POST_RELOAD).enabled);
    CChildFrame *frame = openFeed(QStringLiteral("reload.xml"), {QStringLiteral("A"), QStringLiteral("B")});
    QVERIFY(frame);
    QCOMPARE(m_main->activeChildFrame(), frame);
    QVERIFY(m_main->commandState(ID_POST_RELOAD).enabled);
}

void TestMainFrame::sortCommands_showRadioMarkOfOrder()
{
    QVERIFY(newFeed());
    m_main->refreshCommandStates();
    QAction *byPosition = m_main->action(ID_SORT_BY_POSITION);
    QAction *byTitle = m_main->action(ID_SORT_BY_TITLE);
    QAction *byDate = m_main->action(ID_SORT_BY_DATE);
    QVERIFY(byPosition->isChecked());
    QVERIFY(byTitle->actionGroup() && byTitle->actionGroup()->isExclusive());

    QVERIFY(m_main->executeCommand(ID_SORT_BY_TITLE));
    QCOMPARE(m_main->activeChildFrame()->document()->GetSortOrder(), int(CRSSEditDoc::SortByTitle));
    QVERIFY(byTitle->isChecked());
    QVERIFY(!byPosition->isChecked());

    byDate->trigger();
    QCOMPARE(m_main->activeChildFrame()->document()->GetSortOrder(), int(CRSSEditDoc::SortByDate));
    QVERIFY(byDate->isChecked());
    QVERIFY(!byTitle->isChecked());
}

void TestMainFrame::backAndForward_followHistory()
{
    CChildFrame *frame = openFeed(QStringLiteral("history.xml"), {"A", "B", "C"});
    QVERIFY(frame);
    CRSSEditDoc *document = frame->document();
    // The posts bar has shown the first post, the history's first entry.
    QTRY_COMPARE(document->currentPost(), 0);
    QVERIFY(!m_main->commandState(ID_POST_BACK).enabled);

    document->Notify(nullptr, HINT_SELECT_POST, 2);
    m_main->refreshCommandStates();
    QVERIFY(m_main->action(ID_POST_BACK)->isEnabled());
    QVERIFY(!m_main->action(ID_POST_FORWARD)->isEnabled());

    m_main->action(ID_POST_BACK)->trigger();
    QCOMPARE(document->currentPost(), 0);
    QVERIFY(!m_main->action(ID_POST_BACK)->isEnabled());
}

void TestMainFrame::deleteCommand_asksWithPostTitle()
{
    CChildFrame *frame = openFeed(QStringLiteral("delete.xml"), {"Hello", "World"});
    QVERIFY(frame);
    CRSSEditDoc *document = frame->document();
    document->Notify(nullptr, HINT_SELECT_POST, 0);

    m_services->confirmAnswer = false;
    QVERIFY(m_main->executeCommand(ID_POST_DELETE));
    QCOMPARE(m_services->questions, QStringList{QStringLiteral("Delete this post?\n\n\"Hello\"")});
    QCOMPARE(document->feed()->GetPostCount(), 2);
    QVERIFY(!document->IsModified());

    m_services->confirmAnswer = true;
    QVERIFY(m_main->executeCommand(ID_POST_DELETE));
    QCOMPARE(document->feed()->GetPostCount(), 1);
    QCOMPARE(document->feed()->GetPostTitle(0), QStringLiteral("World"));
    QVERIFY(document->IsModified());
    // The last post stays: Delete is off and asks nothing.
    QVERIFY(!m_main->action(ID_POST_DELETE)->isEnabled());
    QVERIFY(!m_main->commandState(ID_POST_DELETE).enabled);
    QVERIFY(!m_main->executeCommand(ID_POST_DELETE));
    QCOMPARE(m_services->questions.size(), 2);
}

void TestMainFrame::recentFileList_keepsSixteenNewestFirst()
{
    CRecentFileList list;
    for (int i = 1; i <= 18; ++i)
        list.add(path(QStringLiteral("feed%1.xml").arg(i)));
    list.add(path(QStringLiteral("feed10.xml")));

    QCOMPARE(list.files().size(), 16);
    QCOMPARE(list.files().at(0), path(QStringLiteral("feed10.xml")));
    QCOMPARE(list.files().at(1), path(QStringLiteral("feed18.xml")));
    QCOMPARE(list.files().last(), path(QStringLiteral("feed3.xml")));
    QCOMPARE(list.files().count(path(QStringLiteral("feed10.xml"))), 1);
    // Another run of the program reads the same list.
    QCOMPARE(CRecentFileList().files(), list.files());
}

void TestMainFrame::openRecentCommand_opensThatFeed()
{
    CDocManager *documents = m_main->documents();
    QVERIFY(openFeed(QStringLiteral("first.xml"), {"One"}));
    QVERIFY(openFeed(QStringLiteral("second.xml"), {"Two"}));
    const QString first = path(QStringLiteral("first.xml"));
    const QString second = path(QStringLiteral("second.xml"));
    QCOMPARE(documents->recentFiles(), (QStringList{second, first}));
    QVERIFY(m_main->action(ID_FILE_MRU_FIRST + 1)->isVisible());
    QVERIFY(m_main->action(ID_FILE_MRU_FIRST + 1)->text().endsWith(QDir::toNativeSeparators(first)));
    QVERIFY(!m_main->action(ID_FILE_MRU_FIRST + 2)->isVisible());

    QVERIFY(documents->closeAllDocuments());
    flushDeletes();
    QVERIFY(m_main->executeCommand(ID_FILE_MRU_FIRST + 1));
    QVERIFY(m_main->activeChildFrame());
    QCOMPARE(m_main->activeChildFrame()->document()->path(), first);
    QCOMPARE(documents->recentFiles().first(), first);

    // An entry whose file is gone leaves the list.
    QVERIFY(QFile::remove(second));
    QVERIFY(m_main->executeCommand(ID_FILE_MRU_FIRST + 1));
    QVERIFY(!documents->findFrame(second));
    QCOMPARE(m_services->errors.size(), 1);
    QCOMPARE(documents->recentFiles(), QStringList{first});
}

void TestMainFrame::openFailure_showsReasonAndOpensNothing()
{
    const QString broken = path(QStringLiteral("broken.xml"));
    QFile file(broken);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<?xml version=\"1.0\"?>\n<rss version=\"2.0\"><channel>\n<title>Cut</title>\n</rss>\n");
    file.close();

    QVERIFY(!m_main->documents()->openDocument(broken));
    flushDeletes();
    QCOMPARE(m_services->errors.size(), 1);
    const QString message = m_services->errors.first();
    QVERIFY2(message.contains(QDir::toNativeSeparators(broken)), qPrintable(message));
    // The reason follows the file name and says where the file went wrong.
    const QString reason = message.section(QStringLiteral("\n\n"), 1);
    QVERIFY2(reason.contains(QStringLiteral("line"), Qt::CaseInsensitive), qPrintable(message));
    QVERIFY(m_main->documents()->frames().isEmpty());
    QVERIFY(m_main->activeChildFrame() == nullptr);
    QVERIFY(m_main->documents()->recentFiles().isEmpty());
}

void TestMainFrame::openTwice_showsTheOpenFeed()
{
    CChildFrame *frame = openFeed(QStringLiteral("twice.xml"), {"A"});
    QVERIFY(frame);
    QVERIFY(newFeed() != frame);
    QCOMPARE(m_main->documents()->openDocument(path(QStringLiteral("twice.xml"))), frame);
    QCOMPARE(m_main->activeChildFrame(), frame);
    QCOMPARE(m_main->documents()->frames().size(), 2);
}

void TestMainFrame::saveFailure_keepsModifiedAndSaveAsTakesNewName()
{
    CChildFrame *frame = newFeed();
    QVERIFY(frame);
    QVERIFY(m_main->executeCommand(ID_POST_ADD));
    const QString missing = path(QStringLiteral("no-such-folder/feed.xml"));
    m_services->saveFileName = missing;
    QVERIFY(m_main->executeCommand(ID_FILE_SAVE));
    QCOMPARE(m_services->errors.size(), 1);
    QVERIFY2(m_services->errors.first().contains(QDir::toNativeSeparators(missing)),
             qPrintable(m_services->errors.first()));
    QVERIFY(frame->document()->IsModified());
    QVERIFY(frame->document()->path().isEmpty());
    QVERIFY(frame->windowTitle().endsWith(QStringLiteral(" *")));
    QVERIFY(!QFile::exists(missing));

    const QString target = path(QStringLiteral("saved.xml"));
    m_services->saveFileName = target;
    QVERIFY(m_main->executeCommand(ID_FILE_SAVE_AS));
    QCOMPARE(m_services->errors.size(), 1);
    QVERIFY(!frame->document()->IsModified());
    QCOMPARE(frame->document()->path(), target);
    QCOMPARE(frame->windowTitle(), QDir::toNativeSeparators(target));
    QCOMPARE(m_main->documents()->recentFiles(), QStringList{target});
    CRssFeed reread;
    QString error;
    QVERIFY2(reread.LoadFromFile(target, &error), qPrintable(error));
    QCOMPARE(reread.GetPostCount(), 2);
    QCOMPARE(reread.GetPostTitle(0), QStringLiteral("New Item"));
}

void TestMainFrame::closeModified_asksBeforeClosing()
{
    CChildFrame *frame = openFeed(QStringLiteral("close.xml"), {"A", "B"});
    QVERIFY(frame);
    QVERIFY(m_main->executeCommand(ID_POST_ADD));

    m_services->saveChoice = CShellServices::CancelClosing;
    QVERIFY(m_main->executeCommand(ID_FILE_CLOSE));
    QCOMPARE(m_services->saveQuestions, QStringList{QStringLiteral("close.xml")});
    QCOMPARE(m_main->documents()->frames().size(), 1);
    QVERIFY(frame->document()->IsModified());
    // Closing through the window's own close button asks the same.
    QVERIFY(!frame->close());
    QCOMPARE(m_services->saveQuestions.size(), 2);
    QCOMPARE(m_main->documents()->frames().size(), 1);

    m_services->saveChoice = CShellServices::SaveChanges;
    QVERIFY(m_main->executeCommand(ID_FILE_CLOSE));
    QCOMPARE(m_services->saveQuestions.size(), 3);
    flushDeletes();
    QVERIFY(m_main->documents()->frames().isEmpty());
    CRssFeed reread;
    QVERIFY(reread.LoadFromFile(path(QStringLiteral("close.xml"))));
    QCOMPARE(reread.GetPostCount(), 3);

    // An unmodified feed closes without a question.
    QVERIFY(m_main->documents()->openDocument(path(QStringLiteral("close.xml"))));
    QVERIFY(m_main->executeCommand(ID_FILE_CLOSE));
    QCOMPARE(m_services->saveQuestions.size(), 3);
    flushDeletes();
    QVERIFY(m_main->documents()->frames().isEmpty());
}

void TestMainFrame::quit_asksForEveryModifiedFeed()
{
    CChildFrame *first = newFeed();
    CChildFrame *second = newFeed();
    QVERIFY(first && second && first != second);
    first->document()->SetModifiedFlag(true);
    second->document()->SetModifiedFlag(true);

    m_services->saveChoice = CShellServices::CancelClosing;
    QVERIFY(!m_main->close());
    QCOMPARE(m_services->saveQuestions.size(), 1);
    QCOMPARE(m_main->documents()->frames().size(), 2);

    m_services->saveChoice = CShellServices::DiscardChanges;
    QVERIFY(m_main->close());
    QCOMPARE(m_services->saveQuestions.size(), 3);
    flushDeletes();
    QVERIFY(m_main->documents()->frames().isEmpty());
}

TIDREL_WINDOW_TEST_MAIN(TestMainFrame)
#include "tst_mainframe.moc"
