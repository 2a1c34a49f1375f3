// Episodes from audio files in the window: audio files dropped on the
// posts list, or chosen with File > New Episode from Audio, become posts
// of the feed, one undo step in all.

#include "AudioTestFiles.h"
#include "WindowTestSupport.h"

#include "core/RssFeed.h"
#include "document/RSSEditDoc.h"
#include "panes/BarRssItems.h"
#include "panes/PostsListCtrl.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUndoStack>

namespace {

// Sends a drag over the list and, when the list takes it, the drop; true
// when the drop was taken.
bool dropFiles(CPostsListCtrl *list, const QStringList &paths)
{
    QMimeData data;
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls.append(QUrl::fromLocalFile(path));
    data.setUrls(urls);
    QWidget *target = list->viewport();
    const QPoint point = target->rect().center();
    QDragEnterEvent enter(point, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(QPointF(point), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

} // namespace

class TestAudioDrop : public QObject
{
    Q_OBJECT

private slots:
    void dropOrMenu_addsEpisodesInOneStep_data();
    void dropOrMenu_addsEpisodesInOneStep();
};

void TestAudioDrop::dropOrMenu_addsEpisodesInOneStep_data()
{
    QTest::addColumn<bool>("drop");
    QTest::newRow("drop on the posts list") << true;
    QTest::newRow("File > New Episode from Audio") << false;
}

void TestAudioDrop::dropOrMenu_addsEpisodesInOneStep()
{
    QFETCH(bool, drop);
    if (!AudioTestFiles::haveEncoder())
        QSKIP("ffmpeg is not installed (scripts/install-deps.sh)");
    MainWindowFixture window;
    AudioTestFiles audio;
    QVERIFY(audio.make(window.dir.filePath(QStringLiteral("media"))));
    const QString path = window.dir.filePath(QStringLiteral("feed.xml"));
    PublishTarget target;
    target.destination = QStringLiteral("sftp://example.org/feeds/");
    target.mediaBaseUrl = QStringLiteral("https://media.example.org/show/");
    CPublishSettings::save(path, target);
    CChildFrame *frame = window.openFeed(QStringLiteral("feed.xml"), postsTitled({QStringLiteral("Old post")}));
    QVERIFY(frame);
    CRSSEditDoc *document = frame->document();
    CPostsListCtrl *list = frame->postsBar()->listCtrl();

    if (drop) {
        QVERIFY(!dropFiles(list, {audio.text}));
        QVERIFY(dropFiles(list, {audio.mp3, audio.m4a}));
    } else {
        window.services.audioFileNames = {audio.mp3, audio.m4a};
        QVERIFY(window.main->action(ID_FILE_NEW_EPISODE_FROM_AUDIO)->isEnabled());
        window.main->action(ID_FILE_NEW_EPISODE_FROM_AUDIO)->trigger();
    }
    QCOMPARE(window.services.errors, QStringList());
    QCOMPARE(document->undoStack()->count(), 1);
    QCOMPARE(document->currentPost(), 0);
    QCOMPARE(list->model()->rowCount(), 3);
    QCOMPARE(list->model()->index(0, 0).data().toString(), QStringLiteral("Second"));
    QTRY_COMPARE(list->currentIndex().row(), 0);
    QVERIFY(!list->isRenaming());

    QVERIFY(document->OnSaveDocument(path));
    CRssFeed saved;
    QVERIFY(saved.LoadFromFile(path));
    QCOMPARE(saved.GetPostTitle(1), QStringLiteral("Ünïcode & the First"));
    QCOMPARE(saved.GetPostElements(1, QStringLiteral("enclosure")).front().attribute(QStringLiteral("url")),
             QStringLiteral("https://media.example.org/show/media/season%201/ep%20%231.mp3"));
    QCOMPARE(saved.GetPostElements(0, QStringLiteral("itunes:episode")).front().text, QStringLiteral("2"));
    QVERIFY(saved.HasNamespace(QStringLiteral("http://www.itunes.com/dtds/podcast-1.0.dtd")));

    window.main->action(ID_EDIT_UNDO)->trigger();
    QCOMPARE(list->model()->rowCount(), 1);
}

TIDREL_WINDOW_TEST_MAIN(TestAudioDrop)
#include "tst_audiodrop.moc"
