#include "WindowTestSupport.h"

#include "engine/AnimatedDialog.h"
#include "engine/HtmlDialog.h"

#include <QDesktopServices>
#include <QLabel>
#include <QResizeEvent>
#include <QScreen>
#include <QVBoxLayout>

namespace {

const QString kPage = QStringLiteral(":/test/dialog.html");

// Takes the addresses the dialogs ask the desktop to open.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    UrlCatcher()
    {
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "open");
    }
    ~UrlCatcher() override { QDesktopServices::unsetUrlHandler(QStringLiteral("https")); }

    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened.append(url); }
};

// The sizes a window takes, in order.
class SizeRecorder : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Resize)
            sizes.append(static_cast<QResizeEvent *>(event)->size());
        return false;
    }
    QList<QSize> sizes;
};

bool pageAnswers(CHtmlDialog *dialog, const QString &script, const QVariant &expected)
{
    return QTest::qWaitFor([&] { return evalJs(dialog->engine(), script) == expected; }, 10000);
}

void pressKey(CHtmlDialog *dialog, Qt::Key key)
{
    QTest::keyClick(dialog->engine()->focusProxy(), key);
}

} // namespace

// Pages of the program's resources shown as modal dialogs.
class TestHtmlDialog : public QObject
{
    Q_OBJECT
private slots:
    void enterOnField_pressesOkAndCollectsValuesByControlType();
    void applyAndLinks_leaveDialogOpen_escCancelsAndKeepsCallersValues();
    void pageWithoutRoles_ignoresEnterAndEsc_missingPageCancels();
    void animatedDialog_growsInSevenStepsAndCloses();
};

// The caller's values reach the page's controls; the user's changes come
// back, each by its kind of control.
void TestHtmlDialog::enterOnField_pressesOkAndCollectsValuesByControlType()
{
    CHtmlDialog dialog;
    DialogValues values{{"name", "given"}, {"flags", 5}, {"single", true}, {"choice", 2}, {"size", "large"}};
    dialog.setValues(&values);
    bool checked = false;
    whenModalShown([&](QDialog *) {
        QCOMPARE(dialog.windowTitle(), QString("Test Dialog"));
        const QRect screen = dialog.screen()->availableGeometry();
        QVERIFY2(dialog.width() >= 420 && dialog.width() < 600, qPrintable(QString::number(dialog.width())));
        QVERIFY(qAbs(dialog.geometry().center().x() - screen.center().x()) <= 2);
        QVERIFY(pageAnswers(&dialog, "Array.from(document.getElementsByName('flags'), b => b.checked).join()",
                            "true,false,true"));
        QVERIFY(pageAnswers(&dialog, "document.getElementsByName('single')[0].checked", true));
        QVERIFY(pageAnswers(&dialog, "document.getElementsByName('choice')[2].checked", true));
        QVERIFY(pageAnswers(&dialog, "document.getElementsByName('size')[0].value", "large"));
        // The user ticks the second box and picks the first radio button.
        evalJs(dialog.engine(), "document.getElementsByName('flags')[1].click();"
                                "document.getElementsByName('choice')[0].click();"
                                "document.getElementsByName('single')[0].click();");
        QVERIFY(focusAtEnd(dialog.engine(), "name"));
        pressKey(&dialog, Qt::Key_Return);
        QTRY_VERIFY(!dialog.isVisible());
        checked = true;
    });
    QCOMPARE(dialog.RunHtmlDialog(kPage), int(CHtmlDialog::ResultOk));
    QVERIFY(checked);

    const DialogValues expected{
        {"name", "given"}, // the first of two fields of one name
        {"secret", "s3"},  {"flags", 7}, {"single", false}, {"choice", 0}, {"none", QVariant()},
        {"size", "large"}, {"ok", ""},   {"Cancel", ""},    {"Apply", ""}, {"Yes", ""},
    };
    QCOMPARE(values, expected);
    QCOMPARE(values.value("flags").typeId(), QMetaType::Int);
    QCOMPARE(values.value("single").typeId(), QMetaType::Bool);
}

// Apply is no standard button and a link opens in the browser: the dialog
// stays. Esc, or the close box, cancels: what was typed does not reach the
// caller.
void TestHtmlDialog::applyAndLinks_leaveDialogOpen_escCancelsAndKeepsCallersValues()
{
    for (const bool closeBox : {false, true}) {
        CHtmlDialog dialog;
        DialogValues values{{"name", "kept"}};
        dialog.setValues(&values);
        UrlCatcher browser;
        whenModalShown([&](QDialog *) {
            QVERIFY(pageAnswers(&dialog, "document.getElementById('name').value", "kept"));
            evalJs(dialog.engine(), "document.getElementById('apply').click()");
            evalJs(dialog.engine(), "document.querySelector('a').click()");
            QTRY_COMPARE(browser.opened, QList<QUrl>{QUrl("https://www.qt.io/")});
            QVERIFY(dialog.isVisible());
            QVERIFY(focusAtEnd(dialog.engine(), "name"));
            QTest::keyClicks(dialog.engine()->focusProxy(), "changed");
            if (closeBox)
                dialog.close();
            else
                pressKey(&dialog, Qt::Key_Escape);
            QTRY_VERIFY(!dialog.isVisible());
        });
        QCOMPARE(dialog.RunHtmlDialog(kPage), int(CHtmlDialog::ResultCancel));
        QCOMPARE(values, DialogValues({{"name", "kept"}}));
    }
}

void TestHtmlDialog::pageWithoutRoles_ignoresEnterAndEsc_missingPageCancels()
{
    CHtmlDialog dialog;
    DialogValues values;
    dialog.setValues(&values);
    whenModalShown([&](QDialog *) {
        QCOMPARE(dialog.windowTitle(), QString());
        QVERIFY(focusAtEnd(dialog.engine(), "name"));
        pressKey(&dialog, Qt::Key_Return);
        pressKey(&dialog, Qt::Key_Escape);
        QTest::qWait(300);
        QVERIFY(dialog.isVisible());
        evalJs(dialog.engine(), "document.getElementById('yes').click()");
        QTRY_VERIFY(!dialog.isVisible());
    });
    QCOMPARE(dialog.RunHtmlDialog(":/test/plain.html"), int(CHtmlDialog::ResultYes));
    QCOMPARE(values.value("name"), QVariant("first"));

    CHtmlDialog missing;
    QCOMPARE(missing.RunHtmlDialog(":/test/no-such-page.html"), int(CHtmlDialog::ResultCancel));
    QVERIFY(!missing.isVisible());
}

void TestHtmlDialog::animatedDialog_growsInSevenStepsAndCloses()
{
    CAnimatedDialog dialog;
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel("A dialog of the program's own"));
    dialog.resize(301, 141);
    SizeRecorder sizes;
    dialog.installEventFilter(&sizes);
    whenModalShown([&](QDialog *) {
        QTRY_VERIFY(!dialog.isGrowing());
        dialog.accept();
    });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    // 1 x 1, then steps of (301 - 1) / 7 and (141 - 1) / 7 up to the full size.
    const QList<QSize> expected{{1, 1},    {43, 21},   {85, 41},   {127, 61},  {169, 81},
                                {211, 101}, {253, 121}, {295, 141}, {301, 141}};
    QCOMPARE(sizes.sizes.mid(sizes.sizes.indexOf(QSize(1, 1))), expected);
}

TIDREL_WINDOW_TEST_MAIN(TestHtmlDialog)
#include "tst_htmldialog.moc"
