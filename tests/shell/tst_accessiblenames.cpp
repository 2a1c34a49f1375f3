// Every control of the windows and dialogs has a name for screen readers,
// read through Qt's accessibility interfaces offscreen: also the modal
// dialogs, which the AT-SPI test cannot open without waiting on them. The
// focus ring stands out in light and dark palettes.

#include "WindowTestSupport.h"

#include "engine/PageColors.h"
#include "panes/BarRssItems.h"
#include "panes/FeedPropertiesWnd.h"
#include "shell/AboutDialog.h"
#include "shell/FocusRing.h"
#include "shell/PreferencesDialog.h"
#include "shell/PublishSettingsDialog.h"
#include "shell/StartPage.h"

#include <QAccessible>

namespace {

// The roles a user acts on.
bool isControl(QAccessible::Role role)
{
    static const QList<QAccessible::Role> roles = {
        QAccessible::PushButton, QAccessible::CheckBox,   QAccessible::RadioButton, QAccessible::ComboBox,
        QAccessible::EditableText, QAccessible::SpinBox,  QAccessible::List,        QAccessible::Table,
        QAccessible::Tree,       QAccessible::MenuItem,   QAccessible::PageTab,     QAccessible::ButtonMenu,
        QAccessible::ButtonDropDown, QAccessible::Slider};
    return roles.contains(role);
}

// "dialog 'Preferences' > grouping 'Post footer' > editable text ''" for each
// control without a name. A combo box's, list's and table's parts are theirs.
void collectUnnamed(QAccessibleInterface *node, const QString &path, QStringList *unnamed)
{
    const QAccessible::Role role = node->role();
    const QString here = path + QStringLiteral(" > %1 '%2'").arg(qAccessibleRoleString(role), node->text(QAccessible::Name));
    const bool hiddenMenuItem = role == QAccessible::MenuItem && node->state().invisible;
    if (isControl(role) && !hiddenMenuItem && node->text(QAccessible::Name).trimmed().isEmpty())
        unnamed->append(here);
    if (role == QAccessible::ComboBox || role == QAccessible::List || role == QAccessible::Table
        || role == QAccessible::Tree || role == QAccessible::EditableText)
        return;
    for (int i = 0; i < node->childCount(); ++i) {
        if (QAccessibleInterface *child = node->child(i))
            collectUnnamed(child, here, unnamed);
    }
}

// The controls without a name, one a line; empty when all have one.
QByteArray unnamedControls(QWidget *window)
{
    QStringList unnamed;
    collectUnnamed(QAccessible::queryAccessibleInterface(window), window->metaObject()->className(), &unnamed);
    return unnamed.join(u'\n').toUtf8();
}

} // namespace

class TestAccessibleNames : public QObject
{
    Q_OBJECT
private slots:
    void everyControl_hasAName();
    void focusRing_standsOutInLightAndDarkPalettes_data();
    void focusRing_standsOutInLightAndDarkPalettes();
};

void TestAccessibleNames::everyControl_hasAName()
{
    MainWindowFixture window;
    CChildFrame *frame = window.openFeed(QStringLiteral("named.xml"), postsTitled({"One", "Two"}));
    QVERIFY(MainWindowFixture::waitForPage(frame));
    // Every pane shown, the list being filtered.
    QVERIFY(window.main->executeCommand(ID_VIEW_POST_DETAILS));
    QVERIFY(window.main->executeCommand(ID_FEED_CHECK));
    QVERIFY(window.main->executeCommand(ID_VIEW_UNDO_HISTORY));
    QVERIFY(window.main->executeCommand(ID_FILTERING));
    QTRY_VERIFY(frame->postsBar()->filterBox());
    QVERIFY2(unnamedControls(window.main.get()).isEmpty(), unnamedControls(window.main.get()));
    // The start page behind the feed windows is read out after them.
    QAccessibleInterface *area = QAccessible::queryAccessibleInterface(window.main->centralWidget());
    QCOMPARE(area->child(area->childCount() - 1)->object(), window.main->startPage());
    QCOMPARE(area->child(0)->object(), frame);

    CFeedPropertiesWnd *properties = frame->showProperties();
    QVERIFY2(unnamedControls(properties).isEmpty(), unnamedControls(properties));

    CPreferencesDialog preferences(window.main.get());
    CPublishSettingsDialog publishing(QStringLiteral("named.xml"), window.main.get());
    CAboutDialog about(window.main.get());
    for (QDialog *dialog : std::initializer_list<QDialog *>{&preferences, &publishing, &about})
        QVERIFY2(unnamedControls(dialog).isEmpty(), unnamedControls(dialog));
}

void TestAccessibleNames::focusRing_standsOutInLightAndDarkPalettes_data()
{
    QTest::addColumn<QColor>("window");
    QTest::addColumn<QColor>("base");
    QTest::addColumn<QColor>("highlight");
    QTest::addColumn<QColor>("text");
    QTest::newRow("light") << QColor(239, 239, 239) << QColor(Qt::white) << QColor(48, 140, 198) << QColor(Qt::black);
    QTest::newRow("light, pale highlight") << QColor(239, 239, 239) << QColor(Qt::white) << QColor(173, 216, 230) << QColor(Qt::black);
    QTest::newRow("dark") << QColor(53, 53, 53) << QColor(35, 35, 35) << QColor(42, 130, 218) << QColor(Qt::white);
    QTest::newRow("dark, dim highlight") << QColor(53, 53, 53) << QColor(35, 35, 35) << QColor(30, 60, 100) << QColor(Qt::white);
}

void TestAccessibleNames::focusRing_standsOutInLightAndDarkPalettes()
{
    QFETCH(QColor, window);
    QFETCH(QColor, base);
    QFETCH(QColor, highlight);
    QFETCH(QColor, text);
    QPalette palette;
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::Highlight, highlight);
    palette.setColor(QPalette::WindowText, text);
    const QColor ring = CFocusRing::colorIn(palette);
    QVERIFY2(CPageColors::contrast(ring, window) >= 3.0, qPrintable(ring.name()));
    QVERIFY2(CPageColors::contrast(ring, base) >= 3.0, qPrintable(ring.name()));
}

TIDREL_WINDOW_TEST_MAIN(TestAccessibleNames)
#include "tst_accessiblenames.moc"
