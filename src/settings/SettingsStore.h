#pragma once

#include <QString>
#include <QStringList>

// Settings.ini in the per-user configuration folder holds the program's own
// settings: section "WebSiteTitles" maps URLs to the page titles found by the
// title fetcher, section "Settings" holds "PreviewBar" (1 shows the code
// preview pane, 0 hides it).
//
// The file is a classic ini file: sections in brackets, one key=value line
// per entry, the first "=" splits a line, section and key names compare
// without letter case, blanks around keys and values are ignored on reading.
// A write changes or adds one line and leaves every other line as it was.
// The file is UTF-8. Failed reads look like missing entries.

// The full path of Settings.ini, computed anew on every call.
QString GetSettingsPath();

// Sets key=value in the section, creating the file and the section when
// missing. An empty value keeps the key with nothing after "=".
bool WriteIniString(const QString &path, const QString &section, const QString &key,
                    const QString &value);
// The value of the key, cut to 259 characters. False, leaving `value`
// unchanged, when the key is missing or its value is empty.
bool ReadIniString(const QString &path, const QString &section, const QString &key,
                   QString *value);

bool WriteIniInt(const QString &path, const QString &section, const QString &key, int value);
// The leading decimal number of the value (0 when it has none); the default
// when the key is missing or empty.
int ReadIniInt(const QString &path, const QString &section, const QString &key,
               int defaultValue);

bool WriteWebSiteTitle(const QString &url, const QString &title);
// The stored title (at most 259 characters), or an empty string.
QString ReadWebSiteTitle(const QString &url);
// The lines of section WebSiteTitles in file order, each as "key=value".
// The key of an entry is its text before the first "=". Only what fits into
// 31998 characters is read, whole entries only.
QStringList ReadWebSiteTitleEntries();

#include "settings/PreviewBarSetting.h"
