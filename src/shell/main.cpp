#include "shell/Appearance.h"
#include "shell/CommandLine.h"
#include "shell/DocManager.h"
#include "shell/MainFrame.h"
#include "shell/SingleInstance.h"
#include "shell/TidrelApp.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char *argv[])
{
    CTidrelApp::prepareProcess();
    CCommandLine::answerTerminalOptions(argc, argv);
    QApplication app(argc, argv);
    CTidrelApp::initInstance();
    const QStringList files = CCommandLine::feedFiles(app.arguments());
    CSingleInstance instance;
    if (instance.handOver(files))
        return 0; // the program that runs already opens them

    // Light or dark before the first window shows.
    CAppearance appearance;
    appearance.start();
    CMainFrame frame;
    // Without a window manager (Xvfb) maximising does nothing; the window
    // still covers the screen.
    frame.setGeometry(frame.screen()->availableGeometry());
    frame.showMaximized();
    for (const QString &file : files)
        frame.documents()->openDocument(file);
    instance.serve(&frame);
    return app.exec();
}
