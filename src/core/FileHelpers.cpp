#include "core/FileHelpers.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <algorithm>
#include <utility>
#include <vector>

#include <unistd.h>

namespace {

const QChar kSeparator = u'/';

// An empty folder stays empty: a bare file name lies in the current folder.
QString withTrailingSeparator(const QString &folder)
{
    return folder.isEmpty() || folder.endsWith(kSeparator) ? folder : folder + kSeparator;
}

QString GetFileNameWithExtension(const QString &path)
{
    return path.mid(path.lastIndexOf(kSeparator) + 1);
}

// The folder of a path without a trailing separator ("/" for the root);
// empty for a bare name.
QString GetFolderOfPath(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(kSeparator);
    if (slash < 0)
        return QString();
    return slash == 0 ? QString(kSeparator) : path.left(slash);
}

// A document's file name as its backups use it: the name before the last
// dot, and the extension from that dot on ("news", ".xml").
std::pair<QString, QString> nameAndExtension(const QString &documentPath)
{
    const QString fileName = GetFileNameWithExtension(documentPath);
    const qsizetype dot = fileName.lastIndexOf(u'.');
    if (dot < 0)
        return {fileName, QString()};
    return {fileName.left(dot), fileName.mid(dot)};
}

// A save writes its new file beside the old one and renames it over it,
// unless it cannot make a file in that folder: it then writes in place,
// which a link would follow. Trying to make a file there, as the save will,
// tells which. Symbolic links are followed, as the save follows them.
bool linkBeforeReplace(const QString &documentPath, const QString &target)
{
    const QFileInfo document(QFileInfo(documentPath).canonicalFilePath());
    const QFile::Permissions ownerReadWrite = QFile::ReadOwner | QFile::WriteOwner;
    if (!document.isFile() || (document.permissions() & ownerReadWrite) != ownerReadWrite)
        return false;
    QTemporaryFile probe(document.absolutePath() + QStringLiteral("/.tidrel-XXXXXX"));
    if (!probe.open())
        return false;
    probe.remove();
    return ::link(QFile::encodeName(document.filePath()).constData(), QFile::encodeName(target).constData()) == 0;
}

} // namespace

QString GetBackupFolder(const QString &documentPath)
{
    const QString fallback = GetFolderOfPath(documentPath);
    const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (dataFolder.isEmpty() || !QDir().mkpath(dataFolder))
        return fallback;

    const QString folder = withTrailingSeparator(dataFolder) + QStringLiteral("Tidrel_Backup");
    if (DirectoryExists(folder) || QDir().mkdir(folder))
        return folder;
    return fallback;
}

bool BackupFile(const QString &documentPath, QString *backupPath, BackupKind kind)
{
    return BackupFile(documentPath, QDateTime::currentDateTime(), backupPath, kind);
}

bool BackupFile(const QString &documentPath, const QDateTime &localTime, QString *backupPath, BackupKind kind)
{
    // Checked first so that a missing document never costs an older copy.
    if (!QFileInfo(documentPath).isFile())
        return false;

    const auto [name, extension] = nameAndExtension(documentPath);
    const QString stem = withTrailingSeparator(GetBackupFolder(documentPath)) + name + u'_' + BackupTimeStamp(localTime);

    // Saves within one second get numbered copies: a backup never replaces
    // another, which may hold the only copy of an outside edit.
    QString target = stem + extension + QStringLiteral(".bak");
    for (int number = 2; QFileInfo::exists(target); ++number)
        target = stem + u'_' + QString::number(number) + extension + QStringLiteral(".bak");
    const bool linked = kind == BackupKind::LinkBeforeReplace && linkBeforeReplace(documentPath, target);
    if (!linked && !QFile::copy(documentPath, target))
        return false;
    // The copy of a read-only feed stays the user's to tidy away.
    if (!linked)
        QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner | QFile::ReadOwner);
    if (backupPath)
        *backupPath = target;
    return true;
}

// A fixed numeric form rather than the locale's, so that no locale can put
// a character into the name that a file name cannot hold.
QString BackupTimeStamp(const QDateTime &localTime)
{
    QString stamp = QLocale::c().toString(localTime, QStringLiteral("dd.MM.yyyy HH:mm:ss"));
    stamp.replace(u'.', u'_');
    stamp.replace(u' ', u'_');
    stamp.replace(u':', u'-');
    return stamp;
}

void PruneBackups(const QString &documentPath, int keep)
{
    const auto [name, extension] = nameAndExtension(documentPath);
    const QRegularExpression backupName(
        QStringLiteral("^%1_(\\d\\d)_(\\d\\d)_(\\d{4})_(\\d\\d)-(\\d\\d)-(\\d\\d)(?:_(\\d+))?%2\\.bak$")
            .arg(QRegularExpression::escape(name), QRegularExpression::escape(extension)));
    const QDir folder(GetBackupFolder(documentPath));
    // Sorted by "yyyyMMddHHmmss" and the number of a second copy in one
    // second (the first has none, and counts as 1).
    std::vector<std::pair<QString, QString>> backups;
    for (const QString &entry : folder.entryList(QDir::Files | QDir::Hidden)) {
        const QRegularExpressionMatch match = backupName.match(entry);
        if (!match.hasMatch())
            continue;
        const QString number = match.captured(7).isEmpty() ? QStringLiteral("1") : match.captured(7);
        const QString order = match.captured(3) + match.captured(2) + match.captured(1) + match.captured(4)
                              + match.captured(5) + match.captured(6) + number.rightJustified(10, u'0');
        backups.emplace_back(order, entry);
    }
    if (int(backups.size()) <= keep)
        return;
    std::sort(backups.begin(), backups.end(), std::greater<>());
    for (auto old = backups.begin() + std::max(keep, 0); old != backups.end(); ++old)
        QFile::remove(folder.filePath(old->second));
}

QString MakeTempFileName(const QString &folder, const QString &extension)
{
    const QString prefix = withTrailingSeparator(folder.isEmpty() ? QDir::tempPath() : folder) + QStringLiteral("abcd");
    QString suffix = QStringLiteral(".tmp");
    if (!extension.isEmpty()) {
        if (!extension.startsWith(u'.'))
            suffix += u'.';
        suffix += extension;
    }

    // Start from the clock, as the name is meant to differ between calls,
    // and count on past names that are taken.
    const quint16 start = quint16(QDateTime::currentMSecsSinceEpoch());
    for (int step = 0; step <= 0xFFFF; ++step) {
        const quint16 number = quint16(start + step);
        const QString name = prefix + QStringLiteral("%1").arg(number, 4, 16, QLatin1Char('0')).toUpper() + suffix;
        if (!QFileInfo::exists(name))
            return name;
    }
    return QString();
}

bool DirectoryExists(const QString &path)
{
    if (path.isEmpty())
        return false;
    QString directory = path;
    if (directory.size() > 1 && directory.endsWith(kSeparator))
        directory.chop(1);
    return QFileInfo(directory).isDir();
}

