#include "core/PubDate.h"

#include <QLocale>

namespace PubDate {

namespace {

const char *const kMonthNames[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                     "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const char *const kDayNames[7] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};

// The longest month word the fixed pattern takes; longer words are unreadable.
constexpr int kMaxMonthWordLength = 100;

// Dates are compared as the clock time they show, whatever zone they name.
// Keeping that clock time in a UTC value avoids daylight-saving gaps.
QDateTime asWrittenClockTime(const QDate &date, const QTime &time)
{
    return QDateTime(date, QTime(time.hour(), time.minute(), time.second()), Qt::UTC);
}

QDateTime localNow()
{
    const QDateTime now = QDateTime::currentDateTime();
    return asWrittenClockTime(now.date(), now.time());
}

// A small reader with the rules of "%d %s %d %d:%d:%d": numbers and the word
// skip leading white space, the colons must follow directly.
class PatternReader
{
public:
    explicit PatternReader(const QString &text) : m_text(text) {}

    bool readNumber(int *value)
    {
        skipSpace();
        int pos = m_pos;
        bool negative = false;
        if (pos < m_text.size() && (m_text[pos] == u'-' || m_text[pos] == u'+')) {
            negative = m_text[pos] == u'-';
            ++pos;
        }
        const int digitsStart = pos;
        qint64 number = 0;
        while (pos < m_text.size() && m_text[pos] >= u'0' && m_text[pos] <= u'9') {
            number = number * 10 + (m_text[pos].unicode() - u'0');
            if (number > 99999999)
                return false;
            ++pos;
        }
        if (pos == digitsStart)
            return false;
        m_pos = pos;
        *value = int(negative ? -number : number);
        return true;
    }

    bool readWord(QString *word)
    {
        skipSpace();
        const int start = m_pos;
        while (m_pos < m_text.size() && !m_text[m_pos].isSpace())
            ++m_pos;
        *word = m_text.mid(start, m_pos - start);
        return !word->isEmpty();
    }

    // A day name and its comma ("Fri,"): 1 to 7 for Monday to Sunday, 0
    // when there is none.
    int readDayName()
    {
        skipSpace();
        const QStringView rest = QStringView(m_text).mid(m_pos);
        for (int day = 0; day < 7; ++day) {
            if (rest.startsWith(QLatin1String(kDayNames[day]), Qt::CaseInsensitive) && rest.mid(3).startsWith(u',')) {
                m_pos += 4;
                return day + 1;
            }
        }
        return 0;
    }

    bool readChar(QChar expected)
    {
        if (m_pos < m_text.size() && m_text[m_pos] == expected) {
            ++m_pos;
            return true;
        }
        return false;
    }

private:
    void skipSpace()
    {
        while (m_pos < m_text.size() && m_text[m_pos].isSpace())
            ++m_pos;
    }

    const QString &m_text;
    int m_pos = 0;
};

// Qt reads RFC 2822 dates with a numeric zone or none, while feeds mostly
// end theirs with "GMT" or another zone name. Zones are ignored anyway, so a
// trailing zone name is dropped before Qt reads the text.
QString withoutZoneName(const QString &text)
{
    const QStringView trimmed = QStringView(text).trimmed();
    qsizetype start = trimmed.size();
    while (start > 0 && trimmed[start - 1].unicode() < 128 && trimmed[start - 1].isLetter())
        --start;
    if (start == trimmed.size() || start == 0 || !trimmed[start - 1].isSpace())
        return text;
    return trimmed.left(start).trimmed().toString();
}

QDateTime parseWithPlatform(const QString &text)
{
    const QDateTime rfc = QDateTime::fromString(withoutZoneName(text), Qt::RFC2822Date);
    if (rfc.isValid())
        return asWrittenClockTime(rfc.date(), rfc.time());

    const QLocale locale = QLocale::system();
    for (const QLocale::FormatType format : {QLocale::LongFormat, QLocale::ShortFormat}) {
        const QDateTime parsed = locale.toDateTime(text, format);
        if (parsed.isValid())
            return asWrittenClockTime(parsed.date(), parsed.time());
    }
    return QDateTime();
}

} // namespace

QDateTime ParsePubDateOr(const QString &text, const QDateTime &fallback)
{
    QDateTime result = parseWithPlatform(text);
    if (result.isValid())
        return result;
    if (ParsePubDatePattern(text, &result))
        return result;
    return fallback;
}

QString FormatPubDateNow()
{
    return FormatPubDate(QDateTime::currentDateTimeUtc());
}

QString FormatPubDate(const QDateTime &moment)
{
    const QDateTime utc = moment.toUTC();
    const QDate date = utc.date();
    const QTime time = utc.time();
    return QString::asprintf("%s, %02d %s %04d %02d:%02d:%02d GMT", kDayNames[date.dayOfWeek() - 1], date.day(),
                             kMonthNames[date.month() - 1], date.year(), time.hour(),
                             time.minute(), time.second());
}

int MonthFromName(const QString &name)
{
    for (int i = 0; i < 12; ++i) {
        if (name.compare(QLatin1String(kMonthNames[i]), Qt::CaseInsensitive) == 0)
            return i + 1;
    }
    return -1;
}

bool ParsePubDatePattern(const QString &text, QDateTime *result)
{
    PatternReader reader(text);
    int day = -1, year = -1, hour = -1, minute = -1, second = -1;
    QString monthWord;
    const int dayOfWeek = reader.readDayName();
    const bool complete = reader.readNumber(&day) && reader.readWord(&monthWord)
            && reader.readNumber(&year) && reader.readNumber(&hour) && reader.readChar(u':')
            && reader.readNumber(&minute) && reader.readChar(u':') && reader.readNumber(&second);
    if (!complete || monthWord.size() > kMaxMonthWordLength)
        return false;
    if (day < 0 || year < 0 || hour < 0 || minute < 0 || second < 0)
        return false;

    const int month = MonthFromName(monthWord);
    if (month < 0)
        return false;
    const QDate date(year, month, day);
    const QTime time(hour, minute, second);
    if (!date.isValid() || !time.isValid() || (dayOfWeek && date.dayOfWeek() != dayOfWeek))
        return false;
    *result = asWrittenClockTime(date, time);
    return true;
}

QDateTime ParsePubDate(const QString &text)
{
    return ParsePubDateOr(text, localNow());
}

int ComparePubDates(const QString &a, const QString &b)
{
    // One "now" for both sides, so two unreadable dates compare as equal.
    const QDateTime now = localNow();
    const QDateTime dateA = ParsePubDateOr(a, now);
    const QDateTime dateB = ParsePubDateOr(b, now);
    if (dateA > dateB)
        return -1;
    if (dateA < dateB)
        return 1;
    return 0;
}

} // namespace PubDate
