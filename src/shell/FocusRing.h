#pragma once

#include <QObject>
#include <QPointer>

class QColor;
class QPalette;
class QWidget;

// Shows where the keyboard is: a ring along the inner edge of the widget
// that has the focus, in the palette's highlight colour, or in its text
// colour where the highlight stands out too little from the window. Styles
// draw focus their own way, some not at all for a list or faintly in a dark
// palette. Web pages mark their own focused element, and menus their own
// item, so they get no ring.
class CFocusRing : public QObject
{
    Q_OBJECT
public:
    explicit CFocusRing(QObject *parent = nullptr);

    // The ring's colour in a palette.
    static QColor colorIn(const QPalette &palette);

private:
    void follow(QWidget *focus);

    QPointer<QWidget> m_ring;
};
