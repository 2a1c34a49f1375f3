#include "panes/ChoiceDelegate.h"

#include <QComboBox>

CChoiceDelegate::CChoiceDelegate(const QStringList &choices, QObject *parent)
    : CBidiTextDelegate(parent)
    , m_choices(choices)
{
}

QStringList CChoiceDelegate::choices(const QModelIndex &) const
{
    return m_choices;
}

QWidget *CChoiceDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &index) const
{
    auto *combo = new QComboBox(parent);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItem(QString());
    combo->addItems(choices(index));
    return combo;
}

void CChoiceDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    static_cast<QComboBox *>(editor)->setCurrentText(index.data().toString());
}

void CChoiceDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    const QString text = static_cast<QComboBox *>(editor)->currentText();
    if (text != index.data().toString())
        model->setData(index, text);
}
