#include "shell/UiTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// Each translation names the direction of its language here: "RTL" turns
// the window's layout right to left.
[[maybe_unused]] const char *const kLayoutDirection = QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

void installFrom(const QLocale &locale, const QString &prefix, const QString &folder)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(locale, prefix, QStringLiteral("_"), folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
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
    installFrom(system, QStringLiteral("tidrel"), folder());
}
