#pragma once

#include <QStringList>

class QCommandLineParser;

// The program's command line: "tidrel [FILE...]" opens each feed file;
// --help and --version answer on the terminal.
class CCommandLine
{
public:
    // Answers --help or --version and ends the process; otherwise returns.
    // Runs before the QApplication exists, so no display is needed for
    // either. Options that belong to Qt's windows (-style, -platform...)
    // are left to the QApplication.
    static void answerTerminalOptions(int argc, char *argv[]);

    // The feed files named on the command line, made absolute. Reports a
    // wrong option and ends the process like --help would.
    static QStringList feedFiles(const QStringList &arguments);

private:
    static void describe(QCommandLineParser &parser);
};
