#pragma once

#include <QVariantMap>

class QFont;

// The font of the program's pages, taken from the widgets around them (the
// desktop's general font unless a widget says otherwise), under the names
// the pages' style sheets use as CSS variables: --font-family, the family
// the font database found for it, and --font-size in CSS pixels, which are
// the widgets' own device-independent pixels at any scale.
class CPageFont
{
public:
    static QVariantMap of(const QFont &font);
};
