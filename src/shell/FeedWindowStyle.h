#pragma once

#include <QProxyStyle>

// The style of the feed windows in the main window's MDI area: the
// application's own, except that a maximised feed window keeps its title bar
// inside the area. Otherwise Qt writes "Tidrel - [feed.xml]" into the main
// window's title; the main window titles itself "feed.xml — Tidrel".
class CFeedWindowStyle : public QProxyStyle
{
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption *option = nullptr, const QWidget *widget = nullptr,
                  QStyleHintReturn *returnData = nullptr) const override;
};
