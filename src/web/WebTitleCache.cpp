#include "web/WebTitleCache.h"

#include "core/TrimCharacters.h"
#include "settings/SettingsStore.h"
#include "web/WebTitleFetcher.h"

namespace {

// Spaces only: other white space at the ends stays part of the title.
QString trimSpaces(const QString &text)
{
    return TrimCharacters(text, u" ");
}

} // namespace

WebTitleCache &WebTitleCache::instance()
{
    static WebTitleCache cache;
    return cache;
}

void WebTitleCache::loadIfNeeded()
{
    if (m_loaded)
        return;
    m_loaded = true;
    m_titles.clear();
    const QStringList entries = ReadWebSiteTitleEntries();
    for (const QString &entry : entries) {
        const QString url = entry.section(u'=', 0, 0);
        if (url.isEmpty())
            continue;
        const QString title = ReadWebSiteTitle(url);
        if (!title.isEmpty())
            m_titles.insert(url, title);
    }
}

bool WebTitleCache::find(const QString &url, QString *title)
{
    loadIfNeeded();
    const auto found = m_titles.constFind(url);
    if (found == m_titles.constEnd())
        return false;
    *title = found.value();
    return true;
}

void WebTitleCache::insert(const QString &url, const QString &title)
{
    loadIfNeeded();
    m_titles.insert(url, title);
}

QString LookupWebTitle(const QString &url)
{
    QString title;
    if (WebTitleCache::instance().find(url, &title))
        return title;
    StartTitleFetch(url);
    return QString();
}

bool StoreWebTitle(const QString &url, const QString &text)
{
    const QString title = StorableTitle(text);
    if (url.isEmpty() || title.isEmpty())
        return false;
    WebTitleCache::instance().insert(url, trimSpaces(title));
    WriteWebSiteTitle(url, title);
    return true;
}
