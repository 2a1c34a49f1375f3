#include "TestFiles.h"
#include "core/ChaptersFile.h"

#include <QTest>

// Chapters files: read and written back with every member kept, in order
// and as written; what is not a chapters file is refused with the reason.
// The edits of the chapters editor's table are checked through the editor
// (tst_liveitemandchapters).

namespace {

const QString kData = QStringLiteral(TIDREL_TEST_DATA_DIR "/chapters/");

} // namespace

class ChaptersFileTest : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_keepsEveryMember_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("chapters");
        // Nested objects, members the table does not show, a number with a
        // trailing zero and one with an exponent, escapes.
        QTest::newRow("laid out") << "tour.json" << "tour.json" << 4;
        // A byte-order mark, \u escapes and a surrogate pair, an escaped
        // slash, empty containers: written in the one layout.
        QTest::newRow("minified") << "compact.json" << "compact.expected.json" << 2;
    }

    void roundTrip_keepsEveryMember()
    {
        QFETCH(QString, input);
        QFETCH(QString, expected);
        QFETCH(int, chapters);
        CChaptersFile file;
        QString error;
        QVERIFY2(file.load(kData + input, &error), qPrintable(error));
        QCOMPARE(file.chapterCount(), chapters);
        QCOMPARE(file.write(), readFile(kData + expected));
        // What it writes reads back the same.
        CChaptersFile again;
        QVERIFY(again.read(file.write(), &error));
        QCOMPARE(again.write(), file.write());
    }

    void read_refusesWhatIsNoChaptersFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QTest::newRow("trailing comma") << QByteArray("{\n  \"chapters\": [\n    {\"startTime\": 1},\n  ]\n}")
                                        << "at line 4, column";
        QTest::newRow("cut short") << QByteArray("{\"version\": \"1.2.0\", \"chap") << "line 1";
        QTest::newRow("no chapters") << QByteArray("{\"version\": \"1.2.0\"}") << "no \"chapters\" list";
        QTest::newRow("chapters not a list") << QByteArray("{\"chapters\": {}}") << "no \"chapters\" list";
        QTest::newRow("a chapter not an object") << QByteArray("{\"chapters\": [{\"startTime\": 0}, 5]}") << "Chapter 2";
        QTest::newRow("a list") << QByteArray("[]") << "no \"chapters\" list";
        QTest::newRow("empty") << QByteArray() << "not valid JSON";
    }

    // A refused file leaves what was read before.
    void read_refusesWhatIsNoChaptersFile()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        CChaptersFile file;
        QString error;
        QVERIFY(file.read("{\"chapters\": [{\"startTime\": 5}]}", &error));
        QVERIFY(!file.read(bytes, &error));
        QVERIFY2(error.contains(reason), qPrintable(error));
        QCOMPARE(file.chapterCount(), 1);
        QCOMPARE(file.startTime(0), 5.0);
    }

    void times_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("seconds"); // -1: refused
        QTest::addColumn<QString>("shown");
        QTest::newRow("seconds") << "94" << 94.0 << "1:34";
        QTest::newRow("fraction") << "94.5" << 94.5 << "1:34.5";
        QTest::newRow("m:ss") << "2:48" << 168.0 << "2:48";
        QTest::newRow("h:mm:ss") << " 1:02:03 " << 3723.0 << "1:02:03";
        QTest::newRow("h:mm:ss.f") << "1:02:03.25" << 3723.25 << "1:02:03.25";
        QTest::newRow("zero") << "0" << 0.0 << "0:00";
        QTest::newRow("seconds past 59") << "1:75" << -1.0 << "";
        QTest::newRow("minutes past 59") << "1:60:00" << -1.0 << "";
        QTest::newRow("words") << "soon" << -1.0 << "";
        QTest::newRow("negative") << "-5" << -1.0 << "";
        QTest::newRow("empty") << "" << -1.0 << "";
    }

    void times()
    {
        QFETCH(QString, typed);
        QFETCH(double, seconds);
        QFETCH(QString, shown);
        const std::optional<double> read = CChaptersFile::parseTime(typed);
        QCOMPARE(read.value_or(-1), seconds);
        if (read) {
            QCOMPARE(CChaptersFile::formatTime(*read), shown);
            QCOMPARE(CChaptersFile::parseTime(shown).value_or(-1), seconds);
        }
    }
};

QTEST_GUILESS_MAIN(ChaptersFileTest)
#include "tst_chaptersfile.moc"
