#include "web/CharsetTable.h"

#include <QSet>
#include <QTest>

class TestCharsetTable : public QObject
{
    Q_OBJECT

private slots:
    void codePageFromCharset_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<quint32>("codePage");
        auto row = [](const char *name, const QString &charset, quint32 codePage) { QTest::newRow(name) << charset << codePage; };
        row("utf-8", "utf-8", 65001);
        row("Utf-8 mixed case", "Utf-8", 65001);
        row("utf8 without hyphen", "utf8", 0);
        row("iso-8859-1 is windows-1252", "iso-8859-1", 1252);
        row("unicode", "unicode", 1200);
        row("unicodefffe", "unicodefffe", 1201);
        row("empty", "", 0);
        row("KOI8-R as the detector names it", "KOI8-R", 20866);
        row("windows-1251", "windows-1251", 1251);
        row("Shift_JIS", "Shift_JIS", 932);
        row("gb2312", "gb2312", 936);
        row("big5", "big5", 950);
        row("euc-kr", "euc-kr", 51949);
        row("first row", "asmo-708", 708);
        row("iso-2022-jp takes its first row", "iso-2022-jp", 50220);
        row("repeated ebcdic name", "x-ebcdic-finlandsweden-euro", 1143);
        row("leading blank", " utf-8", 0);
        row("prefix of a name", "utf-", 0);
        row("Kelvin sign is not k", "\u212Aoi8-r", 0);
        row("GB18030 is not a row", "GB18030", 0);
    }

    void codePageFromCharset()
    {
        QFETCH(QString, name);
        QFETCH(quint32, codePage);
        QCOMPARE(CodePageFromCharset(name), codePage);
    }

    void charsetFromCodePage_data()
    {
        QTest::addColumn<int>("codePage");
        QTest::addColumn<QByteArray>("name");
        auto row = [](const char *name, int codePage, const char *charset) { QTest::newRow(name) << codePage << QByteArray(charset); };
        row("1252 is windows-1252", 1252, "windows-1252");
        row("65001", 65001, "utf-8");
        row("0", 0, "");
        row("-1, nothing detected", -1, "");
        row("28591 has no row", 28591, "");
        row("50222", 50222, "iso-2022-jp");
        row("50221", 50221, "csiso2022jp");
        row("1143", 1143, "x-ebcdic-finlandsweden-euro");
        row("20866", 20866, "koi8-r");
        row("last distinct row", 10000, "macintosh");
    }

    void charsetFromCodePage()
    {
        QFETCH(int, codePage);
        QFETCH(QByteArray, name);
        QCOMPARE(CharsetFromCodePage(codePage), name);
    }

    void rows_areLowerCaseAndOnlyTwoNamesRepeat()
    {
        const CharsetTableRow *rows = CharsetTableRows();
        QCOMPARE(QByteArray(rows[0].name), QByteArray("asmo-708"));
        QCOMPARE(QByteArray(rows[kCharsetTableRowCount - 1].name), QByteArray("iso-8859-1"));
        QSet<QByteArray> seen;
        QList<QByteArray> repeated;
        int codePage1252Rows = 0;
        for (int i = 0; i < kCharsetTableRowCount; ++i) {
            const QByteArray name(rows[i].name);
            QCOMPARE(name, name.toLower());
            QVERIFY2(rows[i].codePage != 0, name.constData());
            if (seen.contains(name))
                repeated.append(name);
            seen.insert(name);
            codePage1252Rows += rows[i].codePage == 1252;
            // Every name finds a row with its own code page or an earlier row of the same name.
            QCOMPARE(CodePageFromCharset(QString::fromLatin1(name)), rows[name == "iso-2022-jp" ? 88 : i].codePage);
        }
        QCOMPARE(repeated, (QList<QByteArray>{"x-ebcdic-finlandsweden-euro", "iso-2022-jp"}));
        QCOMPARE(codePage1252Rows, 2);
    }
};

QTEST_GUILESS_MAIN(TestCharsetTable)
#include "tst_charsettable.moc"
