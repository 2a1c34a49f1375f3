#pragma once

#include "shell/ShellServices.h"

#include <QFile>
#include <QString>
#include <QStringList>
#include <QUrl>

// Answers the shell's questions in place of the user and records what was
// asked and shown.
class FakeShellServices : public CShellServices
{
public:
    bool confirm(const QString &question) override
    {
        questions.append(question);
        return confirmAnswer;
    }
    void showError(const QString &message) override { errors.append(message); }
    void beep() override { ++beeps; }

    SaveChoice askSaveChanges(const QString &documentTitle) override
    {
        saveQuestions.append(documentTitle);
        return saveChoice;
    }
    QString askOpenFileName() override { return openFileName; }
    QString askSaveFileName(const QString &suggestedPath) override
    {
        suggestedSavePaths.append(suggestedPath);
        return saveFileName;
    }
    void showInformation(const QString &message) override { informations.append(message); }
    void openUrl(const QUrl &url) override { urls.append(url); }

    bool confirmAnswer = true;
    SaveChoice saveChoice = CancelClosing;
    QString openFileName;
    QString saveFileName;

    QStringList questions;
    QStringList errors;
    QStringList saveQuestions;
    QStringList suggestedSavePaths;
    QStringList informations;
    QList<QUrl> urls;
    int beeps = 0;
};

// Writes a small RSS 2.0 file whose posts carry the given titles, each with
// a description, a link and a date of its own.
inline bool writeSmallFeed(const QString &path, const QStringList &titles)
{
    QString xml = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                 "<rss version=\"2.0\">\n<channel>\n<title>Small feed</title>\n"
                                 "<link>http://example.org/</link>\n");
    for (int i = 0; i < titles.size(); ++i) {
        xml += QStringLiteral("<item><title>%1</title>"
                              "<description>&lt;p&gt;Text of %1&lt;/p&gt;</description>"
                              "<link>http://example.org/%2</link>"
                              "<pubDate>0%2 Mar 2026 09:00:00 GMT</pubDate>"
                              "<guid>guid%2</guid></item>\n")
                   .arg(titles.at(i).toHtmlEscaped(), QString::number(i + 1));
    }
    xml += QStringLiteral("</channel>\n</rss>\n");
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(xml.toUtf8()) > 0;
}
