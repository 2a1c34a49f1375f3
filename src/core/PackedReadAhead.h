#pragma once

#include "core/PackedBytes.h"

#include <QByteArray>

#include <array>
#include <condition_variable>
#include <mutex>
#include <thread>

// Unpacks a run of a CPackedBytes' blocks on two threads, a few blocks ahead
// of the one in use, so that reading a long stretch (the whole text printed,
// a parse of packed bytes) costs about what using the bytes costs: the
// machines have two cores. The second thread unpacks the blocks next in
// line; the thread that reads them unpacks blocks itself rather than wait
// when the second thread is behind, and unpacks a copy of the one it wants
// when the second thread holds it and all else is taken: on a busy machine
// that thread may not run for a while.
// Leaves the packed bytes' own cache alone.
class CPackedReadAhead
{
public:
    // Blocks [firstBlock, endBlock) of `bytes`, which must not change while
    // this lives.
    CPackedReadAhead(const CPackedBytes &bytes, qsizetype firstBlock, qsizetype endBlock);
    ~CPackedReadAhead();
    CPackedReadAhead(const CPackedReadAhead &) = delete;
    CPackedReadAhead &operator=(const CPackedReadAhead &) = delete;

    // The next block's bytes, in order, until the last; each stays good
    // until the next call.
    const QByteArray &next();

private:
    static constexpr qsizetype kSlots = 8;

    bool claim(qsizetype *block);
    void unpack(qsizetype block, CPackedBytes::Decoder &decoder, std::unique_lock<std::mutex> &lock);
    void unpackAll();

    const CPackedBytes &m_bytes;
    const qsizetype m_first;
    const qsizetype m_count;
    std::array<QByteArray, kSlots> m_slots;  // block b in slot b % kSlots
    std::array<qsizetype, kSlots> m_holds{}; // the block a slot holds unpacked, -1 for none
    std::array<bool, kSlots> m_busy{};       // a thread unpacks into the slot
    QByteArray m_copy; // a block the second thread held when it was wanted
    std::mutex m_mutex;
    std::condition_variable m_changed;
    qsizetype m_claimed = 0; // blocks either thread took to unpack, counted from m_first
    qsizetype m_handed = 0;  // blocks next() gave out
    bool m_stop = false;
    CPackedBytes::Decoder m_decoder; // the reading thread's
    std::thread m_thread;
};
