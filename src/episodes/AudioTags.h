#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QDateTime>
#include <QString>

// What an audio file tells about itself through its tags and its header
// (read with TagLib): the episode a podcaster made of it.
class CAudioTags
{
    Q_DECLARE_TR_FUNCTIONS(CAudioTags)
public:
    // Whether the name is that of an audio file a podcast may carry (mp3,
    // m4a, m4b, aac, ogg, oga, opus, flac, wav), by its extension.
    static bool isAudioFileName(const QString &path);

    // Reads the file; false, with the reason in plain words, when TagLib
    // cannot read it as audio with a play time. Missing tags are no failure.
    bool read(const QString &path, QString *error = nullptr);

    QString title() const { return m_title; }
    // The comment, else the lyrics, else the description tag, as written.
    QString description() const { return m_description; }
    // The recording or release date, when a tag holds a whole day (a year
    // alone does not count); invalid otherwise. A day without a time is
    // midnight UTC of that day, a time without a zone the local clock's.
    QDateTime date() const { return m_date; }
    // Whole seconds, rounded, at least 1.
    qint64 durationSeconds() const { return m_durationSeconds; }
    // The embedded front cover, else the first embedded JPEG or PNG, and its
    // MIME type; empty when there is none.
    QByteArray cover() const { return m_cover; }
    QString coverMimeType() const { return m_coverMimeType; }

    // A date tag as ID3v2, MP4 and Vorbis comments write it
    // ("2026-03-01", "2026-03-01T18:30:00", "2026-03-01 18:30"); invalid
    // when it names less than a day.
    static QDateTime parseTagDate(const QString &text);

private:
    QString m_title;
    QString m_description;
    QDateTime m_date;
    qint64 m_durationSeconds = 0;
    QByteArray m_cover;
    QString m_coverMimeType;
};
