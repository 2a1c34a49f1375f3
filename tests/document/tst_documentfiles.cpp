#include "DocumentTestSupport.h"

#include "core/FileHelpers.h"
#include "core/PubDate.h"
#include "core/RssFeed.h"
#include "document/PostFooter.h"
#include "markup/FeedChecker.h"

#include <QDesktopServices>
#include <QDir>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QUndoStack>
#include <QUrl>
#include <QtTest>

#include <memory>

#include <csignal>
#include <sys/resource.h>

class DocumentFilesTest : public QObject
{
    Q_OBJECT

public slots:
    // Stands in for the desktop's file manager.
    void openFolderUrl(const QUrl &url) { m_openedUrls.append(url); }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { f = std::make_unique<DocumentFixture>(); m_openedUrls.clear(); }
    void cleanup() { f.reset(); }

    void newDocument_buildsNumberedFeedWithNoPromptsOrFooter()
    {
        f->doc.setDescriptionFilter([](const QString &text) { return AddPostFooter(text, "Mine"); });
        QSignalSpy modified(&f->doc, &CRSSEditDoc::modifiedChanged);

        QVERIFY(f->doc.OnNewDocument({"Мой канал", "http://example.org/", QString(), QString(), QString()}));
        const CRssFeed *feed = f->doc.feed();
        QCOMPARE(feed->GetPostCount(), 1);
        QCOMPARE(feed->GetPostTitle(0), QStringLiteral("New Item"));
        QCOMPARE(feed->GetPostDescription(0), QString());
        const QString text = QString::fromUtf8(feed->PrintToString());
        QVERIFY2(text.contains("<title>Мой канал</title>") && text.contains("<link>http://example.org/</link>"),
                 qPrintable(text));
        QCOMPARE(f->log, notes("reset"));
        // On no disk yet: changed until saved.
        QVERIFY(f->doc.IsModified());
        QVERIFY(!modified.isEmpty());
        QCOMPARE(modified.last().at(0).toBool(), true);
        QVERIFY(f->doc.path().isEmpty());

        // Untitled feeds are numbered.
        static const QRegularExpression untitled(QStringLiteral("^Feed(\\d+)$"));
        CRSSEditDoc second;
        QVERIFY(second.OnNewDocument(NewFeedParams()));
        const QRegularExpressionMatch first = untitled.match(f->doc.title());
        const QRegularExpressionMatch next = untitled.match(second.title());
        QVERIFY2(first.hasMatch() && next.hasMatch(), qPrintable(f->doc.title() + ' ' + second.title()));
        QCOMPARE(next.captured(1).toInt(), first.captured(1).toInt() + 1);

        // Regression: a new feed counted as saved, so closing it asked
        // nothing. It is changed until saved, also with every step undone.
        QVERIFY(f->doc.IsModified());
        QCOMPARE(modified.last().at(0).toBool(), true);
        QVERIFY(f->doc.InsertNewPost());
        f->doc.undoStack()->undo();
        QVERIFY(f->doc.IsModified());
        QVERIFY(f->doc.OnSaveDocument(f->path));
        QVERIFY(!f->doc.IsModified());
    }

    // What File > New (filled in whole), Save As and Posts > Add Post write
    // passes the program's own check (tidrel --check): no errors, no
    // warnings. (The new feed alone is checked from the Create RSS Feed
    // page, tst_shellpages.)
    void newFeedAndAddedPost_passTheCheck()
    {
        QVERIFY(f->doc.OnNewDocument({"Мой канал", "http://example.org/", "News", "http://example.org/feed.xml", "Новости"}));
        QVERIFY(f->commands.OnCommand(ID_POST_ADD));
        QString error;
        QVERIFY2(f->doc.OnSaveDocument(f->path, &error), qPrintable(error));
        const QByteArray saved = readFile(f->path);
        QStringList problems;
        for (const CFeedChecker::Problem &problem : CFeedChecker::Check(saved)) {
            if (problem.level() != CFeedRules::Level::Info)
                problems << QStringLiteral("%1:%2 %3").arg(problem.line).arg(problem.column).arg(problem.ruleName());
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n') + u'\n' + QString::fromUtf8(saved)));
        QCOMPARE(f->doc.feed()->GetPostCount(), 2);
    }

    void openDocument_badFileReportsReason_goodFileSetsPathAndAnnouncesFeed()
    {
        QVERIFY(writeFile(f->path, "<?xml version=\"1.0\"?>\n<rss version=\"2.0\">\n<channel>\n<item><title>A</item>\n"));
        NewFeedParams params;
        params.title = QStringLiteral("New");
        QVERIFY(f->doc.OnNewDocument(params));
        QVERIFY(f->doc.IsModified());
        f->log.clear();
        QString error;
        QVERIFY(!f->doc.OnOpenDocument(f->path, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(f->log.isEmpty());
        QVERIFY(!f->doc.IsModified());
        QVERIFY(f->doc.path().isEmpty());
        QCOMPARE(f->doc.feed()->GetPostCount(), 0);

        error.clear();
        QVERIFY(!f->doc.OnOpenDocument(f->dir.filePath(QStringLiteral("absent.xml")), &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(f->log.isEmpty());

        QVERIFY(writeFeedFile(f->path, postsTitled({"A", "B"})));
        QSignalSpy pathChanged(&f->doc, &CRSSEditDoc::pathChanged);
        QVERIFY(f->doc.OnOpenDocument(f->path));
        QCOMPARE(f->doc.feed()->GetPostCount(), 2);
        QCOMPARE(f->doc.path(), f->path);
        QCOMPARE(f->doc.title(), QFileInfo(f->path).fileName());
        QCOMPARE(pathChanged.count(), 1);
        QCOMPARE(f->log, notes("reset"));
        QVERIFY(!f->doc.IsModified());
        QCOMPARE(f->doc.currentPost(), -1);
    }

    // Regression: a reload dropped unsaved changes without asking, and a
    // reload of a deleted file emptied the feed, which the next save wrote.
    void reload_asksFirstAndKeepsFeedWhenFileCannotBeRead()
    {
        f->open(postsTitled({"A", "B"}));
        f->select(1);
        QVERIFY(f->doc.SetPostField(1, CRSSEditDoc::PostTitle, QStringLiteral("Changed")));
        f->log.clear();

        f->prompter.answer = false;
        QVERIFY(f->commands.OnCommand(ID_POST_RELOAD));
        QCOMPARE(f->prompter.questions.size(), 1);
        QVERIFY(f->prompter.questions.first().contains(QDir::toNativeSeparators(f->path)));
        QCOMPARE(f->titles(), QStringList({"A", "Changed"}));
        QVERIFY(f->doc.IsModified());

        QVERIFY(QFile::remove(f->path));
        f->prompter.answer = true;
        QVERIFY(f->commands.OnCommand(ID_POST_RELOAD));
        QCOMPARE(f->prompter.errors.size(), 1);
        QVERIFY(f->prompter.errors.first().contains(QDir::toNativeSeparators(f->path)));
        QCOMPARE(f->titles(), QStringList({"A", "Changed"}));
        QVERIFY(f->doc.IsModified());
        QVERIFY(f->log.isEmpty());

        // Agreed to and readable: the file's posts come back.
        QVERIFY(writeFeedFile(f->path, postsTitled({"A", "B"})));
        QVERIFY(f->commands.OnCommand(ID_POST_RELOAD));
        QCOMPARE(f->titles(), QStringList({"A", "B"}));
        QVERIFY(!f->doc.IsModified());
        QCOMPARE(f->doc.currentPost(), 1);
    }

    void save_toOwnPathBacksUpFirst_saveAsDoesNot()
    {
        f->open(postsTitled({"A", "B"}));
        const QByteArray before = readFile(f->path);
        f->select(1);
        QVERIFY(f->doc.SetPostField(1, CRSSEditDoc::PostTitle, QStringLiteral("Changed")));
        f->log.clear();
        QVERIFY(backupsOf(f->path).isEmpty());

        QString error;
        QVERIFY2(f->doc.OnSaveDocument(f->path, &error), qPrintable(error));
        QCOMPARE(f->log, notes(""));
        const QStringList backups = backupsOf(f->path);
        QCOMPARE(backups.size(), 1);
        QVERIFY(QFileInfo(backups.first()).absolutePath() != QFileInfo(f->path).absolutePath());
        QCOMPARE(readFile(backups.first()), before);
        QVERIFY(readFile(f->path).contains("<title>Changed</title>"));
        QVERIFY(!f->doc.IsModified());
        QCOMPARE(f->doc.path(), f->path);

        // Save As makes no backup until the document is saved there again.
        const QString other = f->dir.filePath(QFileInfo(f->path).completeBaseName() + "-copy.xml");
        QSignalSpy pathChanged(&f->doc, &CRSSEditDoc::pathChanged);
        QVERIFY(f->doc.OnSaveDocument(other));
        QCOMPARE(backupsOf(f->path).size(), 1);
        QVERIFY(backupsOf(other).isEmpty());
        QCOMPARE(f->doc.path(), other);
        QCOMPARE(f->doc.title(), QFileInfo(other).fileName());
        QCOMPARE(pathChanged.count(), 1);
        QVERIFY(f->doc.OnSaveDocument(other));
        QCOMPARE(backupsOf(other).size(), 1);

        // File names on Linux differ by case: such a save is a Save As.
        const QString upper = f->dir.filePath(QFileInfo(other).fileName().toUpper());
        QVERIFY(upper != other);
        QVERIFY(f->doc.OnSaveDocument(upper));
        QCOMPARE(backupsOf(other).size(), 1);
        QVERIFY(QFile::exists(other) && QFile::exists(upper));
        QCOMPARE(f->doc.path(), upper);
    }

    // Regression: two saves in one second shared a backup name, so the
    // second copy replaced the first.
    void save_twiceEachSaveKeepsItsOwnBackup()
    {
        f->open(postsTitled({"A"}));
        const QByteArray first = readFile(f->path);
        QVERIFY(f->doc.OnSaveDocument(f->dir.path() + "/./" + QFileInfo(f->path).fileName()));
        QVERIFY(writeFeedFile(f->path, postsTitled({"Outside edit"})));
        const QByteArray second = readFile(f->path);
        QVERIFY(f->doc.OnSaveDocument(f->path));
        QVERIFY(f->doc.OnSaveDocument(f->path));
        QList<QByteArray> copies;
        for (const QString &backup : backupsOf(f->path))
            copies.append(readFile(backup));
        QCOMPARE(copies.size(), 3);
        QVERIFY(copies.contains(first));
        QVERIFY(copies.contains(second));
    }

    void save_failureKeepsModifiedAndOldFile()
    {
        f->open(postsTitled({"A"}));
        const QByteArray before = readFile(f->path);
        QVERIFY(f->doc.SetPostField(0, CRSSEditDoc::PostTitle, QStringLiteral("Changed")));
        const QString unreachable = f->dir.filePath(QStringLiteral("missing/feed.xml"));
        QString error;
        QVERIFY(!f->doc.OnSaveDocument(unreachable, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(f->doc.IsModified());
        QCOMPARE(f->doc.path(), f->path);
        QVERIFY(!QFile::exists(unreachable));
        // A file where the path needs a folder.
        error.clear();
        QVERIFY(!f->doc.OnSaveDocument(f->path + QStringLiteral("/feed.xml"), &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(readFile(f->path), before);

        QVERIFY(backupsOf(f->path).isEmpty());

        // A save over its own file that fails while writing leaves no
        // backup: the old file is still there as it was.
        for (int i = 0; i < 20; ++i)
            QVERIFY(f->doc.InsertNewPost());
        rlimit saved;
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        rlimit limited = saved;
        limited.rlim_cur = rlim_t(before.size() + 1); // room for the backup, not the new feed
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
        error.clear();
        const bool savedOk = f->doc.OnSaveDocument(f->path, &error);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);
        QVERIFY(!savedOk);
        // The system's reason, as a full disk gives "No space left on device".
        QCOMPARE(error, QStringLiteral("Cannot write the file: File too large"));
        QVERIFY(f->doc.IsModified());
        QCOMPARE(readFile(f->path), before);
        QVERIFY(backupsOf(f->path).isEmpty());
        QCOMPARE(QDir(f->dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList(QFileInfo(f->path).fileName()));
    }

    // Regression: a writable feed in a folder the user may not write to
    // could not be saved, as the temporary file could not be made there.
    void save_inReadOnlyFolderWritesInPlace()
    {
        f->open(postsTitled({"A"}));
        QVERIFY(QFile::setPermissions(f->path, QFile::ReadOwner));
        QVERIFY(f->doc.OnSaveDocument(f->path)); // a backup of a read-only feed
        QVERIFY(QFile::setPermissions(f->path, QFile::ReadOwner | QFile::WriteOwner));
        QVERIFY(f->doc.SetPostField(0, CRSSEditDoc::PostTitle, QStringLiteral("Changed")));
        QFile folder(f->dir.path());
        const QFile::Permissions permissions = folder.permissions();
        QVERIFY(folder.setPermissions(QFile::ReadOwner | QFile::ExeOwner));
        QString error;
        const bool saved = f->doc.OnSaveDocument(f->path, &error);
        folder.setPermissions(permissions);
        QVERIFY2(saved, qPrintable(error));
        QVERIFY(readFile(f->path).contains("<title>Changed</title>"));
        const QStringList backups = backupsOf(f->path);
        QCOMPARE(backups.size(), 2);
        for (const QString &backup : backups)
            QVERIFY(QFileInfo(backup).permissions() & QFile::WriteOwner);
    }

    void setDateNow_datesCurrentPostOnly()
    {
        f->open(postsTitled({"A", "B"}));
        f->select(1);
        f->log.clear();
        QVERIFY(f->state(ID_POST_SET_DATE_NOW).enabled);
        QVERIFY(f->commands.OnCommand(ID_POST_SET_DATE_NOW));
        const QDateTime dated = PubDate::ParsePubDateOr(f->doc.feed()->GetPostPubDate(1), QDateTime());
        QVERIFY(qAbs(dated.secsTo(QDateTime::currentDateTimeUtc())) < 60);
        QCOMPARE(f->doc.feed()->GetPostPubDate(0), QStringLiteral("01 Mar 2026 09:00:00 GMT"));
        QVERIFY(f->doc.IsModified());
        QCOMPARE(f->log, notes("elements:1"));
    }

    void openBackupFolder_createsFolderAndOpensIt()
    {
        QVERIFY(f->doc.OnNewDocument(NewFeedParams()));
        QVERIFY(!f->state(ID_OPEN_BACKUP_FOLDER).enabled); // no file yet
        f->open(postsTitled({"A"}));
        const QString folder = GetBackupFolder(f->path);
        QVERIFY(folder != f->dir.path());
        QVERIFY(QDir(folder).removeRecursively());
        // Asked at every change of state, so it leaves the disk alone; the
        // command makes the folder.
        QVERIFY(f->state(ID_OPEN_BACKUP_FOLDER).enabled);
        QVERIFY(!QFileInfo::exists(folder));

        QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "openFolderUrl");
        const bool handled = f->commands.OnCommand(ID_OPEN_BACKUP_FOLDER);
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QVERIFY(handled);
        QCOMPARE(m_openedUrls, QList<QUrl>({QUrl::fromLocalFile(folder)}));
        QVERIFY(QFileInfo(folder).isDir());
        QVERIFY(f->prompter.errors.isEmpty());
    }

    // Regression: backups were never pruned. The newest kBackupsKept of a
    // feed stay, by the time and number in their names (day first, so not
    // in the order of the names); another feed's, whose name begins alike,
    // stay too.
    void save_prunesOldestBackupsOfThisFeedOnly()
    {
        f->open(postsTitled({"A"}));
        const QString other = f->dir.filePath(QFileInfo(f->path).completeBaseName() + "_other.xml");
        QVERIFY(writeFeedFile(other, postsTitled({"B"})));
        QString otherBackup;
        QVERIFY(BackupFile(other, QDateTime(QDate(2001, 1, 1), QTime(0, 0)), &otherBackup));

        QStringList old;
        const auto backUpAt = [&](const QDateTime &time) {
            QString backup;
            QVERIFY(BackupFile(f->path, time, &backup));
            old.append(backup);
        };
        backUpAt(QDateTime(QDate(2025, 12, 9), QTime(12, 0)));
        backUpAt(QDateTime(QDate(2025, 12, 10), QTime(12, 0)));
        backUpAt(QDateTime(QDate(2025, 12, 10), QTime(12, 0))); // numbered _2
        for (int day = 11; day < 11 + kBackupsKept - 3; ++day)
            backUpAt(QDateTime(QDate(2025, 12, day), QTime(12, 0)));
        backUpAt(QDateTime(QDate(2026, 1, 1), QTime(12, 0)));
        QCOMPARE(old.size(), kBackupsKept + 1);
        QVERIFY(old.at(2).endsWith("_2.xml.bak"));

        QVERIFY(f->doc.OnSaveDocument(f->path));
        QStringList kept = backupsOf(f->path);
        QVERIFY(kept.removeOne(otherBackup)); // its name fits this feed's pattern here
        QCOMPARE(kept.size(), kBackupsKept);
        for (const QString &backup : old.mid(2))
            QVERIFY2(kept.removeOne(backup), qPrintable(backup));
        QCOMPARE(kept.size(), 1); // the save's own
    }

private:
    // Backup copies of a document: <name>_<time stamp>[_<n>]<.ext>.bak.
    QStringList backupsOf(const QString &path)
    {
        const QFileInfo info(path);
        const QDir folder(GetBackupFolder(path));
        QStringList paths;
        for (const QString &name : folder.entryList({info.completeBaseName() + "_*." + info.suffix() + ".bak"}, QDir::Files))
            paths.append(folder.filePath(name));
        return paths;
    }

    std::unique_ptr<DocumentFixture> f;
    QList<QUrl> m_openedUrls;
};

QTEST_MAIN(DocumentFilesTest)
#include "tst_documentfiles.moc"
