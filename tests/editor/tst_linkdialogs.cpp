#include "TestFiles.h"
#include "TitleServer.h"
#include "WindowTestSupport.h"

#include "core/RssFeed.h"
#include "editor/HyperlinkDlg.h"
#include "editor/ImageDlg.h"
#include "settings/SettingsStore.h"
#include "web/WebTitleCache.h"

#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

namespace {

const QString kRichHtml = QStringLiteral("document.getElementById('richtext_edit').innerHTML");

// Selects `length` characters of the first text node in the rich text that
// contains `text`, from the start of `text`; a length of 0 puts the caret
// there.
QString selectScript(const QString &text, int length)
{
    return QStringLiteral(
               "(function(){ const e = document.getElementById('richtext_edit'); e.focus();"
               " const w = document.createTreeWalker(e, NodeFilter.SHOW_TEXT); let n;"
               " while ((n = w.nextNode()) && n.data.indexOf('%1') < 0) {}"
               " const r = document.createRange(); const at = n.data.indexOf('%1');"
               " r.setStart(n, at); r.setEnd(n, at + %2);"
               " const s = getSelection(); s.removeAllRanges(); s.addRange(r); return true; })()")
        .arg(text)
        .arg(length);
}

QLineEdit *field(QDialog *dialog, const char *name)
{
    return dialog->findChild<QLineEdit *>(QLatin1String(name));
}

void retype(QLineEdit *edit, const QString &text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

QString dialogField(CHtmlDialog *dialog, const QString &id)
{
    return evalJs(dialog->engine(), QStringLiteral("document.getElementById('%1').value").arg(id)).toString();
}

void typeIntoPage(CHtmlDialog *dialog, const QString &id, const QString &text)
{
    evalJs(dialog->engine(), QStringLiteral("(function(){ const e = document.getElementById('%1'); e.focus(); e.select(); })()").arg(id));
    QTest::keyClick(dialog->engine()->focusProxy(), Qt::Key_Delete);
    QTest::keyClicks(dialog->engine()->focusProxy(), text);
    // The page has reported the typing.
    QVERIFY(QTest::qWaitFor([&] { return dialog->engine()->value(id).toString() == text; }, 10000));
}

} // namespace

// The Hyperlink and Image commands of a feed window and their dialogs, with
// page titles from a web server on 127.0.0.1.
class TestLinkDialogs : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase() { m_server.stop(); }
    void init();
    void cleanup();

    void newLink_proposesClipboardUrlAndLooksUpOncePerPause();
    void editLink_lateTitleShownOnlyWhileUrlMatches();
    void newAndEditedImage_markupPreviewAndAttributes();
    void hyperlinkUrls_namingWebPages();

private:
    void openPost(const QString &description);
    bool caretAt(const QString &text, int length, const QString &object);
    void runCommand(int id, std::function<void(QDialog *)> interact);
    // Ctrl+K in the page, as a user presses it.
    void pressHyperlinkKey(std::function<void(QDialog *)> interact);
    QString storedDescription();
    // As opening the Insert menu does.
    void refreshActions() { emit m_window->main->menu("Insert")->aboutToShow(); }

    TitleServer m_server;
    std::unique_ptr<MainWindowFixture> m_window;
    CChildFrame *m_frame = nullptr;
};

void TestLinkDialogs::initTestCase()
{
    if (QStandardPaths::findExecutable("python3").isEmpty())
        QSKIP("python3 is needed for the test web server");
    QVERIFY(m_server.start(TIDREL_TITLE_SERVER));
}

void TestLinkDialogs::init()
{
    m_window = std::make_unique<MainWindowFixture>();
}

void TestLinkDialogs::cleanup()
{
    m_frame = nullptr;
    m_window.reset();
}

void TestLinkDialogs::openPost(const QString &description)
{
    m_frame = m_window->openFeed("links.xml", postsDescribed({description, "<p>Another</p>"}));
    QVERIFY(MainWindowFixture::waitForPage(m_frame));
    QTRY_VERIFY(pageText(m_frame->view()->engine(), kRichHtml).contains("<p>"));
}

// Puts the caret or selection into the rich text and waits until the view
// knows it, down to the object at the caret.
bool CaretKnown(CHtmlEngineView *engine, const QString &object)
{
    return engine->callMethod("richtext_edit", "getCurrentObjects").toStringList().contains(object);
}

bool TestLinkDialogs::caretAt(const QString &text, int length, const QString &object)
{
    CHtmlEngineView *engine = m_frame->view()->engine();
    engine->setFocus();
    evalJs(engine, selectScript(text, length));
    return QTest::qWaitFor([&] {
        int start = 0, end = 0;
        return engine->selection("richtext_edit", &start, &end) && end - start == length
            && CaretKnown(engine, object);
    }, 10000);
}

void TestLinkDialogs::runCommand(int id, std::function<void(QDialog *)> interact)
{
    bool shown = false;
    whenModalShown([&](QDialog *dialog) {
        shown = true;
        interact(dialog);
    });
    refreshActions();
    QVERIFY(m_window->main->action(id)->isEnabled());
    m_window->main->action(id)->trigger();
    QVERIFY(shown);
}

void TestLinkDialogs::pressHyperlinkKey(std::function<void(QDialog *)> interact)
{
    bool shown = false;
    whenModalShown([&](QDialog *dialog) {
        shown = true;
        interact(dialog);
    });
    CHtmlEngineView *engine = m_frame->view()->engine();
    m_window->main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window->main.get()));
    QTRY_VERIFY(engine->focusProxy()->hasFocus());
    QTest::keyClick(engine->focusProxy(), Qt::Key_K, Qt::ControlModifier);
    QTRY_VERIFY(shown);
}

// The description as the feed holds it.
QString TestLinkDialogs::storedDescription()
{
    return m_frame->document()->feed()->GetPostDescription(0);
}

void TestLinkDialogs::newLink_proposesClipboardUrlAndLooksUpOncePerPause()
{
    openPost("<p>Read the manual today</p>");
    CHtmlEngineView *engine = m_frame->view()->engine();

    // Nothing to link on a bare caret: the command and the page's button say so.
    QVERIFY(caretAt("manual", 0, "p"));
    refreshActions();
    QVERIFY(!m_window->main->action(ID_INSERT_HYPERLINK)->isEnabled());
    QVERIFY(m_window->main->action(ID_INSERT_IMAGE)->isEnabled());
    QTRY_COMPARE(evalJs(engine, "document.getElementById('tb_hyperlink').classList.contains('disabled')"), QVariant(true));
    QVERIFY(caretAt("manual", 6, "p"));
    QTRY_COMPARE(evalJs(engine, "document.getElementById('tb_hyperlink').classList.contains('disabled')"), QVariant(false));

    const QString proposed = m_server.url("/page/0/clip.html");
    const QString typed = m_server.url("/page/0/typed.html");
    QGuiApplication::clipboard()->setText(proposed);
    pressHyperlinkKey([&](QDialog *dialog) {
        QVERIFY(qobject_cast<CHyperlinkDlg *>(dialog));
        QCOMPARE(field(dialog, "url")->text(), proposed);
        QCOMPARE(field(dialog, "text")->text(), QString("manual"));
        QVERIFY(field(dialog, "text")->isReadOnly());
        QCOMPARE(dialog->findChild<QComboBox *>("target")->currentText(), QString("_blank"));
        // Looked up at once; the title comes from the server a moment later.
        QTRY_COMPARE(field(dialog, "title")->text(), QString("Title \"clip\""));
        QTest::qWait(400);
        QCOMPARE(m_server.requestCount("/page/0/clip.html"), 1);

        // A lookup that finds no title says why.
        auto *lookupState = dialog->findChild<QLabel *>("lookupState");
        QVERIFY(!lookupState->isVisible());
        retype(field(dialog, "url"), m_server.url("/missing.html"));
        QTRY_COMPARE(lookupState->text(), QString("No title: The server answered with error 404."));
        QVERIFY(lookupState->isVisible());
        retype(field(dialog, "url"), "http://127.0.0.1:1/refused.html");
        QTRY_COMPARE(lookupState->text(), QString("No title: The server refused the connection."));

        // Typed quickly: one lookup, for the whole address, after the pause.
        retype(field(dialog, "url"), typed);
        QTRY_COMPARE(field(dialog, "title")->text(), QString("Title \"typed\""));
        QTest::qWait(400);
        const QJsonObject counts = m_server.stats()["counts"].toObject();
        QStringList pages;
        for (const QString &path : counts.keys()) {
            if (path.startsWith("/page/"))
                pages.append(path + "=" + QString::number(counts[path].toInt()));
        }
        QCOMPARE(pages, QStringList({"/page/0/clip.html=1", "/page/0/typed.html=1"}));
        QVERIFY(!lookupState->isVisible());
        QTest::keyClick(field(dialog, "url"), Qt::Key_Return);
    });

    const QString link = QString("<a href=\"%1\" target=\"_blank\" title=\"Title 'typed'\">manual</a>").arg(typed);
    QTRY_VERIFY2(pageText(engine, kRichHtml).contains(link), qPrintable(pageText(engine, kRichHtml)));
    QTRY_VERIFY(m_frame->document()->IsModified());
    QTRY_VERIFY2(storedDescription().startsWith("<p>Read the " + link + " today</p>"), qPrintable(storedDescription()));
    // Both titles are kept for the next time.
    const QString settings = QString::fromUtf8(readFile(GetSettingsPath()));
    QVERIFY(settings.contains(proposed + "=Title \"clip\""));
    QVERIFY(settings.contains(typed + "=Title \"typed\""));
}

void TestLinkDialogs::editLink_lateTitleShownOnlyWhileUrlMatches()
{
    const QString old = m_server.url("/page/0/old.html");
    const QString late = m_server.url("/page/700/late.html");
    openPost(QString("<p>See <a href=\"%1\" title=\"Old\" target=\"_top\" class=\"ref\">the docs</a> now</p>").arg(old));
    QVERIFY(caretAt("docs", 0, "a"));
    QGuiApplication::clipboard()->setText(m_server.url("/page/0/ignored.html"));

    runCommand(ID_INSERT_HYPERLINK, [&](QDialog *dialog) {
        QCOMPARE(field(dialog, "url")->text(), old);
        QCOMPARE(field(dialog, "text")->text(), QString("the docs"));
        QCOMPARE(dialog->findChild<QComboBox *>("target")->currentText(), QString("_top"));
        // The link's own address is looked up after the pause like a typed one.
        QCOMPARE(field(dialog, "title")->text(), QString("Old"));
        QTRY_COMPARE(field(dialog, "title")->text(), QString("Title \"old\""));

        // The user moves on before the slow page answers: its title is kept
        // but not shown.
        retype(field(dialog, "url"), late);
        QTRY_COMPARE(m_server.requestCount("/page/700/late.html"), 1);
        retype(field(dialog, "url"), m_server.url("/elsewhere"));
        QString title;
        QTRY_VERIFY(WebTitleCache::instance().find(late, &title));
        QCOMPARE(title, QString("Title \"late\""));
        QCOMPARE(field(dialog, "title")->text(), QString("Title \"old\""));
        // Back on the page, the kept title is shown.
        retype(field(dialog, "url"), late);
        QTRY_COMPARE(field(dialog, "title")->text(), QString("Title \"late\""));
        QCOMPARE(m_server.requestCount("/page/700/late.html"), 1);
        QCOMPARE(m_server.requestCount("/page/0/ignored.html"), 0);

        field(dialog, "title")->clear();
        dialog->findChild<QComboBox *>("target")->setCurrentText("_parent");
        QTest::keyClick(field(dialog, "title"), Qt::Key_Return);
    });

    const QString link = QString("<a href=\"%1\" target=\"_parent\" class=\"ref\">the docs</a>").arg(late);
    CHtmlEngineView *engine = m_frame->view()->engine();
    QTRY_VERIFY2(pageText(engine, kRichHtml).contains(link), qPrintable(pageText(engine, kRichHtml)));
    QTRY_VERIFY2(storedDescription().startsWith("<p>See " + link + " now</p>"), qPrintable(storedDescription()));
}

void TestLinkDialogs::newAndEditedImage_markupPreviewAndAttributes()
{
    openPost("<p>A picture here</p>");
    QVERIFY(caretAt("here", 4, "p"));
    QTemporaryDir folder;
    const QString path = folder.filePath("photo.png");
    QImage photo(40, 30, QImage::Format_RGB32);
    photo.fill(Qt::darkGreen);
    QVERIFY(photo.save(path));
    const QString source = QUrl::fromLocalFile(path).toString();
    QGuiApplication::clipboard()->setText(m_server.url("/pictures/photo.JPG"));

    const QString sample = "document.getElementById('img_sample')";
    runCommand(ID_INSERT_IMAGE, [&](QDialog *shown) {
        auto *dialog = qobject_cast<CImageDlg *>(shown);
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QString("Insert Image"));
        QTRY_COMPARE(dialogField(dialog, "edit_src"), m_server.url("/pictures/photo.JPG"));
        QCOMPARE(evalJs(dialog->engine(), "document.getElementById('edit_src').placeholder").toString(),
                 QString("Type the image's address here (required)"));

        // Browse picks the local file, whose size fills the fields.
        QTimer picker;
        connect(&picker, &QTimer::timeout, [&] {
            auto *files = dialog->findChild<QFileDialog *>();
            if (files && files->isVisible()) {
                files->findChild<QLineEdit *>("fileNameEdit")->setText(path);
                static_cast<QDialog *>(files)->accept();
            }
        });
        picker.start(50);
        evalJs(dialog->engine(), "document.querySelector('button[name=Browse]').click()");
        QTRY_COMPARE_WITH_TIMEOUT(dialogField(dialog, "edit_src"), source, 20000);
        picker.stop();
        QTRY_COMPARE(dialogField(dialog, "edit_width"), QString("40"));
        QCOMPARE(dialogField(dialog, "edit_height"), QString("30"));
        QTRY_COMPARE(evalJs(dialog->engine(), sample + ".getAttribute('src')").toString(), source);

        typeIntoPage(dialog, "edit_alt", "Photo");
        QTRY_COMPARE(evalJs(dialog->engine(), sample + ".alt").toString(), QString("Photo"));
        QTRY_COMPARE(dialog->markup(), QString("<img src=\"%1\" alt=\"Photo\" width=\"40\" height=\"30\">").arg(source));
        QTest::keyClick(dialog->engine()->focusProxy(), Qt::Key_Return);
        QTRY_VERIFY(!dialog->isVisible());
    });

    CHtmlEngineView *engine = m_frame->view()->engine();
    const QString image = QString("<img src=\"%1\" alt=\"Photo\" width=\"40\" height=\"30\">").arg(source);
    QTRY_VERIFY2(pageText(engine, kRichHtml).contains("<p>A picture " + image + "</p>"), qPrintable(pageText(engine, kRichHtml)));

    // The image, clicked, is changed through the same dialog; attributes the
    // dialog does not edit stay.
    evalJs(engine, "document.querySelector('#richtext_edit img').setAttribute('class', 'wide')");
    evalJs(engine, "document.querySelector('#richtext_edit img').click()");
    QTRY_VERIFY(CaretKnown(engine, "img"));
    runCommand(ID_INSERT_IMAGE, [&](QDialog *shown) {
        auto *dialog = static_cast<CImageDlg *>(shown);
        QTRY_COMPARE(dialogField(dialog, "edit_alt"), QString("Photo"));
        QCOMPARE(dialogField(dialog, "edit_width"), QString("40"));
        typeIntoPage(dialog, "edit_width", "");
        typeIntoPage(dialog, "edit_height", "2px");
        evalJs(dialog->engine(), "document.querySelector('button[name=Close]').click()");
        QTRY_VERIFY(!dialog->isVisible());
    });
    const QString changed = QString("<img src=\"%1\" alt=\"Photo\" height=\"2\" class=\"wide\">").arg(source);
    QTRY_VERIFY2(pageText(engine, kRichHtml).contains(changed), qPrintable(pageText(engine, kRichHtml)));
    QTRY_VERIFY2(storedDescription().startsWith("<p>A picture " + changed + "</p>"), qPrintable(storedDescription()));
}

void TestLinkDialogs::hyperlinkUrls_namingWebPages()
{
    const QStringList pages = {"http://host/a/page.HTML", "http://host/", "http://host/x.php", "http://host/p.html#part",
                               "file:///C:\\docs\\index.htm"};
    const QStringList others = {"http://host", "http://host/page.php?id=1", "http://host/#part", "http://host/a.png", ""};
    for (const QString &url : pages)
        QVERIFY2(CHyperlinkDlg::IsWebPageUrl(url), qPrintable(url));
    for (const QString &url : others)
        QVERIFY2(!CHyperlinkDlg::IsWebPageUrl(url), qPrintable(url));
}

TIDREL_WINDOW_TEST_MAIN(TestLinkDialogs)
#include "tst_linkdialogs.moc"
