// The bars of a feed window inside the real main window, offscreen. The
// cases share one main window and one feed, in the order they are declared:
// each leaves the bars shown and no rename open.

#include "TestFiles.h"
#include "WindowTestSupport.h"

#include "core/RssFeed.h"
#include "settings/PreviewBarSetting.h"
#include "settings/SettingsStore.h"
#include "panes/BarPreview.h"
#include "panes/BarRssItems.h"
#include "panes/PostsListCtrl.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QScreen>
#include <QToolBar>

namespace {

QString richText(CChildFrame *frame)
{
    return pageText(frame->view()->engine(), QStringLiteral("document.getElementById('richtext_edit').innerHTML"));
}

QPlainTextEdit *renameEditor(CBarRssItems *posts)
{
    return posts->listCtrl()->viewport()->findChild<QPlainTextEdit *>();
}

bool hasFocusInside(QWidget *widget)
{
    QWidget *focus = QApplication::focusWidget();
    return focus && (focus == widget || widget->isAncestorOf(focus));
}

} // namespace

class TestFeedPanes : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QFile::remove(GetSettingsPath());
        PreviewBarSetting::setValue(1);
        m_window = std::make_unique<MainWindowFixture>();
        m_window->services.saveChoice = CShellServices::DiscardChanges;
        QVERIFY(QTest::qWaitForWindowActive(m_window->main.get()));
    }
    void cleanupTestCase() { m_window.reset(); }

    void noFeed_toolbarInOrderAndViewAndSaveCommandsDisabled()
    {
        CMainFrame *main = m_window->main.get();
        QVERIFY(!main->action(ID_VIEW_POSTS_BAR)->isEnabled());
        QVERIFY(!main->action(ID_VIEW_PREVIEW)->isEnabled());
        QVERIFY(toolButton(ID_FILE_SAVE) && toolButton(ID_FILTERING) && toolButton(ID_FILE_NEW));
        QVERIFY(!toolButton(ID_FILE_SAVE)->isEnabled());
        QVERIFY(!toolButton(ID_FILTERING)->isEnabled());
        QVERIFY(toolButton(ID_FILE_NEW)->isEnabled());
        // A disabled button shows a greyed picture, not the full-colour one.
        const QIcon icon = main->action(ID_FILE_SAVE)->icon();
        QVERIFY(icon.pixmap(16, QIcon::Disabled).toImage() != icon.pixmap(16, QIcon::Normal).toImage());

        auto *toolBar = main->findChild<QToolBar *>(QStringLiteral("mainToolBar"));
        QVERIFY(toolBar);
        QStringList buttons;
        for (QAction *action : toolBar->actions()) {
            buttons << (action->isSeparator() ? QStringLiteral("|") : action->toolTip());
            QVERIFY2(action->isSeparator() || !action->icon().isNull(), qPrintable(action->toolTip()));
        }
        QCOMPARE(buttons.join(QLatin1Char(' ')), QStringLiteral("New Open Save | Cut Copy Paste | Filtering | About"));

        // The funnel is the program's own, whatever the theme offers.
        const QImage own(QStringLiteral(":/shell/icons/filter.png"));
        const QImage shown = main->action(ID_FILTERING)->icon().pixmap(own.size()).toImage();
        QCOMPARE(shown.convertToFormat(QImage::Format_ARGB32), own.convertToFormat(QImage::Format_ARGB32));
    }
    void feedWindow_docksBarsAndShowsFirstPost()
    {
        CChildFrame *feed = frame();
        QVERIFY(feed);
        QMainWindow *host = feed->dockHost();
        QCOMPARE(host->dockWidgetArea(feed->postsBar()), Qt::LeftDockWidgetArea);
        QCOMPARE(host->dockWidgetArea(feed->previewBar()), Qt::BottomDockWidgetArea);
        QCOMPARE(feed->postsBar()->allowedAreas(), Qt::LeftDockWidgetArea);
        QCOMPARE(feed->previewBar()->allowedAreas(), Qt::BottomDockWidgetArea);
        // A third of the screen, unless the window is too narrow for it.
        QTRY_COMPARE(feed->postsBar()->width(), QGuiApplication::primaryScreen()->geometry().width() / 3);
        // The preview lies under the editor, not under the posts list.
        QVERIFY(feed->previewBar()->geometry().left() >= feed->postsBar()->geometry().right());
        QVERIFY(feed->previewBar()->geometry().top() >= feed->view()->geometry().bottom());

        QTRY_COMPARE(feed->previewBar()->editor()->toPlainText(), QStringLiteral("<p>\nFirst\n</p>"));
        // The panes follow once the editor's page shows the post.
        feed->document()->selection()->select(1);
        QTRY_COMPARE(feed->previewBar()->editor()->toPlainText(), QStringLiteral("Second<br>\nline"));

        CMainFrame *main = m_window->main.get();
        QVERIFY(toolButton(ID_FILE_SAVE)->isEnabled());
        QVERIFY(toolButton(ID_FILTERING)->isEnabled());
        QVERIFY(main->action(ID_VIEW_POSTS_BAR)->isEnabled());
        QVERIFY(main->action(ID_VIEW_POSTS_BAR)->isChecked());
        QVERIFY(main->action(ID_VIEW_PREVIEW)->isChecked());
    }
    void hiddenPostsBar_shownAndFocusedByAddAndRename()
    {
        CChildFrame *feed = frame();
        QVERIFY(feed);
        CMainFrame *main = m_window->main.get();
        QVERIFY(main->executeCommand(ID_VIEW_POSTS_BAR));
        QVERIFY(feed->postsBar()->isHidden());
        QVERIFY(main->executeCommand(ID_POST_ADD));
        QVERIFY(!feed->postsBar()->isHidden());
        QTRY_VERIFY(hasFocusInside(feed->postsBar()));
        QTest::keyClick(renameEditor(feed->postsBar()), Qt::Key_Escape);
        QTRY_VERIFY(!renameEditor(feed->postsBar()));

        QVERIFY(main->executeCommand(ID_VIEW_POSTS_BAR));
        QVERIFY(feed->postsBar()->isHidden());
        QVERIFY(main->executeCommand(ID_POST_RENAME));
        QVERIFY(!feed->postsBar()->isHidden());
        QVERIFY(feed->postsBar()->listCtrl()->isRenaming());
        QTRY_VERIFY(hasFocusInside(feed->postsBar()));
        QTest::keyClick(renameEditor(feed->postsBar()), Qt::Key_Escape);
        QTRY_VERIFY(!feed->postsBar()->listCtrl()->isRenaming());
    }
    void ctrlT_togglesPostsBarWithoutStoringIt()
    {
        CChildFrame *feed = frame();
        QVERIFY(feed);
        const QByteArray settings = readFile(GetSettingsPath());
        pressCtrl(Qt::Key_T);
        QVERIFY(feed->postsBar()->isHidden());
        QVERIFY(!feed->previewBar()->isHidden());
        pressCtrl(Qt::Key_T);
        QVERIFY(!feed->postsBar()->isHidden());
        QCOMPARE(readFile(GetSettingsPath()), settings);
    }
    void ctrlP_togglesPreviewStoresSettingAndAppliesToNewWindows()
    {
        CChildFrame *feed = frame();
        QVERIFY(feed);
        CMainFrame *main = m_window->main.get();
        pressCtrl(Qt::Key_P);
        QVERIFY(feed->previewBar()->isHidden());
        QCOMPARE(ReadIniInt(GetSettingsPath(), QStringLiteral("Settings"), QStringLiteral("PreviewBar"), -1), 0);
        QVERIFY(!main->action(ID_VIEW_PREVIEW)->isChecked());
        QVERIFY(main->action(ID_VIEW_POSTS_BAR)->isChecked());

        CChildFrame *second = m_window->openFeed(QStringLiteral("second.xml"), postsTitled({QStringLiteral("A")}));
        QVERIFY(second);
        QVERIFY(second != feed);
        QVERIFY(second->previewBar()->isHidden());
        QVERIFY(!second->postsBar()->isHidden());
        QVERIFY(main->executeCommand(ID_FILE_CLOSE));
        QTRY_COMPARE(main->activeChildFrame(), feed);

        pressCtrl(Qt::Key_P);
        QVERIFY(!feed->previewBar()->isHidden());
        QCOMPARE(ReadIniInt(GetSettingsPath(), QStringLiteral("Settings"), QStringLiteral("PreviewBar"), -1), 1);
    }
    void typingInPreview_marksModifiedAndReachesEditor()
    {
        CChildFrame *feed = frame();
        QVERIFY(feed);
        CRSSEditDoc *document = feed->document();
        document->selection()->select(document->feed()->GetPostCount() - 1);
        QTRY_COMPARE(richText(feed), QStringLiteral("Third"));
        // Earlier cases added a post; start from a saved state.
        QVERIFY(document->OnSaveDocument(document->path()));

        QPlainTextEdit *editor = feed->previewBar()->editor();
        editor->setFocus();
        QTest::keyClick(editor, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(editor, QStringLiteral("<p>x"));
        QVERIFY(document->IsModified());
        QTRY_COMPARE(richText(feed), QStringLiteral("Third<p>x</p>"));
        // The pane did not hear its own edit: it was not laid out again.
        QCOMPARE(editor->toPlainText(), QStringLiteral("Third<p>x"));
    }
    // Regression: Enter made <div>s, two tooltips named the wrong command and
    // one was misspelt.
    void editorPage_enterMakesParagraphsAndButtonsSayWhatTheyDo()
    {
        CChildFrame *feed = frame();
        QVERIFY(feed);
        CHtmlEngineView *engine = feed->view()->engine();
        const auto tooltip = [engine](const QString &selector) {
            return pageText(engine, QStringLiteral("document.querySelector('%1').title").arg(selector));
        };
        QCOMPARE(tooltip(QStringLiteral("#tb_strikeout")), QStringLiteral("Strikethrough text"));
        QCOMPARE(tooltip(QStringLiteral("[data-command=\"richtext:li-ul\"]")), QStringLiteral("List item, unordered list"));
        QCOMPARE(tooltip(QStringLiteral("[data-command=\"richtext:li-ol\"]")), QStringLiteral("List item, ordered list"));
        QCOMPARE(tooltip(QStringLiteral("[data-command=\"richtext:indent-inc\"]")),
                 QStringLiteral("Increase level of list item or quote"));
        QCOMPARE(tooltip(QStringLiteral("[data-command=\"richtext:indent-dec\"]")),
                 QStringLiteral("Decrease level of list item or un-quote"));

        CRSSEditDoc *document = feed->document();
        const int last = document->feed()->GetPostCount() - 1;
        document->selection()->select(last);
        QTRY_VERIFY(richText(feed).startsWith(QStringLiteral("Third")));
        QVERIFY(focusAtEnd(engine, QStringLiteral("richtext_edit")));
        QTest::keyClick(engine->focusProxy(), Qt::Key_Return);
        QTest::keyClicks(engine->focusProxy(), QStringLiteral("Fourth"));
        QTRY_VERIFY2(richText(feed).contains(QStringLiteral("<p>Fourth</p>")), qPrintable(richText(feed)));
        QVERIFY(!richText(feed).contains(QStringLiteral("<div")));

        // Stored so, and saved so.
        document->selection()->select(0);
        QVERIFY(document->feed()->GetPostDescription(last).contains(QStringLiteral("<p>Fourth</p>")));
        m_window->services.saveFileName = m_window->dir.filePath(QStringLiteral("paragraphs.xml"));
        QVERIFY(m_window->main->executeCommand(ID_FILE_SAVE_AS));
        CRssFeed reread;
        QVERIFY(reread.LoadFromFile(m_window->services.saveFileName));
        QVERIFY(reread.GetPostDescription(last).contains(QStringLiteral("<p>Fourth</p>")));
    }

private:
    // The feed all cases share, opened by the first that needs it.
    CChildFrame *frame()
    {
        if (!m_frame) {
            m_frame = m_window->openFeed(QStringLiteral("feed.xml"),
                                         postsDescribed({QStringLiteral("<p>First</p>"), QStringLiteral("Second<br>line"),
                                                         QStringLiteral("Third")}));
            if (!MainWindowFixture::waitForPage(m_frame))
                qWarning("the editor page did not load");
        }
        return m_frame;
    }
    QWidget *toolButton(int id) const
    {
        auto *toolBar = m_window->main->findChild<QToolBar *>(QStringLiteral("mainToolBar"));
        return toolBar ? toolBar->widgetForAction(m_window->main->action(id)) : nullptr;
    }
    void pressCtrl(Qt::Key key) { QTest::keyClick(m_window->main.get(), key, Qt::ControlModifier); }

    std::unique_ptr<MainWindowFixture> m_window;
    CChildFrame *m_frame = nullptr;
};

TIDREL_WINDOW_TEST_MAIN(TestFeedPanes)
#include "tst_feedpanes.moc"
