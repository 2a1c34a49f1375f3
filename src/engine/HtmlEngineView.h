#pragma once

#include "engine/ElementMirror.h"

#include <QByteArray>
#include <QStringList>
#include <QVariant>
#include <QWebEngineView>

#include <functional>
#include <vector>

class CEngineBridge;
class CEnginePage;
class CStyleSheetInterceptor;
class QTimer;
class QWebChannel;

// Shows a page from the program's resources and offers its elements by id:
// attributes, styles, HTML, control values, states and the behaviour methods
// of rich-text elements, with the page's element events as a signal.
//
// Reads never wait for the page. The page's scripts (res/engine/) report
// every element's state on every change, and reads are answered from that
// copy (CElementMirror). A write updates the copy at once and is sent to the
// page, which applies it and reports back. So a caller gets an answer that
// is exact at that moment, without a nested event loop in which other
// notifications could run. Writes made before the page has loaded are kept
// and applied once its scripts run.
//
// A key that a command of the window has as its shortcut belongs to the
// command, not to the page's own key bindings (under X11 the page deletes
// to the end of the line on Ctrl+K, say), undo and redo included (the
// window's history holds what was typed here), except the clipboard and
// select-all keys, which the page answers itself.
class CHtmlEngineView : public QWebEngineView
{
    Q_OBJECT
public:
    enum ElementEvent {
        ButtonClick = 0,
        EditValueChanged = 4,
        SelectSelectionChanged = 5,
        HyperlinkClick = 0x80,
        UiStateChanged = 0x95,
    };
    enum ElementState : uint {
        StateFocus = 0x08,
        StateChecked = 0x40,
        StateDisabled = 0x80,
    };

    explicit CHtmlEngineView(QWidget *parent = nullptr);
    ~CHtmlEngineView() override;

    // Loads a page of the program's resources, e.g. ":/editor/editor.html".
    // False when the resource is missing or empty.
    bool loadPage(const QString &resourcePath);
    // The page's words by key, given to its elements marked data-text="key"
    // (text) or data-text-ATTR="key" (attribute ATTR) as the page starts.
    // Set before loadPage(). The page's direction follows the widget's.
    void setPageTexts(const QVariantMap &texts);
    // True once the page's scripts have reported all its elements.
    bool isReady() const { return m_ready; }

    // --- Keys on their way ---
    // A key reaches the page some time after the window handed it on, and
    // its edit comes back later still. Settled: the page has reported on
    // every key the view handed it, so the copy of its elements holds all
    // that was typed.
    bool isSettled() const;
    // Runs `then` once the page is settled: at once when it is, else when
    // its reports have caught up with the keys, asked for by a round trip
    // to the page. A page that does not answer within seconds is taken as
    // settled, so that no command waits for ever.
    void whenSettled(const std::function<void()> &then);

    // --- Elements ---
    // Before the page is ready every id counts as present, so that writes
    // made early are kept rather than dropped.
    bool hasElement(const QString &id) const;
    QString focusElement() const { return m_mirror.focusId(); }
    QString tagName(const QString &id) const;

    // --- Content ---
    QString attribute(const QString &id, const QString &name) const;
    void setAttribute(const QString &id, const QString &name, const QString &value);
    void removeAttribute(const QString &id, const QString &name);
    QString styleAttribute(const QString &id, const QString &name) const;
    // An empty value removes the property.
    void setStyleAttribute(const QString &id, const QString &name, const QString &value);
    QString elementHtml(const QString &id) const; // inner HTML
    void setElementHtml(const QString &id, const QString &html);
    QString innerText(const QString &id) const;

    // --- Controls ---
    // Rich text: its HTML; edit: its text; drop-down: the text of its field.
    QVariant value(const QString &id) const;
    // Whether the page has reported the element since the program last
    // wrote to it, so that value() is the page's own form of what was written.
    bool isReported(const QString &id) const;
    void setValue(const QString &id, const QVariant &value);
    QStringList options(const QString &id) const;
    bool hasOption(const QString &id, const QString &text) const;
    // Appends an option to a drop-down's list unless one has that text.
    void appendOption(const QString &id, const QString &text);
    // Appends, in order, the texts that no option has yet, in one write.
    void appendOptions(const QString &id, const QStringList &texts);

    // --- States (StateFocus, StateChecked, StateDisabled) ---
    uint elementState(const QString &id) const;
    void setElementState(const QString &id, uint bitsToSet, uint bitsToClear);

    // --- Rich-text behaviour ---
    // "saveHTML": a whole document around the element's HTML, the caret or
    // selection marked with <!--StartSelection--> and <!--EndSelection-->.
    QString saveHtml(const QString &id) const;
    // Character offsets of the selection in the element's text; false when
    // there is no such element.
    bool selection(const QString &id, int *start, int *end) const;
    QString selectionText(const QString &id) const;
    // UTF-8: the selected markup between <!--StartFragment--> and
    // <!--EndFragment-->; empty when nothing is selected.
    QByteArray selectionHtml(const QString &id) const;
    // A behaviour method by name. Queries ("getCurrentStyle",
    // "getCurrentObjects", "getCurrentObjectAttributes", "canUndo", "canCut",
    // "canCopy", "canPaste", "canSelectAll", "saveHTML") answer at once;
    // actions ("doUndo", "doRedo", "doCut", "doCopy", "doPaste",
    // "doSelectAll", "toggleSpan", "setBlock", "insertHtml", "insertLink"
    // (a map of the new link's attributes), "setCurrentObjectAttributes")
    // are carried out by the page and answer
    // a null value; the page reports the result.
    QVariant callMethod(const QString &id, const QString &name, const QVariantList &args = QVariantList());

    // Writes made while a batch is open go to the page together as the
    // last open batch closes: one message, applied and reported back once,
    // rather than one round trip per write (a post shown is a handful).
    class WriteBatch
    {
    public:
        explicit WriteBatch(CHtmlEngineView *view) : m_view(view) { ++m_view->m_openBatches; }
        ~WriteBatch() { m_view->closeBatch(); }
        WriteBatch(const WriteBatch &) = delete;
        WriteBatch &operator=(const WriteBatch &) = delete;

    private:
        CHtmlEngineView *m_view;
    };

    // An op of the page's own scripts, not aimed at one element (see
    // TidrelEngine.pageOps in engine.js); every element is reported after it.
    void sendPageOp(const QString &op, const QVariantMap &arguments = QVariantMap());

    // The wrapper document "saveHTML" puts around an element's HTML.
    static QString savedDocument(const QString &markedHtml);

signals:
    void pageReady();
    // The page reported the state of some elements; elementEvent() follows
    // for the events in the report.
    void reported();
    // One of ElementEvent for the element with that id (empty when the
    // target has none).
    void elementEvent(int code, const QString &id);
    // A link of the page was clicked; the page stays where it is. `href` is
    // the link's address as the page's markup writes it.
    void linkClicked(const QString &href);
    // A notice of the page's own scripts: { kind, ... }.
    void pageNotified(const QVariantMap &notice);

protected:
    void changeEvent(QEvent *event) override;
    void childEvent(QChildEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void onPageGreeted();
    void onPageReported(const QVariantMap &state);

private:
    void queueOp(const QString &op, const QString &id, const QVariantMap &arguments = QVariantMap());
    void sendOps(bool complete);
    void closeBatch();
    void followPalette();
    bool isWindowShortcut(const QKeyEvent *event) const;
    void askPageToSettle();
    // After a report: the waiters run when the page has caught up.
    void checkSettled();
    void runSettledWaiters();

    CEnginePage *m_page = nullptr;
    CEngineBridge *m_bridge = nullptr;
    QWebChannel *m_channel = nullptr;
    CStyleSheetInterceptor *m_interceptor = nullptr;
    CElementMirror m_mirror;
    QVariantList m_pendingOps;
    int m_openBatches = 0;
    bool m_connected = false; // the page's scripts said hello
    bool m_ready = false;     // and reported every element
    // Keys handed to the page since its scripts said hello, and how many of
    // them the page had seen as of its last report.
    qint64 m_keysSent = 0;
    qint64 m_keysReported = 0;
    // Of them, the keys that type a character, which the page counts once
    // their character is in.
    qint64 m_textKeysSent = 0;
    qint64 m_textKeysReported = 0;
    std::vector<std::function<void()>> m_settledWaiters;
    QTimer *m_settleTimeout = nullptr;
    bool m_settleAsked = false; // a round trip is under way
};
