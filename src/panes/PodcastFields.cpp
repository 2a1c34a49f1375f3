#include "panes/PodcastFields.h"

#include "core/PodcastValues.h"
#include "core/ValueCheck.h"
#include "panes/ElementForm.h"
#include "panes/ElementTable.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>

#include <limits>

namespace {

using Check = CElementForm::Check;

struct Column
{
    QString header;
    CFieldPath path;
    Check check = {};
    QStringList choices = {};
};

const QString kRemoteItem = QStringLiteral("podcast:remoteItem");
const QString kRecipient = QStringLiteral("podcast:valueRecipient");

CFieldPath text()
{
    return CFieldPath(QString());
}

CFieldPath at(const char *attribute)
{
    return CFieldPath(QString(), QString(), QString::fromLatin1(attribute));
}

CFieldPath childAt(const QString &child, const char *attribute)
{
    return CFieldPath(QString(), child, QString::fromLatin1(attribute));
}

CFieldPath podcast(const char *element, const char *attribute = nullptr)
{
    return CFieldPath(QLatin1String("podcast:") + QLatin1String(element), QString(),
                      attribute ? QString::fromLatin1(attribute) : QString());
}

// A value from a list the namespace closes.
Check oneOf(const QStringList &allowed)
{
    return [allowed](const QString &value) { return CElementForm::noteOutside(allowed, value); };
}

// The taxonomy's roles and groups are read without regard to case.
QString noteOnRole(const QString &value)
{
    return CPodcastValues::personRoles().contains(value.trimmed(), Qt::CaseInsensitive)
        ? QString()
        : CPodcastFields::tr("Not a role of the Podcast Taxonomy Project");
}

QString noteOnGroup(const QString &value)
{
    return CPodcastValues::personGroups().contains(value.trimmed(), Qt::CaseInsensitive)
        ? QString()
        : CPodcastFields::tr("Not a group of the Podcast Taxonomy Project");
}

QString noteOnRule(const QString &value)
{
    return value.contains(QLatin1String("FREQ="))
        ? QString()
        : CPodcastFields::tr("A recurrence rule names its frequency, like FREQ=WEEKLY");
}

// A titled group in `layout` for the table(s) of one tag.
QVBoxLayout *group(QBoxLayout *layout, const QString &title)
{
    auto *box = new QGroupBox(title);
    auto *rows = new QVBoxLayout(box);
    layout->addWidget(box);
    return rows;
}

QStringList headersOf(const std::vector<Column> &columns)
{
    QStringList headers;
    for (const Column &column : columns)
        headers.append(column.header);
    return headers;
}

std::vector<CFieldPath> pathsOf(const std::vector<Column> &columns)
{
    std::vector<CFieldPath> paths;
    for (const Column &column : columns)
        paths.push_back(column.path);
    return paths;
}

std::vector<Check> checksOf(const std::vector<Column> &columns)
{
    std::vector<Check> checks;
    for (const Column &column : columns)
        checks.push_back(column.check);
    return checks;
}

CElementTable *finish(CElementTable *table, const QString &name, const std::vector<Column> &columns)
{
    table->table()->setAccessibleName(name);
    for (int i = 0; i < int(columns.size()); ++i) {
        if (!columns[i].choices.isEmpty())
            table->setChoices(i, columns[i].choices);
    }
    return table;
}

CElementTable *table(CElementForm *form, QBoxLayout *layout, const QString &title, const char *element,
                     const std::vector<Column> &columns)
{
    QVBoxLayout *rows = group(layout, title);
    const QString name = QLatin1String("podcast:") + QLatin1String(element);
    return finish(form->addTable(rows, name, headersOf(columns), pathsOf(columns), checksOf(columns)), title, columns);
}

// Titled by a line above it, which is also its name for assistive tools.
CElementTable *childTable(CElementForm *form, QBoxLayout *rows, CElementTable *parent, const QString &name,
                          const QString &child, const std::vector<Column> &columns)
{
    auto *title = new QLabel(name);
    title->setWordWrap(true); // the pane may be narrower than the title
    rows->addWidget(title);
    CElementTable *table =
        finish(form->addChildTable(rows, parent, child, headersOf(columns), pathsOf(columns), checksOf(columns)), name,
               columns);
    title->setBuddy(table->table());
    return table;
}

std::vector<Column> recipientColumns()
{
    // The class spelled out: lupdate does not follow an alias to the context.
    return {
        {CPodcastFields::tr("Name"), at("name")},
        {CPodcastFields::tr("Type"), at("type"), {}, CPodcastValues::recipientTypes()},
        {CPodcastFields::tr("Address"), at("address")},
        {CPodcastFields::tr("Split"), at("split"), CElementForm::integer(0, 2147483647)},
        {CPodcastFields::tr("Fee"), at("fee"), oneOf(CPodcastValues::booleans()), CPodcastValues::booleans()},
        {CPodcastFields::tr("Custom key"), at("customKey")},
        {CPodcastFields::tr("Custom value"), at("customValue")},
    };
}

std::vector<Column> remoteItemColumns()
{
    return {
        {CPodcastFields::tr("Feed GUID"), at("feedGuid"), &CPodcastValues::Uuid},
        {CPodcastFields::tr("Feed URL"), at("feedUrl"), CElementForm::url()},
        {CPodcastFields::tr("Item GUID"), at("itemGuid")},
        {CPodcastFields::tr("Medium"), at("medium"), oneOf(CPodcastValues::mediums()), CPodcastValues::mediums()},
        {CPodcastFields::tr("Title"), at("title")},
    };
}

} // namespace

CElementTable *CPodcastFields::addPersons(CElementForm *form, QBoxLayout *layout)
{
    return table(form, layout, tr("Persons"), "person",
                 {{tr("Name"), text()},
                  {tr("Role"), at("role"), &noteOnRole, CPodcastValues::personRoles()},
                  {tr("Group"), at("group"), &noteOnGroup, CPodcastValues::personGroups()},
                  {tr("Image"), at("img"), CElementForm::url()},
                  {tr("Link"), at("href"), CElementForm::url()}});
}

CElementTable *CPodcastFields::addLocations(CElementForm *form, QBoxLayout *layout)
{
    return table(form, layout, tr("Locations"), "location",
                 {{tr("Place"), text()},
                  {tr("Rel"), at("rel"), oneOf(CPodcastValues::locationRels()), CPodcastValues::locationRels()},
                  {tr("Geo"), at("geo"), &CPodcastValues::Geo},
                  {tr("OSM"), at("osm"), &CPodcastValues::Osm},
                  {tr("Country"), at("country")}});
}

CElementTable *CPodcastFields::addFunding(CElementForm *form, QBoxLayout *layout)
{
    return table(form, layout, tr("Funding"), "funding",
                 {{tr("URL"), at("url"), CElementForm::url()}, {tr("Text"), text()}});
}

void CPodcastFields::addLicense(CElementForm *form, QFormLayout *layout)
{
    form->addLine(layout, tr("License:"), podcast("license"))
        ->setPlaceholderText(tr("An SPDX identifier like cc-by-4.0, or the name of your own"));
    form->addLine(layout, tr("License URL:"), podcast("license", "url"), CElementForm::url());
}

CElementTable *CPodcastFields::addValue(CElementForm *form, QBoxLayout *layout)
{
    const QString title = tr("Value (payments while listening)");
    QVBoxLayout *rows = group(layout, title);
    const std::vector<Column> columns = {
        {tr("Type"), at("type"), {}, CPodcastValues::valueTypes()},
        {tr("Method"), at("method"), {}, CPodcastValues::valueMethods()},
        {tr("Suggested"), at("suggested"), &CPodcastValues::Decimal},
    };
    CElementTable *value = finish(form->addTable(rows, QStringLiteral("podcast:value"), headersOf(columns),
                                                 pathsOf(columns), checksOf(columns)),
                                  title, columns);
    childTable(form, rows, value, tr("Recipients of the selected value"), kRecipient, recipientColumns());
    const std::vector<Column> splitColumns = {
        {tr("Start (s)"), at("startTime"), &CPodcastValues::Seconds},
        {tr("Duration (s)"), at("duration"), &CPodcastValues::Seconds},
        {tr("Remote start (s)"), at("remoteStartTime"), &CPodcastValues::Seconds},
        {tr("Remote %"), at("remotePercentage"), &CPodcastValues::Percentage},
        {tr("Remote feed GUID"), childAt(kRemoteItem, "feedGuid"), &CPodcastValues::Uuid},
        {tr("Remote item GUID"), childAt(kRemoteItem, "itemGuid")},
        {tr("Remote medium"), childAt(kRemoteItem, "medium"), oneOf(CPodcastValues::mediums()),
         CPodcastValues::mediums()},
    };
    CElementTable *splits = childTable(form, rows, value, tr("Time splits of the selected value"),
                                       QStringLiteral("podcast:valueTimeSplit"), splitColumns);
    childTable(form, rows, splits, tr("Recipients of the selected time split"), kRecipient, recipientColumns());
    return value;
}

CElementTable *CPodcastFields::addSocialInteracts(CElementForm *form, QBoxLayout *layout)
{
    return table(form, layout, tr("Social interaction"), "socialInteract",
                 {{tr("Root post URI"), at("uri"), CElementForm::url()},
                  {tr("Protocol"), at("protocol"), oneOf(CPodcastValues::socialProtocols()),
                   CPodcastValues::socialProtocols()},
                  {tr("Account"), at("accountId")},
                  {tr("Account URL"), at("accountUrl"), CElementForm::url()},
                  {tr("Priority"), at("priority"), CElementForm::integer(0, 2147483647)}});
}

CElementTable *CPodcastFields::addTexts(CElementForm *form, QBoxLayout *layout)
{
    return table(form, layout, tr("Text records (txt)"), "txt",
                 {{tr("Text"), text()}, {tr("Purpose"), at("purpose"), {}, CPodcastValues::txtPurposes()}});
}

void CPodcastFields::addChat(CElementForm *form, QFormLayout *layout)
{
    form->addLine(layout, tr("Chat server:"), podcast("chat", "server"));
    form->addChoice(layout, tr("Chat protocol:"), podcast("chat", "protocol"), CPodcastValues::chatProtocols());
    form->addLine(layout, tr("Chat account:"), podcast("chat", "accountId"));
    form->addLine(layout, tr("Chat space:"), podcast("chat", "space"));
}

CElementTable *CPodcastFields::addImages(CElementForm *form, QBoxLayout *layout)
{
    return table(form, layout, tr("Images (podcast:image)"), "image",
                 {{tr("URL"), at("href"), CElementForm::url()},
                  {tr("Alt text"), at("alt")},
                  {tr("Aspect ratio"), at("aspect-ratio"), {},
                   {QStringLiteral("1/1"), QStringLiteral("16/9"), QStringLiteral("9/16"), QStringLiteral("4/1")}},
                  {tr("Width"), at("width"), CElementForm::integer(1, 2147483647)},
                  {tr("Height"), at("height"), CElementForm::integer(1, 2147483647)},
                  {tr("Type"), at("type"), CElementForm::mimeType()},
                  {tr("Purpose"), at("purpose"), {}, CPodcastValues::imagePurposes()}});
}

void CPodcastFields::addUpdateFrequency(CElementForm *form, QFormLayout *layout)
{
    form->addLine(layout, tr("Update frequency:"), podcast("updateFrequency"))
        ->setPlaceholderText(tr("In words, like Every other Monday"));
    form->addChoice(layout, tr("Recurrence rule:"), podcast("updateFrequency", "rrule"),
                    {QStringLiteral("FREQ=DAILY"), QStringLiteral("FREQ=WEEKLY"),
                     QStringLiteral("FREQ=WEEKLY;INTERVAL=2"), QStringLiteral("FREQ=MONTHLY"),
                     QStringLiteral("FREQ=YEARLY")},
                    &noteOnRule);
    form->addLine(layout, tr("Rule starts:"), podcast("updateFrequency", "dtstart"), &CPodcastValues::IsoDate)
        ->setPlaceholderText(QStringLiteral("2025-01-01T00:00:00.000Z"));
    form->addChoice(layout, tr("Complete:"), podcast("updateFrequency", "complete"), CPodcastValues::booleans());
}

void CPodcastFields::addPublisher(CElementForm *form, QFormLayout *layout)
{
    const QString publisher = QStringLiteral("podcast:publisher");
    form->addLine(layout, tr("Publisher feed GUID:"), CFieldPath(publisher, kRemoteItem, QStringLiteral("feedGuid")),
                  &CPodcastValues::Uuid);
    form->addLine(layout, tr("Publisher feed URL:"), CFieldPath(publisher, kRemoteItem, QStringLiteral("feedUrl")),
                  CElementForm::url());
    form->addChoice(layout, tr("Publisher medium:"), CFieldPath(publisher, kRemoteItem, QStringLiteral("medium")),
                    {QStringLiteral("publisher")});
}

CElementTable *CPodcastFields::addPodroll(CElementForm *form, QBoxLayout *layout)
{
    const QString title = tr("Podroll (recommended podcasts)");
    QVBoxLayout *rows = group(layout, title);
    const std::vector<Column> columns = remoteItemColumns();
    return finish(form->addHeldTable(rows, QStringLiteral("podcast:podroll"), kRemoteItem, headersOf(columns),
                                     pathsOf(columns), checksOf(columns)),
                  title, columns);
}

CElementTable *CPodcastFields::addRemoteItems(CElementForm *form, QBoxLayout *layout)
{
    return table(form, layout, tr("Remote items"), "remoteItem", remoteItemColumns());
}

CElementTable *CPodcastFields::addTrailers(CElementForm *form, QBoxLayout *layout)
{
    return table(form, layout, tr("Trailers"), "trailer",
                 {{tr("Title"), text()},
                  {tr("URL"), at("url"), CElementForm::url()},
                  {tr("Date"), at("pubdate"), CElementForm::date()},
                  {tr("Length"), at("length"), CElementForm::integer(0, std::numeric_limits<qint64>::max())},
                  {tr("Type"), at("type"), CElementForm::mimeType()},
                  {tr("Season"), at("season"), CElementForm::integer(0, 2147483647)}});
}

CElementTable *CPodcastFields::addBlocks(CElementForm *form, QBoxLayout *layout)
{
    return table(form, layout, tr("Blocked platforms"), "block",
                 {{tr("Platform (empty: all)"), at("id"), {}, CPodcastValues::serviceSlugs()},
                  {tr("Blocked"), text(), oneOf(CPodcastValues::yesNo()), CPodcastValues::yesNo()}});
}

void CPodcastFields::addChapters(CElementForm *form, QFormLayout *layout)
{
    form->addLine(layout, tr("Chapters:"), podcast("chapters", "url"), CElementForm::url());
    form->addChoice(layout, tr("Chapters type:"), podcast("chapters", "type"),
                    {QStringLiteral("application/json+chapters")}, CElementForm::mimeType());
}

CElementTable *CPodcastFields::addTranscripts(CElementForm *form, QBoxLayout *layout)
{
    return table(form, layout, tr("Transcripts"), "transcript",
                 {{tr("URL"), at("url"), CElementForm::url()},
                  {tr("Type"), at("type"), CElementForm::mimeType(), CPodcastValues::transcriptTypes()},
                  {tr("Language"), at("language"), &CValueCheck::LanguageCode},
                  {tr("Rel"), at("rel"), oneOf(CPodcastValues::transcriptRels()), CPodcastValues::transcriptRels()}});
}

CElementTable *CPodcastFields::addSoundbites(CElementForm *form, QBoxLayout *layout)
{
    return table(form, layout, tr("Soundbites"), "soundbite",
                 {{tr("Title"), text()},
                  {tr("Start (s)"), at("startTime"), &CPodcastValues::Seconds},
                  {tr("Duration (s)"), at("duration"), &CPodcastValues::Seconds}});
}

CElementTable *CPodcastFields::addAlternateEnclosures(CElementForm *form, QBoxLayout *layout)
{
    const QString title = tr("Alternate enclosures");
    QVBoxLayout *rows = group(layout, title);
    const QString integrity = QStringLiteral("podcast:integrity");
    const std::vector<Column> columns = {
        {tr("Title"), at("title")},
        {tr("Type"), at("type"), CElementForm::mimeType()},
        {tr("Length"), at("length"), CElementForm::integer(0, std::numeric_limits<qint64>::max())},
        {tr("Bitrate"), at("bitrate"), &CPodcastValues::Decimal},
        {tr("Height"), at("height"), CElementForm::integer(1, 2147483647)},
        {tr("Language"), at("lang"), &CValueCheck::LanguageCode},
        {tr("Rel"), at("rel")},
        {tr("Codecs"), at("codecs")},
        {tr("Default"), at("default"), oneOf(CPodcastValues::booleans()), CPodcastValues::booleans()},
        {tr("Integrity type"), childAt(integrity, "type"), oneOf(CPodcastValues::integrityTypes()),
         CPodcastValues::integrityTypes()},
        {tr("Integrity value"), childAt(integrity, "value")},
    };
    CElementTable *enclosures = finish(form->addTable(rows, QStringLiteral("podcast:alternateEnclosure"),
                                                      headersOf(columns), pathsOf(columns), checksOf(columns)),
                                       title, columns);
    childTable(form, rows, enclosures, tr("Sources of the selected alternate enclosure"),
               QStringLiteral("podcast:source"),
               {{tr("Source URI"), at("uri")}, {tr("Content type"), at("contentType"), CElementForm::mimeType()}});
    return enclosures;
}

CElementTable *CPodcastFields::addContentLinks(CElementForm *form, QBoxLayout *layout)
{
    return table(form, layout, tr("Content links"), "contentLink",
                 {{tr("Link"), at("href"), CElementForm::url()}, {tr("Text"), text()}});
}
