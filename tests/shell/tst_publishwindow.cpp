#include "WindowTestSupport.h"
#include "TestFiles.h"
#include "TitleServer.h"
#include "publishing/SshServer.h"

#include "publishing/PublishSettings.h"
#include "shell/FeedPublishing.h"
#include "shell/PublishProgress.h"
#include "shell/PublishSettingsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QToolButton>

namespace {

const QString kUser = QStringLiteral("editor");
const QString kPassword = QStringLiteral("s3cret pass");

// A feed with one podcast episode under the media address and one
// elsewhere, its first post titled `title`.
QByteArray podcastFeed(const QString &title)
{
    return QString::fromUtf8(readFile(QStringLiteral(TIDREL_TEST_DATA_DIR "/publish-feed.xml"))).arg(title).toUtf8();
}

} // namespace

// The Publish Settings dialog, the status bar's progress, and File >
// Publish from the window to a folder, an FTP and an SFTP server. S3 and
// WebDAV servers are published to as the window does in tst_webpublish.
class TestPublishWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup() { m_window.reset(); }

    void settingsDialog_fieldsFollowAddress_data();
    void settingsDialog_fieldsFollowAddress();
    void settingsDialog_keepsWhatAppliesToTheAddress();
    void settingsDialog_s3FieldsKeptInTheAddress();
    void progress_countsFilesAndBytesUntilCancelled();

    void publish_toFolder_asksSettingsOnceSavesFirstAndSendsMedia();
    void publish_checkErrors_askPublishAnyway();
    void publish_ftp_passwordWrongPasswordAndCancel();
    void publish_unknownSftpHost_askedWithFingerprint();

private:
    // Runs File > Publish and waits until the publishing has ended.
    bool publishAndWait();
    QString statusMessage() const { return m_main->statusBar()->currentMessage(); }
    CFeedPublishing *publishing() const { return m_main->publishing(); }

    std::unique_ptr<MainWindowFixture> m_window;
    CMainFrame *m_main = nullptr;
    FakeShellServices *m_services = nullptr;
    QString m_feedPath;
};

void TestPublishWindow::init()
{
    m_window = std::make_unique<MainWindowFixture>();
    m_main = m_window->main.get();
    m_services = &m_window->services;
    m_feedPath = m_window->dir.filePath(QStringLiteral("show.xml"));
}

bool TestPublishWindow::publishAndWait()
{
    if (!m_main->executeCommand(ID_FILE_PUBLISH))
        return false;
    return QTest::qWaitFor([this] { return !publishing()->isRunning(); }, 30000);
}

// --- Publish Settings ---

void TestPublishWindow::settingsDialog_fieldsFollowAddress_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<int>("auth");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<bool>("user");
    QTest::addColumn<bool>("secret");
    QTest::addColumn<bool>("keyFile");
    QTest::addColumn<bool>("startTls");

    const int password = PublishTarget::SshPassword, key = PublishTarget::SshKeyFile, agent = PublishTarget::SshAgent;
    QTest::newRow("sftp password") << "sftp://example.org/var/www/feed.xml" << password << true << true << true << false << false;
    QTest::newRow("sftp key file") << "sftp://me@example.org:2222/www/" << key << true << true << true << true << false;
    QTest::newRow("sftp agent") << "sftp://example.org/www/" << agent << true << true << false << false << false;
    QTest::newRow("ftp") << "ftp://example.org/feed.xml" << key << true << true << true << false << true;
    QTest::newRow("ftps upper case") << "FTPS://example.org/feed.xml" << password << true << true << true << false << false;
    QTest::newRow("folder") << "file:///home/me/site/feed.xml" << password << true << false << false << false << false;
    QTest::newRow("empty") << "" << password << false << false << false << false << false;
    QTest::newRow("web address") << "https://example.org/feed.xml" << password << false << false << false << false << false;
    QTest::newRow("no server") << "sftp:///feed.xml" << password << false << true << true << false << false;
    QTest::newRow("no path") << "ftp://example.org" << password << false << true << true << false << true;
    QTest::newRow("no scheme") << "example.org/feed.xml" << password << false << false << false << false << false;
    QTest::newRow("s3") << "s3://s3.example.org/bucket/show/" << key << true << true << true << false << false;
    QTest::newRow("s3 without bucket") << "s3://s3.example.org/feed.xml" << password << false << true << true << false << false;
    QTest::newRow("webdav") << "dav://me@example.org/remote.php/dav/files/me/" << agent << true << true << true << false << false;
    QTest::newRow("webdav over https") << "davs://example.org/feed.xml" << password << true << true << true << false << false;
}

void TestPublishWindow::settingsDialog_fieldsFollowAddress()
{
    QFETCH(QString, address);
    QFETCH(int, auth);
    QFETCH(bool, accepted);
    QFETCH(bool, user);
    QFETCH(bool, secret);
    QFETCH(bool, keyFile);
    QFETCH(bool, startTls);

    CPublishSettingsDialog dialog(QStringLiteral("feed.xml"));
    dialog.sshAuthBox()->setCurrentIndex(auth);
    QTest::keyClicks(dialog.destinationEdit(), address);
    QCOMPARE(dialog.okButton()->isEnabled(), accepted);
    QCOMPARE(dialog.problem().isEmpty(), accepted);
    QCOMPARE(dialog.userEdit()->isEnabled(), user);
    QCOMPARE(dialog.secretEdit()->isEnabled(), secret);
    QCOMPARE(dialog.keyFileEdit()->isEnabled(), keyFile);
    QCOMPARE(dialog.startTlsBox()->isEnabled(), startTls);
}

// What the dialog shows comes back, less what the address does not use.
void TestPublishWindow::settingsDialog_keepsWhatAppliesToTheAddress()
{
    PublishTarget target;
    target.destination = QStringLiteral("sftp://example.org/www/");
    target.userName = kUser;
    target.sshAuth = PublishTarget::SshKeyFile;
    target.keyFile = QStringLiteral("/home/editor/.ssh/id_ed25519");
    target.explicitTls = true;
    target.mediaBaseUrl = QStringLiteral("https://example.org/media/");
    target.mediaFolder = QStringLiteral("/home/editor/media");
    CPublishSettingsDialog dialog(QStringLiteral("feed.xml"));
    dialog.setTarget(target, kPassword);
    PublishTarget kept = target;
    kept.explicitTls = false; // STARTTLS is plain FTP's
    QCOMPARE(dialog.target(), kept);
    QCOMPARE(dialog.secret(), kPassword);

    dialog.sshAuthBox()->setCurrentIndex(PublishTarget::SshAgent);
    QCOMPARE(dialog.secret(), QString());
    dialog.destinationEdit()->setText(QStringLiteral("file:///srv/www/"));
    kept = PublishTarget();
    kept.destination = QStringLiteral("file:///srv/www/");
    kept.mediaBaseUrl = target.mediaBaseUrl;
    kept.mediaFolder = target.mediaFolder;
    QCOMPARE(dialog.target(), kept);

    QTest::keyClicks(dialog.mediaBaseEdit(), QStringLiteral("x"));
    dialog.mediaBaseEdit()->setText(QStringLiteral("/home/editor/media"));
    QVERIFY(!dialog.okButton()->isEnabled());
    QVERIFY2(dialog.problem().contains(QStringLiteral("http://")), qPrintable(dialog.problem()));
}

// S3's region, addressing and ACL are fields of their own, kept in the
// address's query; the rest of the query stays in the address.
void TestPublishWindow::settingsDialog_s3FieldsKeptInTheAddress()
{
    PublishTarget target;
    target.destination = QStringLiteral("s3://127.0.0.1:9000/bucket/show/?region=eu-west-1&style=virtual&acl=public-read&scheme=http");
    target.userName = QStringLiteral("AKIAEXAMPLE");
    CPublishSettingsDialog dialog(QStringLiteral("feed.xml"));
    dialog.setTarget(target, kPassword);
    QCOMPARE(dialog.destinationEdit()->text(), QStringLiteral("s3://127.0.0.1:9000/bucket/show/?scheme=http"));
    QCOMPARE(dialog.regionEdit()->text(), QStringLiteral("eu-west-1"));
    QVERIFY(!dialog.pathStyleBox()->isChecked());
    QVERIFY(dialog.publicReadBox()->isChecked());
    QCOMPARE(dialog.target().destination,
             QStringLiteral("s3://127.0.0.1:9000/bucket/show/?scheme=http&region=eu-west-1&style=virtual&acl=public-read"));
    QCOMPARE(dialog.target().userName, target.userName);
    dialog.pathStyleBox()->setChecked(true);
    dialog.publicReadBox()->setChecked(false);
    dialog.regionEdit()->clear();
    QCOMPARE(dialog.target().destination, QStringLiteral("s3://127.0.0.1:9000/bucket/show/?scheme=http"));
    // Other kinds have no such fields.
    dialog.destinationEdit()->setText(QStringLiteral("davs://example.org/show/"));
    QVERIFY(!dialog.regionEdit()->isEnabled());
    QCOMPARE(dialog.target().destination, QStringLiteral("davs://example.org/show/"));
}

// --- Progress ---

void TestPublishWindow::progress_countsFilesAndBytesUntilCancelled()
{
    CPublishProgress progress;
    QSignalSpy cancelled(&progress, &CPublishProgress::cancelRequested);
    progress.start(QStringLiteral("sftp://example.org/www/feed.xml"));
    QCOMPARE(progress.text(), QStringLiteral("Publishing to sftp://example.org/www/feed.xml\u2026"));
    QCOMPARE(progress.bar()->maximum(), 0);

    // Sizes past what an int counts.
    const qint64 total = qint64(3) << 30;
    progress.setProgress(total / 2, total, 1, 3);
    QCOMPARE(progress.text(), QStringLiteral("File 2 of 3, 1.6 GB of 3.2 GB"));
    QCOMPARE(progress.bar()->value() * 2, progress.bar()->maximum());
    progress.setProgress(12, 20, 0, 1);
    QCOMPARE(progress.text(), QStringLiteral("File 1 of 1, 12 bytes of 20 bytes"));

    QTest::mouseClick(progress.cancelButton(), Qt::LeftButton);
    QCOMPARE(cancelled.size(), 1);
    QVERIFY(!progress.cancelButton()->isEnabled());
    progress.setProgress(20, 20, 1, 1);
    QCOMPARE(progress.text(), QStringLiteral("Cancelling\u2026"));

    // The next publishing starts afresh.
    progress.start(QStringLiteral("file:///srv/feed.xml"));
    QVERIFY(progress.cancelButton()->isEnabled());
    progress.setProgress(20, 20, 1, 1);
    QCOMPARE(progress.text(), QStringLiteral("File 1 of 1, 20 bytes of 20 bytes"));
}

// --- Publish ---

// The first Publish asks for the settings and keeps them; the next one
// saves the feed's changes first. The episode under the media address goes
// beside the feed, the other enclosure does not.
void TestPublishWindow::publish_toFolder_asksSettingsOnceSavesFirstAndSendsMedia()
{
    QTemporaryDir remote;
    const QString media = m_window->dir.filePath(QStringLiteral("media"));
    QVERIFY(QDir().mkpath(media));
    QVERIFY(writeFile(media + QStringLiteral("/ep1.mp3"), "ID3abc"));
    QVERIFY(writeFile(m_feedPath, podcastFeed(QStringLiteral("First"))));
    CChildFrame *frame = openAndWait(m_main->documents(), m_feedPath);
    QVERIFY(MainWindowFixture::waitForPage(frame));

    m_services->publishTarget.destination = QUrl::fromLocalFile(remote.path()).toString() + QLatin1Char('/');
    m_services->publishTarget.mediaBaseUrl = QStringLiteral("https://example.org/media/");
    m_services->publishTarget.mediaFolder = media;
    QVERIFY(publishAndWait());
    QCOMPARE(m_services->publishSettingsQuestions, QStringList{QStringLiteral("show.xml")});
    QCOMPARE(readFile(remote.filePath(QStringLiteral("show.xml"))), readFile(m_feedPath));
    QCOMPARE(readFile(remote.filePath(QStringLiteral("ep1.mp3"))), QByteArray("ID3abc"));
    QCOMPARE(QDir(remote.path()).entryList(QDir::Files), (QStringList{QStringLiteral("ep1.mp3"), QStringLiteral("show.xml")}));
    QVERIFY2(statusMessage().startsWith(QStringLiteral("Published show.xml to file://")), qPrintable(statusMessage()));
    QVERIFY2(statusMessage().contains(QStringLiteral("1 media file")), qPrintable(statusMessage()));
    QVERIFY(!publishing()->progress()->isVisible());
    QCOMPARE(CPublishSettings::load(m_feedPath), m_services->publishTarget);

    QVERIFY(frame->document()->SetPostField(0, CRSSEditDoc::PostTitle, QStringLiteral("Second")));
    m_services->confirmAnswer = false;
    QVERIFY(m_main->executeCommand(ID_FILE_PUBLISH));
    QCOMPARE(m_services->questions.size(), 1);
    QVERIFY(!publishing()->isRunning());
    QVERIFY(!readFile(remote.filePath(QStringLiteral("show.xml"))).contains("Second"));

    m_services->confirmAnswer = true;
    QVERIFY(publishAndWait());
    QVERIFY2(m_services->questions.last().contains(QStringLiteral("Save show.xml")), qPrintable(m_services->questions.last()));
    QVERIFY(!frame->document()->IsModified());
    QVERIFY(readFile(m_feedPath).contains("<title>Second</title>"));
    QCOMPARE(readFile(remote.filePath(QStringLiteral("show.xml"))), readFile(m_feedPath));
    QVERIFY2(statusMessage().contains(QStringLiteral("already there")), qPrintable(statusMessage()));
    QCOMPARE(m_services->publishSettingsQuestions.size(), 1);
    QVERIFY(m_services->errors.isEmpty());
}

// The feed check's errors ask first; no means nothing goes out.
void TestPublishWindow::publish_checkErrors_askPublishAnyway()
{
    QTemporaryDir remote;
    QByteArray feed = podcastFeed(QStringLiteral("First"));
    feed.replace("<guid isPermaLink=\"false\">g1</guid>", "<guid>g1</guid>");
    QVERIFY(writeFile(m_feedPath, feed));
    QVERIFY(openAndWait(m_main->documents(), m_feedPath));
    PublishTarget target;
    // A folder made on demand.
    target.destination = QUrl::fromLocalFile(remote.filePath(QStringLiteral("www/feed.xml"))).toString();
    CPublishSettings::save(m_feedPath, target);

    m_services->confirmAnswer = false;
    QVERIFY(publishAndWait());
    QCOMPARE(m_services->questions.size(), 1);
    const QString question = m_services->questions.first();
    QVERIFY2(question.startsWith(QStringLiteral("The feed check found an error in show.xml:\n\nLine 7: A guid that is a permalink")),
             qPrintable(question));
    QVERIFY(question.endsWith(QStringLiteral("Publish anyway?")));
    QVERIFY(!QFile::exists(remote.filePath(QStringLiteral("www/feed.xml"))));
    QVERIFY(m_services->publishSettingsQuestions.isEmpty());

    m_services->confirmAnswer = true;
    QVERIFY(publishAndWait());
    QCOMPARE(readFile(remote.filePath(QStringLiteral("www/feed.xml"))), feed);

    // A podcast is held to the podcast directories' rules, as the window
    // checks it: Apple Podcasts refuses a show without its artwork.
    QByteArray podcast = podcastFeed(QStringLiteral("First"));
    podcast.replace("<rss version=\"2.0\">",
                    "<rss version=\"2.0\" xmlns:itunes=\"http://www.itunes.com/dtds/podcast-1.0.dtd\">");
    QVERIFY(writeFile(m_feedPath, podcast));
    m_services->questions.clear();
    m_services->confirmAnswer = false;
    QVERIFY(publishAndWait());
    QCOMPARE(m_services->questions.size(), 1);
    QVERIFY2(m_services->questions.first().contains(QStringLiteral("itunes:image")), qPrintable(m_services->questions.first()));
    QCOMPARE(readFile(remote.filePath(QStringLiteral("www/feed.xml"))), feed);

    // The chapters file under the media address goes with the episode.
    podcast.replace("<rss version=\"2.0\"", "<rss version=\"2.0\" xmlns:podcast=\"https://podcastindex.org/namespace/1.0\"");
    podcast.replace("<guid isPermaLink=\"false\">g1</guid>",
                    "<guid isPermaLink=\"false\">g1</guid><podcast:chapters url=\"https://example.org/media/ep1.json\" "
                    "type=\"application/json+chapters\"/>");
    QVERIFY(writeFile(m_feedPath, podcast));
    QVERIFY(writeFile(m_window->dir.filePath(QStringLiteral("ep1.mp3")), "ID3abc"));
    QVERIFY(writeFile(m_window->dir.filePath(QStringLiteral("ep1.json")), "{\"version\": \"1.2.0\", \"chapters\": []}"));
    target.mediaBaseUrl = QStringLiteral("https://example.org/media/");
    CPublishSettings::save(m_feedPath, target);
    // The unchanged window reloads the file by itself.
    const CRssFeed *shown = openAndWait(m_main->documents(), m_feedPath)->document()->feed();
    QTRY_VERIFY(!shown->GetPostElements(0, QStringLiteral("podcast:chapters")).empty());
    m_services->confirmAnswer = true;
    QVERIFY(publishAndWait());
    QCOMPARE(readFile(remote.filePath(QStringLiteral("www/feed.xml"))), podcast);
    QCOMPARE(QDir(remote.filePath(QStringLiteral("www"))).entryList(QDir::Files),
             (QStringList{QStringLiteral("ep1.json"), QStringLiteral("ep1.mp3"), QStringLiteral("feed.xml")}));
}

// The password typed in the settings reaches the server; a wrong one says
// why and leaves the published feed; Cancel on a slow upload too, while
// the window goes on working.
void TestPublishWindow::publish_ftp_passwordWrongPasswordAndCancel()
{
    QTemporaryDir remote;
    TitleServer ftp;
    if (!ftp.start(TIDREL_PUBLISHING_DATA_DIR "/ftp_server.py", {remote.path(), kUser, kPassword}))
        QSKIP("python3 with pyftpdlib cannot run an FTP server here");
    QVERIFY(writeFile(m_feedPath, podcastFeed(QStringLiteral("First"))));
    QVERIFY(openAndWait(m_main->documents(), m_feedPath));
    const QString address = QStringLiteral("ftp://127.0.0.1:%1/feed.xml").arg(ftp.port());
    m_services->publishTarget.destination = address;
    m_services->publishTarget.userName = kUser;
    m_services->publishSecret = kPassword;
    QVERIFY(publishAndWait());
    QCOMPARE(readFile(remote.filePath(QStringLiteral("feed.xml"))), readFile(m_feedPath));
    QVERIFY2(statusMessage().startsWith(QStringLiteral("Published feed.xml to ftp://")), qPrintable(statusMessage()));
    // The password lives in the keyring or in memory, never in the settings.
    QVERIFY(!readFile(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                      + QStringLiteral("/Tidrel/Tidrel.conf"))
                 .contains(kPassword.toUtf8()));

    // Publish Settings shows the password given before.
    m_services->publishSecret = QStringLiteral("wrong");
    QVERIFY(m_main->executeCommand(ID_FILE_PUBLISH_SETTINGS));
    QCOMPARE(m_services->publishSettingsQuestions.size(), 2);
    QCOMPARE(m_services->secretsShown.last(), kPassword);
    const QByteArray published = readFile(remote.filePath(QStringLiteral("feed.xml")));
    QVERIFY(publishAndWait());
    QVERIFY2(statusMessage().startsWith(QStringLiteral("show.xml was not published: ")), qPrintable(statusMessage()));
    QVERIFY2(statusMessage().contains(QStringLiteral("as it was")), qPrintable(statusMessage()));
    QCOMPARE(readFile(remote.filePath(QStringLiteral("feed.xml"))), published);

    // A large feed to a slow server: the progress shows, Cancel stops it.
    TitleServer slow;
    QVERIFY(slow.start(TIDREL_PUBLISHING_DATA_DIR "/ftp_server.py", {remote.path(), kUser, kPassword, QStringLiteral("--throttle"), QStringLiteral("20000")}));
    QByteArray big = podcastFeed(QStringLiteral("Big"));
    big.insert(big.indexOf("</channel>"), QByteArray(200000, ' '));
    // The saved file is what goes out.
    QVERIFY(writeFile(m_feedPath, big));
    m_services->publishTarget.destination = QStringLiteral("ftp://127.0.0.1:%1/feed.xml").arg(slow.port());
    m_services->publishSecret = kPassword;
    QVERIFY(m_main->executeCommand(ID_FILE_PUBLISH_SETTINGS));
    QVERIFY(m_main->executeCommand(ID_FILE_PUBLISH));
    CPublishProgress *progress = publishing()->progress();
    QTRY_VERIFY_WITH_TIMEOUT(progress->text().startsWith(QStringLiteral("File 1 of 1, ")), 10000);
    QVERIFY(progress->isVisible());
    QVERIFY(!m_main->action(ID_FILE_PUBLISH)->isEnabled());
    QVERIFY(m_main->executeCommand(ID_VIEW_PREVIEW)); // the window answers meanwhile
    QTest::mouseClick(progress->cancelButton(), Qt::LeftButton);
    QVERIFY(QTest::qWaitFor([this] { return !publishing()->isRunning(); }, 30000));
    QVERIFY2(statusMessage().contains(QStringLiteral("Cancelled")), qPrintable(statusMessage()));
    QCOMPARE(readFile(remote.filePath(QStringLiteral("feed.xml"))), published);
    // No part of the cancelled upload is left on the server.
    QTRY_COMPARE(QDir(remote.path()).entryList(QDir::Files | QDir::Hidden), QStringList(QStringLiteral("feed.xml")));
    QVERIFY(m_main->action(ID_FILE_PUBLISH)->isEnabled());
}

// A server not in known_hosts is asked about with its fingerprint; refused,
// nothing goes out; trusted for good, it goes into known_hosts.
void TestPublishWindow::publish_unknownSftpHost_askedWithFingerprint()
{
    SshServer sshd;
    const QString why = sshd.start();
    if (!why.isEmpty())
        QSKIP(qPrintable(why));
    QTemporaryDir remote;
    const QString knownHosts = m_window->dir.filePath(QStringLiteral("known_hosts"));
    publishing()->setKnownHostsPath(knownHosts);
    QVERIFY(writeFile(m_feedPath, podcastFeed(QStringLiteral("First"))));
    QVERIFY(openAndWait(m_main->documents(), m_feedPath));
    m_services->publishTarget.destination = QStringLiteral("sftp://127.0.0.1:%1%2/").arg(sshd.port()).arg(remote.path());
    m_services->publishTarget.userName = qEnvironmentVariable("USER", QStringLiteral("root"));
    m_services->publishTarget.sshAuth = PublishTarget::SshKeyFile;
    m_services->publishTarget.keyFile = sshd.path(QStringLiteral("user_key"));

    QVERIFY(publishAndWait());
    const QString host = QStringLiteral("127.0.0.1:%1 ").arg(sshd.port());
    QCOMPARE(m_services->hostQuestions, QStringList{host + sshd.hostFingerprint()});
    QVERIFY(!QFile::exists(remote.filePath(QStringLiteral("show.xml"))));
    QVERIFY2(statusMessage().startsWith(QStringLiteral("show.xml was not published: ")), qPrintable(statusMessage()));

    m_services->hostChoice = CShellServices::TrustHostAlways;
    QVERIFY(publishAndWait());
    QCOMPARE(m_services->hostQuestions.size(), 2);
    QCOMPARE(readFile(remote.filePath(QStringLiteral("show.xml"))), readFile(m_feedPath));
    QVERIFY(readFile(knownHosts).contains(sshd.knownHostsLine(QStringLiteral("host_key.pub")).split(' ').value(2).trimmed()));

    // Known now: no question.
    QVERIFY(publishAndWait());
    QCOMPARE(m_services->hostQuestions.size(), 2);
    QVERIFY2(statusMessage().startsWith(QStringLiteral("Published show.xml to sftp://")), qPrintable(statusMessage()));
}

TIDREL_WINDOW_TEST_MAIN(TestPublishWindow)
#include "tst_publishwindow.moc"
