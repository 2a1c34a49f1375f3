#pragma once

#include "engine/HtmlEngineView.h"

#include <QStringList>

class QUrl;

// The page behind the feed windows: a link that creates a feed, the recent
// feeds as links that open them, and links to the user guide and to web
// pages. It only says what the user asked for; the main window does it.
class CStartPage : public CHtmlEngineView
{
    Q_OBJECT
public:
    // The prefix of a recent feed's link; the feed's path follows it.
    static const QString kRecentFilePrefix;

    explicit CStartPage(QWidget *parent = nullptr);

    // Lists the files, newest first, between the page's markers.
    void ReloadPage(const QStringList &recentFiles);
    // The list's markup, markers included: one bulleted link per file.
    static QString BuildRecentFilesHtml(const QStringList &recentFiles);
    // Acts on a link of the page; false for a link the page does not know.
    bool HandleStartPageLink(const QString &href);

signals:
    void newFeedRequested();
    void openFeedRequested();
    void recentFileRequested(const QString &path);
    void guideRequested();
    void webPageRequested(const QUrl &url);
    // The address of the web link under the mouse; empty when it left.
    void linkHovered(const QString &url);

private:
    void onLinkHovered(const QString &url);
};
