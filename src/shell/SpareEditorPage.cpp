#include "shell/SpareEditorPage.h"

#include "editor/RSSEditView.h"
#include "engine/HtmlEngineView.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include <utility>

namespace {

// How long the program stays quiet before the page is made: long enough
// for a feed's window to finish what its open started (the list, the
// panes, its own page).
constexpr int kQuietMs = 1000;

bool isInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::Wheel:
        return true;
    default:
        return false;
    }
}

} // namespace

CSpareEditorPage::CSpareEditorPage(QWidget *host, std::function<bool()> busy)
    : QObject(host)
    , m_host(host)
    , m_busy(std::move(busy))
{
    m_quiet.setSingleShot(true);
    m_quiet.setInterval(kQuietMs);
    connect(&m_quiet, &QTimer::timeout, this, &CSpareEditorPage::onQuiet);
    waitForQuiet();
}

CSpareEditorPage::~CSpareEditorPage()
{
    drop();
}

CHtmlEngineView *CSpareEditorPage::take()
{
    CHtmlEngineView *page = m_page;
    m_page = nullptr;
    if (page)
        waitForQuiet();
    return page;
}

void CSpareEditorPage::drop()
{
    m_dropped = true;
    m_quiet.stop();
    qApp->removeEventFilter(this);
    delete m_page;
}

void CSpareEditorPage::waitForQuiet()
{
    if (m_dropped)
        return;
    qApp->installEventFilter(this);
    m_quiet.start();
}

bool CSpareEditorPage::eventFilter(QObject *watched, QEvent *event)
{
    if (isInput(event->type()))
        m_quiet.start();
    return QObject::eventFilter(watched, event);
}

void CSpareEditorPage::onQuiet()
{
    if (m_page)
        return;
    if (m_busy()) {
        m_quiet.start();
        return;
    }
    qApp->removeEventFilter(this);
    auto *page = new CHtmlEngineView(m_host);
    page->hide();
    // Without the page each feed window loads its own, and says so.
    if (!CRSSEditView::loadEditorPage(page)) {
        delete page;
        return;
    }
    m_page = page;
}
