// How fast the main window opens a large feed and switches posts.
//
// Prints the time from asking the window to open a generated 10,000-post
// feed (another count may be given as the first argument) until it is read
// and until the first post shows in the editor page, and the time a switch between two posts
// takes until the page shows the new post. Their floor, measured in the same
// run, is a bare page showing nothing but the same post's title and HTML:
// the goals are a switch within 1.5x the bare page's switch, and the first
// post within 1.5x the feed's own open plus the bare page's first showing.
// The open starts from a window at rest, its start page loaded, as a user
// opens a feed from it: the bare page, too, is made in an engine already
// started and loads beside no other page. Both end at the same event: the
// page's own title element, read back from the page, holds the post's
// title. Never fails on time.

#include "BenchFeed.h"

#include "core/RssFeed.h"
#include "document/RSSEditDoc.h"
#include "editor/RSSEditView.h"
#include "engine/HtmlEngineView.h"
#include "shell/ChildFrame.h"
#include "shell/DocManager.h"
#include "shell/MainFrame.h"
#include "shell/StartPage.h"
#include "shell/TidrelApp.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QWebEnginePage>
#include <QWebEngineView>

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
QString titleInPage(QWebEnginePage *page)
{
    // The answer may come after we stopped waiting, so it goes where it
    // outlives this call.
    auto answer = std::make_shared<std::pair<bool, QString>>(false, QString());
    page->runJavaScript(QStringLiteral("document.getElementById('div_title').textContent"),
                                  [answer](const QVariant &value) {
                                      answer->first = true;
                                      answer->second = value.toString();
                                  });
    waitUntil([&] { return answer->first; }, 5000);
    return answer->second;
}

// The floor of showing a post: a page with nothing but the post's title and
// HTML, read back as the window's page is.
class BarePage
{
public:
    BarePage() { m_view.resize(800, 600); }

    // A new page made with the post; milliseconds until it shows its title.
    double showFirst(const QString &title, const QString &html)
    {
        QElapsedTimer timer;
        timer.start();
        m_view.setHtml(QStringLiteral("<html><body><div id=\"div_title\"></div><div id=\"body\"></div>"
                                      "<script>%1</script></body></html>")
                               .arg(script(title, html)));
        m_view.show();
        return waitUntil([&] { return titleInPage(m_view.page()) == title; }, 60000) ? timer.nsecsElapsed() / 1e6 : -1;
    }

    // The post put into the page in place of the last; milliseconds until
    // the page shows its title.
    double switchTo(const QString &title, const QString &html)
    {
        QElapsedTimer timer;
        timer.start();
        m_view.page()->runJavaScript(script(title, html));
        return waitUntil([&] { return titleInPage(m_view.page()) == title; }, 10000) ? timer.nsecsElapsed() / 1e6 : -1;
    }

private:
    static QString script(const QString &title, const QString &html)
    {
        const QJsonObject post{{QStringLiteral("title"), title}, {QStringLiteral("html"), html}};
        return QStringLiteral("var post = %1; document.getElementById('div_title').textContent = post.title; "
                              "document.getElementById('body').innerHTML = post.html;")
                .arg(QString::fromUtf8(QJsonDocument(post).toJson(QJsonDocument::Compact)));
    }

    QWebEngineView m_view;
};

// The feed's own open, without the window: the first part of the first
// post's floor.
double feedOpen(const QString &path)
{
    CRssFeed feed;
    return bestOf(1, [&] { feed.LoadFromFile(path); });
}

struct SwitchFigures
{
    double handledMs = 0;
    double shownMs = 0;
    double bareMs = 0;
    bool measured = false;
};

// Switches between two posts in the middle of the feed, in the window and
// in the bare page; the medians.
SwitchFigures measureSwitches(CRSSEditDoc *document, CHtmlEngineView *engine, BarePage *bare)
{
    std::vector<double> handledMs;
    std::vector<double> shownInPageMs;
    std::vector<double> bareMs;
    const int count = document->feed()->GetPostCount();
    for (int i = 0; i < kSwitches; ++i) {
        const int post = count / 2 + i % 2;
        const QString title = document->feed()->GetPostTitle(post);
        QElapsedTimer switchTimer;
        switchTimer.start();
        document->selection()->select(post);
        handledMs.push_back(switchTimer.nsecsElapsed() / 1e6);
        if (!waitUntil([&] { return titleInPage(engine->page()) == title; }, 10000)) {
            std::fprintf(stderr, "bench_window: post %d did not show within 10 s\n", post);
            return SwitchFigures();
        }
        shownInPageMs.push_back(switchTimer.nsecsElapsed() / 1e6);
        bareMs.push_back(bare->switchTo(title, document->feed()->GetPostDescription(post)));
    }
    return SwitchFigures{median(handledMs), median(shownInPageMs), median(bareMs), true};
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
    if (!waitUntil([&] { return frame.startPage()->isReady(); }, 60000)) {
        std::fprintf(stderr, "bench_window: the start page did not load within 60 s\n");
        return 1;
    }

    QElapsedTimer timer;
    timer.start();
    // The feed is read on a worker thread; the loop sleeps until it is in,
    // leaving the cores to the read and the page.
    QEventLoop opening;
    QObject::connect(frame.documents(), &CDocManager::documentOpened, &opening, &QEventLoop::quit);
    QObject::connect(frame.documents(), &CDocManager::openFailed, &opening, &QEventLoop::quit);
    CChildFrame *child = frame.documents()->openDocument(path);
    opening.exec();
    if (child->isOpening() || !frame.documents()->findFrame(path)) {
        std::fprintf(stderr, "bench_window: the feed does not open\n");
        return 1;
    }
    const qint64 loadedMs = timer.elapsed();
    CRSSEditDoc *document = child->document();
    CHtmlEngineView *engine = child->view()->engine();
    // The first post is selected as the posts list selects it after a load.
    document->selection()->select(0);
    const QString firstTitle = document->feed()->GetPostTitle(0);
    if (!waitUntil([&] { return engine->isReady() && titleInPage(engine->page()) == firstTitle; }, 60000)) {
        std::fprintf(stderr, "bench_window: the first post did not show within 60 s\n");
        return 1;
    }
    const qint64 shownMs = timer.elapsed();
    std::printf("open %d-post feed: %lld ms to load, %lld ms until the first post shows\n",
                kPostCount, static_cast<long long>(loadedMs), static_cast<long long>(shownMs));
    std::fflush(stdout);

    BarePage bare;
    const double bareFirstMs = bare.showFirst(firstTitle, document->feed()->GetPostDescription(0));
    const SwitchFigures switches = measureSwitches(document, engine, &bare);
    if (!switches.measured)
        return 1;
    const double openMs = feedOpen(path);
    std::printf("switch between two posts (median of %d): %.2f ms handled\n", kSwitches, switches.handledMs);
    printGoal(QStringLiteral("switch until the page shows the post"), switches.shownMs, switches.bareMs,
              QStringLiteral("a bare page"), 1.5);
    printGoal(QStringLiteral("open until the first post shows"), double(shownMs), openMs + bareFirstMs,
              QStringLiteral("the feed's open %1 ms + a bare page %2 ms").arg(openMs, 0, 'f', 1).arg(bareFirstMs, 0, 'f', 1),
              1.5);
    return 0;
}
