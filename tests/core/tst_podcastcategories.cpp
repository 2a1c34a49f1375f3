#include "core/PodcastCategories.h"

#include <QTest>

// Apple's podcast categories of 2019.
class TestPodcastCategories : public QObject
{
    Q_OBJECT

private slots:
    void isSubcategory_onlyUnderItsOwnCategory()
    {
        QVERIFY(CPodcastCategories::isSubcategory("Society & Culture", "Documentary"));
        QVERIFY(CPodcastCategories::isSubcategory("Arts", "Books"));
        QVERIFY(CPodcastCategories::isSubcategory("Kids & Family", "Pets & Animals"));
        QVERIFY(!CPodcastCategories::isSubcategory("Arts", "Documentary"));
        QVERIFY(!CPodcastCategories::isSubcategory("Nowhere", "Books"));
        QVERIFY(!CPodcastCategories::isSubcategory("Society &amp; Culture", "Documentary"));
    }

    void isCategory_exactNamesOnly()
    {
        QVERIFY(CPodcastCategories::isCategory("TV & Film"));
        QVERIFY(CPodcastCategories::isCategory("True Crime"));
        QVERIFY(!CPodcastCategories::isCategory("tv & film"));
        // Retired in 2019.
        QVERIFY(!CPodcastCategories::isCategory("Games & Hobbies"));
        QVERIFY(!CPodcastCategories::isCategory("Documentary"));
    }

    void all_the2019List()
    {
        const QList<PodcastCategory> &all = CPodcastCategories::all();
        QCOMPARE(all.size(), 19);
        QCOMPARE(all.first().name, QString("Arts"));
        QCOMPARE(all.last().name, QString("TV & Film"));
        int subcategories = 0;
        for (const PodcastCategory &category : all)
            subcategories += category.subcategories.size();
        QCOMPARE(subcategories, 91);
    }
};

QTEST_GUILESS_MAIN(TestPodcastCategories)
#include "tst_podcastcategories.moc"
