#pragma once

#include <QString>

struct PublishTarget;

// Where the chapters file that a post's podcast:chapters names lives on
// this machine, and the address a local chapters file is published at.
// Folders are those of the feed's publish settings: the media folder (the
// feed's own folder when none), published under the media base address.
class CChaptersLocation
{
public:
    // The local file for `url`: a path relative to the feed's folder, an
    // absolute path or file:// address, or an address under the media base
    // address (the same path under the media folder). Empty for any other
    // address: that file is on the web only.
    static QString localPath(const QString &url, const QString &feedPath, const PublishTarget &target);
    // Where to keep the file of a web address: its file name in the media
    // folder, "chapters.json" when the address names none.
    static QString suggestedPath(const QString &url, const QString &feedPath, const PublishTarget &target);
    // The address a local file is published at: the media base address and
    // the file's path inside the media folder. Empty when the file is not
    // published, being outside that folder or with no media base address:
    // a path on this machine reaches no listener.
    static QString urlFor(const QString &localPath, const QString &feedPath, const PublishTarget &target);
};
