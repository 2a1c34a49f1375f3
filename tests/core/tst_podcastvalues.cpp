#include "core/PodcastValues.h"

#include <QTest>

// The forms of the podcast namespace's times, numbers, places and
// identifiers: the documents' own examples pass, near misses are noted.
class TestPodcastValues : public QObject
{
    Q_OBJECT

private slots:
    void checks_passTheNamespaceFormsOnly_data()
    {
        QTest::addColumn<QString>("check");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("fine");
        const struct
        {
            const char *check;
            const char *value;
            bool fine;
        } cases[] = {
            {"seconds", "73.0", true}, {"seconds", "60", true}, {"seconds", "1:13", false}, {"seconds", "-5", false},
            {"decimal", "315.5", true}, {"decimal", "5th", false}, {"decimal", "\xD9\xA3", false}, {"decimal", "3.", false},
            {"date", "2023-08-28T00:00:00.000Z", true}, {"date", "2025-01-01", true},
            {"date", "2021-09-26 07:30:00.000-0600", true}, {"date", "2021-02-30", false},
            {"date", "2021-09-26T24:00Z", false}, {"date", "Mon, 28 Aug 2023 00:00:00 GMT", false},
            {"uuid", "917393e3-1b1e-5cef-ace4-edaa54e1f810", true}, {"uuid", "917393e3-1b1e-5cef-ace4", false},
            {"uuid", "{917393e3-1b1e-5cef-ace4-edaa54e1f810}", false},
            {"geo", "geo:30.2672,97.7431", true}, {"geo", "geo:-27.86159,153.3169", true},
            {"geo", "geo:-27.86,153.31,10;u=35", true}, {"geo", "geo:30.2672,97.7431;crs=wgs84", true},
            {"geo", "30.2672,97.7431", false}, {"geo", "geo:30.2672", false},
            {"osm", "R113314", true}, {"osm", "W43678282", true}, {"osm", "113314", false},
            {"percentage", "95", true}, {"percentage", "100.5", false},
        };
        for (const auto &c : cases)
            QTest::addRow("%s %s", c.check, c.value) << QString::fromLatin1(c.check) << QString::fromUtf8(c.value) << c.fine;
    }

    void checks_passTheNamespaceFormsOnly()
    {
        QFETCH(QString, check);
        QFETCH(QString, value);
        QFETCH(bool, fine);
        const QHash<QString, QString (*)(const QString &)> checks = {
            {QStringLiteral("seconds"), &CPodcastValues::Seconds}, {QStringLiteral("decimal"), &CPodcastValues::Decimal},
            {QStringLiteral("date"), &CPodcastValues::IsoDate},   {QStringLiteral("uuid"), &CPodcastValues::Uuid},
            {QStringLiteral("geo"), &CPodcastValues::Geo},        {QStringLiteral("osm"), &CPodcastValues::Osm},
            {QStringLiteral("percentage"), &CPodcastValues::Percentage},
        };
        const QString note = checks.value(check)(value);
        QCOMPARE(note.isEmpty(), fine);
    }
};

QTEST_GUILESS_MAIN(TestPodcastValues)
#include "tst_podcastvalues.moc"
