#include "shell/MainFrame.h"
#include "shell/TidrelApp.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char *argv[])
{
    CTidrelApp::prepareProcess();
    QApplication app(argc, argv);
    CTidrelApp::initInstance();

    // The program opens no file from its command line; it starts with no
    // feed open.
    CMainFrame frame;
    // Without a window manager (Xvfb) maximising does nothing; the window
    // still covers the screen.
    frame.setGeometry(frame.screen()->availableGeometry());
    frame.showMaximized();
    return app.exec();
}
