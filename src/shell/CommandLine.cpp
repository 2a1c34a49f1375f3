#include "shell/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

void CCommandLine::describe(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QStringLiteral("Tidrel, an editor of RSS 2.0 feed files."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("files"), QStringLiteral("Feed files to open."),
                                 QStringLiteral("[FILE...]"));
}

void CCommandLine::answerTerminalOptions(int argc, char *argv[])
{
    const QCoreApplication terminal(argc, argv);
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
