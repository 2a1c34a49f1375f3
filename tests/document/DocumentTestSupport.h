#pragma once

#include "TestFiles.h"

#include "document/DocumentPrompter.h"
#include "document/RSSEditDoc.h"
#include "document/RSSObserver.h"

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

// Writes each notification it hears into a shared log as "name:hint:index".
class RecordingObserver : public CRSSObserver
{
public:
    RecordingObserver(const QString &name, QStringList *log) : m_name(name), m_log(log) {}

    void OnRSSNotify(CRSSObserver *, int hint, const QVariant &data) override
    {
        m_log->append(QStringLiteral("%1:%2:%3").arg(m_name).arg(hint).arg(data.toInt()));
        if (onNotify)
            onNotify(hint, data.toInt());
    }

    std::function<void(int hint, int index)> onNotify;

private:
    QString m_name;
    QStringList *m_log;
};

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

// The log that notifications "hint:index ..." leave, each heard by the view
// and then the frame.
inline QStringList notes(const QString &hintsAndIndexes)
{
    QStringList log;
    for (const QString &note : hintsAndIndexes.split(u' ', Qt::SkipEmptyParts))
        log << QStringLiteral("view:") + note << QStringLiteral("frame:") + note;
    return log;
}

// A document with a recording view, frame and prompter, and a file named
// after its own temporary folder, so backups of other tests never count.
struct DocumentFixture
{
    DocumentFixture() : view(QStringLiteral("view"), &log), frame(QStringLiteral("frame"), &log)
    {
        path = dir.filePath(QFileInfo(dir.path()).fileName() + QStringLiteral(".xml"));
        doc.addView(&view);
        doc.setFrame(&frame);
        doc.setPrompter(&prompter);
    }

    void open(const QList<TestPost> &posts)
    {
        QVERIFY(writeFeedFile(path, posts));
        QString error;
        QVERIFY2(doc.OnOpenDocument(path, &error), qPrintable(error));
        log.clear();
    }

    void select(int post) { doc.Notify(nullptr, HINT_SELECT_POST, post); }

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
        [&] { QVERIFY(doc.OnUpdateCommand(id, &state)); }();
        return state;
    }

    QTemporaryDir dir;
    QString path;
    QStringList log;
    RecordingObserver view;
    RecordingObserver frame;
    RecordingPrompter prompter;
    CRSSEditDoc doc; // last, so it goes first
};
