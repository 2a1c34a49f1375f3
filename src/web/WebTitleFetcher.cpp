#include "web/WebTitleFetcher.h"

#include "web/CurlEasy.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QObject>
#include <QThreadPool>

#include <atomic>
#include <utility>

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

    void setSink(TitleSink sink) { m_sink = std::move(sink); }
    void start(const QString &url);

private:
    TitleFetchService();
    ~TitleFetchService() override;
    void handOver(const TitleResult &result);

    QThreadPool m_workers;
    TitleSink m_sink;

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
    CCurlEasy::stopAll();
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
    if (m_sink)
        m_sink(result);
}

} // namespace

void setTitleSink(TitleSink sink)
{
    if (TitleFetchService *service = TitleFetchService::instance())
        service->setSink(std::move(sink));
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
    TitleFetchService::deliver(TitleResult{url, title, fetcher.failure()});
}
