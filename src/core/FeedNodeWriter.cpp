#include "core/FeedNodeWriter.h"

#include "core/FeedEncoding.h"
#include "core/RssFeed.h"

CFeedNodeWriter::CFeedNodeWriter(CRssFeed *feed) : m_feed(feed), m_buffer(feed->m_buffers.count()) {}

void CFeedNodeWriter::finish()
{
    m_feed->addBuffer(std::move(m_bytes));
}

void CFeedNodeWriter::begin(FeedNode &node, const QByteArray &lead, const QByteArray &startTag)
{
    node.buffer = m_buffer;
    node.leadBegin = m_bytes.size();
    m_bytes += lead;
    node.begin = m_bytes.size();
    m_bytes += startTag;
    node.contentBegin = node.tailBegin = m_bytes.size();
}

void CFeedNodeWriter::end(FeedNode &node, const QString &closeLead, const QByteArray &endTag)
{
    node.tailBegin = node.children.empty() ? node.contentBegin : m_bytes.size();
    append(closeLead);
    node.contentEnd = m_bytes.size();
    m_bytes += endTag;
    node.end = m_bytes.size();
}

void CFeedNodeWriter::append(const QString &text)
{
    m_bytes += m_feed->m_encoding->encode(text);
}

QByteArray CFeedNodeWriter::tag(const QString &text) const
{
    return m_feed->m_encoding->encode(text);
}

FeedNode CFeedNodeWriter::copy(const FeedNode &node, const QByteArray &lead)
{
    FeedNode copied;
    copied.name = node.name;
    begin(copied, lead, m_feed->m_buffers.range(node.buffer, node.begin, node.contentBegin));
    for (const FeedNode &child : node.children) {
        copied.children.push_back(copy(child, m_feed->m_buffers.range(child.buffer, child.leadBegin, child.begin)));
    }
    copyTail(copied, node);
    return copied;
}

void CFeedNodeWriter::copyTail(FeedNode &node, const FeedNode &from)
{
    node.tailBegin = m_bytes.size();
    node.contentEnd = node.tailBegin + (from.contentEnd - from.tailBegin);
    m_bytes += m_feed->m_buffers.range(from.buffer, from.tailBegin, from.end);
    node.end = m_bytes.size();
}
