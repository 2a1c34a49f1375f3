#include "shell/RecentFileList.h"

#include <QFileInfo>
#include <QSettings>

namespace {

QString groupName()
{
    return QStringLiteral("Recent File List");
}

QString keyOf(int position)
{
    return QStringLiteral("File%1").arg(position + 1);
}

QString normalised(const QString &path)
{
    return QFileInfo(path).absoluteFilePath();
}

} // namespace

CRecentFileList::CRecentFileList()
{
    QSettings settings;
    settings.beginGroup(groupName());
    for (int i = 0; i < kMaxEntries; ++i) {
        const QString path = settings.value(keyOf(i)).toString();
        if (!path.isEmpty() && !m_files.contains(path))
            m_files.append(path);
    }
}

void CRecentFileList::add(const QString &path)
{
    const QString file = normalised(path);
    m_files.removeAll(file);
    m_files.prepend(file);
    while (m_files.size() > kMaxEntries)
        m_files.removeLast();
    save();
}

void CRecentFileList::remove(const QString &path)
{
    if (m_files.removeAll(normalised(path)) > 0)
        save();
}

void CRecentFileList::save() const
{
    QSettings settings;
    settings.remove(groupName());
    settings.beginGroup(groupName());
    for (int i = 0; i < m_files.size(); ++i)
        settings.setValue(keyOf(i), m_files.at(i));
}
