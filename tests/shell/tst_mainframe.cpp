// The main window driven as the user drives it, offscreen: commands through
// the menus' route, documents opened, saved and closed, the questions asked.

#include "TestFiles.h"
#include "WindowTestSupport.h"

#include "document/PostFooter.h"
#include "settings/SettingsStore.h"
#include "panes/BarPostDetails.h"
#include "panes/BarRssItems.h"
#include "panes/PostsListCtrl.h"
#include "shell/AboutDialog.h"
#include "shell/CommandLine.h"
#include "shell/CommandTable.h"
#include "shell/DesktopServices.h"
#include "shell/PreferencesDialog.h"
#include "shell/RecentFileList.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMdiArea>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QPainter>
#include <QProcess>
#include <QSettings>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTimer>
#include <QUndoGroup>
#include <QUndoStack>
#include <QUndoView>

class TestMainFrame : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void version_oneFormInTitleAboutFeedAndTerminal();
    void desktop_fileDialogsAndWebPagesWithoutBrowser();
    void preferences_footerOffByDefaultThenUsersWordsInFile();

    void newFeed_titleAndActionStatesFollowIt();
    void windowMenu_arrangementsStickAndListFeeds();
    void posts_backForwardAndDeleteByMenuAndKeys();
    void formatMenu_checkMarksAndLinkAddressFollowCaret();
    void undo_typingInEditorThenFeedChangesAndModifiedMark();

    void open_brokenRecentAndTwice();
    void open_whileReading_takesNoCommandAndEndsCleanly();
    void saveCloseAndQuit_keepWorkUntilAnswered();

private:
    CChildFrame *newFeed();
    CChildFrame *openFeed(const QString &name, const QStringList &titles);
    QString path(const QString &name) const { return m_window->dir.filePath(name); }
    static void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    // The main window with one of its menus open, in one picture.
    QPixmap withMenuOpen(const QString &title);
    // Into the folder TIDREL_SCREENSHOT_DIR names, when it names one.
    static void saveScreenshot(const QString &name, const QPixmap &picture);
    // The key letter a menu text marks with "&"; null when it has none.
    static QChar mnemonicOf(const QString &text);
    // Each feed window inside the area, beside the others, with room for its editor.
    void verifyTiled(const QList<CChildFrame *> &frames);

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

QPixmap TestMainFrame::withMenuOpen(const QString &title)
{
    QMenu *menu = m_main->menu(title);
    const QRect item = m_main->menuBar()->actionGeometry(menu->menuAction());
    const QPoint at = m_main->menuBar()->mapTo(m_main, item.bottomLeft());
    menu->popup(m_main->mapToGlobal(at));
    QTest::qWait(300);
    QPixmap picture = m_main->grab();
    QPainter painter(&picture);
    painter.drawPixmap(at, menu->grab());
    menu->hide();
    return picture;
}

void TestMainFrame::saveScreenshot(const QString &name, const QPixmap &picture)
{
    const QString folder = qEnvironmentVariable("TIDREL_SCREENSHOT_DIR");
    if (!folder.isEmpty())
        QVERIFY(picture.save(QDir(folder).filePath(name)));
}

QChar TestMainFrame::mnemonicOf(const QString &text)
{
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('&'))
            continue;
        if (text.at(i + 1) != QLatin1Char('&'))
            return text.at(i + 1).toLower();
        ++i;
    }
    return QChar();
}

void TestMainFrame::verifyTiled(const QList<CChildFrame *> &frames)
{
    const QRect area = frames.first()->mdiArea()->viewport()->rect();
    for (CChildFrame *frame : frames) {
        QVERIFY(!frame->isMaximized());
        QVERIFY2(area.contains(frame->geometry()), qPrintable(frame->windowTitle()));
        QVERIFY2(frame->view()->width() >= CChildFrame::kEditorMinimumWidth,
                 qPrintable(QStringLiteral("%1: %2").arg(frame->windowTitle()).arg(frame->view()->width())));
        // Regression: Post Details was left a strip 25 pixels wide. (It
        // moves under the editor once the window has laid its docks out.)
        if (frame->detailsBar()->isVisible())
            QTRY_VERIFY2(frame->detailsBar()->width() >= frame->width() / 4,
                     qPrintable(QStringLiteral("%1: %2").arg(frame->windowTitle()).arg(frame->detailsBar()->width())));
        for (CChildFrame *other : frames)
            QVERIFY(other == frame || !other->geometry().intersects(frame->geometry()));
    }
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

// Regression: the title bar said 1.00, the About box 1.0.0 build 1 and the
// post footer v1.0.0.1. The command line opens files as the desktop hands
// them over.
void TestMainFrame::version_oneFormInTitleAboutFeedAndTerminal()
{
    const QString version = CRssFeed::ProductVersionText();
    QVERIFY2(QRegularExpression(QStringLiteral("^\\d+\\.\\d+\\.\\d+$")).match(version).hasMatch(), qPrintable(version));
    QCOMPARE(m_main->windowTitle(), QStringLiteral("Tidrel ") + version);
    QCOMPARE(CAboutDialog::versionLine(version), QStringLiteral("Tidrel version ") + version);
    static const QRegularExpression form(
        QStringLiteral("^Release: [A-Z][a-z]{2} [ 0-9][0-9] [0-9]{4} [0-9]{2}:[0-9]{2}:[0-9]{2}$"));
    const QString line = CAboutDialog::releaseLine();
    QVERIFY2(form.match(line).hasMatch(), qPrintable(line));

    // The window icon, drawn at build time in every size the theme has, for
    // desktops whose theme does not have the program's icon yet.
    const QList<QSize> sizes = QApplication::windowIcon().availableSizes();
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        QVERIFY2(sizes.contains(QSize(size, size)), qPrintable(QString::number(size)));

    CChildFrame *frame = newFeed();
    QVERIFY(frame);
    m_services->saveFileName = path(QStringLiteral("version.xml"));
    QVERIFY(m_main->executeCommand(ID_FILE_SAVE));
    const QString text = QString::fromUtf8(readFile(path(QStringLiteral("version.xml"))));
    QVERIFY2(text.contains(QStringLiteral("<generator>Tidrel ") + version + QStringLiteral("</generator>")),
             qPrintable(text));
    QVERIFY(m_main->documents()->closeAllDocuments());
    flushDeletes();

    // tidrel FILE... opens each file; --help and --version answer on the
    // terminal where there is no display at all.
    QVERIFY(writeFeed(path(QStringLiteral("one.xml")), postsTitled({"One"})));
    QVERIFY(writeFeed(path(QStringLiteral("two.xml")), postsTitled({"Two"})));
    const QString previousFolder = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_window->dir.path()));
    const QStringList files = CCommandLine::feedFiles({QStringLiteral("tidrel"), QStringLiteral("one.xml"),
                                                        path(QStringLiteral("two.xml"))});
    QDir::setCurrent(previousFolder);
    QCOMPARE(files, (QStringList{path(QStringLiteral("one.xml")), path(QStringLiteral("two.xml"))}));
    for (const QString &file : files)
        QVERIFY(openAndWait(m_main->documents(), file));
    QCOMPARE(m_main->documents()->frames().size(), 2);
    QCOMPARE(m_main->activeChildFrame()->document()->path(), path(QStringLiteral("two.xml")));

    QProcessEnvironment noDisplay = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        noDisplay.remove(QString::fromLatin1(name));
    const auto run = [&noDisplay](const QString &option) {
        QProcess program;
        program.setProcessEnvironment(noDisplay);
        program.start(QStringLiteral(TIDREL_PROGRAM), {option});
        const bool finished = program.waitForFinished(30000);
        return std::make_pair(finished && program.exitCode() == 0, QString::fromUtf8(program.readAllStandardOutput()));
    };
    const auto [versionOk, versionText] = run(QStringLiteral("--version"));
    QVERIFY(versionOk);
    QCOMPARE(versionText.trimmed(), QStringLiteral("Tidrel ") + version);
    const auto [helpOk, helpText] = run(QStringLiteral("--help"));
    QVERIFY(helpOk);
    QVERIFY2(helpText.contains(QStringLiteral("[FILE...]")), qPrintable(helpText));

    // The desktop hands the files over the same way.
    const QStringList lines =
        QString::fromUtf8(readFile(QStringLiteral(TIDREL_SOURCE_DIR "/res/tidrel.desktop"))).split(QLatin1Char('\n'));
    QVERIFY(lines.contains(QStringLiteral("Exec=tidrel %F")));
    QVERIFY(lines.contains(QStringLiteral("MimeType=application/rss+xml;application/xml;text/xml;")));
}

// Tools > Preferences turns the footer on with the default words, which
// carry the version; other words replace them; off again, stored posts get
// none. No placeholder address reaches the file.
void TestMainFrame::preferences_footerOffByDefaultThenUsersWordsInFile()
{
    QFile::remove(GetSettingsPath());
    CChildFrame *frame = openFeed(QStringLiteral("footer.xml"), {"A", "B", "C", "D"});
    QVERIFY(frame);
    CRSSEditDoc *document = frame->document();
    const auto savedPost = [&](int post) {
        CRssFeed saved;
        return saved.LoadFromFile(path(QStringLiteral("footer.xml"))) ? saved.GetPostDescription(post) : QString();
    };
    // Stores a description and saves; gives back what the file has.
    const auto storeAndSave = [&](int post, const QString &description) {
        const bool saved = document->SetPostField(post, CRSSEditDoc::PostDescription, description);
        return saved && m_main->executeCommand(ID_FILE_SAVE) ? savedPost(post) : QString();
    };
    // Sets the dialog as `fill` says and presses OK.
    const auto choose = [this](const std::function<void(CPreferencesDialog *)> &fill, const QString &screenshot = {}) {
        bool shown = false;
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<CPreferencesDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            shown = true;
            fill(dialog);
            if (!screenshot.isEmpty())
                saveScreenshot(screenshot, dialog->grab());
            dialog->accept();
        });
        QVERIFY(m_main->executeCommand(ID_PREFERENCES));
        QVERIFY(shown);
    };

    QCOMPARE(storeAndSave(0, QStringLiteral("<P>Off</P>")), QStringLiteral("<P>Off</P>"));

    choose([](CPreferencesDialog *dialog) {
        QVERIFY(!dialog->footerCheckBox()->isChecked());
        QVERIFY(!dialog->footerTextEdit()->isEnabled());
        QCOMPARE(dialog->footerTextEdit()->text(), DefaultPostFooterText());
        dialog->footerCheckBox()->setChecked(true);
    }, QStringLiteral("preferences.png"));
    QVERIFY2(readFile(GetSettingsPath()).contains("PostFooter=1\n"), readFile(GetSettingsPath()).constData());
    const QString withDefault = storeAndSave(1, QStringLiteral("<P>On</P>"));
    QVERIFY2(withDefault.startsWith(QStringLiteral("<P>On</P><BR>")) && HasPostFooter(withDefault),
             qPrintable(withDefault));
    QVERIFY2(withDefault.contains(QStringLiteral("<CODE>This post created by Tidrel v") + CRssFeed::ProductVersionText()
                                  + QChar(0x2026) + QStringLiteral("</CODE>")),
             qPrintable(withDefault));
    QCOMPARE(savedPost(0), QStringLiteral("<P>Off</P>"));

    choose([](CPreferencesDialog *dialog) {
        QVERIFY(dialog->footerCheckBox()->isChecked());
        dialog->footerTextEdit()->setText(QStringLiteral("Written by Ann & Bob"));
    });
    const QString words = storeAndSave(2, QStringLiteral("<P>Words</P>"));
    QVERIFY2(words.contains(QStringLiteral("<CODE>Written by Ann &amp; Bob</CODE>")), qPrintable(words));
    // A new feed window follows the setting too.
    CChildFrame *second = newFeed();
    QVERIFY(second && second != frame);
    QVERIFY(second->document()->SetPostField(0, CRSSEditDoc::PostDescription, QStringLiteral("x")));
    QVERIFY(HasPostFooter(second->document()->feed()->GetPostDescription(0)));
    m_services->saveChoice = CShellServices::DiscardChanges;
    QVERIFY(m_main->documents()->closeDocument(second));
    QTRY_VERIFY(m_main->activeChildFrame() == frame);

    choose([](CPreferencesDialog *dialog) { dialog->footerCheckBox()->setChecked(false); });
    QCOMPARE(storeAndSave(3, QStringLiteral("<P>Off again</P>")), QStringLiteral("<P>Off again</P>"));

    const QByteArray file = readFile(path(QStringLiteral("footer.xml")));
    QVERIFY2(!file.contains(".example"), file.constData());
    QVERIFY(!readFile(GetSettingsPath()).contains(".example"));
    QFile::remove(GetSettingsPath());
}

// The real file dialogs offer feeds and all files. Regressions: with no
// browser, Tools > W3C RSS Validator did nothing visible; questions were
// answered with OK; the question before closing had no access keys.
void TestMainFrame::desktop_fileDialogsAndWebPagesWithoutBrowser()
{
    QStringList shown;
    QTimer answer;
    connect(&answer, &QTimer::timeout, [&shown] {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
            shown.append(dialog->nameFilters().join(QLatin1Char('|')));
            dialog->reject();
        } else if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            QStringList buttons;
            for (QAbstractButton *button : box->buttons())
                buttons.append(button->text());
            buttons.sort();
            shown.append(buttons.join(QLatin1Char('|')));
            box->defaultButton()->click();
        }
    });
    answer.start(50);
    CDesktopServices desktop(m_main);
    QCOMPARE(desktop.askOpenFileName(), QString());
    QCOMPARE(desktop.askSaveFileName(path(QStringLiteral("feed.xml"))), QString());
    QVERIFY(desktop.confirm(QStringLiteral("Delete this post?"), QStringLiteral("&Delete")));
    QCOMPARE(desktop.askSaveChanges(QStringLiteral("feed.xml")), CShellServices::SaveChanges);
    const QString filters = QStringLiteral("RSS feeds (*.xml *.rss)|All files (*)");
    QCOMPARE(shown, (QStringList{filters, filters, QStringLiteral("&Delete|Cancel"),
                                 QStringLiteral("&Discard|&Save|Cancel")}));

    m_services->browserFound = false;
    QVERIFY(m_main->executeCommand(ID_W3C_VALIDATOR));
    QCOMPARE(m_services->openedUrls.size(), 1);
    const QString validator = m_services->openedUrls.first().toString();
    QVERIFY2(validator.startsWith(QStringLiteral("https://validator.w3.org/feed/")), qPrintable(validator));
    QCOMPARE(m_services->errors.size(), 1);
    QVERIFY2(m_services->errors.first().contains(validator), qPrintable(m_services->errors.first()));
    m_services->browserFound = true;
    QVERIFY(m_main->executeCommand(ID_HELP_ABOUT_ENGINE));
    QCOMPARE(m_services->openedUrls.size(), 2);
    QCOMPARE(m_services->errors.size(), 1);
}

// "feed.xml — Tidrel" with the modified mark, as desktop programs title
// their windows, also while the feed window is maximised. Nothing refreshes
// the actions on a timer: each state is right as soon as what it depends on
// has changed, toolbar buttons included.
void TestMainFrame::newFeed_titleAndActionStatesFollowIt()
{
    QVERIFY(QTest::qWaitForWindowActive(m_main));
    QMenu *posts = m_main->menu(QStringLiteral("Posts"));
    QVERIFY(posts && !posts->menuAction()->isVisible());
    for (int id : {ID_FILE_SAVE, ID_FILE_CLOSE, ID_POST_ADD})
        QVERIFY2(!m_main->action(id)->isEnabled(), qPrintable(QString::number(id)));
    QVERIFY(m_main->action(ID_FILE_NEW)->isEnabled() && m_main->action(ID_W3C_VALIDATOR)->isEnabled());

    CChildFrame *frame = newFeed();
    QVERIFY(MainWindowFixture::waitForPage(frame));
    CRSSEditDoc *document = frame->document();
    QAction *remove = m_main->action(ID_POST_DELETE);
    QAction *reload = m_main->action(ID_POST_RELOAD);
    QAction *backupFolder = m_main->action(ID_OPEN_BACKUP_FOLDER);
    QVERIFY(posts->menuAction()->isVisible());
    QVERIFY(m_main->action(ID_FILE_SAVE)->isEnabled() && m_main->action(ID_POST_ADD)->isEnabled());
    QVERIFY(!remove->isEnabled()); // the one post stays
    QVERIFY(!reload->isEnabled() && !backupFolder->isEnabled()); // no file yet
    QVERIFY(!document->title().isEmpty());
    QCOMPARE(document->feed()->GetPostCount(), 1);
    QVERIFY(frame->isMaximized());
    QCOMPARE(frame->windowTitle(), document->title() + QStringLiteral("[*]"));
    QCOMPARE(m_main->windowTitle(), document->title() + QStringLiteral("[*] \u2014 Tidrel"));
    // A new feed is on no disk yet.
    QVERIFY(m_main->isWindowModified());

    // Regression: the Format and Posts menus had no key letters. Each menu
    // and each item of a menu has one, none twice in the menu bar or in a
    // menu.
    QString menuLetters;
    for (QAction *menuAction : m_main->menuBar()->actions()) {
        const QChar menuLetter = mnemonicOf(menuAction->text());
        QVERIFY2(!menuLetter.isNull() && !menuLetters.contains(menuLetter), qPrintable(menuAction->text()));
        menuLetters += menuLetter;
        QMenu *menu = menuAction->menu();
        emit menu->aboutToShow();
        QString letters;
        for (QAction *item : menu->actions()) {
            if (item->isSeparator() || !item->isVisible())
                continue;
            const QChar letter = mnemonicOf(item->text());
            QVERIFY2(!letter.isNull() && !letters.contains(letter), qPrintable(menu->title() + QLatin1Char(' ') + item->text()));
            letters += letter;
        }
    }

    // The sort commands show the order by one radio mark.
    QAction *byPosition = m_main->action(ID_SORT_BY_POSITION);
    QAction *byTitle = m_main->action(ID_SORT_BY_TITLE);
    QAction *byDate = m_main->action(ID_SORT_BY_DATE);
    QVERIFY(byPosition->isChecked());
    QVERIFY(byTitle->actionGroup() && byTitle->actionGroup()->isExclusive());
    QVERIFY(m_main->executeCommand(ID_SORT_BY_TITLE));
    QVERIFY(byTitle->isChecked() && !byPosition->isChecked());
    byDate->trigger();
    QVERIFY(byDate->isChecked() && !byTitle->isChecked());

    // The document's changes, made past the commands: the posts, the
    // history, the path.
    QVERIFY(document->InsertNewPost());
    QVERIFY(remove->isEnabled());
    QVERIFY(frame->isWindowModified() && m_main->isWindowModified());
    document->selection()->select(1);
    QVERIFY(m_main->action(ID_POST_BACK)->isEnabled());
    QVERIFY(document->OnSaveDocument(path(QStringLiteral("titled.xml"))));
    QVERIFY(reload->isEnabled() && backupFolder->isEnabled());
    QCOMPARE(m_main->windowTitle(), QStringLiteral("titled.xml[*] \u2014 Tidrel"));
    QVERIFY(!m_main->isWindowModified());

    // The clipboard.
    QAction *paste = m_main->action(ID_EDIT_PASTE);
    QGuiApplication::clipboard()->clear();
    QVERIFY(!paste->isEnabled());
    QGuiApplication::clipboard()->setText(QStringLiteral("text"));
    QVERIFY(paste->isEnabled());

    // The page's selection, once its report arrives.
    QAction *copy = m_main->action(ID_EDIT_COPY);
    QVERIFY(focusAtEnd(frame->view()->engine(), QStringLiteral("richtext_edit")));
    // A new post's description is empty: there is nothing to select yet.
    QTRY_VERIFY(!m_main->action(ID_EDIT_SELECT_ALL)->isEnabled());
    QTest::keyClicks(frame->view()->engine()->focusProxy(), QStringLiteral("Some text"));
    QTRY_VERIFY(m_main->action(ID_EDIT_SELECT_ALL)->isEnabled());
    QVERIFY(!copy->isEnabled());
    QVERIFY(m_main->executeCommand(ID_EDIT_SELECT_ALL));
    QTRY_VERIFY(copy->isEnabled() && m_main->action(ID_EDIT_CUT)->isEnabled());

    m_services->saveChoice = CShellServices::DiscardChanges; // the typing
    QVERIFY(m_main->executeCommand(ID_FILE_CLOSE));
    flushDeletes();
    QCOMPARE(m_main->windowTitle(), QStringLiteral("Tidrel ") + CRssFeed::ProductVersionText());
}

// Regression: every activated feed window was maximised again, so Tile and
// Cascade did not stay.
void TestMainFrame::windowMenu_arrangementsStickAndListFeeds()
{
    // A small laptop's screen.
    m_main->resize(1024, 700);
    QVERIFY(QTest::qWaitForWindowActive(m_main));
    CChildFrame *one = openFeed(QStringLiteral("one.xml"), {"A"});
    CChildFrame *two = openFeed(QStringLiteral("two.xml"), {"B"});
    QVERIFY(one && two);
    // Beside a maximised feed window a new one is maximised too.
    QVERIFY(two->isMaximized());
    // Regression: a failed open left every feed window un-maximised.
    QVERIFY(writeFile(path(QStringLiteral("broken.xml")), "<rss version=\"2.0\"><channel>"));
    QVERIFY(!openAndWait(m_main->documents(), path(QStringLiteral("broken.xml"))));
    flushDeletes();
    QCOMPARE(m_main->activeChildFrame(), two);
    QVERIFY(two->isMaximized());
    QVERIFY(m_main->action(ID_WINDOW_NEXT)->isEnabled());

    // Regression: with Post Details shown, Tile left an editor 30 pixels wide.
    QVERIFY(m_main->executeCommand(ID_VIEW_POST_DETAILS));
    QVERIFY(m_main->executeCommand(ID_WINDOW_TILE));
    verifyTiled({one, two});
    const QRect tiled = one->geometry();
    QVERIFY(m_main->executeCommand(ID_WINDOW_NEXT));
    QCOMPARE(m_main->activeChildFrame(), one);
    QVERIFY(!one->isMaximized());
    QCOMPARE(one->geometry(), tiled);
    QCOMPARE(m_main->windowTitle(), QStringLiteral("one.xml[*] \u2014 Tidrel"));
    one->postsBar()->listCtrl()->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(m_main->activeChildFrame(), two);

    // The Window menu lists the feeds, the active one checked; choosing one
    // activates it.
    QMenu *windows = m_main->menu(QStringLiteral("Window"));
    QVERIFY(windows && windows->menuAction()->isVisible());
    emit windows->aboutToShow();
    // The commands carry their ids; the feeds' entries do not.
    QList<QAction *> entries;
    QStringList texts;
    for (QAction *entry : windows->actions()) {
        if (entry->isSeparator() || entry->data().isValid())
            continue;
        entries.append(entry);
        texts.append(entry->text() + (entry->isChecked() ? QStringLiteral(" (checked)") : QString()));
    }
    QCOMPARE(texts, (QStringList{"&1 one.xml", "&2 two.xml (checked)"}));
    entries.first()->trigger();
    QCOMPARE(m_main->activeChildFrame(), one);

    // A feed opened beside arranged windows comes as one more window.
    CChildFrame *three = openFeed(QStringLiteral("three.xml"), {"C"});
    QVERIFY(three && !three->isMaximized());
    QCOMPARE(one->geometry(), tiled);
    // Three take two rows; none gets narrower.
    QVERIFY(m_main->executeCommand(ID_WINDOW_TILE));
    verifyTiled({one, two, three});
    QVERIFY(m_main->executeCommand(ID_WINDOW_CASCADE));
    QVERIFY(!one->isMaximized() && !two->isMaximized() && !three->isMaximized());
    QVERIFY(one->geometry().topLeft() != two->geometry().topLeft());
    QVERIFY(m_main->executeCommand(ID_WINDOW_PREVIOUS));
    QVERIFY(!m_main->activeChildFrame()->isMaximized());
    // Regression: the next window came partly off the area.
    CChildFrame *four = openFeed(QStringLiteral("four.xml"), {"D"});
    const QRect area = static_cast<QMdiArea *>(m_main->centralWidget())->viewport()->rect();
    QVERIFY(four && !four->isMaximized());
    QVERIFY2(area.contains(four->geometry()), qPrintable(QStringLiteral("%1,%2 %3x%4").arg(four->x()).arg(four->y())
                                                              .arg(four->width()).arg(four->height())));
}

// Regression: Forward never worked and neither had a key. Delete asks with
// the post's title, from the menu and from the posts list's key.
void TestMainFrame::posts_backForwardAndDeleteByMenuAndKeys()
{
    QVERIFY(QTest::qWaitForWindowActive(m_main));
    CChildFrame *frame = openFeed(QStringLiteral("posts.xml"), {"Hello", "World", "Again"});
    QVERIFY(frame);
    CRSSEditDoc *document = frame->document();
    QAction *back = m_main->action(ID_POST_BACK);
    QAction *forward = m_main->action(ID_POST_FORWARD);
    // The posts bar has shown the first post, the history's first entry.
    QTRY_COMPARE(document->currentPost(), 0);
    QVERIFY(!m_main->commandState(ID_POST_BACK).enabled);
    document->selection()->select(2);
    document->selection()->select(1);
    QVERIFY(back->isEnabled() && !forward->isEnabled());

    auto *list = frame->postsBar()->listCtrl();
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Left, Qt::AltModifier);
    QCOMPARE(document->currentPost(), 2);
    back->trigger();
    QCOMPARE(document->currentPost(), 0);
    QVERIFY(!back->isEnabled() && forward->isEnabled());
    QTest::keyClick(list, Qt::Key_Right, Qt::AltModifier);
    QCOMPARE(document->currentPost(), 2);
    forward->trigger();
    QCOMPARE(document->currentPost(), 1);
    QVERIFY(!forward->isEnabled());
    QCOMPARE(list->currentIndex().row(), 1); // the row follows
    // Posts > Copy Title, once also in the list's menu.
    QVERIFY(m_main->menu(QStringLiteral("Posts"))->actions().contains(m_main->action(ID_COPY_TITLE)));
    QVERIFY(m_main->executeCommand(ID_COPY_TITLE));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("World"));
    std::unique_ptr<QMenu> rowMenu(frame->postsBar()->createRowMenu());
    const QList<QAction *> rowActions = rowMenu->actions();
    QCOMPARE(std::count_if(rowActions.begin(), rowActions.end(),
                           [](QAction *a) { return a->data().toInt() == ID_COPY_TITLE; }),
             1);
    // Regression: the list's own menus' Copy Title had no status prompt.
    std::unique_ptr<QMenu> headerMenu(frame->postsBar()->createHeaderMenu());
    for (QMenu *menu : {rowMenu.get(), headerMenu.get()}) {
        QAction *copy = menu->actions().constLast();
        QCOMPARE(copy->data().toInt(), int(ID_COPY_TITLE));
        QCOMPARE(copy->statusTip(), QStringLiteral("Copy the title of the selected post to the Clipboard"));
    }
    QCOMPARE(m_main->action(ID_POST_DUPLICATE)->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+D")));

    document->selection()->select(0);
    m_services->confirmAnswer = false;
    QVERIFY(m_main->executeCommand(ID_POST_DELETE));
    QCOMPARE(m_services->questions, QStringList{QStringLiteral("Delete this post?\n\n\"Hello\"")});
    QCOMPARE(document->feed()->GetPostCount(), 3);
    QVERIFY(!document->IsModified());

    // Delete in the editor's fields deletes text, not the post.
    QVERIFY(MainWindowFixture::waitForPage(frame));
    QVERIFY(focusAtEnd(frame->view()->engine(), QStringLiteral("div_title")));
    QTest::keyClick(frame->view()->engine()->focusProxy(), Qt::Key_Delete);
    QCOMPARE(m_services->questions.size(), 1);

    // In the posts list it is the command, question included.
    m_services->confirmAnswer = true;
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Delete);
    QCOMPARE(m_services->questions.size(), 2);
    QCOMPARE(document->feed()->GetPostCount(), 2);
    QCOMPARE(document->feed()->GetPostTitle(0), QStringLiteral("World"));
    QVERIFY(document->IsModified());
    // The command may wait for the page to tell of the Delete key it had.
    QVERIFY(m_main->executeCommand(ID_POST_DELETE));
    QTRY_COMPARE(document->feed()->GetPostCount(), 1);

    // The last post stays: Delete is off and asks nothing.
    QVERIFY(!m_main->action(ID_POST_DELETE)->isEnabled());
    QVERIFY(!m_main->executeCommand(ID_POST_DELETE));
    QTest::keyClick(list, Qt::Key_Delete);
    QCOMPARE(m_services->questions.size(), 3);

    // What was deleted stays deleted in the file.
    QVERIFY(m_main->executeCommand(ID_FILE_SAVE));
    CRssFeed reread;
    QVERIFY(reread.LoadFromFile(path(QStringLiteral("posts.xml"))));
    QCOMPARE(reread.GetPostCount(), 1);
    QCOMPARE(reread.GetPostTitle(0), QStringLiteral("Again"));
}

// Regression: Undo with the focus in the description undid the title's
// typing on the page alone, the page's history being one for all its
// fields. Every edit is a step of the feed's: Ctrl+Z, the page's button and
// Edit > Undo take back one field's typing, on the page and in the feed,
// wherever the focus is, and typing goes on where the caret was. The
// window's modified mark follows the saved state as changes are undone and
// redone.
void TestMainFrame::undo_typingInEditorThenFeedChangesAndModifiedMark()
{
    QVERIFY(QTest::qWaitForWindowActive(m_main));
    CChildFrame *frame = openFeed(QStringLiteral("undo.xml"), {"Hello", "World", "Again"});
    QVERIFY(MainWindowFixture::waitForPage(frame));
    const QByteArray original = readFile(path(QStringLiteral("undo.xml")));
    CRSSEditDoc *document = frame->document();
    QUndoStack *stack = document->undoStack();
    QCOMPARE(m_main->undoGroup()->activeStack(), stack);
    QAction *undo = m_main->action(ID_EDIT_UNDO);
    QAction *redo = m_main->action(ID_EDIT_REDO);
    CHtmlEngineView *engine = frame->view()->engine();
    const auto richText = [engine] { return engine->value(QStringLiteral("richtext_edit")).toString(); };
    document->selection()->select(0);
    QTRY_VERIFY(richText().contains(QStringLiteral("Text of Hello")));

    // The page and the feed agree on the title and the description.
    const auto shows = [engine, document](const QString &title, const QString &description) {
        return QTest::qWaitFor([&] {
            return engine->value(QStringLiteral("div_title")).toString() == title
                && engine->value(QStringLiteral("richtext_edit")).toString() == description
                && document->feed()->GetPostTitle(0) == title && document->feed()->GetPostDescription(0) == description;
        }, 10000);
    };
    const auto pressInPage = [engine](Qt::Key key, Qt::KeyboardModifiers modifiers) {
        QTest::keyClick(engine->focusProxy(), key, modifiers);
    };
    QVERIFY(focusAtEnd(engine, QStringLiteral("div_title")));
    QTest::keyClicks(engine->focusProxy(), QStringLiteral(" x"));
    QTRY_COMPARE(document->feed()->GetPostTitle(0), QStringLiteral("Hello x"));
    QVERIFY(focusAtEnd(engine, QStringLiteral("richtext_edit")));
    QTest::keyClicks(engine->focusProxy(), QStringLiteral("zz"));
    QVERIFY(shows(QStringLiteral("Hello x"), QStringLiteral("Text of Hellozz")));
    QCOMPARE(stack->count(), 2);
    QTRY_COMPARE(undo->text(), QStringLiteral("&Undo Edit Description"));

    pressInPage(Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(shows(QStringLiteral("Hello x"), QStringLiteral("Text of Hello")));
    pressInPage(Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(shows(QStringLiteral("Hello"), QStringLiteral("Text of Hello")));
    QVERIFY(!m_main->isWindowModified());
    pressInPage(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(shows(QStringLiteral("Hello x"), QStringLiteral("Text of Hello")));
    pressInPage(Qt::Key_Y, Qt::ControlModifier);
    QVERIFY(shows(QStringLiteral("Hello x"), QStringLiteral("Text of Hellozz")));
    QTRY_VERIFY(!redo->isEnabled());
    QTRY_VERIFY(evalJs(engine, QStringLiteral("document.getElementById('tb_redo').classList.contains('disabled')")).toBool());
    evalJs(engine, QStringLiteral("document.getElementById('tb_undo').click()"));
    QVERIFY(shows(QStringLiteral("Hello x"), QStringLiteral("Text of Hello")));
    QVERIFY(m_main->executeCommand(ID_EDIT_UNDO));
    QVERIFY(shows(QStringLiteral("Hello"), QStringLiteral("Text of Hello")));
    QCOMPARE(stack->index(), 0);

    // Typing at the end of the text put back makes a new step; from
    // elsewhere, Undo takes back the feed's changes, by name. (The caret is
    // placed first: on a busy machine the page's caret has now and then been
    // found in the title after the title's step was undone.)
    QVERIFY(focusAtEnd(engine, QStringLiteral("richtext_edit")));
    QTest::keyClicks(engine->focusProxy(), QStringLiteral("yy"));
    QVERIFY(shows(QStringLiteral("Hello"), QStringLiteral("Text of Helloyy")));
    QTRY_VERIFY(m_main->isWindowModified());
    frame->postsBar()->listCtrl()->setFocus();
    QTRY_COMPARE(undo->text(), QStringLiteral("&Undo Edit Description"));
    QVERIFY(m_main->executeCommand(ID_EDIT_UNDO));
    QCOMPARE(document->feed()->GetPostDescription(0), QStringLiteral("Text of Hello"));
    QTRY_VERIFY(!richText().contains(QStringLiteral("yy")));
    QCOMPARE(redo->text(), QStringLiteral("&Redo Edit Description"));
    QVERIFY(!m_main->isWindowModified());

    QVERIFY(m_main->executeCommand(ID_POST_DELETE));
    QCOMPARE(document->feed()->GetPostCount(), 2);
    QVERIFY(m_main->isWindowModified());
    QCOMPARE(undo->text(), QStringLiteral("&Undo Delete Post"));
    QVERIFY(!redo->isEnabled());
    QVERIFY(m_main->executeCommand(ID_EDIT_UNDO));
    QCOMPARE(document->feed()->GetPostCount(), 3);
    QVERIFY(!m_main->isWindowModified());
    QVERIFY(!undo->isEnabled());
    QVERIFY(m_main->executeCommand(ID_EDIT_REDO));
    QVERIFY(m_main->isWindowModified());
    QTRY_COMPARE(richText(), QStringLiteral("Text of World")); // the post that took its place

    // The history lists the steps; a save makes the present one clean.
    QVERIFY(!m_main->undoHistory()->isVisible());
    QVERIFY(m_main->executeCommand(ID_VIEW_UNDO_HISTORY));
    QVERIFY(m_main->undoHistory()->isVisible());
    QVERIFY(m_main->action(ID_VIEW_UNDO_HISTORY)->isChecked());
    auto *history = qobject_cast<QUndoView *>(m_main->undoHistory()->widget());
    QCOMPARE(history->model()->rowCount(), 2); // the file as opened, the delete
    QCOMPARE(m_main->focusWidget(), history); // out of the feed window's Tab round, the keys go there
    QTest::qWait(500); // the page paints what it shows
    saveScreenshot(QStringLiteral("undo-history.png"), m_main->grab());
    saveScreenshot(QStringLiteral("undo-menu.png"), withMenuOpen(QStringLiteral("Edit")));
    QVERIFY(m_main->executeCommand(ID_FILE_SAVE));
    QVERIFY(!m_main->isWindowModified());
    QVERIFY(m_main->executeCommand(ID_EDIT_UNDO));
    QVERIFY(m_main->isWindowModified());
    QVERIFY(m_main->executeCommand(ID_FILE_SAVE));
    QCOMPARE(readFile(path(QStringLiteral("undo.xml"))), original);
}

// The caret inside formatted text and links, as the user moves it: the
// Format menu's marks, the status bar and the page's strike-out button
// follow; the formats need the rich text to have the focus.
void TestMainFrame::formatMenu_checkMarksAndLinkAddressFollowCaret()
{
    QVERIFY(QTest::qWaitForWindowActive(m_main));
    CChildFrame *frame = m_window->openFeed(
        QStringLiteral("format.xml"),
        postsDescribed({QStringLiteral("<p>plain <b>bold <i>both</i></b> <a href=\"http://example.org/x\">link</a> "
                                       "<s>gone <b>heavy <a href=\"http://example.org/y\">struck</a></b></s> "
                                       "<u>under</u></p>")}));
    QVERIFY(MainWindowFixture::waitForPage(frame));
    CHtmlEngineView *engine = frame->view()->engine();
    QTRY_VERIFY(engine->value(QStringLiteral("richtext_edit")).toString().contains(QStringLiteral("under")));
    const auto caretIn = [engine](const QString &text) {
        const QString script = QStringLiteral(
            "(function(){ const e = document.getElementById('richtext_edit'); e.focus();"
            " const w = document.createTreeWalker(e, NodeFilter.SHOW_TEXT);"
            " while (w.nextNode()) { if (w.currentNode.data.indexOf('%1') >= 0) {"
            " const r = document.createRange(); r.setStart(w.currentNode, 1); r.collapse(true);"
            " getSelection().removeAllRanges(); getSelection().addRange(r); return true; } } return false; })()")
                                   .arg(text);
        return evalJs(engine, script).toBool();
    };
    const auto checked = [this](int id) { return m_main->action(id)->isChecked(); };
    const auto strikeButtonChecked = [engine] {
        return evalJs(engine, QStringLiteral("document.getElementById('tb_strikeout').classList.contains('checked')"))
            .toBool();
    };
    QStatusBar *status = m_main->statusBar();

    QVERIFY(caretIn(QStringLiteral("both")));
    QTRY_VERIFY(checked(ID_FORMAT_BOLD) && checked(ID_FORMAT_ITALIC));
    QVERIFY(m_main->action(ID_FORMAT_BOLD)->isEnabled());
    QVERIFY(!checked(ID_FORMAT_UNDERLINE) && !checked(ID_FORMAT_STRIKEOUT));
    QVERIFY(caretIn(QStringLiteral("bold")));
    QTRY_VERIFY(checked(ID_FORMAT_BOLD) && !checked(ID_FORMAT_ITALIC));

    QVERIFY(caretIn(QStringLiteral("link")));
    QTRY_COMPARE(status->currentMessage(), QStringLiteral("http://example.org/x"));
    QVERIFY(!checked(ID_FORMAT_BOLD));
    QVERIFY(caretIn(QStringLiteral("gone")));
    QTRY_VERIFY(checked(ID_FORMAT_STRIKEOUT));
    QCOMPARE(status->currentMessage(), QStringLiteral("Ready"));
    QTRY_VERIFY(strikeButtonChecked());
    QVERIFY(caretIn(QStringLiteral("under")));
    QTRY_VERIFY(checked(ID_FORMAT_UNDERLINE) && !checked(ID_FORMAT_STRIKEOUT));
    QTRY_VERIFY(!strikeButtonChecked());
    QVERIFY(caretIn(QStringLiteral("struck")));
    QTRY_COMPARE(status->currentMessage(), QStringLiteral("http://example.org/y"));
    QTRY_VERIFY(checked(ID_FORMAT_BOLD) && checked(ID_FORMAT_STRIKEOUT) && !checked(ID_FORMAT_ITALIC));
    QTRY_VERIFY(strikeButtonChecked());
    saveScreenshot(QStringLiteral("format-menu.png"), withMenuOpen(QStringLiteral("Format")));

    // Insert Test names the innermost element at the caret.
    QString shown;
    QTimer::singleShot(0, [&shown] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->accept();
        }
    });
    QVERIFY(m_main->executeCommand(ID_INSERT_TEST));
    QCOMPARE(shown, QStringLiteral("Current Object Tag: a"));

    // In the title the formats are greyed.
    QVERIFY(focusAtEnd(engine, QStringLiteral("div_title")));
    QTRY_VERIFY(!m_main->action(ID_FORMAT_BOLD)->isEnabled());
    QVERIFY(!m_main->action(ID_FORMAT_STRIKEOUT)->isEnabled());
    QVERIFY(m_main->action(ID_FORMAT_UL_LIST)->isEnabled());
    QVERIFY(m_main->action(ID_REMOVE_NBSP)->isEnabled());
    QVERIFY(!m_main->executeCommand(ID_FORMAT_BOLD));
}

// A broken file opens nothing and says where it went wrong; a recent file
// opens by its menu entry, or leaves the list when it is gone; a feed
// already open is shown, not opened again.
void TestMainFrame::open_brokenRecentAndTwice()
{
    CDocManager *documents = m_main->documents();
    const QString broken = path(QStringLiteral("broken.xml"));
    QVERIFY(writeFile(broken, "<?xml version=\"1.0\"?>\n<rss version=\"2.0\"><channel>\n<title>Cut</title>\n</rss>\n"));
    QVERIFY(!openAndWait(documents, broken));
    flushDeletes();
    QCOMPARE(m_services->errors.size(), 1);
    const QString message = m_services->errors.first();
    QVERIFY2(message.contains(QDir::toNativeSeparators(broken)), qPrintable(message));
    // The reason follows the file name.
    QVERIFY2(message.section(QStringLiteral("\n\n"), 1).contains(QStringLiteral("line"), Qt::CaseInsensitive),
             qPrintable(message));
    QVERIFY(documents->frames().isEmpty() && !m_main->activeChildFrame());
    QVERIFY(documents->recentFiles().isEmpty());

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
    QSignalSpy opened(documents, &CDocManager::documentOpened);
    QVERIFY(m_main->executeCommand(ID_FILE_MRU_FIRST + 1));
    QVERIFY(opened.wait(30000));
    CChildFrame *frame = m_main->activeChildFrame();
    QVERIFY(frame);
    QCOMPARE(frame->document()->path(), first);
    QCOMPARE(documents->recentFiles().first(), first);

    QVERIFY(QFile::remove(second));
    QSignalSpy failed(documents, &CDocManager::openFailed);
    QVERIFY(m_main->executeCommand(ID_FILE_MRU_FIRST + 1));
    QVERIFY(failed.wait(30000));
    QVERIFY(!documents->findFrame(second));
    QCOMPARE(m_services->errors.size(), 2);
    QCOMPARE(documents->recentFiles(), QStringList{first});

    QVERIFY(newFeed() != frame);
    QCOMPARE(openAndWait(documents, first), frame);
    QCOMPARE(m_main->activeChildFrame(), frame);
    QCOMPARE(documents->frames().size(), 2);

    // The list keeps the sixteen newest, each once; another run of the
    // program reads the same list.
    CRecentFileList list;
    for (int i = 1; i <= 18; ++i)
        list.add(path(QStringLiteral("feed%1.xml").arg(i)));
    list.add(path(QStringLiteral("feed10.xml")));
    QStringList newest{path(QStringLiteral("feed10.xml"))};
    for (int i = 18; i >= 3; --i) {
        if (i != 10)
            newest.append(path(QStringLiteral("feed%1.xml").arg(i)));
    }
    QCOMPARE(list.files(), newest);
    QCOMPARE(CRecentFileList().files(), newest);
}

// The feed is read on a worker thread: until it is in, its window shows
// the file's name and takes no command; a second open meanwhile shows the
// same window, and a close or quitting meanwhile leaves nothing behind.
void TestMainFrame::open_whileReading_takesNoCommandAndEndsCleanly()
{
    CDocManager *documents = m_main->documents();
    const QString file = path(QStringLiteral("read.xml"));
    QVERIFY(writeFeed(file, postsTitled({"One", "Two"})));

    QSignalSpy opened(documents, &CDocManager::documentOpened);
    CChildFrame *frame = documents->openDocument(file);
    QVERIFY(frame->isOpening());
    QCOMPARE(documents->openDocument(file), frame);
    QCOMPARE(documents->frames().size(), 1);
    QCOMPARE(frame->windowTitle(), QStringLiteral("read.xml[*]"));
    QVERIFY(!m_main->activeChildFrame());
    QVERIFY(!frame->view()->isEnabled());
    for (int id : {ID_FILE_SAVE, ID_FILE_CLOSE, ID_POST_ADD, ID_FEED_PROPERTIES})
        QVERIFY2(!m_main->action(id)->isEnabled(), qPrintable(m_main->action(id)->text()));
    QVERIFY(opened.wait(30000));
    QCOMPARE(opened.size(), 1);
    QCOMPARE(m_main->activeChildFrame(), frame);
    QVERIFY(frame->view()->isEnabled());
    QCOMPARE(frame->document()->feed()->GetPostTitle(1), QStringLiteral("Two"));
    QVERIFY(m_main->action(ID_POST_ADD)->isEnabled());
    QVERIFY2(m_main->windowTitle().startsWith(QStringLiteral("read.xml")), qPrintable(m_main->windowTitle()));
    QCOMPARE(documents->recentFiles(), QStringList{file});

    // Closed during its read, and opened again before that read ends.
    QVERIFY(documents->closeAllDocuments());
    flushDeletes();
    QPointer<CChildFrame> closed = documents->openDocument(file);
    closed->close();
    QTRY_VERIFY_WITH_TIMEOUT(!closed, 30000);
    QVERIFY(documents->frames().isEmpty());
    CChildFrame *again = openAndWait(documents, file);
    QVERIFY(again);
    QCOMPARE(again->document()->feed()->GetPostTitle(0), QStringLiteral("One"));
    QCOMPARE(documents->frames().size(), 1);
    QVERIFY(m_services->errors.isEmpty());

    // Quitting during a read, and the window gone before the read ends.
    QVERIFY(writeFeed(path(QStringLiteral("other.xml")), postsTitled({"Other"})));
    QVERIFY(documents->openDocument(path(QStringLiteral("other.xml")))->isOpening());
    QVERIFY(m_main->close());
    m_window.reset();
}

// A failed save keeps the changes and Save As takes the new name; closing
// a modified feed, or quitting, asks first and Cancel keeps everything.
void TestMainFrame::saveCloseAndQuit_keepWorkUntilAnswered()
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
    QVERIFY(frame->document()->IsModified() && frame->isWindowModified());
    QVERIFY(frame->document()->path().isEmpty());
    QVERIFY(!QFile::exists(missing));

    const QString target = path(QStringLiteral("saved.xml"));
    m_services->saveFileName = target;
    QVERIFY(m_main->executeCommand(ID_FILE_SAVE_AS));
    QCOMPARE(m_services->errors.size(), 1);
    QVERIFY(!frame->document()->IsModified());
    QCOMPARE(frame->document()->path(), target);
    QCOMPARE(frame->windowTitle(), QStringLiteral("saved.xml[*]"));
    QCOMPARE(m_main->documents()->recentFiles(), QStringList{target});
    CRssFeed reread;
    QString error;
    QVERIFY2(reread.LoadFromFile(target, &error), qPrintable(error));
    QCOMPARE(reread.GetPostCount(), 2);
    QCOMPARE(reread.GetPostTitle(0), QStringLiteral("New Item"));

    QVERIFY(m_main->executeCommand(ID_POST_ADD));
    m_services->saveChoice = CShellServices::CancelClosing;
    QVERIFY(m_main->executeCommand(ID_FILE_CLOSE));
    QCOMPARE(m_services->saveQuestions, QStringList{QStringLiteral("saved.xml")});
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
    QVERIFY(reread.LoadFromFile(target));
    QCOMPARE(reread.GetPostCount(), 3);

    // An unmodified feed closes without a question.
    QVERIFY(openAndWait(m_main->documents(), target));
    QVERIFY(m_main->executeCommand(ID_FILE_CLOSE));
    flushDeletes();
    QCOMPARE(m_services->saveQuestions.size(), 3);
    QVERIFY(m_main->documents()->frames().isEmpty());

    // Quitting asks for every modified feed, and Cancel stops it.
    for (int i = 0; i < 2; ++i)
        QVERIFY(newFeed()->document()->IsModified());
    m_services->saveChoice = CShellServices::CancelClosing;
    QVERIFY(!m_main->close());
    QCOMPARE(m_services->saveQuestions.size(), 4);
    QCOMPARE(m_main->documents()->frames().size(), 2);
    m_services->saveChoice = CShellServices::DiscardChanges;
    QVERIFY(m_main->close());
    QCOMPARE(m_services->saveQuestions.size(), 6);
    flushDeletes();
    QVERIFY(m_main->documents()->frames().isEmpty());
}

TIDREL_WINDOW_TEST_MAIN(TestMainFrame)
#include "tst_mainframe.moc"
