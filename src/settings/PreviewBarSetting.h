#pragma once

// Whether the HTML code preview pane is shown: 1 shown, 0 hidden. One value
// for the whole process, read from Settings.ini on first use (1 when the file
// has none). Readers take the value; writers set it, then save it.
// User-interface thread only.
class PreviewBarSetting
{
public:
    static int value();
    static void setValue(int value);
    // Writes the current value into Settings.ini.
    static bool save();

private:
    struct State
    {
        int value = 1;
        bool loaded = false;
    };
    static State &state();
};
