#include "WindowTestSupport.h"

#include "document/PostCommands.h"
#include "document/PostFooter.h"
#include "editor/ImageDlg.h"

#include <QClipboard>
#include <QDir>
#include <QImage>
#include <QSignalSpy>

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
        m_doc->addView(&m_recorder);
        m_view = new CRSSEditView(m_doc);
        m_view->resize(900, 640);
        m_view->show();
        QString error;
        QVERIFY2(m_doc->OnOpenDocument(path, &error), qPrintable(error));
        QTRY_VERIFY_WITH_TIMEOUT(m_view->engine()->isReady(), 20000);
        m_recorder.notes.clear();
    }

    void cleanup()
    {
        delete m_view;
        m_view = nullptr;
        delete m_doc;
        m_doc = nullptr;
    }

    void selectPost_showsFinishedEditorAndCommitsNothingUnedited()
    {
        selectPost(0);
        CHtmlEngineView *engine = m_view->engine();
        QTRY_COMPARE(pageText(engine, kRichHtml), QString("<p>One &amp; only</p>"));
        QCOMPARE(pageText(engine, kLinkText), QString("http://example.org/1"));
        QCOMPARE(pageText(engine, kAuthorText), QString("Ann"));
        QVERIFY(!m_view->isEditorDirty());

        // The toolbar's icons are drawn once their images have loaded.
        QTRY_COMPARE(evalJs(m_view->engine(),
                            "Array.from(document.images).every(i => i.complete && i.naturalWidth > 0)").toBool(), true);
        // A page that has painted shows many colours: text, icons, borders.
        QImage image;
        QTRY_VERIFY_WITH_TIMEOUT((image = m_view->grab().toImage(), distinctColours(image) > 50), 10000);
        const QString folder = qEnvironmentVariable("TIDREL_SCREENSHOT_DIR");
        if (!folder.isEmpty())
            QVERIFY(image.save(QDir(folder).filePath("editor.png")));

        // Leaving and committing a post nobody edited changes nothing.
        const QByteArray before = m_doc->feed()->PrintToString();
        selectPost(1);
        m_doc->Notify(nullptr, HINT_COMMIT_POST, 1);
        QCOMPARE(m_doc->feed()->PrintToString(), before);
        QVERIFY(!m_doc->IsModified());
    }

    // Regression: a post without a link or author showed the previous post's,
    // and the next commit stored them into it.
    void emptyLinkAndAuthor_showEmptyAndStoreNone()
    {
        selectPost(1);
        selectPost(0);
        selectPost(2);
        QCOMPARE(m_view->engine()->value("select_link").toString(), QString());
        QTRY_COMPARE(pageText(m_view->engine(), kLinkText), QString());
        QCOMPARE(m_view->engine()->value("select_author").toString(), QString());
        QTRY_COMPARE(pageText(m_view->engine(), kAuthorText), QString());
        m_doc->Notify(nullptr, HINT_COMMIT_POST, 2);
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
        m_doc->Notify(nullptr, HINT_COMMIT_POST, 0);
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
        QTRY_COMPARE(pageText(engine, "document.activeElement.id"), QString("richtext_edit"));
    }

    // Regression: the title was stored as markup, so "&" came back escaped once
    // more at every load.
    void typingTitleAndDescription_storePlainTitleAtOnceTextAtCommit()
    {
        selectPost(1);
        type("div_title", " Q&A");
        QTRY_COMPARE(m_doc->feed()->GetPostTitle(1), QString("Second post Q&A"));
        QVERIFY(m_doc->IsModified());
        QCOMPARE(m_doc->feed()->GetPostDescription(1), QString("<p>Two</p>"));

        // The description is stored only when the post is left, through the
        // footer filter.
        m_doc->SetModifiedFlag(false);
        type("richtext_edit", "xy");
        QTRY_VERIFY(m_view->isEditorDirty());
        QVERIFY(m_doc->IsModified());
        QTRY_COMPARE(m_recorder.lastData(HINT_DESCRIPTION_EDITED).toString(), QString("<p>Twoxy</p>"));
        QCOMPARE(m_doc->feed()->GetPostDescription(1), QString("<p>Two</p>"));
        selectPost(0);
        const QString stored = m_doc->feed()->GetPostDescription(1);
        QVERIFY2(stored.startsWith("<p>Twoxy</p>"), qPrintable(stored));
        QVERIFY(HasPostFooter(stored));
        QCOMPARE(m_doc->feed()->GetPostDescription(0), QString("<p>One &amp; only</p>"));

        selectPost(1);
        QCOMPARE(m_view->engine()->value("div_title").toString(), QString("Second post Q&A"));
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
        QTRY_VERIFY(m_view->isEditorDirty());
        QVERIFY(m_doc->RemovePost(0));
        QCOMPARE(m_view->shownPost(), -1);
        QVERIFY(!m_view->engine()->isEnabled());
        QVERIFY(!m_view->isEditorDirty());
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
            m_doc->SetModifiedFlag(false);
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
        m_doc->EditDescription(&m_recorder, QString("<p>From preview</p>"));
        QVERIFY(m_view->isEditorDirty());
        QTRY_COMPARE(pageText(m_view->engine(), kRichHtml), QString("<p>From preview</p>"));

        m_doc->Notify(nullptr, HINT_COMMIT_POST, 1);
        const QString stored = m_doc->feed()->GetPostDescription(1);
        QVERIFY2(stored.startsWith("<p>From preview</p>"), qPrintable(stored));
        QVERIFY(HasPostFooter(stored));
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
        QTRY_VERIFY(engine->elementHtml("richtext_edit").contains("<strike>Two</strike>"));
        QVERIFY(m_doc->IsModified());
        QTRY_VERIFY(m_view->isEditorDirty());
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
        QTRY_VERIFY(enabled(ID_EDIT_UNDO));
        QVERIFY(m_view->OnCommand(ID_EDIT_UNDO));
        QTRY_COMPARE(pageText(m_view->engine(), kRichHtml), QString("<p>Two</p>"));

        // With the focus in the title, the command acts on the title.
        QVERIFY(focusAtEnd(m_view->engine(), "div_title"));
        QTRY_COMPARE(m_view->engine()->focusElement(), QString("div_title"));
        QVERIFY(m_view->OnCommand(ID_EDIT_SELECT_ALL));
        QVERIFY(m_view->OnCommand(ID_EDIT_COPY));
        QTRY_COMPARE(QGuiApplication::clipboard()->text(), QString("Second post"));
    }

    // Each format toggles on the selection, checks its command and reaches
    // the feed at the commit; the marks follow the caret.
    void formatCommands_formatSelectionAndReachFeed()
    {
        QVERIFY(m_doc->SetPostField(2, CRSSEditDoc::PostDescription,
                                    QStringLiteral("<p>alpha beta gamma delta</p><p>list</p>")));
        selectPost(2);
        m_doc->SetModifiedFlag(false);
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
            {ID_FORMAT_STRIKEOUT, "delta", "<strike>delta</strike>", CRSSEditView::StyleStrikeout},
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

        // Outside the rich text the formats are off.
        QVERIFY(focusAtEnd(m_view->engine(), "div_title"));
        QTRY_VERIFY(!state(ID_FORMAT_BOLD).enabled);
        QVERIFY(state(ID_FORMAT_UL_LIST).enabled);

        selectPost(0);
        const QString stored = m_doc->feed()->GetPostDescription(2);
        QVERIFY2(stored.startsWith("<p><b>alpha</b> <i>beta</i> <u>gamma</u> <strike>delta</strike></p>"), qPrintable(stored));
        QVERIFY2(stored.contains("<ul><li>list</li></ul>"), qPrintable(stored));
        QCOMPARE(footers(2), 1);
    }

    // Both clean-ups store what the editor shows, clean the stored text and
    // show the result; one with nothing to clean leaves the stored text.
    void cleanUpCommands_cleanStoredDescription()
    {
        QVERIFY(m_doc->SetPostField(2, CRSSEditDoc::PostDescription,
                                    QStringLiteral("<p style=\"color: red;\">A&nbsp;&nbsp;<span class=\"x\">B</span></p>")));
        selectPost(2);
        m_doc->SetModifiedFlag(false);
        m_recorder.notes.clear();

        QVERIFY(m_view->OnCommand(ID_REMOVE_SPANS_AND_STYLES));
        QString stored = m_doc->feed()->GetPostDescription(2);
        QVERIFY2(stored.startsWith("<p >A&nbsp;&nbsp;B</p><br><br><p><!-- advertisement -->"), qPrintable(stored));
        QVERIFY(m_doc->IsModified());
        QVERIFY(!m_view->isEditorDirty());
        QCOMPARE(m_view->engine()->value("richtext_edit").toString(), stored);
        QTRY_VERIFY(pageText(m_view->engine(), kRichHtml).startsWith("<p>A&nbsp;&nbsp;B</p>"));
        QVERIFY(m_recorder.lastData(HINT_DESCRIPTION_EDITED).toString().startsWith("<p >A&nbsp;&nbsp;B</p>"));

        QVERIFY(m_view->OnCommand(ID_REMOVE_NBSP));
        stored = m_doc->feed()->GetPostDescription(2);
        QVERIFY2(stored.startsWith("<p>A  B</p>"), qPrintable(stored));
        QTRY_VERIFY(pageText(m_view->engine(), kRichHtml).startsWith("<p>A  B</p>"));

        // Nothing left to clean: the editor's text is stored, once.
        QVERIFY(m_view->OnCommand(ID_REMOVE_SPANS_AND_STYLES));
        QVERIFY(m_view->OnCommand(ID_REMOVE_NBSP));
        QCOMPARE(footers(2), 1);
        QVERIFY(HasPostFooter(m_doc->feed()->GetPostDescription(2)));
        QVERIFY(m_doc->feed()->GetPostDescription(2).startsWith("<p>A  B</p>"));
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
            QTRY_VERIFY(m_view->isEditorDirty());
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

private:
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

    QTemporaryDir m_dir;
    CRSSEditDoc *m_doc = nullptr;
    CRSSEditView *m_view = nullptr;
    RecordingObserver m_recorder;
};

QTEST_MAIN(TestRSSEditView)
#include "tst_rsseditview.moc"
