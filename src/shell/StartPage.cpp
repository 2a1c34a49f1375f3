#include "shell/StartPage.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>
#include <QWebEnginePage>

namespace {

const QString kListElement = QStringLiteral("div_recent");
const QString kStartMarker = QStringLiteral("<!--START_MRU-->");
const QString kEndMarker = QStringLiteral("<!--END_MRU-->");

bool isWebAddress(const QUrl &url)
{
    return url.isValid() && (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"));
}

// "~/feeds" for a folder in the home folder, where the user knows it from.
QString shownFolder(const QString &path)
{
    const QString folder = QFileInfo(path).absolutePath();
    const QString home = QDir::homePath();
    if (folder == home || folder.startsWith(home + QLatin1Char('/')))
        return QDir::toNativeSeparators(QStringLiteral("~") + folder.mid(home.size()));
    return QDir::toNativeSeparators(folder);
}

} // namespace

const QString CStartPage::kRecentFilePrefix = QStringLiteral("#open_mru_doc#");

CStartPage::CStartPage(QWidget *parent)
    : CHtmlEngineView(parent)
{
    connect(this, &CHtmlEngineView::linkClicked, this, &CStartPage::HandleStartPageLink);
    connect(page(), &QWebEnginePage::linkHovered, this, &CStartPage::onLinkHovered);
    setPageTexts({
        {QStringLiteral("welcome"), tr("Welcome To Tidrel")},
        {QStringLiteral("start"), tr("Start")},
        {QStringLiteral("create"), tr("Create new feed")},
        {QStringLiteral("open"), tr("Open a feed\u2026")},
        {QStringLiteral("recent"), tr("Recent Feeds")},
        {QStringLiteral("help"), tr("Help")},
        {QStringLiteral("guide"), tr("Tidrel user guide")},
        {QStringLiteral("web"), tr("WWW")},
        {QStringLiteral("rss"), tr("RSS 2.0 at the RSS Advisory Board")},
        {QStringLiteral("validator"), tr("W3C Feed Validation Service")},
        {QStringLiteral("engine"), tr("Qt WebEngine, the HTML engine of Tidrel")},
        {QStringLiteral("browser"), tr("Web links open in your web browser.")},
    });
    loadPage(QStringLiteral(":/shell/pages/start.html"));
}

void CStartPage::ReloadPage(const QStringList &recentFiles)
{
    setElementHtml(kListElement, BuildRecentFilesHtml(recentFiles));
}

// Paths go into the markup escaped, so that a name with "&" or "<" opens
// the very file it names.
QString CStartPage::BuildRecentFilesHtml(const QStringList &recentFiles)
{
    QString html = kStartMarker + QLatin1Char('\n');
    for (const QString &path : recentFiles) {
        const QString escaped = path.toHtmlEscaped();
        html += QStringLiteral("&nbsp;&bull;&nbsp;<a href=\"%1%2\" title=\"%3\">%4</a>"
                               " <span class=\"folder\">%5</span><br>\n")
                    .arg(kRecentFilePrefix, escaped, QDir::toNativeSeparators(path).toHtmlEscaped(),
                         QFileInfo(path).fileName().toHtmlEscaped(), shownFolder(path).toHtmlEscaped());
    }
    return html + kEndMarker;
}

bool CStartPage::HandleStartPageLink(const QString &href)
{
    const QUrl url(href);
    if (isWebAddress(url)) {
        emit webPageRequested(url);
        return true;
    }
    if (href.compare(QLatin1String("#create_new_doc"), Qt::CaseInsensitive) == 0) {
        emit newFeedRequested();
        return true;
    }
    if (href.compare(QLatin1String("#open_doc"), Qt::CaseInsensitive) == 0) {
        emit openFeedRequested();
        return true;
    }
    if (href.compare(QLatin1String("#open_help"), Qt::CaseInsensitive) == 0) {
        emit guideRequested();
        return true;
    }
    if (href.startsWith(kRecentFilePrefix, Qt::CaseInsensitive)) {
        emit recentFileRequested(href.mid(kRecentFilePrefix.size()));
        return true;
    }
    return false;
}

// Only web addresses are worth a look in the status bar; the page's own
// links say what they do.
void CStartPage::onLinkHovered(const QString &url)
{
    emit linkHovered(isWebAddress(QUrl(url)) ? url : QString());
}
