#include "core/PodcastCategories.h"

namespace {

QList<PodcastCategory> makeList()
{
    auto row = [](const char *name, std::initializer_list<const char *> subcategories) {
        PodcastCategory category{QString::fromUtf8(name), {}};
        for (const char *subcategory : subcategories)
            category.subcategories.append(QString::fromUtf8(subcategory));
        return category;
    };
    return {
        row("Arts", {"Books", "Design", "Fashion & Beauty", "Food", "Performing Arts", "Visual Arts"}),
        row("Business", {"Careers", "Entrepreneurship", "Investing", "Management", "Marketing", "Non-Profit"}),
        row("Comedy", {"Comedy Interviews", "Improv", "Stand-Up"}),
        row("Education", {"Courses", "How To", "Language Learning", "Self-Improvement"}),
        row("Fiction", {"Comedy Fiction", "Drama", "Science Fiction"}),
        row("Government", {}),
        row("History", {}),
        row("Health & Fitness", {"Alternative Health", "Fitness", "Medicine", "Mental Health", "Nutrition", "Sexuality"}),
        row("Kids & Family", {"Education for Kids", "Parenting", "Pets & Animals", "Stories for Kids"}),
        row("Leisure", {"Animation & Manga", "Automotive", "Aviation", "Crafts", "Games", "Hobbies", "Home & Garden",
                        "Video Games"}),
        row("Music", {"Music Commentary", "Music History", "Music Interviews"}),
        row("News", {"Business News", "Daily News", "Entertainment News", "News Commentary", "Politics", "Sports News",
                     "Tech News"}),
        row("Religion & Spirituality", {"Buddhism", "Christianity", "Hinduism", "Islam", "Judaism", "Religion",
                                        "Spirituality"}),
        row("Science", {"Astronomy", "Chemistry", "Earth Sciences", "Life Sciences", "Mathematics", "Natural Sciences",
                        "Nature", "Physics", "Social Sciences"}),
        row("Society & Culture", {"Documentary", "Personal Journals", "Philosophy", "Places & Travel", "Relationships"}),
        row("Sports", {"Baseball", "Basketball", "Cricket", "Fantasy Sports", "Football", "Golf", "Hockey", "Rugby",
                       "Running", "Soccer", "Swimming", "Tennis", "Volleyball", "Wilderness", "Wrestling"}),
        row("Technology", {}),
        row("True Crime", {}),
        row("TV & Film", {"After Shows", "Film History", "Film Interviews", "Film Reviews", "TV Reviews"}),
    };
}

const PodcastCategory *findCategory(const QString &name)
{
    for (const PodcastCategory &category : CPodcastCategories::all()) {
        if (category.name == name)
            return &category;
    }
    return nullptr;
}

} // namespace

const QList<PodcastCategory> &CPodcastCategories::all()
{
    static const QList<PodcastCategory> categories = makeList();
    return categories;
}

bool CPodcastCategories::isCategory(const QString &name)
{
    return findCategory(name) != nullptr;
}

bool CPodcastCategories::isSubcategory(const QString &category, const QString &subcategory)
{
    const PodcastCategory *found = findCategory(category);
    return found && found->subcategories.contains(subcategory);
}
