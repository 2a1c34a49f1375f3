// Undo and redo on the large feed: a delete, a move to the top and a title
// edit, each undone and redone through the document, as Edit > Undo and
// Redo run them. Prints the median of several runs; the project's goal is
// every undo within 1 ms. Never fails on time.

#include "BenchFeed.h"

#include "document/RSSEditDoc.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

namespace {

constexpr int kPosts = 10000;
constexpr int kRuns = 5;

double timed(const std::function<void()> &run)
{
    QElapsedTimer timer;
    timer.start();
    run();
    return timer.nsecsElapsed() / 1e6;
}

// Makes the change, then times its undo and its redo.
void measure(CRSSEditDoc &doc, const char *what, const std::function<void(int run)> &change)
{
    std::vector<double> undos, redos;
    for (int run = 0; run < kRuns; ++run) {
        change(run);
        undos.push_back(timed([&] { doc.undo(); }));
        redos.push_back(timed([&] { doc.redo(); }));
        doc.undo();
    }
    printLimit(QStringLiteral("undo ") + QLatin1String(what), median(undos), 1);
    std::printf("  redo %-35s %9.2f ms\n", what, median(redos));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    const QString source = folder.filePath(QStringLiteral("bench.xml"));
    if (!folder.isValid() || !writeBenchFeed(source, kPosts)) {
        std::fprintf(stderr, "cannot write the benchmark feed\n");
        return 1;
    }
    CRSSEditDoc doc;
    QString error;
    if (!doc.OnOpenDocument(source, &error)) {
        std::fprintf(stderr, "open failed: %s\n", qPrintable(error));
        return 1;
    }
    const QByteArray original = doc.feed()->PrintToString();
    std::printf("Feed: %d posts, median of %d runs\n", doc.feed()->GetPostCount(), kRuns);
    measure(doc, "delete of a middle post", [&](int) { doc.RemovePost(kPosts / 2); });
    measure(doc, "delete of the first post", [&](int) { doc.RemovePost(0); });
    measure(doc, "move of the last post to top", [&](int) { doc.MovePostToTop(kPosts - 1); });
    measure(doc, "title edit", [&](int run) {
        doc.SetPostField(kPosts / 2, CRSSEditDoc::PostTitle, QStringLiteral("Edited %1").arg(run));
    });
    measure(doc, "channel title edit", [&](int run) {
        doc.SetChannelField("title", QStringLiteral("Edited %1").arg(run));
    });
    std::printf("  file after every undo is the original: %s\n",
                doc.feed()->PrintToString() == original ? "yes" : "NO");
    return 0;
}
