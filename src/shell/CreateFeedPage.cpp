#include "shell/CreateFeedPage.h"

#include "document/RSSEditDoc.h"
#include "engine/HtmlEngineView.h"

#include <QVBoxLayout>

namespace {

const QString kTitle = QStringLiteral("elem_title");
const QString kLink = QStringLiteral("elem_link");
const QString kCategory = QStringLiteral("elem_cat");
const QString kOk = QStringLiteral("btn_ok");
const QString kCancel = QStringLiteral("btn_cancel");

} // namespace

bool CCreateFeedPage::RunCreateFeedPage(QWidget *parent, NewFeedParams *params)
{
    CCreateFeedPage dialog(*params, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    *params = dialog.values();
    return true;
}

CCreateFeedPage::CCreateFeedPage(const NewFeedParams &params, QWidget *parent)
    : QDialog(parent)
    , m_page(new CHtmlEngineView(this))
{
    setObjectName(QStringLiteral("createFeedPage"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_page);
    // The page's title is the window's; the page is small and fixed.
    connect(m_page, &QWebEngineView::titleChanged, this, &QWidget::setWindowTitle);
    setFixedSize(480, 172);

    connect(m_page, &CHtmlEngineView::elementEvent, this, &CCreateFeedPage::onElementEvent);
    connect(m_page, &CHtmlEngineView::pageReady, this, [this] { m_page->setFocus(); });
    m_page->loadPage(QStringLiteral(":/shell/pages/create_feed.html"));
    // Kept until the page runs its scripts.
    m_page->setValue(kTitle, params.title);
    m_page->setValue(kLink, params.link);
    m_page->setValue(kCategory, params.category);
    m_page->setElementState(kTitle, CHtmlEngineView::StateFocus, 0);
}

NewFeedParams CCreateFeedPage::values() const
{
    return {m_page->value(kTitle).toString(), m_page->value(kLink).toString(), m_page->value(kCategory).toString()};
}

void CCreateFeedPage::onElementEvent(int code, const QString &id)
{
    if (code != CHtmlEngineView::ButtonClick)
        return;
    if (id == kOk)
        accept();
    else if (id == kCancel)
        reject();
}
