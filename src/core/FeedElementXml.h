#pragma once

#include "core/FeedElement.h"

#include <QString>

#include <functional>

class CFeedNamespaces;

// Reads one element of a feed file into values and writes values back as
// an element's text, for elements the properties pages edit whole
// (image, cloud, enclosure, itunes:owner, nested itunes:category...).
class CFeedElementXml
{
public:
    // The element's text from its start tag to its end tag, as it stands in
    // the file; `scope` holds the declarations in force around it. False
    // when the text is not one well-formed element.
    static bool read(const QString &elementText, const CFeedNamespaces &scope, FeedElement *element);

    // How a written element is laid out and spelled.
    struct Style
    {
        QString indent;      // the line break and indentation before the element; children go one step deeper
        QString step;        // one level of indentation; children follow each other without white space when the element's lead holds no line break
        QString prefix;      // the prefix the element had, kept where it still stands for its namespace
        QString declarations; // the element's own namespace declarations as written (" xmlns:x=\"...\"")
        QString emptyTagEnd = QStringLiteral("/>");
        QString oldContent;  // the content the element had: a CDATA section stays one
        std::function<bool(char32_t)> canEncode;
    };
    struct Parts
    {
        QString startTag;
        QString content;
        QString endTag; // empty for an empty-element tag
    };
    // Every name's namespace must be in `scope` (see CFeedNamespaces::writtenName),
    // and the text hold only characters XML allows (XmlSafeText).
    static Parts write(const FeedElement &element, const CFeedNamespaces &scope, const Style &style);

    // An attribute value as written between double quotes. Line breaks and
    // tabs become references, which an attribute would otherwise read back
    // as spaces, and so does a character the file's encoding lacks (the
    // encoder would drop one that shows nothing, such as U+FEFF).
    static QString attributeText(const QString &value, const std::function<bool(char32_t)> &canEncode);
};
