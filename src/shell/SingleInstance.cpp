#include "shell/SingleInstance.h"

#include "core/ProductInfo.h"
#include "shell/DocManager.h"
#include "shell/MainFrame.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QUrl>

namespace {

const QString kInterface = QStringLiteral("org.freedesktop.Application");

} // namespace

CSingleInstance::CSingleInstance(QObject *parent) : QObject(parent)
{
}

QString CSingleInstance::serviceName()
{
    return QString::fromLatin1(ProductInfo::kAppId);
}

// As desktop entries that the bus starts name theirs: dots become slashes,
// and dashes, which a path may not hold, underscores.
QString CSingleInstance::objectPath()
{
    QString path = u'/' + serviceName();
    path.replace(u'.', u'/');
    path.replace(u'-', u'_');
    return path;
}

bool CSingleInstance::handOver(const QStringList &files)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    // The object is there before the name, so that a call that comes as
    // soon as the name is taken finds it.
    if (!bus.registerObject(objectPath(), this, QDBusConnection::ExportScriptableSlots))
        return false;
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> taken = bus.interface()->registerService(
        serviceName(), QDBusConnectionInterface::DontQueueService, QDBusConnectionInterface::DontAllowReplacement);
    if (taken.isValid() && taken.value() == QDBusConnectionInterface::ServiceRegistered)
        return false;
    bus.unregisterObject(objectPath());
    return callRunning(files);
}

bool CSingleInstance::callRunning(const QStringList &files) const
{
    const QVariantMap platformData;
    QDBusMessage call;
    if (files.isEmpty()) {
        call = QDBusMessage::createMethodCall(serviceName(), objectPath(), kInterface, QStringLiteral("Activate"));
        call << platformData;
    } else {
        QStringList uris;
        for (const QString &file : files)
            uris.append(QUrl::fromLocalFile(file).toString());
        call = QDBusMessage::createMethodCall(serviceName(), objectPath(), kInterface, QStringLiteral("Open"));
        call << uris << platformData;
    }
    return QDBusConnection::sessionBus().call(call).type() == QDBusMessage::ReplyMessage;
}

void CSingleInstance::Activate(const QVariantMap &)
{
    receive({});
}

void CSingleInstance::Open(const QStringList &uris, const QVariantMap &)
{
    QStringList files;
    for (const QString &uri : uris) {
        const QUrl url(uri);
        if (url.isLocalFile())
            files.append(url.toLocalFile());
    }
    receive(files);
}

// The caller waits for the answer to its call, and opening a feed may ask
// the user something: the files open after the answer has gone.
void CSingleInstance::receive(const QStringList &files)
{
    m_pending += files;
    if (m_window)
        QMetaObject::invokeMethod(this, &CSingleInstance::openPending, Qt::QueuedConnection);
}

void CSingleInstance::serve(CMainFrame *window)
{
    m_window = window;
    if (!m_pending.isEmpty())
        QMetaObject::invokeMethod(this, &CSingleInstance::openPending, Qt::QueuedConnection);
}

void CSingleInstance::openPending()
{
    if (!m_window)
        return;
    m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
    const QStringList files = std::exchange(m_pending, {});
    for (const QString &file : files)
        m_window->documents()->openDocument(file);
}
