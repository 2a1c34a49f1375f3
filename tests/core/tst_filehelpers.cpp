#include "TestFiles.h"

#include "core/FileHelpers.h"

#include <QSaveFile>
#include <QtTest>

#include <sys/stat.h>

namespace {

// Every part of the stamp with its leading zero.
const QDateTime kSaveTime(QDate(2026, 3, 4), QTime(9, 5, 3));
const QString kStamp = QStringLiteral("04_03_2026_09-05-03");
const QString kNewsBackup = "news_" + kStamp + ".xml.bak";

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

} // namespace

// HOME is a temporary folder and Qt's test locations are on, so the per-user
// data folder is $HOME/.qttest/share and starts missing in every test.
class TestFileHelpers : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid() && m_work.isValid());
        qputenv("HOME", QFile::encodeName(m_home.path()));
        QStandardPaths::setTestModeEnabled(true);
        QCOMPARE(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation), dataFolder());
    }

    void init()
    {
        const QString qtTest = m_home.path() + "/.qttest";
        QFile::remove(qtTest);
        QDir(qtTest).removeRecursively();
        QDir(m_work.path()).removeRecursively();
        QVERIFY(QDir().mkpath(m_work.path()));
    }

    void backupFile_namesCopyAfterDocumentAndTime_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("backupName");
        QTest::newRow("extension") << "news.xml" << kNewsBackup;
        QTest::newRow("no extension") << "README" << "README_" + kStamp + ".bak";
        QTest::newRow("several dots") << "a.b.rss" << "a.b_" + kStamp + ".rss.bak";
        QTest::newRow("blank and non-ascii") << "Мои новости.xml" << "Мои новости_" + kStamp + ".xml.bak";
    }

    void backupFile_namesCopyAfterDocumentAndTime()
    {
        QFETCH(QString, fileName);
        QFETCH(QString, backupName);
        const QString document = makeDocument(fileName, "<rss/>");
        QVERIFY(!QFileInfo::exists(dataFolder()));
        QVERIFY(BackupFile(document, kSaveTime));
        QCOMPARE(GetBackupFolder(document), backupFolder());
        QCOMPARE(filesIn(backupFolder()), QStringList{backupName});
        QCOMPARE(readFile(backupFolder() + '/' + backupName), QByteArray("<rss/>"));
        QCOMPARE(readFile(document), QByteArray("<rss/>"));
        // No document, no copy. (Copies made within one second are numbered:
        // tst_documentfiles saves twice in a second.)
        QVERIFY(!BackupFile(document + ".missing", kSaveTime));
        QCOMPARE(filesIn(backupFolder()).size(), 1);
    }

    void backupFile_fallsBackToDocumentFolder_data()
    {
        QTest::addColumn<QString>("blockingFile");
        QTest::newRow("data folder cannot be made") << "/.qttest";
        QTest::newRow("backup folder cannot be made") << "/.qttest/share/Tidrel_Backup";
    }

    void backupFile_fallsBackToDocumentFolder()
    {
        QFETCH(QString, blockingFile);
        const QString blocker = m_home.path() + blockingFile;
        QVERIFY(QDir().mkpath(QFileInfo(blocker).path()));
        QVERIFY(writeFile(blocker, "in the way"));

        const QString document = makeDocument(QStringLiteral("news.xml"), "feed");
        const QString documentFolder = QFileInfo(document).path();
        QCOMPARE(GetBackupFolder(document), documentFolder);
        QCOMPARE(GetBackupFolder(QString()), QString()); // no document, no folder to fall back to
        QVERIFY(BackupFile(document, kSaveTime));
        QCOMPARE(filesIn(documentFolder), QStringList({"news.xml", kNewsBackup}));
        QCOMPARE(readFile(documentFolder + '/' + kNewsBackup), QByteArray("feed"));
    }

    // A backup made right before a save that renames its new file over the
    // document keeps the old file as it was, through a symbolic link too;
    // a feed its owner may not write gets a copy the user may tidy away.
    void backupFile_beforeReplaceKeepsTheOldFile()
    {
        const QString document = makeDocument(QStringLiteral("news.xml"), "old");
        const QString folder = QFileInfo(document).absolutePath();
        const QString alias = folder + QStringLiteral("/alias.xml");
        QVERIFY(QFile::link(document, alias));
        const auto saveOver = [](const QString &path, const QByteArray &bytes) {
            QSaveFile file(path);
            return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
        };
        QString direct, throughAlias;
        QVERIFY(BackupFile(document, kSaveTime, &direct, BackupKind::LinkBeforeReplace));
        struct stat linked;
        QCOMPARE(::stat(QFile::encodeName(document).constData(), &linked), 0);
        QCOMPARE(linked.st_nlink, nlink_t(2)); // no copy made
        QVERIFY(saveOver(document, "new"));
        QVERIFY(BackupFile(alias, kSaveTime, &throughAlias, BackupKind::LinkBeforeReplace));
        QVERIFY(saveOver(alias, "newer"));
        QCOMPARE(readFile(direct), QByteArray("old"));
        QCOMPARE(readFile(throughAlias), QByteArray("new"));
        QVERIFY(QFileInfo(alias).isSymLink());
        QCOMPARE(readFile(document), QByteArray("newer"));

        QVERIFY(QFile::setPermissions(document, QFile::ReadOwner));
        QString copy;
        QVERIFY(BackupFile(document, kSaveTime, &copy, BackupKind::LinkBeforeReplace));
        QCOMPARE(QFile::permissions(document) & (QFile::ReadOwner | QFile::WriteOwner), QFile::ReadOwner);
        QVERIFY(QFile::permissions(copy) & QFile::WriteOwner);
        QCOMPARE(readFile(copy), QByteArray("newer"));
        // The save's trial of the folder leaves nothing behind.
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name),
                 QStringList({QStringLiteral("alias.xml"), QStringLiteral("news.xml")}));
    }

    // The number starts from the clock's milliseconds; with the names of the
    // next seconds taken, the helper has to count past them. (The name in
    // the temporary folder, as a title fetch takes it, is checked there.)
    void makeTempFileName_skipsTakenNames()
    {
        const QString folder = m_work.path();
        const quint16 now = quint16(QDateTime::currentMSecsSinceEpoch());
        for (int step = 0; step < 3000; ++step) {
            const QString number = QStringLiteral("%1").arg(quint16(now + step), 4, 16, QLatin1Char('0')).toUpper();
            QVERIFY(writeFile(folder + "/abcd" + number + ".tmp.htm", QByteArray()));
        }
        QCOMPARE(filesIn(folder).size(), 3000);
        const QString name = MakeTempFileName(folder, QStringLiteral("htm"));
        QVERIFY(!name.isEmpty());
        QVERIFY2(!QFileInfo::exists(name), qPrintable(name));
    }

    void directoryExists_data()
    {
        QTest::addColumn<QString>("relativePath");
        QTest::addColumn<bool>("directory");
        QTest::newRow("folder") << "/folder" << true;
        QTest::newRow("file") << "/file.xml" << false;
        QTest::newRow("missing") << "/missing.xml" << false;
        QTest::newRow("in missing folder") << "/nowhere/file.xml" << false;
    }

    void directoryExists()
    {
        QFETCH(QString, relativePath);
        QFETCH(bool, directory);
        QVERIFY(QDir().mkpath(m_work.path() + "/folder"));
        QVERIFY(writeFile(m_work.path() + "/file.xml", "x"));
        QCOMPARE(DirectoryExists(m_work.path() + relativePath), directory);
        QCOMPARE(DirectoryExists(m_work.path() + relativePath + '/'), directory);
        QVERIFY(!DirectoryExists(QString()));
        QVERIFY(DirectoryExists(QStringLiteral("/")));
    }

private:
    QString dataFolder() const { return m_home.path() + "/.qttest/share"; }
    QString backupFolder() const { return dataFolder() + "/Tidrel_Backup"; }

    QString makeDocument(const QString &fileName, const QByteArray &bytes)
    {
        const QString folder = m_work.path() + "/feeds";
        QDir().mkpath(folder);
        return writeFile(folder + '/' + fileName, bytes) ? folder + '/' + fileName : QString();
    }

    QTemporaryDir m_home;
    QTemporaryDir m_work;
};

QTEST_GUILESS_MAIN(TestFileHelpers)
#include "tst_filehelpers.moc"
