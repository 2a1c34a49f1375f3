#include "WindowTestSupport.h"
#include "TestFiles.h"
#include "core/LineDiff.h"
#include "core/SequenceDiff.h"

#include "commands/PostCommands.h"
#include "document/PostFooter.h"
#include "editor/HyperlinkDlg.h"
#include "editor/ImageDlg.h"

#include <QAccessible>
#include <QClipboard>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QUndoStack>

namespace {

const QString kTitleText = QStringLiteral("document.getElementById('div_title').textContent");
const QString kRichHtml = QStringLiteral("document.getElementById('richtext_edit').innerHTML");
const QString kLinkText = QStringLiteral("document.querySelector('#select_link input').value");
const QString kAuthorText = QStringLiteral("document.querySelector('#select_author input').value");
const QString kLinkColor = QStringLiteral("getComputedStyle(document.querySelector('#select_link input')).color");

const QList<TestPost> kPosts{
    {"First post", "<p>One &amp; only</p>", "http://example.org/1", "01 Jan 2020 10:00:00 GMT", "Ann"},
    {"Second post", "<p>Two</p>", "http://example.org/2", "02 Jan 2020 10:00:00 GMT", "Bob"},
    {"Third post", "<p>Three</p>", "", "03 Jan 2020 10:00:00 GMT", ""}};

int distinctColours(const QImage &image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 2) {
        for (int x = 0; x < image.width(); x += 2)
            colours.insert(image.pixel(x, y));
    }
    return colours.size();
}

} // namespace

class TestRSSEditView : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_dir.isValid());
    }

    void init()
    {
        const QString path = m_dir.filePath("feed.xml");
        QVERIFY(writeFeed(path, kPosts));
        m_doc = new CRSSEditDoc;
        m_doc->setDescriptionFilter([](const QString &text) { return AddPostFooter(text, QStringLiteral("Mine")); });
        m_view = new CRSSEditView(m_doc);
        m_view->resize(900, 640);
        m_view->show();
        QString error;
        QVERIFY2(m_doc->OnOpenDocument(path, &error), qPrintable(error));
        QTRY_VERIFY_WITH_TIMEOUT(m_view->engine()->isReady(), 20000);
    }

    void cleanup()
    {
        delete m_view;
        m_view = nullptr;
        delete m_doc;
        m_doc = nullptr;
    }

    void selectPost_showsFinishedEditorAndStoresNothingUnedited()
    {
        selectPost(0);
        CHtmlEngineView *engine = m_view->engine();
        QTRY_COMPARE(pageText(engine, kRichHtml), QString("<p>One &amp; only</p>"));
        QCOMPARE(pageText(engine, kLinkText), QString("http://example.org/1"));
        QCOMPARE(pageText(engine, kAuthorText), QString("Ann"));

        // The toolbar's icons are drawn once their images have loaded.
        QTRY_COMPARE(evalJs(m_view->engine(),
                            "Array.from(document.images).every(i => i.complete && i.naturalWidth > 0)").toBool(), true);
        // A page that has painted shows many colours: text, icons, borders.
        QImage image;
        QTRY_VERIFY_WITH_TIMEOUT((image = m_view->grab().toImage(), distinctColours(image) > 50), 10000);
        const QString folder = qEnvironmentVariable("TIDREL_SCREENSHOT_DIR");
        if (!folder.isEmpty())
            QVERIFY(image.save(QDir(folder).filePath("editor.png")));

        // Showing posts nobody edited changes nothing.
        const QByteArray before = m_doc->feed()->PrintToString();
        selectPost(1);
        selectPost(0);
        QCOMPARE(m_doc->feed()->PrintToString(), before);
        QVERIFY(!m_doc->IsModified());
    }

    // Regression: a post without a link or author showed the previous post's,
    // and stored them into it.
    void emptyLinkAndAuthor_showEmptyAndStoreNone()
    {
        selectPost(1);
        selectPost(0);
        selectPost(2);
        QCOMPARE(m_view->engine()->value("select_link").toString(), QString());
        QTRY_COMPARE(pageText(m_view->engine(), kLinkText), QString());
        QCOMPARE(m_view->engine()->value("select_author").toString(), QString());
        QTRY_COMPARE(pageText(m_view->engine(), kAuthorText), QString());
        QCOMPARE(m_doc->feed()->GetPostLink(2), QString());
        QCOMPARE(m_doc->feed()->GetPostAuthor(2), QString());

        // Regression: a new post showed the previous post's link and author,
        // and stored them; the Link field kept its red after the next post.
        selectPost(0);
        QVERIFY(CPostCommands(m_doc).OnCommand(ID_POST_ADD));
        CHtmlEngineView *engine = m_view->engine();
        QCOMPARE(engine->value("select_link").toString(), QString());
        QTRY_COMPARE(pageText(engine, kLinkText), QString());
        QTRY_COMPARE(pageText(engine, kAuthorText), QString());
        QCOMPARE(pageText(engine, kLinkColor), QString("rgb(208, 0, 0)"));
        QCOMPARE(m_doc->feed()->GetPostLink(0), QString());
        QCOMPARE(m_doc->feed()->GetPostAuthor(0), QString());
        selectPost(1);
        QTRY_COMPARE(pageText(engine, kLinkText), QString("http://example.org/1"));
        const QString colour = pageText(engine, kLinkColor);
        QVERIFY2(colour != QString("rgb(208, 0, 0)"), qPrintable(colour));
    }

    // Links join the list once each: those of a selection in ascending order
    // after the ones already there, which stay where they are.
    void selectPosts_linkListWholeAndInOrder()
    {
        CHtmlEngineView *engine = m_view->engine();
        QCOMPARE(engine->options("select_link"), QStringList());

        selectPost(0);
        selectPost(1);
        // The feed's own links, read once the page has shown the first post.
        QTRY_COMPARE(engine->options("select_link"), QStringList({"http://example.org/1", "http://example.org/2"}));
        QVERIFY(m_doc->SetPostField(1, CRSSEditDoc::PostLink, "http://example.org/0"));
        QVERIFY(m_doc->SetPostField(0, CRSSEditDoc::PostLink, "http://example.org/0"));
        selectPost(1);
        QVERIFY(m_doc->SetPostField(0, CRSSEditDoc::PostLink, "http://example.org/3"));
        QVERIFY(m_doc->SetPostField(1, CRSSEditDoc::PostLink, "http://example.org/2b"));
        selectPost(0);
        selectPost(1);

        const QStringList expected = { "http://example.org/1", "http://example.org/2", "http://example.org/0",
                                       "http://example.org/2b", "http://example.org/3" };
        QCOMPARE(engine->options("select_link"), expected);
        QTRY_COMPARE(evalJs(engine, "Array.from(document.querySelectorAll('#select_link .option'), o => o.textContent)")
                         .toStringList(),
                     expected);
        QCOMPARE(engine->options("select_link"), expected);
    }

    // A feed whose links take the list several steps to fill: every link
    // comes in once, in ascending order, and one given later joins at the
    // next post shown.
    void largeFeed_linkListFillsWholeAndInOrder()
    {
        QList<TestPost> posts;
        QStringList links;
        for (int i = 0; i < 4500; ++i) {
            const QString link = QStringLiteral("http://example.org/%1").arg(4499 - i, 4, 10, QLatin1Char('0'));
            posts.append({QStringLiteral("Post %1").arg(i), QStringLiteral("<p>%1</p>").arg(i), link,
                          "01 Jan 2020 10:00:00 GMT", "Ann"});
            links.prepend(link);
        }
        const QString path = m_dir.filePath("large.xml");
        QVERIFY(writeFeed(path, posts));
        QVERIFY(m_doc->OnOpenDocument(path));
        selectPost(10);
        selectPost(4000);

        CHtmlEngineView *engine = m_view->engine();
        QTRY_COMPARE(engine->options("select_link").size(), links.size());
        QCOMPARE(engine->options("select_link"), links);
        QTRY_COMPARE(evalJs(engine, "document.querySelectorAll('#select_link .option').length").toInt(),
                     int(links.size()));
        QVERIFY(m_doc->SetPostField(5, CRSSEditDoc::PostLink, "http://example.org/new"));
        selectPost(6);
        QCOMPARE(engine->options("select_link"), links + QStringList{"http://example.org/new"});
    }

    void selectBeforePageLoaded_showsPostOnceLoaded()
    {
        delete m_view;
        m_view = new CRSSEditView(m_doc);
        m_view->show();
        QVERIFY(!m_view->engine()->isReady());
        m_doc->selection()->select(1);
        QSignalSpy ready(m_view, &CRSSEditView::pageReady);
        QTRY_COMPARE_WITH_TIMEOUT(ready.count(), 1, 20000);

        CHtmlEngineView *engine = m_view->engine();
        QTRY_COMPARE(pageText(engine, kTitleText), QString("Second post"));
        QTRY_COMPARE(pageText(engine, kRichHtml), QString("<p>Two</p>"));
        QCOMPARE(pageText(engine, kAuthorText), QString("Bob"));
        QTRY_COMPARE(engine->options("select_author"), QStringList({"Bob"}));
        // The page leaves the focus where the window put it (the posts list).
        QCOMPARE(pageText(engine, "document.activeElement.tagName"), QString("BODY"));
    }

    // Regression: the title was stored as markup, so "&" came back escaped once
    // more at every load.
    void typingTitleAndDescription_storeAtOnceAndTypedBackIsNoChange()
    {
        selectPost(1);
        type("div_title", " Q&A");
        QTRY_COMPARE(m_doc->feed()->GetPostTitle(1), QString("Second post Q&A"));
        QVERIFY(m_doc->IsModified());
        QCOMPARE(m_doc->feed()->GetPostDescription(1), QString("<p>Two</p>"));

        // The description is stored at every key, through the footer
        // filter, as one step.
        save();
        const int steps = m_doc->undoStack()->count();
        const QByteArray original = m_doc->feed()->PrintToString();
        type("richtext_edit", "xy");
        QTRY_VERIFY2(m_doc->feed()->GetPostDescription(1).startsWith("<p>Twoxy</p>"), qPrintable(m_doc->feed()->GetPostDescription(1)));
        const QString stored = m_doc->feed()->GetPostDescription(1);
        QVERIFY(HasPostFooter(stored));
        QCOMPARE(footers(1), 1);
        QVERIFY(m_doc->IsModified());
        QCOMPARE(m_doc->undoStack()->count(), steps + 1);
        QCOMPARE(m_doc->feed()->GetPostDescription(0), QString("<p>One &amp; only</p>"));

        // Typed back to where it began: no change, no step.
        QTest::keyClick(m_view->engine()->focusProxy(), Qt::Key_Backspace);
        QTest::keyClick(m_view->engine()->focusProxy(), Qt::Key_Backspace);
        QTRY_COMPARE(m_doc->feed()->GetPostDescription(1), QString("<p>Two</p>"));
        QVERIFY(!m_doc->IsModified());
        QCOMPARE(m_doc->undoStack()->count(), steps);
        QCOMPARE(m_doc->feed()->PrintToString(), original);

        // Undo and redo show the post's text in the page, and later typing
        // is carried over to that text, its footer included.
        type("richtext_edit", "xy");
        QTRY_VERIFY(m_doc->feed()->GetPostDescription(1).startsWith("<p>Twoxy</p>"));
        QVERIFY(CPostCommands(m_doc).OnCommand(ID_EDIT_UNDO));
        QTRY_COMPARE(pageText(m_view->engine(), kRichHtml), QString("<p>Two</p>"));
        QVERIFY(CPostCommands(m_doc).OnCommand(ID_EDIT_REDO));
        QTRY_VERIFY(pageText(m_view->engine(), kRichHtml).startsWith("<p>Twoxy</p>"));
        QTRY_VERIFY(m_view->engine()->isReported("richtext_edit"));
        selectInRichText(QStringLiteral("xy"));
        QTest::keyClicks(m_view->engine()->focusProxy(), QStringLiteral("Q"));
        QTRY_VERIFY2(m_doc->feed()->GetPostDescription(1).startsWith("<p>TwoQ</p>"), qPrintable(m_doc->feed()->GetPostDescription(1)));
        QCOMPARE(footers(1), 1);
        selectPost(0);

        selectPost(1);
        QCOMPARE(m_view->engine()->value("div_title").toString(), QString("Second post Q&A"));
    }

    // Regression: the undo stack tells of Undo and Redo at every key typed
    // (the key merges into the step before); both of the page's buttons
    // were written each time, and the page answered each write with a
    // report of the whole page, its description too.
    void typingDescription_pageReportsEachKeyOnce()
    {
        selectPost(1);
        type("richtext_edit", "x");
        QTRY_VERIFY(m_doc->feed()->GetPostDescription(1).startsWith("<p>Twox</p>"));
        // The first key makes the step, which the page's Undo button shows.
        QTRY_VERIFY(m_view->engine()->isReported("tb_undo"));
        QCOMPARE(m_view->engine()->elementState("tb_undo") & CHtmlEngineView::StateDisabled, 0u);

        QSignalSpy reports(m_view->engine(), &CHtmlEngineView::reported);
        const QString keys = QStringLiteral("abcdefgh");
        QTest::keyClicks(m_view->engine()->focusProxy(), keys);
        QTRY_VERIFY(m_doc->feed()->GetPostDescription(1).startsWith("<p>Twox" + keys + "</p>"));
        QVERIFY2(reports.count() <= 2 * keys.size(), qPrintable(QString::number(reports.count())));
    }

    void titleChangedElsewhereAndPickedLink_showAndStore()
    {
        selectPost(0);
        QVERIFY(m_doc->SetPostField(0, CRSSEditDoc::PostTitle, "Renamed"));
        QCOMPARE(m_view->engine()->value("div_title").toString(), QString("Renamed"));
        QTRY_COMPARE(pageText(m_view->engine(), kTitleText), QString("Renamed"));
        // Another post's title is not shown.
        QVERIFY(m_doc->SetPostField(1, CRSSEditDoc::PostTitle, "Other"));
        QCOMPARE(m_view->engine()->value("div_title").toString(), QString("Renamed"));

        // A link picked from the list is stored at once.
        evalJs(m_view->engine(),
               "Array.from(document.querySelectorAll('#select_link .option'))"
               ".find(o => o.textContent === 'http://example.org/2')"
               ".dispatchEvent(new MouseEvent('mousedown', { bubbles: true, cancelable: true }))");
        QTRY_COMPARE(m_doc->feed()->GetPostLink(0), QString("http://example.org/2"));
        QVERIFY(m_doc->IsModified());
    }

    // Regression: after Delete, the selection of the post that moved up first
    // committed the removed post's edited description into it. And the
    // editor kept showing a deleted post, taking typing that went nowhere.
    void deletingEditedPost_clearsPageAndLeavesNextPostAlone()
    {
        selectPost(0);
        type("richtext_edit", "zz");
        QTRY_VERIFY(m_doc->feed()->GetPostDescription(0).startsWith("<p>One &amp; onlyzz</p>"));
        QVERIFY(m_doc->RemovePost(0));
        QCOMPARE(m_view->shownPost(), -1);
        QVERIFY(!m_view->engine()->isEnabled());
        QCOMPARE(m_view->engine()->value("div_title").toString(), QString());
        QTRY_COMPARE(pageText(m_view->engine(), kRichHtml), QString());

        selectPost(0);
        QVERIFY(m_view->engine()->isEnabled());
        QCOMPARE(m_doc->feed()->GetPostDescription(0), QString("<p>Two</p>"));
        QCOMPARE(m_doc->feed()->GetPostTitle(0), QString("Second post"));
    }

    // Regression: typing in Link or Author left the feed unmodified, so
    // closing it dropped the edit without asking.
    void linkAuthorAndPreviewText_markModifiedAndAreCommitted()
    {
        for (const char *field : {"select_link", "select_author"}) {
            save();
            selectPost(0);
            type(field, "X");
            QTRY_VERIFY(m_doc->IsModified());
            selectPost(1);
        }
        QCOMPARE(m_doc->feed()->GetPostLink(0), QString("http://example.org/1X"));
        QCOMPARE(m_doc->feed()->GetPostAuthor(0), QString("AnnX"));

        // Regression: text typed in the code pane cleared the editor's edited
        // mark, so it never reached the feed.
        type("select_author", "by");
        QTRY_COMPARE(m_doc->feed()->GetPostAuthor(1), QString("Bobby"));
        // Code typed in the pane is stored as typed, then shown.
        const QString code = QStringLiteral("<P CLASS=x>From &#40;preview&#41;<BR/>\n</P>");
        m_doc->EditDescription(code);
        QCOMPARE(m_doc->feed()->GetPostDescription(1), code);
        QTRY_COMPARE(pageText(m_view->engine(), kRichHtml), QString("<p class=\"x\">From (preview)<br>\n</p>"));
        QCOMPARE(m_doc->feed()->GetPostAuthor(1), QString("Bobby"));
        QCOMPARE(m_doc->feed()->GetPostLink(1), QString("http://example.org/2"));
    }

    void toolbarButtons_imageDialogAndStrikeOut()
    {
        selectPost(1);
        CHtmlEngineView *engine = m_view->engine();
        QSignalSpy commands(m_view, &CRSSEditView::commandRequested);
        // Without a selection the Hyperlink button is greyed and does nothing;
        // the Image button opens its dialog.
        QTRY_COMPARE(evalJs(engine, "document.getElementById('tb_hyperlink').classList.contains('disabled')"), QVariant(true));
        evalJs(engine, "document.getElementById('tb_hyperlink').click()");
        bool imageDialog = false;
        whenModalShown([&](QDialog *dialog) { imageDialog = qobject_cast<CImageDlg *>(dialog) != nullptr; });
        evalJs(engine, "document.getElementById('tb_image').click()");
        QTRY_VERIFY(imageDialog);
        QCOMPARE(commands.count(), 0);

        engine->setElementState("richtext_edit", CHtmlEngineView::StateFocus, 0);
        evalJs(engine, "(function(){ const t = document.querySelector('#richtext_edit p').firstChild;"
                       " const r = document.createRange(); r.setStart(t, 0); r.setEnd(t, 3);"
                       " const s = getSelection(); s.removeAllRanges(); s.addRange(r); })()");
        QTRY_COMPARE(engine->selectionText("richtext_edit"), QString("Two"));
        evalJs(engine, "document.getElementById('tb_strikeout').click()");
        QTRY_VERIFY(engine->elementHtml("richtext_edit").contains("<s>Two</s>"));
        QTRY_VERIFY(m_doc->feed()->GetPostDescription(1).startsWith("<p><s>Two</s></p>"));
        QVERIFY(m_doc->IsModified());
        QTRY_COMPARE(engine->callMethod("richtext_edit", "getCurrentStyle").toMap().value("text-decoration").toString(),
                     QString("line-through"));
    }

    void editCommands_followRichTextAndActOnFocus()
    {
        selectPost(1);
        QVERIFY(focusAtEnd(m_view->engine(), "richtext_edit"));
        const auto enabled = [this](int id) {
            CommandState state;
            return m_view->OnUpdateCommand(id, &state) && state.enabled;
        };
        QTRY_VERIFY(!enabled(ID_EDIT_CUT)); // nothing selected
        QVERIFY(!m_view->OnUpdateCommand(ID_POST_ADD, nullptr)); // not the view's

        // Paste needs something on the clipboard; the view says when that, or
        // the page's selection, changes.
        QSignalSpy changes(m_view, &CRSSEditView::editStateChanged);
        QGuiApplication::clipboard()->clear();
        QVERIFY(!enabled(ID_EDIT_PASTE));
        QGuiApplication::clipboard()->setText(QStringLiteral("pasted"));
        QVERIFY(enabled(ID_EDIT_PASTE));
        QCOMPARE(changes.count(), 2);

        QVERIFY(m_view->OnCommand(ID_EDIT_SELECT_ALL));
        QTRY_VERIFY(enabled(ID_EDIT_CUT));
        QVERIFY(changes.count() > 2);
        QVERIFY(m_view->OnCommand(ID_EDIT_CUT));
        QTRY_COMPARE(QGuiApplication::clipboard()->text(), QString("Two"));
        QTRY_VERIFY(!pageText(m_view->engine(), kRichHtml).contains("Two"));
        // Undo is the document's, whose step the cut is; the page follows.
        QVERIFY(!m_view->OnUpdateCommand(ID_EDIT_UNDO, nullptr) && !m_view->OnCommand(ID_EDIT_UNDO));
        QTRY_VERIFY(m_doc->undoStack()->canUndo());
        m_doc->undo();
        QTRY_COMPARE(pageText(m_view->engine(), kRichHtml), QString("<p>Two</p>"));

        // With the focus in the title, the command acts on the title.
        QVERIFY(focusAtEnd(m_view->engine(), "div_title"));
        QTRY_COMPARE(m_view->engine()->focusElement(), QString("div_title"));
        QVERIFY(m_view->OnCommand(ID_EDIT_SELECT_ALL));
        QVERIFY(m_view->OnCommand(ID_EDIT_COPY));
        QTRY_COMPARE(QGuiApplication::clipboard()->text(), QString("Second post"));
    }

    // Each format toggles on the selection, checks its command and reaches
    // the feed as an undo step of its own; the marks follow the caret.
    void formatCommands_formatSelectionAndReachFeed()
    {
        QVERIFY(m_doc->SetPostField(2, CRSSEditDoc::PostDescription,
                                    QStringLiteral("<p>alpha beta gamma delta</p><p>list</p>")));
        selectPost(2);
        save();
        const int steps = m_doc->undoStack()->count();
        const auto state = [this](int id) {
            CommandState commandState;
            m_view->OnUpdateCommand(id, &commandState);
            return commandState;
        };
        struct Format
        {
            int id;
            const char *word;
            const char *markup;
            int flag;
        };
        const Format formats[] = {
            {ID_FORMAT_BOLD, "alpha", "<b>alpha</b>", CRSSEditView::StyleBold},
            {ID_FORMAT_ITALIC, "beta", "<i>beta</i>", CRSSEditView::StyleItalic},
            {ID_FORMAT_UNDERLINE, "gamma", "<u>gamma</u>", CRSSEditView::StyleUnderline},
            {ID_FORMAT_STRIKEOUT, "delta", "<s>delta</s>", CRSSEditView::StyleStrikeout},
        };
        for (const Format &format : formats) {
            selectInRichText(QLatin1String(format.word));
            QVERIFY(state(format.id).enabled);
            QVERIFY(state(format.id).checkable);
            QVERIFY(!state(format.id).checked);
            QVERIFY(m_view->OnCommand(format.id));
            QTRY_VERIFY2(m_view->engine()->elementHtml("richtext_edit").contains(QLatin1String(format.markup)),
                         qPrintable(m_view->engine()->elementHtml("richtext_edit")));
            QTRY_COMPARE(m_view->styleFlags(), format.flag);
            QVERIFY(state(format.id).checked);
            QVERIFY(m_doc->IsModified());
        }
        selectInRichText(QStringLiteral("list"));
        QTRY_COMPARE(m_view->styleFlags(), 0);
        QVERIFY(m_view->OnCommand(ID_FORMAT_UL_LIST));
        QTRY_VERIFY(m_view->engine()->elementHtml("richtext_edit").contains("<ul><li>list</li></ul>"));
        // Each format is a step of its own, apart from the typing around it.
        QTRY_COMPARE(m_doc->undoStack()->count(), steps + 5);
        QCOMPARE(m_doc->undoStack()->undoText(), QStringLiteral("Format Description"));

        // Outside the rich text the formats are off.
        QVERIFY(focusAtEnd(m_view->engine(), "div_title"));
        QTRY_VERIFY(!state(ID_FORMAT_BOLD).enabled);
        QVERIFY(state(ID_FORMAT_UL_LIST).enabled);

        selectPost(0);
        const QString stored = m_doc->feed()->GetPostDescription(2);
        QVERIFY2(stored.startsWith("<p><b>alpha</b> <i>beta</i> <u>gamma</u> <s>delta</s></p>"), qPrintable(stored));
        QVERIFY2(stored.contains("<ul><li>list</li></ul>"), qPrintable(stored));
        QCOMPARE(footers(2), 1);
    }

    // Each formatting command on a description and selection ("[" and "]"
    // mark the selection in the text) gives plain, valid HTML: no list in
    // a paragraph, no style the engine made up, no &nbsp; for a space.
    void formatCommands_writePlainHtml_data()
    {
        // Toolbar buttons' commands or command ids, run in turn.
        QTest::addColumn<QString>("commands");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::newRow("strong") << "strong" << "<p>one [two] three</p>" << "<p>one <b>two</b> three</p>";
        QTest::newRow("em") << "em" << "<p>one [two] three</p>" << "<p>one <i>two</i> three</p>";
        QTest::newRow("strike") << QString::number(ID_FORMAT_STRIKEOUT) << "<p>one [two] three</p>"
                                << "<p>one <s>two</s> three</p>";
        QTest::newRow("code") << "code" << "<p>one [two] three</p>" << "<p>one <code>two</code> three</p>";
        QTest::newRow("code off") << "code" << "<p>one <code>t[w]o</code> three</p>" << "<p>one two three</p>";
        QTest::newRow("p") << "p" << "<h1>[Head]</h1>" << "<p>Head</p>";
        for (const char *heading : {"h1", "h2", "h3", "h4"})
            QTest::newRow(heading) << heading << "<p>[Head] line</p>" << QString("<%1>Head line</%1>").arg(heading);
        QTest::newRow("pre") << "pre" << "<p>[a  b]</p>" << "<pre>a  b</pre>";
        QTest::newRow("ul") << QString::number(ID_FORMAT_UL_LIST) << "<p>one</p><p>[item]</p><p>three</p>"
                            << "<p>one</p><ul><li>item</li></ul><p>three</p>";
        QTest::newRow("ol") << "li-ol" << "<p>[item a</p><p>b]</p>" << "<ol><li>item a</li><li>b</li></ol>";
        QTest::newRow("ul in lines") << "li-ul" << "<p>one<br>[two]<br>three</p>"
                                     << "<p>one</p><ul><li>two</li></ul><p>three</p>";
        QTest::newRow("ul, remove nbsp") << QString("%1,%2").arg(ID_FORMAT_UL_LIST).arg(ID_REMOVE_NBSP)
                                         << "<p>[a&nbsp;b]</p>" << "<ul><li>a b</li></ul>";
        QTest::newRow("indent") << "indent-inc" << "<p>[text]</p>" << "<blockquote><p>text</p></blockquote>";
        QTest::newRow("indent in list") << "indent-inc" << "<ul><li>a</li><li>[b]</li></ul>"
                                        << "<ul><li>a<ul><li>b</li></ul></li></ul>";
        QTest::newRow("outdent") << "indent-dec" << "<blockquote><p>[text]</p></blockquote>" << "<p>text</p>";
        QTest::newRow("link") << QString::number(ID_INSERT_HYPERLINK) << "<p><b><i>[Description]</i></b> 1 more</p>"
                              << "<p><a href=\"http://example.org/d\"><b><i>Description</i></b></a> 1 more</p>";
        QTest::newRow("link in text") << QString::number(ID_INSERT_HYPERLINK) << "<p>a [b c] d</p>"
                                      << "<p>a <a href=\"http://example.org/d\">b c</a> d</p>";
    }

    void formatCommands_writePlainHtml()
    {
        QFETCH(QString, commands);
        QFETCH(QString, before);
        QFETCH(QString, after);
        selectPost(0);
        CHtmlEngineView *engine = m_view->engine();
        setRichTextWithSelection(before);
        for (const QString &command : commands.split(',')) {
            bool isId = false;
            const int id = command.toInt(&isId);
            if (id == ID_INSERT_HYPERLINK) {
                whenModalShown([](QDialog *dialog) {
                    dialog->findChild<QLineEdit *>("url")->setText("http://example.org/d");
                    dialog->accept();
                });
            }
            const QString shown = engine->value("richtext_edit").toString();
            if (isId)
                QVERIFY(m_view->OnCommand(id));
            else
                evalJs(engine, QString("document.querySelector(\"[data-command='richtext:%1']\").click()").arg(command));
            QTRY_VERIFY(engine->value("richtext_edit").toString() != shown);
        }
        // A clean-up shows the stored description, with the test's footer.
        const auto withoutFooter = [](const QString &html) { return html.left(html.indexOf("<br><br><p><!-- advertisement -->")); };
        QTRY_COMPARE(withoutFooter(pageText(engine, kRichHtml)), after);
        QTRY_COMPARE(withoutFooter(engine->value("richtext_edit").toString()), after);
    }

    // Both clean-ups clean the stored text and show the result; one with
    // nothing to clean is no change and no step.
    void cleanUpCommands_cleanStoredDescription()
    {
        QVERIFY(m_doc->SetPostField(2, CRSSEditDoc::PostDescription,
                                    QStringLiteral("<p style=\"color: red;\">A&nbsp;&nbsp;<span class=\"x\">B</span></p>")));
        selectPost(2);
        save();

        QVERIFY(m_view->OnCommand(ID_REMOVE_SPANS_AND_STYLES));
        QString stored = m_doc->feed()->GetPostDescription(2);
        QVERIFY2(stored.startsWith("<p >A&nbsp;&nbsp;B</p><BR><BR><P><!-- advertisement -->"), qPrintable(stored));
        QVERIFY(m_doc->IsModified());
        QCOMPARE(m_view->engine()->value("richtext_edit").toString(), stored);
        QTRY_VERIFY(pageText(m_view->engine(), kRichHtml).startsWith("<p>A&nbsp;&nbsp;B</p>"));

        QVERIFY(m_view->OnCommand(ID_REMOVE_NBSP));
        stored = m_doc->feed()->GetPostDescription(2);
        QVERIFY2(stored.startsWith("<p >A  B</p>"), qPrintable(stored));
        QTRY_VERIFY(pageText(m_view->engine(), kRichHtml).startsWith("<p>A  B</p>"));

        // Nothing left to clean.
        save();
        const int steps = m_doc->undoStack()->count();
        QVERIFY(m_view->OnCommand(ID_REMOVE_SPANS_AND_STYLES));
        QVERIFY(m_view->OnCommand(ID_REMOVE_NBSP));
        QVERIFY(!m_doc->IsModified());
        QCOMPARE(m_doc->undoStack()->count(), steps);
        QCOMPARE(m_doc->feed()->GetPostDescription(2), stored);
        QCOMPARE(footers(2), 1);
    }

    // Regression: a script whose text reads like a tag hid the footer from the
    // next commit, and each commit through the editor added one more.
    void footer_editedWithScriptStaysSingle()
    {
        QVERIFY(m_doc->SetPostField(2, CRSSEditDoc::PostDescription,
                                    QStringLiteral("<p>x</p><script>if (a <b && c == \"x\") {}</script>")));
        QCOMPARE(footers(2), 1);
        for (int i = 0; i < 3; ++i) {
            selectPost(2);
            selectInRichText(QString());
            QTest::keyClicks(m_view->engine()->focusProxy(), QStringLiteral("y"));
            QTRY_VERIFY(m_doc->feed()->GetPostDescription(2).startsWith(QStringLiteral("<p>x") + QString(i + 1, u'y')));
            selectPost(1);
            QCOMPARE(footers(2), 1);
        }
        const QString stored = m_doc->feed()->GetPostDescription(2);
        QVERIFY2(stored.startsWith("<p>xyyy</p><script>if (a <b && c == \"x\") {}</script>"), qPrintable(stored));

        // Duplicate renews the footer the editor wrote back in lower case.
        selectPost(2);
        QVERIFY(CPostCommands(m_doc).OnCommand(ID_POST_DUPLICATE));
        QCOMPARE(m_doc->currentPost(), 0);
        QCOMPARE(footers(0), 1);
        QVERIFY2(m_doc->feed()->GetPostDescription(0).endsWith(MakePostFooter("Mine")),
                 qPrintable(m_doc->feed()->GetPostDescription(0)));
    }

    // While the user types, the paragraph with the caret takes the keys on
    // its own, so that a key in a long description costs what a key in a
    // short one does. Keys that reach past the paragraph, a select-all and
    // the program's writes act on the whole text, as they would without it,
    // and nothing of the arrangement reaches the stored description.
    void typingWithPauses_keysReachingPastTheParagraphActOnTheWholeText()
    {
        CHtmlEngineView *engine = m_view->engine();
        const QString original = QStringLiteral("<p>One</p><p>Two words</p><h2>Head</h2>");
        const auto stored = [&](const QString &html) {
            QTRY_COMPARE(m_doc->feed()->GetPostDescription(2), html);
            QCOMPARE(pageText(engine, kRichHtml), html);
        };
        m_doc->setDescriptionFilter(nullptr);
        QVERIFY(m_doc->SetPostField(2, CRSSEditDoc::PostDescription, original));
        m_doc->undoStack()->clear(); // the typing's step is its own
        selectPost(2);
        QTRY_VERIFY(engine->isReported("richtext_edit"));
        selectInRichText(QString());
        typeSlowly(QStringLiteral("abc"));
        stored(QStringLiteral("<p>Oneabc</p><p>Two words</p><h2>Head</h2>"));
        QTRY_COMPARE(pageText(engine, "document.activeElement.nodeName"), QString("P"));
        QCOMPARE(pageText(engine, "getComputedStyle(document.activeElement).outlineStyle"), QString("none"));
        QCOMPARE(evalJs(engine, "document.querySelector('[data-command=\"richtext:p\"]').classList.contains('checked')").toBool(), true);

        // The undo's write makes the whole text editable again, and the
        // caret stays where the undone letters began.
        m_doc->undo();
        QTRY_COMPARE(pageText(engine, kRichHtml), original);
        QCOMPARE(pageText(engine, "getComputedStyle(document.getElementById('richtext_edit')).webkitUserModify"),
                 QString("read-write"));
        typeSlowly(QStringLiteral("!"));
        stored(QStringLiteral("<p>One!</p><p>Two words</p><h2>Head</h2>"));
        pressSlowly(Qt::Key_Backspace);
        stored(original);

        pressSlowly(Qt::Key_Return);
        typeSlowly(QStringLiteral("new"));
        stored(QStringLiteral("<p>One</p><p>new</p><p>Two words</p><h2>Head</h2>"));
        for (int i = 0; i < 4; ++i)
            pressSlowly(Qt::Key_Backspace);
        stored(original);
        pressSlowly(Qt::Key_Right);
        typeSlowly(QStringLiteral("X"));
        stored(QStringLiteral("<p>One</p><p>XTwo words</p><h2>Head</h2>"));
        pressSlowly(Qt::Key_Backspace);
        pressSlowly(Qt::Key_Backspace);
        stored(QStringLiteral("<p>OneTwo words</p><h2>Head</h2>"));
        pressSlowly(Qt::Key_A, Qt::ControlModifier);
        typeSlowly(QStringLiteral("Z"));
        stored(QStringLiteral("<p>Z</p>"));

        // Not while an assistive technology reads the page: it would
        // announce the focus moving at every pause.
        QAccessible::setActive(true);
        const auto inactive = qScopeGuard([] { QAccessible::setActive(false); });
        typeSlowly(QStringLiteral("q"));
        stored(QStringLiteral("<p>Zq</p>"));
        QCOMPARE(pageText(engine, "document.activeElement.id"), QString("richtext_edit"));
    }

    // A word typed at the start, in the middle and at the end of a
    // description of every corpus feed, and of the project's own feeds of
    // kinds the corpus lacks: the saved file is the original with exactly
    // the typed letters put in, however the description is written.
    void descriptionFeeds_wordsTypedInThreePlacesInsertOnlyTheirLetters()
    {
        QStringList paths;
        const QDir corpus(QStringLiteral(TIDREL_CORPUS_DIR "/rss"));
        for (const QFileInfo &file : corpus.entryInfoList(QDir::Files, QDir::Name))
            paths.append(file.filePath());
        const QDir own(QStringLiteral(TIDREL_EDITOR_DATA "/descriptions"));
        for (const QFileInfo &file : own.entryInfoList({QStringLiteral("*.xml")}, QDir::Files, QDir::Name))
            paths.append(file.filePath());
        m_doc->setDescriptionFilter(nullptr);
        const QRegularExpression word(QStringLiteral("\\p{L}{4,}"));
        const QString typed = QStringLiteral("Tidrel");
        QStringList failures;
        int feeds = 0;
        for (const QString &source : paths) {
            const QString name = QFileInfo(source).fileName();
            const QString path = m_dir.filePath(name);
            QFile::remove(path);
            QVERIFY(QFile::copy(source, path));
            QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
            QVERIFY2(m_doc->OnOpenDocument(path), qPrintable(name));
            int post = 0;
            while (post < m_doc->feed()->GetPostCount() && !word.match(m_doc->feed()->GetPostPlainDescription(post)).hasMatch())
                ++post;
            if (post == m_doc->feed()->GetPostCount())
                continue;
            const QByteArray original = readFile(path);
            selectPost(post);
            QTRY_VERIFY(m_view->engine()->isReported(QStringLiteral("richtext_edit")));
            int inserted = 0;
            for (const QString &where : {QStringLiteral("end"), QStringLiteral("middle"), QStringLiteral("start")}) {
                if (!putCaretInRichText(where))
                    continue;
                QTest::keyClicks(m_view->engine()->focusProxy(), typed);
                ++inserted;
                // The word may be whole before its last key lands ("Tidre" before "live").
                QTRY_VERIFY2_WITH_TIMEOUT(m_doc->feed()->GetPostDescription(post).count(typed) == inserted
                                              && m_view->engine()->isSettled(),
                                          qPrintable(name + QLatin1Char(' ') + where + QLatin1Char(' ') + m_doc->feed()->GetPostDescription(post).left(300)), 10000);
            }
            QString error;
            QVERIFY2(m_doc->OnSaveDocument(path, &error), qPrintable(error));
            const QString changed = wordsInsertedOnly(original, readFile(path), encodedLike(original, typed), inserted);
            if (!changed.isEmpty())
                failures.append(QStringLiteral("%1, post %2: %3").arg(name).arg(post).arg(changed));
            ++feeds;
        }
        for (const QString &failure : failures)
            qWarning().noquote() << failure;
        QVERIFY2(failures.isEmpty(), qPrintable(QStringLiteral("%1 feeds changed more than the typed letters").arg(failures.size())));
        QVERIFY(feeds > 30);
    }

    // An empty title or description shows what to type there as a hint,
    // which is not its text.
    void emptyTitleAndDescription_showHintsNotText()
    {
        QVERIFY(CPostCommands(m_doc).OnCommand(ID_POST_ADD));
        QVERIFY(m_doc->SetPostField(0, CRSSEditDoc::PostTitle, QString()));
        selectPost(0);
        CHtmlEngineView *engine = m_view->engine();
        const QString hint = QStringLiteral("getComputedStyle(document.getElementById('%1'), '::before').content");
        QTRY_COMPARE(pageText(engine, hint.arg("div_title")), QStringLiteral("\"Type RSS item title here\u2026\""));
        QTRY_COMPARE(pageText(engine, hint.arg("richtext_edit")), QStringLiteral("\"Type description of RSS item here\u2026\""));
        QCOMPARE(pageText(engine, kRichHtml), QString());
        QCOMPARE(engine->value("div_title").toString(), QString());
    }

private:
    // Selects the first word of four letters or more in the rich text's
    // text (scripts and styles left out); false when there is none.
    bool selectWordInRichText()
    {
        m_view->setFocus();
        const QString script = QStringLiteral(
            "(function(){ const e = document.getElementById('richtext_edit'); e.focus();"
            " const w = document.createTreeWalker(e, NodeFilter.SHOW_TEXT);"
            " while (w.nextNode()) { const n = w.currentNode;"
            "   if (n.parentNode.closest('script, style')) continue;"
            "   const m = /\\p{L}{4,}/u.exec(n.data); if (!m) continue;"
            "   const r = document.createRange(); r.setStart(n, m.index); r.setEnd(n, m.index + m[0].length);"
            "   getSelection().removeAllRanges(); getSelection().addRange(r); return true; }"
            " return false; })()");
        return evalJs(m_view->engine(), script).toBool()
            && QTest::qWaitFor([this] { return !m_view->engine()->selectionText(QStringLiteral("richtext_edit")).isEmpty(); }, 5000)
            && QTest::qWaitFor([this] { return m_view->engine()->focusElement() == QStringLiteral("richtext_edit"); }, 5000);
    }

    // Puts the caret in the rich text's visible text: before its first
    // character ("start"), after its last ("end") or between two letters
    // half way ("middle"). False when there is no such place.
    bool putCaretInRichText(const QString &where)
    {
        m_view->setFocus();
        const QString script = QStringLiteral(
            "(function(where){ const e = document.getElementById('richtext_edit'); e.focus();"
            " const w = document.createTreeWalker(e, NodeFilter.SHOW_TEXT);"
            " const nodes = []; while (w.nextNode()) { const n = w.currentNode;"
            "   if (/\\S/.test(n.data) && !n.parentNode.closest('script, style')) nodes.push(n); }"
            " if (!nodes.length) return false; let node, at = -1;"
            " if (where === 'start') { node = nodes[0]; at = node.data.search(/\\S/); }"
            " else if (where === 'end') { node = nodes[nodes.length - 1]; at = node.data.search(/\\s*$/); }"
            " else { for (let i = Math.floor(nodes.length / 2); i < nodes.length && at < 0; ++i) {"
            "   node = nodes[i]; const half = Math.floor(node.data.length / 2);"
            "   const m = /\\p{L}\\p{L}/u.exec(node.data.slice(half)); if (m) at = half + m.index + 1; } }"
            " if (at < 0) return false;"
            " const r = document.createRange(); r.setStart(node, at); r.collapse(true);"
            " getSelection().removeAllRanges(); getSelection().addRange(r); return true; })('%1')").arg(where);
        return evalJs(m_view->engine(), script).toBool()
            && QTest::qWaitFor([this] { return m_view->engine()->focusElement() == QStringLiteral("richtext_edit"); }, 5000);
    }

    // Whether `after` is `before` with `count` more of `word` put in and
    // nothing else changed; else what changed, for the failure's message.
    static QString wordsInsertedOnly(const QByteArray &before, const QByteArray &after, const QByteArray &word, int count)
    {
        const auto matches = SequenceDiff::matches(int(before.size()), int(after.size()),
                                                   [&](int i, int j) { return before[i] == after[j]; });
        if (qsizetype(matches.size()) == before.size() && after.size() == before.size() + count * word.size()
            && after.count(word) == before.count(word) + count)
            return QString();
        // Each place where bytes of `before` are gone, with what stands there now.
        QStringList places;
        int i = 0, j = 0;
        const auto shown = [](const QByteArray &bytes) {
            return QString::fromLatin1(bytes.left(120).toPercentEncoding(" <>/=\"\n[]!;:,.-_()"));
        };
        for (const auto &[a, b] : matches) {
            if (a > i && places.size() < 4)
                places.append(QStringLiteral("\"%1\" became \"%2\" after \"%3\"")
                                  .arg(shown(before.mid(i, a - i)), shown(after.mid(j, b - j)), shown(before.mid(qMax(0, i - 30), qMin(i, 30)))));
            i = a + 1;
            j = b + 1;
        }
        if (i < before.size())
            places.append(QStringLiteral("the end \"%1\" became \"%2\"").arg(shown(before.mid(i)), shown(after.mid(j))));
        return places.isEmpty() ? QStringLiteral("only letters added, but not the typed words") : places.join(QStringLiteral("; "));
    }

    // `text` in the encoding of a file like `file`: UTF-16 with its
    // byte-order mark's order, else ASCII.
    static QByteArray encodedLike(const QByteArray &file, const QString &text)
    {
        if (file.startsWith("\xff\xfe") || file.startsWith("\xfe\xff")) {
            QStringEncoder encoder(file.startsWith("\xff\xfe") ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
            return encoder.encode(text);
        }
        return text.toLatin1();
    }

    // Saved: the state the file has, as the program reaches it.
    void save() { QVERIFY(m_doc->OnSaveDocument(m_doc->path())); }

    void selectPost(int index)
    {
        m_doc->selection()->select(index);
        QCOMPARE(m_doc->currentPost(), index);
        // The page has applied the load once it shows the post's title.
        const QString title = m_doc->feed()->GetPostTitle(index);
        QTRY_COMPARE(pageText(m_view->engine(), kTitleText), title);
        QTRY_COMPARE(m_view->engine()->value("div_title").toString(), title);
    }

    // Selects the first occurrence of `text` in the rich text, which gets
    // the focus; an empty `text` puts the caret at the end of its first
    // paragraph.
    void selectInRichText(const QString &text)
    {
        CHtmlEngineView *engine = m_view->engine();
        m_view->setFocus();
        const QString script = QStringLiteral(
            "(function(){ const e = document.getElementById('richtext_edit'); e.focus(); const r = document.createRange();"
            " if ('%1' === '') { r.selectNodeContents(e.querySelector('p')); r.collapse(false); } else {"
            " const w = document.createTreeWalker(e, NodeFilter.SHOW_TEXT); let found = false;"
            " while (!found && w.nextNode()) { const at = w.currentNode.data.indexOf('%1');"
            "   if (at >= 0) { r.setStart(w.currentNode, at); r.setEnd(w.currentNode, at + %2); found = true; } }"
            " if (!found) return false; }"
            " getSelection().removeAllRanges(); getSelection().addRange(r); return true; })()")
                                   .arg(text)
                                   .arg(text.size());
        QVERIFY(evalJs(engine, script).toBool());
        QTRY_COMPARE(engine->selectionText(QStringLiteral("richtext_edit")), text);
        QTRY_COMPARE(engine->focusElement(), QStringLiteral("richtext_edit"));
    }

    // Shows `html` in the rich text with the text between "[" and "]"
    // selected ("]" alone: from the start of the text).
    void setRichTextWithSelection(const QString &html)
    {
        CHtmlEngineView *engine = m_view->engine();
        const QString plain = QString(html).remove('[').remove(']');
        engine->setValue("richtext_edit", plain);
        QTRY_COMPARE(pageText(engine, kRichHtml), plain);
        m_view->setFocus();
        const QString script = QStringLiteral(
            "(function(){ const e = document.getElementById('richtext_edit'); e.innerHTML = %1; e.focus();"
            " const r = document.createRange(); r.setStart(e, 0);"
            " const w = document.createTreeWalker(e, NodeFilter.SHOW_TEXT); const marks = [];"
            " while (w.nextNode()) marks.push(w.currentNode);"
            " for (const n of marks) for (const c of '[]') { const at = n.data.indexOf(c);"
            "   if (at >= 0) { n.deleteData(at, 1); if (c === '[') r.setStart(n, at); else r.setEnd(n, at); } }"
            " getSelection().removeAllRanges(); getSelection().addRange(r); return r.toString(); })()")
                                   .arg(jsString(html));
        const QString selected = evalJs(engine, script).toString();
        QTRY_COMPARE(engine->selectionText(QStringLiteral("richtext_edit")), selected);
        QTRY_COMPARE(engine->focusElement(), QStringLiteral("richtext_edit"));
    }

    static QString jsString(const QString &text)
    {
        return QLatin1Char('"') + QString(text).replace("\\", "\\\\").replace("\"", "\\\"") + QLatin1Char('"');
    }

    int footers(int post) const
    {
        return int(m_doc->feed()->GetPostDescription(post).count(QStringLiteral("<!-- advertisement -->")));
    }

    void type(const QString &elementId, const QString &text)
    {
        // A drop-down takes the keys in its text field.
        const QString dropDownField = QStringLiteral(
            "(function(){ const e = document.querySelector('#%1 input'); e.focus();"
            " e.setSelectionRange(e.value.length, e.value.length);"
            " return document.activeElement === e; })()").arg(elementId);
        if (elementId.startsWith("select_"))
            QVERIFY(QTest::qWaitFor([&] { return evalJs(m_view->engine(), dropDownField).toBool(); }, 5000));
        else
            QVERIFY(focusAtEnd(m_view->engine(), elementId));
        QTest::keyClicks(m_view->engine()->focusProxy(), text);
    }

    // Keys as a steady typist presses them: each once the page has taken
    // the one before and had a pause.
    void pressSlowly(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(m_view->engine()->focusProxy(), key, modifiers);
        QTRY_VERIFY(m_view->engine()->isSettled());
        QTest::qWait(80);
    }

    void typeSlowly(const QString &text)
    {
        for (const QChar c : text) {
            QTest::keyClick(m_view->engine()->focusProxy(), c.toLatin1());
            QTRY_VERIFY(m_view->engine()->isSettled());
            QTest::qWait(80);
        }
    }

    QTemporaryDir m_dir;
    CRSSEditDoc *m_doc = nullptr;
    CRSSEditView *m_view = nullptr;
};

QTEST_MAIN(TestRSSEditView)
#include "tst_rsseditview.moc"
