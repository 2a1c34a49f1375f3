#pragma once

#include <QColor>
#include <QString>
#include <QVariantMap>

class QPalette;

// The colours of the program's pages, taken from the palette of the widgets
// around them, under the names the pages' style sheets use as CSS variables
// (--base, --text, --link...). Every text colour is made lighter or darker,
// where the palette's own falls short, until it stands out from the
// background it is drawn on by a contrast of at least kMinimumContrast, in
// a light palette and in a dark one; the lines around fields (--mid) by
// kBorderContrast.
class CPageColors
{
public:
    static constexpr double kMinimumContrast = 4.5;
    // Of the lines around fields and buttons, as WCAG asks of controls.
    static constexpr double kBorderContrast = 3.0;

    // Colour names ("#rrggbb") by variable name, and "dark" (a bool) when the
    // page's background is dark.
    static QVariantMap of(const QPalette &palette);
    // The contrast ratio of two colours as WCAG 2 defines it: 1 to 21.
    static double contrast(const QColor &a, const QColor &b);
    // `color`, or the nearest lighter or darker shade of it that has
    // `ratio` of contrast on `background`.
    static QColor readable(const QColor &color, const QColor &background, double ratio = kMinimumContrast);
    // A script that sets the colours on a page's root element, for pages
    // that do not load the engine's own scripts.
    static QString script(const QVariantMap &colors);
};
