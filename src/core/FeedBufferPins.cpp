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
    const size_t first = m_buffers.size();
    node.appendEditBuffers(&m_buffers);
    for (size_t i = first; i < m_buffers.size(); ++i)
        ++(*m_counts)[size_t(m_buffers[i])];
}

void CFeedBufferPins::count(int step) const
{
    for (const int buffer : m_buffers)
        (*m_counts)[size_t(buffer)] += step;
}
