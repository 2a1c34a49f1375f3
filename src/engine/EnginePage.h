#pragma once

#include <QUrl>
#include <QWebEnginePage>

// A page that stays on the document it was given: links, dropped files and
// scripts cannot navigate it away, and it opens no windows.
class CEnginePage : public QWebEnginePage
{
    Q_OBJECT
public:
    explicit CEnginePage(QObject *parent = nullptr);

    void setHomeUrl(const QUrl &url) { m_homeUrl = url; }

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage *createWindow(WebWindowType type) override;

private:
    QUrl m_homeUrl;
};
