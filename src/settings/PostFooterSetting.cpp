#include "settings/PostFooterSetting.h"

#include "settings/SettingsStore.h"

namespace {
const QString kSection = QStringLiteral("Settings");
const QString kEnabledKey = QStringLiteral("PostFooter");
const QString kTextKey = QStringLiteral("PostFooterText");
} // namespace

PostFooterSetting PostFooterSetting::load()
{
    const QString path = GetSettingsPath();
    PostFooterSetting setting;
    setting.enabled = ReadIniInt(path, kSection, kEnabledKey, 0) != 0;
    ReadIniString(path, kSection, kTextKey, &setting.text);
    return setting;
}

bool PostFooterSetting::save() const
{
    const QString path = GetSettingsPath();
    return WriteIniInt(path, kSection, kEnabledKey, enabled ? 1 : 0)
        && WriteIniString(path, kSection, kTextKey, text);
}
