// A feed edited end to end in the real main window, offscreen, with the real
// editor page: open, select posts, type into the title and the description,
// switch posts, save, and read the file back.

#include "WindowTestSupport.h"

#include "core/FileHelpers.h"
#include "document/PostFooter.h"

#include "panes/BarPreview.h"

#include <QDir>
#include <QPlainTextEdit>
#include <QSettings>

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

} // namespace

class TestFeedWindow : public QObject
{
    Q_OBJECT

private slots:
    void editAndSave_keepsEditsAndNothingElse_data();
    void editAndSave_keepsEditsAndNothingElse();
    void codePaneLinkAndNewPost_editsReachFileAndNothingLeaks();
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

    CChildFrame *frame = window.main->documents()->openDocument(path);
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

    // Type at the end of the description: it reaches the feed when the
    // post is left.
    QVERIFY(focusAtEnd(engine, QStringLiteral("richtext_edit")));
    QTest::keyClicks(engine->focusProxy(), QStringLiteral("Typed words"));
    QTRY_VERIFY(engine->value(QStringLiteral("richtext_edit")).toString().contains(QStringLiteral("Typed words")));
    QTRY_VERIFY(frame->view()->isEditorDirty());

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

TIDREL_WINDOW_TEST_MAIN(TestFeedWindow)
#include "tst_feedwindow.moc"
