#include "links/CharsetTable.h"

#include <QSet>
#include <QTest>

class TestCharsetTable : public QObject
{
    Q_OBJECT

private slots:
    void codePageFromCharset_data();
    void codePageFromCharset();
    void charsetFromCodePage_data();
    void charsetFromCodePage();
    void nameToCodePageAndBack_givesFirstRowsCodePage();
    void rows_areLowerCaseAndOnlyTwoNamesRepeat();
};

void TestCharsetTable::codePageFromCharset_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<quint32>("codePage");

    QTest::newRow("utf-8") << "utf-8" << 65001u;
    QTest::newRow("UTF-8 upper case") << "UTF-8" << 65001u;
    QTest::newRow("Utf-8 mixed case") << "Utf-8" << 65001u;
    QTest::newRow("utf8 without hyphen") << "utf8" << 0u;
    QTest::newRow("iso-8859-1 is windows-1252") << "iso-8859-1" << 1252u;
    QTest::newRow("unicode") << "unicode" << 1200u;
    QTest::newRow("unicodefffe") << "unicodefffe" << 1201u;
    QTest::newRow("empty") << "" << 0u;
    QTest::newRow("koi8-r") << "koi8-r" << 20866u;
    QTest::newRow("KOI8-R as the detector names it") << "KOI8-R" << 20866u;
    QTest::newRow("windows-1251") << "windows-1251" << 1251u;
    QTest::newRow("shift_jis") << "shift_jis" << 932u;
    QTest::newRow("Shift_JIS") << "Shift_JIS" << 932u;
    QTest::newRow("gb2312") << "gb2312" << 936u;
    QTest::newRow("big5") << "big5" << 950u;
    QTest::newRow("euc-kr") << "euc-kr" << 51949u;
    QTest::newRow("first row") << "asmo-708" << 708u;
    QTest::newRow("iso-2022-jp takes its first row") << "iso-2022-jp" << 50220u;
    QTest::newRow("repeated ebcdic name") << "x-ebcdic-finlandsweden-euro" << 1143u;
    QTest::newRow("leading blank") << " utf-8" << 0u;
    QTest::newRow("prefix of a name") << "utf-" << 0u;
    QTest::newRow("Kelvin sign is not k") << QString::fromUtf8("\u212Aoi8-r") << 0u;
    QTest::newRow("GB18030 is not a row") << "GB18030" << 0u;
}

void TestCharsetTable::codePageFromCharset()
{
    QFETCH(QString, name);
    QFETCH(quint32, codePage);
    QCOMPARE(CodePageFromCharset(name), codePage);
}

void TestCharsetTable::charsetFromCodePage_data()
{
    QTest::addColumn<int>("codePage");
    QTest::addColumn<QByteArray>("name");

    QTest::newRow("1252 is windows-1252") << 1252 << QByteArray("windows-1252");
    QTest::newRow("65001") << 65001 << QByteArray("utf-8");
    QTest::newRow("0") << 0 << QByteArray();
    QTest::newRow("-1, nothing detected") << -1 << QByteArray();
    QTest::newRow("28591 has no row") << 28591 << QByteArray();
    QTest::newRow("50222") << 50222 << QByteArray("iso-2022-jp");
    QTest::newRow("50221") << 50221 << QByteArray("csiso2022jp");
    QTest::newRow("1143") << 1143 << QByteArray("x-ebcdic-finlandsweden-euro");
    QTest::newRow("20866") << 20866 << QByteArray("koi8-r");
    QTest::newRow("1251") << 1251 << QByteArray("windows-1251");
    QTest::newRow("936") << 936 << QByteArray("gb2312");
    QTest::newRow("1200") << 1200 << QByteArray("unicode");
    QTest::newRow("last distinct row") << 10000 << QByteArray("macintosh");
}

void TestCharsetTable::charsetFromCodePage()
{
    QFETCH(int, codePage);
    QFETCH(QByteArray, name);
    QCOMPARE(CharsetFromCodePage(codePage), name);
}

void TestCharsetTable::nameToCodePageAndBack_givesFirstRowsCodePage()
{
    QCOMPARE(CodePageFromCharset(QString::fromLatin1(CharsetFromCodePage(50222))), 50220u);
    QCOMPARE(CodePageFromCharset(QString::fromLatin1(CharsetFromCodePage(1143))), 1143u);
    QCOMPARE(CodePageFromCharset(QString::fromLatin1(CharsetFromCodePage(1252))), 1252u);
}

void TestCharsetTable::rows_areLowerCaseAndOnlyTwoNamesRepeat()
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
        if (rows[i].codePage == 1252)
            ++codePage1252Rows;
        // Every name finds a row with its own code page or an earlier row
        // of the same name.
        QCOMPARE(CodePageFromCharset(QString::fromLatin1(name)),
                 rows[name == "iso-2022-jp" ? 88 : i].codePage);
    }
    QCOMPARE(repeated, (QList<QByteArray>{"x-ebcdic-finlandsweden-euro", "iso-2022-jp"}));
    QCOMPARE(codePage1252Rows, 2);
}

QTEST_GUILESS_MAIN(TestCharsetTable)
#include "tst_charsettable.moc"
