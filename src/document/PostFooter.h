#pragma once

#include <QString>

// The footer that credits the editor under every stored post description.
// A description counts as having one when its last paragraph links to the
// product's home page.

// The documents' description filter: appends "<BR>" and the footer to a
// non-empty description that has none.
QString AddPostFooter(const QString &description);
bool HasPostFooter(const QString &description);
// Cuts the description before the footer's opening block; false, leaving
// the description as it was, when it has no footer.
bool CutPostFooter(QString &description);
QString MakePostFooter();
