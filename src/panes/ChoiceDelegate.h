#pragma once

#include "panes/BidiTextDelegate.h"

#include <QStringList>

// The cells of a table column whose values come from a list are edited
// with that list; any other text may be typed.
class CChoiceDelegate : public CBidiTextDelegate
{
    Q_OBJECT
public:
    CChoiceDelegate(const QStringList &choices, QObject *parent);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

protected:
    // The list a cell is edited with, after an empty entry.
    virtual QStringList choices(const QModelIndex &index) const;

private:
    QStringList m_choices;
};
