#include "settings/PreviewBarSetting.h"

#include "settings/SettingsStore.h"

namespace {
const QString kSection = QStringLiteral("Settings");
const QString kKey = QStringLiteral("PreviewBar");
} // namespace

PreviewBarSetting::State &PreviewBarSetting::state()
{
    static State theState;
    if (!theState.loaded) {
        theState.loaded = true;
        theState.value = ReadIniInt(GetSettingsPath(), kSection, kKey, theState.value);
    }
    return theState;
}

int PreviewBarSetting::value()
{
    return state().value;
}

void PreviewBarSetting::setValue(int value)
{
    state().value = value;
}

bool PreviewBarSetting::save()
{
    return WriteIniInt(GetSettingsPath(), kSection, kKey, state().value);
}
