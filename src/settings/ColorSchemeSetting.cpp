#include "settings/ColorSchemeSetting.h"

#include "settings/SettingsStore.h"

namespace {
const QString kSection = QStringLiteral("Settings");
const QString kKey = QStringLiteral("ColorScheme");
} // namespace

ColorSchemeSetting ColorSchemeSetting::load()
{
    ColorSchemeSetting setting;
    const int stored = ReadIniInt(GetSettingsPath(), kSection, kKey, 0);
    setting.scheme = stored >= 0 && stored <= 2 ? stored : 0;
    return setting;
}

bool ColorSchemeSetting::save() const
{
    return WriteIniInt(GetSettingsPath(), kSection, kKey, scheme);
}
