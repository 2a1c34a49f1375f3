// The code preview pane on its own: how it lays out and colours a
// description, what it sends when the user types, and its caption strip.

#include "WindowTestSupport.h"

#include "settings/PreviewBarSetting.h"
#include "settings/SettingsStore.h"
#include "panes/BarCaption.h"
#include "panes/BarPreview.h"

#include <QMainWindow>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QToolButton>
#include <QUndoStack>

namespace {

// The pane's text with every bold blue run in brackets. A character that is
// bold but not blue (or the other way round) shows as "?".
QString markedText(const QPlainTextEdit *editor)
{
    const QString text = editor->toPlainText();
    QTextCursor cursor(editor->document());
    QString marked;
    bool inTag = false;
    for (int i = 0; i <= text.size(); ++i) {
        const bool atChar = i < text.size() && text.at(i) != QLatin1Char('\n');
        cursor.setPosition(qMin(i + 1, text.size()));
        const QTextCharFormat format = cursor.charFormat();
        const bool bold = atChar && format.fontWeight() == QFont::Bold;
        const bool blue = atChar && format.hasProperty(QTextFormat::ForegroundBrush)
            && format.foreground().color() == QColor(0, 0, 255);
        if (bold != blue) {
            marked += QLatin1Char('?');
            continue;
        }
        if (bold != inTag)
            marked += bold ? QLatin1Char('[') : QLatin1Char(']');
        inTag = bold;
        if (i < text.size())
            marked += text.at(i);
    }
    return marked;
}

} // namespace

class TestBarPreview : public QObject
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
        QFile::remove(GetSettingsPath());
        PreviewBarSetting::setValue(1);
        const QString path = m_dir.filePath(QStringLiteral("feed.xml"));
        QVERIFY(writeFeed(path, postsDescribed({QStringLiteral("a<p>b</p>"), QStringLiteral("x<BR><BR>y")})));
        m_doc = std::make_unique<CRSSEditDoc>();
        QString error;
        QVERIFY2(m_doc->OnOpenDocument(path, &error), qPrintable(error));
        m_host = std::make_unique<QMainWindow>();
        m_host->setCentralWidget(new QWidget);
        m_pane = new CBarPreview(QStringLiteral("Preview"), m_doc.get(), m_host.get());
        m_host->addDockWidget(Qt::BottomDockWidgetArea, m_pane);
    }
    void cleanup()
    {
        m_host.reset();
        m_pane = nullptr;
        m_doc.reset();
    }

    void withLineBreaks_breaksAtParagraphsAndBreaksOnce_data()
    {
        QTest::addColumn<QString>("html");
        QTest::addColumn<QString>("expected");
        QTest::newRow("paragraph") << "a<p>b</p>" << "a<p>\nb\n</p>";
        QTest::newRow("upper case") << "<P>a</P>" << "<P>\na\n</P>";
        QTest::newRow("two breaks in a row") << "x<BR><BR>y" << "x<BR>\n<BR>\ny";
        QTest::newRow("three breaks in a row") << "<br><br><br>" << "<br>\n<br>\n<br>\n";
        QTest::newRow("empty paragraph") << "<p></p>" << "<p>\n</p>";
        QTest::newRow("CR LF already after break") << "x<BR>\r\ny" << "x<BR>\r\ny";
        QTest::newRow("LF already after break") << "x<br>\ny" << "x<br>\ny";
        QTest::newRow("LF already before closing tag") << "a\n</p>" << "a\n</p>";
        QTest::newRow("tag with attributes untouched") << "<p class=\"x\">a" << "<p class=\"x\">a";
        QTest::newRow("no tags") << "plain text" << "plain text";
        QTest::newRow("empty") << "" << "";
    }
    void withLineBreaks_breaksAtParagraphsAndBreaksOnce()
    {
        QFETCH(QString, html);
        QFETCH(QString, expected);
        QCOMPARE(CBarPreview::withLineBreaks(html), expected);
        QCOMPARE(CBarPreview::withLineBreaks(expected), expected);
    }
    void selectPost_showsDescriptionWithTagsInBoldBlue_data()
    {
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("expected");
        QTest::newRow("paragraph, three lines") << "a<p>b</p>" << "a[<p>]\nb\n[</p>]";
        QTest::newRow("two breaks") << "x<BR><BR>y" << "x[<BR>]\n[<BR>]\ny";
        QTest::newRow("open bracket without close ends highlighting") << "a<b>c<d e" << "a[<b>]c<d e";
        QTest::newRow("tag over two lines") << "<a\nhref=\"u\">l</a>" << "[<a]\n[href=\"u\">]l[</a>]";
        QTest::newRow("no tags") << "just text" << "just text";
    }
    void selectPost_showsDescriptionWithTagsInBoldBlue()
    {
        QFETCH(QString, description);
        QFETCH(QString, expected);
        m_doc->SetPostField(0, CRSSEditDoc::PostDescription, description);
        QCOMPARE(m_doc->feed()->GetPostDescription(0), description);
        QVERIFY(m_doc->selection()->select(0));
        QCOMPARE(markedText(m_pane->editor()), expected);
        QCOMPARE(m_pane->editor()->textCursor().position(), 0);
    }
    void storedDescription_showsInPlaceAndPlain()
    {
        QPlainTextEdit *editor = m_pane->editor();
        QVERIFY(m_doc->selection()->select(1));
        QCOMPARE(editor->toPlainText(), QStringLiteral("x<BR>\n<BR>\ny"));
        QCOMPARE(editor->document()->blockCount(), 3);

        // Text after a caret inside a tag does not take the tag's colour.
        QTextCursor insideTag = editor->textCursor();
        insideTag.setPosition(2);
        editor->setTextCursor(insideTag);
        QVERIFY(m_doc->SetPostField(1, CRSSEditDoc::PostDescription, QStringLiteral("plain <b>new</b>")));
        QTRY_COMPARE(markedText(editor), QStringLiteral("plain [<b>]new[</b>]"));
        // Another post's description leaves the pane alone.
        QVERIFY(m_doc->SetPostField(0, CRSSEditDoc::PostDescription, QStringLiteral("other")));
        QCoreApplication::processEvents();
        QCOMPARE(markedText(editor), QStringLiteral("plain [<b>]new[</b>]"));
    }
    // Showing a post is no typing; typed text is stored without the line
    // breaks the pane shows, and the pane keeps it as typed. With no post
    // selected the pane shows nothing and takes no typing.
    void showingAndTyping_storeOnlyWhatWasTyped()
    {
        showPane();
        QSignalSpy modified(m_doc.get(), &CRSSEditDoc::modifiedChanged);
        QVERIFY(m_doc->selection()->select(0));
        QCOMPARE(m_pane->editor()->toPlainText(), QStringLiteral("a<p>\nb\n</p>"));
        QCOMPARE(modified.count(), 0);
        m_pane->editor()->setFocus();
        QTest::keyClick(m_pane->editor(), Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(m_pane->editor(), QStringLiteral("z"));
        QCOMPARE(m_doc->undoStack()->count(), 1);
        QCOMPARE(m_doc->feed()->GetPostDescription(0), QStringLiteral("a<p>b</p>z"));
        QCOMPARE(m_pane->editor()->toPlainText(), QStringLiteral("a<p>\nb\n</p>z"));
        // A key in the pane right after an edit elsewhere, before the pane
        // showed that edit, keeps both.
        QVERIFY(m_doc->SetPostField(0, CRSSEditDoc::PostDescription, QStringLiteral("a<p>b</p>zy")));
        QTest::keyClick(m_pane->editor(), Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(m_pane->editor(), QStringLiteral("x"));
        QCOMPARE(m_doc->feed()->GetPostDescription(0), QStringLiteral("a<p>b</p>zyx"));

        m_doc->selection()->clear();
        QCOMPARE(m_pane->editor()->toPlainText(), QString());
        QVERIFY(m_pane->editor()->isReadOnly());
        QVERIFY(m_doc->selection()->select(1));
        QVERIFY(!m_pane->editor()->isReadOnly());
    }
    // While the editor holds the panes back, the pane keeps the post it
    // shows until the hold ends; a key in the pane first shows the new post,
    // so it goes into that post's text, and the end of the hold then leaves
    // the pane as typed.
    void heldSwitch_paneFollowsOnReleaseOrAtFirstKey()
    {
        showPane();
        CPostSelection *selection = m_doc->selection();
        QVERIFY(selection->select(0));
        selection->holdFollowers();
        QVERIFY(selection->select(1));
        QCOMPARE(m_pane->editor()->toPlainText(), QStringLiteral("a<p>\nb\n</p>"));
        selection->releaseFollowers();
        QCOMPARE(m_pane->editor()->toPlainText(), QStringLiteral("x<BR>\n<BR>\ny"));

        selection->holdFollowers();
        QVERIFY(selection->select(0));
        QTest::keyClick(m_pane->editor(), Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(m_pane->editor(), QStringLiteral("z"));
        selection->releaseFollowers();
        QCOMPARE(m_doc->feed()->GetPostDescription(0), QStringLiteral("a<p>b</p>z"));
        QCOMPARE(m_doc->feed()->GetPostDescription(1), QStringLiteral("x<BR><BR>y"));
        QCOMPARE(m_pane->editor()->textCursor().position(), m_pane->editor()->toPlainText().size());
    }
    void pane_usesTooltipColoursAndNormalWeight()
    {
        const QPalette colors = m_pane->editor()->palette();
        QCOMPARE(colors.color(QPalette::Active, QPalette::Base), colors.color(QPalette::Active, QPalette::ToolTipBase));
        QCOMPARE(colors.color(QPalette::Active, QPalette::Text), colors.color(QPalette::Active, QPalette::ToolTipText));
        QCOMPARE(m_pane->editor()->font().weight(), QFont::Normal);
    }
    // Docked at the bottom the caption runs along the left side, floating
    // along the top; the pane shrinks to its caption, floating a little
    // less far. The caption's close button hides the pane for good.
    void caption_followsDockingAndClosesThePane()
    {
        showPane();
        QWidget *caption = m_pane->titleBarWidget();
        QVERIFY(m_pane->hasVerticalCaption());
        QTRY_VERIFY(caption->height() > caption->width());
        QCOMPARE(caption->x(), 0);
        QVERIFY(m_pane->editor()->geometry().left() >= caption->geometry().right());
        m_host->resizeDocks({m_pane}, {1}, Qt::Vertical);
        QTRY_COMPARE(m_pane->height(), 32);

        m_pane->setFloating(true);
        QVERIFY(!m_pane->hasVerticalCaption());
        QTRY_VERIFY(caption->width() > caption->height());
        m_pane->resize(1, 1);
        QCOMPARE(m_pane->size(), QSize(37, 32));

        m_pane->setFloating(false);
        QVERIFY(m_pane->hasVerticalCaption());
        m_host->resizeDocks({m_pane}, {1}, Qt::Vertical);
        QTRY_COMPARE(m_pane->height(), 32);

        auto *close = caption->findChild<QToolButton *>();
        QVERIFY(qobject_cast<CBarCaption *>(caption) && close);
        QTest::mouseClick(close, Qt::LeftButton);
        QVERIFY(m_pane->isHidden());
        QCOMPARE(PreviewBarSetting::value(), 0);
        QCOMPARE(ReadIniInt(GetSettingsPath(), QStringLiteral("Settings"), QStringLiteral("PreviewBar"), -1), 0);
    }
    void caption_activeWhileFocusInside()
    {
        showPane();
        auto *elsewhere = new QPlainTextEdit;
        m_host->setCentralWidget(elsewhere);
        QSignalSpy activeChanges(m_pane, &CSizingControlBarCF::activeChanged);
        elsewhere->setFocus();
        QTRY_VERIFY(!m_pane->isActive());
        activeChanges.clear();
        m_pane->editor()->setFocus();
        QTRY_VERIFY(m_pane->isActive());
        elsewhere->setFocus();
        QTRY_VERIFY(!m_pane->isActive());
        QCOMPARE(activeChanges.count(), 2);
    }
private:
    void showPane()
    {
        m_host->resize(600, 400);
        m_host->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_host.get()));
    }

    QTemporaryDir m_dir;
    std::unique_ptr<CRSSEditDoc> m_doc;
    std::unique_ptr<QMainWindow> m_host;
    CBarPreview *m_pane = nullptr;
};

QTEST_MAIN(TestBarPreview)
#include "tst_barpreview.moc"
