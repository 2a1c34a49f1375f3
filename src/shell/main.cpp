#include "shell/MainFrame.h"
#include "shell/TidrelApp.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    CTidrelApp::prepareProcess();
    QApplication app(argc, argv);
    CTidrelApp::initInstance();

    // The program opens no file from its command line; it starts with no
    // feed open.
    CMainFrame frame;
    frame.showMaximized();
    return app.exec();
}
