#pragma once

#include <QDateTime>
#include <QString>

// Publication dates of posts. Written always in one English, UTC form
// ("Fri, 04 Dec 2026 21:44:14 GMT"); read back leniently, only to sort by date.
namespace PubDate {

// The current UTC time in the written form.
QString FormatPubDateNow();
// The written form of a given moment (converted to UTC).
QString FormatPubDate(const QDateTime &moment);

// 1..12 for Jan..Dec (any letter case), -1 otherwise.
int MonthFromName(const QString &name);

// Reads "%d %s %d %d:%d:%d" (day, month word, year, h:m:s), after an
// English day name and comma if there is one; what follows the seconds is
// ignored. Fails on missing parts, out-of-range values or a day name that
// is not the date's.
bool ParsePubDatePattern(const QString &text, QDateTime *result);

// Never invalid: RFC 2822, then the system locale's long and short
// date-time formats, then the fixed pattern, then the current local time.
// Zones are ignored: the clock time is compared as written.
QDateTime ParsePubDate(const QString &text);
// The same readers, with the given value for an unreadable text. A sort uses
// one fixed "now" this way, so that all unreadable dates compare equal.
QDateTime ParsePubDateOr(const QString &text, const QDateTime &fallback);

// Newest first: negative when A is later than B, 0 when equal, positive
// when A is earlier.
int ComparePubDates(const QString &a, const QString &b);

} // namespace PubDate
