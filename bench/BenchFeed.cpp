#include "BenchFeed.h"

#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>

namespace {

const char *const kWords[] = {
    "release", "kernel", "update", "security", "browser", "desktop", "server", "database", "network",
    "python", "compiler", "review", "interview", "market", "weather", "science", "football", "election",
    "climate", "music", "festival", "startup", "museum", "library", "energy", "transport", "city",
    "report", "analysis", "opinion", "guide", "podcast", "episode", "history", "travel", "recipe"};
const char *const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const char *const kDays[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};

std::string words(std::mt19937 &random, int count)
{
    std::string text;
    for (int i = 0; i < count; ++i) {
        if (i)
            text += ' ';
        text += kWords[random() % (sizeof(kWords) / sizeof(kWords[0]))];
    }
    return text;
}

// Real feeds mostly write RFC 2822 dates with a day name; this program
// writes its own form. Both appear.
std::string pubDate(std::mt19937 &random)
{
    const QDate date = QDate(2015, 1, 1).addDays(qint64(random() % 4000));
    char text[64];
    const int hour = int(random() % 24), minute = int(random() % 60), second = int(random() % 60);
    if (random() % 4 == 0) {
        std::snprintf(text, sizeof text, "%02d %s %04d %02d:%02d:%02d GMT", date.day(), kMonths[date.month() - 1],
                      date.year(), hour, minute, second);
    } else {
        std::snprintf(text, sizeof text, "%s, %02d %s %04d %02d:%02d:%02d +0000", kDays[date.dayOfWeek() - 1],
                      date.day(), kMonths[date.month() - 1], date.year(), hour, minute, second);
    }
    return text;
}

// About 2 KB of HTML, escaped as feeds carry it.
std::string description(std::mt19937 &random, int post)
{
    std::string text;
    while (text.size() < 1900) {
        text += "&lt;p&gt;" + words(random, 12) + " &lt;a href=&quot;https://news.example.org/" + std::to_string(post)
                + "/" + std::to_string(random() % 1000) + "?ref=feed&amp;amp;id=7&quot;&gt;" + words(random, 3)
                + "&lt;/a&gt;, &lt;b&gt;" + words(random, 4) + "&lt;/b&gt;&amp;nbsp;" + words(random, 14)
                + ".&lt;/p&gt;\n";
    }
    return text;
}

// Pages, archives, documents, scripts with a query and bare paths, so that
// the posts list's icons have work to do.
std::string link(int post)
{
    static const char *const forms[] = {"%d", "%d.html", "files/setup%d.zip", "paper%d.pdf", "index.php?id=%d"};
    char path[64];
    std::snprintf(path, sizeof path, forms[post % 5], post);
    return std::string("https://news.example.org/") + path;
}

} // namespace

bool writeBenchFeed(const QString &path, int posts)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    std::mt19937 random(20261204);
    std::string head = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                       "<rss version=\"2.0\" xmlns:atom=\"http://www.w3.org/2005/Atom\">\n<channel>\n"
                       "<title>Benchmark feed</title>\n<link>https://news.example.org/</link>\n"
                       "<description>Generated</description>\n<language>en</language>\n";
    file.write(head.data(), qint64(head.size()));
    for (int i = 0; i < posts; ++i) {
        const std::string item = "<item>\n<title>" + words(random, 6 + int(random() % 5)) + " " + std::to_string(i)
                + "</title>\n<link>" + link(i) + "</link>\n<description>"
                + description(random, i) + "</description>\n<pubDate>" + pubDate(random)
                + "</pubDate>\n<author>editor@example.org</author>\n<guid isPermaLink=\"false\">"
                + std::to_string(1000000 + i) + "</guid>\n<category>" + words(random, 1) + "</category>\n</item>\n";
        file.write(item.data(), qint64(item.size()));
    }
    file.write("</channel>\n</rss>\n");
    return file.error() == QFileDevice::NoError;
}


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

double bestOf(int runs, const std::function<void()> &run)
{
    double fastest = 1e18;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        fastest = std::min(fastest, timer.nsecsElapsed() / 1e6);
    }
    return fastest;
}

StepAndFloor bestOfTakingTurns(int runs, const std::function<void()> &step, const std::function<void()> &floor)
{
    StepAndFloor fastest{1e18, 1e18};
    for (int i = 0; i < runs; ++i) {
        fastest.step = std::min(fastest.step, bestOf(1, step));
        fastest.floor = std::min(fastest.floor, bestOf(1, floor));
    }
    return fastest;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

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

bool printGoal(const QString &step, double measured, double floor, const QString &floorName, double goal,
               const char *unit)
{
    const double ratio = floor > 0 ? measured / floor : 0.0;
    const bool met = floor > 0 && ratio <= goal;
    std::printf("  %-40s %9.1f %s, floor %9.1f %s (%s): goal %.1fx, measured %.2fx: %s\n", qPrintable(step), measured,
                unit, floor, unit, qPrintable(floorName), goal, ratio, met ? "met" : "not met");
    std::fflush(stdout);
    return met;
}

bool printLimit(const QString &step, double measured, double limit, const char *unit)
{
    const bool met = measured <= limit;
    std::printf("  %-40s %9.2f %s: goal within %.0f %s: %s\n", qPrintable(step), measured, unit, limit, unit,
                met ? "met" : "not met");
    std::fflush(stdout);
    return met;
}
