#pragma once

#include <QMdiArea>

// The main window's client area. While no feed is open it shows how to
// start one.
class CMdiClient : public QMdiArea
{
    Q_OBJECT
public:
    explicit CMdiClient(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
