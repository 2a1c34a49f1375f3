// The bars of a feed window inside the real main window, offscreen: where
// they dock, what they hear from the document, the View commands and their
// keys, the remembered preview setting, and the main toolbar.

#include "PanesTestSupport.h"

#include "document/CommandIds.h"
#include "document/RSSEditDoc.h"
#include "editor/RSSEditView.h"
#include "engine/HtmlEngineView.h"
#include "links/PreviewBarSetting.h"
#include "links/SettingsStore.h"
#include "panes/BarPreview.h"
#include "panes/BarRssItems.h"
#include "panes/ChildFrame.h"
#include "panes/PostsListCtrl.h"
#include "shell/DocManager.h"
#include "shell/MainFrame.h"
#include "shell/TidrelApp.h"

#include "../shell/ShellTestSupport.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMainWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <QWebEnginePage>
#include <QtTest>

#include <memory>

namespace {

QString evalString(QWebEngineView *view, const QString &script)
{
    QVariant result;
    bool done = false;
    view->page()->runJavaScript(script, [&](const QVariant &value) {
        result = value;
        done = true;
    });
    if (!QTest::qWaitFor([&] { return done; }, 10000))
        qWarning("script did not answer: %s", qPrintable(script));
    return result.toString();
}

QString richText(CRSSEditView *view)
{
    return evalString(view->engine(), QStringLiteral("document.getElementById('richtext_edit').innerHTML"));
}

// Whether an in-place editor is open on one of the list's rows.
bool isRenaming(QAbstractItemView *list)
{
    for (QWidget *editor : list->viewport()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (editor->isVisible())
            return true;
    }
    return false;
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
    void init();
    void cleanup();

    // Layout
    void feedWindow_docksPostsLeftAndPreviewBottom();

    // Notifications
    void openedFeed_previewShowsFirstPost();
    void typingInPreview_marksModifiedAndReachesEditor();
    void relay_skipsTheSendingBar();
    void addPost_showsAndFocusesHiddenPostsBar();
    void renamePost_showsAndFocusesHiddenPostsBar();

    // View commands
    void ctrlP_togglesPreviewAndStoresSetting();
    void previewHidden_newFeedWindowOpensWithoutIt();
    void ctrlT_togglesPostsBar();
    void viewMenu_marksVisibleBars();

    // Toolbar
    void toolbar_hasTheCommandButtonsInOrder();
    void toolbar_buttonsFollowCommandState();

private:
    CChildFrame *openFeed(const QString &name);
    void pressKey(int key);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FakeShellServices> m_services;
    std::unique_ptr<CMainFrame> m_main;
};

void TestFeedPanes::init()
{
    QFile::remove(GetSettingsPath());
    PreviewBarSetting::setValue(1);
    m_dir = std::make_unique<QTemporaryDir>();
    m_services = std::make_unique<FakeShellServices>();
    m_main = std::make_unique<CMainFrame>();
    m_main->setServices(m_services.get());
    m_main->resize(1100, 760);
    m_main->show();
    QVERIFY(QTest::qWaitForWindowActive(m_main.get()));
}

void TestFeedPanes::cleanup()
{
    m_services->saveChoice = CShellServices::DiscardChanges;
    m_main.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_services.reset();
    m_dir.reset();
}

CChildFrame *TestFeedPanes::openFeed(const QString &name)
{
    const QString path = m_dir->filePath(name);
    if (!writeFeedWithDescriptions(path, {QStringLiteral("<p>First</p>"), QStringLiteral("Second<br>line"),
                                          QStringLiteral("Third")}))
        return nullptr;
    CChildFrame *frame = m_main->documents()->openDocument(path);
    if (frame && !QTest::qWaitFor([frame] { return frame->view()->engine()->isReady(); }, 20000))
        qWarning("the editor page did not load");
    return frame;
}

void TestFeedPanes::pressKey(int key)
{
    QTest::keyClick(m_main.get(), Qt::Key(key), Qt::ControlModifier);
}

// --- Layout ---

void TestFeedPanes::feedWindow_docksPostsLeftAndPreviewBottom()
{
    CChildFrame *frame = openFeed(QStringLiteral("feed.xml"));
    QVERIFY(frame);
    QMainWindow *host = frame->dockHost();
    QCOMPARE(host->dockWidgetArea(frame->postsBar()), Qt::LeftDockWidgetArea);
    QCOMPARE(host->dockWidgetArea(frame->previewBar()), Qt::BottomDockWidgetArea);
    QCOMPARE(frame->postsBar()->allowedAreas(), Qt::LeftDockWidgetArea);
    QCOMPARE(frame->previewBar()->allowedAreas(), Qt::BottomDockWidgetArea);
    QCOMPARE(frame->postsBar()->windowTitle().startsWith(QStringLiteral("RSS Items")), true);
    QCOMPARE(frame->previewBar()->windowTitle(), QStringLiteral("Preview"));

    // A third of the screen, unless the window is too narrow for it.
    const int third = QGuiApplication::primaryScreen()->geometry().width() / 3;
    QTRY_COMPARE(frame->postsBar()->width(), third);
    // The preview lies under the editor, not under the posts list.
    QVERIFY(frame->previewBar()->geometry().left() >= frame->postsBar()->geometry().right());
    QVERIFY(frame->previewBar()->geometry().top() >= frame->view()->geometry().bottom());
}

// --- Notifications ---

void TestFeedPanes::openedFeed_previewShowsFirstPost()
{
    CChildFrame *frame = openFeed(QStringLiteral("feed.xml"));
    QVERIFY(frame);
    QTRY_COMPARE(frame->previewBar()->editor()->toPlainText(), QStringLiteral("<p>\nFirst\n</p>"));
    frame->document()->Notify(nullptr, HINT_SELECT_POST, 1);
    QCOMPARE(frame->previewBar()->editor()->toPlainText(), QStringLiteral("Second<br>\nline"));
}

void TestFeedPanes::typingInPreview_marksModifiedAndReachesEditor()
{
    CChildFrame *frame = openFeed(QStringLiteral("feed.xml"));
    QVERIFY(frame);
    frame->document()->Notify(nullptr, HINT_SELECT_POST, 2);
    QTRY_COMPARE(richText(frame->view()), QStringLiteral("Third"));
    QVERIFY(!frame->document()->IsModified());

    QPlainTextEdit *editor = frame->previewBar()->editor();
    editor->setFocus();
    QTest::keyClick(editor, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(editor, QStringLiteral("<p>x"));

    QVERIFY(frame->document()->IsModified());
    QTRY_COMPARE(richText(frame->view()), QStringLiteral("Third<p>x</p>"));
    // The pane did not hear its own edit: it was not laid out again.
    QCOMPARE(editor->toPlainText(), QStringLiteral("Third<p>x"));
}

void TestFeedPanes::relay_skipsTheSendingBar()
{
    CChildFrame *frame = openFeed(QStringLiteral("feed.xml"));
    QVERIFY(frame);
    CBarPreview *preview = frame->previewBar();
    CBarRssItems *posts = frame->postsBar();

    // The pane's own text does not come back to it.
    frame->OnRSSNotify(preview, HINT_DESCRIPTION_EDITED, QVariant(QStringLiteral("<p>mine")));
    QCOMPARE(preview->editor()->toPlainText(), QStringLiteral("<p>\nFirst\n</p>"));
    // Another bar's, or nobody's, does.
    frame->OnRSSNotify(posts, HINT_DESCRIPTION_EDITED, QVariant(QStringLiteral("<p>theirs")));
    QCOMPARE(preview->editor()->toPlainText(), QStringLiteral("<p>\ntheirs"));
    frame->OnRSSNotify(nullptr, HINT_DESCRIPTION_EDITED, QVariant(QStringLiteral("<p>nobody's")));
    QCOMPARE(preview->editor()->toPlainText(), QStringLiteral("<p>\nnobody's"));

    // A rename the posts bar itself asked for does not open its editor again;
    // one from elsewhere does.
    frame->OnRSSNotify(posts, HINT_RENAME_POST, 0);
    QVERIFY(!isRenaming(posts->listCtrl()));
    frame->OnRSSNotify(preview, HINT_RENAME_POST, 0);
    QVERIFY(isRenaming(posts->listCtrl()));
}

void TestFeedPanes::addPost_showsAndFocusesHiddenPostsBar()
{
    CChildFrame *frame = openFeed(QStringLiteral("feed.xml"));
    QVERIFY(frame);
    pressKey(Qt::Key_T);
    QVERIFY(frame->postsBar()->isHidden());

    QVERIFY(m_main->executeCommand(ID_POST_ADD));
    QVERIFY(!frame->postsBar()->isHidden());
    QTRY_VERIFY(hasFocusInside(frame->postsBar()));
}

void TestFeedPanes::renamePost_showsAndFocusesHiddenPostsBar()
{
    CChildFrame *frame = openFeed(QStringLiteral("feed.xml"));
    QVERIFY(frame);
    QVERIFY(m_main->executeCommand(ID_VIEW_POSTS_BAR));
    QVERIFY(frame->postsBar()->isHidden());

    frame->document()->Notify(nullptr, HINT_RENAME_POST, 0);
    QVERIFY(!frame->postsBar()->isHidden());
    QTRY_VERIFY(hasFocusInside(frame->postsBar()));
}

// --- View commands ---

void TestFeedPanes::ctrlP_togglesPreviewAndStoresSetting()
{
    CChildFrame *frame = openFeed(QStringLiteral("feed.xml"));
    QVERIFY(frame);
    QVERIFY(!frame->previewBar()->isHidden());

    pressKey(Qt::Key_P);
    QVERIFY(frame->previewBar()->isHidden());
    QCOMPARE(previewBarOnDisk(GetSettingsPath()), 0);

    pressKey(Qt::Key_P);
    QVERIFY(!frame->previewBar()->isHidden());
    QCOMPARE(previewBarOnDisk(GetSettingsPath()), 1);
}

void TestFeedPanes::previewHidden_newFeedWindowOpensWithoutIt()
{
    CChildFrame *first = openFeed(QStringLiteral("first.xml"));
    QVERIFY(first);
    pressKey(Qt::Key_P);
    QVERIFY(first->previewBar()->isHidden());

    CChildFrame *second = openFeed(QStringLiteral("second.xml"));
    QVERIFY(second);
    QVERIFY(second != first);
    QVERIFY(second->previewBar()->isHidden());
    QVERIFY(!second->postsBar()->isHidden());
}

void TestFeedPanes::ctrlT_togglesPostsBar()
{
    CChildFrame *frame = openFeed(QStringLiteral("feed.xml"));
    QVERIFY(frame);
    pressKey(Qt::Key_T);
    QVERIFY(frame->postsBar()->isHidden());
    QVERIFY(!frame->previewBar()->isHidden());
    pressKey(Qt::Key_T);
    QVERIFY(!frame->postsBar()->isHidden());
    // The posts bar's visibility is not remembered.
    QCOMPARE(previewBarOnDisk(GetSettingsPath()), -1);
}

void TestFeedPanes::viewMenu_marksVisibleBars()
{
    QMenu *view = m_main->menu(QStringLiteral("View"));
    QVERIFY(view);
    QAction *posts = m_main->action(ID_VIEW_POSTS_BAR);
    QAction *preview = m_main->action(ID_VIEW_PREVIEW);
    QVERIFY(view->actions().contains(posts));
    QVERIFY(view->actions().contains(preview));
    QCOMPARE(posts->text(), QStringLiteral("RSS Posts"));
    QCOMPARE(posts->shortcut(), QKeySequence(QStringLiteral("Ctrl+T")));
    QCOMPARE(posts->statusTip(), QStringLiteral("Show or hide the RSS posts bar"));
    QCOMPARE(preview->text(), QStringLiteral("Preview"));
    QCOMPARE(preview->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
    QCOMPARE(preview->statusTip(), QStringLiteral("Show or hide the HTML-code preview"));

    // Without a feed there is nothing to show.
    m_main->refreshCommandStates();
    QVERIFY(!posts->isEnabled());
    QVERIFY(!preview->isEnabled());

    QVERIFY(openFeed(QStringLiteral("feed.xml")));
    m_main->refreshCommandStates();
    QVERIFY(posts->isEnabled());
    QVERIFY(posts->isChecked());
    QVERIFY(preview->isChecked());
    QVERIFY(m_main->executeCommand(ID_VIEW_PREVIEW));
    QVERIFY(posts->isChecked());
    QVERIFY(!preview->isChecked());
}

// --- Toolbar ---

void TestFeedPanes::toolbar_hasTheCommandButtonsInOrder()
{
    auto *toolBar = m_main->findChild<QToolBar *>(QStringLiteral("mainToolBar"));
    QVERIFY(toolBar);
    QStringList buttons;
    for (QAction *action : toolBar->actions()) {
        if (action->isSeparator()) {
            buttons << QStringLiteral("|");
            continue;
        }
        buttons << action->toolTip();
        QVERIFY2(!action->icon().isNull(), qPrintable(action->toolTip()));
    }
    QCOMPARE(buttons.join(QLatin1Char(' ')),
             QStringLiteral("New Open Save | Cut Copy Paste | Filtering | About"));

    // The funnel is the program's own, whatever the theme offers.
    const QImage own(QStringLiteral(":/shell/icons/filter.png"));
    const QImage shown = m_main->action(ID_FILTERING)->icon().pixmap(own.size()).toImage();
    QCOMPARE(shown.convertToFormat(QImage::Format_ARGB32), own.convertToFormat(QImage::Format_ARGB32));
}

void TestFeedPanes::toolbar_buttonsFollowCommandState()
{
    auto *toolBar = m_main->findChild<QToolBar *>(QStringLiteral("mainToolBar"));
    QVERIFY(toolBar);
    auto *save = qobject_cast<QToolButton *>(toolBar->widgetForAction(m_main->action(ID_FILE_SAVE)));
    auto *filtering = qobject_cast<QToolButton *>(toolBar->widgetForAction(m_main->action(ID_FILTERING)));
    QVERIFY(save);
    QVERIFY(filtering);

    m_main->refreshCommandStates();
    QVERIFY(!save->isEnabled());
    QVERIFY(!filtering->isEnabled());
    QVERIFY(toolBar->widgetForAction(m_main->action(ID_FILE_NEW))->isEnabled());
    // A disabled button shows a greyed picture, not the full-colour one.
    const QIcon icon = m_main->action(ID_FILE_SAVE)->icon();
    QVERIFY(icon.pixmap(16, QIcon::Disabled).toImage() != icon.pixmap(16, QIcon::Normal).toImage());

    QVERIFY(openFeed(QStringLiteral("feed.xml")));
    m_main->refreshCommandStates();
    QVERIFY(save->isEnabled());
    QVERIFY(filtering->isEnabled());
}

int main(int argc, char *argv[])
{
    QStandardPaths::setTestModeEnabled(true);
    CTidrelApp::prepareProcess();
    QApplication app(argc, argv);
    CTidrelApp::initInstance();
    TestFeedPanes test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_feedpanes.moc"
