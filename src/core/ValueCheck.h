#pragma once

#include <QDateTime>
#include <QString>

#include <limits>

// Checks of one field value against the form RSS asks for. Each note is in
// plain words for the person editing the feed, and empty when the value is
// fine; a window shows it beside the field, the feed checker in its list.
class CValueCheck
{
public:
    enum class EmailForm {
        Valid,      // "jo@example.org (Jo Smith)"
        AddressOnly,
        OtherForm,  // "Jo Smith <jo@example.org>", a mailto: address
        Invalid
    };
    enum class UrlForm { Valid, UnusualScheme, NotAbsolute };

    static EmailForm ClassifyEmail(const QString &text);
    static UrlForm ClassifyUrl(const QString &text);

    // An RFC 822 date (see CRfc822Date), also one far from the present.
    static QString Date(const QString &text);
    // A moment over 10 minutes after `now` or before 1990.
    static QString DatePlausibility(const QDateTime &moment, const QDateTime &now);
    static QString Email(const QString &text);
    static QString AbsoluteUrl(const QString &text);
    static QString IntegerInRange(const QString &text, qint64 min,
                                  qint64 max = std::numeric_limits<qint64>::max());
    static QString MimeType(const QString &text);
    // A language tag as RSS uses them: "en", "en-us", an ISO 639 code.
    static QString LanguageCode(const QString &text);
};
