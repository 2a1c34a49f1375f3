#include "links/SettingsStore.h"
#include "links/WebTitleCache.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// The title cache's loading from Settings.ini on first use and its stores.
// Misses start fetches; every URL here points at a port where nobody
// listens, so those fail at once.
class TestWebTitleCache : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void lookupWebTitle_firstUse_loadsSettingsFile_data();
    void lookupWebTitle_firstUse_loadsSettingsFile();
    void storeWebTitle_emptyUrlOrTitle_changesNothing();
    void storeWebTitle_trimsSpacesOnlyAndWritesTitleAsGiven();

private:
    QByteArray settingsFile() const;

    QTemporaryDir m_home;
};

namespace {
const QString kLongTitle = QString(300, QLatin1Char('L'));
} // namespace

void TestWebTitleCache::initTestCase()
{
    QVERIFY(m_home.isValid());
    qputenv("HOME", QFile::encodeName(m_home.path()));
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setApplicationName(QStringLiteral("Tidrel"));

    // Written before anything uses the cache, which reads it only once.
    QDir().mkpath(QFileInfo(GetSettingsPath()).absolutePath());
    QFile file(GetSettingsPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[Settings]\nPreviewBar=1\n"
               "[WebSiteTitles]\n"
               "http://127.0.0.1:1/a=Alpha\n"
               "HTTP://127.0.0.1:1/A=Upper\n"
               "http://127.0.0.1:1/empty=\n"
               "http://127.0.0.1:1/q?x=1=Query\n"
               "  http://127.0.0.1:1/blanks  =  Blanks around \n"
               "http://127.0.0.1:1/long=" + kLongTitle.toUtf8() + "\n"
               "http://127.0.0.1:1/cyrillic=\xD0\x9D\xD0\xBE\xD0\xB2\xD0\xBE\xD1\x81\xD1\x82\xD0\xB8\n");
}

QByteArray TestWebTitleCache::settingsFile() const
{
    QFile file(GetSettingsPath());
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return file.readAll();
}

void TestWebTitleCache::lookupWebTitle_firstUse_loadsSettingsFile_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("title");

    QTest::newRow("plain") << "http://127.0.0.1:1/a" << "Alpha";
    // The file's lookup ignores case, so the second key reads the first value.
    QTest::newRow("key differing in case") << "HTTP://127.0.0.1:1/A" << "Alpha";
    QTest::newRow("other case not cached") << "http://127.0.0.1:1/A" << "";
    QTest::newRow("empty value skipped") << "http://127.0.0.1:1/empty" << "";
    QTest::newRow("key ends at the first =") << "http://127.0.0.1:1/q?x" << "1=Query";
    QTest::newRow("whole url with = not cached") << "http://127.0.0.1:1/q?x=1" << "";
    QTest::newRow("blanks around key and value") << "http://127.0.0.1:1/blanks" << "Blanks around";
    QTest::newRow("long title cut") << "http://127.0.0.1:1/long" << kLongTitle.left(259);
    QTest::newRow("utf-8 title") << "http://127.0.0.1:1/cyrillic" << QStringLiteral("Новости");
    QTest::newRow("unknown") << "http://127.0.0.1:1/unknown" << "";
}

void TestWebTitleCache::lookupWebTitle_firstUse_loadsSettingsFile()
{
    QFETCH(QString, url);
    QFETCH(QString, title);
    QCOMPARE(LookupWebTitle(url), title);
}

void TestWebTitleCache::storeWebTitle_emptyUrlOrTitle_changesNothing()
{
    const QByteArray before = settingsFile();
    QVERIFY(!StoreWebTitle(QString(), QStringLiteral("Title")));
    QVERIFY(!StoreWebTitle(QStringLiteral("http://127.0.0.1:1/none"), QString()));
    QCOMPARE(settingsFile(), before);
    QCOMPARE(LookupWebTitle(QStringLiteral("http://127.0.0.1:1/none")), QString());
}

void TestWebTitleCache::storeWebTitle_trimsSpacesOnlyAndWritesTitleAsGiven()
{
    const QString url = QStringLiteral("http://127.0.0.1:1/stored");
    QVERIFY(StoreWebTitle(url, QStringLiteral("  \tTabbed title\t ")));
    QCOMPARE(LookupWebTitle(url), QStringLiteral("\tTabbed title\t"));
    QVERIFY(settingsFile().endsWith(url.toUtf8() + "=  \tTabbed title\t \n"));

    // A later title for the URL replaces the earlier one, in both places.
    QVERIFY(StoreWebTitle(url, QStringLiteral("Second")));
    QCOMPARE(LookupWebTitle(url), QStringLiteral("Second"));
    QVERIFY(settingsFile().endsWith(url.toUtf8() + "=Second\n"));
    QCOMPARE(settingsFile().count(url.toUtf8()), 1);
}

QTEST_GUILESS_MAIN(TestWebTitleCache)
#include "tst_webtitlecache.moc"
