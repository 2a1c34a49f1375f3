#pragma once

#include <QDialog>

// The About box: program icon, version, copyright and build time.
class CAboutDialog : public QDialog
{
    Q_OBJECT
public:
    explicit CAboutDialog(QWidget *parent = nullptr);

    // "Tidrel Version 1.2.1 build 157" for product version 1.2.1.157.
    static QString versionLine(const QString &productVersion);
    // "Release: Nov 10 2015 14:45:07": when this program was built.
    static QString releaseLine();
};
