#include "shell/ChildFrame.h"

#include "commands/PostCommands.h"
#include "document/RSSEditDoc.h"
#include "editor/RSSEditView.h"
#include "settings/PreviewBarSetting.h"
#include "publishing/PublishSettings.h"
#include "panes/BarPostDetails.h"
#include "panes/BarPreview.h"
#include "panes/BarProblems.h"
#include "panes/BarRssItems.h"
#include "panes/FeedPropertiesWnd.h"
#include "panes/PostsListCtrl.h"
#include "shell/DiskChangeBar.h"

#include <QApplication>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QMainWindow>
#include <QScreen>
#include <QStyle>
#include <QUndoStack>
#include <QtConcurrent/QtConcurrentRun>

namespace {

// "2 errors, 1 warning, 731 notes": the notes are the info lines the
// Problems pane lists beside the errors and warnings.
QString problemCounts(const QList<CFeedChecker::Problem> &problems)
{
    int errors = 0;
    int warnings = 0;
    int notes = 0;
    for (const CFeedChecker::Problem &problem : problems) {
        errors += problem.level() == CFeedRules::Level::Error;
        warnings += problem.level() == CFeedRules::Level::Warning;
        notes += problem.level() == CFeedRules::Level::Info;
    }
    return CChildFrame::tr("%1, %2, %3", "errors, warnings, notes")
        .arg(CChildFrame::tr("%n error(s)", nullptr, errors), CChildFrame::tr("%n warning(s)", nullptr, warnings),
             CChildFrame::tr("%n note(s)", nullptr, notes));
}

} // namespace

CChildFrame::CChildFrame(CRSSEditDoc *document, QWidget *parent, CHtmlEngineView *editorPage)
    : QMdiSubWindow(parent)
    , m_document(document)
    , m_postCommands(std::make_unique<CPostCommands>(document))
    , m_dockHost(new QMainWindow)
    , m_view(nullptr)
    , m_postsBar(nullptr)
    , m_previewBar(nullptr)
    , m_detailsBar(nullptr)
    , m_problemsBar(nullptr)
    , m_diskChangeBar(nullptr)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(QApplication::windowIcon());

    m_dockHost->setWindowFlags(Qt::Widget);
    m_dockHost->setDockOptions(QMainWindow::AnimatedDocks | QMainWindow::AllowNestedDocks);
    m_view = new CRSSEditView(m_document.get(), m_dockHost, editorPage);
    m_dockHost->setCentralWidget(m_view);
    m_view->setMinimumWidth(kEditorMinimumWidth);
    connect(m_view, &CRSSEditView::commandRequested, this, &CChildFrame::commandRequested);
    createBars();
    createDiskChangeBar();
    setWidget(m_dockHost);

    connectDocument();
    updateCaption();
    connect(m_view, &CRSSEditView::editStateChanged, this, &CChildFrame::commandStatesChanged);
}

CChildFrame::~CChildFrame()
{
    // The view and the bars talk to the document until they are gone, so
    // they go first; the document's last news (its stack emptied) has no
    // window left to update.
    m_document->undoStack()->disconnect(this);
    delete m_properties;
    delete m_dockHost;
}

void CChildFrame::connectDocument()
{
    CRSSEditDoc *document = m_document.get();
    connect(document, &CRSSEditDoc::modifiedChanged, this, &CChildFrame::updateCaption);
    connect(document, &CRSSEditDoc::pathChanged, this, &CChildFrame::updateCaption);
    // A save never waits for the check that follows it.
    connect(document, &CRSSEditDoc::saved, this, &CChildFrame::checkFeed, Qt::QueuedConnection);

    // A podcast's episodes live in their enclosures and tags, which only the
    // details pane shows; other feeds open without it.
    connect(document, &CRSSEditDoc::feedReset, this, [this] {
        if (m_feedShown)
            return;
        m_feedShown = true;
        if (m_document->IsPodcast())
            showDetailsBar();
        // The keys start in the list: arrows pick a post, Tab goes on to it.
        m_postsBar->listCtrl()->setFocus(Qt::OtherFocusReason);
    });

    for (auto changed : {&CRSSEditDoc::postsInserted, &CRSSEditDoc::postRemoved})
        connect(document, changed, this, &CChildFrame::commandStatesChanged);
    connect(document, &CRSSEditDoc::feedReset, this, &CChildFrame::commandStatesChanged);
    connect(document, &CRSSEditDoc::modifiedChanged, this, &CChildFrame::commandStatesChanged);
    connect(document, &CRSSEditDoc::pathChanged, this, &CChildFrame::commandStatesChanged);
    connect(document, &CRSSEditDoc::postFieldChanged, this, &CChildFrame::commandStatesChanged);
    connect(document->undoStack(), &QUndoStack::indexChanged, this, &CChildFrame::commandStatesChanged);
    connect(document->selection(), &CPostSelection::followed, this, &CChildFrame::commandStatesChanged);
}

void CChildFrame::createBars()
{
    // Dock areas are absolute: in a right-to-left language the posts run
    // down the right side, where reading starts.
    const bool rightToLeft = layoutDirection() == Qt::RightToLeft;
    const Qt::DockWidgetArea leading = rightToLeft ? Qt::RightDockWidgetArea : Qt::LeftDockWidgetArea;
    const Qt::DockWidgetArea trailing = rightToLeft ? Qt::LeftDockWidgetArea : Qt::RightDockWidgetArea;

    // The posts bar runs the full height; the preview sits under the editor.
    m_dockHost->setCorner(rightToLeft ? Qt::BottomRightCorner : Qt::BottomLeftCorner, leading);

    m_postsBar = new CBarRssItems(tr("RSS Items"), m_document.get(), m_dockHost);
    m_postsBar->setAllowedAreas(leading);
    m_dockHost->addDockWidget(leading, m_postsBar);

    m_previewBar = new CBarPreview(tr("Preview"), m_document.get(), m_dockHost);
    m_previewBar->setAllowedAreas(Qt::BottomDockWidgetArea);
    m_dockHost->addDockWidget(Qt::BottomDockWidgetArea, m_previewBar);
    m_previewBar->setVisible(PreviewBarSetting::value() != 0);

    m_detailsBar = new CBarPostDetails(tr("Post Details"), m_document.get(), m_dockHost);
    m_detailsBar->setAllowedAreas(trailing | Qt::BottomDockWidgetArea);
    m_dockHost->addDockWidget(trailing, m_detailsBar);
    m_detailsBar->hide();
    connect(m_detailsBar, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (!visible && m_postsBarSized)
            m_detailsWidth = m_detailsBar->width();
    });

    connect(m_postsBar, &CBarRssItems::feedPropertiesRequested, this, [this] { showProperties(); });
    connect(m_postsBar, &CBarRssItems::editorFocusRequested, m_view, &CRSSEditView::FocusEditor);
    connect(m_postsBar, &CBarRssItems::filteringChanged, this, &CChildFrame::commandStatesChanged);
    connect(m_postsBar, &CBarRssItems::sortOrderChanged, this, &CChildFrame::commandStatesChanged);
    m_postsBar->setPostCommands(m_postCommands.get());
    connect(m_postsBar->listCtrl(), &CPostsListCtrl::audioFilesDropped, this,
            [this](const QStringList &paths) { m_postCommands->addEpisodesFromAudio(paths); });

    // The problems sit under the posts list, hidden until a check.
    m_problemsBar = new CBarProblems(tr("Problems"), m_document.get(), m_dockHost);
    m_problemsBar->setAllowedAreas(leading | Qt::BottomDockWidgetArea);
    m_dockHost->splitDockWidget(m_postsBar, m_problemsBar, Qt::Vertical);
    m_problemsBar->hide();
    connect(m_problemsBar, &CBarProblems::problemActivated, this, &CChildFrame::showProblem);
    connect(m_problemsBar, &CBarProblems::problemsDropped, this, [this] {
        m_checkSummary = problemCounts(m_problemsBar->problems());
        emit checkSummaryChanged();
    });
    // A problem of the channel is shown in the feed's properties.
    connect(this, &CChildFrame::channelFieldRequested, this, [this](const QString &parent, const QString &field) {
        showProperties()->focusElement(parent == QLatin1String("channel") ? field : parent);
    });
}

// Across the top of the window, above the docks; the inner window lays out
// its menu widget there and gives it no room while it is hidden.
void CChildFrame::createDiskChangeBar()
{
    m_diskChangeBar = new CDiskChangeBar(m_document.get(), m_dockHost);
    m_dockHost->setMenuWidget(m_diskChangeBar);
}

CFeedPropertiesWnd *CChildFrame::showProperties()
{
    if (!m_properties)
        m_properties = new CFeedPropertiesWnd(m_document.get(), this);
    m_properties->show();
    m_properties->raise();
    m_properties->activateWindow();
    return m_properties;
}

void CChildFrame::checkFeed()
{
    const QByteArray bytes = m_document->feed()->PrintToString();
    const int check = ++m_checks;
    auto *watcher = new QFutureWatcher<QList<CFeedChecker::Problem>>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, check] {
        if (check == m_checks)
            showCheckResult(watcher->result());
        watcher->deleteLater();
    });
    CFeedChecker::Options options;
    options.podcastRules = CFeedChecker::PodcastRules::IfDeclared;
    options.media = CPublishSettings::localMedia(m_document->path());
    watcher->setFuture(QtConcurrent::run([bytes, options] { return CFeedChecker::Check(bytes, options); }));
}

void CChildFrame::showCheckResult(const QList<CFeedChecker::Problem> &problems)
{
    m_checkSummary = problemCounts(problems);
    m_problemsBar->setProblems(problems);
    if (!problems.isEmpty() && m_problemsBar->isHidden()) {
        m_problemsBar->show();
        // A third of the height, the posts list keeps the rest.
        m_dockHost->resizeDocks({m_postsBar, m_problemsBar}, {2, 1}, Qt::Vertical);
    }
    emit checkSummaryChanged();
}

void CChildFrame::showProblem(const CFeedChecker::Problem &problem)
{
    if (problem.post < 0 || problem.post >= m_document->feed()->GetPostCount()) {
        emit channelFieldRequested(problem.parent, problem.field);
        return;
    }
    // A post the filter hides comes back with all the others.
    CPostSelection *selection = m_document->selection();
    if (!selection->select(problem.post) && m_postsBar->filterBox()) {
        m_postsBar->toggleFilterBox();
        selection->select(problem.post);
    }
    // The editor shows four fields of a post; a problem in another one
    // (a guid, a date) is shown in the post's details, or else the post by
    // its title.
    CRSSEditDoc::PostField field = CRSSEditDoc::PostTitle;
    const bool inPost = problem.parent == QLatin1String("item") || problem.parent == QLatin1String("podcast:liveItem");
    if (inPost) {
        if (problem.field == QLatin1String("link"))
            field = CRSSEditDoc::PostLink;
        else if (problem.field == QLatin1String("author"))
            field = CRSSEditDoc::PostAuthor;
        else if (problem.field == QLatin1String("description"))
            field = CRSSEditDoc::PostDescription;
    }
    // A field the editor does not show may be in the post's details.
    const bool inEditor = field != CRSSEditDoc::PostTitle || problem.field == QLatin1String("title");
    if (!inEditor && m_detailsBar->focusElement(inPost ? problem.field : problem.parent))
        return;
    m_view->FocusPostField(field);
}

void CChildFrame::showEvent(QShowEvent *event)
{
    QMdiSubWindow::showEvent(event);
    if (!m_postsBarSized) {
        m_postsBarSized = true;
        sizePostsBar();
    }
}

// A third of the screen's width to start with. Only a laid-out dock area
// takes the width exactly, so this waits for the first show.
void CChildFrame::sizePostsBar()
{
    const QScreen *screen = this->screen();
    if (!screen)
        return;
    const int third = screen->geometry().width() / 3;
    if (m_detailsBar->isVisible())
        sizeBesideDetails(third);
    else
        m_dockHost->resizeDocks({m_postsBar}, {third}, Qt::Horizontal);
}

// With Post Details open the editor keeps a third of the window, the details
// get a third, what their fields need or the width the user last gave them,
// and the posts list the rest, up to a third and no less than it needs
// itself.
void CChildFrame::sizeBesideDetails(int postsWidth)
{
    const int third = m_dockHost->width() / 3;
    const int kept = qMin(m_detailsWidth, m_dockHost->width() * 2 / 5);
    const int details = qMax(qMax(third, kept), m_detailsBar->fieldsWidth());
    // The separators beside the editor come out of the docks' widths.
    const int separators = 2 * style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent, nullptr, m_dockHost);
    const int rest = m_dockHost->width() - third - details - separators;
    const int posts = qMax(m_postsBar->minimumSizeHint().width(), qMin(postsWidth, qMin(third, rest)));
    m_dockHost->resizeDocks({m_postsBar, m_detailsBar}, {posts, details}, Qt::Horizontal);
}

// A dock keeps its width when its window shrinks, so a feed window tiled
// beside others would leave the editor a sliver; the list gives way.
void CChildFrame::resizeEvent(QResizeEvent *event)
{
    QMdiSubWindow::resizeEvent(event);
    const int widest = m_dockHost->width() * 2 / 5;
    if (m_postsBarSized && m_postsBar->isVisible() && m_postsBar->width() > widest)
        m_dockHost->resizeDocks({m_postsBar}, {m_dockHost->width() / 3}, Qt::Horizontal);
    placeDetailsBar();
    if (m_detailsBar->isVisible() && m_dockHost->dockWidgetArea(m_detailsBar) != Qt::BottomDockWidgetArea
        && m_detailsBar->width() > widest)
        m_dockHost->resizeDocks({m_detailsBar}, {m_dockHost->width() / 3}, Qt::Horizontal);
}

// Beside the editor Post Details needs a quarter of the window at least
// to show its fields; in a window tiled narrower it would be a strip, so it
// goes under the editor, beside the preview, and back beside the editor
// once the window is wide again. A bar the user put under the editor
// stays there.
void CChildFrame::placeDetailsBar()
{
    if (!m_postsBarSized || !m_detailsBar->isVisible())
        return;
    const int separators = 2 * style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent, nullptr, m_dockHost);
    const int posts = m_postsBar->isVisible() ? m_postsBar->width() : 0;
    const int room = m_dockHost->width() - kEditorMinimumWidth - posts - separators;
    const bool narrow = room < m_dockHost->width() / 4;
    const bool below = m_dockHost->dockWidgetArea(m_detailsBar) == Qt::BottomDockWidgetArea;
    if (narrow && !below) {
        m_detailsBelowForRoom = true;
        m_dockHost->addDockWidget(Qt::BottomDockWidgetArea, m_detailsBar, Qt::Horizontal);
        // The width the bar had is the list's to take, up to a third; under
        // the editor its fields take more of the width than the preview.
        if (m_postsBar->isVisible())
            m_dockHost->resizeDocks({m_postsBar}, {m_dockHost->width() / 3}, Qt::Horizontal);
        if (m_previewBar->isVisible())
            m_dockHost->resizeDocks({m_previewBar, m_detailsBar}, {2, 3}, Qt::Horizontal);
    } else if (!narrow && below && m_detailsBelowForRoom) {
        m_detailsBelowForRoom = false;
        m_dockHost->addDockWidget(layoutDirection() == Qt::RightToLeft ? Qt::LeftDockWidgetArea : Qt::RightDockWidgetArea,
                                  m_detailsBar);
        sizeBesideDetails(posts);
    }
}

// The widgets of one pane that Tab stops at, in the window's focus chain
// order. A widget with a focus proxy stands in for the proxy, which is in
// the chain itself.
QList<QWidget *> CChildFrame::tabStops(const QWidget *pane)
{
    QList<QWidget *> stops;
    if (!pane->isVisible())
        return stops;
    QWidget *widget = this;
    do {
        widget = widget->nextInFocusChain();
        const bool takesTab = (widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && !widget->focusProxy();
        if (takesTab && pane->isAncestorOf(widget) && widget->isVisible() && widget->isEnabled())
            stops.append(widget);
    } while (widget != this);
    return stops;
}

// Widgets made later (the editor page's own widget, the filter box) join
// the focus chain at its end; the panes keep Tab in reading order all the
// same. Inside a pane Tab follows the chain; past its last stop it goes on
// to the next pane that has one.
bool CChildFrame::focusNextPrevChild(bool next)
{
    const QList<QWidget *> panes = {m_postsBar, m_view, m_previewBar, m_detailsBar, m_problemsBar};
    QWidget *focus = QApplication::focusWidget();
    int pane = -1;
    for (int i = 0; i < panes.size() && focus; ++i) {
        if (panes.at(i)->isAncestorOf(focus))
            pane = i;
    }
    if (pane < 0)
        return QMdiSubWindow::focusNextPrevChild(next);
    const Qt::FocusReason reason = next ? Qt::TabFocusReason : Qt::BacktabFocusReason;
    const QList<QWidget *> here = tabStops(panes.at(pane));
    const int at = here.indexOf(focus) + (next ? 1 : -1);
    if (here.contains(focus) && at >= 0 && at < here.size()) {
        here.at(at)->setFocus(reason);
        return true;
    }
    for (int step = 1; step <= panes.size(); ++step) {
        const int other = (pane + (next ? step : -step) + panes.size()) % panes.size();
        const QList<QWidget *> stops = tabStops(panes.at(other));
        if (!stops.isEmpty()) {
            (next ? stops.first() : stops.last())->setFocus(reason);
            return true;
        }
    }
    return false;
}

void CChildFrame::updateCaption()
{
    // The document's title is the file's name once it has a path.
    setWindowTitle(m_document->title() + QStringLiteral("[*]"));
    setWindowModified(m_document->IsModified());
}

void CChildFrame::setOpening(const QString &path)
{
    m_opening = true;
    m_dockHost->setEnabled(false);
    setWindowTitle(QFileInfo(path).fileName() + QStringLiteral("[*]"));
}

void CChildFrame::finishOpening()
{
    m_opening = false;
    m_dockHost->setEnabled(true);
}

void CChildFrame::showDetailsBar()
{
    m_detailsBar->show();
    placeDetailsBar();
    // Its fields need room that a dock's first width does not give.
    if (m_dockHost->dockWidgetArea(m_detailsBar) != Qt::BottomDockWidgetArea)
        sizeBesideDetails(m_postsBar->width());
}

void CChildFrame::toggleBar(QDockWidget *bar)
{
    bar->setVisible(bar->isHidden());
}

bool CChildFrame::OnCommand(int id)
{
    if (m_postsBar->OnCommand(id))
        return true;
    switch (id) {
    case ID_VIEW_POSTS_BAR:
        toggleBar(m_postsBar);
        return true;
    case ID_VIEW_POST_DETAILS:
        if (m_detailsBar->isVisible())
            m_detailsBar->hide();
        else
            showDetailsBar();
        return true;
    case ID_FEED_PROPERTIES:
        showProperties();
        return true;
    case ID_FEED_CHECK:
        checkFeed();
        return true;
    case ID_VIEW_PROBLEMS:
        toggleBar(m_problemsBar);
        return true;
    case ID_VIEW_PREVIEW:
        toggleBar(m_previewBar);
        // The pane comes back as the user left it, also after a restart.
        PreviewBarSetting::setValue(m_previewBar->isHidden() ? 0 : 1);
        PreviewBarSetting::save();
        return true;
    default:
        return false;
    }
}

bool CChildFrame::OnUpdateCommand(int id, CommandState *state)
{
    if (m_postsBar->OnUpdateCommand(id, state))
        return true;
    switch (id) {
    case ID_VIEW_POSTS_BAR:
        state->checkable = true;
        state->checked = !m_postsBar->isHidden();
        return true;
    case ID_VIEW_PREVIEW:
        state->checkable = true;
        state->checked = !m_previewBar->isHidden();
        return true;
    case ID_VIEW_POST_DETAILS:
        state->checkable = true;
        state->checked = !m_detailsBar->isHidden();
        return true;
    case ID_FEED_PROPERTIES:
        return true;
    case ID_FEED_CHECK:
        return true;
    case ID_VIEW_PROBLEMS:
        state->checkable = true;
        state->checked = !m_problemsBar->isHidden();
        return true;
    default:
        return false;
    }
}
