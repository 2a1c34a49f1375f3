#include "core/PubDate.h"

#include <QLocale>
#include <QRegularExpression>
#include <QTest>

// Publication dates: one English UTC form written; lenient reading, used
// only to order posts newest first. The month names are read through the
// fixed pattern's rows.
static QDateTime utc(int year, int month, int day, int hour, int minute, int second)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second), Qt::UTC);
}

static const QDateTime kEvening = utc(2026, 12, 4, 21, 44, 14);

class TestPubDate : public QObject
{
    Q_OBJECT

private slots:
    void formatPubDate_givesEnglishUtcForm_data()
    {
        QTest::addColumn<QDateTime>("moment");
        QTest::addColumn<QString>("expected");
        QTest::newRow("leading zeros") << utc(2026, 3, 1, 9, 5, 3) << "Sun, 01 Mar 2026 09:05:03 GMT";
        QTest::newRow("evening") << kEvening << "Fri, 04 Dec 2026 21:44:14 GMT";
        QTest::newRow("offset moves to UTC") << QDateTime(QDate(2027, 1, 1), QTime(1, 30), Qt::OffsetFromUTC, 7200) << "Thu, 31 Dec 2026 23:30:00 GMT";
    }

    void formatPubDate_givesEnglishUtcForm()
    {
        QFETCH(QDateTime, moment);
        QFETCH(QString, expected);
        QCOMPARE(PubDate::FormatPubDate(moment), expected);
    }

    void formatPubDateNow_staysEnglishUnderOtherLocale()
    {
        const QLocale previous;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const QDateTime before = QDateTime::currentDateTimeUtc();
        const QString text = PubDate::FormatPubDateNow();
        const QDateTime after = QDateTime::currentDateTimeUtc();
        QLocale::setDefault(previous);

        static const QRegularExpression form(
                "^(Mon|Tue|Wed|Thu|Fri|Sat|Sun), \\d\\d (Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec) \\d{4} \\d\\d:\\d\\d:\\d\\d GMT$");
        QVERIFY2(form.match(text).hasMatch(), qPrintable(text));
        QDateTime read;
        QVERIFY(PubDate::ParsePubDatePattern(text, &read));
        const QDateTime written(read.date(), read.time(), Qt::UTC);
        QVERIFY(written >= before.addSecs(-1) && written <= after);
    }

    void parsePubDatePattern_readsFixedPattern_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("read");
        QTest::newRow("written form") << "Fri, 04 Dec 2026 21:44:14 GMT" << true;
        QTest::newRow("no day name") << "04 Dec 2026 21:44:14 GMT" << true;
        QTest::newRow("short day, lower month, no zone") << "4 dec 2026 21:44:14" << true;
        QTest::newRow("any white space") << " 4 \t Dec   2026  21:44:14" << true;
        QTest::newRow("offset ignored") << "04 Dec 2026 21:44:14 +0600" << true;
        QTest::newRow("day name, no comma") << "Fri 04 Dec 2026 21:44:14 GMT" << false;
        QTest::newRow("another day's name") << "Sat, 04 Dec 2026 21:44:14 GMT" << false;
        QTest::newRow("31 February") << "31 Feb 2026 10:00:00 GMT" << false;
        QTest::newRow("hour 24") << "04 Dec 2026 24:00:00" << false;
        QTest::newRow("minute 60") << "04 Dec 2026 10:60:00" << false;
        QTest::newRow("negative day") << "-4 Dec 2026 10:00:00" << false;
        QTest::newRow("negative year") << "04 Dec -2026 10:00:00" << false;
        QTest::newRow("no seconds") << "04 Dec 2026 21:44" << false;
        QTest::newRow("space before colon") << "04 Dec 2026 21 :44:14" << false;
        QTest::newRow("unknown month") << "04 Dez 2026 21:44:14" << false;
        QTest::newRow("month word too long") << "04 " + QString(101, u'x') + " 2026 21:44:14" << false;
        QTest::newRow("empty") << "" << false;
    }

    void parsePubDatePattern_readsFixedPattern()
    {
        QFETCH(QString, text);
        QFETCH(bool, read);
        QDateTime result;
        QCOMPARE(PubDate::ParsePubDatePattern(text, &result), read);
        if (read)
            QCOMPARE(result, kEvening);
    }

    void parsePubDateOr_readsClockTimeAsWritten_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDateTime>("expected");
        QTest::newRow("RFC 2822 with GMT") << "Fri, 04 Dec 2026 21:44:14 GMT" << kEvening;
        QTest::newRow("RFC 2822 with offset") << "Fri, 04 Dec 2026 21:44:14 +0600" << kEvening;
        QTest::newRow("RFC 2822 with zone name") << "Fri, 4 Dec 2026 21:44:14 EST" << kEvening;
        QTest::newRow("RFC 2822 without seconds") << "Fri, 04 Dec 2026 21:44 GMT" << utc(2026, 12, 4, 21, 44, 0);
        QTest::newRow("fixed pattern, lower case") << "4 dec 2026 21:44:14" << kEvening;
        QTest::newRow("no such day: the fallback") << "Sat, 04 Dec 2026 21:44:14 GMT" << QDateTime();
    }

    void parsePubDateOr_readsClockTimeAsWritten()
    {
        QFETCH(QString, text);
        QFETCH(QDateTime, expected);
        QCOMPARE(PubDate::ParsePubDateOr(text, QDateTime()), expected);
    }
};

QTEST_GUILESS_MAIN(TestPubDate)
#include "tst_pubdate.moc"
