#include "core/Rfc822Date.h"
#include "core/ValueCheck.h"

#include <QTest>

// The RFC 822 date grammar and the checks of single field values.
using Verdict = CRfc822Date::Verdict;
Q_DECLARE_METATYPE(CRfc822Date::Verdict)
Q_DECLARE_METATYPE(CValueCheck::EmailForm)
Q_DECLARE_METATYPE(CValueCheck::UrlForm)

static QDateTime utc(int year, int month, int day, int hour, int minute, int second = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second), Qt::UTC);
}

class TestValueCheck : public QObject
{
    Q_OBJECT

private slots:
    // --- RFC 822 dates

    void parse_givesVerdictAndMoment_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Verdict>("verdict");
        QTest::addColumn<QDateTime>("moment");
        const QDateTime none;
        const QDateTime evening = utc(2002, 12, 31, 14, 20, 20);
        QTest::newRow("full form") << "Wed, 02 Oct 2002 13:00:00 GMT" << Verdict::Valid << utc(2002, 10, 2, 13, 0);
        QTest::newRow("no weekday") << "31 Dec 2002 14:20:20 GMT" << Verdict::Valid << evening;
        QTest::newRow("one-digit day") << "1 Dec 2002 14:20:20 +0000" << Verdict::Valid << utc(2002, 12, 1, 14, 20, 20);
        QTest::newRow("no seconds") << "Tue, 31 Dec 2002 14:20 UT" << Verdict::Valid << utc(2002, 12, 31, 14, 20);
        QTest::newRow("Z") << "31 Dec 2002 14:20:20 Z" << Verdict::Valid << evening;
        QTest::newRow("EST is five hours behind") << "31 Dec 2002 14:20:20 EST" << Verdict::Valid << utc(2002, 12, 31, 19, 20, 20);
        QTest::newRow("PDT") << "31 Dec 2002 14:20:20 PDT" << Verdict::Valid << utc(2002, 12, 31, 21, 20, 20);
        QTest::newRow("offset crosses midnight") << "31 Dec 2002 23:30:00 -0130" << Verdict::Valid << utc(2003, 1, 1, 1, 0);
        QTest::newRow("quarter-hour offset") << "31 Dec 2002 14:20:20 +0545" << Verdict::Valid << utc(2002, 12, 31, 8, 35, 20);
        QTest::newRow("leap second") << "31 Dec 2016 23:59:60 GMT" << Verdict::Valid << utc(2016, 12, 31, 23, 59, 59);
        QTest::newRow("white space around") << "\n  31 Dec 2002 14:20:20 GMT \n" << Verdict::Valid << evening;

        QTest::newRow("two-digit year") << "31 Dec 02 14:20:20 GMT" << Verdict::Problematical << evening;
        QTest::newRow("two-digit year of last century") << "31 Dec 99 14:20:20 GMT" << Verdict::Problematical << utc(1999, 12, 31, 14, 20, 20);
        QTest::newRow("comments") << "Thu (oh how I hate thursdays), 16(th) Feb(ruary) 2006 01:39 +0000 (GMT r0x0rz)"
                                  << Verdict::Problematical << utc(2006, 2, 16, 1, 39);
        QTest::newRow("military zone") << "31 Dec 2002 14:20:20 A" << Verdict::Problematical << evening;
        QTest::newRow("no space after comma") << "Sat,29 Jul 2006 00:03:02 +0000" << Verdict::Problematical << utc(2006, 7, 29, 0, 3, 2);
        QTest::newRow("two spaces") << "31 Dec  2002 14:20:20 GMT" << Verdict::Problematical << evening;
        QTest::newRow("tab") << "31\tDec 2002 14:20:20 GMT" << Verdict::Problematical << evening;
        QTest::newRow("odd offset") << "31 Dec 2002 14:20:20 -0234" << Verdict::Problematical << utc(2002, 12, 31, 16, 54, 20);
        QTest::newRow("lower-case month") << "31 dec 2002 14:20:20 GMT" << Verdict::Problematical << evening;
        QTest::newRow("lower-case zone") << "31 Dec 2002 14:20:20 gmt" << Verdict::Problematical << evening;

        QTest::newRow("ISO 8601") << "2002-12-31T01:15:07-05:00" << Verdict::Invalid << none;
        QTest::newRow("31 June") << "Sat, 31 Jun 2006 23:08:26 +1000" << Verdict::Invalid << none;
        QTest::newRow("29 February of a common year") << "29 Feb 2003 10:00:00 GMT" << Verdict::Invalid << none;
        QTest::newRow("wrong weekday") << "Thu, 19 Jul 2006 23:08:26 +1000" << Verdict::Invalid << none;
        QTest::newRow("no zone") << "31 Dec 2002 14:20:20" << Verdict::Invalid << none;
        QTest::newRow("unknown zone") << "31 Dec 2002 14:20:20 CET" << Verdict::Invalid << none;
        QTest::newRow("J is no zone") << "31 Dec 2002 14:20:20 J" << Verdict::Invalid << none;
        QTest::newRow("hour 24") << "31 Dec 2002 24:00:00 GMT" << Verdict::Invalid << none;
        QTest::newRow("offset of 75 minutes") << "31 Dec 2002 14:20:20 +0075" << Verdict::Invalid << none;
        QTest::newRow("three-digit offset") << "31 Dec 2002 14:20:20 +100" << Verdict::Invalid << none;
        QTest::newRow("month name in full") << "31 December 2002 14:20:20 GMT" << Verdict::Invalid << none;
        QTest::newRow("day name in full") << "Tuesday, 31 Dec 2002 14:20:20 GMT" << Verdict::Invalid << none;
        QTest::newRow("day name without comma") << "Tue 31 Dec 2002 14:20:20 GMT" << Verdict::Invalid << none;
        QTest::newRow("month first") << "Dec 31 2002 14:20:20 GMT" << Verdict::Invalid << none;
        QTest::newRow("text after zone") << "31 Dec 2002 14:20:20 GMT tomorrow" << Verdict::Invalid << none;
        QTest::newRow("open comment") << "31 Dec 2002 14:20:20 GMT (note" << Verdict::Invalid << none;
        QTest::newRow("empty") << "" << Verdict::Invalid << none;
    }

    void parse_givesVerdictAndMoment()
    {
        QFETCH(QString, text);
        QFETCH(Verdict, verdict);
        QFETCH(QDateTime, moment);
        const CRfc822Date date = CRfc822Date::Parse(text);
        QCOMPARE(date.verdict(), verdict);
        QCOMPARE(date.moment(), moment);
        QCOMPARE(date.problem().isEmpty(), verdict == Verdict::Valid);
    }

    void parse_namesTheProblem()
    {
        QCOMPARE(CRfc822Date::Parse("Thu, 19 Jul 2006 23:08:26 +1000").problem(), "19 Jul 2006 is a Wed, not a Thu.");
        QCOMPARE(CRfc822Date::Parse("Sat, 31 Jun 2006 23:08:26 +1000").problem(), "There is no day 31 in Jun 2006.");
        QVERIFY(CRfc822Date::Parse("31 Dec 02 14:20:20 GMT").problem().contains("four"));
        QVERIFY(CRfc822Date::Parse("31 Dec 2002 14:20:20 -0234").problem().contains("-0234"));
    }

    // --- Dates far from now

    void datePlausibility_warnsOfFutureAndAncientDates()
    {
        const QDateTime now = utc(2026, 12, 6, 12, 0);
        QVERIFY(CValueCheck::DatePlausibility(now.addSecs(10 * 60), now).isEmpty());
        QVERIFY(CValueCheck::DatePlausibility(now.addSecs(10 * 60 + 1), now).contains("future"));
        QVERIFY(CValueCheck::DatePlausibility(utc(1990, 1, 1, 0, 0), now).isEmpty());
        QVERIFY(CValueCheck::DatePlausibility(utc(1989, 12, 31, 23, 59), now).contains("1990"));
        QVERIFY(CValueCheck::Date("Wed, 02 Oct 2002 13:00:00 GMT").isEmpty());
        QVERIFY(CValueCheck::Date("02 Oct 2999 13:00:00 GMT").contains("future"));
        QVERIFY(!CValueCheck::Date("02 Oct 2002").isEmpty());
    }

    // --- E-mail

    void classifyEmail_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<CValueCheck::EmailForm>("form");
        using Form = CValueCheck::EmailForm;
        QTest::newRow("address and name") << "jo@example.org (Jo Smith)" << Form::Valid;
        QTest::newRow("dotted local part, no space") << "jo.smith+rss@mail.example.org(Jo)" << Form::Valid;
        QTest::newRow("address only") << "user@example.com" << Form::AddressOnly;
        QTest::newRow("empty name") << "user@example.com ( )" << Form::Invalid;
        QTest::newRow("name and angled address") << "John Smith <jsmith@example.org>" << Form::OtherForm;
        QTest::newRow("mailto URL") << "mailto:John%20Smith%20%3Cjsmith%40example%2Eorg%3E?subject=x" << Form::OtherForm;
        QTest::newRow("jumbled") << "John Smith (mailto:jsmith@example.org)" << Form::Invalid;
        QTest::newRow("name only") << "John Smith" << Form::Invalid;
        QTest::newRow("two at signs") << "jo@@example.org (Jo)" << Form::Invalid;
        QTest::newRow("empty") << "" << Form::Invalid;
    }

    void classifyEmail()
    {
        QFETCH(QString, text);
        QFETCH(CValueCheck::EmailForm, form);
        QCOMPARE(CValueCheck::ClassifyEmail(text), form);
        QCOMPARE(CValueCheck::Email(text).isEmpty(), form == CValueCheck::EmailForm::Valid);
    }

    // --- URLs

    void classifyUrl_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<CValueCheck::UrlForm>("form");
        using Form = CValueCheck::UrlForm;
        QTest::newRow("http") << "http://purl.org/rss/2.0/" << Form::Valid;
        QTest::newRow("one-label host and query") << "http://purl/org/rss/2.0/?item" << Form::Valid;
        QTest::newRow("commas") << "http://www.wired.com/news/school/0,1383,54916,00.html" << Form::Valid;
        QTest::newRow("punycode") << "http://www.xn--8ws00zhy3a.com/" << Form::Valid;
        QTest::newRow("port") << "https://example.com:8080/" << Form::Valid;
        QTest::newRow("ftp") << "ftp://purl.org/rss/2.0/" << Form::Valid;
        QTest::newRow("mailto") << "mailto:me@example.com" << Form::Valid;
        QTest::newRow("feed scheme") << "feed://example.com/index.xml" << Form::UnusualScheme;
        QTest::newRow("javascript") << "javascript:alert('foo')" << Form::UnusualScheme;
        QTest::newRow("no scheme") << "purl.org/rss/2.0/" << Form::NotAbsolute;
        QTest::newRow("slash for colon") << "http/backend.userland.com/rss" << Form::NotAbsolute;
        QTest::newRow("relative") << "image.jpg" << Form::NotAbsolute;
        QTest::newRow("http without host") << "http:/example.com" << Form::NotAbsolute;
        QTest::newRow("space inside") << "http://example.com/a b" << Form::NotAbsolute;
        QTest::newRow("empty") << "" << Form::NotAbsolute;
    }

    void classifyUrl()
    {
        QFETCH(QString, text);
        QFETCH(CValueCheck::UrlForm, form);
        QCOMPARE(CValueCheck::ClassifyUrl(text), form);
        QCOMPARE(CValueCheck::AbsoluteUrl(text).isEmpty(), form == CValueCheck::UrlForm::Valid);
    }

    // --- Integers, media types

    void integerInRange()
    {
        constexpr qint64 any = std::numeric_limits<qint64>::max();
        const struct { const char *text; qint64 min, max; bool fine; } cases[] = {
                {"1", 1, 144, true}, {"144", 1, 144, true}, {"145", 1, 144, false}, {"-1", 1, 144, false},
                {"1.5", 1, 1000, false}, {"", 0, 10, false}, {"0", 0, any, true}, {"12345678901", 0, any, true},
                {"99999999999999999999", 0, any, false}, {"0x10", 0, 100, false}};
        for (const auto &c : cases)
            QVERIFY2(CValueCheck::IntegerInRange(c.text, c.min, c.max).isEmpty() == c.fine, c.text);
    }

    // A note says how to put the value right.
    void notes_nameTheFix()
    {
        QCOMPARE(CValueCheck::IntegerInRange("145", 1, 144), "Write a whole number from 1 to 144.");
        QCOMPARE(CValueCheck::IntegerInRange("12.0", 0), "Write a whole number of 0 or more.");
        QCOMPARE(CValueCheck::AbsoluteUrl("http://example.com/a b"), "The address holds a space; write a space in an address as %20.");
        QVERIFY(CValueCheck::AbsoluteUrl("example.com").startsWith("Not a full address"));
    }

    // (Language codes are checked beside the drop-down's list in
    // tst_podcastnamespace.)
    void mimeType()
    {
        for (const char *fine : {"audio/mpeg", "text/html; charset=\"utf-8\"", "application/vnd.apple.mpegurl"})
            QVERIFY2(CValueCheck::MimeType(fine).isEmpty(), fine);
        for (const char *wrong : {"mp3", "audio/mpeg/x", ""})
            QVERIFY2(!CValueCheck::MimeType(wrong).isEmpty(), wrong);
    }
};

QTEST_GUILESS_MAIN(TestValueCheck)
#include "tst_valuecheck.moc"
