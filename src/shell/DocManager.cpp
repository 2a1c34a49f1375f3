#include "shell/DocManager.h"

#include "document/PostFooter.h"
#include "document/RSSEditDoc.h"
#include "editor/RSSEditView.h"
#include "engine/HtmlEngineView.h"
#include "publishing/PublishSettings.h"
#include "settings/PostFooterSetting.h"
#include "shell/ChildFrame.h"
#include "shell/FeedWindowStyle.h"
#include "shell/ShellServices.h"
#include "shell/SpareEditorPage.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <memory>

CDocManager::CDocManager(QMdiArea *mdiArea, CShellServices *services, QObject *parent)
    : QObject(parent)
    , m_mdiArea(mdiArea)
    , m_services(services)
    , m_frameStyle(new CFeedWindowStyle)
{
    m_frameStyle->setParent(this);
    applyPostFooterSetting();
}

void CDocManager::applyPostFooterSetting()
{
    const PostFooterSetting footer = PostFooterSetting::load();
    if (footer.enabled) {
        const QString words = footer.text.isEmpty() ? DefaultPostFooterText() : footer.text;
        m_footerFilter = [words](const QString &description) { return AddPostFooter(description, words); };
    } else {
        m_footerFilter = nullptr;
    }
    for (CChildFrame *frame : std::as_const(m_frames))
        frame->document()->setDescriptionFilter(m_footerFilter);
}

void CDocManager::setServices(CShellServices *services)
{
    m_services = services;
    for (CChildFrame *frame : std::as_const(m_frames))
        frame->document()->setPrompter(services);
}

void CDocManager::setSparePage(CSpareEditorPage *spare)
{
    m_sparePage = spare;
}

CChildFrame *CDocManager::newDocument(const NewFeedParams &params)
{
    const FrontWindow front = frontWindow();
    CChildFrame *frame = createFrame();
    showFrame(frame);
    if (!frame->document()->OnNewDocument(params)) {
        discardFrame(frame, front);
        m_services->showError(tr("Cannot create a new feed."));
        return nullptr;
    }
    frame->updateCaption();
    return frame;
}

CDocManager::~CDocManager()
{
    // A read still running when the program ends is waited for rather than
    // left to a thread that outlives the window.
    const QList<QFutureWatcherBase *> reads = findChildren<QFutureWatcherBase *>(Qt::FindDirectChildrenOnly);
    for (QFutureWatcherBase *read : reads) {
        read->disconnect(this);
        read->waitForFinished();
    }
}

CChildFrame *CDocManager::openDocument(const QString &path)
{
    return openFile(QFileInfo(path).absoluteFilePath(), false);
}

// What a worker thread made of a file.
struct CDocManager::FeedRead
{
    std::shared_ptr<CRssFeed> feed;
    QString error;
    bool loaded = false;
};

CChildFrame *CDocManager::openFile(const QString &file, bool forgetWhenUnread)
{
    CChildFrame *open = findFrame(file);
    if (!open)
        open = m_opening.value(file);
    if (open) {
        m_mdiArea->setActiveSubWindow(open);
        return open;
    }

    // The parse starts first and takes one core, while this thread makes
    // the window and the editor page starts loading in its own process.
    auto *watcher = new QFutureWatcher<FeedRead>(this);
    watcher->setFuture(QtConcurrent::run([file] {
        FeedRead read;
        read.feed = std::make_shared<CRssFeed>();
        read.loaded = read.feed->LoadFromFile(file, &read.error);
        return read;
    }));
    // The frame and its view exist before the feed comes, so that they hear
    // the document announce the new content.
    const FrontWindow front = frontWindow();
    CChildFrame *frame = createFrame();
    frame->setOpening(file);
    showFrame(frame);
    m_opening.insert(file, frame);
    connect(watcher, &QFutureWatcherBase::finished, this,
            [this, watcher, file, front, forgetWhenUnread, frame = QPointer<CChildFrame>(frame)] {
                watcher->deleteLater();
                // A frame closed during the read, and maybe opened anew since,
                // keeps its place in m_opening only while it is the same.
                if (m_opening.value(file) == frame)
                    m_opening.remove(file);
                if (frame)
                    finishOpen(frame, file, watcher->result(), front, forgetWhenUnread);
            });
    return frame;
}

void CDocManager::finishOpen(CChildFrame *frame, const QString &file, const FeedRead &read, const FrontWindow &front,
                             bool forgetWhenUnread)
{
    if (!read.loaded) {
        discardFrame(frame, front);
        if (forgetWhenUnread) {
            m_recentFiles.remove(file);
            emit recentFilesChanged();
        }
        m_services->showError(tr("Cannot open %1.\n\n%2").arg(QDir::toNativeSeparators(file), read.error));
        emit openFailed(file);
        return;
    }
    frame->finishOpening();
    frame->document()->OnFeedRead(std::move(*read.feed), file);
    addRecentFile(file);
    emit documentOpened(frame);
}

CChildFrame *CDocManager::openDownloadedFeed(const QByteArray &bytes, const QString &address)
{
    // The feed reads files: the bytes go through one that is gone at once.
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("feed.xml")));
    if (!folder.isValid() || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        m_services->showError(tr("Cannot open %1.\n\nThe download could not be written to a temporary file.").arg(address));
        return nullptr;
    }
    file.close();
    const FrontWindow front = frontWindow();
    CChildFrame *frame = createFrame();
    showFrame(frame);
    QString error;
    const QString fileName = QFileInfo(QUrl(address).path()).completeBaseName();
    if (!frame->document()->OnOpenDownloaded(file.fileName(), fileName.isEmpty() ? QUrl(address).host() : fileName,
                                              &error)) {
        discardFrame(frame, front);
        m_services->showError(tr("Cannot open %1.\n\n%2").arg(address, error));
        return nullptr;
    }
    frame->updateCaption();
    m_downloadedFrom.insert(frame, address);
    return frame;
}

QString CDocManager::publishedAddress(CChildFrame *frame) const
{
    const QString path = frame->document()->path();
    return path.isEmpty() ? m_downloadedFrom.value(frame) : CPublishSettings::load(path).feedAddress;
}

void CDocManager::setPublishedAddress(CChildFrame *frame, const QString &address)
{
    const QString path = frame->document()->path();
    if (path.isEmpty()) {
        m_downloadedFrom.insert(frame, address);
        return;
    }
    PublishTarget target = CPublishSettings::load(path);
    target.feedAddress = address;
    CPublishSettings::save(path, target);
}

CChildFrame *CDocManager::openDocumentFromDialog()
{
    const QString path = m_services->askOpenFileName();
    return path.isEmpty() ? nullptr : openDocument(path);
}

CChildFrame *CDocManager::openRecentFile(int position)
{
    if (position < 0 || position >= m_recentFiles.files().size())
        return nullptr;
    return openFile(m_recentFiles.files().at(position), true);
}

bool CDocManager::saveDocument(CChildFrame *frame)
{
    const QString path = frame->document()->path();
    if (path.isEmpty())
        return saveDocumentAs(frame);
    // The file holds the feed already: writing it again would only make
    // another backup of the same bytes.
    if (!frame->document()->IsModified() && !frame->document()->IsChangedOnDisk())
        return true;
    return saveDocumentTo(frame, path);
}

bool CDocManager::saveDocumentAs(CChildFrame *frame)
{
    CRSSEditDoc *document = frame->document();
    QString suggested = document->path();
    if (suggested.isEmpty()) {
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        suggested = QDir(folder).filePath(document->title() + QStringLiteral(".xml"));
    }
    const QString target = m_services->askSaveFileName(suggested);
    if (target.isEmpty())
        return false;
    return saveDocumentTo(frame, QFileInfo(target).absoluteFilePath());
}

bool CDocManager::saveDocumentTo(CChildFrame *frame, const QString &path)
{
    CRSSEditDoc *document = frame->document();
    if (!confirmOverwriteChangedFile(document, path))
        return false;
    QString error;
    if (!document->OnSaveDocument(path, &error)) {
        // The document keeps its changes, so the user can try elsewhere.
        m_services->showError(tr("Cannot save %1.\n\n%2\n\nThe feed keeps its changes.")
                                  .arg(QDir::toNativeSeparators(path), error));
        return false;
    }
    if (document->path() != path)
        document->setPath(path);
    if (m_downloadedFrom.contains(frame))
        setPublishedAddress(frame, m_downloadedFrom.take(frame));
    frame->updateCaption();
    addRecentFile(path);
    return true;
}

// Another program (an editor, a pull from version control) may have
// written the file since: its version would be gone but for the backup.
bool CDocManager::confirmOverwriteChangedFile(const CRSSEditDoc *document, const QString &path)
{
    if (!document->isOwnPath(path) || !QFileInfo::exists(path) || !document->IsChangedOnDisk())
        return true;
    return m_services->confirm(tr("The file changed on disk since it was opened. Save anyway?"), tr("&Overwrite"));
}

bool CDocManager::closeDocument(CChildFrame *frame)
{
    return frame->close();
}

bool CDocManager::closeAllDocuments()
{
    for (CChildFrame *frame : std::as_const(m_frames)) {
        if (!saveModified(frame))
            return false;
    }
    m_closingWithoutQuestion = true;
    const QList<CChildFrame *> frames = m_frames;
    for (CChildFrame *frame : frames)
        frame->close();
    m_closingWithoutQuestion = false;
    return true;
}

CChildFrame *CDocManager::findFrame(const QString &path) const
{
    const QString file = QFileInfo(path).absoluteFilePath();
    for (CChildFrame *frame : m_frames) {
        if (frame->document()->path() == file)
            return frame;
    }
    return nullptr;
}

bool CDocManager::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Close)
        return QObject::eventFilter(watched, event);

    auto *frame = static_cast<CChildFrame *>(watched);
    CHtmlEngineView *engine = frame->view()->engine();
    if (!m_closingWithoutQuestion && !engine->isSettled()) {
        // The question about unsaved changes, and the save, must know the
        // last keys typed into the page.
        event->ignore();
        engine->whenSettled([frame = QPointer<CChildFrame>(frame)] {
            if (frame)
                frame->close();
        });
        return true;
    }
    if (!m_closingWithoutQuestion && !saveModified(frame)) {
        event->ignore();
        return true;
    }
    // The frame deletes itself once the close goes through.
    m_frames.removeOne(frame);
    m_downloadedFrom.remove(frame);
    emit documentsChanged();
    return false;
}

CChildFrame *CDocManager::createFrame()
{
    auto *document = new CRSSEditDoc;
    document->setPrompter(m_services);
    document->setDescriptionFilter(m_footerFilter);
    auto *frame = new CChildFrame(document, nullptr, m_sparePage ? m_sparePage->take() : nullptr);
    frame->setStyle(m_frameStyle);
    frame->installEventFilter(this);
    m_frames.append(frame);
    emit frameCreated(frame);
    return frame;
}

// A new feed window fills the area like the one before it; beside windows
// the user arranged, it comes in as one more window.
void CDocManager::showFrame(CChildFrame *frame)
{
    const QMdiSubWindow *current = m_mdiArea->currentSubWindow();
    const bool maximised = !current || current->isMaximized();
    m_mdiArea->addSubWindow(frame);
    if (maximised) {
        frame->showMaximized();
    } else {
        frame->resize(m_mdiArea->viewport()->size() * 2 / 3);
        frame->show();
        keepInsideArea(frame);
    }
    m_mdiArea->setActiveSubWindow(frame);
    emit documentsChanged();
}

// The area puts a window where it overlaps the others least, which may be
// partly past its right or bottom edge; the window moves back inside.
void CDocManager::keepInsideArea(QMdiSubWindow *frame) const
{
    const QRect area = m_mdiArea->viewport()->rect();
    QRect placed = frame->geometry();
    placed.moveRight(std::min(placed.right(), area.right()));
    placed.moveBottom(std::min(placed.bottom(), area.bottom()));
    placed.moveTopLeft(QPoint(std::max(placed.left(), area.left()), std::max(placed.top(), area.top())));
    frame->move(placed.topLeft());
}

CDocManager::FrontWindow CDocManager::frontWindow() const
{
    QMdiSubWindow *window = m_mdiArea->currentSubWindow();
    return {window, window && window->isMaximized()};
}

// A new window that comes in maximised takes the maximised state from the
// one in front; when it goes again, that one gets it back and is in front
// again, instead of every window standing un-maximised.
void CDocManager::discardFrame(CChildFrame *frame, const FrontWindow &front)
{
    m_frames.removeOne(frame);
    m_downloadedFrom.remove(frame);
    frame->removeEventFilter(this);
    m_mdiArea->removeSubWindow(frame);
    delete frame;
    if (front.window) {
        m_mdiArea->setActiveSubWindow(front.window);
        if (front.maximised)
            front.window->showMaximized();
    }
    emit documentsChanged();
}

bool CDocManager::saveModified(CChildFrame *frame)
{
    CRSSEditDoc *document = frame->document();
    if (!document->IsModified())
        return true;
    m_mdiArea->setActiveSubWindow(frame);
    const QString name = document->path().isEmpty()
        ? document->title()
        : QFileInfo(document->path()).fileName();
    switch (m_services->askSaveChanges(name)) {
    case CShellServices::SaveChanges:
        return saveDocument(frame);
    case CShellServices::DiscardChanges:
        return true;
    case CShellServices::CancelClosing:
        break;
    }
    return false;
}

void CDocManager::addRecentFile(const QString &path)
{
    m_recentFiles.add(path);
    emit recentFilesChanged();
}
