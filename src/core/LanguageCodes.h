#pragma once

#include <QList>
#include <QString>

// A value for a channel's language element and its name in English.
struct LanguageCode
{
    QString code; // lower case, as feeds write it: "de", "pt-br"
    QString name; // "German", "Portuguese (Brazil)"
};

// The language codes a feed's language element takes: every language that
// ICU knows by an ISO 639 code and the common language-region forms, with
// their names from ICU. The one authority on languages and countries: the
// drop-downs offer what it lists and the checks accept what it names.
class CLanguageCodes
{
public:
    // Sorted by code; made on first use, then shared by all threads.
    static const QList<LanguageCode> &all();
    // Whether ICU names the ISO 639 code ("de", "haw", "deu"), in any case.
    static bool isLanguage(const QString &code);
    // Whether the code is an ISO 3166-1 alpha-2 country ("US", "de").
    static bool isCountry(const QString &code);
    // The name of any code of language and optional region ("en", "en-US",
    // "en_us"), or an empty string when ICU knows the language or the region
    // not.
    static QString displayName(const QString &code);
};
