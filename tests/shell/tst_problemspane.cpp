// The feed check in the real main window, offscreen: Check Feed fills the
// Problems pane and the status bar's count beside the lock keys' panes; a double click on a problem
// selects its post and puts the focus in its field; a save checks again.

#include "TestFiles.h"
#include "WindowTestSupport.h"

#include "panes/BarProblems.h"
#include "shell/LockKeyIndicators.h"

#include <QLabel>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTreeWidget>

namespace {

// Three posts; the second links to a bare host name, which is no full address;
// two say "no" where Apple Podcasts now asks for "false", a warning for a podcast.
// The iTunes namespace makes it a podcast, checked by the podcast
// directories' rules too: it lacks artwork, language, category, explicit,
// its own address (an error for a podcast) and enclosures; PSP-1's
// podcast:locked and podcast:guid are warnings.
const QString kFeed = QStringLiteral(TIDREL_TEST_DATA_DIR "/problems.xml");

QTreeWidgetItem *rowOf(QTreeWidget *list, const QString &post, const QString &field)
{
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        QTreeWidgetItem *row = list->topLevelItem(i);
        if (row->text(2) == post && row->text(3) == field)
            return row;
    }
    return nullptr;
}

void doubleClick(QTreeWidget *list, QTreeWidgetItem *row)
{
    list->scrollToItem(row);
    const QPoint centre = list->visualItemRect(row).center();
    // A double click comes after the press of its first click.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
}

} // namespace

class TestProblemsPane : public QObject
{
    Q_OBJECT

private slots:
    void checkFeed_listsProblemsAndDoubleClickFocusesTheField()
    {
        MainWindowFixture window;
        const QString path = window.dir.filePath(QStringLiteral("checked.xml"));
        QVERIFY(writeFile(path, readFile(kFeed)));
        CChildFrame *frame = openAndWait(window.main->documents(), path);
        QVERIFY(MainWindowFixture::waitForPage(frame));
        CRSSEditDoc *document = frame->document();
        CBarProblems *pane = frame->problemsBar();
        QVERIFY(pane->isHidden());

        QVERIFY(window.main->executeCommand(ID_FEED_CHECK));
        QTRY_VERIFY(pane->isVisible());
        QTreeWidget *list = pane->list();
        QTreeWidgetItem *link = rowOf(list, QStringLiteral("Beta"), QStringLiteral("link"));
        QVERIFY(link);
        QCOMPARE(link->toolTip(0), QStringLiteral("error"));
        QVERIFY(rowOf(list, QStringLiteral("Channel"), QStringLiteral("atom:link")));
        const auto *count = window.main->statusBar()->findChild<QLabel *>(QStringLiteral("checkSummary"));
        QVERIFY(count);
        QCOMPARE(count->text(), QStringLiteral("9 errors, 4 warnings, 0 notes"));
        QVERIFY(rowOf(list, QStringLiteral("Channel"), QStringLiteral("itunes:image")));
        QVERIFY(rowOf(list, QStringLiteral("Gamma"), QStringLiteral("enclosure")));
        // CAP, NUM and SCRL follow at the bar's right end; offscreen the lock
        // keys' state cannot be known, so they are dim.
        int left = count->geometry().right();
        for (auto lock : {CLockKeyIndicators::CapsLock, CLockKeyIndicators::NumLock, CLockKeyIndicators::ScrollLock}) {
            const QLabel *pane = window.main->lockKeys()->pane(lock);
            QVERIFY(pane->isVisible() && !pane->isEnabled() && !pane->text().isEmpty());
            QVERIFY(pane->geometry().left() > left);
            left = pane->geometry().right();
        }
        QCOMPARE(window.main->lockKeys()->pane(CLockKeyIndicators::ScrollLock)->text(), QStringLiteral("SCRL"));

        // The post's row in the editor, with the focus in its link.
        QCOMPARE(document->currentPost(), 0);
        doubleClick(list, link);
        QCOMPARE(document->currentPost(), 1);
        QTRY_COMPARE(frame->view()->engine()->focusElement(), QStringLiteral("select_link"));

        // A channel field is for the feed's properties.
        QSignalSpy channelField(frame, &CChildFrame::channelFieldRequested);
        doubleClick(list, rowOf(list, QStringLiteral("Channel"), QStringLiteral("atom:link")));
        QCOMPARE(channelField.size(), 1);
        QCOMPARE(channelField.first(), (QList<QVariant>{QStringLiteral("channel"), QStringLiteral("atom:link")}));
        QCOMPARE(document->currentPost(), 1);

        // Fixed and saved: the check after the save finds the link fine.
        QVERIFY(document->SetPostField(1, CRSSEditDoc::PostLink, QStringLiteral("https://example.org/b")));
        QVERIFY(window.main->executeCommand(ID_FILE_SAVE));
        QVERIFY(!document->IsModified());
        QTRY_COMPARE(count->text(), QStringLiteral("8 errors, 4 warnings, 0 notes"));
        QVERIFY(!rowOf(list, QStringLiteral("Beta"), QStringLiteral("link")));
        QCOMPARE(list->topLevelItemCount(), 12);

        // Regression: a deleted post's problems stayed until the next check.
        // They go at once; the rows of the posts after it still lead there.
        const int alphaRows = list->findItems(QStringLiteral("Alpha"), Qt::MatchExactly, 2).size();
        QVERIFY(alphaRows > 0);
        document->selection()->select(0);
        QVERIFY(window.main->executeCommand(ID_POST_DELETE));
        QCOMPARE(document->feed()->GetPostCount(), 2);
        QCOMPARE(list->findItems(QStringLiteral("Alpha"), Qt::MatchExactly, 2).size(), 0);
        QCOMPARE(list->topLevelItemCount(), 12 - alphaRows);
        QCOMPARE(count->text(), QStringLiteral("7 errors, 3 warnings, 0 notes"));
        doubleClick(list, rowOf(list, QStringLiteral("Gamma"), QStringLiteral("enclosure")));
        QCOMPARE(document->currentPost(), 1);

        // The View menu hides and shows the pane.
        QVERIFY(window.main->executeCommand(ID_VIEW_PROBLEMS));
        QVERIFY(pane->isHidden());
        QVERIFY(window.main->commandState(ID_FEED_CHECK).enabled);
    }
};

TIDREL_WINDOW_TEST_MAIN(TestProblemsPane)
#include "tst_problemspane.moc"
