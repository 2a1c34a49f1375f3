// A feed opened from its address on a real web server on 127.0.0.1, given
// its podcast identity, saved where the user says, and moved to a new
// address; and the downloads that must open nothing.

#include "TestFiles.h"
#include "WindowTestSupport.h"
#include "TitleServer.h"

#include "core/PodcastGuid.h"
#include "panes/FeedPropertiesWnd.h"
#include "shell/LocationOpener.h"

#include <QProgressDialog>
#include <QPushButton>
#include <QUndoStack>

namespace {

const QString kServedFeed = QStringLiteral(TIDREL_TESTS_DIR "/web/data/podcast-locked.xml");
const QString kMovedFeed = QStringLiteral(TIDREL_TESTS_DIR "/shell/data/move-feed/expected.xml");

} // namespace

class TestOpenLocation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void openGuidSaveMove_writesOnlyTheNewAndChangedLines();
    void temporaryRedirectKeepsTheAddress_badDownloadsOpenNothing();
    void serverThatNeverAnswers_endsOnCancel();

private:
    // Runs File > Open Location on `address` to its end: the feed's window or null.
    CChildFrame *openLocation(MainWindowFixture &window, const QString &address);

    TitleServer m_server;
};

void TestOpenLocation::initTestCase()
{
    QVERIFY(m_server.start(QStringLiteral(TIDREL_TESTS_DIR "/web/data/title_server.py")));
}

CChildFrame *TestOpenLocation::openLocation(MainWindowFixture &window, const QString &address)
{
    window.services.feedLocation = address;
    const int before = window.main->documents()->frames().size();
    if (!window.main->executeCommand(ID_FILE_OPEN_LOCATION))
        return nullptr;
    if (!QTest::qWaitFor([&] { return !window.main->locationOpener()->isRunning(); }, 60000))
        return nullptr;
    const QList<CChildFrame *> frames = window.main->documents()->frames();
    return frames.size() > before ? frames.last() : nullptr;
}

// Through a permanent redirect, as hosts move feeds: the address the feed
// lives at now is the one remembered.
void TestOpenLocation::openGuidSaveMove_writesOnlyTheNewAndChangedLines()
{
    MainWindowFixture window;
    const QString servedAt = m_server.url(QStringLiteral("/file/podcast-locked.xml"));
    CChildFrame *frame = openLocation(window, m_server.url(QStringLiteral("/redirect?status=301&to=/file/podcast-locked.xml")));
    QVERIFY(frame);
    CRSSEditDoc *document = frame->document();
    QCOMPARE(document->feed()->GetPostCount(), 2);
    QVERIFY(document->path().isEmpty());
    QVERIFY(!document->IsModified());
    QCOMPARE(window.services.informations.size(), 1);
    QVERIFY(window.services.informations.first().contains(QStringLiteral("locked")));
    QVERIFY(window.services.errors.isEmpty());

    // The identity, from the address the feed names for itself.
    CFeedPropertiesWnd *properties = frame->showProperties();
    QPushButton *makeGuid = nullptr;
    for (QPushButton *button : properties->findChildren<QPushButton *>()) {
        if (button->text().remove(u'&') == QLatin1String("Make from Feed Address"))
            makeGuid = button;
    }
    QVERIFY(makeGuid && makeGuid->isEnabled());
    makeGuid->click();
    const QString guid = CPodcastGuid::fromFeedAddress(QStringLiteral("https://old.example.org/feed.xml"));
    QCOMPARE(document->feed()->GetChannelElements(QStringLiteral("podcast:guid")).at(0).text, guid);
    QVERIFY(makeGuid->isHidden());
    properties->close();

    // The first save asks where the copy goes; it holds the served bytes
    // but for the identity, and the address becomes the published one.
    window.services.saveFileName = window.dir.filePath(QStringLiteral("harbour.xml"));
    QVERIFY(window.main->executeCommand(ID_FILE_SAVE));
    QCOMPARE(document->path(), window.services.saveFileName);
    QCOMPARE(CPublishSettings::load(document->path()).feedAddress, servedAt);

    const int steps = document->undoStack()->count();
    window.services.newFeedAddress = QStringLiteral("https://new.example.net/harbour/feed.xml");
    QVERIFY(window.main->executeCommand(ID_FEED_MOVE));
    QCOMPARE(window.services.movedFrom, QStringList{QStringLiteral("https://old.example.org/feed.xml")});
    QCOMPARE(document->undoStack()->count(), steps + 1);
    QVERIFY(window.main->executeCommand(ID_FILE_SAVE));
    QCOMPARE(readFile(document->path()), readFile(kMovedFeed));
    QCOMPARE(CPublishSettings::load(document->path()).feedAddress, window.services.newFeedAddress);

    document->undo();
    QCOMPARE(document->FeedAddress(), QStringLiteral("https://old.example.org/feed.xml"));
    QVERIFY(document->feed()->GetChannelElements(QStringLiteral("itunes:new-feed-url")).empty());
}

// A temporary redirect keeps the address asked for; the downloads that are
// no feed say why and open nothing.
void TestOpenLocation::temporaryRedirectKeepsTheAddress_badDownloadsOpenNothing()
{
    MainWindowFixture window;
    const QString asked = m_server.url(QStringLiteral("/redirect?status=302&to=/file/podcast-locked.xml"));
    CChildFrame *frame = openLocation(window, asked);
    QVERIFY(frame);
    QCOMPARE(window.main->documents()->publishedAddress(frame), asked);

    const struct
    {
        const char *path;
        const char *reason;
    } cases[] = {
        {"/big-feed?size=70000000", "too large"},
        {"/caps", "HTML"},
        {"/notfound", "404"},
    };
    for (const auto &bad : cases) {
        window.services.errors.clear();
        QVERIFY(!openLocation(window, m_server.url(QString::fromLatin1(bad.path))));
        QCOMPARE(window.services.errors.size(), 1);
        QVERIFY2(window.services.errors.first().contains(QLatin1String(bad.reason)), qPrintable(window.services.errors.first()));
    }
    QCOMPARE(window.main->documents()->frames().size(), 1);
}

void TestOpenLocation::serverThatNeverAnswers_endsOnCancel()
{
    MainWindowFixture window;
    window.services.feedLocation = m_server.url(QStringLiteral("/slow?seconds=600"));
    QVERIFY(window.main->executeCommand(ID_FILE_OPEN_LOCATION));
    CLocationOpener *opener = window.main->locationOpener();
    QVERIFY(opener->isRunning());
    QVERIFY(!window.main->commandState(ID_FILE_OPEN_LOCATION).enabled);
    QVERIFY(QTest::qWaitFor([&] { return opener->progressDialog() && opener->progressDialog()->isVisible(); }, 30000));
    opener->progressDialog()->findChild<QPushButton *>()->click();
    QVERIFY(QTest::qWaitFor([&] { return !opener->isRunning(); }, 60000));
    QVERIFY(window.services.errors.isEmpty());
    QVERIFY(window.main->documents()->frames().isEmpty());
    QVERIFY(window.main->commandState(ID_FILE_OPEN_LOCATION).enabled);
}

TIDREL_WINDOW_TEST_MAIN(TestOpenLocation)
#include "tst_openlocation.moc"
