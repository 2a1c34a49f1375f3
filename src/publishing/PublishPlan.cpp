#include "publishing/PublishPlan.h"

#include "core/RssFeed.h"
#include "markup/FeedChecker.h"

#include <QCoreApplication>
#include <QFile>
#include <QUrl>

namespace {

void appendAddresses(QStringList *urls, const std::vector<FeedElement> &elements, const QString &attribute)
{
    for (const FeedElement &element : elements)
        urls->append(element.attribute(attribute));
}

} // namespace

QStringList CPublishPlan::mediaUrls(const CRssFeed &feed)
{
    const QString url = QStringLiteral("url");
    const QString href = QStringLiteral("href");
    QStringList urls;
    appendAddresses(&urls, feed.GetChannelElements(QStringLiteral("itunes:image")), href);
    for (int post = 0; post < feed.GetPostCount(); ++post) {
        appendAddresses(&urls, feed.GetPostElements(post, QStringLiteral("enclosure")), url);
        appendAddresses(&urls, feed.GetPostElements(post, QStringLiteral("podcast:chapters")), url);
        appendAddresses(&urls, feed.GetPostElements(post, QStringLiteral("podcast:transcript")), url);
        appendAddresses(&urls, feed.GetPostElements(post, QStringLiteral("itunes:image")), href);
        for (const FeedElement &alternate : feed.GetPostElements(post, QStringLiteral("podcast:alternateEnclosure")))
            appendAddresses(&urls, alternate.childrenNamed(QStringLiteral("podcast:source")), QStringLiteral("uri"));
    }
    return urls;
}

QStringList CPublishPlan::checkErrors(const QString &feedPath)
{
    QFile file(feedPath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    CFeedChecker::Options options;
    options.podcastRules = CFeedChecker::PodcastRules::IfDeclared;
    options.media = CPublishSettings::localMedia(feedPath);
    QStringList errors;
    for (const CFeedChecker::Problem &problem : CFeedChecker::Check(file.readAll(), options)) {
        if (problem.level() == CFeedRules::Level::Error)
            errors.append(QCoreApplication::translate("CFeedPublishing", "Line %1: %2").arg(problem.line).arg(problem.message));
    }
    return errors;
}

PublishJob CPublishPlan::job(const QString &feedPath, const QStringList &mediaUrls, const PublishTarget &target)
{
    PublishJob job;
    job.feedPath = feedPath;
    job.target = target;
    job.media = CPublishSettings::mediaFiles(target, feedPath, mediaUrls);
    return job;
}

bool CPublishPlan::needsSecret(const PublishTarget &target)
{
    const QString scheme = QUrl(target.destination).scheme().toLower();
    if (scheme == QLatin1String("sftp"))
        return target.sshAuth != PublishTarget::SshAgent;
    return QStringList{QStringLiteral("ftp"), QStringLiteral("ftps"), QStringLiteral("dav"), QStringLiteral("davs"),
                       QStringLiteral("s3")}.contains(scheme);
}

PublishTarget CPublishPlan::targetFromAddress(const QString &address)
{
    QUrl url(address.trimmed());
    PublishTarget target;
    target.userName = url.userName();
    url.setUserInfo(QString());
    target.destination = url.toString();
    return target;
}
