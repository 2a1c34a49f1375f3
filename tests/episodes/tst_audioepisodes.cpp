// Episodes made from audio files: real MP3 and M4A files, tagged with
// TagLib, become posts whose fields come back from the saved feed; the
// rest of the file keeps its bytes, and one undo takes them all away.

#include "AudioTestFiles.h"
#include "document/DocumentTestSupport.h"
#include "PodcastCheck.h"
#include "core/LineDiff.h"

#include "core/RssFeed.h"
#include "episodes/AudioEpisodes.h"
#include "episodes/AudioTags.h"
#include "publishing/PublishSettings.h"

#include <QDir>
#include <QUndoStack>

#include <algorithm>

namespace {

const QString kNightVale = QStringLiteral(TIDREL_CORPUS_DIR "/rss/podcast-itunes-media-noxmldecl_nightvale.xml");

struct ExpectedEpisode
{
    QString title;
    QString description;
    QString pubDate;
    QString url;
    QString audioPath;
    QString type;
    QString episode;
    QString image;
    QString coverPath;
    QByteArray cover;
};

void checkEpisode(const CRssFeed &feed, int post, const ExpectedEpisode &expected)
{
    const auto single = [&](const QString &name) {
        const std::vector<FeedElement> elements = feed.GetPostElements(post, name);
        return elements.size() == 1 ? elements.front() : FeedElement{QStringLiteral("%1 times").arg(elements.size()), {}, {}, {}};
    };
    QCOMPARE(feed.GetPostTitle(post), expected.title);
    QCOMPARE(feed.GetPostDescription(post), expected.description);
    QCOMPARE(feed.GetPostPubDate(post), expected.pubDate);
    const FeedElement enclosure = single(QStringLiteral("enclosure"));
    QCOMPARE(enclosure.attribute(QStringLiteral("url")), expected.url);
    QCOMPARE(enclosure.attribute(QStringLiteral("length")), QString::number(QFileInfo(expected.audioPath).size()));
    QCOMPARE(enclosure.attribute(QStringLiteral("type")), expected.type);
    QCOMPARE(single(QStringLiteral("itunes:duration")).text, QStringLiteral("00:00:02"));
    QCOMPARE(single(QStringLiteral("itunes:episode")).text, expected.episode);
    QCOMPARE(single(QStringLiteral("itunes:image")).attribute(QStringLiteral("href")), expected.image);
    QCOMPARE(readFile(expected.coverPath), expected.cover);
    QVERIFY(!feed.GetPostGuid(post).isEmpty());
}

int linesHolding(const QList<QByteArray> &lines, const QByteArray &text)
{
    return int(std::count_if(lines.begin(), lines.end(), [&](const QByteArray &line) { return line.contains(text); }));
}

} // namespace

class TestAudioEpisodes : public QObject
{
    Q_OBJECT

private slots:
    void addEpisodes_savesOnePostPerFileAndUndoesInOneStep();
    void noMediaAddress_asksAndAddsRelativeAddressesOnlyWhenTold();
    void newEpisodes_passThePodcastCheck();
    void parseTagDate_takesWholeDaysOnly_data();
    void parseTagDate_takesWholeDaysOnly();
};

void TestAudioEpisodes::addEpisodes_savesOnePostPerFileAndUndoesInOneStep()
{
    if (!QFile::exists(kNightVale))
        QSKIP("The feed corpus is not here");
    if (!AudioTestFiles::haveEncoder())
        QSKIP("ffmpeg is not installed (scripts/install-deps.sh)");
    DocumentFixture f;
    QVERIFY(QFile::copy(kNightVale, f.path));
    QVERIFY(QFile::setPermissions(f.path, QFile::ReadOwner | QFile::WriteOwner));
    QVERIFY(f.doc.OnOpenDocument(f.path));
    // The feed's numbering goes on from its highest episode.
    QVERIFY(f.doc.SetPostElements(0, QStringLiteral("itunes:episode"), {FeedElement{QStringLiteral("itunes:episode"), {}, QStringLiteral("41"), {}}}));
    QVERIFY(f.doc.OnSaveDocument(f.path));
    const QByteArray before = readFile(f.path);

    AudioTestFiles audio;
    const QString media = f.dir.filePath(QStringLiteral("media"));
    QVERIFY(audio.make(media));
    const QString broken = media + QStringLiteral("/broken.mp3");
    QVERIFY(writeFile(broken, QByteArray(4000, 'x')));
    PublishTarget target;
    target.destination = QStringLiteral("sftp://example.org/feeds/");
    target.mediaBaseUrl = QStringLiteral("https://media.example.org/show"); // the "/" before the path is added
    target.mediaFolder = media;
    CPublishSettings::save(f.path, target);

    const int steps = f.doc.undoStack()->count();
    f.commands.addEpisodesFromAudio({audio.mp3, audio.text, broken, audio.m4a});
    QCOMPARE(f.prompter.questions, QStringList());
    QCOMPARE(f.prompter.errors,
             QStringList(QStringLiteral("Skipped %1. It is not an audio file.\n\nSkipped %2. It cannot be read as audio.")
                             .arg(QDir::toNativeSeparators(audio.text), QDir::toNativeSeparators(broken))));
    QCOMPARE(f.doc.undoStack()->count(), steps + 1);
    // "Add 2 Episodes" once a translation gives the plural its form.
    QVERIFY(f.doc.undoStack()->undoText().startsWith(QStringLiteral("Add 2 Episode")));
    QCOMPARE(f.doc.currentPost(), 0);
    QVERIFY(f.doc.OnSaveDocument(f.path));

    CRssFeed saved;
    QVERIFY(saved.LoadFromFile(f.path));
    QCOMPARE(saved.GetPostCount(), 3);
    // Each file went to the top in turn: the last one chosen is topmost.
    const QString base = QStringLiteral("https://media.example.org/show/");
    checkEpisode(saved, 0,
                 {QStringLiteral("Second"), QStringLiteral("<p>Show <b>notes</b></p>"), QStringLiteral("Fri, 04 Jul 2025 10:30:00 GMT"),
                  base + QStringLiteral("two.m4a"), audio.m4a, QStringLiteral("audio/x-m4a"), QStringLiteral("43"),
                  base + QStringLiteral("two.png"), media + QStringLiteral("/two.png"), audio.m4aCover});
    if (QTest::currentTestFailed())
        return;
    checkEpisode(saved, 1,
                 {QStringLiteral("Ünïcode & the First"), QStringLiteral("<p>Night &amp; day<br>second line</p>\n<p>A new paragraph</p>"),
                  QStringLiteral("Sun, 01 Mar 2026 00:00:00 GMT"), base + QStringLiteral("season%201/ep%20%231.mp3"), audio.mp3,
                  QStringLiteral("audio/mpeg"), QStringLiteral("42"), base + QStringLiteral("season%201/ep%20%231.png"),
                  media + QStringLiteral("/season 1/ep #1.png"), audio.mp3Cover});
    if (QTest::currentTestFailed())
        return;
    // The publisher uploads what the addresses name.
    QCOMPARE(CPublishSettings::mediaFiles(target, f.path, {base + QStringLiteral("season%201/ep%20%231.mp3")}).size(), 1);

    // Two whole posts came in before the old one, and nothing else changed.
    const QByteArray after = readFile(f.path);
    const LineDiff diff = LineDiff::of(before, after);
    QCOMPARE(diff.removed, QList<QByteArray>());
    QCOMPARE(linesHolding(diff.added, "<item>"), 2);
    QCOMPARE(linesHolding(diff.added, "</item>"), 2);

    f.doc.undo();
    QCOMPARE(f.doc.feed()->GetPostCount(), 1);
    QVERIFY(f.doc.OnSaveDocument(f.path));
    QCOMPARE(readFile(f.path), before);
    f.doc.redo();
    QCOMPARE(f.doc.feed()->GetPostCount(), 3);
    QVERIFY(f.doc.OnSaveDocument(f.path));
    QCOMPARE(readFile(f.path), after);
}

// A feed needs web addresses; without a media address the user decides.
void TestAudioEpisodes::noMediaAddress_asksAndAddsRelativeAddressesOnlyWhenTold()
{
    if (!AudioTestFiles::haveEncoder())
        QSKIP("ffmpeg is not installed (scripts/install-deps.sh)");
    DocumentFixture f;
    f.open(postsTitled({QStringLiteral("Old post")}));
    const QByteArray before = readFile(f.path);
    AudioTestFiles audio;
    QVERIFY(audio.make(f.dir.filePath(QStringLiteral("media"))));

    f.prompter.answer = false;
    f.commands.addEpisodesFromAudio({audio.mp3});
    QCOMPARE(f.prompter.questions.size(), 1);
    QVERIFY(f.prompter.questions.first().contains(QStringLiteral("no media address")));
    QCOMPARE(f.doc.undoStack()->count(), 0);
    QCOMPARE(f.doc.feed()->GetPostCount(), 1);

    f.prompter.answer = true;
    f.commands.addEpisodesFromAudio({audio.mp3});
    QCOMPARE(f.doc.feed()->GetPostCount(), 2);
    QVERIFY(f.doc.OnSaveDocument(f.path));
    const QByteArray after = readFile(f.path);
    // The first itunes: element declared its namespace on rss, once.
    QCOMPARE(after.count("xmlns:itunes=\"http://www.itunes.com/dtds/podcast-1.0.dtd\""), 1);
    CRssFeed saved;
    QVERIFY(saved.LoadFromFile(f.path));
    QCOMPARE(saved.GetPostElements(0, QStringLiteral("enclosure")).front().attribute(QStringLiteral("url")),
             QStringLiteral("media/season%201/ep%20%231.mp3"));
    QCOMPARE(saved.GetPostElements(0, QStringLiteral("itunes:episode")).front().text, QStringLiteral("1"));

    f.doc.undo();
    QVERIFY(f.doc.OnSaveDocument(f.path));
    QCOMPARE(readFile(f.path), before);
}

// A podcast that meets every rule still does with episodes from audio: a
// cover too small for the directories is not named as the episode's.
void TestAudioEpisodes::newEpisodes_passThePodcastCheck()
{
    if (!AudioTestFiles::haveEncoder())
        QSKIP("ffmpeg is not installed (scripts/install-deps.sh)");
    DocumentFixture f;
    QVERIFY(QFile::copy(kCleanPodcast, f.path));
    QVERIFY(QFile::setPermissions(f.path, QFile::ReadOwner | QFile::WriteOwner));
    QCOMPARE(podcastProblems(f.path), QString());
    QVERIFY(f.doc.OnOpenDocument(f.path));
    AudioTestFiles audio;
    audio.mp3Cover = pngPicture(Qt::red, 16);
    const QString media = f.dir.filePath(QStringLiteral("media"));
    QVERIFY(audio.make(media));
    PublishTarget target;
    target.destination = QStringLiteral("sftp://example.org/feeds/");
    target.mediaBaseUrl = QStringLiteral("https://cats.example.org/media/");
    target.mediaFolder = media;
    CPublishSettings::save(f.path, target);

    f.commands.addEpisodesFromAudio({audio.mp3, audio.m4a});
    QCOMPARE(f.prompter.errors.size(), 1);
    QVERIFY2(f.prompter.errors[0].contains(QStringLiteral("is 16 x 16 pixels")), qPrintable(f.prompter.errors[0]));
    QCOMPARE(f.doc.feed()->GetPostCount(), 3);
    QCOMPARE(f.doc.feed()->GetPostElements(1, QStringLiteral("itunes:image")).size(), size_t(0));
    QCOMPARE(f.doc.feed()->GetPostElements(0, QStringLiteral("itunes:image")).size(), size_t(1));
    QVERIFY(f.doc.OnSaveDocument(f.path));
    QCOMPARE(podcastProblems(f.path), QString());
}

void TestAudioEpisodes::parseTagDate_takesWholeDaysOnly_data()
{
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QDateTime>("date");
    const QDate day(2026, 3, 1);
    QTest::newRow("day") << "2026-03-01" << QDateTime(day, QTime(0, 0), Qt::UTC);
    QTest::newRow("day and time") << "2026-03-01T18:30:00" << QDateTime(day, QTime(18, 30), Qt::LocalTime);
    QTest::newRow("space before time") << "2026-03-01 18:30" << QDateTime(day, QTime(18, 30), Qt::LocalTime);
    QTest::newRow("zone") << "2026-03-01T18:30:00Z" << QDateTime(day, QTime(18, 30), Qt::UTC);
    QTest::newRow("year") << "2026" << QDateTime();
    QTest::newRow("month") << "2026-03" << QDateTime();
    QTest::newRow("no date") << "March" << QDateTime();
}

void TestAudioEpisodes::parseTagDate_takesWholeDaysOnly()
{
    QFETCH(QString, tag);
    QFETCH(QDateTime, date);
    QCOMPARE(CAudioTags::parseTagDate(tag), date);
}

QTEST_GUILESS_MAIN(TestAudioEpisodes)
#include "tst_audioepisodes.moc"
