#include "panes/ChildFrame.h"

#include "document/RSSEditDoc.h"
#include "editor/RSSEditView.h"

#include <QApplication>
#include <QDir>
#include <QMainWindow>

CChildFrame::CChildFrame(CRSSEditDoc *document, QWidget *parent)
    : QMdiSubWindow(parent)
    , m_document(document)
    , m_dockHost(new QMainWindow)
    , m_view(nullptr)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(QApplication::windowIcon());

    m_dockHost->setWindowFlags(Qt::Widget);
    m_dockHost->setDockOptions(QMainWindow::AnimatedDocks | QMainWindow::AllowNestedDocks);
    m_view = new CRSSEditView(m_document.get(), m_dockHost);
    m_dockHost->setCentralWidget(m_view);
    connect(m_view, &CRSSEditView::commandRequested, this, &CChildFrame::commandRequested);
    setWidget(m_dockHost);

    m_document->setFrame(this);
    connect(m_document.get(), &CRSSEditDoc::modifiedChanged, this, &CChildFrame::updateCaption);
    connect(m_document.get(), &CRSSEditDoc::pathChanged, this, &CChildFrame::updateCaption);
    updateCaption();
}

CChildFrame::~CChildFrame()
{
    // The view and the bars talk to the document until they are gone, so
    // they go first.
    m_document->setFrame(nullptr);
    delete m_dockHost;
}

void CChildFrame::addObserver(CRSSObserver *observer)
{
    m_observers.push_back(observer);
}

void CChildFrame::updateCaption()
{
    QString caption = m_document->path().isEmpty() ? m_document->title()
                                                    : QDir::toNativeSeparators(m_document->path());
    if (m_document->IsModified())
        caption += QStringLiteral(" *");
    setWindowTitle(caption);
}

void CChildFrame::OnRSSNotify(CRSSObserver *sender, int hint, const QVariant &data)
{
    for (CRSSObserver *observer : m_observers) {
        if (sender && sender == observer)
            continue;
        observer->OnRSSNotify(sender, hint, data);
    }
}

bool CChildFrame::OnCommand(int)
{
    return false;
}

bool CChildFrame::OnUpdateCommand(int, CommandState *)
{
    return false;
}
