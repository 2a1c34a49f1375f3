#pragma once

#include <QString>

// Where a file a feed names by its address lies on this machine: an
// address relative to the feed file, a file: URL, or one under the publish
// settings' media base address, whose files mirror the local media folder
// (the feed's own folder when none is set). Web addresses elsewhere name
// no local file.
class CLocalMedia
{
public:
    CLocalMedia() = default;
    // `feedPath` empty: only file: URLs and absolute paths are local.
    explicit CLocalMedia(const QString &feedPath, const QString &mediaBaseUrl = QString(),
                         const QString &mediaFolder = QString());

    // The local file's path; empty when the address names none.
    QString localPath(const QString &address) const;

private:
    QString m_feedFolder;
    QString m_mediaBaseUrl;
    QString m_mediaFolder;
};
