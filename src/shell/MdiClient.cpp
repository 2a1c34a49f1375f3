#include "shell/MdiClient.h"

#include <QPainter>

CMdiClient::CMdiClient(QWidget *parent)
    : QMdiArea(parent)
{
    setBackground(palette().brush(QPalette::Dark));
}

void CMdiClient::paintEvent(QPaintEvent *event)
{
    QMdiArea::paintEvent(event);
    if (!subWindowList().isEmpty())
        return;

    QPainter painter(viewport());
    QFont hintFont = font();
    hintFont.setPointSizeF(hintFont.pointSizeF() * 1.3);
    painter.setFont(hintFont);
    painter.setPen(palette().color(QPalette::BrightText));
    painter.drawText(viewport()->rect(), Qt::AlignCenter | Qt::TextWordWrap,
                     QStringLiteral("Create a feed with File \u2192 New (Ctrl+N)\n"
                                    "or open one with File \u2192 Open (Ctrl+O)."));
}
