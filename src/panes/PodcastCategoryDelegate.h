#pragma once

#include "panes/BidiTextDelegate.h"

// The cells of the iTunes categories table are edited with a list of
// Apple's categories (first column) or of the row's category's
// subcategories (second column); any other text may be typed.
class CPodcastCategoryDelegate : public CBidiTextDelegate
{
    Q_OBJECT
public:
    using CBidiTextDelegate::CBidiTextDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
};
