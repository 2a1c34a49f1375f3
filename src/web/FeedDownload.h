#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <atomic>
#include <memory>
#include <thread>

// Downloads one feed file over http or https on a worker thread, within a
// size limit and the program's time-out for connecting and for each stall, with progress and Cancel. Lives on
// the user-interface thread, where its signals come; deleting it cancels
// the download and waits for the worker.
class CFeedDownload : public QObject
{
    Q_OBJECT
public:
    // Larger than any feed a person keeps by hand, small enough to hold.
    static constexpr qint64 kDefaultMaxBytes = 64 * 1024 * 1024;

    explicit CFeedDownload(QObject *parent = nullptr);
    ~CFeedDownload() override;

    // Starts downloading `address`; one download per object.
    void start(const QString &address, qint64 maxBytes = kDefaultMaxBytes);
    // Ends the download soon; finished(false) follows with "Cancelled.".
    void cancel();
    bool isRunning() const { return m_running; }

    // After finished(): the feed's bytes, or why there are none.
    const QByteArray &bytes() const { return m_bytes; }
    QString failure() const { return m_failure; }
    // Where the feed lives now: the address the server moved it to for good
    // (only permanent redirects on the way), else the address asked for.
    QString address() const { return m_address; }

    // What the worker hands back.
    struct Result;

signals:
    // Bytes received so far, and the whole size when the server told it (else 0).
    void progress(qint64 received, qint64 total);
    void finished(bool ok);

private:
    void run(QByteArray url, qint64 maxBytes);
    void finish(const std::shared_ptr<Result> &result);

    std::thread m_worker;
    std::atomic<bool> m_cancelled{false};
    bool m_running = false;
    QString m_requested;
    QByteArray m_bytes;
    QString m_failure;
    QString m_address;
};
