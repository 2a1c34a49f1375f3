#include "DocumentTestSupport.h"

#include "core/RssFeed.h"
#include "document/PostOrder.h"

#include <QDeadlineTimer>
#include <QtTest>

#include <algorithm>
#include <limits>
#include <numeric>
#include <vector>

using Rows = std::vector<int>;

namespace {
const QString kUnreadableDate = QStringLiteral("sometime soon");
const CPostOrder::SortOrder kPosition = CPostOrder::SortByPosition;
const CPostOrder::SortOrder kTitle = CPostOrder::SortByTitle;
const CPostOrder::SortOrder kDate = CPostOrder::SortByDate;
} // namespace

class PostOrderTest : public QObject
{
    Q_OBJECT

private slots:
    void isPostBefore_comparesByEachOrder()
    {
        load(postsTitled({"b", "B", "a", "", "b"}));
        QVERIFY(before(kPosition, 0, 1));
        QVERIFY(!before(kPosition, 1, 0));
        QVERIFY(!before(kPosition, 1, 1));
        QVERIFY(before(kTitle, 2, 1)); // a before B: letter case aside
        QVERIFY(!before(kTitle, 1, 2));
        QVERIFY(!before(kTitle, 0, 1)); // b and B are equal
        QVERIFY(!before(kTitle, 1, 0));
        QVERIFY(before(kTitle, 3, 1)); // empty first
        QVERIFY(!before(kTitle, 0, 4)); // equal titles
        QVERIFY(!before(kTitle, 4, 0));

        load({{"1 March", "01 Mar 2026 09:00:00 GMT"}, {"2 March", "02 Mar 2026 09:00:00 GMT"},
              {"unreadable", kUnreadableDate}, {"no date", QString()}});
        QVERIFY(before(kDate, 1, 0)); // newest first
        QVERIFY(!before(kDate, 0, 1));
        QVERIFY(before(kDate, 0, 2)); // an unreadable date after every date
        QVERIFY(!before(kDate, 2, 0));
        QVERIFY(!before(kDate, 2, 3)); // two unreadable dates are equal
        QVERIFY(!before(kDate, 3, 2));
    }

    void sort_ordersRowsByEachOrder()
    {
        load({{"b", "02 Mar 2026 09:00:00 GMT"}, {"B", "01 Mar 2026 09:00:00 GMT"}, {"a", kUnreadableDate}});
        CPostOrder order;
        order.fillAll(&m_feed);
        order.setSortOrder(kTitle);
        order.sort(&m_feed);
        QCOMPARE(order.rows(), Rows({2, 0, 1})); // b and B equal: by index
        order.setSortOrder(kDate);
        order.sort(&m_feed);
        QCOMPARE(order.rows(), Rows({0, 1, 2}));
        order.setSortOrder(kPosition);
        order.sort(&m_feed);
        QCOMPARE(order.rows(), Rows({0, 1, 2}));
    }

    // A live item without a date of its own is dated by its start, in any
    // of the offsets ISO 8601 writes.
    void sortByDate_datesLiveItemsByTheirStart()
    {
        // The folder of this test has no data of its own: the path is read as text.
        QVERIFY(m_feed.LoadFromFile(QDir::cleanPath(QStringLiteral(TIDREL_TEST_DATA_DIR "/../../core/data/liveitems.xml"))));
        CPostOrder order;
        order.fillAll(&m_feed);
        order.setSortOrder(kDate);
        order.sort(&m_feed);
        QCOMPARE(order.rows(), Rows({0, 2, 1, 3})); // 24 Dec, 8 Nov, 1 Nov 20:00, 1 Nov 10:00
        QVERIFY(m_feed.SetPostAttribute(1, QStringLiteral("start"), QStringLiteral("2026-11-08T23:30:00.000-0600")));
        order.setSortOrder(kDate);
        order.sort(&m_feed);
        QCOMPARE(order.rows(), Rows({0, 1, 2, 3}));
    }

    // Regression: titles sorted by code units put capitals first and accented
    // letters last, and "Post 10" before "Post 2".
    void sortByTitle_readsAsTheUserReads()
    {
        load(postsTitled({"zebra", "Éclair", "apple", "Post 10", "Banana", "Post 2"}));
        CPostOrder order;
        order.setSortOrder(kTitle);
        order.rebuild(&m_feed, QString());
        QCOMPARE(order.rows(), Rows({2, 4, 1, 5, 3, 0}));
    }

    void sort_agreesWithComparison_data()
    {
        QTest::addColumn<int>("sortOrderValue");
        QTest::newRow("position") << int(kPosition);
        QTest::newRow("title") << int(kTitle);
        QTest::newRow("date") << int(kDate);
    }

    // Every post appears once, every neighbour pair in order.
    void sort_agreesWithComparison()
    {
        QFETCH(int, sortOrderValue);
        const auto sortOrder = CPostOrder::SortOrder(sortOrderValue);
        const QList<TestPost> posts = variedPosts(60);
        load(posts);

        CPostOrder order;
        order.setSortOrder(sortOrder);
        order.rebuild(&m_feed, QString());
        Rows seen = order.rows();
        std::sort(seen.begin(), seen.end());
        Rows all(posts.size());
        std::iota(all.begin(), all.end(), 0);
        QCOMPARE(seen, all);
        for (int row = 1; row < order.size(); ++row)
            QVERIFY2(!before(sortOrder, order.postAt(row), order.postAt(row - 1)), qPrintable(QString::number(row)));
    }

    // The keys made for a sort are kept: a sort again, a sort after renames,
    // additions and removals, and the renamed posts moved into a sorted
    // list, give the order the collator gives. The titles share long beginnings and are
    // many, as in a long feed, where keys agree over many bytes.
    void sortByTitle_keepsCollatorOrderAsTitlesChange()
    {
        load(postsTitled(longFeedTitles(700)));
        CPostOrder order;
        order.setSortOrder(kTitle);
        order.sort(&m_feed);
        QCOMPARE(order.rows(), collatorOrder());
        order.setSortOrder(kDate);
        order.sort(&m_feed);
        order.setSortOrder(kTitle);
        order.sort(&m_feed);
        QCOMPARE(order.rows(), collatorOrder());

        QVERIFY(m_feed.SetPostTitle(600, QStringLiteral("Zzz")));
        order.postChanged(600);
        order.sort(&m_feed);
        QCOMPARE(order.rows(), collatorOrder());
        // Into the kept order: one to the front, one beside an equal title.
        QVERIFY(m_feed.SetPostTitle(250, QStringLiteral("Aardvark")));
        order.postChanged(250);
        QVERIFY(m_feed.SetPostTitle(20, m_feed.GetPostTitle(300).toUpper()));
        order.postChanged(20);
        order.sort(&m_feed);
        QCOMPARE(order.rows(), collatorOrder());

        QVERIFY(m_feed.SetPostTitle(3, QStringLiteral("Aardvark")));
        order.postChanged(3);
        QVERIFY(m_feed.SetPostTitle(400, QStringLiteral("weekly news from the city hall, part 10")));
        order.postChanged(400);
        order.rebuild(&m_feed, QString());
        QCOMPARE(order.rows(), collatorOrder());

        QVERIFY(m_feed.RemovePost(5));
        order.postRemoved(5);
        QVERIFY(m_feed.AddNewPost());
        order.postInserted(0);
        QVERIFY(m_feed.SetPostTitle(0, QStringLiteral("Weekly News From The City Hall, Part 2")));
        order.postChanged(0);
        order.sort(&m_feed);
        QCOMPARE(order.rows(), collatorOrder());
    }

    void normalizedFilterText_lowersAndTrimsSpacesAndTabs_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("upper") << "ABC" << "abc";
        QTest::newRow("outer blanks") << " \tAbc \t " << "abc";
        QTest::newRow("inner blanks kept") << " a b " << "a b";
        QTest::newRow("only blanks") << " \t " << "";
        QTest::newRow("line break kept") << "\nab" << "\nab";
        QTest::newRow("cyrillic") << "ПРИВЕТ" << "привет";
    }

    void normalizedFilterText_lowersAndTrimsSpacesAndTabs()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(CPostOrder::normalizedFilterText(text), expected);
    }

    void titleMatchesFilter_ignoresCase_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<bool>("matches");
        QTest::newRow("capitals in title") << "RSS News today" << "rss" << true;
        QTest::newRow("blanks around filter") << "RSS News" << "  rss\t" << true;
        QTest::newRow("capitals in filter") << "the news" << "NEWS" << true;
        QTest::newRow("letters apart") << "R S S" << "rss" << false;
        QTest::newRow("inside a word") << "Headlines" << "dli" << true;
        QTest::newRow("empty filter") << "anything" << "" << true;
        QTest::newRow("no match") << "Weather" << "rss" << false;
        QTest::newRow("cyrillic") << "Новости дня" << "НОВОСТИ" << true;
    }

    void titleMatchesFilter_ignoresCase()
    {
        QFETCH(QString, title);
        QFETCH(QString, filter);
        QFETCH(bool, matches);
        QCOMPARE(CPostOrder::titleMatchesFilter(title, filter), matches);
    }

    void rebuild_keepsMatchesInFeedOrderBeforeSorting()
    {
        load(postsTitled({"zz News", "Weather", "NEWS flash", "a news item", "n e w s"}));
        CPostOrder order;
        order.setSortOrder(kPosition);
        order.rebuild(&m_feed, QStringLiteral(" news "));
        QCOMPARE(order.rows(), Rows({0, 2, 3}));
        order.setSortOrder(kTitle);
        order.rebuild(&m_feed, QStringLiteral("news"));
        QCOMPARE(order.rows(), Rows({3, 2, 0}));
        order.setSortOrder(kPosition);
        order.rebuild(&m_feed, QStringLiteral(" \t"));
        QCOMPARE(order.rows(), Rows({0, 1, 2, 3, 4}));
        order.setSortOrder(kTitle);
        order.rebuild(&m_feed, QString());
        QCOMPARE(order.rows(), Rows({3, 4, 2, 1, 0}));
        order.setSortOrder(kTitle);
        order.rebuild(&m_feed, QStringLiteral("missing"));
        QVERIFY(order.isEmpty());
        // "zz News" ends where "Weather" begins in the string searched.
        order.rebuild(&m_feed, QStringLiteral("sweat"));
        QVERIFY(order.isEmpty());

        // Hits where the text begins a title, right after a near miss, or
        // holds a space.
        load(postsTitled({"Review of 1999", "year 99", "9", "a 9 9 review", "re view", "aa9"}));
        order.forgetPosts();
        order.setSortOrder(kPosition);
        order.rebuild(&m_feed, QStringLiteral("review"));
        QCOMPARE(order.rows(), Rows({0, 3}));
        order.rebuild(&m_feed, QStringLiteral("99"));
        QCOMPARE(order.rows(), Rows({0, 1}));
        order.rebuild(&m_feed, QStringLiteral("9 9"));
        QCOMPARE(order.rows(), Rows({3}));
        order.rebuild(&m_feed, QStringLiteral("a9"));
        QCOMPARE(order.rows(), Rows({5}));
    }

    // The search goes through all titles at once, many bytes at a time: it
    // must find what a search through each title alone finds, wherever a
    // hit lies, whatever the title's letters, and never a text that runs
    // on from one title into the next.
    void filter_findsWhatEachTitleHolds()
    {
        const QStringList pieces = {"a",  "ab", "abc ", "Émile", "ΩMEGA", QStringLiteral("\U0001F600"), "zz",
                                    "ba", "b",  "",     "ñ",     "alpha beta gamma delta", "c"};
        QStringList titles;
        for (int i = 0; i < 1500; ++i) {
            QString title;
            for (int piece = 0; piece < i % 7; ++piece)
                title += pieces.at((i * 5 + piece * 3) % pieces.size());
            titles.append(title);
        }
        load(postsTitled(titles));
        const QStringList filters = {"a",      "ab",     "ba",    "abc a", "émile",     "ω",   "ωmegaa", "zzb",
                                     "cb",     "c",      "ñzz",   "alpha beta gamma delta", "ta gammaa",
                                     QStringLiteral("\U0001F600"), QString(QChar(0xD83D)), "\U0001F600zz", "missing"};
        CPostOrder order;
        for (const QString &filter : filters) {
            Rows expected;
            for (int post = 0; post < m_feed.GetPostCount(); ++post) {
                if (CPostOrder::titleMatchesFilter(m_feed.GetPostTitle(post), filter))
                    expected.push_back(post);
            }
            order.rebuild(&m_feed, filter);
            QCOMPARE(order.rows(), expected);
        }
    }

    void filterInSteps_listsAsRebuildDoes_alsoAfterTheFeedChanges_data()
    {
        QTest::addColumn<int>("sortOrderValue");
        QTest::newRow("position") << int(kPosition);
        QTest::newRow("title") << int(kTitle);
        QTest::newRow("date") << int(kDate);
    }

    // A filter run in steps lists what a whole rebuild lists, in the sort
    // order, also after titles and dates change and posts go and come; the
    // rows stay as they were until its first matches are shown, and once
    // every title is read they show all together.
    void filterInSteps_listsAsRebuildDoes_alsoAfterTheFeedChanges()
    {
        QFETCH(int, sortOrderValue);
        const auto sortOrder = CPostOrder::SortOrder(sortOrderValue);
        load(variedPosts(150));
        CPostOrder order;
        order.setSortOrder(sortOrder);
        order.rebuild(&m_feed, QString());
        QCOMPARE(order.size(), 150);
        const auto rebuilt = [&](const QString &filter) {
            CPostOrder fresh;
            fresh.setSortOrder(sortOrder);
            fresh.rebuild(&m_feed, filter);
            return fresh.rows();
        };

        order.startFilter(&m_feed, QStringLiteral("ALPHA "));
        QVERIFY(!order.filterSome(&m_feed, QDeadlineTimer(QDeadlineTimer::Forever), 5));
        const int firstMatches = order.matchCount();
        QVERIFY(firstMatches >= 5);
        QCOMPARE(order.size(), 150);
        order.showMatches();
        QCOMPARE(order.size(), firstMatches);
        finishInSteps(order);
        QCOMPARE(order.rows(), rebuilt(QStringLiteral("alpha")));

        // Every title is held now: the next filter finds all its matches at
        // once, not a first few.
        order.startFilter(&m_feed, QStringLiteral("beta"));
        QVERIFY(order.filterSome(&m_feed, QDeadlineTimer(QDeadlineTimer::Forever), 5));
        order.showMatches();
        QCOMPARE(order.rows(), rebuilt(QStringLiteral("beta")));
        QVERIFY(order.size() > 5);

        // One title no longer matches, another now does, a post is newest.
        QVERIFY(m_feed.SetPostTitle(10, QStringLiteral("Beta renamed")));
        order.postChanged(10);
        QVERIFY(m_feed.SetPostTitle(12, QStringLiteral("ALPHA renamed")));
        order.postChanged(12);
        QVERIFY(m_feed.SetPostPubDateNow(20));
        order.postChanged(20);
        order.startFilter(&m_feed, QStringLiteral("alpha"));
        finishInSteps(order);
        QCOMPARE(order.rows(), rebuilt(QStringLiteral("alpha")));

        QVERIFY(m_feed.RemovePost(30));
        order.postRemoved(30);
        order.startFilter(&m_feed, QStringLiteral("a"));
        finishInSteps(order);
        QCOMPARE(order.rows(), rebuilt(QStringLiteral("a")));

        QVERIFY(m_feed.AddNewPost());
        order.postInserted(0);
        order.rebuild(&m_feed, QStringLiteral("e"));
        QCOMPARE(order.rows(), rebuilt(QStringLiteral("e")));
    }

    void rowOfPost_andPostAt_outsideGiveMinusOne()
    {
        CPostOrder order;
        QCOMPARE(order.rowOfPost(0), -1);
        QCOMPARE(order.postAt(0), -1);

        load(postsTitled({"c", "a", "b"}));
        order.setSortOrder(kTitle);
        order.rebuild(&m_feed, QString());
        QCOMPARE(order.size(), 3);
        QCOMPARE(order.rowOfPost(0), 2);
        QCOMPARE(order.postAt(0), 1);
        QCOMPARE(order.rowOfPost(3), -1);
        QCOMPARE(order.postAt(-1), -1);
        QCOMPARE(order.postAt(3), -1);

        // The rows looked up follow every change of the rows.
        order.rebuild(&m_feed, QStringLiteral("b"));
        QCOMPARE(order.rowOfPost(2), 0);
        QCOMPARE(order.rowOfPost(0), -1);
        order.startFilter(&m_feed, QStringLiteral("a"));
        QVERIFY(order.filterSome(&m_feed, QDeadlineTimer(QDeadlineTimer::Forever), 10));
        order.showMatches();
        QCOMPARE(order.rowOfPost(1), 0);
        QCOMPARE(order.rowOfPost(2), -1);
        order.fillAll(&m_feed);
        QCOMPARE(order.rowOfPost(2), 2);
        order.clear();
        QCOMPARE(order.rowOfPost(2), -1);
    }

private:
    // Titles and dates with repeats, mixed case, non-ASCII letters,
    // unreadable and future dates.
    static QList<TestPost> variedPosts(int count)
    {
        const QStringList titles = {"alpha", "Alpha", "beta", "Ω omega", "", "Zulu", "émile", "alpha"};
        const QStringList dates = {"01 Mar 2026 09:00:00 GMT", kUnreadableDate, "Tue, 10 Feb 2026 08:30:00 +0100",
                                   "31 Dec 2099 23:59:59 GMT", "", "01 Mar 2026 09:00:00 GMT", "15 jan 1999 00:00:01 GMT"};
        QList<TestPost> posts;
        for (int i = 0; i < count; ++i)
            posts.append({titles.at((i * 7) % titles.size()) + QString::number(i % 3), dates.at((i * 5) % dates.size())});
        return posts;
    }

    // Titles that agree in their first words, in letter case and accents
    // only, or in a number's value; repeats and empty ones among them.
    static QStringList longFeedTitles(int count)
    {
        const QStringList starts = {"Weekly news from the city hall, part ", "weekly news from the city hall, part ",
                                    "Weekly news from the city hall, part 0", "Wéekly news from the city hall, part ",
                                    "Weekly news ", "Week", "", "Zoë's notes "};
        QStringList titles;
        for (int i = 0; i < count; ++i) {
            const QString &start = starts.at((i * 5) % starts.size());
            titles.append(start.isEmpty() ? start : start + QString::number((i * 37) % 101));
        }
        return titles;
    }

    // Every post, in the collator's order; equal titles by index.
    Rows collatorOrder()
    {
        Rows posts(size_t(m_feed.GetPostCount()));
        std::iota(posts.begin(), posts.end(), 0);
        std::stable_sort(posts.begin(), posts.end(), [this](int a, int b) { return before(kTitle, a, b); });
        return posts;
    }

    // Steps with no time to spare, each listing what it found.
    void finishInSteps(CPostOrder &order)
    {
        int steps = 0;
        while (!order.filterSome(&m_feed, QDeadlineTimer(0), std::numeric_limits<int>::max())) {
            order.showMatches();
            ++steps;
        }
        order.showMatches();
        QVERIFY(steps > 1);
    }

    void load(const QList<TestPost> &posts)
    {
        const QString path = m_dir.filePath(QStringLiteral("feed.xml"));
        QVERIFY(writeFeedFile(path, posts));
        QString error;
        QVERIFY2(m_feed.LoadFromFile(path, &error), qPrintable(error));
        QCOMPARE(m_feed.GetPostCount(), posts.size());
    }

    bool before(CPostOrder::SortOrder sortOrder, int a, int b) { return CPostOrder::IsPostBefore(sortOrder, &m_feed, a, b); }

    QTemporaryDir m_dir;
    CRssFeed m_feed;
};

QTEST_GUILESS_MAIN(PostOrderTest)
#include "tst_postorder.moc"
