#include "links/WebTitleFetcher.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QThreadPool>

#include <atomic>

namespace {

constexpr int kMaxParallelFetches = 4;

// Owns the worker threads and carries results back to the user-interface
// thread, where it lives. A child of the application: on exit it stops the
// downloads and waits for the workers, so none outlives it.
class TitleFetchService : public QObject
{
public:
    // Created on first use; null without an application object.
    static TitleFetchService *instance();
    // Any thread.
    static void deliver(const TitleResult &result);

    void setReceiver(QObject *receiver) { m_receiver = receiver; }
    void start(const QString &url);

private:
    TitleFetchService();
    ~TitleFetchService() override;
    void handOver(const TitleResult &result);

    QThreadPool m_workers;
    QPointer<QObject> m_receiver;

    static std::atomic<TitleFetchService *> s_instance;
};

std::atomic<TitleFetchService *> TitleFetchService::s_instance{nullptr};

TitleFetchService::TitleFetchService()
    : QObject(QCoreApplication::instance())
{
    m_workers.setMaxThreadCount(kMaxParallelFetches);
}

TitleFetchService::~TitleFetchService()
{
    stopAllDownloads();
    m_workers.waitForDone();
    s_instance = nullptr;
}

TitleFetchService *TitleFetchService::instance()
{
    if (!s_instance && QCoreApplication::instance())
        s_instance = new TitleFetchService;
    return s_instance;
}

void TitleFetchService::start(const QString &url)
{
    m_workers.start([url] { TitleFetchThread(url); });
}

void TitleFetchService::deliver(const TitleResult &result)
{
    TitleFetchService *service = s_instance;
    if (!service)
        return;
    QMetaObject::invokeMethod(service, [service, result] { service->handOver(result); },
                              Qt::QueuedConnection);
}

void TitleFetchService::handOver(const TitleResult &result)
{
    if (!m_receiver)
        return;
    QMetaObject::invokeMethod(m_receiver.data(), "onTitleFetched", Qt::DirectConnection,
                              Q_ARG(QString, result.url), Q_ARG(QString, result.title));
}

} // namespace

void setTitleReceiver(QObject *receiver)
{
    if (TitleFetchService *service = TitleFetchService::instance())
        service->setReceiver(receiver);
}

void StartTitleFetch(const QString &url)
{
    if (url.isEmpty())
        return;
    if (TitleFetchService *service = TitleFetchService::instance())
        service->start(url);
}

void TitleFetchThread(const QString &url)
{
    CFetchTitleFromURL fetcher(url);
    const QString title = fetcher.GetTitle();
    if (!title.isEmpty())
        TitleFetchService::deliver(TitleResult{url, title});
}
