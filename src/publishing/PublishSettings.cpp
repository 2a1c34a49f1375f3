#include "publishing/PublishSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>

namespace {

// The file QSettings gives the program by its organisation and name, named
// here so the setting does not depend on them being set.
QString settingsPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/Tidrel/Tidrel.conf");
}

// A path's slashes would make groups of their own.
QString groupOf(const QString &feedPath)
{
    return QStringLiteral("Publish/")
        + QString::fromLatin1(QUrl::toPercentEncoding(QFileInfo(feedPath).absoluteFilePath()));
}

const QString kDestination = QStringLiteral("Destination");
const QString kUserName = QStringLiteral("UserName");
const QString kExplicitTls = QStringLiteral("ExplicitTls");
const QString kTrustedCertificates = QStringLiteral("TrustedCertificates");
const QString kSshAuth = QStringLiteral("SshAuth");
const QString kKeyFile = QStringLiteral("KeyFile");
const QString kMediaBaseUrl = QStringLiteral("MediaBaseUrl");
const QString kMediaFolder = QStringLiteral("MediaFolder");
const QString kFeedAddress = QStringLiteral("FeedAddress");

} // namespace

bool PublishTarget::operator==(const PublishTarget &other) const
{
    return destination == other.destination && userName == other.userName && explicitTls == other.explicitTls
        && trustedCertificates == other.trustedCertificates && sshAuth == other.sshAuth && keyFile == other.keyFile && mediaBaseUrl == other.mediaBaseUrl
        && mediaFolder == other.mediaFolder && feedAddress == other.feedAddress;
}

PublishTarget CPublishSettings::load(const QString &feedPath)
{
    QSettings settings(settingsPath(), QSettings::IniFormat);
    settings.beginGroup(groupOf(feedPath));
    PublishTarget target;
    target.destination = settings.value(kDestination).toString();
    target.userName = settings.value(kUserName).toString();
    target.explicitTls = settings.value(kExplicitTls, false).toBool();
    target.trustedCertificates = settings.value(kTrustedCertificates).toString();
    const int auth = settings.value(kSshAuth, int(PublishTarget::SshPassword)).toInt();
    if (auth >= PublishTarget::SshPassword && auth <= PublishTarget::SshAgent)
        target.sshAuth = PublishTarget::SshAuth(auth);
    target.keyFile = settings.value(kKeyFile).toString();
    target.mediaBaseUrl = settings.value(kMediaBaseUrl).toString();
    target.mediaFolder = settings.value(kMediaFolder).toString();
    target.feedAddress = settings.value(kFeedAddress).toString();
    return target;
}

void CPublishSettings::save(const QString &feedPath, const PublishTarget &target)
{
    QSettings settings(settingsPath(), QSettings::IniFormat);
    settings.remove(groupOf(feedPath));
    settings.beginGroup(groupOf(feedPath));
    settings.setValue(kDestination, target.destination);
    settings.setValue(kUserName, target.userName);
    settings.setValue(kExplicitTls, target.explicitTls);
    settings.setValue(kTrustedCertificates, target.trustedCertificates);
    settings.setValue(kSshAuth, int(target.sshAuth));
    settings.setValue(kKeyFile, target.keyFile);
    settings.setValue(kMediaBaseUrl, target.mediaBaseUrl);
    settings.setValue(kMediaFolder, target.mediaFolder);
    settings.setValue(kFeedAddress, target.feedAddress);
}

void CPublishSettings::remove(const QString &feedPath)
{
    QSettings(settingsPath(), QSettings::IniFormat).remove(groupOf(feedPath));
}

QString CPublishSettings::secretKey(const PublishTarget &target)
{
    QUrl url(target.destination);
    if (!target.userName.isEmpty())
        url.setUserName(target.userName);
    return url.toString(QUrl::RemovePassword | QUrl::RemovePath | QUrl::RemoveQuery | QUrl::RemoveFragment);
}

QList<PublishFile> CPublishSettings::mediaFiles(const PublishTarget &target, const QString &feedPath,
                                                const QStringList &urls)
{
    QList<PublishFile> files;
    if (target.mediaBaseUrl.isEmpty())
        return files;
    const QDir folder(target.mediaFolder.isEmpty() ? QFileInfo(feedPath).absolutePath() : target.mediaFolder);
    for (const QString &url : urls) {
        if (!url.startsWith(target.mediaBaseUrl))
            continue;
        QString rest = url.mid(target.mediaBaseUrl.size()).section(u'?', 0, 0).section(u'#', 0, 0);
        // A base address given without its closing slash: the path starts
        // after one ("https://host/media" + "/a.mp3", not "/mediacast.mp3").
        if (!target.mediaBaseUrl.endsWith(u'/')) {
            if (!rest.startsWith(u'/'))
                continue;
            rest.remove(0, 1);
        }
        const QString relative = QUrl::fromPercentEncoding(rest.toUtf8());
        // An address that climbs out of the base has no place beside the feed.
        const QString clean = QDir::cleanPath(relative);
        if (relative.isEmpty() || clean == QLatin1String("..") || clean.startsWith(QLatin1String("../"))
            || QDir::isAbsolutePath(relative))
            continue;
        const PublishFile file{folder.filePath(clean), clean};
        if (QFileInfo(file.localPath).isFile() && !files.contains(file))
            files.append(file);
    }
    return files;
}

CLocalMedia CPublishSettings::localMedia(const QString &feedPath)
{
    const PublishTarget target = load(feedPath);
    return CLocalMedia(feedPath, target.mediaBaseUrl, target.mediaFolder);
}
