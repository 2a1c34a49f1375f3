#pragma once

#include "publishing/HttpTransfer.h"
#include "publishing/PublishFolder.h"

#include <QUrl>

// A key prefix in a bucket of S3-compatible storage, addressed as
// s3://ENDPOINT[:PORT]/BUCKET/PREFIX/ with the region, the addressing
// (style=path or style=virtual), the ACL (acl=public-read) and, for a
// server without TLS, scheme=http in the query; the access key ID is the
// user. Requests are signed with AWS Signature Version 4 over the SHA-256
// of the body. Media files go straight to their keys: S3 keeps an object
// only once all of it has come. The feed, sent last, goes to a temporary key
// first and is copied over the old one on the server, so that whatever a
// server does with a broken upload, the published feed stays whole.
class CS3Folder : public CPublishFolder
{
public:
    // `folder` ends in "/"; `feedName` is the feed's name in it.
    CS3Folder(const QUrl &folder, const PublishJob &job, const QString &feedName, const std::atomic<bool> *cancelled);

    bool fileSize(const QString &path, qint64 *size) override;
    bool upload(const QString &localPath, const QString &path, const Progress &progress) override;
    QString address(const QString &path) const override;

private:
    QByteArray urlOf(const QString &path) const;
    QList<QByteArray> uploadHeaders(const QString &localPath, const QString &path, const QByteArray &hash) const;
    bool succeeded(const CHttpTransfer::Reply &reply);
    void failWith(const CHttpTransfer::Reply &reply);

    QString m_bucket;
    QString m_prefix; // ends in "/" unless empty
    QString m_host;   // with the port
    QString m_scheme; // https or http
    QString m_region;
    QString m_accessKey;
    QString m_feedName;
    bool m_virtualHosted = false;
    bool m_publicRead = false;
    CHttpTransfer m_transfer;
};
