#include "markup/FeedChecker.h"

#include "core/ExpatFileBuffer.h"
#include "core/FeedTree.h"
#include "markup/CheckReport.h"
#include "markup/DocumentRules.h"
#include "markup/ItemPipeline.h"
#include "markup/PodcastRules.h"

#include <QRegularExpression>

#include <optional>

namespace {

using Id = CFeedRules::Id;
using Problem = CFeedChecker::Problem;

// Whether the file is in UTF-8 by its start: no UTF-16 byte-order mark or
// zero bytes, and a declaration that names UTF-8 or no encoding.
bool declaresUtf8(const QByteArray &bytes)
{
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF") || bytes.left(4).contains('\0'))
        return false;
    const qsizetype start = bytes.indexOf("<?xml");
    if (start < 0 || start > 64)
        return true;
    const qsizetype end = bytes.indexOf("?>", start);
    const QByteArray declaration = bytes.mid(start, end < 0 ? 200 : end - start);
    const qsizetype encoding = declaration.indexOf("encoding");
    if (encoding < 0)
        return true;
    const QByteArray value = declaration.mid(encoding + 8).replace('=', ' ').replace('"', ' ').replace('\'', ' ').trimmed();
    return value.toLower().startsWith("utf-8") || value.toLower().startsWith("utf8");
}

Id ruleOfFailure(FeedParser::Failure failure)
{
    switch (failure) {
    case FeedParser::Failure::Encoding:
        return Id::BadEncoding;
    case FeedParser::Failure::UndefinedEntity:
        return Id::UndefinedEntity;
    case FeedParser::Failure::DeclaredEntity:
        return Id::DeclaredEntity;
    case FeedParser::Failure::InvalidCharacter:
        return Id::InvalidCharacter;
    case FeedParser::Failure::None:
    case FeedParser::Failure::Syntax:
        break;
    }
    return Id::NotWellFormed;
}

using Parse = std::function<bool(CFeedTree &, QString *, CFeedTree::Listener *)>;
using Each = std::function<void(const Problem &)>;

// Checks the feed whose bytes `parse` reads into the tree.
void check(const QByteArray &bytes, const CFeedChecker::Options &options, const Parse &parse, const Each &each)
{
    CFeedTree tree;
    QString error;
    std::optional<CItemPipeline> pipeline;
    if (declaresUtf8(bytes))
        pipeline.emplace(tree, options);
    if (!parse(tree, &error, pipeline ? &*pipeline : nullptr)) {
        // The parser's message names the fault; its place goes in the line and column.
        static const QRegularExpression place(QStringLiteral("\\s*\\(line \\d+, column \\d+\\)"));
        Problem problem;
        problem.rule = ruleOfFailure(tree.failure());
        problem.message = error.remove(place);
        problem.line = tree.failureLine();
        problem.column = tree.failureColumn();
        each(problem);
        return;
    }
    const bool podcast = options.podcastRules == CFeedChecker::PodcastRules::On
            || (options.podcastRules == CFeedChecker::PodcastRules::IfDeclared && CPodcastRules::declaresPodcast(tree));
    CCheckReport report;
    // Items checked by other rules than the feed's, or in another encoding
    // than the file's (a declaration the start did not show), are checked
    // again, from a tree that keeps their elements.
    if (pipeline && tree.isUtf8() && pipeline->podcast().value_or(podcast) == podcast)
        report.useCheckedItems(pipeline->takeProblems());
    else if (pipeline && pipeline->podcast().has_value())
        parse(tree, &error, nullptr);
    CDocumentRules(tree, options, podcast, report).checkRss(*tree.root());
    report.forEachProblem(tree, each);
}

} // namespace

QList<Problem> CFeedChecker::Check(const QByteArray &bytes, const Options &options)
{
    QList<Problem> problems;
    check(bytes, options, [&](CFeedTree &tree, QString *error, CFeedTree::Listener *listener) {
        return tree.parse(bytes, error, listener);
    }, [&](const Problem &problem) { problems.append(problem); });
    return problems;
}

bool CFeedChecker::CheckFile(const QString &path, const Options &options, const Each &each, QString *error)
{
    CExpatFileBuffer input;
    if (!input.read(path, error))
        return false;
    check(input.bytes(), options, [&](CFeedTree &tree, QString *parseError, CFeedTree::Listener *listener) {
        return tree.parse(input, parseError, listener);
    }, each);
    return true;
}

QList<Problem> CFeedChecker::Check(const QByteArray &bytes, const QDateTime &now)
{
    Options options;
    options.now = now;
    return Check(bytes, options);
}
