#pragma once

#include "publishing/FeedPublisher.h"
#include "publishing/SecretStore.h"

#include <QObject>

#include <functional>
#include <map>

class CPublishProgress;
class CRssFeed;
class CShellServices;
class QStatusBar;

// The course of the Publish command, one feed at a time: the feed check
// (errors ask whether to publish anyway), the feed's publish settings
// (asked for when it has none), its password from the keyring, then the
// upload in the background with its progress in the status bar while the
// window stays usable. An SFTP server that is not
// in known_hosts is asked about with its fingerprint and tried again once
// trusted. The status bar's message tells what went where, or why not.
class CFeedPublishing : public QObject
{
    Q_OBJECT
public:
    CFeedPublishing(CShellServices *services, QStatusBar *statusBar, QObject *parent = nullptr);

    void setServices(CShellServices *services) { m_services = services; }
    // Where SFTP host keys are looked up and added; empty: ~/.ssh/known_hosts.
    void setKnownHostsPath(const QString &path) { m_knownHostsPath = path; }

    bool isRunning() const { return m_busy; }
    CPublishProgress *progress() const { return m_progress; }

    // Publishes the feed saved at `feedPath`, whose content `feed` holds
    // (for the enclosures to upload beside it).
    void publish(const QString &feedPath, const CRssFeed &feed);
    // Shows the feed's Publish Settings with its password and keeps what
    // the user accepts: the settings in the program's settings, the
    // password in the keyring. `accepted` hears the answer.
    void editSettings(const QString &feedPath, const std::function<void(bool)> &accepted);

signals:
    // A publishing started or ended.
    void runningChanged();

private:
    void setBusy(bool busy);
    bool checkPasses(const QString &feedPath);
    void readSecret(const PublishTarget &target, const std::function<void(const QString &)> &done);
    void storeSecret(const PublishTarget &target, const QString &secret);
    void startJob();
    void onFinished(const PublishResult &result);

    CShellServices *m_services;
    QStatusBar *m_statusBar;
    CPublishProgress *m_progress;
    CFeedPublisher m_publisher;
    CSecretStore m_secrets;
    QString m_knownHostsPath;
    // Secrets given this session: the keyring may be missing or locked.
    std::map<QString, QString> m_sessionSecrets;
    PublishJob m_job;
    bool m_busy = false;
};
