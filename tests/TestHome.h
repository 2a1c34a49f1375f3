#pragma once

#include "TestFiles.h"
#include "settings/SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

// Points the home folder at a temporary one, so Settings.ini lands there.
inline bool useTemporaryHome(const QTemporaryDir &home)
{
    qputenv("HOME", QFile::encodeName(home.path()));
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setApplicationName(QStringLiteral("Tidrel"));
    return home.isValid() && GetSettingsPath().startsWith(home.path());
}

inline QByteArray readSettingsFile()
{
    return readFile(GetSettingsPath());
}

inline bool writeSettingsFile(const QByteArray &content)
{
    return QDir().mkpath(QFileInfo(GetSettingsPath()).absolutePath()) && writeFile(GetSettingsPath(), content);
}
