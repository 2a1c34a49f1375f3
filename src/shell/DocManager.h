#pragma once

#include "document/RSSEditDoc.h"
#include "shell/RecentFileList.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>

class CChildFrame;
class CFeedWindowStyle;
class CShellServices;
class CSpareEditorPage;
class QMdiArea;
class QMdiSubWindow;

// Opens, creates, saves and closes the feed documents, one child frame each,
// in the main window's MDI area; keeps the recent-file list; and asks before
// a modified feed is closed.
class CDocManager : public QObject
{
    Q_OBJECT
public:
    CDocManager(QMdiArea *mdiArea, CShellServices *services, QObject *parent = nullptr);
    ~CDocManager() override;

    void setServices(CShellServices *services);
    // New feed windows take their editor page from `spare` when it has one.
    void setSparePage(CSpareEditorPage *spare);

    // A new feed from the given title, link and category, or null.
    CChildFrame *newDocument(const NewFeedParams &params = NewFeedParams());
    // Opens the file, or shows the frame that holds it already. The feed is
    // read on a worker thread while its window and editor page are made:
    // the frame comes at once, taking no input until documentOpened(frame).
    // When the file does not open the frame goes again and the reason shows.
    CChildFrame *openDocument(const QString &path);
    // A feed downloaded from `address`, as a feed without a file: the first
    // save asks where to keep it, and records the address as the feed's
    // published address. Shows the reason and returns null when the bytes
    // are no feed.
    CChildFrame *openDownloadedFeed(const QByteArray &bytes, const QString &address);
    // Where subscribers read the feed: the address it was downloaded from
    // while it has no file, else its publish settings'.
    QString publishedAddress(CChildFrame *frame) const;
    void setPublishedAddress(CChildFrame *frame, const QString &address);
    // Asks for a file, then opens it.
    CChildFrame *openDocumentFromDialog();
    // Opens an entry of the recent-file list; an entry that no longer opens
    // leaves the list.
    CChildFrame *openRecentFile(int position);

    // Saves to the document's path, or asks for one when it has none.
    bool saveDocument(CChildFrame *frame);
    bool saveDocumentAs(CChildFrame *frame);
    // Closes the frame after the question for a modified feed; false when
    // the user cancelled.
    bool closeDocument(CChildFrame *frame);
    // Asks about every modified feed, then closes them all; false, with
    // nothing closed, when the user cancelled.
    bool closeAllDocuments();

    // Gives every open document the footer the user chose in Preferences,
    // or none; new documents get it as they are made.
    void applyPostFooterSetting();

    QList<CChildFrame *> frames() const { return m_frames; }
    CChildFrame *findFrame(const QString &path) const;
    const QStringList &recentFiles() const { return m_recentFiles.files(); }

signals:
    // A new frame, before its document loads or builds its feed.
    void frameCreated(CChildFrame *frame);
    // The feed of a frame from openDocument() is read and shown.
    void documentOpened(CChildFrame *frame);
    // The file did not open; its frame is gone and the reason shown.
    void openFailed(const QString &path);
    void recentFilesChanged();
    void documentsChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The feed window in front, and whether it is maximised.
    struct FrontWindow
    {
        QPointer<QMdiSubWindow> window;
        bool maximised = false;
    };
    FrontWindow frontWindow() const;
    struct FeedRead;
    CChildFrame *openFile(const QString &file, bool forgetWhenUnread);
    void finishOpen(CChildFrame *frame, const QString &file, const FeedRead &read, const FrontWindow &front,
                    bool forgetWhenUnread);
    CChildFrame *createFrame();
    void showFrame(CChildFrame *frame);
    void keepInsideArea(QMdiSubWindow *frame) const;
    // Takes away a frame whose feed did not load and puts `front` back.
    void discardFrame(CChildFrame *frame, const FrontWindow &front);
    bool saveDocumentTo(CChildFrame *frame, const QString &path);
    // The question before a save over a file another program changed; true
    // to go on.
    bool confirmOverwriteChangedFile(const CRSSEditDoc *document, const QString &path);
    // Asks whether to save a modified feed; false when the user cancelled
    // or the save failed.
    bool saveModified(CChildFrame *frame);
    void addRecentFile(const QString &path);

    QMdiArea *m_mdiArea;
    CShellServices *m_services;
    // Shared by the feed windows, which do not own it.
    CFeedWindowStyle *m_frameStyle;
    QPointer<CSpareEditorPage> m_sparePage;
    CRecentFileList m_recentFiles;
    QList<CChildFrame *> m_frames;
    // The files being read, with their frames (null once closed).
    QHash<QString, QPointer<CChildFrame>> m_opening;
    // The addresses of downloaded feeds not saved yet.
    QHash<CChildFrame *, QString> m_downloadedFrom;
    bool m_closingWithoutQuestion = false;
    CRSSEditDoc::DescriptionFilter m_footerFilter; // none while the footer is off
};
