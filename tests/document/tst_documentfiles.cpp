#include "DocumentTestSupport.h"

#include "document/FileHelpers.h"
#include "document/PostFooter.h"
#include "document/RSSEditDoc.h"

#include <QDesktopServices>
#include <QDir>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include <memory>

#include <unistd.h>

class DocumentFilesTest : public QObject
{
    Q_OBJECT

public slots:
    // Stands in for the desktop's file manager.
    void openFolderUrl(const QUrl &url) { m_openedUrls.append(url); }

private slots:
    void initTestCase();
    void init();
    void cleanup();

    // New document
    void newDocument_buildsFeedWithPromptsAndNoFooter();
    void newDocument_titlesNumberUntitledFeeds();

    // Open document
    void openDocument_setsPathTitleAndAnnouncesFeed();
    void openDocument_malformedFileReportsReason();
    void openDocument_missingFileReportsReason();
    void reload_unreadableFileShowsReason();

    // Save document
    void save_toOwnPathBacksUpOldFileFirst();
    void save_ownPathOtherSpellingBacksUp();
    void saveAs_makesNoBackupUntilSavedThereAgain();
    void save_nameDifferingInCaseIsAnotherFile();
    void save_failureKeepsModifiedAndOldFile();
    void save_failureOverOwnFileKeepsIt();

    // Open Backup Folder
    void openBackupFolder_enabledWithPathAndCreatesFolder();
    void openBackupFolder_opensFolderInFileManager();

private:
    void openFeed(const QStringList &titles);
    QStringList backupsOf(const QString &path);
    static QByteArray readFile(const QString &path);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<CRSSEditDoc> m_doc;
    QStringList m_log;
    std::unique_ptr<RecordingObserver> m_view;
    RecordingPrompter m_prompter;
    QString m_path;
    QList<QUrl> m_openedUrls;
};

void DocumentFilesTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void DocumentFilesTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    // A name of its own per test, so backups of other tests never count.
    m_path = m_dir->filePath(QFileInfo(m_dir->path()).fileName() + QStringLiteral(".xml"));
    m_doc = std::make_unique<CRSSEditDoc>();
    m_log.clear();
    m_view = std::make_unique<RecordingObserver>(QStringLiteral("view"), &m_log);
    m_doc->addView(m_view.get());
    m_prompter = RecordingPrompter();
    m_doc->setPrompter(&m_prompter);
    m_openedUrls.clear();
}

void DocumentFilesTest::cleanup()
{
    SetDescriptionFilter(nullptr, 0);
    m_doc.reset();
    m_dir.reset();
}

void DocumentFilesTest::openFeed(const QStringList &titles)
{
    QVERIFY(writeFeedFile(m_path, postsTitled(titles)));
    QString error;
    QVERIFY2(m_doc->OnOpenDocument(m_path, &error), qPrintable(error));
    m_log.clear();
}

// Backup copies of a document: <name><time stamp><.ext>.bak.
QStringList DocumentFilesTest::backupsOf(const QString &path)
{
    const QFileInfo info(path);
    const QString folder = GetBackupFolder(path);
    const QStringList found = QDir(folder).entryList(
        {info.completeBaseName() + QStringLiteral("*.") + info.suffix() + QStringLiteral(".bak")}, QDir::Files);
    QStringList paths;
    for (const QString &name : found)
        paths.append(QDir(folder).filePath(name));
    return paths;
}

QByteArray DocumentFilesTest::readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// --- New document ---

void DocumentFilesTest::newDocument_buildsFeedWithPromptsAndNoFooter()
{
    SetDescriptionFilter(&AddPostFooter, 0);
    QSignalSpy modified(m_doc.get(), &CRSSEditDoc::modifiedChanged);

    QVERIFY(m_doc->OnNewDocument({QStringLiteral("Мой канал"), QStringLiteral("http://example.org/"), QString()}));

    CRssFeed *feed = m_doc->feed();
    QCOMPARE(feed->GetPostCount(), 1);
    QCOMPARE(feed->GetPostTitle(0), QStringLiteral("Type RSS item title here\u2026"));
    QCOMPARE(feed->GetPostDescription(0), QStringLiteral("Type description of RSS item here\u2026"));
    const QString text = QString::fromUtf8(feed->PrintToString());
    QVERIFY2(text.contains(QStringLiteral("<title>Мой канал</title>")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("<link>http://example.org/</link>")));
    QCOMPARE(m_log, QStringList({QStringLiteral("view:13:0")}));
    QVERIFY(!m_doc->IsModified());
    QVERIFY(!modified.isEmpty());
    QCOMPARE(modified.last().at(0).toBool(), false);
    QVERIFY(m_doc->path().isEmpty());
}

void DocumentFilesTest::newDocument_titlesNumberUntitledFeeds()
{
    QVERIFY(m_doc->OnNewDocument(NewFeedParams()));
    const QRegularExpression untitled(QStringLiteral("^Feed(\\d+)$"));
    const QRegularExpressionMatch first = untitled.match(m_doc->title());
    QVERIFY2(first.hasMatch(), qPrintable(m_doc->title()));

    CRSSEditDoc second;
    QVERIFY(second.OnNewDocument(NewFeedParams()));
    const QRegularExpressionMatch next = untitled.match(second.title());
    QVERIFY2(next.hasMatch(), qPrintable(second.title()));
    QCOMPARE(next.captured(1).toInt(), first.captured(1).toInt() + 1);
}

// --- Open document ---

void DocumentFilesTest::openDocument_setsPathTitleAndAnnouncesFeed()
{
    QVERIFY(writeFeedFile(m_path, postsTitled({QStringLiteral("A"), QStringLiteral("B")})));
    m_doc->SetModifiedFlag(true);
    QSignalSpy pathChanged(m_doc.get(), &CRSSEditDoc::pathChanged);

    QString error;
    QVERIFY(m_doc->OnOpenDocument(m_path, &error));

    QCOMPARE(m_doc->feed()->GetPostCount(), 2);
    QCOMPARE(m_doc->path(), m_path);
    QCOMPARE(m_doc->title(), QFileInfo(m_path).fileName());
    QCOMPARE(pathChanged.count(), 1);
    QCOMPARE(m_log, QStringList({QStringLiteral("view:13:0")}));
    QVERIFY(!m_doc->IsModified());
    QCOMPARE(m_doc->currentPost(), -1);
}

void DocumentFilesTest::openDocument_malformedFileReportsReason()
{
    QFile file(m_path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<?xml version=\"1.0\"?>\n<rss version=\"2.0\">\n<channel>\n<item><title>A</item>\n");
    file.close();
    m_doc->SetModifiedFlag(true);

    QString error;
    QVERIFY(!m_doc->OnOpenDocument(m_path, &error));

    QVERIFY(!error.isEmpty());
    QVERIFY(m_log.isEmpty());
    QVERIFY(!m_doc->IsModified());
    QVERIFY(m_doc->path().isEmpty());
    QCOMPARE(m_doc->feed()->GetPostCount(), 0);
}

void DocumentFilesTest::openDocument_missingFileReportsReason()
{
    QString error;
    QVERIFY(!m_doc->OnOpenDocument(m_dir->filePath(QStringLiteral("absent.xml")), &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(m_log.isEmpty());
}

void DocumentFilesTest::reload_unreadableFileShowsReason()
{
    openFeed({QStringLiteral("A"), QStringLiteral("B")});
    QVERIFY(QFile::remove(m_path));

    QVERIFY(m_doc->OnCommand(ID_POST_RELOAD));

    QCOMPARE(m_prompter.errors.size(), 1);
    QVERIFY(!m_prompter.errors.first().isEmpty());
    QCOMPARE(m_doc->feed()->GetPostCount(), 0);
    QCOMPARE(m_log, QStringList({QStringLiteral("view:4:-1"), QStringLiteral("view:3:-1")}));
}

// --- Save document ---

void DocumentFilesTest::save_toOwnPathBacksUpOldFileFirst()
{
    openFeed({QStringLiteral("A"), QStringLiteral("B")});
    const QByteArray before = readFile(m_path);
    m_doc->Notify(nullptr, HINT_SELECT_POST, 1);
    QVERIFY(m_doc->feed()->SetPostTitle(1, QStringLiteral("Changed")));
    m_doc->SetModifiedFlag(true);
    m_log.clear();
    QVERIFY(backupsOf(m_path).isEmpty());

    QString error;
    QVERIFY2(m_doc->OnSaveDocument(m_path, &error), qPrintable(error));

    QCOMPARE(m_log, QStringList({QStringLiteral("view:4:1")}));
    const QStringList backups = backupsOf(m_path);
    QCOMPARE(backups.size(), 1);
    QVERIFY(QFileInfo(backups.first()).absolutePath() != QFileInfo(m_path).absolutePath());
    QCOMPARE(readFile(backups.first()), before);
    QVERIFY(readFile(m_path).contains("<title>Changed</title>"));
    QVERIFY(!m_doc->IsModified());
    QCOMPARE(m_doc->path(), m_path);
}

void DocumentFilesTest::save_ownPathOtherSpellingBacksUp()
{
    openFeed({QStringLiteral("A")});
    const QString sameFile = m_dir->path() + QStringLiteral("/./") + QFileInfo(m_path).fileName();

    QVERIFY(m_doc->OnSaveDocument(sameFile));

    QCOMPARE(backupsOf(m_path).size(), 1);
}

void DocumentFilesTest::saveAs_makesNoBackupUntilSavedThereAgain()
{
    openFeed({QStringLiteral("A")});
    const QString other = m_dir->filePath(QFileInfo(m_path).completeBaseName() + QStringLiteral("-copy.xml"));
    QSignalSpy pathChanged(m_doc.get(), &CRSSEditDoc::pathChanged);

    QVERIFY(m_doc->OnSaveDocument(other));

    QVERIFY(backupsOf(m_path).isEmpty());
    QVERIFY(backupsOf(other).isEmpty());
    QCOMPARE(m_doc->path(), other);
    QCOMPARE(m_doc->title(), QFileInfo(other).fileName());
    QCOMPARE(pathChanged.count(), 1);

    QVERIFY(m_doc->OnSaveDocument(other));
    QCOMPARE(backupsOf(other).size(), 1);
}

// File names on Linux differ by case: such a save is a Save As.
void DocumentFilesTest::save_nameDifferingInCaseIsAnotherFile()
{
    openFeed({QStringLiteral("A")});
    const QString upper = m_dir->filePath(QFileInfo(m_path).fileName().toUpper());
    QVERIFY(upper != m_path);

    QVERIFY(m_doc->OnSaveDocument(upper));

    QVERIFY(backupsOf(m_path).isEmpty());
    QVERIFY(QFile::exists(m_path));
    QVERIFY(QFile::exists(upper));
    QCOMPARE(m_doc->path(), upper);
}

void DocumentFilesTest::save_failureKeepsModifiedAndOldFile()
{
    openFeed({QStringLiteral("A")});
    const QByteArray before = readFile(m_path);
    QVERIFY(m_doc->feed()->SetPostTitle(0, QStringLiteral("Changed")));
    m_doc->SetModifiedFlag(true);
    const QString unreachable = m_dir->filePath(QStringLiteral("missing/feed.xml"));

    QString error;
    QVERIFY(!m_doc->OnSaveDocument(unreachable, &error));

    QVERIFY(!error.isEmpty());
    QVERIFY(m_doc->IsModified());
    QCOMPARE(m_doc->path(), m_path);
    QCOMPARE(readFile(m_path), before);
    QVERIFY(!QFile::exists(unreachable));
}

void DocumentFilesTest::save_failureOverOwnFileKeepsIt()
{
    if (geteuid() == 0)
        QSKIP("root writes into read-only folders");
    openFeed({QStringLiteral("A")});
    const QByteArray before = readFile(m_path);
    QVERIFY(m_doc->feed()->SetPostTitle(0, QStringLiteral("Changed")));
    m_doc->SetModifiedFlag(true);
    QFile folder(m_dir->path());
    const QFile::Permissions permissions = folder.permissions();
    QVERIFY(folder.setPermissions(QFile::ReadOwner | QFile::ExeOwner));

    QString error;
    const bool saved = m_doc->OnSaveDocument(m_path, &error);
    folder.setPermissions(permissions);

    QVERIFY(!saved);
    QVERIFY(!error.isEmpty());
    QVERIFY(m_doc->IsModified());
    QCOMPARE(readFile(m_path), before);
}

// --- Open Backup Folder ---

void DocumentFilesTest::openBackupFolder_enabledWithPathAndCreatesFolder()
{
    CommandState state;
    QVERIFY(m_doc->OnNewDocument(NewFeedParams()));
    QVERIFY(m_doc->OnUpdateCommand(ID_OPEN_BACKUP_FOLDER, &state));
    QVERIFY(!state.enabled);

    openFeed({QStringLiteral("A")});
    const QString folder = GetBackupFolder(m_path);
    QVERIFY(folder != m_dir->path());
    QVERIFY(QDir(folder).removeRecursively());
    QVERIFY(!QFileInfo::exists(folder));

    QVERIFY(m_doc->OnUpdateCommand(ID_OPEN_BACKUP_FOLDER, &state));
    QVERIFY(state.enabled);
    QVERIFY(QFileInfo(folder).isDir());
}

void DocumentFilesTest::openBackupFolder_opensFolderInFileManager()
{
    openFeed({QStringLiteral("A")});
    QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "openFolderUrl");

    const bool handled = m_doc->OnCommand(ID_OPEN_BACKUP_FOLDER);
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));

    QVERIFY(handled);
    QCOMPARE(m_openedUrls, QList<QUrl>({QUrl::fromLocalFile(GetBackupFolder(m_path))}));
    QVERIFY(m_prompter.errors.isEmpty());
}

QTEST_MAIN(DocumentFilesTest)
#include "tst_documentfiles.moc"
