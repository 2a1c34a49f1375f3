#include "links/WebTitleFetcher.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The steps of a title fetch on local files: charset detection, conversion
// to UTF-8 and reading the title.
class TestTitleFetchSteps : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void detectFileCharset_data();
    void detectFileCharset();
    void convertFileToUtf8_data();
    void convertFileToUtf8();
    void extractElementText_data();
    void extractElementText();
    void extractElementText_missingFile_false();
    void detectConvertExtract_cyrillicPages_giveTheirTitle_data();
    void detectConvertExtract_cyrillicPages_giveTheirTitle();

private:
    QString writeFile(const QString &name, const QByteArray &bytes);
    static QByteArray dataFile(const QString &name);

    QTemporaryDir m_dir;
};

namespace {
const QString kRussianTitle = QStringLiteral("Новости дня: главная страница");
} // namespace

void TestTitleFetchSteps::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

QString TestTitleFetchSteps::writeFile(const QString &name, const QByteArray &bytes)
{
    const QString path = m_dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

QByteArray TestTitleFetchSteps::dataFile(const QString &name)
{
    QFile file(QStringLiteral(TIDREL_TEST_DATA_DIR "/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing test data %s", qPrintable(name));
    return file.readAll();
}

void TestTitleFetchSteps::detectFileCharset_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("charset");

    QTest::newRow("utf-8 page") << "a.htm" << dataFile("page-utf8.htm") << "utf-8";
    QTest::newRow("windows-1251 page") << "a.htm" << dataFile("page-windows-1251.htm") << "windows-1251";
    QTest::newRow("koi8-r page") << "a.htm" << dataFile("page-koi8-r.htm") << "koi8-r";
    // The detector alone takes this one for EBCDIC Hebrew.
    QTest::newRow("short ascii page in capitals")
        << "a.htm" << QByteArray("<HTML><HEAD><TITLE>Hello</TITLE></HEAD><BODY>Hi</BODY></HTML>")
        << "utf-8";
    QTest::newRow("four-byte utf-8") << "a.htm"
                                     << QByteArray("<title>Smile \xF0\x9F\x98\x80</title>") << "utf-8";
    QTest::newRow("latin-1 text is windows-1252")
        << "a.htm"
        << QByteArray("<html><body><p>Le caf\xE9 de la gare est ferm\xE9 le dimanche, "
                      "mais la cr\xEAperie \xE0 c\xF4t\xE9 reste ouverte toute la journ\xE9"
                      "e pour les voyageurs fatigu\xE9s.</p></body></html>")
        << "windows-1252";
    QTest::newRow("iso-2022-jp escapes are not taken as ascii")
        << "a.htm"
        << QByteArray("<html><body>\x1B$B$3$s$K$A$O!\"@$3&!#$3$l$O%F%9%H$G$9!#\x1B(B</body></html>")
        << "iso-2022-jp";
    QTest::newRow("empty file") << "a.htm" << QByteArray() << "";
    QTest::newRow("declared charset of a web archive")
        << "a.mht"
        << QByteArray("<HTML><HEAD><META content=3D\"text/html; charset=3Dkoi8-r\"></HEAD>ascii</HTML>")
        << "koi8-r";
    QTest::newRow("web archive, declaration outside the head")
        << "a.MHT"
        << QByteArray("<html><body><meta content=3D\"text/html; charset=3Dwindows-1251\">x</body></html>")
        << "windows-1251";
    QTest::newRow("web archive, quote right after the key does not end the value")
        << "a.mht" << QByteArray("charset=\"koi8-r\" x") << "\"koi8-r\"";
    QTest::newRow("web archive, value without an end") << "a.mht" << QByteArray("charset=koi8-r")
                                                       << "utf-8";
    QTest::newRow("web archive, value ends with semicolon")
        << "a.mht" << QByteArray("<head>charset=iso-8859-2;\">") << "iso-8859-2";
    QTest::newRow("web archive without declaration")
        << "a.mht" << QByteArray("<html>plain</html>") << "utf-8";
    QTest::newRow("declaration in an ordinary page does not count")
        << "a.htm" << QByteArray("<head><meta charset=koi8-r></head>plain") << "utf-8";
}

void TestTitleFetchSteps::detectFileCharset()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, charset);
    QCOMPARE(DetectFileCharset(writeFile(fileName, bytes)), charset);
}

void TestTitleFetchSteps::convertFileToUtf8_data()
{
    QTest::addColumn<QString>("charset");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("converted");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("utf-8 untouched") << "UTF-8" << QByteArray("caf\xE9") << true << QByteArray("caf\xE9");
    QTest::newRow("windows-1251") << "windows-1251" << QByteArray("\xCD\xEE\xE2\xEE\xF1\xF2\xE8")
                                  << true << QString::fromUtf8("Новости").toUtf8();
    QTest::newRow("koi8-r") << "koi8-r" << QByteArray("\xEE\xCF\xD7\xCF\xD3\xD4\xC9") << true
                            << QString::fromUtf8("Новости").toUtf8();
    QTest::newRow("iso-8859-1 converts as windows-1252")
        << "iso-8859-1" << QByteArray("\x80 caf\xE9") << true << QByteArray("\xE2\x82\xAC caf\xC3\xA9");
    QTest::newRow("gb2312 converts as GBK")
        << "gb2312" << QByteArray("\x81\x40\xD6\xD0") << true << QString::fromUtf8("丂中").toUtf8();
    QTest::newRow("cut at the first NUL") << "windows-1251" << QByteArray("ab\0\xC0", 4) << true
                                          << QByteArray("ab");
    QTest::newRow("NUL first") << "windows-1251" << QByteArray("\0ab", 3) << false
                               << QByteArray("\0ab", 3);
    QTest::newRow("empty file") << "windows-1251" << QByteArray() << false << QByteArray();
    QTest::newRow("name not in the table") << "utf8" << QByteArray("\xC0") << false << QByteArray("\xC0");
    QTest::newRow("empty name") << "" << QByteArray("\xC0") << false << QByteArray("\xC0");
    QTest::newRow("utf-16 cannot pass the NUL cut")
        << "unicode" << QByteArray("<\0t\0", 4) << false << QByteArray("<\0t\0", 4);
    QTest::newRow("code page without converter") << "johab" << QByteArray("\x88\x61") << false
                                                 << QByteArray("\x88\x61");
}

void TestTitleFetchSteps::convertFileToUtf8()
{
    QFETCH(QString, charset);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, converted);
    QFETCH(QByteArray, after);

    const QString path = writeFile(QStringLiteral("convert.htm"), bytes);
    QCOMPARE(ConvertFileToUtf8(path, charset), converted);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), after);
}

void TestTitleFetchSteps::extractElementText_data()
{
    QTest::addColumn<QByteArray>("html");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("text");

    QTest::newRow("plain") << QByteArray("<html><head><title>A page</title></head></html>") << true
                           << "A page";
    QTest::newRow("capitals") << QByteArray("<HTML><HEAD><TITLE>Big</TITLE></HEAD></HTML>") << true
                              << "Big";
    QTest::newRow("mixed case end tag") << QByteArray("<title>Mixed</Title>") << true << "Mixed";
    QTest::newRow("line breaks kept") << QByteArray("<title>\r\n one\ntwo\r</title>") << true
                                      << "\r\n one\ntwo\r";
    QTest::newRow("no end tag") << QByteArray("<title>Open <p>and more") << false << "Open and more";
    QTest::newRow("nested tags") << QByteArray("<title>a <b class=x>bold</b> c</title>") << true
                                 << "a bold c";
    QTest::newRow("first of two") << QByteArray("<title>One</title><title>Two</title>") << true << "One";
    QTest::newRow("other element named alike") << QByteArray("<titles>No</titles><title>Yes</title>")
                                               << true << "Yes";
    QTest::newRow("empty title") << QByteArray("<title></title>") << true << "";
    QTest::newRow("references")
        << QByteArray("<title>&amp; &lt; &gt; &apos; &quot; &nbsp; &#169; &#x41;</title>") << true
        << "& < > ' \" &nbsp; &#169; &#x41;";
    QTest::newRow("three-byte character") << QByteArray("<title>\xE2\x82\xAC 5</title>") << true
                                          << QString::fromUtf8("€ 5");
    QTest::newRow("four-byte character") << QByteArray("<title>Smile \xF0\x9F\x98\x80!</title>")
                                         << true << "Smile ????" "!";
    QTest::newRow("comment inside ignored") << QByteArray("<title>a<!-- b -->c</title>") << true << "ac";
    QTest::newRow("text stops at NUL") << QByteArray("<title>a\0b</title>", 17) << false << "a";
    QTest::newRow("after a scanner error")
        << QByteArray("<p a=\"x\0") << false << "";
    QTest::newRow("goes on after malformed markup")
        << QByteArray("<p <b>x</p><title>After error</title>") << true << "After error";
    QTest::newRow("no title") << QByteArray("<html><body>text</body></html>") << false << "";
}

void TestTitleFetchSteps::extractElementText()
{
    QFETCH(QByteArray, html);
    QFETCH(bool, found);
    QFETCH(QString, text);

    QString collected = QStringLiteral("");
    QCOMPARE(ExtractElementText(writeFile(QStringLiteral("page.htm"), html), "title", &collected),
             found);
    QCOMPARE(collected, text);
}

void TestTitleFetchSteps::extractElementText_missingFile_false()
{
    QString text = QStringLiteral("kept");
    QVERIFY(!ExtractElementText(m_dir.filePath(QStringLiteral("missing.htm")), "title", &text));
    QCOMPARE(text, QStringLiteral("kept"));
}

void TestTitleFetchSteps::detectConvertExtract_cyrillicPages_giveTheirTitle_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::newRow("windows-1251") << "page-windows-1251.htm";
    QTest::newRow("koi8-r") << "page-koi8-r.htm";
}

void TestTitleFetchSteps::detectConvertExtract_cyrillicPages_giveTheirTitle()
{
    QFETCH(QString, fileName);
    const QString path = writeFile(fileName, dataFile(fileName));
    QVERIFY(ConvertFileToUtf8(path, DetectFileCharset(path)));
    QString title;
    QVERIFY(ExtractElementText(path, "title", &title));
    QCOMPARE(title, kRussianTitle);
}

QTEST_GUILESS_MAIN(TestTitleFetchSteps)
#include "tst_titlefetchsteps.moc"
