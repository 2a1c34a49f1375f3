#include "core/PackedReadAhead.h"

CPackedReadAhead::CPackedReadAhead(const CPackedBytes &bytes, qsizetype firstBlock, qsizetype endBlock)
    : m_bytes(bytes), m_first(firstBlock), m_count(endBlock - firstBlock)
{
    m_holds.fill(-1);
    m_busy.fill(false);
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

// Takes the next block to unpack, while its slot is free: the slot of the
// block in use (m_handed - 1) stays put until next() is called again, and
// a slot may still be written for a block handed out as a copy.
// Call with the lock held.
bool CPackedReadAhead::claim(qsizetype *block)
{
    if (m_claimed == m_count || m_claimed >= m_handed + kSlots - 1 || m_busy[size_t(m_claimed % kSlots)])
        return false;
    *block = m_claimed++;
    m_busy[size_t(*block % kSlots)] = true;
    return true;
}

// Unpacks a claimed block into its slot, without the lock: no other thread
// touches that slot until it is marked as holding the block.
void CPackedReadAhead::unpack(qsizetype block, CPackedBytes::Decoder &decoder, std::unique_lock<std::mutex> &lock)
{
    const size_t slot = size_t(block % kSlots);
    lock.unlock();
    m_bytes.unpackBlock(m_first + block, &m_slots[slot], decoder);
    lock.lock();
    m_holds[slot] = block;
    m_busy[slot] = false;
}

void CPackedReadAhead::unpackAll()
{
    CPackedBytes::Decoder decoder;
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        qsizetype block = -1;
        m_changed.wait(lock, [&] { return m_stop || m_claimed == m_count || claim(&block); });
        if (block < 0)
            return;
        unpack(block, decoder, lock);
        m_changed.notify_all();
    }
}

const QByteArray &CPackedReadAhead::next()
{
    Q_ASSERT(m_handed < m_count);
    std::unique_lock<std::mutex> lock(m_mutex);
    const qsizetype wanted = m_handed++;
    const size_t slot = size_t(wanted % kSlots);
    while (m_holds[slot] != wanted) {
        qsizetype block = 0;
        if (claim(&block)) {
            unpack(block, m_decoder, lock);
            continue;
        }
        // The second thread holds it, or its slot: never wait for a thread
        // that may not run. What that thread still writes is not read.
        m_claimed = qMax(m_claimed, m_handed);
        lock.unlock();
        m_changed.notify_all();
        m_bytes.unpackBlock(m_first + wanted, &m_copy, m_decoder);
        return m_copy;
    }
    lock.unlock();
    m_changed.notify_all();
    return m_slots[slot];
}
