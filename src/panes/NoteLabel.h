#pragma once

#include <QLabel>

// A note under a field: red text, dark on a light palette and light on a
// dark one, so that it reads on either, and on the other after the desktop
// switches between them.
class CNoteLabel : public QLabel
{
    Q_OBJECT
public:
    explicit CNoteLabel(QWidget *parent = nullptr);

protected:
    void changeEvent(QEvent *event) override;

private:
    void followPalette();
};
