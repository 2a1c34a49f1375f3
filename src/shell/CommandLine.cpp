#include "shell/CommandLine.h"

#include "publishing/PublishSettings.h"
#include "markup/FeedChecker.h"
#include "shell/PublishCommand.h"
#include "shell/UiTranslations.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <charconv>
#include <cstdio>
#include <cstdlib>

namespace {

const QString kCheckOption = QStringLiteral("check");
const QString kPodcastOption = QStringLiteral("podcast");
const QString kPublishOption = QStringLiteral("publish");
const QString kToOption = QStringLiteral("to");

void print(FILE *stream, const QString &line)
{
    std::fputs(line.toLocal8Bit().constData(), stream);
    std::fputc('\n', stream);
}

const QByteArray &levelName(CFeedRules::Level level)
{
    static const QByteArray error = CFeedRules::LevelName(CFeedRules::Level::Error).toLatin1();
    static const QByteArray warning = CFeedRules::LevelName(CFeedRules::Level::Warning).toLatin1();
    static const QByteArray info = CFeedRules::LevelName(CFeedRules::Level::Info).toLatin1();
    switch (level) {
    case CFeedRules::Level::Error:
        return error;
    case CFeedRules::Level::Warning:
        return warning;
    case CFeedRules::Level::Info:
        break;
    }
    return info;
}

void appendNumber(QByteArray &line, int number)
{
    char digits[16];
    const std::to_chars_result end = std::to_chars(digits, digits + sizeof digits, number);
    line.append(digits, end.ptr - digits);
}

// Writes what `out` holds once it holds at least `least` bytes.
void writeOut(QByteArray &out, qsizetype least = 0)
{
    if (out.size() < least || out.isEmpty())
        return;
    std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
    out.truncate(0);
}

} // namespace

void CCommandLine::describe(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QCoreApplication::translate("CCommandLine", "Tidrel, an editor of RSS 2.0 feed files."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(QCommandLineOption(kCheckOption, QCoreApplication::translate("CCommandLine", 
            "Check each feed file without opening a window; print one problem a line as "
            "FILE:LINE:COLUMN: error|warning|info: message [rule-id]. Exit status 0 when there are no "
            "errors, 1 when there are, 2 when a file cannot be read.")));
    parser.addOption(QCommandLineOption(kPodcastOption, QCoreApplication::translate("CCommandLine",
            "With --check: apply the podcast directories' rules too, whether or not the feed declares the iTunes or "
            "podcast namespace: every podcast namespace tag's place, attributes and values, Apple Podcasts' "
            "requirements (artwork, language, category, explicit, episode enclosures) and the Podcast Standards "
            "Project's PSP-1.")));
    parser.addOption(QCommandLineOption(kPublishOption, QCoreApplication::translate("CCommandLine",
            "Publish the feed file without opening a window, with the checks and in the order of the Publish "
            "command: the feed check first, then the media files under the media address of the feed's publish "
            "settings, the feed last. Progress goes to standard error. Exit status 0 when everything was sent, 1 "
            "when the server refused or the feed has errors, 2 for wrong arguments."),
            QCoreApplication::translate("CCommandLine", "FEED")));
    parser.addOption(QCommandLineOption(kToOption, QCoreApplication::translate("CCommandLine",
            "With --publish: where to. file:///path/, sftp://USER@HOST[:PORT]/path/, ftp://, ftps://, "
            "dav://USER@HOST[:PORT]/path/ (WebDAV; davs:// over HTTPS) or "
            "s3://ACCESS_KEY_ID@HOST[:PORT]/BUCKET/PREFIX/?region=REGION (path-style; &scheme=http for a server "
            "without TLS). The password or secret key comes from the environment variable TIDREL_PUBLISH_SECRET "
            "when set, else from the keyring."),
            QCoreApplication::translate("CCommandLine", "TARGET")));
    parser.addPositionalArgument(QStringLiteral("files"), QCoreApplication::translate("CCommandLine", "Feed files to open."),
                                 QCoreApplication::translate("CCommandLine", "[FILE...]"));
}

void CCommandLine::answerTerminalOptions(int argc, char *argv[])
{
    const QCoreApplication terminal(argc, argv);
    CUiTranslations::install();
    QCommandLineParser parser;
    describe(parser);
    // A line with Qt's own options does not parse here; the full parse
    // after the QApplication answers it.
    if (!parser.parse(terminal.arguments()))
        return;
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp();
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();
    if (parser.isSet(kPublishOption) || parser.isSet(kToOption)) {
        if (!parser.isSet(kPublishOption) || !parser.isSet(kToOption) || !parser.positionalArguments().isEmpty()) {
            print(stderr, QCoreApplication::translate("CCommandLine", "Usage: %1 --publish FEED --to TARGET").arg(QFileInfo(terminal.arguments().constFirst()).fileName()));
            std::exit(2);
        }
        std::exit(CPublishCommand::run(parser.value(kPublishOption), parser.value(kToOption)));
    }
    if (parser.isSet(kCheckOption) || parser.isSet(kPodcastOption)) {
        // Nothing to check is a mistake in the command, not a clean feed.
        if (parser.positionalArguments().isEmpty() || !parser.isSet(kCheckOption)) {
            print(stderr, QCoreApplication::translate("CCommandLine", "Usage: %1 --check [--podcast] FEED...").arg(QFileInfo(terminal.arguments().constFirst()).fileName()));
            std::exit(2);
        }
        std::exit(checkFeeds(parser.positionalArguments(), parser.isSet(kPodcastOption)));
    }
}

int CCommandLine::checkFeeds(const QStringList &files, bool podcast)
{
    int status = 0;
    for (const QString &name : files) {
        CFeedChecker::Options options;
        if (podcast) {
            options.podcastRules = CFeedChecker::PodcastRules::On;
            const QString path = QFileInfo(name).absoluteFilePath();
            const PublishTarget target = CPublishSettings::load(path);
            options.media = CLocalMedia(path, target.mediaBaseUrl, target.mediaFolder);
        }
        // Joined, not formatted: a file name may hold "%1". Joined as bytes,
        // each message converted once and the lines written in large pieces,
        // as a large feed has a problem or two in each of its posts.
        constexpr qsizetype kPiece = 1 << 16;
        constexpr qsizetype kKeptMessages = 1024;
        const QByteArray file = name.toLocal8Bit();
        QHash<QString, QByteArray> messages;
        QByteArray out;
        out.reserve(kPiece + 1024);
        const auto printProblem = [&](const CFeedChecker::Problem &problem) {
            auto message = messages.constFind(problem.message);
            if (message == messages.constEnd()) {
                // Messages that quote the feed may each be new: the memory
                // of them starts afresh rather than grow with the problems.
                if (messages.size() >= kKeptMessages)
                    messages.clear();
                message = messages.insert(problem.message, problem.message.toLocal8Bit());
            }
            out.append(file).append(':');
            appendNumber(out, problem.line);
            out.append(':');
            appendNumber(out, problem.column);
            out.append(": ").append(levelName(problem.level())).append(": ").append(*message).append(" [")
                    .append(CFeedRules::Get(problem.rule).name).append("]\n");
            writeOut(out, kPiece);
            if (problem.level() == CFeedRules::Level::Error && status == 0)
                status = 1;
        };
        QString error;
        const bool read = CFeedChecker::CheckFile(name, options, printProblem, &error);
        writeOut(out);
        if (!read) {
            // The compiler form's "error" stays a keyword for tools that read it.
            print(stderr, name + QStringLiteral(": error: ")
                              + QCoreApplication::translate("CCommandLine", "cannot read the file: %1").arg(error));
            status = 2;
        }
    }
    return status;
}

QStringList CCommandLine::feedFiles(const QStringList &arguments)
{
    QCommandLineParser parser;
    describe(parser);
    parser.process(arguments);
    QStringList files;
    for (const QString &file : parser.positionalArguments())
        files.append(QFileInfo(file).absoluteFilePath());
    return files;
}
