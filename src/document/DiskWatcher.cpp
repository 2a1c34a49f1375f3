#include "document/DiskWatcher.h"

#include "document/RSSEditDoc.h"

#include <QFileInfo>

CDiskWatcher::CDiskWatcher(CRSSEditDoc *document, QObject *parent) : QObject(parent), m_document(document)
{
    connect(m_document, &CRSSEditDoc::pathChanged, this, &CDiskWatcher::watchPath);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &CDiskWatcher::check);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &CDiskWatcher::check);
    watchPath();
}

// The folder is watched too: a file replaced by a rename, as editors and
// the document's own saves replace it, is a new file that no watch on the
// old one sees, and a file deleted and written again is found there.
void CDiskWatcher::watchPath()
{
    if (!m_watcher.files().isEmpty())
        m_watcher.removePaths(m_watcher.files());
    if (!m_watcher.directories().isEmpty())
        m_watcher.removePaths(m_watcher.directories());
    m_toldSize = -1;
    m_toldModified = QDateTime();
    const QString path = m_document->path();
    if (path.isEmpty())
        return;
    m_watcher.addPath(QFileInfo(path).absolutePath());
    m_watcher.addPath(path);
}

void CDiskWatcher::check()
{
    const QString path = m_document->path();
    const QFileInfo file(path);
    if (path.isEmpty() || !file.exists())
        return;
    // A watch ends with the file it watched, so each change sets it again.
    if (!m_watcher.files().contains(path))
        m_watcher.addPath(path);
    if (!m_document->IsChangedOnDisk())
        return;
    if (file.size() == m_toldSize && file.lastModified() == m_toldModified)
        return;
    m_toldSize = file.size();
    m_toldModified = file.lastModified();
    emit changedOnDisk();
}
