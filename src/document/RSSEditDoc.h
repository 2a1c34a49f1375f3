#pragma once

#include "core/RssFeed.h"
#include "document/NavigationHistory.h"
#include "document/PostSelection.h"

#include <QObject>
#include <QString>

#include <functional>
#include <vector>

class CDocumentPrompter;
class QUndoStack;

// What a post made whole at once holds beside its guid: its title, its
// description and its other elements (pubDate, enclosure, itunes:...).
struct NewPostContent
{
    QString title;
    QString description;
    std::vector<FeedElement> elements;
};

// What a feed about to be created starts with: `link` is the web site's
// address, `selfLink` the feed's own (empty when not known yet).
struct NewFeedParams
{
    QString title;
    QString link;
    QString category;
    QString selfLink;
    QString description;
};

// The document of one open feed: the one door to the feed and its undo
// stack. It announces what happened to the feed with the signals below and
// keeps the selected post and the navigation history in step with it; what
// the views do next is theirs to decide. The menu commands on it live in
// CPostCommands.
class CRSSEditDoc : public QObject
{
    Q_OBJECT
public:
    explicit CRSSEditDoc(QObject *parent = nullptr);
    ~CRSSEditDoc() override;

    // What every description the document stores passes through first (the
    // post footer); none by default.
    using DescriptionFilter = std::function<QString(const QString &description)>;
    void setDescriptionFilter(DescriptionFilter filter) { m_descriptionFilter = std::move(filter); }

    // Read-only: every change goes through the calls below.
    const CRssFeed *feed() const { return &m_feed; }
    // Every change below is a command on this stack; the feed counts as
    // modified while the stack is away from its clean state (the file as
    // opened or saved) or the editor holds typing not yet stored.
    QUndoStack *undoStack() const { return m_undoStack; }
    // True while the stack undoes or redoes a change: what the views hear
    // then is no new edit of the user's.
    bool isReplaying() const { return m_replaying; }
    // True while InsertNewPosts announces its posts: they come with their
    // titles, which the views need not offer for typing over.
    bool isAddingNamedPosts() const { return m_addingNamedPosts; }

    // --- Changes to the feed ---
    // The one way into the feed. Each call stores, pushes its undo step and
    // announces the change, so that a view, a checker or a faithful save can
    // see every change pass.
    enum PostField { PostTitle, PostLink, PostAuthor, PostDescription };
    Q_ENUM(PostField)
    QString GetPostField(int post, PostField field) const;
    // Stores one field of a post; a description passes the description
    // filter first. A value that is already there changes nothing (storing would
    // date the post anew). postFieldChanged follows; true when the post changed.
    // Typing in one field of one post is one command, which leaves the
    // stack when the field is typed back to where it began; a change with
    // a name of its own (a clean-up, a link put in) is a command by that name.
    bool SetPostField(int post, PostField field, const QString &value, const QString &stepName = QString());
    // HTML typed as the description's code: stored into the current post
    // exactly as typed, as typing; postFieldChanged follows.
    void EditDescription(const QString &html);
    // A new post, or a copy of post `source`, at the top (postsInserted(0)).
    bool InsertNewPost();
    bool InsertCopyOfPost(int source);
    // A new live item at the top, pending, starting at the next full hour
    // and lasting one; with the podcast namespace when the feed lacks it.
    bool InsertNewLiveItem();
    // New posts, each put at the top in turn (the last ends topmost), as
    // one step named `stepName`; postsInserted(0) for each. A description
    // passes the description filter; in a podcast a post without
    // itunes:explicit gets the channel's, as InsertNewPost gives it.
    bool InsertNewPosts(const std::vector<NewPostContent> &posts, const QString &stepName);
    // Removes post `index` (postRemoved); its undo puts the post back in its
    // place (postsInserted).
    bool RemovePost(int index);
    // Stores a text element of the channel (see CRssFeed::SetChannelField);
    // headerChanged follows. True when it changed.
    bool SetChannelField(const char *name, const QString &value);
    // Replaces the channel's (or post `post`'s) elements of one name, see
    // CRssFeed::SetChannelElements; headerChanged (postElementsChanged)
    // follows. True when the feed changed.
    bool SetChannelElements(const QString &name, std::vector<FeedElement> elements);
    bool SetPostElements(int post, const QString &name, std::vector<FeedElement> elements);
    // An attribute of the post's own tag (a live item's status, start and
    // end), see CRssFeed::SetPostAttribute; postElementsChanged follows.
    bool SetPostAttribute(int post, const QString &name, const QString &value);
    // "Podcast" on declares the iTunes and podcast namespaces on rss and
    // gives the feed its podcast:guid once, from its own address (atom:link
    // rel="self"), else from the channel's link. Off removes nothing, as
    // that could lose the podcast elements; it only stops the feed counting
    // as a podcast. headerChanged either way when it changes.
    bool SetPodcast(bool on);
    // The feed's own address, as its atom:link rel="self" gives it; empty
    // without one.
    QString FeedAddress() const;
    // Gives a feed without podcast:guid the one PSP-1 makes from its own
    // address, as one step; an existing one is never changed. False when
    // the feed has one already or no address of its own.
    bool AddPodcastGuid();
    // Moves the feed from `oldAddress` (may be empty) to `newAddress` as one
    // step: atom:link rel="self" becomes the new address (one is added
    // where there was none); a podcast also tells its subscribers' apps by
    // itunes:new-feed-url, and keeps its podcast:guid: one without gets the
    // one of its old address, the identity the directories know it by.
    // False when nothing changed.
    bool MoveFeed(const QString &oldAddress, const QString &newAddress);
    // The feed declares the iTunes namespace, or was turned into a podcast;
    // a new post in a podcast gets the channel's itunes:explicit.
    bool IsPodcast() const;
    // Moves post `index` to the top (postRemoved, then postsInserted(0)).
    bool MovePostToTop(int index);
    // Dates post `index` with the present time; postElementsChanged.
    bool SetPostDateNow(int index);
    // Undoes or redoes one step of the stack.
    void undo() { replay(true); }
    void redo() { replay(false); }

    void setPrompter(CDocumentPrompter *prompter);
    CDocumentPrompter *prompter() const { return m_prompter; }

    // The post that the posts list and the editor show.
    CPostSelection *selection() { return &m_selection; }
    int currentPost() const { return m_selection.post(); }
    CNavigationHistory *history() { return &m_history; }

    // --- Path, title, modified flag ---
    QString path() const { return m_path; }
    void setPath(const QString &path);
    // The file name, or "Feed<n>" for a feed never saved.
    QString title() const;
    // Modified while the undo stack is away from its clean state.
    bool IsModified() const;

    // --- File hooks ---
    // A new or opened feed: feedReset follows, and no post is selected.
    bool OnNewDocument(const NewFeedParams &params);
    bool OnOpenDocument(const QString &path, QString *error = nullptr);
    // The end of an open whose file was read elsewhere, on a worker thread:
    // the document takes `feed` as OnOpenDocument would have read it from
    // `path`.
    void OnFeedRead(CRssFeed &&feed, const QString &path);
    // A feed downloaded into `file`, shown as a feed without a file of its
    // own, named `name`: the first save asks where to keep it.
    bool OnOpenDownloaded(const QString &file, const QString &name, QString *error = nullptr);
    bool OnSaveDocument(const QString &path, QString *error = nullptr);
    // Whether `path` names the document's own file.
    bool isOwnPath(const QString &path) const;
    // Whether the file at the document's path differs in size or time from
    // the one it was read from or last saved to, or is gone; false for a
    // feed without a file.
    bool IsChangedOnDisk() const;
    // Reads the document's file again without asking; the feed's changes
    // and their undo steps go. The current post stays current where the
    // file still has it (by its guid), else its place does. A file that
    // cannot be read leaves the feed as it was: false, with the reason.
    bool ReloadFromDisk(QString *error = nullptr);
    void DeleteContents();

signals:
    void modifiedChanged(bool modified);
    void pathChanged(const QString &path);
    // The feed went to a file.
    void saved();

    // --- What happened to the feed ---
    void postFieldChanged(int post, CRSSEditDoc::PostField field);
    // The post's date or other elements changed.
    void postElementsChanged(int post);
    // A post came in at `index`; the posts from there on moved down one.
    void postsInserted(int index);
    // Post `index` is gone; the posts after it moved up one.
    void postRemoved(int index);
    // An undo or redo gave the post an earlier or later state; the changed
    // part is announced beside it.
    void postRestored(int post);
    void headerChanged();
    // The whole feed is new: opened, reloaded or created.
    void feedReset();

private:
    // Pushes a change already made, with its inverse; see CFeedChange for
    // the merge id and key.
    void pushChange(const QString &text, std::function<void()> undo, std::function<void()> redo,
                    int mergeId = -1, const QString &mergeKey = QString(),
                    std::function<bool()> revertIfUnchanged = {});
    // SetPostField past the description filter.
    bool storePostField(int post, PostField field, const QString &stored, const QString &stepName);
    void pushInsertAtTop(const QString &text, const std::shared_ptr<CFeedPart> &top, int count = 1);
    void fillNewPost(const NewPostContent &content, bool podcast);
    std::vector<FeedElement> explicitOfNewPost() const;
    std::vector<FeedElement> contentLinkOfNewLiveItem() const;
    void replay(bool undo);
    void replayStep(const std::function<void()> &step);
    void removedAt(int index);
    void insertedAt(int index);
    void feedFilled();
    // The stack's present state is the file's; announced each time, as the
    // frame refreshes its caption then.
    void markClean();
    void renewFooterOfCopy();
    QString ownAddress() const;
    std::vector<FeedElement> selfLinkMovedTo(const QString &address) const;

    CRssFeed m_feed;
    QUndoStack *m_undoStack;
    bool m_replaying = false;
    // The description a store is pushing, while it pushes.
    const QString *m_descriptionPushed = nullptr;
    bool m_addingNamedPosts = false;
    CPostSelection m_selection;
    CNavigationHistory m_history;
    CDocumentPrompter *m_prompter = nullptr;
    DescriptionFilter m_descriptionFilter;
    QString m_path;
    QString m_title;
    enum class Podcast { AsDeclared, On, Off };
    Podcast m_podcast = Podcast::AsDeclared;
};
