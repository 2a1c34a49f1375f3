#pragma once

#include <QByteArray>
#include <QString>

#include <string>

// Tells files that are not RSS feeds from feeds, so that an image, a web
// page or a feed in another format is refused with what it is, rather than
// opening as a feed with no posts that loses whatever is typed into it.
namespace FeedFileKind {

// Refuses bytes that are not text: an image or archive signature, or NUL
// bytes near the start of a file that does not begin with markup. A text
// file with a stray NUL is left to the markup check, which gives its line.
bool checkIsText(const std::string &bytes, QString *error);

// Refuses a document whose prologue or root start tag shows another kind
// (an HTML page, an Atom feed, an RSS 1.0 feed). Reads the start of the
// bytes as ASCII, before they are converted or checked, as web pages are
// seldom well-formed XML; says nothing when it cannot tell.
bool checkPrologue(const std::string &bytes, QString *error);

// Refuses a parsed document whose root element is not `rss`: a known other
// kind by name and namespace (the value of the attribute that binds the
// name's prefix), any other root unless it holds a `channel`, which is then
// read as a feed whose root is misnamed.
bool checkRootElement(const QByteArray &name, const QByteArray &namespaceUri, bool holdsChannel, QString *error);

} // namespace FeedFileKind
