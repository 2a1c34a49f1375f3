#include "panes/PostIcon.h"

#include "core/PodcastValues.h"
#include "core/TrimCharacters.h"

#include <QHash>
#include <QMimeDatabase>
#include <QPainter>
#include <QPixmap>
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
constexpr int kKnownExtensions = 256;

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

// The file type an extension names. Looking it up costs more than a row's
// painting, so it is kept, also for types the icon theme has no icon for,
// which are asked of the theme again each time. Odd links may each make an
// extension of their own: the memory starts afresh past a few hundred.
QMimeType mimeTypeOfExtension(const QString &extension)
{
    static QHash<QString, QMimeType> known;
    if (known.size() > kKnownExtensions)
        known.clear();
    const auto found = known.constFind(extension);
    if (found != known.constEnd())
        return *found;
    const QMimeDatabase mimeTypes;
    const QMimeType type = isPathTail(extension)
                               ? mimeTypes.mimeTypeForFile(extension)
                               : mimeTypes.mimeTypeForFile(QStringLiteral("x") + extension, QMimeDatabase::MatchExtension);
    known.insert(extension, type);
    return type;
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

// A round mark in a square of `size` pixels, drawn rather than taken from
// the theme so that it reads the same on every desktop.
QPixmap liveMark(int size, CPodcastValues::LiveStatus status)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF square(0, 0, size, size);
    const qreal dot = size * 0.4;
    const QRectF centre(square.center() - QPointF(dot / 2, dot / 2), QSizeF(dot, dot));
    if (status == CPodcastValues::LiveStatus::Live) {
        const QColor red(220, 30, 30);
        painter.setBrush(red);
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(centre);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(red, qMax(1.0, size / 12.0), Qt::SolidLine, Qt::RoundCap));
        for (const qreal inset : {size * 0.16, size * 0.03}) {
            const QRectF wave = square.adjusted(inset, inset, -inset, -inset);
            painter.drawArc(wave, 135 * 16, 90 * 16);
            painter.drawArc(wave, -45 * 16, 90 * 16);
        }
    } else if (status == CPodcastValues::LiveStatus::Pending) {
        painter.setBrush(QColor(128, 128, 128));
        painter.setPen(QPen(QColor(90, 90, 90), 1));
        painter.drawEllipse(centre.adjusted(-1, -1, 1, 1));
    } else {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(128, 128, 128), qMax(1.0, size / 10.0)));
        painter.drawEllipse(centre.adjusted(-1, -1, 1, 1));
    }
    return pixmap;
}

} // namespace

namespace PostIcon {

QIcon iconOfLiveItem(const QString &status)
{
    static QHash<int, QIcon> cache;
    const CPodcastValues::LiveStatus key = CPodcastValues::liveStatus(status);
    auto found = cache.find(int(key));
    if (found == cache.end()) {
        QIcon icon;
        for (const int size : {16, 24, 32, 48})
            icon.addPixmap(liveMark(size, key));
        found = cache.insert(int(key), icon);
    }
    return *found;
}

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

    const QIcon icon = themeIconOf(mimeTypeOfExtension(extension));
    if (!icon.isNull())
        cache.insert(extension, icon);
    return icon;
}

} // namespace PostIcon
