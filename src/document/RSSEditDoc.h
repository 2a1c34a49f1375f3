#pragma once

#include "core/RssFeed.h"
#include "document/CommandIds.h"
#include "document/NavigationHistory.h"
#include "document/RSSObserver.h"

#include <QObject>
#include <QString>

#include <vector>

class CDocumentPrompter;

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

    CRssFeed *feed() { return &m_feed; }
    const CRssFeed *feed() const { return &m_feed; }

    // --- Observers ---
    void addView(CRSSObserver *view);
    void removeView(CRSSObserver *view);
    void setFrame(CRSSObserver *frame); // the child frame; relays to its bars
    void setPrompter(CDocumentPrompter *prompter);

    // The fan-out: a select first commits the post being left; then views
    // (except the sender), the frame, the current index, the history.
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
    void DeleteContents();

    // --- Commands ---
    bool OnCommand(int id) override;
    bool OnUpdateCommand(int id, CommandState *state) override;

signals:
    void modifiedChanged(bool modified);
    void pathChanged(const QString &path);
    // A notification went out: the posts, the current post, the sort order,
    // the filter box or the history may differ, and so may the commands'
    // states.
    void notified(int hint);

private:
    void addPost();
    void duplicatePost(bool removeSource);
    void renewFooterOfCopy();
    void deletePost();
    void reload();
    void copyFeed();
    void setSortOrderFromCommand(int order);
    bool canOpenBackupFolder() const;
    void openBackupFolder();
    bool isOwnPath(const QString &path) const;

    CRssFeed m_feed;
    CNavigationHistory m_history;
    std::vector<CRSSObserver *> m_views;
    CRSSObserver *m_frame = nullptr;
    CDocumentPrompter *m_prompter = nullptr;
    QString m_path;
    QString m_title;
    int m_currentPost = -1;
    int m_sortOrder = SortByPosition;
    bool m_modified = false;
    bool m_filterBoxOpen = false;
};
