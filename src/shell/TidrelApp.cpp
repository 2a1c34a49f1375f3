#include "shell/TidrelApp.h"

#include "core/ProductInfo.h"
#include "core/RssFeed.h"
#include "shell/FocusRing.h"
#include "shell/UiTranslations.h"
#include "shell/WheelGuard.h"

#include <QApplication>
#include <QIcon>

#include <unistd.h>

void CTidrelApp::prepareProcess()
{
    // QtWebEngine shares its OpenGL context with the widgets.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // A screen reader reads the editor page too: QtWebEngine 6.4 turns
    // Chromium's accessibility on with Qt's only when this is set (later
    // versions by default). It costs nothing until an assistive tool asks.
    if (!qEnvironmentVariableIsSet("QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY"))
        qputenv("QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY", "1");
    // Chromium will not start its sandbox for root, and then the program
    // shows no window at all; as root (a container, a rescue shell) it runs
    // without the sandbox instead.
    if (::geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // Settings, the recent-file list and the backup folder live under
    // "Tidrel" in the user's folders.
    QCoreApplication::setOrganizationName(QStringLiteral("Tidrel"));
    QCoreApplication::setApplicationName(QStringLiteral("Tidrel"));
    QCoreApplication::setApplicationVersion(CRssFeed::ProductVersionText());
}

void CTidrelApp::initInstance()
{
    // The icons live in this static library; nothing else pulls them in.
    Q_INIT_RESOURCE(shell);
    CUiTranslations::install();
    QGuiApplication::setDesktopFileName(QString::fromLatin1(ProductInfo::kAppId));
    QIcon icon = QIcon::fromTheme(QStringLiteral("tidrel"));
    if (icon.isNull()) {
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
            icon.addFile(QStringLiteral(":/shell/icons/%1x%1/apps/tidrel.png").arg(size));
    }
    QApplication::setWindowIcon(icon);
    new CFocusRing(qApp);
    new CWheelGuard(qApp);
}
