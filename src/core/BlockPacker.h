#pragma once

#include <QByteArray>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

struct ZSTD_CCtx_s;

// Packs blocks of a file's bytes (zstd) on a second thread while the thread
// that hands them over goes on (reading and parsing the file): the packing
// then costs no time of its own on a machine with two cores. At most a few
// blocks wait, so the raw bytes never pile up in memory.
class CBlockPacker
{
public:
    CBlockPacker();
    ~CBlockPacker();
    CBlockPacker(const CBlockPacker &) = delete;
    CBlockPacker &operator=(const CBlockPacker &) = delete;

    // One block packed, on the calling thread.
    static QByteArray pack(const char *data, qsizetype size, ZSTD_CCtx_s *encoder);

    // Hands block `index` over; waits while the thread is behind.
    void add(qsizetype index, QByteArray raw);
    // Waits for every block handed over: (index, packed bytes), in the
    // order they were handed over.
    std::vector<std::pair<qsizetype, QByteArray>> finish();

private:
    static constexpr size_t kMaxWaiting = 4;

    void packAll();

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<std::pair<qsizetype, QByteArray>> m_waiting;
    std::vector<std::pair<qsizetype, QByteArray>> m_packed;
    bool m_finishing = false;
    std::thread m_thread;
};
