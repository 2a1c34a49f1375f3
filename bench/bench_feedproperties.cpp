// How fast the windows of the whole feed answer on a large podcast feed.
//
// Prints the time the Feed Properties window of the corpus's 730-episode
// podcast feed takes to open (made, filled and shown), and the time a
// switch between two posts takes to handle with the Post Details pane
// shown: bench_window measures the switch against its goal, until the page
// shows the post. Figures only, with no goal of their own; nothing fails
// on time.

#include "BenchFeed.h"

#include "document/RSSEditDoc.h"
#include "panes/BarPostDetails.h"
#include "panes/FeedPropertiesWnd.h"
#include "shell/ChildFrame.h"
#include "shell/DocManager.h"
#include "shell/MainFrame.h"
#include "shell/TidrelApp.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPointer>
#include <QStandardPaths>

#include <cstdio>
#include <vector>

namespace {

constexpr int kOpenings = 20;
constexpr int kSwitches = 40;
const char *const kFeed = TIDREL_CORPUS_DIR "/rss/large-730items-podcast-redeclared-ns_giantbomb.rss";

} // namespace

int main(int argc, char *argv[])
{
    QStandardPaths::setTestModeEnabled(true);
    CTidrelApp::prepareProcess();
    QApplication app(argc, argv);
    CTidrelApp::initInstance();

    const QString path = QString::fromUtf8(kFeed);
    if (!QFile::exists(path)) {
        std::printf("feed properties: skipped, the corpus feed %s is not here\n", kFeed);
        return 0;
    }
    CMainFrame main;
    main.resize(1280, 800);
    main.show();
    // The feed is read on a worker thread.
    QPointer<CChildFrame> child = main.documents()->openDocument(path);
    waitUntil([&] { return !child || !child->isOpening(); }, 60000);
    if (!child || child->isOpening()) {
        std::fprintf(stderr, "bench_feedproperties: the feed does not open\n");
        return 1;
    }
    CRSSEditDoc *document = child->document();

    std::vector<double> openMs;
    for (int i = 0; i < kOpenings; ++i) {
        QElapsedTimer timer;
        timer.start();
        auto *window = new CFeedPropertiesWnd(document, child);
        window->show();
        QCoreApplication::processEvents();
        openMs.push_back(timer.nsecsElapsed() / 1e6);
        delete window;
    }
    std::printf("open Feed Properties of a %d-post podcast feed (median of %d): %.2f ms\n",
                document->feed()->GetPostCount(), kOpenings, median(openMs));
    std::fflush(stdout);

    child->OnCommand(ID_VIEW_POST_DETAILS);
    waitUntil([child] { return child->detailsBar()->isVisible(); }, 5000);
    std::vector<double> switchMs;
    for (int i = 0; i < kSwitches; ++i) {
        QElapsedTimer timer;
        timer.start();
        document->selection()->select(300 + i % 2);
        QCoreApplication::processEvents();
        switchMs.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::printf("switch between two posts with Post Details shown (median of %d): %.2f ms handled, editor page "
                "not waited for\n",
                kSwitches, median(switchMs));
    return 0;
}
