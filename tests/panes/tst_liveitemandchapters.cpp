#include "PodcastCheck.h"
#include "TestFiles.h"
#include "document/RSSEditDoc.h"
#include "publishing/PublishSettings.h"
#include "panes/BarPostDetails.h"
#include "panes/ChaptersDlg.h"
#include "panes/ElementTable.h"
#include "panes/LiveItemFields.h"
#include "panes/PostIcon.h"
#include "panes/PostsListCtrl.h"
#include "panes/PostsModel.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUndoStack>

// Post Details for the podcast's own kinds of content: a live item's
// status, start and end, and the chapters editor with its file; and the
// marks of the posts list, a live item's and a link's.

namespace {

const QString kChapters = QStringLiteral(TIDREL_TEST_DATA_DIR "/../../core/data/chapters/");
const QString kLiveFeed = QStringLiteral(TIDREL_TEST_DATA_DIR "/../../core/data/liveitems.xml");

void typeInto(QLineEdit *line, const QString &text)
{
    line->setFocus();
    line->selectAll();
    QTest::keyClicks(line, text);
    QTest::keyClick(line, Qt::Key_Return);
}

// Answers the next question a message box asks with `button`, and keeps the
// question in `asked`.
void answerNextQuestion(QMessageBox::StandardButton button, QString *asked)
{
    auto *timer = new QTimer;
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer, button, asked] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        timer->deleteLater();
        timer->stop();
        *asked = box->text();
        box->button(button)->click();
    });
    timer->start();
}

} // namespace

class LiveItemAndChaptersTest : public QObject
{
    Q_OBJECT

private slots:
    // --- The posts list's marks of links ---

    void extensionOfLink_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("extension");

        QTest::newRow("empty link") << QString() << ".";
        QTest::newRow("mail link without a dot") << "mailto:someone@example" << ".";
        QTest::newRow("only a leading dot") << ".profile" << ".";
        QTest::newRow("html with anchor") << "http://example.org/page.html#top" << ".htm";
        QTest::newRow("html upper case") << "http://example.org/PAGE.HTML" << ".htm";
        QTest::newRow("shtml") << "http://example.org/index.shtml" << ".htm";
        QTest::newRow("php") << "http://example.org/index.php" << ".htm";
        QTest::newRow("php with query") << "http://example.org/index.php?id=5" << ".htm";
        QTest::newRow("archive") << "http://example.org/files/setup.zip" << ".zip";
        QTest::newRow("archive upper case") << "http://example.org/files/SETUP.ZIP" << ".zip";
        QTest::newRow("pdf") << "http://example.org/paper.pdf" << ".pdf";
        QTest::newRow("digits after the last dot") << "http://example.org/news/2024.05" << ".htm";
        QTest::newRow("digits and query signs") << "http://example.org/a.1?&2" << ".htm";
        QTest::newRow("host only") << "http://example.org" << ".org";
        QTest::newRow("path after the host") << "http://example.org/about" << ".htm";
        QTest::newRow("long extension of a plain file name") << "notes.markdown" << ".markdown";
        QTest::newRow("digits of a plain file name") << "version.2024" << ".2024";
        QTest::newRow("folder with a dot") << "C:\\my.folder\\file" << ".folder\\file";
        QTest::newRow("unix folder with a dot") << "/home/me/my.folder/file" << ".folder/file";
        QTest::newRow("anchor cut before the web page test") << "page.PHP#x" << ".htm";
    }
    void extensionOfLink()
    {
        QFETCH(QString, link);
        QFETCH(QString, extension);
        QCOMPARE(PostIcon::extensionOfLink(link), extension);
    }

    void iconOfLink_webPagesAndArchivesUseProgramIcons()
    {
        const QIcon page = PostIcon::iconOfLink(QStringLiteral("http://example.org/page.html"));
        const QIcon archive = PostIcon::iconOfLink(QStringLiteral("http://example.org/setup.zip"));
        QVERIFY(!page.isNull());
        QVERIFY(!archive.isNull());
        QVERIFY(page.cacheKey() != archive.cacheKey());
        // Both drawn for the list's 16-pixel rows.
        QCOMPARE(page.actualSize(QSize(16, 16)), QSize(16, 16));
        QCOMPARE(archive.actualSize(QSize(16, 16)), QSize(16, 16));
        // An address that is no file is a web page too.
        QCOMPARE(PostIcon::iconOfLink(QStringLiteral("http://example.org/news/")).cacheKey(), page.cacheKey());
    }

    // --- Live items ---

    // A live item's row has the mark of its status and, without a date of
    // its own, says what it is and when it starts.
    void postsList_marksLiveItems()
    {
        CRSSEditDoc doc;
        QVERIFY(doc.OnOpenDocument(kLiveFeed));
        CPostsModel model(&doc);
        model.order().fillAll(doc.feed());
        model.resetRows();
        const auto cell = [&model](int row, int column, int role) { return model.data(model.index(row, column), role); };
        const auto shown = [](const char *start) {
            return CPostsModel::localDate(QDateTime::fromString(QLatin1String(start), Qt::ISODate));
        };
        QCOMPARE(cell(0, CPostsModel::DateColumn, Qt::DisplayRole).toString(),
                 QStringLiteral("Stream starts ") + shown("2026-12-24T18:00:00+01:00"));
        QCOMPARE(cell(1, CPostsModel::DateColumn, Qt::DisplayRole).toString(),
                 QStringLiteral("Stream ended, began ") + shown("2026-11-01T20:00:00Z"));
        QCOMPARE(cell(2, CPostsModel::DateColumn, Qt::DisplayRole).toString(),
                 CPostsModel::localDate(QDateTime(QDate(2026, 11, 8), QTime(10, 0), Qt::UTC)));
        const auto mark = [&cell](int row) { return cell(row, CPostsModel::TitleColumn, Qt::DecorationRole).value<QIcon>().pixmap(16).toImage(); };
        QCOMPARE(mark(0), PostIcon::iconOfLiveItem(QStringLiteral("pending")).pixmap(16).toImage());
        QCOMPARE(mark(1), PostIcon::iconOfLiveItem(QStringLiteral("ended")).pixmap(16).toImage());
        QVERIFY(mark(0) != mark(1));
        QVERIFY(mark(0) != PostIcon::iconOfLiveItem(QStringLiteral("live")).pixmap(16).toImage());
        QVERIFY(cell(0, CPostsModel::TitleColumn, Qt::ToolTipRole).toString().contains(QStringLiteral("Live item, pending")));
        QVERIFY(!cell(2, CPostsModel::TitleColumn, Qt::ToolTipRole).toString().contains(QStringLiteral("Live item")));

        // Regression: the list takes every row's height from the first; a
        // new post at the top, unmarked, squashed the marked rows below.
        CPostsListCtrl list;
        list.setModel(&model);
        list.show();
        QCOMPARE(list.sizeHintForRow(2), list.sizeHintForRow(0));
    }

    // The group shows for live items only; its fields store through the
    // document, one undo step each, and a time that is none is noted.
    void liveFields_showAndStoreTheTag()
    {
        CRSSEditDoc doc;
        QVERIFY(doc.OnOpenDocument(kLiveFeed));
        CBarPostDetails bar(QStringLiteral("Post Details"), &doc);
        bar.show();
        CLiveItemFields *live = bar.liveItemFields();
        // The feed declares no iTunes namespace: only a live item shows the
        // podcast fields (its content links among them).
        doc.selection()->select(2);
        QVERIFY(!live->isVisibleTo(&bar));
        QVERIFY(!bar.podcastGroup()->isVisibleTo(&bar));
        doc.selection()->select(0);
        QVERIFY(live->isVisibleTo(&bar));
        QVERIFY(bar.podcastGroup()->isVisibleTo(&bar));
        QCOMPARE(live->status()->currentText(), QStringLiteral("pending"));
        QCOMPARE(live->start()->text(), QStringLiteral("2026-12-24T18:00:00+01:00"));

        live->status()->setCurrentIndex(live->status()->findText(QStringLiteral("live")));
        emit live->status()->activated(live->status()->currentIndex());
        QCOMPARE(doc.feed()->GetPostAttribute(0, QStringLiteral("status")), QStringLiteral("live"));
        typeInto(live->end(), QStringLiteral("2026-12-24T20:00:00+01:00"));
        QCOMPARE(doc.feed()->GetPostAttribute(0, QStringLiteral("end")), QStringLiteral("2026-12-24T20:00:00+01:00"));
        QCOMPARE(doc.undoStack()->count(), 2);
        auto *note = live->findChild<QLabel *>(QStringLiteral("liveItem@start-note"));
        QVERIFY(note && !note->isVisibleTo(live));
        // A time without its zone is noted too; the forms themselves are the
        // namespace table's (tst_podcastnamespace).
        typeInto(live->start(), QStringLiteral("2026-12-24T18:00:00"));
        QVERIFY(note->isVisibleTo(live));
        QVERIFY2(note->text().contains(QStringLiteral("time zone")), qPrintable(note->text()));
        typeInto(live->start(), QStringLiteral("24.12.2026 18:00"));
        QVERIFY(note->isVisibleTo(live));
        QCOMPARE(doc.feed()->GetPostAttribute(0, QStringLiteral("start")), QStringLiteral("24.12.2026 18:00"));

        // The November stream shows its own values; undo gives back the file.
        doc.selection()->select(1);
        QCOMPARE(live->status()->currentText(), QStringLiteral("ended"));
        QCOMPARE(live->end()->text(), QString());
        while (doc.undoStack()->canUndo())
            doc.undo();
        QCOMPARE(doc.feed()->PrintToString(), readFile(kLiveFeed));
    }

    // A new live item meets the podcast rules as it comes: its content
    // link is the show's web site, in Post Details to be changed.
    void newLiveItem_passesThePodcastCheck()
    {
        QTemporaryDir dir;
        CRSSEditDoc doc;
        const QString path = dir.filePath(QStringLiteral("show.xml"));
        QVERIFY(QFile::copy(kCleanPodcast, path) && QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner)
                && doc.OnOpenDocument(path));
        CBarPostDetails bar(QStringLiteral("Post Details"), &doc);
        bar.show();
        QVERIFY(doc.InsertNewLiveItem());
        doc.selection()->select(0);
        auto *links = bar.findChild<CElementTable *>(QStringLiteral("podcast:contentLink"));
        QVERIFY(links);
        QCOMPARE(links->table()->rowCount(), 1);
        QCOMPARE(links->table()->item(0, 0)->text(), QStringLiteral("https://cats.example.org/"));
        QVERIFY(doc.OnSaveDocument(path));
        QCOMPARE(podcastProblems(path), QString());
    }

    // --- The chapters editor ---

    // Cells typed, a chapter removed and one added, saved: the file as the
    // model writes it, members the table does not show kept.
    void dialog_editsAndSavesTheFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("tour.json"));
        QVERIFY(QFile::copy(kChapters + QStringLiteral("tour.json"), path));
        CChaptersDlg dialog;
        QVERIFY(dialog.openFile(path));
        dialog.show();
        QTableWidget *table = dialog.table();
        QCOMPARE(table->rowCount(), 4);
        QCOMPARE(table->item(1, CChaptersDlg::StartColumn)->text(), QStringLiteral("1:34.5"));
        QCOMPARE(table->item(3, CChaptersDlg::StartColumn)->text(), QStringLiteral("20:00"));

        table->item(1, CChaptersDlg::TitleColumn)->setText(QStringLiteral("The Bridge"));
        table->item(1, CChaptersDlg::ImageColumn)->setText(QString());
        table->setCurrentCell(2, CChaptersDlg::TitleColumn);
        dialog.removeChapter();
        table->setCurrentCell(2, CChaptersDlg::TitleColumn);
        dialog.addChapter();
        QCOMPARE(table->rowCount(), 4);
        table->item(3, CChaptersDlg::StartColumn)->setText(QStringLiteral("1:02:03"));
        table->item(3, CChaptersDlg::TitleColumn)->setText(QStringLiteral("Home"));
        table->setCurrentCell(0, CChaptersDlg::TitleColumn);
        dialog.addChapter();
        table->item(1, CChaptersDlg::StartColumn)->setText(QStringLiteral("3:20.25"));
        table->item(1, CChaptersDlg::TitleColumn)->setText(QStringLiteral("Market"));

        // A start that is no time stops the save until it is one.
        table->item(4, CChaptersDlg::StartColumn)->setText(QStringLiteral("later"));
        QVERIFY(!dialog.save());
        QVERIFY(dialog.error()->text().contains(QStringLiteral("chapter 5")));
        QCOMPARE(readFile(path), readFile(kChapters + QStringLiteral("tour.json")));
        table->item(4, CChaptersDlg::StartColumn)->setText(QStringLiteral("62:03"));
        QVERIFY(!dialog.save()); // minutes past 59 need the hour
        table->item(4, CChaptersDlg::StartColumn)->setText(QStringLiteral("3723"));

        QSignalSpy saved(&dialog, &CChaptersDlg::saved);
        QVERIFY(dialog.save());
        QCOMPARE(saved.count(), 1);
        QVERIFY(!dialog.isModified());
        QCOMPARE(readFile(path), readFile(kChapters + QStringLiteral("tour.edited.json")));
        QCOMPARE(table->item(2, CChaptersDlg::TitleColumn)->text(), QStringLiteral("Market")); // sorted by start
    }

    // A file that is not a chapters file is shown with its reason and
    // never written over.
    void dialog_refusesBadJson()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("chapters.json"));
        const QByteArray bad = "{\"version\": \"1.2.0\",\n \"chapters\": [{\"startTime\": 0,}]}\n";
        QVERIFY(writeFile(path, bad));
        CChaptersDlg dialog;
        QVERIFY(!dialog.openFile(path));
        QVERIFY(dialog.error()->text().contains(QStringLiteral("line 2")));
        QVERIFY(!dialog.table()->isEnabled());
        dialog.addChapter();
        QVERIFY(!dialog.save());
        QCOMPARE(readFile(path), bad);
    }

    // Regression: naming an existing chapters file and saving wrote an
    // empty list over it without a word.
    void dialog_asksBeforeReplacingAFileItDidNotOpen()
    {
        QTemporaryDir dir;
        const QString theirs = dir.filePath(QStringLiteral("theirs.json"));
        QVERIFY(QFile::copy(kChapters + QStringLiteral("compact.json"), theirs));
        QFile::setPermissions(theirs, QFile::ReadOwner | QFile::WriteOwner);
        const QByteArray original = readFile(theirs);
        CChaptersDlg dialog;
        QVERIFY(dialog.openFile(dir.filePath(QStringLiteral("new.json"))));
        dialog.show();
        dialog.addChapter();
        dialog.pathEdit()->setText(theirs);

        QString asked;
        answerNextQuestion(QMessageBox::No, &asked);
        QVERIFY(!dialog.save());
        QVERIFY2(asked.contains(theirs), qPrintable(asked));
        QCOMPARE(readFile(theirs), original);
        QVERIFY(dialog.isModified());

        asked.clear();
        answerNextQuestion(QMessageBox::Yes, &asked);
        QVERIFY(dialog.save());
        QVERIFY(!asked.isEmpty());
        QVERIFY(readFile(theirs).contains("\"chapters\": [\n    {\n      \"startTime\": 0\n    }\n  ]"));

        // Opened, the file is the dialog's own: its two chapters show, and
        // a save asks nothing and keeps the members the table does not show.
        QVERIFY(QFile::remove(theirs));
        QVERIFY(QFile::copy(kChapters + QStringLiteral("compact.json"), theirs));
        QFile::setPermissions(theirs, QFile::ReadOwner | QFile::WriteOwner);
        QVERIFY(dialog.openFile(theirs));
        QCOMPARE(dialog.table()->rowCount(), 2);
        QCOMPARE(dialog.table()->item(0, CChaptersDlg::TitleColumn)->text(), QStringLiteral("Caf\u00e9 \U0001F600"));
        dialog.table()->item(1, CChaptersDlg::TitleColumn)->setText(QStringLiteral("Second"));
        QVERIFY(dialog.save());
        const QByteArray saved = readFile(theirs);
        QVERIFY2(saved.contains("\"empty\": {}") && saved.contains("\"list\": []"), saved.constData());
        QVERIFY(saved.contains("\"title\": \"Second\""));
    }

    // Chapters on the web are saved to a file in the media folder, and the
    // post's address follows it to the media base address; undo puts the
    // old address back. A local address opens its file. A post without
    // chapters gets the tag of the address publishing gives its new file; a
    // file publishing would not place is named by no address: the dialog
    // says why.
    void postDetails_editChaptersOfTheCurrentPost()
    {
        QTemporaryDir dir;
        const QString feedPath = dir.filePath(QStringLiteral("show.xml"));
        // One episode, whose chapters are on the web.
        const QByteArray original = readFile(QStringLiteral(TIDREL_TEST_DATA_DIR "/episode-chapters.xml"));
        QVERIFY(writeFile(feedPath, original));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("media")));
        PublishTarget target;
        target.destination = QStringLiteral("file:///srv/show/");
        target.mediaBaseUrl = QStringLiteral("https://show.example.org/media/");
        target.mediaFolder = dir.filePath(QStringLiteral("media"));
        CPublishSettings::save(feedPath, target);

        CRSSEditDoc doc;
        QVERIFY(doc.OnOpenDocument(feedPath));
        CBarPostDetails bar(QStringLiteral("Post Details"), &doc);
        bar.show();
        doc.selection()->select(0);
        QVERIFY(bar.findChild<QPushButton *>(QStringLiteral("editChapters")));
        bar.editChapters();
        auto *dialog = bar.findChild<CChaptersDlg *>();
        QVERIFY(dialog);
        QCOMPARE(dialog->pathEdit()->text(), dir.filePath(QStringLiteral("media/chapters.json")));
        QVERIFY(dialog->message()->text().contains(QStringLiteral("https://cdn.example.org/ep1/chapters.json")));
        dialog->addChapter();
        dialog->table()->item(0, CChaptersDlg::TitleColumn)->setText(QStringLiteral("Start"));
        QVERIFY(dialog->save());
        QVERIFY(readFile(dir.filePath(QStringLiteral("media/chapters.json"))).contains("\"title\": \"Start\""));
        const std::vector<FeedElement> tag = doc.feed()->GetPostElements(0, QStringLiteral("podcast:chapters"));
        QCOMPARE(tag.size(), size_t(1));
        QCOMPARE(tag[0].attribute(QStringLiteral("url")), QStringLiteral("https://show.example.org/media/chapters.json"));
        dialog->close();

        // Now local: the same file opens, and saving it changes no address.
        bar.editChapters();
        dialog = bar.findChildren<CChaptersDlg *>().constLast();
        QCOMPARE(dialog->table()->rowCount(), 1);
        QVERIFY(dialog->message()->text().isEmpty());
        const int steps = doc.undoStack()->count();
        QVERIFY(dialog->save());
        QCOMPARE(doc.undoStack()->count(), steps);
        doc.undo();
        QCOMPARE(doc.feed()->PrintToString(), original);
        dialog->close();

        // A new post's file in the media folder: the tag, with its type.
        QVERIFY(doc.InsertNewPost());
        doc.selection()->select(0);
        bar.editChapters();
        dialog = bar.findChildren<CChaptersDlg *>().constLast();
        dialog->pathEdit()->setText(dir.filePath(QStringLiteral("media/2.chapters.json")));
        dialog->addChapter();
        QVERIFY(dialog->save());
        dialog->close();
        const std::vector<FeedElement> added = doc.feed()->GetPostElements(0, QStringLiteral("podcast:chapters"));
        QCOMPARE(added.size(), size_t(1));
        QCOMPARE(added[0].attribute(QStringLiteral("url")), QStringLiteral("https://show.example.org/media/2.chapters.json"));
        QCOMPARE(added[0].attribute(QStringLiteral("type")), QStringLiteral("application/json+chapters"));

        // Beside the feed, outside the media folder: not published.
        QVERIFY(doc.InsertNewPost());
        doc.selection()->select(0);
        bar.editChapters();
        dialog = bar.findChildren<CChaptersDlg *>().constLast();
        dialog->pathEdit()->setText(dir.filePath(QStringLiteral("3.chapters.json")));
        QVERIFY(dialog->save());
        QVERIFY2(dialog->message()->text().contains(QStringLiteral("outside")), qPrintable(dialog->message()->text()));
        QVERIFY(doc.feed()->GetPostElements(0, QStringLiteral("podcast:chapters")).empty());
        dialog->close();

        // Without a media base address a post without chapters has nothing
        // to publish under, and the episode's web address stays: the file
        // beside the feed is to be uploaded there.
        CPublishSettings::remove(feedPath);
        bar.editChapters();
        dialog = bar.findChildren<CChaptersDlg *>().constLast();
        QVERIFY(dialog->save());
        QVERIFY2(dialog->message()->text().contains(QStringLiteral("media base address")), qPrintable(dialog->message()->text()));
        QVERIFY(doc.feed()->GetPostElements(0, QStringLiteral("podcast:chapters")).empty());
        dialog->close();
        doc.selection()->select(2);
        bar.editChapters();
        dialog = bar.findChildren<CChaptersDlg *>().constLast();
        QCOMPARE(dialog->pathEdit()->text(), dir.filePath(QStringLiteral("chapters.json")));
        QVERIFY(dialog->message()->text().contains(QStringLiteral("upload")));
        QVERIFY(dialog->save());
        QVERIFY(QFileInfo::exists(dir.filePath(QStringLiteral("chapters.json"))));
        QCOMPARE(doc.feed()->GetPostElements(2, QStringLiteral("podcast:chapters")).at(0).attribute(QStringLiteral("url")),
                 QStringLiteral("https://cdn.example.org/ep1/chapters.json"));
    }
};

QTEST_MAIN(LiveItemAndChaptersTest)
#include "tst_liveitemandchapters.moc"
