#pragma once

#include "publishing/FeedPublisher.h"

#include <QStringList>

class CRssFeed;

// What a publishing run takes from the feed and its settings, the same for
// the window and the command line: the feed check's errors, the media
// files to send beside the feed, whether the target needs a secret.
class CPublishPlan
{
public:
    // The errors the feed check finds in the saved file, with the podcast
    // directories' rules for a podcast, as "Line N: message". A file that
    // cannot be read has none here; the publisher says why it cannot send it.
    static QStringList checkErrors(const QString &feedPath);
    // The addresses of the files a feed links for its listeners: enclosures
    // and their alternates, chapters, transcripts and artwork.
    static QStringList mediaUrls(const CRssFeed &feed);
    // The job for the saved feed: the files of `mediaUrls` under the
    // target's media address go with it. No secret yet.
    static PublishJob job(const QString &feedPath, const QStringList &mediaUrls, const PublishTarget &target);
    // Whether the target signs in with a password, a passphrase or a secret key.
    static bool needsSecret(const PublishTarget &target);
    // A target from an address that may name its user, e.g.
    // s3://KEY@HOST/BUCKET/PREFIX/?region=R: the user moves to the user name.
    static PublishTarget targetFromAddress(const QString &address);
};
