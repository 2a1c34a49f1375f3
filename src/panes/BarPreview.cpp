#include "panes/BarPreview.h"

#include "settings/PreviewBarSetting.h"
#include "markup/DescriptionPatch.h"

#include <QEvent>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

namespace {

// Pure blue on a light background; on a dark one (a dark theme's tooltip
// colours) a light blue that can be read.
QColor tagColorOn(const QColor &background)
{
    return background.lightness() >= 128 ? QColor(0, 0, 255) : QColor(128, 160, 255);
}

// The length of the line break that starts at `pos`, 0 when there is none.
int lineBreakAt(const QString &text, int pos)
{
    if (text.mid(pos, 2) == QLatin1String("\r\n"))
        return 2;
    return pos < text.size() && text.at(pos) == QLatin1Char('\n') ? 1 : 0;
}

bool lineBreakBefore(const QString &text, int pos)
{
    return pos > 0 && text.at(pos - 1) == QLatin1Char('\n');
}

// One tag of the line-break table: a closing paragraph gets its break
// before the tag, the others after it. Written into a new text in one
// pass: a long description has hundreds of paragraphs.
void breakAtTag(QString &text, QLatin1String tag, bool breakBefore)
{
    QString broken;
    broken.reserve(text.size() + text.size() / 32);
    qsizetype copied = 0;
    const auto breakAt = [&](qsizetype at) {
        broken += QStringView(text).mid(copied, at - copied);
        broken += QLatin1Char('\n');
        copied = at;
    };
    int from = 0;
    int pos;
    while ((pos = text.indexOf(tag, from, Qt::CaseInsensitive)) >= 0) {
        int end = pos + tag.size();
        if (breakBefore) {
            if (!lineBreakBefore(text, pos))
                breakAt(pos);
        } else if (lineBreakAt(text, end) == 0) {
            breakAt(end);
        } else {
            end += lineBreakAt(text, end);
        }
        from = end;
    }
    broken += QStringView(text).mid(copied);
    text = broken;
}

} // namespace

CBarPreview::CBarPreview(const QString &title, CRSSEditDoc *doc, QWidget *parent)
    : CSizingControlBarCF(title, parent)
    , m_doc(doc)
    , m_editor(new QPlainTextEdit(this))
{
    m_editor->setObjectName(QStringLiteral("previewEditor"));
    m_editor->setAccessibleName(tr("HTML code"));
    m_editor->setAccessibleDescription(tr("The description of the post as HTML code; edits here change the post"));
    m_editor->setFrameShape(QFrame::StyledPanel);
    m_editor->setFrameShadow(QFrame::Sunken);
    m_editor->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Tab goes on to the next pane; the code needs no tab characters.
    m_editor->setTabChangesFocus(true);
    followPalette();
    // Code reads best in the desktop's fixed-width font.
    m_editor->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // Fixed scroll bars: with both "as needed", a narrow pane wraps into more
    // lines, which brings the vertical bar, which narrows the text again,
    // which takes the bar away, and so on; the layouts then resize the pane
    // for ever and the whole window stops answering. Lines wrap anywhere, so
    // no horizontal bar is ever needed.
    m_editor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_editor->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_editor->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    // The bar, not its editor, decides how small the pane may get.
    m_editor->setMinimumSize(1, 1);
    setWidget(m_editor);

    connect(m_editor, &QPlainTextEdit::textChanged, this, &CBarPreview::sendEdit);
    m_followTimer.setSingleShot(true);
    m_followTimer.setInterval(0);
    connect(&m_followTimer, &QTimer::timeout, this, &CBarPreview::showStoredDescription);
    // What the user does in the pane works on the description as stored.
    m_editor->installEventFilter(this);
    m_editor->viewport()->installEventFilter(this);
    connect(this, &CSizingControlBar::closedByUser, this, &CBarPreview::storeHidden);
    if (doc) {
        connect(doc, &CRSSEditDoc::postFieldChanged, this, &CBarPreview::followField);
        connect(doc->selection(), &CPostSelection::changed, this, [this] { m_postPending = true; });
        // Shown already when the user touched the pane first.
        connect(doc->selection(), &CPostSelection::followed, this, [this](int post) {
            if (m_postPending)
                showPost(post);
        });
        // An undo or redo shows the post as it is now.
        connect(doc, &CRSSEditDoc::postRestored, this, [this](int post) {
            if (post == m_doc->currentPost())
                showPost(post);
        });
        m_editor->setReadOnly(doc->currentPost() < 0);
    }
}

// The code on the tooltip colours of the palette around the pane, which
// change with the desktop's light or dark scheme.
void CBarPreview::followPalette()
{
    QPalette colors = palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        colors.setColor(group, QPalette::Base, colors.color(group, QPalette::ToolTipBase));
        colors.setColor(group, QPalette::Text, colors.color(group, QPalette::ToolTipText));
    }
    m_editor->setPalette(colors);
}

// The tags' colour is part of the text's formats; a new palette paints them
// anew, which starts the pane's own undo afresh.
void CBarPreview::changeEvent(QEvent *event)
{
    CSizingControlBarCF::changeEvent(event);
    if (event->type() != QEvent::PaletteChange)
        return;
    followPalette();
    const bool wasShowing = m_showingText;
    m_showingText = true;
    paintTags();
    m_showingText = wasShowing;
}

bool CBarPreview::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::KeyPress:
    case QEvent::InputMethod:
    case QEvent::MouseButtonPress:
    case QEvent::ContextMenu:
    case QEvent::DragEnter:
        if (m_postPending && m_doc) {
            showPost(m_doc->currentPost());
        } else if (m_followTimer.isActive()) {
            m_followTimer.stop();
            showStoredDescription();
        }
        break;
    default:
        break;
    }
    return CSizingControlBarCF::eventFilter(watched, event);
}

// Reading and laying out a long description costs more than the key that
// changed it: typing in the editor page stores a key long before the pane
// needs to show it.
void CBarPreview::followField(int post, CRSSEditDoc::PostField field)
{
    if (field == CRSSEditDoc::PostDescription && post == m_doc->currentPost() && !m_postPending)
        m_followTimer.start();
}

void CBarPreview::showStoredDescription()
{
    const int post = m_doc ? m_doc->currentPost() : -1;
    if (post < 0)
        return;
    const QString stored = m_doc->feed()->GetPostDescription(post);
    if (stored != m_description)
        showText(stored, ShowChange);
}

// Without a post, nothing typed here could reach the feed.
void CBarPreview::showPost(int post)
{
    if (!m_doc)
        return;
    m_followTimer.stop();
    m_postPending = false;
    showText(post < 0 ? QString() : m_doc->feed()->GetPostDescription(post), ShowWhole);
    m_editor->setReadOnly(post < 0);
}

QString CBarPreview::withLineBreaks(const QString &html)
{
    QString text = html;
    breakAtTag(text, QLatin1String("</P>"), true);
    breakAtTag(text, QLatin1String("<BR>"), false);
    breakAtTag(text, QLatin1String("<P>"), false);
    return text;
}

void CBarPreview::showText(const QString &html, ShowMode mode)
{
    const bool wasShowing = m_showingText;
    m_showingText = true;
    const QString text = withLineBreaks(html);
    // A description edited in the editor changes in one place, key by key:
    // only that place is written and painted anew, so that a key in a long
    // description costs what it costs in a short one.
    if (mode == ShowChange && m_editor->document()->characterCount() == m_shownText.size() + 1)
        replaceChangedStretch(text);
    else
        showWholeText(text);
    m_showingText = wasShowing;
    m_description = html;
    m_shownText = text;
}

void CBarPreview::showWholeText(const QString &text)
{
    m_editor->setPlainText(text);
    paintTags();
    m_editor->moveCursor(QTextCursor::Start);
}

void CBarPreview::replaceChangedStretch(const QString &text)
{
    const QString &was = m_shownText;
    qsizetype head = 0;
    const qsizetype shorter = qMin(was.size(), text.size());
    while (head < shorter && was[head] == text[head])
        ++head;
    qsizetype tail = 0;
    while (tail < shorter - head && was[was.size() - 1 - tail] == text[text.size() - 1 - tail])
        ++tail;
    if (head == was.size() && head == text.size())
        return;
    QTextDocument *document = m_editor->document();
    document->setUndoRedoEnabled(false);
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    cursor.setPosition(int(head));
    cursor.setPosition(int(was.size() - tail), QTextCursor::KeepAnchor);
    cursor.insertText(text.mid(head, text.size() - tail - head), QTextCharFormat());
    paintTagsAround(cursor, text, head, text.size() - tail);
    cursor.endEditBlock();
    document->setUndoRedoEnabled(true);
}

// Paints the tags anew from the end of the last tag before `from` to the
// end of the first tag after `to`: a tag the change opened or closed ends
// there, and the paint beyond it is as it was.
void CBarPreview::paintTagsAround(QTextCursor &cursor, const QString &text, qsizetype from, qsizetype to)
{
    const qsizetype start = from > 0 ? text.lastIndexOf(QLatin1Char('>'), from - 1) + 1 : 0;
    const qsizetype close = text.indexOf(QLatin1Char('>'), to);
    const qsizetype stop = close < 0 ? text.size() : close + 1;
    cursor.setPosition(int(start));
    cursor.setPosition(int(stop), QTextCursor::KeepAnchor);
    cursor.setCharFormat(QTextCharFormat());
    highlightTags(cursor, text, start, stop);
}

// The new text takes the format at the old caret, which may have been
// inside a tag; every character starts plain again. Undo starts afresh, so
// the highlighting cannot be undone.
void CBarPreview::paintTags()
{
    QTextDocument *document = m_editor->document();
    document->setUndoRedoEnabled(false);
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.setCharFormat(QTextCharFormat());
    const QString text = document->toPlainText();
    highlightTags(cursor, text, 0, text.size());
    cursor.endEditBlock();
    document->setUndoRedoEnabled(true);
}

// Every "<" from `from` on, before `to`, up to the next ">" in bold blue.
// A "<" with no ">" after it ends the search; the rest keeps the plain look.
void CBarPreview::highlightTags(QTextCursor &cursor, const QString &text, qsizetype from, qsizetype to)
{
    QTextCharFormat tagFormat;
    tagFormat.setFontWeight(QFont::Bold);
    tagFormat.setForeground(tagColorOn(m_editor->palette().color(QPalette::Base)));

    while (true) {
        const qsizetype open = text.indexOf(QLatin1Char('<'), from);
        if (open < 0 || open >= to)
            break;
        const qsizetype close = text.indexOf(QLatin1Char('>'), open + 1);
        if (close < 0)
            break;
        cursor.setPosition(int(open));
        cursor.setPosition(int(close + 1), QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(tagFormat);
        from = close + 1;
    }
}

void CBarPreview::sendEdit()
{
    if (m_showingText || !m_doc)
        return;
    const QString typed = m_editor->toPlainText();
    m_description = CDescriptionPatch(m_description, m_shownText).apply(typed);
    m_shownText = typed;
    m_doc->EditDescription(m_description);
}

void CBarPreview::storeHidden()
{
    PreviewBarSetting::setValue(0);
    PreviewBarSetting::save();
}
