#include "DocumentTestSupport.h"

#include "core/RssFeed.h"
#include "document/PostOrder.h"
#include "document/RSSEditDoc.h"

#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <vector>

namespace {

const QString kUnreadableDate = QStringLiteral("sometime soon");

} // namespace

class PostOrderTest : public QObject
{
    Q_OBJECT

private slots:
    void init();

    // Comparison
    void isPostBefore_positionOrder();
    void isPostBefore_titleOrdinalUpperCaseFirst();
    void isPostBefore_dateNewestFirstUnreadableAsNow();
    void isPostBefore_twoUnreadableDatesAreEqual();

    // Fast sort
    void sort_titlesGiveUpperCaseFirst();
    void sort_datesGiveUnreadableFirst();
    void sort_position_restoresFeedOrder();
    void sort_agreesWithComparison_data();
    void sort_agreesWithComparison();

    // Filter
    void normalizedFilterText_lowersAndTrimsSpacesAndTabs_data();
    void normalizedFilterText_lowersAndTrimsSpacesAndTabs();
    void titleMatchesFilter_ignoresCase_data();
    void titleMatchesFilter_ignoresCase();
    void rebuild_keepsMatchesInFeedOrderBeforeSorting();
    void rebuild_emptyFilterListsAllPosts();
    void rebuild_noMatchGivesNoRows();

    // Lookups
    void rowOfPost_andPostAt_outsideGiveMinusOne();

private:
    void load(const QList<TestPost> &posts);
    QStringList rowTitles(const CPostOrder &order);

    QTemporaryDir m_dir;
    CRssFeed m_feed;
};

void PostOrderTest::init()
{
    QVERIFY(m_dir.isValid());
    m_feed.ClearFeed();
}

void PostOrderTest::load(const QList<TestPost> &posts)
{
    const QString path = m_dir.filePath(QStringLiteral("feed.xml"));
    QVERIFY(writeFeedFile(path, posts));
    QString error;
    QVERIFY2(m_feed.LoadFromFile(path, &error), qPrintable(error));
    QCOMPARE(m_feed.GetPostCount(), posts.size());
}

QStringList PostOrderTest::rowTitles(const CPostOrder &order)
{
    QStringList titles;
    for (int post : order.rows())
        titles.append(m_feed.GetPostTitle(post));
    return titles;
}

// --- Comparison ---

void PostOrderTest::isPostBefore_positionOrder()
{
    load(postsTitled({QStringLiteral("b"), QStringLiteral("a")}));
    QVERIFY(CPostOrder::IsPostBefore(CRSSEditDoc::SortByPosition, &m_feed, 0, 1));
    QVERIFY(!CPostOrder::IsPostBefore(CRSSEditDoc::SortByPosition, &m_feed, 1, 0));
    QVERIFY(!CPostOrder::IsPostBefore(CRSSEditDoc::SortByPosition, &m_feed, 1, 1));
}

void PostOrderTest::isPostBefore_titleOrdinalUpperCaseFirst()
{
    load(postsTitled({QStringLiteral("b"), QStringLiteral("B"), QStringLiteral("a"), QString(),
                      QStringLiteral("b")}));
    const int title = CRSSEditDoc::SortByTitle;
    QVERIFY(CPostOrder::IsPostBefore(title, &m_feed, 1, 2)); // B before a
    QVERIFY(CPostOrder::IsPostBefore(title, &m_feed, 2, 0)); // a before b
    QVERIFY(!CPostOrder::IsPostBefore(title, &m_feed, 0, 1));
    QVERIFY(CPostOrder::IsPostBefore(title, &m_feed, 3, 1)); // empty first
    QVERIFY(!CPostOrder::IsPostBefore(title, &m_feed, 0, 4)); // equal titles
    QVERIFY(!CPostOrder::IsPostBefore(title, &m_feed, 4, 0));
}

void PostOrderTest::isPostBefore_dateNewestFirstUnreadableAsNow()
{
    load({TestPost{QStringLiteral("1 March"), QStringLiteral("01 Mar 2026 09:00:00 GMT")},
          TestPost{QStringLiteral("2 March"), QStringLiteral("02 Mar 2026 09:00:00 GMT")},
          TestPost{QStringLiteral("unreadable"), kUnreadableDate}});
    const int date = CRSSEditDoc::SortByDate;
    QVERIFY(CPostOrder::IsPostBefore(date, &m_feed, 1, 0));
    QVERIFY(!CPostOrder::IsPostBefore(date, &m_feed, 0, 1));
    QVERIFY(CPostOrder::IsPostBefore(date, &m_feed, 2, 1));
    QVERIFY(!CPostOrder::IsPostBefore(date, &m_feed, 1, 2));
}

void PostOrderTest::isPostBefore_twoUnreadableDatesAreEqual()
{
    load({TestPost{QStringLiteral("x"), kUnreadableDate}, TestPost{QStringLiteral("y"), QString()}});
    QVERIFY(!CPostOrder::IsPostBefore(CRSSEditDoc::SortByDate, &m_feed, 0, 1));
    QVERIFY(!CPostOrder::IsPostBefore(CRSSEditDoc::SortByDate, &m_feed, 1, 0));
}

// --- Fast sort ---

void PostOrderTest::sort_titlesGiveUpperCaseFirst()
{
    load(postsTitled({QStringLiteral("b"), QStringLiteral("B"), QStringLiteral("a")}));
    CPostOrder order;
    order.fillAll(&m_feed);
    order.sort(&m_feed, CRSSEditDoc::SortByTitle);
    QCOMPARE(rowTitles(order), QStringList({QStringLiteral("B"), QStringLiteral("a"), QStringLiteral("b")}));
}

void PostOrderTest::sort_datesGiveUnreadableFirst()
{
    load({TestPost{QStringLiteral("1 March"), QStringLiteral("01 Mar 2026 09:00:00 GMT")},
          TestPost{QStringLiteral("unreadable"), kUnreadableDate},
          TestPost{QStringLiteral("2 March"), QStringLiteral("02 Mar 2026 09:00:00 GMT")}});
    CPostOrder order;
    order.fillAll(&m_feed);
    order.sort(&m_feed, CRSSEditDoc::SortByDate);
    QCOMPARE(rowTitles(order), QStringList({QStringLiteral("unreadable"), QStringLiteral("2 March"),
                                            QStringLiteral("1 March")}));
}

void PostOrderTest::sort_position_restoresFeedOrder()
{
    load(postsTitled({QStringLiteral("c"), QStringLiteral("a"), QStringLiteral("b")}));
    CPostOrder order;
    order.fillAll(&m_feed);
    order.sort(&m_feed, CRSSEditDoc::SortByTitle);
    QCOMPARE(order.rows(), std::vector<int>({1, 2, 0}));
    order.sort(&m_feed, CRSSEditDoc::SortByPosition);
    QCOMPARE(order.rows(), std::vector<int>({0, 1, 2}));
}

void PostOrderTest::sort_agreesWithComparison_data()
{
    QTest::addColumn<int>("sortOrder");
    QTest::newRow("position") << int(CRSSEditDoc::SortByPosition);
    QTest::newRow("title") << int(CRSSEditDoc::SortByTitle);
    QTest::newRow("date") << int(CRSSEditDoc::SortByDate);
}

// Titles and dates with repeats, mixed case, non-ASCII letters, unreadable
// and future dates: every neighbour pair of the sorted rows must be in order
// by the comparison, and every post must appear once.
void PostOrderTest::sort_agreesWithComparison()
{
    QFETCH(int, sortOrder);
    const QStringList titles = {QStringLiteral("alpha"), QStringLiteral("Alpha"), QStringLiteral("beta"),
                                QStringLiteral("Ω omega"), QString(), QStringLiteral("Zulu"),
                                QStringLiteral("émile"), QStringLiteral("alpha")};
    const QStringList dates = {QStringLiteral("01 Mar 2026 09:00:00 GMT"), kUnreadableDate,
                               QStringLiteral("Tue, 10 Feb 2026 08:30:00 +0100"),
                               QStringLiteral("31 Dec 2099 23:59:59 GMT"), QString(),
                               QStringLiteral("01 Mar 2026 09:00:00 GMT"),
                               QStringLiteral("15 jan 1999 00:00:01 GMT")};
    QList<TestPost> posts;
    for (int i = 0; i < 60; ++i) {
        posts.append(TestPost{titles.at((i * 7) % titles.size()) + QString::number(i % 3),
                              dates.at((i * 5) % dates.size())});
    }
    load(posts);

    CPostOrder order;
    order.rebuild(&m_feed, sortOrder, QString());

    std::vector<int> seen = order.rows();
    std::sort(seen.begin(), seen.end());
    std::vector<int> all(posts.size());
    for (int i = 0; i < int(all.size()); ++i)
        all[i] = i;
    QCOMPARE(seen, all);
    for (int row = 1; row < order.size(); ++row) {
        QVERIFY2(!CPostOrder::IsPostBefore(sortOrder, &m_feed, order.postAt(row), order.postAt(row - 1)),
                 qPrintable(QStringLiteral("rows %1 and %2 out of order").arg(row - 1).arg(row)));
    }
}

// --- Filter ---

void PostOrderTest::normalizedFilterText_lowersAndTrimsSpacesAndTabs_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << QStringLiteral("abc") << QStringLiteral("abc");
    QTest::newRow("upper") << QStringLiteral("ABC") << QStringLiteral("abc");
    QTest::newRow("outer blanks") << QStringLiteral(" \tAbc \t ") << QStringLiteral("abc");
    QTest::newRow("inner blanks kept") << QStringLiteral(" a b ") << QStringLiteral("a b");
    QTest::newRow("only blanks") << QStringLiteral(" \t ") << QString();
    QTest::newRow("line break kept") << QStringLiteral("\nab") << QStringLiteral("\nab");
    QTest::newRow("cyrillic") << QStringLiteral("ПРИВЕТ") << QStringLiteral("привет");
}

void PostOrderTest::normalizedFilterText_lowersAndTrimsSpacesAndTabs()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(CPostOrder::normalizedFilterText(text), expected);
}

void PostOrderTest::titleMatchesFilter_ignoresCase_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<bool>("matches");
    QTest::newRow("capitals in title") << QStringLiteral("RSS News today") << QStringLiteral("rss") << true;
    QTest::newRow("blanks around filter") << QStringLiteral("RSS News") << QStringLiteral("  rss\t") << true;
    QTest::newRow("capitals in filter") << QStringLiteral("the news") << QStringLiteral("NEWS") << true;
    QTest::newRow("letters apart") << QStringLiteral("R S S") << QStringLiteral("rss") << false;
    QTest::newRow("inside a word") << QStringLiteral("Headlines") << QStringLiteral("dli") << true;
    QTest::newRow("empty filter") << QStringLiteral("anything") << QString() << true;
    QTest::newRow("no match") << QStringLiteral("Weather") << QStringLiteral("rss") << false;
    QTest::newRow("cyrillic") << QStringLiteral("Новости дня") << QStringLiteral("НОВОСТИ") << true;
}

void PostOrderTest::titleMatchesFilter_ignoresCase()
{
    QFETCH(QString, title);
    QFETCH(QString, filter);
    QFETCH(bool, matches);
    QCOMPARE(CPostOrder::titleMatchesFilter(title, filter), matches);
}

void PostOrderTest::rebuild_keepsMatchesInFeedOrderBeforeSorting()
{
    load(postsTitled({QStringLiteral("zz News"), QStringLiteral("Weather"), QStringLiteral("NEWS flash"),
                      QStringLiteral("a news item"), QStringLiteral("n e w s")}));
    CPostOrder order;
    order.rebuild(&m_feed, CRSSEditDoc::SortByPosition, QStringLiteral(" news "));
    QCOMPARE(order.rows(), std::vector<int>({0, 2, 3}));

    order.rebuild(&m_feed, CRSSEditDoc::SortByTitle, QStringLiteral("news"));
    QCOMPARE(order.rows(), std::vector<int>({2, 3, 0}));
}

void PostOrderTest::rebuild_emptyFilterListsAllPosts()
{
    load(postsTitled({QStringLiteral("b"), QStringLiteral("a")}));
    CPostOrder order;
    order.rebuild(&m_feed, CRSSEditDoc::SortByPosition, QStringLiteral(" \t"));
    QCOMPARE(order.rows(), std::vector<int>({0, 1}));
    order.rebuild(&m_feed, CRSSEditDoc::SortByTitle, QString());
    QCOMPARE(order.rows(), std::vector<int>({1, 0}));
}

void PostOrderTest::rebuild_noMatchGivesNoRows()
{
    load(postsTitled({QStringLiteral("b"), QStringLiteral("a")}));
    CPostOrder order;
    order.fillAll(&m_feed);
    order.rebuild(&m_feed, CRSSEditDoc::SortByTitle, QStringLiteral("missing"));
    QVERIFY(order.isEmpty());
}

// --- Lookups ---

void PostOrderTest::rowOfPost_andPostAt_outsideGiveMinusOne()
{
    CPostOrder order;
    QCOMPARE(order.rowOfPost(0), -1);
    QCOMPARE(order.postAt(0), -1);

    load(postsTitled({QStringLiteral("c"), QStringLiteral("a"), QStringLiteral("b")}));
    order.rebuild(&m_feed, CRSSEditDoc::SortByTitle, QString());
    QCOMPARE(order.size(), 3);
    QCOMPARE(order.rowOfPost(0), 2);
    QCOMPARE(order.postAt(0), 1);
    QCOMPARE(order.rowOfPost(3), -1);
    QCOMPARE(order.postAt(-1), -1);
    QCOMPARE(order.postAt(3), -1);
}

QTEST_GUILESS_MAIN(PostOrderTest)
#include "tst_postorder.moc"
