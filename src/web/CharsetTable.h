#pragma once

#include <QByteArray>
#include <QString>

// The charset names used on the web paired with Windows code page numbers.
// Both lookups scan the rows in order and take the first match, so the row
// order decides which name a code page gets and which code page a name gets
// ("iso-8859-1" gives 1252, and 1252 gives "windows-1252").
struct CharsetTableRow
{
    const char *name; // lower-case ASCII
    quint32 codePage;
};

constexpr int kCharsetTableRowCount = 119;

// The rows in lookup order.
const CharsetTableRow *CharsetTableRows();

// The code page of the first row whose name equals `charset`, ignoring ASCII
// letter case; 0 when none does, also for an empty name.
quint32 CodePageFromCharset(const QString &charset);

// The name of the first row with `codePage`; empty when none has it, also
// for -1 (nothing detected).
QByteArray CharsetFromCodePage(int codePage);
