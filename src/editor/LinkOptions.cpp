#include "editor/LinkOptions.h"

#include "core/RssFeed.h"
#include "document/RSSEditDoc.h"
#include "engine/HtmlEngineView.h"

#include <QStringList>
#include <QTimer>

CLinkOptions::CLinkOptions(CRSSEditDoc *doc, CHtmlEngineView *engine, const QString &id, QObject *parent)
    : QObject(parent), m_doc(doc), m_engine(engine), m_id(id)
{
    connect(doc, &CRSSEditDoc::feedReset, this, [this] {
        m_collected = false;
        m_waiting.clear();
    });
    connect(doc, &CRSSEditDoc::postFieldChanged, this, [this](int post, CRSSEditDoc::PostField field) {
        if (field == CRSSEditDoc::PostLink)
            postLinkCameIn(post);
    });
    connect(doc, &CRSSEditDoc::postsInserted, this, &CLinkOptions::postLinkCameIn);
    connect(doc, &CRSSEditDoc::postRestored, this, &CLinkOptions::postLinkCameIn);
}

void CLinkOptions::show(const QString &link)
{
    if (!m_engine->hasElement(m_id))
        return;
    if (!m_collected) {
        // Shown before the list is filled, which then takes it in its place.
        m_engine->setValue(m_id, link);
        if (!m_collectQueued) {
            m_collectQueued = true;
            QTimer::singleShot(0, this, &CLinkOptions::collectAll);
        }
        return;
    }
    if (!link.isEmpty())
        m_waiting.insert(link);
    if (!m_waiting.empty())
        m_engine->appendOptions(m_id, QStringList(m_waiting.cbegin(), m_waiting.cend()));
    m_waiting.clear();
    m_engine->setValue(m_id, link);
}

void CLinkOptions::collectAll()
{
    m_collectQueued = false;
    if (m_collected || !m_engine->hasElement(m_id))
        return;
    m_doc->feed()->CollectLinks(m_waiting);
    m_engine->appendOptions(m_id, QStringList(m_waiting.cbegin(), m_waiting.cend()));
    m_waiting.clear();
    m_collected = true;
}

void CLinkOptions::postLinkCameIn(int post)
{
    if (!m_collected || post < 0 || post >= m_doc->feed()->GetPostCount())
        return;
    const QString link = m_doc->feed()->GetPostLink(post);
    if (!link.isEmpty())
        m_waiting.insert(link);
}
