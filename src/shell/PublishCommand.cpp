#include "shell/PublishCommand.h"

#include "core/RssFeed.h"
#include "publishing/PublishPlan.h"
#include "publishing/SecretStore.h"
#include "shell/PublishSettingsDialog.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>

#include <cstdio>

namespace {

void say(const QString &line)
{
    std::fputs(line.toLocal8Bit().constData(), stderr);
    std::fputc('\n', stderr);
}

QString readSecret(const PublishTarget &target)
{
    const QByteArray given = qgetenv("TIDREL_PUBLISH_SECRET");
    if (!given.isNull() || !CPublishPlan::needsSecret(target))
        return QString::fromUtf8(given);
    CSecretStore store;
    QEventLoop loop;
    QString secret;
    store.read(CPublishSettings::secretKey(target), [&](const SecretResult &result) {
        secret = result.secret;
        loop.quit();
    });
    loop.exec();
    return secret;
}

// A line as each file starts and at each tenth of the bytes.
CFeedPublisher::ProgressHandler progressPrinter(const QString &feedName)
{
    return [feedName, lastFile = -1, lastTenth = -1](qint64 done, qint64 total, int file, int files) mutable {
        const int tenth = total > 0 ? int(done * 10 / total) : 10;
        // The end counts one file past the last.
        const int shown = qMin(file + 1, files);
        if (shown == lastFile && tenth == lastTenth)
            return;
        lastFile = shown;
        lastTenth = tenth;
        say(CPublishCommand::tr("%1: file %2 of %3, %4% sent").arg(feedName).arg(shown).arg(files).arg(tenth * 10));
    };
}

} // namespace

CPublishCommand::Status CPublishCommand::run(const QString &feedPath, const QString &targetAddress)
{
    const QString problem = CPublishSettingsDialog::destinationProblem(targetAddress);
    if (!problem.isEmpty()) {
        say(tr("--to %1: %2").arg(targetAddress, problem));
        return BadArguments;
    }
    const QString path = QFileInfo(feedPath).absoluteFilePath();
    if (!QFileInfo(path).isFile()) {
        say(tr("%1 is not a file.").arg(feedPath));
        return BadArguments;
    }
    const QStringList errors = CPublishPlan::checkErrors(path);
    if (!errors.isEmpty()) {
        say(tr("The feed check found errors in %1; nothing was sent:").arg(feedPath));
        for (const QString &error : errors)
            say(error);
        return Refused;
    }
    CRssFeed feed;
    QString loadError;
    if (!feed.LoadFromFile(path, &loadError)) {
        say(tr("%1 cannot be read: %2").arg(feedPath, loadError));
        return Refused;
    }
    // The media address and folder are the feed's own, whichever target,
    // and so are the certificates trusted for a server that signs its own.
    const PublishTarget stored = CPublishSettings::load(path);
    PublishTarget target = CPublishPlan::targetFromAddress(targetAddress);
    target.mediaBaseUrl = stored.mediaBaseUrl;
    target.mediaFolder = stored.mediaFolder;
    target.trustedCertificates = stored.trustedCertificates;
    PublishJob job = CPublishPlan::job(path, CPublishPlan::mediaUrls(feed), target);
    job.secret = readSecret(target);
    const PublishResult result = CFeedPublisher::publish(job, progressPrinter(QFileInfo(path).fileName()), nullptr);
    say(result.message);
    return result.outcome == PublishResult::Published ? Sent : Refused;
}
