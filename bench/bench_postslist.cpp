// How the posts bar scales with the feed.
//
// With generated feeds of 1,000, 10,000 and 100,000 posts (or the one count
// given as the first argument) and a real posts bar on screen, prints the
// time to fill the list, to sort it by title (the first time, which reads
// every title; again, with no title changed; and after a rename, which
// sorts every post again) and by date, to filter it and to
// scroll it by a page, each including the repaint of the rows that show.
// A filter shows its first screenful of rows before it has found every
// match: both moments are timed, the first filter (which reads every
// title) apart from the later ones. The goals compare 100,000 posts with
// 10,000 in the same run: fill, filter and scroll within 1.5x, the sorts
// within 12x (n log n). Never fails on time.

#include "BenchFeed.h"

#include "core/RssFeed.h"
#include "commands/CommandIds.h"
#include "document/PostOrder.h"
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
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr int kRepeats = 5;
constexpr int kPages = 20;

// Times one filter typed into the box, as the bar applies it: from the
// moment it starts (the timer of its delay fires) until its first rows are
// painted, and until every match is listed.
class FilterWatcher : public QObject
{
public:
    explicit FilterWatcher(CBarRssItems *bar) : m_bar(bar)
    {
        QAbstractItemModel *model = bar->postsModel();
        connect(model, &QAbstractItemModel::modelReset, this, [this] { rowsChanged(true); });
        connect(model, &QAbstractItemModel::rowsInserted, this, [this] { rowsChanged(false); });
        QCoreApplication::instance()->installEventFilter(this);
    }
    ~FilterWatcher() override { QCoreApplication::instance()->removeEventFilter(this); }

    // Types the text and waits for the filter; false when it did not run.
    bool filter(const QString &text, int expectedRows)
    {
        m_expectedRows = expectedRows;
        m_clock.invalidate();
        firstRows = -1;
        allRows = -1;
        m_bar->filterBox()->setText(text);
        const QString caption = QStringLiteral("[%1 of").arg(expectedRows);
        return waitUntil([&] { return allRows >= 0 && m_bar->windowTitle().contains(caption); }, 60000);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const auto *timer = qobject_cast<QTimer *>(watched);
        if (event->type() == QEvent::Timer && timer && timer->interval() == CBarRssItems::kFilterDelayMs
            && !m_clock.isValid())
            m_clock.start();
        return QObject::eventFilter(watched, event);
    }

    double firstRows = -1;
    double allRows = -1;

private:
    void rowsChanged(bool reset)
    {
        if (!m_clock.isValid())
            return;
        if (reset && firstRows < 0) {
            m_bar->listCtrl()->viewport()->repaint();
            firstRows = m_clock.nsecsElapsed() / 1e6;
        }
        if (firstRows >= 0 && allRows < 0 && m_bar->postsModel()->rowCount() == m_expectedRows)
            allRows = m_clock.nsecsElapsed() / 1e6;
    }

    CBarRssItems *m_bar;
    QElapsedTimer m_clock;
    int m_expectedRows = 0;
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
    double byTitleFirst = 0;
    double byTitle = 0;
    double byTitleAfterRename = 0;
    double byDate = 0;
    double filter = 0;
    double filterAll = 0;
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

int matchingPosts(const CRssFeed *feed, const QString &text)
{
    int matches = 0;
    for (int post = 0; post < feed->GetPostCount(); ++post)
        matches += CPostOrder::titleMatchesFilter(feed->GetPostTitle(post), text) ? 1 : 0;
    return matches;
}

// Filter: the first text reads every title, the others find them read.
bool measureFilter(CBarRssItems &posts, const CRssFeed *feed, ListFigures *figures)
{
    const QString first = QStringLiteral("music");
    const QStringList filters{QStringLiteral("python"), QStringLiteral("kernel update"), QStringLiteral("99")};
    FilterWatcher watcher(&posts);
    std::vector<double> firstRows;
    std::vector<double> allRows;
    posts.OnCommand(ID_FILTERING);
    for (const QString &text : QStringList{first} + filters) {
        const int expected = matchingPosts(feed, text);
        if (!watcher.filter(text, expected)) {
            std::fprintf(stderr, "bench_postslist: the filter \"%s\" did not list its %d rows\n", qPrintable(text), expected);
            return false;
        }
        std::printf("  filter \"%s\": %d rows, the first shown after %.2f ms, all after %.2f ms\n", qPrintable(text),
                    expected, watcher.firstRows, watcher.allRows);
        if (text == first)
            continue;
        firstRows.push_back(watcher.firstRows);
        allRows.push_back(watcher.allRows);
    }
    posts.OnCommand(ID_FILTERING);
    figures->filter = report("filter until its first rows show", firstRows);
    figures->filterAll = report("filter until every match is listed", allRows);
    return true;
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

    // The first sort by title reads every title and makes its collation
    // key; the ones after find every title as the last sort left it.
    figures.byTitleFirst = timed(&posts, [&] { posts.OnCommand(ID_SORT_BY_TITLE); });
    std::printf("  %-34s %8.2f ms (one)\n", "sort by title, the first", figures.byTitleFirst);
    std::vector<double> byTitle;
    std::vector<double> byDate;
    for (int i = 0; i < kRepeats; ++i) {
        byDate.push_back(timed(&posts, [&] { posts.OnCommand(ID_SORT_BY_DATE); }));
        byTitle.push_back(timed(&posts, [&] { posts.OnCommand(ID_SORT_BY_TITLE); }));
    }
    figures.byTitle = report("sort by title again", byTitle);
    figures.byDate = report("sort by date", byDate);

    // A rename
    // leaves the others' collation keys kept, and the next sort by title
    // sorts every post by them.
    std::vector<double> afterRename;
    for (int i = 0; i < kRepeats; ++i) {
        doc.SetPostField(i, CRSSEditDoc::PostTitle, QStringLiteral("renamed %1").arg(i), QStringLiteral("Rename"));
        posts.OnCommand(ID_SORT_BY_POSITION);
        afterRename.push_back(timed(&posts, [&] { posts.OnCommand(ID_SORT_BY_TITLE); }));
    }
    figures.byTitleAfterRename = report("sort by title after a rename", afterRename);

    if (!measureFilter(posts, doc.feed(), &figures))
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
    printGoal(QStringLiteral("sort by title, the first"), large.byTitleFirst, small.byTitleFirst, floor, 12);
    printGoal(QStringLiteral("sort by title again, no title changed"), large.byTitle, small.byTitle, floor, 12);
    printGoal(QStringLiteral("sort by title after a rename"), large.byTitleAfterRename, small.byTitleAfterRename, floor,
              12);
    printGoal(QStringLiteral("sort by date"), large.byDate, small.byDate, floor, 12);
    printGoal(QStringLiteral("filter until its first rows show"), large.filter, small.filter, floor, 1.5);
    printGoal(QStringLiteral("filter until every match is listed"), large.filterAll, small.filterAll, floor, 1.5);
    printGoal(QStringLiteral("scroll a page"), large.scroll, small.scroll, floor, 1.5);
    return 0;
}
