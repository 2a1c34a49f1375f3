#pragma once

#include "publishing/PublishFolder.h"

#include <QDir>

// A folder on this machine (a file:// destination), e.g. the checkout of a
// static web site. QSaveFile writes each file under a temporary name and
// renames it over the old one.
class CLocalFolder : public CPublishFolder
{
public:
    explicit CLocalFolder(const QString &path);

    bool fileSize(const QString &path, qint64 *size) override;
    bool upload(const QString &localPath, const QString &path, const Progress &progress) override;
    QString address(const QString &path) const override;

private:
    QDir m_folder;
};
