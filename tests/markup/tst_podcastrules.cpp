#include "CheckerFeeds.h"
#include "TestFiles.h"

#include <QDir>
#include <QDirIterator>
#include <QImage>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>

// The podcast directories' rules: the podcast namespace's tags, Apple
// Podcasts' requirements and PSP-1, on a small podcast that meets them all
// as it stands, and on the corpus's feeds.

namespace {

// The podcast's own elements, which meet every rule.
const QString kShow = QStringLiteral(
        "<language>en</language>\n"
        "<itunes:image href=\"https://cats.example.org/cover.jpg\"/>\n"
        "<itunes:category text=\"Leisure\"><itunes:category text=\"Hobbies\"/></itunes:category>\n"
        "<itunes:explicit>false</itunes:explicit>\n"
        "<podcast:locked>no</podcast:locked>\n"
        "<podcast:guid>917393e3-1b1e-5cef-ace4-edaa54e1f810</podcast:guid>\n");
const QString kEpisode = QStringLiteral(
        "<enclosure url=\"https://cats.example.org/1.mp3\" length=\"1000\" type=\"audio/mpeg\"/>\n");

// The podcast with `channelXml` and `itemXml` added, `removed` taken out.
QByteArray podcast(const QString &channelXml, const QString &itemXml, const QString &removed = QString(),
                   const QString &rssAttributes = QString())
{
    QByteArray bytes = feed(kShow + channelXml, kEpisode + itemXml, rssAttributes);
    if (!removed.isEmpty())
        bytes.replace(removed.toUtf8(), QByteArray());
    return bytes;
}

QList<CFeedChecker::Problem> check(const QByteArray &bytes, CFeedChecker::PodcastRules rules,
                                   const CLocalMedia &media = CLocalMedia())
{
    CFeedChecker::Options options;
    options.now = kNow;
    options.podcastRules = rules;
    options.media = media;
    return CFeedChecker::Check(bytes, options);
}

QStringList ruleNames(const QList<CFeedChecker::Problem> &problems)
{
    QStringList names;
    for (const CFeedChecker::Problem &problem : problems)
        names << problem.ruleName();
    return names;
}

// The rules that read the podcast namespace's tags: none may fire on a feed
// that does not declare it.
bool readsPodcastTags(const QString &rule)
{
    static const QStringList rules = {"podcast-tag-unknown", "podcast-parent", "podcast-attribute-missing",
                                      "podcast-child-missing", "podcast-text-missing", "podcast-text-long",
                                      "podcast-value", "podcast-value-uncommon", "podcast-uuid", "podcast-date",
                                      "podcast-number", "podcast-time", "podcast-https", "podcast-guid",
                                      "podcast-locked"};
    return rules.contains(rule);
}

} // namespace

class TestPodcastRules : public QObject
{
    Q_OBJECT

private slots:
    // Each rule with a feed that breaks it, mostly beside one that does
    // not: `rule` is expected on `field` (and `attribute`); an empty rule
    // means no problem at all.
    void rules_data()
    {
        QTest::addColumn<QString>("channelXml");
        QTest::addColumn<QString>("itemXml");
        QTest::addColumn<QString>("removed");
        QTest::addColumn<QString>("rssAttributes");
        QTest::addColumn<QString>("rule");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("attribute");

        const QString transcript = QStringLiteral("<podcast:transcript url=\"https://cats.example.org/1.vtt\" type=\"%1\"%2/>");
        QTest::newRow("podcast as it stands") << "" << "" << "" << "" << "" << "" << "";
        // A description left empty describes nothing.
        QTest::newRow("empty description") << "<description> </description>" << "" << "<description>All about cats</description>"
                                           << "" << "channel-description-missing" << "description" << "";
        // Every tag in its place, in the forms of the namespace's documents.
        QTest::newRow("every tag in its place")
                << QString::fromUtf8(readFile(QStringLiteral(TIDREL_TEST_DATA_DIR "/every-tag/channel.xml")))
                << QString::fromUtf8(readFile(QStringLiteral(TIDREL_TEST_DATA_DIR "/every-tag/item.xml")))
                << "" << "" << "" << "" << "";

        // Namespace and tag names
        QTest::newRow("namespace typo") << "" << "" << "" << " xmlns:pod=\"https://podcastindex.org/namespace/1.O\""
                                        << "namespace-misspelled" << "rss" << "xmlns:pod";
        QTest::newRow("namespace other path") << "" << "" << "" << " xmlns:pod=\"https://podcastindex.org/namespace/2.0\""
                                              << "namespace-misspelled" << "rss" << "xmlns:pod";
        QTest::newRow("namespace over http") << "" << "" << "" << " xmlns:pod=\"http://podcastindex.org/namespace/1.0\""
                                             << "" << "" << "";
        QTest::newRow("tag misspelled") << "" << "<podcast:transcrpt url=\"https://cats.example.org/1.vtt\" type=\"text/vtt\"/>"
                                        << "" << "" << "podcast-tag-unknown" << "podcast:transcrpt" << "";
        QTest::newRow("tag in the wrong place") << transcript.arg("text/vtt", "") << "" << "" << ""
                                                << "podcast-parent" << "podcast:transcript" << "";
        QTest::newRow("single tag twice") << "" << "<podcast:season>1</podcast:season><podcast:season>2</podcast:season>"
                                          << "" << "" << "element-duplicate" << "podcast:season" << "";
        QTest::newRow("several tags twice") << "" << transcript.arg("text/vtt", "") + transcript.arg("text/html", "")
                                            << "" << "" << "" << "" << "";

        // Attributes, children and values
        QTest::newRow("attribute missing") << "" << "<podcast:transcript url=\"https://cats.example.org/1.vtt\"/>" << "" << ""
                                           << "podcast-attribute-missing" << "podcast:transcript" << "type";
        QTest::newRow("source missing") << "" << "<podcast:alternateEnclosure type=\"audio/mpeg\" length=\"1\"></podcast:alternateEnclosure>"
                                        << "" << "" << "podcast-child-missing" << "podcast:source" << "";
        QTest::newRow("person without name") << "<podcast:person role=\"host\"></podcast:person>" << "" << "" << ""
                                             << "podcast-text-missing" << "podcast:person" << "";
        QTest::newRow("funding text long") << "<podcast:funding url=\"https://cats.example.org/give\">" + QString(129, u'x')
                                                      + "</podcast:funding>"
                                           << "" << "" << "" << "podcast-text-long" << "podcast:funding" << "";
        QTest::newRow("medium unknown") << "<podcast:medium>radio</podcast:medium>" << "" << "" << ""
                                        << "podcast-value" << "podcast:medium" << "";
        QTest::newRow("medium list") << "<podcast:medium>musicL</podcast:medium>" << "" << "" << "" << "" << "" << "";
        QTest::newRow("boolean yes") << "" << "<podcast:alternateEnclosure type=\"audio/mpeg\" length=\"1\" default=\"yes\">"
                                              "<podcast:source uri=\"https://cats.example.org/1.mp3\"/></podcast:alternateEnclosure>"
                                     << "" << "" << "podcast-value" << "podcast:alternateEnclosure" << "default";
        QTest::newRow("live status") << "<podcast:liveItem status=\"soon\" start=\"2021-09-26T07:30:00Z\"/>" << "" << "" << ""
                                     << "podcast-value" << "podcast:liveItem" << "status";
        QTest::newRow("live item without content link") << "<podcast:liveItem status=\"live\" start=\"2021-09-26T07:30:00Z\"><title>Live</title></podcast:liveItem>"
                                                        << "" << "" << "" << "podcast-child-missing" << "podcast:contentLink" << "";
        QTest::newRow("geo without scheme") << "<podcast:location geo=\"30.2672,97.7431\">Austin</podcast:location>" << "" << "" << ""
                                            << "podcast-value" << "podcast:location" << "geo";
        QTest::newRow("transcript type unusual") << "" << transcript.arg("text/markdown", "") << "" << ""
                                                 << "podcast-value-uncommon" << "podcast:transcript" << "type";
        QTest::newRow("transcript language") << "" << transcript.arg("text/vtt", " language=\"Spanish\"") << "" << ""
                                             << "language-invalid" << "podcast:transcript" << "language";
        QTest::newRow("remote guid") << "<podcast:podroll><podcast:remoteItem feedGuid=\"buzzcast\"/></podcast:podroll>" << "" << "" << ""
                                     << "podcast-uuid" << "podcast:remoteItem" << "feedGuid";
        QTest::newRow("live start") << "<podcast:liveItem status=\"pending\" start=\"26/09/2021 07:30\"/>" << "" << "" << ""
                                    << "podcast-date" << "podcast:liveItem" << "start";
        QTest::newRow("season word") << "" << "<podcast:season>two</podcast:season>" << "" << ""
                                     << "podcast-number" << "podcast:season" << "";
        QTest::newRow("soundbite clock time") << "" << "<podcast:soundbite startTime=\"1:13\" duration=\"60\"/>" << "" << ""
                                              << "podcast-time" << "podcast:soundbite" << "startTime";
        QTest::newRow("trailer date") << "<podcast:trailer pubdate=\"2021-04-01\" url=\"https://cats.example.org/t.mp3\">Soon</podcast:trailer>"
                                      << "" << "" << "" << "date-invalid" << "podcast:trailer" << "pubdate";
        QTest::newRow("person over http") << "" << "<podcast:person img=\"http://cats.example.org/jo.jpg\">Jo</podcast:person>"
                                          << "" << "" << "podcast-https" << "podcast:person" << "img";
        QTest::newRow("chapters relative") << "" << "<podcast:chapters url=\"1.json\" type=\"application/json+chapters\"/>"
                                           << "" << "" << "url-not-absolute" << "podcast:chapters" << "url";
        QTest::newRow("locked owner") << "<podcast:locked owner=\"jo@example.org\">yes</podcast:locked>" << ""
                                      << "<podcast:locked>no</podcast:locked>" << "" << "" << "" << "";
        QTest::newRow("locked owner not an address") << "<podcast:locked owner=\"Jo\">yes</podcast:locked>" << ""
                                                     << "<podcast:locked>no</podcast:locked>" << ""
                                                     << "email-invalid" << "podcast:locked" << "owner";

        // The namespace as published in 2026, each new rule broken and kept
        const QString image = QStringLiteral("<podcast:image%1/>");
        const QString wholeImage = QStringLiteral(" href=\"https://cats.example.org/c.jpg\" alt=\"Cats\" width=\"1400\"");
        QTest::newRow("image without href") << image.arg(" alt=\"Cats\" aspect-ratio=\"1/1\" width=\"1400\"") << "" << "" << ""
                                            << "podcast-attribute-missing" << "podcast:image" << "href";
        QTest::newRow("image without alt") << image.arg(" href=\"https://cats.example.org/c.jpg\" aspect-ratio=\"1/1\" width=\"1400\"")
                                           << "" << "" << "" << "podcast-attribute-recommended" << "podcast:image" << "alt";
        QTest::newRow("image ratio as one number") << "" << image.arg(wholeImage + " aspect-ratio=\"1.9\" purpose=\"circular poster\"")
                                                   << "" << "" << "" << "" << "";
        QTest::newRow("image ratio with a colon") << image.arg(wholeImage + " aspect-ratio=\"16:9\"") << "" << "" << ""
                                                  << "podcast-value" << "podcast:image" << "aspect-ratio";
        QTest::newRow("image purpose unknown") << image.arg(wholeImage + " aspect-ratio=\"1/1\" purpose=\"artwork sticker\"") << ""
                                               << "" << "" << "podcast-value-uncommon" << "podcast:image" << "purpose";
        QTest::newRow("images retired") << "<podcast:images srcset=\"https://cats.example.org/c.jpg 1500w\"/>" << "" << "" << ""
                                        << "podcast-tag-retired" << "podcast:images" << "";
        const QString location = QStringLiteral("<podcast:location%1>Here</podcast:location>");
        QTest::newRow("locations subject and creator") << "" << location.arg(" rel=\"subject\" country=\"AU\"") + location.arg(" rel=\"creator\" osm=\"R65606#12\"")
                                                       << "" << "" << "" << "" << "";
        QTest::newRow("locations both subject") << "" << location.arg("") + location.arg(" rel=\"subject\"") << "" << ""
                                                << "element-duplicate" << "podcast:location" << "";
        QTest::newRow("location rel unknown") << "" << location.arg(" rel=\"origin\"") << "" << ""
                                              << "podcast-value" << "podcast:location" << "rel";
        QTest::newRow("location country of three letters") << location.arg(" country=\"USA\"") << "" << "" << ""
                                                            << "podcast-value" << "podcast:location" << "country";
        QTest::newRow("location latitude past the pole") << location.arg(" geo=\"geo:97.7431,30.2672\"") << "" << "" << ""
                                                         << "podcast-value" << "podcast:location" << "geo";
        QTest::newRow("location osm of another kind") << location.arg(" osm=\"X113314\"") << "" << "" << ""
                                                      << "podcast-value" << "podcast:location" << "osm";
        QTest::newRow("txt ai-content") << "" << "<podcast:txt purpose=\"ai-content\">true</podcast:txt>" << "" << "" << "" << "" << "";
        QTest::newRow("txt ai-content not a boolean") << "" << "<podcast:txt purpose=\"ai-content\">some</podcast:txt>" << "" << ""
                                                      << "podcast-value" << "podcast:txt" << "";
        const QString value = QStringLiteral("<podcast:value type=\"lightning\" method=\"lnaddress\">"
                                             "<podcast:valueRecipient type=\"%1\" address=\"jo@cats.example.org\" split=\"100\"/></podcast:value>");
        QTest::newRow("recipient lnaddress") << value.arg("lnaddress") << "" << "" << "" << "" << "" << "";
        QTest::newRow("recipient email") << value.arg("email") << "" << "" << ""
                                         << "podcast-value-uncommon" << "podcast:valueRecipient" << "type";
        const QString social = QStringLiteral("<podcast:socialInteract protocol=\"disabled\" uri=\"https://cats.example.org/\"/>");
        QTest::newRow("social interact in the channel") << social << "" << "" << "" << "" << "" << "";
        QTest::newRow("social interact in a podroll") << "<podcast:podroll>" + social + "</podcast:podroll>" << "" << "" << ""
                                                      << "podcast-parent" << "podcast:socialInteract" << "";
        const QString funding = QStringLiteral("<podcast:funding url=\"https://cats.example.org/give\">Give</podcast:funding>");
        QTest::newRow("funding in an item and a live item")
                << "<podcast:liveItem status=\"ended\" start=\"2021-09-26T07:30:00Z\"><title>Live</title>"
                   "<podcast:contentLink href=\"https://cats.example.org/live\">Live</podcast:contentLink>" + funding + "</podcast:liveItem>"
                << funding << "" << "" << "" << "" << "";
        QTest::newRow("funding in an alternate enclosure")
                << "" << "<podcast:alternateEnclosure type=\"audio/mpeg\" length=\"1\">"
                         "<podcast:source uri=\"https://cats.example.org/1.mp3\"/>" + funding + "</podcast:alternateEnclosure>"
                << "" << "" << "podcast-parent" << "podcast:funding" << "";
        QTest::newRow("medium course") << "<podcast:medium>course</podcast:medium>" << "" << "" << "" << "" << "" << "";
        QTest::newRow("medium courses") << "<podcast:medium>courses</podcast:medium>" << "" << "" << ""
                                        << "podcast-value" << "podcast:medium" << "";
        QTest::newRow("podroll item with its title")
                << "<podcast:podroll><podcast:remoteItem feedGuid=\"29cdca4a-32d8-56ba-b48b-09a011c5daa9\" title=\"Dogs\"/></podcast:podroll>"
                << "" << "" << "" << "" << "" << "";
        QTest::newRow("podroll item with only its title") << "<podcast:podroll><podcast:remoteItem title=\"Dogs\"/></podcast:podroll>"
                                                          << "" << "" << "" << "podcast-attribute-missing" << "podcast:remoteItem" << "feedGuid";
        // Apple asks for true or false: its older words are a warning, not a note, for a podcast.
        QTest::newRow("explicit yes") << "<itunes:explicit>yes</itunes:explicit>" << ""
                                      << "<itunes:explicit>false</itunes:explicit>" << "" << "podcast-explicit-old" << "itunes:explicit" << "";

        // Apple Podcasts and PSP-1
        QTest::newRow("self link missing") << "" << "" << "<atom:link rel=\"self\" href=\"https://cats.example.org/feed.xml\"/>"
                                           << "" << "podcast-self-link-missing" << "atom:link" << "";
        QTest::newRow("artwork missing") << "" << "" << "<itunes:image href=\"https://cats.example.org/cover.jpg\"/>" << ""
                                         << "podcast-image-missing" << "itunes:image" << "";
        QTest::newRow("artwork gif") << "<itunes:image href=\"https://cats.example.org/cover.gif\"/>" << ""
                                     << "<itunes:image href=\"https://cats.example.org/cover.jpg\"/>" << ""
                                     << "itunes-image-format" << "itunes:image" << "href";
        QTest::newRow("artwork png with query") << "<itunes:image href=\"https://cats.example.org/cover.PNG?v=2\"/>" << ""
                                                << "<itunes:image href=\"https://cats.example.org/cover.jpg\"/>" << ""
                                                << "" << "" << "";
        QTest::newRow("language missing") << "" << "" << "<language>en</language>" << ""
                                          << "podcast-language-missing" << "language" << "";
        QTest::newRow("category missing") << "" << ""
                                          << "<itunes:category text=\"Leisure\"><itunes:category text=\"Hobbies\"/></itunes:category>"
                                          << "" << "podcast-category-missing" << "itunes:category" << "";
        QTest::newRow("explicit missing") << "" << "" << "<itunes:explicit>false</itunes:explicit>" << ""
                                          << "podcast-explicit-missing" << "itunes:explicit" << "";
        QTest::newRow("description long") << "<description>" + QString(3999, u'x') + "&#xE9;</description>" << ""
                                          << "<description>All about cats</description>" << ""
                                          << "podcast-description-long" << "description" << "";
        QTest::newRow("description of 4000 bytes") << "<description>" + QString(3998, u'x') + "&#xE9;</description>" << ""
                                                   << "<description>All about cats</description>" << "" << "" << "" << "";
        QTest::newRow("episode title missing") << "" << "" << "<title>First</title>" << ""
                                               << "podcast-item-title-missing" << "title" << "";
        QTest::newRow("enclosure missing") << "" << ""
                                           << "<enclosure url=\"https://cats.example.org/1.mp3\" length=\"1000\" type=\"audio/mpeg\"/>"
                                           << "" << "podcast-enclosure-missing" << "enclosure" << "";
        QTest::newRow("episode guid missing") << "" << "" << "<guid>https://cats.example.org/1</guid>" << ""
                                              << "podcast-item-guid-missing" << "guid" << "";
        QTest::newRow("locked missing") << "" << "" << "<podcast:locked>no</podcast:locked>" << ""
                                        << "podcast-locked-missing" << "podcast:locked" << "";
        QTest::newRow("podcast guid missing") << "" << "" << "<podcast:guid>917393e3-1b1e-5cef-ace4-edaa54e1f810</podcast:guid>"
                                              << "" << "podcast-guid-missing" << "podcast:guid" << "";
    }

    void rules()
    {
        QFETCH(QString, channelXml);
        QFETCH(QString, itemXml);
        QFETCH(QString, removed);
        QFETCH(QString, rssAttributes);
        QFETCH(QString, rule);
        QFETCH(QString, field);
        QFETCH(QString, attribute);
        const QByteArray bytes = podcast(channelXml, itemXml, removed, rssAttributes);
        const QList<CFeedChecker::Problem> problems = check(bytes, CFeedChecker::PodcastRules::On);
        if (rule.isEmpty()) {
            QVERIFY2(problems.isEmpty(), qPrintable(describe(problems)));
            return;
        }
        bool found = false;
        for (const CFeedChecker::Problem &problem : problems)
            found = found || (problem.ruleName() == rule && problem.field == field && problem.attribute == attribute);
        QVERIFY2(found, qPrintable(QStringLiteral("expected %1 on %2, got:\n%3").arg(rule, field, describe(problems))));
        // What the namespace, PSP-1 or Apple asks for is at least a warning.
        for (const CFeedChecker::Problem &problem : problems)
            QVERIFY2(problem.level() != CFeedRules::Level::Info, qPrintable(describe({problem})));
        // Without the podcast rules, none of theirs fires.
        for (const CFeedChecker::Problem &problem : check(bytes, CFeedChecker::PodcastRules::Off))
            QVERIFY2(problem.rule < CFeedRules::NamespaceMisspelled, qPrintable(describe({problem})));
    }

    // The nearest tag is named; the rule's message is the table's otherwise.
    void messages_nameTheNearestTagAndReplaceWeakerRules()
    {
        const QList<CFeedChecker::Problem> problems =
                check(podcast("", "<podcast:Transcript url=\"https://cats.example.org/1.vtt\" type=\"text/vtt\"/>",
                              "<guid>https://cats.example.org/1</guid>"),
                      CFeedChecker::PodcastRules::On);
        QCOMPARE(ruleNames(problems), QStringList({"podcast-item-guid-missing", "podcast-tag-unknown"}));
        QCOMPARE(problems[0].message, CFeedRules::Message(CFeedRules::PodcastItemGuidMissing));
        QCOMPARE(problems[0].level(), CFeedRules::Level::Error);
        QCOMPARE(problems[1].message, "The podcast namespace has no tag podcast:Transcript. Did you mean podcast:transcript?");
        QCOMPARE(problems[1].post, 0);
    }

    // A feed of the shape of the namespace's own example: an item's two
    // locations, where it is about and where it was made; a ratio of one
    // number; a placeholder GUID, no self link and an author written name
    // first. Only the last three are problems.
    void namespaceExample_raisesOnlyItsRealProblems()
    {
        QStringList found;
        const QByteArray example = readFile(QStringLiteral(TIDREL_TEST_DATA_DIR "/namespace-example/feed.xml"));
        for (const CFeedChecker::Problem &problem : check(example, CFeedChecker::PodcastRules::On))
            found << QStringLiteral("%1 %2 %3").arg(problem.line).arg(problem.ruleName(), problem.field);
        QCOMPARE(found, QStringList({"3 podcast-self-link-missing atom:link", "18 podcast-guid podcast:guid",
                                     "58 email-invalid author"}));
    }

    // IfDeclared, as the window checks: a blog is checked as a blog, a feed
    // with either namespace (or a near miss of one) as a podcast.
    void ifDeclared_appliesToFeedsWithEitherNamespace()
    {
        const QByteArray blog = "<rss version=\"2.0\" xmlns:atom=\"http://www.w3.org/2005/Atom\"><channel>"
                                "<title>T</title><link>https://example.org/</link><description>D</description>"
                                "<atom:link rel=\"self\" href=\"https://example.org/rss.xml\"/>"
                                "<item><title>A</title><guid>https://example.org/a</guid></item></channel></rss>";
        QCOMPARE(ruleNames(check(blog, CFeedChecker::PodcastRules::IfDeclared)), QStringList());
        QVERIFY(ruleNames(check(blog, CFeedChecker::PodcastRules::On)).contains("podcast-enclosure-missing"));
        for (const char *uri : {"http://www.itunes.com/dtds/podcast-1.0.dtd", "https://podcastindex.org/namespace/1.0",
                                "https://podcastindex.org/namspace/1.0"}) {
            QByteArray declared = blog;
            declared.replace("<rss version=\"2.0\"", "<rss version=\"2.0\" xmlns:p=\"" + QByteArray(uri) + "\"");
            QVERIFY2(ruleNames(check(declared, CFeedChecker::PodcastRules::IfDeclared)).contains("podcast-enclosure-missing"), uri);
        }
    }

    // A file in UTF-8 has its items checked on a thread of their own while
    // the parse reads on; another encoding, or a namespace declared only
    // after the first item, has them checked after the parse. Both find the
    // same problems in the same order.
    void itemThread_findsWhatTheParseThreadFinds()
    {
        QString items;
        for (int i = 0; i < 300; ++i)
            items += QStringLiteral("<item><title>Post %1</title><guid>%2</guid><description>&lt;a href=\"/p/%1\"&gt;x&lt;/a&gt;"
                                    "</description></item>\n").arg(i).arg(i % 100 == 0 ? 7 : 1000000 + i);
        const QString feed = QStringLiteral("<?xml version=\"1.0\" encoding=\"%1\"?>\n<rss version=\"2.0\">"
                                            "<channel><title>T</title><link>https://example.org/</link><description>D</description>\n"
                                            "%2</channel></rss>\n");
        const auto lines = [](const QList<CFeedChecker::Problem> &problems) {
            QStringList found;
            for (const CFeedChecker::Problem &problem : problems)
                found << QStringLiteral("%1:%2 %3 %4").arg(problem.line).arg(problem.column).arg(problem.ruleName(), problem.message);
            return found;
        };
        const QList<CFeedChecker::Problem> threaded = check(feed.arg("UTF-8", items).toUtf8(), CFeedChecker::PodcastRules::On);
        const QList<CFeedChecker::Problem> serial = check(feed.arg("ISO-8859-1", items).toLatin1(), CFeedChecker::PodcastRules::On);
        QCOMPARE(lines(threaded), lines(serial));
        QCOMPARE(ruleNames(threaded).count("guid-duplicate"), 2);
        QCOMPARE(ruleNames(threaded).count("description-relative-link"), 300);

        // The iTunes namespace declared on the second item: the podcast rules
        // apply to every item, the first too.
        QString late = items;
        late.replace(late.indexOf("<item>", 1), 6, "<item xmlns:itunes=\"http://www.itunes.com/dtds/podcast-1.0.dtd\">");
        const QList<CFeedChecker::Problem> declared = check(feed.arg("UTF-8", late).toUtf8(), CFeedChecker::PodcastRules::IfDeclared);
        QCOMPARE(ruleNames(declared).count("podcast-enclosure-missing"), 300);
    }

    // Local artwork: beside the feed, or under the media base address.
    void artwork_localFileIsSquareRgbAndSized()
    {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        QVERIFY(QDir(folder.path()).mkpath("art"));
        const auto picture = [&](const QString &name, int width, int height, QImage::Format format) {
            QImage image(width, height, format);
            image.fill(Qt::darkCyan);
            return image.save(folder.filePath(name));
        };
        QVERIFY(picture("cover.jpg", 1400, 1400, QImage::Format_RGB32));
        QVERIFY(picture("small.jpg", 1000, 1000, QImage::Format_RGB32));
        QVERIFY(picture("wide.png", 1600, 1400, QImage::Format_RGB32));
        QVERIFY(picture("grey.png", 3000, 3000, QImage::Format_Grayscale8));
        QVERIFY(picture("art/media.png", 2000, 2000, QImage::Format_ARGB32));
        const CLocalMedia media(folder.filePath("feed.xml"), "https://media.example.org/", "");
        const QList<QPair<QString, QString>> cases = {
                {"cover.jpg", ""},
                {QUrl::fromLocalFile(folder.filePath("cover.jpg")).toString(), ""},
                {"small.jpg", "itunes-image-size"},
                {"wide.png", "itunes-image-size"},
                {"grey.png", "itunes-image-colour"},
                {"https://media.example.org/art/media.png", ""},
                {"https://media.example.org/art/missing.png", "itunes-image-unreadable"},
                {"https://elsewhere.example.org/art/missing.png", ""}};
        for (const auto &[href, rule] : cases) {
            const QByteArray bytes = podcast("<itunes:image href=\"" + href + "\"/>", "",
                                             "<itunes:image href=\"https://cats.example.org/cover.jpg\"/>");
            const QList<CFeedChecker::Problem> problems = check(bytes, CFeedChecker::PodcastRules::On, media);
            // A local address is no address for listeners (url-not-absolute); only the file's rules count here.
            QVERIFY2(ruleNames(problems).filter("itunes-image") == (rule.isEmpty() ? QStringList() : QStringList(rule)),
                     qPrintable(href + ": " + describe(problems)));
        }
    }

    // The corpus's feeds with the podcast rules on: counts per rule for a
    // reader to look over, and no rule of the podcast namespace's tags on a
    // feed that does not declare it.
    void corpus_countsPerRule()
    {
        const QString folder = QStringLiteral(TIDREL_CORPUS_DIR "/rss");
        if (!QDir(folder).exists())
            QSKIP("The feed corpus is not present");
        QMap<QString, int> counts;
        QDirIterator files(folder, QDir::Files);
        while (files.hasNext()) {
            const QString path = files.next();
            const QByteArray bytes = readFile(path);
            const bool declaresPodcast = bytes.contains("podcastindex.org/namespace") || bytes.contains("podcast-namespace");
            for (const CFeedChecker::Problem &problem : check(bytes, CFeedChecker::PodcastRules::On)) {
                QVERIFY2(declaresPodcast || !readsPodcastTags(problem.ruleName()),
                         qPrintable(path + ": " + describe({problem})));
                ++counts[problem.ruleName()];
            }
        }
        for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
            if (it.key().startsWith("podcast-") || it.key().startsWith("itunes-") || it.key() == "namespace-misspelled")
                qInfo("%-28s %d", qPrintable(it.key()), it.value());
        }
    }
};

QTEST_GUILESS_MAIN(TestPodcastRules)
#include "tst_podcastrules.moc"
