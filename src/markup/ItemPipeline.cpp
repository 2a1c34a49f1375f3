#include "markup/ItemPipeline.h"

#include "markup/PodcastRules.h"

void CItemPipeline::elementClosed(const Node &node)
{
    if (node.post < 0 || node.name != QLatin1String("item") || node.parent != channel())
        return;
    if (!m_rules) {
        m_podcast = m_options.podcastRules == CFeedChecker::PodcastRules::On
                || (m_options.podcastRules == CFeedChecker::PodcastRules::IfDeclared
                    && CPodcastRules::declaresPodcast(m_tree));
        m_rules.emplace(m_tree, m_options, m_podcast, m_report);
        m_worker = std::thread([this] { run(); });
    }
    m_batch.push_back(&node);
    if (m_batch.size() >= kBatch)
        hand();
}

void CItemPipeline::parsingStopped()
{
    if (!m_worker.joinable())
        return;
    hand();
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_stopped = true;
    }
    m_wake.notify_one();
    m_worker.join();
}

// The channel the checker reads: the first of the rss element's.
const CFeedTree::Node *CItemPipeline::channel()
{
    if (!m_channel) {
        const Node *root = m_tree.root();
        if (root && root->name == QLatin1String("rss"))
            m_channel = root->child(QStringLiteral("channel"));
    }
    return m_channel;
}

void CItemPipeline::hand()
{
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_room.wait(lock, [this] { return m_queue.size() < kMostWaiting; });
        m_queue.insert(m_queue.end(), m_batch.begin(), m_batch.end());
    }
    m_batch.clear();
    m_wake.notify_one();
}

void CItemPipeline::run()
{
    std::vector<const Node *> items;
    for (;;) {
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_wake.wait(lock, [this] { return !m_queue.empty() || m_stopped; });
            if (m_queue.empty())
                break;
            items.swap(m_queue);
        }
        m_room.notify_one();
        const size_t first = m_report.size();
        for (const Node *item : items)
            m_rules->checkItem(*item);
        m_report.placeFrom(first, m_positions);
        m_tree.releaseContents(items);
        items.clear();
    }
    // Freed by the thread that made them, which is quicker.
    m_rules->forgetGuids();
}
