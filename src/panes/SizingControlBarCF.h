#pragma once

#include "panes/SizingControlBar.h"

// A sizing bar whose caption strip is painted in the caption colours, active
// while the keyboard focus is inside the bar. Docked at the top or bottom the
// strip runs along the bar's left side with the text turned upwards.
class CSizingControlBarCF : public CSizingControlBar
{
    Q_OBJECT
public:
    explicit CSizingControlBarCF(const QString &title, QWidget *parent = nullptr);
    ~CSizingControlBarCF() override;

    // Whether the keyboard focus is in the bar or one of its children.
    bool isActive() const { return m_active; }
    // Whether the caption strip currently runs along the left side.
    bool hasVerticalCaption() const;

signals:
    void activeChanged(bool active);

private:
    void updateCaptionOrientation();
    void updateActive();

    bool m_active = false;
};
