#pragma once

#include <tinyxml.h>

#include <functional>
#include <string>

// Prints a TinyXML tree the way a feed file holds it: TinyXML's printer
// layout (four-space indent, an element with one text child on one line,
// CDATA sections on lines of their own), every line ending in CR LF, also
// the line feeds inside comments, CDATA sections and other kept markup, as
// a text-mode write gives. The text goes out in pieces of about a megabyte,
// so saving a large feed does not hold a second copy of it.
class FeedPrinter : public TiXmlVisitor
{
public:
    // `write` takes each piece; returning false stops the printing.
    explicit FeedPrinter(std::function<bool(const std::string &)> write);

    // Prints `node` and everything below it; false when a write failed.
    bool print(const TiXmlNode &node);

    bool VisitEnter(const TiXmlElement &element, const TiXmlAttribute *firstAttribute) override;
    bool VisitExit(const TiXmlElement &element) override;
    bool Visit(const TiXmlDeclaration &declaration) override;
    bool Visit(const TiXmlText &text) override;
    bool Visit(const TiXmlComment &comment) override;
    bool Visit(const TiXmlUnknown &unknown) override;

private:
    void indent();
    bool lineBreak();
    void appendWithCrLf(const std::string &raw);

    std::function<bool(const std::string &)> m_write;
    std::string m_buffer;
    std::string m_encoded;
    int m_depth = 0;
    bool m_simpleText = false;
    bool m_failed = false;
};
