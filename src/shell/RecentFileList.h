#pragma once

#include <QStringList>

// The most recently opened or saved feeds, newest first, kept in the
// per-user settings so that they survive a restart.
class CRecentFileList
{
public:
    static constexpr int kMaxEntries = 16;

    CRecentFileList(); // reads the stored list

    const QStringList &files() const { return m_files; }
    // Puts the file at the top, dropping an older entry of it and whatever
    // falls off the end, and stores the list.
    void add(const QString &path);
    void remove(const QString &path);

private:
    void save() const;

    QStringList m_files;
};
