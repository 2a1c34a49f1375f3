#include "core/FeedBufferPins.h"

#include "core/FeedBuffers.h"
#include "core/FeedNode.h"

#include <utility>

CFeedBufferPins::CFeedBufferPins(const CFeedBuffers &buffers) : m_counts(buffers.m_pins) {}

CFeedBufferPins::CFeedBufferPins(const CFeedBufferPins &other) : m_counts(other.m_counts), m_buffers(other.m_buffers)
{
    count(+1);
}

CFeedBufferPins &CFeedBufferPins::operator=(const CFeedBufferPins &other)
{
    if (this != &other)
        *this = CFeedBufferPins(other);
    return *this;
}

CFeedBufferPins &CFeedBufferPins::operator=(CFeedBufferPins &&other) noexcept
{
    count(-1);
    m_counts = std::move(other.m_counts);
    m_buffers = std::move(other.m_buffers);
    other.m_buffers.clear();
    return *this;
}

CFeedBufferPins::~CFeedBufferPins()
{
    count(-1);
}

void CFeedBufferPins::hold(const FeedNode &node)
{
    if (node.buffer != 0) {
        m_buffers.push_back(node.buffer);
        ++(*m_counts)[size_t(node.buffer)];
    }
    for (const FeedNode &child : node.children)
        hold(child);
}

void CFeedBufferPins::count(int step) const
{
    for (const int buffer : m_buffers)
        (*m_counts)[size_t(buffer)] += step;
}
