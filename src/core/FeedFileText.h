#pragma once

#include <QString>

#include <string>
#include <vector>

// Turns the bytes of a feed file into the text that TinyXML parses: UTF-8
// without a byte-order mark, with LF line ends.
//
// TinyXML is lenient in ways that lose data: it drops the '&' of an entity
// it does not know, stops reading at the first '>' of a DOCTYPE or a
// processing instruction, reads "<?xml-stylesheet ...?>" as an empty XML
// declaration, and accepts files cut short or that are not valid UTF-8. The
// text is checked for all of that first, and the constructs TinyXML misreads
// are masked as "<!   >" placeholders (same length and lines) whose original
// text is kept aside to be put back into the parsed tree.
namespace FeedFileText {

struct Prepared
{
    bool hadByteOrderMark = false;
    // The file was not UTF-8 (declared another encoding, or was UTF-16) and
    // was converted; its declaration must then be made to say UTF-8.
    bool convertedToUtf8 = false;
    // What stood between '<' and '>' of each masked construct, in document
    // order. TinyXML reads each placeholder as a TiXmlUnknown node.
    std::vector<std::string> maskedConstructs;
};

// Elements nested deeper than this are refused: TinyXML parses, prints and
// frees the tree recursively.
constexpr int kMaxNesting = 1000;

// Rewrites `text` (the file's bytes) in place into the text for TinyXML.
// On failure *error says what is wrong and on which line.
bool prepare(std::string &text, Prepared *prepared, QString *error);

} // namespace FeedFileText
