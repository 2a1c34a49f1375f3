#include "shell/PublishProgress.h"
#include "shell/PublishSettingsDialog.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

// The Publish Settings dialog and the status bar's progress display.
class TestPublishWindow : public QObject
{
    Q_OBJECT
private slots:
    void settingsDialog_fieldsFollowAddress_data();
    void settingsDialog_fieldsFollowAddress();
    void settingsDialog_mediaAddressMustBeWebAddress();
    void progress_countsFilesAndBytesUntilCancelled();
};

// --- Publish Settings ---

void TestPublishWindow::settingsDialog_fieldsFollowAddress_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<bool>("user");
    QTest::addColumn<bool>("keyFile");
    QTest::addColumn<bool>("startTls");

    QTest::newRow("sftp") << "sftp://example.org/var/www/feed.xml" << true << true << true << false;
    QTest::newRow("sftp folder") << "sftp://me@example.org:2222/www/" << true << true << true << false;
    QTest::newRow("ftp") << "ftp://example.org/feed.xml" << true << true << false << true;
    QTest::newRow("ftps upper case") << "FTPS://example.org/feed.xml" << true << true << false << false;
    QTest::newRow("folder") << "file:///home/me/site/feed.xml" << true << false << false << false;
    QTest::newRow("empty") << "" << false << false << false << false;
    QTest::newRow("web address") << "https://example.org/feed.xml" << false << false << false << false;
    QTest::newRow("no server") << "sftp:///feed.xml" << false << true << true << false;
    QTest::newRow("no scheme") << "example.org/feed.xml" << false << false << false << false;
}

void TestPublishWindow::settingsDialog_fieldsFollowAddress()
{
    QFETCH(QString, address);
    QFETCH(bool, accepted);
    QFETCH(bool, user);
    QFETCH(bool, keyFile);
    QFETCH(bool, startTls);

    CPublishSettingsDialog dialog(QStringLiteral("feed.xml"));
    QTest::keyClicks(dialog.destinationEdit(), address);
    QCOMPARE(dialog.okButton()->isEnabled(), accepted);
    QCOMPARE(dialog.problem().isEmpty(), accepted);
    QCOMPARE(dialog.userEdit()->isEnabled(), user);
    QCOMPARE(dialog.passwordEdit()->isEnabled(), user);
    QCOMPARE(dialog.keyFileEdit()->isEnabled(), keyFile);
    QCOMPARE(dialog.startTlsBox()->isEnabled(), startTls);
}

void TestPublishWindow::settingsDialog_mediaAddressMustBeWebAddress()
{
    CPublishSettingsDialog dialog(QStringLiteral("feed.xml"));
    dialog.destinationEdit()->setText(QStringLiteral("ftp://example.org/feed.xml"));
    QVERIFY(dialog.okButton()->isEnabled());
    QTest::keyClicks(dialog.mediaBaseEdit(), QStringLiteral("/home/me/media"));
    QVERIFY(!dialog.okButton()->isEnabled());
    QVERIFY2(dialog.problem().contains(QStringLiteral("http://")), qPrintable(dialog.problem()));
    dialog.mediaBaseEdit()->setText(QStringLiteral("https://example.org/media/"));
    QVERIFY(dialog.okButton()->isEnabled());
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

QTEST_MAIN(TestPublishWindow)
#include "tst_publishwindow.moc"
