#include "core/PackedReadAhead.h"

#include "core/PackedBytes.h"

CPackedReadAhead::CPackedReadAhead(const CPackedBytes &bytes, qsizetype firstBlock, qsizetype endBlock)
    : m_bytes(bytes), m_first(firstBlock), m_end(endBlock)
{
    m_thread = std::thread([this] { unpackAll(); });
}

CPackedReadAhead::~CPackedReadAhead()
{
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_stop = true;
    }
    m_changed.notify_all();
    m_thread.join();
}

// A slot is free again once next() has handed out the block after the one
// it held: the block in use stays put.
void CPackedReadAhead::unpackAll()
{
    CPackedBytes::Decoder decoder;
    for (qsizetype done = 0; done < m_end - m_first; ++done) {
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_changed.wait(lock, [&] { return m_stop || done < m_handed + kAhead; });
            if (m_stop)
                return;
        }
        m_bytes.unpackBlock(m_first + done, &m_slots[size_t(done % qsizetype(m_slots.size()))], decoder);
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_unpacked = done + 1;
        }
        m_changed.notify_all();
    }
}

const QByteArray &CPackedReadAhead::next()
{
    Q_ASSERT(m_handed < m_end - m_first);
    std::unique_lock<std::mutex> lock(m_mutex);
    m_changed.wait(lock, [&] { return m_unpacked > m_handed; });
    const qsizetype block = m_handed++;
    lock.unlock();
    m_changed.notify_all();
    return m_slots[size_t(block % qsizetype(m_slots.size()))];
}
