#pragma once

#include "engine/AnimatedDialog.h"
#include "web/WebTitleFetcher.h"

#include <QString>
#include <QTimer>

class QComboBox;
class QLabel;
class QLineEdit;

// What the Insert Hyperlink dialog edits; an empty string is a value not
// given.
struct HyperlinkInfo
{
    QString url;
    QString text;
    QString title;
    QString target;
};

// The Insert Hyperlink dialog. It proposes a URL found on the clipboard and
// the target "_blank" for a web page, and looks up the page's title once
// typing in the URL pauses: from the title cache, or later, when the
// background fetch delivers it (OnTitleFetched). A line under the title
// says while the lookup runs and why it found no title.
class CHyperlinkDlg : public CAnimatedDialog
{
    Q_OBJECT
public:
    CHyperlinkDlg(const HyperlinkInfo &info, bool textEditable, QWidget *parent = nullptr);

    // The fields as OK read them; the caller's record before that.
    const HyperlinkInfo &info() const { return m_info; }

    // A title found, or not, in the background: shown while the open
    // dialog's URL is still exactly that URL.
    static void OnTitleFetched(const TitleResult &result);
    // Whether the URL names a web page: its path ends in .htm, .html, .shtml
    // or .php (before any "#"), or the URL ends in "/".
    static bool IsWebPageUrl(const QString &url);

public slots:
    void accept() override;

private:
    void OnUrlChanged(const QString &url);
    void LookupTitle(const QString &url);
    void proposeClipboardUrl();
    void showTitle(const QString &title);
    void showLookupState(const QString &text);

    HyperlinkInfo m_info;
    QLineEdit *m_url = nullptr;
    QLabel *m_textLabel = nullptr;
    QLineEdit *m_text = nullptr;
    QLineEdit *m_title = nullptr;
    QLabel *m_lookupState = nullptr;
    QComboBox *m_target = nullptr;
    QTimer m_lookupTimer;
};

// Runs the dialog on the record; true and the record changed on OK.
bool EditHyperlinkInfo(HyperlinkInfo &info, bool textEditable, QWidget *parent);
