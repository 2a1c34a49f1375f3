// How fast the posts bar handles a large feed.
//
// With a generated 10,000-post feed (another count may be given as the
// first argument) and a real posts bar on screen, prints the time to fill
// the list, to sort it by title and by date, to filter it and to scroll it
// by a page, each including the repaint of the rows that show (target for
// each: under 100 ms). Figures only; nothing fails on time.

#include "core/RssFeed.h"
#include "document/RSSEditDoc.h"
#include "document/RSSObserver.h"
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
#include <vector>

namespace {

int kPostCount = 10000;
constexpr int kRepeats = 5;
constexpr int kPages = 20;

// Titles in no order, dates spread over years, links of several kinds, so
// that sorting and icons have work to do.
bool writeLargeFeed(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    static const char *const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    static const char *const links[] = {"page%1.html", "files/setup%1.zip", "paper%1.pdf", "index.php?id=%1",
                                        "news/%1"};
    file.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<rss version=\"2.0\">\n<channel>\n"
               "<title>Large feed</title>\n<link>http://example.org/</link>\n");
    for (int i = 0; i < kPostCount; ++i) {
        const int scrambled = int((i * 7919LL) % kPostCount);
        const QByteArray n = QByteArray::number(i);
        const QByteArray date = QByteArray::number(1 + scrambled % 28) + ' ' + months[scrambled % 12] + ' '
                                + QByteArray::number(2000 + scrambled % 25) + " 09:00:00 GMT";
        QByteArray link = "http://example.org/" + QString::fromLatin1(links[i % 5]).arg(i).toUtf8();
        file.write("<item><title>Post " + QByteArray::number(scrambled) + " about topic " + QByteArray::number(i % 97)
                   + "</title><description>&lt;p&gt;Text of post " + n + ".&lt;/p&gt;</description>"
                   "<link>" + link.replace("&", "&amp;") + "</link><pubDate>" + date + "</pubDate>"
                   "<guid>guid-" + n + "</guid></item>\n");
    }
    file.write("</channel>\n</rss>\n");
    return file.error() == QFile::NoError;
}

// Notes when the bar starts applying its filter: that is when it asks the
// editor to write back the current post.
class FilterStartWatcher : public CRSSObserver
{
public:
    void OnRSSNotify(CRSSObserver *sender, int hint, const QVariant &) override
    {
        if (sender == bar && hint == HINT_COMMIT_POST && !clock.isValid())
            clock.start();
    }

    CRSSObserver *bar = nullptr;
    QElapsedTimer clock;
};

bool waitUntil(const std::function<bool()> &condition, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

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
    if (!writeLargeFeed(path)) {
        std::fprintf(stderr, "bench_postslist: cannot write the feed\n");
        return 1;
    }

    CRSSEditDoc doc;
    if (!doc.OnOpenDocument(path)) {
        std::fprintf(stderr, "bench_postslist: the feed does not open\n");
        return 1;
    }
    std::printf("%d posts\n", doc.feed()->GetPostCount());

    // Fill: the whole feed arrives, as after opening or reloading it.
    std::vector<double> fill;
    for (int i = 0; i < kRepeats; ++i) {
        CBarRssItems *fresh = new CBarRssItems(QStringLiteral("RSS Items"), &doc);
        fresh->resize(480, 800);
        fresh->show();
        doc.setFrame(fresh);
        fill.push_back(timed(fresh, [&] { doc.Notify(nullptr, HINT_FEED_RESET, 0); }));
        doc.setFrame(nullptr);
        delete fresh;
    }
    report("fill the list", fill);

    CBarRssItems posts(QStringLiteral("RSS Items"), &doc);
    posts.resize(480, 800);
    posts.show();
    doc.setFrame(&posts);
    doc.Notify(nullptr, HINT_FEED_RESET, 0);

    std::vector<double> byTitle;
    std::vector<double> byDate;
    for (int i = 0; i < kRepeats; ++i) {
        byTitle.push_back(timed(&posts, [&] { doc.OnCommand(ID_SORT_BY_TITLE); }));
        byDate.push_back(timed(&posts, [&] { doc.OnCommand(ID_SORT_BY_DATE); }));
    }
    report("sort by title", byTitle);
    report("sort by date", byDate);

    // Filter: from the moment the filter starts (its delay over) until the
    // matching rows are painted.
    FilterStartWatcher watcher;
    watcher.bar = &posts;
    doc.addView(&watcher);
    std::vector<double> filter;
    const QStringList filters{QStringLiteral("topic 4"), QStringLiteral("post 12"), QStringLiteral("about")};
    doc.OnCommand(ID_FILTERING);
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
    doc.OnCommand(ID_FILTERING);
    doc.removeView(&watcher);
    report("filter", filter);

    // Scroll a page, down through the list.
    QScrollBar *scroll = posts.listCtrl()->verticalScrollBar();
    std::vector<double> page;
    for (int i = 0; i < kPages; ++i)
        page.push_back(timed(&posts, [&] { scroll->setValue(scroll->value() + scroll->pageStep()); }));
    report("scroll a page", page);

    doc.setFrame(nullptr);
    return 0;
}
