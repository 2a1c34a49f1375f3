#include "engine/HelpWindow.h"

#include "engine/PageColors.h"
#include "engine/PageFont.h"

#include <QAction>
#include <QEvent>
#include <QScreen>
#include <QShortcut>
#include <QToolBar>
#include <QToolButton>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineView>

#include <functional>

namespace {

// Stays inside the guide's folder; a click on any other link is handed on.
class GuidePage : public QWebEnginePage
{
public:
    GuidePage(const QUrl &contents, std::function<void(const QUrl &)> leave, QObject *parent)
        : QWebEnginePage(parent)
        , m_folder(contents.adjusted(QUrl::RemoveFilename | QUrl::RemoveFragment | QUrl::RemoveQuery))
        , m_leave(std::move(leave))
    {
    }

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override
    {
        if (url.scheme() == m_folder.scheme() && url.path().startsWith(m_folder.path()))
            return true;
        if (type == NavigationTypeLinkClicked && isMainFrame)
            m_leave(url);
        return false;
    }
    QWebEnginePage *createWindow(WebWindowType) override { return nullptr; }

private:
    QUrl m_folder;
    std::function<void(const QUrl &)> m_leave;
};

} // namespace

CHelpWindow::CHelpWindow(const QUrl &contents, QWidget *parent)
    : QMainWindow(parent, Qt::Window)
    , m_contents(contents)
    , m_view(new QWebEngineView(this))
{
    setObjectName(QStringLiteral("helpWindow"));
    auto *page = new GuidePage(contents, [this](const QUrl &url) { emit externalLinkClicked(url); }, m_view);
    m_view->setPage(page);
    m_view->setContextMenuPolicy(Qt::NoContextMenu);
    setCentralWidget(m_view);
    followPalette();

    QToolBar *bar = addToolBar(tr("Navigation"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    // The engine names its actions in English, whatever the language.
    m_view->pageAction(QWebEnginePage::Back)->setText(tr("Back"));
    m_view->pageAction(QWebEnginePage::Forward)->setText(tr("Forward"));
    bar->addAction(m_view->pageAction(QWebEnginePage::Back));
    bar->addAction(m_view->pageAction(QWebEnginePage::Forward));
    QAction *home = bar->addAction(QIcon::fromTheme(QStringLiteral("go-home")), tr("Contents"));
    // The toolbar takes no focus: its commands have keys.
    m_view->pageAction(QWebEnginePage::Back)->setShortcut(QKeySequence::Back);
    m_view->pageAction(QWebEnginePage::Forward)->setShortcut(QKeySequence::Forward);
    home->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Home));
    connect(home, &QAction::triggered, this, &CHelpWindow::showContents);
    // The button that shows the tools a narrow window has no room for.
    if (auto *more = bar->findChild<QToolButton *>(QStringLiteral("qt_toolbar_ext_button")))
        more->setAccessibleName(tr("More tools"));
    // The window's title is the page's.
    connect(m_view, &QWebEngineView::titleChanged, this, &QWidget::setWindowTitle);
    // A reading window, closed like a dialog.
    auto *close = new QShortcut(QKeySequence::Cancel, this);
    connect(close, &QShortcut::activated, this, &QWidget::close);

    // Within a small screen's free area, with room for the window's frame.
    const QSize room = screen() ? screen()->availableGeometry().size() - QSize(16, 48) : QSize(820, 640);
    resize(QSize(820, 640).boundedTo(room));
    showContents();
}

void CHelpWindow::showContents()
{
    m_view->load(m_contents);
}

// The guide's pages take the window's colours: each page is given them as
// it starts, and the one shown gets them again when the palette changes.
void CHelpWindow::followPalette()
{
    QVariantMap look = CPageColors::of(palette());
    look.insert(CPageFont::of(font()));
    const QString script = CPageColors::script(look);
    QWebEnginePage *page = m_view->page();
    page->setBackgroundColor(palette().color(QPalette::Base));
    QWebEngineScriptCollection &scripts = page->scripts();
    for (const QWebEngineScript &old : scripts.find(QStringLiteral("pageColors")))
        scripts.remove(old);
    QWebEngineScript colors;
    colors.setName(QStringLiteral("pageColors"));
    colors.setInjectionPoint(QWebEngineScript::DocumentCreation);
    colors.setWorldId(QWebEngineScript::ApplicationWorld);
    colors.setSourceCode(script);
    scripts.insert(colors);
    page->runJavaScript(script, QWebEngineScript::ApplicationWorld);
}

void CHelpWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange)
        followPalette();
}
