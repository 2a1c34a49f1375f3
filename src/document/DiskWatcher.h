#pragma once

#include <QDateTime>
#include <QFileSystemWatcher>
#include <QObject>

class CRSSEditDoc;

// Tells when another program changes the file of a document. The
// document's own saves are no news: the file then is as its feed last read
// or wrote it. Each new state of the file is told once, however many events
// its writing made; a file that is gone is told when it comes back.
class CDiskWatcher : public QObject
{
    Q_OBJECT
public:
    explicit CDiskWatcher(CRSSEditDoc *document, QObject *parent = nullptr);

signals:
    void changedOnDisk();

private:
    void watchPath();
    void check();

    CRSSEditDoc *m_document;
    QFileSystemWatcher m_watcher;
    // The state of the file last told.
    qint64 m_toldSize = -1;
    QDateTime m_toldModified;
};
