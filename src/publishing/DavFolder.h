#pragma once

#include "publishing/HttpTransfer.h"
#include "publishing/PublishFolder.h"

#include <QUrl>

// A folder on a WebDAV server (dav:// over HTTP, davs:// over HTTPS), signed
// in to with basic or digest authentication. Each file goes up with PUT
// under its temporary name, folders missing on the way are made with MKCOL,
// and MOVE puts the complete file in the old one's place.
class CDavFolder : public CPublishFolder
{
public:
    // `folder` ends in "/".
    CDavFolder(const QUrl &folder, const PublishJob &job, const std::atomic<bool> *cancelled);

    bool fileSize(const QString &path, qint64 *size) override;
    bool upload(const QString &localPath, const QString &path, const Progress &progress) override;
    QString address(const QString &path) const override;

private:
    QByteArray urlOf(const QString &path) const;
    bool makeFolders(const QString &path);
    // Says why, with `where` for refusals; always false.
    bool failWith(const CHttpTransfer::Reply &reply, const QString &where);

    QUrl m_folder; // with http or https
    CHttpTransfer m_transfer;
};
