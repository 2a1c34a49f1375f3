#include "engine/HelpWindow.h"

#include <QAction>
#include <QToolBar>
#include <QWebEnginePage>
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

    QToolBar *bar = addToolBar(QStringLiteral("Navigation"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    bar->addAction(m_view->pageAction(QWebEnginePage::Back));
    bar->addAction(m_view->pageAction(QWebEnginePage::Forward));
    QAction *home = bar->addAction(QIcon::fromTheme(QStringLiteral("go-home")), QStringLiteral("Contents"));
    connect(home, &QAction::triggered, this, &CHelpWindow::showContents);
    // The window's title is the page's.
    connect(m_view, &QWebEngineView::titleChanged, this, &QWidget::setWindowTitle);

    resize(820, 640);
    showContents();
}

void CHelpWindow::showContents()
{
    m_view->load(m_contents);
}
