// Any bytes as a feed file for the checker, with every rule on. It never fails; every problem
// names a known rule, a place in the file (line and column from 1) and a
// post that the file has, or none.

#include "FuzzSupport.h"
#include "markup/FeedChecker.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    CFeedChecker::Options options;
    options.now = QDateTime(QDate(2026, 12, 6), QTime(12, 0), Qt::UTC);
    options.podcastRules = CFeedChecker::PodcastRules::On;
    // Every <item> the file holds counts towards the posts a problem may name.
    const qsizetype items = bytes.count("<item");
    for (const CFeedChecker::Problem &problem : CFeedChecker::Check(bytes, options)) {
        const QString where = problem.ruleName() + QStringLiteral(" at %1:%2").arg(problem.line).arg(problem.column);
        fuzzCheck(problem.rule >= 0 && problem.rule < CFeedRules::IdCount, "the rule is in the table", where);
        fuzzCheck(problem.line >= 1 && problem.column >= 1, "the place is in the file", where);
        fuzzCheck(problem.post >= -1 && problem.post < items, "the post is one of the file's", where);
        fuzzCheck(!problem.message.isEmpty(), "the problem has a message", where);
    }
    return 0;
}
