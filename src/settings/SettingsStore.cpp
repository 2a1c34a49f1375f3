#include "settings/SettingsStore.h"

#include "settings/IniFile.h"

#include <QStandardPaths>

#include <limits>

namespace {

const QString kWebSiteTitles = QStringLiteral("WebSiteTitles");

// Values come back through a buffer of 260 characters, its end included.
constexpr int kMaxValueLength = 259;
// Room offered for a whole section; each entry takes its length and an end
// mark, and the list ends with one more mark.
constexpr int kSectionRoom = 31998;

// The integer read of the ini format: optional blanks and sign, then digits;
// a value without digits is 0.
int leadingInteger(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && (text.at(i) == u' ' || text.at(i) == u'\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == u'-' || text.at(i) == u'+')) {
        negative = text.at(i) == u'-';
        ++i;
    }
    qint64 number = 0;
    while (i < text.size() && text.at(i) >= u'0' && text.at(i) <= u'9') {
        number = number * 10 + (text.at(i).unicode() - u'0');
        if (number > std::numeric_limits<qint32>::max())
            break;
        ++i;
    }
    return int(negative ? -number : number);
}

} // namespace

// ~/.config/Tidrel/Settings.ini. The folder is named here rather than taken
// from AppConfigLocation, which would add the organisation name as one more
// folder level once the program sets it for QSettings.
QString GetSettingsPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/Tidrel/Settings.ini");
}

bool WriteIniString(const QString &path, const QString &section, const QString &key,
                    const QString &value)
{
    if (section.isEmpty() || key.isEmpty())
        return false;
    return IniFile(path).write(section, key, value);
}

bool ReadIniString(const QString &path, const QString &section, const QString &key,
                   QString *value)
{
    QString found;
    if (!IniFile(path).find(section, key, &found) || found.isEmpty())
        return false;
    *value = found.left(kMaxValueLength);
    return true;
}

bool WriteIniInt(const QString &path, const QString &section, const QString &key, int value)
{
    return WriteIniString(path, section, key, QString::number(value));
}

int ReadIniInt(const QString &path, const QString &section, const QString &key,
               int defaultValue)
{
    QString text;
    if (!ReadIniString(path, section, key, &text))
        return defaultValue;
    return leadingInteger(text);
}

bool WriteWebSiteTitle(const QString &url, const QString &title)
{
    return WriteIniString(GetSettingsPath(), kWebSiteTitles, url, title);
}

QString ReadWebSiteTitle(const QString &url)
{
    QString title;
    ReadIniString(GetSettingsPath(), kWebSiteTitles, url, &title);
    return title;
}

QStringList ReadWebSiteTitleEntries()
{
    const QStringList all = IniFile(GetSettingsPath()).sectionEntries(kWebSiteTitles);
    QStringList fitting;
    qsizetype used = 1; // the list's own end mark
    for (const QString &entry : all) {
        used += entry.size() + 1;
        if (used > kSectionRoom)
            break;
        fitting.append(entry);
    }
    return fitting;
}
