#include "links/SettingsStore.h"
#include "links/WebTitleFetcher.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

// Gets the fetched titles the way the main window does: on its own thread,
// storing each in the cache.
class TitleReceiver : public QObject
{
    Q_OBJECT

public:
    QList<TitleResult> results;
    bool calledOnOwnThread = true;

public slots:
    void onTitleFetched(const QString &url, const QString &title)
    {
        calledOnOwnThread = calledOnOwnThread && QThread::currentThread() == thread();
        results.append(TitleResult{url, title});
        StoreWebTitle(url, title);
    }
};

// Fetches page titles from a web server on 127.0.0.1 that the test starts.
class TestWebTitleFetcher : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    // One fetch, waited for
    void getTitle_data();
    void getTitle();
    void getTitle_localFile_givesItsTitle();
    void getTitle_redirectToLocalFile_refused();
    void getTitle_slowServer_givesUpAtTimeOut();
    void getTitle_emptyUrl_noFetch();
    void getTitle_downloadFailed_staysNotFetched();
    void destruction_deletesTemporaryFile();

    // Background fetches and the cache
    void lookupWebTitle_miss_fetchesAndStoresInSettingsFile();
    void lookupWebTitle_cachedUrl_answeredWithoutFetch();
    void lookupWebTitle_urlsDifferingInCase_cachedSeparately();
    void startTitleFetch_manyAtOnce_atMostFourRun();
    void startTitleFetch_receiverGone_resultDropped();

private:
    QString url(const QString &pathAndQuery) const;
    QJsonObject stats();
    int requestCount(const QString &pathAndQuery);
    QByteArray settingsFile() const;

    QTemporaryDir m_home;
    QProcess m_server;
    int m_port = 0;
    QNetworkAccessManager m_network;
};

namespace {
const QString kUtf8Title = QStringLiteral("Grüße aus Köln – 日本語のページ");
const QString kRussianTitle = QStringLiteral("Новости дня: главная страница");
} // namespace

void TestWebTitleFetcher::initTestCase()
{
    QVERIFY(m_home.isValid());
    qputenv("HOME", QFile::encodeName(m_home.path()));
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setApplicationName(QStringLiteral("Tidrel"));
    for (const char *name : {"http_proxy", "https_proxy", "HTTPS_PROXY", "ftp_proxy", "all_proxy", "ALL_PROXY"})
        qunsetenv(name);

    const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    if (python.isEmpty())
        QSKIP("python3 is needed for the test web server");
    m_server.setProgram(python);
    m_server.setArguments({QStringLiteral(TIDREL_TEST_DATA_DIR "/title_server.py")});
    m_server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_server.start();
    QVERIFY(m_server.waitForStarted());
    QVERIFY(m_server.waitForReadyRead(10000));
    m_port = m_server.readLine().trimmed().toInt();
    QVERIFY(m_port > 0);
}

void TestWebTitleFetcher::cleanupTestCase()
{
    if (m_server.state() == QProcess::NotRunning)
        return;
    m_server.closeWriteChannel();
    if (!m_server.waitForFinished(5000))
        m_server.kill();
}

void TestWebTitleFetcher::init()
{
    setDownloadTimeout(kDefaultDownloadTimeoutMs);
}

QString TestWebTitleFetcher::url(const QString &pathAndQuery) const
{
    return QStringLiteral("http://127.0.0.1:%1%2").arg(m_port).arg(pathAndQuery);
}

QJsonObject TestWebTitleFetcher::stats()
{
    QNetworkReply *reply = m_network.get(QNetworkRequest(QUrl(url(QStringLiteral("/stats")))));
    QEventLoop loop;
    connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();
    reply->deleteLater();
    return QJsonDocument::fromJson(reply->readAll()).object();
}

int TestWebTitleFetcher::requestCount(const QString &pathAndQuery)
{
    return stats().value(QStringLiteral("counts")).toObject().value(pathAndQuery).toInt();
}

QByteArray TestWebTitleFetcher::settingsFile() const
{
    QFile file(GetSettingsPath());
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return file.readAll();
}

// One fetch, waited for ---------------------------------------------------------

void TestWebTitleFetcher::getTitle_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("title");

    QTest::newRow("utf-8") << "/file/page-utf8.htm" << kUtf8Title;
    QTest::newRow("windows-1251") << "/file/page-windows-1251.htm" << kRussianTitle;
    QTest::newRow("koi8-r") << "/file/page-koi8-r.htm" << kRussianTitle;
    QTest::newRow("title across lines") << "/multiline" << "   First line  second line  third ";
    QTest::newRow("TITLE in capitals") << "/caps" << "Capital Letters";
    QTest::newRow("no end tag") << "/noend" << "";
    QTest::newRow("references")
        << "/refs" << "Tom & Jerry <3 > 'x' \"y\" &nbsp; &#169; &#x41;";
    QTest::newRow("four-byte character") << "/emoji" << "Smile ???? here";
    QTest::newRow("redirect") << "/redirect?to=/file/page-koi8-r.htm" << kRussianTitle;
    QTest::newRow("error page") << "/notfound" << "";
    QTest::newRow("huge page keeps its start") << "/huge-title-first" << "Big Page";
    QTest::newRow("huge page cut before its title") << "/huge-title-late" << "";
}

void TestWebTitleFetcher::getTitle()
{
    QFETCH(QString, path);
    QFETCH(QString, title);

    CFetchTitleFromURL fetcher(url(path));
    QCOMPARE(fetcher.GetTitle(), title);
    const bool downloaded = path != QLatin1String("/notfound");
    QCOMPARE(fetcher.state(), downloaded ? CFetchTitleFromURL::StateFetched
                                         : CFetchTitleFromURL::StateNotFetched);
    // A fetched page is answered again at once; a failed download is tried
    // again.
    QCOMPARE(fetcher.GetTitle(), title);
    QCOMPARE(requestCount(path), downloaded ? 1 : 2);
}

void TestWebTitleFetcher::getTitle_localFile_givesItsTitle()
{
    const QString page = QStringLiteral(TIDREL_TEST_DATA_DIR "/page-windows-1251.htm");
    CFetchTitleFromURL fetcher(QUrl::fromLocalFile(page).toString());
    QCOMPARE(fetcher.GetTitle(), kRussianTitle);
    QFile original(page);
    QVERIFY(original.open(QIODevice::ReadOnly));
    QVERIFY(original.readAll().contains("\xCD\xEE\xE2\xEE\xF1\xF2\xE8")); // converted a copy only
}

void TestWebTitleFetcher::getTitle_redirectToLocalFile_refused()
{
    const QString page = QUrl::fromLocalFile(QStringLiteral(TIDREL_TEST_DATA_DIR "/page-utf8.htm")).toString();
    const QString path = QStringLiteral("/redirect?to=") + page;
    CFetchTitleFromURL fetcher(url(path));
    QCOMPARE(fetcher.GetTitle(), QString());
    QCOMPARE(fetcher.state(), CFetchTitleFromURL::StateNotFetched);
    QCOMPARE(requestCount(path), 1);
}

void TestWebTitleFetcher::getTitle_slowServer_givesUpAtTimeOut()
{
    setDownloadTimeout(500);
    QElapsedTimer timer;
    timer.start();
    CFetchTitleFromURL fetcher(url(QStringLiteral("/slow?seconds=30")));
    QCOMPARE(fetcher.GetTitle(), QString());
    QCOMPARE(fetcher.state(), CFetchTitleFromURL::StateNotFetched);
    QCOMPARE(fetcher.tempFilePath(), QString());
    QVERIFY2(timer.elapsed() < 10000, qPrintable(QString::number(timer.elapsed())));
}

void TestWebTitleFetcher::getTitle_emptyUrl_noFetch()
{
    CFetchTitleFromURL fetcher{QString()};
    QCOMPARE(fetcher.state(), CFetchTitleFromURL::StateNoUrl);
    QCOMPARE(fetcher.GetTitle(), QString());
    QCOMPARE(fetcher.state(), CFetchTitleFromURL::StateNoUrl);
}

void TestWebTitleFetcher::getTitle_downloadFailed_staysNotFetched()
{
    const QStringList urls = {
        QStringLiteral("dict://127.0.0.1:%1/d:word").arg(m_port), // not one of the schemes
        QStringLiteral("127.0.0.1:%1/caps?noscheme").arg(m_port), // no scheme
        QStringLiteral("http://127.0.0.1:1/"),                    // nobody listens
        QUrl::fromLocalFile(m_home.filePath(QStringLiteral("missing.htm"))).toString(),
    };
    for (const QString &address : urls) {
        CFetchTitleFromURL fetcher(address);
        QCOMPARE(fetcher.GetTitle(), QString());
        QCOMPARE(fetcher.state(), CFetchTitleFromURL::StateNotFetched);
        QCOMPARE(fetcher.tempFilePath(), QString());
    }
    QCOMPARE(requestCount(QStringLiteral("/caps?noscheme")), 0);
}

void TestWebTitleFetcher::destruction_deletesTemporaryFile()
{
    QString path;
    {
        CFetchTitleFromURL fetcher(url(QStringLiteral("/caps?temp")));
        QCOMPARE(fetcher.GetTitle(), QStringLiteral("Capital Letters"));
        path = fetcher.tempFilePath();
        QVERIFY(path.endsWith(QStringLiteral(".htm")));
        QVERIFY(QFile::exists(path));
    }
    QVERIFY(!QFile::exists(path));
}

// Background fetches and the cache ----------------------------------------------

void TestWebTitleFetcher::lookupWebTitle_miss_fetchesAndStoresInSettingsFile()
{
    TitleReceiver receiver;
    setTitleReceiver(&receiver);
    const QString address = url(QStringLiteral("/multiline?store"));
    QCOMPARE(settingsFile(), QByteArray("<missing>"));

    QCOMPARE(LookupWebTitle(address), QString());
    QTRY_COMPARE(receiver.results.size(), 1);
    QCOMPARE(receiver.results.at(0).url, address);
    QCOMPARE(receiver.results.at(0).title, QStringLiteral("   First line  second line  third "));
    QVERIFY(receiver.calledOnOwnThread);

    QCOMPARE(settingsFile(),
             "[WebSiteTitles]\n" + address.toUtf8() + "=   First line  second line  third \n");
    QCOMPARE(LookupWebTitle(address), QStringLiteral("First line  second line  third"));
    QCOMPARE(requestCount(QStringLiteral("/multiline?store")), 1);
    setTitleReceiver(nullptr);
}

void TestWebTitleFetcher::lookupWebTitle_cachedUrl_answeredWithoutFetch()
{
    const QString address = url(QStringLiteral("/caps?cached"));
    QVERIFY(StoreWebTitle(address, QStringLiteral("Known")));
    QCOMPARE(LookupWebTitle(address), QStringLiteral("Known"));
    // A fetch would have had plenty of time to reach the server.
    QTest::qWait(300);
    QCOMPARE(requestCount(QStringLiteral("/caps?cached")), 0);
}

void TestWebTitleFetcher::lookupWebTitle_urlsDifferingInCase_cachedSeparately()
{
    TitleReceiver receiver;
    setTitleReceiver(&receiver);
    const QString upper = url(QStringLiteral("/Case"));
    const QString lower = url(QStringLiteral("/case"));

    QCOMPARE(LookupWebTitle(upper), QString());
    QTRY_COMPARE(receiver.results.size(), 1);
    QCOMPARE(LookupWebTitle(lower), QString());
    QTRY_COMPARE(receiver.results.size(), 2);

    QCOMPARE(LookupWebTitle(upper), QStringLiteral("Title of /Case"));
    QCOMPARE(LookupWebTitle(lower), QStringLiteral("Title of /case"));
    QCOMPARE(requestCount(QStringLiteral("/Case")), 1);
    QCOMPARE(requestCount(QStringLiteral("/case")), 1);
    // The settings file compares keys without case: one line, the later one.
    QVERIFY(settingsFile().contains(lower.toUtf8() + "=Title of /case\n"));
    QVERIFY(!settingsFile().contains(upper.toUtf8()));
    setTitleReceiver(nullptr);
}

void TestWebTitleFetcher::startTitleFetch_manyAtOnce_atMostFourRun()
{
    TitleReceiver receiver;
    setTitleReceiver(&receiver);
    QStringList expected;
    for (int i = 0; i < 7; ++i) {
        StartTitleFetch(url(QStringLiteral("/delay?ms=600&id=%1").arg(i)));
        expected.append(QStringLiteral("Delayed %1").arg(i));
    }
    QTRY_COMPARE_WITH_TIMEOUT(receiver.results.size(), 7, 20000);

    QStringList titles;
    for (const TitleResult &result : std::as_const(receiver.results))
        titles.append(result.title);
    titles.sort();
    QCOMPARE(titles, expected);
    QCOMPARE(stats().value(QStringLiteral("max_running")).toInt(), 4);
    setTitleReceiver(nullptr);
}

void TestWebTitleFetcher::startTitleFetch_receiverGone_resultDropped()
{
    auto *gone = new TitleReceiver;
    setTitleReceiver(gone);
    StartTitleFetch(url(QStringLiteral("/delay?ms=200&id=gone")));
    delete gone;

    QTRY_COMPARE(requestCount(QStringLiteral("/delay?ms=200&id=gone")), 1);
    QTest::qWait(800); // the result arrives and finds no receiver

    TitleReceiver later;
    setTitleReceiver(&later);
    QTest::qWait(200);
    QCOMPARE(later.results.size(), 0);
    setTitleReceiver(nullptr);
}

QTEST_GUILESS_MAIN(TestWebTitleFetcher)
#include "tst_webtitlefetcher.moc"
