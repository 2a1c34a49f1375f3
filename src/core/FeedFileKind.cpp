#include "core/FeedFileKind.h"

#include <QCoreApplication>
#include <QByteArrayView>

#include <cstring>

namespace FeedFileKind {

namespace {

constexpr size_t npos = std::string::npos;

// NUL bytes this near the start mark a binary file.
constexpr size_t kSniffLength = 1024;

const char kAtomNamespace[] = "http://www.w3.org/2005/Atom";
const char kAtom03Namespace[] = "http://purl.org/atom/ns#";
const char kRdfNamespace[] = "http://www.w3.org/1999/02/22-rdf-syntax-ns#";

bool fail(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
    return false;
}

QString refusal(const char *kind)
{
    return QCoreApplication::translate("FeedFileKind", "This is %1; Tidrel edits RSS 2.0 feeds.").arg(QCoreApplication::translate("FeedFileKind", kind));
}

bool isXmlSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool startsWith(const std::string &bytes, size_t pos, QByteArrayView prefix,
                Qt::CaseSensitivity cs = Qt::CaseSensitive)
{
    if (pos > bytes.size())
        return false;
    const QByteArrayView rest = QByteArrayView(bytes).sliced(qsizetype(pos));
    return rest.size() >= prefix.size() && rest.first(prefix.size()).compare(prefix, cs) == 0;
}

size_t skipSpace(const std::string &bytes, size_t pos)
{
    while (pos < bytes.size() && isXmlSpace(bytes[pos]))
        ++pos;
    return pos;
}

// A name as it stands in a tag: up to the next space, '>', '/', '=' or '['.
std::string readName(const std::string &bytes, size_t pos)
{
    size_t end = pos;
    while (end < bytes.size() && !isXmlSpace(bytes[end]) && !std::strchr(">/=['\"", bytes[end]))
        ++end;
    return bytes.substr(pos, end - pos);
}

// The attribute that binds the namespace of an element name.
std::string namespaceAttribute(const std::string &name)
{
    const size_t colon = name.find(':');
    return colon == npos ? std::string("xmlns") : "xmlns:" + name.substr(0, colon);
}

// The kind of document a root element makes when it is a known one other
// than an RSS 2.0 feed, or null.
const char *otherKind(const std::string &name, const std::string &namespaceUri)
{
    const size_t colon = name.find(':');
    const std::string local = colon == npos ? name : name.substr(colon + 1);
    if (QByteArrayView(local).compare("html", Qt::CaseInsensitive) == 0)
        return QT_TRANSLATE_NOOP("FeedFileKind", "an HTML page");
    if (local == "feed" && (namespaceUri == kAtomNamespace || namespaceUri == kAtom03Namespace))
        return QT_TRANSLATE_NOOP("FeedFileKind", "an Atom feed");
    if (local == "RDF" && namespaceUri == kRdfNamespace)
        return QT_TRANSLATE_NOOP("FeedFileKind", "an RSS 1.0 feed");
    return nullptr;
}

// `pos` is past the '<' of the root start tag.
bool checkStartTag(const std::string &bytes, size_t pos, QString *error)
{
    const std::string name = readName(bytes, pos);
    const std::string wanted = namespaceAttribute(name);
    std::string namespaceUri;
    pos += name.size();
    for (;;) {
        pos = skipSpace(bytes, pos);
        const std::string attribute = readName(bytes, pos);
        pos = skipSpace(bytes, pos + attribute.size());
        if (attribute.empty() || pos >= bytes.size() || bytes[pos] != '=')
            break;
        pos = skipSpace(bytes, pos + 1);
        if (pos >= bytes.size() || (bytes[pos] != '"' && bytes[pos] != '\''))
            break;
        const size_t close = bytes.find(bytes[pos], pos + 1);
        if (close == npos)
            break;
        if (attribute == wanted)
            namespaceUri = bytes.substr(pos + 1, close - pos - 1);
        pos = close + 1;
    }
    const char *kind = otherKind(name, namespaceUri);
    return !kind || fail(error, refusal(kind));
}

struct Signature
{
    QByteArrayView bytes;
    const char *kind;
};

} // namespace

bool checkIsText(const std::string &bytes, QString *error)
{
    static const Signature kSignatures[] = {
        {"\x89PNG\r\n\x1A\n", QT_TRANSLATE_NOOP("FeedFileKind", "a PNG image")},
        {"GIF87a", QT_TRANSLATE_NOOP("FeedFileKind", "a GIF image")},
        {"GIF89a", QT_TRANSLATE_NOOP("FeedFileKind", "a GIF image")},
        {"\xFF\xD8\xFF", QT_TRANSLATE_NOOP("FeedFileKind", "a JPEG image")},
        {"%PDF-", QT_TRANSLATE_NOOP("FeedFileKind", "a PDF document")},
        {"PK\x03\x04", QT_TRANSLATE_NOOP("FeedFileKind", "a ZIP archive")},
        {"\x1F\x8B", QT_TRANSLATE_NOOP("FeedFileKind", "a gzip archive")},
    };
    for (const Signature &signature : kSignatures) {
        if (startsWith(bytes, 0, signature.bytes)) {
            return fail(error, QCoreApplication::translate("FeedFileKind", "This is %1, not a text file; Tidrel edits RSS 2.0 feeds.")
                                       .arg(QCoreApplication::translate("FeedFileKind", signature.kind)));
        }
    }
    const size_t start = skipSpace(bytes, startsWith(bytes, 0, "\xEF\xBB\xBF") ? 3 : 0);
    const size_t sniffed = std::min(bytes.size(), kSniffLength);
    if (start < bytes.size() && bytes[start] != '<' && std::memchr(bytes.data(), '\0', sniffed))
        return fail(error, QCoreApplication::translate("FeedFileKind", "This is not a text file; Tidrel edits RSS 2.0 feeds."));
    return true;
}

bool checkPrologue(const std::string &bytes, QString *error)
{
    size_t pos = startsWith(bytes, 0, "\xEF\xBB\xBF") ? 3 : 0;
    for (;;) {
        pos = skipSpace(bytes, pos);
        const char *end = startsWith(bytes, pos, "<?") ? "?>" : startsWith(bytes, pos, "<!--") ? "-->" : nullptr;
        if (end) {
            pos = bytes.find(end, pos + 2);
            if (pos == npos)
                return true;
            pos += std::strlen(end);
        } else if (startsWith(bytes, pos, "<!DOCTYPE", Qt::CaseInsensitive)) {
            const std::string name = readName(bytes, skipSpace(bytes, pos + 9));
            const bool html = QByteArrayView(name).compare("html", Qt::CaseInsensitive) == 0;
            return !html || fail(error, refusal(QT_TRANSLATE_NOOP("FeedFileKind", "an HTML page")));
        } else if (startsWith(bytes, pos, "<") && pos + 1 < bytes.size() && !isXmlSpace(bytes[pos + 1])) {
            return checkStartTag(bytes, pos + 1, error);
        } else {
            return true;
        }
    }
}

bool checkRootElement(const QByteArray &name, const QByteArray &namespaceUri, bool holdsChannel, QString *error)
{
    if (name.isEmpty() || name == "rss")
        return true;
    if (const char *kind = otherKind(name.toStdString(), namespaceUri.toStdString()))
        return fail(error, refusal(kind));
    if (holdsChannel)
        return true;
    return fail(error, QCoreApplication::translate("FeedFileKind", "This is not an RSS feed: its root element is <%1>, where an RSS 2.0 "
                                      "feed has <rss>. Tidrel edits RSS 2.0 feeds.")
                               .arg(QString::fromUtf8(name)));
}

} // namespace FeedFileKind
