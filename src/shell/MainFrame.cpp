#include "shell/MainFrame.h"

#include "core/RssFeed.h"
#include "commands/PostCommands.h"
#include "document/RSSEditDoc.h"
#include "editor/HyperlinkDlg.h"
#include "editor/RSSEditView.h"
#include "settings/SettingsStore.h"
#include "engine/HelpWindow.h"
#include "engine/HtmlEngineView.h"
#include "web/WebTitleCache.h"
#include "web/WebTitleFetcher.h"
#include "panes/BarRssItems.h"
#include "panes/PostsListCtrl.h"
#include "shell/ChildFrame.h"
#include "shell/AboutDialog.h"
#include "shell/CommandTable.h"
#include "shell/DesktopServices.h"
#include "shell/DocManager.h"
#include "shell/FeedPublishing.h"
#include "shell/LocationOpener.h"
#include "shell/LockKeyIndicators.h"
#include "shell/MdiClient.h"
#include "shell/PreferencesDialog.h"
#include "shell/Appearance.h"
#include "settings/ColorSchemeSetting.h"
#include "shell/MenuTip.h"
#include "shell/SpareEditorPage.h"
#include "shell/StartPage.h"
#include "shell/UiTranslations.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDockWidget>
#include <QEventLoop>
#include <QFileInfo>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPointer>
#include <QPrinter>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QUndoGroup>
#include <QUndoStack>
#include <QUndoView>
#include <QUrl>

#include <algorithm>

namespace {

const char *const kValidatorUrl = "https://validator.w3.org/feed/#validate_by_input";
const char *const kEngineHomeUrl = "https://doc.qt.io/qt-6/qtwebengine-index.html";
const char *const kGuideContents = ":/shell/help/index.html";

bool isRecentFileCommand(int id)
{
    return id >= ID_FILE_MRU_FIRST && id <= ID_FILE_MRU_LAST;
}

QString readyText()
{
    return CMainFrame::tr("Ready");
}

} // namespace

CMainFrame::CMainFrame(QWidget *parent)
    : QMainWindow(parent)
    , m_desktopServices(std::make_unique<CDesktopServices>(this))
    , m_services(m_desktopServices.get())
    , m_mdiArea(new CMdiClient(this))
    , m_documents(new CDocManager(m_mdiArea, m_services, this))
    , m_sortGroup(new QActionGroup(this))
    , m_windowList(new QActionGroup(this))
    , m_undoGroup(new QUndoGroup(this))
    , m_menuTip(new CMenuTip(this))
    , m_printer(std::make_unique<QPrinter>())
{
    setCentralWidget(m_mdiArea);
    updateWindowTitle();

    createActions();
    createMenus();
    createToolBar();
    createStatusBar();
    createUndoHistory();
    updateRecentFileActions();
    m_publishing = new CFeedPublishing(m_services, statusBar(), this);
    connect(m_publishing, &CFeedPublishing::runningChanged, this, &CMainFrame::updateActions);
    m_locationOpener = new CLocationOpener(m_documents, m_services, this);
    connect(m_locationOpener, &CLocationOpener::finished, this, &CMainFrame::updateActions);

    connectStartPage();
    connectDocuments();
    m_sparePage = new CSpareEditorPage(this, [this] { return hasWorkUnderWay(); });
    m_documents->setSparePage(m_sparePage);
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, &CMainFrame::followActiveFrame);
    // A window whose feed was still being read when it came to the front
    // takes the commands once the feed is in.
    connect(m_documents, &CDocManager::documentOpened, this, &CMainFrame::followActiveFrame);
    // Edit > Undo goes to the editor or the feed by where the focus is.
    // Both queued: the focus moves, and a feed's stack leaves the group,
    // while a feed's window is being destroyed, when it can answer no
    // question about its commands.
    connect(qApp, &QApplication::focusChanged, this, &CMainFrame::updateActions, Qt::QueuedConnection);
    connect(m_undoGroup, &QUndoGroup::indexChanged, this, &CMainFrame::updateActions, Qt::QueuedConnection);
    updateActions();
    // Titles found in the background are kept for the next lookup, and
    // shown by the Insert Hyperlink dialog of the feed being edited.
    setTitleSink([this](const TitleResult &result) {
        StoreWebTitle(result.url, result.title);
        if (activeChildFrame())
            CHyperlinkDlg::OnTitleFetched(result);
    });
}

void CMainFrame::connectStartPage()
{
    CStartPage *start = startPage();
    connect(start, &CStartPage::newFeedRequested, this, [this] { executeCommand(ID_FILE_NEW); });
    connect(start, &CStartPage::openFeedRequested, this, [this] { executeCommand(ID_FILE_OPEN); });
    connect(start, &CStartPage::recentFileRequested, m_documents, &CDocManager::openDocument);
    connect(start, &CStartPage::guideRequested, this, &CMainFrame::showGuide);
    connect(start, &CStartPage::webPageRequested, this, qOverload<const QUrl &>(&CMainFrame::openWebPage));
    connect(start, &CStartPage::linkHovered, statusBar(), [this](const QString &url) {
        statusBar()->showMessage(url);
    });
}

// Each new feed window hands its commands and news to the main window.
void CMainFrame::connectDocuments()
{
    connect(m_documents, &CDocManager::recentFilesChanged, this, &CMainFrame::updateRecentFileActions);
    connect(m_documents, &CDocManager::documentsChanged, this, &CMainFrame::updateActions);
    connect(m_documents, &CDocManager::frameCreated, this, [this](CChildFrame *frame) {
        frame->postsBar()->setMenuActions(m_postsMenu->actions());
        connect(frame, &CChildFrame::commandRequested, this, &CMainFrame::executeCommand);
        connect(frame, &CChildFrame::commandStatesChanged, this, [this, frame] {
            if (frame == activeChildFrame())
                updateActions();
        });
        connect(frame, &QWidget::windowTitleChanged, this, &CMainFrame::updateWindowTitle);
        connect(frame->document(), &CRSSEditDoc::modifiedChanged, this, &CMainFrame::updateWindowTitle);
        m_undoGroup->addStack(frame->document()->undoStack());
        connect(frame, &CChildFrame::checkSummaryChanged, this, &CMainFrame::updateCheckSummary);
    });
}

CMainFrame::~CMainFrame()
{
    setTitleSink(nullptr);
    // The feeds' windows go before the services they ask.
    delete m_mdiArea;
}

void CMainFrame::followActiveFrame()
{
    CChildFrame *frame = activeChildFrame();
    m_undoGroup->setActiveStack(frame ? frame->document()->undoStack() : nullptr);
    updateWindowTitle();
    updateActions();
    updateCheckSummary();
}

// "feed.xml — Tidrel", with the modified mark where "[*]" stands; "Tidrel
// 1.2.1" while no feed is open.
void CMainFrame::updateWindowTitle()
{
    if (CChildFrame *frame = activeChildFrame()) {
        setWindowTitle(frame->windowTitle() + QStringLiteral(" \u2014 Tidrel"));
        setWindowModified(frame->isWindowModified());
    } else {
        setWindowTitle(QStringLiteral("Tidrel ") + CRssFeed::ProductVersionText());
        setWindowModified(false);
    }
}

CStartPage *CMainFrame::startPage() const
{
    return m_mdiArea->startPage();
}

CChildFrame *CMainFrame::activeChildFrame() const
{
    auto *frame = qobject_cast<CChildFrame *>(m_mdiArea->currentSubWindow());
    return frame && !frame->isOpening() ? frame : nullptr;
}

QAction *CMainFrame::action(int id) const
{
    const auto found = m_actions.find(id);
    return found == m_actions.end() ? nullptr : found->second;
}

QMenu *CMainFrame::menu(const QString &title) const
{
    for (QMenu *menu : m_menus) {
        if (menu->title().remove(QLatin1Char('&')) == title)
            return menu;
    }
    return nullptr;
}

void CMainFrame::setServices(CShellServices *services)
{
    m_services = services;
    m_documents->setServices(services);
    m_publishing->setServices(services);
    m_locationOpener->setServices(services);
}

// --- Command route ---

std::vector<CCommandTarget *> CMainFrame::commandRoute() const
{
    std::vector<CCommandTarget *> route;
    if (CChildFrame *frame = activeChildFrame()) {
        route.push_back(frame->view());
        route.push_back(frame->postCommands());
        route.push_back(frame);
    }
    route.push_back(const_cast<CMainFrame *>(this));
    return route;
}

CommandState CMainFrame::commandState(int id)
{
    for (CCommandTarget *target : commandRoute()) {
        CommandState state;
        if (target->OnUpdateCommand(id, &state))
            return state;
    }
    CommandState unhandled;
    unhandled.enabled = false;
    return unhandled;
}

bool CMainFrame::executeCommand(int id)
{
    if (!commandState(id).enabled)
        return false;
    if (!editorsSettled()) {
        whenEditorsSettled([this, id] { executeCommand(id); });
        return true;
    }
    // A title being renamed in the list is the user's too: kept before the
    // command, as the editor's typing is.
    if (CChildFrame *frame = activeChildFrame())
        frame->postsBar()->listCtrl()->finishRename();
    bool handled = false;
    for (CCommandTarget *target : commandRoute()) {
        if (target->OnCommand(id)) {
            handled = true;
            break;
        }
    }
    updateActions();
    return handled;
}

void CMainFrame::updateActions()
{
    for (const auto &[id, action] : m_actions) {
        if (!action->isVisible())
            continue;
        const CommandState state = commandState(id);
        if (const CommandInfo *info = findCommand(id))
            action->setText(state.text.isEmpty() ? QCoreApplication::translate("Command", info->text) : state.text);
        action->setEnabled(state.enabled);
        action->setCheckable(state.checkable);
        if (state.checkable)
            action->setChecked(state.checked);
    }
    const bool feedOpen = activeChildFrame() != nullptr;
    for (QMenu *menu : m_documentMenus)
        menu->menuAction()->setVisible(feedOpen);
}

// --- Commands of the main window ---

bool CMainFrame::OnCommand(int id)
{
    if (isRecentFileCommand(id)) {
        m_documents->openRecentFile(id - ID_FILE_MRU_FIRST);
        return true;
    }
    return onFileCommand(id, activeChildFrame()) || onWindowCommand(id);
}

// The File menu's commands; those on a feed do nothing without one.
bool CMainFrame::onFileCommand(int id, CChildFrame *frame)
{
    switch (id) {
    case ID_FILE_NEW:
        newFeed();
        return true;
    case ID_FILE_OPEN:
        m_documents->openDocumentFromDialog();
        return true;
    case ID_FILE_OPEN_LOCATION:
        m_locationOpener->openFromDialog();
        return true;
    case ID_FILE_CLOSE:
        if (frame)
            m_documents->closeDocument(frame);
        return true;
    case ID_FEED_MOVE:
        if (frame)
            moveFeed(frame);
        return true;
    case ID_FILE_SAVE:
        if (frame)
            m_documents->saveDocument(frame);
        return true;
    case ID_FILE_SAVE_AS:
        if (frame)
            m_documents->saveDocumentAs(frame);
        return true;
    case ID_FILE_PUBLISH:
        if (frame)
            publishFeed(frame);
        return true;
    case ID_FILE_NEW_EPISODE_FROM_AUDIO:
        if (frame) {
            const QStringList paths = m_services->askAudioFileNames();
            if (!paths.isEmpty())
                frame->postCommands()->addEpisodesFromAudio(paths);
        }
        return true;
    case ID_FILE_PUBLISH_SETTINGS:
        if (frame)
            m_publishing->editSettings(frame->document()->path(), [](bool) {});
        return true;
    case ID_FILE_PRINT:
        printPost();
        return true;
    case ID_FILE_PRINT_PREVIEW:
        previewPost();
        return true;
    case ID_FILE_PRINT_SETUP:
        m_services->askPageSetup(m_printer.get());
        return true;
    case ID_APP_EXIT:
        close();
        return true;
    default:
        return false;
    }
}

// The commands of the main window itself: its bars, its feed windows, help.
bool CMainFrame::onWindowCommand(int id)
{
    switch (id) {
    case ID_APP_ABOUT:
        showAbout();
        return true;
    case ID_W3C_VALIDATOR:
        openWebPage(kValidatorUrl);
        return true;
    case ID_WINDOW_CASCADE:
        m_mdiArea->cascadeSubWindows();
        return true;
    case ID_WINDOW_TILE:
        m_mdiArea->tile();
        return true;
    case ID_WINDOW_NEXT:
        m_mdiArea->activateNextSubWindow();
        return true;
    case ID_WINDOW_PREVIOUS:
        m_mdiArea->activatePreviousSubWindow();
        return true;
    case ID_HELP_GUIDE:
        showGuide();
        return true;
    case ID_HELP_ABOUT_ENGINE:
        openWebPage(kEngineHomeUrl);
        return true;
    case ID_PREFERENCES:
        showPreferences();
        return true;
    case ID_VIEW_TOOLBAR:
        m_toolBar->setVisible(!m_toolBar->isVisible());
        return true;
    case ID_VIEW_STATUS_BAR:
        statusBar()->setVisible(!statusBar()->isVisible());
        return true;
    case ID_VIEW_UNDO_HISTORY:
        m_undoHistory->setVisible(m_undoHistory->isHidden());
        // Tab goes round the feed's window only: the keys come to the list here.
        if (m_undoHistory->isVisible())
            m_undoHistory->widget()->setFocus(Qt::OtherFocusReason);
        return true;
    default:
        return false;
    }
}

bool CMainFrame::OnUpdateCommand(int id, CommandState *state)
{
    if (isRecentFileCommand(id))
        return true;
    switch (id) {
    case ID_FILE_NEW:
    case ID_FILE_OPEN:
    case ID_APP_EXIT:
    case ID_APP_ABOUT:
    case ID_W3C_VALIDATOR:
    case ID_PREFERENCES:
    case ID_FILE_PRINT_SETUP:
    case ID_HELP_GUIDE:
    case ID_HELP_ABOUT_ENGINE:
        return true;
    case ID_FILE_CLOSE:
    case ID_FILE_PRINT:
    case ID_FILE_PRINT_PREVIEW:
    case ID_FILE_SAVE:
    case ID_FILE_SAVE_AS:
    case ID_FILE_NEW_EPISODE_FROM_AUDIO:
    case ID_WINDOW_CASCADE:
    case ID_WINDOW_TILE:
        state->enabled = activeChildFrame() != nullptr;
        return true;
    case ID_WINDOW_NEXT:
    case ID_WINDOW_PREVIOUS:
        state->enabled = m_mdiArea->subWindowList().size() > 1;
        return true;
    case ID_FILE_PUBLISH:
    case ID_FEED_MOVE:
        state->enabled = activeChildFrame() && !m_publishing->isRunning();
        return true;
    case ID_FILE_OPEN_LOCATION:
        state->enabled = !m_locationOpener->isRunning();
        return true;
    case ID_FILE_PUBLISH_SETTINGS:
        // Settings belong to the feed's file.
        state->enabled = activeChildFrame() && !activeChildFrame()->document()->path().isEmpty()
            && !m_publishing->isRunning();
        return true;
    case ID_VIEW_TOOLBAR:
        state->checkable = true;
        state->checked = !m_toolBar->isHidden();
        return true;
    case ID_VIEW_UNDO_HISTORY:
        state->checkable = true;
        state->checked = !m_undoHistory->isHidden();
        return true;
    case ID_VIEW_STATUS_BAR:
        state->checkable = true;
        state->checked = !statusBar()->isHidden();
        return true;
    default:
        return false;
    }
}

bool CMainFrame::hasWorkUnderWay() const
{
    if (!isVisible() || isMinimized() || !startPage()->isReady())
        return true;
    const QList<CChildFrame *> frames = m_documents->frames();
    return std::any_of(frames.cbegin(), frames.cend(), [](CChildFrame *frame) {
        return frame->isOpening() || !frame->view()->engine()->isReady();
    });
}

bool CMainFrame::editorsSettled() const
{
    const QList<CChildFrame *> frames = m_documents->frames();
    return std::all_of(frames.cbegin(), frames.cend(),
                       [](CChildFrame *frame) { return frame->view()->engine()->isSettled(); });
}

void CMainFrame::whenEditorsSettled(const std::function<void()> &then)
{
    for (CChildFrame *frame : m_documents->frames()) {
        CHtmlEngineView *engine = frame->view()->engine();
        if (!engine->isSettled()) {
            // Other keys may be typed meanwhile, in this feed or another.
            engine->whenSettled([window = QPointer<CMainFrame>(this), then] {
                if (window)
                    window->whenEditorsSettled(then);
            });
            return;
        }
    }
    then();
}

void CMainFrame::closeEvent(QCloseEvent *event)
{
    if (!editorsSettled()) {
        // The questions about unsaved changes must know the last keys.
        event->ignore();
        whenEditorsSettled([this] { close(); });
        return;
    }
    if (m_documents->closeAllDocuments()) {
        m_sparePage->drop();
        event->accept();
    } else {
        event->ignore();
    }
}

void CMainFrame::showAbout()
{
    CAboutDialog dialog(this);
    dialog.exec();
}

// The footer the user chooses reaches every open feed at its next store;
// the colours change at once.
void CMainFrame::showPreferences()
{
    CPreferencesDialog dialog(this);
    dialog.setColorScheme(ColorSchemeSetting::load().scheme);
    dialog.setFooter(PostFooterSetting::load());
    if (dialog.exec() != QDialog::Accepted)
        return;
    const ColorSchemeSetting colours{dialog.colorScheme()};
    if (CAppearance *appearance = CAppearance::instance())
        appearance->setChosenScheme(colours.scheme);
    if (!dialog.footer().save() || !colours.save())
        m_services->showError(tr("The preferences could not be written to\n%1").arg(GetSettingsPath()));
    m_documents->applyPostFooterSetting();
}

void CMainFrame::openWebPage(const char *address)
{
    openWebPage(QUrl(QString::fromUtf8(address)));
}

void CMainFrame::openWebPage(const QUrl &url)
{
    if (!m_services->openUrl(url))
        m_services->showError(tr("No web browser could be started to show\n%1\n\n"
                                             "Open this address in a browser yourself.")
                                  .arg(url.toString()));
}

// The Create RSS Feed page first; its values make the feed, once.
void CMainFrame::newFeed()
{
    NewFeedParams params;
    if (m_services->askNewFeed(&params))
        m_documents->newDocument(params);
}

// What goes out is the file, so changes are saved first.
void CMainFrame::publishFeed(CChildFrame *frame)
{
    CRSSEditDoc *document = frame->document();
    if (document->IsModified() || document->path().isEmpty()) {
        if (!m_services->confirm(tr("Publishing sends the saved file. Save %1 and publish it?")
                                     .arg(frame->windowTitle().remove(QStringLiteral("[*]"))),
                                 tr("Save and &Publish")))
            return;
        if (!m_documents->saveDocument(frame))
            return;
    }
    m_publishing->publish(document->path(), *document->feed());
}

// The feed names its new address; the publish settings follow, so the
// feed keeps the address it is read from. Undo takes back the feed's part.
void CMainFrame::moveFeed(CChildFrame *frame)
{
    CRSSEditDoc *document = frame->document();
    QString current = document->FeedAddress();
    if (current.isEmpty())
        current = m_documents->publishedAddress(frame);
    const QString address = m_services->askNewFeedAddress(current);
    if (!address.isEmpty() && document->MoveFeed(current, address))
        m_documents->setPublishedAddress(frame, address);
}

// One window for the guide, made the first time it is asked for.
void CMainFrame::showGuide()
{
    if (!m_helpWindow) {
        // The guide in the user's language where it has been translated.
        const QString contents = CUiTranslations::localizedPage(QString::fromUtf8(kGuideContents));
        m_helpWindow = new CHelpWindow(QUrl(QStringLiteral("qrc") + contents), this);
        connect(m_helpWindow, &CHelpWindow::externalLinkClicked, this,
                qOverload<const QUrl &>(&CMainFrame::openWebPage));
    }
    m_helpWindow->show();
    m_helpWindow->raise();
    m_helpWindow->activateWindow();
}

void CMainFrame::printPost()
{
    if (activeChildFrame() && m_services->askPrintOptions(m_printer.get()))
        printEditorPage(m_printer.get());
}

void CMainFrame::previewPost()
{
    if (activeChildFrame())
        m_services->showPrintPreview(m_printer.get(), [this](QPrinter *printer) { printEditorPage(printer); });
}

// The preview asks for its pages and takes them when the call returns, but
// the engine prints in the background: so this waits for it.
void CMainFrame::printEditorPage(QPrinter *printer)
{
    CChildFrame *frame = activeChildFrame();
    if (!frame)
        return;
    CHtmlEngineView *page = frame->view()->engine();
    QEventLoop loop;
    connect(page, &QWebEngineView::printFinished, &loop, &QEventLoop::quit);
    page->print(printer);
    loop.exec();
}

// --- Menus, toolbar, status bar ---

QAction *CMainFrame::createAction(int id)
{
    const CommandInfo *info = findCommand(id);
    auto *action = new QAction(this);
    // Menus built elsewhere (the posts bar's) pick commands by their id.
    action->setData(id);
    if (info) {
        action->setText(QCoreApplication::translate("Command", info->text));
        action->setStatusTip(QCoreApplication::translate("Command", info->prompt));
        if (*info->shortcut)
            action->setShortcuts(QKeySequence::listFromString(QString::fromUtf8(info->shortcut)));
        if (*info->shortName)
            action->setToolTip(QCoreApplication::translate("Command", info->shortName));
        if (*info->iconName || *info->iconFallback)
            action->setIcon(QIcon::fromTheme(QString::fromUtf8(info->iconName),
                                             QIcon(QString::fromUtf8(info->iconFallback))));
    }
    connect(action, &QAction::triggered, this, [this, id] { executeCommand(id); });
    addAction(action); // keys work wherever the focus is
    m_actions[id] = action;
    return action;
}

void CMainFrame::createActions()
{
    for (const CommandInfo &info : commandTable())
        createAction(info.id);
    for (int id = ID_FILE_MRU_FIRST; id <= ID_FILE_MRU_LAST; ++id) {
        QAction *recent = createAction(id);
        recent->setVisible(false);
    }
    for (int id : {ID_SORT_BY_POSITION, ID_SORT_BY_TITLE, ID_SORT_BY_DATE}) {
        action(id)->setCheckable(true);
        m_sortGroup->addAction(action(id));
    }
}

QMenu *CMainFrame::addMenu(const QString &title, std::initializer_list<int> ids)
{
    QMenu *menu = menuBar()->addMenu(title);
    for (int id : ids) {
        if (id == 0)
            menu->addSeparator();
        else
            menu->addAction(action(id));
    }
    // The marks are right the moment the menu opens.
    connect(menu, &QMenu::aboutToShow, this, &CMainFrame::updateActions);
    m_menus.push_back(menu);
    return menu;
}

void CMainFrame::createMenus()
{
    QMenu *file = addMenu(tr("&File"), {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_OPEN_LOCATION, ID_FILE_CLOSE, 0,
                                                     ID_FILE_NEW_EPISODE_FROM_AUDIO, 0,
                                                     ID_FILE_SAVE, ID_FILE_SAVE_AS, 0,
                                                     ID_FILE_PUBLISH, ID_FILE_PUBLISH_SETTINGS, 0,
                                                     ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW, ID_FILE_PRINT_SETUP, 0});
    for (int id = ID_FILE_MRU_FIRST; id <= ID_FILE_MRU_LAST; ++id)
        file->addAction(action(id));
    file->addSeparator();
    file->addAction(action(ID_APP_EXIT));

    m_documentMenus.push_back(addMenu(tr("&Edit"),
                                      {ID_EDIT_UNDO, ID_EDIT_REDO, 0, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, 0,
                                       ID_EDIT_SELECT_ALL}));
    m_documentMenus.push_back(addMenu(tr("F&ormat"),
                                      {ID_FORMAT_BOLD, ID_FORMAT_ITALIC, ID_FORMAT_UNDERLINE, ID_FORMAT_STRIKEOUT, 0,
                                       ID_FORMAT_UL_LIST, 0, ID_REMOVE_SPANS_AND_STYLES, ID_REMOVE_NBSP, 0,
                                       ID_INSERT_TEST}));
    m_documentMenus.push_back(addMenu(tr("&Insert"), {ID_INSERT_HYPERLINK, ID_INSERT_IMAGE}));
    m_postsMenu = addMenu(
        tr("&Posts"),
        {ID_POST_ADD, ID_POST_ADD_LIVE, ID_POST_RENAME, ID_POST_DUPLICATE, ID_POST_DUPLICATE_DELETE, ID_POST_DELETE,
         ID_POST_SET_DATE_NOW, 0,
         ID_SORT_BY_POSITION, ID_SORT_BY_TITLE, ID_SORT_BY_DATE, 0, ID_POST_BACK, ID_POST_FORWARD, 0,
         ID_FILTERING, ID_POST_RELOAD, 0, ID_COPY_TITLE});
    m_documentMenus.push_back(m_postsMenu);
    m_documentMenus.push_back(addMenu(tr("Fee&d"), {ID_FEED_PROPERTIES, ID_FEED_MOVE, 0, ID_FEED_CHECK}));
    addMenu(tr("&Tools"), {ID_POST_COPY_FEED, ID_W3C_VALIDATOR, 0, ID_OPEN_BACKUP_FOLDER, 0,
                                       ID_PREFERENCES});
    addMenu(tr("&View"), {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR, 0, ID_VIEW_POSTS_BAR,
                                      ID_VIEW_PREVIEW, ID_VIEW_POST_DETAILS, ID_VIEW_PROBLEMS, ID_VIEW_UNDO_HISTORY});
    m_windowMenu = addMenu(tr("&Window"),
                           {ID_WINDOW_CASCADE, ID_WINDOW_TILE, 0, ID_WINDOW_NEXT, ID_WINDOW_PREVIOUS});
    m_windowMenu->addSeparator();
    connect(m_windowMenu, &QMenu::aboutToShow, this, &CMainFrame::updateWindowList);
    m_documentMenus.push_back(m_windowMenu);
    addMenu(tr("&Help"), {ID_HELP_GUIDE, 0, ID_HELP_ABOUT_ENGINE, ID_APP_ABOUT});
}

void CMainFrame::createToolBar()
{
    m_toolBar = addToolBar(tr("Toolbar"));
    m_toolBar->setObjectName(QStringLiteral("mainToolBar"));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (int id : std::initializer_list<int>{ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, 0, ID_EDIT_CUT,
                                             ID_EDIT_COPY, ID_EDIT_PASTE, 0, ID_FILTERING, 0, ID_APP_ABOUT}) {
        if (id == 0)
            m_toolBar->addSeparator();
        else
            m_toolBar->addAction(action(id));
    }
    // The button that shows the tools a narrow window has no room for.
    if (auto *more = m_toolBar->findChild<QToolButton *>(QStringLiteral("qt_toolbar_ext_button")))
        more->setAccessibleName(tr("More tools"));
}

void CMainFrame::createStatusBar()
{
    QStatusBar *bar = statusBar();
    // With no prompt to show, the message pane says the program is idle.
    connect(bar, &QStatusBar::messageChanged, bar, [bar](const QString &message) {
        if (message.isEmpty())
            bar->showMessage(readyText());
    });
    bar->showMessage(readyText());
    m_checkSummary = new QLabel(bar);
    m_checkSummary->setObjectName(QStringLiteral("checkSummary"));
    bar->addPermanentWidget(m_checkSummary);
    m_lockKeys = new CLockKeyIndicators(bar);
}

// The active feed's last check: its count of errors, warnings and notes.
void CMainFrame::updateCheckSummary()
{
    const CChildFrame *frame = activeChildFrame();
    m_checkSummary->setText(frame ? frame->checkSummary() : QString());
}

// The active feed's changes in a dock; hidden until asked for.
void CMainFrame::createUndoHistory()
{
    auto *view = new QUndoView(m_undoGroup);
    view->setAccessibleName(tr("Changes"));
    view->setEmptyLabel(tr("<as opened or saved>"));
    m_undoHistory = new QDockWidget(tr("Undo History"), this);
    m_undoHistory->setObjectName(QStringLiteral("undoHistory"));
    m_undoHistory->setWidget(view);
    // Dock areas are absolute; the history sits at the end of the line.
    addDockWidget(isRightToLeft() ? Qt::LeftDockWidgetArea : Qt::RightDockWidgetArea, m_undoHistory);
    m_undoHistory->hide();
    // Queued: the dock hides while the window is being destroyed.
    connect(m_undoHistory, &QDockWidget::visibilityChanged, this, &CMainFrame::updateActions, Qt::QueuedConnection);
}

// One checkable entry per open feed after the Window menu's commands; the
// active feed's is checked.
void CMainFrame::updateWindowList()
{
    const QList<QAction *> entries = m_windowList->actions();
    for (QAction *entry : entries)
        delete entry;
    const QList<QMdiSubWindow *> windows = m_mdiArea->subWindowList();
    for (int i = 0; i < windows.size(); ++i) {
        QMdiSubWindow *window = windows.at(i);
        QString name = window->windowTitle().replace(QStringLiteral("[*]"),
                                                     window->isWindowModified() ? QStringLiteral("*") : QString());
        name.replace(QLatin1Char('&'), QStringLiteral("&&"));
        const QString text = i < 9 ? QStringLiteral("&%1 %2").arg(i + 1).arg(name) : name;
        QAction *entry = m_windowMenu->addAction(text);
        entry->setCheckable(true);
        entry->setChecked(window == m_mdiArea->currentSubWindow());
        m_windowList->addAction(entry);
        connect(entry, &QAction::triggered, m_mdiArea, [this, window] { m_mdiArea->setActiveSubWindow(window); });
    }
}

void CMainFrame::updateRecentFileActions()
{
    const QStringList &files = m_documents->recentFiles();
    for (int i = 0; i <= ID_FILE_MRU_LAST - ID_FILE_MRU_FIRST; ++i) {
        QAction *recent = action(ID_FILE_MRU_FIRST + i);
        if (i >= files.size()) {
            recent->setVisible(false);
            continue;
        }
        const QString path = QDir::toNativeSeparators(files.at(i));
        const QString shown = fontMetrics().elidedText(path, Qt::ElideMiddle, 400);
        // Only the first nine entries get a mnemonic digit.
        const QString number = QString::number(i + 1);
        const QString mnemonic = i < 9 ? QStringLiteral("&") + number : number;
        recent->setText(mnemonic + QLatin1Char(' ')
                        + QString(shown).replace(QLatin1Char('&'), QStringLiteral("&&")));
        recent->setStatusTip(tr("Open %1").arg(path));
        recent->setVisible(true);
    }
    startPage()->ReloadPage(files);
}
