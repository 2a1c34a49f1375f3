// How responsive the main window stays while several feeds open at once.
//
// Opens three feeds of 200 generated posts one after another, then tiles,
// cascades and cycles their windows, and prints after each step the longest
// wait of a zero timer over the next second of event loop. Run it under
// Xvfb (QT_QPA_PLATFORM=xcb) to see X's layout work; offscreen lays out
// only the active frame. Figures only, with no goal of their own; nothing
// fails on time.

#include "BenchFeed.h"

#include "shell/CommandTable.h"
#include "shell/ChildFrame.h"
#include "shell/DocManager.h"
#include "shell/MainFrame.h"
#include "shell/TidrelApp.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kPosts = 200;

// The longest wait for a zero timer over `ms` milliseconds of event loop.
qint64 longestRoundTrip(int ms)
{
    qint64 longest = 0;
    QElapsedTimer total;
    total.start();
    while (total.elapsed() < ms) {
        QElapsedTimer one;
        one.start();
        bool fired = false;
        QTimer::singleShot(0, [&fired] { fired = true; });
        waitUntil([&fired] { return fired; }, 5000);
        longest = std::max(longest, one.elapsed());
        waitUntil([] { return false; }, 20);
    }
    return longest;
}

} // namespace

int main(int argc, char *argv[])
{
    QStandardPaths::setTestModeEnabled(true);
    CTidrelApp::prepareProcess();
    QApplication app(argc, argv);
    CTidrelApp::initInstance();

    QTemporaryDir dir;
    CMainFrame frame;
    frame.resize(1600, 1000);
    frame.show();

    for (const char *name : {"one.xml", "two.xml", "three.xml"}) {
        const QString path = dir.filePath(QLatin1String(name));
        // The feed is read on a worker thread.
        QPointer<CChildFrame> child = writeBenchFeed(path, kPosts) ? frame.documents()->openDocument(path) : nullptr;
        waitUntil([&] { return !child || !child->isOpening(); }, 60000);
        if (!child || child->isOpening()) {
            std::fprintf(stderr, "bench_severalfeeds: %s does not open\n", name);
            return 1;
        }
        std::printf("open %s: longest event-loop wait %lld ms\n", name,
                    static_cast<long long>(longestRoundTrip(1500)));
        std::fflush(stdout);
    }
    const std::pair<int, const char *> commands[] = {
        {ID_WINDOW_TILE, "tile"}, {ID_WINDOW_CASCADE, "cascade"}, {ID_WINDOW_NEXT, "next window"}};
    for (const auto &[command, name] : commands) {
        frame.executeCommand(command);
        std::printf("%s: longest event-loop wait %lld ms\n", name,
                    static_cast<long long>(longestRoundTrip(1000)));
    }
    return 0;
}
