#include "shell/LocationOpener.h"

#include "document/RSSEditDoc.h"
#include "shell/ChildFrame.h"
#include "shell/DocManager.h"
#include "shell/ShellServices.h"
#include "web/FeedDownload.h"

#include <QProgressDialog>
#include <QUrl>

CLocationOpener::CLocationOpener(CDocManager *documents, CShellServices *services, QWidget *dialogParent)
    : QObject(dialogParent)
    , m_documents(documents)
    , m_services(services)
    , m_dialogParent(dialogParent)
{
}

CLocationOpener::~CLocationOpener()
{
    delete m_download;
}

QProgressDialog *CLocationOpener::progressDialog() const
{
    return m_progress;
}

void CLocationOpener::openFromDialog()
{
    const QString address = m_services->askFeedLocation();
    if (!address.isEmpty())
        open(address);
}

void CLocationOpener::open(const QString &address)
{
    if (isRunning())
        return;
    QUrl url = QUrl::fromUserInput(address.trimmed());
    if (url.scheme() == QLatin1String("http") && !address.trimmed().startsWith(QLatin1String("http://")))
        url.setScheme(QStringLiteral("https")); // fromUserInput's guess for a bare host
    if (!url.isValid() || url.host().isEmpty()
        || (url.scheme() != QLatin1String("https") && url.scheme() != QLatin1String("http"))) {
        m_services->showError(tr("\"%1\" is not the web address of a feed. It starts with https:// or http://.")
                                  .arg(address.trimmed()));
        emit finished(nullptr);
        return;
    }
    m_address = url.toString(QUrl::FullyEncoded);
    m_download = new CFeedDownload;
    connect(m_download, &CFeedDownload::progress, this, &CLocationOpener::showProgress);
    connect(m_download, &CFeedDownload::finished, this, &CLocationOpener::downloadEnded);

    m_progress = new QProgressDialog(tr("Downloading %1\u2026").arg(m_address), tr("Cancel"), 0, 0, m_dialogParent);
    m_progress->setWindowTitle(tr("Open Location"));
    m_progress->setWindowModality(Qt::WindowModal);
    m_progress->setMinimumDuration(0);
    m_progress->setAutoReset(false);
    m_progress->setAutoClose(false);
    connect(m_progress, &QProgressDialog::canceled, m_download, &CFeedDownload::cancel);
    m_progress->show();
    m_download->start(m_address);
}

void CLocationOpener::showProgress(qint64 received, qint64 total)
{
    if (!m_progress)
        return;
    // The bar counts kilobytes: an int holds any size a feed may have.
    m_progress->setMaximum(int(total / 1024));
    m_progress->setValue(total > 0 ? int(received / 1024) : 0);
    m_progress->setLabelText(tr("Downloading %1\u2026\n%2 kB received").arg(m_address).arg(received / 1024));
}

void CLocationOpener::downloadEnded(bool ok)
{
    CFeedDownload *download = m_download;
    m_download = nullptr;
    download->deleteLater(); // it is announcing the end right now
    const bool cancelled = m_progress && m_progress->wasCanceled();
    delete m_progress;
    CChildFrame *frame = nullptr;
    if (ok)
        frame = m_documents->openDownloadedFeed(download->bytes(), download->address());
    else if (!cancelled) // a cancel is the user's own doing: no message
        m_services->showError(tr("Cannot open %1.\n\n%2").arg(m_address, download->failure()));
    if (frame)
        noteLockedFeed(frame);
    emit finished(frame);
}

void CLocationOpener::noteLockedFeed(CChildFrame *frame)
{
    const std::vector<FeedElement> locks = frame->document()->feed()->GetChannelElements(QStringLiteral("podcast:locked"));
    if (locks.empty() || locks.front().text.trimmed().compare(QLatin1String("yes"), Qt::CaseInsensitive) != 0)
        return;
    m_services->showInformation(tr("The owner of this podcast has locked it against moving to another host "
                                   "(podcast:locked is \"yes\"). Directories will not take it from a new address "
                                   "until the owner unlocks it.\n\nYou can still edit it and keep a copy."));
}
