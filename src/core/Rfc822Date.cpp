#include "core/Rfc822Date.h"

#include <QCoreApplication>

#include <optional>

namespace {

const char *const kDayNames[7] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
const char *const kMonthNames[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                     "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

struct NamedZone
{
    const char *name;
    int minutes;
};

const NamedZone kNamedZones[] = {{"UT", 0},     {"GMT", 0},    {"Z", 0},      {"EST", -300},
                                 {"EDT", -240}, {"CST", -360}, {"CDT", -300}, {"MST", -420},
                                 {"MDT", -360}, {"PST", -480}, {"PDT", -420}};

const QString kForm = QStringLiteral("\"Wed, 02 Oct 2002 13:00:00 GMT\"");

// 0-based index of `word` in `names`, compared ignoring case; -1 when absent.
// *exactCase tells whether the letters match the table's.
int indexOf(QStringView word, const char *const *names, int count, bool *exactCase)
{
    for (int i = 0; i < count; ++i) {
        const QLatin1String name(names[i]);
        if (word.compare(name, Qt::CaseInsensitive) == 0) {
            *exactCase = word == name;
            return i;
        }
    }
    return -1;
}

// The text without its comments, "(...)" with nesting; nullopt when the
// parentheses do not balance.
std::optional<QString> withoutComments(const QString &text)
{
    QString result;
    int depth = 0;
    for (const QChar c : text) {
        if (c == u'(') {
            ++depth;
        } else if (c == u')') {
            if (--depth < 0)
                return std::nullopt;
        } else if (depth == 0) {
            result += c;
        }
    }
    if (depth != 0)
        return std::nullopt;
    return result;
}

// Walks the date text one token at a time.
class Reader
{
public:
    explicit Reader(QStringView text) : m_text(text) {}

    bool atEnd() const { return m_pos >= m_text.size(); }
    bool nextIsLetter() const { return !atEnd() && isAsciiLetter(m_text[m_pos]); }

    // Skips white space and returns it.
    QStringView space()
    {
        const qsizetype start = m_pos;
        while (!atEnd() && m_text[m_pos].isSpace())
            ++m_pos;
        return m_text.mid(start, m_pos - start);
    }

    QStringView letters()
    {
        const qsizetype start = m_pos;
        while (nextIsLetter())
            ++m_pos;
        return m_text.mid(start, m_pos - start);
    }

    QStringView digits()
    {
        const qsizetype start = m_pos;
        while (!atEnd() && m_text[m_pos] >= u'0' && m_text[m_pos] <= u'9')
            ++m_pos;
        return m_text.mid(start, m_pos - start);
    }

    bool take(QChar c)
    {
        if (atEnd() || m_text[m_pos] != c)
            return false;
        ++m_pos;
        return true;
    }

private:
    static bool isAsciiLetter(QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }

    QStringView m_text;
    qsizetype m_pos = 0;
};

// The parts of a date that follow the grammar, before their values are checked.
struct Parts
{
    int weekday = 0; // 1 = Monday, 0 = not given
    int day = 0;
    int month = 0;
    int year = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int zoneMinutes = 0;
};

// Reads one date, collecting the first problem of each kind.
class DateGrammar
{
public:
    QString invalid;
    QString problematical;

    std::optional<Parts> read(const QString &text)
    {
        QString body = text.trimmed();
        if (body.contains(u'(') || body.contains(u')')) {
            const std::optional<QString> stripped = withoutComments(body);
            if (!stripped) {
                fail(QCoreApplication::translate("Rfc822Date", "The date's parentheses do not pair up."));
                return std::nullopt;
            }
            note(QCoreApplication::translate("Rfc822Date", "The date holds a comment in parentheses, which many readers cannot read."));
            body = stripped->trimmed();
        }
        Reader reader(body);
        Parts parts;
        if (reader.nextIsLetter() && !readWeekday(reader, &parts))
            return std::nullopt;
        if (!readDate(reader, &parts) || !readTime(reader, &parts) || !readZone(reader, &parts))
            return std::nullopt;
        return parts;
    }

private:
    bool fail(const QString &why)
    {
        invalid = why;
        return false;
    }

    bool failForm() { return fail(QCoreApplication::translate("Rfc822Date", "Not a date in the form %1.").arg(kForm)); }

    void note(const QString &why)
    {
        if (problematical.isEmpty())
            problematical = why;
    }

    // Between two parts of the date: one space.
    void space(Reader &reader) { spacing(reader.space() == u" "); }

    void spacing(bool asWritten)
    {
        if (!asWritten)
            note(QCoreApplication::translate("Rfc822Date", "The date has missing or extra spaces; write one space between its parts."));
    }

    void checkCase(bool exactCase, QStringView word, const char *expected)
    {
        if (!exactCase)
            note(QCoreApplication::translate("Rfc822Date", "Write \"%1\" as \"%2\".").arg(word.toString(), QLatin1String(expected)));
    }

    bool readWeekday(Reader &reader, Parts *parts)
    {
        const QStringView word = reader.letters();
        bool exactCase = true;
        const int index = indexOf(word, kDayNames, 7, &exactCase);
        if (index < 0)
            return failForm();
        checkCase(exactCase, word, kDayNames[index]);
        spacing(reader.space().isEmpty());
        if (!reader.take(u','))
            return fail(QCoreApplication::translate("Rfc822Date", "A comma must follow the day name (\"%1,\").").arg(QLatin1String(kDayNames[index])));
        space(reader);
        parts->weekday = index + 1;
        return true;
    }

    bool readDate(Reader &reader, Parts *parts)
    {
        const QStringView day = reader.digits();
        if (day.isEmpty() || day.size() > 2)
            return failForm();
        space(reader);
        const QStringView monthWord = reader.letters();
        bool exactCase = true;
        const int month = indexOf(monthWord, kMonthNames, 12, &exactCase);
        if (month < 0)
            return failForm();
        checkCase(exactCase, monthWord, kMonthNames[month]);
        space(reader);
        const QStringView year = reader.digits();
        if (year.size() < 2 || year.size() > 4)
            return failForm();
        parts->day = day.toInt();
        parts->month = month + 1;
        parts->year = year.toInt();
        if (year.size() < 4) {
            note(QCoreApplication::translate("Rfc822Date", "The year has %1 digits; write all four.").arg(year.size()));
            // RFC 2822's reading of old years: 00-49 are 2000-2049, the rest 1900 on.
            parts->year += year.size() == 2 && parts->year < 50 ? 2000 : 1900;
        }
        return true;
    }

    bool readTime(Reader &reader, Parts *parts)
    {
        space(reader);
        const QStringView hour = reader.digits();
        if (hour.isEmpty() || hour.size() > 2 || !reader.take(u':'))
            return failForm();
        const QStringView minute = reader.digits();
        if (minute.size() != 2)
            return failForm();
        parts->hour = hour.toInt();
        parts->minute = minute.toInt();
        if (reader.take(u':')) {
            const QStringView second = reader.digits();
            if (second.size() != 2)
                return failForm();
            parts->second = second.toInt();
        }
        if (hour.size() == 1)
            note(QCoreApplication::translate("Rfc822Date", "Write the hour with two digits."));
        return true;
    }

    bool readZone(Reader &reader, Parts *parts)
    {
        const bool oneSpace = reader.space() == u" ";
        if (reader.atEnd())
            return fail(QCoreApplication::translate("Rfc822Date", "The date has no time zone; end it with GMT or an offset such as +0000."));
        spacing(oneSpace);
        if (reader.take(u'+'))
            return readOffset(reader, 1, parts);
        if (reader.take(u'-'))
            return readOffset(reader, -1, parts);
        const QStringView name = reader.letters();
        if (!reader.atEnd() || name.isEmpty())
            return failForm();
        for (const NamedZone &zone : kNamedZones) {
            if (name.compare(QLatin1String(zone.name), Qt::CaseInsensitive) == 0) {
                checkCase(name == QLatin1String(zone.name), name, zone.name);
                parts->zoneMinutes = zone.minutes;
                return true;
            }
        }
        const QChar letter = name.size() == 1 ? name[0].toUpper() : QChar();
        if (letter.isNull() || letter == u'J')
            return fail(QCoreApplication::translate("Rfc822Date", "\"%1\" is not a time zone; use GMT or an offset such as +0000.").arg(name.toString()));
        // Military letters: RFC 1123 notes their signs were given backwards,
        // so readers take them as an unknown zone, that is UTC.
        note(QCoreApplication::translate("Rfc822Date", "The zone \"%1\" is a military letter that readers take differently; use GMT or an "
                            "offset such as +0000.").arg(name.toString()));
        return true;
    }

    bool readOffset(Reader &reader, int sign, Parts *parts)
    {
        const QStringView digits = reader.digits();
        if (digits.size() != 4 || !reader.atEnd())
            return failForm();
        const int hours = digits.left(2).toInt();
        const int minutes = digits.mid(2).toInt();
        if (minutes > 59)
            return fail(QCoreApplication::translate("Rfc822Date", "The zone offset %1 has more than 59 minutes.").arg(digits.toString()));
        // Every zone in use is a whole, half or three-quarter hour from UTC,
        // at most 14 hours away.
        if ((minutes != 0 && minutes != 30 && minutes != 45) || hours > 14)
            note(QCoreApplication::translate("Rfc822Date", "The zone offset %1%2 is not one any place uses.")
                         .arg(QChar(sign > 0 ? u'+' : u'-')).arg(digits.toString()));
        parts->zoneMinutes = sign * (hours * 60 + minutes);
        return true;
    }
};

} // namespace

CRfc822Date CRfc822Date::Parse(const QString &text)
{
    CRfc822Date result;
    DateGrammar grammar;
    const std::optional<Parts> parts = grammar.read(text);
    if (!parts) {
        result.m_problem = grammar.invalid;
        return result;
    }
    const QDate date(parts->year, parts->month, parts->day);
    if (!date.isValid()) {
        result.m_problem = QCoreApplication::translate("Rfc822Date", "There is no day %1 in %2 %3.")
                                   .arg(parts->day)
                                   .arg(QLatin1String(kMonthNames[parts->month - 1]))
                                   .arg(parts->year);
        return result;
    }
    if (parts->hour > 23 || parts->minute > 59 || parts->second > 60) {
        result.m_problem = QCoreApplication::translate("Rfc822Date", "The time of day is out of range.");
        return result;
    }
    if (parts->weekday != 0 && parts->weekday != date.dayOfWeek()) {
        result.m_problem = QCoreApplication::translate("Rfc822Date", "%1 %2 %3 is a %4, not a %5.")
                                   .arg(parts->day)
                                   .arg(QLatin1String(kMonthNames[parts->month - 1]))
                                   .arg(parts->year)
                                   .arg(QLatin1String(kDayNames[date.dayOfWeek() - 1]),
                                        QLatin1String(kDayNames[parts->weekday - 1]));
        return result;
    }
    // A leap second is kept as the second before it.
    const QTime time(parts->hour, parts->minute, qMin(parts->second, 59));
    result.m_moment = QDateTime(date, time, Qt::OffsetFromUTC, parts->zoneMinutes * 60).toUTC();
    result.m_problem = grammar.problematical;
    result.m_verdict = grammar.problematical.isEmpty() ? Verdict::Valid : Verdict::Problematical;
    return result;
}
