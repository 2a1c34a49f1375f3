#include "shell/MdiClient.h"

#include "shell/StartPage.h"

#include <QEvent>

CMdiClient::CMdiClient(QWidget *parent)
    : QMdiArea(parent)
    , m_startPage(new CStartPage(viewport()))
{
    // Feed windows are added above it and raised when activated; the page
    // itself is never raised.
    m_startPage->lower();
    m_startPage->setGeometry(viewport()->rect());
}

bool CMdiClient::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::Resize)
        m_startPage->setGeometry(viewport()->rect());
    return QMdiArea::viewportEvent(event);
}
