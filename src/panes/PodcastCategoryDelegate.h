#pragma once

#include "panes/ChoiceDelegate.h"

// The cells of the iTunes categories table are edited with a list of
// Apple's categories (first column) or of the row's category's
// subcategories (second column); any other text may be typed.
class CPodcastCategoryDelegate : public CChoiceDelegate
{
    Q_OBJECT
public:
    explicit CPodcastCategoryDelegate(QObject *parent) : CChoiceDelegate(QStringList(), parent) {}

protected:
    QStringList choices(const QModelIndex &index) const override;
};
