#pragma once

#include <QByteArray>
#include <QString>

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

struct ZSTD_CCtx_s;

// Reads a file's blocks a few ahead of the parse on a second thread, and
// packs each block (zstd) once read, while the parse goes on: opening a file
// then costs the parsing thread about the parse alone on a machine with two
// cores. When the second thread is behind (a busy machine may not run it),
// the parsing thread reads the block it wants itself, and packs a block
// itself rather than let more than a few wait, so the raw bytes never pile
// up in memory.
class CBlockPacker
{
public:
    static constexpr qsizetype kBlockSize = 64 * 1024;

    // Reads the file open as `fd`, `size` bytes from its start.
    CBlockPacker(int fd, qsizetype size);
    ~CBlockPacker();
    CBlockPacker(const CBlockPacker &) = delete;
    CBlockPacker &operator=(const CBlockPacker &) = delete;

    // One block packed, on the calling thread: a zstd frame that ends in the
    // low four bytes of its bytes' XXH64 (little-endian).
    static QByteArray pack(const char *data, qsizetype size, ZSTD_CCtx_s *encoder);
    // Block `index` of a file `size` bytes long, read from any thread. A
    // block read short stands as zeros, which no feed parses, and *failure
    // says why.
    static QByteArray readBlock(int fd, qsizetype size, qsizetype index, QString *failure);

    // The raw bytes of block `index`, not taken before; every block before
    // it is taken too. Each block taken is packed.
    QByteArray take(qsizetype index);
    // Blocks taken, from the first.
    qsizetype taken() const { return m_taken; }
    // Stops reading and waits for the packing of the blocks taken:
    // (index, packed bytes), in no order. *failure gets the first read's
    // failure, or stays empty.
    std::vector<std::pair<qsizetype, QByteArray>> finish(QString *failure);

private:
    using Block = std::pair<qsizetype, QByteArray>;
    static constexpr size_t kReadAhead = 2;
    static constexpr size_t kMaxWaiting = 4;

    bool mayReadAhead() const;
    QByteArray read(qsizetype index, std::unique_lock<std::mutex> &lock);
    void packOne(ZSTD_CCtx_s *encoder, std::unique_lock<std::mutex> &lock);
    void work();

    const int m_fd;
    const qsizetype m_size;
    const qsizetype m_blockCount;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    qsizetype m_read = 0;  // blocks either thread has read or is reading
    qsizetype m_taken = 0; // blocks take() gave out (the parsing thread's own)
    std::deque<Block> m_ahead;   // read ahead, not taken yet
    std::deque<Block> m_waiting; // taken, not packed yet
    std::vector<Block> m_packed;
    QString m_failure;
    bool m_finishing = false;
    std::unique_ptr<ZSTD_CCtx_s, void (*)(ZSTD_CCtx_s *)> m_encoder; // the parsing thread's
    std::thread m_thread;
};
