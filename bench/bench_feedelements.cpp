// Speed of the feed's elements as values on the 730-post podcast feed of
// the corpus: what the feed properties read when they open (every channel
// element the pages edit, and the others) and what the post details read
// for one post. Figures only, with no goal of their own; never fails on
// time.

#include "core/FeedVocabulary.h"
#include "core/RssFeed.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

// Best of five, in milliseconds.
double best(const std::function<void()> &run)
{
    double fastest = 1e18;
    for (int i = 0; i < 5; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        fastest = std::min(fastest, timer.nsecsElapsed() / 1e6);
    }
    return fastest;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QString path = QStringLiteral(TIDREL_CORPUS_DIR "/rss/large-730items-podcast-redeclared-ns_giantbomb.rss");
    CRssFeed feed;
    QString error;
    if (!QFileInfo::exists(path) || !feed.LoadFromFile(path, &error)) {
        std::printf("feed elements: the corpus's podcast feed is not there %s\n", qPrintable(error));
        return 0;
    }
    size_t read = 0;
    const double channel = best([&] {
        for (const QString &name : CFeedVocabulary::channelElements())
            read += feed.GetChannelElements(name).size();
        read += feed.GetOtherChannelElements().size();
    });
    const int middle = feed.GetPostCount() / 2;
    const double post = best([&] {
        for (const QString &name : CFeedVocabulary::postElements())
            read += feed.GetPostElements(middle, name).size();
        read += feed.GetOtherPostElements(middle).size();
    });
    std::printf("feed elements, %d posts: every channel element %.2f ms, every element of one post %.2f ms "
                "(%zu read)\n",
                feed.GetPostCount(), channel, post, read);
    return 0;
}
