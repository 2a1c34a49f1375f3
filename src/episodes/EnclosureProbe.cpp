#include "episodes/EnclosureProbe.h"

#include "web/CurlEasy.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QUrl>

#include <audioproperties.h>
#include <fileref.h>

namespace {

constexpr int kMaxParallelProbes = 2;

// Types podcast directories insist on where the shared MIME database says
// something else (audio/mp4 for .m4a) or nothing useful.
const struct
{
    const char *extension;
    const char *type;
} kPodcastTypes[] = {
    {"m4a", "audio/x-m4a"},   {"mp3", "audio/mpeg"},       {"m4v", "video/x-m4v"},
    {"mp4", "video/mp4"},     {"mov", "video/quicktime"},  {"pdf", "application/pdf"},
    {"epub", "document/x-epub"}, {"ogg", "audio/ogg"},     {"oga", "audio/ogg"},
    {"opus", "audio/opus"},   {"aac", "audio/aac"},        {"wav", "audio/wav"},
    {"flac", "audio/flac"},
};

QString fileDuration(const QString &path)
{
    const TagLib::FileRef file(QFile::encodeName(path).constData(), true, TagLib::AudioProperties::Average);
    if (file.isNull() || !file.audioProperties())
        return QString();
    const int milliseconds = file.audioProperties()->lengthInMilliseconds();
    return milliseconds > 0 ? CEnclosureProbe::formatDuration((milliseconds + 500) / 1000) : QString();
}

// The reason phrase of the last status line, which is that of the final
// response when redirects were followed.
size_t keepReasonPhrase(char *data, size_t size, size_t count, void *userData)
{
    const QByteArray line(data, qsizetype(size * count));
    if (line.startsWith("HTTP/")) {
        const QList<QByteArray> parts = line.trimmed().split(' ');
        *static_cast<QByteArray *>(userData) = parts.mid(2).join(' ');
    }
    return size * count;
}

} // namespace

CEnclosureProbe::CEnclosureProbe(QObject *parent)
    : QObject(parent)
{
    m_workers.setMaxThreadCount(kMaxParallelProbes);
}

CEnclosureProbe::~CEnclosureProbe()
{
    m_cancelled = true;
    m_workers.waitForDone();
}

void CEnclosureProbe::probeFile(const QString &path)
{
    run([path] { return inspectFile(path); });
}

void CEnclosureProbe::probeUrl(const QString &url)
{
    run([this, url] { return inspectUrl(url, &m_cancelled); });
}

void CEnclosureProbe::run(std::function<EnclosureInfo()> work)
{
    m_workers.start([this, work] {
        const EnclosureInfo info = work();
        QMetaObject::invokeMethod(this, [this, info] { emit probed(info); }, Qt::QueuedConnection);
    });
}

EnclosureInfo CEnclosureProbe::inspectFile(const QString &path)
{
    EnclosureInfo info;
    info.source = path;
    info.url = QUrl::fromLocalFile(path).toString();
    const QFileInfo file(path);
    if (!file.isFile()) {
        info.note = file.exists() ? QCoreApplication::translate("CEnclosureProbe", "This is a folder, not a file.") : QCoreApplication::translate("CEnclosureProbe", "The file does not exist.");
        return info;
    }
    if (!file.isReadable()) {
        info.note = QCoreApplication::translate("CEnclosureProbe", "The file cannot be read.");
        return info;
    }
    info.length = file.size();
    info.type = podcastMimeType(path);
    if (info.type.isEmpty())
        info.type = QMimeDatabase().mimeTypeForFile(file).name();
    info.duration = fileDuration(path);
    return info;
}

EnclosureInfo CEnclosureProbe::inspectUrl(const QString &url, const std::atomic<bool> *cancelled)
{
    EnclosureInfo info;
    info.source = url;
    info.url = url;
    CCurlEasy transfer;
    if (!transfer.isValid()) {
        info.note = QCoreApplication::translate("CEnclosureProbe", "The network library could not start.");
        return info;
    }
    QByteArray reason;
    transfer.setWebRequest(QUrl(url).toEncoded(), "http,https,ftp");
    if (cancelled)
        transfer.setProgressHandler([cancelled](qint64, qint64) { return !*cancelled; });
    CURL *handle = transfer.handle();
    curl_easy_setopt(handle, CURLOPT_NOBODY, 1L);
    curl_easy_setopt(handle, CURLOPT_HEADERFUNCTION, keepReasonPhrase);
    curl_easy_setopt(handle, CURLOPT_HEADERDATA, &reason);

    const CURLcode result = transfer.perform();
    if (result != CURLE_OK) {
        info.note = transfer.failureText(result);
        return info;
    }
    const long status = transfer.responseCode();
    if (url.startsWith(QLatin1String("http"), Qt::CaseInsensitive) && status >= 300) {
        info.note = QCoreApplication::translate("CEnclosureProbe", "The server answered %1.").arg(QString::fromLatin1(QByteArray::number(qlonglong(status)) + ' ' + reason).trimmed());
        return info;
    }

    curl_off_t length = -1;
    curl_easy_getinfo(handle, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length);
    info.length = length;
    const char *type = nullptr;
    curl_easy_getinfo(handle, CURLINFO_CONTENT_TYPE, &type);
    if (type)
        info.type = QString::fromLatin1(type).section(u';', 0, 0).trimmed().toLower();
    // Servers that do not know the type say so in their own ways.
    if (info.type.isEmpty() || info.type == QLatin1String("application/octet-stream"))
        info.type = podcastMimeType(QUrl(url).path());
    if (info.length < 0)
        info.note = QCoreApplication::translate("CEnclosureProbe", "The server did not tell the length.");
    return info;
}

QString CEnclosureProbe::podcastMimeType(const QString &fileName)
{
    const QString extension = QFileInfo(fileName).suffix().toLower();
    for (const auto &entry : kPodcastTypes) {
        if (extension == QLatin1String(entry.extension))
            return QString::fromLatin1(entry.type);
    }
    return QString();
}

QString CEnclosureProbe::formatDuration(qint64 seconds)
{
    const qint64 hours = seconds / 3600;
    const QString minutesAndSeconds = QStringLiteral("%1:%2")
                                          .arg((seconds / 60) % 60, 2, 10, QLatin1Char('0'))
                                          .arg(seconds % 60, 2, 10, QLatin1Char('0'));
    return hours > 0 ? QStringLiteral("%1:%2").arg(hours).arg(minutesAndSeconds) : minutesAndSeconds;
}
