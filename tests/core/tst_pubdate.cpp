#include "core/PubDate.h"

#include <QLocale>
#include <QRegularExpression>
#include <QTest>

// Publication dates: one English UTC form written; lenient reading, used
// only to order posts newest first.
class TestPubDate : public QObject
{
    Q_OBJECT

private slots:
    // Writing
    void formatPubDate_givesEnglishUtcForm_data();
    void formatPubDate_givesEnglishUtcForm();
    void formatPubDateNow_staysEnglishUnderOtherLocale();

    // Reading
    void monthFromName_readsTableIgnoringCase_data();
    void monthFromName_readsTableIgnoringCase();
    void parsePubDatePattern_readsFixedPattern_data();
    void parsePubDatePattern_readsFixedPattern();
    void parsePubDate_readsClockTimeAsWritten_data();
    void parsePubDate_readsClockTimeAsWritten();
    void parsePubDate_unreadableText_givesNow_data();
    void parsePubDate_unreadableText_givesNow();

    // Ordering
    void comparePubDates_ordersNewestFirst_data();
    void comparePubDates_ordersNewestFirst();
};

static QDateTime clock(int year, int month, int day, int hour, int minute, int second)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second), Qt::UTC);
}

void TestPubDate::formatPubDate_givesEnglishUtcForm_data()
{
    QTest::addColumn<QDateTime>("moment");
    QTest::addColumn<QString>("expected");
    QTest::newRow("morning") << clock(2026, 3, 1, 9, 5, 3) << QStringLiteral("01 Mar 2026 09:05:03 GMT");
    QTest::newRow("evening") << clock(2026, 12, 4, 21, 44, 14) << QStringLiteral("04 Dec 2026 21:44:14 GMT");
    QTest::newRow("midnight") << clock(2027, 1, 31, 0, 0, 0) << QStringLiteral("31 Jan 2027 00:00:00 GMT");
    QTest::newRow("offset moves to UTC")
            << QDateTime(QDate(2027, 1, 1), QTime(1, 30, 0), Qt::OffsetFromUTC, 2 * 3600)
            << QStringLiteral("31 Dec 2026 23:30:00 GMT");
}

void TestPubDate::formatPubDate_givesEnglishUtcForm()
{
    QFETCH(QDateTime, moment);
    QFETCH(QString, expected);
    QCOMPARE(PubDate::FormatPubDate(moment), expected);
}

void TestPubDate::formatPubDateNow_staysEnglishUnderOtherLocale()
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QDateTime before = QDateTime::currentDateTimeUtc();
    const QString text = PubDate::FormatPubDateNow();
    const QDateTime after = QDateTime::currentDateTimeUtc();
    QLocale::setDefault(previous);

    static const QRegularExpression form(QStringLiteral(
            "^\\d\\d (Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec) \\d{4} \\d\\d:\\d\\d:\\d\\d GMT$"));
    QVERIFY2(form.match(text).hasMatch(), qPrintable(text));
    QDateTime read;
    QVERIFY(PubDate::ParsePubDatePattern(text, &read));
    const QDateTime written(read.date(), read.time(), Qt::UTC);
    QVERIFY(written >= before.addSecs(-1) && written <= after);
}

void TestPubDate::monthFromName_readsTableIgnoringCase_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("month");
    const char *const names[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    for (int i = 0; i < 12; ++i)
        QTest::newRow(names[i]) << QString::fromLatin1(names[i]) << i + 1;
    QTest::newRow("lower case") << QStringLiteral("dec") << 12;
    QTest::newRow("upper case") << QStringLiteral("MAY") << 5;
    QTest::newRow("full name") << QStringLiteral("January") << -1;
    QTest::newRow("German") << QStringLiteral("Mai") << -1;
    QTest::newRow("empty") << QString() << -1;
}

void TestPubDate::monthFromName_readsTableIgnoringCase()
{
    QFETCH(QString, name);
    QFETCH(int, month);
    QCOMPARE(PubDate::MonthFromName(name), month);
}

void TestPubDate::parsePubDatePattern_readsFixedPattern_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("read");
    QTest::addColumn<QDateTime>("expected");
    const QDateTime evening = clock(2026, 12, 4, 21, 44, 14);
    QTest::newRow("written form") << QStringLiteral("04 Dec 2026 21:44:14 GMT") << true << evening;
    QTest::newRow("short day, lower month, no zone") << QStringLiteral("4 dec 2026 21:44:14") << true << evening;
    QTest::newRow("any white space") << QStringLiteral(" 4 \t Dec   2026  21:44:14") << true << evening;
    QTest::newRow("offset ignored") << QStringLiteral("04 Dec 2026 21:44:14 +0600") << true << evening;
    QTest::newRow("leading day name") << QStringLiteral("Fri, 04 Dec 2026 21:44:14 GMT") << false << QDateTime();
    QTest::newRow("31 February") << QStringLiteral("31 Feb 2026 10:00:00 GMT") << false << QDateTime();
    QTest::newRow("hour 24") << QStringLiteral("04 Dec 2026 24:00:00") << false << QDateTime();
    QTest::newRow("minute 60") << QStringLiteral("04 Dec 2026 10:60:00") << false << QDateTime();
    QTest::newRow("negative day") << QStringLiteral("-4 Dec 2026 10:00:00") << false << QDateTime();
    QTest::newRow("negative year") << QStringLiteral("04 Dec -2026 10:00:00") << false << QDateTime();
    QTest::newRow("no seconds") << QStringLiteral("04 Dec 2026 21:44") << false << QDateTime();
    QTest::newRow("space before colon") << QStringLiteral("04 Dec 2026 21 :44:14") << false << QDateTime();
    QTest::newRow("unknown month") << QStringLiteral("04 Dez 2026 21:44:14") << false << QDateTime();
    QTest::newRow("month word too long") << QStringLiteral("04 %1 2026 21:44:14").arg(QString(101, u'x'))
                                         << false << QDateTime();
    QTest::newRow("empty") << QString() << false << QDateTime();
}

void TestPubDate::parsePubDatePattern_readsFixedPattern()
{
    QFETCH(QString, text);
    QFETCH(bool, read);
    QFETCH(QDateTime, expected);
    QDateTime result;
    QCOMPARE(PubDate::ParsePubDatePattern(text, &result), read);
    if (read)
        QCOMPARE(result, expected);
}

void TestPubDate::parsePubDate_readsClockTimeAsWritten_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDateTime>("expected");
    const QDateTime evening = clock(2026, 12, 4, 21, 44, 14);
    QTest::newRow("RFC 2822 with GMT") << QStringLiteral("Fri, 04 Dec 2026 21:44:14 GMT") << evening;
    QTest::newRow("RFC 2822 with offset") << QStringLiteral("Fri, 04 Dec 2026 21:44:14 +0600") << evening;
    QTest::newRow("RFC 2822 with zone name") << QStringLiteral("Fri, 4 Dec 2026 21:44:14 EST") << evening;
    QTest::newRow("RFC 2822 without seconds") << QStringLiteral("Fri, 04 Dec 2026 21:44 GMT")
                                              << clock(2026, 12, 4, 21, 44, 0);
    QTest::newRow("written form") << QStringLiteral("04 Dec 2026 21:44:14 GMT") << evening;
    QTest::newRow("fixed pattern, lower case") << QStringLiteral("4 dec 2026 21:44:14") << evening;
}

void TestPubDate::parsePubDate_readsClockTimeAsWritten()
{
    QFETCH(QString, text);
    QFETCH(QDateTime, expected);
    QCOMPARE(PubDate::ParsePubDate(text), expected);
}

void TestPubDate::parsePubDate_unreadableText_givesNow_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("words") << QStringLiteral("yesterday evening");
    QTest::newRow("day name that does not match the date") << QStringLiteral("Sat, 04 Dec 2026 21:44:14 GMT");
    QTest::newRow("31 February") << QStringLiteral("31 Feb 2026 10:00:00 GMT");
}

void TestPubDate::parsePubDate_unreadableText_givesNow()
{
    QFETCH(QString, text);
    const QDateTime local = QDateTime::currentDateTime();
    const QDateTime now(local.date(), local.time(), Qt::UTC);
    const QDateTime result = PubDate::ParsePubDate(text);
    QVERIFY(result.isValid());
    QVERIFY2(qAbs(result.secsTo(now)) <= 2, qPrintable(result.toString(Qt::ISODate)));
}

void TestPubDate::comparePubDates_ordersNewestFirst_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<int>("order");
    QTest::newRow("later first") << QStringLiteral("05 Dec 2026 00:00:00 GMT")
                                 << QStringLiteral("04 Dec 2026 23:59:59 GMT") << -1;
    QTest::newRow("earlier after") << QStringLiteral("Thu, 03 Dec 2026 10:00:00 GMT")
                                   << QStringLiteral("04 Dec 2026 09:00:00 GMT") << 1;
    QTest::newRow("equal") << QStringLiteral("04 Dec 2026 21:44:14 GMT")
                           << QStringLiteral("4 dec 2026 21:44:14") << 0;
    QTest::newRow("zones are not applied") << QStringLiteral("Fri, 04 Dec 2026 21:44:14 +0600")
                                           << QStringLiteral("Fri, 04 Dec 2026 21:44:14 GMT") << 0;
    QTest::newRow("unreadable counts as now") << QStringLiteral("not a date")
                                              << QStringLiteral("04 Dec 2020 21:44:14 GMT") << -1;
    QTest::newRow("two unreadable are equal") << QString() << QStringLiteral("not a date") << 0;
}

void TestPubDate::comparePubDates_ordersNewestFirst()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(int, order);
    QCOMPARE(PubDate::ComparePubDates(a, b), order);
    QCOMPARE(PubDate::ComparePubDates(b, a), -order);
}

QTEST_GUILESS_MAIN(TestPubDate)
#include "tst_pubdate.moc"
