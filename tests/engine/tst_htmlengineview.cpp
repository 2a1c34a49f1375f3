#include "WindowTestSupport.h"

#include "engine/ElementMirror.h"

#include <QSignalSpy>

namespace {

const QString kPage = QStringLiteral(":/test/page.html");
const QString kPickText = QStringLiteral("document.querySelector('#pick input').value");
const QString kPickOptions =
    QStringLiteral("Array.from(document.querySelectorAll('#pick .option'), o => o.textContent)");

bool hasEvent(const QSignalSpy &spy, int code, const QString &id)
{
    for (const QList<QVariant> &arguments : spy) {
        if (arguments.at(0).toInt() == code && arguments.at(1).toString() == id)
            return true;
    }
    return false;
}

// Selects the characters [start, end) of the first text node of an element.
QString selectTextScript(const QString &id, int start, int end)
{
    return QStringLiteral("(function(){ const e = document.getElementById('%1'); e.focus();"
                          " let n = e; while (n.firstChild) n = n.firstChild;"
                          " const r = document.createRange(); r.setStart(n, %2); r.setEnd(n, %3);"
                          " const s = getSelection(); s.removeAllRanges(); s.addRange(r); return true; })()")
        .arg(id).arg(start).arg(end);
}

QVariantMap snapshot(const QString &html)
{
    return { { "tag", "div" }, { "behavior", "richtext" }, { "value", html }, { "markedHtml", html } };
}

const QString kTypeIntoPick = QStringLiteral("(function(){ const i = document.querySelector('#pick input'); i.focus();"
                                             " document.execCommand('insertText', false, 'x'); })()");

} // namespace

class TestHtmlEngineView : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_view = new CHtmlEngineView;
        m_view->resize(800, 600);
        m_view->show();
    }
    void cleanup()
    {
        delete m_view;
        m_view = nullptr;
    }

    void loadPage_failsWithoutResourceAndReportsElements()
    {
        QVERIFY(!m_view->loadPage(":/test/missing.html"));
        QVERIFY(!m_view->isReady());
        QSignalSpy ready(m_view, &CHtmlEngineView::pageReady);
        loadAndWait();
        QCOMPARE(ready.count(), 1);
        QVERIFY(m_view->hasElement("div_title"));
        QVERIFY(!m_view->hasElement("no_such_element"));
        QCOMPARE(m_view->value("div_title").toString(), QString("Title"));
        QCOMPARE(m_view->tagName("richtext_edit"), QString("div"));
        QCOMPARE(m_view->options("pick"), QStringList({ "one", "two" }));
        QCOMPARE(m_view->value("pick").toString(), QString("one"));
        QCOMPARE(m_view->attribute("btn", "type"), QString("button"));
        // The page asks for "STYLES.CSS"; the resource is "styles.css".
        QCOMPARE(pageText(m_view, "getComputedStyle(document.getElementById('probe')).width"), QString("123px"));
    }
    // Writes read back at once, before the page has them; once it has, it
    // reports its own form of them.
    void writesBeforeReady_readBackAndReachThePage()
    {
        QVERIFY(m_view->loadPage(kPage));
        m_view->setValue("richtext_edit", "<p>one<br/>two");
        m_view->appendOption("pick", "three");
        m_view->setValue("pick", "three");
        QVERIFY(m_view->saveHtml("richtext_edit").contains("<p>one<br/>two"));

        QTRY_VERIFY_WITH_TIMEOUT(m_view->isReady(), 20000);
        QTRY_COMPARE(pageText(m_view, "document.getElementById('richtext_edit').innerHTML"), QString("<p>one<br>two</p>"));
        QTRY_COMPARE(m_view->elementHtml("richtext_edit"), QString("<p>one<br>two</p>"));
        QTRY_COMPARE(m_view->options("pick"), QStringList({ "one", "two", "three" }));
        QCOMPARE(m_view->value("pick").toString(), QString("three"));
    }

    void appendOptions_addsMissingInOrderAndListStaysWholeAfterPageReports()
    {
        loadAndWait();
        m_view->appendOptions("pick", { "b", "two", "a", "b" });
        m_view->appendOption("pick", "two");
        m_view->appendOption("pick", "http://example.com/a");
        const QStringList expected = { "one", "two", "b", "a", "http://example.com/a" };
        QCOMPARE(m_view->options("pick"), expected);
        QTRY_COMPARE(evalJs(m_view, kPickOptions).toStringList(), expected);
        QCOMPARE(pageText(m_view, kPickText), QString("one"));

        m_view->setValue("pick", "http://example.com/a");
        QTRY_COMPARE(pageText(m_view, kPickText), QString("http://example.com/a"));

        // The page reports a drop-down's options only in full reports; the
        // reports that follow each write must not shorten the list we know.
        QStringList many;
        for (int i = 0; i < 2000; ++i)
            many.append(QString("http://example.com/%1").arg(i, 4, 10, QChar('0')));
        m_view->appendOptions("pick", many);
        m_view->setValue("pick", "typed");
        QTRY_COMPARE(evalJs(m_view, "document.querySelectorAll('#pick .option').length").toInt(), 2005);
        QTRY_COMPARE(pageText(m_view, kPickText), QString("typed"));
        evalJs(m_view, kTypeIntoPick);
        QTRY_COMPARE(m_view->value("pick").toString(), QString("typedx"));

        const QStringList options = m_view->options("pick");
        QCOMPARE(options.size(), 2005);
        QCOMPARE(options.first(), QString("one"));
        QCOMPARE(options.last(), QString("http://example.com/1999"));
        QVERIFY(!options.contains("typedx"));
    }
    void state_reachesThePage()
    {
        loadAndWait();
        m_view->setElementState("btn", CHtmlEngineView::StateChecked | CHtmlEngineView::StateDisabled, 0);
        QCOMPARE(m_view->elementState("btn"), uint(CHtmlEngineView::StateChecked | CHtmlEngineView::StateDisabled));
        QTRY_COMPARE(pageText(m_view, "document.getElementById('btn').className"), QString("checked disabled"));
        m_view->setElementState("btn", 0, CHtmlEngineView::StateDisabled);
        QTRY_COMPARE(pageText(m_view, "document.getElementById('btn').className"), QString("checked"));

        m_view->setElementState("richtext_edit", CHtmlEngineView::StateFocus, 0);
        QCOMPARE(m_view->focusElement(), QString("richtext_edit"));
        QTRY_COMPARE(pageText(m_view, "document.activeElement.id"), QString("richtext_edit"));
        QTRY_VERIFY(m_view->elementState("richtext_edit") & CHtmlEngineView::StateFocus);
    }

    void typingClickAndPick_reportEvents()
    {
        loadAndWait();
        QSignalSpy events(m_view, &CHtmlEngineView::elementEvent);
        m_view->setValue("div_title", QString());
        QVERIFY(focusAtEnd(m_view, "div_title"));
        QTest::keyClicks(m_view->focusProxy(), "abc");
        QTRY_COMPARE(m_view->elementHtml("div_title"), QString("abc"));
        QVERIFY(hasEvent(events, CHtmlEngineView::EditValueChanged, "div_title"));

        evalJs(m_view, "document.getElementById('btn').click()");
        QTRY_VERIFY(hasEvent(events, CHtmlEngineView::ButtonClick, "btn"));

        evalJs(m_view, "document.querySelectorAll('#pick .option')[1]"
                       ".dispatchEvent(new MouseEvent('mousedown', { bubbles: true, cancelable: true }))");
        QTRY_VERIFY(hasEvent(events, CHtmlEngineView::SelectSelectionChanged, "pick"));
        QCOMPARE(m_view->value("pick").toString(), QString("two"));
        QVERIFY(!hasEvent(events, CHtmlEngineView::EditValueChanged, "pick"));

        evalJs(m_view, kTypeIntoPick);
        QTRY_VERIFY(hasEvent(events, CHtmlEngineView::EditValueChanged, "pick"));
        QCOMPARE(m_view->value("pick").toString(), QString("twox"));
        // The typed text reads back as the drop-down's HTML too.
        evalJs(m_view, "document.execCommand('insertText', false, ' <&')");
        QTRY_COMPARE(m_view->value("pick").toString(), QString("twox <&"));
        QCOMPARE(m_view->elementHtml("pick"), QString("twox &lt;&amp;"));
    }

    // The program's copy of a rich text follows every key in any of its
    // paragraphs, also when another script of the page hears the edit
    // before the engine does.
    void richTextTyping_copyFollowsEveryKey()
    {
        loadAndWait();
        evalJs(m_view, "window.addEventListener('input', () => {}, true)");
        setRichText("<p>one</p><p>two &amp; three</p><p>four</p>");
        struct Step
        {
            int paragraph, offset;
            QString typed;
        };
        const Step steps[] = {{0, 3, "<p>onexy</p><p>two &amp; three</p><p>four</p>"},
                              {1, 4, "<p>onexy</p><p>two xy&amp; three</p><p>four</p>"},
                              {2, 0, "<p>onexy</p><p>two xy&amp; three</p><p>xyfour</p>"}};
        for (const Step &step : steps) {
            evalJs(m_view, QStringLiteral("(function(){ const e = document.getElementById('richtext_edit'); e.focus();"
                                          " const r = document.createRange();"
                                          " r.setStart(e.querySelectorAll('p')[%1].firstChild, %2);"
                                          " const s = getSelection(); s.removeAllRanges(); s.addRange(r); })()")
                               .arg(step.paragraph).arg(step.offset));
            QTest::keyClicks(m_view->focusProxy(), "xy");
            QTRY_COMPARE(m_view->elementHtml("richtext_edit"), step.typed);
        }
    }

    // Writes of one batch all reach the page's own elements, also one whose
    // id the user's text uses before it. Text written to an edit or a
    // drop-down reads back as escaped HTML, at once and once reported.
    void batchedWrites_reachPageElementsPastUsersIds()
    {
        loadAndWait();
        setRichText("<p><span id=\"pick\">mine</span></p>");
        {
            const CHtmlEngineView::WriteBatch batch(m_view);
            m_view->setValue("div_title", "Q&A <b>");
            m_view->setValue("pick", "two <&");
        }
        QCOMPARE(m_view->elementHtml("div_title"), QString("Q&amp;A &lt;b&gt;"));
        QCOMPARE(m_view->elementHtml("pick"), QString("two &lt;&amp;"));
        QTRY_COMPARE(pageText(m_view, kPickText), QString("two <&"));
        QCOMPARE(pageText(m_view, "document.getElementById('div_title').textContent"), QString("Q&A <b>"));
        QCOMPARE(pageText(m_view, "document.querySelector('#richtext_edit span').textContent"), QString("mine"));
        QTRY_VERIFY(m_view->isReported("pick"));
        QCOMPARE(m_view->value("pick").toString(), QString("two <&"));
        QCOMPARE(m_view->elementHtml("pick"), QString("two &lt;&amp;"));
        QTRY_COMPARE(m_view->elementHtml("div_title"), QString("Q&amp;A &lt;b&gt;"));
        QCOMPARE(m_view->elementHtml("richtext_edit"), QString("<p><span id=\"pick\">mine</span></p>"));
    }

    // Writes sent one after another before the page draws (posts passed
    // over quickly) end with the page's report of the last; a call after a
    // write is reported as an edit of the text as written.
    void quickWrites_reportTheLastAndTheTextACallFound()
    {
        loadAndWait();
        QStringList reportedTexts;
        connect(m_view, &CHtmlEngineView::reported, this, [&] {
            if (m_view->isReported("richtext_edit"))
                reportedTexts.append(m_view->value("richtext_edit").toString());
        });
        for (const QString &post : {QString("one"), QString("two"), QString("three")}) {
            m_view->setValue("div_title", post);
            m_view->setValue("richtext_edit", "<p>" + post + "</p>");
        }
        QTRY_VERIFY(m_view->isReported("richtext_edit") && m_view->isReported("div_title"));
        QCOMPARE(m_view->value("div_title").toString(), QString("three"));
        QCOMPARE(m_view->value("richtext_edit").toString(), QString("<p>three</p>"));
        QCOMPARE(pageText(m_view, "document.getElementById('richtext_edit').innerHTML"), QString("<p>three</p>"));

        // With the caret in the text already, the call does not report the
        // text as it takes the focus.
        evalJs(m_view, selectTextScript("richtext_edit", 0, 0));
        QTRY_COMPARE(m_view->focusElement(), QString("richtext_edit"));
        reportedTexts.clear();
        m_view->setValue("richtext_edit", "<p>four</p>");
        m_view->callMethod("richtext_edit", "insertHtml", {"<b>x</b>"});
        QTRY_VERIFY(m_view->elementHtml("richtext_edit").contains("<b>x</b>"));
        QCOMPARE(reportedTexts.value(0), QString("<p>four</p>"));
    }

    // The page sends a written value back only where it shows it otherwise
    // than written: the copy then holds the page's own form.
    void writtenValues_copyTakesThePagesFormWhereItDiffers()
    {
        loadAndWait();
        setRichText("<p>kept &amp; shown</p>");
        m_view->setValue("richtext_edit", "<p>one<br/>two");
        m_view->setValue("pick", "line\nbreak");
        QTRY_VERIFY(m_view->isReported("richtext_edit") && m_view->isReported("pick"));
        QCOMPARE(m_view->value("richtext_edit").toString(), QString("<p>one<br>two</p>"));
        QCOMPARE(m_view->saveHtml("richtext_edit"), CHtmlEngineView::savedDocument("<p>one<br>two</p>"));
        QCOMPARE(m_view->value("pick").toString(), QString("linebreak"));
    }

    void selection_savedWithMarkersAndFragmentOnlyForSelection()
    {
        loadAndWait();
        setRichText("<p>Hello <b>bold</b> world</p>");
        QVERIFY(m_view->selectionHtml("richtext_edit").isEmpty());
        // A caret gets both selection markers side by side, and no fragment.
        evalJs(m_view, selectTextScript("richtext_edit", 2, 2));
        QTRY_VERIFY(m_view->saveHtml("richtext_edit").contains("He<!--StartSelection--><!--EndSelection-->llo"));
        QVERIFY(m_view->selectionHtml("richtext_edit").isEmpty());

        evalJs(m_view, "(function(){ const p = document.querySelector('#richtext_edit p');"
                       " const r = document.createRange(); r.setStart(p.firstChild, 6); r.setEnd(p.lastChild, 3);"
                       " const s = getSelection(); s.removeAllRanges(); s.addRange(r); })()");
        QTRY_COMPARE(m_view->selectionText("richtext_edit"), QString("bold wo"));
        const QString html = QString::fromUtf8(m_view->selectionHtml("richtext_edit"));
        QVERIFY2(html.contains("<!--StartFragment--><b>bold</b> wo<!--EndFragment-->"), qPrintable(html));

        setRichText("<p>Hello world</p>");
        QSignalSpy events(m_view, &CHtmlEngineView::elementEvent);
        evalJs(m_view, selectTextScript("richtext_edit", 6, 9));
        QTRY_COMPARE(m_view->selectionText("richtext_edit"), QString("wor"));
        QVERIFY(hasEvent(events, CHtmlEngineView::UiStateChanged, "richtext_edit"));

        const QString saved = m_view->saveHtml("richtext_edit");
        QVERIFY(saved.startsWith("<html>"));
        QVERIFY(saved.contains("<body>\r\n<p>Hello <!--StartSelection-->wor<!--EndSelection-->ld</p>\r\n</body>"));
        int start = -1, end = -1;
        QVERIFY(m_view->selection("richtext_edit", &start, &end));
        QCOMPARE(start, 6);
        QCOMPARE(end, 9);

        // A selection from inside the markup of a later paragraph into the next.
        setRichText("<p>one</p><p>two <b>bold</b></p><p>three</p>");
        evalJs(m_view, "(function(){ const p = document.querySelectorAll('#richtext_edit p');"
                       " const r = document.createRange(); r.setStart(p[1].lastChild.firstChild, 2);"
                       " r.setEnd(p[2].firstChild, 2); const s = getSelection(); s.removeAllRanges(); s.addRange(r); })()");
        QTRY_COMPARE(m_view->selectionText("richtext_edit"), QString("ldth"));
        const QString across = m_view->saveHtml("richtext_edit");
        QVERIFY2(across.contains("<p>one</p><p>two <b>bo<!--StartSelection-->ld</b></p><p>th<!--EndSelection-->ree</p>"),
                 qPrintable(across));
    }
    void insertHtml_andCurrentStyle()
    {
        loadAndWait();
        setRichText("<p>plain</p>");
        evalJs(m_view, selectTextScript("richtext_edit", 5, 5));
        QTRY_COMPARE(m_view->focusElement(), QString("richtext_edit"));

        QSignalSpy events(m_view, &CHtmlEngineView::elementEvent);
        QVERIFY(m_view->callMethod("richtext_edit", "insertHtml", { "<strong>x</strong>" }).isNull());
        QTRY_VERIFY(m_view->elementHtml("richtext_edit").contains("<strong>x</strong>"));
        QVERIFY(hasEvent(events, CHtmlEngineView::EditValueChanged, "richtext_edit"));
        QTRY_COMPARE(m_view->callMethod("richtext_edit", "canUndo").toInt(), 1);

        evalJs(m_view, "(function(){ const t = document.querySelector('#richtext_edit strong').firstChild;"
                       " const r = document.createRange(); r.setStart(t, 0); r.setEnd(t, 1);"
                       " const s = getSelection(); s.removeAllRanges(); s.addRange(r); })()");
        QTRY_COMPARE(m_view->callMethod("richtext_edit", "getCurrentObjects").toList(), QVariantList({ "p", "strong" }));
        const QVariantMap style = m_view->callMethod("richtext_edit", "getCurrentStyle").toMap();
        QCOMPARE(style.value("font-weight").toInt(), 700);
        QCOMPARE(style.value("font-style").toString(), QString("normal"));
        QCOMPARE(style.value("text-decoration").toString(), QString("none"));
    }

    void hostileDescription_runsNothingAndIsKept()
    {
        loadAndWait();
        const QString hostile = "<p>a</p><script>window.tidrelRan = 1;</script>"
                                "<img src=\"missing.png\" onerror=\"window.tidrelRan = 2\">";
        m_view->setValue("richtext_edit", hostile);
        QTRY_VERIFY(m_view->elementHtml("richtext_edit").contains("onerror="));
        // Wait until the image has failed, which is when the handler would run.
        QTRY_COMPARE(evalJs(m_view, "document.querySelector('#richtext_edit img').complete").toBool(), true);
        QTRY_COMPARE(evalJs(m_view, "document.querySelector('#richtext_edit img').naturalWidth").toInt(), 0);
        QCOMPARE(pageText(m_view, "typeof window.tidrelRan"), QString("undefined"));

        const QString saved = m_view->saveHtml("richtext_edit");
        QVERIFY(saved.contains("<script>window.tidrelRan = 1;</script>"));
        QVERIFY(saved.contains("onerror=\"window.tidrelRan = 2\""));
    }

    // --- The program's copy of the page's elements ---

    void mirror_update_keepsProgramWriteNewerThanReport_takesLatestReport()
    {
        CElementMirror mirror;
        mirror.update(0, { { "richtext_edit", snapshot("<p>typed</p>") }, { "div_title", snapshot("T") } }, "");
        const qint64 before = mirror.generation();
        mirror.beginWrite("richtext_edit").html = "<p>loaded</p>";

        // A report sent before the page applied the write.
        const QSet<QString> stale = mirror.update(before,
            { { "richtext_edit", snapshot("<p>typed more</p>") }, { "div_title", snapshot("T2") } }, "");
        QCOMPARE(stale, QSet<QString>({ "richtext_edit" }));
        QCOMPARE(mirror.find("richtext_edit")->html, QString("<p>loaded</p>"));
        QCOMPARE(mirror.find("div_title")->html, QString("T2"));

        // A report sent after it is taken.
        QVERIFY(mirror.update(mirror.generation(), { { "richtext_edit", snapshot("<p>page</p>") } }, "").isEmpty());
        QCOMPARE(mirror.find("richtext_edit")->html, QString("<p>page</p>"));
    }

    void mirror_update_focusWrittenByProgramWinsOverOlderReport()
    {
        CElementMirror mirror;
        mirror.writeFocus("richtext_edit");
        mirror.update(0, {}, "div_title");
        QCOMPARE(mirror.focusId(), QString("richtext_edit"));
        mirror.update(mirror.generation(), {}, "div_title");
        QCOMPARE(mirror.focusId(), QString("div_title"));
    }

    void mirror_replaceAll_forgetsIdsThePageLacks()
    {
        CElementMirror mirror;
        mirror.beginWrite("select_author").value = "someone";
        mirror.beginWrite("no_such_element").value = "x";
        mirror.replaceAll(mirror.generation(), { { "select_author", snapshot("") } }, "");
        QVERIFY(mirror.contains("select_author"));
        QVERIFY(!mirror.contains("no_such_element"));
    }

    void mirror_update_reportWithoutOptionsKeepsKnownOptions()
    {
        CElementMirror mirror;
        QVariantMap full { { "tag", "span" }, { "behavior", "dropdown" }, { "value", "a" } };
        full.insert("options", QStringList { "a", "b" });
        mirror.replaceAll(0, { { "pick", full } }, "");
        mirror.beginWrite("pick").options.append("c");

        QVariantMap partial { { "tag", "span" }, { "behavior", "dropdown" }, { "value", "typed" } };
        mirror.update(mirror.generation(), { { "pick", partial } }, "");
        QCOMPARE(mirror.find("pick")->value.toString(), QString("typed"));
        QCOMPARE(mirror.find("pick")->options.texts(), QStringList({ "a", "b", "c" }));
        QVERIFY(mirror.find("pick")->options.contains("c"));

        // A full report lists them again, and its list counts.
        full.insert("options", QStringList { "a" });
        mirror.update(mirror.generation(), { { "pick", full } }, "");
        QCOMPARE(mirror.find("pick")->options.texts(), QStringList({ "a" }));
        QVERIFY(!mirror.find("pick")->options.contains("c"));
    }

    // A rich text's long texts come as what changed since the page's last
    // report: [kept at the start, kept at the end, new middle, old length].
    void mirror_update_changesSinceLastReportMakeWholeTexts()
    {
        CElementMirror mirror;
        mirror.update(0, { { "richtext_edit", snapshot("<p>One line.</p>") } }, "");
        const QVariantMap typed{ { "tag", "div" }, { "behavior", "richtext" },
                                 { "deltas", QVariantMap{ { "value", QVariantList{ 11, 4, "s more", 16 } } } } };
        QVERIFY(mirror.update(0, { { "richtext_edit", typed } }, "").isEmpty());
        QVERIFY(!mirror.wholeReportNeeded());
        QCOMPARE(mirror.find("richtext_edit")->value.toString(), QString("<p>One lines more</p>"));
        QCOMPARE(mirror.find("richtext_edit")->html, QString("<p>One lines more</p>"));

        // Changes to a text of another length than the one held: the element
        // stays as it was, its events go, and the page is asked for all of it.
        const QSet<QString> stale = mirror.update(0, { { "richtext_edit", typed } }, "");
        QCOMPARE(stale, QSet<QString>({ "richtext_edit" }));
        QVERIFY(mirror.wholeReportNeeded());
        QCOMPARE(mirror.find("richtext_edit")->html, QString("<p>One lines more</p>"));
    }

    void mirror_stateFromPage_readsWeightAsInteger()
    {
        QVariantMap page = snapshot("");
        page.insert("currentStyle", QVariantMap { { "font-weight", 700.0 }, { "font-style", "italic" } });
        page.insert("commandStates", QVariantMap { { "canUndo", true }, { "canCut", false } });
        const HtmlElementState state = CElementMirror::stateFromPage(page);
        QCOMPARE(state.currentStyle.value("font-weight").typeId(), int(QMetaType::Int));
        QCOMPARE(state.currentStyle.value("font-weight").toInt(), 700);
        QCOMPARE(state.commandStates.value("canUndo").toInt(), 1);
        QCOMPARE(state.commandStates.value("canCut").toInt(), 0);
    }



private:
    void loadAndWait()
    {
        QVERIFY(m_view->loadPage(kPage));
        QTRY_VERIFY_WITH_TIMEOUT(m_view->isReady(), 20000);
    }
    void setRichText(const QString &html)
    {
        m_view->setValue("richtext_edit", html);
        QTRY_COMPARE(m_view->elementHtml("richtext_edit"), html);
    }

    CHtmlEngineView *m_view = nullptr;
};

QTEST_MAIN(TestHtmlEngineView)
#include "tst_htmlengineview.moc"
