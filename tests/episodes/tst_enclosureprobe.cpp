#include "TestFiles.h"
#include "TitleServer.h"
#include "web/CurlEasy.h"
#include "episodes/EnclosureProbe.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

// MPEG-1 Layer III frames of silence, 128 kbit/s at 44.1 kHz: 417 bytes and
// 1152 samples each, so that `seconds` of them give a file TagLib reads.
static QByteArray silentMp3(int seconds)
{
    QByteArray frame(417, '\0');
    frame[0] = char(0xFF);
    frame[1] = char(0xFB); // MPEG-1, Layer III, no CRC
    frame[2] = char(0x90); // 128 kbit/s, 44.1 kHz, no padding
    frame[3] = char(0xC4); // mono, original
    const int frames = int(seconds * 44100.0 / 1152.0 + 0.5);
    return frame.repeated(frames);
}

// Probes media files on disk and on a web server on 127.0.0.1 that the test
// starts, through the background probe as a window uses it.
class TestEnclosureProbe : public QObject
{
    Q_OBJECT

    TitleServer m_server;
    QTemporaryDir m_dir;

    QList<EnclosureInfo> m_results;
    bool m_resultsOnOwnThread = true;

    void collectResults(CEnclosureProbe &probe)
    {
        connect(&probe, &CEnclosureProbe::probed, this, [this](const EnclosureInfo &info) {
            m_results.append(info);
            m_resultsOnOwnThread = m_resultsOnOwnThread && QThread::currentThread() == thread();
        });
    }

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable("python3").isEmpty())
            QSKIP("python3 is needed for the test web server");
        QVERIFY(m_server.start(TIDREL_TESTS_DIR "/web/data/title_server.py"));
    }

    void init()
    {
        CCurlEasy::setTimeout(CCurlEasy::kDefaultTimeoutMs);
        m_results.clear();
        m_resultsOnOwnThread = true;
    }

    // Web addresses

    void probeUrl_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<qint64>("length");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("note");
        const QString mp3 = "/media/show.mp3?size=12345678&type=audio/mpeg;%20charset=binary";
        auto row = [](const char *name, const QString &path, qint64 length, const QString &type, const QString &note) {
            QTest::newRow(name) << path << length << type << note;
        };
        row("type without parameters", mp3, 12345678, "audio/mpeg", "");
        row("redirect followed", "/redirect?to=" + QUrl::toPercentEncoding(mp3), 12345678, "audio/mpeg", "");
        row("unknown type by name", "/media/a.m4a?size=10&type=application/octet-stream", 10, "audio/x-m4a", "");
        row("length not told", "/media/live.ogg?type=audio/ogg", -1, "audio/ogg", "The server did not tell the length.");
        row("not found", "/notfound", -1, "", "The server answered 404 Not Found.");
        row("redirect loop", "/loop", -1, "", "Too many redirects (more than 10).");
    }

    void probeUrl()
    {
        QFETCH(QString, path);
        QFETCH(qint64, length);
        QFETCH(QString, type);
        QFETCH(QString, note);
        CEnclosureProbe probe;
        collectResults(probe);
        probe.probeUrl(m_server.url(path));
        QTRY_COMPARE_WITH_TIMEOUT(m_results.size(), 1, 15000);
        QVERIFY(m_resultsOnOwnThread);
        const EnclosureInfo info = m_results.first();
        QCOMPARE(info.source, m_server.url(path));
        QCOMPARE(info.note, note);
        QCOMPARE(info.length, length);
        QCOMPARE(info.type, type);
        QCOMPARE(info.duration, QString());
    }

    // A server that does not answer in time, or nothing listening at all.
    void probeUrl_noAnswer_saysWhy()
    {
        CCurlEasy::setTimeout(500);
        QCOMPARE(CEnclosureProbe::inspectUrl(m_server.url("/slow?seconds=30")).note,
                 QString("The server did not answer in time (1 s)."));
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        const quint16 port = server.serverPort();
        server.close();
        const EnclosureInfo info = CEnclosureProbe::inspectUrl(QString("http://127.0.0.1:%1/a.mp3").arg(port));
        QCOMPARE(info.note, QString("The server refused the connection."));
        QCOMPARE(info.length, -1);
    }

    void destroyingProbe_cancelsRequestUnderWay()
    {
        QElapsedTimer timer;
        timer.start();
        {
            CEnclosureProbe probe;
            probe.probeUrl(m_server.url("/slow?seconds=30"));
            QTest::qWait(200);
        }
        QVERIFY2(timer.elapsed() < 10000, qPrintable(QString::number(timer.elapsed())));
    }

    // Local files

    void probeFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("duration");
        QTest::newRow("mp3 with its play time") << "episode.mp3" << silentMp3(65) << "audio/mpeg" << "01:05";
        QTest::newRow("m4a as directories want it") << "episode.M4A" << QByteArray("not really") << "audio/x-m4a" << "";
        QTest::newRow("epub") << "book.epub" << QByteArray("PK") << "document/x-epub" << "";
        QTest::newRow("other types from the MIME database") << "notes.txt" << QByteArray("text\n") << "text/plain" << "";
    }

    void probeFile()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, type);
        QFETCH(QString, duration);
        const QString path = m_dir.filePath(name);
        QVERIFY(writeFile(path, bytes));
        CEnclosureProbe probe;
        collectResults(probe);
        probe.probeFile(path);
        QTRY_COMPARE_WITH_TIMEOUT(m_results.size(), 1, 15000);
        QVERIFY(m_resultsOnOwnThread);
        const EnclosureInfo info = m_results.first();
        QCOMPARE(info.note, QString());
        QCOMPARE(info.source, path);
        QCOMPARE(info.url, QUrl::fromLocalFile(path).toString());
        QCOMPARE(info.length, qint64(bytes.size()));
        QCOMPARE(info.type, type);
        QCOMPARE(info.duration, duration);
    }

    void probeFile_missingOrFolder_saysWhy()
    {
        QCOMPARE(CEnclosureProbe::inspectFile(m_dir.filePath("gone.mp3")).note, QString("The file does not exist."));
        const EnclosureInfo folder = CEnclosureProbe::inspectFile(m_dir.path());
        QCOMPARE(folder.note, QString("This is a folder, not a file."));
        QCOMPARE(folder.length, -1);
    }

    void formatDuration_minutesThenHours()
    {
        QCOMPARE(CEnclosureProbe::formatDuration(7), QString("00:07"));
        QCOMPARE(CEnclosureProbe::formatDuration(3599), QString("59:59"));
        QCOMPARE(CEnclosureProbe::formatDuration(3600), QString("1:00:00"));
        QCOMPARE(CEnclosureProbe::formatDuration(36062), QString("10:01:02"));
    }
};

QTEST_GUILESS_MAIN(TestEnclosureProbe)
#include "tst_enclosureprobe.moc"
