#include "panes/PodcastCategoryDelegate.h"

#include "core/PodcastCategories.h"

#include <QComboBox>

namespace {

QStringList choicesFor(const QModelIndex &index)
{
    QStringList choices{QString()};
    const QString category = index.siblingAtColumn(0).data().toString();
    for (const PodcastCategory &entry : CPodcastCategories::all()) {
        if (index.column() == 0)
            choices.append(entry.name);
        else if (entry.name == category)
            choices.append(entry.subcategories);
    }
    return choices;
}

} // namespace

QWidget *CPodcastCategoryDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                                const QModelIndex &index) const
{
    auto *combo = new QComboBox(parent);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(choicesFor(index));
    return combo;
}

void CPodcastCategoryDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    static_cast<QComboBox *>(editor)->setCurrentText(index.data().toString());
}

void CPodcastCategoryDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    const QString text = static_cast<QComboBox *>(editor)->currentText();
    if (text != index.data().toString())
        model->setData(index, text);
}
