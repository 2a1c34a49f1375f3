#include "markup/ArtworkFile.h"

#include <QFile>
#include <QImage>
#include <QImageReader>

namespace {

// The number of colour components a JPEG's frame header gives: 1 for
// greyscale, 3 for YCbCr or RGB, 4 for CMYK (which Qt reads as RGB). 0 when
// the header is not found.
int jpegComponents(QIODevice &file)
{
    file.seek(0);
    const QByteArray head = file.read(256 * 1024);
    qsizetype pos = 2; // past SOI
    while (pos + 9 < head.size()) {
        if (uchar(head[pos]) != 0xFF)
            return 0;
        const uchar marker = uchar(head[pos + 1]);
        const int length = (uchar(head[pos + 2]) << 8) | uchar(head[pos + 3]);
        // SOF0 to SOF15, except DHT (C4), JPG (C8) and DAC (CC).
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC)
            return uchar(head[pos + 9]);
        pos += 2 + length;
    }
    return 0;
}

} // namespace

CArtworkFile::CArtworkFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    QImageReader reader(&file);
    m_size = reader.size();
    if (!m_size.isValid())
        return;
    m_readable = true;
    const QImage::Format format = reader.imageFormat();
    const bool grey = format == QImage::Format_Grayscale8 || format == QImage::Format_Grayscale16
            || format == QImage::Format_Mono || format == QImage::Format_MonoLSB;
    const int components = reader.format() == "jpeg" ? jpegComponents(file) : 3;
    m_rgb = !grey && components != 1 && components != 4;
}
