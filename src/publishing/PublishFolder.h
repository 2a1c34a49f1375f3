#pragma once

#include "publishing/FeedPublisher.h"

#include <QString>

#include <functional>

// The folder a feed is published to, as the publisher sees it: paths are
// relative to it, with "/" between folders. A failed call leaves why in
// failure() and outcome().
class CPublishFolder
{
public:
    // Bytes of the current file sent so far; false cancels.
    using Progress = std::function<bool(qint64 sent)>;

    virtual ~CPublishFolder() = default;

    // The size of the file at `path`, -1 when there is none. False when the
    // folder cannot be reached.
    virtual bool fileSize(const QString &path, qint64 *size) = 0;
    // Writes the local file under a temporary name beside `path`, creating
    // missing folders, then renames it over `path`. On failure the old file
    // stays and the temporary one goes where the folder still answers.
    virtual bool upload(const QString &localPath, const QString &path, const Progress &progress) = 0;
    // The address of `path`, for messages.
    virtual QString address(const QString &path) const = 0;

    PublishResult::Outcome outcome() const { return m_outcome; }
    QString failure() const { return m_failure; }
    QString hostFingerprint() const { return m_hostFingerprint; }

    // The temporary name of a file while it is uploaded, in the same folder.
    static QString temporaryName(const QString &path)
    {
        const qsizetype slash = path.lastIndexOf(u'/');
        return path.left(slash + 1) + u'.' + path.mid(slash + 1) + QStringLiteral(".tidrel-upload");
    }

protected:
    void fail(const QString &why, PublishResult::Outcome outcome = PublishResult::Failed)
    {
        m_failure = why;
        m_outcome = outcome;
    }

    QString m_hostFingerprint;

private:
    PublishResult::Outcome m_outcome = PublishResult::Failed;
    QString m_failure;
};
