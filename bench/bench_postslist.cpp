// How fast the posts bar handles a large feed.
//
// With a generated 10,000-post feed (another count may be given as the
// first argument) and a real posts bar on screen, prints the time to fill
// the list, to sort it by title and by date, to filter it and to scroll it
// by a page, each including the repaint of the rows that show (target for
// each: under 100 ms). Figures only; nothing fails on time.

#include "BenchFeed.h"

#include "core/RssFeed.h"
#include "commands/PostCommands.h"
#include "document/RSSEditDoc.h"
#include "panes/BarRssItems.h"
#include "panes/PostsListCtrl.h"
#include "panes/PostsModel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

int kPostCount = 10000;
constexpr int kRepeats = 5;
constexpr int kPages = 20;

// Notes when the bar started applying its filter: the filter runs inside
// the timer event of its delay and lists the matching rows anew, so the
// start is that of the timer event in which the rows are reset.
class FilterStartWatcher : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Timer)
            m_timerEvent.start();
        return QObject::eventFilter(watched, event);
    }

    void rowsReset()
    {
        if (!clock.isValid())
            clock = m_timerEvent;
    }

    QElapsedTimer clock;

private:
    QElapsedTimer m_timerEvent;
};

// Milliseconds that the step takes, with the rows painted afterwards.
double timed(CBarRssItems *bar, const std::function<void()> &step)
{
    QElapsedTimer timer;
    timer.start();
    step();
    bar->listCtrl()->viewport()->repaint();
    return timer.nsecsElapsed() / 1e6;
}

void report(const char *what, const std::vector<double> &ms)
{
    std::printf("%-34s %8.2f ms (median of %zu; target: under 100 ms)\n", what, median(ms), ms.size());
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    if (argc > 1)
        kPostCount = QString::fromLocal8Bit(argv[1]).toInt();

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("large.xml"));
    if (!writeBenchFeed(path, kPostCount)) {
        std::fprintf(stderr, "bench_postslist: cannot write the feed\n");
        return 1;
    }

    CRSSEditDoc doc;
    if (!doc.OnOpenDocument(path)) {
        std::fprintf(stderr, "bench_postslist: the feed does not open\n");
        return 1;
    }
    std::printf("%d posts\n", doc.feed()->GetPostCount());

    // Fill: a list made for the whole feed, as the window makes it.
    std::vector<double> fill;
    for (int i = 0; i < kRepeats; ++i) {
        QElapsedTimer timer;
        timer.start();
        auto fresh = std::make_unique<CBarRssItems>(QStringLiteral("RSS Items"), &doc);
        fresh->resize(480, 800);
        fresh->show();
        fresh->listCtrl()->viewport()->repaint();
        fill.push_back(timer.nsecsElapsed() / 1e6);
    }
    report("fill the list", fill);

    CBarRssItems posts(QStringLiteral("RSS Items"), &doc);
    posts.resize(480, 800);
    posts.show();
    CPostCommands commands(&doc);

    std::vector<double> byTitle;
    std::vector<double> byDate;
    for (int i = 0; i < kRepeats; ++i) {
        byTitle.push_back(timed(&posts, [&] { commands.OnCommand(ID_SORT_BY_TITLE); }));
        byDate.push_back(timed(&posts, [&] { commands.OnCommand(ID_SORT_BY_DATE); }));
    }
    report("sort by title", byTitle);
    report("sort by date", byDate);

    // Filter: from the moment the filter starts (its delay over) until the
    // matching rows are painted.
    FilterStartWatcher watcher;
    QObject::connect(posts.postsModel(), &QAbstractItemModel::modelReset, &watcher, &FilterStartWatcher::rowsReset);
    QCoreApplication::instance()->installEventFilter(&watcher);
    std::vector<double> filter;
    const QStringList filters{QStringLiteral("python"), QStringLiteral("kernel update"), QStringLiteral("99")};
    posts.OnCommand(ID_FILTERING);
    for (const QString &text : filters) {
        watcher.clock.invalidate();
        posts.filterBox()->setText(text);
        if (!waitUntil([&] { return watcher.clock.isValid() && watcher.clock.elapsed() > 0; }, 5000)) {
            std::fprintf(stderr, "bench_postslist: the filter did not run\n");
            return 1;
        }
        posts.listCtrl()->viewport()->repaint();
        filter.push_back(watcher.clock.nsecsElapsed() / 1e6);
        std::printf("  filter \"%s\": %d rows\n", qPrintable(text), posts.postsModel()->rowCount());
    }
    posts.OnCommand(ID_FILTERING);
    QCoreApplication::instance()->removeEventFilter(&watcher);
    report("filter", filter);

    // Scroll a page, down through the list.
    QScrollBar *scroll = posts.listCtrl()->verticalScrollBar();
    std::vector<double> page;
    for (int i = 0; i < kPages; ++i)
        page.push_back(timed(&posts, [&] { scroll->setValue(scroll->value() + scroll->pageStep()); }));
    report("scroll a page", page);
    return 0;
}
