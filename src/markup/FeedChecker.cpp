#include "markup/FeedChecker.h"

#include "core/FeedTree.h"
#include "core/FeedValue.h"
#include "core/FeedVocabulary.h"
#include "core/LanguageCodes.h"
#include "core/PodcastCategories.h"
#include "core/PodcastTags.h"
#include "core/PodcastValues.h"
#include "core/Rfc822Date.h"
#include "core/ValueCheck.h"
#include "markup/ArtworkFile.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <array>
#include <cstring>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>
#include <string>
#include <string_view>
#include <limits>
#include <tuple>

namespace {

using Id = CFeedRules::Id;
using Node = CFeedTree::Node;
using Problem = CFeedChecker::Problem;

QString latin1(const char *text)
{
    return QString::fromLatin1(text);
}


// The elements RSS 2.0 allows inside one element, and whether each may
// appear only once.
struct ChildRule
{
    const char *name;
    bool single;
};

const std::vector<ChildRule> kRssChildren = {{"channel", true}};
const std::vector<ChildRule> kChannelChildren = {
        {"title", true},         {"link", true},          {"description", true}, {"language", true},
        {"copyright", true},     {"managingEditor", true}, {"webMaster", true},  {"pubDate", true},
        {"lastBuildDate", true}, {"category", false},     {"generator", true},   {"docs", true},
        {"cloud", true},         {"ttl", true},           {"image", true},       {"rating", true},
        {"textInput", true},     {"skipHours", true},     {"skipDays", true},    {"item", false}};
const std::vector<ChildRule> kItemChildren = {
        {"title", true},     {"link", true}, {"description", true}, {"author", true},  {"category", false},
        {"comments", true},  {"enclosure", false}, {"guid", true},  {"pubDate", true}, {"source", true}};
const std::vector<ChildRule> kImageChildren = {{"url", true},    {"title", true},  {"link", true},
                                               {"width", true},  {"height", true}, {"description", true}};
const std::vector<ChildRule> kTextInputChildren = {{"title", true}, {"description", true}, {"name", true}, {"link", true}};
const std::vector<ChildRule> kSkipHoursChildren = {{"hour", false}};
const std::vector<ChildRule> kSkipDaysChildren = {{"day", false}};

const ChildRule *findChildRule(const std::vector<ChildRule> &rules, const QString &name)
{
    for (const ChildRule &rule : rules) {
        if (name == QLatin1String(rule.name))
            return &rule;
    }
    return nullptr;
}

// HTML 4's named entities: text that holds one was meant for a browser.
const QSet<QString> &htmlEntityNames()
{
    static const QSet<QString> names = [] {
        const QString list = QStringLiteral(
                "AElig Aacute Acirc Agrave Alpha Aring Atilde Auml Beta Ccedil Chi Dagger Delta ETH Eacute Ecirc "
                "Egrave Epsilon Eta Euml Gamma Iacute Icirc Igrave Iota Iuml Kappa Lambda Mu Ntilde Nu OElig Oacute "
                "Ocirc Ograve Omega Omicron Oslash Otilde Ouml Phi Pi Prime Psi Rho Scaron Sigma THORN Tau Theta "
                "Uacute Ucirc Ugrave Upsilon Uuml Xi Yacute Yuml Zeta aacute acirc acute aelig agrave alefsym alpha "
                "amp and ang apos aring asymp atilde auml bdquo beta brvbar bull cap ccedil cedil cent chi circ clubs "
                "cong copy crarr cup curren dArr dagger darr deg delta diams divide eacute ecirc egrave empty emsp "
                "ensp epsilon equiv eta eth euml euro exist fnof forall frac12 frac14 frac34 frasl gamma ge gt hArr "
                "harr hearts hellip iacute icirc iexcl igrave image infin int iota iquest isin iuml kappa lArr lambda "
                "lang laquo larr lceil ldquo le lfloor lowast loz lrm lsaquo lsquo lt macr mdash micro middot minus "
                "mu nabla nbsp ndash ne ni not notin nsub ntilde nu oacute ocirc oelig ograve oline omega omicron "
                "oplus or ordf ordm oslash otilde otimes ouml para part permil perp phi pi piv plusmn pound prime "
                "prod prop psi quot rArr radic rang raquo rarr rceil rdquo real reg rfloor rho rlm rsaquo rsquo "
                "sbquo scaron sdot sect shy sigma sigmaf sim spades sub sube sum sup sup1 sup2 sup3 supe szlig tau "
                "there4 theta thetasym thinsp thorn tilde times trade uArr uacute uarr ucirc ugrave uml upsih "
                "upsilon uuml weierp xi yacute yen yuml zeta zwj zwnj");
        const QStringList words = list.split(u' ');
        return QSet<QString>(words.begin(), words.end());
    }();
    return names;
}

bool isAsciiLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool isAsciiAlnum(QChar c)
{
    return isAsciiLetter(c) || (c >= u'0' && c <= u'9');
}

// The text of plain-text content as a reader sees it, except that "&" and
// "<" written as hexadecimal references (the way RSS recommends for a
// literal character) become U+FFFC, so that they never read as markup.
QString visibleText(const QString &content)
{
    QString text;
    qsizetype pos = 0;
    while (pos < content.size()) {
        const QStringView rest = QStringView(content).mid(pos);
        if (rest.startsWith(u"<![CDATA[")) {
            const qsizetype close = content.indexOf(QLatin1String("]]>"), pos);
            const qsizetype stop = close < 0 ? content.size() : close;
            text += QStringView(content).mid(pos + 9, stop - pos - 9);
            pos = stop + 3;
        } else if (rest.startsWith(u"<!--")) {
            const qsizetype close = content.indexOf(QLatin1String("-->"), pos);
            pos = close < 0 ? content.size() : close + 3;
        } else if (rest.startsWith(u'&') && content.indexOf(u';', pos) < 0) {
            text += rest;
            break;
        } else if (rest.startsWith(u"&#x")) {
            const qsizetype semicolon = content.indexOf(u';', pos);
            const QString decoded = FeedValue::text(content.mid(pos, semicolon + 1 - pos));
            text += decoded == QLatin1String("&") || decoded == QLatin1String("<") ? QString(QChar(0xFFFC)) : decoded;
            pos = semicolon + 1;
        } else if (rest.startsWith(u'&')) {
            const qsizetype semicolon = content.indexOf(u';', pos);
            text += FeedValue::text(content.mid(pos, semicolon + 1 - pos));
            pos = semicolon + 1;
        } else {
            text += content[pos++];
        }
    }
    return text;
}

// Whether plain text holds a tag or an HTML entity or character reference.
bool looksLikeHtml(const QString &content)
{
    if (!content.contains(u'<') && !content.contains(u'&'))
        return false;
    const QString text = visibleText(content);
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        const QChar next = text[i + 1];
        if (text[i] == u'<' && (isAsciiLetter(next) || next == u'/' || next == u'!' || next == u'?'))
            return true;
        if (text[i] != u'&')
            continue;
        if (next == u'#') {
            if (i + 2 < text.size() && (text[i + 2].isDigit() || text[i + 2] == u'x'))
                return true;
            continue;
        }
        qsizetype end = i + 1;
        while (end < text.size() && isAsciiAlnum(text[end]))
            ++end;
        if (htmlEntityNames().contains(text.mid(i + 1, end - i - 1)))
            return true;
    }
    return false;
}

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
// attributes. A tag scan of its own rather than the markup scanner:
// descriptions make up most of a feed, and this reads them with a search
// for "<" between tags.
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
        else if (isOneOf(tag, {"embed", "object", "applet", "meta", "base", "?import"}))
            add(Id::DescriptionActiveTag);
        std::string_view name, value;
        while (walker.nextAttribute(&name, &value)) {
            if (name.size() > 2 && startsWithIgnoringCase(name, "on"))
                add(Id::DescriptionEventAttribute);
            if (!isOneOf(name, {"href", "src"}))
                continue;
            const std::string_view link = trimmed(value);
            if (startsWithIgnoringCase(link, "javascript:"))
                add(Id::DescriptionScript);
            else if (!link.empty() && link[0] != '#' && isRelativeLink(link))
                add(Id::DescriptionRelativeLink);
        }
    }
    return risks;
}

// --- Podcast values

using Form = CPodcastTags::Form;

// Which podcast tags an element may hold (CPodcastTags::Parent); 0 for one
// that holds none.
int podcastParentKind(const Node &node)
{
    if (node.name == QLatin1String("channel"))
        return CPodcastTags::Channel;
    if (node.name == QLatin1String("item") || node.name == QLatin1String("podcast:liveItem"))
        return CPodcastTags::Item;
    static const std::pair<const char *, int> kinds[] = {
            {"podcast:value", CPodcastTags::Value},
            {"podcast:valueTimeSplit", CPodcastTags::ValueTimeSplit},
            {"podcast:alternateEnclosure", CPodcastTags::AlternateEnclosure},
            {"podcast:podroll", CPodcastTags::Podroll},
            {"podcast:publisher", CPodcastTags::Publisher}};
    for (const auto &[name, kind] : kinds) {
        if (node.name == QLatin1String(name))
            return kind;
    }
    return 0;
}

// "channel or item", for a message.
QString parentNames(int parents)
{
    static const std::pair<int, const char *> names[] = {
            {CPodcastTags::Channel, "channel"},
            {CPodcastTags::Item, "item"},
            {CPodcastTags::Value, "podcast:value"},
            {CPodcastTags::ValueTimeSplit, "podcast:valueTimeSplit"},
            {CPodcastTags::AlternateEnclosure, "podcast:alternateEnclosure"},
            {CPodcastTags::Podroll, "podcast:podroll"},
            {CPodcastTags::Publisher, "podcast:publisher"}};
    QStringList list;
    for (const auto &[flag, name] : names) {
        if (parents & flag)
            list << latin1(name);
    }
    return list.join(QCoreApplication::translate("CFeedChecker", " or "));
}

// A value of the podcast tags that breaks its form: the rule, and a message
// more exact than the rule's, or none.
struct Finding
{
    Id rule;
    QString message;
};

QString listed(const CPodcastTags::Content &content)
{
    return (content.list ? content.list() : CPodcastValues::booleans()).join(QLatin1String(", "));
}

// The forms of numbers, times and identifiers.
std::optional<Finding> formFinding(const QString &value, Form form)
{
    switch (form) {
    case Form::Uuid:
        return CPodcastValues::IsUuid(value) ? std::nullopt : std::optional<Finding>({Id::PodcastUuid, {}});
    case Form::Iso8601:
        if (CPodcastValues::Iso8601(value) != CPodcastValues::IsoForm::Invalid)
            return std::nullopt;
        return Finding{Id::PodcastDate, {}};
    case Form::Seconds:
        return CPodcastValues::IsDecimal(value) ? std::nullopt : std::optional<Finding>({Id::PodcastTime, {}});
    case Form::Integer:
        if (CPodcastValues::IsDecimal(value) && !value.contains(u'.'))
            return std::nullopt;
        return Finding{Id::PodcastNumber, QCoreApplication::translate("CFeedChecker", "Not a whole number such as \"3\".")};
    case Form::Decimal:
        if (CPodcastValues::IsDecimal(value))
            return std::nullopt;
        return Finding{Id::PodcastNumber, QCoreApplication::translate("CFeedChecker", "Not a number such as \"3\" or \"315.5\".")};
    case Form::Percentage:
        if (CPodcastValues::Percentage(value).isEmpty())
            return std::nullopt;
        return Finding{Id::PodcastNumber, QCoreApplication::translate("CFeedChecker", "Not a percentage from 0 to 100.")};
    case Form::Geo:
        if (CPodcastValues::IsGeo(value))
            return std::nullopt;
        return Finding{Id::PodcastValue, QCoreApplication::translate("CFeedChecker", "Not a place in geo notation such as \"geo:30.2672,97.7431\", "
                                                       "latitude from -90 to 90 and longitude from -180 to 180.")};
    case Form::Osm:
        if (CPodcastValues::IsOsm(value))
            return std::nullopt;
        return Finding{Id::PodcastValue, QCoreApplication::translate("CFeedChecker", "Not an OpenStreetMap object such as \"R113314\": N, W or R, "
                                                       "its number and an optional revision such as \"#2\".")};
    case Form::Country:
        if (value.size() == 2 && CLanguageCodes::isCountry(value))
            return std::nullopt;
        return Finding{Id::PodcastValue, QCoreApplication::translate("CFeedChecker", "Not a country code of ISO 3166-1, two letters such as \"US\".")};
    case Form::AspectRatio:
        if (CPodcastValues::IsAspectRatio(value))
            return std::nullopt;
        return Finding{Id::PodcastValue, QCoreApplication::translate("CFeedChecker", "Not an aspect ratio such as \"16/9\" or \"1.9\".")};
    default:
        return std::nullopt;
    }
}

// The forms of words: media types, true or false, the namespace's lists.
std::optional<Finding> wordFinding(const QString &value, const CPodcastTags::Content &content)
{
    switch (content.form) {
    case Form::MimeType:
        if (CValueCheck::MimeType(value).isEmpty())
            return std::nullopt;
        return Finding{Id::PodcastValue, QCoreApplication::translate("CFeedChecker", "Not a media type such as \"audio/mpeg\".")};
    case Form::Language:
        if (const QString note = CValueCheck::LanguageCode(value); !note.isEmpty())
            return Finding{Id::LanguageInvalid, note};
        return std::nullopt;
    case Form::Email:
        if (CValueCheck::ClassifyEmail(value) != CValueCheck::EmailForm::Invalid)
            return std::nullopt;
        return Finding{Id::EmailInvalid, QCoreApplication::translate("CFeedChecker", "Not an e-mail address such as \"jo@example.org\".")};
    case Form::Boolean:
    case Form::OneOf:
        if (CPodcastTags::isListed(value, content))
            return std::nullopt;
        return Finding{Id::PodcastValue, QCoreApplication::translate("CFeedChecker", "\"%1\" is not one of %2.").arg(value, listed(content))};
    case Form::Usual:
    case Form::Tokens:
        if (CPodcastTags::isListed(value, content))
            return std::nullopt;
        return Finding{Id::PodcastValueUncommon,
                       QCoreApplication::translate("CFeedChecker", "Few podcast apps know \"%1\"; the usual values are %2.").arg(value, listed(content))};
    default:
        return formFinding(value, content.form);
    }
}

// The node value's form: the tag's, or that of a condition the node meets.
CPodcastTags::Content textContent(const Node &node, const CPodcastTags::Tag &tag)
{
    for (const CPodcastTags::Condition &condition : tag.conditions) {
        if (node.attribute(latin1(condition.attribute)).trimmed() == QLatin1String(condition.when))
            return condition.value;
    }
    return tag.text;
}

// Values the checker reads with rules of their own, with or without the
// podcast rules.
bool checkedAlways(const CPodcastTags::Tag &tag)
{
    return qstrcmp(tag.name, "podcast:guid") == 0 || qstrcmp(tag.name, "podcast:locked") == 0;
}

// What makes a tag of several a repeat: for one that may stand once for each
// value of an attribute, that value (the list's first when it is missing).
QString repeatKey(const Node &node, const CPodcastTags::Tag &tag)
{
    if (!tag.onePer)
        return QString();
    const QString value = node.attribute(latin1(tag.onePer)).trimmed();
    if (!value.isEmpty())
        return value;
    const CPodcastTags::Attribute *attribute = CPodcastTags::attribute(node.name, latin1(tag.onePer));
    return attribute && attribute->value.list ? attribute->value.list().value(0) : QString();
}

// The namespaces whose misspellings are reported, in their usual spelling.
const char *const kPodcastNamespaces[] = {"https://podcastindex.org/namespace/1.0",
                                          "http://www.itunes.com/dtds/podcast-1.0.dtd"};

// The podcast or iTunes namespace's address when `uri` is a misspelling of
// it (a few letters off, or another path on its host); empty otherwise, and
// for each spelling readers know.
QString nearNamespace(const QString &uri)
{
    if (!CFeedVocabulary::canonicalPrefix(uri).isEmpty())
        return QString();
    for (const char *known : kPodcastNamespaces) {
        const QString address = latin1(known);
        const QString host = address.section(u'/', 2, 2);
        if (CPodcastTags::distance(uri, address, 4) <= 4 || uri.contains(host, Qt::CaseInsensitive))
            return address;
    }
    return QString();
}

// Whether the feed declares the iTunes or the podcast namespace, or means to.
bool declaresPodcast(const CFeedTree &tree)
{
    for (const CFeedTree::Declaration &declaration : tree.declarations()) {
        const QString prefix = CFeedVocabulary::canonicalPrefix(declaration.uri);
        if (prefix == QLatin1String("itunes") || prefix == QLatin1String("podcast")
            || !nearNamespace(declaration.uri).isEmpty())
            return true;
    }
    return false;
}

// Applies the rules to one parsed feed.
class Checker
{
public:
    // A problem and the offset of the tag it is at.
    struct Placed
    {
        qsizetype offset;
        Problem problem;
    };

    static bool byOffset(const Placed &a, const Placed &b) { return a.offset < b.offset; }

    Checker(const CFeedTree &tree, const CFeedChecker::Options &options, bool podcast)
        : m_tree(tree), m_options(options), m_podcast(podcast)
    {
    }

    class ItemPipeline;

    // The problems of the channel's items, found while the file was parsed.
    void useCheckedItems(std::vector<Placed> problems) { m_checkedItems = std::move(problems); }

    // In file order, with their lines and columns.
    QList<Problem> problems()
    {
        // Each item's come sorted, and the items in file order: often all are.
        if (!std::is_sorted(m_problems.begin(), m_problems.end(), byOffset))
            std::stable_sort(m_problems.begin(), m_problems.end(), byOffset);
        CFeedTree::Positions positions(m_tree);
        QList<Problem> sorted;
        sorted.reserve(qsizetype(m_problems.size()));
        for (Placed &placed : m_problems) {
            std::tie(placed.problem.line, placed.problem.column) = positions.at(placed.offset);
            sorted.append(std::move(placed.problem));
        }
        return sorted;
    }

    void checkRss(const Node &rss)
    {
        if (rss.name != QLatin1String("rss")) {
            report(Id::NotRss, rss);
            return;
        }
        static const QStringList versions = {QStringLiteral("2.0"), QStringLiteral("0.91"), QStringLiteral("0.92")};
        if (!versions.contains(rss.attribute(QStringLiteral("version"))))
            report(Id::RssVersion, rss, QStringLiteral("version"));
        for (const auto &[name, value] : rss.attributes) {
            if (name.contains(u':') && !name.startsWith(QLatin1String("xmlns:")))
                report(Id::ExtensionAttribute, rss, name);
        }
        checkChildren(rss, kRssChildren);
        m_channel = rss.child(QStringLiteral("channel"));
        checkExtensions(rss);
        if (m_podcast)
            checkNamespaceSpellings();
        const Node *channel = rss.child(QStringLiteral("channel"));
        if (!channel) {
            reportMissing(Id::MissingChannel, rss, QStringLiteral("channel"));
            return;
        }
        checkChannel(*channel);
    }

private:
    // --- Reporting

    void report(Id rule, const Node &node, const QString &attribute = QString(), const QString &message = QString())
    {
        Problem problem;
        problem.rule = rule;
        problem.message = message.isEmpty() ? ruleMessage(rule) : message;
        problem.post = node.post;
        problem.parent = node.parent ? node.parent->name : QString();
        problem.field = node.name;
        problem.attribute = attribute;
        m_problems.push_back({node.begin, problem});
    }

    // Translated once a check: a large feed has thousands of problems of a rule.
    const QString &ruleMessage(Id rule)
    {
        QString &message = m_messages[size_t(rule)];
        if (message.isNull())
            message = CFeedRules::Message(rule);
        return message;
    }

    // A field that `parent` lacks: reported at the parent.
    void reportMissing(Id rule, const Node &parent, const QString &field)
    {
        report(rule, parent);
        Problem &problem = m_problems.back().problem;
        problem.parent = parent.name;
        problem.field = field;
    }

    // --- Structure

    struct Required
    {
        const char *name;
        Id rule; // when it is missing
    };

    void checkRequired(const Node &node, std::initializer_list<Required> required)
    {
        for (const Required &child : required) {
            if (!node.child(latin1(child.name)))
                reportMissing(child.rule, node, latin1(child.name));
        }
    }

    void checkChildren(const Node &node, const std::vector<ChildRule> &allowed)
    {
        std::vector<bool> seen(allowed.size());
        for (const Node *child : node.children) {
            if (child->unboundPrefix) {
                report(Id::UnboundPrefix, *child);
                continue;
            }
            if (child->namespaced)
                continue;
            const ChildRule *rule = findChildRule(allowed, child->name);
            if (!rule) {
                report(Id::UnknownElement, *child);
                continue;
            }
            const size_t index = size_t(rule - allowed.data());
            if (rule->single && seen[index])
                report(Id::DuplicateElement, *child);
            seen[index] = true;
        }
        if (!node.children.empty() && m_tree.hasTextBetweenChildren(node))
            report(Id::UnexpectedText, node);
    }

    // A container such as image must hold elements; text alone is wrong too.
    void checkContainer(const Node &node, const std::vector<ChildRule> &allowed)
    {
        checkChildren(node, allowed);
        if (node.children.empty() && !m_tree.text(node).trimmed().isEmpty())
            report(Id::UnexpectedText, node);
    }

    // Elements of other vocabularies may hold anything of theirs, but an
    // element without a namespace inside one means nothing to a reader.
    // The channel's items are left to checkItem, which may run on another thread.
    void checkExtensions(const Node &node)
    {
        for (const Node *child : node.children) {
            if (child->namespaced)
                checkNamespaced(*child);
            else if (&node != m_channel || child->name != QLatin1String("item"))
                checkExtensions(*child);
        }
    }

    void checkNamespaced(const Node &node)
    {
        // The podcast rules check every address of a podcast tag.
        if (!m_podcast && node.name.startsWith(QLatin1String("podcast:")))
            checkPodcastLinks(node);
        // A live item holds what an item holds.
        const bool liveItem = node.name == QLatin1String("podcast:liveItem");
        for (const Node *child : node.children) {
            if (!child->namespaced && !child->unboundPrefix && !liveItem)
                report(Id::NoNamespace, *child);
            checkNamespaced(*child);
        }
    }

    // --- Values

    QString text(const Node &node) const { return m_tree.text(node).trimmed(); }

    void checkUrl(const Node &node, const QString &value, const QString &attribute = QString())
    {
        switch (CValueCheck::ClassifyUrl(value)) {
        case CValueCheck::UrlForm::Valid:
            break;
        case CValueCheck::UrlForm::UnusualScheme:
            report(Id::UrlScheme, node, attribute, CValueCheck::AbsoluteUrl(value));
            break;
        case CValueCheck::UrlForm::NotAbsolute:
            report(Id::UrlNotAbsolute, node, attribute, CValueCheck::AbsoluteUrl(value));
            break;
        }
    }

    void checkUrlElement(const Node *node)
    {
        if (node)
            checkUrl(*node, text(*node));
    }

    void checkPlainText(const Node *node)
    {
        if (node && looksLikeHtml(m_tree.content(*node)))
            report(Id::TextContainsHtml, *node);
    }

    void checkDate(const Node *node)
    {
        if (!node)
            return;
        const CRfc822Date date = CRfc822Date::Parse(text(*node));
        if (date.verdict() == CRfc822Date::Verdict::Invalid) {
            report(Id::DateInvalid, *node, QString(), date.problem());
            return;
        }
        if (date.verdict() == CRfc822Date::Verdict::Problematical)
            report(Id::DateProblematical, *node, QString(), date.problem());
        const QString implausible = CValueCheck::DatePlausibility(date.moment(), m_options.now);
        if (!implausible.isEmpty())
            report(Id::DateImplausible, *node, QString(), implausible);
    }

    void checkEmail(const Node *node)
    {
        if (!node)
            return;
        switch (CValueCheck::ClassifyEmail(text(*node))) {
        case CValueCheck::EmailForm::Valid:
            break;
        case CValueCheck::EmailForm::AddressOnly:
            report(Id::EmailNoName, *node);
            break;
        case CValueCheck::EmailForm::OtherForm:
            report(Id::EmailForm, *node);
            break;
        case CValueCheck::EmailForm::Invalid:
            report(Id::EmailInvalid, *node);
            break;
        }
        checkPlainText(node);
    }

    void checkInteger(Id rule, const Node *node, qint64 min, qint64 max)
    {
        if (node && !CValueCheck::IntegerInRange(text(*node), min, max).isEmpty())
            report(rule, *node);
    }

    // A value out of a fixed set; `caseSensitive` as the readers compare.
    void checkOneOf(Id rule, const Node *node, const QStringList &values, Qt::CaseSensitivity cs = Qt::CaseSensitive)
    {
        if (node && !values.contains(text(*node), cs))
            report(rule, *node);
    }

    // --- channel

    void checkChannel(const Node &channel)
    {
        checkChildren(channel, kChannelChildren);
        const auto field = [&](const char *name) { return channel.child(latin1(name)); };
        checkRequired(channel, {{"title", Id::ChannelMissingTitle},
                                {"link", Id::ChannelMissingLink},
                                {"description", Id::ChannelMissingDescription}});

        if (const Node *title = field("title"); title && text(*title).isEmpty())
            report(Id::BlankTitle, *title);
        // An empty description describes nothing: readers show none.
        if (const Node *description = field("description"); description && text(*description).trimmed().isEmpty())
            report(Id::ChannelMissingDescription, *description, QString(),
                   QCoreApplication::translate("CFeedChecker", "The channel's description is empty."));
        checkPlainText(field("title"));
        checkPlainText(field("description"));
        checkUrlElement(field("link"));
        checkUrlElement(field("docs"));
        if (const Node *language = field("language")) {
            const QString note = CValueCheck::LanguageCode(text(*language));
            if (!note.isEmpty())
                report(Id::LanguageInvalid, *language, QString(), note);
        }
        checkEmail(field("managingEditor"));
        checkEmail(field("webMaster"));
        checkDate(field("pubDate"));
        checkDate(field("lastBuildDate"));
        checkInteger(Id::TtlInvalid, field("ttl"), 1, std::numeric_limits<qint64>::max());
        if (const Node *cloud = field("cloud"))
            checkCloud(*cloud);
        if (const Node *image = field("image"))
            checkImage(*image, channel);
        if (const Node *textInput = field("textInput"))
            checkTextInput(*textInput);
        if (const Node *skipHours = field("skipHours"))
            checkSkipHours(*skipHours);
        if (const Node *skipDays = field("skipDays"))
            checkSkipDays(*skipDays);
        checkSelfLink(channel);
        checkItunesChannel(channel);
        if (m_podcast)
            checkPodcastChannel(channel);
        checkItemOrder(channel);

        const std::vector<Node *> items = channel.childrenNamed(QStringLiteral("item"));
        checkItems(items);
    }

    // Items already checked while the file was parsed (ItemPipeline) are
    // not checked again.
    void checkItems(const std::vector<Node *> &items)
    {
        if (m_checkedItems) {
            m_problems.insert(m_problems.end(), m_checkedItems->begin(), m_checkedItems->end());
            return;
        }
        for (const Node *item : items)
            checkItem(*item);
    }

    void checkItemOrder(const Node &channel)
    {
        bool afterItem = false;
        for (const Node *child : channel.children) {
            if (child->name == QLatin1String("item")) {
                afterItem = true;
            } else if (afterItem) {
                report(Id::MisplacedItem, *child);
                return;
            }
        }
    }

    void checkSelfLink(const Node &channel)
    {
        bool self = false;
        const Node *site = channel.child(QStringLiteral("link"));
        for (const Node *link : channel.childrenNamed(QStringLiteral("atom:link"))) {
            const QString href = link->attribute(QStringLiteral("href"));
            const bool isSelf = link->attribute(QStringLiteral("rel")) == QLatin1String("self");
            self = self || isSelf;
            checkUrl(*link, href, QStringLiteral("href"));
            // A reader following the feed would load the site's page instead.
            if (isSelf && site && !href.trimmed().isEmpty() && href.trimmed() == text(*site).trimmed())
                report(Id::SelfLinkIsSite, *link, QStringLiteral("href"));
        }
        if (!self)
            reportMissing(m_podcast ? Id::PodcastSelfLinkMissing : Id::MissingSelfLink, channel, QStringLiteral("atom:link"));
    }

    void checkCloud(const Node &cloud)
    {
        static const QStringList required = {QStringLiteral("domain"), QStringLiteral("port"), QStringLiteral("path"),
                                             QStringLiteral("registerProcedure"), QStringLiteral("protocol")};
        for (const QString &name : required) {
            if (!cloud.hasAttribute(name))
                report(Id::CloudMissingAttribute, cloud, name,
                       QCoreApplication::translate("CFeedChecker", "The cloud has no %1 attribute; it needs domain, port, path, registerProcedure and "
                          "protocol.").arg(name));
        }
        const QString port = cloud.attribute(QStringLiteral("port"));
        if (cloud.hasAttribute(QStringLiteral("port")) && !CValueCheck::IntegerInRange(port, 1, 65535).isEmpty())
            report(Id::CloudPort, cloud, QStringLiteral("port"));
        static const QStringList protocols = {QStringLiteral("xml-rpc"), QStringLiteral("soap"), QStringLiteral("http-post")};
        if (cloud.hasAttribute(QStringLiteral("protocol")) && !protocols.contains(cloud.attribute(QStringLiteral("protocol"))))
            report(Id::CloudProtocol, cloud, QStringLiteral("protocol"));
    }

    void checkImage(const Node &image, const Node &channel)
    {
        checkContainer(image, kImageChildren);
        if (image.children.empty() && !text(image).isEmpty())
            return;
        const auto field = [&](const char *name) { return image.child(latin1(name)); };
        const Node *url = field("url");
        const Node *title = field("title");
        const Node *link = field("link");
        checkRequired(image, {{"url", Id::ImageMissingUrl}, {"title", Id::ImageMissingTitle}, {"link", Id::ImageMissingLink}});
        if (url) {
            checkUrl(*url, text(*url));
            checkImageFormat(*url);
        }
        checkPlainText(title);
        checkUrlElement(link);
        const Node *channelTitle = channel.child(QStringLiteral("title"));
        if (title && channelTitle && text(*title) != text(*channelTitle))
            report(Id::ImageTitleMismatch, *title);
        const Node *channelLink = channel.child(QStringLiteral("link"));
        if (link && channelLink && text(*link) != text(*channelLink))
            report(Id::ImageLinkMismatch, *link);
        checkInteger(Id::ImageWidth, field("width"), 1, 144);
        checkInteger(Id::ImageHeight, field("height"), 1, 400);
    }

    // Only a name that ends in another picture type's extension is
    // reported: many image addresses have no extension at all.
    void checkImageFormat(const Node &url)
    {
        static const QRegularExpression extension(QStringLiteral("\\.([A-Za-z0-9]{2,5})$"));
        static const QStringList pictures = {QStringLiteral("gif"), QStringLiteral("jpg"), QStringLiteral("jpeg"),
                                             QStringLiteral("png")};
        const QString path = text(url).section(u'#', 0, 0).section(u'?', 0, 0);
        const QRegularExpressionMatch match = extension.match(path);
        if (match.hasMatch() && path.count(u'/') > 2 && !pictures.contains(match.captured(1).toLower()))
            report(Id::ImageFormat, url);
    }

    void checkTextInput(const Node &textInput)
    {
        checkContainer(textInput, kTextInputChildren);
        const auto field = [&](const char *name) { return textInput.child(latin1(name)); };
        checkRequired(textInput, {{"title", Id::TextInputMissingTitle},
                                  {"description", Id::TextInputMissingDescription},
                                  {"name", Id::TextInputMissingName},
                                  {"link", Id::TextInputMissingLink}});
        checkPlainText(field("title"));
        checkPlainText(field("description"));
        checkUrlElement(field("link"));
        static const QRegularExpression formName(QStringLiteral("^[A-Za-z][A-Za-z0-9_:.-]*$"));
        if (const Node *name = field("name"); name && !formName.match(text(*name)).hasMatch())
            report(Id::TextInputName, *name);
    }

    void checkSkipHours(const Node &skipHours)
    {
        checkContainer(skipHours, kSkipHoursChildren);
        const std::vector<Node *> hours = skipHours.childrenNamed(QStringLiteral("hour"));
        if (hours.empty())
            reportMissing(Id::SkipHoursEmpty, skipHours, QStringLiteral("hour"));
        if (hours.size() > 24)
            report(Id::SkipHoursTooMany, skipHours);
        QSet<int> seen;
        for (const Node *hour : hours) {
            const QString value = text(*hour);
            if (!CValueCheck::IntegerInRange(value, 0, 24).isEmpty()) {
                report(Id::SkipHour, *hour);
                continue;
            }
            // 24 is an old way of writing midnight, the same hour as 0.
            const int number = value.toInt() % 24;
            if (value.toInt() == 24)
                report(Id::SkipHourMidnight, *hour);
            if (seen.contains(number))
                report(Id::SkipHourDuplicate, *hour);
            seen.insert(number);
        }
    }

    void checkSkipDays(const Node &skipDays)
    {
        static const QStringList names = {QStringLiteral("Monday"), QStringLiteral("Tuesday"), QStringLiteral("Wednesday"),
                                          QStringLiteral("Thursday"), QStringLiteral("Friday"), QStringLiteral("Saturday"),
                                          QStringLiteral("Sunday")};
        checkContainer(skipDays, kSkipDaysChildren);
        const std::vector<Node *> days = skipDays.childrenNamed(QStringLiteral("day"));
        if (days.empty())
            reportMissing(Id::SkipDaysEmpty, skipDays, QStringLiteral("day"));
        if (days.size() > 7)
            report(Id::SkipDaysTooMany, skipDays);
        QSet<QString> seen;
        for (const Node *day : days) {
            const QString value = text(*day);
            if (!names.contains(value))
                report(Id::SkipDay, *day);
            else if (seen.contains(value))
                report(Id::SkipDayDuplicate, *day);
            seen.insert(value);
        }
    }

    // --- item

    void checkItem(const Node &item)
    {
        const size_t first = m_problems.size();
        checkItemFields(item);
        std::stable_sort(m_problems.begin() + qsizetype(first), m_problems.end(), byOffset);
    }

    void checkItemFields(const Node &item)
    {
        checkChildren(item, kItemChildren);
        checkExtensions(item);
        const auto field = [&](const char *name) { return item.child(latin1(name)); };
        const Node *description = field("description");
        if (m_podcast && !field("title"))
            reportMissing(Id::PodcastItemTitleMissing, item, QStringLiteral("title"));
        else if (!field("title") && !description)
            reportMissing(Id::ItemTitleOrDescription, item, QStringLiteral("title"));
        checkPlainText(field("title"));
        checkUrlElement(field("link"));
        checkUrlElement(field("comments"));
        checkEmail(field("author"));
        checkDate(field("pubDate"));
        if (const Node *source = field("source"))
            checkSource(*source);
        checkEnclosures(item);
        if (const Node *guid = field("guid"))
            checkGuid(*guid);
        else
            reportMissing(m_podcast ? Id::PodcastItemGuidMissing : Id::GuidMissing, item, QStringLiteral("guid"));
        if (description)
            checkDescription(*description);
        const Node *content = field("content:encoded");
        if (content && (!description || description->begin > content->begin))
            report(Id::ContentBeforeDescription, *content);
        checkItunesItem(item);
        if (m_podcast)
            checkPodcastItem(item);
    }

    void checkSource(const Node &source)
    {
        if (!source.hasAttribute(QStringLiteral("url")))
            report(Id::SourceMissingUrl, source, QStringLiteral("url"));
        else
            checkUrl(source, source.attribute(QStringLiteral("url")), QStringLiteral("url"));
        checkPlainText(&source);
    }

    void checkEnclosures(const Node &item)
    {
        const std::vector<Node *> enclosures = item.childrenNamed(QStringLiteral("enclosure"));
        if (enclosures.size() > 1)
            report(Id::EnclosureSeveral, *enclosures[1]);
        for (const Node *enclosure : enclosures) {
            for (const char *name : {"url", "length", "type"}) {
                if (!enclosure->hasAttribute(latin1(name)))
                    report(Id::EnclosureMissingAttribute, *enclosure, latin1(name),
                           QCoreApplication::translate("CFeedChecker", "The enclosure has no %1 attribute; it needs url, length and type.").arg(latin1(name)));
            }
            if (enclosure->hasAttribute(QStringLiteral("url")))
                checkUrl(*enclosure, enclosure->attribute(QStringLiteral("url")), QStringLiteral("url"));
            if (enclosure->hasAttribute(QStringLiteral("length"))
                && !CValueCheck::IntegerInRange(enclosure->attribute(QStringLiteral("length")), 0).isEmpty())
                report(Id::EnclosureLength, *enclosure, QStringLiteral("length"));
            if (enclosure->hasAttribute(QStringLiteral("type"))
                && !CValueCheck::MimeType(enclosure->attribute(QStringLiteral("type"))).isEmpty())
                report(Id::EnclosureType, *enclosure, QStringLiteral("type"));
        }
    }

    void checkGuid(const Node &guid)
    {
        const QString isPermaLink = guid.attribute(QStringLiteral("isPermaLink"));
        if (guid.hasAttribute(QStringLiteral("isPermaLink")) && isPermaLink != QLatin1String("true")
            && isPermaLink != QLatin1String("false"))
            report(Id::GuidPermaLinkValue, guid, QStringLiteral("isPermaLink"));
        const QString value = text(guid);
        if (value.isEmpty()) {
            report(Id::GuidBlank, guid);
            return;
        }
        if (isPermaLink != QLatin1String("false")) {
            const CValueCheck::UrlForm form = CValueCheck::ClassifyUrl(value);
            const QString scheme = value.section(u':', 0, 0).toLower();
            if (form == CValueCheck::UrlForm::NotAbsolute)
                report(Id::GuidNotUrl, guid);
            else if (scheme != QLatin1String("http") && scheme != QLatin1String("https"))
                report(Id::GuidNotWebLink, guid);
        }
        const bool fewDigits = value.size() <= 6 && std::all_of(value.begin(), value.end(), [](QChar c) {
            return c >= u'0' && c <= u'9';
        });
        if (fewDigits)
            report(Id::GuidNotUnique, guid);
        // Guids as read, after references and CDATA sections; the items come in file order.
        if (const Node *first = m_guids.value(value))
            report(Id::GuidDuplicate, guid, QString(), QCoreApplication::translate("CFeedChecker", "Post %1 has the same guid.").arg(first->post + 1));
        else
            m_guids.insert(value, &guid);
    }

    // Read in UTF-8, from the file's bytes when it is in UTF-8.
    void checkDescription(const Node &description)
    {
        QByteArray converted;
        std::string_view content = m_tree.utf8Bytes(description);
        if (content.data() == nullptr) {
            converted = m_tree.content(description).toUtf8();
            content = std::string_view(converted.constData(), size_t(converted.size()));
        }
        if (content.find('<') == std::string_view::npos && content.find('&') == std::string_view::npos)
            return;
        thread_local std::string buffer;
        for (const Id risk : descriptionRisks(wholeContent(buffer, content)))
            report(risk, description);
    }

    // --- iTunes and podcast tags

    void checkItunesShared(const Node &parent)
    {
        if (const Node *explicitTag = parent.child(QStringLiteral("itunes:explicit"))) {
            const QString value = text(*explicitTag);
            // Apple's older words; its directory asks for true or false.
            if (CPodcastValues::yesNo().contains(value, Qt::CaseInsensitive)
                || value.compare(QLatin1String("clean"), Qt::CaseInsensitive) == 0)
                report(m_podcast ? Id::PodcastExplicitOld : Id::ItunesExplicitOld, *explicitTag);
            else
                checkOneOf(Id::ItunesExplicit, explicitTag, CPodcastValues::booleans(), Qt::CaseInsensitive);
        }
        checkOneOf(Id::ItunesYesNo, parent.child(QStringLiteral("itunes:block")), CPodcastValues::yesNo(), Qt::CaseInsensitive);
        if (const Node *image = parent.child(QStringLiteral("itunes:image")))
            checkUrl(*image, image->attribute(QStringLiteral("href")), QStringLiteral("href"));
    }

    void checkItunesChannel(const Node &channel)
    {
        checkItunesShared(channel);
        checkOneOf(Id::ItunesYesNo, channel.child(QStringLiteral("itunes:complete")), CPodcastValues::yesNo(),
                   Qt::CaseInsensitive);
        checkOneOf(Id::ItunesType, channel.child(QStringLiteral("itunes:type")), CPodcastValues::showTypes());
        checkUrlElement(channel.child(QStringLiteral("itunes:new-feed-url")));
        for (const Node *category : channel.childrenNamed(QStringLiteral("itunes:category"))) {
            const QString name = category->attribute(QStringLiteral("text"));
            if (!CPodcastCategories::isCategory(name)) {
                report(Id::ItunesCategory, *category, QStringLiteral("text"),
                       QCoreApplication::translate("CFeedChecker", "\"%1\" is not one of Apple Podcasts' categories.").arg(name));
                continue;
            }
            for (const Node *sub : category->childrenNamed(QStringLiteral("itunes:category"))) {
                const QString subName = sub->attribute(QStringLiteral("text"));
                if (!CPodcastCategories::isSubcategory(name, subName))
                    report(Id::ItunesSubcategory, *sub, QStringLiteral("text"),
                           QCoreApplication::translate("CFeedChecker", "\"%1\" is not a subcategory of \"%2\".").arg(subName, name));
            }
        }
        if (const Node *guid = channel.child(QStringLiteral("podcast:guid")); guid && !CPodcastValues::IsUuid(text(*guid)))
            report(Id::PodcastGuid, *guid);
        checkOneOf(Id::PodcastLocked, channel.child(QStringLiteral("podcast:locked")), CPodcastValues::yesNo());
    }

    void checkItunesItem(const Node &item)
    {
        static const QRegularExpression duration(QStringLiteral("^(?:[0-9]+|(?:[0-9]+:)?[0-5]?[0-9]:[0-5][0-9])$"));
        checkItunesShared(item);
        if (const Node *length = item.child(QStringLiteral("itunes:duration")); length && !duration.match(text(*length)).hasMatch())
            report(Id::ItunesDuration, *length);
        checkInteger(Id::ItunesEpisodeNumber, item.child(QStringLiteral("itunes:episode")), 1, std::numeric_limits<qint64>::max());
        checkInteger(Id::ItunesSeasonNumber, item.child(QStringLiteral("itunes:season")), 1, std::numeric_limits<qint64>::max());
        checkOneOf(Id::ItunesEpisodeType, item.child(QStringLiteral("itunes:episodeType")), CPodcastValues::episodeTypes());
    }

    void checkPodcastLinks(const Node &node)
    {
        for (const auto &[name, value] : node.attributes) {
            if ((name == QLatin1String("url") || name == QLatin1String("href") || name == QLatin1String("img"))
                && value.trimmed().startsWith(QLatin1String("http:"), Qt::CaseInsensitive))
                report(Id::PodcastHttps, node, name);
        }
    }

    // --- The podcast directories' rules

    void checkNamespaceSpellings()
    {
        for (const CFeedTree::Declaration &declaration : m_tree.declarations()) {
            const QString near = nearNamespace(declaration.uri);
            if (near.isEmpty())
                continue;
            const QString attribute = declaration.prefix.isEmpty() ? QStringLiteral("xmlns")
                                                                   : QLatin1String("xmlns:") + declaration.prefix;
            report(Id::NamespaceMisspelled, *declaration.node, attribute,
                   QCoreApplication::translate("CFeedChecker", "\"%1\" is not the namespace's address; did you mean \"%2\"?").arg(declaration.uri, near));
        }
    }

    void checkPodcastChannel(const Node &channel)
    {
        const Node *image = channel.child(QStringLiteral("itunes:image"));
        if (!image || image->attribute(QStringLiteral("href")).trimmed().isEmpty())
            reportMissing(Id::PodcastImageMissing, channel, QStringLiteral("itunes:image"));
        if (image)
            checkArtwork(*image);
        if (!channel.child(QStringLiteral("language")))
            reportMissing(Id::PodcastLanguageMissing, channel, QStringLiteral("language"));
        if (!channel.child(QStringLiteral("itunes:category")))
            reportMissing(Id::PodcastCategoryMissing, channel, QStringLiteral("itunes:category"));
        if (!channel.child(QStringLiteral("itunes:explicit")))
            reportMissing(Id::PodcastExplicitMissing, channel, QStringLiteral("itunes:explicit"));
        if (const Node *description = channel.child(QStringLiteral("description"))) {
            const qsizetype bytes = text(*description).toUtf8().size();
            if (bytes > 4000)
                report(Id::PodcastDescriptionLong, *description, QString(),
                       QCoreApplication::translate("CFeedChecker", "The description is %1 bytes long; Apple Podcasts takes at most 4000.").arg(bytes));
        }
        if (!channel.child(QStringLiteral("podcast:locked")))
            reportMissing(Id::PodcastLockedMissing, channel, QStringLiteral("podcast:locked"));
        if (!channel.child(QStringLiteral("podcast:guid")))
            reportMissing(Id::PodcastGuidMissing, channel, QStringLiteral("podcast:guid"));
        checkPodcastTags(channel);
    }

    void checkPodcastItem(const Node &item)
    {
        if (!item.child(QStringLiteral("enclosure")))
            reportMissing(Id::PodcastEnclosureMissing, item, QStringLiteral("enclosure"));
        if (const Node *image = item.child(QStringLiteral("itunes:image")))
            checkArtwork(*image);
        checkPodcastTags(item);
    }

    // Apple takes JPEG and PNG artwork, square, 1400 to 3000 pixels, RGB; a
    // local file is read for its size and colours, a web address only by
    // its name.
    void checkArtwork(const Node &image)
    {
        const QString href = image.attribute(QStringLiteral("href")).trimmed();
        if (href.isEmpty())
            return;
        const QString name = href.section(u'#', 0, 0).section(u'?', 0, 0).section(u'/', -1);
        const qsizetype dot = name.lastIndexOf(u'.');
        if (dot > 0) {
            const QString extension = name.mid(dot + 1).toLower();
            if (extension != QLatin1String("jpg") && extension != QLatin1String("jpeg") && extension != QLatin1String("png"))
                report(Id::ItunesImageFormat, image, QStringLiteral("href"));
        }
        const QString path = m_options.media.localPath(href);
        if (path.isEmpty())
            return;
        const CArtworkFile artwork(path);
        if (!artwork.isReadable()) {
            report(Id::ItunesImageUnreadable, image, QStringLiteral("href"),
                   QCoreApplication::translate("CFeedChecker", "The artwork file %1 cannot be read, so its size and colours are not checked.").arg(path));
            return;
        }
        const QSize size = artwork.size();
        if (!artwork.hasDirectorySize())
            report(Id::ItunesImageSize, image, QStringLiteral("href"),
                   QCoreApplication::translate("CFeedChecker", "The artwork is %1 x %2 pixels; Apple Podcasts takes square artwork from 1400 x 1400 to "
                      "3000 x 3000.").arg(size.width()).arg(size.height()));
        if (!artwork.isRgb())
            report(Id::ItunesImageColour, image, QStringLiteral("href"));
    }

    // The podcast tags among an element's children, and inside them.
    void checkPodcastTags(const Node &parent)
    {
        const int kind = podcastParentKind(parent);
        std::vector<std::pair<const CPodcastTags::Tag *, QString>> seen;
        for (const Node *child : parent.children) {
            if (!child->namespaced || !child->name.startsWith(QLatin1String("podcast:")))
                continue;
            const CPodcastTags::Tag *tag = CPodcastTags::find(child->name);
            if (!tag) {
                reportUnknownTag(*child);
                continue;
            }
            const std::pair<const CPodcastTags::Tag *, QString> key(tag, repeatKey(*child, *tag));
            const bool repeated = std::find(seen.begin(), seen.end(), key) != seen.end();
            if (!(tag->parents & kind))
                report(Id::PodcastParent, *child, QString(),
                       QCoreApplication::translate("CFeedChecker", "%1 does not belong in %2; it belongs in %3.")
                               .arg(child->name, parent.name, parentNames(tag->parents)));
            else if (repeated && tag->onePer)
                report(Id::DuplicateElement, *child, QString(),
                       QCoreApplication::translate("CFeedChecker", "There is already a %1 with %2=\"%3\" here.")
                               .arg(child->name, latin1(tag->onePer), key.second));
            else if (repeated && tag->single)
                report(Id::DuplicateElement, *child);
            seen.push_back(key);
            checkPodcastTag(*child, *tag);
        }
    }

    void reportUnknownTag(const Node &node)
    {
        const CPodcastTags::Tag *near = CPodcastTags::nearest(QStringView(node.name).mid(8));
        report(Id::PodcastTagUnknown, node, QString(),
               near ? QCoreApplication::translate("CFeedChecker", "The podcast namespace has no tag %1. Did you mean %2?")
                              .arg(node.name, latin1(near->name))
                    : QCoreApplication::translate("CFeedChecker", "The podcast namespace has no tag %1.").arg(node.name));
    }

    void checkPodcastTag(const Node &node, const CPodcastTags::Tag &tag)
    {
        if (tag.replacedBy)
            report(Id::PodcastTagRetired, node, QString(),
                   QCoreApplication::translate("CFeedChecker", "The namespace has retired %1; use %2 instead.")
                           .arg(node.name, latin1(tag.replacedBy)));
        checkPodcastAttributes(node, tag);
        if (node.children.empty() && !checkedAlways(tag)) {
            const QString value = text(node);
            if (value.isEmpty() && tag.textNeed == CPodcastTags::Need::Required)
                report(Id::PodcastTextMissing, node, QString(), QCoreApplication::translate("CFeedChecker", "%1 needs a value; it is empty.").arg(node.name));
            else if (!value.isEmpty())
                checkPodcastValue(node, QString(), value, textContent(node, tag));
        }
        if (tag.requiredChild && !node.child(latin1(tag.requiredChild))) {
            reportMissing(Id::PodcastChildMissing, node, latin1(tag.requiredChild));
            m_problems.back().problem.message =
                    QCoreApplication::translate("CFeedChecker", "%1 needs a %2 inside it.").arg(node.name, latin1(tag.requiredChild));
        }
        if (podcastParentKind(node))
            checkPodcastTags(node);
    }

    void checkPodcastAttributes(const Node &node, const CPodcastTags::Tag &tag)
    {
        for (const CPodcastTags::Attribute &attribute : tag.attributes) {
            const QString name = latin1(attribute.name);
            if (node.hasAttribute(name))
                checkPodcastValue(node, name, node.attribute(name).trimmed(), attribute.value);
            else if (attribute.need == CPodcastTags::Need::Required)
                report(Id::PodcastAttributeMissing, node, name,
                       QCoreApplication::translate("CFeedChecker", "%1 needs the %2 attribute.").arg(node.name, name));
            else if (attribute.need == CPodcastTags::Need::Recommended)
                report(Id::PodcastAttributeRecommended, node, name,
                       QCoreApplication::translate("CFeedChecker", "The namespace recommends the %2 attribute on %1.").arg(node.name, name));
        }
    }

    // `attribute` empty: the element's value.
    void checkPodcastValue(const Node &node, const QString &attribute, const QString &value,
                           const CPodcastTags::Content &content)
    {
        if (content.limit > 0 && value.size() > content.limit)
            report(Id::PodcastTextLong, node, attribute,
                   QCoreApplication::translate("CFeedChecker", "Podcast apps show %n character(s) of this at most; they may cut the rest.", nullptr, content.limit));
        switch (content.form) {
        case Form::HttpsUrl:
            checkUrl(node, value, attribute);
            if (value.startsWith(QLatin1String("http:"), Qt::CaseInsensitive))
                report(Id::PodcastHttps, node, attribute);
            return;
        case Form::Uri:
            if (CValueCheck::ClassifyUrl(value) == CValueCheck::UrlForm::NotAbsolute)
                report(Id::UrlNotAbsolute, node, attribute, CValueCheck::AbsoluteUrl(value));
            return;
        case Form::Rfc822:
            if (const CRfc822Date date = CRfc822Date::Parse(value); date.verdict() == CRfc822Date::Verdict::Invalid)
                report(Id::DateInvalid, node, attribute, date.problem());
            return;
        default:
            if (const std::optional<Finding> finding = wordFinding(value, content))
                report(finding->rule, node, attribute, finding->message);
        }
    }

    const CFeedTree &m_tree;
    const CFeedChecker::Options &m_options;
    bool m_podcast;
    const Node *m_channel = nullptr; // the rss element's first channel
    QHash<QString, const Node *> m_guids; // the first post's guid of each value
    std::array<QString, CFeedRules::IdCount> m_messages;
    std::vector<Placed> m_problems;
    std::optional<std::vector<Placed>> m_checkedItems;
};

// Checks the channel's items on a thread of its own while the parse reads
// on, each as soon as its end tag is read: the check of a large feed then
// takes little longer than its parse. Whether the podcast rules apply is
// settled at the first item, by the namespaces declared so far.
class Checker::ItemPipeline : public CFeedTree::Listener
{
public:
    ItemPipeline(const CFeedTree &tree, const CFeedChecker::Options &options) : m_tree(tree), m_options(options) {}
    ~ItemPipeline() override { parsingStopped(); }

    // Whether the items were checked with the podcast rules; empty when
    // there were none to check.
    std::optional<bool> podcast() const { return m_checker ? std::optional<bool>(m_podcast) : std::nullopt; }
    std::vector<Placed> takeProblems() { return m_checker ? std::move(m_checker->m_problems) : std::vector<Placed>(); }

    void elementClosed(const Node &node) override
    {
        if (node.post < 0 || node.name != QLatin1String("item") || node.parent != channel())
            return;
        if (!m_checker) {
            m_podcast = m_options.podcastRules == CFeedChecker::PodcastRules::On
                    || (m_options.podcastRules == CFeedChecker::PodcastRules::IfDeclared && declaresPodcast(m_tree));
            m_checker.emplace(m_tree, m_options, m_podcast);
            m_worker = std::thread([this] { run(); });
        }
        m_batch.push_back(&node);
        if (m_batch.size() >= kBatch)
            hand();
    }

    void parsingStopped() override
    {
        if (!m_worker.joinable())
            return;
        hand();
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_stopped = true;
        }
        m_wake.notify_one();
        m_worker.join();
    }

private:
    // Handed over in batches: a lock per item would cost more than some items' check.
    static constexpr size_t kBatch = 64;

    // The channel the checker reads: the first of the rss element's.
    const Node *channel()
    {
        if (!m_channel) {
            const Node *root = m_tree.root();
            if (root && root->name == QLatin1String("rss"))
                m_channel = root->child(QStringLiteral("channel"));
        }
        return m_channel;
    }

    void hand()
    {
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_queue.insert(m_queue.end(), m_batch.begin(), m_batch.end());
        }
        m_batch.clear();
        m_wake.notify_one();
    }

    void run()
    {
        std::vector<const Node *> items;
        for (;;) {
            {
                std::unique_lock<std::mutex> lock(m_mutex);
                m_wake.wait(lock, [this] { return !m_queue.empty() || m_stopped; });
                if (m_queue.empty())
                    break;
                items.swap(m_queue);
            }
            for (const Node *item : items)
                m_checker->checkItem(*item);
            items.clear();
        }
        // Freed by the thread that made them, which is quicker.
        m_checker->m_guids = {};
    }

    const CFeedTree &m_tree;
    const CFeedChecker::Options &m_options;
    const Node *m_channel = nullptr;
    bool m_podcast = false;
    std::optional<Checker> m_checker;
    std::vector<const Node *> m_batch;
    std::thread m_worker;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::vector<const Node *> m_queue;
    bool m_stopped = false;
};

// Whether the file is in UTF-8 by its start: no UTF-16 byte-order mark or
// zero bytes, and a declaration that names UTF-8 or no encoding.
bool declaresUtf8(const QByteArray &bytes)
{
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF") || bytes.left(4).contains('\0'))
        return false;
    const qsizetype start = bytes.indexOf("<?xml");
    if (start < 0 || start > 64)
        return true;
    const qsizetype end = bytes.indexOf("?>", start);
    const QByteArray declaration = bytes.mid(start, end < 0 ? 200 : end - start);
    const qsizetype encoding = declaration.indexOf("encoding");
    if (encoding < 0)
        return true;
    const QByteArray value = declaration.mid(encoding + 8).replace('=', ' ').replace('"', ' ').replace('\'', ' ').trimmed();
    return value.toLower().startsWith("utf-8") || value.toLower().startsWith("utf8");
}

Id ruleOfFailure(FeedParser::Failure failure)
{
    switch (failure) {
    case FeedParser::Failure::Encoding:
        return Id::BadEncoding;
    case FeedParser::Failure::UndefinedEntity:
        return Id::UndefinedEntity;
    case FeedParser::Failure::DeclaredEntity:
        return Id::DeclaredEntity;
    case FeedParser::Failure::InvalidCharacter:
        return Id::InvalidCharacter;
    case FeedParser::Failure::None:
    case FeedParser::Failure::Syntax:
        break;
    }
    return Id::NotWellFormed;
}

} // namespace

QList<Problem> CFeedChecker::Check(const QByteArray &bytes, const Options &options)
{
    CFeedTree tree;
    QString error;
    std::optional<Checker::ItemPipeline> pipeline;
    if (declaresUtf8(bytes))
        pipeline.emplace(tree, options);
    if (!tree.parse(bytes, &error, pipeline ? &*pipeline : nullptr)) {
        // The parser's message names the fault; its place goes in the line and column.
        static const QRegularExpression place(QStringLiteral("\\s*\\(line \\d+, column \\d+\\)"));
        Problem problem;
        problem.rule = ruleOfFailure(tree.failure());
        problem.message = error.remove(place);
        problem.line = tree.failureLine();
        problem.column = tree.failureColumn();
        return {problem};
    }
    const bool podcast = options.podcastRules == PodcastRules::On
            || (options.podcastRules == PodcastRules::IfDeclared && declaresPodcast(tree));
    Checker checker(tree, options, podcast);
    // Items checked by other rules than the feed's, or in another encoding
    // than the file's (a declaration the start did not show), are checked again.
    if (pipeline && tree.isUtf8() && pipeline->podcast().value_or(podcast) == podcast)
        checker.useCheckedItems(pipeline->takeProblems());
    checker.checkRss(*tree.root());
    return checker.problems();
}

QList<Problem> CFeedChecker::Check(const QByteArray &bytes, const QDateTime &now)
{
    Options options;
    options.now = now;
    return Check(bytes, options);
}
