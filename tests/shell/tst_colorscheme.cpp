// Light or dark as the desktop says, on a session bus of the test's own with
// a stand-in for the desktop's settings portal (data/desktop_portal.py):
// the scheme at start, a live switch and back in the palette, the editor
// page and the HTML code pane, and the choice in Preferences over the
// desktop's. The pages and the code pane take the desktop's fonts.

#include "WindowTestSupport.h"

#include "engine/PageColors.h"
#include "settings/ColorSchemeSetting.h"
#include "panes/BarPreview.h"
#include "panes/NoteLabel.h"
#include "shell/Appearance.h"
#include "shell/CommandTable.h"
#include "shell/PreferencesDialog.h"

#include <QComboBox>
#include <QDBusConnection>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QProcess>
#include <QStyle>

namespace {

// The portal runs while this lives; its input closing ends it.
class DesktopPortal
{
public:
    ~DesktopPortal()
    {
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(5000))
            m_process.kill();
    }
    bool start(CColorSchemeWatcher::Scheme scheme)
    {
        const QString python = QFile::exists(QStringLiteral("/usr/bin/python3")) ? QStringLiteral("/usr/bin/python3")
                                                                                 : QStringLiteral("python3");
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(python, {QStringLiteral(TIDREL_TEST_DATA_DIR "/desktop_portal.py"), QString::number(scheme)});
        return m_process.waitForReadyRead(10000) && m_process.readLine().trimmed() == "ready";
    }
    // As the desktop's own switch does.
    void switchTo(CColorSchemeWatcher::Scheme scheme) { m_process.write(QByteArray::number(scheme) + '\n'); }

private:
    QProcess m_process;
};

QColor cssColor(const QString &css)
{
    const QStringList parts = QString(css).remove(QRegularExpression(QStringLiteral("[^\\d,]"))).split(QLatin1Char(','));
    return QColor(parts.value(0).toInt(), parts.value(1).toInt(), parts.value(2).toInt());
}

// The page's background as it computes it.
QColor pageBase(QWebEngineView *page)
{
    return cssColor(pageText(page, QStringLiteral("getComputedStyle(document.body).backgroundColor")));
}

// The tag's colour at the start of the code pane.
QColor tagColour(const QPlainTextEdit *code)
{
    QTextCursor tag(code->document());
    tag.setPosition(1);
    return tag.charFormat().foreground().color();
}

// Chooses in Preferences as the user does, and says OK.
void choose(CMainFrame *main, const QString &colours)
{
    whenModalShown([colours](QDialog *shown) {
        auto *dialog = qobject_cast<CPreferencesDialog *>(shown);
        QVERIFY(dialog);
        dialog->colorSchemeBox()->setCurrentIndex(dialog->colorSchemeBox()->findText(colours));
        dialog->accept();
    });
    QVERIFY(main->executeCommand(ID_PREFERENCES));
}

bool isDark(const QPalette &palette)
{
    return palette.color(QPalette::Window).lightness() < 128;
}

} // namespace

class TestColorScheme : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void noPortal_qtPaletteStaysAndPagesTakeTheDesktopFonts();
    void portal_schemeAtStartLiveSwitchesAndPreferencesWin();

private:
    // The window, its page, its code pane and a field's note show the
    // scheme, readably. Regression: under a dark theme the editor page
    // stayed white and the code pane's blue tags could not be read on its
    // dark tooltip colours.
    void checkColours(bool dark);

    std::unique_ptr<MainWindowFixture> m_window;
    CChildFrame *m_frame = nullptr;
    std::unique_ptr<CNoteLabel> m_note;
    QPalette m_qtPalette;
    QString m_qtStyle;
};

void TestColorScheme::initTestCase()
{
    m_qtPalette = QApplication::palette();
    m_qtStyle = QApplication::style()->name();
    if (!QDBusConnection::sessionBus().isConnected())
        QSKIP("a session bus is needed (dbus-run-session)");
}

void TestColorScheme::cleanup()
{
    m_frame = nullptr;
    m_note.reset();
    m_window.reset();
    QVERIFY(ColorSchemeSetting().save());
    QApplication::setStyle(m_qtStyle);
    QApplication::setPalette(m_qtPalette);
}

void TestColorScheme::checkColours(bool dark)
{
    const QPalette palette = QApplication::palette();
    QCOMPARE(isDark(palette), dark);
    // The page's texts and links against it: tst_shellpages, in each palette.
    QTRY_COMPARE(pageBase(m_frame->view()->engine()), palette.color(QPalette::Base));

    const QPlainTextEdit *code = m_frame->previewBar()->editor();
    const QColor base = code->palette().color(QPalette::Base);
    QCOMPARE(base, palette.color(QPalette::ToolTipBase));
    QCOMPARE(base.lightness() < 128, dark);
    QVERIFY(CPageColors::contrast(code->palette().color(QPalette::Text), base) >= CPageColors::kMinimumContrast);
    QVERIFY2(CPageColors::contrast(tagColour(code), base) >= CPageColors::kMinimumContrast,
             qPrintable(tagColour(code).name()));

    const QPalette note = m_note->palette();
    QVERIFY2(CPageColors::contrast(note.color(QPalette::WindowText), note.color(QPalette::Window))
                 >= CPageColors::kMinimumContrast,
             qPrintable(note.color(QPalette::WindowText).name()));
}

// Without a portal the desktop has no preference: Qt's own palette and
// style stay. Text on the pages is in the desktop's general font and size,
// the code in its fixed font.
void TestColorScheme::noPortal_qtPaletteStaysAndPagesTakeTheDesktopFonts()
{
    CAppearance appearance;
    appearance.start();
    QCOMPARE(appearance.watcher()->scheme(), CColorSchemeWatcher::NoPreference);
    QCOMPARE(QApplication::palette(), m_qtPalette);
    QCOMPARE(QApplication::style()->name(), m_qtStyle);

    m_window = std::make_unique<MainWindowFixture>();
    m_frame = m_window->openFeed(QStringLiteral("fonts.xml"), postsDescribed({QStringLiteral("<p>Some text</p>")}));
    QVERIFY(MainWindowFixture::waitForPage(m_frame));
    const QFontInfo general(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
    CHtmlEngineView *page = m_frame->view()->engine();
    const QString editor = QStringLiteral("getComputedStyle(document.getElementById('richtext_edit')).");
    QTRY_VERIFY2(pageText(page, editor + QStringLiteral("fontFamily")).contains(general.family()),
                 qPrintable(pageText(page, editor + QStringLiteral("fontFamily"))));
    QCOMPARE(pageText(page, editor + QStringLiteral("fontSize")), QStringLiteral("%1px").arg(general.pixelSize()));
    QCOMPARE(m_frame->previewBar()->editor()->fontInfo().family(),
             QFontInfo(QFontDatabase::systemFont(QFontDatabase::FixedFont)).family());
}

void TestColorScheme::portal_schemeAtStartLiveSwitchesAndPreferencesWin()
{
    DesktopPortal portal;
    QVERIFY(portal.start(CColorSchemeWatcher::Dark));
    CAppearance appearance;
    appearance.start();
    // Dark before the first window shows.
    QVERIFY(isDark(QApplication::palette()));

    m_window = std::make_unique<MainWindowFixture>();
    m_note = std::make_unique<CNoteLabel>();
    m_frame = m_window->openFeed(
        QStringLiteral("colours.xml"),
        postsDescribed({QStringLiteral("<p>See <a href=\"http://example.org/\">the page</a>.</p>")}));
    QVERIFY(MainWindowFixture::waitForPage(m_frame));
    checkColours(true);

    portal.switchTo(CColorSchemeWatcher::Light);
    QTRY_VERIFY(!isDark(QApplication::palette()));
    checkColours(false);
    portal.switchTo(CColorSchemeWatcher::Dark);
    QTRY_VERIFY(isDark(QApplication::palette()));
    checkColours(true);

    // Light whatever the desktop says, stored, until the user follows the
    // desktop again.
    choose(m_window->main.get(), QStringLiteral("Light"));
    QCOMPARE(ColorSchemeSetting::load().scheme, int(CColorSchemeWatcher::Light));
    checkColours(false);
    portal.switchTo(CColorSchemeWatcher::Light);
    QTRY_COMPARE(appearance.watcher()->desktopScheme(), CColorSchemeWatcher::Light);
    portal.switchTo(CColorSchemeWatcher::Dark);
    QTRY_COMPARE(appearance.watcher()->desktopScheme(), CColorSchemeWatcher::Dark);
    checkColours(false);
    choose(m_window->main.get(), QStringLiteral("Follow the desktop"));
    QCOMPARE(ColorSchemeSetting::load().scheme, 0);
    checkColours(true);
}

TIDREL_WINDOW_TEST_MAIN(TestColorScheme)
#include "tst_colorscheme.moc"
