// Any text as a publication date. The reader never fails; a date it reads
// is written in the one form the program writes and reads back as the same
// clock time; the order of two dates does not depend on which comes first.
// The strict RFC 822 grammar gives a moment for every date it does not
// refuse, and reads the program's own form of that moment as valid.

#include "FuzzSupport.h"
#include "core/PubDate.h"
#include "core/Rfc822Date.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    // A second date after the first line end, for the comparison.
    const qsizetype split = bytes.indexOf('\n');
    const QString text = QString::fromUtf8(split < 0 ? bytes : bytes.left(split));
    const QString other = split < 0 ? QString() : QString::fromUtf8(bytes.mid(split + 1));

    fuzzCheck(PubDate::ParsePubDate(text).isValid(), "every text gives a date");

    QDateTime pattern;
    if (PubDate::ParsePubDatePattern(text, &pattern)) {
        fuzzCheck(pattern.isValid(), "a date the pattern reads is valid", text);
        QDateTime again;
        const QString written = PubDate::FormatPubDate(pattern);
        fuzzCheck(PubDate::ParsePubDatePattern(written, &again) && again == pattern,
                  "a date the pattern reads is written in a form the pattern reads back the same",
                  text + QStringLiteral(" -> ") + written);
    }

    const QDateTime read = PubDate::ParsePubDateOr(text, QDateTime());
    if (read.isValid()) {
        const QString written = PubDate::FormatPubDate(read);
        fuzzCheck(PubDate::ParsePubDateOr(written, QDateTime()) == read,
                  "a date that reads is written in a form that reads back the same",
                  text + QStringLiteral(" -> ") + written);
    }

    const CRfc822Date strict = CRfc822Date::Parse(text);
    fuzzCheck(strict.moment().isValid() == (strict.verdict() != CRfc822Date::Verdict::Invalid),
              "the grammar gives a moment exactly for the dates it does not refuse", text);
    if (strict.moment().isValid() && strict.moment().date().year() >= 1000 && strict.moment().date().year() <= 9999) {
        const QString written = PubDate::FormatPubDate(strict.moment());
        const CRfc822Date again = CRfc822Date::Parse(written);
        fuzzCheck(again.verdict() == CRfc822Date::Verdict::Valid && again.moment() == strict.moment(),
                  "the program's own form of a date is valid RFC 822", text + QStringLiteral(" -> ") + written);
    }

    fuzzCheck(PubDate::ComparePubDates(text, other) == -PubDate::ComparePubDates(other, text),
              "two dates compare the same both ways round", text + QStringLiteral(" | ") + other);
    return 0;
}
