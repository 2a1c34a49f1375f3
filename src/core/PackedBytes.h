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
    // Blocks packed elsewhere (CPackedFileReader), in order, holding `size`
    // bytes.
    static CPackedBytes fromPackedBlocks(std::vector<QByteArray> blocks, qsizetype size);

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

    // A zstd decoding context: one per thread that unpacks.
    class Decoder
    {
    public:
        Decoder();
        ~Decoder();
        Decoder(const Decoder &) = delete;
        Decoder &operator=(const Decoder &) = delete;
        ZSTD_DCtx_s *context() const { return m_context; }

    private:
        ZSTD_DCtx_s *m_context;
    };
    qsizetype blockCount() const { return qsizetype(m_blocks.size()); }
    // Unpacks a block into `into`, leaving the cache alone: safe from
    // several threads at once, each with a decoder of its own.
    void unpackBlock(qsizetype block, QByteArray *into, Decoder &decoder) const;

    // Keeps open the file these bytes were read from, taking over `fd`:
    // fetchBlock then reads a block from it while it still holds that
    // block's bytes, which costs far less than unpacking them.
    void keepSourceFile(int fd);
    // A block's bytes into `into`, as unpackBlock gives them: read from the
    // source file when what it holds there has the block's checksum (it
    // may have been changed or cut since), else unpacked. Safe from several
    // threads at once, each with a decoder of its own.
    void fetchBlock(qsizetype block, QByteArray *into, Decoder &decoder) const;

private:
    struct SourceFile
    {
        explicit SourceFile(int fd) : fd(fd) {}
        ~SourceFile();
        SourceFile(const SourceFile &) = delete;
        SourceFile &operator=(const SourceFile &) = delete;
        const int fd;
    };
    struct Cached
    {
        qsizetype block = -1;
        QByteArray bytes;
    };

    // Stretches of this many blocks or more unpack ahead on a second thread.
    static constexpr qsizetype kReadAheadBlocks = 8;

    void appendBlock(const char *data, qsizetype size, ZSTD_CCtx_s *encoder);
    qsizetype blockLength(qsizetype block) const { return qMin(kBlockSize, m_size - block * kBlockSize); }
    bool readFromSource(qsizetype block, QByteArray *into) const;
    bool forEachPieceReadAhead(qsizetype begin, qsizetype end,
                               const std::function<bool(const char *, qsizetype)> &piece) const;
    const QByteArray &unpacked(qsizetype block) const;

    std::vector<QByteArray> m_blocks;
    qsizetype m_size = 0;
    mutable std::array<Cached, 4> m_cache;
    mutable size_t m_nextVictim = 0;
    mutable std::unique_ptr<Decoder> m_decoder;
    std::unique_ptr<SourceFile> m_source;
};
