#pragma once

#include "TestFiles.h"

#include "publishing/PublishSettings.h"
#include "markup/FeedChecker.h"

#include <QStringList>

// A small podcast (tests/document/data/podcast.xml) that meets every rule.
inline const QString kCleanPodcast = QStringLiteral(TIDREL_TESTS_DIR "/document/data/podcast.xml");

// What `tidrel --check` finds in the file, with the podcast rules for a feed
// that declares a podcast namespace (as the window checks), one problem a
// line: empty when the file meets every rule.
inline QString feedProblems(const QString &path,
                            CFeedChecker::PodcastRules rules = CFeedChecker::PodcastRules::IfDeclared)
{
    CFeedChecker::Options options;
    options.podcastRules = rules;
    const PublishTarget target = CPublishSettings::load(path);
    options.media = CLocalMedia(path, target.mediaBaseUrl, target.mediaFolder);
    QStringList lines;
    for (const CFeedChecker::Problem &problem : CFeedChecker::Check(readFile(path), options))
        lines << QStringLiteral("%1:%2: %3 [%4]").arg(problem.line).arg(problem.column).arg(problem.message, problem.ruleName());
    return lines.join(u'\n');
}

// What `tidrel --check --podcast` finds in the file, with its publish
// settings' media.
inline QString podcastProblems(const QString &path)
{
    return feedProblems(path, CFeedChecker::PodcastRules::On);
}
