// Speed and memory of the feed checker. On the 10,000-post benchmark feed
// (about 23 MB): the whole check with the podcast directories' rules on, as
// a ratio to a bare expat parse of the same bytes in the same run (goal:
// 1.5x). On a 100,000-post feed: `tidrel --check` as a program, its time as
// a ratio to `xmllint --noout` on the same file (goal: 1x) and its peak
// memory as a ratio to the file (goal: 1.5x), xmllint's printed beside it.
// Never fails on time.

#include "BenchFeed.h"

#include "markup/FeedChecker.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <expat.h>

#include <cstdio>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char **environ;

namespace {

constexpr int kPosts = 10000;
constexpr int kLargePosts = 100000;
constexpr int kRuns = 5;
constexpr int kProgramRuns = 3;

struct ProgramRun
{
    double ms = 0;
    double peakMb = 0;
    bool ran = false;
};

// Runs a program with its output thrown away; its wall time and the peak
// of its resident memory, read from the kernel's account of it.
ProgramRun runProgram(const QStringList &arguments)
{
    std::vector<QByteArray> bytes;
    for (const QString &argument : arguments)
        bytes.push_back(QFile::encodeName(argument));
    std::vector<char *> argv;
    for (QByteArray &argument : bytes)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    ProgramRun run;
    QElapsedTimer timer;
    timer.start();
    pid_t child = 0;
    if (posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        struct rusage usage = {};
        run.ran = wait4(child, &status, 0, &usage) == child && WIFEXITED(status);
        run.ms = timer.nsecsElapsed() / 1e6;
        run.peakMb = usage.ru_maxrss / 1024.0;
    }
    posix_spawn_file_actions_destroy(&actions);
    return run;
}

// The fastest of a few runs, and the lowest peak.
ProgramRun bestRun(const QStringList &arguments)
{
    ProgramRun best;
    for (int i = 0; i < kProgramRuns; ++i) {
        const ProgramRun run = runProgram(arguments);
        if (!run.ran)
            return run;
        if (!best.ran || run.ms < best.ms)
            best.ms = run.ms;
        if (!best.ran || run.peakMb < best.peakMb)
            best.peakMb = run.peakMb;
        best.ran = true;
    }
    return best;
}

void checkInProcess(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = file.readAll();
    const double expat = bestOf(kRuns, [&] {
        XML_Parser parser = XML_ParserCreate(nullptr);
        XML_Parse(parser, bytes.constData(), int(bytes.size()), XML_TRUE);
        XML_ParserFree(parser);
    });
    QList<CFeedChecker::Problem> problems;
    CFeedChecker::Options options;
    options.podcastRules = CFeedChecker::PodcastRules::On;
    const double check = bestOf(kRuns, [&] { problems = CFeedChecker::Check(bytes, options); });
    std::printf("feed: %d posts, %.1f MB; %lld problems, podcast rules on\n", kPosts, bytes.size() / 1e6,
                static_cast<long long>(problems.size()));
    printGoal(QStringLiteral("check the whole feed"), check, expat, QStringLiteral("bare expat parse"), 1.5);
}

void checkAsProgram(const QString &path)
{
    const QString xmllint = QStandardPaths::findExecutable(QStringLiteral("xmllint"));
    const double fileMb = QFileInfo(path).size() / 1048576.0;
    std::printf("feed: %d posts, %.1f MB; tidrel --check --podcast, best of %d runs\n", kLargePosts, fileMb,
                kProgramRuns);
    const ProgramRun tidrel = bestRun({QStringLiteral(TIDREL_PROGRAM), QStringLiteral("--check"),
                                       QStringLiteral("--podcast"), path});
    if (!tidrel.ran) {
        std::printf("  tidrel --check did not run\n");
        return;
    }
    printGoal(QStringLiteral("peak memory of tidrel --check"), tidrel.peakMb, fileMb, QStringLiteral("the file"), 1.5,
              "MB");
    if (xmllint.isEmpty()) {
        std::printf("  skipped the time against xmllint: xmllint is not installed (Debian's libxml2-utils)\n");
        return;
    }
    const ProgramRun lint = bestRun({xmllint, QStringLiteral("--noout"), path});
    if (!lint.ran) {
        std::printf("  skipped the time against xmllint: xmllint did not run\n");
        return;
    }
    printGoal(QStringLiteral("time of tidrel --check"), tidrel.ms, lint.ms, QStringLiteral("xmllint --noout"), 1.0);
    std::printf("  %-40s %9.1f MB, %.2fx the file\n", "peak memory of xmllint --noout", lint.peakMb,
                lint.peakMb / fileMb);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.xml"));
    const QString large = dir.filePath(QStringLiteral("large.xml"));
    if (!writeBenchFeed(path, kPosts)) {
        std::fprintf(stderr, "cannot write the benchmark feed\n");
        return 1;
    }
    checkInProcess(path);
    if (!writeBenchFeed(large, kLargePosts)) {
        std::fprintf(stderr, "cannot write the large benchmark feed\n");
        return 1;
    }
    checkAsProgram(large);
    return 0;
}
