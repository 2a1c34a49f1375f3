#pragma once

#include <QStringView>

#include <initializer_list>
#include <vector>

// The tags of the podcast namespace (https://podcastindex.org/namespace/1.0)
// as the feed checker reads them: where each may stand, how often, which
// attributes it needs and what form its values take.
class CPodcastTags
{
public:
    // The elements a podcast tag may stand in. An item's tags may also stand
    // in a podcast:liveItem, which takes all of them.
    enum Parent {
        Channel = 1,
        Item = 2,
        Value = 4,
        ValueTimeSplit = 8,
        AlternateEnclosure = 16,
        Podroll = 32,
        Publisher = 64,
    };

    enum class Form {
        Text,
        HttpsUrl,   // a web address, https
        Uri,        // an address of any scheme (ipfs:, a torrent)
        Uuid,
        Iso8601,    // a date, or a date and time
        Rfc822,     // a date as pubDate writes it
        Seconds,    // "73", "1234.5"
        Integer,    // a whole number, 0 or more
        Decimal,    // "315.5"
        Language,
        Boolean,    // "true" or "false"
        MimeType,
        Email,
        Geo,        // "geo:30.2672,97.7431"
        Osm,        // "R113314"
        AspectRatio, // "16/9"
        OneOf,      // one of `values`
        Usual,      // usually one of `values`; another is unusual, not wrong
    };

    struct Attribute
    {
        const char *name;
        Form form;
        bool required = false;
        const char *values = nullptr; // for OneOf and Usual: "a|b|c"
        int limit = 0;                // characters apps show; 0 for no limit
    };

    struct Tag
    {
        const char *name; // the local name, "transcript"
        int parents;
        bool single;
        Form text;             // the node value's form
        bool textRequired;
        const char *textValues; // for OneOf and Usual
        int textLimit;
        const char *requiredChild; // a tag that must stand inside, or null
        std::vector<Attribute> attributes;
    };

    // The tag of that local name; null for one the namespace does not have.
    static const Tag *find(QStringView localName);
    // The known tag nearest in spelling to `localName` (a letter or two
    // off, or another case); null when none is.
    static const Tag *nearest(QStringView localName);
    static const std::vector<Tag> &all();
    // Levenshtein's distance without regard to case; past `limit` it
    // gives up and returns limit + 1.
    static int distance(QStringView a, QStringView b, int limit);
    // Whether `value` is one of the "a|b|c" list.
    static bool isOneOf(QStringView value, const char *values);
};
