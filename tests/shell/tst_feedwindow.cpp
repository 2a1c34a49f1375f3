// A feed edited end to end in the real main window, offscreen, with the real
// editor page: open, select posts, type into the title and the description,
// switch posts, save, and read the file back.

#include "WindowTestSupport.h"

#include "core/FileHelpers.h"
#include "document/PostFooter.h"

#include "panes/BarPreview.h"
#include "panes/BarRssItems.h"
#include "panes/PostsListCtrl.h"
#include "shell/DiskChangeBar.h"
#include "shell/SpareEditorPage.h"

#include <QDir>
#include <QFocusFrame>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>

#include <cstdio>

namespace {

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The backup copies of a feed file in the backup folder.
QStringList backupsOf(const QString &feedPath)
{
    const QFileInfo info(feedPath);
    QDir folder(GetBackupFolder(feedPath));
    const QStringList names = folder.entryList({info.completeBaseName() + QStringLiteral("*.")
                                                + info.suffix() + QStringLiteral(".bak")},
                                               QDir::Files);
    QStringList paths;
    for (const QString &name : names)
        paths.append(folder.filePath(name));
    return paths;
}

// Writes the file as editors save: a new file renamed over the old one.
bool replaceByRename(const QString &path, const QByteArray &bytes)
{
    const QString part = path + QStringLiteral(".part");
    QFile file(part);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return false;
    file.close();
    return std::rename(QFile::encodeName(part).constData(), QFile::encodeName(path).constData()) == 0;
}

bool waitFor(const std::function<bool()> &condition)
{
    return QTest::qWaitFor(condition, 60000);
}

} // namespace

class TestFeedWindow : public QObject
{
    Q_OBJECT

private slots:
    void editAndSave_keepsEditsAndNothingElse_data();
    void editAndSave_keepsEditsAndNothingElse();
    void codePaneLinkAndNewPost_editsReachFileAndNothingLeaks();
    void typedAtPaceThenSavedOrSwitched_everyKeyReachesFile();
    void keys_focusStartsInListAndTabGoesInReadingOrder();
    void fileChangedOnDisk_reloadsOrAsksAndOwnSavesAreNoNews();
    void differences_showBrokenFileInFeedsEncoding();
    void sparePage_takenByNextFeedWindowWhichShowsAndSaves();
};

void TestFeedWindow::editAndSave_keepsEditsAndNothingElse_data()
{
    QTest::addColumn<QString>("source");
    QTest::newRow("generated") << QString();
    QTest::newRow("corpus wordpress")
        << QStringLiteral(TIDREL_CORPUS_DIR "/rss/content-encoded-wordpress_sametmax.xml");
}

void TestFeedWindow::editAndSave_keepsEditsAndNothingElse()
{
    QFETCH(QString, source);
    QSettings().clear();
    MainWindowFixture window;
    // A name of its own, so that earlier runs' backups do not count.
    const QString path = window.dir.filePath(QFileInfo(window.dir.path()).fileName() + QStringLiteral(".xml"));
    if (source.isEmpty()) {
        QVERIFY(writeFeed(path, postsTitled({QStringLiteral("Alpha"), QStringLiteral("Beta"),
                                             QStringLiteral("Gamma"), QStringLiteral("Delta")})));
    } else {
        if (!QFile::exists(source))
            QSKIP("The feed corpus is not here");
        QVERIFY(QFile::copy(source, path));
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
    }
    const QByteArray originalBytes = readFile(path);

    CChildFrame *frame = openAndWait(window.main->documents(), path);
    QVERIFY2(frame, qPrintable(window.services.errors.join(QLatin1Char('\n'))));
    CRSSEditDoc *document = frame->document();
    CHtmlEngineView *engine = frame->view()->engine();
    QVERIFY(MainWindowFixture::waitForPage(frame));
    QVERIFY(document->feed()->GetPostCount() >= 3);

    // Select the second post, as the posts list does.
    document->selection()->select(1);
    QCOMPARE(document->currentPost(), 1);
    const QString shownTitle = engine->value(QStringLiteral("div_title")).toString();
    QCOMPARE(shownTitle, document->feed()->GetPostTitle(1));
    QVERIFY(!document->IsModified());

    // Type at the end of the title: it reaches the feed at once.
    QVERIFY(focusAtEnd(engine, QStringLiteral("div_title")));
    QTest::keyClicks(engine->focusProxy(), QStringLiteral(" edited"));
    const QString newTitle = shownTitle + QStringLiteral(" edited");
    QTRY_COMPARE(document->feed()->GetPostTitle(1), newTitle);
    QVERIFY(document->IsModified());
    QVERIFY(frame->isWindowModified());
    QVERIFY(window.main->isWindowModified());

    // Type at the end of the description: it reaches the feed at once.
    QVERIFY(focusAtEnd(engine, QStringLiteral("richtext_edit")));
    QTest::keyClicks(engine->focusProxy(), QStringLiteral("Typed words"));
    QTRY_VERIFY(engine->value(QStringLiteral("richtext_edit")).toString().contains(QStringLiteral("Typed words")));
    QTRY_VERIFY(document->feed()->GetPostDescription(1).contains(QStringLiteral("Typed words")));

    document->selection()->select(2);
    QCOMPARE(document->currentPost(), 2);
    QVERIFY(document->feed()->GetPostDescription(1).contains(QStringLiteral("Typed words")));
    QCOMPARE(engine->value(QStringLiteral("div_title")).toString(), document->feed()->GetPostTitle(2));

    QVERIFY(window.main->executeCommand(ID_FILE_SAVE));
    QVERIFY2(window.services.errors.isEmpty(), qPrintable(window.services.errors.join(QLatin1Char('\n'))));
    QVERIFY(!document->IsModified());
    QVERIFY(!window.main->isWindowModified());
    QCOMPARE(window.main->windowTitle(), QFileInfo(path).fileName() + QStringLiteral("[*] \u2014 Tidrel"));

    // Every edit is in the file.
    CRssFeed saved;
    QString error;
    QVERIFY2(saved.LoadFromFile(path, &error), qPrintable(error));
    QCOMPARE(saved.GetPostCount(), document->feed()->GetPostCount());
    QCOMPARE(saved.GetPostTitle(1), newTitle);
    const QString description = saved.GetPostDescription(1);
    QVERIFY2(description.contains(QStringLiteral("Typed words")), qPrintable(description));
    // The footer is off until the user turns it on.
    QVERIFY2(!HasPostFooter(description), qPrintable(description));

    // The old file is in the backup folder.
    const QStringList backups = backupsOf(path);
    QCOMPARE(backups.size(), 1);
    QCOMPARE(readFile(backups.first()), originalBytes);

    // Nothing else changed: without the edited post both trees print alike.
    CRssFeed original;
    QVERIFY2(original.LoadFromFile(backups.first(), &error), qPrintable(error));
    QVERIFY(original.RemovePost(1));
    QVERIFY(saved.RemovePost(1));
    QCOMPARE(QString::fromUtf8(saved.PrintToString()), QString::fromUtf8(original.PrintToString()));
    QFile::remove(backups.first());
}

// Regressions: text typed in the code pane was dropped with the post's other
// pending edits; typing a link did not mark the feed changed, so closing
// dropped it; a post without a link or author, and a new post, showed and
// then stored the previous post's.
// Keys typed at a steady pace, then Ctrl+S at once, or another post picked
// at once: the page reports the keys some time after they were pressed,
// and the command still sees every one.
void TestFeedWindow::typedAtPaceThenSavedOrSwitched_everyKeyReachesFile()
{
    MainWindowFixture window;
    CChildFrame *frame = window.openFeed(QStringLiteral("pace.xml"),
                                         postsTitled({QStringLiteral("Alpha"), QStringLiteral("Beta"), QStringLiteral("Gamma")}));
    QVERIFY(MainWindowFixture::waitForPage(frame));
    CHtmlEngineView *engine = frame->view()->engine();
    CRSSEditDoc *document = frame->document();
    QPlainTextEdit *codePane = frame->previewBar()->editor();
    // Each key pressed and let go, the next one 60 ms later, as a steady
    // typist's; the last one is let go just before the command's keys.
    const auto typeAtPace = [](QWidget *widget, const QString &text) {
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (i > 0)
                QTest::qWait(60);
            QTest::keyPress(widget, text.at(i).toLatin1());
            QTest::keyRelease(widget, text.at(i).toLatin1());
        }
    };
    const auto saveAtOnce = [&](QWidget *focused) {
        QTest::keyClick(focused, Qt::Key_S, Qt::ControlModifier);
        return QTest::qWaitFor([&] { return !document->IsModified(); }, 10000);
    };

    for (int round = 1; round <= 2; ++round) {
        const QString sentence = QStringLiteral(" and the quick brown fox %1 END").arg(round);
        QVERIFY(focusAtEnd(engine, QStringLiteral("div_title")));
        typeAtPace(engine->focusProxy(), sentence);
        QVERIFY(saveAtOnce(engine->focusProxy()));
        QVERIFY2(readFile(document->path()).contains(sentence.toUtf8() + "</title>"), qPrintable(document->feed()->GetPostTitle(0)));

        const QString inPage = sentence + QStringLiteral(" in the page");
        QVERIFY(focusAtEnd(engine, QStringLiteral("richtext_edit")));
        typeAtPace(engine->focusProxy(), inPage);
        QVERIFY(saveAtOnce(engine->focusProxy()));
        QVERIFY2(readFile(document->path()).contains(inPage.toUtf8()), qPrintable(document->feed()->GetPostDescription(0)));

        const QString inCode = sentence + QStringLiteral(" in the code");
        codePane->setFocus();
        codePane->moveCursor(QTextCursor::End);
        typeAtPace(codePane, inCode);
        QVERIFY(saveAtOnce(codePane));
        QVERIFY2(readFile(document->path()).contains(inCode.toUtf8()), qPrintable(document->feed()->GetPostDescription(0)));
    }

    // Another post picked right after typing: the keys stay with the post
    // they were typed in.
    QVERIFY(focusAtEnd(engine, QStringLiteral("richtext_edit")));
    typeAtPace(engine->focusProxy(), QStringLiteral(" then switched"));
    document->selection()->select(1);
    QTRY_COMPARE(engine->value(QStringLiteral("div_title")).toString(), document->feed()->GetPostTitle(1));
    QVERIFY2(document->feed()->GetPostDescription(0).endsWith(QStringLiteral(" then switched")),
             qPrintable(document->feed()->GetPostDescription(0) + QStringLiteral(" | ") + document->feed()->GetPostDescription(1)));
    QVERIFY(!document->feed()->GetPostDescription(1).contains(QStringLiteral("switched")));
}

void TestFeedWindow::codePaneLinkAndNewPost_editsReachFileAndNothingLeaks()
{
    MainWindowFixture window;
    QList<TestPost> posts = postsTitled({QStringLiteral("Alpha"), QStringLiteral("Beta"), QStringLiteral("Gamma")});
    posts[0].author = QStringLiteral("ann@example.org (Ann)");
    posts[2].link.clear();
    CChildFrame *frame = window.openFeed(QStringLiteral("feed.xml"), posts);
    QVERIFY(MainWindowFixture::waitForPage(frame));
    const QString path = frame->document()->path();
    CHtmlEngineView *engine = frame->view()->engine();
    CRSSEditDoc *document = frame->document();

    // Post 0: the title in the page, the description in the code pane.
    QVERIFY(focusAtEnd(engine, QStringLiteral("div_title")));
    QTest::keyClicks(engine->focusProxy(), QStringLiteral(" one"));
    QTRY_COMPARE(document->feed()->GetPostTitle(0), QStringLiteral("Alpha one"));
    QPlainTextEdit *codePane = frame->previewBar()->editor();
    codePane->setFocus();
    codePane->moveCursor(QTextCursor::End);
    QTest::keyClicks(codePane, QStringLiteral(" from code"));

    // Post 2 has no link and no author: both fields show empty.
    document->selection()->select(2);
    QTRY_COMPARE(pageText(engine, QStringLiteral("document.querySelector('#select_link input').value")), QString());
    QCOMPARE(pageText(engine, QStringLiteral("document.querySelector('#select_author input').value")), QString());
    QVERIFY(window.main->executeCommand(ID_POST_ADD));
    QVERIFY(window.main->executeCommand(ID_FILE_SAVE));
    QVERIFY(!document->IsModified());

    // A link typed into post 1 (Alpha's neighbour, now at 2) alone marks the
    // feed changed, so Close asks.
    document->selection()->select(2);
    QTRY_COMPARE(pageText(engine, QStringLiteral("document.querySelector('#select_link input').value")),
                 posts[1].link);
    QVERIFY(!document->IsModified());
    engine->setFocus();
    QVERIFY(evalJs(engine, QStringLiteral("(function(){ const e = document.querySelector('#select_link input');"
                                          " e.focus(); e.setSelectionRange(e.value.length, e.value.length);"
                                          " return document.activeElement === e; })()")).toBool());
    QTest::keyClicks(engine->focusProxy(), QStringLiteral("?x"));
    QTRY_VERIFY(document->IsModified());
    window.services.saveChoice = CShellServices::SaveChanges;
    QVERIFY(window.main->executeCommand(ID_FILE_CLOSE));
    QCOMPARE(window.services.saveQuestions.size(), 1);

    CRssFeed saved;
    QString error;
    QVERIFY2(saved.LoadFromFile(path, &error), qPrintable(error));
    QCOMPARE(saved.GetPostCount(), 4);
    QCOMPARE(saved.GetPostTitle(1), QStringLiteral("Alpha one"));
    QVERIFY2(saved.GetPostDescription(1).startsWith(QStringLiteral("Text of Alpha from code")),
             qPrintable(saved.GetPostDescription(1)));
    QCOMPARE(saved.GetPostAuthor(1), posts[0].author);
    QCOMPARE(saved.GetPostLink(2), posts[1].link + QStringLiteral("?x"));
    QCOMPARE(saved.GetPostAuthor(2), QString());
    QCOMPARE(saved.GetPostLink(3), QString());
    QCOMPARE(saved.GetPostAuthor(3), QString());
    QCOMPARE(saved.GetPostLink(0), QString());
    QCOMPARE(saved.GetPostAuthor(0), QString());
}

// Regressions: after opening a feed the posts list had no focus and Tab
// never reached it; in the editor page Tab went description, title, Link,
// Author, then through the 22 buttons of its toolbar.
void TestFeedWindow::keys_focusStartsInListAndTabGoesInReadingOrder()
{
    MainWindowFixture window;
    // Under an X server without a window manager too.
    window.main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.main.get()));
    CChildFrame *frame = window.openFeed(QStringLiteral("keys.xml"), postsTitled({"One", "Two"}));
    QVERIFY(MainWindowFixture::waitForPage(frame));
    CPostsListCtrl *list = frame->postsBar()->listCtrl();
    QTRY_COMPARE(QApplication::focusWidget(), list);
    // A ring marks the widget with the focus; the page marks its own.
    const auto ringAround = [](QWidget *widget) {
        const auto *ring = widget->findChild<QFocusFrame *>(QString(), Qt::FindDirectChildrenOnly);
        return ring && ring->isVisible() && ring->geometry() == widget->rect();
    };
    QVERIFY(ringAround(list));

    // Where the focus is: a widget's name, or the id of the page's element
    // (the toolbar's for any of its buttons).
    CHtmlEngineView *engine = frame->view()->engine();
    const auto focusedStop = [engine] {
        QWidget *focus = QApplication::focusWidget();
        if (focus && (focus == engine || engine->isAncestorOf(focus)))
            return pageText(engine, QStringLiteral("(function(){ const e = document.activeElement;"
                                                   " return (e.closest('[role=toolbar]') || e.closest('[id]') || e).id; })()"));
        return focus ? focus->objectName() : QString();
    };
    const auto press = [&focusedStop](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        const QString before = focusedStop();
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        // A key that leaves the focus where it was fails the caller's comparison.
        static_cast<void>(QTest::qWaitFor([&] { return focusedStop() != before; }, 5000));
        return focusedStop();
    };
    QStringList stops;
    for (int i = 0; i < 12 && stops.value(stops.size() - 1) != list->objectName(); ++i)
        stops.append(press(Qt::Key_Tab));
    QCOMPARE(stops, (QStringList{"div_title", "toolbar", "richtext_edit", "select_link", "select_author",
                                 "previewEditor", "feedPropertiesButton", "postsList"}));
    // Shift+Tab goes back the same way.
    QCOMPARE(press(Qt::Key_Tab, Qt::ShiftModifier), QStringLiteral("feedPropertiesButton"));
    QCOMPARE(press(Qt::Key_Tab, Qt::ShiftModifier), QStringLiteral("previewEditor"));
    QCOMPARE(press(Qt::Key_Tab, Qt::ShiftModifier), QStringLiteral("select_author"));
    QCOMPARE(press(Qt::Key_Tab, Qt::ShiftModifier), QStringLiteral("select_link"));
    QCOMPARE(press(Qt::Key_Tab, Qt::ShiftModifier), QStringLiteral("richtext_edit"));
    QVERIFY(window.main->findChildren<QFocusFrame *>().isEmpty());
    // The toolbar is one stop; the arrows move between its buttons.
    QCOMPARE(press(Qt::Key_Tab, Qt::ShiftModifier), QStringLiteral("toolbar"));
    const QString button = QStringLiteral("document.activeElement.title");
    QCOMPARE(pageText(engine, button), QStringLiteral("Cut"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QTRY_COMPARE(pageText(engine, button), QStringLiteral("Copy"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    QTRY_COMPARE(pageText(engine, button), QStringLiteral("Show/hide rulers"));

    // The filter box stands before the list.
    list->setFocus();
    // The command waits for the page to report on the arrow keys.
    QVERIFY(window.main->executeCommand(ID_FILTERING));
    QTRY_VERIFY(frame->postsBar()->filterBox());
    QLineEdit *box = frame->postsBar()->filterBox();
    QTRY_COMPARE(QApplication::focusWidget(), box);
    QVERIFY(ringAround(box));
    QCOMPARE(press(Qt::Key_Tab), QStringLiteral("postsList"));
    QCOMPARE(press(Qt::Key_Tab, Qt::ShiftModifier), box->objectName());
    QCOMPARE(press(Qt::Key_Tab, Qt::ShiftModifier), QStringLiteral("feedPropertiesButton"));
    // Regression: Escape closed the empty box, and the Filtering command
    // stayed checked until the next change of state.
    QAction *filtering = window.main->action(ID_FILTERING);
    QVERIFY(filtering->isChecked());
    QTest::keyClick(box, Qt::Key_Escape);
    QTRY_VERIFY(!frame->postsBar()->filterBox());
    QVERIFY(!filtering->isChecked());
}

// Regressions: a change another program made to the open file went
// unnoticed, and Ctrl+S on an unchanged feed wrote it and backed it up
// again. A feed without changes follows the file, its post kept; one with
// changes shows the strip, whose answers keep them or take the file's. The
// program's own saves are no news, and a file replaced by a rename, as
// editors and the program's saves replace it, is still watched.
void TestFeedWindow::fileChangedOnDisk_reloadsOrAsksAndOwnSavesAreNoNews()
{
    MainWindowFixture window;
    // A name of its own, so that earlier runs' backups do not count.
    const QString path = window.dir.filePath(QFileInfo(window.dir.path()).fileName() + QStringLiteral(".xml"));
    QVERIFY(writeFeed(path, postsTitled({QStringLiteral("One"), QStringLiteral("Two"), QStringLiteral("Three")})));
    CChildFrame *frame = openAndWait(window.main->documents(), path);
    QVERIFY(MainWindowFixture::waitForPage(frame));
    CRSSEditDoc *document = frame->document();
    CDiskChangeBar *bar = frame->diskChangeBar();
    int reloads = 0;
    connect(document, &CRSSEditDoc::feedReset, this, [&reloads] { ++reloads; });
    const auto currentTitle = [document] { return document->feed()->GetPostTitle(document->currentPost()); };
    const auto setCurrentTitle = [document](const QString &title) {
        return document->SetPostField(document->currentPost(), CRSSEditDoc::PostTitle, title);
    };
    QVERIFY(document->selection()->select(1));

    const QByteArray opened = readFile(path);
    const QDateTime openedTime = QFileInfo(path).lastModified();
    QVERIFY(window.main->executeCommand(ID_FILE_SAVE));
    QVERIFY(backupsOf(path).isEmpty());
    QCOMPARE(QFileInfo(path).lastModified(), openedTime);

    // A post added at the top by another program: "Two" stays current.
    QByteArray outside = opened;
    outside.insert(outside.indexOf("<item>"), "<item><title>Zero</title><guid>outside</guid></item>\n");
    QFile inPlace(path);
    QVERIFY(inPlace.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(inPlace.write(outside), outside.size());
    inPlace.close();
    QVERIFY(waitFor([document] { return document->feed()->GetPostCount() == 4; }));
    QCOMPARE(currentTitle(), QStringLiteral("Two"));
    QVERIFY(!document->IsModified() && bar->isHidden());

    // A save of our own and another file written in the folder are no
    // news; the next rename by another program is.
    QVERIFY(setCurrentTitle(QStringLiteral("Two saved")));
    QVERIFY(window.main->executeCommand(ID_FILE_SAVE));
    QCOMPARE(backupsOf(path).size(), 1);
    QVERIFY(writeFeed(window.dir.filePath(QStringLiteral("beside.xml")), postsTitled({QStringLiteral("Beside")})));
    // The file system queues its events before a write returns.
    QCoreApplication::processEvents();
    QCOMPARE(reloads, 1);
    QVERIFY(replaceByRename(path, readFile(path).replace("<title>One</title>", "<title>One renamed</title>")));
    QVERIFY(waitFor([document] { return document->feed()->GetPostTitle(1) == QStringLiteral("One renamed"); }));
    QCOMPARE(reloads, 2);

    // Changed here and there: the strip, and no reload.
    QVERIFY(setCurrentTitle(QStringLiteral("Two mine")));
    const QByteArray theirs = readFile(path).replace("<title>Three</title>", "<title>Three theirs</title>");
    QVERIFY(replaceByRename(path, theirs));
    QVERIFY(waitFor([bar] { return !bar->isHidden(); }));
    QCOMPARE(reloads, 2);
    QCOMPARE(currentTitle(), QStringLiteral("Two mine"));

    // The differences: the file's lines against what a save would write.
    QString differences;
    whenModalShown([&differences](QDialog *dialog) {
        differences = dialog->findChild<QPlainTextEdit *>()->toPlainText();
    });
    bar->differencesButton()->click();
    const QStringList lines = differences.split(u'\n');
    QVERIFY2(lines.value(0).startsWith(QStringLiteral("--- ")) && lines.value(2).startsWith(QStringLiteral("@@ ")),
             qPrintable(differences));
    QCOMPARE(lines.filter(QRegularExpression(QStringLiteral("^-.*<title>Three theirs</title>"))).size(), 1);
    QCOMPARE(lines.filter(QRegularExpression(QStringLiteral("^\\+.*<title>Three</title>"))).size(), 1);
    QCOMPARE(lines.filter(QRegularExpression(QStringLiteral("^-.*<title>Two saved</title>"))).size(), 1);
    QCOMPARE(lines.filter(QRegularExpression(QStringLiteral("^\\+.*<title>Two mine</title>"))).size(), 1);
    QCOMPARE(lines.filter(QRegularExpression(QStringLiteral("^[-+]"))).size(), 6); // two headers, four lines

    // Keep mine; their next version, a rename again, shows the strip again.
    bar->keepButton()->click();
    QVERIFY(bar->isHidden());
    const QByteArray theirsAgain = readFile(path).replace("<title>Zero</title>", "<title>Zero theirs</title>");
    QVERIFY(replaceByRename(path, theirsAgain));
    QVERIFY(waitFor([bar] { return !bar->isHidden(); }));
    bar->keepButton()->click();

    // The save asks first: a "no" leaves their version alone; a "yes"
    // overwrites it, and the backup keeps theirs.
    window.services.confirmAnswer = false;
    QVERIFY(window.main->executeCommand(ID_FILE_SAVE));
    QCOMPARE(readFile(path), theirsAgain);
    QVERIFY(document->IsModified());
    window.services.confirmAnswer = true;
    QVERIFY(window.main->executeCommand(ID_FILE_SAVE));
    QCOMPARE(window.services.verbs, (QStringList{QStringLiteral("&Overwrite"), QStringLiteral("&Overwrite")}));
    QVERIFY(readFile(path).contains("<title>Two mine</title>") && readFile(path).contains("<title>Three</title>")
            && readFile(path).contains("<title>Zero</title>"));
    bool theirsKept = false;
    for (const QString &backup : backupsOf(path))
        theirsKept |= readFile(backup) == theirsAgain;
    QVERIFY(theirsKept);

    // Reload: the file's version wins.
    QVERIFY(setCurrentTitle(QStringLiteral("Two dropped")));
    QVERIFY(replaceByRename(path, readFile(path).replace("<title>Three</title>", "<title>Three again</title>")));
    QVERIFY(waitFor([bar] { return !bar->isHidden(); }));
    bar->reloadButton()->click();
    QVERIFY(bar->isHidden());
    QVERIFY(!document->IsModified());
    QCOMPARE(currentTitle(), QStringLiteral("Two mine"));
    QCOMPARE(document->feed()->GetPostTitle(3), QStringLiteral("Three again"));
    QCOMPARE(reloads, 3);
}

// Regression: the differences read a file the feed could not read as UTF-8,
// which garbled a KOI8-R feed's every line of text.
void TestFeedWindow::differences_showBrokenFileInFeedsEncoding()
{
    const QString corpusFile = QStringLiteral(TIDREL_CORPUS_DIR "/rss/koi8-r_opennews.rss");
    if (!QFileInfo::exists(corpusFile))
        QSKIP("The feed corpus is not present");
    MainWindowFixture window;
    const QString path = window.dir.filePath(QStringLiteral("koi8.rss"));
    QVERIFY(QFile::copy(corpusFile, path));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    CChildFrame *frame = openAndWait(window.main->documents(), path);
    QVERIFY(MainWindowFixture::waitForPage(frame));
    CRSSEditDoc *document = frame->document();
    const QString title = document->feed()->GetPostTitle(0);
    QVERIFY(document->SetPostField(0, CRSSEditDoc::PostTitle, title + QStringLiteral(" mine")));

    QFile file(path);
    QVERIFY(file.open(QIODevice::Append));
    QVERIFY(file.write("<broken\n") > 0);
    file.close();
    QString differences;
    whenModalShown([&differences](QDialog *dialog) {
        differences = dialog->findChild<QPlainTextEdit *>()->toPlainText();
    });
    frame->diskChangeBar()->differencesButton()->click();
    // Two headers, the title as the file and as the feed have it, the
    // broken end.
    const QStringList changed = differences.split(u'\n').filter(QRegularExpression(QStringLiteral("^[-+]")));
    QCOMPARE(changed.size(), 5);
    QVERIFY2(changed.at(2).startsWith(u'-') && changed.at(2).contains(QStringLiteral("<title>%1</title>").arg(title)),
             qPrintable(differences));
    QVERIFY(changed.at(3).startsWith(u'+') && changed.at(3).contains(QStringLiteral("<title>%1 mine</title>").arg(title)));
    QCOMPARE(changed.at(4), QStringLiteral("-<broken"));
}

// The window at rest keeps an editor page loaded; the next feed window takes
// it, with colours chosen while it waited, shows its first post and saves
// what is typed into it. A second feed opened right after, with or without
// a new spare page ready, works alike.
void TestFeedWindow::sparePage_takenByNextFeedWindowWhichShowsAndSaves()
{
    MainWindowFixture window;
    CSpareEditorPage *spare = window.main->sparePage();
    QVERIFY(waitFor([spare] { return spare->page() && spare->page()->isReady(); }));
    QPointer<CHtmlEngineView> sparePage = spare->page();
    QVERIFY(!sparePage->isVisible());

    const QPalette before = QApplication::palette();
    QPalette dark = before;
    dark.setColor(QPalette::Base, QColor(0x20, 0x22, 0x28));
    QApplication::setPalette(dark);

    const auto showsFirstPostAndSavesTyping = [&](CChildFrame *frame, const QString &title, const QString &word) {
        QVERIFY(MainWindowFixture::waitForPage(frame));
        CHtmlEngineView *engine = frame->view()->engine();
        QVERIFY(engine->isVisible());
        QTRY_COMPARE(pageText(engine, QStringLiteral("document.getElementById('div_title').textContent")), title);
        QVERIFY(focusAtEnd(engine, QStringLiteral("richtext_edit")));
        // Saved at once: the save waits for the page to report the keys.
        QTest::keyClicks(engine->focusProxy(), word);
        QVERIFY(window.main->executeCommand(ID_FILE_SAVE));
        QVERIFY2(waitFor([&] { return readFile(frame->document()->path()).contains(word.toUtf8()); }),
                 qPrintable(frame->document()->feed()->GetPostDescription(0)));
        QVERIFY(!frame->document()->IsModified());
    };

    CChildFrame *first = window.openFeed(QStringLiteral("first.xml"), postsTitled({QStringLiteral("Alpha")}));
    QVERIFY(first);
    QCOMPARE(first->view()->engine(), sparePage.data());
    QVERIFY(spare->page() != sparePage);
    QCOMPARE(sparePage->page()->backgroundColor(), dark.color(QPalette::Base));
    showsFirstPostAndSavesTyping(first, QStringLiteral("Alpha"), QStringLiteral(" firstword"));

    CChildFrame *second = window.openFeed(QStringLiteral("second.xml"), postsTitled({QStringLiteral("Beta")}));
    QVERIFY(second);
    QVERIFY(second->view()->engine() != sparePage);
    showsFirstPostAndSavesTyping(second, QStringLiteral("Beta"), QStringLiteral(" secondword"));
    QApplication::setPalette(before);
}

TIDREL_WINDOW_TEST_MAIN(TestFeedWindow)
#include "tst_feedwindow.moc"
