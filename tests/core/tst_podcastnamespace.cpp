#include "core/FeedVocabulary.h"
#include "core/LanguageCodes.h"
#include "core/PodcastCategories.h"
#include "core/PodcastGuid.h"
#include "core/PodcastTags.h"
#include "core/PodcastValues.h"
#include "core/RssFeed.h"
#include "core/ValueCheck.h"

#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>

#include <algorithm>
#include <QTest>

// The podcast and iTunes namespaces as one table in core: every tag the
// program names has its row, each fixed list is spelt out in one place, and
// the forms of times, places, ratios, identifiers and languages pass the
// namespace's own examples and note near misses. Apple's categories of 2019,
// and a podcast's identity made from its feed's address, checked against the
// namespace's published example and Python's own uuid5.

namespace {

const QString kSourceDir = QStringLiteral(TIDREL_TEST_DATA_DIR "/../../../src");

// The string literals of a C++ source, outside comments and character
// literals, each split at "|" as lists were once written ("a|b|c").
QSet<QString> literalsOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString code = QString::fromUtf8(file.readAll());
    QSet<QString> words;
    const auto skipPast = [&code](qsizetype from, QChar end) {
        while (from < code.size() && code[from] != end)
            from += code[from] == u'\\' ? 2 : 1;
        return from;
    };
    for (qsizetype i = 0; i < code.size(); ++i) {
        const QStringView rest = QStringView(code).mid(i);
        if (rest.startsWith(u"//")) {
            i = code.indexOf(u'\n', i);
        } else if (rest.startsWith(u"/*")) {
            i = code.indexOf(QLatin1String("*/"), i) + 1;
        } else if (code[i] == u'\'') {
            i = skipPast(i + 1, u'\'');
        } else if (code[i] == u'"') {
            const qsizetype end = skipPast(i + 1, u'"');
            for (const QString &word : code.mid(i + 1, end - i - 1).split(u'|'))
                words.insert(word);
            i = end;
        }
        if (i < 0)
            break;
    }
    return words;
}

QStringList sourceFiles()
{
    QStringList files;
    QDirIterator it(kSourceDir, {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    return files;
}

// Every list a row of the table reads.
QList<CPodcastTags::List> listsOfTable()
{
    QList<CPodcastTags::List> lists;
    const auto add = [&lists](const CPodcastTags::Content &content) {
        if (content.list && !lists.contains(content.list))
            lists << content.list;
    };
    for (const CPodcastTags::Tag &tag : CPodcastTags::all()) {
        add(tag.text);
        for (const CPodcastTags::Attribute &attribute : tag.attributes)
            add(attribute.value);
        for (const CPodcastTags::Condition &condition : tag.conditions)
            add(condition.value);
    }
    return lists;
}

} // namespace

class TestPodcastNamespace : public QObject
{
    Q_OBJECT

private slots:
    // Rows name real tags and attributes, and a list for each closed form.
    void table_rowsHoldTogether()
    {
        QSet<QString> names;
        for (const CPodcastTags::Tag &tag : CPodcastTags::all()) {
            const QString name = QString::fromLatin1(tag.name);
            QVERIFY2(!names.contains(name), tag.name);
            names.insert(name);
            QVERIFY2(name.startsWith(QLatin1String("podcast:")) || name.startsWith(QLatin1String("itunes:")), tag.name);
            QVERIFY2(tag.parents != 0 && (tag.fields & ~tag.parents) == 0, tag.name);
            for (const char *other : {tag.requiredChild, tag.replacedBy})
                QVERIFY2(!other || CPodcastTags::find(QString::fromLatin1(other)), tag.name);
            if (tag.onePer)
                QVERIFY2(CPodcastTags::attribute(name, QString::fromLatin1(tag.onePer)), tag.name);
            for (const CPodcastTags::Condition &condition : tag.conditions)
                QVERIFY2(CPodcastTags::attribute(name, QString::fromLatin1(condition.attribute)), tag.name);
            for (const CPodcastTags::Attribute &attribute : tag.attributes) {
                const bool closed = attribute.value.form == CPodcastTags::Form::OneOf
                                 || attribute.value.form == CPodcastTags::Form::Usual
                                 || attribute.value.form == CPodcastTags::Form::Tokens;
                QVERIFY2(!closed || attribute.value.list, attribute.name);
            }
        }
        QCOMPARE(CPodcastTags::find(u"podcast:images")->replacedBy, "podcast:image");
        QCOMPARE(CPodcastTags::nearest(u"Transcript")->name, "podcast:transcript");
        QCOMPARE(CPodcastTags::nearest(u"duration"), nullptr); // an iTunes tag is no podcast tag
    }

    // A tag the program names anywhere (the pages, the checker, the model)
    // is a row of the table, and the vocabulary is the table's.
    void table_hasARowForEveryTagTheProgramNames()
    {
        static const QRegularExpression tagName(QStringLiteral("^(podcast|itunes):[A-Za-z-]+$"));
        int named = 0;
        for (const QString &path : sourceFiles()) {
            for (const QString &literal : literalsOf(path)) {
                if (!tagName.match(literal).hasMatch())
                    continue;
                ++named;
                QVERIFY2(CPodcastTags::find(literal), qPrintable(path + QStringLiteral(": ") + literal));
            }
        }
        QVERIFY(named > 40);
        const QList<QPair<QStringList, CPodcastTags::Parent>> vocabularies = {
            {CFeedVocabulary::channelElements(), CPodcastTags::Channel},
            {CFeedVocabulary::postElements(), CPodcastTags::Item}};
        for (const auto &[names, parent] : vocabularies) {
            for (const QString &name : names) {
                const CPodcastTags::Tag *tag = CPodcastTags::find(name);
                QVERIFY2(name.indexOf(u':') < 0 || name.startsWith(QLatin1String("atom:")) || (tag && tag->fields & parent),
                         qPrintable(name));
            }
        }
        QVERIFY(CFeedVocabulary::channelElements().contains(QStringLiteral("podcast:socialInteract")));
        QVERIFY(!CFeedVocabulary::postElements().contains(QStringLiteral("podcast:medium")));
    }

    // No source file but the lists' own spells out three values of a list
    // (or all of a shorter one). True and false, yes and no are words of
    // every format (JSON, RSS's isPermaLink) and are not counted.
    void lists_areSpeltOutOnce()
    {
        const QString home = QStringLiteral("core/PodcastValues.cpp");
        QList<CPodcastTags::List> lists = listsOfTable();
        lists.removeAll(&CPodcastValues::booleans);
        lists.removeAll(&CPodcastValues::yesNo);
        QVERIFY(lists.size() > 15);
        for (const QString &path : sourceFiles()) {
            if (path.endsWith(home))
                continue;
            const QSet<QString> literals = literalsOf(path);
            for (const CPodcastTags::List list : lists) {
                QStringList found;
                for (const QString &value : list()) {
                    if (literals.contains(value))
                        found << value;
                }
                QVERIFY2(found.size() < std::min<qsizetype>(3, list().size()),
                         qPrintable(path + QStringLiteral(" spells out ") + found.join(u',')));
            }
        }
    }

    void forms_passTheNamespaceFormsOnly_data()
    {
        QTest::addColumn<int>("form");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("fine");
        using F = CPodcastTags::Form;
        const struct
        {
            F form;
            const char *value;
            bool fine;
        } cases[] = {
            {F::Seconds, "73.0", true}, {F::Seconds, "60", true}, {F::Seconds, "1:13", false}, {F::Seconds, "-5", false},
            {F::Decimal, "315.5", true}, {F::Decimal, "5th", false}, {F::Decimal, "\xD9\xA3", false}, {F::Decimal, "3.", false},
            {F::Iso8601, "2023-08-28T00:00:00.000Z", true}, {F::Iso8601, "2025-01-01", true},
            {F::Iso8601, "2021-09-26 07:30:00.000-0600", true}, {F::Iso8601, "2021-02-30", false},
            {F::Iso8601, "2021-09-26T24:00Z", false}, {F::Iso8601, "Mon, 28 Aug 2023 00:00:00 GMT", false},
            {F::Uuid, "917393e3-1b1e-5cef-ace4-edaa54e1f810", true}, {F::Uuid, "917393e3-1b1e-5cef-ace4", false},
            {F::Uuid, "{917393e3-1b1e-5cef-ace4-edaa54e1f810}", false},
            {F::Geo, "geo:30.2672,97.7431", true}, {F::Geo, "geo:-27.86159,153.3169", true},
            {F::Geo, "geo:-27.86,153.31,10;u=35", true}, {F::Geo, "geo:30.2672,97.7431;crs=wgs84", true},
            {F::Geo, "geo:90,-180", true}, {F::Geo, "geo:90.5,10", false}, {F::Geo, "geo:30,180.01", false},
            {F::Geo, "30.2672,97.7431", false}, {F::Geo, "geo:30.2672", false},
            {F::Osm, "R113314", true}, {F::Osm, "W43678282", true}, {F::Osm, "n12#3", true}, {F::Osm, "113314", false},
            {F::Osm, "X113314", false}, {F::Osm, "R113314#", false},
            {F::Percentage, "95", true}, {F::Percentage, "100.5", false},
            {F::Country, "US", true}, {F::Country, "de", true}, {F::Country, "USA", false}, {F::Country, "QQ", false},
            {F::AspectRatio, "16/9", true}, {F::AspectRatio, "1.9", true}, {F::AspectRatio, "16 / 9", true},
            {F::AspectRatio, "auto 4/3", true}, {F::AspectRatio, "16:9", false}, {F::AspectRatio, "-1", false},
            {F::AspectRatio, "wide", false},
        };
        for (const auto &c : cases)
            QTest::addRow("%d %s", int(c.form), c.value) << int(c.form) << QString::fromUtf8(c.value) << c.fine;
    }

    void forms_passTheNamespaceFormsOnly()
    {
        QFETCH(int, form);
        QFETCH(QString, value);
        QFETCH(bool, fine);
        QCOMPARE(CPodcastValues::Note({CPodcastTags::Form(form)}, value).isEmpty(), fine);
    }

    // A closed list notes what is outside it; a usual one lets it be, in any
    // case, word by word for tokens.
    void lists_closedOrUsual()
    {
        const CPodcastTags::Content status = CPodcastTags::attribute(u"podcast:liveItem", u"status")->value;
        QCOMPARE(CPodcastValues::Note(status, QStringLiteral("ended")), QString());
        QCOMPARE(CPodcastValues::Note(status, QStringLiteral("soon")), QStringLiteral("Not one of: pending, live, ended"));
        QCOMPARE(CPodcastValues::liveStatus(QStringLiteral("live")), CPodcastValues::LiveStatus::Live);
        QCOMPARE(CPodcastValues::liveStatus(QStringLiteral("Live")), CPodcastValues::LiveStatus::Other);
        const CPodcastTags::Content purpose = CPodcastTags::attribute(u"podcast:image", u"purpose")->value;
        QVERIFY(CPodcastTags::isListed(QStringLiteral("artwork  Social"), purpose));
        QVERIFY(!CPodcastTags::isListed(QStringLiteral("artwork sticker"), purpose));
        QCOMPARE(CPodcastValues::Note(purpose, QStringLiteral("sticker")), QString());
    }

    // One authority: every code the drop-down offers passes the check, and
    // the check takes the languages ICU names, by two letters or three.
    void languages_dropDownAndCheckAgree()
    {
        const QList<LanguageCode> &codes = CLanguageCodes::all();
        QVERIFY2(codes.size() > 150, qPrintable(QString::number(codes.size())));
        QStringList seen;
        for (const LanguageCode &code : codes) {
            QVERIFY2(!code.name.isEmpty(), qPrintable(code.code));
            QCOMPARE(CValueCheck::LanguageCode(code.code), QString());
            seen.append(code.code);
        }
        QStringList sorted = seen;
        sorted.sort();
        QCOMPARE(seen, sorted);
        for (const char *expected : {"en", "en-us", "de-de", "pt-br", "fr-ca", "zh-tw"})
            QVERIFY2(seen.contains(expected), expected);
        QCOMPARE(seen.count("en-us"), 1);
        // ISO 639-1 and 639-2 codes, with a region or for private use.
        for (const char *taken : {"haw", "deu", "EN-GB", "und", "qaa", "x-klingon"})
            QVERIFY2(CValueCheck::LanguageCode(QString::fromLatin1(taken)).isEmpty(), taken);
        for (const char *refused : {"xx", "english", "e1", "en_US", ""})
            QVERIFY2(!CValueCheck::LanguageCode(QString::fromLatin1(refused)).isEmpty(), refused);
    }

    void languages_displayName_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("name");
        QTest::newRow("language") << "de" << "German";
        QTest::newRow("language and region") << "pt-br" << "Portuguese (Brazil)";
        QTest::newRow("any letter case and separator") << " EN_us " << "English (United States)";
        QTest::newRow("three-letter language") << "haw" << "Hawaiian";
        QTest::newRow("unknown language") << "qq" << "";
        QTest::newRow("unknown region") << "en-qq" << "";
        QTest::newRow("too many parts") << "en-us-x" << "";
        QTest::newRow("empty") << "" << "";
    }

    void languages_displayName()
    {
        QFETCH(QString, code);
        QFETCH(QString, name);
        QCOMPARE(CLanguageCodes::displayName(code), name);
    }

    // --- Apple's categories and the podcast's identity ---

    void the2019List_exactNamesUnderTheirOwnCategory()
    {
        QVERIFY(CPodcastCategories::isSubcategory("Society & Culture", "Documentary"));
        QVERIFY(CPodcastCategories::isSubcategory("Kids & Family", "Pets & Animals"));
        QVERIFY(!CPodcastCategories::isSubcategory("Arts", "Documentary"));
        QVERIFY(!CPodcastCategories::isSubcategory("Society &amp; Culture", "Documentary"));
        QVERIFY(CPodcastCategories::isCategory("True Crime"));
        QVERIFY(!CPodcastCategories::isCategory("tv & film"));
        QVERIFY(!CPodcastCategories::isCategory("Games & Hobbies")); // retired in 2019

        int subcategories = 0;
        for (const PodcastCategory &category : CPodcastCategories::all())
            subcategories += category.subcategories.size();
        QCOMPARE(CPodcastCategories::all().size(), 19);
        QCOMPARE(subcategories, 91);
    }

    void fromFeedAddress_matchesTheNamespaceExample()
    {
        const QString guid = QStringLiteral("9b024349-ccf0-5f69-a609-6b82873eab3c");
        for (const char *address : {"podnews.net/rss", "https://podnews.net/rss/", "http://podnews.net/rss//", " https://podnews.net/rss "})
            QCOMPARE(CPodcastGuid::fromFeedAddress(QString::fromLatin1(address)), guid);
        QVERIFY(CPodcastGuid::fromFeedAddress(QStringLiteral("https://podnews.net/rss2")) != guid);
        // The query is part of the address.
        QCOMPARE(CPodcastGuid::nameOfAddress(QStringLiteral("https://host/feed?id=1/")),
                 QStringLiteral("host/feed?id=1"));
    }

    void fromFeedAddress_matchesPythonForTheCorpusPodcasts()
    {
        const QString corpus = QStringLiteral(TIDREL_CORPUS_DIR "/rss");
        if (!QFileInfo::exists(corpus))
            QSKIP("The feed corpus is not present");
        const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
        if (python.isEmpty())
            QSKIP("No python3 to compute the identities with");

        QStringList addresses;
        QStringList ours;
        for (const QString &file : QDir(corpus).entryList(QDir::Files, QDir::Name)) {
            CRssFeed feed;
            if (!feed.LoadFromFile(QDir(corpus).filePath(file)) || !feed.HasNamespace(CFeedVocabulary::itunesNamespace()))
                continue;
            for (const FeedElement &link : feed.GetChannelElements(QStringLiteral("atom:link"))) {
                if (link.attribute(QStringLiteral("rel")) == QLatin1String("self")) {
                    addresses << link.attribute(QStringLiteral("href"));
                    ours << CPodcastGuid::fromFeedAddress(addresses.last());
                }
            }
        }
        QVERIFY2(addresses.size() >= 4, qPrintable(addresses.join(u' ')));

        // Python strips the address by its own reading of the rule.
        QProcess process;
        process.start(python, {QStringLiteral("-c"), QStringLiteral(
            "import re, sys, uuid\n"
            "space = uuid.UUID('ead4c236-bf58-58c6-a2c6-a6b28d128cb6')\n"
            "for line in sys.stdin.read().splitlines():\n"
            "    name = re.sub(r'^[A-Za-z][A-Za-z0-9+.-]*://', '', line.strip()).rstrip('/')\n"
            "    print(uuid.uuid5(space, name))\n")});
        process.write(addresses.join(u'\n').toUtf8() + '\n');
        process.closeWriteChannel();
        QVERIFY(process.waitForFinished(60000));
        const QStringList theirs = QString::fromUtf8(process.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(ours, theirs);
    }
};

QTEST_GUILESS_MAIN(TestPodcastNamespace)
#include "tst_podcastnamespace.moc"
