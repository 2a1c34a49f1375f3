#include "panes/NoteLabel.h"

#include <QEvent>

CNoteLabel::CNoteLabel(QWidget *parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("note"));
    setWordWrap(true);
    followPalette();
}

// Only the text colour is the note's own; the background it is read on
// comes from around it.
void CNoteLabel::followPalette()
{
    const bool dark = palette().color(QPalette::Window).lightness() < 128;
    const QColor red = dark ? QColor(0xff, 0x8a, 0x80) : QColor(0xb0, 0x00, 0x00);
    if (palette().color(QPalette::WindowText) == red)
        return;
    QPalette colours;
    colours.setColor(QPalette::WindowText, red);
    setPalette(colours);
}

void CNoteLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        followPalette();
}
