// The main window driven as the user drives it, offscreen: commands through
// the menus' route, documents opened, saved and closed, the questions asked.

#include "ShellTestSupport.h"

#include "core/ProductInfo.h"
#include "core/RssFeed.h"
#include "document/CommandIds.h"
#include "document/RSSEditDoc.h"
#include "panes/ChildFrame.h"
#include "shell/AboutDialog.h"
#include "shell/DocManager.h"
#include "shell/MainFrame.h"
#include "shell/RecentFileList.h"
#include "shell/TidrelApp.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMdiArea>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class TestMainFrame : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    // Names and versions
    void titleFor_dropsLastPartAndLaterDots_data();
    void titleFor_dropsLastPartAndLaterDots();
    void mainWindow_titleFromProductVersion();
    void aboutVersionLine_splitsBuildNumber();
    void aboutReleaseLine_hasBuildDateAndTime();

    // Commands and their states
    void commandAction_hasTextKeyAndPrompt_data();
    void commandAction_hasTextKeyAndPrompt();
    void noFeed_postsMenuHiddenAndFileCommandsDisabled();
    void newFeed_captionIsTitleThenStarWhenModified();
    void deleteCommand_disabledWithOnePost();
    void reloadCommand_needsPath();
    void sortCommands_showRadioMarkOfOrder();
    void backAndForward_followHistory();
    void deleteCommand_asksWithPostTitle();
    void webCommands_openTheirPages();

    // Files
    void recentFileList_keepsSixteenNewestFirst();
    void openRecentCommand_opensThatFeed();
    void openFailure_showsReasonAndOpensNothing();
    void openTwice_showsTheOpenFeed();
    void saveFailure_showsMessageAndKeepsModified();
    void saveAs_writesFileAndTakesItsName();
    void closeModified_asksBeforeClosing();
    void quit_asksForEveryModifiedFeed();

private:
    CChildFrame *newFeed();
    QString writeFeed(const QString &name, const QStringList &titles);
    static void flushDeletes();

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FakeShellServices> m_services;
    std::unique_ptr<CMainFrame> m_frame;
};

void TestMainFrame::init()
{
    QSettings().clear();
    m_dir = std::make_unique<QTemporaryDir>();
    m_services = std::make_unique<FakeShellServices>();
    m_frame = std::make_unique<CMainFrame>();
    m_frame->setServices(m_services.get());
    m_frame->resize(1000, 700);
    m_frame->show();
}

void TestMainFrame::cleanup()
{
    m_services->saveChoice = CShellServices::DiscardChanges;
    m_frame.reset();
    flushDeletes();
    m_services.reset();
    m_dir.reset();
}

CChildFrame *TestMainFrame::newFeed()
{
    m_frame->executeCommand(ID_FILE_NEW);
    return m_frame->activeChildFrame();
}

QString TestMainFrame::writeFeed(const QString &name, const QStringList &titles)
{
    const QString path = m_dir->filePath(name);
    if (!writeSmallFeed(path, titles))
        return QString();
    return path;
}

void TestMainFrame::flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// --- Names and versions ---

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

void TestMainFrame::mainWindow_titleFromProductVersion()
{
    QCOMPARE(m_frame->windowTitle(), CMainFrame::titleFor(CRssFeed::ProductVersionText()));
    QVERIFY(m_frame->windowTitle().startsWith(QStringLiteral("Tidrel ")));
}

void TestMainFrame::aboutVersionLine_splitsBuildNumber()
{
    QCOMPARE(CAboutDialog::versionLine(QStringLiteral("1.2.1.157")),
             QStringLiteral("Tidrel Version 1.2.1 build 157"));
    QCOMPARE(CAboutDialog::versionLine(QStringLiteral("2.0.0.7")),
             QStringLiteral("Tidrel Version 2.0.0 build 7"));
}

void TestMainFrame::aboutReleaseLine_hasBuildDateAndTime()
{
    static const QRegularExpression form(
        QStringLiteral("^Release: [A-Z][a-z]{2} [ 0-9][0-9] [0-9]{4} [0-9]{2}:[0-9]{2}:[0-9]{2}$"));
    const QString line = CAboutDialog::releaseLine();
    QVERIFY2(form.match(line).hasMatch(), qPrintable(line));
}

// --- Commands and their states ---

void TestMainFrame::commandAction_hasTextKeyAndPrompt_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("prompt");
    const QString ellipsis(QChar(0x2026));
    QTest::newRow("new") << int(ID_FILE_NEW) << "&New" << "Ctrl+N" << "Create a new feed";
    QTest::newRow("open") << int(ID_FILE_OPEN) << "&Open" + ellipsis << "Ctrl+O" << "Open an existing feed";
    QTest::newRow("add") << int(ID_POST_ADD) << "Add Post" + ellipsis << "Ctrl+D" << "Add new post";
    QTest::newRow("rename") << int(ID_POST_RENAME) << "Rename Post" + ellipsis << "Ctrl+G" << "Rename selected post";
    QTest::newRow("duplicate") << int(ID_POST_DUPLICATE) << "Duplicate Post" << "" << "Duplicate selected post";
    QTest::newRow("duplicate delete") << int(ID_POST_DUPLICATE_DELETE) << "Duplicate + Delete" << ""
                                      << "Duplicate selected post + delete origin";
    QTest::newRow("delete") << int(ID_POST_DELETE) << "Delete Post" + ellipsis << "" << "Delete selected post";
    QTest::newRow("reload") << int(ID_POST_RELOAD) << "Reload" + ellipsis << "" << "Reload the current feed from disk";
    QTest::newRow("copy feed") << int(ID_POST_COPY_FEED) << "Copy RSS Feed" << ""
                               << "Copy entire RSS feed code in clipboard";
    QTest::newRow("filtering") << int(ID_FILTERING) << "Filtering" << "Ctrl+F" << "Filter posts by title";
    QTest::newRow("backup folder") << int(ID_OPEN_BACKUP_FOLDER) << "Open Backup Folder" << ""
                                   << "Open backup folder for RSS-feeds";
    QTest::newRow("about") << int(ID_APP_ABOUT) << "&About Tidrel" + ellipsis << "Ctrl+Alt+F1"
                           << "Display program information, version number and copyright";
    QTest::newRow("undo") << int(ID_EDIT_UNDO) << "&Undo" << "Ctrl+Z" << "Undo the last action";
}

void TestMainFrame::commandAction_hasTextKeyAndPrompt()
{
    QFETCH(int, id);
    QFETCH(QString, text);
    QFETCH(QString, key);
    QFETCH(QString, prompt);
    QAction *action = m_frame->action(id);
    QVERIFY(action);
    QCOMPARE(action->text(), text);
    QCOMPARE(action->shortcut().toString(QKeySequence::PortableText), key);
    QCOMPARE(action->statusTip(), prompt);
}

void TestMainFrame::noFeed_postsMenuHiddenAndFileCommandsDisabled()
{
    QVERIFY(m_frame->menu(QStringLiteral("Posts")));
    QVERIFY(!m_frame->menu(QStringLiteral("Posts"))->menuAction()->isVisible());
    QVERIFY(!m_frame->action(ID_FILE_SAVE)->isEnabled());
    QVERIFY(!m_frame->action(ID_FILE_CLOSE)->isEnabled());
    QVERIFY(!m_frame->action(ID_POST_ADD)->isEnabled());
    QVERIFY(m_frame->action(ID_FILE_NEW)->isEnabled());
    QVERIFY(m_frame->action(ID_W3C_VALIDATOR)->isEnabled());

    QVERIFY(newFeed());
    QVERIFY(m_frame->menu(QStringLiteral("Posts"))->menuAction()->isVisible());
    QVERIFY(m_frame->action(ID_FILE_SAVE)->isEnabled());
    QVERIFY(m_frame->action(ID_POST_ADD)->isEnabled());
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
    QTRY_COMPARE(m_frame->windowTitle(), CMainFrame::titleFor(CRssFeed::ProductVersionText())
                                             + QStringLiteral(" - [") + document->title() + QStringLiteral("]"));

    QVERIFY(m_frame->executeCommand(ID_POST_ADD));
    QVERIFY(document->IsModified());
    QCOMPARE(frame->windowTitle(), document->title() + QStringLiteral(" *"));
}

void TestMainFrame::deleteCommand_disabledWithOnePost()
{
    CChildFrame *frame = newFeed();
    QVERIFY(frame);
    QCOMPARE(frame->document()->feed()->GetPostCount(), 1);
    QVERIFY(!m_frame->commandState(ID_POST_DELETE).enabled);
    QVERIFY(!m_frame->action(ID_POST_DELETE)->isEnabled());
    QVERIFY(!m_frame->executeCommand(ID_POST_DELETE));
    QVERIFY(m_services->questions.isEmpty());

    QVERIFY(m_frame->executeCommand(ID_POST_ADD));
    QVERIFY(m_frame->action(ID_POST_DELETE)->isEnabled());
}

void TestMainFrame::reloadCommand_needsPath()
{
    QVERIFY(newFeed());
    QVERIFY(!m_frame->commandState(ID_POST_RELOAD).enabled);

    const QString path = writeFeed(QStringLiteral("reload.xml"), {QStringLiteral("A"), QStringLiteral("B")});
    CChildFrame *frame = m_frame->documents()->openDocument(path);
    QVERIFY(frame);
    QCOMPARE(m_frame->activeChildFrame(), frame);
    QVERIFY(m_frame->commandState(ID_POST_RELOAD).enabled);
}

void TestMainFrame::sortCommands_showRadioMarkOfOrder()
{
    QVERIFY(newFeed());
    m_frame->refreshCommandStates();
    QVERIFY(m_frame->action(ID_SORT_BY_POSITION)->isChecked());
    QVERIFY(!m_frame->action(ID_SORT_BY_TITLE)->isChecked());
    QVERIFY(m_frame->action(ID_SORT_BY_TITLE)->actionGroup());
    QVERIFY(m_frame->action(ID_SORT_BY_TITLE)->actionGroup()->isExclusive());

    QVERIFY(m_frame->executeCommand(ID_SORT_BY_TITLE));
    QCOMPARE(m_frame->activeChildFrame()->document()->GetSortOrder(), int(CRSSEditDoc::SortByTitle));
    QVERIFY(m_frame->action(ID_SORT_BY_TITLE)->isChecked());
    QVERIFY(!m_frame->action(ID_SORT_BY_POSITION)->isChecked());

    m_frame->action(ID_SORT_BY_DATE)->trigger();
    QCOMPARE(m_frame->activeChildFrame()->document()->GetSortOrder(), int(CRSSEditDoc::SortByDate));
    QVERIFY(m_frame->action(ID_SORT_BY_DATE)->isChecked());
    QVERIFY(!m_frame->action(ID_SORT_BY_TITLE)->isChecked());
}

void TestMainFrame::backAndForward_followHistory()
{
    const QString path = writeFeed(QStringLiteral("history.xml"),
                                   {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
    CChildFrame *frame = m_frame->documents()->openDocument(path);
    QVERIFY(frame);
    CRSSEditDoc *document = frame->document();
    // The posts bar has shown the first post, the history's first entry.
    QTRY_COMPARE(document->currentPost(), 0);
    QVERIFY(!m_frame->commandState(ID_POST_BACK).enabled);

    document->Notify(nullptr, HINT_SELECT_POST, 2);
    m_frame->refreshCommandStates();
    QVERIFY(m_frame->action(ID_POST_BACK)->isEnabled());
    QVERIFY(!m_frame->action(ID_POST_FORWARD)->isEnabled());

    m_frame->action(ID_POST_BACK)->trigger();
    QCOMPARE(document->currentPost(), 0);
    QVERIFY(!m_frame->action(ID_POST_BACK)->isEnabled());
}

void TestMainFrame::deleteCommand_asksWithPostTitle()
{
    const QString path = writeFeed(QStringLiteral("delete.xml"), {QStringLiteral("Hello"), QStringLiteral("World")});
    CChildFrame *frame = m_frame->documents()->openDocument(path);
    QVERIFY(frame);
    CRSSEditDoc *document = frame->document();
    document->Notify(nullptr, HINT_SELECT_POST, 0);

    m_services->confirmAnswer = false;
    QVERIFY(m_frame->executeCommand(ID_POST_DELETE));
    QCOMPARE(m_services->questions, QStringList{QStringLiteral("Delete this post?\n\n\"Hello\"")});
    QCOMPARE(document->feed()->GetPostCount(), 2);
    QVERIFY(!document->IsModified());

    m_services->confirmAnswer = true;
    QVERIFY(m_frame->executeCommand(ID_POST_DELETE));
    QCOMPARE(document->feed()->GetPostCount(), 1);
    QCOMPARE(document->feed()->GetPostTitle(0), QStringLiteral("World"));
    QVERIFY(document->IsModified());
    QVERIFY(!m_frame->action(ID_POST_DELETE)->isEnabled());
}

void TestMainFrame::webCommands_openTheirPages()
{
    QVERIFY(m_frame->executeCommand(ID_W3C_VALIDATOR));
    QVERIFY(m_frame->executeCommand(ID_HELP_WEB_SITE));
    QVERIFY(m_frame->executeCommand(ID_HELP_OUR_FEED));
    QVERIFY(m_frame->executeCommand(ID_HELP_SUPPORT));
    QCOMPARE(m_services->urls.size(), 4);
    QCOMPARE(m_services->urls.at(0), QUrl(QStringLiteral("https://validator.w3.org/feed/#validate_by_input")));
    QCOMPARE(m_services->urls.at(1), QUrl(QString::fromUtf8(ProductInfo::kHomeUrl)));
    QCOMPARE(m_services->urls.at(2), QUrl(QString::fromUtf8(ProductInfo::kNewsUrl)));
    QCOMPARE(m_services->urls.at(3), QUrl(QString::fromUtf8(ProductInfo::kSupportUrl)));
}

// --- Files ---

void TestMainFrame::recentFileList_keepsSixteenNewestFirst()
{
    CRecentFileList list;
    for (int i = 1; i <= 18; ++i)
        list.add(m_dir->filePath(QStringLiteral("feed%1.xml").arg(i)));
    list.add(m_dir->filePath(QStringLiteral("feed10.xml")));

    QCOMPARE(list.files().size(), 16);
    QCOMPARE(list.files().at(0), m_dir->filePath(QStringLiteral("feed10.xml")));
    QCOMPARE(list.files().at(1), m_dir->filePath(QStringLiteral("feed18.xml")));
    QCOMPARE(list.files().last(), m_dir->filePath(QStringLiteral("feed3.xml")));
    QCOMPARE(list.files().count(m_dir->filePath(QStringLiteral("feed10.xml"))), 1);

    // Another run of the program reads the same list.
    CRecentFileList reread;
    QCOMPARE(reread.files(), list.files());
}

void TestMainFrame::openRecentCommand_opensThatFeed()
{
    const QString first = writeFeed(QStringLiteral("first.xml"), {QStringLiteral("One")});
    const QString second = writeFeed(QStringLiteral("second.xml"), {QStringLiteral("Two")});
    CDocManager *documents = m_frame->documents();
    QVERIFY(documents->openDocument(first));
    QVERIFY(documents->openDocument(second));
    QCOMPARE(documents->recentFiles(), (QStringList{second, first}));
    QVERIFY(m_frame->action(ID_FILE_MRU_FIRST + 1)->isVisible());
    QVERIFY(m_frame->action(ID_FILE_MRU_FIRST + 1)->text().endsWith(QDir::toNativeSeparators(first)));
    QVERIFY(!m_frame->action(ID_FILE_MRU_FIRST + 2)->isVisible());

    QVERIFY(documents->closeAllDocuments());
    flushDeletes();
    QVERIFY(m_frame->executeCommand(ID_FILE_MRU_FIRST + 1));
    QVERIFY(m_frame->activeChildFrame());
    QCOMPARE(m_frame->activeChildFrame()->document()->path(), first);
    QCOMPARE(documents->recentFiles().first(), first);

    // An entry whose file is gone leaves the list.
    QVERIFY(QFile::remove(second));
    QVERIFY(m_frame->executeCommand(ID_FILE_MRU_FIRST + 1));
    QVERIFY(!documents->findFrame(second));
    QCOMPARE(m_services->errors.size(), 1);
    QCOMPARE(documents->recentFiles(), QStringList{first});
}

void TestMainFrame::openFailure_showsReasonAndOpensNothing()
{
    const QString path = m_dir->filePath(QStringLiteral("broken.xml"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<?xml version=\"1.0\"?>\n<rss version=\"2.0\"><channel>\n<title>Cut</title>\n</rss>\n");
    file.close();

    QVERIFY(!m_frame->documents()->openDocument(path));
    flushDeletes();
    QCOMPARE(m_services->errors.size(), 1);
    const QString message = m_services->errors.first();
    QVERIFY2(message.contains(QDir::toNativeSeparators(path)), qPrintable(message));
    // The reason follows the file name and says where the file went wrong.
    const QString reason = message.section(QStringLiteral("\n\n"), 1);
    QVERIFY2(reason.contains(QStringLiteral("line"), Qt::CaseInsensitive), qPrintable(message));
    QVERIFY(m_frame->documents()->frames().isEmpty());
    QVERIFY(m_frame->activeChildFrame() == nullptr);
    QVERIFY(m_frame->documents()->recentFiles().isEmpty());
}

void TestMainFrame::openTwice_showsTheOpenFeed()
{
    const QString path = writeFeed(QStringLiteral("twice.xml"), {QStringLiteral("A")});
    CChildFrame *frame = m_frame->documents()->openDocument(path);
    QVERIFY(frame);
    QVERIFY(newFeed() != frame);
    QCOMPARE(m_frame->documents()->openDocument(path), frame);
    QCOMPARE(m_frame->activeChildFrame(), frame);
    QCOMPARE(m_frame->documents()->frames().size(), 2);
}

void TestMainFrame::saveFailure_showsMessageAndKeepsModified()
{
    CChildFrame *frame = newFeed();
    QVERIFY(frame);
    QVERIFY(m_frame->executeCommand(ID_POST_ADD));
    const QString target = m_dir->filePath(QStringLiteral("no-such-folder/feed.xml"));
    m_services->saveFileName = target;

    QVERIFY(m_frame->executeCommand(ID_FILE_SAVE));
    QCOMPARE(m_services->errors.size(), 1);
    QVERIFY2(m_services->errors.first().contains(QDir::toNativeSeparators(target)),
             qPrintable(m_services->errors.first()));
    QVERIFY(frame->document()->IsModified());
    QVERIFY(frame->document()->path().isEmpty());
    QVERIFY(frame->windowTitle().endsWith(QStringLiteral(" *")));
    QVERIFY(!QFile::exists(target));
}

void TestMainFrame::saveAs_writesFileAndTakesItsName()
{
    CChildFrame *frame = newFeed();
    QVERIFY(frame);
    QVERIFY(m_frame->executeCommand(ID_POST_ADD));
    const QString target = m_dir->filePath(QStringLiteral("saved.xml"));
    m_services->saveFileName = target;

    QVERIFY(m_frame->executeCommand(ID_FILE_SAVE_AS));
    QVERIFY(m_services->errors.isEmpty());
    QVERIFY(!frame->document()->IsModified());
    QCOMPARE(frame->document()->path(), target);
    QCOMPARE(frame->windowTitle(), QDir::toNativeSeparators(target));
    QCOMPARE(m_frame->documents()->recentFiles(), QStringList{target});

    CRssFeed reread;
    QString error;
    QVERIFY2(reread.LoadFromFile(target, &error), qPrintable(error));
    QCOMPARE(reread.GetPostCount(), 2);
    QCOMPARE(reread.GetPostTitle(0), QStringLiteral("New Item"));
}

void TestMainFrame::closeModified_asksBeforeClosing()
{
    const QString path = writeFeed(QStringLiteral("close.xml"), {QStringLiteral("A"), QStringLiteral("B")});
    CChildFrame *frame = m_frame->documents()->openDocument(path);
    QVERIFY(frame);
    QVERIFY(m_frame->executeCommand(ID_POST_ADD));

    m_services->saveChoice = CShellServices::CancelClosing;
    QVERIFY(m_frame->executeCommand(ID_FILE_CLOSE));
    QCOMPARE(m_services->saveQuestions, QStringList{QStringLiteral("close.xml")});
    QCOMPARE(m_frame->documents()->frames().size(), 1);
    QVERIFY(frame->document()->IsModified());

    // Closing through the window's own close button asks the same.
    QVERIFY(!frame->close());
    QCOMPARE(m_services->saveQuestions.size(), 2);
    QCOMPARE(m_frame->documents()->frames().size(), 1);

    m_services->saveChoice = CShellServices::SaveChanges;
    QVERIFY(m_frame->executeCommand(ID_FILE_CLOSE));
    flushDeletes();
    QVERIFY(m_frame->documents()->frames().isEmpty());
    CRssFeed reread;
    QVERIFY(reread.LoadFromFile(path));
    QCOMPARE(reread.GetPostCount(), 3);

    // An unmodified feed closes without a question.
    QVERIFY(m_frame->documents()->openDocument(path));
    QVERIFY(m_frame->executeCommand(ID_FILE_CLOSE));
    QCOMPARE(m_services->saveQuestions.size(), 3);
    flushDeletes();
    QVERIFY(m_frame->documents()->frames().isEmpty());
}

void TestMainFrame::quit_asksForEveryModifiedFeed()
{
    CChildFrame *first = newFeed();
    CChildFrame *second = newFeed();
    QVERIFY(first && second && first != second);
    first->document()->SetModifiedFlag(true);
    second->document()->SetModifiedFlag(true);

    m_services->saveChoice = CShellServices::CancelClosing;
    QVERIFY(!m_frame->close());
    QCOMPARE(m_services->saveQuestions.size(), 1);
    QCOMPARE(m_frame->documents()->frames().size(), 2);

    m_services->saveChoice = CShellServices::DiscardChanges;
    QVERIFY(m_frame->close());
    QCOMPARE(m_services->saveQuestions.size(), 3);
    flushDeletes();
    QVERIFY(m_frame->documents()->frames().isEmpty());
}

int main(int argc, char *argv[])
{
    QStandardPaths::setTestModeEnabled(true);
    CTidrelApp::prepareProcess();
    QApplication app(argc, argv);
    CTidrelApp::initInstance();
    TestMainFrame test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mainframe.moc"
