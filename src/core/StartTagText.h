#pragma once

#include <QString>

// Edits of a start tag's text that keep the rest of it as written: its
// spacing, quotes and the other attributes.
class CStartTagText
{
public:
    // Adds an attribute after the last one of a start tag, set apart from it
    // as that one is from what comes before it (a space, or a line break and
    // indentation when the tag has one attribute a line).
    static QString withAttribute(const QString &startTag, const QString &attribute);
    // The start tag with attribute `name` given the value `written` (as
    // attributeText writes it) in place of its old one, or added after the
    // last; an empty `written` takes the attribute out with the space before it.
    static QString withAttributeValue(const QString &startTag, const QString &name, const QString &written);
};
