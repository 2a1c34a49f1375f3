#include "engine/EnginePage.h"

CEnginePage::CEnginePage(QObject *parent)
    : QWebEnginePage(parent)
{
}

bool CEnginePage::acceptNavigationRequest(const QUrl &url, NavigationType, bool isMainFrame)
{
    return isMainFrame && url == m_homeUrl;
}

QWebEnginePage *CEnginePage::createWindow(WebWindowType)
{
    return nullptr;
}
