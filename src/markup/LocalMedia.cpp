#include "markup/LocalMedia.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

CLocalMedia::CLocalMedia(const QString &feedPath, const QString &mediaBaseUrl, const QString &mediaFolder)
    : m_feedFolder(feedPath.isEmpty() ? QString() : QFileInfo(feedPath).absolutePath())
    , m_mediaBaseUrl(mediaBaseUrl.trimmed())
    , m_mediaFolder(mediaFolder.isEmpty() ? m_feedFolder : mediaFolder)
{
}

QString CLocalMedia::localPath(const QString &address) const
{
    const QString href = address.trimmed();
    if (href.isEmpty())
        return QString();
    if (!m_mediaBaseUrl.isEmpty() && !m_mediaFolder.isEmpty() && href.startsWith(m_mediaBaseUrl)) {
        QString relative = href.mid(m_mediaBaseUrl.size()).section(u'?', 0, 0).section(u'#', 0, 0);
        while (relative.startsWith(u'/'))
            relative.remove(0, 1);
        return QDir(m_mediaFolder).filePath(QUrl::fromPercentEncoding(relative.toUtf8()));
    }
    const QUrl url(href);
    if (url.isLocalFile())
        return url.toLocalFile();
    if (!url.scheme().isEmpty() && url.scheme().size() > 1) // "C:" is no scheme
        return QString();
    if (QDir::isAbsolutePath(href))
        return href;
    if (m_feedFolder.isEmpty())
        return QString();
    return QDir(m_feedFolder).filePath(QUrl::fromPercentEncoding(href.section(u'?', 0, 0).toUtf8()));
}
