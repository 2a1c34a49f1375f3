#include "panes/PodcastCategoryDelegate.h"

#include "core/PodcastCategories.h"

QStringList CPodcastCategoryDelegate::choices(const QModelIndex &index) const
{
    QStringList choices;
    const QString category = index.siblingAtColumn(0).data().toString();
    for (const PodcastCategory &entry : CPodcastCategories::all()) {
        if (index.column() == 0)
            choices.append(entry.name);
        else if (entry.name == category)
            choices.append(entry.subcategories);
    }
    return choices;
}
