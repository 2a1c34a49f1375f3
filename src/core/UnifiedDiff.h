#pragma once

#include <QString>
#include <QStringList>

// The changes from `before` to `after`, line by line, in the unified form
// of diff(1) without its file header: "@@ -12,7 +12,8 @@" hunks whose lines
// start with ' ' (in both), '-' (only before) or '+' (only after), with
// `context` unchanged lines around each change. Empty when the lines are
// the same. Past a few thousand changed lines the middle that differs is
// shown as removed whole and added whole, which stays correct but is no
// longer the shortest.
QString UnifiedDiff(const QStringList &before, const QStringList &after, int context = 3);
