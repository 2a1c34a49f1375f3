#include "core/ValueCheck.h"

#include "core/LanguageCodes.h"
#include "core/Rfc822Date.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace {

// An address: a local part of the characters mail allows, a domain of
// letters, digits and hyphens in dot-separated labels.
const QString kAddress = QStringLiteral("[\\w.!#$%&'*+/=?^`{|}~-]+@[\\w-]+(?:\\.[\\w-]+)*");

// Schemes registered for good with IANA that feeds link to. Others, such as
// feed: or javascript:, are not links every reader can follow.
const std::initializer_list<QLatin1String> kKnownSchemes = {
        QLatin1String("http"), QLatin1String("https"),  QLatin1String("ftp"),    QLatin1String("mailto"),
        QLatin1String("news"), QLatin1String("nntp"),   QLatin1String("tel"),    QLatin1String("urn"),
        QLatin1String("tag"),  QLatin1String("data"),   QLatin1String("file"),   QLatin1String("gopher"),
        QLatin1String("irc"),  QLatin1String("telnet"), QLatin1String("rtsp"),   QLatin1String("sip"),
        QLatin1String("xmpp")};

// Schemes whose addresses must name a host after "//".
const std::initializer_list<QLatin1String> kHostSchemes = {QLatin1String("http"), QLatin1String("https"),
                                                           QLatin1String("ftp")};

// Language codes outside any one language: undetermined, several, none,
// not yet coded.
const QSet<QString> kSpecialLanguages = {QStringLiteral("und"), QStringLiteral("mul"), QStringLiteral("zxx"),
                                         QStringLiteral("mis")};

bool listed(QStringView word, std::initializer_list<QLatin1String> list)
{
    for (const QLatin1String entry : list) {
        if (word.compare(entry, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

bool isSchemeCharacter(QChar c, bool first)
{
    if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'))
        return true;
    return !first && ((c >= u'0' && c <= u'9') || c == u'+' || c == u'.' || c == u'-');
}

bool matches(const QRegularExpression &pattern, const QString &text)
{
    return pattern.match(text).hasMatch();
}

bool knownLanguage(const QString &code)
{
    if (kSpecialLanguages.contains(code))
        return true;
    // qaa-qtz are kept for local use.
    if (code.size() == 3 && code[0] == u'q' && code[1] >= u'a' && code[1] <= u't')
        return true;
    return CLanguageCodes::isLanguage(code);
}

} // namespace

CValueCheck::EmailForm CValueCheck::ClassifyEmail(const QString &text)
{
    static const QRegularExpression named(QStringLiteral("^%1\\s*\\(([^()]*\\S[^()]*)\\)$").arg(kAddress));
    static const QRegularExpression bare(QStringLiteral("^%1$").arg(kAddress));
    static const QRegularExpression angled(QStringLiteral("^[^<>]*<%1>$").arg(kAddress));
    const QString value = text.trimmed();
    if (matches(named, value))
        return EmailForm::Valid;
    if (matches(bare, value))
        return EmailForm::AddressOnly;
    if (matches(angled, value) || value.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive))
        return EmailForm::OtherForm;
    return EmailForm::Invalid;
}

// By hand rather than by pattern: a feed's descriptions hold many links.
CValueCheck::UrlForm CValueCheck::ClassifyUrl(const QString &text)
{
    const QStringView value = QStringView(text).trimmed();
    qsizetype colon = 0;
    while (colon < value.size() && isSchemeCharacter(value[colon], colon == 0))
        ++colon;
    if (colon == 0 || colon == value.size() || value[colon] != u':')
        return UrlForm::NotAbsolute;
    for (const QChar c : value) {
        if (c.isSpace())
            return UrlForm::NotAbsolute;
    }
    const QStringView scheme = value.left(colon);
    const QStringView rest = value.mid(colon + 1);
    const bool host = rest.startsWith(u"//") && rest.size() > 2 && rest[2] != u'/' && rest[2] != u'?' && rest[2] != u'#';
    if (listed(scheme, kHostSchemes) && !host)
        return UrlForm::NotAbsolute;
    return listed(scheme, kKnownSchemes) ? UrlForm::Valid : UrlForm::UnusualScheme;
}

QString CValueCheck::Date(const QString &text)
{
    const CRfc822Date date = CRfc822Date::Parse(text);
    if (date.verdict() != CRfc822Date::Verdict::Valid)
        return date.problem();
    return DatePlausibility(date.moment(), QDateTime::currentDateTimeUtc());
}

QString CValueCheck::DatePlausibility(const QDateTime &moment, const QDateTime &now)
{
    if (moment > now.addSecs(10 * 60))
        return QCoreApplication::translate("ValueCheck", "The date is in the future.");
    if (moment < QDateTime(QDate(1990, 1, 1), QTime(0, 0), Qt::UTC))
        return QCoreApplication::translate("ValueCheck", "The date is before 1990, older than any feed.");
    return QString();
}

QString CValueCheck::Email(const QString &text)
{
    switch (ClassifyEmail(text)) {
    case EmailForm::Valid:
        return QString();
    case EmailForm::AddressOnly:
        return QCoreApplication::translate("ValueCheck", "Add the person's name after the address: \"jo@example.org (Jo Smith)\".");
    case EmailForm::OtherForm:
        return QCoreApplication::translate("ValueCheck", "RSS writes an e-mail address as \"jo@example.org (Jo Smith)\".");
    case EmailForm::Invalid:
        break;
    }
    return QCoreApplication::translate("ValueCheck", "Not an e-mail address; write one as \"jo@example.org (Jo Smith)\".");
}

QString CValueCheck::AbsoluteUrl(const QString &text)
{
    switch (ClassifyUrl(text)) {
    case UrlForm::Valid:
        return QString();
    case UrlForm::UnusualScheme:
        return QCoreApplication::translate("ValueCheck", "Few readers can follow an address that starts \"%1\"; use http: or https:.")
                .arg(text.trimmed().section(u':', 0, 0) + u':');
    case UrlForm::NotAbsolute:
        break;
    }
    const QString value = text.trimmed();
    if (std::any_of(value.begin(), value.end(), [](QChar c) { return c.isSpace(); }))
        return QCoreApplication::translate("ValueCheck", "The address holds a space; write a space in an address as %20.");
    return QCoreApplication::translate("ValueCheck", "Not a full address; write it with its scheme and host, as \"https://example.org/page\".");
}

QString CValueCheck::IntegerInRange(const QString &text, qint64 min, qint64 max)
{
    static const QRegularExpression integer(QStringLiteral("^[+-]?[0-9]+$"));
    const QString value = text.trimmed();
    bool ok = false;
    const qint64 number = value.toLongLong(&ok);
    if (matches(integer, value) && ok && number >= min && number <= max)
        return QString();
    if (max == std::numeric_limits<qint64>::max())
        return QCoreApplication::translate("ValueCheck", "Write a whole number of %1 or more.").arg(min);
    return QCoreApplication::translate("ValueCheck", "Write a whole number from %1 to %2.").arg(min).arg(max);
}

QString CValueCheck::MimeType(const QString &text)
{
    // type/subtype and optional parameters, with RFC 2045's token characters.
    static const QRegularExpression type(QStringLiteral(
            "^[\\w!#$&^.+-]+/[\\w!#$&^.+-]+(?:\\s*;\\s*[\\w!#$&^.+-]+=(?:\"[^\"]*\"|[\\w!#$&^.+-]+))*$"));
    if (matches(type, text.trimmed()))
        return QString();
    return QCoreApplication::translate("ValueCheck", "Not a media type; write one such as \"audio/mpeg\" or \"video/mp4\".");
}

QString CValueCheck::LanguageCode(const QString &text)
{
    static const QRegularExpression tag(QStringLiteral("^([A-Za-z]{2,3})((?:-[A-Za-z0-9]{1,8})*)$"));
    static const QRegularExpression privateUse(QStringLiteral("^[xXiI](?:-[A-Za-z0-9]{1,8})+$"));
    const QString value = text.trimmed();
    if (value.isEmpty())
        return QCoreApplication::translate("ValueCheck", "The language is empty; write a language code such as \"en\" or \"en-us\".");
    if (matches(privateUse, value))
        return QString();
    const QRegularExpressionMatch match = tag.match(value);
    if (!match.hasMatch())
        return QCoreApplication::translate("ValueCheck", "Not a language code; write a language code such as \"en\" or \"en-us\".");
    if (!knownLanguage(match.captured(1).toLower()))
        return QCoreApplication::translate("ValueCheck", "\"%1\" is not a known language; write a language code such as \"en\" or \"en-us\".")
            .arg(match.captured(1));
    return QString();
}
