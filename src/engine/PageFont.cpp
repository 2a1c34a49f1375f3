#include "engine/PageFont.h"

#include <QFont>
#include <QFontInfo>

QVariantMap CPageFont::of(const QFont &font)
{
    const QFontInfo found(font);
    QString family = found.family();
    family.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('"'), QLatin1String("\\\""));
    return {
        {QStringLiteral("font-family"), QStringLiteral("\"%1\", sans-serif").arg(family)},
        {QStringLiteral("font-size"), QStringLiteral("%1px").arg(found.pixelSize())},
    };
}
