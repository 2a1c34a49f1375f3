#pragma once

#include "document/RSSObserver.h"

#include <QFile>
#include <QList>
#include <QRegularExpression>
#include <QString>
#include <QVariant>

// Hears notifications and keeps them in order.
class RecordingObserver : public CRSSObserver
{
public:
    void OnRSSNotify(CRSSObserver *sender, int hint, const QVariant &data) override
    {
        notes.append({sender, hint, data});
    }
    int count(int hint) const
    {
        int found = 0;
        for (const Note &note : notes)
            found += note.hint == hint ? 1 : 0;
        return found;
    }

    struct Note
    {
        CRSSObserver *sender;
        int hint;
        QVariant data;
    };
    QList<Note> notes;
};

// The PreviewBar value as the settings file on disk holds it; -1 when the
// file or the key is missing.
inline int previewBarOnDisk(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QRegularExpression line(QStringLiteral("^PreviewBar=(\\d+)\\s*$"),
                                  QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = line.match(QString::fromUtf8(file.readAll()));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// Writes a small feed whose posts carry the given descriptions.
inline bool writeFeedWithDescriptions(const QString &path, const QStringList &descriptions)
{
    QString xml = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                 "<rss version=\"2.0\">\n<channel>\n<title>Feed</title>\n"
                                 "<link>http://example.org/</link>\n<description>A feed</description>\n");
    for (int i = 0; i < descriptions.size(); ++i) {
        xml += QStringLiteral("<item><title>Post %1</title><link>http://example.org/%1</link>"
                              "<description>%2</description>"
                              "<pubDate>0%1 Jan 2020 10:00:00 GMT</pubDate></item>\n")
                   .arg(QString::number(i + 1), descriptions.at(i).toHtmlEscaped());
    }
    xml += QStringLiteral("</channel>\n</rss>\n");
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(xml.toUtf8()) > 0;
}
