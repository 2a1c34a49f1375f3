// How fast the main window opens a large feed and switches posts.
//
// Prints the time from asking the window to open a generated 10,000-post
// feed until the first post shows in the editor page, and the time a switch
// between two posts takes until the page shows the new post (target: under
// 100 ms). Figures only; nothing fails on time.

#include "BenchFeed.h"

#include "document/RSSEditDoc.h"
#include "editor/RSSEditView.h"
#include "engine/HtmlEngineView.h"
#include "shell/ChildFrame.h"
#include "shell/DocManager.h"
#include "shell/MainFrame.h"
#include "shell/TidrelApp.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebEnginePage>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace {

int kPostCount = 10000; // another count may be given as the first argument
constexpr int kSwitches = 40;

// The title the page itself shows, read from the page; empty when the page
// does not answer in time.
QString titleInPage(CHtmlEngineView *engine)
{
    // The answer may come after we stopped waiting, so it goes where it
    // outlives this call.
    auto answer = std::make_shared<std::pair<bool, QString>>(false, QString());
    engine->page()->runJavaScript(QStringLiteral("document.getElementById('div_title').textContent"),
                                  [answer](const QVariant &value) {
                                      answer->first = true;
                                      answer->second = value.toString();
                                  });
    waitUntil([&] { return answer->first; }, 5000);
    return answer->second;
}

} // namespace

int main(int argc, char *argv[])
{
    QStandardPaths::setTestModeEnabled(true);
    CTidrelApp::prepareProcess();
    QApplication app(argc, argv);
    CTidrelApp::initInstance();

    if (argc > 1)
        kPostCount = QString::fromLocal8Bit(argv[1]).toInt();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("large.xml"));
    if (!writeBenchFeed(path, kPostCount)) {
        std::fprintf(stderr, "bench_window: cannot write the feed\n");
        return 1;
    }

    CMainFrame frame;
    frame.resize(1280, 800);
    frame.show();

    QElapsedTimer timer;
    timer.start();
    CChildFrame *child = frame.documents()->openDocument(path);
    if (!child) {
        std::fprintf(stderr, "bench_window: the feed does not open\n");
        return 1;
    }
    const qint64 loadedMs = timer.elapsed();
    CRSSEditDoc *document = child->document();
    CHtmlEngineView *engine = child->view()->engine();
    // The first post is selected as the posts list selects it after a load.
    document->selection()->select(0);
    const QString firstTitle = document->feed()->GetPostTitle(0);
    if (!waitUntil([&] { return engine->isReady() && titleInPage(engine) == firstTitle; }, 60000)) {
        std::fprintf(stderr, "bench_window: the first post did not show within 60 s\n");
        return 1;
    }
    const qint64 shownMs = timer.elapsed();
    std::printf("open %d-post feed: %lld ms to load, %lld ms until the first post shows\n",
                kPostCount, static_cast<long long>(loadedMs), static_cast<long long>(shownMs));
    std::fflush(stdout);

    std::vector<double> handledMs;
    std::vector<double> shownInPageMs;
    for (int i = 0; i < kSwitches; ++i) {
        const int post = kPostCount / 2 + i % 2;
        const QString title = document->feed()->GetPostTitle(post);
        QElapsedTimer switchTimer;
        switchTimer.start();
        document->selection()->select(post);
        handledMs.push_back(switchTimer.nsecsElapsed() / 1e6);
        if (!waitUntil([&] { return titleInPage(engine) == title; }, 10000)) {
            std::fprintf(stderr, "bench_window: post %d did not show within 10 s\n", post);
            return 1;
        }
        shownInPageMs.push_back(switchTimer.nsecsElapsed() / 1e6);
    }
    std::printf("switch between two posts (median of %d): %.2f ms handled, %.2f ms until the page "
                "shows it (target: under 100 ms)\n",
                kSwitches, median(handledMs), median(shownInPageMs));
    return 0;
}
