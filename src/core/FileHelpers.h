#pragma once

#include <QString>

class QDateTime;

// Backups of feed files and small path helpers. Paths use "/" and folders
// are returned without a trailing separator unless asked for.

// Tidrel_Backup in the per-user data folder, created when missing; the
// document's own folder when that cannot be had. Empty for an empty path.
QString GetBackupFolder(const QString &documentPath);
// How a backup keeps the document as it is: a copy; or, right before a save
// replaces the document with a new file (renaming it over the old one), a
// hard link to the old file, which then stays as it was and costs nothing
// whatever its size. A link is made only where such a save can make its new
// file in the document's folder, on the backup folder's file system, for a
// file its owner may read and write; a copy elsewhere.
enum class BackupKind { Copy, LinkBeforeReplace };
// Keeps the document in the backup folder as
// <name>_<dd_MM_yyyy_HH-mm-ss><.ext>.bak, or <name>_<stamp>_<n><.ext>.bak
// when that name is taken, and gives the backup's path.
bool BackupFile(const QString &documentPath, QString *backupPath = nullptr, BackupKind kind = BackupKind::Copy);
bool BackupFile(const QString &documentPath, const QDateTime &localTime, QString *backupPath = nullptr,
                BackupKind kind = BackupKind::Copy);
// The time stamp of a backup name, e.g. 04_12_2026_21-44-14.
QString BackupTimeStamp(const QDateTime &localTime);
// How many backups of one feed the backup folder keeps.
inline constexpr int kBackupsKept = 20;
// Removes the document's backups older than its newest `keep`, going by
// the time in their names. Only names made by BackupFile for this file
// name count: other feeds' backups and other files stay.
void PruneBackups(const QString &documentPath, int keep = kBackupsKept);

// <folder>/abcdXXXX.tmp<.extension>, four hex digits chosen so that no file
// of that name exists yet; the file is not created. An empty folder means
// the temporary folder. Empty when every number is taken.
QString MakeTempFileName(const QString &folder, const QString &extension);

bool DirectoryExists(const QString &path);
