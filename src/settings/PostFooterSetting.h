#pragma once

#include <QString>

// Whether the descriptions the user stores get a footer, and its words:
// section "Settings" of Settings.ini, keys "PostFooter" (1 on, 0 off) and
// "PostFooterText" (empty: the default words). Off until the user turns it
// on. Read anew on every load, so each new document follows the file.
struct PostFooterSetting
{
    bool enabled = false;
    QString text; // at most 259 characters are kept

    static PostFooterSetting load();
    bool save() const;
};
