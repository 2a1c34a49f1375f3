#include "shell/UiTranslations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// Each translation names the direction of its language here: "RTL" turns
// the window's layout right to left.
[[maybe_unused]] const char *const kLayoutDirection = QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

QString s_language = QStringLiteral("en");

// The language of the translation installed, or an empty string.
QString installFrom(const QLocale &locale, const QString &prefix, const QString &folder)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(locale, prefix, QStringLiteral("_"), folder)) {
        QCoreApplication::installTranslator(translator);
        return translator->language();
    }
    delete translator;
    return QString();
}

} // namespace

QString CUiTranslations::folder()
{
    return QStringLiteral(":/i18n");
}

void CUiTranslations::install()
{
    if (!QCoreApplication::instance())
        return;
    installFrom(QLocale(QLocale::English), QStringLiteral("tidrel"), folder());
    const QLocale system = QLocale::system();
    installFrom(system, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    const QString language = installFrom(system, QStringLiteral("tidrel"), folder());
    if (!language.isEmpty())
        s_language = language;
}

QString CUiTranslations::language()
{
    return s_language;
}

QString CUiTranslations::localizedPage(const QString &resourcePath)
{
    const QFileInfo page(resourcePath);
    const QString localized = page.path() + u'/' + language() + u'/' + page.fileName();
    return QFileInfo::exists(localized) ? localized : resourcePath;
}
