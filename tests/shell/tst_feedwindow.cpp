// A feed edited end to end in the real main window, offscreen, with the real
// editor page: open, select posts, type into the title and the description,
// switch posts, save, and read the file back.

#include "ShellTestSupport.h"

#include "core/RssFeed.h"
#include "document/CommandIds.h"
#include "document/FileHelpers.h"
#include "document/PostFooter.h"
#include "document/RSSEditDoc.h"
#include "editor/RSSEditView.h"
#include "engine/HtmlEngineView.h"
#include "panes/ChildFrame.h"
#include "shell/DocManager.h"
#include "shell/MainFrame.h"
#include "shell/TidrelApp.h"

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QWebEnginePage>
#include <QtTest>

#include <memory>
#include <utility>

namespace {

constexpr int kPageTimeoutMs = 30000;

QVariant evalJs(QWebEngineView *view, const QString &script)
{
    // The answer may come after we stopped waiting, so it goes where it
    // outlives this call.
    auto answer = std::make_shared<std::pair<bool, QVariant>>(false, QVariant());
    view->page()->runJavaScript(script, [answer](const QVariant &value) {
        answer->first = true;
        answer->second = value;
    });
    if (!QTest::qWaitFor([&] { return answer->first; }, 10000))
        qWarning("script did not answer: %s", qPrintable(script));
    return answer->second;
}

// Gives an element of the page the focus with the caret at its end, as a
// click after its last character would.
bool focusAtEnd(CHtmlEngineView *engine, const QString &id)
{
    engine->setFocus();
    const QString script = QStringLiteral(
        "(function(){ const e = document.getElementById('%1'); e.focus();"
        " const r = document.createRange(); r.selectNodeContents(e); r.collapse(false);"
        " const s = getSelection(); s.removeAllRanges(); s.addRange(r);"
        " return document.activeElement.id; })()").arg(id);
    return QTest::qWaitFor([&] { return evalJs(engine, script).toString() == id; }, 5000);
}

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
    void init();
    void cleanup();

    void editAndSave_keepsEditsAndNothingElse_data();
    void editAndSave_keepsEditsAndNothingElse();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FakeShellServices> m_services;
    std::unique_ptr<CMainFrame> m_frame;
};

void TestFeedWindow::init()
{
    QSettings().clear();
    m_dir = std::make_unique<QTemporaryDir>();
    m_services = std::make_unique<FakeShellServices>();
    m_services->saveChoice = CShellServices::DiscardChanges;
    m_frame = std::make_unique<CMainFrame>();
    m_frame->setServices(m_services.get());
    m_frame->resize(1200, 800);
    m_frame->show();
}

void TestFeedWindow::cleanup()
{
    m_frame.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_services.reset();
    m_dir.reset();
}

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
    // A name of its own, so that earlier runs' backups do not count.
    const QString path = m_dir->filePath(QFileInfo(m_dir->path()).fileName() + QStringLiteral(".xml"));
    if (source.isEmpty()) {
        QVERIFY(writeSmallFeed(path, {QStringLiteral("Alpha"), QStringLiteral("Beta"),
                                      QStringLiteral("Gamma"), QStringLiteral("Delta")}));
    } else {
        if (!QFile::exists(source))
            QSKIP("The feed corpus is not here");
        QVERIFY(QFile::copy(source, path));
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
    }
    const QByteArray originalBytes = readFile(path);

    CChildFrame *frame = m_frame->documents()->openDocument(path);
    QVERIFY2(frame, qPrintable(m_services->errors.join(QLatin1Char('\n'))));
    CRSSEditDoc *document = frame->document();
    CHtmlEngineView *engine = frame->view()->engine();
    QTRY_VERIFY_WITH_TIMEOUT(engine->isReady(), kPageTimeoutMs);
    QVERIFY(document->feed()->GetPostCount() >= 3);

    // Select the second post, as the posts list does.
    document->Notify(nullptr, HINT_SELECT_POST, 1);
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
    QVERIFY(frame->windowTitle().endsWith(QStringLiteral(" *")));

    // Type at the end of the description: it reaches the feed when the
    // post is left.
    QVERIFY(focusAtEnd(engine, QStringLiteral("richtext_edit")));
    QTest::keyClicks(engine->focusProxy(), QStringLiteral("Typed words"));
    QTRY_VERIFY(engine->value(QStringLiteral("richtext_edit")).toString().contains(QStringLiteral("Typed words")));
    QTRY_VERIFY(frame->view()->isEditorDirty());

    document->Notify(nullptr, HINT_SELECT_POST, 2);
    QCOMPARE(document->currentPost(), 2);
    QVERIFY(document->feed()->GetPostDescription(1).contains(QStringLiteral("Typed words")));
    QCOMPARE(engine->value(QStringLiteral("div_title")).toString(), document->feed()->GetPostTitle(2));

    QVERIFY(m_frame->executeCommand(ID_FILE_SAVE));
    QVERIFY2(m_services->errors.isEmpty(), qPrintable(m_services->errors.join(QLatin1Char('\n'))));
    QVERIFY(!document->IsModified());
    QCOMPARE(frame->windowTitle(), QDir::toNativeSeparators(path));

    // Every edit is in the file.
    CRssFeed saved;
    QString error;
    QVERIFY2(saved.LoadFromFile(path, &error), qPrintable(error));
    QCOMPARE(saved.GetPostCount(), document->feed()->GetPostCount());
    QCOMPARE(saved.GetPostTitle(1), newTitle);
    const QString description = saved.GetPostDescription(1);
    QVERIFY2(description.contains(QStringLiteral("Typed words")), qPrintable(description));
    QVERIFY2(HasPostFooter(description), qPrintable(description));

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

int main(int argc, char *argv[])
{
    QStandardPaths::setTestModeEnabled(true);
    CTidrelApp::prepareProcess();
    QApplication app(argc, argv);
    CTidrelApp::initInstance();
    TestFeedWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_feedwindow.moc"
