#pragma once

#include <QString>

// The text without the characters that XML 1.0 does not allow: control
// characters other than tab, LF and CR, lone surrogates, U+FFFE and U+FFFF.
// A file holding one, even as a character reference, can no longer be read
// by any XML parser. Vertical tab and form feed, which word processors use
// as manual line and page breaks, become LF.
QString XmlSafeText(const QString &text);
