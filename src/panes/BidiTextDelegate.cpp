#include "panes/BidiTextDelegate.h"

void CBidiTextDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    // The text is embedded in its own direction when that is not the
    // window's; its alignment stays the window's.
    const bool rightToLeft = option->text.isRightToLeft();
    if (!option->text.isEmpty() && rightToLeft != (option->direction == Qt::RightToLeft))
        option->text.prepend(rightToLeft ? QChar(0x202B) : QChar(0x202A)); // RLE or LRE
}
