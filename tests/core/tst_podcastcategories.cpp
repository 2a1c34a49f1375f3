#include "core/PodcastCategories.h"

#include <QTest>

// Apple's podcast categories of 2019.
class TestPodcastCategories : public QObject
{
    Q_OBJECT

private slots:
    void the2019List_exactNamesUnderTheirOwnCategory()
    {
        QVERIFY(CPodcastCategories::isSubcategory("Society & Culture", "Documentary"));
        QVERIFY(CPodcastCategories::isSubcategory("Kids & Family", "Pets & Animals"));
        QVERIFY(!CPodcastCategories::isSubcategory("Arts", "Documentary"));
        QVERIFY(!CPodcastCategories::isSubcategory("Society &amp; Culture", "Documentary"));
        QVERIFY(CPodcastCategories::isCategory("True Crime"));
        QVERIFY(!CPodcastCategories::isCategory("tv & film"));
        QVERIFY(!CPodcastCategories::isCategory("Games & Hobbies")); // retired in 2019

        int subcategories = 0;
        for (const PodcastCategory &category : CPodcastCategories::all())
            subcategories += category.subcategories.size();
        QCOMPARE(CPodcastCategories::all().size(), 19);
        QCOMPARE(subcategories, 91);
    }
};

QTEST_GUILESS_MAIN(TestPodcastCategories)
#include "tst_podcastcategories.moc"
