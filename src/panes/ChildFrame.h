#pragma once

#include "document/CommandIds.h"
#include "document/RSSObserver.h"

#include <QMdiSubWindow>

#include <memory>
#include <vector>

class CRSSEditDoc;
class CRSSEditView;
class QMainWindow;

// The window of one open feed inside the main window's MDI area. It owns the
// feed's document, holds the post editor view in the middle of an inner main
// window (where the feed's bars dock), relays the document's notifications
// to those bars, and keeps its caption in step with the document.
class CChildFrame : public QMdiSubWindow, public CRSSObserver, public CCommandTarget
{
    Q_OBJECT
public:
    // Takes ownership of the document and creates the view on it.
    explicit CChildFrame(CRSSEditDoc *document, QWidget *parent = nullptr);
    ~CChildFrame() override;

    CRSSEditDoc *document() const { return m_document.get(); }
    CRSSEditView *view() const { return m_view; }
    // The inner window: the view is its central widget; bars dock on it.
    QMainWindow *dockHost() const { return m_dockHost; }

    // Bars that hear the document's notifications, in the order they hear
    // them. A bar does not hear the notifications it sends itself.
    void addObserver(CRSSObserver *observer);

    // The document's path, or its title while it has none, and " *" while
    // it is modified.
    void updateCaption();

    void OnRSSNotify(CRSSObserver *sender, int hint, const QVariant &data) override;

    bool OnCommand(int id) override;
    bool OnUpdateCommand(int id, CommandState *state) override;

signals:
    // A control inside the frame asked for a command; the main window routes
    // it like a menu command.
    void commandRequested(int id);

private:
    std::unique_ptr<CRSSEditDoc> m_document;
    QMainWindow *m_dockHost;
    CRSSEditView *m_view;
    std::vector<CRSSObserver *> m_observers;
};
