#pragma once

#include "engine/AnimatedDialog.h"

// The About box: program icon, version, copyright and build time.
class CAboutDialog : public CAnimatedDialog
{
    Q_OBJECT
public:
    explicit CAboutDialog(QWidget *parent = nullptr);

    // "Tidrel version 1.2.1": the version in the form the title bar and the
    // feed's generator show it.
    static QString versionLine(const QString &productVersion);
    // "Release: Nov 10 2015 14:45:07": when this program was built.
    static QString releaseLine();
};
