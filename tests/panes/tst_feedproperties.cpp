// The Feed Properties window and the Post Details pane on real podcast feeds
// of the corpus, in the real main window, offscreen: the tags the files hold
// show in their fields; edits made in the widgets reach the file, and each
// save changes the file only where the edit was.

#include "TestFiles.h"
#include "WindowTestSupport.h"

#include "LineDiff.h"
#include "TitleServer.h"
#include "markup/FeedChecker.h"
#include "panes/BarPostDetails.h"
#include "panes/BarRssItems.h"
#include "panes/ElementForm.h"
#include "panes/ElementTable.h"
#include "panes/FeedPropertiesWnd.h"
#include "panes/OtherElementsList.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QUndoStack>
#include <QWheelEvent>
#include <QWindow>

namespace {

// The text a field shows, by its object name ("image/width", "cloud@port").
QString shown(QWidget *page, const QString &key)
{
    QWidget *field = page->findChild<QWidget *>(key);
    if (auto *line = qobject_cast<QLineEdit *>(field))
        return line->text();
    if (auto *combo = qobject_cast<QComboBox *>(field))
        return combo->currentText();
    return QStringLiteral("<no field %1>").arg(key);
}

// The note under a field; empty when hidden.
QString noteOf(QWidget *page, const QString &key)
{
    QWidget *field = page->findChild<QWidget *>(key);
    auto *note = field ? field->parentWidget()->findChild<QLabel *>(QStringLiteral("note")) : nullptr;
    return note && !note->isHidden() ? note->text() : QString();
}

// Types into a field as the user does, ending with Enter.
void type(QWidget *page, const QString &key, const QString &text)
{
    QWidget *field = page->findChild<QWidget *>(key);
    QVERIFY2(field, qPrintable(key));
    QLineEdit *line = qobject_cast<QLineEdit *>(field);
    if (auto *combo = qobject_cast<QComboBox *>(field))
        line = combo->lineEdit();
    QVERIFY(line);
    line->setFocus();
    line->selectAll();
    if (text.isEmpty())
        QTest::keyClick(line, Qt::Key_Delete);
    else
        QTest::keyClicks(line, text);
    QTest::keyClick(line, Qt::Key_Return);
}

QStringList rowOf(CElementTable *table, int row)
{
    QStringList cells;
    for (int column = 0; column < table->table()->columnCount(); ++column)
        cells.append(table->table()->item(row, column)->text());
    return cells;
}

// A corpus feed copied into the fixture's folder and opened.
CChildFrame *openCopy(MainWindowFixture &window, const QString &corpusFile, QString *path)
{
    const QString source = QStringLiteral(TIDREL_CORPUS_DIR "/rss/") + corpusFile;
    *path = window.dir.filePath(corpusFile);
    if (!QFile::copy(source, *path))
        return nullptr;
    QFile::setPermissions(*path, QFile::ReadOwner | QFile::WriteOwner);
    return openAndWait(window.main->documents(), *path);
}

// Saves and tells what changed since the bytes of the last save.
struct SavedFile
{
    LineDiff saveAgain()
    {
        if (!window->main->executeCommand(ID_FILE_SAVE))
            qWarning("the save did not run");
        const QByteArray now = readFile(path);
        const LineDiff diff = LineDiff::of(bytes, now);
        bytes = now;
        return diff;
    }

    MainWindowFixture *window;
    QString path;
    QByteArray bytes;
};

} // namespace

class TestFeedProperties : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        if (!QFile::exists(QStringLiteral(TIDREL_CORPUS_DIR "/rss")))
            QSKIP("The feed corpus is not here");
    }
    void feedProperties_showsChannelAndPodcastTagsAndSavesOnlyEdits();
    void postDetails_showsEpisodeTagsAndSavesOnlyEdits();
    void podcastBox_declaresNamespacesOnceAndShowsPodcastPage();
    void wheelOverPostDetails_scrollsThePaneAndChangesNoValue();
};

void TestFeedProperties::feedProperties_showsChannelAndPodcastTagsAndSavesOnlyEdits()
{
    MainWindowFixture window;
    QString path;
    CChildFrame *frame = openCopy(window, QStringLiteral("large-730items-podcast-redeclared-ns_giantbomb.rss"), &path);
    QVERIFY2(frame, qPrintable(window.services.errors.join(QLatin1Char('\n'))));
    SavedFile file{&window, path, readFile(path)};

    QVERIFY(window.main->executeCommand(ID_FEED_PROPERTIES));
    CFeedPropertiesWnd *properties = frame->propertiesWindow();
    QVERIFY(properties && properties->isVisible());
    // Regression: the window (720x680 at y=40) ran past a 700-pixel screen.
    const QRect screen = properties->screen()->availableGeometry();
    QCOMPARE(screen.size(), QSize(1024, 700));
    QVERIFY2(screen.contains(properties->frameGeometry()), qPrintable(QStringLiteral("%1,%2 %3x%4").arg(
        properties->frameGeometry().x()).arg(properties->frameGeometry().y()).arg(properties->width()).arg(properties->height())));
    // Regression: a window manager that put the window's top, not its title
    // bar's, where it was placed left it 652 pixels high at y=60, 12 past
    // the screen: a title bar lower, it still fits.
    QVERIFY2(screen.contains(properties->frameGeometry().translated(0, 30)),
             qPrintable(QStringLiteral("%1 high at y=%2").arg(properties->frameGeometry().height()).arg(properties->frameGeometry().y())));

    // --- What the file holds, in its fields ---
    QCOMPARE(shown(properties, QStringLiteral("title")), QStringLiteral("Giant Bombcast"));
    QCOMPARE(shown(properties, QStringLiteral("language")), QStringLiteral("en-us"));
    QCOMPARE(shown(properties, QStringLiteral("atom:link@href")), QStringLiteral("https://www.giantbomb.com"));
    QCOMPARE(shown(properties, QStringLiteral("image/width")), QStringLiteral("144"));
    QCOMPARE(shown(properties, QStringLiteral("image/title")), QStringLiteral("Giant Bombcast"));
    QVERIFY(properties->podcastBox()->isChecked());
    QCOMPARE(shown(properties, QStringLiteral("itunes:author")), QStringLiteral("Giant Bomb"));
    QCOMPARE(shown(properties, QStringLiteral("itunes:owner/itunes:email")), QStringLiteral("bombcast@giantbomb.com"));
    QCOMPARE(noteOf(properties, QStringLiteral("itunes:owner/itunes:email")), QString());
    QCOMPARE(shown(properties, QStringLiteral("itunes:image@href")),
             QStringLiteral("https://giantbomb1.cbsistatic.com/uploads/original/11/110673/"
                            "2927815-3756859778-28940.png?20191008"));
    // "no" is not one of the values the tag allows: shown, kept and noted.
    QCOMPARE(shown(properties, QStringLiteral("itunes:explicit")), QStringLiteral("no"));
    QVERIFY2(noteOf(properties, QStringLiteral("itunes:explicit")).contains(QStringLiteral("true, false")),
             qPrintable(noteOf(properties, QStringLiteral("itunes:explicit"))));
    auto *categories = properties->findChild<CElementTable *>(QStringLiteral("itunes:category"));
    QVERIFY(categories);
    QCOMPARE(categories->table()->rowCount(), 3);
    QCOMPARE(rowOf(categories, 0), QStringList({QStringLiteral("Games & Hobbies"), QStringLiteral("Video Games")}));
    QCOMPARE(rowOf(categories, 1), QStringList({QStringLiteral("Technology"), QStringLiteral("Gadgets")}));
    const QStringList others = properties->otherElements()->names();
    QVERIFY2(others.contains(QStringLiteral("itunes:subtitle")) && others.contains(QStringLiteral("media:copyright")),
             qPrintable(others.join(QLatin1Char(' '))));
    QVERIFY(!others.contains(QStringLiteral("title")));

    // The channel's description wraps in a box of its own lines, and is
    // stored when the focus leaves it.
    auto *description = properties->findChild<QPlainTextEdit *>(QStringLiteral("description"));
    QVERIFY(description);
    QVERIFY(description->toPlainText().startsWith(QStringLiteral("Giant Bomb discusses the latest")));
    QVERIFY(description->height() > 3 * description->fontMetrics().lineSpacing());
    // A window shown over the active main window counts as active before
    // it takes the keys.
    QTRY_COMPARE_WITH_TIMEOUT(QApplication::activeWindow(), properties, 10000);
    description->setFocus();
    description->moveCursor(QTextCursor::End);
    QTest::keyClicks(description, QStringLiteral(" Weekly."));
    QVERIFY(!frame->document()->IsModified());
    QTest::keyClick(description, Qt::Key_Tab);
    QVERIFY(frame->document()->IsModified());

    // --- Edits, each saved alone ---
    LineDiff descriptionDiff = file.saveAgain();
    QCOMPARE(descriptionDiff.added.size(), 1);
    QVERIFY2(descriptionDiff.added.first().endsWith("weekly podcast. Weekly.</description>"), descriptionDiff.added.first().constData());
    type(properties, QStringLiteral("copyright"), QStringLiteral("2008-2026 Giant Bomb"));
    QVERIFY(frame->document()->IsModified());
    LineDiff diff = file.saveAgain();
    QCOMPARE(diff.removed, QList<QByteArray>({"    <copyright>2008-2019 CBS Interactive</copyright>"}));
    QCOMPARE(diff.added, QList<QByteArray>({"    <copyright>2008-2026 Giant Bomb</copyright>"}));

    // Too wide for an RSS image: noted, and stored as typed.
    type(properties, QStringLiteral("image/width"), QStringLiteral("200"));
    QVERIFY2(noteOf(properties, QStringLiteral("image/width")).contains(QStringLiteral("144")),
             qPrintable(noteOf(properties, QStringLiteral("image/width"))));
    // The image is written anew; only its lines change.
    diff = file.saveAgain();
    QVERIFY2(diff.added.value(0).contains("<width>200</width>"), diff.added.value(0).constData());
    for (const QByteArray &line : diff.removed + diff.added) {
        const bool inImage = line.contains("<width>") || line.contains("<height>") || line.contains("</image>");
        QVERIFY2(inImage, line.constData());
    }

    // A cleared field takes its element away.
    type(properties, QStringLiteral("language"), QString());
    diff = file.saveAgain();
    QCOMPARE(diff.removed, QList<QByteArray>({"    <language>en-us</language>"}));
    QVERIFY(diff.added.isEmpty());

    // A ticked hour adds the skipHours element, and nothing else changes.
    properties->findChild<QCheckBox *>(QStringLiteral("skipHours_3"))->click();
    diff = file.saveAgain();
    QVERIFY(diff.removed.isEmpty());
    QVERIFY2(diff.added.join('\n').contains("<hour>3</hour>"), diff.added.join('\n').constData());

    // A category's subcategory, edited in its cell.
    categories->table()->item(1, 1)->setText(QStringLiteral("Podcasting"));
    diff = file.saveAgain();
    QVERIFY2(diff.added.join('\n').contains("text=\"Podcasting\""), diff.added.join('\n').constData());
    QVERIFY2(!diff.removed.join('\n').contains("Video Games"), diff.removed.join('\n').constData());
}

void TestFeedProperties::postDetails_showsEpisodeTagsAndSavesOnlyEdits()
{
    MainWindowFixture window;
    QString path;
    CChildFrame *frame =
        openCopy(window, QStringLiteral("podcast-namespace-itunes-nested-categories_podcastindex.xml"), &path);
    QVERIFY2(frame, qPrintable(window.services.errors.join(QLatin1Char('\n'))));
    SavedFile file{&window, path, readFile(path)};
    CRSSEditDoc *document = frame->document();

    // A podcast opens with its details shown.
    CBarPostDetails *details = frame->detailsBar();
    QTRY_VERIFY(details->isVisible());
    document->selection()->select(0);
    // A width the user gives the pane stays when it is hidden and shown again.
    frame->dockHost()->resizeDocks({details}, {400}, Qt::Horizontal);
    QTRY_VERIFY(details->width() > 380);
    for (int toggle = 0; toggle < 2; ++toggle)
        QVERIFY(window.main->executeCommand(ID_VIEW_POST_DETAILS));
    QTRY_VERIFY(details->isVisible());
    QCoreApplication::processEvents(); // the window lays the docks out again
    QVERIFY2(details->width() > 380, qPrintable(QString::number(details->width())));
    // Regression: a narrow pane cut its fields off at the right edge; it
    // scrolls to them.
    auto *area = qobject_cast<QScrollArea *>(details->widget());
    QVERIFY(area);
    frame->dockHost()->resizeDocks({details}, {150}, Qt::Horizontal);
    QTRY_VERIFY(area->horizontalScrollBar()->isVisible());
    QTRY_VERIFY(area->horizontalScrollBar()->maximum() > 0);

    // --- The first episode's tags ---
    QCOMPARE(shown(details, QStringLiteral("guid")), QStringLiteral("http://example.com/podcasts/archive/aae20050615.m4a"));
    QCOMPARE(shown(details, QStringLiteral("pubDate")), QStringLiteral("Wed, 15 Jun 2005 19:00:00 GMT"));
    QVERIFY(details->podcastGroup()->isVisible());
    QCOMPARE(shown(details, QStringLiteral("itunes:duration")), QStringLiteral("7:04"));
    QCOMPARE(shown(details, QStringLiteral("itunes:image@href")),
             QStringLiteral("https://www.example.com/podcasts/everything/episode.png"));
    QCOMPARE(shown(details, QStringLiteral("itunes:block")), QStringLiteral("yes"));
    QVERIFY(!noteOf(details, QStringLiteral("itunes:block")).isEmpty());
    CElementTable *enclosures = details->enclosures();
    QCOMPARE(enclosures->table()->rowCount(), 1);
    QCOMPARE(rowOf(enclosures, 0),
             QStringList({QStringLiteral("http://example.com/podcasts/everything/AllAboutEverythingEpisode3.m4a"),
                          QStringLiteral("8727310"), QStringLiteral("audio/x-m4a")}));
    QVERIFY(details->otherElements()->names().contains(QStringLiteral("itunes:keywords")));

    // --- The show's tags, in the other window ---
    CFeedPropertiesWnd *properties = frame->showProperties();
    QCOMPARE(shown(properties, QStringLiteral("itunes:type")), QStringLiteral("serial"));
    QCOMPARE(shown(properties, QStringLiteral("itunes:owner/itunes:name")), QStringLiteral("John Doe"));
    QCOMPARE(shown(properties, QStringLiteral("itunes:new-feed-url")), QStringLiteral("http://newlocation.com/example.rss"));
    QCOMPARE(shown(properties, QStringLiteral("podcast:locked")), QStringLiteral("yes"));
    QCOMPARE(shown(properties, QStringLiteral("podcast:locked@owner")), QStringLiteral("john.doe@example.com"));
    QCOMPARE(shown(properties, QStringLiteral("copyright")), QStringLiteral("\u2117 & \u00a9 2005 John Doe & Family"));
    auto *showCategories = properties->findChild<CElementTable *>(QStringLiteral("itunes:category"));
    QCOMPARE(showCategories->table()->rowCount(), 2);
    QCOMPARE(rowOf(showCategories, 0), QStringList({QStringLiteral("Technology"), QStringLiteral("Gadgets")}));
    QCOMPARE(rowOf(showCategories, 1), QStringList({QStringLiteral("TV & Film"), QString()}));
    // Apple's list of 2019 has no subcategories of Technology: the row is noted.
    QCOMPARE(showCategories->noteText(), QStringLiteral("Row 1, Subcategory: Not one of Apple's subcategories of \u201cTechnology\u201d"));
    auto *funding = properties->findChild<CElementTable *>(QStringLiteral("podcast:funding"));
    QCOMPARE(rowOf(funding, 0), QStringList({QStringLiteral("http://example.com/donate"), QStringLiteral("Support the show!")}));
    properties->close();

    // --- Edits ---
    // A length that is not a number: noted, and stored as typed. Only the
    // enclosure's lines change.
    enclosures->table()->item(0, 1)->setText(QStringLiteral("about 8 MB"));
    QVERIFY2(enclosures->noteText().contains(QStringLiteral("Length")), qPrintable(enclosures->noteText()));
    LineDiff diff = file.saveAgain();
    QVERIFY2(diff.added.join('\n').contains("length=\"about 8 MB\""), diff.added.join('\n').constData());
    for (const QByteArray &line : diff.removed)
        QVERIFY2(line.contains("enclosure") || line.contains("url=") || line.contains("length="), line.constData());

    // The second episode gets an episode number.
    document->selection()->select(1);
    QCOMPARE(shown(details, QStringLiteral("itunes:season")), QStringLiteral("3"));
    type(details, QStringLiteral("itunes:episode"), QStringLiteral("12"));
    diff = file.saveAgain();
    QVERIFY(diff.removed.isEmpty());
    QCOMPARE(diff.added.size(), 1);
    QVERIFY2(diff.added.at(0).contains("<itunes:episode>12</itunes:episode>"), diff.added.at(0).constData());

    // --- Enclosures filled in the background ---
    // From a local file: its length, and the type podcast directories want.
    const QString media = window.dir.filePath(QStringLiteral("episode.m4a"));
    QFile mediaFile(media);
    QVERIFY(mediaFile.open(QIODevice::WriteOnly) && mediaFile.write(QByteArray(4321, 'x')) == 4321);
    mediaFile.close();
    details->fillEnclosureFromFile(0, media);
    QTRY_COMPARE(rowOf(enclosures, 0).mid(1), QStringList({QStringLiteral("4321"), QStringLiteral("audio/x-m4a")}));
    QCOMPARE(rowOf(enclosures, 0).at(0).isEmpty(), false);
    // From a server: a HEAD request, and a 404 said in words.
    TitleServer server;
    QVERIFY(server.start(QStringLiteral(TIDREL_SOURCE_DIR "/tests/web/data/title_server.py")));
    enclosures->setValue(0, 0, server.url(QStringLiteral("/media/show.mp3?type=audio/mpeg&size=98765")));
    details->fillEnclosureFromUrl(0);
    QTRY_COMPARE(rowOf(enclosures, 0).mid(1), QStringList({QStringLiteral("98765"), QStringLiteral("audio/mpeg")}));
    enclosures->setValue(0, 0, server.url(QStringLiteral("/no-such-file.mp3")));
    details->fillEnclosureFromUrl(0);
    QTRY_VERIFY2(enclosures->noteText().contains(QStringLiteral("404")), qPrintable(enclosures->noteText()));
    QCOMPARE(rowOf(enclosures, 0).mid(1), QStringList({QStringLiteral("98765"), QStringLiteral("audio/mpeg")}));
    diff = file.saveAgain();
    QVERIFY2(diff.added.join('\n').contains("length=\"98765\""), diff.added.join('\n').constData());
    // An answer that comes after a post was added above still goes to the
    // post it was asked for.
    const int asked = details->form()->post();
    enclosures->setValue(0, 0, server.url(QStringLiteral("/media/late.mp3?type=audio/mpeg&size=555&ms=700")));
    details->fillEnclosureFromUrl(0);
    QVERIFY(window.main->executeCommand(ID_POST_ADD));
    QTRY_COMPARE(document->feed()->GetPostElements(asked + 1, QStringLiteral("enclosure")).at(0).attribute(QStringLiteral("length")),
                 QStringLiteral("555"));
    QVERIFY(document->feed()->GetPostElements(0, QStringLiteral("enclosure")).empty());

    // A new episode shows an empty enclosure row to fill.
    QVERIFY(window.main->executeCommand(ID_POST_ADD));
    QTRY_COMPARE(details->form()->post(), document->currentPost());
    QCOMPARE(enclosures->table()->rowCount(), 1);
    QCOMPARE(rowOf(enclosures, 0), QStringList({QString(), QString(), QString()}));
}

void TestFeedProperties::podcastBox_declaresNamespacesOnceAndShowsPodcastPage()
{
    MainWindowFixture window;
    CChildFrame *frame = window.openFeed(QStringLiteral("blog.xml"), postsTitled({QStringLiteral("One")}));
    QVERIFY(frame);
    SavedFile file{&window, frame->document()->path(), readFile(frame->document()->path())};
    // The button above the posts opens the window too.
    frame->postsBar()->feedPropertiesButton()->click();
    CFeedPropertiesWnd *properties = frame->propertiesWindow();
    QVERIFY(properties && properties->isVisible());
    const int podcastPage = 4;
    QCOMPARE(properties->tabs()->tabText(podcastPage), QStringLiteral("Podcast"));
    QVERIFY(!properties->podcastBox()->isChecked());
    QVERIFY(!properties->tabs()->isTabVisible(podcastPage));

    type(properties, QStringLiteral("atom:link@href"), QStringLiteral("https://podnews.net/rss"));
    properties->podcastBox()->click();
    QVERIFY(properties->tabs()->isTabVisible(podcastPage));
    QCOMPARE(shown(properties, QStringLiteral("podcast:guid")), QStringLiteral("9b024349-ccf0-5f69-a609-6b82873eab3c"));
    type(properties, QStringLiteral("itunes:author"), QStringLiteral("Ann"));
    const LineDiff diff = file.saveAgain();
    const QByteArray added = diff.added.join('\n');
    QCOMPARE(added.count("xmlns:itunes="), 1);
    QCOMPARE(added.count("xmlns:podcast="), 1);
    QVERIFY2(added.contains("<itunes:author>Ann</itunes:author>"), added.constData());
    QVERIFY2(added.contains("rel=\"self\""), added.constData());
    QVERIFY2(!diff.removed.join('\n').contains("<item>"), diff.removed.join('\n').constData());

    // A problem the checker found leads to its field: one of the channel's
    // in this window, a post's guid in the post's details.
    CFeedChecker::Problem problem{};
    problem.parent = QStringLiteral("image");
    problem.field = QStringLiteral("width");
    frame->showProblem(problem);
    QCOMPARE(properties->tabs()->currentIndex(), 1);
    QCOMPARE(properties->focusWidget()->objectName(), QStringLiteral("image/url"));
    problem.post = 0;
    problem.parent = QStringLiteral("item");
    problem.field = QStringLiteral("guid");
    frame->showProblem(problem);
    QVERIFY(frame->detailsBar()->isVisible());
    QCOMPARE(frame->detailsBar()->focusWidget()->objectName(), QStringLiteral("guid"));
}

// Regression: rolling the wheel to scroll Post Details changed the episode
// type and the guid's permalink flag under the pointer.
void TestFeedProperties::wheelOverPostDetails_scrollsThePaneAndChangesNoValue()
{
    MainWindowFixture window;
    QString path;
    CChildFrame *frame =
        openCopy(window, QStringLiteral("podcast-namespace-itunes-nested-categories_podcastindex.xml"), &path);
    QVERIFY(frame);
    CRSSEditDoc *document = frame->document();
    CBarPostDetails *details = frame->detailsBar();
    QTRY_VERIFY(details->isVisible());
    document->selection()->select(0);
    frame->postsBar()->setFocus();
    auto *area = qobject_cast<QScrollArea *>(details->widget());
    QTRY_VERIFY(area->verticalScrollBar()->maximum() > 0);
    const int undoSteps = document->undoStack()->count();

    for (const QString &key : {QStringLiteral("itunes:episodeType"), QStringLiteral("guid@isPermaLink")}) {
        auto *combo = details->findChild<QComboBox *>(key);
        QVERIFY2(combo, qPrintable(key));
        const QString before = combo->currentText();
        area->ensureWidgetVisible(combo);
        const int scrolled = area->verticalScrollBar()->value();
        // Down where the pane can go down (the drop-down, on its empty first
        // choice, would go to the next), else up.
        const QPoint notch(0, scrolled < area->verticalScrollBar()->maximum() ? -120 : 120);
        // To the window, as the window system sends it (sendEvent would make
        // it synthetic, which Qt hands to no parent): Qt finds the widget
        // under the pointer, may give it the focus, and hands the roll on to
        // the parents while it is ignored.
        const QPoint over = combo->mapTo(combo->window(), combo->rect().center());
        QWheelEvent roll(over, combo->window()->mapToGlobal(over), QPoint(), notch, Qt::NoButton, Qt::NoModifier,
                         Qt::NoScrollPhase, false);
        QSpontaneKeyEvent::setSpontaneous(&roll);
        qApp->notify(combo->window()->windowHandle(), &roll);
        QCOMPARE(combo->currentText(), before);
        QVERIFY(!combo->isAncestorOf(combo->window()->focusWidget()));
        QVERIFY2(area->verticalScrollBar()->value() != scrolled, qPrintable(key));
    }
    QCOMPARE(document->undoStack()->count(), undoSteps);
    QVERIFY(!document->IsModified());
}

// On the screen of a small laptop, 1024x700: the windows must fit it.
int main(int argc, char *argv[])
{
    if (qgetenv("QT_QPA_PLATFORM") == "offscreen")
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" TIDREL_TEST_DATA_DIR "/screen-1024x700.json");
    QStandardPaths::setTestModeEnabled(true);
    CTidrelApp::prepareProcess();
    QApplication app(argc, argv);
    CTidrelApp::initInstance();
    TestFeedProperties test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_feedproperties.moc"
