// How fast the main window opens a large feed and switches posts.
//
// Prints the time from asking the window to open a generated 10,000-post
// feed (another count may be given as the first argument) until it is read
// and until the first post shows in the editor page, and the time a switch between two posts
// takes until the page shows the new post. Their floor, measured in the same
// run, is a bare page showing nothing but the same post's title and HTML:
// the goals are a switch within 1.5x the bare page's switch, and the first
// post within 1.5x the feed's own open plus the bare page's first showing.
// A switch has shown its post when the page, having drawn its next frame,
// says so over its web channel: the editor page's report of the post, the
// bare page's call of the bench's object. Each switch starts with both
// pages and the window idle.
// The open starts from a window at rest, its start page loaded and its
// spare editor page ready, as a user opens a feed from a window that has
// been idle a moment: the bare page, too, is made in an engine already
// started and loads beside no other page. The first post ends for both at
// the same event: the page's own title element, read back from the page,
// holds the post's title. As information, the first post of a second feed
// opened right after the first has shown, before a new spare page is
// ready, and the window is at rest again before anything else is timed.
// Never fails on time.

#include "BenchFeed.h"

#include "core/RssFeed.h"
#include "document/RSSEditDoc.h"
#include "editor/RSSEditView.h"
#include "engine/HtmlEngineView.h"
#include "shell/ChildFrame.h"
#include "shell/DocManager.h"
#include "shell/MainFrame.h"
#include "shell/SpareEditorPage.h"
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
#include <QWebChannel>
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
// The pause before each switch, in which the window and the pages finish
// what the last one left them (the panes that follow a post, frames).
constexpr int kSettleMs = 60;

// The title the page itself shows, read from the page; empty when the page
// does not answer in time or is still loading.
QString titleInPage(QWebEnginePage *page)
{
    // The answer may come after we stopped waiting, so it goes where it
    // outlives this call.
    auto answer = std::make_shared<std::pair<bool, QString>>(false, QString());
    page->runJavaScript(QStringLiteral("(document.getElementById('div_title') || {}).textContent || ''"),
                                  [answer](const QVariant &value) {
                                      answer->first = true;
                                      answer->second = value.toString();
                                  });
    waitUntil([&] { return answer->first; }, 5000);
    return answer->second;
}

// Runs the event loop, asleep between events, for `ms` milliseconds: what
// the last step left to the window and the pages is done before the next.
void settle(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Runs the event loop, asleep between events, until `signal` of `sender`
// comes with `done()` true; false after 10 s. Waiting asleep leaves both
// cores to the pages.
template<typename Sender, typename Signal>
bool waitForSignal(Sender *sender, Signal signal, const std::function<bool()> &done)
{
    QEventLoop loop;
    const QMetaObject::Connection connection = QObject::connect(sender, signal, &loop, [&] {
        if (done())
            loop.quit();
    });
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    loop.exec();
    QObject::disconnect(connection);
    return done();
}

// The bare page's way back to the bench, as the editor page's is: a call
// over the web channel.
class BareBridge : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    Q_INVOKABLE void shown(const QString &title)
    {
        m_title = title;
        emit titleShown();
    }
    QString title() const { return m_title; }

signals:
    void titleShown();

private:
    QString m_title;
};

// The floor of showing a post: a page with nothing but the post's title and
// HTML, read back as the window's page is.
class BarePage
{
public:
    // As large as the editor page, so that both lay out and draw as much.
    explicit BarePage(const QSize &size)
    {
        m_view.resize(size);
        m_channel.registerObject(QStringLiteral("bench"), &m_bridge);
    }

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

    // Connects the shown page to the bench, after its first showing, which
    // is measured as it was made; false when the channel does not come up.
    bool connectChannel()
    {
        m_view.page()->setWebChannel(&m_channel);
        m_view.page()->runJavaScript(channelScript());
        return waitUntil([&] { return m_bridge.title() == QLatin1String("ready"); }, 10000);
    }

    // The post put into the page in place of the last; milliseconds until
    // the page has drawn the frame after it and said so.
    double switchTo(const QString &title, const QString &html)
    {
        QElapsedTimer timer;
        timer.start();
        m_view.page()->runJavaScript(script(title, html) + QStringLiteral(" tellShownAfterFrame(post.title);"));
        const bool shown = waitForSignal(&m_bridge, &BareBridge::titleShown, [&] { return m_bridge.title() == title; });
        return shown ? timer.nsecsElapsed() / 1e6 : -1;
    }

private:
    // As the editor page reports a post: in a task after the next frame.
    static QString channelScript()
    {
        QFile file(QStringLiteral(":/qtwebchannel/qwebchannel.js"));
        file.open(QIODevice::ReadOnly);
        return QString::fromUtf8(file.readAll())
            + QStringLiteral("var bench = null; var shownTask = new MessageChannel(); var shownTitle = '';"
                             "shownTask.port1.onmessage = () => bench.shown(shownTitle);"
                             "function tellShownAfterFrame(title) {"
                             "  shownTitle = title;"
                             "  requestAnimationFrame(() => shownTask.port2.postMessage(null)); }"
                             "new QWebChannel(qt.webChannelTransport, channel => {"
                             "  bench = channel.objects.bench; bench.shown('ready'); });");
    }

    static QString script(const QString &title, const QString &html)
    {
        const QJsonObject post{{QStringLiteral("title"), title}, {QStringLiteral("html"), html}};
        return QStringLiteral("var post = %1; document.getElementById('div_title').textContent = post.title; "
                              "document.getElementById('body').innerHTML = post.html;")
                .arg(QString::fromUtf8(QJsonDocument(post).toJson(QJsonDocument::Compact)));
    }

    QWebEngineView m_view;
    QWebChannel m_channel;
    BareBridge m_bridge;
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
// in the bare page, each from idle; the medians.
SwitchFigures measureSwitches(CRSSEditDoc *document, CHtmlEngineView *engine, BarePage *bare)
{
    if (!bare->connectChannel()) {
        std::fprintf(stderr, "bench_window: the bare page's web channel does not come up\n");
        return SwitchFigures();
    }
    std::vector<double> handledMs;
    std::vector<double> shownInPageMs;
    std::vector<double> bareMs;
    const int count = document->feed()->GetPostCount();
    const QString title = QStringLiteral("div_title"), description = QStringLiteral("richtext_edit");
    const auto postReported = [&] { return engine->isReported(title) && engine->isReported(description); };
    for (int i = 0; i < kSwitches; ++i) {
        const int post = count / 2 + i % 2;
        settle(kSettleMs);
        QElapsedTimer switchTimer;
        switchTimer.start();
        document->selection()->select(post);
        handledMs.push_back(switchTimer.nsecsElapsed() / 1e6);
        if (!waitForSignal(engine, &CHtmlEngineView::reported, postReported)) {
            std::fprintf(stderr, "bench_window: post %d did not show within 10 s\n", post);
            return SwitchFigures();
        }
        shownInPageMs.push_back(switchTimer.nsecsElapsed() / 1e6);
        settle(kSettleMs);
        bareMs.push_back(bare->switchTo(document->feed()->GetPostTitle(post), document->feed()->GetPostDescription(post)));
    }
    return SwitchFigures{median(handledMs), median(shownInPageMs), median(bareMs), true};
}

// The main window has nothing left to do: its start page is loaded and
// its spare editor page is ready for the next feed window.
bool waitForRest(CMainFrame *frame)
{
    return waitUntil(
        [frame] {
            const CHtmlEngineView *spare = frame->sparePage()->page();
            return frame->startPage()->isReady() && spare && spare->isReady();
        },
        60000);
}

// Opens the feed in the window; milliseconds until it is read and until
// its first post shows in the editor page, or null when it does not open.
struct OpenFigures
{
    CChildFrame *child = nullptr;
    qint64 loadedMs = -1;
    qint64 shownMs = -1;
};

OpenFigures openUntilFirstPost(CMainFrame *frame, const QString &path)
{
    OpenFigures figures;
    QElapsedTimer timer;
    timer.start();
    // The feed is read on a worker thread; the loop sleeps until it is in,
    // leaving the cores to the read and the page.
    QEventLoop opening;
    QObject::connect(frame->documents(), &CDocManager::documentOpened, &opening, &QEventLoop::quit);
    QObject::connect(frame->documents(), &CDocManager::openFailed, &opening, &QEventLoop::quit);
    CChildFrame *child = frame->documents()->openDocument(path);
    opening.exec();
    if (child->isOpening() || !frame->documents()->findFrame(path)) {
        std::fprintf(stderr, "bench_window: the feed does not open\n");
        return figures;
    }
    figures.loadedMs = timer.elapsed();
    CRSSEditDoc *document = child->document();
    CHtmlEngineView *engine = child->view()->engine();
    // The first post is selected as the posts list selects it after a load.
    document->selection()->select(0);
    const QString firstTitle = document->feed()->GetPostTitle(0);
    if (!waitUntil([&] { return engine->isReady() && titleInPage(engine->page()) == firstTitle; }, 60000)) {
        std::fprintf(stderr, "bench_window: the first post did not show within 60 s\n");
        return figures;
    }
    figures.shownMs = timer.elapsed();
    figures.child = child;
    return figures;
}

// A second feed opened as soon as the first has shown, its first post
// timed; the window is at rest again afterwards.
bool measureSecondFeed(CMainFrame *frame, const QString &path)
{
    const bool spareReady = frame->sparePage()->page() && frame->sparePage()->page()->isReady();
    const OpenFigures second = openUntilFirstPost(frame, path);
    if (!second.child)
        return false;
    std::printf("a second feed opened right after (%s): %lld ms to load, %lld ms until the first post shows\n",
                spareReady ? "a spare page ready" : "no spare page ready", static_cast<long long>(second.loadedMs),
                static_cast<long long>(second.shownMs));
    std::fflush(stdout);
    second.child->close();
    return waitForRest(frame);
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

    const QString secondPath = dir.filePath(QStringLiteral("second.xml"));
    if (!QFile::copy(path, secondPath)) {
        std::fprintf(stderr, "bench_window: cannot write the second feed\n");
        return 1;
    }

    CMainFrame frame;
    frame.resize(1280, 800);
    frame.show();
    if (!waitForRest(&frame)) {
        std::fprintf(stderr, "bench_window: the start page or the spare editor page did not load within 60 s\n");
        return 1;
    }

    const OpenFigures first = openUntilFirstPost(&frame, path);
    if (!first.child)
        return 1;
    std::printf("open %d-post feed: %lld ms to load, %lld ms until the first post shows\n",
                kPostCount, static_cast<long long>(first.loadedMs), static_cast<long long>(first.shownMs));
    std::fflush(stdout);
    if (!measureSecondFeed(&frame, secondPath)) {
        std::fprintf(stderr, "bench_window: the window does not come to rest after the second feed\n");
        return 1;
    }
    const qint64 shownMs = first.shownMs;
    CRSSEditDoc *document = first.child->document();
    CHtmlEngineView *engine = first.child->view()->engine();
    const QString firstTitle = document->feed()->GetPostTitle(0);

    BarePage bare(engine->size());
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

#include "bench_window.moc"
