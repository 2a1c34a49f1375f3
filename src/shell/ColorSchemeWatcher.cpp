#include "shell/ColorSchemeWatcher.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kInterface = QStringLiteral("org.freedesktop.portal.Settings");
const QString kGroup = QStringLiteral("org.freedesktop.appearance");
const QString kKey = QStringLiteral("color-scheme");
// A running portal answers at once; one the bus must start first may take
// longer, and its later changes still arrive.
constexpr int kReadTimeoutMs = 1000;

// The portal's Read wraps the value in one variant more than ReadOne and
// SettingChanged do; either way the number is inside.
QVariant unwrapped(QVariant value)
{
    while (value.metaType() == QMetaType::fromType<QDBusVariant>())
        value = value.value<QDBusVariant>().variant();
    return value;
}

} // namespace

CColorSchemeWatcher::CColorSchemeWatcher(QObject *parent) : QObject(parent)
{
}

// Read rather than ReadOne: every version of the portal has it. The answer
// is waited for, so that the first window already has its colours; a
// portal without the setting answers with an error: no preference.
void CColorSchemeWatcher::start()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    bus.connect(kService, kPath, kInterface, QStringLiteral("SettingChanged"), this,
                SLOT(onSettingChanged(QString, QString, QDBusVariant)));
    QDBusMessage read = QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Read"));
    read << kGroup << kKey;
    const QDBusMessage reply = bus.call(read, QDBus::Block, kReadTimeoutMs);
    if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty())
        setDesktopScheme(fromPortalValue(reply.arguments().constFirst()));
}

CColorSchemeWatcher::Scheme CColorSchemeWatcher::fromPortalValue(const QVariant &value)
{
    bool isNumber = false;
    const uint number = unwrapped(value).toUInt(&isNumber);
    if (isNumber && (number == Dark || number == Light))
        return Scheme(number);
    return NoPreference;
}

void CColorSchemeWatcher::setForcedScheme(Scheme scheme)
{
    change(&m_forced, scheme);
}

void CColorSchemeWatcher::onSettingChanged(const QString &group, const QString &key, const QDBusVariant &value)
{
    if (group == kGroup && key == kKey)
        setDesktopScheme(fromPortalValue(QVariant::fromValue(value)));
}

void CColorSchemeWatcher::setDesktopScheme(Scheme scheme)
{
    change(&m_desktop, scheme);
}

void CColorSchemeWatcher::change(Scheme *which, Scheme scheme)
{
    const Scheme before = this->scheme();
    *which = scheme;
    if (this->scheme() != before)
        emit schemeChanged(this->scheme());
}
