#include "commands/PostCommands.h"

#include "core/FileHelpers.h"
#include "episodes/AudioEpisodes.h"
#include "document/DocumentPrompter.h"
#include "document/RSSEditDoc.h"
#include "episodes/AudioTags.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QGuiApplication>
#include <QUndoStack>
#include <QUrl>

#include <algorithm>

CPostCommands::CPostCommands(CRSSEditDoc *document) : m_doc(document)
{
}

bool CPostCommands::OnCommand(int id)
{
    if (!m_doc)
        return false;
    switch (id) {
    case ID_POST_ADD:
        addPost();
        return true;
    case ID_POST_ADD_LIVE:
        if (m_doc->InsertNewLiveItem())
            m_doc->selection()->select(0);
        return true;
    case ID_POST_DUPLICATE:
        duplicatePost(false);
        return true;
    case ID_POST_DUPLICATE_DELETE:
        duplicatePost(true);
        return true;
    case ID_POST_SET_DATE_NOW:
        m_doc->SetPostDateNow(m_doc->currentPost());
        return true;
    case ID_POST_DELETE:
        deletePost();
        return true;
    case ID_POST_RELOAD:
        reload();
        return true;
    case ID_POST_COPY_FEED:
        copyFeed();
        return true;
    case ID_POST_BACK:
        m_doc->history()->goBack(m_doc);
        return true;
    case ID_POST_FORWARD:
        m_doc->history()->goForward(m_doc);
        return true;
    case ID_OPEN_BACKUP_FOLDER:
        openBackupFolder();
        return true;
    case ID_EDIT_UNDO:
        m_doc->undo();
        return true;
    case ID_EDIT_REDO:
        m_doc->redo();
        return true;
    default:
        return false;
    }
}

bool CPostCommands::OnUpdateCommand(int id, CommandState *state)
{
    if (!m_doc)
        return false;
    switch (id) {
    case ID_POST_ADD:
    case ID_POST_ADD_LIVE:
    case ID_POST_COPY_FEED:
        *state = CommandState{true, false, false};
        return true;
    case ID_POST_DUPLICATE:
    case ID_POST_DUPLICATE_DELETE:
    case ID_POST_SET_DATE_NOW:
        *state = CommandState{hasSelectedPost(), false, false};
        return true;
    case ID_POST_DELETE:
        // A feed keeps one post at least.
        *state = CommandState{hasSelectedPost() && m_doc->feed()->GetPostCount() > 1, false, false};
        return true;
    case ID_POST_RELOAD:
        // Decided without the disk, as it is asked at every change of
        // state: the command itself says why it cannot.
    case ID_OPEN_BACKUP_FOLDER:
        *state = CommandState{!m_doc->path().isEmpty(), false, false};
        return true;
    case ID_POST_BACK:
        *state = CommandState{m_doc->history()->canGoBack(), false, false};
        return true;
    case ID_POST_FORWARD:
        *state = CommandState{m_doc->history()->canGoForward(), false, false};
        return true;
    case ID_EDIT_UNDO:
        *state = CommandState{m_doc->undoStack()->canUndo(), false, false,
                              QCoreApplication::translate("CPostCommands", "&Undo %1").arg(m_doc->undoStack()->undoText()).trimmed()};
        return true;
    case ID_EDIT_REDO:
        *state = CommandState{m_doc->undoStack()->canRedo(), false, false,
                              QCoreApplication::translate("CPostCommands", "&Redo %1").arg(m_doc->undoStack()->redoText()).trimmed()};
        return true;
    default:
        return false;
    }
}

bool CPostCommands::hasSelectedPost() const
{
    return m_doc->currentPost() >= 0;
}

// A new post becomes the selected one.
void CPostCommands::addPost()
{
    if (m_doc->InsertNewPost())
        m_doc->selection()->select(0);
}

void CPostCommands::duplicatePost(bool removeSource)
{
    const int source = m_doc->currentPost();
    if (source < 0)
        return;
    // Duplicate and delete moves the post itself to the top, its guid, date
    // and text as they were: readers know it by its guid, and "Set Date to
    // Now" dates it anew when the user wants that.
    const bool added = removeSource ? m_doc->MovePostToTop(source) : m_doc->InsertCopyOfPost(source);
    if (added)
        m_doc->selection()->select(0);
}

// The post that moved into the gap is selected, or the last one; when the
// list hides it, the list's choice stays.
void CPostCommands::deletePost()
{
    const int removed = m_doc->currentPost();
    if (removed < 0)
        return;
    const QString question = QCoreApplication::translate("CPostCommands", "Delete this post?\n\n\"%1\"").arg(m_doc->feed()->GetPostTitle(removed));
    CDocumentPrompter *prompter = m_doc->prompter();
    if (!prompter || !prompter->confirm(question, QCoreApplication::translate("CPostCommands", "&Delete")))
        return;
    if (m_doc->RemovePost(removed))
        m_doc->selection()->select(std::min(removed, m_doc->feed()->GetPostCount() - 1));
}

// Unsaved changes go only when the user agrees, and a file that cannot be
// read leaves the feed as it is: emptying it would let the next save write
// an empty file over the user's feed.
void CPostCommands::reload()
{
    const QString path = m_doc->path();
    const QString name = QDir::toNativeSeparators(path);
    CDocumentPrompter *prompter = m_doc->prompter();
    if (m_doc->IsModified()
        && !(prompter && prompter->confirm(QCoreApplication::translate("CPostCommands", "Discard the changes to %1 and reload it from the disk?").arg(name),
                                           QCoreApplication::translate("CPostCommands", "&Discard and Reload"))))
        return;
    QString error;
    if (!m_doc->ReloadFromDisk(&error))
        showError(QCoreApplication::translate("CPostCommands", "Cannot reload %1.\n\n%2\n\nThe feed stays as it was.").arg(name, error));
}

// The tags of every file are read first, so that the question about the
// address comes only when there is an episode to add.
void CPostCommands::addEpisodesFromAudio(const QStringList &paths)
{
    std::vector<std::pair<QString, CAudioTags>> audio;
    QStringList messages;
    for (const QString &path : paths) {
        CAudioTags tags;
        QString error;
        if (tags.read(path, &error))
            audio.emplace_back(path, tags);
        else
            messages.append(QCoreApplication::translate("CPostCommands", "Skipped %1. %2").arg(QDir::toNativeSeparators(path), error));
    }
    const PublishTarget target = CPublishSettings::load(m_doc->path());
    if (!audio.empty() && (!target.mediaBaseUrl.isEmpty() || acceptNoMediaAddress())) {
        CAudioEpisodes episodes(target, m_doc->path());
        int episode = CAudioEpisodes::nextEpisodeNumber(*m_doc->feed());
        std::vector<NewPostContent> posts;
        for (const auto &[path, tags] : audio)
            posts.push_back(episodes.makeEpisode(path, tags, episode++));
        messages += episodes.notes();
        const QString step = QCoreApplication::translate("CPostCommands", "Add %n Episode(s)", nullptr, int(posts.size()));
        if (m_doc->InsertNewPosts(posts, step))
            m_doc->selection()->select(0);
    }
    if (!messages.isEmpty())
        showError(messages.join(QStringLiteral("\n\n")));
}

// A feed needs web addresses for its enclosures, and no address can be
// guessed from a local file: a made-up one would be published as if it
// were right. The user decides: cancel and set the media address first
// (File > Publish Settings), or add the episodes now with addresses
// relative to the feed, which the feed check then points out to finish.
bool CPostCommands::acceptNoMediaAddress()
{
    CDocumentPrompter *prompter = m_doc->prompter();
    const QString question = QCoreApplication::translate(
        "CPostCommands",
        "This feed's publish settings give no media address, so the episodes' enclosures cannot get their web "
        "addresses.\n\nAdd them with addresses relative to the feed, to be completed later? To set the media address "
        "first, cancel and choose File > Publish Settings.");
    return prompter && prompter->confirm(question, QCoreApplication::translate("CPostCommands", "&Add Anyway"));
}

void CPostCommands::copyFeed()
{
    const QString text = QString::fromUtf8(m_doc->feed()->PrintToString());
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!text.isEmpty() && clipboard) {
        clipboard->setText(text);
        if (clipboard->text() == text)
            return;
    }
    if (CDocumentPrompter *prompter = m_doc->prompter())
        prompter->beep();
}

void CPostCommands::openBackupFolder()
{
    const QString folder = GetBackupFolder(m_doc->path());
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(folder)))
        return;
    const QString reason = DirectoryExists(folder)
                               ? QCoreApplication::translate("CPostCommands", "No program could be started to show folders.")
                               : QCoreApplication::translate("CPostCommands", "The folder does not exist.");
    showError(QCoreApplication::translate("CPostCommands", "Cannot open directory %1 %2").arg(folder, reason));
}

void CPostCommands::showError(const QString &message)
{
    if (CDocumentPrompter *prompter = m_doc->prompter())
        prompter->showError(message);
}
