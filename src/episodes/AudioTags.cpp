#include "episodes/AudioTags.h"

#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>

#include <algorithm>

#include <attachedpictureframe.h>
#include <audioproperties.h>
#include <fileref.h>
#include <flacfile.h>
#include <flacpicture.h>
#include <id3v2tag.h>
#include <mp4file.h>
#include <mp4tag.h>
#include <mpegfile.h>
#include <tpropertymap.h>
#include <wavfile.h>
#include <xiphcomment.h>

namespace {

const char *const kAudioExtensions[] = {"mp3", "m4a", "m4b", "aac", "ogg", "oga", "opus", "flac", "wav"};

QString text(const TagLib::String &value)
{
    return QString::fromStdWString(value.toWString());
}

QByteArray bytes(const TagLib::ByteVector &value)
{
    return QByteArray(value.data(), qsizetype(value.size()));
}

// The first value of the first of `keys` that has one.
QString firstValue(const TagLib::PropertyMap &tags, std::initializer_list<const char *> keys)
{
    for (const char *key : keys) {
        const auto found = tags.find(key);
        if (found == tags.end())
            continue;
        for (const TagLib::String &value : found->second) {
            const QString trimmed = text(value).trimmed();
            if (!trimmed.isEmpty())
                return trimmed;
        }
    }
    return QString();
}

// Podcast artwork is a JPEG or a PNG; the picture's bytes say which,
// whatever type the tag claims.
QString artworkType(const QByteArray &picture)
{
    const QString type = QMimeDatabase().mimeTypeForData(picture).name();
    return type == QLatin1String("image/jpeg") || type == QLatin1String("image/png") ? type : QString();
}

// The cover among the pictures, each given as (bytes, is the front cover):
// the front cover, else the first that is artwork.
class CoverChoice
{
public:
    void offer(const QByteArray &picture, bool frontCover)
    {
        if (m_front || artworkType(picture).isEmpty())
            return;
        if (frontCover || m_picture.isEmpty()) {
            m_picture = picture;
            m_front = frontCover;
        }
    }
    QByteArray picture() const { return m_picture; }

private:
    QByteArray m_picture;
    bool m_front = false;
};

void offerId3v2(const TagLib::ID3v2::Tag *tag, CoverChoice *choice)
{
    if (!tag || !tag->frameListMap().contains("APIC"))
        return;
    for (TagLib::ID3v2::Frame *frame : tag->frameListMap()["APIC"]) {
        if (const auto *picture = dynamic_cast<TagLib::ID3v2::AttachedPictureFrame *>(frame))
            choice->offer(bytes(picture->picture()), picture->type() == TagLib::ID3v2::AttachedPictureFrame::FrontCover);
    }
}

void offerFlacPictures(const TagLib::List<TagLib::FLAC::Picture *> &pictures, CoverChoice *choice)
{
    for (const TagLib::FLAC::Picture *picture : pictures)
        choice->offer(bytes(picture->data()), picture->type() == TagLib::FLAC::Picture::FrontCover);
}

QByteArray coverOf(TagLib::File *file)
{
    CoverChoice choice;
    if (auto *mpeg = dynamic_cast<TagLib::MPEG::File *>(file)) {
        offerId3v2(mpeg->ID3v2Tag(), &choice);
    } else if (auto *wav = dynamic_cast<TagLib::RIFF::WAV::File *>(file)) {
        offerId3v2(wav->ID3v2Tag(), &choice);
    } else if (auto *mp4 = dynamic_cast<TagLib::MP4::File *>(file)) {
        if (mp4->tag() && mp4->tag()->contains("covr")) {
            for (const TagLib::MP4::CoverArt &art : mp4->tag()->item("covr").toCoverArtList())
                choice.offer(bytes(art.data()), false);
        }
    } else if (auto *flac = dynamic_cast<TagLib::FLAC::File *>(file)) {
        offerFlacPictures(flac->pictureList(), &choice);
    } else if (auto *comment = dynamic_cast<TagLib::Ogg::XiphComment *>(file->tag())) {
        offerFlacPictures(comment->pictureList(), &choice);
    }
    return choice.picture();
}

} // namespace

bool CAudioTags::isAudioFileName(const QString &path)
{
    const QString extension = QFileInfo(path).suffix().toLower();
    for (const char *audio : kAudioExtensions) {
        if (extension == QLatin1String(audio))
            return true;
    }
    return false;
}

bool CAudioTags::read(const QString &path, QString *error)
{
    *this = CAudioTags();
    const auto fail = [error](const QString &reason) {
        if (error)
            *error = reason;
        return false;
    };
    if (!QFileInfo(path).isFile())
        return fail(tr("The file does not exist."));
    if (!isAudioFileName(path))
        return fail(tr("It is not an audio file."));
    const TagLib::FileRef file(QFile::encodeName(path).constData(), true, TagLib::AudioProperties::Average);
    // TagLib takes any bytes for an MP3 file; one without a single audio
    // frame has no play time.
    if (file.isNull() || !file.audioProperties() || file.audioProperties()->lengthInMilliseconds() <= 0)
        return fail(tr("It cannot be read as audio."));

    const TagLib::PropertyMap tags = file.file()->properties();
    m_title = firstValue(tags, {"TITLE"});
    m_description = firstValue(tags, {"COMMENT", "LYRICS", "DESCRIPTION", "PODCASTDESC"});
    m_date = parseTagDate(firstValue(tags, {"DATE"}));
    if (!m_date.isValid())
        m_date = parseTagDate(firstValue(tags, {"RELEASEDATE"}));
    m_durationSeconds = std::max(1, (file.audioProperties()->lengthInMilliseconds() + 500) / 1000);
    m_cover = coverOf(file.file());
    m_coverMimeType = artworkType(m_cover);
    return true;
}

QDateTime CAudioTags::parseTagDate(const QString &text)
{
    QString iso = text.trimmed();
    if (iso.size() > 10 && iso.at(10) == u' ')
        iso[10] = u'T';
    if (iso.size() == 10) {
        const QDate day = QDate::fromString(iso, Qt::ISODate);
        return day.isValid() ? QDateTime(day, QTime(0, 0), Qt::UTC) : QDateTime();
    }
    return iso.size() > 10 ? QDateTime::fromString(iso, Qt::ISODate) : QDateTime();
}
