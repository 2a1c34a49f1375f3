#include "markup/RuleSet.h"

#include "core/FeedValue.h"
#include "core/Rfc822Date.h"
#include "core/ValueCheck.h"
#include "markup/PodcastRules.h"

#include <QCoreApplication>
#include <QSet>

#include <algorithm>
#include <cstring>

namespace {

using ChildRule = CRuleSet::ChildRule;

const ChildRule *findChildRule(const std::vector<ChildRule> &rules, const QString &name,
                               Qt::CaseSensitivity sensitivity = Qt::CaseSensitive)
{
    for (const ChildRule &rule : rules) {
        if (name.compare(QLatin1String(rule.name), sensitivity) == 0)
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

// HTML's elements, old and new: a tag of one in plain text was meant for a
// browser. Other text in angle brackets ("Jo <jo@example.org>") is no
// HTML, though a reader showing it as HTML takes it for a tag.
const QSet<QString> &htmlElementNames()
{
    static const QSet<QString> names = [] {
        const QString list = QStringLiteral(
                "a abbr acronym address applet area article aside audio b base basefont bdi bdo big blink blockquote "
                "body br button canvas caption center cite code col colgroup data datalist dd del details dfn dialog "
                "dir div dl dt em embed fieldset figcaption figure font footer form frame frameset h1 h2 h3 h4 h5 h6 "
                "head header hgroup hr html i iframe img input ins isindex kbd label legend li link main map mark "
                "marquee math menu meta meter nav nobr noembed noframes noscript object ol optgroup option output p "
                "param picture pre progress q rp rt ruby s samp script section select small source span strike strong "
                "style sub summary sup svg table tbody td template textarea tfoot th thead time title tr track tt u "
                "ul var video wbr");
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

// Whether the text at `pos`, just after a "<", is an HTML tag's name or
// markup declaration: "b>", "/b>", "br/", "img src", "!--", "!DOCTYPE".
bool isHtmlTagAt(const QString &text, qsizetype pos)
{
    if (pos < text.size() && text[pos] == u'!')
        return pos + 1 < text.size() && (text[pos + 1] == u'-' || isAsciiLetter(text[pos + 1]));
    if (pos < text.size() && text[pos] == u'/')
        ++pos;
    qsizetype end = pos;
    while (end < text.size() && isAsciiAlnum(text[end]))
        ++end;
    if (end == pos || end == text.size())
        return false;
    const QChar after = text[end];
    return (after == u'>' || after == u'/' || after.isSpace()) && htmlElementNames().contains(text.mid(pos, end - pos).toLower());
}

// What plain text holds that a reader showing it as HTML would not show as written.
enum class Markup {
    None,
    Html,     // an HTML tag, entity or character reference
    TagLike,  // a "<" that would open a tag: "a<b", "&</", "Jo <jo@example.org>"
};

Markup markupIn(const QString &content)
{
    if (!content.contains(u'<') && !content.contains(u'&'))
        return Markup::None;
    const QString text = visibleText(content);
    Markup found = Markup::None;
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        const QChar next = text[i + 1];
        if (text[i] == u'<' && isHtmlTagAt(text, i + 1))
            return Markup::Html;
        if (text[i] == u'<' && (isAsciiLetter(next) || next == u'/' || next == u'!' || next == u'?'))
            found = Markup::TagLike;
        if (text[i] != u'&')
            continue;
        if (next == u'#') {
            if (i + 2 < text.size() && (text[i + 2].isDigit() || text[i + 2] == u'x'))
                return Markup::Html;
            continue;
        }
        qsizetype end = i + 1;
        while (end < text.size() && isAsciiAlnum(text[end]))
            ++end;
        if (htmlEntityNames().contains(text.mid(i + 1, end - i - 1)))
            return Markup::Html;
    }
    return found;
}

// The name of `allowed` ("url length type") that `name` is, in the case
// given; empty when none is.
QLatin1String attributeIn(const QString &name, const char *allowed, Qt::CaseSensitivity cs)
{
    for (const char *start = allowed; *start;) {
        const char *end = std::strchr(start, ' ');
        const qsizetype length = end ? end - start : qsizetype(std::strlen(start));
        if (QLatin1String(start, length).compare(name, cs) == 0)
            return QLatin1String(start, length);
        start = end ? end + 1 : start + length;
    }
    return QLatin1String();
}

} // namespace

// --- Structure

void CRuleSet::checkRequired(const Node &node, std::initializer_list<Required> required)
{
    for (const Required &child : required) {
        if (!node.child(latin1(child.name)))
            reportMissing(child.rule, node, latin1(child.name));
    }
}

void CRuleSet::checkChildren(const Node &node, const std::vector<ChildRule> &allowed)
{
    std::vector<bool> seen(allowed.size());
    // A channel's items come in a row: their rule is looked up once.
    const Node *ruled = nullptr;
    const ChildRule *rule = nullptr;
    for (const Node *child : node.children) {
        if (child->unboundPrefix) {
            report(Id::UnboundPrefix, *child);
            continue;
        }
        if (child->namespaced)
            continue;
        if (!ruled || child->name != ruled->name)
            rule = findChildRule(allowed, child->name);
        ruled = child;
        if (!rule) {
            reportUnknownElement(node, *child, findChildRule(allowed, child->name, Qt::CaseInsensitive));
            continue;
        }
        const size_t index = size_t(rule - allowed.data());
        if (rule->single && seen[index])
            report(Id::DuplicateElement, *child);
        seen[index] = true;
        checkAttributes(*child, rule->attributes);
        checkValueChildren(*child);
    }
    if (!node.children.empty() && m_tree.hasTextBetweenChildren(node))
        report(Id::UnexpectedText, node);
}

// Readers look elements up by their exact name: "Title" or "pubdate" is
// ignored as any other name RSS does not define.
void CRuleSet::reportUnknownElement(const Node &parent, const Node &child, const ChildRule *meant)
{
    if (!meant) {
        report(Id::UnknownElement, child);
        return;
    }
    report(Id::UnknownElement, child, QString(),
           QCoreApplication::translate("CFeedChecker", "%1 has no element %2; element names are case-sensitive: did you mean %3?")
                   .arg(parent.name, child.name, QLatin1String(meant->name)));
}

// Apart from the containers, RSS's elements hold a value: an element
// inside one (HTML written without escaping, say) is none of RSS's, and
// readers drop it or the whole value. The first says it for the value.
void CRuleSet::checkValueChildren(const Node &node)
{
    static const QStringList containers = {QStringLiteral("channel"), QStringLiteral("item"), QStringLiteral("image"),
                                           QStringLiteral("textInput"), QStringLiteral("skipHours"), QStringLiteral("skipDays")};
    if (node.children.empty() || containers.contains(node.name))
        return;
    for (const Node *child : node.children) {
        if (!child->namespaced && !child->unboundPrefix) {
            report(Id::UnknownElement, *child, QString(),
                   QCoreApplication::translate("CFeedChecker", "%1 holds an element %2; write HTML inside it escaped "
                                                               "(&lt;b&gt;) or in a CDATA section.").arg(node.name, child->name));
            return;
        }
    }
}

// Readers look attributes up by their exact name: "ispermalink" or "URL"
// is ignored, as any other name RSS does not define, and an attribute of
// another vocabulary (XML's own, xml:lang, aside).
void CRuleSet::checkAttributes(const Node &node, const char *allowed)
{
    for (const auto &[name, value] : node.attributes) {
        if (name == QLatin1String("xmlns") || name.startsWith(QLatin1String("xmlns:")) || name.startsWith(QLatin1String("xml:"))
            || !attributeIn(name, allowed, Qt::CaseSensitive).isEmpty())
            continue;
        if (name.contains(u':')) {
            report(Id::ExtensionAttribute, node, name);
            continue;
        }
        const QLatin1String meant = attributeIn(name, allowed, Qt::CaseInsensitive);
        report(Id::UnexpectedAttribute, node, name,
               !meant.isEmpty() ? QCoreApplication::translate("CFeedChecker", "%1 has no attribute %2; attribute names are case-sensitive: did you mean %3?")
                                          .arg(node.name, name, meant)
                                : QCoreApplication::translate("CFeedChecker", "RSS gives %1 no attribute %2; readers ignore it.").arg(node.name, name));
    }
}

// A container such as image must hold elements; text alone is wrong too.
void CRuleSet::checkContainer(const Node &node, const std::vector<ChildRule> &allowed)
{
    checkChildren(node, allowed);
    if (node.children.empty() && !m_tree.text(node).trimmed().isEmpty())
        report(Id::UnexpectedText, node);
}

// Elements of other vocabularies may hold anything of theirs, but an
// element without a namespace inside one means nothing to a reader.
// The items of `channel` are left to the item rules, which may run on
// another thread.
void CRuleSet::checkExtensions(const Node &node, const Node *channel)
{
    for (const Node *child : node.children) {
        if (child->namespaced)
            checkNamespaced(*child);
        else if (&node != channel || child->name != QLatin1String("item"))
            checkExtensions(*child, channel);
    }
}

void CRuleSet::checkNamespaced(const Node &node)
{
    // The podcast rules check every address of a podcast tag.
    if (!m_podcast && node.name.startsWith(QLatin1String("podcast:")))
        CPodcastRules(*this).checkPodcastLinks(node);
    // A live item holds what an item holds.
    const bool liveItem = node.name == QLatin1String("podcast:liveItem");
    for (const Node *child : node.children) {
        if (!child->namespaced && !child->unboundPrefix && !liveItem)
            report(Id::NoNamespace, *child);
        checkNamespaced(*child);
    }
}

// --- Values

void CRuleSet::checkUrl(const Node &node, const QString &value, const QString &attribute, Address address)
{
    switch (CValueCheck::ClassifyUrl(value)) {
    case CValueCheck::UrlForm::Valid:
        if (address == Address::Uri && std::any_of(value.begin(), value.end(), [](QChar c) { return c.unicode() > 0x7F; }))
            report(Id::UrlNotAscii, node, attribute);
        break;
    case CValueCheck::UrlForm::UnusualScheme:
        report(Id::UrlScheme, node, attribute, CValueCheck::AbsoluteUrl(value));
        break;
    case CValueCheck::UrlForm::NotAbsolute:
        report(Id::UrlNotAbsolute, node, attribute, CValueCheck::AbsoluteUrl(value));
        break;
    }
}

void CRuleSet::checkUrlElement(const Node *node)
{
    if (node)
        checkUrl(*node, text(*node));
}

void CRuleSet::checkPlainText(const Node *node)
{
    if (!node)
        return;
    switch (markupIn(m_tree.content(*node))) {
    case Markup::None:
        break;
    case Markup::Html:
        report(Id::TextContainsHtml, *node);
        break;
    case Markup::TagLike:
        report(Id::TextTagLike, *node);
        break;
    }
}

void CRuleSet::checkTitle(const Node *node)
{
    if (node && text(*node).isEmpty())
        report(Id::BlankTitle, *node);
    checkPlainText(node);
}

void CRuleSet::checkDate(const Node *node)
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

void CRuleSet::checkEmail(const Node *node)
{
    if (!node)
        return;
    // A value of the wrong form has one problem, its form, whose message
    // shows how to write it: the "<" of "Jo <jo@example.org>" is not
    // reported as markup too.
    switch (CValueCheck::ClassifyEmail(text(*node))) {
    case CValueCheck::EmailForm::Valid:
        checkPlainText(node);
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
}

void CRuleSet::checkInteger(Id rule, const Node *node, qint64 min, qint64 max)
{
    if (node && !CValueCheck::IntegerInRange(text(*node), min, max).isEmpty())
        report(rule, *node);
}

// A value out of a fixed set; `caseSensitive` as the readers compare.
void CRuleSet::checkOneOf(Id rule, const Node *node, const QStringList &values, Qt::CaseSensitivity cs)
{
    if (node && !values.contains(text(*node), cs))
        report(rule, *node);
}
