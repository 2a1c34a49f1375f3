#pragma once

#include "publishing/PublishSettings.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class CAudioTags;
class CRssFeed;
struct NewPostContent;

// Episodes made from audio files: one post per file, from its tags, its
// size and type, and the web address it will have once published under the
// feed's media base address (its publish settings).
class CAudioEpisodes
{
    Q_DECLARE_TR_FUNCTIONS(CAudioEpisodes)
public:
    // Addresses come from the target's mediaBaseUrl and mediaFolder (the
    // folder of the feed at `feedPath` when it names none).
    CAudioEpisodes(const PublishTarget &target, const QString &feedPath);

    // The post of the audio file at `path`, read into `tags`, numbered
    // `episode`. An embedded cover is saved beside the file as NAME.jpg or
    // NAME.png and becomes the post's itunes:image; a file of that name that
    // is there already is the user's and is used as it stands.
    NewPostContent makeEpisode(const QString &path, const CAudioTags &tags, int episode);
    // What went not quite as asked while making the episodes, one sentence
    // a file (a file outside the media folder, a cover that could not be
    // saved).
    QStringList notes() const { return m_notes; }

    // The address of a local file: its path relative to the media folder,
    // each segment percent-encoded, after the media base address; without
    // a base address the relative path alone. A file outside the folder is
    // named by its file name.
    QString mediaAddress(const QString &path) const;
    bool isInMediaFolder(const QString &path) const;

    // One above the highest itunes:episode of the feed's posts; 1 when no
    // post has a number.
    static int nextEpisodeNumber(const CRssFeed &feed);
    // Whole seconds as itunes:duration holds them: "HH:MM:SS".
    static QString formatDuration(qint64 seconds);
    // A tag's text as a description: markup stays; plain text is escaped,
    // its blank lines part paragraphs and its line breaks become <br>.
    static QString descriptionHtml(const QString &text);

private:
    QString saveCover(const QString &audioPath, const CAudioTags &tags);
    bool isDirectoryArtwork(const QString &audioPath, const QString &coverPath);

    PublishTarget m_target;
    QString m_mediaFolder;
    QStringList m_notes;
};
