#include "publishing/ChaptersLocation.h"

#include "publishing/PublishSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace {

// A feed never saved has no folder: the home folder stands for it.
QString feedFolder(const QString &feedPath)
{
    return feedPath.isEmpty() ? QDir::homePath() : QFileInfo(feedPath).absolutePath();
}

QString mediaFolder(const QString &feedPath, const PublishTarget &target)
{
    return target.mediaFolder.isEmpty() ? feedFolder(feedPath) : target.mediaFolder;
}

// The relative path inside `folder`, or empty when `path` is outside it.
QString pathInside(const QString &folder, const QString &path)
{
    const QString relative = QDir(folder).relativeFilePath(path);
    return relative.startsWith(QLatin1String("../")) || relative == QLatin1String("..") || QDir::isAbsolutePath(relative)
                   ? QString()
                   : relative;
}

} // namespace

QString CChaptersLocation::localPath(const QString &url, const QString &feedPath, const PublishTarget &target)
{
    const QString address = url.trimmed();
    if (address.isEmpty())
        return QString();
    if (!target.mediaBaseUrl.isEmpty() && address.startsWith(target.mediaBaseUrl)) {
        QString rest = address.mid(target.mediaBaseUrl.size()).section(u'?', 0, 0).section(u'#', 0, 0);
        while (rest.startsWith(u'/'))
            rest.remove(0, 1);
        const QString relative = QDir::cleanPath(QUrl::fromPercentEncoding(rest.toUtf8()));
        if (relative.isEmpty() || relative == QLatin1String("..") || relative.startsWith(QLatin1String("../"))
            || QDir::isAbsolutePath(relative))
            return QString();
        return QDir(mediaFolder(feedPath, target)).filePath(relative);
    }
    const QUrl parsed(address);
    if (parsed.isLocalFile())
        return parsed.toLocalFile();
    if (!parsed.scheme().isEmpty() && !QDir::isAbsolutePath(address))
        return QString();
    return QDir::cleanPath(QDir(feedFolder(feedPath)).absoluteFilePath(address));
}

QString CChaptersLocation::suggestedPath(const QString &url, const QString &feedPath, const PublishTarget &target)
{
    QString name = QUrl(url.trimmed()).fileName();
    if (name.isEmpty())
        name = QStringLiteral("chapters.json");
    return QDir(mediaFolder(feedPath, target)).filePath(name);
}

QString CChaptersLocation::urlFor(const QString &localPath, const QString &feedPath, const PublishTarget &target)
{
    if (target.mediaBaseUrl.isEmpty())
        return QString();
    const QString relative = pathInside(mediaFolder(feedPath, target), QFileInfo(localPath).absoluteFilePath());
    if (relative.isEmpty())
        return QString();
    const QString base = target.mediaBaseUrl.endsWith(u'/') ? target.mediaBaseUrl : target.mediaBaseUrl + u'/';
    return base + QString::fromUtf8(QUrl::toPercentEncoding(relative, "/"));
}
