// How long a key typed into the editor page takes to reach the document.
//
// Types keys at the end of a one-line description and of a 60 KB one, in
// the main window with its real page, and prints the time from each key
// until the document holds it: the median for each, and their ratio. The
// project's goal: the long description within 1.5x the one-line one, and
// within a frame (16 ms). The first key of the 60 KB description is also
// printed against the frame: it is typed into the whole description,
// before the paragraph with the caret takes the keys on its own. Then what the feed holds for the edits after the
// keys in the long description, which must not grow with the keys (each
// key writes the description anew), and how much resident memory grew.
// Figures only; nothing fails on time.

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
#include <QPointer>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWebEnginePage>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int kKeys = 40;
constexpr double kFrameMs = 16.0;
constexpr double kGoalRatio = 1.5;
// Edit buffers after the keys, in descriptions: the one shown, the one an
// undo gives back, and the keys since the last release.
constexpr double kGoalHeld = 4.0;

// About 60 KB of a long post: paragraphs with links, emphasis and references.
QString longDescription()
{
    QString html;
    for (int i = 0; html.size() < 60000; ++i) {
        html += QStringLiteral("<p>Paragraph %1 of a long post, with <a href=\"https://example.org/%1\">a link</a>, "
                               "<em>some emphasis</em> &amp; a reference or two &#8212; and enough plain words "
                               "to make a paragraph of the size real posts have, about four hundred characters "
                               "long, so that the whole description holds about a hundred and fifty of them "
                               "as the longest one of the corpus does.</p>\n").arg(i);
    }
    return html;
}

bool writeFeed(const QString &path)
{
    const auto escaped = [](QString text) {
        return text.replace(QLatin1Char('&'), QLatin1String("&amp;")).replace(QLatin1Char('<'), QLatin1String("&lt;"));
    };
    const QString feed = QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<rss version=\"2.0\"><channel><title>Typing</title>"
        "<link>https://example.org/</link><description>Typing</description>\n"
        "<item><title>Short</title><description>%1</description><guid>https://example.org/1</guid></item>\n"
        "<item><title>Long</title><description>%2</description><guid>https://example.org/2</guid></item>\n"
        "</channel></rss>\n").arg(escaped(QStringLiteral("<p>One line.</p>")), escaped(longDescription()));
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(feed.toUtf8()) > 0;
}

bool focusEndOfDescription(CHtmlEngineView *engine)
{
    engine->setFocus();
    bool done = false;
    engine->page()->runJavaScript(QStringLiteral(
        "(function(){ const e = document.getElementById('richtext_edit'); e.focus();"
        " const r = document.createRange(); r.selectNodeContents(e.lastElementChild || e); r.collapse(false);"
        " const s = getSelection(); s.removeAllRanges(); s.addRange(r); })()"),
        [&done](const QVariant &) { done = true; });
    return waitUntil([&] { return done; }, 5000);
}

// Milliseconds from each key to the document's news of the description.
std::vector<double> keyTimes(CRSSEditDoc *document, CHtmlEngineView *engine, int post)
{
    std::vector<double> times;
    for (int i = 0; i < kKeys; ++i) {
        const QString before = document->GetPostField(post, CRSSEditDoc::PostDescription);
        QElapsedTimer timer;
        QEventLoop loop;
        double ms = -1;
        const auto connection = QObject::connect(document, &CRSSEditDoc::postFieldChanged, &loop,
                                                 [&](int changed, CRSSEditDoc::PostField field) {
            if (changed == post && field == CRSSEditDoc::PostDescription && ms < 0) {
                ms = timer.nsecsElapsed() / 1e6;
                loop.quit();
            }
        });
        QTimer::singleShot(5000, &loop, &QEventLoop::quit);
        timer.start();
        QTest::keyClick(engine->focusProxy(), char('a' + i % 26));
        if (ms < 0)
            loop.exec();
        QObject::disconnect(connection);
        if (ms < 0 || document->GetPostField(post, CRSSEditDoc::PostDescription) == before)
            return {};
        times.push_back(ms);
        // The next key after the page is idle again, as a steady typist's would be.
        QTest::qWait(30);
    }
    return times;
}

} // namespace

int main(int argc, char *argv[])
{
    QStandardPaths::setTestModeEnabled(true);
    CTidrelApp::prepareProcess();
    QApplication app(argc, argv);
    CTidrelApp::initInstance();

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("typing.xml"));
    if (!writeFeed(path)) {
        std::fprintf(stderr, "bench_typing: cannot write the feed\n");
        return 1;
    }
    CMainFrame frame;
    frame.resize(1280, 800);
    frame.show();
    // The feed is read on a worker thread.
    QPointer<CChildFrame> child = frame.documents()->openDocument(path);
    waitUntil([&] { return !child || !child->isOpening(); }, 60000);
    if (!child || child->isOpening()) {
        std::fprintf(stderr, "bench_typing: the feed does not open\n");
        return 1;
    }
    CRSSEditDoc *document = child->document();
    CHtmlEngineView *engine = child->view()->engine();
    if (!waitUntil([&] { return engine->isReady(); }, 60000)) {
        std::fprintf(stderr, "bench_typing: the page did not load\n");
        return 1;
    }

    double medians[2] = {};
    double firstLongKey = 0;
    qint64 residentGrowthKb = 0;
    for (int post = 0; post < 2; ++post) {
        document->selection()->select(post);
        waitUntil([&] { return child->view()->shownPost() == post && engine->isReported(QStringLiteral("richtext_edit")); }, 10000);
        if (!focusEndOfDescription(engine)) {
            std::fprintf(stderr, "bench_typing: no caret in the description\n");
            return 1;
        }
        const qint64 residentKb = statusKilobytes("VmRSS");
        const std::vector<double> times = keyTimes(document, engine, post);
        residentGrowthKb = statusKilobytes("VmRSS") - residentKb; // the long post comes last
        if (times.empty()) {
            std::fprintf(stderr, "bench_typing: a key did not reach the document\n");
            return 1;
        }
        medians[post] = median(times);
        firstLongKey = times.front(); // the long post comes last
    }
    std::printf("key to document (median of %d keys):\n", kKeys);
    printGoal(QStringLiteral("key in a 60 KB description"), medians[1], medians[0],
              QStringLiteral("a key in a one-line description"), kGoalRatio);
    printLimit(QStringLiteral("key in a 60 KB description"), medians[1], kFrameMs);
    printLimit(QStringLiteral("first key in a 60 KB description"), firstLongKey, kFrameMs);
    std::printf("memory after %d keys in the 60 KB description:\n", kKeys);
    printGoal(QStringLiteral("edit buffers held"), document->feed()->EditBytes() / 1024.0,
              longDescription().toUtf8().size() / 1024.0, QStringLiteral("the description"), kGoalHeld, "KB");
    std::printf("  resident memory grew by %lld KB over the keys\n", static_cast<long long>(residentGrowthKb));
    return 0;
}
