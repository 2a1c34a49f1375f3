#pragma once

// Audio files made by the tests: two seconds of tone encoded by ffmpeg,
// tagged with TagLib as a podcaster's tools tag them.

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QString>

#include <attachedpictureframe.h>
#include <id3v2tag.h>
#include <mp4coverart.h>
#include <mp4file.h>
#include <mp4tag.h>
#include <mpegfile.h>
#include <tpropertymap.h>

// A square picture of `side` pixels, as podcast directories take it by default.
inline QByteArray pngPicture(Qt::GlobalColor color, int side = 1400)
{
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

inline TagLib::ByteVector byteVector(const QByteArray &bytes)
{
    return TagLib::ByteVector(bytes.constData(), unsigned(bytes.size()));
}

inline TagLib::String tagText(const QString &text)
{
    return TagLib::String(text.toStdWString());
}

inline TagLib::PropertyMap tagMap(const QString &title, const QString &comment, const QString &date)
{
    TagLib::PropertyMap tags;
    tags.replace("TITLE", tagText(title));
    tags.replace("COMMENT", tagText(comment));
    tags.replace("DATE", tagText(date));
    tags.replace("TRACKNUMBER", TagLib::String("1"));
    return tags;
}

inline bool encodeTone(const QString &path, const char *codec)
{
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"),
                 {QStringLiteral("-hide_banner"), QStringLiteral("-loglevel"), QStringLiteral("error"), QStringLiteral("-nostdin"),
                  QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                  QStringLiteral("sine=frequency=440:duration=2"), QStringLiteral("-c:a"), QString::fromLatin1(codec),
                  QStringLiteral("-y"), path});
    return ffmpeg.waitForFinished(120000) && ffmpeg.exitStatus() == QProcess::NormalExit && ffmpeg.exitCode() == 0;
}

// The files of one test in `folder`: "season 1/ep #1.mp3" (ID3v2.4: title,
// comment, a whole day, track, a PNG front cover) and "two.m4a" (title, a
// comment in markup, a year alone, track, a PNG cover), dated by the
// file system at kM4aModified; and "notes.txt", no audio.
struct AudioTestFiles
{
    static bool haveEncoder() { return !QStandardPaths::findExecutable(QStringLiteral("ffmpeg")).isEmpty(); }

    bool make(const QString &folder)
    {
        mp3 = folder + QStringLiteral("/season 1/ep #1.mp3");
        m4a = folder + QStringLiteral("/two.m4a");
        text = folder + QStringLiteral("/notes.txt");
        if (!QDir().mkpath(folder + QStringLiteral("/season 1")) || !encodeTone(mp3, "libmp3lame") || !encodeTone(m4a, "aac"))
            return false;
        {
            TagLib::MPEG::File file(QFile::encodeName(mp3).constData());
            file.setProperties(tagMap(QStringLiteral("Ünïcode & the First"),
                                      QStringLiteral("Night & day\nsecond line\n\nA new paragraph"), QStringLiteral("2026-03-01")));
            auto *picture = new TagLib::ID3v2::AttachedPictureFrame;
            picture->setType(TagLib::ID3v2::AttachedPictureFrame::FrontCover);
            picture->setMimeType("image/png");
            picture->setPicture(byteVector(mp3Cover));
            file.ID3v2Tag(true)->addFrame(picture);
            if (!file.save())
                return false;
        }
        {
            TagLib::MP4::File file(QFile::encodeName(m4a).constData());
            file.setProperties(tagMap(QStringLiteral("Second"), QStringLiteral("<p>Show <b>notes</b></p>"), QStringLiteral("2025")));
            TagLib::MP4::CoverArtList covers;
            covers.append(TagLib::MP4::CoverArt(TagLib::MP4::CoverArt::PNG, byteVector(m4aCover)));
            file.tag()->setItem("covr", TagLib::MP4::Item(covers));
            if (!file.save())
                return false;
        }
        QFile m4aFile(m4a);
        QFile textFile(text);
        return m4aFile.open(QIODevice::ReadWrite) && m4aFile.setFileTime(kM4aModified, QFileDevice::FileModificationTime)
            && textFile.open(QIODevice::WriteOnly) && textFile.write("not audio\n") > 0;
    }

    const QDateTime kM4aModified = QDateTime(QDate(2025, 7, 4), QTime(10, 30), Qt::UTC);
    QByteArray mp3Cover = pngPicture(Qt::red);
    QByteArray m4aCover = pngPicture(Qt::blue);
    QString mp3;
    QString m4a;
    QString text;
};
