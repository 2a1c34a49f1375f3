#include "engine/ElementMirror.h"

#include <QtTest>

namespace {

QVariantMap snapshot(const QString &html)
{
    return { { "tag", "div" }, { "behavior", "richtext" }, { "value", html }, { "markedHtml", html } };
}

} // namespace

class TestElementMirror : public QObject
{
    Q_OBJECT
private slots:
    void update_keepsProgramWriteNewerThanReport_takesLatestReport();
    void update_focusWrittenByProgramWinsOverOlderReport();
    void replaceAll_forgetsIdsThePageLacks();
    void update_reportWithoutOptionsKeepsKnownOptions();
    void update_changesSinceLastReportMakeWholeTexts();
    void stateFromPage_readsWeightAsInteger();
};

void TestElementMirror::update_keepsProgramWriteNewerThanReport_takesLatestReport()
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

// A rich text's long texts come as what changed since the page's last
// report: [kept at the start, kept at the end, new middle, old length].
void TestElementMirror::update_changesSinceLastReportMakeWholeTexts()
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

void TestElementMirror::update_focusWrittenByProgramWinsOverOlderReport()
{
    CElementMirror mirror;
    mirror.writeFocus("richtext_edit");
    mirror.update(0, {}, "div_title");
    QCOMPARE(mirror.focusId(), QString("richtext_edit"));
    mirror.update(mirror.generation(), {}, "div_title");
    QCOMPARE(mirror.focusId(), QString("div_title"));
}

void TestElementMirror::replaceAll_forgetsIdsThePageLacks()
{
    CElementMirror mirror;
    mirror.beginWrite("select_author").value = "someone";
    mirror.beginWrite("no_such_element").value = "x";
    mirror.replaceAll(mirror.generation(), { { "select_author", snapshot("") } }, "");
    QVERIFY(mirror.contains("select_author"));
    QVERIFY(!mirror.contains("no_such_element"));
}

void TestElementMirror::update_reportWithoutOptionsKeepsKnownOptions()
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

void TestElementMirror::stateFromPage_readsWeightAsInteger()
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

QTEST_APPLESS_MAIN(TestElementMirror)
#include "tst_elementmirror.moc"
