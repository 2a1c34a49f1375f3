#include "editor/HyperlinkDlg.h"

#include "web/WebTitleCache.h"

#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QUrl>

namespace {

// The lookup waits for a pause in typing this long.
const int kLookupPauseMs = 250;

QPointer<CHyperlinkDlg> s_openDialog;

// Spaces only: titles keep other white space as the page has it.
QString trimSpaces(const QString &text)
{
    int begin = 0;
    int end = text.size();
    while (begin < end && text.at(begin) == QLatin1Char(' '))
        ++begin;
    while (end > begin && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.mid(begin, end - begin);
}

// An address of the kinds a link may point to, written out with its scheme.
bool isLinkAddress(const QString &text)
{
    static const QStringList schemes = {QStringLiteral("http"), QStringLiteral("https"), QStringLiteral("ftp"),
                                        QStringLiteral("file")};
    const QUrl url(text, QUrl::StrictMode);
    return url.isValid() && text.contains(QLatin1String("://")) && schemes.contains(url.scheme().toLower());
}

QLineEdit *addField(QFormLayout *form, const QString &label, const QString &name)
{
    auto *field = new QLineEdit;
    field->setObjectName(name);
    field->setMinimumWidth(300);
    form->addRow(label, field);
    return field;
}

} // namespace

CHyperlinkDlg::CHyperlinkDlg(const HyperlinkInfo &info, bool textEditable, QWidget *parent)
    : CAnimatedDialog(parent)
    , m_info(info)
{
    setWindowTitle(tr("Insert Hyperlink"));
    auto *form = new QFormLayout(this);
    m_url = addField(form, tr("URL:"), QStringLiteral("url"));
    m_text = addField(form, tr("Text:"), QStringLiteral("text"));
    m_textLabel = qobject_cast<QLabel *>(form->labelForField(m_text));
    m_title = addField(form, tr("Title:"), QStringLiteral("title"));
    m_lookupState = new QLabel;
    m_lookupState->setObjectName(QStringLiteral("lookupState"));
    m_lookupState->setWordWrap(true);
    m_lookupState->setEnabled(false);
    m_lookupState->hide();
    form->addRow(QString(), m_lookupState);
    m_target = new QComboBox;
    m_target->setObjectName(QStringLiteral("target"));
    m_target->setEditable(true);
    m_target->addItems({QStringLiteral("_blank"), QStringLiteral("_parent"), QStringLiteral("_top")});
    form->addRow(tr("Target:"), m_target);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &CHyperlinkDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CHyperlinkDlg::reject);
    form->addRow(buttons);

    m_lookupTimer.setSingleShot(true);
    m_lookupTimer.setInterval(kLookupPauseMs);
    connect(&m_lookupTimer, &QTimer::timeout, this, [this] { LookupTitle(m_url->text()); });
    connect(m_url, &QLineEdit::textChanged, this, &CHyperlinkDlg::OnUrlChanged);

    // Filling the URL counts as a change of it, as typing it would; the
    // record's own target comes after and wins.
    m_url->setText(m_info.url);
    m_title->setText(m_info.title);
    m_text->setText(m_info.text);
    m_target->setCurrentText(m_info.target);
    s_openDialog = this;

    m_textLabel->setEnabled(textEditable);
    m_text->setReadOnly(!textEditable);
    if (m_info.url.isEmpty())
        proposeClipboardUrl();
}

// The clipboard's address is looked up at once, not after a pause.
void CHyperlinkDlg::proposeClipboardUrl()
{
    const QString text = QGuiApplication::clipboard()->text().trimmed();
    if (!isLinkAddress(text))
        return;
    m_url->setText(text);
    m_lookupTimer.stop();
    LookupTitle(text);
}

void CHyperlinkDlg::OnUrlChanged(const QString &url)
{
    showLookupState(QString());
    if (IsWebPageUrl(url))
        m_target->setCurrentText(QStringLiteral("_blank"));
    if (!url.isEmpty())
        m_lookupTimer.start();
}

void CHyperlinkDlg::LookupTitle(const QString &url)
{
    if (!IsWebPageUrl(url))
        return;
    const QString title = LookupWebTitle(url);
    if (!title.isEmpty())
        showTitle(title);
    else
        showLookupState(tr("Looking up the page's title\u2026"));
}

void CHyperlinkDlg::showLookupState(const QString &text)
{
    m_lookupState->setText(text);
    m_lookupState->setVisible(!text.isEmpty());
}

void CHyperlinkDlg::showTitle(const QString &title)
{
    m_title->setText(trimSpaces(title));
}

void CHyperlinkDlg::OnTitleFetched(const TitleResult &result)
{
    if (!s_openDialog || s_openDialog->m_url->text() != result.url)
        return;
    if (result.title.isEmpty()) {
        s_openDialog->showLookupState(tr("No title: %1").arg(result.failure));
        return;
    }
    s_openDialog->showLookupState(QString());
    s_openDialog->showTitle(result.title);
}

bool CHyperlinkDlg::IsWebPageUrl(const QString &url)
{
    if (url.isEmpty())
        return false;
    QString path = url.left(url.indexOf(QLatin1Char('#')));
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QString lastPart = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    const int dot = lastPart.lastIndexOf(QLatin1Char('.'));
    const QString extension = dot < 0 ? QString() : lastPart.mid(dot);
    static const QStringList pageExtensions = {QStringLiteral(".htm"), QStringLiteral(".html"),
                                               QStringLiteral(".shtml"), QStringLiteral(".php")};
    for (const QString &pageExtension : pageExtensions) {
        if (extension.compare(pageExtension, Qt::CaseInsensitive) == 0)
            return true;
    }
    return url.endsWith(QLatin1Char('/'));
}

// The title goes into an attribute in double quotes.
void CHyperlinkDlg::accept()
{
    m_info.url = m_url->text();
    m_info.title = m_title->text().replace(QLatin1Char('"'), QLatin1Char('\''));
    m_info.text = m_text->text();
    m_info.target = m_target->currentText();
    CAnimatedDialog::accept();
}

bool EditHyperlinkInfo(HyperlinkInfo &info, bool textEditable, QWidget *parent)
{
    CHyperlinkDlg dialog(info, textEditable, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    info = dialog.info();
    return true;
}
