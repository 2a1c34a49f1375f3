#pragma once

#include <memory>
#include <vector>

class CFeedBuffers;
struct FeedNode;

// Keeps the edit buffers that nodes kept outside a feed's tree point into
// (a removed post, a part saved for undo) from being released, for as long
// as the pins live. Copies pin the same buffers again.
class CFeedBufferPins
{
public:
    CFeedBufferPins() = default;
    explicit CFeedBufferPins(const CFeedBuffers &buffers);
    CFeedBufferPins(const CFeedBufferPins &other);
    CFeedBufferPins &operator=(const CFeedBufferPins &other);
    CFeedBufferPins(CFeedBufferPins &&other) noexcept = default;
    CFeedBufferPins &operator=(CFeedBufferPins &&other) noexcept;
    ~CFeedBufferPins();

    // Pins the buffers of the node and of its children.
    void hold(const FeedNode &node);

private:
    void count(int step) const;

    std::shared_ptr<std::vector<int>> m_counts; // per buffer, shared with the feed's buffers
    std::vector<int> m_buffers;                 // one entry per node held, buffer 0 left out
};
