#include "editor/RSSEditView.h"

#include "core/RssFeed.h"
#include "document/RSSEditDoc.h"
#include "engine/HtmlEngineView.h"
#include "markup/DescriptionMarkup.h"

#include <QApplication>
#include <QClipboard>
#include <QLocale>
#include <QMessageBox>
#include <QMimeData>
#include <QScopedValueRollback>
#include <QStatusTipEvent>
#include <QUndoStack>
#include <QVBoxLayout>

#include <algorithm>
#include <set>
#include <utility>

namespace {

const QString kPagePath = QStringLiteral(":/editor/editor.html");
const QString kTitle = QStringLiteral("div_title");
const QString kRichText = QStringLiteral("richtext_edit");
const QString kLink = QStringLiteral("select_link");
const QString kAuthor = QStringLiteral("select_author");
const QString kUndoButton = QStringLiteral("tb_undo");
const QString kRedoButton = QStringLiteral("tb_redo");
// A page that has not shown a post by then lets the panes follow anyway.
constexpr int kFollowersTimeoutMs = 500;

// The step a format makes, apart from the typing before and after it.
QString formatStepName()
{
    return CRSSEditView::tr("Format Description");
}

// The direction of the feed's own text, from its language ("ar", "he-IL"...):
// the page around it follows the program's language instead.
QString contentDirection(const QString &language)
{
    const QLocale locale(language.trimmed().replace(QLatin1Char('-'), QLatin1Char('_')));
    return locale.language() != QLocale::C && locale.textDirection() == Qt::RightToLeft ? QStringLiteral("rtl")
                                                                                        : QStringLiteral("ltr");
}

// The page's own words (res/editor/editor.html.in names them by key).
QVariantMap pageTexts()
{
    return {
        {QStringLiteral("title"), CRSSEditView::tr("Tidrel editor")},
        {QStringLiteral("title-tip"), CRSSEditView::tr("Type RSS Item here (this area is editable and selectable)")},
        {QStringLiteral("title-hint"), CRSSEditView::tr("Type RSS item title here\u2026")},
        {QStringLiteral("title-name"), CRSSEditView::tr("Post title")},
        {QStringLiteral("description-name"), CRSSEditView::tr("Description")},
        {QStringLiteral("link-others"), CRSSEditView::tr("Links of other posts")},
        {QStringLiteral("author-others"), CRSSEditView::tr("Authors of other posts")},
        {QStringLiteral("toolbar"), CRSSEditView::tr("Formatting")},
        {QStringLiteral("description-hint"), CRSSEditView::tr("Type description of RSS item here\u2026")},
        {QStringLiteral("link"), CRSSEditView::tr("Link:")},
        {QStringLiteral("link-hint"), CRSSEditView::tr("<Enter link to article here...>")},
        {QStringLiteral("author"), CRSSEditView::tr("Author:")},
        {QStringLiteral("tip-cut"), CRSSEditView::tr("Cut")},
        {QStringLiteral("tip-copy"), CRSSEditView::tr("Copy")},
        {QStringLiteral("tip-paste"), CRSSEditView::tr("Paste")},
        {QStringLiteral("tip-undo"), CRSSEditView::tr("Undo")},
        {QStringLiteral("tip-redo"), CRSSEditView::tr("Redo")},
        {QStringLiteral("tip-strong"), CRSSEditView::tr("Strong emphasis")},
        {QStringLiteral("tip-em"), CRSSEditView::tr("Emphasis")},
        {QStringLiteral("tip-strike"), CRSSEditView::tr("Strikethrough text")},
        {QStringLiteral("tip-code"), CRSSEditView::tr("Code")},
        {QStringLiteral("tip-p"), CRSSEditView::tr("Paragraph")},
        {QStringLiteral("tip-h1"), CRSSEditView::tr("Header 1")},
        {QStringLiteral("tip-h2"), CRSSEditView::tr("Header 2")},
        {QStringLiteral("tip-h3"), CRSSEditView::tr("Header 3")},
        {QStringLiteral("tip-h4"), CRSSEditView::tr("Header 4")},
        {QStringLiteral("tip-pre"), CRSSEditView::tr("Block of plain text, <pre>")},
        {QStringLiteral("tip-hyperlink"), CRSSEditView::tr("Insert or edit hyperlink")},
        {QStringLiteral("tip-image"), CRSSEditView::tr("Insert or change properties image")},
        {QStringLiteral("tip-ul"), CRSSEditView::tr("List item, unordered list")},
        {QStringLiteral("tip-ol"), CRSSEditView::tr("List item, ordered list")},
        {QStringLiteral("tip-outdent"), CRSSEditView::tr("Decrease level of list item or un-quote")},
        {QStringLiteral("tip-indent"), CRSSEditView::tr("Increase level of list item or quote")},
        {QStringLiteral("tip-rulers"), CRSSEditView::tr("Show/hide rulers")},
    };
}

} // namespace

CRSSEditView::CRSSEditView(CRSSEditDoc *doc, QWidget *parent, CHtmlEngineView *loadedPage)
    : QFrame(parent)
    , m_doc(doc)
    , m_engine(loadedPage ? loadedPage : new CHtmlEngineView(this))
    , m_links(m_engine, this)
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_engine);
    setFocusProxy(m_engine);
    m_followersTimeout.setSingleShot(true);
    m_followersTimeout.setInterval(kFollowersTimeoutMs);
    connect(&m_followersTimeout, &QTimer::timeout, this, &CRSSEditView::releaseFollowers);

    connect(m_engine, &CHtmlEngineView::pageReady, this, &CRSSEditView::onPageReady);
    connect(m_engine, &CHtmlEngineView::elementEvent, this, &CRSSEditView::onElementEvent);
    connect(m_engine, &CHtmlEngineView::reported, this, &CRSSEditView::onPageReported);
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &CRSSEditView::onClipboardChanged);
    onClipboardChanged();

    if (m_doc) {
        m_linkOptions = std::make_unique<CLinkOptions>(m_doc, m_engine, kLink);
        connect(m_doc->selection(), &CPostSelection::changed, this, &CRSSEditView::followSelection);
        connect(m_doc->selection(), &CPostSelection::moved, this, [this](int post) { m_shownPost = post; });
        connect(m_doc, &CRSSEditDoc::postFieldChanged, this, &CRSSEditView::onPostFieldChanged);
        connect(m_doc->undoStack(), &QUndoStack::canUndoChanged, this, &CRSSEditView::updateUndoButtons);
        connect(m_doc->undoStack(), &QUndoStack::canRedoChanged, this, &CRSSEditView::updateUndoButtons);
        showSelectedPost(m_doc->currentPost());
    }

    if (loadedPage) {
        // Kept hidden until now; it shows with the view.
        m_engine->show();
        // A page that was ready before the view listened is announced as
        // a page that loads here is: after the window is made.
        if (m_engine->isReady())
            QMetaObject::invokeMethod(this, &CRSSEditView::onPageReady, Qt::QueuedConnection);
        return;
    }
    // Without its page the view stays empty but usable.
    if (!loadEditorPage(m_engine))
        QMessageBox::critical(this, QApplication::applicationDisplayName(), tr("Cannot init HTML face"));
}

bool CRSSEditView::loadEditorPage(CHtmlEngineView *engine)
{
    engine->setPageTexts(pageTexts());
    return engine->loadPage(kPagePath);
}

CRSSEditView::~CRSSEditView()
{
    releaseFollowers();
}

// --- Following the document ---

// Keys typed into the post shown may still be on their way from the page:
// they belong to that post, which stays until they are in. Without a post
// (the post went, or the whole feed) they have nowhere to go: the page
// empties at once.
void CRSSEditView::followSelection(int post)
{
    if (post >= 0 && m_engine->isReady())
        holdFollowers();
    if (post < 0) {
        showSelectedPost(post);
        return;
    }
    if (m_followPending)
        return;
    m_followPending = true;
    m_engine->whenSettled([view = QPointer<CRSSEditView>(this)] {
        if (!view || !view->m_doc)
            return;
        view->m_followPending = false;
        view->showSelectedPost(view->m_doc->currentPost());
    });
}

void CRSSEditView::showSelectedPost(int post)
{
    const CHtmlEngineView::WriteBatch batch(m_engine);
    m_shownPost = post;
    if (post < 0) {
        clearPage();
        return;
    }
    m_engine->setEnabled(true);
    LoadPostIntoEditor(post);
}

void CRSSEditView::holdFollowers()
{
    m_followersTimeout.start();
    if (m_holdingFollowers)
        return;
    m_holdingFollowers = true;
    m_doc->selection()->holdFollowers();
}

void CRSSEditView::releaseFollowers()
{
    m_followersTimeout.stop();
    if (!m_holdingFollowers)
        return;
    m_holdingFollowers = false;
    if (m_doc)
        m_doc->selection()->releaseFollowers();
}

// Queued after the report rather than run inside its delivery, so that
// the report's events go out first.
void CRSSEditView::afterPostShown()
{
    if (m_loadedReported)
        descriptionPatch();
    if (m_doc && m_shownPost == m_doc->currentPost())
        releaseFollowers();
}

// Nothing typed here could reach a post.
void CRSSEditView::clearPage()
{
    for (const QString &id : {kTitle, kLink, kAuthor})
        m_engine->setValue(id, QString());
    setRichTextValue(QString());
    m_engine->setEnabled(false);
}

// A change of the shown post made elsewhere: an undo, a clean-up, the code
// pane. The view's own stores are already on the page.
void CRSSEditView::onPostFieldChanged(int post, CRSSEditDoc::PostField field)
{
    if (m_storing || post != m_shownPost)
        return;
    const QString value = m_doc->GetPostField(post, field);
    switch (field) {
    case CRSSEditDoc::PostTitle:
        m_engine->setValue(kTitle, value);
        break;
    case CRSSEditDoc::PostLink:
        showDropDownValue(kLink, value);
        break;
    case CRSSEditDoc::PostAuthor:
        showDropDownValue(kAuthor, value);
        break;
    case CRSSEditDoc::PostDescription:
        setRichTextValue(value);
        break;
    }
}

namespace {

struct EditCommand
{
    int id;
    const char *method;
    const char *query;
};

// The Edit menu's commands and the rich text's methods behind them.
const EditCommand kEditCommands[] = {
    {ID_EDIT_CUT, "doCut", "canCut"},
    {ID_EDIT_COPY, "doCopy", "canCopy"},
    {ID_EDIT_PASTE, "doPaste", "canPaste"},
    {ID_EDIT_SELECT_ALL, "doSelectAll", "canSelectAll"},
};

const EditCommand *findEditCommand(int id)
{
    for (const EditCommand &command : kEditCommands) {
        if (command.id == id)
            return &command;
    }
    return nullptr;
}

struct CharacterFormat
{
    int id;
    const char *tag;
    int flag;
};

// The Format menu's character formats: the tag the rich text toggles and
// the style flag that checks the command.
const CharacterFormat kCharacterFormats[] = {
    {ID_FORMAT_BOLD, "strong", CRSSEditView::StyleBold},
    {ID_FORMAT_ITALIC, "em", CRSSEditView::StyleItalic},
    {ID_FORMAT_UNDERLINE, "u", CRSSEditView::StyleUnderline},
    {ID_FORMAT_STRIKEOUT, "s", CRSSEditView::StyleStrikeout},
};

const CharacterFormat *findCharacterFormat(int id)
{
    for (const CharacterFormat &format : kCharacterFormats) {
        if (format.id == id)
            return &format;
    }
    return nullptr;
}

// The page's own buttons that format the rich text (not the clipboard's
// nor the rulers').
bool isFormatButton(const QString &id)
{
    static const QStringList others = {QStringLiteral("richtext:cut"), QStringLiteral("richtext:copy"),
                                       QStringLiteral("richtext:paste"), QStringLiteral("richtext:show-rulers")};
    return id.startsWith(QLatin1String("richtext:")) && !others.contains(id);
}

bool removeNbsp(QString &text)
{
    return ReplaceAllWithSpace(text, {QStringLiteral("&nbsp;")});
}

} // namespace

// An edit command acts on the element with the focus (the title, a
// drop-down or the rich text); whether it is offered follows the rich text.
// Undo and Redo are the document's: every edit is one of its steps, and the
// page's own history, one for all its fields, would undo on the page alone.
// Formats and clean-ups act on the rich text; a format is a step of its own.
bool CRSSEditView::OnCommand(int id)
{
    if (id == ID_INSERT_HYPERLINK || id == ID_INSERT_IMAGE) {
        runLinkCommand(id);
        return true;
    }
    if (const EditCommand *command = findEditCommand(id)) {
        const QString focused = m_engine->focusElement();
        m_engine->callMethod(focused.isEmpty() ? kRichText : focused, QLatin1String(command->method));
        return true;
    }

    if (const CharacterFormat *format = findCharacterFormat(id)) {
        m_nextStepName = formatStepName();
        toggleCharacterFormat(QLatin1String(format->tag));
        return true;
    }
    switch (id) {
    case ID_FORMAT_UL_LIST:
        m_nextStepName = formatStepName();
        m_engine->callMethod(kRichText, QStringLiteral("setBlock"), {QStringLiteral("ul/li")});
        return true;
    case ID_REMOVE_SPANS_AND_STYLES:
        cleanUpDescription(tr("Remove Spans and Styles"), RemoveSpansAndStyles);
        return true;
    case ID_REMOVE_NBSP:
        cleanUpDescription(tr("Remove Non-Breaking Spaces"), removeNbsp);
        return true;
    case ID_INSERT_TEST:
        showCurrentObjectTag();
        return true;
    default:
        return false;
    }
}

bool CRSSEditView::OnUpdateCommand(int id, CommandState *state)
{
    if (id == ID_INSERT_HYPERLINK || id == ID_INSERT_IMAGE) {
        state->enabled = id == ID_INSERT_IMAGE || m_links.CanHyperlink();
        return true;
    }
    if (const EditCommand *command = findEditCommand(id)) {
        const QVariant answer = m_engine->callMethod(kRichText, QLatin1String(command->query));
        state->enabled = answer.canConvert<int>() && answer.toInt() != 0;
        // The page may always paste; there must be something to paste.
        if (id == ID_EDIT_PASTE)
            state->enabled = state->enabled && m_clipboardFilled;
        return true;
    }

    // Formats apply to the rich text only, where the caret is.
    if (const CharacterFormat *format = findCharacterFormat(id)) {
        state->enabled = (m_engine->elementState(kRichText) & CHtmlEngineView::StateFocus) != 0;
        state->checkable = true;
        state->checked = (m_styleFlags & format->flag) != 0;
        return true;
    }
    switch (id) {
    case ID_FORMAT_UL_LIST:
    case ID_REMOVE_SPANS_AND_STYLES:
    case ID_REMOVE_NBSP:
    case ID_INSERT_TEST:
        return true;
    default:
        return false;
    }
}

// --- Formatting and clean-up ---

void CRSSEditView::toggleCharacterFormat(const QString &tag)
{
    m_engine->callMethod(kRichText, QStringLiteral("toggleSpan"), {tag});
}

// The clean-ups work on the stored text, so that they change nothing else.
void CRSSEditView::cleanUpDescription(const QString &stepName, const std::function<bool(QString &)> &clean)
{
    const int index = m_shownPost;
    if (index < 0 || index >= m_doc->feed()->GetPostCount())
        return;
    QString description = m_doc->feed()->GetPostDescription(index);
    // The page follows the stored text through the document's news.
    if (clean(description))
        m_doc->SetPostField(index, CRSSEditDoc::PostDescription, description, stepName);
}

void CRSSEditView::showCurrentObjectTag()
{
    const QStringList objects = currentObjects();
    QMessageBox box(QMessageBox::Information, QApplication::applicationDisplayName(),
                    tr("Current Object Tag: %1").arg(objects.isEmpty() ? QString() : objects.last()),
                    QMessageBox::Ok, this);
    box.exec();
}

QStringList CRSSEditView::currentObjects() const
{
    QStringList tags;
    const QVariantList objects = m_engine->callMethod(kRichText, QStringLiteral("getCurrentObjects")).toList();
    for (const QVariant &tag : objects)
        tags.append(tag.toString());
    return tags;
}

void CRSSEditView::OnUiStateChanged()
{
    readStyleFlags();
    showLinkAtCaret();
    // The strike-out button is the one format button of the page that the
    // page does not check itself.
    const QString button = QStringLiteral("tb_strikeout");
    const bool struck = (m_styleFlags & StyleStrikeout) != 0;
    const uint checked = CHtmlEngineView::StateChecked;
    if (struck != ((m_engine->elementState(button) & checked) != 0))
        m_engine->setElementState(button, struck ? checked : 0u, struck ? 0u : checked);
}

void CRSSEditView::readStyleFlags()
{
    const QVariantMap style = m_engine->callMethod(kRichText, QStringLiteral("getCurrentStyle")).toMap();
    int flags = 0;
    if (style.value(QStringLiteral("font-weight")).toInt() >= 700)
        flags |= StyleBold;
    if (style.value(QStringLiteral("font-style")).toString().contains(QLatin1String("italic")))
        flags |= StyleItalic;
    const QVariant decoration = style.value(QStringLiteral("text-decoration"));
    if (decoration.typeId() == QMetaType::QString) {
        if (decoration.toString().contains(QLatin1String("line-through")))
            flags |= StyleStrikeout;
        if (decoration.toString().contains(QLatin1String("underline")))
            flags |= StyleUnderline;
    }
    m_styleFlags = flags;
}

// The address of the link at the caret goes to the window's status bar; an
// empty text there brings back its idle text.
void CRSSEditView::showLinkAtCaret()
{
    const QStringList objects = currentObjects();
    const auto isLink = [](const QString &tag) { return tag.compare(QLatin1String("a"), Qt::CaseInsensitive) == 0; };
    const int link = int(std::find_if(objects.cbegin(), objects.cend(), isLink) - objects.cbegin());
    QString address;
    if (link < objects.size()) {
        address = m_engine->callMethod(kRichText, QStringLiteral("getCurrentObjectAttributes"), {link})
                      .toMap().value(QStringLiteral("href")).toString();
    }
    QStatusTipEvent tip(address);
    QApplication::sendEvent(this, &tip);
}

// The new or changed link or image is stored as a step of its own when the
// page reports it.
void CRSSEditView::runLinkCommand(int id)
{
    const bool changed = id == ID_INSERT_HYPERLINK ? m_links.OnHyperlink() : m_links.OnImage();
    if (changed)
        m_nextStepName = id == ID_INSERT_HYPERLINK ? tr("Insert Hyperlink") : tr("Insert Image");
}

void CRSSEditView::updateHyperlinkButton()
{
    showButtonEnabled(QStringLiteral("tb_hyperlink"), m_links.CanHyperlink());
}

// The page's Undo and Redo buttons are the document's commands. The stack
// tells of them at every key typed (a merged step), mostly unchanged.
void CRSSEditView::updateUndoButtons()
{
    if (!m_doc)
        return;
    showButtonEnabled(kUndoButton, m_doc->undoStack()->canUndo());
    showButtonEnabled(kRedoButton, m_doc->undoStack()->canRedo());
}

// Only a change goes to the page: each write there brings back a report of
// the whole page, its long description too.
void CRSSEditView::showButtonEnabled(const QString &id, bool enabled)
{
    const uint disabled = CHtmlEngineView::StateDisabled;
    const bool shownEnabled = !(m_engine->elementState(id) & disabled);
    if (enabled != shownEnabled)
        m_engine->setElementState(id, enabled ? 0u : disabled, enabled ? disabled : 0u);
}

void CRSSEditView::onClipboardChanged()
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    m_clipboardFilled = data && (data->hasText() || data->hasHtml() || data->hasImage());
    emit editStateChanged();
}

// --- Between the page and the feed ---

void CRSSEditView::LoadPostIntoEditor(int index)
{
    const CRssFeed *feed = m_doc->feed();
    if (index < 0 || index >= feed->GetPostCount())
        return;
    // The feed's direction is mostly the one the page has: written again,
    // it would be work for the page as it takes the post in.
    const QString direction = contentDirection(feed->GetChannelField("language"));
    const QString dir = QStringLiteral("dir");
    for (const QString &id : {kTitle, kRichText}) {
        if (m_engine->attribute(id, dir) != direction)
            m_engine->setAttribute(id, dir, direction);
    }
    m_engine->setValue(kTitle, feed->GetPostTitle(index));
    setRichTextValue(feed->GetPostDescription(index));
    m_linkOptions->show(feed->GetPostLink(index));
    showDropDownValue(kAuthor, feed->GetPostAuthor(index));
}

void CRSSEditView::storeDescription()
{
    const int index = m_shownPost;
    if (!m_loadedReported || index < 0 || index >= m_doc->feed()->GetPostCount())
        return;
    const CDescriptionPatch &patch = descriptionPatch();
    const QString description = patch.apply(m_engine->value(kRichText).toString());
    const QString stepName = std::exchange(m_nextStepName, QString());
    // Typed back to the text as loaded: that text exactly, without the
    // footer the filter would add, so that the edit is no change at all.
    const QScopedValueRollback<bool> storing(m_storing, true);
    if (description == patch.source() && stepName.isEmpty()) {
        m_doc->EditDescription(description);
        return;
    }
    m_doc->SetPostField(index, CRSSEditDoc::PostDescription, description, stepName);
}

void CRSSEditView::StoreField(const QString &id)
{
    const QVariant shown = m_engine->value(id);
    if (!shown.isValid() || m_shownPost < 0)
        return;
    const CRSSEditDoc::PostField field = id == kTitle ? CRSSEditDoc::PostTitle
                                         : id == kLink ? CRSSEditDoc::PostLink
                                                       : CRSSEditDoc::PostAuthor;
    const QScopedValueRollback<bool> storing(m_storing, true);
    m_doc->SetPostField(m_shownPost, field, shown.toString());
}

// Posts often share an author: the value the page shows already is not
// written again, which would be work for the page as it takes the post in.
void CRSSEditView::SetDropDownValue(const QString &id, const QString &value)
{
    if (!m_engine->hasElement(id) || value.isEmpty())
        return;
    m_engine->appendOption(id, value);
    if (m_engine->value(id).toString() != value)
        m_engine->setValue(id, value);
}

// A post without a link or author shows an empty field, never the previous
// post's value, which the next edit would otherwise store into this post. The
// page shows its own hint in an empty Link field; the hint is not a value.
void CRSSEditView::showDropDownValue(const QString &id, const QString &value)
{
    if (value.isEmpty()) {
        if (m_engine->hasElement(id) && !m_engine->value(id).toString().isEmpty())
            m_engine->setValue(id, QString());
        return;
    }
    SetDropDownValue(id, value);
}

void CRSSEditView::setRichTextValue(const QString &description)
{
    m_engine->setValue(kRichText, description);
    m_loadedDescription = description;
    m_loadedReported = false;
    m_patchMade = false;
    m_nextStepName.clear();
}

void CRSSEditView::onPageReported()
{
    if (m_loadedReported || !m_engine->isReported(kRichText))
        return;
    m_reportedDescription = m_engine->value(kRichText).toString();
    m_loadedReported = true;
    QMetaObject::invokeMethod(this, &CRSSEditView::afterPostShown, Qt::QueuedConnection);
}

const CDescriptionPatch &CRSSEditView::descriptionPatch()
{
    if (!m_patchMade) {
        m_patch = CDescriptionPatch(m_loadedDescription, m_reportedDescription);
        m_patchMade = true;
    }
    return m_patch;
}

void CRSSEditView::FocusEditor()
{
    FocusPostField(CRSSEditDoc::PostDescription);
}

void CRSSEditView::FocusPostField(CRSSEditDoc::PostField field)
{
    const QString elements[] = {kTitle, kLink, kAuthor, kRichText};
    const QString &element = elements[field];
    const QString focused = m_engine->focusElement();
    if (!focused.isEmpty())
        m_engine->setElementState(focused, 0, CHtmlEngineView::StateFocus);
    m_engine->setElementState(element, CHtmlEngineView::StateFocus, 0);
    m_engine->setFocus(Qt::OtherFocusReason);
}

// --- Events of the page ---

// The focus stays where the window put it (the posts list): the page is
// ready some time after the feed opened, maybe after the user moved on.
void CRSSEditView::onPageReady()
{
    updateHyperlinkButton();
    updateUndoButtons();
    emit pageReady();
    emit editStateChanged();
}

void CRSSEditView::onElementEvent(int code, const QString &id)
{
    if (!m_doc)
        return;
    switch (code) {
    case CHtmlEngineView::ButtonClick:
        if (id.compare(QLatin1String("tb_hyperlink"), Qt::CaseInsensitive) == 0) {
            sendCommand(ID_INSERT_HYPERLINK);
        } else if (id.compare(QLatin1String("tb_image"), Qt::CaseInsensitive) == 0) {
            sendCommand(ID_INSERT_IMAGE);
        } else if (id.compare(QLatin1String("tb_strikeout"), Qt::CaseInsensitive) == 0) {
            sendCommand(ID_FORMAT_STRIKEOUT);
        } else if (id == kUndoButton) {
            sendCommand(ID_EDIT_UNDO);
        } else if (id == kRedoButton) {
            sendCommand(ID_EDIT_REDO);
        } else if (isFormatButton(id)) {
            m_nextStepName = formatStepName();
        }
        break;
    case CHtmlEngineView::EditValueChanged:
        OnEditValueChanged(id);
        emit editStateChanged(); // Undo follows the edits
        break;
    case CHtmlEngineView::UiStateChanged:
        if (id == kRichText)
            OnUiStateChanged();
        updateHyperlinkButton();
        emit editStateChanged();
        break;
    case CHtmlEngineView::SelectSelectionChanged:
        StoreField(id);
        break;
    default:
        break;
    }
}

void CRSSEditView::OnEditValueChanged(const QString &id)
{
    if (id == kRichText) {
        storeDescription();
    } else if (id == kTitle || id == kLink || id == kAuthor) {
        // The title is stored as the text the user sees. Its markup would
        // come back escaped once more at every load ("Q&A" -> "Q&amp;A" ->
        // "Q&amp;amp;A"), since titles are shown as text.
        StoreField(id);
    }
}

// The page's event is still being delivered; a dialog's modal loop inside
// that delivery would hold up the dialog's own page, so the command runs
// once it is over.
void CRSSEditView::sendCommand(int id)
{
    QMetaObject::invokeMethod(this, [this, id] {
        if (!OnCommand(id))
            emit commandRequested(id);
    }, Qt::QueuedConnection);
}
