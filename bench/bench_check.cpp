// Speed of the feed checker on the 10,000-post benchmark feed (about
// 23 MB): the whole check with the podcast directories' rules on, as a
// ratio to a bare expat parse of the same bytes in the same run. Target:
// at most 1.5 times the parse. Never fails on time.

#include "BenchFeed.h"

#include "markup/FeedChecker.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <expat.h>

#include <cstdio>

namespace {

constexpr int kPosts = 10000;
constexpr int kRuns = 5;

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.xml"));
    if (!writeBenchFeed(path, kPosts)) {
        std::fprintf(stderr, "cannot write the benchmark feed\n");
        return 1;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 1;
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

    std::printf("feed: %d posts, %.1f MB\n", kPosts, bytes.size() / 1e6);
    std::printf("bare expat parse          %8.1f ms\n", expat);
    std::printf("check the whole feed      %8.1f ms   %lld problems, podcast rules on\n", check,
                static_cast<long long>(problems.size()));
    std::printf("check / bare expat parse: %.1fx (target <= 1.5x)\n", check / expat);
    return 0;
}
