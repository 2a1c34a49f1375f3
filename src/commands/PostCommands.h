#pragma once

#include "commands/CommandIds.h"

#include <QPointer>
#include <QStringList>

class CRSSEditDoc;

// The menu commands on one feed's document: adding, duplicating and
// deleting posts, reloading the file, copying the feed to the clipboard,
// the backup folder, Back and Forward, Undo and Redo. The
// questions and errors go to the document's prompter; every change goes
// through the document.
class CPostCommands : public CCommandTarget
{
public:
    explicit CPostCommands(CRSSEditDoc *document);

    bool OnCommand(int id) override;
    bool OnUpdateCommand(int id, CommandState *state) override;

    // One post per audio file (CAudioEpisodes), added as one step; the
    // topmost new post is selected. A file that is no audio TagLib reads
    // is skipped and named in one message with what else went amiss.
    void addEpisodesFromAudio(const QStringList &paths);

private:
    bool hasSelectedPost() const;
    void addPost();
    void duplicatePost(bool removeSource);
    void deletePost();
    void reload();
    void copyFeed();
    void openBackupFolder();
    bool acceptNoMediaAddress();
    void showError(const QString &message);

    QPointer<CRSSEditDoc> m_doc;
};
