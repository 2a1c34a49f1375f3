#pragma once

#include <QWidget>

class CSizingControlBarCF;
class QToolButton;

// The caption strip of a CSizingControlBarCF: the bar's title on a caption
// gradient, with a close button. Mouse presses elsewhere go on to the bar so
// that it can be dragged and double-clicked as usual.
class CBarCaption : public QWidget
{
    Q_OBJECT
public:
    explicit CBarCaption(CSizingControlBarCF *bar);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    bool isVertical() const;
    int depth() const;
    // The strip's size with the text along its length.
    QSize alongStrip(int length) const;

    CSizingControlBarCF *m_bar;
    QToolButton *m_closeButton;
    QFont m_font;
};
