#pragma once

#include <QStringList>
#include <QStringView>

#include <vector>

// The tags of the podcast namespace (https://podcastindex.org/namespace/1.0)
// and of Apple's iTunes namespace that the program knows, one row each, as
// the namespace's own tag pages describe them: where a tag may stand, how
// often, its node value and attributes, and each value's form. The
// vocabulary, the properties pages' choices and notes, the live item's
// states and the feed checker all read this table; each fixed list of
// values is spelt out once, in CPodcastValues.
//
// A new tag is a row here; where the pages edit it, also a field (see
// panes/PodcastFields) and its parent in the row's `fields`.
class CPodcastTags
{
public:
    // The elements a tag may stand in. An item's tags may also stand in a
    // podcast:liveItem, which takes all of them.
    enum Parent {
        Channel = 1,
        Item = 2,
        Value = 4,
        ValueTimeSplit = 8,
        AlternateEnclosure = 16,
        Podroll = 32,
        Publisher = 64,
        ItunesOwner = 128,
    };

    enum class Form {
        Text,
        HttpsUrl,    // a web address, https
        Uri,         // an address of any scheme (ipfs:, a torrent)
        Uuid,
        Iso8601,     // a date, or a date and time
        Rfc822,      // a date as pubDate writes it
        Seconds,     // "73", "1234.5"
        Integer,     // a whole number, 0 or more
        Decimal,     // "315.5"
        Percentage,  // 0 to 100
        Language,    // "en", "pt-br"
        Country,     // ISO 3166-1 alpha-2: "US"
        Boolean,     // true or false
        MimeType,
        Email,
        Geo,         // "geo:30.2672,97.7431"
        Osm,         // "R113314"
        AspectRatio, // as CSS writes it: "16/9", "1.9"
        Duration,    // seconds, or [hh:]mm:ss
        OneOf,       // one of the list
        Usual,       // usually one of the list, in any case; another is unusual, not wrong
        Tokens,      // words apart by spaces, each usually one of the list
    };

    enum class Need { Optional, Recommended, Required };

    // One of CPodcastValues' lists.
    using List = const QStringList &(*)();

    // The form of a node value or of an attribute's value.
    struct Content
    {
        Form form = Form::Text;
        List list = nullptr; // for OneOf, Usual and Tokens; suggestions for others
        int limit = 0;       // characters apps show; 0 for no limit
    };

    struct Attribute
    {
        const char *name;
        Content value;
        Need need = Need::Optional;
    };

    // The node value takes `value` while `attribute` reads `when`.
    struct Condition
    {
        const char *attribute;
        const char *when;
        Content value;
    };

    struct Tag
    {
        const char *name; // "podcast:transcript", "itunes:image"
        int parents;
        int fields;  // the parents in which the properties pages edit it
        bool single; // at most once in its parent
        Content text;
        Need textNeed;
        std::vector<Attribute> attributes;
        const char *requiredChild = nullptr; // a tag that must stand inside
        // Several in one parent, but one for each value of this attribute
        // (its list's first value when the attribute is missing).
        const char *onePer = nullptr;
        const char *replacedBy = nullptr; // for a tag the namespace retired
        std::vector<Condition> conditions = {};
    };

    static const std::vector<Tag> &all();
    // The tag of that name ("podcast:transcript"); null for one the table
    // does not have.
    static const Tag *find(QStringView name);
    // The attribute of a tag; null when the table has not both.
    static const Attribute *attribute(QStringView tag, QStringView attribute);
    // The podcast tag nearest in spelling to podcast:`localName` (a letter
    // or two off, or another case); null when none is.
    static const Tag *nearest(QStringView localName);
    // The names of the tags that the pages edit in `parent` (Channel or
    // Item), in the table's order.
    static QStringList editedIn(Parent parent);
    // Levenshtein's distance without regard to case; past `limit` it
    // gives up and returns limit + 1.
    static int distance(QStringView a, QStringView b, int limit);
    // Whether `value` is fine for `content`'s list: one of it for OneOf,
    // and for Usual and Tokens one of it in any case (each word of Tokens).
    static bool isListed(const QString &value, const Content &content);
};
