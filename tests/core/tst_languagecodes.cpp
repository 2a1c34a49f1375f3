#include "core/LanguageCodes.h"

#include <QTest>

// Language codes for the channel's language element, named by ICU.
class TestLanguageCodes : public QObject
{
    Q_OBJECT

private slots:
    void displayName_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("name");
        QTest::newRow("language") << "de" << "German";
        QTest::newRow("language and region") << "pt-br" << "Portuguese (Brazil)";
        QTest::newRow("any letter case and separator") << " EN_us " << "English (United States)";
        QTest::newRow("three-letter language") << "haw" << "Hawaiian";
        QTest::newRow("unknown language") << "qq" << "";
        QTest::newRow("unknown region") << "en-qq" << "";
        QTest::newRow("too many parts") << "en-us-x" << "";
        QTest::newRow("empty") << "" << "";
    }

    void displayName()
    {
        QFETCH(QString, code);
        QFETCH(QString, name);
        QCOMPARE(CLanguageCodes::displayName(code), name);
    }

    void all_sortedNamedAndWithRegionalForms()
    {
        const QList<LanguageCode> &codes = CLanguageCodes::all();
        QVERIFY2(codes.size() > 150, qPrintable(QString::number(codes.size())));
        QStringList seen;
        for (const LanguageCode &code : codes) {
            QVERIFY2(!code.name.isEmpty(), qPrintable(code.code));
            QCOMPARE(code.code, code.code.toLower());
            seen.append(code.code);
        }
        QStringList sorted = seen;
        sorted.sort();
        QCOMPARE(seen, sorted);
        for (const char *expected : {"en", "en-us", "de-de", "pt-br", "fr-ca", "zh-tw"})
            QVERIFY2(seen.contains(expected), expected);
        QCOMPARE(seen.count("en-us"), 1);
    }
};

QTEST_GUILESS_MAIN(TestLanguageCodes)
#include "tst_languagecodes.moc"
