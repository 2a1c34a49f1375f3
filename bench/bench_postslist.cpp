// How the posts bar scales with the feed.
//
// With generated feeds of 1,000, 10,000 and 100,000 posts (or the one count
// given as the first argument) and a real posts bar on screen, prints the
// time to fill the list, to sort it by title and by date, to filter it and
// to scroll it by a page, each including the repaint of the rows that show.
// The goals compare 100,000 posts with 10,000 in the same run: fill, filter
// and scroll within 1.5x, the sorts within 12x (n log n). Never fails on
// time.

#include "BenchFeed.h"

#include "core/RssFeed.h"
#include "commands/CommandIds.h"
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

double report(const char *what, const std::vector<double> &ms)
{
    std::printf("  %-34s %8.2f ms (median of %zu)\n", what, median(ms), ms.size());
    std::fflush(stdout);
    return median(ms);
}

// The medians of each step on one feed.
struct ListFigures
{
    double fill = 0;
    double byTitle = 0;
    double byDate = 0;
    double filter = 0;
    double scroll = 0;
    bool measured = false;
};

// Fill: a list made for the whole feed, as the window makes it.
double measureFill(CRSSEditDoc &doc)
{
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
    return report("fill the list", fill);
}

// Filter: from the moment the filter starts (its delay over) until the
// matching rows are painted; -1 when it did not run.
double measureFilter(CBarRssItems &posts)
{
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
            QCoreApplication::instance()->removeEventFilter(&watcher);
            return -1;
        }
        posts.listCtrl()->viewport()->repaint();
        filter.push_back(watcher.clock.nsecsElapsed() / 1e6);
        std::printf("  filter \"%s\": %d rows\n", qPrintable(text), posts.postsModel()->rowCount());
    }
    posts.OnCommand(ID_FILTERING);
    QCoreApplication::instance()->removeEventFilter(&watcher);
    return report("filter", filter);

}

ListFigures measure(int postCount)
{
    ListFigures figures;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("large.xml"));
    if (!writeBenchFeed(path, postCount)) {
        std::fprintf(stderr, "bench_postslist: cannot write the feed\n");
        return figures;
    }
    CRSSEditDoc doc;
    if (!doc.OnOpenDocument(path)) {
        std::fprintf(stderr, "bench_postslist: the feed does not open\n");
        return figures;
    }
    std::printf("%d posts\n", doc.feed()->GetPostCount());
    figures.fill = measureFill(doc);

    CBarRssItems posts(QStringLiteral("RSS Items"), &doc);
    posts.resize(480, 800);
    posts.show();

    std::vector<double> byTitle;
    std::vector<double> byDate;
    for (int i = 0; i < kRepeats; ++i) {
        byTitle.push_back(timed(&posts, [&] { posts.OnCommand(ID_SORT_BY_TITLE); }));
        byDate.push_back(timed(&posts, [&] { posts.OnCommand(ID_SORT_BY_DATE); }));
    }
    figures.byTitle = report("sort by title", byTitle);
    figures.byDate = report("sort by date", byDate);

    figures.filter = measureFilter(posts);
    if (figures.filter < 0)
        return figures;

    // Scroll a page, down through the list.
    QScrollBar *scroll = posts.listCtrl()->verticalScrollBar();
    std::vector<double> page;
    for (int i = 0; i < kPages; ++i)
        page.push_back(timed(&posts, [&] { scroll->setValue(scroll->value() + scroll->pageStep()); }));
    figures.scroll = report("scroll a page", page);
    figures.measured = true;
    return figures;
}

} // namespace

int main(int argc, char *argv[])
{
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    if (argc > 1)
        return measure(QString::fromLocal8Bit(argv[1]).toInt()).measured ? 0 : 1;
    measure(1000);
    const ListFigures small = measure(10000);
    const ListFigures large = measure(100000);
    if (!small.measured || !large.measured)
        return 1;
    const QString floor = QStringLiteral("the same on 10,000 posts");
    std::printf("100,000 posts against 10,000:\n");
    printGoal(QStringLiteral("fill the list"), large.fill, small.fill, floor, 1.5);
    printGoal(QStringLiteral("sort by title"), large.byTitle, small.byTitle, floor, 12);
    printGoal(QStringLiteral("sort by date"), large.byDate, small.byDate, floor, 12);
    printGoal(QStringLiteral("filter"), large.filter, small.filter, floor, 1.5);
    printGoal(QStringLiteral("scroll a page"), large.scroll, small.scroll, floor, 1.5);
    return 0;
}
