// Speed and memory of the feed document on a large feed: 10,000 posts of
// about 2 KB each (about 20 MB). Prints each figure next to its target: the
// open as a ratio to a bare expat parse of the same bytes in the same run,
// the save after one edit, the peak memory as a ratio to the file. The
// plain TinyXML load, the old feed tree, is printed beside them as the old
// reference. Never fails on time.

#include "BenchFeed.h"

#include "core/PubDate.h"
#include "core/RssFeed.h"

#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <expat.h>
#include <tinyxml.h>

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

double best(const std::function<void()> &run)
{
    return bestOf(kRuns, run);
}

void report(const char *what, double ms, const QString &target)
{
    std::printf("  %-34s %9.1f ms   target: %s\n", what, ms, qPrintable(target));
}

void XMLCALL noElementStart(void *, const XML_Char *, const XML_Char **) {}
void XMLCALL noElementEnd(void *, const XML_Char *) {}

// What the feed's open is measured against: expat reading the same bytes
// with element handlers that do nothing.
bool bareExpatParse(const QByteArray &bytes)
{
    XML_Parser parser = XML_ParserCreate(nullptr);
    XML_SetElementHandler(parser, noElementStart, noElementEnd);
    const bool parsed = XML_Parse(parser, bytes.constData(), int(bytes.size()), XML_TRUE) == XML_STATUS_OK;
    XML_ParserFree(parser);
    return parsed;
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
    // The open feed's own peak, before this program reads every title and
    // date into lists of its own (some 5 MB, counted in the peak below).
    const qint64 openPeakKb = statusKilobytes("VmHWM");

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
    int edit = 0;
    const double editAndSave = best([&] {
        feed.SetPostTitle(count / 2, QStringLiteral("Edited title %1").arg(++edit));
        if (!feed.SaveToFile(saved, &error))
            std::fprintf(stderr, "save failed: %s\n", qPrintable(error));
    });
    const qint64 peakKb = statusKilobytes("VmHWM");
    feed.ClearFeed();

    QByteArray bytes;
    {
        QFile file(source);
        if (file.open(QIODevice::ReadOnly))
            bytes = file.readAll();
    }
    const double bareExpat = best([&] {
        if (!bareExpatParse(bytes))
            std::fprintf(stderr, "expat refused the feed\n");
    });

    // Plain TinyXML on the same file, the old feed tree. These come after
    // the feed document, so that the peak above is the feed document's own.
    const double plainLoad = best([&] {
        TiXmlDocument document;
        document.LoadFile(source.toLocal8Bit().constData());
    });

    std::printf("Bare expat parse: %.1f ms; plain TinyXML load (the old reference): %.1f ms\n", bareExpat, plainLoad);
    std::printf("Feed document (%d posts read):\n", count);
    report("open", open, QStringLiteral("within 3x bare expat (%1 ms): %2x; %3x the TinyXML load")
                                 .arg(bareExpat * 3, 0, 'f', 1)
                                 .arg(open / bareExpat, 0, 'f', 2)
                                 .arg(open / plainLoad, 0, 'f', 2));
    report("read every title and date", readAll, QStringLiteral("under 50 ms"));
    report("sort by title", sortByTitle, QStringLiteral("under 300 ms"));
    report("sort by date", sortByDate,
           QStringLiteral("under 300 ms; same order as ComparePubDates: %1")
                   .arg(dateOrderAgrees ? QStringLiteral("yes") : QStringLiteral("NO")));
    report("filter titles", filter, QStringLiteral("none set (%1 matches)").arg(matches));
    report("save unedited", save, QStringLiteral("none set"));
    report("edit one title and save", editAndSave, QStringLiteral("under 50 ms"));
    std::printf("  %-34s %9.1f MB   target: within 1.3x the file (%.1f MB): %.2fx; %.2fx above the %.1f MB "
                "in use before opening\n",
                "peak memory (VmHWM)", peakKb / 1024.0, 1.3 * fileSize / 1048576.0, peakKb * 1024.0 / double(fileSize),
                (peakKb - baseKb) * 1024.0 / double(fileSize), baseKb / 1024.0);
    std::printf("  %-34s %9.1f MB   %.2fx the file; %.2fx above the %.1f MB in use before opening\n",
                "peak memory after opening (VmHWM)", openPeakKb / 1024.0, openPeakKb * 1024.0 / double(fileSize),
                (openPeakKb - baseKb) * 1024.0 / double(fileSize), baseKb / 1024.0);
    return 0;
}
