#include "publishing/LocalFolder.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QUrl>

namespace {

constexpr qint64 kChunkBytes = 256 * 1024;

QString writeFailure(const QFileDevice &file)
{
    if (file.error() == QFileDevice::ResourceError)
        return QCoreApplication::translate("CLocalFolder", "The disk is full.");
    return QCoreApplication::translate("CLocalFolder", "The file could not be written: %1.").arg(file.errorString());
}

} // namespace

CLocalFolder::CLocalFolder(const QString &path)
    : m_folder(path)
{
}

bool CLocalFolder::fileSize(const QString &path, qint64 *size)
{
    const QFileInfo file(m_folder.filePath(path));
    *size = file.isFile() ? file.size() : -1;
    return true;
}

bool CLocalFolder::upload(const QString &localPath, const QString &path, const Progress &progress)
{
    QFile source(localPath);
    if (!source.open(QIODevice::ReadOnly)) {
        fail(QCoreApplication::translate("CLocalFolder", "%1 cannot be read.").arg(QDir::toNativeSeparators(localPath)));
        return false;
    }
    const QString target = m_folder.filePath(path);
    if (!m_folder.mkpath(QFileInfo(target).absolutePath())) {
        fail(QCoreApplication::translate("CLocalFolder", "The folder %1 cannot be made.").arg(QDir::toNativeSeparators(QFileInfo(target).absolutePath())));
        return false;
    }
    QSaveFile copy(target);
    if (!copy.open(QIODevice::WriteOnly)) {
        fail(writeFailure(copy));
        return false;
    }
    qint64 sent = 0;
    while (!source.atEnd()) {
        const QByteArray chunk = source.read(kChunkBytes);
        if (chunk.isEmpty() && source.error() != QFileDevice::NoError) {
            fail(QCoreApplication::translate("CLocalFolder", "%1 cannot be read.").arg(QDir::toNativeSeparators(localPath)));
            return false;
        }
        if (copy.write(chunk) != chunk.size()) {
            fail(writeFailure(copy));
            return false;
        }
        sent += chunk.size();
        if (!progress(sent)) {
            fail(QCoreApplication::translate("CLocalFolder", "Cancelled."), PublishResult::Cancelled);
            return false;
        }
    }
    if (!copy.commit()) {
        fail(writeFailure(copy));
        return false;
    }
    return true;
}

QString CLocalFolder::address(const QString &path) const
{
    return QUrl::fromLocalFile(m_folder.filePath(path)).toString();
}
