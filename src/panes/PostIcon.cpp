#include "panes/PostIcon.h"

#include "core/TrimCharacters.h"

#include <QHash>
#include <QMimeDatabase>
#include <QUrl>

// The icons live in this static library's resources, which must be
// registered before their first use.
static void registerPostIcons()
{
    Q_INIT_RESOURCE(posts);
}

namespace {

// Extensions this short are tested for being only digits and punctuation,
// which marks a page address rather than a file type.
constexpr int kShortExtension = 7;

bool isWebPageExtension(const QString &extension)
{
    for (const char *page : {".htm", ".html", ".shtml", ".php"}) {
        if (extension.compare(QLatin1String(page), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

QString stripNumberCharacters(const QString &text)
{
    return TrimCharacters(text, u".?0123456789&");
}

// The text from the link's last dot, when that dot is not its first
// character; "." when there is none.
QString candidateExtension(const QString &link)
{
    const int lastDot = link.lastIndexOf(QLatin1Char('.'));
    if (lastDot <= 0)
        return QStringLiteral(".");
    QString extension = link.mid(lastDot);
    const int hash = extension.indexOf(QLatin1Char('#'));
    if (hash >= 0)
        extension.truncate(hash);
    if (isWebPageExtension(extension))
        return QStringLiteral(".htm");
    return extension.toLower();
}

// An extension that holds a folder separator is the tail of a local path:
// the path's own icon stands for it.
bool isPathTail(const QString &extension)
{
    return extension.indexOf(QLatin1Char('\\'), 1) > 0 || extension.indexOf(QLatin1Char('/'), 1) > 0;
}

QIcon themeIconOf(const QMimeType &type)
{
    QIcon icon = QIcon::fromTheme(type.iconName());
    if (icon.isNull())
        icon = QIcon::fromTheme(type.genericIconName());
    return icon;
}

QIcon iconFromProgram(const char *name)
{
    QIcon icon;
    for (int size : {16, 32})
        icon.addFile(QStringLiteral(":/panes/icons/post-%1-%2.png").arg(QLatin1String(name)).arg(size));
    return icon;
}

// Extension -> icon, seeded with the program's own web page and archive
// icons.
QHash<QString, QIcon> &iconCache()
{
    static QHash<QString, QIcon> cache = [] {
        registerPostIcons();
        return QHash<QString, QIcon>{
            {QStringLiteral(".htm"), iconFromProgram("webpage")},
            {QStringLiteral(".zip"), iconFromProgram("archive")},
        };
    }();
    return cache;
}

} // namespace

namespace PostIcon {

QString extensionOfLink(const QString &link)
{
    if (link.isEmpty())
        return QStringLiteral(".");
    const QString extension = candidateExtension(link);
    if (extension.size() < kShortExtension) {
        if (stripNumberCharacters(extension).isEmpty() && isInternetUrl(link))
            return QStringLiteral(".htm");
        return extension;
    }
    return isInternetUrl(link) ? QStringLiteral(".htm") : extension;
}

bool isInternetUrl(const QString &link)
{
    const QUrl url(link, QUrl::StrictMode);
    return url.isValid() && !url.scheme().isEmpty() && !url.host().isEmpty();
}

QIcon iconOfLink(const QString &link)
{
    return iconOfExtension(extensionOfLink(link));
}

QIcon iconOfExtension(const QString &extension)
{
    QHash<QString, QIcon> &cache = iconCache();
    const auto cached = cache.constFind(extension);
    if (cached != cache.constEnd())
        return *cached;

    const QMimeDatabase mimeTypes;
    const QIcon icon = isPathTail(extension)
                           ? themeIconOf(mimeTypes.mimeTypeForFile(extension))
                           : themeIconOf(mimeTypes.mimeTypeForFile(QStringLiteral("x") + extension,
                                                                   QMimeDatabase::MatchExtension));
    if (!icon.isNull())
        cache.insert(extension, icon);
    return icon;
}

} // namespace PostIcon
