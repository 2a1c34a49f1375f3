#pragma once

#include "commands/CommandIds.h"
#include "document/RSSEditDoc.h"
#include "editor/LinkCommands.h"
#include "editor/LinkOptions.h"
#include "markup/DescriptionPatch.h"

#include <QFrame>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>

class CHtmlEngineView;

// The document's view: the editor page with the selected post's title,
// description, link and author, or an empty page that takes no input while
// no post is selected. Follows the document's selection and the changes of
// the post it shows; every edit reaches the feed at once. The description
// is stored as its own text with the edit carried over (CDescriptionPatch),
// not as the page writes it back.
class CRSSEditView : public QFrame, public CCommandTarget
{
    Q_OBJECT
public:
    // `loadedPage`, when given, is an editor page loaded ahead with
    // loadEditorPage(), which the view takes in place of loading its own.
    explicit CRSSEditView(CRSSEditDoc *doc, QWidget *parent = nullptr, CHtmlEngineView *loadedPage = nullptr);
    ~CRSSEditView() override;

    // Starts loading the editor page, with its words, into `engine`; false
    // when the page is missing from the resources.
    static bool loadEditorPage(CHtmlEngineView *engine);

    CRSSEditDoc *document() const { return m_doc; }
    CHtmlEngineView *engine() const { return m_engine; }

    bool OnCommand(int id) override;
    bool OnUpdateCommand(int id, CommandState *state) override;

    // The post the page shows, or -1: the selected post once the view has
    // followed it.
    int shownPost() const { return m_shownPost; }
    // Title, description, link and author of post `index` into the page.
    void LoadPostIntoEditor(int index);
    // Shows `value` in a drop-down, adding it to the list when missing. An
    // empty value leaves the drop-down as it is.
    void SetDropDownValue(const QString &id, const QString &value);
    void FocusEditor();
    // Puts the focus in the page's field of one post field.
    void FocusPostField(CRSSEditDoc::PostField field);

    // The character formats at the caret, as of the page's last report.
    enum StyleFlag { StyleBold = 1, StyleItalic = 2, StyleUnderline = 4, StyleStrikeout = 8 };
    int styleFlags() const { return m_styleFlags; }

signals:
    void pageReady();
    // A button of the page asked for a command this view does not handle;
    // the window that holds the view routes it on.
    void commandRequested(int id);
    // The edit commands' states may differ: the page reported a new caret,
    // selection, focus or text, or the clipboard changed.
    void editStateChanged();

private:
    // Shows the selected post once the page has reported every key typed
    // into the post it shows now.
    void followSelection(int post);
    // The page shows the selected post, or nothing and takes no input.
    void showSelectedPost(int post);
    // The panes and the commands' states wait while the page takes in the
    // post: they follow once the page has reported it, or after a time-out
    // when it does not answer.
    void holdFollowers();
    void releaseFollowers();
    // After the page's report of a new post has been taken in: what waited
    // for it, now that the page shows the post.
    void afterPostShown();
    void clearPage();
    // A change of the shown post that the view did not make itself.
    void onPostFieldChanged(int post, CRSSEditDoc::PostField field);
    void onPageReady();
    void onElementEvent(int code, const QString &id);
    void OnEditValueChanged(const QString &id);
    // The title, link or author as the page shows it into the current post.
    void StoreField(const QString &id);
    void showDropDownValue(const QString &id, const QString &value);
    // Shows the description in the page; the page's form of it, once
    // reported, is what later edits are compared with.
    void setRichTextValue(const QString &description);
    void onPageReported();
    // The patch from the description loaded to the page's form of it, made
    // once that form is reported and first needed.
    const CDescriptionPatch &descriptionPatch();
    // The page's description, its edit carried over to the stored text,
    // into the current post; the other views hear the stored text.
    void storeDescription();
    void sendCommand(int id);
    void onClipboardChanged();
    // Links and images
    void runLinkCommand(int id);
    void updateHyperlinkButton();
    void updateUndoButtons();
    void showButtonEnabled(const QString &id, bool enabled);

    // --- Formatting and clean-up ---
    void toggleCharacterFormat(const QString &tag);
    // Cleans the stored description with `clean` and stores and shows the
    // result when it changed anything.
    void cleanUpDescription(const QString &stepName, const std::function<bool(QString &)> &clean);
    void showCurrentObjectTag();
    // The caret moved: the check marks, the link address in the status bar
    // and the page's toolbar follow it.
    void OnUiStateChanged();
    void readStyleFlags();
    void showLinkAtCaret();
    QStringList currentObjects() const;

    QPointer<CRSSEditDoc> m_doc;
    CHtmlEngineView *m_engine = nullptr;
    CLinkCommands m_links;
    std::unique_ptr<CLinkOptions> m_linkOptions; // with a document

    // The description last given to the page, and the page's form of it
    // once reported.
    QString m_loadedDescription;
    bool m_loadedReported = false;
    QString m_reportedDescription;
    bool m_patchMade = false;
    CDescriptionPatch m_patch;
    // The undo step the page's next edit makes (a link put in), rather
    // than typing.
    QString m_nextStepName;
    int m_shownPost = -1;
    bool m_followPending = false; // a selection waits for the page's last keys
    bool m_holdingFollowers = false;
    QTimer m_followersTimeout;
    // Set while the view stores a field: the document's news of it is no
    // change to show.
    bool m_storing = false;
    // Read when the clipboard changes, not at every state query.
    bool m_clipboardFilled = false;
    int m_styleFlags = 0;
};
