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
    // Square, from 1400 to 3000 pixels a side, as Apple Podcasts takes it.
    bool hasDirectorySize() const
    {
        return m_size.width() == m_size.height() && m_size.width() >= 1400 && m_size.width() <= 3000;
    }

private:
    bool m_readable = false;
    QSize m_size;
    bool m_rgb = false;
};
