// One program per desktop session, on a session bus of the test's own: the
// test's main window is the program that runs, the built program started
// twice is the one the desktop starts again.

#include "WindowTestSupport.h"

#include "shell/SingleInstance.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QEventLoop>
#include <QProcess>

class TestSingleInstance : public QObject
{
    Q_OBJECT

private:
    // Runs the program to its end while this one answers on the bus; the
    // exit code, or -1 when it did not end by itself. One that kept running
    // (a window of its own) is stopped after two minutes: a failure, not a
    // measure of speed.
    static int runProgram(const QStringList &arguments, const QString &folder)
    {
        QProcess program;
        program.setWorkingDirectory(folder);
        QEventLoop loop;
        connect(&program, &QProcess::finished, &loop, &QEventLoop::quit);
        connect(&program, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
        QTimer::singleShot(120000, &loop, &QEventLoop::quit);
        program.start(QStringLiteral(TIDREL_PROGRAM), arguments);
        loop.exec();
        if (program.state() != QProcess::NotRunning) {
            program.kill();
            program.waitForFinished();
            return -1;
        }
        return program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
    }

private slots:
    // A second "tidrel FILE" hands the file to the program that runs, which
    // opens it and comes to the front, and ends with 0; without a file it
    // only brings that program's window to the front.
    void secondProgram_handsFilesToFirstAndEnds()
    {
        if (!QDBusConnection::sessionBus().isConnected())
            QSKIP("No session bus: dbus-run-session (Debian's dbus) runs this test on one of its own");
        MainWindowFixture window;
        CMainFrame *main = window.main.get();
        CSingleInstance instance;
        QVERIFY(!instance.handOver({})); // the first program keeps running
        instance.serve(main);
        QVERIFY(QDBusConnection::sessionBus().interface()->isServiceRegistered(CSingleInstance::serviceName()));

        QVERIFY(writeFeed(window.dir.filePath(QStringLiteral("handed.xml")), postsTitled({QStringLiteral("Handed")})));
        QSignalSpy opened(main->documents(), &CDocManager::documentOpened);
        // Named as a shell in the file's folder names it.
        QCOMPARE(runProgram({QStringLiteral("handed.xml")}, window.dir.path()), 0);
        // The call was answered before the files opened, and before the
        // program ended.
        QCoreApplication::sendPostedEvents(&instance, QEvent::MetaCall);
        // The feed is read on a worker thread, maybe while the program ran.
        QVERIFY(!opened.isEmpty() || opened.wait(30000));
        CChildFrame *frame = main->activeChildFrame();
        QVERIFY(frame);
        QCOMPARE(frame->document()->path(), window.dir.filePath(QStringLiteral("handed.xml")));
        QCOMPARE(frame->document()->feed()->GetPostTitle(0), QStringLiteral("Handed"));

        main->showMinimized();
        QVERIFY(main->isMinimized());
        QCOMPARE(runProgram({}, window.dir.path()), 0);
        QCoreApplication::sendPostedEvents(&instance, QEvent::MetaCall);
        QVERIFY(!main->isMinimized());
        QCOMPARE(main->documents()->frames().size(), 1);
    }
};

TIDREL_WINDOW_TEST_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
