#pragma once

#include <QMap>
#include <QString>

// The titles of web pages found so far, backed by section WebSiteTitles of
// Settings.ini and read from it on first use. URLs are compared exactly, so
// URLs differing in letter case are different entries. One cache for the
// process, used on the user-interface thread only.
class WebTitleCache
{
public:
    static WebTitleCache &instance();

    // False when the URL has no entry.
    bool find(const QString &url, QString *title);
    void insert(const QString &url, const QString &title);

private:
    WebTitleCache() = default;
    void loadIfNeeded();

    QMap<QString, QString> m_titles;
    bool m_loaded = false;
};

// The cached title of the URL. On a miss, starts fetching the page's title
// in the background and returns an empty string; the title reaches the
// title receiver later (see WebTitleFetcher.h).
QString LookupWebTitle(const QString &url);

// Caches the title as StorableTitle makes it, without leading and trailing
// spaces, and writes it to Settings.ini untrimmed. False, changing nothing,
// when either is empty.
bool StoreWebTitle(const QString &url, const QString &title);
