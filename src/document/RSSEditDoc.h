#pragma once

#include "core/RssFeed.h"
#include "document/CommandIds.h"
#include "document/NavigationHistory.h"
#include "document/RSSObserver.h"

#include <QObject>
#include <QString>

#include <functional>
#include <vector>

class CDocumentPrompter;
class QUndoStack;

// The title, link and category of a feed about to be created.
struct NewFeedParams
{
    QString title;
    QString link;
    QString category;
};

// The document of one open feed: owns the feed, knows the current post and
// the sort order, fans out every change to its views, its frame and its
// navigation history, and carries out the post commands.
class CRSSEditDoc : public QObject, public CCommandTarget
{
    Q_OBJECT
public:
    enum SortOrder { SortByPosition = 0, SortByTitle = 1, SortByDate = 2 };

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
    // opened or saved).
    QUndoStack *undoStack() const { return m_undoStack; }
    // True while the stack undoes or redoes a change: what the views hear
    // then is no new edit of the user's.
    bool isReplaying() const { return m_replaying; }

    // --- Changes to the feed ---
    // The one way into the feed. Each call stores, marks the feed changed
    // and tells the views, the frame and the history, so that an undo
    // stack, a checker or a faithful save can see every change pass.
    enum PostField { PostTitle, PostLink, PostAuthor, PostDescription };
    QString GetPostField(int post, PostField field) const;
    // Stores one field of a post; a description passes the description
    // filter first. A value that is already there changes nothing (storing would
    // date the post anew). The others hear HINT_TITLE_CHANGED or
    // HINT_LINK_OR_AUTHOR_CHANGED; a description needs no notice, as the
    // editor that stores it shows it already. True when the post changed.
    // Typing in one field of one post is one command, which leaves the
    // stack when the field is typed back to where it began; a change with
    // a name of its own (a clean-up, a link put in) is a command by that name.
    bool SetPostField(CRSSObserver *sender, int post, PostField field, const QString &value,
                      const QString &stepName = QString());
    // HTML typed as the description's code: stored into the current post
    // exactly as typed, as typing; the others hear HINT_DESCRIPTION_EDITED
    // with the text.
    void EditDescription(CRSSObserver *sender, const QString &html);
    // A new post, or a copy of post `source`, at the top; it becomes the
    // current post. HINT_POSTS_INSERTED carries the index it went to.
    bool InsertNewPost();
    bool InsertCopyOfPost(int source);
    // Removes post `index`; HINT_POST_DELETED carries the index. Its undo
    // puts the post back in its place (HINT_POSTS_INSERTED).
    bool RemovePost(int index);
    // Stores a text element of the channel (see CRssFeed::SetChannelField);
    // the others hear HINT_FEED_HEADER_CHANGED. True when it changed.
    bool SetChannelField(const char *name, const QString &value);
    // Replaces the channel's (or post `post`'s) elements of one name, see
    // CRssFeed::SetChannelElements; the others hear HINT_FEED_HEADER_CHANGED
    // (HINT_POST_ELEMENTS_CHANGED with the post's index). True when the feed
    // changed.
    bool SetChannelElements(const QString &name, std::vector<FeedElement> elements);
    bool SetPostElements(int post, const QString &name, std::vector<FeedElement> elements);
    // "Podcast" on declares the iTunes and podcast namespaces on rss and
    // gives the feed its podcast:guid once, from its own address (atom:link
    // rel="self"), else from the channel's link. Off removes nothing, as
    // that could lose the podcast elements; it only stops the feed counting
    // as a podcast. HINT_FEED_HEADER_CHANGED either way when it changes.
    bool SetPodcast(bool on);
    // The feed declares the iTunes namespace, or was turned into a podcast;
    // a new post in a podcast gets the channel's itunes:explicit.
    bool IsPodcast() const;
    // Moves post `index` to the top and makes it current.
    bool MovePostToTop(int index);
    // Dates post `index` with the present time; HINT_POST_DATE_CHANGED.
    bool SetPostDateNow(int index);

    // --- Observers ---
    void addView(CRSSObserver *view);
    void removeView(CRSSObserver *view);
    void setFrame(CRSSObserver *frame); // the child frame; relays to its bars
    void setPrompter(CDocumentPrompter *prompter);

    // The fan-out: views (except the sender), the frame, the current
    // index, the history.
    void Notify(CRSSObserver *sender, int hint, const QVariant &data);
    void Notify(CRSSObserver *sender, int hint, int postIndex) { Notify(sender, hint, QVariant(postIndex)); }

    int currentPost() const { return m_currentPost; }
    int GetSortOrder() const { return m_sortOrder; }
    void SetSortOrder(int order) { m_sortOrder = order; } // no notification
    CNavigationHistory *history() { return &m_history; }
    // Whether the posts bar's filter box is open. The bar toggles its box on
    // every HINT_FOCUS_FILTER, so the document follows those notices.
    bool isFilterBoxOpen() const { return m_filterBoxOpen; }

    // --- Path, title, modified flag ---
    QString path() const { return m_path; }
    void setPath(const QString &path);
    // The file name, or "Feed<n>" for a feed never saved.
    QString title() const;
    bool IsModified() const { return m_modified; }
    void SetModifiedFlag(bool modified = true);

    // --- File hooks ---
    bool OnNewDocument(const NewFeedParams &params);
    bool OnOpenDocument(const QString &path, QString *error = nullptr);
    bool OnSaveDocument(const QString &path, QString *error = nullptr);
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

    // --- Commands ---
    bool OnCommand(int id) override;
    bool OnUpdateCommand(int id, CommandState *state) override;

signals:
    void modifiedChanged(bool modified);
    void pathChanged(const QString &path);
    // The feed went to a file.
    void saved();
    // A notification went out: the posts, the current post, the sort order,
    // the filter box or the history may differ, and so may the commands'
    // states.
    void notified(int hint);

private:
    // Pushes a change already made, with its inverse; see CFeedChange for
    // the merge id and key.
    void pushChange(const QString &text, std::function<void()> undo, std::function<void()> redo,
                    int mergeId = -1, const QString &mergeKey = QString(),
                    std::function<bool()> revertIfUnchanged = {});
    // SetPostField past the description filter.
    bool storePostField(CRSSObserver *sender, int post, PostField field, const QString &stored, const QString &stepName);
    void pushInsertAtTop(const QString &text, const std::shared_ptr<CFeedPart> &top);
    // Runs an undo or redo of the stack.
    void replay(bool undo);
    void replayStep(const std::function<void()> &step);
    void postRestored(int post, int hint);
    void removedAt(int index);
    void onCleanChanged(bool clean);
    void addPost();
    void duplicatePost(bool removeSource);
    void renewFooterOfCopy();
    void insertedAt(int index);
    void deletePost();
    void reload();
    void copyFeed();
    void setSortOrderFromCommand(int order);
    bool canOpenBackupFolder() const;
    void openBackupFolder();
    bool isOwnPath(const QString &path) const;
    QString ownAddress() const;

    CRssFeed m_feed;
    QUndoStack *m_undoStack;
    bool m_replaying = false;
    bool m_settingClean = false;
    CNavigationHistory m_history;
    std::vector<CRSSObserver *> m_views;
    CRSSObserver *m_frame = nullptr;
    CDocumentPrompter *m_prompter = nullptr;
    DescriptionFilter m_descriptionFilter;
    QString m_path;
    QString m_title;
    int m_currentPost = -1;
    int m_sortOrder = SortByPosition;
    bool m_modified = false;
    bool m_filterBoxOpen = false;
    enum class Podcast { AsDeclared, On, Off };
    Podcast m_podcast = Podcast::AsDeclared;
};
