#include "TestHome.h"
#include "TitleServer.h"
#include "web/CurlEasy.h"
#include "web/WebTitleCache.h"
#include "web/WebTitleFetcher.h"

#include <QTest>
#include <QThread>

// Gets the fetched titles while it lives, the way the main window does: on
// the user-interface thread, storing each in the cache.
struct TitleReceiver
{
    TitleReceiver()
    {
        setTitleSink([this](const TitleResult &result) {
            calledOnOwnThread = calledOnOwnThread && QThread::currentThread() == QCoreApplication::instance()->thread();
            results.append(result);
            StoreWebTitle(result.url, result.title);
        });
    }
    ~TitleReceiver() { setTitleSink(nullptr); }

    QList<TitleResult> results;
    bool calledOnOwnThread = true;
};

static const QString kRussianTitle = "Новости дня: главная страница";

// Fetches page titles from a web server on 127.0.0.1 that the test starts,
// and keeps them in the title cache.
class TestWebTitleFetcher : public QObject
{
    Q_OBJECT

    QTemporaryDir m_home;
    const QString m_longTitle = QString(300, 'L');
    TitleServer m_server;

    QString url(const QString &pathAndQuery) const { return m_server.url(pathAndQuery); }
    QJsonObject stats() { return m_server.stats(); }
    int requestCount(const QString &pathAndQuery) { return m_server.requestCount(pathAndQuery); }

private slots:
    void initTestCase()
    {
        QVERIFY(useTemporaryHome(m_home));
        // Written before anything uses the cache, which reads it only once.
        QVERIFY(writeSettingsFile("[Settings]\nPreviewBar=1\n[WebSiteTitles]\nhttp://127.0.0.1:1/a=Alpha\nHTTP://127.0.0.1:1/A=Upper\n"
                                  "http://127.0.0.1:1/empty=\nhttp://127.0.0.1:1/q?x=1=Query\n  http://127.0.0.1:1/blanks  =  Blanks around \n"
                                  "http://127.0.0.1:1/long=" + m_longTitle.toUtf8() + "\nhttp://127.0.0.1:1/cyrillic=\u041d\u043e\u0432\u043e\u0441\u0442\u0438\n"));
        if (QStandardPaths::findExecutable("python3").isEmpty())
            QSKIP("python3 is needed for the test web server");
        QVERIFY(m_server.start(TIDREL_TEST_DATA_DIR "/title_server.py"));
    }

    void cleanupTestCase() { m_server.stop(); }

    void init() { CCurlEasy::setTimeout(CCurlEasy::kDefaultTimeoutMs); }

    // One fetch, waited for

    void getTitle_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("title");
        auto row = [](const char *name, const QString &path, const QString &title) { QTest::newRow(name) << path << title; };
        row("utf-8", "/file/page-utf8.htm", "Grüße aus Köln – 日本語のページ");
        row("windows-1251", "/file/page-windows-1251.htm", kRussianTitle);
        row("koi8-r", "/file/page-koi8-r.htm", kRussianTitle);
        row("title across lines", "/multiline", "   First line  second line  third ");
        row("TITLE in capitals", "/caps", "Capital Letters");
        row("no end tag", "/noend", "");
        row("references", "/refs", "Tom & Jerry <3 > 'x' \"y\" &nbsp; &#169; &#x41;");
        row("four-byte character", "/emoji", "Smile ???? here");
        row("control characters", "/control", "Line break and page");
        row("long title cut", "/long-title", QString("word ").repeated(1000).left(1023));
        row("redirect", "/redirect?to=/file/page-koi8-r.htm", kRussianTitle);
        row("error page", "/notfound", "");
        row("huge page keeps its start", "/huge-title-first", "Big Page");
        row("huge page cut before its title", "/huge-title-late", "");
    }

    void getTitle()
    {
        QFETCH(QString, path);
        QFETCH(QString, title);
        CFetchTitleFromURL fetcher(url(path));
        QCOMPARE(fetcher.GetTitle(), title);
        const bool downloaded = path != "/notfound";
        QCOMPARE(fetcher.state(), downloaded ? CFetchTitleFromURL::StateFetched : CFetchTitleFromURL::StateNotFetched);
        // Without a title the fetcher says why, for the user.
        const QString failure = !downloaded ? "The server answered with error 404."
                                : title.isEmpty() ? "The page has no title." : "";
        QCOMPARE(fetcher.failure(), failure);
        // A fetched page is answered again at once; a failed download is tried again.
        QCOMPARE(fetcher.GetTitle(), title);
        QCOMPARE(requestCount(path), downloaded ? 1 : 2);
    }

    void getTitle_localFile_givesItsTitle()
    {
        const QString page = TIDREL_TEST_DATA_DIR "/page-windows-1251.htm";
        CFetchTitleFromURL fetcher(QUrl::fromLocalFile(page).toString());
        QCOMPARE(fetcher.GetTitle(), kRussianTitle);
        QVERIFY(readFile(page).contains("\xCD\xEE\xE2\xEE\xF1\xF2\xE8")); // converted a copy only
    }

    void getTitle_slowServer_givesUpAtTimeOut()
    {
        CCurlEasy::setTimeout(500);
        CFetchTitleFromURL fetcher(url("/slow?seconds=30"));
        QCOMPARE(fetcher.GetTitle(), QString());
        QCOMPARE(fetcher.state(), CFetchTitleFromURL::StateNotFetched);
        QCOMPARE(fetcher.failure(), QString("The server did not answer in time (1 s)."));
        QCOMPARE(fetcher.tempFilePath(), QString());
    }

    void getTitle_downloadFailed_staysNotFetched()
    {
        CFetchTitleFromURL noUrl{QString()};
        QCOMPARE(noUrl.GetTitle(), QString());
        QCOMPARE(noUrl.state(), CFetchTitleFromURL::StateNoUrl);

        const QString redirect = "/redirect?to=" + QUrl::fromLocalFile(TIDREL_TEST_DATA_DIR "/page-utf8.htm").toString();
        const QStringList urls = {
            url("/d:word").replace("http:", "dict:"),          // not one of the schemes
            url("/caps?noscheme").mid(int(strlen("http://"))), // no scheme
            "http://127.0.0.1:1/",                             // nobody listens
            QUrl::fromLocalFile(m_home.filePath("missing.htm")).toString(),
            url(redirect),                                     // a web page may not lead to a local file
        };
        for (const QString &address : urls) {
            CFetchTitleFromURL fetcher(address);
            QCOMPARE(fetcher.GetTitle(), QString());
            QCOMPARE(fetcher.state(), CFetchTitleFromURL::StateNotFetched);
            QCOMPARE(fetcher.tempFilePath(), QString());
        }
        QCOMPARE(requestCount("/caps?noscheme"), 0);
        QCOMPARE(requestCount(redirect), 1);
    }

    void destruction_deletesTemporaryFile()
    {
        QString path;
        {
            CFetchTitleFromURL fetcher(url("/caps?temp"));
            QCOMPARE(fetcher.GetTitle(), QString("Capital Letters"));
            path = fetcher.tempFilePath();
            QVERIFY(path.endsWith(".htm") && QFile::exists(path));
        }
        QVERIFY(!QFile::exists(path));
    }

    // Background fetches and the cache; a miss fetched and stored, and a
    // title found in the cache without a fetch, are driven through the
    // Hyperlink dialog (tst_linkdialogs).

    void lookupWebTitle_urlsDifferingInCase_cachedSeparately()
    {
        TitleReceiver receiver;
        const QString upper = url("/Case"), lower = url("/case");
        QCOMPARE(LookupWebTitle(upper), QString());
        QTRY_COMPARE(receiver.results.size(), 1);
        QCOMPARE(LookupWebTitle(lower), QString());
        QTRY_COMPARE(receiver.results.size(), 2);
        QCOMPARE(LookupWebTitle(upper), QString("Title of /Case"));
        QCOMPARE(LookupWebTitle(lower), QString("Title of /case"));
        QCOMPARE(requestCount("/Case"), 1);
        QCOMPARE(requestCount("/case"), 1);
        // The settings file compares keys without case: one line, the later one.
        QVERIFY(readSettingsFile().contains(lower.toUtf8() + "=Title of /case\n"));
        QVERIFY(!readSettingsFile().contains(upper.toUtf8()));
    }

    void startTitleFetch_manyAtOnce_atMostFourRun()
    {
        TitleReceiver receiver;
        QStringList expected, titles;
        for (int i = 0; i < 7; ++i) {
            StartTitleFetch(url(QString("/delay?ms=600&id=%1").arg(i)));
            expected.append(QString("Delayed %1").arg(i));
        }
        QTRY_COMPARE_WITH_TIMEOUT(receiver.results.size(), 7, 20000);
        for (const TitleResult &result : std::as_const(receiver.results))
            titles.append(result.title);
        titles.sort();
        QCOMPARE(titles, expected);
        QVERIFY(receiver.calledOnOwnThread);
        QCOMPARE(stats()["max_running"].toInt(), 4);
    }

    void startTitleFetch_receiverGone_resultDropped()
    {
        auto *gone = new TitleReceiver;
        StartTitleFetch(url("/delay?ms=200&id=gone"));
        delete gone;
        QTRY_COMPARE(requestCount("/delay?ms=200&id=gone"), 1);
        QTest::qWait(800); // the result arrives and finds no receiver
        TitleReceiver later;
        QTest::qWait(200);
        QCOMPARE(later.results.size(), 0);
    }

    // The cache's loading from Settings.ini on first use and its stores, last
    // so that no fetch its misses start reaches another case's receiver.
    // Every URL here points at a port where nobody listens: those fail at once.
    void lookupWebTitle_firstUse_loadsSettingsFile_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("title");
        auto row = [](const char *name, const char *path, const QString &title) { QTest::newRow(name) << "http://127.0.0.1:1" + QString(path) << title; };
        row("plain", "/a", "Alpha");
        // The file's lookup ignores case, so the second key reads the first value.
        QTest::newRow("key differing in case") << "HTTP://127.0.0.1:1/A" << "Alpha";
        row("other case not cached", "/A", "");
        row("empty value skipped", "/empty", "");
        row("key ends at the first =", "/q?x", "1=Query");
        row("whole url with = not cached", "/q?x=1", "");
        row("blanks around key and value", "/blanks", "Blanks around");
        row("long title cut", "/long", m_longTitle.left(259));
        row("utf-8 title", "/cyrillic", "\u041d\u043e\u0432\u043e\u0441\u0442\u0438");
        row("unknown", "/unknown", "");
    }

    void lookupWebTitle_firstUse_loadsSettingsFile()
    {
        QFETCH(QString, url);
        QFETCH(QString, title);
        QCOMPARE(LookupWebTitle(url), title);
    }

    void storeWebTitle_emptyUrlOrTitle_changesNothing()
    {
        const QByteArray before = readSettingsFile();
        QVERIFY(!StoreWebTitle(QString(), "Title"));
        QVERIFY(!StoreWebTitle("http://127.0.0.1:1/none", QString()));
        QCOMPARE(readSettingsFile(), before);
        QCOMPARE(LookupWebTitle("http://127.0.0.1:1/none"), QString());
    }

    void storeWebTitle_trimsSpacesOnlyAndWritesTitleAsGiven()
    {
        const QString url = "http://127.0.0.1:1/stored";
        QVERIFY(StoreWebTitle(url, "  \tTabbed title\t "));
        QCOMPARE(LookupWebTitle(url), QString("\tTabbed title\t"));
        QVERIFY(readSettingsFile().endsWith(url.toUtf8() + "=  \tTabbed title\t \n"));
        // A later title for the URL replaces the earlier one, in both places.
        QVERIFY(StoreWebTitle(url, "Second"));
        QCOMPARE(LookupWebTitle(url), QString("Second"));
        QVERIFY(readSettingsFile().endsWith(url.toUtf8() + "=Second\n"));
        QCOMPARE(readSettingsFile().count(url.toUtf8()), 1);

        // A title of megabytes filled the settings file's section for good;
        // control characters made the feed it went into unreadable.
        const QString hugeUrl = "http://127.0.0.1:1/huge";
        const QString cut = QString("x ").repeated(512).left(1023);
        QVERIFY(StoreWebTitle(hugeUrl, QString("x\u000B").repeated(1200 * 1024)));
        QCOMPARE(LookupWebTitle(hugeUrl), cut);
        QVERIFY(readSettingsFile().endsWith(hugeUrl.toUtf8() + "=" + cut.toUtf8() + "\n"));
    }
};

QTEST_GUILESS_MAIN(TestWebTitleFetcher)
#include "tst_webtitlefetcher.moc"
