#include "markup/ChannelRules.h"

#include "core/ValueCheck.h"
#include "markup/ItemRules.h"
#include "markup/PodcastRules.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSet>

#include <limits>

namespace {

using ChildRule = CRuleSet::ChildRule;

// The elements RSS 2.0 allows inside the channel and the elements only it
// holds, whether each may appear only once, and their attributes.
const std::vector<ChildRule> kChannelChildren = {
        {"title", true},         {"link", true},           {"description", true}, {"language", true},
        {"copyright", true},     {"managingEditor", true}, {"webMaster", true},   {"pubDate", true},
        {"lastBuildDate", true}, {"category", false, "domain"},                    {"generator", true},
        {"docs", true},          {"cloud", true, "domain port path registerProcedure protocol"},
        {"ttl", true},           {"image", true},          {"rating", true},      {"textInput", true},
        {"skipHours", true},     {"skipDays", true},       {"item", false}};
const std::vector<ChildRule> kImageChildren = {{"url", true},    {"title", true},  {"link", true},
                                               {"width", true},  {"height", true}, {"description", true}};
const std::vector<ChildRule> kTextInputChildren = {{"title", true}, {"description", true}, {"name", true}, {"link", true}};
const std::vector<ChildRule> kSkipHoursChildren = {{"hour", false}};
const std::vector<ChildRule> kSkipDaysChildren = {{"day", false}};

} // namespace

void CChannelRules::checkChannel(const Node &channel)
{
    checkChildren(channel, kChannelChildren);
    const auto field = [&](const char *name) { return channel.child(latin1(name)); };
    checkRequired(channel, {{"title", Id::ChannelMissingTitle},
                            {"link", Id::ChannelMissingLink},
                            {"description", Id::ChannelMissingDescription}});

    // An empty description describes nothing: readers show none.
    if (const Node *description = field("description"); description && text(*description).trimmed().isEmpty())
        report(Id::ChannelMissingDescription, *description, QString(),
               QCoreApplication::translate("CFeedChecker", "The channel's description is empty."));
    checkTitle(field("title"));
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
    CPodcastRules podcastRules(*this);
    podcastRules.checkItunesChannel(channel);
    if (m_podcast)
        podcastRules.checkPodcastChannel(channel);
    checkItemOrder(channel);
    checkItems(channel);
}

// Items already checked while the file was parsed (CItemPipeline) are
// not checked again, nor looked up.
void CChannelRules::checkItems(const Node &channel)
{
    if (m_report.addCheckedItems())
        return;
    CItemRules itemRules(*this);
    for (const Node *item : channel.childrenNamed(QStringLiteral("item")))
        itemRules.checkItem(*item);
}

void CChannelRules::checkItemOrder(const Node &channel)
{
    bool afterItem = false;
    for (const Node *run = channel.children.firstRun(); run; run = run->nextRun) {
        if (run->name == QLatin1String("item")) {
            afterItem = true;
        } else if (afterItem) {
            report(Id::MisplacedItem, *run);
            return;
        }
    }
}

void CChannelRules::checkSelfLink(const Node &channel)
{
    bool self = false;
    const Node *site = channel.child(QStringLiteral("link"));
    for (const Node *link : channel.childrenNamed(QStringLiteral("atom:link"))) {
        const QString href = link->attribute(QStringLiteral("href"));
        const bool isSelf = link->attribute(QStringLiteral("rel")) == QLatin1String("self");
        self = self || isSelf;
        checkUrl(*link, href, QStringLiteral("href"), Address::Iri);
        // A reader following the feed would load the site's page instead.
        if (isSelf && site && !href.trimmed().isEmpty() && href.trimmed() == text(*site).trimmed())
            report(Id::SelfLinkIsSite, *link, QStringLiteral("href"));
    }
    if (!self)
        reportMissing(m_podcast ? Id::PodcastSelfLinkMissing : Id::MissingSelfLink, channel, QStringLiteral("atom:link"));
}

void CChannelRules::checkCloud(const Node &cloud)
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

void CChannelRules::checkImage(const Node &image, const Node &channel)
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
    checkTitle(title);
    checkUrlElement(link);
    // An empty title or a broken link has its own problem, not a second one.
    const Node *channelTitle = channel.child(QStringLiteral("title"));
    if (title && channelTitle && !text(*title).isEmpty() && text(*title) != text(*channelTitle))
        report(Id::ImageTitleMismatch, *title);
    const Node *channelLink = channel.child(QStringLiteral("link"));
    if (link && channelLink && CValueCheck::ClassifyUrl(text(*link)) != CValueCheck::UrlForm::NotAbsolute
        && text(*link) != text(*channelLink))
        report(Id::ImageLinkMismatch, *link);
    checkInteger(Id::ImageWidth, field("width"), 1, 144);
    checkInteger(Id::ImageHeight, field("height"), 1, 400);
}

// Only a name that ends in another picture type's extension is
// reported: many image addresses have no extension at all.
void CChannelRules::checkImageFormat(const Node &url)
{
    static const QRegularExpression extension(QStringLiteral("\\.([A-Za-z0-9]{2,5})$"));
    static const QStringList pictures = {QStringLiteral("gif"), QStringLiteral("jpg"), QStringLiteral("jpeg"),
                                         QStringLiteral("png")};
    const QString path = text(url).section(u'#', 0, 0).section(u'?', 0, 0);
    const QRegularExpressionMatch match = extension.match(path);
    if (match.hasMatch() && path.count(u'/') > 2 && !pictures.contains(match.captured(1).toLower()))
        report(Id::ImageFormat, url);
}

void CChannelRules::checkTextInput(const Node &textInput)
{
    report(Id::TextInputIgnored, textInput);
    checkContainer(textInput, kTextInputChildren);
    const auto field = [&](const char *name) { return textInput.child(latin1(name)); };
    checkRequired(textInput, {{"title", Id::TextInputMissingTitle},
                              {"description", Id::TextInputMissingDescription},
                              {"name", Id::TextInputMissingName},
                              {"link", Id::TextInputMissingLink}});
    checkTitle(field("title"));
    checkPlainText(field("description"));
    checkUrlElement(field("link"));
    static const QRegularExpression formName(QStringLiteral("^[A-Za-z][A-Za-z0-9_:.-]*$"));
    if (const Node *name = field("name"); name && !formName.match(text(*name)).hasMatch())
        report(Id::TextInputName, *name);
}

void CChannelRules::checkSkipHours(const Node &skipHours)
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

void CChannelRules::checkSkipDays(const Node &skipDays)
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
