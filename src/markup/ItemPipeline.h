#pragma once

#include "core/FeedTree.h"
#include "markup/CheckReport.h"
#include "markup/FeedChecker.h"
#include "markup/ItemRules.h"

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

// Checks the channel's items on a thread of its own while the parse reads
// on, each as soon as its end tag is read: the check of a large feed then
// takes little longer than its parse. Whether the podcast rules apply is
// settled at the first item, by the namespaces declared so far. Each item's
// elements go back to the tree once checked (CFeedTree::releaseContents):
// the tree then holds the items' elements only when the check is not the
// one the feed needs and the items are checked again (itemsReleased()).
class CItemPipeline : public CFeedTree::Listener
{
public:
    CItemPipeline(CFeedTree &tree, const CFeedChecker::Options &options) : m_tree(tree), m_options(options) {}
    ~CItemPipeline() override { parsingStopped(); }

    // Whether the items were checked with the podcast rules; empty when
    // there were none to check.
    std::optional<bool> podcast() const { return m_rules ? std::optional<bool>(m_podcast) : std::nullopt; }
    CCheckReport takeProblems() { return std::move(m_report); }

    void elementClosed(const CFeedTree::Node &node) override;
    void parsingStopped() override;

private:
    using Node = CFeedTree::Node;

    // Handed over in batches: a lock per item would cost more than some items' check.
    static constexpr size_t kBatch = 64;
    // The parse waits while this many wait for their check, so that the
    // elements of only so many items are held at a time.
    static constexpr size_t kMostWaiting = 16 * kBatch;

    const Node *channel();
    void hand();
    void run();

    CFeedTree &m_tree;
    const CFeedChecker::Options &m_options;
    const Node *m_channel = nullptr;
    bool m_podcast = false;
    CCheckReport m_report;
    std::optional<CItemRules> m_rules;
    CFeedTree::Positions m_positions{m_tree};
    std::vector<const Node *> m_batch;
    std::thread m_worker;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_room;
    std::vector<const Node *> m_queue;
    bool m_stopped = false;
};
