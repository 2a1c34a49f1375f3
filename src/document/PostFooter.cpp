#include "document/PostFooter.h"

#include "core/ProductInfo.h"
#include "core/RssFeed.h"
#include "markup/MarkupScanner.h"
#include "markup/Utf8ByteSource.h"

#include <QStringList>

namespace {

QString homeUrl()
{
    return QString::fromUtf8(ProductInfo::kHomeUrl);
}

// The paragraph, the link and the icon: the part of the footer by which
// it is found and cut off.
QString footerOpeningBlock()
{
    return QStringLiteral("<BR><P><!-- advertisement -->\r\n")
        + QStringLiteral("<A HREF=") + homeUrl()
        + QStringLiteral(" TARGET=_blank TITLE=\"Post created by Tidrel - free visual RSS editor\">")
        + QStringLiteral("<IMG SRC=\"") + QString::fromUtf8(ProductInfo::kIconUrl)
        + QStringLiteral("\" BORDER=0 ALT=\"Tidrel Home\" HSPACE=10 WIDTH=22>");
}

bool linksToHomePage(const QString &markup)
{
    Utf8ByteSource source(markup.toUtf8());
    MarkupScanner scanner(source);
    const QString home = homeUrl();
    for (;;) {
        const MarkupScanner::Token token = scanner.nextToken();
        if (token == MarkupScanner::TokenError || token == MarkupScanner::TokenEnd)
            return false;
        if (token == MarkupScanner::TokenAttribute && qstricmp(scanner.tagName(), "A") == 0
            && qstricmp(scanner.attributeName(), "href") == 0 && scanner.valueText() == home) {
            return true;
        }
    }
}

} // namespace

QString AddPostFooter(const QString &description)
{
    if (description.isEmpty() || HasPostFooter(description))
        return description;
    return description + QStringLiteral("<BR>") + MakePostFooter();
}

bool HasPostFooter(const QString &description)
{
    QStringList paragraphs;
    if (!ElementExtractor("P").ExtractElements(description, paragraphs) || paragraphs.isEmpty())
        return false;
    return linksToHomePage(paragraphs.last());
}

bool CutPostFooter(QString &description)
{
    if (!HasPostFooter(description))
        return false;
    const qsizetype start = description.indexOf(footerOpeningBlock());
    if (start < 0)
        return false;
    description.truncate(start);
    return true;
}

QString MakePostFooter()
{
    return footerOpeningBlock()
        + QStringLiteral("<FONT COLOR=maroon SIZE=-1 FACE=\"Trebuchet MS;\">")
        + QStringLiteral("&nbsp;<CODE>This post created by Tidrel</CODE>")
        + QStringLiteral(" v") + CRssFeed::ProductVersionText() + QChar(0x2026)
        + QStringLiteral("</FONT></A></P>");
}
