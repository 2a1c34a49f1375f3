#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Conversions between the rich-text editor's saved document and the stored
// description, and the two ways of reading the HTML of a selection. Plain
// string operations: the caller fetches the engine's output.

// Turns the editor's saved document into a stored description in place: cuts
// the body out, removes the selection markers and the CR/LF character
// references, turns "&quot;" into '"' and trims white space at both ends.
void CleanSavedHtml(QString &text);

// The characters between the first `open` and the first `close` behind it
// (both case-sensitive), or the empty string when either is missing.
QString ExtractBetween(const QString &text, const QString &open, const QString &close);

// Index of the first match of `pattern` at or after `start`, or -1. Without
// `caseSensitive` both strings are lower-cased character by character first.
int FindNoCase(const QString &text, const QString &pattern, int start, bool caseSensitive);

// The text run around the selection in a saved editor document: from the end
// of the last tag before the start marker to the first tag behind the end
// marker, markers removed. Empty when there is no usable selection.
QString SelectedFragmentFromSavedHtml(const QString &savedDocument);

// The fragment between "<!--StartFragment-->" and "<!--EndFragment-->" of the
// UTF-8 selection HTML, or the empty string.
QString FragmentFromSelectionHtml(const QByteArray &selectionHtml);

// --- Clean-ups of a stored description (all case-sensitive, in place) ---

// Deletes from the first `start` through the first `end` behind it; false,
// leaving the text, when either is missing.
bool RemoveRange(QString &text, const QString &start, const QString &end);
// Removes every "<span ...>" and "</span>" and then every style="..."
// attribute; false, leaving the text (styles included), when it holds no
// "<span". The blank before a removed attribute stays.
bool RemoveSpansAndStyles(QString &text);
// Replaces every occurrence of each string by one space; true when any was
// replaced.
bool ReplaceAllWithSpace(QString &text, const QStringList &strings);
