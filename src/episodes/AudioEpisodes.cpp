#include "episodes/AudioEpisodes.h"

#include "core/PubDate.h"
#include "core/RssFeed.h"
#include "document/RSSEditDoc.h"
#include "episodes/AudioTags.h"
#include "episodes/EnclosureProbe.h"
#include "markup/ArtworkFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QRegularExpression>
#include <QTextDocument>
#include <QUrl>

#include <algorithm>

namespace {

FeedElement element(const QString &name, const QString &text, const QList<QPair<QString, QString>> &attributes = {})
{
    return FeedElement{name, attributes, text, {}};
}

} // namespace

CAudioEpisodes::CAudioEpisodes(const PublishTarget &target, const QString &feedPath)
    : m_target(target)
    , m_mediaFolder(!target.mediaFolder.isEmpty() ? target.mediaFolder
                    : feedPath.isEmpty()          ? QString()
                                                  : QFileInfo(feedPath).absolutePath())
{
}

NewPostContent CAudioEpisodes::makeEpisode(const QString &path, const CAudioTags &tags, int episode)
{
    const QFileInfo file(path);
    if (!m_target.mediaBaseUrl.isEmpty() && !isInMediaFolder(path)) {
        m_notes.append(tr("%1 is outside the media folder %2: its address names the file alone, and publishing "
                          "does not upload it.")
                           .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(m_mediaFolder)));
    }
    NewPostContent post;
    post.title = tags.title().isEmpty() ? file.completeBaseName() : tags.title();
    post.description = descriptionHtml(tags.description());
    const QDateTime date = tags.date().isValid() ? tags.date() : file.lastModified();
    post.elements.push_back(element(QStringLiteral("pubDate"), PubDate::FormatPubDate(date)));

    QString type = CEnclosureProbe::podcastMimeType(path);
    if (type.isEmpty())
        type = QMimeDatabase().mimeTypeForFile(file).name();
    post.elements.push_back(element(QStringLiteral("enclosure"), QString(),
                                    {{QStringLiteral("url"), mediaAddress(path)},
                                     {QStringLiteral("length"), QString::number(file.size())},
                                     {QStringLiteral("type"), type}}));
    post.elements.push_back(element(QStringLiteral("itunes:duration"), formatDuration(tags.durationSeconds())));
    post.elements.push_back(element(QStringLiteral("itunes:episode"), QString::number(episode)));
    const QString cover = saveCover(path, tags);
    if (!cover.isEmpty() && isDirectoryArtwork(path, cover))
        post.elements.push_back(element(QStringLiteral("itunes:image"), QString(), {{QStringLiteral("href"), mediaAddress(cover)}}));
    return post;
}

// The cover's path, or an empty string when there is none or it could not
// be written.
QString CAudioEpisodes::saveCover(const QString &audioPath, const CAudioTags &tags)
{
    if (tags.cover().isEmpty())
        return QString();
    const QFileInfo audio(audioPath);
    const QString extension = tags.coverMimeType() == QLatin1String("image/png") ? QStringLiteral(".png") : QStringLiteral(".jpg");
    const QString path = audio.dir().filePath(audio.completeBaseName() + extension);
    if (QFileInfo::exists(path))
        return path;
    QFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(tags.cover()) == tags.cover().size() && file.flush())
        return path;
    file.remove();
    m_notes.append(tr("The cover of %1 could not be saved as %2: %3")
                       .arg(QDir::toNativeSeparators(audioPath), QDir::toNativeSeparators(path), file.errorString()));
    return QString();
}

// Apple Podcasts refuses an episode whose artwork is not square, 1400 to
// 3000 pixels a side and RGB: such a cover stays beside the audio, and the
// episode shows the show's artwork.
bool CAudioEpisodes::isDirectoryArtwork(const QString &audioPath, const QString &coverPath)
{
    const CArtworkFile artwork(coverPath);
    if (!artwork.isReadable())
        return true; // a picture Qt cannot read may still be one the directories read
    if (artwork.hasDirectorySize() && artwork.isRgb())
        return true;
    m_notes.append(tr("The cover of %1, saved as %2, is %3 x %4 pixels%5; Apple Podcasts takes square RGB artwork "
                      "from 1400 x 1400 to 3000 x 3000, so the episode shows the show's artwork.")
                           .arg(QDir::toNativeSeparators(audioPath), QDir::toNativeSeparators(coverPath))
                           .arg(artwork.size().width())
                           .arg(artwork.size().height())
                           .arg(artwork.isRgb() ? QString() : tr(" and not in RGB")));
    return false;
}

bool CAudioEpisodes::isInMediaFolder(const QString &path) const
{
    if (m_mediaFolder.isEmpty())
        return false;
    const QString relative = QDir(m_mediaFolder).relativeFilePath(QFileInfo(path).absoluteFilePath());
    return !relative.startsWith(QLatin1String("../")) && relative != QLatin1String("..") && !QDir::isAbsolutePath(relative);
}

QString CAudioEpisodes::mediaAddress(const QString &path) const
{
    const QString relative = isInMediaFolder(path) ? QDir(m_mediaFolder).relativeFilePath(QFileInfo(path).absoluteFilePath())
                                                   : QFileInfo(path).fileName();
    QStringList segments;
    for (const QString &segment : relative.split(u'/'))
        segments.append(QString::fromLatin1(QUrl::toPercentEncoding(segment)));
    QString base = m_target.mediaBaseUrl.trimmed();
    if (!base.isEmpty() && !base.endsWith(u'/'))
        base += u'/';
    return base + segments.join(u'/');
}

int CAudioEpisodes::nextEpisodeNumber(const CRssFeed &feed)
{
    int highest = 0;
    for (int post = 0; post < feed.GetPostCount(); ++post) {
        for (const FeedElement &episode : feed.GetPostElements(post, QStringLiteral("itunes:episode")))
            highest = std::max(highest, episode.text.trimmed().toInt());
    }
    return highest + 1;
}

QString CAudioEpisodes::formatDuration(qint64 seconds)
{
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
        .arg((seconds / 60) % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString CAudioEpisodes::descriptionHtml(const QString &text)
{
    if (text.isEmpty() || Qt::mightBeRichText(text))
        return text;
    QString normalized = text;
    normalized.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QStringList paragraphs;
    for (const QString &paragraph : normalized.split(QRegularExpression(QStringLiteral("\\n\\s*\\n")), Qt::SkipEmptyParts)) {
        const QString lines = paragraph.trimmed().toHtmlEscaped().replace(u'\n', QLatin1String("<br>"));
        if (!lines.isEmpty())
            paragraphs.append(QStringLiteral("<p>") + lines + QStringLiteral("</p>"));
    }
    return paragraphs.join(u'\n');
}
