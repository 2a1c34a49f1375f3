// Speed and memory of the feed document on a large feed: 10,000 posts of
// about 2 KB each (about 23 MB; another count may be given as the first
// argument). Prints the project's goals as ratios to floors measured in the
// same run: the open to a bare expat parse of the same bytes, the save after
// one edit to writing the file's bytes once, the peak memory after opening
// to the file's size. The reads, sorts and filter, the backup a save over
// the feed's own file makes first, and the plain TinyXML load (the old feed
// tree), are printed as figures. Never fails on time.

#include "BenchFeed.h"

#include "core/FileHelpers.h"
#include "core/PubDate.h"
#include "core/RssFeed.h"

#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <expat.h>
#include <tinyxml.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <numeric>

namespace {

int kPosts = 10000;
constexpr int kRuns = 3;
// The goals' steps vary by a third from one call to the next on the
// development machine, their floors as much: more runs, taking turns.
constexpr int kGoalRuns = 7;

double best(const std::function<void()> &run)
{
    return bestOf(kRuns, run);
}

void report(const char *what, double ms, const QString &note = QString())
{
    std::printf("  %-40s %9.1f ms   %s\n", what, ms, qPrintable(note));
}

// What a save is measured against: the file's bytes written once, through
// a temporary file that replaces the target, as a save writes them.
bool writeOnce(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && file.write(bytes) == bytes.size() && file.commit();
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
    if (argc > 1)
        kPosts = QString::fromLocal8Bit(argv[1]).toInt();
    QTemporaryDir folder;
    qputenv("HOME", QFile::encodeName(folder.path()));
    QStandardPaths::setTestModeEnabled(true);
    const QString source = folder.filePath(QStringLiteral("bench.xml"));
    const QString saved = folder.filePath(QStringLiteral("saved.xml"));
    const QString plainSaved = folder.filePath(QStringLiteral("plain-saved.xml"));
    if (!folder.isValid() || !writeBenchFeed(source, kPosts)) {
        std::fprintf(stderr, "cannot write the benchmark feed\n");
        return 1;
    }
    const qint64 fileSize = QFileInfo(source).size();
    std::printf("Feed: %d posts, %.1f MB, best of %d runs; the goals' steps best of %d, taking turns with their floors\n",
                kPosts, fileSize / 1e6, kRuns, kGoalRuns);

    const qint64 baseKb = statusKilobytes("VmRSS");
    CRssFeed feed;
    QString error;
    const auto open = [&] {
        if (!feed.LoadFromFile(source, &error))
            std::fprintf(stderr, "open failed: %s\n", qPrintable(error));
    };
    open();
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
    // What a save over the feed's own file does first: keep the old file as
    // a backup (in a data folder of this run's own).
    const double backup = best([&] {
        QString made;
        if (!BackupFile(saved, &made, BackupKind::LinkBeforeReplace) || !QFile::remove(made))
            std::fprintf(stderr, "backup failed\n");
    });
    const qint64 peakKb = statusKilobytes("VmHWM");
    feed.ClearFeed();

    QByteArray bytes;
    {
        QFile file(source);
        if (file.open(QIODevice::ReadOnly))
            bytes = file.readAll();
    }
    const StepAndFloor opens = bestOfTakingTurns(kGoalRuns, open, [&] {
        if (!bareExpatParse(bytes))
            std::fprintf(stderr, "expat refused the feed\n");
    });
    int edit = 0;
    const StepAndFloor saves = bestOfTakingTurns(kGoalRuns, [&] {
        feed.SetPostTitle(count / 2, QStringLiteral("Edited title %1").arg(++edit));
        if (!feed.SaveToFile(saved, &error))
            std::fprintf(stderr, "save failed: %s\n", qPrintable(error));
    }, [&] {
        if (!writeOnce(plainSaved, bytes))
            std::fprintf(stderr, "cannot write the file's bytes\n");
    });
    feed.ClearFeed();

    // Plain TinyXML on the same file, the old feed tree. These come after
    // the feed document, so that the peak above is the feed document's own.
    const double plainLoad = best([&] {
        TiXmlDocument document;
        document.LoadFile(source.toLocal8Bit().constData());
    });

    std::printf("Feed document (%d posts read):\n", count);
    printGoal(QStringLiteral("open"), opens.step, opens.floor, QStringLiteral("bare expat parse"), 1.2);
    printGoal(QStringLiteral("peak memory after opening (VmHWM)"), openPeakKb / 1024.0, fileSize / 1048576.0,
              QStringLiteral("the file"), 1.1, "MB");
    printGoal(QStringLiteral("edit one title and save"), saves.step, saves.floor,
              QStringLiteral("writing the file's bytes once"), 1.5);
    report("save unedited", save);
    report("back up the file before saving over it", backup);
    report("read every title and date", readAll);
    report("sort by title", sortByTitle);
    report("sort by date", sortByDate,
           QStringLiteral("same order as ComparePubDates: %1").arg(dateOrderAgrees ? QStringLiteral("yes") : QStringLiteral("NO")));
    report("filter titles", filter, QStringLiteral("%1 matches").arg(matches));
    report("plain TinyXML load (the old reference)", plainLoad);
    std::printf("  %-40s %9.1f MB   %.2fx the file; %.2fx above the %.1f MB in use before opening\n",
                "peak memory at the end (VmHWM)", peakKb / 1024.0, peakKb * 1024.0 / double(fileSize),
                (peakKb - baseKb) * 1024.0 / double(fileSize), baseKb / 1024.0);
    return 0;
}
