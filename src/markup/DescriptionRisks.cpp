#include "markup/DescriptionRisks.h"

#include "core/ValueCheck.h"

#include <QString>

#include <algorithm>
#include <cstring>
#include <string>

namespace {

using Id = CFeedRules::Id;

bool isHtmlSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

char asciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

bool startsWithIgnoringCase(std::string_view text, std::string_view lowerPrefix)
{
    if (text.size() < lowerPrefix.size())
        return false;
    for (size_t i = 0; i < lowerPrefix.size(); ++i) {
        if (asciiLower(text[i]) != lowerPrefix[i])
            return false;
    }
    return true;
}

bool containsIgnoringCase(std::string_view text, std::string_view lowerPart)
{
    for (size_t i = 0; i + lowerPart.size() <= text.size(); ++i) {
        if (startsWithIgnoringCase(text.substr(i), lowerPart))
            return true;
    }
    return false;
}

bool isOneOf(std::string_view word, std::initializer_list<std::string_view> lowerWords)
{
    for (const std::string_view candidate : lowerWords) {
        if (word.size() == candidate.size() && startsWithIgnoringCase(word, candidate))
            return true;
    }
    return false;
}

char *writeUtf8(char *out, char32_t code)
{
    if (code < 0x80) {
        *out++ = char(code);
    } else if (code < 0x800) {
        *out++ = char(0xC0 | (code >> 6));
        *out++ = char(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        *out++ = char(0xE0 | (code >> 12));
        *out++ = char(0x80 | ((code >> 6) & 0x3F));
        *out++ = char(0x80 | (code & 0x3F));
    } else {
        *out++ = char(0xF0 | (code >> 18));
        *out++ = char(0x80 | ((code >> 12) & 0x3F));
        *out++ = char(0x80 | ((code >> 6) & 0x3F));
        *out++ = char(0x80 | (code & 0x3F));
    }
    return out;
}

// Writes the character a reference names ("amp", "#38", "#x26") and
// returns the end of what it wrote; null for a name that is none. The
// character is never longer than its reference.
char *writeReference(char *out, std::string_view name)
{
    static const std::pair<std::string_view, char> named[] = {
            {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}};
    for (const auto &[entity, character] : named) {
        if (name == entity) {
            *out = character;
            return out + 1;
        }
    }
    if (name.size() < 2 || name[0] != '#')
        return nullptr;
    const bool hex = name[1] == 'x';
    const std::string_view digits = name.substr(hex ? 2 : 1);
    if (digits.empty() || digits.size() > 8)
        return nullptr;
    char32_t code = 0;
    for (const char c : digits) {
        const char lower = asciiLower(c);
        const int digit = c >= '0' && c <= '9' ? c - '0' : hex && lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
        if (digit < 0)
            return nullptr;
        code = code * (hex ? 16 : 10) + char32_t(digit);
    }
    return code > 0x10FFFF ? nullptr : writeUtf8(out, code);
}

// The whole content of an element in UTF-8 as FeedValue::wholeContent reads
// it: references decoded, CDATA sections unwrapped, comments and other
// markup as they stand. Runs between them are copied whole, found with
// memchr: descriptions are most of a feed. Never longer than the content.
std::string_view wholeContent(std::string &buffer, std::string_view content)
{
    constexpr size_t npos = std::string_view::npos;
    buffer.resize(content.size());
    char *out = buffer.data();
    const auto copy = [&](std::string_view run) {
        std::memcpy(out, run.data(), run.size());
        out += run.size();
    };
    size_t pos = 0;
    size_t amp = content.find('&');
    size_t open = content.find('<');
    while (pos < content.size()) {
        if (amp != npos && amp < pos)
            amp = content.find('&', pos);
        if (open != npos && open < pos)
            open = content.find('<', pos);
        const size_t next = std::min(amp, open);
        if (next == npos) {
            copy(content.substr(pos));
            break;
        }
        copy(content.substr(pos, next - pos));
        pos = next;
        if (content[pos] == '&') {
            const size_t semicolon = content.find(';', pos);
            if (semicolon == npos) {
                amp = npos; // no reference from here on
                *out++ = '&';
                ++pos;
                continue;
            }
            const std::string_view name = content.substr(pos + 1, semicolon - pos - 1);
            char *written = writeReference(out, name);
            if (written)
                out = written;
            else
                copy(content.substr(pos, semicolon + 1 - pos));
            pos = semicolon + 1;
        } else if (content.compare(pos, 9, "<![CDATA[") == 0) {
            const size_t close = content.find("]]>", pos + 9);
            copy(content.substr(pos + 9, (close == npos ? content.size() : close) - pos - 9));
            pos = close == npos ? content.size() : close + 3;
        } else if (content.compare(pos, 4, "<!--") == 0) {
            const size_t close = content.find("-->", pos + 4);
            const size_t stop = close == npos ? content.size() : close + 3;
            copy(content.substr(pos, stop - pos));
            pos = stop;
        } else {
            *out++ = '<';
            ++pos;
        }
    }
    return std::string_view(buffer.data(), size_t(out - buffer.data()));
}

// Walks the start tags of HTML in UTF-8, reading each tag's name and
// attributes.
class TagWalker
{
public:
    explicit TagWalker(std::string_view html) : m_html(html) {}

    // The next start tag's name ("a", "?import"); empty at the end.
    std::string_view nextTag()
    {
        for (;;) {
            m_pos = m_html.find('<', m_pos);
            if (m_pos == std::string_view::npos) {
                m_pos = m_html.size();
                return {};
            }
            ++m_pos;
            if (m_html.compare(m_pos, 3, "!--") == 0) {
                const size_t close = m_html.find("-->", m_pos);
                m_pos = close == std::string_view::npos ? m_html.size() : close + 3;
                continue;
            }
            const std::string_view name = readName();
            if (!name.empty() && name[0] != '/')
                return name;
        }
    }

    // The current tag's next attribute; false at the tag's end.
    bool nextAttribute(std::string_view *name, std::string_view *value)
    {
        while (m_pos < m_html.size() && (isHtmlSpace(m_html[m_pos]) || m_html[m_pos] == '/'))
            ++m_pos;
        if (m_pos >= m_html.size() || m_html[m_pos] == '>')
            return false;
        *name = readName();
        *value = {};
        if (name->empty()) {
            ++m_pos; // a stray "=" or quote
            return true;
        }
        skipSpace();
        if (m_pos < m_html.size() && m_html[m_pos] == '=') {
            ++m_pos;
            skipSpace();
            *value = readValue();
        }
        return true;
    }

private:
    std::string_view readName()
    {
        const size_t start = m_pos;
        while (m_pos < m_html.size() && !isHtmlSpace(m_html[m_pos]) && m_html[m_pos] != '>' && m_html[m_pos] != '='
               && (m_html[m_pos] != '/' || m_pos == start))
            ++m_pos;
        return m_html.substr(start, m_pos - start);
    }

    std::string_view readValue()
    {
        if (m_pos < m_html.size() && (m_html[m_pos] == '"' || m_html[m_pos] == '\'')) {
            const char quote = m_html[m_pos++];
            const size_t close = m_html.find(quote, m_pos);
            const size_t end = close == std::string_view::npos ? m_html.size() : close;
            const std::string_view value = m_html.substr(m_pos, end - m_pos);
            m_pos = std::min(end + 1, m_html.size());
            return value;
        }
        const size_t start = m_pos;
        while (m_pos < m_html.size() && !isHtmlSpace(m_html[m_pos]) && m_html[m_pos] != '>')
            ++m_pos;
        return m_html.substr(start, m_pos - start);
    }

    void skipSpace()
    {
        while (m_pos < m_html.size() && isHtmlSpace(m_html[m_pos]))
            ++m_pos;
    }

    std::string_view m_html;
    size_t m_pos = 0;
};

std::string_view trimmed(std::string_view text)
{
    const auto space = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    while (!text.empty() && space(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && space(text.back()))
        text.remove_suffix(1);
    return text;
}

// Whether a link in HTML is relative (CValueCheck::ClassifyUrl's
// NotAbsolute). The usual web address is told apart without a QString.
bool isRelativeLink(std::string_view link)
{
    for (const std::string_view scheme : {std::string_view("https://"), std::string_view("http://")}) {
        if (link.size() > scheme.size() && startsWithIgnoringCase(link, scheme)) {
            const char first = link[scheme.size()];
            const auto plain = [](char c) { return c > ' ' && c < 0x7F; };
            if (first != '/' && first != '?' && first != '#' && std::all_of(link.begin(), link.end(), plain))
                return false;
        }
    }
    return CValueCheck::ClassifyUrl(QString::fromUtf8(link.data(), qsizetype(link.size())))
            == CValueCheck::UrlForm::NotAbsolute;
}

// The risks a description's HTML (UTF-8) holds, each rule once.
QList<Id> descriptionRisks(std::string_view html)
{
    QList<Id> risks;
    const auto add = [&](Id id) {
        if (!risks.contains(id))
            risks.append(id);
    };
    TagWalker walker(html);
    for (std::string_view tag = walker.nextTag(); !tag.empty(); tag = walker.nextTag()) {
        if (isOneOf(tag, {"script"}))
            add(Id::DescriptionScript);
        else if (isOneOf(tag, {"iframe", "frame", "frameset"}))
            add(Id::DescriptionFrame);
        else if (isOneOf(tag, {"embed", "object", "applet", "meta", "base", "link", "style", "?import"}))
            add(Id::DescriptionActiveTag);
        std::string_view name, value;
        while (walker.nextAttribute(&name, &value)) {
            if (name.size() > 2 && startsWithIgnoringCase(name, "on"))
                add(Id::DescriptionEventAttribute);
            // A script may stand in any attribute that takes an address
            // (href, src, background, action...), or in CSS.
            const std::string_view link = trimmed(value);
            if (startsWithIgnoringCase(link, "javascript:") || startsWithIgnoringCase(link, "vbscript:")
                || (isOneOf(name, {"style"}) && containsIgnoringCase(link, "expression(")))
                add(Id::DescriptionScript);
            else if (isOneOf(name, {"href", "src"}) && !link.empty() && link[0] != '#' && isRelativeLink(link))
                add(Id::DescriptionRelativeLink);
        }
    }
    return risks;
}

} // namespace

QList<Id> CDescriptionRisks::find(std::string_view content)
{
    if (content.find('<') == std::string_view::npos && content.find('&') == std::string_view::npos)
        return {};
    thread_local std::string buffer;
    return descriptionRisks(wholeContent(buffer, content));
}
