#include "shell/FeedPublishing.h"

#include "core/RssFeed.h"
#include "publishing/PublishPlan.h"
#include "publishing/PublishSettings.h"
#include "shell/PublishProgress.h"
#include "shell/ShellServices.h"

#include <QFileInfo>
#include <QStatusBar>
#include <QUrl>

namespace {

QString hostOf(const PublishTarget &target)
{
    const QUrl url(target.destination);
    return url.port() > 0 ? QStringLiteral("%1:%2").arg(url.host()).arg(url.port()) : url.host();
}

} // namespace

CFeedPublishing::CFeedPublishing(CShellServices *services, QStatusBar *statusBar, QObject *parent)
    : QObject(parent)
    , m_services(services)
    , m_statusBar(statusBar)
    , m_progress(new CPublishProgress)
{
    m_statusBar->addPermanentWidget(m_progress);
    m_progress->hide();
    connect(m_progress, &CPublishProgress::cancelRequested, &m_publisher, &CFeedPublisher::cancel);
    connect(&m_publisher, &CFeedPublisher::progress, m_progress, &CPublishProgress::setProgress);
    connect(&m_publisher, &CFeedPublisher::finished, this, &CFeedPublishing::onFinished);
}

void CFeedPublishing::setBusy(bool busy)
{
    if (m_busy == busy)
        return;
    m_busy = busy;
    emit runningChanged();
}

void CFeedPublishing::publish(const QString &feedPath, const CRssFeed &feed)
{
    if (m_busy || !checkPasses(feedPath))
        return;
    const QStringList mediaAddresses = CPublishPlan::mediaUrls(feed);
    const auto go = [this, feedPath, mediaAddresses] {
        m_job = CPublishPlan::job(feedPath, mediaAddresses, CPublishSettings::load(feedPath));
        m_job.knownHostsPath = m_knownHostsPath;
        setBusy(true);
        readSecret(m_job.target, [this](const QString &secret) {
            m_job.secret = secret;
            startJob();
        });
    };
    if (!CPublishSettings::load(feedPath).isEmpty()) {
        go();
        return;
    }
    editSettings(feedPath, [go](bool accepted) {
        if (accepted)
            go();
    });
}

bool CFeedPublishing::checkPasses(const QString &feedPath)
{
    const QStringList errors = CPublishPlan::checkErrors(feedPath);
    if (errors.isEmpty())
        return true;
    return m_services->confirm(tr("The feed check found %n error(s) in %1:\n\n%2\n\nPublish anyway?", nullptr, errors.size())
                                   .arg(QFileInfo(feedPath).fileName(), errors.mid(0, 5).join(u'\n')),
                               tr("&Publish Anyway"));
}

void CFeedPublishing::editSettings(const QString &feedPath, const std::function<void(bool)> &accepted)
{
    const PublishTarget stored = CPublishSettings::load(feedPath);
    readSecret(stored, [this, feedPath, stored, accepted](const QString &storedSecret) {
        PublishTarget target = stored;
        QString secret = storedSecret;
        if (!m_services->askPublishSettings(QFileInfo(feedPath).fileName(), &target, &secret)) {
            accepted(false);
            return;
        }
        CPublishSettings::save(feedPath, target);
        if (CPublishPlan::needsSecret(target))
            storeSecret(target, secret);
        accepted(true);
    });
}

void CFeedPublishing::readSecret(const PublishTarget &target, const std::function<void(const QString &)> &done)
{
    if (!CPublishPlan::needsSecret(target)) {
        done(QString());
        return;
    }
    const QString key = CPublishSettings::secretKey(target);
    const auto given = m_sessionSecrets.find(key);
    if (given != m_sessionSecrets.end()) {
        done(given->second);
        return;
    }
    // Without a keyring there is no password yet; the server says so.
    m_secrets.read(key, [done](const SecretResult &result) { done(result.secret); });
}

void CFeedPublishing::storeSecret(const PublishTarget &target, const QString &secret)
{
    const QString key = CPublishSettings::secretKey(target);
    m_sessionSecrets[key] = secret;
    const auto reported = [this](const SecretResult &result) {
        if (!result.ok())
            m_services->showError(tr("The password could not be kept in the desktop's keyring: %1\n\n"
                                                 "Tidrel remembers it until it ends.")
                                      .arg(result.error));
    };
    if (secret.isEmpty())
        m_secrets.remove(key, reported);
    else
        m_secrets.write(key, secret, reported);
}

void CFeedPublishing::startJob()
{
    m_progress->start(m_job.target.destination);
    m_progress->show();
    m_publisher.start(m_job);
}

void CFeedPublishing::onFinished(const PublishResult &result)
{
    if (result.outcome == PublishResult::UnknownHostKey) {
        const CShellServices::HostKeyChoice choice =
            m_services->askTrustHost(hostOf(m_job.target), result.hostFingerprint);
        if (choice != CShellServices::RefuseHost) {
            m_job.trustedHostKey = result.hostFingerprint;
            m_job.addHostKey = choice == CShellServices::TrustHostAlways;
            startJob();
            return;
        }
    }
    m_progress->hide();
    const QString feedName = QFileInfo(m_job.feedPath).fileName();
    m_statusBar->showMessage(result.outcome == PublishResult::Published
                                 ? result.message
                                 : tr("%1 was not published: %2").arg(feedName, result.message));
    setBusy(false);
}
