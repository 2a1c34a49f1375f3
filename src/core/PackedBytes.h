#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <vector>

struct ZSTD_CCtx_s;
struct ZSTD_DCtx_s;

// A file's bytes kept compressed in blocks of 64 KiB (zstd), so that an
// open feed holds a fraction of its file in memory: a feed file's markup
// packs to a fifth or less. Any range reads back as it was; the blocks last
// read stay unpacked, so that reading a post's fields, or the whole file
// from start to end, unpacks each block once.
//
// Reading changes that cache: use it from one thread at a time.
class CPackedBytes
{
public:
    static constexpr qsizetype kBlockSize = 64 * 1024;

    static CPackedBytes fromBytes(const QByteArray &bytes);
    // Reads the file a block at a time, so that it is never whole in
    // memory. False, with *error set, for a folder, a file that cannot be
    // read, or one of 2 GiB or more (byte ranges in a feed are 32-bit).
    static bool readFile(const QString &path, CPackedBytes *packed, QString *error);

    qsizetype size() const { return m_size; }
    bool isEmpty() const { return m_size == 0; }
    char at(qsizetype position) const;
    QByteArray mid(qsizetype position, qsizetype length) const;
    bool startsWith(const char *prefix) const;
    // Hands [begin, end) to `piece` in stretches no longer than a block,
    // in order; stops, returning false, when `piece` returns false. A
    // stretch lives in the cache: `piece` must not read these bytes itself.
    bool forEachPiece(qsizetype begin, qsizetype end, const std::function<bool(const char *, qsizetype)> &piece) const;

    // What the blocks take in memory, for measuring.
    qsizetype packedSize() const;

private:
    struct FreeDecoder
    {
        void operator()(ZSTD_DCtx_s *decoder) const;
    };
    struct Cached
    {
        qsizetype block = -1;
        QByteArray bytes;
    };

    void appendBlock(const char *data, qsizetype size, ZSTD_CCtx_s *encoder);
    const QByteArray &unpacked(qsizetype block) const;

    std::vector<QByteArray> m_blocks;
    qsizetype m_size = 0;
    mutable std::array<Cached, 4> m_cache;
    mutable size_t m_nextVictim = 0;
    mutable std::unique_ptr<ZSTD_DCtx_s, FreeDecoder> m_decoder;
};
