#pragma once

#include <QByteArray>

#include <array>
#include <condition_variable>
#include <mutex>
#include <thread>

class CPackedBytes;

// Unpacks a run of a CPackedBytes' blocks on a second thread, a few blocks
// ahead of the one in use, so that reading a long stretch (a save copying
// the file's untouched bytes) costs about what using the bytes costs: the
// machines have two cores. Leaves the packed bytes' own cache alone.
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
    static constexpr qsizetype kAhead = 4;

    void unpackAll();

    const CPackedBytes &m_bytes;
    const qsizetype m_first;
    const qsizetype m_end;
    std::array<QByteArray, kAhead + 1> m_slots;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    qsizetype m_unpacked = 0; // blocks ready, counted from m_first
    qsizetype m_handed = 0;   // blocks next() gave out
    bool m_stop = false;
    std::thread m_thread;
};
