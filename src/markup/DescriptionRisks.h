#pragma once

#include "markup/FeedRules.h"

#include <QList>

#include <string_view>

// The risks a description's HTML holds for a reader that shows it: script,
// frames, active tags, event attributes and relative links. Reads the
// element's content in UTF-8 as it stands in the file (references and
// CDATA sections as written) with a tag scan of its own rather than the
// markup scanner: descriptions make up most of a feed, and this reads them
// with a search for "<" between tags.
class CDescriptionRisks
{
public:
    // Each rule once, in the order first found.
    static QList<CFeedRules::Id> find(std::string_view content);
};
