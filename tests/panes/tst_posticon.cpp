#include "panes/PostIcon.h"

#include <QtTest>

class TestPostIcon : public QObject
{
    Q_OBJECT

private slots:
    void extensionOfLink_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("extension");

        QTest::newRow("empty link") << QString() << ".";
        QTest::newRow("mail link without a dot") << "mailto:someone@example" << ".";
        QTest::newRow("only a leading dot") << ".profile" << ".";
        QTest::newRow("html with anchor") << "http://example.org/page.html#top" << ".htm";
        QTest::newRow("html upper case") << "http://example.org/PAGE.HTML" << ".htm";
        QTest::newRow("shtml") << "http://example.org/index.shtml" << ".htm";
        QTest::newRow("php") << "http://example.org/index.php" << ".htm";
        QTest::newRow("php with query") << "http://example.org/index.php?id=5" << ".htm";
        QTest::newRow("archive") << "http://example.org/files/setup.zip" << ".zip";
        QTest::newRow("archive upper case") << "http://example.org/files/SETUP.ZIP" << ".zip";
        QTest::newRow("pdf") << "http://example.org/paper.pdf" << ".pdf";
        QTest::newRow("digits after the last dot") << "http://example.org/news/2024.05" << ".htm";
        QTest::newRow("digits and query signs") << "http://example.org/a.1?&2" << ".htm";
        QTest::newRow("host only") << "http://example.org" << ".org";
        QTest::newRow("path after the host") << "http://example.org/about" << ".htm";
        QTest::newRow("long extension of a plain file name") << "notes.markdown" << ".markdown";
        QTest::newRow("digits of a plain file name") << "version.2024" << ".2024";
        QTest::newRow("folder with a dot") << "C:\\my.folder\\file" << ".folder\\file";
        QTest::newRow("unix folder with a dot") << "/home/me/my.folder/file" << ".folder/file";
        QTest::newRow("anchor cut before the web page test") << "page.PHP#x" << ".htm";
    }
    void extensionOfLink()
    {
        QFETCH(QString, link);
        QFETCH(QString, extension);
        QCOMPARE(PostIcon::extensionOfLink(link), extension);
    }

    void iconOfLink_webPagesAndArchivesUseProgramIcons()
    {
        const QIcon page = PostIcon::iconOfLink(QStringLiteral("http://example.org/page.html"));
        const QIcon archive = PostIcon::iconOfLink(QStringLiteral("http://example.org/setup.zip"));
        QVERIFY(!page.isNull());
        QVERIFY(!archive.isNull());
        QVERIFY(page.cacheKey() != archive.cacheKey());
        // Both drawn for the list's 16-pixel rows.
        QCOMPARE(page.actualSize(QSize(16, 16)), QSize(16, 16));
        QCOMPARE(archive.actualSize(QSize(16, 16)), QSize(16, 16));
        // An address that is no file is a web page too.
        QCOMPARE(PostIcon::iconOfLink(QStringLiteral("http://example.org/news/")).cacheKey(), page.cacheKey());
    }
};

QTEST_MAIN(TestPostIcon)
#include "tst_posticon.moc"
