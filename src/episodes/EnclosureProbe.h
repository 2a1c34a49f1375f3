#pragma once

#include <QObject>
#include <QString>
#include <QThreadPool>

#include <atomic>
#include <functional>

// What a probe found out about a media file for a post's enclosure.
struct EnclosureInfo
{
    QString source;   // the path or address as given
    QString url;      // the address; for a local file its file URL
    qint64 length = -1; // bytes; -1 when not known
    QString type;     // MIME type without parameters
    QString duration; // as itunes:duration wants it: "H:MM:SS" or "MM:SS"
    QString note;     // why something is missing, in plain words

    bool ok() const { return note.isEmpty(); }
};

// Finds the length, type and play time of enclosures in the background: a
// local file from its size, its name and content, and its audio header; a
// web address from the headers of a HEAD request. Each result comes by
// probed() on the probe's own thread. Destroying the probe cancels the
// requests under way and waits for them to end.
class CEnclosureProbe : public QObject
{
    Q_OBJECT

public:
    explicit CEnclosureProbe(QObject *parent = nullptr);
    ~CEnclosureProbe() override;

    void probeFile(const QString &path);
    void probeUrl(const QString &url);

    // The work of a probe, blocking; any thread. A URL request gives up
    // when `cancelled` turns true.
    static EnclosureInfo inspectFile(const QString &path);
    static EnclosureInfo inspectUrl(const QString &url, const std::atomic<bool> *cancelled = nullptr);

    // The MIME type podcast directories expect for a file of that name (by
    // its extension), or an empty string when they expect nothing special.
    static QString podcastMimeType(const QString &fileName);
    // Whole seconds as "H:MM:SS" from an hour on, else "MM:SS".
    static QString formatDuration(qint64 seconds);

signals:
    void probed(const EnclosureInfo &info);

private:
    void run(std::function<EnclosureInfo()> work);

    QThreadPool m_workers;
    std::atomic<bool> m_cancelled{false};
};
