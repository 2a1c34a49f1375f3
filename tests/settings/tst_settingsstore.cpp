#include "TestHome.h"

#include "settings/PostFooterSetting.h"
#include "settings/PreviewBarSetting.h"

#include <QTest>

// Settings.ini read and written line by line. Web site titles read back
// through the title cache (blanks, long titles, keys with "=") are checked
// in tst_webtitlefetcher.
class TestSettingsStore : public QObject
{
    Q_OBJECT

    QTemporaryDir m_home;

    static int readPreviewBar(int fallback) { return ReadIniInt(GetSettingsPath(), "Settings", "PreviewBar", fallback); }

private slots:
    void initTestCase()
    {
        QVERIFY(useTemporaryHome(m_home));
        QCOMPARE(GetSettingsPath(), QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/Tidrel/Settings.ini");
    }

    void init() { QFile::remove(GetSettingsPath()); }

    // Reading

    void noFile_readsAsEmpty()
    {
        QString value = "unchanged";
        QVERIFY(!ReadIniString(GetSettingsPath(), "Settings", "PreviewBar", &value));
        QCOMPARE(value, QString("unchanged"));
        QCOMPARE(readPreviewBar(1), 1);
        QCOMPARE(ReadWebSiteTitle("http://example.com/"), QString());
        QCOMPARE(ReadWebSiteTitleEntries(), QStringList());
        QVERIFY(!QFile::exists(GetSettingsPath()));
    }

    void readIniString_emptyValue_readsAsMissing()
    {
        QVERIFY(WriteWebSiteTitle("http://empty.test/", QString()));
        QCOMPARE(readSettingsFile(), QByteArray("[WebSiteTitles]\nhttp://empty.test/=\n"));
        QString value = "unchanged";
        QVERIFY(!ReadIniString(GetSettingsPath(), "WebSiteTitles", "http://empty.test/", &value));
        QCOMPARE(value, QString("unchanged"));
        QCOMPARE(ReadWebSiteTitleEntries(), QStringList{"http://empty.test/="});
    }

    void readIniInt_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("expected");
        auto row = [](const char *name, const QByteArray &file, int expected) { QTest::newRow(name) << file << expected; };
        row("one", "[Settings]\nPreviewBar=1\n", 1);
        row("zero", "[Settings]\nPreviewBar=0\n", 0);
        row("negative", "[Settings]\nPreviewBar=-3\n", -3);
        row("digits then text", "[Settings]\nPreviewBar=12abc\n", 12);
        row("no digits", "[Settings]\nPreviewBar=abc\n", 0);
        row("empty value gives default", "[Settings]\nPreviewBar=\n", 7);
        row("key in another section", "[Other]\nPreviewBar=0\n", 7);
        row("names in other case", "[SETTINGS]\npreviewbar=0\n", 0);
        row("first of two sections wins", "[Settings]\nPreviewBar=2\n[Settings]\nPreviewBar=3\n", 2);
        row("CR LF line ends", "[Settings]\r\nPreviewBar=0\r\n", 0);
        row("byte-order mark", "\xEF\xBB\xBF[Settings]\nPreviewBar=0", 0);
    }

    void readIniInt()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, expected);
        QVERIFY(writeSettingsFile(file));
        QCOMPARE(readPreviewBar(7), expected);
    }

    void readWebSiteTitleEntries_fileOrderAndKeyOnlyLines()
    {
        QVERIFY(writeSettingsFile("[Settings]\nPreviewBar=1\n[WebSiteTitles]\nhttp://b.test/=B\n\nkey only\nhttp://a.test/=A\n[After]\nx=y\n"));
        QCOMPARE(ReadWebSiteTitleEntries(), QStringList({"http://b.test/=B", "key only", "http://a.test/=A"}));
    }

    void readWebSiteTitleEntries_largeSection_cutToWholeEntries()
    {
        QByteArray content("[WebSiteTitles]\n");
        QStringList written;
        for (int i = 0; i < 400; ++i) {
            written.append(QString("http://example.com/%1=%2").arg(i, 3, 10, QChar('0')).arg(QString(70, 't')));
            content += written.last().toUtf8() + '\n';
        }
        QVERIFY(writeSettingsFile(content));
        const QStringList entries = ReadWebSiteTitleEntries();
        // Each entry takes its characters and an end mark; the list's end mark takes one more.
        QCOMPARE(written.first().size(), 93);
        QCOMPARE(entries.size(), (31998 - 1) / (93 + 1));
        QCOMPARE(entries, written.mid(0, entries.size()));
    }

    // Writing

    void writeWebSiteTitle_firstWrite_createsFileWithSection()
    {
        QVERIFY(WriteWebSiteTitle("http://example.com/", " Title "));
        QCOMPARE(readSettingsFile(), QByteArray("[WebSiteTitles]\nhttp://example.com/= Title \n"));
        QCOMPARE(ReadWebSiteTitle("http://example.com/"), QString("Title"));
        QVERIFY(WriteWebSiteTitle("http://example.com/", "Second"));
        QVERIFY(WriteIniInt(GetSettingsPath(), "Settings", "PreviewBar", 0));
        QCOMPARE(readSettingsFile(), QByteArray("[WebSiteTitles]\nhttp://example.com/=Second\n[Settings]\nPreviewBar=0\n"));
    }

    void writeWebSiteTitle_urlWithEquals_keyEndsAtFirstEquals()
    {
        const QString url = "http://example.com/?a=b";
        QVERIFY(WriteWebSiteTitle(url, "Title"));
        QCOMPARE(readSettingsFile(), QByteArray("[WebSiteTitles]\nhttp://example.com/?a=b=Title\n"));
        QCOMPARE(ReadWebSiteTitleEntries(), QStringList{"http://example.com/?a=b=Title"});
        // No entry of its own: writing it again adds another line.
        QVERIFY(WriteWebSiteTitle(url, "Title"));
        QCOMPARE(readSettingsFile(), QByteArray("[WebSiteTitles]\nhttp://example.com/?a=b=Title\nhttp://example.com/?a=b=Title\n"));
    }

    void writeIniString_namesDifferingInCase_shareOneEntry()
    {
        QVERIFY(WriteWebSiteTitle("http://Example.com/Page", "One"));
        QVERIFY(WriteIniString(GetSettingsPath(), "websitetitles", "HTTP://EXAMPLE.COM/PAGE", "Two"));
        QCOMPARE(readSettingsFile(), QByteArray("[WebSiteTitles]\nHTTP://EXAMPLE.COM/PAGE=Two\n"));
        QCOMPARE(ReadWebSiteTitle("http://example.com/page"), QString("Two"));
    }

    void writeIniString_keepsOtherLinesByteForByte()
    {
        QVERIFY(writeSettingsFile("\xEF\xBB\xBF; written by hand\r\n[Settings]\r\n  PreviewBar = 1   \r\n\r\n"
                                  "[WebSiteTitles]\r\nhttp://a.test/=  \xD0\x90 title  \r\nweird line without equals\r\n\r\n\r\n"
                                  "[Other]\r\nx=y")); // no line end at the end
        QVERIFY(WriteIniInt(GetSettingsPath(), "Settings", "PreviewBar", 0));
        QVERIFY(WriteWebSiteTitle("http://new.test/", "New"));
        QVERIFY(WriteIniString(GetSettingsPath(), "Other", "z", "w"));
        QVERIFY(WriteIniString(GetSettingsPath(), "Added", "k", "v"));
        QCOMPARE(readSettingsFile(), QByteArray("\xEF\xBB\xBF; written by hand\r\n[Settings]\r\nPreviewBar=0\r\n\r\n"
                                                "[WebSiteTitles]\r\nhttp://a.test/=  \xD0\x90 title  \r\nweird line without equals\r\n"
                                                "http://new.test/=New\r\n\r\n\r\n[Other]\r\nx=y\r\nz=w\r\n[Added]\r\nk=v\r\n"));
    }

    void writeIniString_lineBreaksInValue_stayOnOneLine()
    {
        QVERIFY(WriteWebSiteTitle("http://a.test/", "one\r\n[Settings]\nPreviewBar=0"));
        QCOMPARE(readSettingsFile(), QByteArray("[WebSiteTitles]\nhttp://a.test/=one  [Settings] PreviewBar=0\n"));
        QCOMPARE(readPreviewBar(1), 1);
    }

    // The only test that touches the process-wide value.
    void previewBarSetting_loadedOnceAndSavedAsText()
    {
        QCOMPARE(PreviewBarSetting::value(), 1); // no file: shown
        QVERIFY(writeSettingsFile("[Settings]\nPreviewBar=0\n"));
        QCOMPARE(PreviewBarSetting::value(), 1); // read on first use only
        PreviewBarSetting::setValue(0);
        QCOMPARE(PreviewBarSetting::value(), 0);
        QFile::remove(GetSettingsPath());
        QCOMPARE(readSettingsFile(), QByteArray("<missing>")); // setting alone does not write
        QVERIFY(PreviewBarSetting::save());
        QCOMPARE(readSettingsFile(), QByteArray("[Settings]\nPreviewBar=0\n"));
        PreviewBarSetting::setValue(1);
        QVERIFY(PreviewBarSetting::save());
        QCOMPARE(readSettingsFile(), QByteArray("[Settings]\nPreviewBar=1\n"));
    }

    void postFooterSetting_offByDefaultAndKeptBesideOtherSettings()
    {
        PostFooterSetting footer = PostFooterSetting::load();
        QVERIFY(!footer.enabled);
        QCOMPARE(footer.text, QString());

        QVERIFY(writeSettingsFile("[Settings]\nPreviewBar=0\n"));
        footer.enabled = true;
        footer.text = QStringLiteral("Written by Ann \u2014 <b>");
        QVERIFY(footer.save());
        QCOMPARE(readSettingsFile(), QByteArray("[Settings]\nPreviewBar=0\nPostFooter=1\n"
                                                "PostFooterText=Written by Ann \xE2\x80\x94 <b>\n"));
        const PostFooterSetting read = PostFooterSetting::load();
        QVERIFY(read.enabled);
        QCOMPARE(read.text, footer.text);
    }
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
