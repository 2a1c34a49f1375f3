#include "shell/Appearance.h"

#include "settings/ColorSchemeSetting.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

#include <memory>

namespace {

CAppearance *theAppearance = nullptr;

const QString kFusion = QStringLiteral("Fusion");

bool isDark(const QPalette &palette)
{
    return palette.color(QPalette::Window).lightness() < 128;
}

} // namespace

CAppearance::CAppearance(QObject *parent)
    : QObject(parent)
    , m_watcher(new CColorSchemeWatcher(this))
    , m_desktopPalette(QApplication::palette())
    , m_desktopStyle(QApplication::style()->name())
{
    theAppearance = this;
    connect(m_watcher, &CColorSchemeWatcher::schemeChanged, this, &CAppearance::apply);
}

CAppearance::~CAppearance()
{
    if (theAppearance == this)
        theAppearance = nullptr;
}

CAppearance *CAppearance::instance()
{
    return theAppearance;
}

void CAppearance::start()
{
    setChosenScheme(ColorSchemeSetting::load().scheme);
    m_watcher->start();
    apply(m_watcher->scheme());
}

void CAppearance::setChosenScheme(int scheme)
{
    m_watcher->setForcedScheme(CColorSchemeWatcher::fromPortalValue(scheme));
}

// Every text and link colour stands out from its background by 4.5:1 at
// least; the disabled ones, which need not, by 3:1.
QPalette CAppearance::darkPalette()
{
    // The shades (light, mid, dark...) come from the button's colour.
    QPalette dark(QColor(53, 53, 53), QColor(53, 53, 53));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Base, QColor(35, 35, 35));
    dark.setColor(QPalette::AlternateBase, QColor(45, 45, 45));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    dark.setColor(QPalette::ButtonText, Qt::white);
    dark.setColor(QPalette::BrightText, QColor(255, 100, 100));
    dark.setColor(QPalette::ToolTipBase, QColor(45, 45, 45));
    dark.setColor(QPalette::ToolTipText, Qt::white);
    dark.setColor(QPalette::Highlight, QColor(38, 100, 170));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::Link, QColor(110, 170, 255));
    dark.setColor(QPalette::LinkVisited, QColor(190, 150, 255));
    dark.setColor(QPalette::PlaceholderText, QColor(150, 150, 150));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(QPalette::Disabled, role, QColor(127, 127, 127));
    dark.setColor(QPalette::Disabled, QPalette::Highlight, QColor(80, 80, 80));
    return dark;
}

QPalette CAppearance::lightPalette()
{
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(kFusion));
    return fusion->standardPalette();
}

// A switch to Fusion comes first: a new style brings its own palette.
void CAppearance::apply(CColorSchemeWatcher::Scheme scheme)
{
    const bool keepDesktop = scheme == CColorSchemeWatcher::NoPreference
        || (scheme == CColorSchemeWatcher::Dark) == isDark(m_desktopPalette);
    const QString style = keepDesktop ? m_desktopStyle : kFusion;
    if (QApplication::style()->name().compare(style, Qt::CaseInsensitive) != 0)
        QApplication::setStyle(style);
    QPalette palette = m_desktopPalette;
    if (!keepDesktop)
        palette = scheme == CColorSchemeWatcher::Dark ? darkPalette() : lightPalette();
    if (QApplication::palette() != palette)
        QApplication::setPalette(palette);
}
