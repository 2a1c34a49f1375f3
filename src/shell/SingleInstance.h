#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QVariantMap>

class CMainFrame;

// One program per desktop session. The first one takes the application
// id's name on the session bus and answers there as the desktop's
// org.freedesktop.Application; a later one hands its files to it (Open), or
// without files brings its window to the front (Activate), and ends.
// Without a session bus every program runs on its own.
class CSingleInstance : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")
public:
    explicit CSingleInstance(QObject *parent = nullptr);

    // The application id, and the object path made from it
    // ("/example/tidrel/Tidrel").
    static QString serviceName();
    static QString objectPath();

    // Takes the name for this program. When another running program holds
    // it, hands it `files` and returns true: this process has nothing left
    // to do. False when this program is the first, when there is no session
    // bus, or when the program holding the name does not answer.
    bool handOver(const QStringList &files);
    // Files handed over open in `window` from now on, and so do any that
    // came before; the window comes to the front.
    void serve(CMainFrame *window);

public slots:
    // The calls a later program makes. The platform data (startup
    // notification ids) is not used.
    Q_SCRIPTABLE void Activate(const QVariantMap &platformData);
    Q_SCRIPTABLE void Open(const QStringList &uris, const QVariantMap &platformData);

private:
    bool callRunning(const QStringList &files) const;
    void receive(const QStringList &files);
    void openPending();

    QPointer<CMainFrame> m_window;
    QStringList m_pending;
};
