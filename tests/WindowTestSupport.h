#pragma once

// Helpers of the tests that drive windows: the editor page, the panes and
// the main window.

#include "editor/RSSEditView.h"
#include "engine/HtmlEngineView.h"
#include "publishing/PublishSettings.h"
#include "shell/ChildFrame.h"
#include "shell/DocManager.h"
#include "shell/MainFrame.h"
#include "shell/ShellServices.h"
#include "shell/TidrelApp.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QPointer>
#include <QPrinter>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <QWebEnginePage>
#include <QtTest>

#include <functional>
#include <memory>
#include <utility>

// Answers in place of the user and records what was asked and shown.
class FakeShellServices : public CShellServices
{
public:
    bool confirm(const QString &question, const QString &verb) override
    {
        questions.append(question);
        verbs.append(verb);
        return confirmAnswer;
    }
    void showError(const QString &message) override { errors.append(message); }
    void beep() override {}
    SaveChoice askSaveChanges(const QString &documentTitle) override
    {
        saveQuestions.append(documentTitle);
        return saveChoice;
    }
    QString askOpenFileName() override { return QString(); }
    QStringList askAudioFileNames() override { return audioFileNames; }
    QString askSaveFileName(const QString &) override { return saveFileName; }
    QString askFeedLocation() override { return feedLocation; }
    QString askNewFeedAddress(const QString &currentAddress) override
    {
        movedFrom.append(currentAddress);
        return newFeedAddress;
    }
    void showInformation(const QString &message) override { informations.append(message); }
    bool openUrl(const QUrl &url) override
    {
        openedUrls.append(url);
        return browserFound;
    }

    bool askNewFeed(NewFeedParams *params) override
    {
        ++newFeedQuestions;
        if (newFeedAnswer)
            *params = newFeedParams;
        return newFeedAnswer;
    }
    bool askPublishSettings(const QString &feedName, PublishTarget *target, QString *secret) override
    {
        publishSettingsQuestions.append(feedName);
        secretsShown.append(*secret);
        if (!publishSettingsAnswer)
            return false;
        *target = publishTarget;
        *secret = publishSecret;
        return true;
    }
    HostKeyChoice askTrustHost(const QString &host, const QString &fingerprint) override
    {
        hostQuestions.append(host + QLatin1Char(' ') + fingerprint);
        return hostChoice;
    }
    // Printing goes to the PDF file named here.
    bool askPrintOptions(QPrinter *printer) override
    {
        printer->setOutputFileName(printFile);
        return !printFile.isEmpty();
    }
    bool askPageSetup(QPrinter *) override { return false; }
    void showPrintPreview(QPrinter *printer, const std::function<void(QPrinter *)> &paint) override
    {
        printer->setOutputFileName(printFile);
        paint(printer);
    }

    bool confirmAnswer = true;
    bool newFeedAnswer = true;
    NewFeedParams newFeedParams;
    int newFeedQuestions = 0;
    QString printFile;
    SaveChoice saveChoice = CancelClosing;
    QString saveFileName;
    QString feedLocation;
    QString newFeedAddress;
    QStringList audioFileNames;
    bool browserFound = true;
    bool publishSettingsAnswer = true;
    PublishTarget publishTarget;
    QString publishSecret;
    HostKeyChoice hostChoice = RefuseHost;

    QStringList questions;
    QStringList verbs; // the accepting button of each question
    QList<QUrl> openedUrls;
    QStringList errors;
    QStringList informations;
    QStringList movedFrom; // the current address shown by each Move Feed
    QStringList saveQuestions;
    QStringList publishSettingsQuestions;
    QStringList secretsShown;
    QStringList hostQuestions;
};

// Runs a script in the page and waits for its answer.
inline QVariant evalJs(QWebEngineView *view, const QString &script)
{
    // The answer may come after we stopped waiting, so it goes where it
    // outlives this call.
    auto answer = std::make_shared<std::pair<bool, QVariant>>(false, QVariant());
    view->page()->runJavaScript(script, [answer](const QVariant &value) {
        answer->first = true;
        answer->second = value;
    });
    if (!QTest::qWaitFor([&] { return answer->first; }, 10000))
        qWarning("script did not answer: %s", qPrintable(script));
    return answer->second;
}

inline QString pageText(QWebEngineView *view, const QString &expression)
{
    return evalJs(view, expression).toString();
}

// Gives an element of the page the focus with the caret at its end, as a
// click after its last character would.
inline bool focusAtEnd(QWebEngineView *view, const QString &id)
{
    view->setFocus();
    const QString script = QStringLiteral(
        "(function(){ const e = document.getElementById('%1'); e.focus();"
        " const r = document.createRange(); r.selectNodeContents(e); r.collapse(false);"
        " const s = getSelection(); s.removeAllRanges(); s.addRange(r);"
        " return document.activeElement.id; })()").arg(id);
    return QTest::qWaitFor([&] { return pageText(view, script) == id; }, 5000);
}

// Runs `interact` on the modal dialog once it shows, inside its modal loop,
// and closes the dialog if `interact` left it open (a failed check returns
// early). Call it, then start what opens the dialog.
inline void whenModalShown(std::function<void(QDialog *)> interact)
{
    auto *timer = new QTimer;
    auto *deadline = new QElapsedTimer;
    deadline->start();
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer, deadline, interact] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        const bool shown = dialog && dialog->isVisible();
        if (!shown && deadline->elapsed() < 30000)
            return;
        timer->deleteLater();
        timer->stop();
        delete deadline;
        if (!shown)
            return;
        interact(dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
    timer->start();
}

struct TestPost
{
    QString title;
    QString description;
    QString link;
    QString pubDate;
    QString author;
};

// Posts with the given titles, dated a day apart in feed order (the first is
// the oldest), each with a text and a link of its own.
inline QList<TestPost> postsTitled(const QStringList &titles)
{
    QList<TestPost> posts;
    for (int i = 0; i < titles.size(); ++i) {
        posts.append({titles.at(i), QStringLiteral("Text of ") + titles.at(i),
                      QStringLiteral("http://example.org/%1.html").arg(i),
                      QStringLiteral("%1 Mar 2026 09:00:00 GMT").arg(i + 1, 2, 10, QLatin1Char('0')), QString()});
    }
    return posts;
}

// Posts "Post 1", "Post 2"... carrying the given descriptions.
inline QList<TestPost> postsDescribed(const QStringList &descriptions)
{
    QStringList titles;
    for (int i = 1; i <= descriptions.size(); ++i)
        titles.append(QStringLiteral("Post %1").arg(i));
    QList<TestPost> posts = postsTitled(titles);
    for (int i = 0; i < posts.size(); ++i)
        posts[i].description = descriptions.at(i);
    return posts;
}

inline bool writeFeed(const QString &path, const QList<TestPost> &posts)
{
    QString xml = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<rss version=\"2.0\">\n<channel>\n"
                                 "<title>Feed</title>\n<link>http://example.org/</link>\n"
                                 "<description>A feed</description>\n");
    for (int i = 0; i < posts.size(); ++i) {
        const TestPost &post = posts.at(i);
        xml += QStringLiteral("<item><title>%1</title><description>%2</description><link>%3</link>"
                              "<pubDate>%4</pubDate><guid>guid%5</guid>")
                   .arg(post.title.toHtmlEscaped(), post.description.toHtmlEscaped(), post.link.toHtmlEscaped(),
                        post.pubDate, QString::number(i));
        if (!post.author.isEmpty())
            xml += QStringLiteral("<author>%1</author>").arg(post.author.toHtmlEscaped());
        xml += QStringLiteral("</item>\n");
    }
    xml += QStringLiteral("</channel>\n</rss>\n");
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(xml.toUtf8()) > 0;
}

// Opens the file as the window does and waits until its feed is read: the
// frame, or null when the file did not open (or was not read in a minute).
inline CChildFrame *openAndWait(CDocManager *documents, const QString &path)
{
    QPointer<CChildFrame> frame = documents->openDocument(path);
    const bool read = QTest::qWaitFor([&frame] { return !frame || !frame->isOpening(); }, 60000);
    return read ? frame.data() : nullptr;
}

// The real main window, offscreen, with the user's answers given by fakes.
struct MainWindowFixture
{
    MainWindowFixture()
    {
        main->setServices(&services);
        main->resize(1100, 760);
        main->show();
    }
    ~MainWindowFixture()
    {
        services.saveChoice = CShellServices::DiscardChanges;
        main.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Writes a feed into the fixture's folder and opens it.
    CChildFrame *openFeed(const QString &name, const QList<TestPost> &posts)
    {
        const QString path = dir.filePath(name);
        return writeFeed(path, posts) ? openAndWait(main->documents(), path) : nullptr;
    }
    static bool waitForPage(CChildFrame *frame)
    {
        return frame && QTest::qWaitFor([frame] { return frame->view()->engine()->isReady(); }, 30000);
    }

    QTemporaryDir dir;
    FakeShellServices services;
    std::unique_ptr<CMainFrame> main = std::make_unique<CMainFrame>();
};

// main() of a test of whole windows: the process set up as the program's.
#define TIDREL_WINDOW_TEST_MAIN(TestClass)                                                                             \
    int main(int argc, char *argv[])                                                                                   \
    {                                                                                                                  \
        QStandardPaths::setTestModeEnabled(true);                                                                      \
        CTidrelApp::prepareProcess();                                                                                  \
        QApplication app(argc, argv);                                                                                  \
        CTidrelApp::initInstance();                                                                                    \
        TestClass test;                                                                                                \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }
