#include "publishing/FeedPublisher.h"

#include "publishing/DavFolder.h"
#include "publishing/LocalFolder.h"
#include "publishing/RemoteFolder.h"
#include "publishing/S3Folder.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QUrl>

#include <memory>

namespace {

std::unique_ptr<CPublishFolder> openFolder(const QUrl &folder, const PublishJob &job, const QString &feedName,
                                           const std::atomic<bool> *cancelled)
{
    const QString scheme = folder.scheme();
    if (scheme == QLatin1String("file"))
        return std::make_unique<CLocalFolder>(folder.toLocalFile());
    if (folder.host().isEmpty())
        return nullptr;
    if (scheme == QLatin1String("dav") || scheme == QLatin1String("davs"))
        return std::make_unique<CDavFolder>(folder, job, cancelled);
    // A bucket is needed; the prefix may be empty.
    if (scheme == QLatin1String("s3") && folder.path().count(u'/') >= 2)
        return std::make_unique<CS3Folder>(folder, job, feedName, cancelled);
    if (scheme == QLatin1String("sftp") || scheme == QLatin1String("ftp") || scheme == QLatin1String("ftps"))
        return std::make_unique<CRemoteFolder>(folder, job, cancelled);
    return nullptr;
}

PublishResult failure(const QString &why)
{
    PublishResult result;
    result.message = why;
    return result;
}

PublishResult stopped(const CPublishFolder &folder, const QString &remotePath, bool isFeed)
{
    PublishResult result;
    result.outcome = folder.outcome();
    result.hostFingerprint = folder.hostFingerprint();
    result.message = isFeed ? QCoreApplication::translate("CFeedPublisher", "%1 The published feed is as it was.")
                                  .arg(folder.failure())
                            : QCoreApplication::translate("CFeedPublisher", "At %1: %2 The published feed is as it was.")
                                  .arg(remotePath, folder.failure());
    return result;
}

// "Published feed.xml to <address> with 2 media files (1 already there)."
QString publishedMessage(const QString &feedName, const PublishResult &result)
{
    QString message = QCoreApplication::translate("CFeedPublisher", "Published %1 to %2").arg(feedName, result.uploaded.last());
    const int media = int(result.uploaded.size()) - 1;
    if (media > 0)
        message += QCoreApplication::translate("CFeedPublisher", " with %n media file(s)", nullptr, media);
    if (result.skipped > 0)
        message += QCoreApplication::translate("CFeedPublisher", " (%n already there)", nullptr, result.skipped);
    return message + u'.';
}

} // namespace

CFeedPublisher::CFeedPublisher(QObject *parent)
    : QObject(parent)
{
    m_worker.setMaxThreadCount(1);
}

CFeedPublisher::~CFeedPublisher()
{
    m_cancelled = true;
    m_worker.waitForDone();
}

bool CFeedPublisher::start(const PublishJob &job)
{
    if (m_running)
        return false;
    m_running = true;
    m_cancelled = false;
    m_worker.start([this, job] {
        qint64 lastDone = -1;
        int lastFiles = -1;
        const ProgressHandler report = [this, &lastDone, &lastFiles](qint64 done, qint64 total, int files, int filesTotal) {
            // libcurl reports often, and mostly nothing new.
            if (done == lastDone && files == lastFiles)
                return;
            lastDone = done;
            lastFiles = files;
            QMetaObject::invokeMethod(
                this, [=] { emit progress(done, total, files, filesTotal); }, Qt::QueuedConnection);
        };
        const PublishResult result = publish(job, report, &m_cancelled);
        QMetaObject::invokeMethod(
            this,
            [this, result] {
                m_running = false;
                emit finished(result);
            },
            Qt::QueuedConnection);
    });
    return true;
}

PublishResult CFeedPublisher::publish(const PublishJob &job, const ProgressHandler &progress,
                                      const std::atomic<bool> *cancelled)
{
    static const std::atomic<bool> never{false};
    if (!cancelled)
        cancelled = &never;
    const QFileInfo feed(job.feedPath);
    if (!feed.isFile())
        return failure(QCoreApplication::translate("CFeedPublisher", "The feed has no file yet: save it first."));

    // The destination names the feed's file, or its folder when it ends in "/".
    QUrl folderUrl(job.target.destination.trimmed());
    QString feedName = feed.fileName();
    const QString path = folderUrl.path();
    if (!path.endsWith(u'/')) {
        feedName = path.mid(path.lastIndexOf(u'/') + 1);
        folderUrl.setPath(path.left(path.lastIndexOf(u'/') + 1));
    }
    const std::unique_ptr<CPublishFolder> folder = openFolder(folderUrl, job, feedName, cancelled);
    if (!folder || folderUrl.path().isEmpty())
        return failure(QCoreApplication::translate("CFeedPublisher", "The destination must be an sftp://, ftp://, ftps://, dav://, davs://, s3:// or "
                                      "file:// address with a host and a path, such as sftp://example.org/var/www/feed.xml."));

    QList<PublishFile> files = job.media;
    files.append({feed.absoluteFilePath(), feedName});
    qint64 total = 0;
    for (const PublishFile &file : files)
        total += QFileInfo(file.localPath).size();

    PublishResult result;
    qint64 done = 0;
    for (int i = 0; i < files.size(); ++i) {
        progress(done, total, i, int(files.size()));
        const PublishFile &file = files.at(i);
        const bool isFeed = i == files.size() - 1;
        const qint64 size = QFileInfo(file.localPath).size();
        qint64 remoteSize = -1;
        if (!isFeed && !folder->fileSize(file.remotePath, &remoteSize))
            return stopped(*folder, file.remotePath, isFeed);
        if (remoteSize == size) {
            ++result.skipped;
        } else {
            const qint64 start = done;
            const auto sent = [&](qint64 bytes) {
                progress(start + bytes, total, i, int(files.size()));
                return !*cancelled;
            };
            if (!folder->upload(file.localPath, file.remotePath, sent))
                return stopped(*folder, file.remotePath, isFeed);
            result.uploaded.append(folder->address(file.remotePath));
        }
        done += size;
    }
    progress(total, total, int(files.size()), int(files.size()));

    result.outcome = PublishResult::Published;
    result.message = publishedMessage(feedName, result);
    return result;
}
