#pragma once

#include <QStringList>

class QCommandLineParser;

// The program's command line: "tidrel [FILE...]" opens each feed file;
// --help and --version answer on the terminal, and --check FEED... prints
// each feed's problems there (--check --podcast with the podcast
// directories' rules); --publish FEED --to TARGET publishes a feed.
class CCommandLine
{
public:
    // Answers --help, --version, --check or --publish and ends the process;
    // otherwise returns.
    // --check without a file prints its usage and exits with 2.
    // Runs before the QApplication exists, so no display is needed for
    // either. Options that belong to Qt's windows (-style, -platform...)
    // are left to the QApplication.
    static void answerTerminalOptions(int argc, char *argv[]);

    // The feed files named on the command line, made absolute. Reports a
    // wrong option and ends the process like --help would.
    static QStringList feedFiles(const QStringList &arguments);

    // Prints each file's problems in the compiler form
    // "FILE:LINE:COLUMN: error|warning|info: message [rule-id]". Returns the
    // exit status: 0 without errors, 1 with errors, 2 when a file cannot be read.
    // `podcast`: the podcast directories' rules too.
    static int checkFeeds(const QStringList &files, bool podcast = false);

private:
    static void describe(QCommandLineParser &parser);
};
