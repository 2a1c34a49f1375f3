#pragma once

#include "publishing/PublishSettings.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QThreadPool>

#include <atomic>
#include <functional>

// One publishing run: the saved feed file, where it goes, the secret the
// caller took from the keyring, and media files to upload beside it.
struct PublishJob
{
    QString feedPath;
    PublishTarget target;
    QString secret; // password, or the key file's passphrase
    QList<PublishFile> media;
    QString knownHostsPath; // empty: ~/.ssh/known_hosts
    // An SFTP server whose key is not in known_hosts is refused unless its
    // fingerprint is this one, which the user accepted after a refusal; then
    // it is added to known_hosts when asked.
    QString trustedHostKey;
    bool addHostKey = false;
};

struct PublishResult
{
    enum Outcome { Published, Failed, Cancelled, UnknownHostKey, ChangedHostKey };

    Outcome outcome = Failed;
    QString message;         // what went where, or why not, for the status bar
    QStringList uploaded;    // the addresses written, the feed last
    int skipped = 0;         // media already there in the same size
    QString hostFingerprint; // for the host key outcomes: "SHA256:..."
};

// Publishes a feed in the background. Every file goes up under a temporary
// name beside its place and is renamed over the old one once complete, so
// that readers never fetch half a file and a failure leaves the old file as
// it was. Media go first, the feed last, so that it never announces files
// that are not there yet. One run at a time; progress() and finished()
// come on the publisher's thread. Destroying the publisher cancels the run
// and waits for it.
class CFeedPublisher : public QObject
{
    Q_OBJECT

public:
    using ProgressHandler = std::function<void(qint64 bytesDone, qint64 bytesTotal, int filesDone, int filesTotal)>;

    explicit CFeedPublisher(QObject *parent = nullptr);
    ~CFeedPublisher() override;

    bool isRunning() const { return m_running; }
    // False, starting nothing, while a run is under way.
    bool start(const PublishJob &job);
    void cancel() { m_cancelled = true; }

    // The work of a run, blocking; any thread.
    static PublishResult publish(const PublishJob &job, const ProgressHandler &progress,
                                 const std::atomic<bool> *cancelled);

signals:
    void progress(qint64 bytesDone, qint64 bytesTotal, int filesDone, int filesTotal);
    void finished(const PublishResult &result);

private:
    QThreadPool m_worker;
    std::atomic<bool> m_cancelled{false};
    bool m_running = false;
};
