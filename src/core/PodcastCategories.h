#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One of Apple's podcast categories with its subcategories, as the text
// attributes of itunes:category elements hold them (unescaped: "&" is the
// writer's to escape).
struct PodcastCategory
{
    QString name;
    QStringList subcategories;
};

// Apple's podcast categories of 2019, in Apple's order. Names compare
// exactly: directories do not take "tv & film" for "TV & Film".
class CPodcastCategories
{
public:
    static const QList<PodcastCategory> &all();
    static bool isCategory(const QString &name);
    // True only for a subcategory listed under that category.
    static bool isSubcategory(const QString &category, const QString &subcategory);
};
