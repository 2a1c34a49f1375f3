#include "CheckerFeeds.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

// The feed checker's rules, one group at a time, on small feeds built
// around a channel and one post that are correct as they stand.

class TestFeedChecker : public QObject
{
    Q_OBJECT

private slots:
    // Each row stands at its id, under a name of its own that scripts can match.
    void ruleTable_isInIdOrderWithUniqueNames()
    {
        static const QRegularExpression form(QStringLiteral("^[a-z0-9]+(-[a-z0-9]+)*$"));
        QSet<QString> names;
        const QList<CFeedRules::Rule> rules = CFeedRules::All();
        QCOMPARE(rules.size(), int(CFeedRules::IdCount));
        for (int i = 0; i < rules.size(); ++i) {
            QCOMPARE(int(rules[i].id), i);
            const QString name = QString::fromLatin1(rules[i].name);
            QVERIFY2(form.match(name).hasMatch(), rules[i].name);
            QVERIFY2(!names.contains(name), rules[i].name);
            names.insert(name);
            QVERIFY(QByteArray(rules[i].message).endsWith('.'));
        }
    }

    // Each row adds XML to the channel or to the post; `rule` is the one
    // problem expected, on `field` (and `attribute`), or none when empty.
    void rules_data()
    {
        QTest::addColumn<QString>("channelXml");
        QTest::addColumn<QString>("itemXml");
        QTest::addColumn<QString>("rule");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("attribute");

        QTest::newRow("correct feed") << "" << "" << "" << "" << "";
        QTest::newRow("channel fields") << "<category>a</category><category>b</category><language>en-us</language><ttl>60</ttl>"
                                           "<dc:creator xmlns:dc=\"http://purl.org/dc/elements/1.1/\">Jo</dc:creator>" << "" << "" << "" << "";
        // Channel
        QTest::newRow("second title") << "<title>Dogs</title>" << "" << "element-duplicate" << "title" << "";
        QTest::newRow("unknown element") << "<textinput/>" << "" << "element-unknown" << "textinput" << "";
        QTest::newRow("unbound prefix") << "<foo:bar>1</foo:bar>" << "" << "element-prefix-unbound" << "foo:bar" << "";
        QTest::newRow("bare element in other vocabulary")
                << "<x:meta xmlns:x=\"urn:x\"><When>1</When></x:meta>" << "" << "element-namespace-missing" << "When" << "";
        QTest::newRow("unknown language") << "<language>cats</language>" << "" << "language-invalid" << "language" << "";
        QTest::newRow("ttl of zero") << "<ttl>0</ttl>" << "" << "ttl-invalid" << "ttl" << "";
        QTest::newRow("self link is the site") << "<atom:link rel=\"self\" href=\"https://cats.example.org/\"/>" << ""
                                               << "atom-self-site" << "atom:link" << "href";
        QTest::newRow("docs relative") << "<docs>rss.html</docs>" << "" << "url-not-absolute" << "docs" << "";
        QTest::newRow("link scheme") << "" << "<link>feed://cats.example.org/1</link>" << "url-scheme" << "link" << "";
        QTest::newRow("webMaster without name") << "<webMaster>jo@example.org</webMaster>" << "" << "email-name-missing" << "webMaster" << "";
        QTest::newRow("managingEditor name first") << "<managingEditor>Jo (jo@example.org)</managingEditor>" << "" << "email-invalid" << "managingEditor" << "";
        QTest::newRow("channel date") << "<lastBuildDate>2002-12-31T01:15:07-05:00</lastBuildDate>" << "" << "date-invalid" << "lastBuildDate" << "";
        QTest::newRow("item after other element") << "" << "</item><ttl>5</ttl><item><title>x</title><guid>https://cats.example.org/2</guid>"
                                                  << "channel-item-misplaced" << "ttl" << "";
        QTest::newRow("ttl after the items") << "" << "</item><item><title>x</title><guid>https://cats.example.org/2</guid></item><ttl>0</ttl><item>"
                                             << "ttl-invalid" << "ttl" << "";
        // A live item holds what an item does: its title and guid need no namespace.
        QTest::newRow("live item") << "<podcast:liveItem status=\"live\" start=\"2026-03-01T09:00:00Z\"><title>On air</title>"
                                      "<guid isPermaLink=\"false\">live-1</guid><link>https://cats.example.org/live</link>"
                                      "</podcast:liveItem>" << "" << "" << "" << "";

        // image, textInput, cloud, skipHours, skipDays
        const QString image = QStringLiteral("<image><url>https://cats.example.org/%1</url><title>%2</title>"
                                             "<link>https://cats.example.org/</link>%3</image>");
        QTest::newRow("image too wide") << image.arg("cat.png", "Cats", "<width>145</width>") << "" << "image-width" << "width" << "";
        QTest::newRow("image too high") << image.arg("cat.png", "Cats", "<height>401</height>") << "" << "image-height" << "height" << "";
        QTest::newRow("image other title") << image.arg("cat.png", "Dogs", "") << "" << "image-title-mismatch" << "title" << "";
        QTest::newRow("image tiff") << image.arg("cat.tiff", "Cats", "") << "" << "image-format" << "url" << "";
        QTest::newRow("image without url") << "<image><title>Cats</title><link>https://cats.example.org/</link></image>" << ""
                                           << "image-url-missing" << "url" << "";
        QTest::newRow("image as text") << "<image>https://cats.example.org/cat.png</image>" << "" << "element-text-unexpected" << "image" << "";
        const QString textInput = QStringLiteral("<textInput><title>Search</title><description>Find</description>"
                                                 "<name>%1</name><link>https://cats.example.org/find</link></textInput>");
        QTest::newRow("textInput name") << textInput.arg("2 words") << "" << "textinput-name-invalid" << "name" << "";
        QTest::newRow("textInput without link") << "<textInput><title>S</title><description>F</description><name>q</name></textInput>"
                                                << "" << "textinput-link-missing" << "link" << "";
        const QString cloud = QStringLiteral("<cloud domain=\"rpc.example.org\" port=\"%1\" path=\"/RPC2\" "
                                             "registerProcedure=\"ping\" protocol=\"%2\"/>");
        QTest::newRow("cloud port") << cloud.arg("80.5", "soap") << "" << "cloud-port" << "cloud" << "port";
        QTest::newRow("cloud protocol") << cloud.arg("80", "smtp") << "" << "cloud-protocol" << "cloud" << "protocol";
        QTest::newRow("cloud without path") << "<cloud domain=\"a\" port=\"80\" registerProcedure=\"p\" protocol=\"soap\"/>"
                                            << "" << "cloud-attribute-missing" << "cloud" << "path";
        QTest::newRow("hour 25") << "<skipHours><hour>25</hour></skipHours>" << "" << "skiphours-hour" << "hour" << "";
        QTest::newRow("hour 24 and 0") << "<skipHours><hour>24</hour><hour>0</hour></skipHours>" << "" << "skiphours-24" << "hour" << "";
        QTest::newRow("image, cloud, skipHours, skipDays")
                << image.arg("cat.png", "Cats", "<width>144</width><height>400</height>") + cloud.arg("80", "soap")
                           + "<skipHours><hour>0</hour><hour>23</hour></skipHours><skipDays><day>Monday</day><day>Sunday</day></skipDays>"
                << "" << "" << "" << "";
        QTest::newRow("textInput") << textInput.arg("q") << "" << "textinput-ignored" << "textInput" << "";
        QTest::newRow("day in lower case") << "<skipDays><day>monday</day></skipDays>" << "" << "skipdays-day" << "day" << "";
        QTest::newRow("day twice") << "<skipDays><day>Monday</day><day>Monday</day></skipDays>" << "" << "skipdays-duplicate" << "day" << "";
        QTest::newRow("no day") << "<skipDays></skipDays>" << "" << "skipdays-empty" << "day" << "";

        // item
        QTest::newRow("item fields") << "" << "<link>https://cats.example.org/1</link><author>jo@example.org (Jo)</author>"
                                              "<comments>https://cats.example.org/1#c</comments>"
                                              "<pubDate>Wed, 02 Oct 2002 13:00:00 GMT</pubDate>"
                                              "<source url=\"https://dogs.example.org/rss\">Dogs</source>"
                                              "<category>a</category><category>b</category>"
                                     << "" << "" << "";
        QTest::newRow("blank post title") << "" << "</item><item><title> </title><guid>https://cats.example.org/2</guid>"
                                          << "title-blank" << "title" << "";
        QTest::newRow("second link") << "" << "<link>https://a.example.org/</link><link>https://b.example.org/</link>"
                                     << "element-duplicate" << "link" << "";
        QTest::newRow("HTML not escaped") << "" << "<description>A <b>bold</b> cat</description>" << "element-unknown" << "b" << "";
        QTest::newRow("unknown item element") << "" << "<foo>Bar</foo>" << "element-unknown" << "foo" << "";
        QTest::newRow("relative link") << "" << "<link>/cats/1</link>" << "url-not-absolute" << "link" << "";
        QTest::newRow("html in author's name") << "" << "<author>jo@example.org (Jos&amp;eacute;)</author>" << "text-html" << "author" << "";
        QTest::newRow("wrong weekday") << "" << "<pubDate>Thu, 19 Jul 2006 23:08:26 +1000</pubDate>" << "date-invalid" << "pubDate" << "";
        QTest::newRow("two-digit year") << "" << "<pubDate>19 Jul 06 23:08:26 +1000</pubDate>" << "date-problematical" << "pubDate" << "";
        QTest::newRow("future date") << "" << "<pubDate>Thu, 13 Dec 2103 18:30:02 GMT</pubDate>" << "date-implausible" << "pubDate" << "";
        QTest::newRow("date before 1990") << "" << "<pubDate>01 Jan 1989 00:00:00 GMT</pubDate>" << "date-implausible" << "pubDate" << "";
        QTest::newRow("text that opens a tag") << "" << "<source url=\"https://dogs.example.org/rss\">a&lt;b</source>"
                                               << "text-tag-like" << "source" << "";
        QTest::newRow("attribute of another vocabulary") << "" << "<link dc:x=\"1\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\">https://cats.example.org/1</link>"
                                                        << "rss-extension-attribute" << "link" << "dc:x";
        QTest::newRow("attribute RSS lacks") << "" << "<comments lang=\"en\">https://cats.example.org/1#c</comments>"
                                             << "attribute-unexpected" << "comments" << "lang";
        QTest::newRow("link as IRI") << "" << "<link>https://cats.example.org/caf\u00e9</link>" << "url-not-ascii" << "link" << "";
        QTest::newRow("Atom link as IRI") << "<atom:link rel=\"alternate\" href=\"https://cats.example.org/caf\u00e9\"/>" << ""
                                          << "" << "" << "";
        QTest::newRow("comments count") << "" << "<s:comments xmlns:s=\"http://purl.org/rss/1.0/modules/slash/\">-1</s:comments>"
                                        << "slash-comments" << "s:comments" << "";
        QTest::newRow("source without url") << "" << "<source>Dogs</source>" << "source-url-missing" << "source" << "url";
        QTest::newRow("content without description") << "" << "<content:encoded xmlns:content=\"http://purl.org/rss/1.0/modules/content/\">x</content:encoded>"
                                                     << "content-before-description" << "content:encoded" << "";
        QTest::newRow("content after description") << "" << "<description>x</description><content:encoded xmlns:content=\"http://purl.org/rss/1.0/modules/content/\">x</content:encoded>"
                                                   << "" << "" << "";

        // guid
        QTest::newRow("isPermaLink yes") << "" << "</item><item><title>x</title><guid isPermaLink=\"yes\">https://cats.example.org/2</guid>"
                                         << "guid-ispermalink" << "guid" << "isPermaLink";
        QTest::newRow("isPermaLink in lower case") << "" << "</item><item><title>x</title><guid ispermalink=\"false\">x-2</guid>"
                                                   << "attribute-unexpected" << "guid" << "ispermalink";
        QTest::newRow("relative permalink") << "" << "</item><item><title>x</title><guid>cats/2</guid>" << "guid-permalink-not-url" << "guid" << "";
        QTest::newRow("urn permalink") << "" << "</item><item><title>x</title><guid>urn:uuid:f81d4fae-7dec-11d0-a765-00a0c91e6bf6</guid>"
                                       << "guid-permalink-not-web" << "guid" << "";
        QTest::newRow("permalink not in ASCII") << "" << "</item><item><title>x</title><guid>https://cats.example.org/caf\u00e9</guid>"
                                                << "url-not-ascii" << "guid" << "";
        QTest::newRow("blank guid") << "" << "</item><item><title>x</title><guid></guid>" << "guid-blank" << "guid" << "";
        QTest::newRow("small number") << "" << "</item><item><title>x</title><guid isPermaLink=\"false\">1234</guid>" << "guid-short" << "guid" << "";
        QTest::newRow("same guid in CDATA") << "" << "</item><item><title>x</title><guid><![CDATA[https://cats.example.org/1]]></guid>"
                                            << "guid-duplicate" << "guid" << "";
        QTest::newRow("same guid by reference") << "" << "</item><item><title>x</title><guid>https://cats.example.org/&#49;</guid>"
                                                << "guid-duplicate" << "guid" << "";
        QTest::newRow("guid missing") << "" << "</item><item><title>x</title>" << "guid-missing" << "guid" << "";
        QTest::newRow("no title or description") << "" << "</item><item><guid>https://cats.example.org/2</guid>"
                                                 << "item-title-or-description" << "title" << "";

        // enclosure
        const QString enclosure = QStringLiteral("<enclosure url=\"https://cats.example.org/1.mp3\" length=\"%1\" type=\"%2\"/>");
        QTest::newRow("enclosure") << "" << enclosure.arg("0", "audio/mpeg") << "" << "" << "";
        QTest::newRow("enclosure length") << "" << enclosure.arg("12.0", "audio/mpeg") << "enclosure-length" << "enclosure" << "length";
        QTest::newRow("enclosure type") << "" << enclosure.arg("12", "mp3") << "enclosure-type" << "enclosure" << "type";
        QTest::newRow("enclosure without type") << "" << "<enclosure url=\"https://cats.example.org/1.mp3\" length=\"1\"/>"
                                                << "enclosure-attribute-missing" << "enclosure" << "type";
        QTest::newRow("two enclosures") << "" << enclosure.arg("1", "audio/mpeg") + enclosure.arg("2", "audio/mpeg")
                                        << "enclosure-several" << "enclosure" << "";
        QTest::newRow("two enclosures apart") << "" << enclosure.arg("1", "audio/mpeg") + "<comments>https://cats.example.org/1#c</comments>"
                                                         + enclosure.arg("2", "audio/mpeg")
                                              << "enclosure-several" << "enclosure" << "";

        // Descriptions
        const QString description = QStringLiteral("<description>%1</description>");
        QTest::newRow("description html") << "" << description.arg("&lt;p&gt;&lt;a href=\"https://cats.example.org/\"&gt;Cats&lt;/a&gt;&lt;/p&gt;") << "" << "" << "";
        QTest::newRow("script") << "" << description.arg("&lt;script&gt;alert(1)&lt;/script&gt;") << "description-script" << "description" << "";
        QTest::newRow("script in CDATA") << "" << description.arg("<![CDATA[<p><SCRIPT src=\"https://x.example.org/a.js\"></SCRIPT></p>]]>")
                                         << "description-script" << "description" << "";
        QTest::newRow("javascript link") << "" << description.arg("&lt;a href=\"javascript:run()\"&gt;x&lt;/a&gt;") << "description-script" << "description" << "";
        QTest::newRow("vbscript background") << "" << description.arg("&lt;td background=\" VBScript:run()\"&gt;") << "description-script" << "description" << "";
        QTest::newRow("CSS expression") << "" << description.arg("&lt;p style=\"width: Expression(run())\"&gt;x&lt;/p&gt;")
                                        << "description-script" << "description" << "";
        QTest::newRow("style sheet") << "" << description.arg("&lt;style&gt;p { display: none }&lt;/style&gt;") << "description-active-tag" << "description" << "";
        QTest::newRow("iframe") << "" << description.arg("&lt;iframe src=\"https://v.example.org/\"&gt;&lt;/iframe&gt;") << "description-iframe" << "description" << "";
        QTest::newRow("onclick") << "" << description.arg("&lt;b onclick=\"x()\"&gt;x&lt;/b&gt;") << "description-event-attribute" << "description" << "";
        QTest::newRow("embed") << "" << description.arg("&lt;embed src=\"https://v.example.org/a.swf\"&gt;") << "description-active-tag" << "description" << "";
        QTest::newRow("relative image") << "" << description.arg("&lt;img src=\"/images/cat.jpg\"&gt;") << "description-relative-link" << "description" << "";
        QTest::newRow("anchor link") << "" << description.arg("&lt;a href=\"#top\"&gt;top&lt;/a&gt;") << "" << "" << "";
        QTest::newRow("scriptingNews is no script") << "" << description.arg("&lt;scriptingNews&gt;") << "" << "" << "";

        // iTunes and podcast tags
        QTest::newRow("podcast channel") << "<itunes:explicit>false</itunes:explicit><itunes:type>serial</itunes:type>"
                                            "<itunes:category text=\"Arts\"><itunes:category text=\"Food\"/></itunes:category>"
                                            "<itunes:category text=\"Technology\"/>"
                                            "<itunes:image href=\"https://cats.example.org/cover.jpg\"/>"
                                            "<podcast:guid>9b024349-ccf0-5f69-a609-6b82873eab3c</podcast:guid>"
                                            "<podcast:locked>no</podcast:locked>"
                                            "<podcast:funding url=\"https://cats.example.org/give\">Give</podcast:funding>"
                                         << "<itunes:duration>1:02:03</itunes:duration><itunes:episode>3</itunes:episode>"
                                            "<itunes:season>1</itunes:season><itunes:episodeType>bonus</itunes:episodeType>"
                                         << "" << "" << "";
        QTest::newRow("explicit yes") << "<itunes:explicit>yes</itunes:explicit>" << "" << "itunes-explicit-old" << "itunes:explicit" << "";
        QTest::newRow("explicit maybe") << "<itunes:explicit>maybe</itunes:explicit>" << "" << "itunes-explicit" << "itunes:explicit" << "";
        QTest::newRow("unknown category") << "<itunes:category text=\"Cats\"/>" << "" << "itunes-category" << "itunes:category" << "text";
        QTest::newRow("category escaped") << "<itunes:category text=\"Health &amp; Fitness\"/>" << "" << "" << "" << "";
        QTest::newRow("wrong subcategory") << "<itunes:category text=\"Arts\"><itunes:category text=\"Golf\"/></itunes:category>"
                                           << "" << "itunes-subcategory" << "itunes:category" << "text";
        QTest::newRow("show type") << "<itunes:type>daily</itunes:type>" << "" << "itunes-type" << "itunes:type" << "";
        QTest::newRow("podcast guid") << "<podcast:guid>podnews.net/rss</podcast:guid>" << "" << "podcast-guid" << "podcast:guid" << "";
        QTest::newRow("podcast locked") << "<podcast:locked>true</podcast:locked>" << "" << "podcast-locked" << "podcast:locked" << "";
        QTest::newRow("podcast http") << "" << "<podcast:transcript url=\"http://cats.example.org/1.vtt\" type=\"text/vtt\"/>"
                                      << "podcast-https" << "podcast:transcript" << "url";
        QTest::newRow("duration in seconds") << "" << "<itunes:duration>3600</itunes:duration>" << "" << "" << "";
        QTest::newRow("duration mm:ss") << "" << "<itunes:duration>59:59</itunes:duration>" << "" << "" << "";
        QTest::newRow("duration minutes over 59") << "" << "<itunes:duration>1:75:00</itunes:duration>" << "itunes-duration" << "itunes:duration" << "";
        QTest::newRow("duration words") << "" << "<itunes:duration>one hour</itunes:duration>" << "itunes-duration" << "itunes:duration" << "";
        QTest::newRow("episode zero") << "" << "<itunes:episode>0</itunes:episode>" << "itunes-episode" << "itunes:episode" << "";
        QTest::newRow("season word") << "" << "<itunes:season>two</itunes:season>" << "itunes-season" << "itunes:season" << "";
        QTest::newRow("episode type") << "" << "<itunes:episodeType>extra</itunes:episodeType>" << "itunes-episode-type" << "itunes:episodeType" << "";
    }

    void rules()
    {
        QFETCH(QString, channelXml);
        QFETCH(QString, itemXml);
        QFETCH(QString, rule);
        QFETCH(QString, field);
        QFETCH(QString, attribute);
        const QList<CFeedChecker::Problem> problems = CFeedChecker::Check(feed(channelXml, itemXml), kNow);
        if (rule.isEmpty()) {
            QVERIFY2(problems.isEmpty(), qPrintable(describe(problems)));
            return;
        }
        bool found = false;
        for (const CFeedChecker::Problem &problem : problems)
            found = found || (problem.ruleName() == rule && problem.field == field && problem.attribute == attribute);
        QVERIFY2(found, qPrintable(QStringLiteral("expected %1 on %2, got:\n%3").arg(rule, field, describe(problems))));
    }

    // --- Plain text that holds HTML

    void textHtml()
    {
        const QList<QPair<QString, bool>> titles{
                {"&lt;b&gt;Cats&lt;/b&gt;", true}, {"<![CDATA[<b>Cats</b>]]>", true}, {"Caf&amp;eacute;", true},
                {"<![CDATA[alpha&omega]]>", true}, {"Lo&amp;#239;c", true}, // an entity without its semicolon, a character reference
                {"Cats &amp; Dogs", false}, {"AT&amp;T", false}, {"The &#x26;amp; entity", false},
                {"Nice &#x3C;gorilla&#x3E;", false}, {"I &lt;3 cats", false}, {"&lt;br/&gt;Cats", true},
                {"Mail &lt;jo@example.org&gt;", false}, {"a&lt;b", false}}; // no HTML element's tag
        for (const auto &[title, html] : titles) {
            const QByteArray bytes = feed(QString(), QString()).replace("<title>Cats</title>", ("<title>" + title + "</title>").toUtf8());
            const QList<CFeedChecker::Problem> problems = CFeedChecker::Check(bytes, kNow);
            bool reported = false;
            for (const CFeedChecker::Problem &problem : problems)
                reported = reported || (problem.ruleName() == "text-html" && problem.parent == "channel");
            QVERIFY2(reported == html, qPrintable(title + "\n" + describe(problems)));
        }
    }

    // Regression: one fault gave two problems, an address in angle brackets
    // also HTML, a relative image link also one that differs from the site's,
    // a guid whose isPermaLink is neither true nor false also not a link.
    void oneFault_isOneProblem()
    {
        const QString image = QStringLiteral("<image><url>https://cats.example.org/c.png</url><title>Cats</title>"
                                             "<link>cats.html</link></image>");
        const QList<std::pair<QByteArray, QString>> cases{{feed("", "<author>Jo &lt;jo@example.org&gt;</author>"), "email-form"},
                                                          {feed(image, ""), "url-not-absolute"},
                                                          {feed("", "</item><item><title>x</title><guid isPermaLink=\"False\">cats-2</guid>"),
                                                           "guid-ispermalink"}};
        for (const auto &[bytes, rule] : cases) {
            QStringList rules;
            for (const CFeedChecker::Problem &problem : CFeedChecker::Check(bytes, kNow))
                rules << problem.ruleName();
            QCOMPARE(rules, QStringList{rule});
        }
    }

    // Readers ignore a name written in the wrong case; the problem names
    // the one meant.
    void wrongCase_namesTheNameMeant()
    {
        const QByteArray bytes = feed("", "<pubdate>Tue, 10 Jun 2003 04:00:00 GMT</pubdate>"
                                          "<enclosure URL=\"https://cats.example.org/1.mp3\" length=\"1\" type=\"audio/mpeg\"/>");
        QStringList messages;
        for (const CFeedChecker::Problem &problem : CFeedChecker::Check(bytes, kNow)) {
            if (problem.ruleName() == "element-unknown" || problem.ruleName() == "attribute-unexpected")
                messages << problem.message;
        }
        QCOMPARE(messages.size(), 2);
        QVERIFY2(messages[0].endsWith("did you mean pubDate?"), qPrintable(messages[0]));
        QVERIFY2(messages[1].endsWith("did you mean url?"), qPrintable(messages[1]));
    }

    // --- Where problems are

    void problems_carryPlaceAndComeInFileOrder()
    {
        const QByteArray bytes = feed("<ttl>x</ttl>", "<link>x</link></item>\n<item>\n<title>Second</title>\n"
                                                      "<guid>https://cats.example.org/2</guid>\n  <pubDate>yesterday</pubDate>", " xsi:schema=\"x\"");
        const QList<CFeedChecker::Problem> problems = CFeedChecker::Check(bytes, kNow);
        QCOMPARE(problems.size(), 4);
        QCOMPARE(problems[0].ruleName(), "rss-extension-attribute");
        QCOMPARE(problems[0].post, -1);
        QCOMPARE(problems[1].ruleName(), "ttl-invalid");
        QCOMPARE(problems[2].ruleName(), "url-not-absolute");
        QCOMPARE(problems[2].post, 0);
        const CFeedChecker::Problem &problem = problems[3];
        QCOMPARE(problem.ruleName(), "date-invalid");
        QCOMPARE(problem.level(), CFeedRules::Level::Error);
        QCOMPARE(problem.line, 16);
        QCOMPARE(problem.column, 3);
        QCOMPARE(problem.post, 1);
        QCOMPARE(problem.parent, "item");
        QCOMPARE(problem.field, "pubDate");
    }

    // Regression (found by fuzzing): a liveItem under a podcast prefix
    // declared for another address is no post, as in the feed, so the
    // problems of the items after it name the post the posts list shows.
    void liveItemUnderMisdeclaredPrefix_isNoPost()
    {
        const QByteArray bytes = "<rss version=\"2.0\" xmlns:podcast=\"https://podcastindex.org/names\"><channel>"
                                 "<title>Cats</title><link>https://cats.example.org/</link><description>D</description>"
                                 "<podcast:liveItem status=\"live\"><title>On air</title></podcast:liveItem>"
                                 "<item><title>A</title><pubDate>yesterday</pubDate></item></channel></rss>";
        QList<int> posts;
        for (const CFeedChecker::Problem &problem : CFeedChecker::Check(bytes, kNow)) {
            if (problem.ruleName() == "date-invalid")
                posts.append(problem.post);
        }
        QCOMPARE(posts, QList<int>{0});
    }

    // A feed in UTF-8 has its items checked on a thread of their own while
    // the parse reads on, each item's elements given back to the parse once
    // checked; one in another encoding is checked after the parse, from the
    // whole tree. Both find the same in thousands of items, with problems,
    // repeated guids and namespaces declared inside items.
    void manyItems_checkedWhileParsedAsAfterTheParse()
    {
        const QString items[] = {
                "<item><title>A %1</title><pubDate>yesterday</pubDate><guid>https://cats.example.org/%1</guid></item>",
                "<item><title>B %1</title><link>cats/%1</link><guid>https://cats.example.org/same</guid></item>",
                "<item><description>&lt;script&gt;x&lt;/script&gt; %1</description>"
                "<dc:creator xmlns:dc=\"http://purl.org/dc/elements/1.1/\">Jo</dc:creator>"
                "<it:block xmlns:it=\"http://www.itunes.com/dtds/podcast-1.0.dt\">No</it:block>"
                "<enclosure url=\"https://cats.example.org/%1.mp3\" type=\"audio/mpeg\"/></item>",
                "<item><title>D %1</title><itunes:duration>1:75:00</itunes:duration><podcast:season>x</podcast:season>"
                "<guid isPermaLink=\"maybe\">%1</guid><author>jo</author></item>"};
        QString body;
        for (int i = 0; i < 3000; ++i)
            body += items[i % 4].arg(i) + u'\n';
        const QByteArray utf8 = feed(QString(), QString()).replace("<item>", (body + "<item>").toUtf8());
        // The same length, so that every place is the same.
        const QByteArray ascii = QByteArray(utf8).replace("encoding=\"UTF-8\"", "encoding=\"ASCII\"");
        QVERIFY(ascii != utf8);
        CFeedChecker::Options options;
        options.now = kNow;
        options.podcastRules = CFeedChecker::PodcastRules::On;
        const QList<CFeedChecker::Problem> whileParsed = CFeedChecker::Check(utf8, options);
        const QList<CFeedChecker::Problem> afterwards = CFeedChecker::Check(ascii, options);
        QVERIFY(whileParsed.size() > 9000);
        QCOMPARE(whileParsed.size(), afterwards.size());
        for (qsizetype i = 0; i < whileParsed.size(); ++i) {
            const CFeedChecker::Problem &a = whileParsed[i], &b = afterwards[i];
            QCOMPARE(QStringList({a.ruleName(), a.message, a.parent, a.field, a.attribute}),
                     QStringList({b.ruleName(), b.message, b.parent, b.field, b.attribute}));
            QCOMPARE(QList<int>({a.line, a.column, a.post}), QList<int>({b.line, b.column, b.post}));
        }
    }

    // --- The file itself

    void unreadableFile_givesOneProblemAtItsPlace()
    {
        const struct { QByteArray bytes; const char *rule; int line, column; } cases[] = {
                {"<rss version=\"2.0\">\n<channel>\n</rss>", "xml-not-well-formed", 3, 3},
                {"<rss>\n<channel><title>a\x01</title>", "xml-invalid-character", 2, 18},
                {"<rss>\n  <channel>&nbsp;</channel></rss>", "xml-undefined-entity", 2, 12},
                {"<rss>\n<channel>caf\xE9</channel></rss>", "xml-encoding", 2, 13},
                {"<!DOCTYPE rss [<!ENTITY c \"cats\">]>\n<rss>&c;</rss>", "xml-declared-entity", 1, 27},
                {"<feed xmlns=\"http://www.w3.org/2005/Atom\"/>", "rss-root", 1, 1}};
        for (const auto &c : cases) {
            const QList<CFeedChecker::Problem> problems = CFeedChecker::Check(c.bytes, kNow);
            QCOMPARE(problems.size(), 1);
            QCOMPARE(problems[0].ruleName(), c.rule);
            QCOMPARE(problems[0].line, c.line);
            QCOMPARE(problems[0].column, c.column);
            QVERIFY(!problems[0].message.contains("(line"));
        }
    }
};

QTEST_GUILESS_MAIN(TestFeedChecker)
#include "tst_feedchecker.moc"
