#include "markup/RuleSet.h"

#include "core/FeedValue.h"
#include "core/Rfc822Date.h"
#include "core/ValueCheck.h"
#include "markup/PodcastRules.h"

#include <QSet>

namespace {

using ChildRule = CRuleSet::ChildRule;

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

void CRuleSet::checkUrl(const Node &node, const QString &value, const QString &attribute)
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

void CRuleSet::checkUrlElement(const Node *node)
{
    if (node)
        checkUrl(*node, text(*node));
}

void CRuleSet::checkPlainText(const Node *node)
{
    if (node && looksLikeHtml(m_tree.content(*node)))
        report(Id::TextContainsHtml, *node);
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
