#include "editor/LinkOptions.h"

#include "core/RssFeed.h"
#include "document/RSSEditDoc.h"
#include "engine/HtmlEngineView.h"

#include <algorithm>

namespace {

// Small enough that a switch or a key waits only a few milliseconds behind
// a step, at either end.
constexpr int kPostsPerStep = 2000;
constexpr int kLinksPerStep = 2000;
// However short, a pause between steps lets the window's loop take in the
// page's messages (its answers, the frames it draws) between them: steps
// run back to back held those up until the last, and with them the first
// post the page shows.
constexpr int kPauseBetweenStepsMs = 1;

} // namespace

CLinkOptions::CLinkOptions(CRSSEditDoc *doc, CHtmlEngineView *engine, const QString &id, QObject *parent)
    : QObject(parent), m_doc(doc), m_engine(engine), m_id(id)
{
    m_step.setSingleShot(true);
    m_step.setInterval(kPauseBetweenStepsMs);
    connect(&m_step, &QTimer::timeout, this, &CLinkOptions::collectStep);
    connect(doc, &CRSSEditDoc::feedReset, this, &CLinkOptions::restart);
    connect(doc, &CRSSEditDoc::postFieldChanged, this, [this](int post, CRSSEditDoc::PostField field) {
        if (field == CRSSEditDoc::PostLink)
            postLinkCameIn(post);
    });
    // The posts not read yet keep their place in the reading.
    connect(doc, &CRSSEditDoc::postsInserted, this, [this](int post) {
        if (post < m_nextPost)
            ++m_nextPost;
        postLinkCameIn(post);
    });
    connect(doc, &CRSSEditDoc::postRemoved, this, [this](int post) {
        if (post < m_nextPost)
            --m_nextPost;
    });
    connect(doc, &CRSSEditDoc::postRestored, this, &CLinkOptions::postLinkCameIn);
}

void CLinkOptions::show(const QString &link)
{
    if (!m_engine->hasElement(m_id))
        return;
    if (m_collection != Collection::Done) {
        // Shown before the list is filled, which then takes it in its place.
        m_engine->setValue(m_id, link);
        if (m_collection == Collection::NotStarted)
            collectWhenShown();
        return;
    }
    if (!link.isEmpty())
        m_waiting.insert(link);
    if (!m_waiting.empty())
        m_engine->appendOptions(m_id, QStringList(m_waiting.cbegin(), m_waiting.cend()));
    m_waiting.clear();
    m_engine->setValue(m_id, link);
}

void CLinkOptions::collectWhenShown()
{
    m_collection = Collection::WaitingForPage;
    m_waitForPage = connect(m_engine, &CHtmlEngineView::reported, this, [this] {
        if (!m_engine->isReported(m_id))
            return;
        disconnect(m_waitForPage);
        m_collection = Collection::Reading;
        m_nextPost = 0;
        m_step.start();
    });
}

// A new feed: its links are read anew; the page keeps those it lists.
void CLinkOptions::restart()
{
    disconnect(m_waitForPage);
    m_step.stop();
    m_collection = Collection::NotStarted;
    m_waiting.clear();
    m_unsent.clear();
    m_sent = 0;
}

void CLinkOptions::collectStep()
{
    if (m_collection == Collection::Reading)
        readSomePosts();
    else if (m_collection == Collection::Sending)
        sendSomeLinks();
    if (m_collection == Collection::Reading || m_collection == Collection::Sending)
        m_step.start();
}

// Once every post is read, the links go to the page in ascending order.
void CLinkOptions::readSomePosts()
{
    const CRssFeed *feed = m_doc->feed();
    const int end = std::min(feed->GetPostCount(), m_nextPost + kPostsPerStep);
    for (; m_nextPost < end; ++m_nextPost) {
        const QString link = feed->GetPostLink(m_nextPost);
        if (!link.isEmpty())
            m_waiting.insert(link);
    }
    if (m_nextPost < feed->GetPostCount())
        return;
    m_unsent = QStringList(m_waiting.cbegin(), m_waiting.cend());
    m_waiting.clear();
    m_sent = 0;
    m_collection = Collection::Sending;
}

void CLinkOptions::sendSomeLinks()
{
    const qsizetype count = std::min<qsizetype>(kLinksPerStep, m_unsent.size() - m_sent);
    if (count > 0)
        m_engine->appendOptions(m_id, m_unsent.mid(m_sent, count));
    m_sent += count;
    if (m_sent < m_unsent.size())
        return;
    m_unsent.clear();
    m_collection = Collection::Done;
}

// Links of posts read already, or of a list being sent, wait for the next
// post shown; before the reading starts it finds them itself.
void CLinkOptions::postLinkCameIn(int post)
{
    const bool readLater = m_collection == Collection::NotStarted || m_collection == Collection::WaitingForPage;
    if (readLater || post < 0 || post >= m_doc->feed()->GetPostCount())
        return;
    const QString link = m_doc->feed()->GetPostLink(post);
    if (!link.isEmpty())
        m_waiting.insert(link);
}
