#pragma once

#include <QMainWindow>
#include <QUrl>

class QWebEngineView;

// A window for a guide made of pages in the program's resources. Links move
// between the guide's pages, with Back, Forward and Contents on a toolbar;
// links anywhere else leave through externalLinkClicked, for the desktop's
// web browser.
class CHelpWindow : public QMainWindow
{
    Q_OBJECT
public:
    // `contents`: the guide's first page, e.g. qrc:/shell/help/index.html.
    // Every page in its folder belongs to the guide.
    explicit CHelpWindow(const QUrl &contents, QWidget *parent = nullptr);

    QWebEngineView *view() const { return m_view; }
    void showContents();

signals:
    void externalLinkClicked(const QUrl &url);

protected:
    void changeEvent(QEvent *event) override;

private:
    void followPalette();

    QUrl m_contents;
    QWebEngineView *m_view;
};
