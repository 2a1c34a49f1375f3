#include "panes/OtherElementsList.h"

#include "panes/BidiTextDelegate.h"

#include <QHeaderView>

COtherElementsList::COtherElementsList(QWidget *parent)
    : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("otherElements"));
    setHeaderLabels({tr("Element"), tr("Content")});
    setAccessibleName(tr("Other elements"));
    setAccessibleDescription(tr("Elements these fields do not edit; they are kept as they are"));
    setRootIsDecorated(false);
    setItemDelegate(new CBidiTextDelegate(this));
    header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
}

void COtherElementsList::setElements(const std::vector<std::pair<QString, QString>> &elements)
{
    clear();
    for (const auto &[name, content] : elements)
        (new QTreeWidgetItem(this, {name, content.simplified()}))->setToolTip(1, content);
}

QStringList COtherElementsList::names() const
{
    QStringList names;
    for (int i = 0; i < topLevelItemCount(); ++i)
        names.append(topLevelItem(i)->text(0));
    return names;
}
