#pragma once

#include "TestFiles.h"

#include "document/DocumentPrompter.h"
#include "commands/PostCommands.h"
#include "document/RSSEditDoc.h"

#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

// One post of a feed file written by a test.
struct TestPost
{
    QString title;
    QString pubDate = QStringLiteral("01 Mar 2026 09:00:00 GMT");
    QString description = QString();
};

// Text as character data; line breaks as references so they survive reading.
inline QString xmlText(const QString &text)
{
    return text.toHtmlEscaped().replace(u'\r', QStringLiteral("&#x0D;")).replace(u'\n', QStringLiteral("&#x0A;"));
}

// Writes a small RSS 2.0 file with the given posts in this order.
inline bool writeFeedFile(const QString &path, const QList<TestPost> &posts)
{
    QString xml = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                 "<rss version=\"2.0\">\n<channel>\n<title>Test feed</title>\n");
    int guid = 0;
    for (const TestPost &post : posts) {
        xml += QStringLiteral("<item><title>%1</title><description>%2</description>"
                              "<pubDate>%3</pubDate><link>http://example.org/%4</link>"
                              "<author>a</author><guid>guid%4</guid></item>\n")
                   .arg(xmlText(post.title), xmlText(post.description), post.pubDate, QString::number(++guid));
    }
    xml += QStringLiteral("</channel>\n</rss>\n");
    return writeFile(path, xml.toUtf8());
}

inline QList<TestPost> postsTitled(const QStringList &titles)
{
    QList<TestPost> posts;
    for (const QString &title : titles)
        posts.append(TestPost{title});
    return posts;
}

// Writes the document's news and its selection's changes into the log:
// "select:1", "insert:0", "remove:2", "title:1" (a field and its post),
// "elements:1", "restore:1", "header", "reset".
inline void recordNews(CRSSEditDoc *doc, QStringList *log)
{
    const auto note = [log](const QString &what, int index) { log->append(what + u':' + QString::number(index)); };
    QObject::connect(doc->selection(), &CPostSelection::changed, doc, [note](int post) { note("select", post); });
    QObject::connect(doc, &CRSSEditDoc::postsInserted, doc, [note](int index) { note("insert", index); });
    QObject::connect(doc, &CRSSEditDoc::postRemoved, doc, [note](int index) { note("remove", index); });
    QObject::connect(doc, &CRSSEditDoc::postRestored, doc, [note](int post) { note("restore", post); });
    QObject::connect(doc, &CRSSEditDoc::postElementsChanged, doc, [note](int post) { note("elements", post); });
    QObject::connect(doc, &CRSSEditDoc::postFieldChanged, doc, [note](int post, CRSSEditDoc::PostField field) {
        const char *names[] = {"title", "link", "author", "description"};
        note(QString::fromLatin1(names[field]), post);
    });
    QObject::connect(doc, &CRSSEditDoc::headerChanged, doc, [log] { log->append("header"); });
    QObject::connect(doc, &CRSSEditDoc::feedReset, doc, [log] { log->append("reset"); });
}

class RecordingPrompter : public CDocumentPrompter
{
public:
    bool confirm(const QString &question, const QString &) override
    {
        questions.append(question);
        return answer;
    }
    void showError(const QString &message) override { errors.append(message); }
    void beep() override { ++beeps; }

    bool answer = true;
    QStringList questions;
    QStringList errors;
    int beeps = 0;
};

// The log that notes "select:1 remove:2 ..." leave.
inline QStringList notes(const QString &notes)
{
    return notes.split(u' ', Qt::SkipEmptyParts);
}

// A document with its commands, a recording prompter, its news in
// the log, and a file named after its own temporary folder, so backups of
// other tests never count.
struct DocumentFixture
{
    DocumentFixture()
    {
        path = dir.filePath(QFileInfo(dir.path()).fileName() + QStringLiteral(".xml"));
        doc.setPrompter(&prompter);
        recordNews(&doc, &log);
    }

    void open(const QList<TestPost> &posts)
    {
        QVERIFY(writeFeedFile(path, posts));
        QString error;
        QVERIFY2(doc.OnOpenDocument(path, &error), qPrintable(error));
        log.clear();
    }

    void select(int post) { QVERIFY(doc.selection()->select(post)); }

    QStringList titles()
    {
        QStringList result;
        for (int i = 0; i < doc.feed()->GetPostCount(); ++i)
            result.append(doc.feed()->GetPostTitle(i));
        return result;
    }

    CommandState state(int id)
    {
        CommandState state;
        state.enabled = !state.enabled; // so that an untouched state shows
        [&] { QVERIFY(commands.OnUpdateCommand(id, &state)); }();
        return state;
    }

    QTemporaryDir dir;
    QString path;
    QStringList log;
    RecordingPrompter prompter;
    CRSSEditDoc doc;
    CPostCommands commands{&doc}; // last, so it goes first
};
