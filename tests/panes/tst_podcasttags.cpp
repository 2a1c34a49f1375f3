// The podcast namespace's tags in Feed Properties (the channel's) and Post
// Details (a post's): each tag set through its fields or tables, saved,
// read back, cleared and saved again, on corpus podcasts and on a new feed,
// with the file changed only at the tag; and a feed holding every tag in
// the forms the namespace's documents show, read into the fields whole and
// saved unedited byte for byte.

#include "LineDiff.h"
#include "TestFiles.h"
#include "core/FeedVocabulary.h"
#include "core/RssFeed.h"
#include "document/RSSEditDoc.h"
#include "panes/BarPostDetails.h"
#include "panes/ElementTable.h"
#include "panes/FeedPropertiesWnd.h"

#include <QApplication>
#include <QComboBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

const QString kCorpus = QStringLiteral(TIDREL_CORPUS_DIR "/rss/");

// An open feed, a copy of the file `source` or a new one ("new"), with the
// window that edits the scope's tags.
struct Feed
{
    bool open(const QString &source, const QString &scope)
    {
        path = dir.filePath(QStringLiteral("feed.xml"));
        QString error;
        if (source == QLatin1String("new")) {
            if (!doc.OnNewDocument({QStringLiteral("New show"), QStringLiteral("https://new.example.org/"), QString(), QString(), QString()})
                || !doc.SetPodcast(true) || !doc.InsertNewPost() || !doc.OnSaveDocument(path, &error))
                return false;
        } else if (!QFile::copy(source, path) || !doc.OnOpenDocument(path, &error)) {
            qWarning() << error;
            return false;
        }
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        original = readFile(path);
        if (scope == QLatin1String("channel")) {
            properties = std::make_unique<CFeedPropertiesWnd>(&doc);
            properties->show();
            window = properties.get();
        } else {
            details = std::make_unique<CBarPostDetails>(QStringLiteral("Post Details"), &doc);
            details->show();
            doc.selection()->select(0);
            window = details.get();
        }
        return true;
    }

    QByteArray save()
    {
        QString error;
        if (!doc.OnSaveDocument(path, &error))
            qWarning() << error;
        return readFile(path);
    }

    std::vector<FeedElement> elements(const QString &scope, const QString &name) const
    {
        CRssFeed saved;
        if (!saved.LoadFromFile(path))
            return {};
        return scope == QLatin1String("channel") ? saved.GetChannelElements(name) : saved.GetPostElements(0, name);
    }

    QTemporaryDir dir;
    CRSSEditDoc doc;
    std::unique_ptr<CFeedPropertiesWnd> properties;
    std::unique_ptr<CBarPostDetails> details;
    QWidget *window = nullptr;
    QString path;
    QByteArray original;
};

CElementTable *tableNamed(QWidget *window, const QString &name)
{
    for (CElementTable *table : window->findChildren<CElementTable *>()) {
        if (table->table()->accessibleName() == name)
            return table;
    }
    return nullptr;
}

// Enters a value in a field as the user finishes typing it.
void enter(QWidget *field, const QString &text)
{
    if (auto *line = qobject_cast<QLineEdit *>(field)) {
        line->setText(text);
        emit line->editingFinished();
    } else if (auto *combo = qobject_cast<QComboBox *>(field)) {
        combo->setCurrentText(text);
        emit combo->lineEdit()->editingFinished();
    }
}

// What the window shows: the values in its fields and its tables' cells,
// and the notes on them.
struct Shown
{
    QSet<QString> values;
    QSet<QString> notes;
};

void collectShown(QWidget *window, Shown *shown)
{
    for (QLineEdit *line : window->findChildren<QLineEdit *>())
        shown->values.insert(line->text().trimmed());
    for (QLabel *note : window->findChildren<QLabel *>(QStringLiteral("note"))) {
        if (!note->isHidden())
            shown->notes.insert(note->text());
    }
    for (CElementTable *table : window->findChildren<CElementTable *>()) {
        for (int row = 0; row < table->table()->rowCount(); ++row) {
            for (int column = 0; column < table->table()->columnCount(); ++column)
                shown->values.insert(table->table()->item(row, column)->text().trimmed());
        }
    }
}

// Selects each row of a table in turn, so that its child tables show the
// children of every row.
void visitRows(QWidget *window, CElementTable *table, Shown *shown)
{
    for (int row = 0; row < table->table()->rowCount(); ++row) {
        table->table()->setCurrentCell(row, 0);
        collectShown(window, shown);
        for (CElementTable *child : window->findChildren<CElementTable *>()) {
            if (child->parentTable() == table)
                visitRows(window, child, shown);
        }
    }
}

// The attribute values and texts of elements and their children.
void collectValues(const FeedElement &element, QStringList *values)
{
    for (const auto &[name, value] : element.attributes)
        values->append(value.trimmed());
    if (!element.text.trimmed().isEmpty())
        values->append(element.text.trimmed());
    for (const FeedElement &child : element.children)
        collectValues(child, values);
}

// Lines of podcast tags: those that name one, and the attribute lines of
// a start tag written over several lines.
bool onlyPodcastLines(const QList<QByteArray> &lines, QByteArray *stray)
{
    static const QRegularExpression attributes(QStringLiteral("^\\s*([\\w:.-]+=\"[^\"]*\"\\s*)*/?>?\\s*$"));
    for (const QByteArray &line : lines) {
        if (!line.contains("podcast:") && !attributes.match(QString::fromUtf8(line)).hasMatch()) {
            *stray = line;
            return false;
        }
    }
    return true;
}

} // namespace

class TestPodcastTags : public QObject
{
    Q_OBJECT

private slots:
    void setSaveClear_changesTheFileOnlyAtTheTag_data();
    void setSaveClear_changesTheFileOnlyAtTheTag();
    void everyTag_readsIntoItsFieldsAndSavesUnchanged();
};

void TestPodcastTags::setSaveClear_changesTheFileOnlyAtTheTag_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("scope");
    QTest::addColumn<QString>("element");
    // "Table|column|value" enters a cell of a new row (of the selected
    // row's children for a child table); "=field|value" a field.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("written");

    struct Tag
    {
        const char *scope;
        const char *element;
        QStringList steps;
        QStringList written;
    };
    const QString recipients = QStringLiteral("Recipients of the selected value");
    const QStringList value = {
        QStringLiteral("Value (payments while listening)|0|lightning"),
        QStringLiteral("Value (payments while listening)|1|keysend"),
        recipients + QStringLiteral("|0|Ann (host)"), recipients + QStringLiteral("|1|node"),
        recipients + QStringLiteral("|2|02d5c1bf8b94"), recipients + QStringLiteral("|3|95"),
        QStringLiteral("Time splits of the selected value|0|60"),
        QStringLiteral("Time splits of the selected value|1|237.5"),
        QStringLiteral("Time splits of the selected value|4|3f1d7b9e-6c2a-5e8d-b4f1-9a7c3e5d2b68"),
        QStringLiteral("Recipients of the selected time split|0|Guest"),
        QStringLiteral("Recipients of the selected time split|3|10"),
    };
    const QStringList valueWritten = {
        QStringLiteral("type=\"lightning\" method=\"keysend\">"),
        QStringLiteral("<podcast:valueRecipient name=\"Ann (host)\" type=\"node\" address=\"02d5c1bf8b94\" split=\"95\""),
        QStringLiteral("<podcast:valueTimeSplit startTime=\"60\" duration=\"237.5\">"),
        QStringLiteral("<podcast:remoteItem feedGuid=\"3f1d7b9e-6c2a-5e8d-b4f1-9a7c3e5d2b68\""),
        QStringLiteral("<podcast:valueRecipient name=\"Guest\" split=\"10\""),
    };
    const std::vector<Tag> both = {
        {"", "podcast:person",
         {QStringLiteral("Persons|0|Ann Lee"), QStringLiteral("Persons|1|guest"), QStringLiteral("Persons|2|cast"),
          QStringLiteral("Persons|3|https://ex.org/ann.jpg"), QStringLiteral("Persons|4|https://ex.org/ann")},
         {QStringLiteral("role=\"guest\" group=\"cast\" img=\"https://ex.org/ann.jpg\" href=\"https://ex.org/ann\">Ann Lee</podcast:person>")}},
        {"", "podcast:location",
         {QStringLiteral("Locations|0|Austin, TX"), QStringLiteral("Locations|1|creator"),
          QStringLiteral("Locations|2|geo:30.2672,97.7431"), QStringLiteral("Locations|3|R113314"),
          QStringLiteral("Locations|4|us")},
         {QStringLiteral("rel=\"creator\" geo=\"geo:30.2672,97.7431\" osm=\"R113314\" country=\"us\">Austin, TX</podcast:location>")}},
        {"", "podcast:funding",
         {QStringLiteral("Funding|0|https://ex.org/give"), QStringLiteral("Funding|1|Support us")},
         {QStringLiteral("<podcast:funding url=\"https://ex.org/give\">Support us</podcast:funding>")}},
        {"", "podcast:license",
         {QStringLiteral("=podcast:license|my-license-v1"), QStringLiteral("=podcast:license@url|https://ex.org/l.pdf")},
         {QStringLiteral("<podcast:license url=\"https://ex.org/l.pdf\">my-license-v1</podcast:license>")}},
        {"", "podcast:value", value, valueWritten},
        {"", "podcast:socialInteract",
         {QStringLiteral("Social interaction|0|https://social.ex.org/@a/1"), QStringLiteral("Social interaction|1|activitypub"),
          QStringLiteral("Social interaction|2|@a"), QStringLiteral("Social interaction|3|https://social.ex.org/@a"),
          QStringLiteral("Social interaction|4|1")},
         {QStringLiteral("uri=\"https://social.ex.org/@a/1\" protocol=\"activitypub\" accountId=\"@a\" accountUrl=\"https://social.ex.org/@a\" priority=\"1\"")}},
        {"", "podcast:txt",
         {QStringLiteral("Text records (txt)|0|S6lpp-7ZCn8"), QStringLiteral("Text records (txt)|1|verify")},
         {QStringLiteral("<podcast:txt purpose=\"verify\">S6lpp-7ZCn8</podcast:txt>")}},
        {"", "podcast:chat",
         {QStringLiteral("=podcast:chat@server|irc.zeronode.net"), QStringLiteral("=podcast:chat@protocol|irc"),
          QStringLiteral("=podcast:chat@accountId|@js"), QStringLiteral("=podcast:chat@space|#show")},
         {QStringLiteral("<podcast:chat server=\"irc.zeronode.net\" protocol=\"irc\" accountId=\"@js\" space=\"#show\"")}},
        {"", "podcast:image",
         {QStringLiteral("Images (podcast:image)|0|https://ex.org/wide.jpg"),
          QStringLiteral("Images (podcast:image)|1|Waves"), QStringLiteral("Images (podcast:image)|2|16/9"),
          QStringLiteral("Images (podcast:image)|3|1920"), QStringLiteral("Images (podcast:image)|4|1080"),
          QStringLiteral("Images (podcast:image)|5|image/jpeg"), QStringLiteral("Images (podcast:image)|6|artwork social")},
         {QStringLiteral("<podcast:image href=\"https://ex.org/wide.jpg\" alt=\"Waves\" aspect-ratio=\"16/9\" width=\"1920\" height=\"1080\" type=\"image/jpeg\" purpose=\"artwork social\"")}},
    };
    const std::vector<Tag> tags = {
        // The post's own.
        {"post", "podcast:transcript",
         {QStringLiteral("Transcripts|0|https://ex.org/t.vtt"), QStringLiteral("Transcripts|1|text/vtt"),
          QStringLiteral("Transcripts|2|es"), QStringLiteral("Transcripts|3|captions")},
         {QStringLiteral("<podcast:transcript url=\"https://ex.org/t.vtt\" type=\"text/vtt\" language=\"es\" rel=\"captions\"")}},
        {"post", "podcast:chapters",
         {QStringLiteral("=podcast:chapters@url|https://ex.org/c.json"),
          QStringLiteral("=podcast:chapters@type|application/json+chapters")},
         {QStringLiteral("url=\"https://ex.org/c.json\" type=\"application/json+chapters\"")}},
        {"post", "podcast:soundbite",
         {QStringLiteral("Soundbites|1|1234.5"), QStringLiteral("Soundbites|2|42.25"), QStringLiteral("Soundbites|0|Best bit")},
         {QStringLiteral("startTime=\"1234.5\" duration=\"42.25\">Best bit</podcast:soundbite>")}},
        {"post", "podcast:season",
         {QStringLiteral("=podcast:season|4"), QStringLiteral("=podcast:season@name|Deep Water")},
         {QStringLiteral("<podcast:season name=\"Deep Water\">4</podcast:season>")}},
        {"post", "podcast:episode",
         {QStringLiteral("=podcast:episode|315.5"), QStringLiteral("=podcast:episode@display|Ch.3")},
         {QStringLiteral("<podcast:episode display=\"Ch.3\">315.5</podcast:episode>")}},
        {"post", "podcast:alternateEnclosure",
         {QStringLiteral("Alternate enclosures|0|High quality"), QStringLiteral("Alternate enclosures|1|audio/opus"),
          QStringLiteral("Alternate enclosures|2|32400000"), QStringLiteral("Alternate enclosures|3|96000"),
          QStringLiteral("Alternate enclosures|8|true"), QStringLiteral("Alternate enclosures|9|sri"),
          QStringLiteral("Alternate enclosures|10|sha384-ExVqijgYHm15"),
          QStringLiteral("Sources of the selected alternate enclosure|0|ipfs://QmdwGqd3d2g"),
          QStringLiteral("Sources of the selected alternate enclosure|1|application/x-bittorrent")},
         {QStringLiteral("title=\"High quality\" type=\"audio/opus\" length=\"32400000\" bitrate=\"96000\" default=\"true\">"),
          QStringLiteral("<podcast:integrity type=\"sri\" value=\"sha384-ExVqijgYHm15\""),
          QStringLiteral("<podcast:source uri=\"ipfs://QmdwGqd3d2g\" contentType=\"application/x-bittorrent\"")}},
        {"post", "podcast:contentLink",
         {QStringLiteral("Content links|0|https://www.youtube.com/watch?v=ex"), QStringLiteral("Content links|1|Watch on YouTube!")},
         {QStringLiteral("<podcast:contentLink href=\"https://www.youtube.com/watch?v=ex\">Watch on YouTube!</podcast:contentLink>")}},
        // The channel's own.
        {"channel", "podcast:locked",
         {QStringLiteral("=podcast:locked|no"), QStringLiteral("=podcast:locked@owner|jo@example.org")},
         {QStringLiteral("owner=\"jo@example.org\">no</podcast:locked>")}},
        {"channel", "podcast:medium", {QStringLiteral("=podcast:medium|music")},
         {QStringLiteral("<podcast:medium>music</podcast:medium>")}},
        {"channel", "podcast:updateFrequency",
         {QStringLiteral("=podcast:updateFrequency|Every other Monday"),
          QStringLiteral("=podcast:updateFrequency@rrule|FREQ=WEEKLY;INTERVAL=2;BYDAY=MO"),
          QStringLiteral("=podcast:updateFrequency@dtstart|2023-08-28T00:00:00.000Z"),
          QStringLiteral("=podcast:updateFrequency@complete|false")},
         {QStringLiteral("rrule=\"FREQ=WEEKLY;INTERVAL=2;BYDAY=MO\" dtstart=\"2023-08-28T00:00:00.000Z\" complete=\"false\">Every other Monday</podcast:updateFrequency>")}},
        {"channel", "podcast:podping", {QStringLiteral("=podcast:podping@usesPodping|true")},
         {QStringLiteral("<podcast:podping usesPodping=\"true\"")}},
        {"channel", "podcast:podroll",
         {QStringLiteral("Podroll (recommended podcasts)|0|917393e3-1b1e-5cef-ace4-edaa54e1f810"),
          QStringLiteral("Podroll (recommended podcasts)|1|https://feeds.podcastindex.org/pc20.xml"),
          QStringLiteral("Podroll (recommended podcasts)|4|Podcasting 2.0")},
         {QStringLiteral("<podcast:podroll>"),
          QStringLiteral("<podcast:remoteItem feedGuid=\"917393e3-1b1e-5cef-ace4-edaa54e1f810\" feedUrl=\"https://feeds.podcastindex.org/pc20.xml\" title=\"Podcasting 2.0\"")}},
        {"channel", "podcast:publisher",
         {QStringLiteral("=podcast:publisher/podcast:remoteItem@feedGuid|003af0a0-6a45-55cf-b765-68e3d349551a"),
          QStringLiteral("=podcast:publisher/podcast:remoteItem@feedUrl|https://ex.org/publisher.xml"),
          QStringLiteral("=podcast:publisher/podcast:remoteItem@medium|publisher")},
         {QStringLiteral("<podcast:publisher>"),
          QStringLiteral("<podcast:remoteItem feedGuid=\"003af0a0-6a45-55cf-b765-68e3d349551a\" feedUrl=\"https://ex.org/publisher.xml\" medium=\"publisher\"")}},
        {"channel", "podcast:trailer",
         {QStringLiteral("Trailers|0|Coming April 1st"), QStringLiteral("Trailers|1|https://ex.org/teaser.mp3"),
          QStringLiteral("Trailers|2|Thu, 01 Apr 2021 08:00:00 EST"), QStringLiteral("Trailers|3|12345678"),
          QStringLiteral("Trailers|4|audio/mpeg"), QStringLiteral("Trailers|5|4")},
         {QStringLiteral("url=\"https://ex.org/teaser.mp3\" pubdate=\"Thu, 01 Apr 2021 08:00:00 EST\" length=\"12345678\" type=\"audio/mpeg\" season=\"4\">Coming April 1st</podcast:trailer>")}},
        {"channel", "podcast:block", {QStringLiteral("Blocked platforms|0|google"), QStringLiteral("Blocked platforms|1|yes")},
         {QStringLiteral("<podcast:block id=\"google\">yes</podcast:block>")}},
        {"channel", "podcast:remoteItem",
         {QStringLiteral("Remote items|0|917393e3-1b1e-5cef-ace4-edaa54e1f810"), QStringLiteral("Remote items|2|asdf089j0-ep240"),
          QStringLiteral("Remote items|3|music")},
         {QStringLiteral("<podcast:remoteItem feedGuid=\"917393e3-1b1e-5cef-ace4-edaa54e1f810\" itemGuid=\"asdf089j0-ep240\" medium=\"music\"")}},
    };
    const QStringList sources = {QStringLiteral("podcast-namespace-itunes-nested-categories_podcastindex.xml"),
                                 QStringLiteral("podcast-itunes-media-noxmldecl_nightvale.xml"), QStringLiteral("new")};
    for (const QString &source : sources) {
        const QString shortName = source.section(QLatin1Char('_'), -1);
        auto add = [&](const char *scope, const Tag &tag) {
            QTest::addRow("%s %s %s", qPrintable(shortName), scope, tag.element)
                << source << QString::fromLatin1(scope) << QString::fromLatin1(tag.element) << tag.steps << tag.written;
        };
        for (const Tag &tag : tags)
            add(tag.scope, tag);
        for (const Tag &tag : both) {
            add("channel", tag);
            add("post", tag);
        }
    }
}

void TestPodcastTags::setSaveClear_changesTheFileOnlyAtTheTag()
{
    QFETCH(QString, source);
    QFETCH(QString, scope);
    QFETCH(QString, element);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, written);
    if (source != QLatin1String("new") && !QFile::exists(kCorpus + source))
        QSKIP("The feed corpus is not here");
    Feed feed;
    QVERIFY(feed.open(source == QLatin1String("new") ? source : kCorpus + source, scope));
    const std::vector<FeedElement> before = feed.elements(scope, element);

    // --- Set through the fields and tables ---
    QHash<CElementTable *, int> addedRows;
    for (const QString &step : steps) {
        const QStringList parts = step.split(QLatin1Char('|'));
        if (step.startsWith(QLatin1Char('='))) {
            QWidget *field = feed.window->findChild<QWidget *>(parts.at(0).mid(1));
            QVERIFY2(field, qPrintable(step));
            enter(field, parts.at(1));
            continue;
        }
        CElementTable *table = tableNamed(feed.window, parts.at(0));
        QVERIFY2(table && table->isEnabled(), qPrintable(step));
        if (!addedRows.contains(table)) {
            addedRows[table] = table->addRow();
            table->table()->setCurrentCell(addedRows[table], 0);
        }
        table->setValue(addedRows[table], parts.at(1).toInt(), parts.at(2));
    }
    QVERIFY(feed.doc.IsModified());
    const LineDiff set = LineDiff::of(feed.original, feed.save());
    QByteArray stray;
    QVERIFY2(onlyPodcastLines(set.removed + set.added, &stray), stray.constData());
    const QByteArray added = set.added.join('\n');
    for (const QString &fragment : written)
        QVERIFY2(added.contains(fragment.toUtf8()), qPrintable(fragment + QStringLiteral("\nnot in\n") + QString::fromUtf8(added)));
    QVERIFY(!feed.elements(scope, element).empty());

    // --- Cleared: the tag goes again, and nothing else changed ---
    for (auto step = steps.crbegin(); step != steps.crend(); ++step) {
        const QStringList parts = step->split(QLatin1Char('|'));
        if (step->startsWith(QLatin1Char('='))) {
            enter(feed.window->findChild<QWidget *>(parts.at(0).mid(1)), QString());
            continue;
        }
        CElementTable *table = tableNamed(feed.window, parts.at(0));
        if (table->parentTable() || !addedRows.contains(table))
            continue;
        table->table()->setCurrentCell(addedRows.take(table), 0);
        for (QPushButton *button : table->findChildren<QPushButton *>()) {
            if (button->text() == QLatin1String("Remove"))
                button->click();
        }
    }
    const LineDiff cleared = LineDiff::of(feed.original, feed.save());
    for (const QByteArray &line : cleared.added)
        QVERIFY2(line.contains("xmlns:podcast="), line.constData());
    QVERIFY2(onlyPodcastLines(cleared.removed, &stray), stray.constData());
    const std::vector<FeedElement> after = feed.elements(scope, element);
    QVERIFY(after.empty() || after == before);
}

void TestPodcastTags::everyTag_readsIntoItsFieldsAndSavesUnchanged()
{
    for (const QString &scope : {QStringLiteral("channel"), QStringLiteral("post")}) {
        Feed feed;
        QVERIFY(feed.open(QStringLiteral(TIDREL_TEST_DATA_DIR "/podcast-every-tag.xml"), scope));
        QWidget *window = feed.window;
        QString error;

        Shown shown;
        collectShown(window, &shown);
        for (CElementTable *table : window->findChildren<CElementTable *>()) {
            if (!table->parentTable())
                visitRows(window, table, &shown);
        }
        const QStringList &names =
            scope == QLatin1String("channel") ? CFeedVocabulary::channelElements() : CFeedVocabulary::postElements();
        int tags = 0;
        for (const QString &name : names) {
            if (!name.startsWith(QLatin1String("podcast:")))
                continue;
            const std::vector<FeedElement> elements = feed.elements(scope, name);
            tags += int(elements.size());
            for (const FeedElement &element : elements) {
                QStringList values;
                collectValues(element, &values);
                for (const QString &value : values)
                    QVERIFY2(shown.values.contains(value), qPrintable(scope + QLatin1Char(' ') + name + QStringLiteral(": ") + value));
            }
        }
        QCOMPARE(tags, scope == QLatin1String("channel") ? 27 : 21);
        // The namespace's own forms of times, places and identifiers pass
        // the fields' checks.
        QVERIFY2(shown.notes.isEmpty(), qPrintable(QStringList(shown.notes.values()).join(QLatin1Char('\n'))));
        // A finding of the checker on a tag leads to its page.
        if (feed.properties) {
            QVERIFY(feed.properties->focusElement(QStringLiteral("podcast:trailer")));
            QCOMPARE(feed.properties->podcastTabs()->tabText(feed.properties->podcastTabs()->currentIndex()),
                     QStringLiteral("Related Feeds"));
        }
        // Nothing was stored by looking, and a save gives the same bytes.
        QVERIFY(!feed.doc.IsModified());
        QVERIFY(feed.doc.OnSaveDocument(feed.dir.filePath(QStringLiteral("again.xml")), &error));
        QCOMPARE(readFile(feed.dir.filePath(QStringLiteral("again.xml"))), feed.original);
        // A person's role comes from the taxonomy's list, in the cell's
        // editor, and is stored from there.
        QTableWidget *personRows = tableNamed(window, QStringLiteral("Persons"))->table();
        const QModelIndex role = personRows->model()->index(0, 1);
        QAbstractItemDelegate *delegate = personRows->itemDelegateForColumn(1);
        std::unique_ptr<QWidget> editor(delegate->createEditor(personRows->viewport(), {}, role));
        auto *roles = qobject_cast<QComboBox *>(editor.get());
        QVERIFY(roles && roles->findText(QStringLiteral("cover art designer")) > 0);
        delegate->setEditorData(roles, role);
        roles->setCurrentText(QStringLiteral("co-host"));
        delegate->setModelData(roles, personRows->model(), role);
        const CRssFeed *held = feed.doc.feed();
        const std::vector<FeedElement> persons = scope == QLatin1String("channel")
            ? held->GetChannelElements(QStringLiteral("podcast:person"))
            : held->GetPostElements(0, QStringLiteral("podcast:person"));
        QCOMPARE(persons.front().attribute(QStringLiteral("role")), QStringLiteral("co-host"));
        // Choices and notes come from the namespace's table: a country is two
        // letters of ISO 3166-1, and a picture's purposes are its tokens.
        CElementTable *locations = tableNamed(window, QStringLiteral("Locations"));
        locations->table()->item(0, 4)->setText(QStringLiteral("USA"));
        QVERIFY2(locations->noteText().contains(QStringLiteral("two-letter country code")), qPrintable(locations->noteText()));
        QTableWidget *images = tableNamed(window, QStringLiteral("Images (podcast:image)"))->table();
        std::unique_ptr<QWidget> purposes(
            images->itemDelegateForColumn(6)->createEditor(images->viewport(), {}, images->model()->index(0, 6)));
        QVERIFY(qobject_cast<QComboBox *>(purposes.get())->findText(QStringLiteral("poster")) >= 0);
        // The pages edit every one of them.
        const auto others = scope == QLatin1String("channel") ? feed.doc.feed()->GetOtherChannelElements()
                                                              : feed.doc.feed()->GetOtherPostElements(0);
        for (const auto &[name, text] : others)
            QVERIFY2(!name.startsWith(QLatin1String("podcast:")), qPrintable(name));
    }
}

int main(int argc, char *argv[])
{
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    TestPodcastTags test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_podcasttags.moc"
