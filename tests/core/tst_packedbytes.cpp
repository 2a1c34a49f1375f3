#include "TestFiles.h"
#include "core/PackedBytes.h"
#include "core/PackedFileReader.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <sys/stat.h>

// A file's bytes, packed in blocks, read back as they were: any range, in
// any order, across block boundaries and past the blocks kept unpacked;
// and a file read and packed as a parse asks for its bytes.

static constexpr qsizetype kBlock = CPackedBytes::kBlockSize;

// Markup that packs well, with stretches of noise that do not.
static QByteArray sampleBytes(qsizetype size)
{
    QRandomGenerator random(7);
    QByteArray bytes;
    while (bytes.size() < size) {
        bytes += "<item><title>Post " + QByteArray::number(bytes.size()) + "</title></item>\n";
        for (int noise = random.bounded(8) == 0 ? 64 : 0; noise > 0; --noise)
            bytes += char(random.bounded(256));
    }
    bytes.truncate(size);
    return bytes;
}

class TestPackedBytes : public QObject
{
    Q_OBJECT

    QTemporaryDir m_temp;

private slots:
    void ranges_readBackAsWritten()
    {
        const QByteArray bytes = sampleBytes(7 * kBlock + 123);
        const CPackedBytes packed = CPackedBytes::fromBytes(bytes);
        QCOMPARE(packed.size(), bytes.size());
        QVERIFY(packed.packedSize() < bytes.size() / 2);

        QRandomGenerator random(11);
        for (int i = 0; i < 3000; ++i) {
            // Most ranges start or end beside a block boundary.
            const qsizetype boundary = random.bounded(8) * kBlock;
            const qsizetype begin = qBound<qsizetype>(0, boundary + random.bounded(-4, 4), bytes.size());
            const qsizetype length = i % 3 == 0 ? random.bounded(3 * kBlock) : random.bounded(9);
            QCOMPARE(packed.mid(begin, length), bytes.mid(begin, length));
            if (begin < bytes.size())
                QCOMPARE(packed.at(begin), bytes.at(begin));
        }
        QCOMPARE(packed.mid(5 * kBlock, -1), bytes.mid(5 * kBlock));
        QVERIFY(packed.startsWith("<item><title>Post 0<"));
        QVERIFY(!packed.startsWith("<rss"));

        QByteArray joined;
        int pieces = 0;
        QVERIFY(packed.forEachPiece(3, bytes.size(), [&](const char *data, qsizetype size) {
            joined.append(data, size);
            return size <= kBlock && ++pieces > 0;
        }));
        QCOMPARE(joined, bytes.mid(3));
        QCOMPARE(pieces, 8);
        QVERIFY(!packed.forEachPiece(0, bytes.size(), [&](const char *, qsizetype) { return --pieces > 5; }));
        QCOMPARE(pieces, 5);
    }

    // Long stretches unpack on two threads, in a ring of blocks that wraps
    // many times; a reader slower than the unpacking lets it run ahead, a
    // fast one unpacks blocks itself.
    void longStretches_readBackAsWritten()
    {
        const QByteArray bytes = sampleBytes(40 * kBlock + 77);
        const CPackedBytes packed = CPackedBytes::fromBytes(bytes);
        QRandomGenerator random(5);
        for (int i = 0; i < 12; ++i) {
            const qsizetype begin = random.bounded(3) * kBlock + random.bounded(-2, 2) + 2;
            const qsizetype end = bytes.size() - random.bounded(2) * kBlock - random.bounded(3);
            QByteArray joined;
            QVERIFY(packed.forEachPiece(begin, end, [&](const char *data, qsizetype size) {
                if (i % 3 == 0)
                    QThread::usleep(200);
                joined.append(data, size);
                return true;
            }));
            QCOMPARE(joined, bytes.mid(begin, end - begin));
        }
    }

    void readFile_readsEverySize_data()
    {
        QTest::addColumn<qsizetype>("size");
        for (const qsizetype size : {qsizetype(0), qsizetype(1), kBlock - 1, kBlock, kBlock + 1, 9 * kBlock + 5, 40 * kBlock + 3})
            QTest::addRow("%lld bytes", qlonglong(size)) << size;
    }

    // Read as a parse reads it, from start to end, then packed; a block
    // read before and no longer at hand is read again from the file.
    void readFile_readsEverySize()
    {
        QFETCH(qsizetype, size);
        const QByteArray bytes = sampleBytes(size);
        const QString path = m_temp.filePath(QStringLiteral("file"));
        QVERIFY(writeFile(path, bytes));
        CPackedFileReader reader;
        QString error;
        QVERIFY2(reader.open(path, &error), qPrintable(error));
        QCOMPARE(reader.mid(0, -1), bytes);
        if (size > 0)
            QCOMPARE(reader.mid(1, 2 * kBlock), bytes.mid(1, 2 * kBlock));
        CPackedBytes packed;
        QVERIFY2(reader.finish(&packed, &error), qPrintable(error));
        QCOMPARE(packed.mid(0, -1), bytes);
    }

    // A file cut short while it is read gives no bytes that a save would
    // write over the user's.
    void readFile_refusesAFileThatChangesWhileRead()
    {
        const QByteArray bytes = sampleBytes(5 * kBlock);
        const QString path = m_temp.filePath(QStringLiteral("changing"));
        QVERIFY(writeFile(path, bytes));
        CPackedFileReader reader;
        QString error;
        QVERIFY(reader.open(path, &error));
        QCOMPARE(reader.mid(0, kBlock), bytes.mid(0, kBlock));
        QVERIFY(QFile::resize(path, 2 * kBlock));
        reader.mid(0, -1);
        CPackedBytes packed;
        QVERIFY(!reader.finish(&packed, &error));
        QCOMPARE(error, QStringLiteral("The file changed while it was read."));
    }

    // Nothing is read that could block or never end, or that would not fit
    // the feed's 32-bit byte ranges.
    void readFile_refusesWhatIsNotAFeedFile()
    {
        const QString fifo = m_temp.filePath(QStringLiteral("fifo"));
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const QString huge = m_temp.filePath(QStringLiteral("huge"));
        QFile sparse(huge);
        QVERIFY(sparse.open(QIODevice::WriteOnly) && sparse.resize(qint64(1) << 31));
        sparse.close();
        const std::pair<QString, QString> cases[] = {
            {fifo, QStringLiteral("This is a device or a pipe, not a feed file.")},
            {QStringLiteral("/dev/zero"), QStringLiteral("This is a device or a pipe, not a feed file.")},
            {m_temp.path(), QStringLiteral("This is a folder, not a feed file.")},
            {huge, QStringLiteral("The file is too large to edit (2 GiB or more).")},
        };
        for (const auto &[path, reason] : cases) {
            CPackedFileReader reader;
            QString error;
            QVERIFY(!reader.open(path, &error));
            QCOMPARE(error, reason);
            QCOMPARE(reader.size(), 0);
        }
    }
};

QTEST_GUILESS_MAIN(TestPackedBytes)
#include "tst_packedbytes.moc"
