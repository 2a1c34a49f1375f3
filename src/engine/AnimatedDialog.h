#pragma once

#include <QDialog>
#include <QTimer>

class QPropertyAnimation;

// The base of the program's own dialogs: the window grows out of its
// top-left corner in about seven steps when it opens, fades out over half a
// second when it closes (where the window system can make windows
// translucent), and can be dragged by its body.
class CAnimatedDialog : public QDialog
{
    Q_OBJECT
public:
    explicit CAnimatedDialog(QWidget *parent = nullptr);

    void setAnimated(bool animated) { m_animated = animated; }
    bool isGrowing() const { return m_growTimer.isActive(); }

public slots:
    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void growStep();
    void finishClosing();

    bool m_animated = true;
    QTimer m_growTimer;
    QSize m_fullSize;
    QSize m_step;
    QSize m_minimumSize;
    QPropertyAnimation *m_fade = nullptr;
    int m_closingResult = -1; // the result the fade ends with, -1 when not closing
};
