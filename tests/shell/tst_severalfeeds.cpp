// Several feeds open at once in a real X window (run under Xvfb): the window
// keeps answering while the second and third feed open and afterwards, and
// idles once shown. An offscreen platform never lays out the frames behind
// the active one the way X does, so this runs on xcb. How long the window's
// thread is busy is a figure of bench_severalfeeds, not a limit here. The
// status bar's lock-key panes follow the keys pressed on the X server.

#include "WindowTestSupport.h"

#include "panes/BarRssItems.h"
#include "panes/PostsListCtrl.h"
#include "shell/CommandTable.h"
#include "shell/LockKeyIndicators.h"

#include <QLabel>
#include <QProcess>
#include <QStandardPaths>

#include <sys/resource.h>

namespace {

// The window's thread still runs its event loop: a zero timer fires.
bool eventLoopAnswers()
{
    bool fired = false;
    QTimer::singleShot(0, [&fired] { fired = true; });
    return QTest::qWaitFor([&fired] { return fired; }, 30000);
}

// Processor time this process used, in milliseconds.
qint64 cpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000
           + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000;
}

} // namespace

class TestSeveralFeeds : public QObject
{
    Q_OBJECT

private slots:
    void openThreeFeeds_windowStaysResponsiveAndIdle();
    void lockKeys_panesFollowTheKeyboard();
    void addPost_typedKeysNameTheNewPost();
};

void TestSeveralFeeds::openThreeFeeds_windowStaysResponsiveAndIdle()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs an X server (run under xvfb-run)");
    MainWindowFixture window;
    window.main->resize(1600, 1000);
    QVERIFY(QTest::qWaitForWindowExposed(window.main.get()));

    const QStringList names = {QStringLiteral("one.xml"), QStringLiteral("two.xml"), QStringLiteral("three.xml")};
    for (const QString &name : names) {
        CChildFrame *frame = window.openFeed(name, postsTitled({name + QStringLiteral(" A"), name + QStringLiteral(" B")}));
        QVERIFY(frame);
        QVERIFY2(MainWindowFixture::waitForPage(frame), qPrintable(name));
        QVERIFY2(eventLoopAnswers(), qPrintable(name));
    }

    // Side by side and stacked, each feed window small: still responsive.
    for (int command : {ID_WINDOW_TILE, ID_WINDOW_CASCADE, ID_WINDOW_NEXT}) {
        QVERIFY(window.main->executeCommand(command));
        QVERIFY2(eventLoopAnswers(), qPrintable(QString::number(command)));
    }

    // Once everything is shown, the window's thread does next to nothing.
    QTest::qWait(1000);
    const qint64 before = cpuMs();
    QTest::qWait(2000);
    const qint64 used = cpuMs() - before;
    QVERIFY2(used < 400, qPrintable(QStringLiteral("%1 ms of processor time in 2 s idle").arg(used)));

    // The first feed is still usable: its prompt answers.
    window.services.saveChoice = CShellServices::DiscardChanges;
    QVERIFY(window.main->documents()->closeAllDocuments());
}

// Caps Lock pressed on the X server, as xdotool presses it, lights CAP and
// pressed again puts it out; NUM and SCRL are known too.
void TestSeveralFeeds::lockKeys_panesFollowTheKeyboard()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs an X server (run under xvfb-run)");
    const QString xdotool = QStandardPaths::findExecutable(QStringLiteral("xdotool"));
    if (xdotool.isEmpty())
        QSKIP("needs xdotool (scripts/install-deps.sh)");
    MainWindowFixture window;
    window.main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.main.get()));
    CLockKeyIndicators *locks = window.main->lockKeys();
    for (auto lock : {CLockKeyIndicators::CapsLock, CLockKeyIndicators::NumLock, CLockKeyIndicators::ScrollLock})
        QVERIFY(locks->pane(lock)->isEnabled());

    QLabel *cap = locks->pane(CLockKeyIndicators::CapsLock);
    const bool wasOn = !cap->text().isEmpty();
    for (bool on : {!wasOn, wasOn}) {
        QCOMPARE(QProcess::execute(xdotool, {QStringLiteral("key"), QStringLiteral("Caps_Lock")}), 0);
        QTRY_COMPARE(cap->text(), on ? QStringLiteral("CAP") : QString());
        QCOMPARE(CLockKeyIndicators::isOn(CLockKeyIndicators::CapsLock), std::optional<bool>(on));
    }
}

// Regression: after Posts > Add Post the typed keys went nowhere and the
// post kept "New Item"; once the list's rows were drawn squashed. Keys
// pressed on the X server, with the posts list hidden before.
void TestSeveralFeeds::addPost_typedKeysNameTheNewPost()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs an X server (run under xvfb-run)");
    const QString xdotool = QStandardPaths::findExecutable(QStringLiteral("xdotool"));
    if (xdotool.isEmpty())
        QSKIP("needs xdotool (scripts/install-deps.sh)");
    MainWindowFixture window;
    CChildFrame *frame = window.openFeed(QStringLiteral("add.xml"), postsTitled({QStringLiteral("Old one")}));
    QVERIFY(MainWindowFixture::waitForPage(frame));
    window.main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.main.get()));
    QVERIFY(window.main->executeCommand(ID_VIEW_POSTS_BAR));
    QVERIFY(frame->postsBar()->isHidden());

    const QString typed = QStringLiteral("Typed title");
    QCOMPARE(QProcess::execute(xdotool, {QStringLiteral("key"), QStringLiteral("ctrl+d")}), 0);
    QTRY_VERIFY(frame->postsBar()->listCtrl()->isRenaming());
    const QStringList typing = {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("30"), typed};
    QCOMPARE(QProcess::execute(xdotool, typing), 0);
    QCOMPARE(QProcess::execute(xdotool, {QStringLiteral("key"), QStringLiteral("Return")}), 0);
    QTRY_COMPARE(frame->document()->feed()->GetPostTitle(0), typed);

    CPostsListCtrl *list = frame->postsBar()->listCtrl();
    const int lineHeight = list->fontMetrics().height();
    for (int row = 0; row < 2; ++row) {
        const int height = list->visualRect(list->model()->index(row, 0)).height();
        QVERIFY2(height >= lineHeight, qPrintable(QString::number(row)));
    }

    // A second new post named and saved at once: Ctrl+S keeps the title
    // still in its editor, and only in its own post.
    const QString second = QStringLiteral("Saved while typed");
    QCOMPARE(QProcess::execute(xdotool, {QStringLiteral("key"), QStringLiteral("ctrl+d")}), 0);
    QTRY_VERIFY(list->isRenaming());
    QCOMPARE(QProcess::execute(xdotool, {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("30"), second}), 0);
    QCOMPARE(QProcess::execute(xdotool, {QStringLiteral("key"), QStringLiteral("ctrl+s")}), 0);
    QTRY_VERIFY(!frame->document()->IsModified());
    QFile saved(window.dir.filePath(QStringLiteral("add.xml")));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QByteArray file = saved.readAll();
    QCOMPARE(file.count("<title>" + second.toUtf8() + "</title>"), 1);
    QCOMPARE(file.count("<title>" + typed.toUtf8() + "</title>"), 1);
    QVERIFY(file.contains("<title>Old one</title>"));
}

TIDREL_WINDOW_TEST_MAIN(TestSeveralFeeds)
#include "tst_severalfeeds.moc"
