#pragma once

#include <QString>

// The footer that credits the editor under stored post descriptions, for
// users who want one: a paragraph opened by an "advertisement" comment with
// the user's words, linking to the product's home page when the build has a
// real one. The comment is how a footer is found again, whatever letter case
// and quoting the editor page gave the markup when it wrote it back.

// "This post created by Tidrel v<version>…": the words unless the user
// chose others.
QString DefaultPostFooterText();
// The build's home page; empty when it is a placeholder.
QString PostFooterHomeUrl();
// Whether the address lies under the reserved domain "example", which
// stands in for a web site the product does not have yet.
bool IsPlaceholderAddress(const QString &url);

// A description filter: appends "<BR>" and the footer with `text` to a
// non-empty description that does not end with a footer.
QString AddPostFooter(const QString &description, const QString &text,
                      const QString &homeUrl = PostFooterHomeUrl());
// Whether the description ends with a footer: nothing but blank lines
// follows the last footer's paragraph.
bool HasPostFooter(const QString &description);
// Cuts the description before the footer's opening "<BR><P>"; false,
// leaving the description as it was, when it does not end with a footer.
bool CutPostFooter(QString &description);
// The footer with `text` as its words, HTML-escaped; with the link and icon
// of the home page when `homeUrl` is not empty.
QString MakePostFooter(const QString &text, const QString &homeUrl = PostFooterHomeUrl());
