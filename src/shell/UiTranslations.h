#pragma once

#include <QString>

// The program's words in the user's language: the first of the desktop's
// languages the program has a translation for. Qt 6 on Linux reads them
// from LANGUAGE ("de:fr") before LC_ALL, LC_MESSAGES and LANG, so that
// "LANGUAGE=de tidrel" runs in German. Qt's own translations (the standard
// dialogs' buttons) follow when the system has them. An Arabic translation
// turns the layout right to left (QGuiApplication reads the translation's
// QT_LAYOUT_DIRECTION).
class CUiTranslations
{
public:
    // Installs the translators on the running application; they go with it.
    // English is always installed under the others: it gives the English
    // plural forms ("1 error", "2 errors") of texts written with %n.
    static void install();
    // The resource folder of the program's compiled translations.
    static QString folder();
    // The language of the installed translation ("de"), "en" without one.
    static QString language();
    // A page of the program's resources in the user's language: the same
    // name in the language's folder (":/shell/help/de/index.html" for
    // ":/shell/help/index.html") when there is one, else the page itself.
    static QString localizedPage(const QString &resourcePath);
};
