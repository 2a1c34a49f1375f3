#include "links/SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TestSettingsStore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    // Reading
    void noFile_readsAsEmpty();
    void readIniString_longValue_cutTo259Characters();
    void readIniString_emptyValue_readsAsMissing();
    void readIniString_blanksAroundNamesAndValues_ignored();
    void readIniInt_data();
    void readIniInt();
    void readWebSiteTitleEntries_fileOrderAndKeyOnlyLines();
    void readWebSiteTitleEntries_largeSection_cutToWholeEntries();

    // Writing
    void writeWebSiteTitle_firstWrite_createsFileWithSection();
    void writeWebSiteTitle_urlWithEquals_keyEndsAtFirstEquals();
    void writeIniString_namesDifferingInCase_shareOneEntry();
    void writeIniString_keepsOtherLinesByteForByte();
    void writeIniString_lineBreaksInValue_stayOnOneLine();

    // Preview setting
    void previewBarSetting_loadedOnceAndSavedAsText();

private:
    QByteArray readSettingsFile() const;
    void writeSettingsFile(const QByteArray &content) const;

    QTemporaryDir m_home;
};

void TestSettingsStore::initTestCase()
{
    QVERIFY(m_home.isValid());
    qputenv("HOME", QFile::encodeName(m_home.path()));
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setApplicationName(QStringLiteral("Tidrel"));
    QVERIFY(GetSettingsPath().startsWith(m_home.path()));
    QCOMPARE(GetSettingsPath(), QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
             + QStringLiteral("/Tidrel/Settings.ini"));
}

void TestSettingsStore::init()
{
    QFile::remove(GetSettingsPath());
}

QByteArray TestSettingsStore::readSettingsFile() const
{
    QFile file(GetSettingsPath());
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return file.readAll();
}

void TestSettingsStore::writeSettingsFile(const QByteArray &content) const
{
    QDir().mkpath(QFileInfo(GetSettingsPath()).absolutePath());
    QFile file(GetSettingsPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), content.size());
}

// Reading -------------------------------------------------------------------

void TestSettingsStore::noFile_readsAsEmpty()
{
    QString value = QStringLiteral("unchanged");
    QVERIFY(!ReadIniString(GetSettingsPath(), QStringLiteral("Settings"),
                           QStringLiteral("PreviewBar"), &value));
    QCOMPARE(value, QStringLiteral("unchanged"));
    QCOMPARE(ReadIniInt(GetSettingsPath(), QStringLiteral("Settings"),
                        QStringLiteral("PreviewBar"), 1), 1);
    QCOMPARE(ReadWebSiteTitle(QStringLiteral("http://example.com/")), QString());
    QCOMPARE(ReadWebSiteTitleEntries(), QStringList());
    QVERIFY(!QFile::exists(GetSettingsPath()));
}

void TestSettingsStore::readIniString_longValue_cutTo259Characters()
{
    const QString title = QString(300, QChar(0x0416)); // a Cyrillic letter
    QVERIFY(WriteWebSiteTitle(QStringLiteral("http://long.example/"), title));
    QVERIFY(readSettingsFile().contains(title.toUtf8()));
    QCOMPARE(ReadWebSiteTitle(QStringLiteral("http://long.example/")), title.left(259));
}

void TestSettingsStore::readIniString_emptyValue_readsAsMissing()
{
    QVERIFY(WriteWebSiteTitle(QStringLiteral("http://empty.example/"), QString()));
    QCOMPARE(readSettingsFile(), QByteArray("[WebSiteTitles]\nhttp://empty.example/=\n"));
    QString value = QStringLiteral("unchanged");
    QVERIFY(!ReadIniString(GetSettingsPath(), QStringLiteral("WebSiteTitles"),
                           QStringLiteral("http://empty.example/"), &value));
    QCOMPARE(value, QStringLiteral("unchanged"));
    QCOMPARE(ReadWebSiteTitleEntries(), QStringList{QStringLiteral("http://empty.example/=")});
}

void TestSettingsStore::readIniString_blanksAroundNamesAndValues_ignored()
{
    writeSettingsFile("  [ WebSiteTitles ]  \n\t http://a.example/ =  A title\u00a0 \t\n");
    QCOMPARE(ReadWebSiteTitle(QStringLiteral("http://a.example/")),
             QString::fromUtf8("A title\u00a0"));
    QCOMPARE(ReadWebSiteTitleEntries(),
             QStringList{QString::fromUtf8("http://a.example/=A title\u00a0")});
}

void TestSettingsStore::readIniInt_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("expected");

    QTest::newRow("one") << QByteArray("[Settings]\nPreviewBar=1\n") << 1;
    QTest::newRow("zero") << QByteArray("[Settings]\nPreviewBar=0\n") << 0;
    QTest::newRow("negative") << QByteArray("[Settings]\nPreviewBar=-3\n") << -3;
    QTest::newRow("digits then text") << QByteArray("[Settings]\nPreviewBar=12abc\n") << 12;
    QTest::newRow("no digits") << QByteArray("[Settings]\nPreviewBar=abc\n") << 0;
    QTest::newRow("empty value gives default") << QByteArray("[Settings]\nPreviewBar=\n") << 7;
    QTest::newRow("key in another section") << QByteArray("[Other]\nPreviewBar=0\n") << 7;
    QTest::newRow("names in other case") << QByteArray("[SETTINGS]\npreviewbar=0\n") << 0;
    QTest::newRow("first of two sections wins")
        << QByteArray("[Settings]\nPreviewBar=2\n[Settings]\nPreviewBar=3\n") << 2;
    QTest::newRow("CR LF line ends") << QByteArray("[Settings]\r\nPreviewBar=0\r\n") << 0;
    QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF[Settings]\nPreviewBar=0") << 0;
}

void TestSettingsStore::readIniInt()
{
    QFETCH(QByteArray, file);
    QFETCH(int, expected);
    writeSettingsFile(file);
    QCOMPARE(ReadIniInt(GetSettingsPath(), QStringLiteral("Settings"),
                        QStringLiteral("PreviewBar"), 7), expected);
}

void TestSettingsStore::readWebSiteTitleEntries_fileOrderAndKeyOnlyLines()
{
    writeSettingsFile("[Settings]\nPreviewBar=1\n"
                      "[WebSiteTitles]\nhttp://b.example/=B\n\nkey only\nhttp://a.example/=A\n"
                      "[After]\nx=y\n");
    QCOMPARE(ReadWebSiteTitleEntries(),
             (QStringList{QStringLiteral("http://b.example/=B"), QStringLiteral("key only"),
                          QStringLiteral("http://a.example/=A")}));
}

void TestSettingsStore::readWebSiteTitleEntries_largeSection_cutToWholeEntries()
{
    QByteArray content("[WebSiteTitles]\n");
    QStringList written;
    for (int i = 0; i < 400; ++i) {
        const QString entry = QStringLiteral("http://example.com/%1=%2")
                                  .arg(i, 3, 10, QLatin1Char('0'))
                                  .arg(QString(70, QLatin1Char('t')));
        written.append(entry);
        content += entry.toUtf8() + '\n';
    }
    writeSettingsFile(content);

    const QStringList entries = ReadWebSiteTitleEntries();
    // Each entry takes its characters and an end mark; the list's end mark
    // takes one more.
    QCOMPARE(written.first().size(), 93);
    QCOMPARE(entries.size(), (31998 - 1) / (93 + 1));
    QCOMPARE(entries, written.mid(0, entries.size()));
}

// Writing -------------------------------------------------------------------

void TestSettingsStore::writeWebSiteTitle_firstWrite_createsFileWithSection()
{
    QVERIFY(WriteWebSiteTitle(QStringLiteral("http://example.com/"), QStringLiteral(" Title ")));
    QCOMPARE(readSettingsFile(), QByteArray("[WebSiteTitles]\nhttp://example.com/= Title \n"));
    QCOMPARE(ReadWebSiteTitle(QStringLiteral("http://example.com/")), QStringLiteral("Title"));

    QVERIFY(WriteWebSiteTitle(QStringLiteral("http://example.com/"), QStringLiteral("Second")));
    QVERIFY(WriteIniInt(GetSettingsPath(), QStringLiteral("Settings"),
                        QStringLiteral("PreviewBar"), 0));
    QCOMPARE(readSettingsFile(), QByteArray("[WebSiteTitles]\nhttp://example.com/=Second\n"
                                            "[Settings]\nPreviewBar=0\n"));
}

void TestSettingsStore::writeWebSiteTitle_urlWithEquals_keyEndsAtFirstEquals()
{
    const QString url = QStringLiteral("http://example.com/?a=b");
    QVERIFY(WriteWebSiteTitle(url, QStringLiteral("Title")));
    QCOMPARE(readSettingsFile(), QByteArray("[WebSiteTitles]\nhttp://example.com/?a=b=Title\n"));

    QCOMPARE(ReadWebSiteTitleEntries(), QStringList{QStringLiteral("http://example.com/?a=b=Title")});
    QCOMPARE(ReadWebSiteTitle(QStringLiteral("http://example.com/?a")), QStringLiteral("b=Title"));
    QCOMPARE(ReadWebSiteTitle(url), QString());

    // No entry of its own: writing it again adds another line.
    QVERIFY(WriteWebSiteTitle(url, QStringLiteral("Title")));
    QCOMPARE(readSettingsFile(), QByteArray("[WebSiteTitles]\nhttp://example.com/?a=b=Title\n"
                                            "http://example.com/?a=b=Title\n"));
}

void TestSettingsStore::writeIniString_namesDifferingInCase_shareOneEntry()
{
    QVERIFY(WriteWebSiteTitle(QStringLiteral("http://Example.com/Page"), QStringLiteral("One")));
    QVERIFY(WriteIniString(GetSettingsPath(), QStringLiteral("websitetitles"),
                           QStringLiteral("HTTP://EXAMPLE.COM/PAGE"), QStringLiteral("Two")));
    QCOMPARE(readSettingsFile(), QByteArray("[WebSiteTitles]\nHTTP://EXAMPLE.COM/PAGE=Two\n"));
    QCOMPARE(ReadWebSiteTitle(QStringLiteral("http://example.com/page")), QStringLiteral("Two"));
}

void TestSettingsStore::writeIniString_keepsOtherLinesByteForByte()
{
    const QByteArray before =
        "\xEF\xBB\xBF; written by hand\r\n"
        "[Settings]\r\n"
        "  PreviewBar = 1   \r\n"
        "\r\n"
        "[WebSiteTitles]\r\n"
        "http://a.example/=  \xD0\x90 title  \r\n"
        "weird line without equals\r\n"
        "\r\n"
        "\r\n"
        "[Other]\r\n"
        "x=y"; // no line end at the end
    writeSettingsFile(before);

    QVERIFY(WriteIniInt(GetSettingsPath(), QStringLiteral("Settings"), QStringLiteral("PreviewBar"), 0));
    QVERIFY(WriteWebSiteTitle(QStringLiteral("http://new.example/"), QStringLiteral("New")));
    QVERIFY(WriteIniString(GetSettingsPath(), QStringLiteral("Other"), QStringLiteral("z"),
                           QStringLiteral("w")));
    QVERIFY(WriteIniString(GetSettingsPath(), QStringLiteral("Added"), QStringLiteral("k"),
                           QStringLiteral("v")));

    const QByteArray after =
        "\xEF\xBB\xBF; written by hand\r\n"
        "[Settings]\r\n"
        "PreviewBar=0\r\n"
        "\r\n"
        "[WebSiteTitles]\r\n"
        "http://a.example/=  \xD0\x90 title  \r\n"
        "weird line without equals\r\n"
        "http://new.example/=New\r\n"
        "\r\n"
        "\r\n"
        "[Other]\r\n"
        "x=y\r\n"
        "z=w\r\n"
        "[Added]\r\n"
        "k=v\r\n";
    QCOMPARE(readSettingsFile(), after);
}

void TestSettingsStore::writeIniString_lineBreaksInValue_stayOnOneLine()
{
    QVERIFY(WriteWebSiteTitle(QStringLiteral("http://a.example/"),
                              QStringLiteral("one\r\n[Settings]\nPreviewBar=0")));
    QCOMPARE(readSettingsFile(),
             QByteArray("[WebSiteTitles]\nhttp://a.example/=one  [Settings] PreviewBar=0\n"));
    QCOMPARE(ReadIniInt(GetSettingsPath(), QStringLiteral("Settings"),
                        QStringLiteral("PreviewBar"), 1), 1);
}

// Preview setting -------------------------------------------------------------

// The only test that touches the process-wide value.
void TestSettingsStore::previewBarSetting_loadedOnceAndSavedAsText()
{
    QCOMPARE(PreviewBarSetting::value(), 1); // no file: shown

    writeSettingsFile("[Settings]\nPreviewBar=0\n");
    QCOMPARE(PreviewBarSetting::value(), 1); // read on first use only

    PreviewBarSetting::setValue(0);
    QCOMPARE(PreviewBarSetting::value(), 0);
    QCOMPARE(readSettingsFile(), QByteArray("[Settings]\nPreviewBar=0\n"));
    QFile::remove(GetSettingsPath());
    QCOMPARE(readSettingsFile(), QByteArray("<missing>")); // setting alone does not write
    QVERIFY(PreviewBarSetting::save());
    QCOMPARE(readSettingsFile(), QByteArray("[Settings]\nPreviewBar=0\n"));

    PreviewBarSetting::setValue(1);
    QVERIFY(PreviewBarSetting::save());
    QCOMPARE(readSettingsFile(), QByteArray("[Settings]\nPreviewBar=1\n"));
}

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
