#include "document/PostFooter.h"

#include "core/ProductInfo.h"
#include "core/RssFeed.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QUrl>

namespace {

const QString kMarker = QStringLiteral("<!-- advertisement -->");

// Where the footer whose marker is at `marker` begins: at its paragraph and
// the break before it. -1 when the marker is not at a paragraph's start.
qsizetype footerStart(const QString &description, qsizetype marker)
{
    static const QRegularExpression opening(QStringLiteral("(<br\\s*/?>\\s*)?<p\\s*>\\s*$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = opening.match(description.left(marker));
    return match.hasMatch() ? match.capturedStart() : -1;
}

// Whether only blank lines follow the paragraph of the footer whose marker
// is at `marker`: a footer the user typed after no longer ends the post.
bool endsAfterFooter(const QString &description, qsizetype marker)
{
    const qsizetype close = description.indexOf(QStringLiteral("</p>"), marker, Qt::CaseInsensitive);
    if (close < 0)
        return true; // the paragraph runs to the end
    static const QRegularExpression blankLines(
        QStringLiteral("^(\\s|&nbsp;|<br\\s*/?>|<p\\s*>(\\s|&nbsp;|<br\\s*/?>)*</p>)*$"),
        QRegularExpression::CaseInsensitiveOption);
    return blankLines.match(description.mid(close + 4)).hasMatch();
}

// The start of the footer that ends the description, or -1.
qsizetype endingFooterStart(const QString &description)
{
    const qsizetype marker = description.lastIndexOf(kMarker);
    if (marker < 0 || !endsAfterFooter(description, marker))
        return -1;
    return footerStart(description, marker);
}

} // namespace

QString DefaultPostFooterText()
{
    return QCoreApplication::translate("PostFooter", "This post created by Tidrel v%1\u2026").arg(CRssFeed::ProductVersionText());
}

QString PostFooterHomeUrl()
{
    const QString home = QString::fromUtf8(ProductInfo::kHomeUrl);
    return IsPlaceholderAddress(home) ? QString() : home;
}

bool IsPlaceholderAddress(const QString &url)
{
    const QString host = QUrl(url).host().toLower();
    return host.isEmpty() || host == QLatin1String("example") || host.endsWith(QLatin1String(".example"));
}

QString AddPostFooter(const QString &description, const QString &text, const QString &homeUrl)
{
    if (description.isEmpty() || HasPostFooter(description))
        return description;
    return description + QStringLiteral("<BR>") + MakePostFooter(text, homeUrl);
}

bool HasPostFooter(const QString &description)
{
    return endingFooterStart(description) >= 0;
}

bool CutPostFooter(QString &description)
{
    const qsizetype start = endingFooterStart(description);
    if (start < 0)
        return false;
    description.truncate(start);
    return true;
}

QString MakePostFooter(const QString &text, const QString &homeUrl)
{
    const bool linked = !homeUrl.isEmpty();
    QString footer = QStringLiteral("<BR><P>") + kMarker + QStringLiteral("\r\n");
    if (linked) {
        footer += QStringLiteral("<A HREF=") + homeUrl
            + QStringLiteral(" TARGET=_blank TITLE=\"Post created by Tidrel - free visual RSS editor\">");
        const QString icon = QString::fromUtf8(ProductInfo::kIconUrl);
        if (!IsPlaceholderAddress(icon))
            footer += QStringLiteral("<IMG SRC=\"") + icon + QStringLiteral("\" BORDER=0 ALT=\"Tidrel Home\" HSPACE=10 WIDTH=22>");
    }
    footer += QStringLiteral("<FONT COLOR=maroon SIZE=-1 FACE=\"Trebuchet MS;\">&nbsp;<CODE>") + text.toHtmlEscaped()
        + QStringLiteral("</CODE></FONT>");
    if (linked)
        footer += QStringLiteral("</A>");
    return footer + QStringLiteral("</P>");
}
