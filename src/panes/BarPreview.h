#pragma once

#include "document/RSSEditDoc.h"
#include "panes/SizingControlBarCF.h"

#include <QPointer>
#include <QTimer>

class QPlainTextEdit;
class QTextCursor;

// The pane under the editor that shows the current post's description as
// HTML code, one paragraph and line break per line, tags in bold blue. What
// the user types in it is stored as typed and shown in the editor; the line
// breaks the pane added for showing are not stored. Empty while no post is
// selected.
class CBarPreview : public CSizingControlBarCF
{
    Q_OBJECT
public:
    CBarPreview(const QString &title, CRSSEditDoc *doc, QWidget *parent = nullptr);

    QPlainTextEdit *editor() const { return m_editor; }

    // Starts a new line after every <P> and <BR> and before every </P>,
    // unless a line break is already there.
    static QString withLineBreaks(const QString &html);

protected:
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void followPalette();
    // The post's description as stored, or nothing, read-only, for -1.
    void showPost(int post);
    // An edit of the current post's description made elsewhere shows once
    // the edit's key is handled, every key of a burst at once.
    void followField(int post, CRSSEditDoc::PostField field);
    // The current post's description as stored now, unless it is the text
    // typed here.
    void showStoredDescription();
    // A new post's text shows whole, from its start; an edit of the one
    // shown changes it where it changed.
    enum ShowMode { ShowWhole, ShowChange };
    void showText(const QString &html, ShowMode mode);
    void showWholeText(const QString &text);
    // The pane shows m_shownText: writes only where `text` differs from it.
    void replaceChangedStretch(const QString &text);
    void paintTags();
    void paintTagsAround(QTextCursor &cursor, const QString &text, qsizetype from, qsizetype to);
    void highlightTags(QTextCursor &cursor, const QString &text, qsizetype from, qsizetype to);
    void sendEdit();
    void storeHidden();

    QPointer<CRSSEditDoc> m_doc;
    QPlainTextEdit *m_editor;
    // Set while the pane itself puts text in, so that it is not taken for
    // the user's typing.
    bool m_showingText = false;
    // The description shown and the pane's text for it.
    QString m_description;
    QString m_shownText;
    QTimer m_followTimer;
    // Another post is selected and the pane still shows the one before: it
    // follows once the editor's page has the new one, or at the user's
    // first touch.
    bool m_postPending = false;
};
