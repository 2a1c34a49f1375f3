#include "markup/FeedChecker.h"

#include "core/FeedTree.h"
#include "core/FeedValue.h"
#include "core/PodcastCategories.h"
#include "core/Rfc822Date.h"
#include "core/ValueCheck.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QtConcurrent/QtConcurrentMap>

#include <algorithm>
#include <iterator>
#include <limits>
#include <numeric>
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

bool isHtmlSpace(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

// Walks the start tags of HTML, reading each tag's name and attributes. A
// tag scan of its own rather than the markup scanner: descriptions make up
// most of a feed, and this reads them with a search for "<" between tags.
class TagWalker
{
public:
    explicit TagWalker(QStringView html) : m_html(html) {}

    // The next start tag's name ("a", "?import"); empty at the end.
    QStringView nextTag()
    {
        for (;;) {
            m_pos = m_html.indexOf(u'<', m_pos);
            if (m_pos < 0) {
                m_pos = m_html.size();
                return {};
            }
            ++m_pos;
            if (m_html.mid(m_pos).startsWith(u"!--")) {
                const qsizetype close = m_html.indexOf(u"-->", m_pos);
                m_pos = close < 0 ? m_html.size() : close + 3;
                continue;
            }
            const QStringView name = readName();
            if (!name.isEmpty() && name[0] != u'/')
                return name;
        }
    }

    // The current tag's next attribute; false at the tag's end.
    bool nextAttribute(QStringView *name, QStringView *value)
    {
        while (m_pos < m_html.size() && (isHtmlSpace(m_html[m_pos]) || m_html[m_pos] == u'/'))
            ++m_pos;
        if (m_pos >= m_html.size() || m_html[m_pos] == u'>')
            return false;
        *name = readName();
        if (name->isEmpty()) {
            ++m_pos; // a stray "=" or quote
            *value = {};
            return true;
        }
        skipSpace();
        *value = {};
        if (m_pos < m_html.size() && m_html[m_pos] == u'=') {
            ++m_pos;
            skipSpace();
            *value = readValue();
        }
        return true;
    }

private:
    QStringView readName()
    {
        const qsizetype start = m_pos;
        while (m_pos < m_html.size() && !isHtmlSpace(m_html[m_pos]) && m_html[m_pos] != u'>'
               && m_html[m_pos] != u'=' && (m_html[m_pos] != u'/' || m_pos == start))
            ++m_pos;
        return m_html.mid(start, m_pos - start);
    }

    QStringView readValue()
    {
        if (m_pos < m_html.size() && (m_html[m_pos] == u'"' || m_html[m_pos] == u'\'')) {
            const QChar quote = m_html[m_pos++];
            const qsizetype close = m_html.indexOf(quote, m_pos);
            const qsizetype end = close < 0 ? m_html.size() : close;
            const QStringView value = m_html.mid(m_pos, end - m_pos);
            m_pos = qMin(end + 1, m_html.size());
            return value;
        }
        const qsizetype start = m_pos;
        while (m_pos < m_html.size() && !isHtmlSpace(m_html[m_pos]) && m_html[m_pos] != u'>')
            ++m_pos;
        return m_html.mid(start, m_pos - start);
    }

    void skipSpace()
    {
        while (m_pos < m_html.size() && isHtmlSpace(m_html[m_pos]))
            ++m_pos;
    }

    QStringView m_html;
    qsizetype m_pos = 0;
};

bool isOneOf(QStringView word, std::initializer_list<const char16_t *> words)
{
    for (const char16_t *candidate : words) {
        if (word.compare(QStringView(candidate), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

// The risks a description's HTML holds, each rule once.
QList<Id> descriptionRisks(QStringView html)
{
    QList<Id> risks;
    const auto add = [&](Id id) {
        if (!risks.contains(id))
            risks.append(id);
    };
    TagWalker walker(html);
    for (QStringView tag = walker.nextTag(); !tag.isEmpty(); tag = walker.nextTag()) {
        if (isOneOf(tag, {u"script"}))
            add(Id::DescriptionScript);
        else if (isOneOf(tag, {u"iframe", u"frame", u"frameset"}))
            add(Id::DescriptionFrame);
        else if (isOneOf(tag, {u"embed", u"object", u"applet", u"meta", u"base", u"?import"}))
            add(Id::DescriptionActiveTag);
        QStringView name, value;
        while (walker.nextAttribute(&name, &value)) {
            if (name.size() > 2 && name.startsWith(u"on", Qt::CaseInsensitive))
                add(Id::DescriptionEventAttribute);
            if (!isOneOf(name, {u"href", u"src"}))
                continue;
            const QString link = value.trimmed().toString();
            if (link.startsWith(QLatin1String("javascript:"), Qt::CaseInsensitive))
                add(Id::DescriptionScript);
            else if (!link.isEmpty() && !link.startsWith(u'#')
                     && CValueCheck::ClassifyUrl(link) == CValueCheck::UrlForm::NotAbsolute)
                add(Id::DescriptionRelativeLink);
        }
    }
    return risks;
}

// Applies the rules to one parsed feed.
class Checker
{
public:
    Checker(const CFeedTree &tree, const QDateTime &now) : m_tree(tree), m_now(now) {}

    // In file order, with their lines and columns.
    QList<Problem> problems()
    {
        std::stable_sort(m_problems.begin(), m_problems.end(),
                         [](const Placed &a, const Placed &b) { return a.offset < b.offset; });
        CFeedTree::Positions positions(m_tree);
        QList<Problem> sorted;
        sorted.reserve(qsizetype(m_problems.size()));
        for (Placed &placed : m_problems) {
            std::tie(placed.problem.line, placed.problem.column) = positions.at(placed.offset);
            sorted.append(placed.problem);
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
        checkExtensions(rss);
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
        problem.message = message.isEmpty() ? latin1(CFeedRules::Get(rule).message) : message;
        problem.post = node.post;
        problem.parent = node.parent ? node.parent->name : QString();
        problem.field = node.name;
        problem.attribute = attribute;
        m_problems.push_back({node.begin, problem});
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

    // The channel's items, and its live items, which hold what an item does
    // (the tree numbers both as posts).
    static bool isPost(const Node &node)
    {
        return node.post >= 0 && node.parent && node.parent->name == QLatin1String("channel")
               && (node.name == QLatin1String("item") || node.name == QLatin1String("podcast:liveItem"));
    }

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
            if (!child->uri.isEmpty())
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
    void checkExtensions(const Node &node)
    {
        for (const Node *child : node.children) {
            if (!child->uri.isEmpty())
                checkNamespaced(*child);
            else
                checkExtensions(*child);
        }
    }

    void checkNamespaced(const Node &node)
    {
        // A live item's children are an item's, checked with the posts.
        if (isPost(node)) {
            checkExtensions(node);
            return;
        }
        if (node.name.startsWith(QLatin1String("podcast:")))
            checkPodcastLinks(node);
        for (const Node *child : node.children) {
            if (child->uri.isEmpty() && !child->unboundPrefix)
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
        const QString implausible = CValueCheck::DatePlausibility(date.moment(), m_now);
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
        checkItemOrder(channel);

        std::vector<Node *> items;
        std::copy_if(channel.children.begin(), channel.children.end(), std::back_inserter(items),
                     [](const Node *child) { return isPost(*child); });
        checkItems(items);
        checkGuidsUnique(items);
    }

    // Items are checked apart from one another: a large feed's are shared
    // among threads, each with a checker of its own. Only UTF-8 text is
    // decoded without a shared converter, so only such a feed is shared.
    void checkItems(const std::vector<Node *> &items)
    {
        constexpr size_t kItemsPerSlice = 500;
        if (items.size() < 2 * kItemsPerSlice || !m_tree.isUtf8()) {
            for (const Node *item : items)
                checkItem(*item);
            return;
        }
        std::vector<std::vector<Placed>> slices((items.size() + kItemsPerSlice - 1) / kItemsPerSlice);
        std::vector<size_t> indexes(slices.size());
        std::iota(indexes.begin(), indexes.end(), 0);
        QtConcurrent::blockingMap(indexes, [&](size_t slice) {
            Checker checker(m_tree, m_now);
            const size_t end = std::min(items.size(), (slice + 1) * kItemsPerSlice);
            for (size_t i = slice * kItemsPerSlice; i < end; ++i)
                checker.checkItem(*items[i]);
            slices[slice] = std::move(checker.m_problems);
        });
        for (std::vector<Placed> &slice : slices)
            m_problems.insert(m_problems.end(), slice.begin(), slice.end());
    }

    // Guids as read, after references and CDATA sections.
    void checkGuidsUnique(const std::vector<Node *> &items)
    {
        QHash<QString, const Node *> guids;
        for (const Node *item : items) {
            const Node *guid = item->child(QStringLiteral("guid"));
            const QString value = guid ? text(*guid) : QString();
            if (value.isEmpty())
                continue;
            if (const Node *first = guids.value(value))
                report(Id::GuidDuplicate, *guid, QString(), QStringLiteral("Post %1 has the same guid.").arg(first->post + 1));
            else
                guids.insert(value, guid);
        }
    }

    void checkItemOrder(const Node &channel)
    {
        bool afterItem = false;
        for (const Node *child : channel.children) {
            if (isPost(*child)) {
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
        for (const Node *link : channel.childrenNamed(QStringLiteral("atom:link"))) {
            self = self || link->attribute(QStringLiteral("rel")) == QLatin1String("self");
            checkUrl(*link, link->attribute(QStringLiteral("href")), QStringLiteral("href"));
        }
        if (!self)
            reportMissing(Id::MissingSelfLink, channel, QStringLiteral("atom:link"));
    }

    void checkCloud(const Node &cloud)
    {
        static const QStringList required = {QStringLiteral("domain"), QStringLiteral("port"), QStringLiteral("path"),
                                             QStringLiteral("registerProcedure"), QStringLiteral("protocol")};
        for (const QString &name : required) {
            if (!cloud.hasAttribute(name))
                report(Id::CloudMissingAttribute, cloud, name,
                       QStringLiteral("The cloud has no %1 attribute; it needs domain, port, path, registerProcedure "
                                      "and protocol.").arg(name));
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
        checkChildren(item, kItemChildren);
        const auto field = [&](const char *name) { return item.child(latin1(name)); };
        const Node *description = field("description");
        if (!field("title") && !description)
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
            reportMissing(Id::GuidMissing, item, QStringLiteral("guid"));
        if (description)
            checkDescription(*description);
        const Node *content = field("content:encoded");
        if (content && (!description || description->begin > content->begin))
            report(Id::ContentBeforeDescription, *content);
        checkItunesItem(item);
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
                           QStringLiteral("The enclosure has no %1 attribute; it needs url, length and type.")
                                   .arg(latin1(name)));
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
        static const QRegularExpression fewDigits(QStringLiteral("^[0-9]{1,6}$"));
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
        if (fewDigits.match(value).hasMatch())
            report(Id::GuidNotUnique, guid);
    }

    void checkDescription(const Node &description)
    {
        const QString content = m_tree.content(description);
        if (!content.contains(u'<') && !content.contains(u'&'))
            return;
        for (const Id risk : descriptionRisks(FeedValue::wholeContent(content)))
            report(risk, description);
    }

    // --- iTunes and podcast tags

    void checkItunesShared(const Node &parent)
    {
        static const QStringList explicitValues = {QStringLiteral("true"), QStringLiteral("false")};
        static const QStringList oldExplicitValues = {QStringLiteral("yes"), QStringLiteral("no"), QStringLiteral("clean")};
        if (const Node *explicitTag = parent.child(QStringLiteral("itunes:explicit"))) {
            const QString value = text(*explicitTag);
            if (oldExplicitValues.contains(value, Qt::CaseInsensitive))
                report(Id::ItunesExplicitOld, *explicitTag);
            else
                checkOneOf(Id::ItunesExplicit, explicitTag, explicitValues, Qt::CaseInsensitive);
        }
        checkOneOf(Id::ItunesYesNo, parent.child(QStringLiteral("itunes:block")),
                   {QStringLiteral("Yes"), QStringLiteral("No")}, Qt::CaseInsensitive);
        if (const Node *image = parent.child(QStringLiteral("itunes:image")))
            checkUrl(*image, image->attribute(QStringLiteral("href")), QStringLiteral("href"));
    }

    void checkItunesChannel(const Node &channel)
    {
        checkItunesShared(channel);
        checkOneOf(Id::ItunesYesNo, channel.child(QStringLiteral("itunes:complete")),
                   {QStringLiteral("Yes"), QStringLiteral("No")}, Qt::CaseInsensitive);
        checkOneOf(Id::ItunesType, channel.child(QStringLiteral("itunes:type")),
                   {QStringLiteral("episodic"), QStringLiteral("serial")});
        checkUrlElement(channel.child(QStringLiteral("itunes:new-feed-url")));
        for (const Node *category : channel.childrenNamed(QStringLiteral("itunes:category"))) {
            const QString name = category->attribute(QStringLiteral("text"));
            if (!CPodcastCategories::isCategory(name)) {
                report(Id::ItunesCategory, *category, QStringLiteral("text"),
                       QStringLiteral("\"%1\" is not one of Apple Podcasts' categories.").arg(name));
                continue;
            }
            for (const Node *sub : category->childrenNamed(QStringLiteral("itunes:category"))) {
                const QString subName = sub->attribute(QStringLiteral("text"));
                if (!CPodcastCategories::isSubcategory(name, subName))
                    report(Id::ItunesSubcategory, *sub, QStringLiteral("text"),
                           QStringLiteral("\"%1\" is not a subcategory of \"%2\".").arg(subName, name));
            }
        }
        static const QRegularExpression uuid(
                QStringLiteral("^[0-9a-fA-F]{8}-[0-9a-fA-F]{4}-[0-9a-fA-F]{4}-[0-9a-fA-F]{4}-[0-9a-fA-F]{12}$"));
        if (const Node *guid = channel.child(QStringLiteral("podcast:guid")); guid && !uuid.match(text(*guid)).hasMatch())
            report(Id::PodcastGuid, *guid);
        checkOneOf(Id::PodcastLocked, channel.child(QStringLiteral("podcast:locked")),
                   {QStringLiteral("yes"), QStringLiteral("no")});
    }

    void checkItunesItem(const Node &item)
    {
        static const QRegularExpression duration(QStringLiteral("^(?:[0-9]+|(?:[0-9]+:)?[0-5]?[0-9]:[0-5][0-9])$"));
        checkItunesShared(item);
        if (const Node *length = item.child(QStringLiteral("itunes:duration")); length && !duration.match(text(*length)).hasMatch())
            report(Id::ItunesDuration, *length);
        checkInteger(Id::ItunesEpisodeNumber, item.child(QStringLiteral("itunes:episode")), 1, std::numeric_limits<qint64>::max());
        checkInteger(Id::ItunesSeasonNumber, item.child(QStringLiteral("itunes:season")), 1, std::numeric_limits<qint64>::max());
        checkOneOf(Id::ItunesEpisodeType, item.child(QStringLiteral("itunes:episodeType")),
                   {QStringLiteral("full"), QStringLiteral("trailer"), QStringLiteral("bonus")});
    }

    void checkPodcastLinks(const Node &node)
    {
        for (const auto &[name, value] : node.attributes) {
            if ((name == QLatin1String("url") || name == QLatin1String("href") || name == QLatin1String("img"))
                && value.trimmed().startsWith(QLatin1String("http:"), Qt::CaseInsensitive))
                report(Id::PodcastHttps, node, name);
        }
    }

    // A problem and the offset of the tag it is at.
    struct Placed
    {
        qsizetype offset;
        Problem problem;
    };

    const CFeedTree &m_tree;
    QDateTime m_now;
    std::vector<Placed> m_problems;
};

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

QList<Problem> CFeedChecker::Check(const QByteArray &bytes, const QDateTime &now)
{
    CFeedTree tree;
    QString error;
    if (!tree.parse(bytes, &error)) {
        // The parser's message names the fault; its place goes in the line and column.
        static const QRegularExpression place(QStringLiteral("\\s*\\(line \\d+, column \\d+\\)"));
        Problem problem;
        problem.rule = ruleOfFailure(tree.failure());
        problem.message = error.remove(place);
        problem.line = tree.failureLine();
        problem.column = tree.failureColumn();
        return {problem};
    }
    Checker checker(tree, now);
    checker.checkRss(*tree.root());
    return checker.problems();
}
