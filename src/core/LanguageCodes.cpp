#include "core/LanguageCodes.h"

#include <QSet>

#include <unicode/uloc.h>

#include <algorithm>

namespace {

// The regional forms feeds use most; any other code may still be typed.
const char *const kRegionalCodes[] = {
    "ar-sa", "cs-cz", "da-dk", "de-at", "de-ch", "de-de", "el-gr", "en-au", "en-ca", "en-gb",
    "en-ie", "en-in", "en-nz", "en-us", "en-za", "es-ar", "es-co", "es-es", "es-mx", "es-us",
    "fi-fi", "fr-be", "fr-ca", "fr-ch", "fr-fr", "he-il", "hi-in", "hu-hu", "id-id", "it-it",
    "ja-jp", "ko-kr", "nb-no", "nl-be", "nl-nl", "pl-pl", "pt-br", "pt-pt", "ro-ro", "ru-ru",
    "sv-se", "th-th", "tr-tr", "uk-ua", "vi-vn", "zh-cn", "zh-hk", "zh-tw",
};

using DisplayFunction = int32_t (*)(const char *, const char *, UChar *, int32_t, UErrorCode *);

// ICU answers with the code itself, and a warning, when it has no name.
QString icuName(DisplayFunction function, const QByteArray &locale)
{
    UChar buffer[128];
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length = function(locale.constData(), "en", buffer, int32_t(std::size(buffer)), &status);
    if (U_FAILURE(status) || status == U_USING_DEFAULT_WARNING || length <= 0)
        return QString();
    return QString(reinterpret_cast<const QChar *>(buffer), length);
}

QList<LanguageCode> makeList()
{
    QList<LanguageCode> codes;
    for (const char *const *language = uloc_getISOLanguages(); *language; ++language) {
        const QString code = QString::fromLatin1(*language);
        const QString name = CLanguageCodes::displayName(code);
        if (!name.isEmpty())
            codes.append({code, name});
    }
    for (const char *code : kRegionalCodes)
        codes.append({QString::fromLatin1(code), CLanguageCodes::displayName(QString::fromLatin1(code))});
    std::sort(codes.begin(), codes.end(), [](const LanguageCode &a, const LanguageCode &b) { return a.code < b.code; });
    return codes;
}

} // namespace

const QList<LanguageCode> &CLanguageCodes::all()
{
    static const QList<LanguageCode> codes = makeList();
    return codes;
}

bool CLanguageCodes::isLanguage(const QString &code)
{
    return !code.isEmpty() && !code.contains(u'-') && !code.contains(u'_') && !displayName(code).isEmpty();
}

bool CLanguageCodes::isCountry(const QString &code)
{
    static const QSet<QString> countries = [] {
        QSet<QString> codes;
        for (const char *const *country = uloc_getISOCountries(); *country; ++country)
            codes.insert(QString::fromLatin1(*country));
        return codes;
    }();
    return countries.contains(code.toUpper());
}

QString CLanguageCodes::displayName(const QString &code)
{
    const QStringList parts = code.trimmed().replace(u'_', u'-').split(u'-');
    if (parts.size() > 2 || parts.first().isEmpty())
        return QString();
    const QByteArray language = parts.first().toLower().toLatin1();
    const QString languageName = icuName(uloc_getDisplayLanguage, language);
    if (languageName.isEmpty() || parts.size() == 1)
        return languageName;
    const QByteArray locale = language + '_' + parts.last().toUpper().toLatin1();
    if (icuName(uloc_getDisplayCountry, locale).isEmpty())
        return QString();
    return icuName(uloc_getDisplayName, locale);
}
