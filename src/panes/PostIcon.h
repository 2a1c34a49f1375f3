#pragma once

#include <QIcon>
#include <QString>

// The icon of a post in the posts list, chosen by the extension of the
// post's link. Icons are cached per extension for the whole process; web
// pages and archives use the program's own icons.
namespace PostIcon {

// The extension a link's icon is looked up by: lower case, "." for a link
// without one, ".htm" for web pages (including pages with queries and
// addresses whose extension holds only digits).
QString extensionOfLink(const QString &link);

// Whether the link is an internet address with a scheme and a server.
bool isInternetUrl(const QString &link);

// The icon for a link, from the cache or the icon theme; a null icon when
// the theme has none for its extension.
QIcon iconOfLink(const QString &link);

// The icon for an extension as extensionOfLink() gives it.
QIcon iconOfExtension(const QString &extension);

// The mark of a live item by its status: a grey dot while "pending", a red
// one with waves while "live", a hollow ring once "ended" (or unknown).
QIcon iconOfLiveItem(const QString &status);

} // namespace PostIcon
