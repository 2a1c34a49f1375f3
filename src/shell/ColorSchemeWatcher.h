#pragma once

#include <QObject>

class QDBusVariant;

// Light or dark: what the desktop prefers, read from the XDG desktop
// portal's "org.freedesktop.appearance" "color-scheme" setting over the
// session bus and followed as the desktop changes it, unless the user has
// forced one in Preferences. Without a portal (or a session bus) the desktop
// has no preference and the platform's palette stays.
class CColorSchemeWatcher : public QObject
{
    Q_OBJECT
public:
    // The portal's numbers.
    enum Scheme { NoPreference = 0, Dark = 1, Light = 2 };
    Q_ENUM(Scheme)

    explicit CColorSchemeWatcher(QObject *parent = nullptr);

    // Asks the portal, at most a second, and listens to its changes.
    void start();

    Scheme desktopScheme() const { return m_desktop; }
    // NoPreference follows the desktop again.
    void setForcedScheme(Scheme scheme);
    // The forced scheme, else the desktop's.
    Scheme scheme() const { return m_forced != NoPreference ? m_forced : m_desktop; }

    // The portal's value as a scheme: anything but 1 or 2 is no preference.
    static Scheme fromPortalValue(const QVariant &value);

signals:
    void schemeChanged(CColorSchemeWatcher::Scheme scheme);

private slots:
    void onSettingChanged(const QString &group, const QString &key, const QDBusVariant &value);

private:
    void setDesktopScheme(Scheme scheme);
    void change(Scheme *which, Scheme scheme);

    Scheme m_desktop = NoPreference;
    Scheme m_forced = NoPreference;
};
