#pragma once

#include <QString>
#include <QStringView>

// The text without the given characters at either end. The program trims
// exact sets (spaces and tabs, spaces only, ...) where QString::trimmed()
// would also take other white space that belongs to the text.
QString TrimCharacters(const QString &text, QStringView characters);
