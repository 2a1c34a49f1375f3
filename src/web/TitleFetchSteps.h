#pragma once

#include <QByteArray>
#include <QString>

// The steps of finding a web page's title, each on its own so the worker
// can run them one after the other: download the page into a temporary
// file, detect its charset, rewrite the file as UTF-8, read the title.
// Every step may run on any thread; none but the download reports more
// than success.

// Longer titles are cut: a title is stored in feeds and in the settings
// file, whose section of cached titles has a fixed room.
constexpr int kMaxTitleLength = 1023;

// Downloads beyond this size keep only their first bytes.
constexpr qint64 kMaxDownloadBytes = 4 * 1024 * 1024;

// The title as feeds and the settings file can hold it: without the
// characters XML does not allow (XmlSafeText), each line break ("\r\n",
// "\n" or "\r") made one space, at most kMaxTitleLength characters.
QString StorableTitle(const QString &text);

// Downloads http, https, ftp or file URLs, following redirects, into a new
// temporary file ending in ".htm", within CCurlEasy's time-out. Returns the
// file's path, or an empty string when the download failed (then no file is
// left behind), with why as a sentence for the user in `failure`.
QString DownloadToTempFile(const QString &url, QString *failure = nullptr);

// The charset name (a row of the charset table) of the file's bytes, or an
// empty string when it cannot be told. ASCII and valid UTF-8 give "utf-8";
// a ".mht" file's declared charset comes first.
QString DetectFileCharset(const QString &path);

// Rewrites the file from the named charset to UTF-8, up to its first NUL
// byte. True without touching the file for UTF-8; false, leaving the file
// as it was, for an unknown charset, an empty or unreadable file, or a
// failed conversion.
bool ConvertFileToUtf8(const QString &path, const QString &charset);

// Appends the text between the first start tag named `tagName` (any letter
// case) and its end tag, as the markup scanner gives it, to `text`. False
// when the file cannot be read or the end tag is missing.
bool ExtractElementText(const QString &path, const QByteArray &tagName, QString *text);
