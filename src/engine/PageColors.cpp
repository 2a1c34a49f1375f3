#include "engine/PageColors.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QPalette>

#include <cmath>

namespace {

double channel(double value)
{
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double luminance(const QColor &color)
{
    return 0.2126 * channel(color.redF()) + 0.7152 * channel(color.greenF()) + 0.0722 * channel(color.blueF());
}

} // namespace

double CPageColors::contrast(const QColor &a, const QColor &b)
{
    const double first = luminance(a) + 0.05;
    const double second = luminance(b) + 0.05;
    return first > second ? first / second : second / first;
}

// Towards white on a background that black would not stand out from,
// towards black elsewhere; the hue stays.
QColor CPageColors::readable(const QColor &color, const QColor &background, double ratio)
{
    if (contrast(color, background) >= ratio)
        return color;
    const bool lighten = contrast(Qt::white, background) > contrast(Qt::black, background);
    const QColor start = color.toHsl();
    for (int step = 1; step <= 50; ++step) {
        const double lightness = start.lightnessF() + (lighten ? 1.0 - start.lightnessF() : -start.lightnessF()) * step / 50.0;
        const QColor shade = QColor::fromHslF(start.hslHueF(), start.hslSaturationF(), lightness);
        if (contrast(shade, background) >= ratio)
            return shade;
    }
    return lighten ? QColor(Qt::white) : QColor(Qt::black);
}

QVariantMap CPageColors::of(const QPalette &palette)
{
    const QColor base = palette.color(QPalette::Base);
    const QColor window = palette.color(QPalette::Window);
    const QColor button = palette.color(QPalette::Button);
    const QColor highlight = palette.color(QPalette::Highlight);
    const auto on = [](const QColor &color, const QColor &background) { return readable(color, background).name(); };
    return {
        {QStringLiteral("base"), base.name()},
        {QStringLiteral("text"), on(palette.color(QPalette::Text), base)},
        {QStringLiteral("window"), window.name()},
        {QStringLiteral("window-text"), on(palette.color(QPalette::WindowText), window)},
        {QStringLiteral("button"), button.name()},
        {QStringLiteral("button-text"), on(palette.color(QPalette::ButtonText), button)},
        {QStringLiteral("highlight"), highlight.name()},
        {QStringLiteral("highlighted-text"), on(palette.color(QPalette::HighlightedText), highlight)},
        {QStringLiteral("mid"), readable(palette.color(QPalette::Mid), base, kBorderContrast).name()},
        {QStringLiteral("link"), on(palette.color(QPalette::Link), base)},
        {QStringLiteral("link-visited"), on(palette.color(QPalette::LinkVisited), base)},
        // Hints and placeholders: quieter than the text, still readable.
        {QStringLiteral("dim-text"), on(palette.color(QPalette::PlaceholderText), base)},
        // The pages' own accents: a green title, a dark red heading, a red
        // warning, in shades that stand out on the palette's background.
        {QStringLiteral("title"), on(QColor(0, 100, 0), base)},
        {QStringLiteral("heading"), on(readable(QColor(128, 0, 0), window), base)},
        {QStringLiteral("alert"), on(QColor(208, 0, 0), base)},
        {QStringLiteral("dark"), base.lightness() < 128},
    };
}

QString CPageColors::script(const QVariantMap &colors)
{
    const QString json = QString::fromUtf8(QJsonDocument(QJsonObject::fromVariantMap(colors)).toJson(QJsonDocument::Compact));
    // Run as the page starts, the script may come before the root element.
    return QStringLiteral("(function (colors) {"
                          " function apply(root) {"
                          "  for (const name of Object.keys(colors)) {"
                          "   if (name !== 'dark') root.style.setProperty('--' + name, colors[name]); }"
                          "  root.classList.toggle('dark', !!colors.dark);"
                          "  root.style.colorScheme = colors.dark ? 'dark' : 'light'; }"
                          " if (document.documentElement) { apply(document.documentElement); return; }"
                          " new MutationObserver((changes, observer) => {"
                          "  if (!document.documentElement) return;"
                          "  observer.disconnect(); apply(document.documentElement);"
                          " }).observe(document, { childList: true });"
                          "})(%1);")
        .arg(json);
}
