#pragma once

#include <QDateTime>
#include <QString>

// A date in the form RSS asks for, "Wed, 02 Oct 2002 13:00:00 GMT" (RFC 822
// with four-digit years), read by a grammar of its own: Qt's RFC 2822 reader
// refuses zone names and takes too much elsewhere. Forms that RFC 822 allows
// but readers get wrong (two-digit years, comments, military zones, odd
// spacing, odd zone offsets) are problematical; anything else that is not
// the form, and a day name that does not fit the date, is invalid.
class CRfc822Date
{
public:
    enum class Verdict { Valid, Problematical, Invalid };

    static CRfc822Date Parse(const QString &text);

    Verdict verdict() const { return m_verdict; }
    // Why the date is problematical or invalid, in plain words; empty when valid.
    QString problem() const { return m_problem; }
    // The moment in UTC; null when the date is invalid.
    QDateTime moment() const { return m_moment; }

private:
    Verdict m_verdict = Verdict::Invalid;
    QString m_problem;
    QDateTime m_moment;
};
