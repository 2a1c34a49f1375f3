// Speed and memory of the feed document on a large feed: 10,000 posts of
// about 2 KB each (about 20 MB). Prints each figure next to its target and
// next to plain TinyXML doing the same load and save in the same run.
// Never fails on time.

#include "BenchFeed.h"

#include "core/PubDate.h"
#include "core/RssFeed.h"

#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <numeric>

namespace {

constexpr int kPosts = 10000;
constexpr int kRuns = 3;

qint64 statusKilobytes(const char *key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray prefix = QByteArray(key) + ':';
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

// Best of kRuns, in milliseconds.
double best(const std::function<void()> &run)
{
    double fastest = 1e18;
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        fastest = std::min(fastest, timer.nsecsElapsed() / 1e6);
    }
    return fastest;
}

void report(const char *what, double ms, const QString &target)
{
    std::printf("  %-34s %9.1f ms   target: %s\n", what, ms, qPrintable(target));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    const QString source = folder.filePath(QStringLiteral("bench.xml"));
    const QString saved = folder.filePath(QStringLiteral("saved.xml"));
    const QString plainSaved = folder.filePath(QStringLiteral("plain-saved.xml"));
    if (!folder.isValid() || !writeBenchFeed(source, kPosts)) {
        std::fprintf(stderr, "cannot write the benchmark feed\n");
        return 1;
    }
    const qint64 fileSize = QFileInfo(source).size();
    std::printf("Feed: %d posts, %.1f MB, best of %d runs\n", kPosts, fileSize / 1e6, kRuns);

    const qint64 baseKb = statusKilobytes("VmRSS");
    CRssFeed feed;
    QString error;
    const double open = best([&] {
        if (!feed.LoadFromFile(source, &error))
            std::fprintf(stderr, "open failed: %s\n", qPrintable(error));
    });
    const int count = feed.GetPostCount();

    std::vector<QString> titles, dates;
    const double readAll = best([&] {
        titles.assign(size_t(count), QString());
        dates.assign(size_t(count), QString());
        for (int i = 0; i < count; ++i) {
            titles[size_t(i)] = feed.GetPostTitle(i);
            dates[size_t(i)] = feed.GetPostPubDate(i);
        }
    });

    // Sorting reads the keys through the model once per sort, then orders
    // row indexes by them, as the posts list does.
    std::vector<int> rows(static_cast<size_t>(count));
    const double sortByTitle = best([&] {
        std::vector<QString> keys(static_cast<size_t>(count));
        for (int i = 0; i < count; ++i)
            keys[size_t(i)] = feed.GetPostTitle(i);
        std::iota(rows.begin(), rows.end(), 0);
        std::sort(rows.begin(), rows.end(), [&keys](int a, int b) {
            const QString &x = keys[size_t(a)], &y = keys[size_t(b)];
            return std::lexicographical_compare(x.utf16(), x.utf16() + x.size(), y.utf16(), y.utf16() + y.size());
        });
    });
    const double sortByDate = best([&] {
        std::vector<QDateTime> keys(static_cast<size_t>(count));
        for (int i = 0; i < count; ++i)
            keys[size_t(i)] = PubDate::ParsePubDate(feed.GetPostPubDate(i));
        std::iota(rows.begin(), rows.end(), 0);
        std::sort(rows.begin(), rows.end(), [&keys](int a, int b) { return keys[size_t(a)] > keys[size_t(b)]; });
    });
    const bool dateOrderAgrees = std::is_sorted(rows.begin(), rows.end(), [&](int a, int b) {
        return PubDate::ComparePubDates(feed.GetPostPubDate(a), feed.GetPostPubDate(b)) < 0;
    });

    int matches = 0;
    const QString filterText = QStringLiteral("Kernel Update");
    const double filter = best([&] {
        matches = 0;
        for (int i = 0; i < count; ++i) {
            if (feed.GetPostTitle(i).contains(filterText, Qt::CaseInsensitive))
                ++matches;
        }
    });

    const double save = best([&] {
        if (!feed.SaveToFile(saved, &error))
            std::fprintf(stderr, "save failed: %s\n", qPrintable(error));
    });
    const qint64 peakKb = statusKilobytes("VmHWM");
    feed.ClearFeed();

    // Plain TinyXML on the same file, for comparison; after the feed
    // document, so that the peak above is the feed document's own.
    const double plainLoad = best([&] {
        TiXmlDocument document;
        document.LoadFile(source.toLocal8Bit().constData());
    });
    TiXmlDocument plain;
    plain.LoadFile(source.toLocal8Bit().constData());
    const double plainSave = best([&] { plain.SaveFile(plainSaved.toLocal8Bit().constData()); });

    std::printf("Plain TinyXML: load %.1f ms, save %.1f ms\n", plainLoad, plainSave);
    std::printf("Feed document (%d posts read):\n", count);
    report("open", open, QStringLiteral("within 1.5x plain load (%1 ms): %2x").arg(plainLoad * 1.5, 0, 'f', 1)
                                 .arg(open / plainLoad, 0, 'f', 2));
    report("read every title and date", readAll, QStringLiteral("under 50 ms"));
    report("sort by title", sortByTitle, QStringLiteral("under 300 ms"));
    report("sort by date", sortByDate,
           QStringLiteral("under 300 ms; same order as ComparePubDates: %1")
                   .arg(dateOrderAgrees ? QStringLiteral("yes") : QStringLiteral("NO")));
    report("filter titles", filter, QStringLiteral("none set (%1 matches)").arg(matches));
    report("save", save, QStringLiteral("within 1.5x plain save (%1 ms): %2x").arg(plainSave * 1.5, 0, 'f', 1)
                                 .arg(save / plainSave, 0, 'f', 2));
    std::printf("  %-34s %9.1f MB   target: under 4x the file (%.1f MB): %.2fx; %.2fx above the %.1f MB "
                "in use before opening\n",
                "peak memory (VmHWM)", peakKb / 1024.0, 4 * fileSize / 1048576.0, peakKb * 1024.0 / double(fileSize),
                (peakKb - baseKb) * 1024.0 / double(fileSize), baseKb / 1024.0);
    return 0;
}
