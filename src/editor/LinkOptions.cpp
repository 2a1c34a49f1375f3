#include "editor/LinkOptions.h"

#include "core/RssFeed.h"
#include "document/RSSEditDoc.h"
#include "engine/HtmlEngineView.h"

#include <QElapsedTimer>
#include <QStringList>

#include <algorithm>
#include <utility>

namespace {

// A step reads posts until it has taken this long, so that a switch or a
// key waits only about that long behind it, however slow the posts are to
// read (a large feed's blocks unpacked) or the machine is.
constexpr qint64 kStepBudgetNs = 2000000;
// How many posts are read between two looks at the clock.
constexpr int kPostsPerCheck = 64;
// Small enough that the page takes them in within a few milliseconds.
constexpr int kLinksPerStep = 1000;
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
    resumeWhenReported();
}

void CLinkOptions::resumeWhenReported()
{
    m_waitForPage = connect(m_engine, &CHtmlEngineView::reported, this, [this] {
        if (!m_engine->isReported(m_id))
            return;
        disconnect(m_waitForPage);
        if (m_collection == Collection::WaitingForPage) {
            m_collection = Collection::Reading;
            m_nextPost = 0;
        }
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
}

void CLinkOptions::collectStep()
{
    // A post on its way to the page goes first: its link is written with it,
    // and the step waits for the page's report of both. The links sent in
    // the step before are waited for too, so the page takes them in at its
    // own pace.
    if (!m_engine->isReported(m_id)) {
        resumeWhenReported();
        return;
    }
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
    const int count = feed->GetPostCount();
    QElapsedTimer step;
    step.start();
    do {
        const int end = std::min(count, m_nextPost + kPostsPerCheck);
        for (; m_nextPost < end; ++m_nextPost) {
            const QString link = feed->GetPostLink(m_nextPost);
            if (!link.isEmpty())
                m_waiting.insert(link);
        }
    } while (m_nextPost < count && step.nsecsElapsed() < kStepBudgetNs);
    if (m_nextPost < count)
        return;
    m_unsent = std::exchange(m_waiting, {});
    m_collection = Collection::Sending;
}

// The links leave the set as they are sent: no step copies or frees it whole.
void CLinkOptions::sendSomeLinks()
{
    QStringList links;
    while (!m_unsent.empty() && links.size() < kLinksPerStep)
        links.append(std::move(m_unsent.extract(m_unsent.begin()).value()));
    if (!links.isEmpty())
        m_engine->appendOptions(m_id, links);
    if (m_unsent.empty())
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
