#include "TestHome.h"
#include "web/WebTitleCache.h"

#include <QTest>

// The title cache's loading from Settings.ini on first use and its stores.
// Misses start fetches; every URL here points at a port where nobody
// listens, so those fail at once.
class TestWebTitleCache : public QObject
{
    Q_OBJECT

    QTemporaryDir m_home;
    const QString m_longTitle = QString(300, 'L');

private slots:
    void initTestCase()
    {
        QVERIFY(useTemporaryHome(m_home));
        // Written before anything uses the cache, which reads it only once.
        QVERIFY(writeSettingsFile("[Settings]\nPreviewBar=1\n[WebSiteTitles]\nhttp://127.0.0.1:1/a=Alpha\nHTTP://127.0.0.1:1/A=Upper\n"
                                  "http://127.0.0.1:1/empty=\nhttp://127.0.0.1:1/q?x=1=Query\n  http://127.0.0.1:1/blanks  =  Blanks around \n"
                                  "http://127.0.0.1:1/long=" + m_longTitle.toUtf8() + "\nhttp://127.0.0.1:1/cyrillic=\u041d\u043e\u0432\u043e\u0441\u0442\u0438\n"));
    }

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

QTEST_GUILESS_MAIN(TestWebTitleCache)
#include "tst_webtitlecache.moc"
