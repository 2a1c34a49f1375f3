#pragma once

#include "shell/ColorSchemeWatcher.h"

#include <QPalette>
#include <QString>

// Gives every window of the program the colour scheme the watcher decides:
// the desktop's own palette and style where they already are what is
// wanted (and when nothing is), otherwise the Fusion style with a light or
// a dark palette of the program's. Fusion paints every part from the
// palette, where other styles draw some in fixed colours that a dark
// palette would not reach. A change reaches every widget at once as a new
// application palette; the pages and the code pane follow it.
class CAppearance : public QObject
{
    Q_OBJECT
public:
    // Takes the application's palette and style as the desktop's.
    explicit CAppearance(QObject *parent = nullptr);
    ~CAppearance() override;

    // The one made by the program, or none.
    static CAppearance *instance();

    // Reads the user's choice and the desktop's, applies them and follows
    // the desktop from then on.
    void start();
    // The Preferences choice as ColorSchemeSetting stores it.
    void setChosenScheme(int scheme);
    CColorSchemeWatcher *watcher() const { return m_watcher; }

    static QPalette darkPalette();
    static QPalette lightPalette();

private:
    void apply(CColorSchemeWatcher::Scheme scheme);

    CColorSchemeWatcher *m_watcher;
    QPalette m_desktopPalette;
    QString m_desktopStyle;
};
