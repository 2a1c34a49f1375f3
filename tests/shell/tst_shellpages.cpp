// The main window's own pages and aids, offscreen: the Create RSS Feed page
// behind File New, the start page with the recent feeds, the menu tips, the
// user guide, and printing the current post.

#include "PodcastCheck.h"
#include "TestFiles.h"
#include "WindowTestSupport.h"

#include "engine/HelpWindow.h"
#include "engine/HtmlDialog.h"
#include "engine/PageColors.h"
#include "shell/Appearance.h"
#include "shell/CommandTable.h"
#include "shell/CreateFeedPage.h"
#include "shell/MenuTip.h"
#include "shell/StartPage.h"

#include <QDirIterator>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTimer>

namespace {

// The fakes, but File New shows the real Create RSS Feed page.
class PageShellServices : public FakeShellServices
{
public:
    explicit PageShellServices(QWidget *parent) : m_parent(parent) {}
    bool askNewFeed(NewFeedParams *params) override
    {
        ++newFeedQuestions;
        return RunCreateFeedPage(m_parent, params);
    }

private:
    QWidget *m_parent;
};

// Counts the times a widget is shown.
class ShowCounter : public QObject
{
public:
    int shown = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            ++shown;
        return QObject::eventFilter(watched, event);
    }
};

bool waitForEngine(CHtmlEngineView *view)
{
    return QTest::qWaitFor([view] { return view->isReady(); }, 30000);
}

// A JS expression giving `text`, whatever characters it holds.
QString jsText(const QString &text)
{
    return QStringLiteral("decodeURIComponent('%1')").arg(QString::fromLatin1(QUrl::toPercentEncoding(text)));
}

// Types into an input of the page as the user would, firing its input event.
void typeInto(QWebEngineView *view, const QString &id, const QString &text)
{
    evalJs(view, QStringLiteral("(function(){ const e = document.getElementById('%1'); e.value = %2;"
                                " e.dispatchEvent(new Event('input', {bubbles: true})); })()").arg(id, jsText(text)));
}

void clickElement(QWebEngineView *view, const QString &selector)
{
    evalJs(view, QStringLiteral("document.querySelector(%1).click()").arg(jsText(selector)));
}

// Runs `answer` on the Create RSS Feed page once it is up, inside its modal
// loop; the page is closed if `answer` left it open.
void answerCreateFeedPage(std::function<void(CHtmlDialog *)> answer)
{
    whenModalShown([answer](QDialog *shown) {
        auto *dialog = qobject_cast<CHtmlDialog *>(shown);
        QVERIFY(dialog);
        QCOMPARE(dialog->objectName(), QStringLiteral("createFeedPage"));
        QVERIFY(waitForEngine(dialog->engine()));
        answer(dialog);
    });
}

QStringList recentLinks(QWebEngineView *page, const QString &attribute)
{
    return evalJs(page, QStringLiteral("Array.from(document.querySelectorAll('#div_recent a'))"
                                       ".map(a => a.%1)").arg(attribute))
        .toStringList();
}

// A menu text as the menu shows it: "&Open\u2026" as "Open…", with "&&" for "&".
QString shownText(QString text)
{
    return text.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(QLatin1Char('&')).replace(u'\x01', u'&');
}

// The text of every page of the user guide, without its markup.
QString guideText()
{
    QString text;
    QDirIterator pages(QStringLiteral(":/shell/help"), {QStringLiteral("*.html")});
    while (pages.hasNext()) {
        QFile page(pages.next());
        if (page.open(QIODevice::ReadOnly))
            text += QString::fromUtf8(page.readAll());
    }
    text.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    return text.replace(QStringLiteral("&amp;"), QStringLiteral("&")).replace(QStringLiteral("&gt;"), QStringLiteral(">"));
}


// Every element of the page that shows text of its own, and every link, with
// its colours as the page computes them.
const QString kTextColors = QString::fromUtf8(readFile(QStringLiteral(TIDREL_TEST_DATA_DIR "/text_colors.js")));

// A dark desktop theme's palette that leaves the light palette's dark blue
// and purple links, and a dim placeholder, as some themes do.
QPalette darkPaletteWithLightLinks()
{
    QPalette dark = CAppearance::darkPalette();
    dark.setColor(QPalette::Link, QColor(0, 0, 255));
    dark.setColor(QPalette::LinkVisited, QColor(255, 0, 255));
    dark.setColor(QPalette::PlaceholderText, QColor(90, 90, 90));
    return dark;
}

} // namespace

class TestShellPages : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void createFeedPage_feedsFileNewOnceAndCancelCreatesNothing();
    void startPage_recentFeedsAndLinksOpenWhatTheyName();
    void menuTip_appearsOnceAfterPauseBesideTheItem();
    void helpGuide_opensAndCoversEveryMenuCommand();
    void keysPage_listsEveryKeyOfTheMenus();
    void print_currentPostGoesToPdf();
    void pages_textAndLinksReadableInLightAndDarkPalettes();

private:
    std::unique_ptr<MainWindowFixture> m_window;
    CMainFrame *m_main = nullptr;
    FakeShellServices *m_services = nullptr;
};

void TestShellPages::init()
{
    QSettings().clear();
    m_window = std::make_unique<MainWindowFixture>();
    m_main = m_window->main.get();
    m_services = &m_window->services;
}

void TestShellPages::cleanup()
{
    m_window.reset();
}

// --- Create RSS Feed page ---

void TestShellPages::createFeedPage_feedsFileNewOnceAndCancelCreatesNothing()
{
    PageShellServices services(m_main);
    m_main->setServices(&services);

    // Cancel, then Esc: no feed.
    answerCreateFeedPage([](CHtmlDialog *dialog) {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Create RSS Feed"));
        // Sized to the page and centred over the main window.
        QVERIFY(dialog->width() > 300 && dialog->height() > 100);
        QVERIFY((dialog->geometry().center() - dialog->parentWidget()->geometry().center()).manhattanLength() < 40);
        typeInto(dialog->engine(), QStringLiteral("elem_title"), QStringLiteral("Never made"));
        clickElement(dialog->engine(), QStringLiteral("[name=Cancel]"));
    });
    QVERIFY(m_main->executeCommand(ID_FILE_NEW));
    QCOMPARE(services.newFeedQuestions, 1);
    QVERIFY(m_main->documents()->frames().isEmpty());

    answerCreateFeedPage([](CHtmlDialog *dialog) {
        QVERIFY(focusAtEnd(dialog->engine(), QStringLiteral("elem_link")));
        QTest::keyClick(dialog->engine()->focusProxy(), Qt::Key_Escape);
        QTRY_VERIFY(!dialog->isVisible());
    });
    QVERIFY(m_main->executeCommand(ID_FILE_NEW));
    QVERIFY(m_main->documents()->frames().isEmpty());

    // Ok: the typed values, untrimmed and non-ASCII, make the feed, the
    // site's address and the feed's own apart; saved, it passes the check.
    answerCreateFeedPage([](CHtmlDialog *dialog) {
        QTRY_COMPARE(dialog->engine()->focusElement(), QStringLiteral("elem_title"));
        typeInto(dialog->engine(), QStringLiteral("elem_title"), QStringLiteral("  Caf\u00e9 & cr\u00e8me  "));
        typeInto(dialog->engine(), QStringLiteral("elem_link"), QStringLiteral("https://news.example.org/"));
        typeInto(dialog->engine(), QStringLiteral("elem_self"), QStringLiteral("https://news.example.org/feed.xml"));
        typeInto(dialog->engine(), QStringLiteral("elem_desc"), QStringLiteral("Coffee & cream"));
        typeInto(dialog->engine(), QStringLiteral("elem_cat"), QStringLiteral("\u65e5\u672c"));
        clickElement(dialog->engine(), QStringLiteral("[name=OK]"));
    });
    QVERIFY(m_main->executeCommand(ID_FILE_NEW));
    QCOMPARE(m_main->documents()->frames().size(), 1);
    CRSSEditDoc *document = m_main->activeChildFrame()->document();
    const QString made = QString::fromUtf8(document->feed()->PrintToString());
    for (const QString &element : {QStringLiteral("<title>  Caf\u00e9 &amp; cr\u00e8me  </title>"),
                                   QStringLiteral("<link>https://news.example.org/</link>"),
                                   QStringLiteral("<atom:link href=\"https://news.example.org/feed.xml\" rel=\"self\""),
                                   QStringLiteral("<description>Coffee &amp; cream</description>"),
                                   QStringLiteral("<category>\u65e5\u672c</category>")})
        QVERIFY2(made.contains(element), qPrintable(made));
    QTemporaryDir dir;
    const QString saved = dir.filePath(QStringLiteral("new.xml"));
    QVERIFY(document->OnSaveDocument(saved));
    QCOMPARE(feedProblems(saved), QString());

    // The values were used once: the next page starts empty, and Enter in
    // it confirms.
    answerCreateFeedPage([](CHtmlDialog *dialog) {
        QCOMPARE(dialog->engine()->value(QStringLiteral("elem_title")).toString(), QString());
        QCOMPARE(dialog->engine()->value(QStringLiteral("elem_cat")).toString(), QString());
        QVERIFY(focusAtEnd(dialog->engine(), QStringLiteral("elem_cat")));
        QTest::keyClick(dialog->engine()->focusProxy(), Qt::Key_Return);
        QTRY_VERIFY(!dialog->isVisible());
    });
    QVERIFY(m_main->executeCommand(ID_FILE_NEW));
    QCOMPARE(m_main->documents()->frames().size(), 2);
    const QString empty = QString::fromUtf8(m_main->activeChildFrame()->document()->feed()->PrintToString());
    // Empty fields are left out, not written empty: no self link, which
    // would be no address, and no description.
    for (const QString &element : {QStringLiteral("<category"), QStringLiteral("<atom:link"), QStringLiteral("<description")})
        QVERIFY2(!empty.contains(element), qPrintable(empty));
    QCOMPARE(services.newFeedQuestions, 4);
    m_main->setServices(m_services);
}

// --- Start page ---

void TestShellPages::startPage_recentFeedsAndLinksOpenWhatTheyName()
{
    CStartPage *page = m_main->startPage();
    QVERIFY(waitForEngine(page));
    const auto recentNames = [page] { return recentLinks(page, QStringLiteral("textContent")); };
    // Nothing yet: the heading and the markers alone.
    QVERIFY(recentNames().isEmpty());
    QVERIFY(pageText(page, QStringLiteral("document.body.innerText")).contains(QStringLiteral("Recent Feeds")));

    // Two feeds opened and closed, the second with "&" and non-ASCII in
    // its name: newest first, each naming its file and titled with its
    // path, between the markers the list is rebuilt from.
    const QString plain = m_window->dir.filePath(QStringLiteral("plain.xml"));
    const QString odd = m_window->dir.filePath(QStringLiteral("R&D \u00fcber <1>.xml"));
    for (const QString &file : {plain, odd})
        QVERIFY(writeFeed(file, postsTitled({"Post"})) && openAndWait(m_main->documents(), file));
    QVERIFY(m_main->documents()->closeAllDocuments());
    QVERIFY(QTest::qWaitFor([&] { return recentNames().size() == 2; }, 5000));
    QCOMPARE(recentNames(), (QStringList{QStringLiteral("R&D \u00fcber <1>.xml"), QStringLiteral("plain.xml")}));
    QCOMPARE(recentLinks(page, QStringLiteral("title")),
             (QStringList{QDir::toNativeSeparators(odd), QDir::toNativeSeparators(plain)}));
    const QString list = pageText(page, QStringLiteral("document.getElementById('div_recent').innerHTML"));
    QVERIFY2(list.indexOf(QStringLiteral("<!--START_MRU-->")) >= 0
                 && list.indexOf(QStringLiteral("<!--START_MRU-->")) < list.indexOf(QStringLiteral("<a "))
                 && list.lastIndexOf(QStringLiteral("</a>")) < list.indexOf(QStringLiteral("<!--END_MRU-->")),
             qPrintable(list));

    // A click opens that very file.
    clickElement(page, QStringLiteral("#div_recent a"));
    QVERIFY(QTest::qWaitFor([this] { return m_main->documents()->frames().size() == 1; }, 5000));
    QCOMPARE(m_main->activeChildFrame()->document()->path(), odd);
    QCOMPARE(m_services->errors, QStringList());

    // Saving under a new name puts that name at the top.
    m_services->saveFileName = m_window->dir.filePath(QStringLiteral("saved.xml"));
    QVERIFY(m_main->executeCommand(ID_FILE_SAVE_AS));
    const QByteArray saved = readFile(m_services->saveFileName);
    QVERIFY(saved.contains("<rss") && !saved.contains(".example"));
    QVERIFY(QTest::qWaitFor([&] { return recentNames().value(0) == QStringLiteral("saved.xml"); }, 5000));
    QCOMPARE(recentNames().size(), 3);

    // Create a feed, as from the menu; cancelled, nothing more.
    clickElement(page, QStringLiteral("#create_new_doc"));
    QVERIFY(QTest::qWaitFor([this] { return m_main->documents()->frames().size() == 2; }, 5000));
    m_services->newFeedAnswer = false;
    clickElement(page, QStringLiteral("#create_new_doc"));
    QVERIFY(QTest::qWaitFor([this] { return m_services->newFeedQuestions == 2; }, 5000));
    QCOMPARE(m_main->documents()->frames().size(), 2);

    // A web link goes to the browser; the page itself stays. Each shows its
    // address as its tooltip.
    const QString web = pageText(page, QStringLiteral("document.querySelector('#td_right a[href^=\"https:\"]').href"));
    QVERIFY2(web.startsWith(QStringLiteral("https://")), qPrintable(web));
    QCOMPARE(evalJs(page, QStringLiteral("Array.from(document.querySelectorAll('a[href^=\"http\"]'))"
                                         ".filter(a => a.title !== a.getAttribute('href')).length")).toInt(), 0);
    clickElement(page, QStringLiteral("#td_right a[href^=\"https:\"]"));
    QVERIFY(QTest::qWaitFor([this] { return m_services->openedUrls.size() == 1; }, 5000));
    QCOMPARE(m_services->openedUrls.first(), QUrl(web));
    QCOMPARE(page->url().fileName(), QStringLiteral("start.html"));

    QVERIFY(!m_main->helpWindow());
    clickElement(page, QStringLiteral("#open_help"));
    QVERIFY(QTest::qWaitFor([this] { return m_main->helpWindow() && m_main->helpWindow()->isVisible(); }, 5000));

    // Unknown links do nothing.
    QVERIFY(!page->HandleStartPageLink(QStringLiteral("#nothing")));
    QVERIFY(!page->HandleStartPageLink(QStringLiteral("ftp://files.invalid/")));
    QCOMPARE(m_services->openedUrls.size(), 1);
}

// --- Menu tips ---

void TestShellPages::menuTip_appearsOnceAfterPauseBesideTheItem()
{
    QWidget *tip = m_main->menuTip()->tipWindow();
    ShowCounter counter;
    tip->installEventFilter(&counter);

    const auto tipText = [tip] {
        return tip->findChild<QLabel *>(QStringLiteral("menuTipTitle"))->text() + QLatin1Char('\n')
            + tip->findChild<QLabel *>(QStringLiteral("menuTipText"))->text();
    };
    QMenu *file = m_main->menu(QStringLiteral("File"));
    file->popup(m_main->mapToGlobal(QPoint(20, 20)));
    QVERIFY(QTest::qWaitForWindowExposed(file));
    // A quick pass over the items: no tip on the way.
    QAction *open = m_main->action(ID_FILE_OPEN);
    for (QAction *item : {m_main->action(ID_FILE_NEW), open, m_main->action(ID_FILE_NEW), open}) {
        file->setActiveAction(item);
        QTest::qWait(item == open ? CMenuTip::kDelayMs - 150 : 100);
        QVERIFY(!tip->isVisible());
    }
    QVERIFY(QTest::qWaitFor([tip] { return tip->isVisible(); }, 2000));
    QCOMPARE(counter.shown, 1);
    QVERIFY2(tipText().contains(QStringLiteral("Open\u2026  [Ctrl+O]")) && tipText().contains(open->statusTip()),
             qPrintable(tipText()));
    // Beside the item, at its height.
    const QRect item = file->actionGeometry(open);
    const QPoint itemRight = file->mapToGlobal(QPoint(item.right(), item.top()));
    QVERIFY2(tip->x() > itemRight.x() && tip->x() - itemRight.x() < 10, qPrintable(QString::number(tip->x())));
    QVERIFY(qAbs(tip->y() - itemRight.y()) < 10);
    // Resting longer shows it no second time.
    QTest::qWait(CMenuTip::kDelayMs + 200);
    QCOMPARE(counter.shown, 1);

    // Another item hides it until the next pause; a disabled item and a
    // separator show none.
    file->setActiveAction(m_main->action(ID_FILE_PRINT_SETUP));
    QVERIFY(!tip->isVisible());
    QVERIFY(QTest::qWaitFor([tip] { return tip->isVisible(); }, 2000));
    QVERIFY(tipText().contains(QStringLiteral("Print Setup")));
    QVERIFY(!m_main->action(ID_FILE_SAVE_AS)->isEnabled());
    QTest::mouseMove(file, file->actionGeometry(m_main->action(ID_FILE_SAVE_AS)).center());
    QVERIFY(!tip->isVisible());
    const QList<QAction *> actions = file->actions();
    emit file->hovered(*std::find_if(actions.begin(), actions.end(), [](QAction *a) { return a->isSeparator(); }));
    QVERIFY(!tip->isVisible());
    QTest::qWait(CMenuTip::kDelayMs + 200);
    QVERIFY(!tip->isVisible());
    file->hide();

    // A context menu made anywhere gets tips too.
    QMenu context(m_main->statusBar());
    QAction *copy = context.addAction(QStringLiteral("Copy &Title"));
    copy->setStatusTip(QStringLiteral("Copy the title of the post"));
    context.popup(m_main->mapToGlobal(QPoint(400, 300)));
    QVERIFY(QTest::qWaitForWindowExposed(&context));
    context.setActiveAction(copy);
    QVERIFY(QTest::qWaitFor([tip] { return tip->isVisible(); }, 2000));
    QVERIFY(tipText().contains(QStringLiteral("Copy Title")));
    context.hide();
    QVERIFY(!tip->isVisible());

    // The information icon; a long title cut; the backup folder named.
    QVERIFY(!tip->findChild<QLabel *>(QStringLiteral("menuTipIcon"))->pixmap().isNull());
    QAction longItem(QString(120, QLatin1Char('x')));
    QCOMPARE(CMenuTip::tipTitle(&longItem), QString(97, QLatin1Char('x')) + QChar(0x2026));
    longItem.setText(QString(97, QLatin1Char('x')));
    QCOMPARE(CMenuTip::tipTitle(&longItem), longItem.text());
    const QString backups = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/Tidrel_Backup");
    QCOMPARE(CMenuTip::tipText(m_main->action(ID_OPEN_BACKUP_FOLDER)),
             QStringLiteral("Open backup folder for RSS-feeds\n\n[%1]").arg(backups));
}

// --- User guide ---

void TestShellPages::helpGuide_opensAndCoversEveryMenuCommand()
{
    QVERIFY(m_main->executeCommand(ID_HELP_GUIDE));
    CHelpWindow *help = m_main->helpWindow();
    QVERIFY(help && help->isVisible());
    QVERIFY(QTest::qWaitFor([help] { return help->windowTitle() == QStringLiteral("Tidrel Help"); }, 10000));

    // Its links move between its pages.
    clickElement(help->view(), QStringLiteral("a[href='file.html']"));
    QVERIFY(QTest::qWaitFor([help] { return help->windowTitle().startsWith(QStringLiteral("File menu")); }, 10000));
    QVERIFY(pageText(help->view(), QStringLiteral("document.body.innerText")).contains(QStringLiteral("Create RSS Feed")));
    QCOMPARE(m_services->openedUrls, QList<QUrl>());
    // The toolbar's commands have keys, also while the page has the focus.
    QVERIFY(QTest::qWaitForWindowActive(help));
    help->view()->setFocus();
    QSignalSpy back(help->view()->pageAction(QWebEnginePage::Back), &QAction::triggered);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left, Qt::AltModifier);
    QCOMPARE(back.count(), 1);

    // Asking again brings the same window back; Escape closes it.
    QVERIFY(m_main->executeCommand(ID_HELP_GUIDE));
    QCOMPARE(m_main->helpWindow(), help);
    QVERIFY(QTest::qWaitForWindowActive(help));
    help->view()->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTRY_VERIFY(!help->isVisible());

    // Every command of the menus is explained, under its menu text.
    const QString guide = guideText();
    for (const CommandInfo &info : commandTable()) {
        const QString name = shownText(QString::fromUtf8(info.text)).remove(QChar(0x2026));
        QVERIFY2(guide.contains(name), qPrintable(name));
    }
    QVERIFY(guide.contains(QStringLiteral("Create RSS Feed")) && guide.contains(QStringLiteral("Preferences")));
}

// The guide's page of keys names each menu command that has keys, with
// them all, and no other: it cannot drift from the program's commands.
void TestShellPages::keysPage_listsEveryKeyOfTheMenus()
{
    QStringList program;
    for (QAction *menuAction : m_main->menuBar()->actions()) {
        const QMenu *menu = menuAction->menu();
        for (QAction *action : menu->actions()) {
            const CommandInfo *info = findCommand(action->data().toInt());
            if (!info || action->shortcuts().isEmpty())
                continue;
            QStringList keys;
            for (const QKeySequence &key : action->shortcuts())
                keys.append(key.toString(QKeySequence::PortableText));
            program.append(shownText(menu->title()) + QStringLiteral(" > ") + shownText(QString::fromUtf8(info->text))
                           + QStringLiteral(": ") + keys.join(QStringLiteral(" or ")));
        }
    }

    QFile file(QStringLiteral(":/shell/help/keys.html"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString table = QString::fromUtf8(file.readAll()).section(QStringLiteral("<table id=\"commands\">"), 1).section(QStringLiteral("</table>"), 0, 0);
    QStringList page;
    static const QRegularExpression row(QStringLiteral("<tr><td>(.*?)</td><td>(.*?)</td></tr>"));
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    for (const QRegularExpressionMatch &match : row.globalMatch(table)) {
        const QString command = match.captured(1).replace(QStringLiteral("&gt;"), QStringLiteral(">")).replace(QStringLiteral("&amp;"), QStringLiteral("&"));
        page.append(command + QStringLiteral(": ") + match.captured(2).remove(tag));
    }
    program.sort();
    page.sort();
    QVERIFY(program.size() > 20);
    QCOMPARE(page, program);
}

// --- Printing ---

void TestShellPages::print_currentPostGoesToPdf()
{
    QVERIFY(!m_main->commandState(ID_FILE_PRINT).enabled);
    QVERIFY(!m_main->commandState(ID_FILE_PRINT_PREVIEW).enabled);
    QVERIFY(m_main->commandState(ID_FILE_PRINT_SETUP).enabled);

    CChildFrame *frame = m_window->openFeed(QStringLiteral("print.xml"), postsTitled({"Printed post"}));
    QVERIFY(MainWindowFixture::waitForPage(frame));
    for (int command : {ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW}) {
        m_services->printFile = m_window->dir.filePath(QStringLiteral("print%1.pdf").arg(command));
        m_main->executeCommand(command);
        const QByteArray pdf = readFile(m_services->printFile);
        QVERIFY2(pdf.startsWith("%PDF") && pdf.size() > 1000, pdf.left(40).constData());
    }
}

// --- Colours ---

// Regression: in a dark palette the start page's links had a contrast of
// 1.6:1 and a description's links were dark blue on dark grey. Every text
// and link of the start page, the editor page and the guide stands out from
// its background by 4.5:1 at least, as the page computes its colours, in a
// light palette, in a dark one that gives dark links and in the program's
// own dark palette.
void TestShellPages::pages_textAndLinksReadableInLightAndDarkPalettes()
{
    CChildFrame *frame = m_window->openFeed(
        QStringLiteral("colours.xml"),
        postsDescribed({QStringLiteral("<p>See <a href=\"http://example.org/\">the page</a> and <b>more</b>.</p>")}));
    QVERIFY(MainWindowFixture::waitForPage(frame));
    QVERIFY(m_main->executeCommand(ID_HELP_GUIDE));
    CHelpWindow *help = m_main->helpWindow();
    QVERIFY(QTest::qWaitFor([help] { return help->windowTitle() == QStringLiteral("Tidrel Help"); }, 10000));
    QVERIFY(waitForEngine(m_main->startPage()));
    const QList<QWebEngineView *> pages = {m_main->startPage(), frame->view()->engine(), help->view()};

    const QPalette light = QApplication::palette();
    for (const QPalette &palette : {light, darkPaletteWithLightLinks(), CAppearance::darkPalette()}) {
        QApplication::setPalette(palette);
        const QString base = palette.color(QPalette::Base).name();
        for (QWebEngineView *page : pages) {
            const QString url = page->url().fileName();
            const auto pageBase = [page] {
                return pageText(page, QStringLiteral("document.documentElement.style.getPropertyValue('--base')"));
            };
            QTRY_VERIFY2(pageBase() == base, qPrintable(url + QLatin1Char(' ') + pageBase()));
            const QStringList colours = evalJs(page, kTextColors).toStringList();
            QVERIFY2(colours.size() > 5, qPrintable(url));
            QVERIFY2(colours.join(QLatin1Char(' ')).contains(QLatin1String("a|")), qPrintable(url));
            for (const QString &entry : colours) {
                const QStringList parts = entry.split(QLatin1Char('|'));
                const QColor background(parts.value(2) == QLatin1String("none") ? base : parts.value(2));
                const double contrast = CPageColors::contrast(QColor(parts.value(1)), background);
                QVERIFY2(contrast >= CPageColors::kMinimumContrast,
                         qPrintable(QStringLiteral("%1 in %2 on %3: %4:1").arg(entry, url, base).arg(contrast, 0, 'f', 2)));
            }
        }
    }
    QApplication::setPalette(light);
}

TIDREL_WINDOW_TEST_MAIN(TestShellPages)
#include "tst_shellpages.moc"
