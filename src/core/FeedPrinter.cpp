#include "core/FeedPrinter.h"

namespace {

constexpr size_t kPieceSize = 1 << 20;

} // namespace

FeedPrinter::FeedPrinter(std::function<bool(const std::string &)> write) : m_write(std::move(write))
{
    m_buffer.reserve(kPieceSize + 64 * 1024);
}

bool FeedPrinter::print(const TiXmlNode &node)
{
    node.Accept(this);
    if (!m_failed && !m_buffer.empty())
        m_failed = !m_write(m_buffer);
    m_buffer.clear();
    return !m_failed;
}

bool FeedPrinter::VisitEnter(const TiXmlElement &element, const TiXmlAttribute *firstAttribute)
{
    indent();
    m_buffer += '<';
    m_buffer += element.ValueStr();
    for (const TiXmlAttribute *attribute = firstAttribute; attribute; attribute = attribute->Next()) {
        m_buffer += ' ';
        attribute->Print(nullptr, 0, &m_buffer);
    }
    const TiXmlNode *first = element.FirstChild();
    bool more = true;
    if (!first) {
        m_buffer += " />";
        more = lineBreak();
    } else {
        m_buffer += '>';
        const TiXmlText *text = first->ToText();
        m_simpleText = text && !text->CDATA() && element.LastChild() == first;
        if (!m_simpleText)
            more = lineBreak();
    }
    ++m_depth;
    return more;
}

bool FeedPrinter::VisitExit(const TiXmlElement &element)
{
    --m_depth;
    if (!element.FirstChild())
        return !m_failed;
    if (m_simpleText)
        m_simpleText = false;
    else
        indent();
    m_buffer += "</";
    m_buffer += element.ValueStr();
    m_buffer += '>';
    return lineBreak();
}

bool FeedPrinter::Visit(const TiXmlDeclaration &declaration)
{
    indent();
    declaration.Print(nullptr, 0, &m_buffer);
    return lineBreak();
}

bool FeedPrinter::Visit(const TiXmlText &text)
{
    if (text.CDATA()) {
        indent();
        m_buffer += "<![CDATA[";
        appendWithCrLf(text.ValueStr());
        m_buffer += "]]>";
        return lineBreak();
    }
    m_encoded.clear();
    TiXmlBase::EncodeString(text.ValueStr(), &m_encoded);
    if (m_simpleText) {
        m_buffer += m_encoded;
        return true;
    }
    indent();
    m_buffer += m_encoded;
    return lineBreak();
}

bool FeedPrinter::Visit(const TiXmlComment &comment)
{
    indent();
    m_buffer += "<!--";
    appendWithCrLf(comment.ValueStr());
    m_buffer += "-->";
    return lineBreak();
}

bool FeedPrinter::Visit(const TiXmlUnknown &unknown)
{
    indent();
    m_buffer += '<';
    appendWithCrLf(unknown.ValueStr());
    m_buffer += '>';
    return lineBreak();
}

void FeedPrinter::indent()
{
    for (int i = 0; i < m_depth; ++i)
        m_buffer += "    ";
}

bool FeedPrinter::lineBreak()
{
    m_buffer += "\r\n";
    if (m_buffer.size() >= kPieceSize && !m_failed) {
        m_failed = !m_write(m_buffer);
        m_buffer.clear();
    }
    return !m_failed;
}

void FeedPrinter::appendWithCrLf(const std::string &raw)
{
    size_t pos = 0;
    for (;;) {
        const size_t lineFeed = raw.find('\n', pos);
        if (lineFeed == std::string::npos) {
            m_buffer.append(raw, pos, std::string::npos);
            return;
        }
        m_buffer.append(raw, pos, lineFeed - pos);
        m_buffer += "\r\n";
        pos = lineFeed + 1;
    }
}
