#pragma once

// The colours the user chose in Preferences: section "Settings" of
// Settings.ini, key "ColorScheme". The numbers are those of the desktop
// portal's own "color-scheme" setting, so that one value can stand for
// either: 0 follows the desktop (the default, and what an unknown number
// reads as), 1 dark, 2 light.
struct ColorSchemeSetting
{
    int scheme = 0;

    static ColorSchemeSetting load();
    bool save() const;
};
