#pragma once

#include "markup/FeedRules.h"
#include "markup/LocalMedia.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <functional>

// Checks a feed file against RSS 2.0 and the iTunes and podcast tags that
// directories read, by the rules of CFeedRules. Works on the file's bytes,
// so that each problem has its line and column, and needs no window: a
// worker thread or the command line may run it. A file in UTF-8 has its
// items checked on a thread of the check's own while the parse reads on.
class CFeedChecker
{
public:
    struct Problem
    {
        CFeedRules::Id rule;
        QString message;   // plain words: the rule's, or a more exact one
        int line = 0;      // 1-based
        int column = 0;    // 1-based
        int post = -1;     // the index of the item among the channel's; -1 outside items
        QString parent;    // the element that holds the field: "channel", "item", "image"
        QString field;     // the element: "title", "itunes:duration"
        QString attribute; // the attribute, when the problem is in one

        CFeedRules::Level level() const { return CFeedRules::Get(rule).level; }
        QString ruleName() const { return QString::fromLatin1(CFeedRules::Get(rule).name); }
    };

    // The podcast directories' rules: the podcast namespace's tags, Apple
    // Podcasts' requirements and the Podcast Standards Project's PSP-1.
    // IfDeclared applies them to a feed that declares the iTunes or the
    // podcast namespace (or an address close to one).
    enum class PodcastRules { Off, IfDeclared, On };

    struct Options
    {
        // Dates after `now` (by more than ten minutes) are in the future.
        QDateTime now = QDateTime::currentDateTimeUtc();
        PodcastRules podcastRules = PodcastRules::Off;
        // Where local artwork files are, to check their size and colours.
        CLocalMedia media;
    };

    // The problems in file order.
    static QList<Problem> Check(const QByteArray &bytes, const Options &options);
    static QList<Problem> Check(const QByteArray &bytes, const QDateTime &now = QDateTime::currentDateTimeUtc());
    // The problems of a feed file, handed to `each` in file order. The
    // file is read once, into the parser's buffer; a large feed's problems
    // are kept compact until each is handed on. False, with *error set,
    // when the file cannot be read.
    static bool CheckFile(const QString &path, const Options &options,
                          const std::function<void(const Problem &)> &each, QString *error);
};
