#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Conversions between the rich-text editor's saved document and the stored
// description, and the two ways of reading the HTML of a selection. Plain
// string operations: the caller fetches the engine's output.

// The characters between the first `open` and the first `close` behind it
// (both case-sensitive), or the empty string when either is missing.
QString ExtractBetween(const QString &text, const QString &open, const QString &close);

// The text run around the selection in a saved editor document: from the end
// of the last tag before the start marker to the first tag behind the end
// marker, markers removed. Empty when there is no usable selection.
QString SelectedFragmentFromSavedHtml(const QString &savedDocument);

// The fragment between "<!--StartFragment-->" and "<!--EndFragment-->" of the
// UTF-8 selection HTML, or the empty string.
QString FragmentFromSelectionHtml(const QByteArray &selectionHtml);

// --- Clean-ups of a stored description (all case-sensitive, in place) ---

// Removes every "<span ...>" and "</span>" and then every style="..."
// attribute; false, leaving the text (styles included), when it holds no
// "<span". The blank before a removed attribute stays.
bool RemoveSpansAndStyles(QString &text);
// Replaces every occurrence of each string by one space; true when any was
// replaced.
bool ReplaceAllWithSpace(QString &text, const QStringList &strings);
