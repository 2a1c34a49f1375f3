#include "web/TitleFetchSteps.h"

#include "core/XmlSafeText.h"
#include "core/FileHelpers.h"
#include "markup/MarkupScanner.h"
#include "web/CharsetTable.h"
#include "web/CurlEasy.h"
#include "markup/Utf8ByteSource.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <unicode/ucnv.h>
#include <unicode/ucsdet.h>

#include <limits>
#include <memory>

namespace {

// Download -------------------------------------------------------------------

struct DownloadTarget
{
    QFile *file = nullptr;
    qint64 written = 0;
    bool capped = false;
};

size_t writeToTarget(char *data, size_t size, size_t count, void *userData)
{
    auto *target = static_cast<DownloadTarget *>(userData);
    const qint64 length = qint64(size * count);
    const qint64 kept = qMin(length, kMaxDownloadBytes - target->written);
    if (kept > 0 && target->file->write(data, kept) != kept)
        return 0;
    target->written += kept;
    if (kept < length) {
        // Returning less than offered ends the transfer.
        target->capped = true;
        return 0;
    }
    return size_t(length);
}

bool downloadInto(const QByteArray &url, QFile *file, QString *failure)
{
    CCurlEasy transfer;
    if (!transfer.isValid()) {
        *failure = QCoreApplication::translate("TitleFetchSteps", "The network library could not start.");
        return false;
    }

    DownloadTarget target;
    target.file = file;
    CURL *handle = transfer.handle();
    transfer.setWebRequest(url, "http,https,ftp,file");
    // Error pages have titles too, but not the ones wanted.
    curl_easy_setopt(handle, CURLOPT_FAILONERROR, 1L);
    curl_easy_setopt(handle, CURLOPT_ACCEPT_ENCODING, "");
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, writeToTarget);
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, &target);

    const CURLcode result = transfer.perform();
    if (result == CURLE_OK || (result == CURLE_WRITE_ERROR && target.capped))
        return true;
    *failure = transfer.failureText(result);
    return false;
}

// Another fetch may take the same free name between the choice and the
// creation; then a new name is chosen.
bool createTempPageFile(QFile *file)
{
    for (int attempt = 0; attempt < 8; ++attempt) {
        const QString path = MakeTempFileName(QString(), QStringLiteral("htm"));
        if (path.isEmpty())
            return false;
        file->setFileName(path);
        if (file->open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return true;
    }
    return false;
}

// Files ------------------------------------------------------------------------

bool readWholeFile(const QString &path, QByteArray *bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    *bytes = file.readAll();
    return file.error() == QFileDevice::NoError;
}

QByteArray untilFirstNul(const QByteArray &bytes)
{
    const qsizetype nul = bytes.indexOf('\0');
    return nul < 0 ? bytes : bytes.left(nul);
}

// Charset detection -------------------------------------------------------------

// A charset declared in the text, as in "charset=windows-1251" or the
// quoted-printable "charset=3Dkoi8-r;" of a saved web archive.
QString declaredCharset(const QString &text, bool headOnly)
{
    QString section = text;
    if (headOnly) {
        const QString headTag = QStringLiteral("<HEAD>");
        const qsizetype head = text.indexOf(headTag, 0, Qt::CaseInsensitive);
        if (head < 0)
            return QString();
        const qsizetype start = head + headTag.size();
        const qsizetype headEnd = text.indexOf(QStringLiteral("</HEAD>"), start, Qt::CaseInsensitive);
        if (headEnd < 0)
            return QString();
        section = text.mid(start, headEnd - start);
    }

    const QString key = QStringLiteral("charset=");
    const qsizetype at = section.indexOf(key, 0, Qt::CaseInsensitive);
    if (at < 0)
        return QString();
    const QString rest = section.mid(at + key.size());

    qsizetype cut = -1;
    for (const char16_t stop : {u'"', u' ', u'>'}) {
        const qsizetype position = rest.indexOf(QChar(stop));
        if (position > 0 && (cut < 0 || position < cut))
            cut = position;
    }
    if (cut < 0)
        return QString();

    QString value = rest.left(cut);
    if (value.startsWith(QStringLiteral("3D"), Qt::CaseInsensitive))
        value.remove(0, 2);
    if (value.endsWith(u';'))
        value.chop(1);
    return value;
}

// The number of continuation bytes after a UTF-8 lead byte and the lowest
// code point its sequence may encode, or -1 for a byte that cannot lead.
int utf8SequenceLength(quint8 lead, quint32 *lowest)
{
    if (lead < 0x80) {
        *lowest = 0;
        return 0;
    }
    if ((lead & 0xE0) == 0xC0) {
        *lowest = 0x80;
        return 1;
    }
    if ((lead & 0xF0) == 0xE0) {
        *lowest = 0x800;
        return 2;
    }
    if ((lead & 0xF8) == 0xF0) {
        *lowest = 0x10000;
        return 3;
    }
    return -1;
}

// ASCII and well-formed UTF-8 need no detector, which may well take short
// ASCII pages for EBCDIC. Bytes 0 (UTF-16) and ESC (ISO-2022 escapes) rule
// this out.
bool isPlainUtf8(const QByteArray &bytes)
{
    const auto *data = reinterpret_cast<const quint8 *>(bytes.constData());
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size;) {
        if (data[i] == 0x00 || data[i] == 0x1B)
            return false;
        quint32 lowest = 0;
        const int continuations = utf8SequenceLength(data[i], &lowest);
        if (continuations < 0 || continuations >= size - i)
            return false;
        quint32 codePoint = continuations == 0 ? data[i] : data[i] & (0x3F >> continuations);
        for (int k = 1; k <= continuations; ++k) {
            if ((data[i + k] & 0xC0) != 0x80)
                return false;
            codePoint = (codePoint << 6) | (data[i + k] & 0x3F);
        }
        if (codePoint < lowest || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
            return false;
        i += 1 + continuations;
    }
    return true;
}

// The detector's names that the charset table spells differently. Its
// EBCDIC answers (IBM420, IBM424), which it gives for some plain ASCII
// pages, have no row on purpose.
quint32 codePageOfDetectorName(const char *name)
{
    static const struct
    {
        const char *name;
        quint32 codePage;
    } kAliases[] = {
        {"GB18030", 936},
        {"UTF-16LE", 1200},
        {"UTF-16BE", 1201},
    };
    for (const auto &alias : kAliases) {
        if (qstrcmp(name, alias.name) == 0)
            return alias.codePage;
    }
    return CodePageFromCharset(QString::fromLatin1(name));
}

// The code page of the detector's most confident answer that has one, or
// -1. Of equally confident answers the first wins.
int detectCodePage(const QByteArray &bytes)
{
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<UCharsetDetector, decltype(&ucsdet_close)> detector(ucsdet_open(&status),
                                                                         &ucsdet_close);
    if (U_FAILURE(status))
        return -1;
    // Markup would only blur the picture of the text.
    ucsdet_enableInputFilter(detector.get(), true);
    const int32_t length = int32_t(qMin<qsizetype>(bytes.size(), std::numeric_limits<int32_t>::max()));
    ucsdet_setText(detector.get(), bytes.constData(), length, &status);
    int32_t count = 0;
    const UCharsetMatch **matches = ucsdet_detectAll(detector.get(), &count, &status);
    if (U_FAILURE(status))
        return -1;

    int best = -1;
    int32_t bestConfidence = 0;
    for (int32_t i = 0; i < count; ++i) {
        const char *name = ucsdet_getName(matches[i], &status);
        const int32_t confidence = ucsdet_getConfidence(matches[i], &status);
        if (U_FAILURE(status))
            return -1;
        const quint32 codePage = codePageOfDetectorName(name);
        if (codePage != 0 && confidence > bestConfidence) {
            best = int(codePage);
            bestConfidence = confidence;
        }
    }
    return best;
}

// Conversion ---------------------------------------------------------------------

using Converter = std::unique_ptr<UConverter, decltype(&ucnv_close)>;

// ICU's "windows-<n>" names follow the Windows code pages exactly; other
// code pages go by the table's name (euc-jp, iso-2022-jp, dos-862...) or by
// the "cp<n>" name of IBM's code pages.
Converter openConverter(quint32 codePage)
{
    // UTF-16 cannot survive the cut at the first NUL byte.
    if (codePage == 1200 || codePage == 1201)
        return Converter(nullptr, &ucnv_close);

    const QByteArray number = QByteArray::number(codePage);
    const QByteArray candidates[] = {"windows-" + number, CharsetFromCodePage(int(codePage)),
                                     "cp" + number};
    for (const QByteArray &name : candidates) {
        if (name.isEmpty())
            continue;
        UErrorCode status = U_ZERO_ERROR;
        Converter converter(ucnv_open(name.constData(), &status), &ucnv_close);
        if (U_SUCCESS(status))
            return converter;
    }
    return Converter(nullptr, &ucnv_close);
}

bool decode(UConverter *converter, const QByteArray &bytes, QString *text)
{
    if (bytes.size() > std::numeric_limits<int32_t>::max())
        return false;
    const int32_t byteCount = int32_t(bytes.size());
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length = ucnv_toUChars(converter, nullptr, 0, bytes.constData(), byteCount, &status);
    if (status != U_BUFFER_OVERFLOW_ERROR && U_FAILURE(status))
        return false;

    QString decoded(length, Qt::Uninitialized);
    status = U_ZERO_ERROR;
    ucnv_toUChars(converter, reinterpret_cast<UChar *>(decoded.data()), length, bytes.constData(),
                  byteCount, &status);
    if (U_FAILURE(status))
        return false;
    *text = decoded;
    return true;
}

} // namespace

QString StorableTitle(const QString &text)
{
    QString title = XmlSafeText(text);
    title.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    title.replace(u'\n', u' ');
    title.replace(u'\r', u' ');
    if (title.size() > kMaxTitleLength) {
        title.truncate(kMaxTitleLength);
        // The cut must not leave half of a surrogate pair.
        if (title.back().isHighSurrogate())
            title.chop(1);
    }
    return title;
}

QString DownloadToTempFile(const QString &url, QString *failure)
{
    QString reason;
    QString *why = failure ? failure : &reason;
    const QUrl parsed(url);
    if (url.isEmpty() || !parsed.isValid() || parsed.isRelative()) {
        *why = QCoreApplication::translate("TitleFetchSteps", "The address is not valid.");
        return QString();
    }

    QFile file;
    if (!createTempPageFile(&file)) {
        *why = QCoreApplication::translate("TitleFetchSteps", "No temporary file could be made for the page.");
        return QString();
    }
    const bool downloaded = downloadInto(parsed.toEncoded(), &file, why);
    file.close();
    if (!downloaded || file.error() != QFileDevice::NoError) {
        if (downloaded)
            *why = QCoreApplication::translate("TitleFetchSteps", "The page could not be saved: %1").arg(file.errorString());
        file.remove();
        return QString();
    }
    return file.fileName();
}

QString DetectFileCharset(const QString &path)
{
    QByteArray bytes;
    if (!readWholeFile(path, &bytes) || bytes.isEmpty())
        return QString();

    if (QFileInfo(path).suffix().compare(QStringLiteral("mht"), Qt::CaseInsensitive) == 0) {
        const QString text = QString::fromLatin1(bytes);
        QString declared = declaredCharset(text, true);
        if (declared.isEmpty())
            declared = declaredCharset(text, false);
        if (!declared.isEmpty())
            return declared;
    }

    if (isPlainUtf8(bytes))
        return QStringLiteral("utf-8");
    return QString::fromLatin1(CharsetFromCodePage(detectCodePage(bytes)));
}

bool ConvertFileToUtf8(const QString &path, const QString &charset)
{
    const quint32 codePage = CodePageFromCharset(charset);
    if (codePage == 65001)
        return true;
    if (codePage == 0)
        return false;

    QByteArray bytes;
    if (!readWholeFile(path, &bytes))
        return false;
    bytes = untilFirstNul(bytes);
    if (bytes.isEmpty())
        return false;

    const Converter converter = openConverter(codePage);
    QString text;
    if (!converter || !decode(converter.get(), bytes, &text))
        return false;

    const QByteArray utf8 = text.toUtf8();
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::ExistingOnly))
        return false;
    return file.write(utf8) == utf8.size() && file.flush();
}

bool ExtractElementText(const QString &path, const QByteArray &tagName, QString *text)
{
    QByteArray bytes;
    if (!readWholeFile(path, &bytes))
        return false;

    Utf8ByteSource source(untilFirstNul(bytes));
    MarkupScanner scanner(source);
    bool inside = false;
    for (;;) {
        switch (scanner.nextToken()) {
        case MarkupScanner::TokenEnd:
            // Also with text collected: a title needs its end tag.
            return false;
        case MarkupScanner::TokenTagStart:
            if (qstricmp(scanner.tagName(), tagName.constData()) == 0)
                inside = true;
            break;
        case MarkupScanner::TokenTagEnd:
            if (inside && qstricmp(scanner.tagName(), tagName.constData()) == 0)
                return true;
            break;
        case MarkupScanner::TokenWord:
        case MarkupScanner::TokenSpace:
            if (inside)
                text->append(scanner.valueText());
            break;
        default:
            // Errors, attributes, comments and the like: the scanner goes on
            // behind a fault, and so does the search.
            break;
        }
    }
}
