#pragma once

#include "document/DocumentPrompter.h"
#include "document/RSSObserver.h"

#include <QFile>
#include <QString>
#include <QStringList>

#include <functional>

// One post of a feed file written by a test.
struct TestPost
{
    TestPost(const QString &title, const QString &pubDate = QStringLiteral("01 Mar 2026 09:00:00 GMT"),
             const QString &description = QString())
        : title(title), pubDate(pubDate), description(description)
    {
    }

    QString title;
    QString pubDate;
    QString description;
};

// Text as character data; line breaks as references so they survive reading.
inline QString xmlText(const QString &text)
{
    return text.toHtmlEscaped().replace(QLatin1Char('\r'), QStringLiteral("&#x0D;"))
        .replace(QLatin1Char('\n'), QStringLiteral("&#x0A;"));
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
                   .arg(xmlText(post.title), xmlText(post.description),
                        post.pubDate, QString::number(++guid));
    }
    xml += QStringLiteral("</channel>\n</rss>\n");
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(xml.toUtf8()) > 0;
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
    bool confirm(const QString &question) override
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
