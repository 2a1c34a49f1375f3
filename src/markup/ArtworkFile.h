#pragma once

#include <QSize>
#include <QString>

// What Apple Podcasts asks of an artwork file, read from the file's header
// without decoding the picture: its size and whether its colours are RGB.
class CArtworkFile
{
public:
    explicit CArtworkFile(const QString &path);

    bool isReadable() const { return m_readable; }
    QSize size() const { return m_size; }
    // False for greyscale and CMYK pictures.
    bool isRgb() const { return m_rgb; }

private:
    bool m_readable = false;
    QSize m_size;
    bool m_rgb = false;
};
