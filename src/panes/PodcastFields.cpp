#include "panes/PodcastFields.h"

#include "core/PodcastTags.h"
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

// The choices the namespace's table lists for a tag's attribute.
QStringList choicesOf(const char *tag, const char *attribute)
{
    const CPodcastTags::Attribute *row = CPodcastTags::attribute(QString::fromLatin1(tag), QString::fromLatin1(attribute));
    return row && row->value.list ? row->value.list() : QStringList();
}

CFieldPath podcast(const char *element, const char *attribute = nullptr)
{
    return CFieldPath(QLatin1String("podcast:") + QLatin1String(element), QString(),
                      attribute ? QString::fromLatin1(attribute) : QString());
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

// The check a value of that form gets in a field.
Check checkOf(const CPodcastTags::Content &content)
{
    using Form = CPodcastTags::Form;
    switch (content.form) {
    case Form::Text:
    case Form::Usual: // another value is unusual, not wrong
    case Form::Tokens:
        return {};
    case Form::HttpsUrl:
        return CElementForm::url();
    case Form::Uri: // any scheme: ipfs:, magnet:
        return [](const QString &value) {
            const bool absolute = value.isEmpty() || CValueCheck::ClassifyUrl(value) != CValueCheck::UrlForm::NotAbsolute;
            return absolute ? QString() : CValueCheck::AbsoluteUrl(value);
        };
    case Form::MimeType:
        return CElementForm::mimeType();
    case Form::Rfc822:
        return CElementForm::date();
    case Form::Email:
        return CElementForm::emailAddress();
    case Form::Integer:
        return CElementForm::integer(0, std::numeric_limits<qint64>::max());
    case Form::Language:
        return &CValueCheck::LanguageCode;
    default:
        return [content](const QString &value) { return CPodcastValues::Note(content, value); };
    }
}

// The column with the check and choices of the namespace's table for the
// value it edits in `element` (the text, an attribute, or a child's
// attribute), where the column gives none of its own.
Column fromTable(Column column, const QString &element)
{
    const QString key = column.path.key(); // "", "@type", "/podcast:remoteItem@feedGuid"
    const QString child = key.section(u'@', 0, 0).mid(1);
    const QString tagName = child.isEmpty() ? element : child;
    const QString attribute = key.section(u'@', 1);
    const CPodcastTags::Tag *tag = CPodcastTags::find(tagName);
    const CPodcastTags::Attribute *named = CPodcastTags::attribute(tagName, attribute);
    if (!tag || (!attribute.isEmpty() && !named))
        return column;
    const CPodcastTags::Content content = named ? named->value : tag->text;
    if (!column.check)
        column.check = checkOf(content);
    if (column.choices.isEmpty() && content.list)
        column.choices = content.list();
    return column;
}

std::vector<Column> fromTable(std::vector<Column> columns, const QString &element)
{
    for (Column &column : columns)
        column = fromTable(column, element);
    return columns;
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

// The table of the tag `element` in a titled group.
CElementTable *table(CElementForm *form, QBoxLayout *layout, const QString &title, const QString &element,
                     const std::vector<Column> &given)
{
    QVBoxLayout *rows = group(layout, title);
    const std::vector<Column> columns = fromTable(given, element);
    return finish(form->addTable(rows, element, headersOf(columns), pathsOf(columns), checksOf(columns)), title, columns);
}

// The table of the tag `element`, each of whose rows holds one `held` tag.
CElementTable *heldTable(CElementForm *form, QBoxLayout *layout, const QString &title, const QString &element,
                         const QString &held, const std::vector<Column> &given)
{
    QVBoxLayout *rows = group(layout, title);
    const std::vector<Column> columns = fromTable(given, held);
    return finish(form->addHeldTable(rows, element, held, headersOf(columns), pathsOf(columns), checksOf(columns)),
                  title, columns);
}

// Titled by a line above it, which is also its name for assistive tools.
CElementTable *childTable(CElementForm *form, QBoxLayout *rows, CElementTable *parent, const QString &name,
                          const QString &child, const std::vector<Column> &given)
{
    const std::vector<Column> columns = fromTable(given, child);
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
        {CPodcastFields::tr("Type"), at("type")},
        {CPodcastFields::tr("Address"), at("address")},
        {CPodcastFields::tr("Split"), at("split"), CElementForm::integer(0, 2147483647)},
        {CPodcastFields::tr("Fee"), at("fee")},
        {CPodcastFields::tr("Custom key"), at("customKey")},
        {CPodcastFields::tr("Custom value"), at("customValue")},
    };
}

std::vector<Column> remoteItemColumns()
{
    return {
        {CPodcastFields::tr("Feed GUID"), at("feedGuid")},
        {CPodcastFields::tr("Feed URL"), at("feedUrl")},
        {CPodcastFields::tr("Item GUID"), at("itemGuid")},
        {CPodcastFields::tr("Medium"), at("medium")},
        {CPodcastFields::tr("Title"), at("title")},
    };
}

} // namespace

CElementTable *CPodcastFields::addPersons(CElementForm *form, QBoxLayout *layout)
{
    return table(form, layout, tr("Persons"), QStringLiteral("podcast:person"),
                 {{tr("Name"), text()},
                  {tr("Role"), at("role"), &noteOnRole},
                  {tr("Group"), at("group"), &noteOnGroup},
                  {tr("Image"), at("img")},
                  {tr("Link"), at("href")}});
}

CElementTable *CPodcastFields::addLocations(CElementForm *form, QBoxLayout *layout)
{
    return table(form, layout, tr("Locations"), QStringLiteral("podcast:location"),
                 {{tr("Place"), text()},
                  {tr("Rel"), at("rel")},
                  {tr("Geo"), at("geo")},
                  {tr("OSM"), at("osm")},
                  {tr("Country"), at("country")}});
}

CElementTable *CPodcastFields::addFunding(CElementForm *form, QBoxLayout *layout)
{
    return table(form, layout, tr("Funding"), QStringLiteral("podcast:funding"),
                 {{tr("URL"), at("url")}, {tr("Text"), text()}});
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
    const QString element = QStringLiteral("podcast:value");
    QVBoxLayout *rows = group(layout, title);
    const std::vector<Column> columns = fromTable(
        {{tr("Type"), at("type")}, {tr("Method"), at("method")}, {tr("Suggested"), at("suggested")}}, element);
    CElementTable *value =
        finish(form->addTable(rows, element, headersOf(columns), pathsOf(columns), checksOf(columns)), title, columns);
    childTable(form, rows, value, tr("Recipients of the selected value"), kRecipient, recipientColumns());
    const std::vector<Column> splitColumns = {
        {tr("Start (s)"), at("startTime")},
        {tr("Duration (s)"), at("duration")},
        {tr("Remote start (s)"), at("remoteStartTime")},
        {tr("Remote %"), at("remotePercentage")},
        {tr("Remote feed GUID"), childAt(kRemoteItem, "feedGuid")},
        {tr("Remote item GUID"), childAt(kRemoteItem, "itemGuid")},
        {tr("Remote medium"), childAt(kRemoteItem, "medium")},
    };
    CElementTable *splits = childTable(form, rows, value, tr("Time splits of the selected value"),
                                       QStringLiteral("podcast:valueTimeSplit"), splitColumns);
    childTable(form, rows, splits, tr("Recipients of the selected time split"), kRecipient, recipientColumns());
    return value;
}

CElementTable *CPodcastFields::addSocialInteracts(CElementForm *form, QBoxLayout *layout)
{
    return table(form, layout, tr("Social interaction"), QStringLiteral("podcast:socialInteract"),
                 {{tr("Root post URI"), at("uri")},
                  {tr("Protocol"), at("protocol")},
                  {tr("Account"), at("accountId")},
                  {tr("Account URL"), at("accountUrl")},
                  {tr("Priority"), at("priority"), CElementForm::integer(0, 2147483647)}});
}

CElementTable *CPodcastFields::addTexts(CElementForm *form, QBoxLayout *layout)
{
    return table(form, layout, tr("Text records (txt)"), QStringLiteral("podcast:txt"),
                 {{tr("Text"), text()}, {tr("Purpose"), at("purpose")}});
}

void CPodcastFields::addChat(CElementForm *form, QFormLayout *layout)
{
    form->addLine(layout, tr("Chat server:"), podcast("chat", "server"));
    form->addChoice(layout, tr("Chat protocol:"), podcast("chat", "protocol"), choicesOf("podcast:chat", "protocol"));
    form->addLine(layout, tr("Chat account:"), podcast("chat", "accountId"));
    form->addLine(layout, tr("Chat space:"), podcast("chat", "space"));
}

CElementTable *CPodcastFields::addImages(CElementForm *form, QBoxLayout *layout)
{
    return table(form, layout, tr("Images (podcast:image)"), QStringLiteral("podcast:image"),
                 {{tr("URL"), at("href")},
                  {tr("Alt text"), at("alt")},
                  {tr("Aspect ratio"), at("aspect-ratio")},
                  {tr("Width"), at("width"), CElementForm::integer(1, 2147483647)},
                  {tr("Height"), at("height"), CElementForm::integer(1, 2147483647)},
                  {tr("Type"), at("type")},
                  {tr("Purpose"), at("purpose")}});
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
    form->addChoice(layout, tr("Complete:"), podcast("updateFrequency", "complete"),
                    choicesOf("podcast:updateFrequency", "complete"));
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
    return heldTable(form, layout, tr("Podroll (recommended podcasts)"), QStringLiteral("podcast:podroll"), kRemoteItem,
                     remoteItemColumns());
}

CElementTable *CPodcastFields::addRemoteItems(CElementForm *form, QBoxLayout *layout)
{
    return table(form, layout, tr("Remote items"), kRemoteItem, remoteItemColumns());
}

CElementTable *CPodcastFields::addTrailers(CElementForm *form, QBoxLayout *layout)
{
    return table(form, layout, tr("Trailers"), QStringLiteral("podcast:trailer"),
                 {{tr("Title"), text()},
                  {tr("URL"), at("url")},
                  {tr("Date"), at("pubdate")},
                  {tr("Length"), at("length")},
                  {tr("Type"), at("type")},
                  {tr("Season"), at("season"), CElementForm::integer(0, 2147483647)}});
}

CElementTable *CPodcastFields::addBlocks(CElementForm *form, QBoxLayout *layout)
{
    return table(form, layout, tr("Blocked platforms"), QStringLiteral("podcast:block"),
                 {{tr("Platform (empty: all)"), at("id")},
                  {tr("Blocked"), text()}});
}

void CPodcastFields::addChapters(CElementForm *form, QFormLayout *layout)
{
    form->addLine(layout, tr("Chapters:"), podcast("chapters", "url"), CElementForm::url());
    // The namespace's own type is offered; plain JSON is read too.
    form->addChoice(layout, tr("Chapters type:"), podcast("chapters", "type"),
                    choicesOf("podcast:chapters", "type").mid(0, 1), CElementForm::mimeType());
}

CElementTable *CPodcastFields::addTranscripts(CElementForm *form, QBoxLayout *layout)
{
    return table(form, layout, tr("Transcripts"), QStringLiteral("podcast:transcript"),
                 {{tr("URL"), at("url")},
                  {tr("Type"), at("type"), CElementForm::mimeType()},
                  {tr("Language"), at("language")},
                  {tr("Rel"), at("rel")}});
}

CElementTable *CPodcastFields::addSoundbites(CElementForm *form, QBoxLayout *layout)
{
    return table(form, layout, tr("Soundbites"), QStringLiteral("podcast:soundbite"),
                 {{tr("Title"), text()}, {tr("Start (s)"), at("startTime")}, {tr("Duration (s)"), at("duration")}});
}

CElementTable *CPodcastFields::addAlternateEnclosures(CElementForm *form, QBoxLayout *layout)
{
    const QString title = tr("Alternate enclosures");
    const QString element = QStringLiteral("podcast:alternateEnclosure");
    QVBoxLayout *rows = group(layout, title);
    const QString integrity = QStringLiteral("podcast:integrity");
    const std::vector<Column> columns = fromTable(
        {
            {tr("Title"), at("title")},
            {tr("Type"), at("type")},
            {tr("Length"), at("length")},
            {tr("Bitrate"), at("bitrate")},
            {tr("Height"), at("height"), CElementForm::integer(1, 2147483647)},
            {tr("Language"), at("lang")},
            {tr("Rel"), at("rel")},
            {tr("Codecs"), at("codecs")},
            {tr("Default"), at("default")},
            {tr("Integrity type"), childAt(integrity, "type")},
            {tr("Integrity value"), childAt(integrity, "value")},
        },
        element);
    CElementTable *enclosures = finish(
        form->addTable(rows, element, headersOf(columns), pathsOf(columns), checksOf(columns)), title, columns);
    childTable(form, rows, enclosures, tr("Sources of the selected alternate enclosure"),
               QStringLiteral("podcast:source"), {{tr("Source URI"), at("uri")}, {tr("Content type"), at("contentType")}});
    return enclosures;
}

CElementTable *CPodcastFields::addContentLinks(CElementForm *form, QBoxLayout *layout)
{
    return table(form, layout, tr("Content links"), QStringLiteral("podcast:contentLink"),
                 {{tr("Link"), at("href")}, {tr("Text"), text()}});
}
