#pragma once

#include <QStyledItemDelegate>

// Shows each cell's text in its own direction, whatever the window's: an
// English title or address in an Arabic window keeps its punctuation in
// place, and a cut one ends in "…" at its own end rather than the window's.
class CBidiTextDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;
};
