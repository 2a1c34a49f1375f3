// The program's translations: every catalogue and the user guide complete
// and up to date with the sources, and each language's texts fitting the
// main window at 1024x700, with the layout right to left in Arabic.

#include "TestFiles.h"
#include "WindowTestSupport.h"

#include "core/FeedVocabulary.h"
#include "commands/CommandIds.h"
#include "panes/BarPostDetails.h"
#include "panes/BarProblems.h"
#include "panes/BarRssItems.h"
#include "shell/AboutDialog.h"
#include "shell/PreferencesDialog.h"
#include "shell/PublishSettingsDialog.h"
#include "shell/UiTranslations.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCryptographicHash>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QScrollArea>
#include <QTabBar>
#include <QToolBar>
#include <QTranslator>
#include <QXmlStreamReader>

#include <set>
#include <tuple>

namespace {

struct Message
{
    QString context;
    QString source;
    QString comment;
    bool numerus = false;
    QString type; // of the translation: "unfinished", "vanished"...
    QStringList forms; // the translation, or its plural forms
};

using MessageKey = std::tuple<QString, QString, QString>;

QList<Message> readCatalogue(const QString &path)
{
    QList<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            Message message;
            message.context = context;
            message.numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
            while (xml.readNextStartElement()) {
                if (xml.name() == QLatin1String("source")) {
                    message.source = xml.readElementText();
                } else if (xml.name() == QLatin1String("comment")) {
                    message.comment = xml.readElementText();
                } else if (xml.name() == QLatin1String("translation")) {
                    message.type = xml.attributes().value(QLatin1String("type")).toString();
                    if (message.numerus) {
                        while (xml.readNextStartElement())
                            message.forms.append(xml.readElementText());
                    } else {
                        message.forms.append(xml.readElementText());
                    }
                } else {
                    xml.skipCurrentElement();
                }
            }
            messages.append(message);
        }
    }
    return messages;
}

std::set<MessageKey> keysOf(const QList<Message> &messages)
{
    std::set<MessageKey> keys;
    for (const Message &message : messages)
        keys.insert({message.context, message.source, message.comment});
    return keys;
}

QString cataloguePath(const QString &language)
{
    return QStringLiteral(TIDREL_SOURCE_DIR "/res/translations/tidrel_%1.ts").arg(language);
}

// "%1", "%2"... of a text; "%n" is the count, which a singular form may spell out.
QStringList placeholders(const QString &text)
{
    static const QRegularExpression placeholder(QStringLiteral("%\\d+"));
    QStringList found;
    for (const QRegularExpressionMatch &match : placeholder.globalMatch(text))
        found.append(match.captured());
    found.sort();
    return found;
}

// The keyboard mnemonics of a text: "&F" in "&File", not "&&".
int mnemonics(QString text)
{
    static const QRegularExpression mnemonic(QStringLiteral("&\\w"), QRegularExpression::UseUnicodePropertiesOption);
    return int(text.remove(QStringLiteral("&&")).count(mnemonic));
}

QString describe(const Message &message)
{
    return message.context + QStringLiteral(": \"") + message.source + u'"';
}

// The path of object names and classes from the window down to `widget`.
QString pathOf(const QWidget *widget)
{
    QStringList parts;
    for (const QObject *object = widget; object; object = object->parent()) {
        const QString name = object->objectName();
        parts.prepend(name.isEmpty() ? QString::fromLatin1(object->metaObject()->className()) : name);
    }
    return parts.join(u'/');
}

// Each visible text widget of `root` wider than its room, as "path "text"".
QStringList overflowingTexts(const QWidget *root)
{
    QStringList found;
    for (const QWidget *widget : root->findChildren<QWidget *>()) {
        if (!widget->isVisible())
            continue;
        QString text;
        if (const auto *label = qobject_cast<const QLabel *>(widget)) {
            if (label->wordWrap())
                continue; // it takes more lines, not more width
            text = label->text();
        } else if (const auto *button = qobject_cast<const QAbstractButton *>(widget)) {
            text = button->text();
        } else if (const auto *tabs = qobject_cast<const QTabBar *>(widget)) {
            for (int i = 0; i < tabs->count(); ++i)
                text += tabs->tabText(i) + u' ';
        } else if (const auto *menus = qobject_cast<const QMenuBar *>(widget)) {
            for (const QAction *menu : menus->actions())
                text += menu->text() + u' ';
        } else {
            continue;
        }
        if (!text.trimmed().isEmpty() && widget->sizeHint().width() > widget->width())
            found.append(QStringLiteral("%1 \"%2\" needs %3 px, has %4").arg(pathOf(widget), text.trimmed())
                                 .arg(widget->sizeHint().width()).arg(widget->width()));
    }
    for (const QToolBar *bar : root->findChildren<QToolBar *>()) {
        for (QAction *action : bar->actions()) {
            const QWidget *button = bar->widgetForAction(action);
            if (bar->isVisible() && button && !action->isSeparator() && !button->isVisible())
                found.append(QStringLiteral("%1 has no room for \"%2\"").arg(pathOf(bar), action->text()));
        }
    }
    return found;
}

// A feed in the language %1, with the iTunes namespace %2: a podcast.
const QString kFeed = QStringLiteral(TIDREL_TEST_DATA_DIR "/translations-feed.xml");

// The program's and Qt's translations of one language, installed for as
// long as it lives.
class LanguageScope
{
public:
    explicit LanguageScope(const QString &language)
    {
        m_loaded = m_program.load(QStringLiteral("tidrel_") + language, CUiTranslations::folder());
        // Qt's own words (the standard buttons) where the system has them.
        if (m_qt.load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&m_qt);
        QCoreApplication::installTranslator(&m_program);
    }
    ~LanguageScope()
    {
        QCoreApplication::removeTranslator(&m_program);
        QCoreApplication::removeTranslator(&m_qt);
    }
    bool loaded() const { return m_loaded; }

private:
    QTranslator m_program;
    QTranslator m_qt;
    bool m_loaded = false;
};

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void catalogue_isComplete_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("forms"); // plural forms of the language
        QTest::addColumn<QString>("direction");
        QTest::newRow("English plurals") << "en" << 2 << "";
        QTest::newRow("German") << "de" << 2 << "LTR";
        QTest::newRow("French") << "fr" << 2 << "LTR";
        QTest::newRow("Spanish") << "es" << 2 << "LTR";
        QTest::newRow("Russian") << "ru" << 3 << "LTR";
        QTest::newRow("Arabic") << "ar" << 6 << "RTL";
    }

    // Every text of the sources is in the catalogue, translated in full with
    // its placeholders and mnemonic, and every page of the guide; English
    // holds only the plural forms.
    void catalogue_isComplete()
    {
        QFETCH(QString, language);
        QFETCH(int, forms);
        QFETCH(QString, direction);
        const QList<Message> messages = readCatalogue(cataloguePath(language));
        QVERIFY2(!messages.isEmpty(), qPrintable(cataloguePath(language)));

        QStringList faults;
        for (const Message &message : messages) {
            if (language == QLatin1String("en") && !message.numerus)
                continue;
            if (!message.type.isEmpty()) {
                faults.append(message.type + QStringLiteral(": ") + describe(message));
                continue;
            }
            if (message.forms.size() != (message.numerus ? forms : 1) || message.forms.contains(QString())) {
                faults.append(QStringLiteral("%1 of %2 forms: %3").arg(message.forms.size()).arg(forms).arg(describe(message)));
                continue;
            }
            for (const QString &form : message.forms) {
                if (placeholders(form) != placeholders(message.source))
                    faults.append(QStringLiteral("placeholders of \"%1\": %2").arg(form, describe(message)));
                if (mnemonics(form) != mnemonics(message.source))
                    faults.append(QStringLiteral("mnemonic of \"%1\": %2").arg(form, describe(message)));
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));

        // The user guide, translated page by page from the English pages as
        // they are now (tools/translations.py lists the pages left).
        if (language != QLatin1String("en")) {
            const QDir english(QStringLiteral(TIDREL_SOURCE_DIR "/res/shell/help"));
            for (const QString &page : english.entryList({QStringLiteral("*.html")})) {
                QFile source(english.filePath(page));
                QVERIFY(source.open(QIODevice::ReadOnly));
                const QByteArray digest = QCryptographicHash::hash(source.readAll(), QCryptographicHash::Sha1).toHex();
                QFile translated(QStringLiteral(":/shell/help/%1/%2").arg(language, page));
                if (!translated.open(QIODevice::ReadOnly))
                    faults.append(QStringLiteral("no guide page ") + translated.fileName());
                else if (!translated.readAll().contains("<meta name=\"source-digest\" content=\"" + digest + "\">"))
                    faults.append(QStringLiteral("guide page %1 older than the English page").arg(translated.fileName()));
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));

        QTranslator compiled;
        QVERIFY(compiled.load(QStringLiteral("tidrel_") + language, CUiTranslations::folder()));
        if (!direction.isEmpty())
            QCOMPARE(compiled.translate("QGuiApplication", "QT_LAYOUT_DIRECTION"), direction);
    }

    // A text wrapped in the sources but missing from the catalogues is
    // shown untranslated: lupdate over the sources finds no other texts.
    void catalogue_holdsEveryTextOfTheSources()
    {
        QTemporaryDir dir;
        const QString fresh = dir.filePath(QStringLiteral("fresh.ts"));
        QProcess lupdate;
        lupdate.start(QStringLiteral(TIDREL_LUPDATE),
                      {QStringLiteral("-recursive"), QStringLiteral("-locations"), QStringLiteral("none"),
                       QStringLiteral("-extensions"), QStringLiteral("cpp,h"), QStringLiteral(TIDREL_SOURCE_DIR "/src"),
                       QStringLiteral("-ts"), fresh});
        QVERIFY(lupdate.waitForFinished(120000));
        QCOMPARE(lupdate.exitCode(), 0);
        const std::set<MessageKey> inSources = keysOf(readCatalogue(fresh));
        QVERIFY(!inSources.empty());
        const std::set<MessageKey> translated = keysOf(readCatalogue(cataloguePath(QStringLiteral("de"))));
        QStringList missing;
        for (const MessageKey &key : inSources) {
            if (!translated.count(key))
                missing.append(std::get<0>(key) + QStringLiteral(": ") + std::get<1>(key));
        }
        QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("not in the catalogues (build the update_translations "
                                                              "target and translate them):\n")
                                               + missing.join(u'\n')));
    }

    void mainWindowFits_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("feedLanguage");
        QTest::addColumn<bool>("rightToLeft");
        // The feed's own text keeps its direction whatever the program's.
        QTest::newRow("German, Arabic feed") << "de" << "ar" << false;
        QTest::newRow("French") << "fr" << "fr" << false;
        QTest::newRow("Spanish") << "es" << "es" << false;
        QTest::newRow("Russian") << "ru" << "ru" << false;
        QTest::newRow("Arabic, English feed") << "ar" << "en-us" << true;
    }

    // The window at 1024x700 with a feed, its panes and its dialogs: no
    // label, button, check box, tab, menu title or toolbar button needs more
    // room than it has.
    void mainWindowFits()
    {
        QFETCH(QString, language);
        QFETCH(QString, feedLanguage);
        QFETCH(bool, rightToLeft);
        const LanguageScope scope(language);
        QVERIFY(scope.loaded());
        QCoreApplication::processEvents(); // the language change sets the direction
        QCOMPARE(QGuiApplication::layoutDirection(), rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);

        MainWindowFixture window;
        window.main->resize(1024, 700);
        const QString path = window.dir.filePath(QStringLiteral("feed.xml"));
        QVERIFY(writeFile(path, QString::fromUtf8(readFile(kFeed)).arg(feedLanguage, CFeedVocabulary::itunesNamespace()).toUtf8()));
        CChildFrame *frame = openAndWait(window.main->documents(), path);
        QVERIFY(MainWindowFixture::waitForPage(frame));
        // A podcast opens with its details. Shown again beside a posts list
        // half the window wide, the pane takes the room its fields need, and
        // no row runs past its right edge.
        CBarPostDetails *details = frame->detailsBar();
        QTRY_VERIFY(details->isVisible() && details->podcastGroup()->isVisible());
        QVERIFY(window.main->executeCommand(ID_VIEW_POST_DETAILS));
        frame->dockHost()->resizeDocks({frame->postsBar()}, {512}, Qt::Horizontal);
        QTRY_VERIFY(frame->postsBar()->width() > 480);
        QVERIFY(window.main->executeCommand(ID_VIEW_POST_DETAILS));
        const auto *area = qobject_cast<QScrollArea *>(details->widget());
        QTRY_VERIFY2(area->widget()->minimumSizeHint().width() <= area->viewport()->width(),
                     qPrintable(QStringLiteral("%1 > %2").arg(area->widget()->minimumSizeHint().width()).arg(area->viewport()->width())));
        QVERIFY(window.main->executeCommand(ID_FEED_CHECK));
        QTRY_VERIFY(frame->problemsBar()->isVisible());
        QCOMPARE(window.main->size(), QSize(1024, 700));
        // The posts come first in reading order: on the right in Arabic.
        const int postsX = frame->postsBar()->mapTo(window.main.get(), QPoint()).x();
        const int editorX = frame->view()->mapTo(window.main.get(), QPoint()).x();
        QCOMPARE(postsX > editorX, rightToLeft);
        QCOMPARE(window.main->menuBar()->actions().constFirst()->text(), CMainFrame::tr("&File"));
        QVERIFY(CMainFrame::tr("&File") != QLatin1String("&File"));
        // The status bar lays out its new check summary a moment later.
        QTRY_VERIFY2(overflowingTexts(window.main.get()).isEmpty(),
                     qPrintable(overflowingTexts(window.main.get()).join(u'\n')));

        CPreferencesDialog preferences(window.main.get());
        CPublishSettingsDialog publishing(QStringLiteral("feed.xml"), window.main.get());
        CAboutDialog about(window.main.get());
        for (QDialog *dialog : std::initializer_list<QDialog *>{&preferences, &publishing, &about}) {
            dialog->show();
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            QVERIFY2(dialog->width() <= 1024 && dialog->height() <= 700, dialog->metaObject()->className());
            QTRY_VERIFY2(overflowingTexts(dialog).isEmpty(), qPrintable(overflowingTexts(dialog).join(u'\n')));
            dialog->hide();
        }

        // The editor page around the post in the program's direction, the
        // post in its feed's.
        QWebEngineView *page = frame->view()->engine();
        QCOMPARE(pageText(page, QStringLiteral("document.documentElement.dir")),
                 rightToLeft ? QStringLiteral("rtl") : QStringLiteral("ltr"));
        const bool feedRightToLeft = feedLanguage == QLatin1String("ar");
        QTRY_COMPARE(pageText(page, QStringLiteral("document.getElementById('div_title').dir")),
                     feedRightToLeft ? QStringLiteral("rtl") : QStringLiteral("ltr"));
        QCOMPARE(pageText(page, QStringLiteral("document.querySelector('td.label').textContent")),
                 CRSSEditView::tr("Link:"));
    }
};

TIDREL_WINDOW_TEST_MAIN(TestTranslations)
#include "tst_translations.moc"
