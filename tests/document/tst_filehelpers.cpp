#include "document/FileHelpers.h"

#include <QtTest>

#include <unistd.h>

namespace {

const QDateTime kSaveTime(QDate(2026, 12, 4), QTime(21, 44, 14));
const QString kStamp = QStringLiteral("04_12_2026_21-44-14");

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

} // namespace

// Every test runs with HOME in a temporary folder and Qt's test locations,
// so the per-user data folder is $HOME/.qttest/share and starts missing.
class TestFileHelpers : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void backupTimeStamp_data();
    void backupTimeStamp();

    void getBackupFolder_createsFolderInDataLocation();
    void getBackupFolder_emptyPathWithoutDataFolderIsEmpty();
    void backupFile_namesCopyAfterDocumentAndTime_data();
    void backupFile_namesCopyAfterDocumentAndTime();
    void backupFile_sameSecondReplacesCopy();
    void backupFile_fallsBackToDocumentFolder_data();
    void backupFile_fallsBackToDocumentFolder();
    void backupFile_missingDocumentKeepsOlderCopy();

    void makeTempFileName_data();
    void makeTempFileName();
    void makeTempFileName_skipsTakenNames();

    void directoryExists_data();
    void directoryExists();
    void fileExists_data();
    void fileExists();
    void fileExists_accessDeniedCountsAsExisting();

    void getFileNameWithExtension_data();
    void getFileNameWithExtension();
    void getFolderOfPath_data();
    void getFolderOfPath();
    void getModulePath_namesThisProgram();

private:
    QString dataFolder() const { return m_home.path() + QStringLiteral("/.qttest/share"); }
    QString makeDocument(const QString &fileName, const QByteArray &bytes);

    QTemporaryDir m_home;
    QTemporaryDir m_work;
};

void TestFileHelpers::initTestCase()
{
    QVERIFY(m_home.isValid());
    QVERIFY(m_work.isValid());
    qputenv("HOME", QFile::encodeName(m_home.path()));
    QStandardPaths::setTestModeEnabled(true);
    QCOMPARE(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation), dataFolder());
}

void TestFileHelpers::init()
{
    const QString qtTest = m_home.path() + QStringLiteral("/.qttest");
    QFile::remove(qtTest);
    QDir(qtTest).removeRecursively();
    QDir(m_work.path()).removeRecursively();
    QVERIFY(QDir().mkpath(m_work.path()));
}

QString TestFileHelpers::makeDocument(const QString &fileName, const QByteArray &bytes)
{
    const QString folder = m_work.path() + QStringLiteral("/feeds");
    QDir().mkpath(folder);
    const QString path = folder + u'/' + fileName;
    return writeFile(path, bytes) ? path : QString();
}

// --- Backups ---

void TestFileHelpers::backupTimeStamp_data()
{
    QTest::addColumn<QDateTime>("time");
    QTest::addColumn<QString>("stamp");

    QTest::newRow("evening") << kSaveTime << kStamp;
    QTest::newRow("leading zeros") << QDateTime(QDate(2027, 1, 2), QTime(9, 5, 3))
                                   << QStringLiteral("02_01_2027_09-05-03");
    QTest::newRow("midnight") << QDateTime(QDate(2026, 12, 31), QTime(0, 0, 0))
                              << QStringLiteral("31_12_2026_00-00-00");
}

void TestFileHelpers::backupTimeStamp()
{
    QFETCH(QDateTime, time);
    QFETCH(QString, stamp);
    QCOMPARE(BackupTimeStamp(time), stamp);
}

void TestFileHelpers::getBackupFolder_createsFolderInDataLocation()
{
    const QString expected = dataFolder() + QStringLiteral("/Tidrel_Backup");
    QVERIFY(!QFileInfo::exists(dataFolder()));
    QCOMPARE(GetBackupFolder(m_work.path() + QStringLiteral("/news.xml")), expected);
    QVERIFY(QFileInfo(expected).isDir());
    // Asked again, the existing folder is used.
    QCOMPARE(GetBackupFolder(m_work.path() + QStringLiteral("/news.xml")), expected);
}

void TestFileHelpers::getBackupFolder_emptyPathWithoutDataFolderIsEmpty()
{
    QVERIFY(writeFile(m_home.path() + QStringLiteral("/.qttest"), "not a folder"));
    QCOMPARE(GetBackupFolder(QString()), QString());
}

void TestFileHelpers::backupFile_namesCopyAfterDocumentAndTime_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("backupName");

    QTest::newRow("extension") << QStringLiteral("news.xml") << QStringLiteral("news") + kStamp + QStringLiteral(".xml.bak");
    QTest::newRow("no extension") << QStringLiteral("README") << QStringLiteral("README") + kStamp + QStringLiteral(".bak");
    QTest::newRow("several dots") << QStringLiteral("a.b.rss") << QStringLiteral("a.b") + kStamp + QStringLiteral(".rss.bak");
    QTest::newRow("blank and non-ascii") << QStringLiteral("Мои новости.xml")
                                         << QStringLiteral("Мои новости") + kStamp + QStringLiteral(".xml.bak");
}

void TestFileHelpers::backupFile_namesCopyAfterDocumentAndTime()
{
    QFETCH(QString, fileName);
    QFETCH(QString, backupName);
    const QString document = makeDocument(fileName, "<rss/>");
    QVERIFY(!document.isEmpty());

    QVERIFY(BackupFile(document, kSaveTime));
    const QString folder = dataFolder() + QStringLiteral("/Tidrel_Backup");
    QCOMPARE(filesIn(folder), QStringList{backupName});
    QCOMPARE(readFile(folder + u'/' + backupName), QByteArray("<rss/>"));
    QCOMPARE(readFile(document), QByteArray("<rss/>"));
}

void TestFileHelpers::backupFile_sameSecondReplacesCopy()
{
    const QString document = makeDocument(QStringLiteral("news.xml"), "first");
    QVERIFY(BackupFile(document, kSaveTime));
    QVERIFY(writeFile(document, "second"));
    QVERIFY(BackupFile(document, kSaveTime));

    const QString folder = dataFolder() + QStringLiteral("/Tidrel_Backup");
    const QString backupName = QStringLiteral("news") + kStamp + QStringLiteral(".xml.bak");
    QCOMPARE(filesIn(folder), QStringList{backupName});
    QCOMPARE(readFile(folder + u'/' + backupName), QByteArray("second"));
}

void TestFileHelpers::backupFile_fallsBackToDocumentFolder_data()
{
    QTest::addColumn<QString>("blockingFile");

    QTest::newRow("data folder cannot be made") << QStringLiteral("/.qttest");
    QTest::newRow("backup folder cannot be made") << QStringLiteral("/.qttest/share/Tidrel_Backup");
}

void TestFileHelpers::backupFile_fallsBackToDocumentFolder()
{
    QFETCH(QString, blockingFile);
    const QString blocker = m_home.path() + blockingFile;
    QVERIFY(QDir().mkpath(QFileInfo(blocker).path()));
    QVERIFY(writeFile(blocker, "in the way"));

    const QString document = makeDocument(QStringLiteral("news.xml"), "feed");
    const QString documentFolder = QFileInfo(document).path();
    QCOMPARE(GetBackupFolder(document), documentFolder);
    QVERIFY(BackupFile(document, kSaveTime));
    const QString backupName = QStringLiteral("news") + kStamp + QStringLiteral(".xml.bak");
    QCOMPARE(filesIn(documentFolder), (QStringList{QStringLiteral("news.xml"), backupName}));
    QCOMPARE(readFile(documentFolder + u'/' + backupName), QByteArray("feed"));
}

void TestFileHelpers::backupFile_missingDocumentKeepsOlderCopy()
{
    const QString document = makeDocument(QStringLiteral("news.xml"), "feed");
    QVERIFY(BackupFile(document, kSaveTime));
    QVERIFY(QFile::remove(document));

    QVERIFY(!BackupFile(document, kSaveTime));
    const QString backup = dataFolder() + QStringLiteral("/Tidrel_Backup/news") + kStamp + QStringLiteral(".xml.bak");
    QCOMPARE(readFile(backup), QByteArray("feed"));
}

// --- Temporary file names ---

void TestFileHelpers::makeTempFileName_data()
{
    QTest::addColumn<bool>("ownFolder");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QString>("ending");

    QTest::newRow("extension without dot") << true << QStringLiteral("htm") << QStringLiteral(".tmp.htm");
    QTest::newRow("extension with dot") << true << QStringLiteral(".htm") << QStringLiteral(".tmp.htm");
    QTest::newRow("no extension") << true << QString() << QStringLiteral(".tmp");
    QTest::newRow("temporary folder") << false << QStringLiteral("htm") << QStringLiteral(".tmp.htm");
}

void TestFileHelpers::makeTempFileName()
{
    QFETCH(bool, ownFolder);
    QFETCH(QString, extension);
    QFETCH(QString, ending);

    const QString folder = ownFolder ? m_work.path() : QString();
    const QString expectedFolder = ownFolder ? m_work.path() : QDir::tempPath();
    const QString name = MakeTempFileName(folder, extension);

    const QRegularExpression form(QStringLiteral("^") + QRegularExpression::escape(expectedFolder + u'/')
                                  + QStringLiteral("abcd[0-9A-F]{4}") + QRegularExpression::escape(ending) + u'$');
    QVERIFY2(form.match(name).hasMatch(), qPrintable(name));
    QVERIFY(!QFileInfo::exists(name));
}

// The number starts from the clock's milliseconds; with the names of the
// next seconds taken, the helper has to count past them.
void TestFileHelpers::makeTempFileName_skipsTakenNames()
{
    const QString folder = m_work.path();
    const quint16 now = quint16(QDateTime::currentMSecsSinceEpoch());
    for (int step = 0; step < 3000; ++step) {
        const QString number = QStringLiteral("%1").arg(quint16(now + step), 4, 16, QLatin1Char('0')).toUpper();
        QVERIFY(writeFile(folder + QStringLiteral("/abcd") + number + QStringLiteral(".tmp.htm"), QByteArray()));
    }
    QCOMPARE(filesIn(folder).size(), 3000);

    const QString name = MakeTempFileName(folder, QStringLiteral("htm"));
    QVERIFY(!name.isEmpty());
    QVERIFY2(!QFileInfo::exists(name), qPrintable(name));
}

// --- Existence tests ---

void TestFileHelpers::directoryExists_data()
{
    QTest::addColumn<QString>("relativePath");
    QTest::addColumn<bool>("expected");

    QTest::newRow("folder") << QStringLiteral("/folder") << true;
    QTest::newRow("folder with trailing separator") << QStringLiteral("/folder/") << true;
    QTest::newRow("file") << QStringLiteral("/file.xml") << false;
    QTest::newRow("file with trailing separator") << QStringLiteral("/file.xml/") << false;
    QTest::newRow("missing") << QStringLiteral("/missing") << false;
}

void TestFileHelpers::directoryExists()
{
    QFETCH(QString, relativePath);
    QFETCH(bool, expected);
    QVERIFY(QDir().mkpath(m_work.path() + QStringLiteral("/folder")));
    QVERIFY(writeFile(m_work.path() + QStringLiteral("/file.xml"), "x"));
    QCOMPARE(DirectoryExists(m_work.path() + relativePath), expected);
    QVERIFY(!DirectoryExists(QString()));
    QVERIFY(DirectoryExists(QStringLiteral("/")));
}

void TestFileHelpers::fileExists_data()
{
    QTest::addColumn<QString>("relativePath");
    QTest::addColumn<bool>("expected");

    QTest::newRow("file") << QStringLiteral("/file.xml") << true;
    QTest::newRow("folder") << QStringLiteral("/folder") << false;
    QTest::newRow("missing") << QStringLiteral("/missing.xml") << false;
    QTest::newRow("in missing folder") << QStringLiteral("/nowhere/file.xml") << false;
}

void TestFileHelpers::fileExists()
{
    QFETCH(QString, relativePath);
    QFETCH(bool, expected);
    QVERIFY(QDir().mkpath(m_work.path() + QStringLiteral("/folder")));
    QVERIFY(writeFile(m_work.path() + QStringLiteral("/file.xml"), "x"));
    QCOMPARE(FileExists(m_work.path() + relativePath), expected);
    QVERIFY(!FileExists(QString()));
}

void TestFileHelpers::fileExists_accessDeniedCountsAsExisting()
{
    if (::geteuid() == 0)
        QSKIP("Permissions do not stop the superuser");
    const QString locked = m_work.path() + QStringLiteral("/locked");
    QVERIFY(QDir().mkpath(locked));
    QVERIFY(writeFile(locked + QStringLiteral("/file.xml"), "x"));
    QVERIFY(QFile::setPermissions(locked, QFileDevice::Permissions()));

    const bool existing = FileExists(locked + QStringLiteral("/file.xml"));
    const bool missing = FileExists(locked + QStringLiteral("/missing.xml"));
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QVERIFY(existing);
    QVERIFY(missing);
}

// --- Path pieces ---

void TestFileHelpers::getFileNameWithExtension_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("name");

    QTest::newRow("full path") << QStringLiteral("/home/u/news.xml") << QStringLiteral("news.xml");
    QTest::newRow("bare name") << QStringLiteral("news.xml") << QStringLiteral("news.xml");
    QTest::newRow("folder path") << QStringLiteral("/home/u/") << QString();
    QTest::newRow("empty") << QString() << QString();
}

void TestFileHelpers::getFileNameWithExtension()
{
    QFETCH(QString, path);
    QFETCH(QString, name);
    QCOMPARE(GetFileNameWithExtension(path), name);
}

void TestFileHelpers::getFolderOfPath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("trailing");
    QTest::addColumn<QString>("folder");

    QTest::newRow("file, without") << QStringLiteral("/home/u/news.xml") << false << QStringLiteral("/home/u");
    QTest::newRow("file, with") << QStringLiteral("/home/u/news.xml") << true << QStringLiteral("/home/u/");
    QTest::newRow("folder with separator, without") << QStringLiteral("/home/u/") << false << QStringLiteral("/home/u");
    QTest::newRow("folder with separator, with") << QStringLiteral("/home/u/") << true << QStringLiteral("/home/u/");
    QTest::newRow("in root") << QStringLiteral("/news.xml") << false << QStringLiteral("/");
    QTest::newRow("bare name") << QStringLiteral("news.xml") << true << QString();
    QTest::newRow("empty") << QString() << true << QString();
}

void TestFileHelpers::getFolderOfPath()
{
    QFETCH(QString, path);
    QFETCH(bool, trailing);
    QFETCH(QString, folder);
    QCOMPARE(GetFolderOfPath(path, trailing), folder);
}

void TestFileHelpers::getModulePath_namesThisProgram()
{
    const QFileInfo program(GetModulePath());
    QVERIFY(program.isAbsolute());
    QVERIFY(program.isFile());
    QCOMPARE(program.fileName(), QStringLiteral("tst_filehelpers"));
    QCOMPARE(GetModuleFolder(), program.path());
}

QTEST_GUILESS_MAIN(TestFileHelpers)
#include "tst_filehelpers.moc"
