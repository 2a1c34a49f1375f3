#pragma once

#include "core/BlockPacker.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class CPackedBytes;

// Reads a feed file a block at a time as the parse asks for its bytes, a
// second thread reading a few blocks ahead and packing each block behind the
// parse (CBlockPacker): opening a file then costs about what parsing its
// bytes costs, and the file is never whole in memory. Offers what FeedParser reads of bytes
// (size, at, mid, startsWith, forEachPiece); the last blocks read stay at
// hand, and an earlier one is read from the file again.
//
// The file is read once, from start to end, for the parse: finish() gives
// the packed bytes once the parse has asked for the last one.
class CPackedFileReader
{
public:
    static constexpr qsizetype kBlockSize = 64 * 1024;

    CPackedFileReader();
    ~CPackedFileReader();
    CPackedFileReader(const CPackedFileReader &) = delete;
    CPackedFileReader &operator=(const CPackedFileReader &) = delete;

    // False, with *error set, for a folder, a device or a pipe, a file that
    // cannot be opened, or one of 2 GiB or more (byte ranges in a feed are
    // 32-bit).
    bool open(const QString &path, QString *error);
    // Waits for the packing; *packed then holds the whole file, and keeps
    // it open for a save to read untouched blocks from. False when
    // the parse stopped short of the end, and, with *error set, when the
    // file could not be read whole as it was when opened.
    bool finish(CPackedBytes *packed, QString *error);

    qsizetype size() const { return m_size; }
    bool isEmpty() const { return m_size == 0; }
    char at(qsizetype position) const;
    QByteArray mid(qsizetype position, qsizetype length) const;
    bool startsWith(const char *prefix) const;
    bool forEachPiece(qsizetype begin, qsizetype end, const std::function<bool(const char *, qsizetype)> &piece) const;

private:
    struct Held
    {
        qsizetype block = -1;
        QByteArray bytes;
    };

    const QByteArray &block(qsizetype index) const;

    mutable QFile m_file;
    qsizetype m_size = 0;
    mutable std::array<Held, 4> m_held;
    mutable size_t m_nextVictim = 0;
    mutable QString m_failure; // of a block read again
    mutable std::unique_ptr<CBlockPacker> m_packer;
};
