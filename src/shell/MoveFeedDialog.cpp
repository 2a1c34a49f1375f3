#include "shell/MoveFeedDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

CMoveFeedDialog::CMoveFeedDialog(const QString &currentAddress, QWidget *parent)
    : QDialog(parent)
    , m_currentAddress(currentAddress.trimmed())
    , m_newAddress(new QLineEdit)
{
    setWindowTitle(tr("Move Feed"));
    auto *form = new QFormLayout;
    auto *current = new QLineEdit(m_currentAddress);
    current->setReadOnly(true);
    current->setPlaceholderText(tr("not known: the feed names no address of its own"));
    form->addRow(tr("Current address:"), current);
    m_newAddress->setPlaceholderText(QStringLiteral("https://"));
    m_newAddress->setMinimumWidth(420);
    form->addRow(tr("&New address:"), m_newAddress);

    auto *note = new QLabel(tr("The feed will name its new address in its atom:link rel=\"self\" and, for a "
                               "podcast, in itunes:new-feed-url; a podcast's podcast:guid stays, so directories "
                               "know it is the same podcast.\n\nPublish the moved feed to both hosts, then have "
                               "the old host answer the old address with a permanent redirect (HTTP 301) to the "
                               "new one. Keep the redirect and itunes:new-feed-url for at least four weeks, "
                               "better for good: some apps look at a feed seldom."));
    note->setWordWrap(true);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    m_move = buttons->addButton(tr("&Move"), QDialogButtonBox::AcceptRole);
    m_move->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_newAddress, &QLineEdit::textChanged, this, &CMoveFeedDialog::updateMoveButton);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addWidget(buttons);
    updateMoveButton();
}

QString CMoveFeedDialog::newAddress() const
{
    return m_newAddress->text().trimmed();
}

bool CMoveFeedDialog::isFeedAddress(const QString &text)
{
    const QUrl url(text.trimmed(), QUrl::StrictMode);
    return url.isValid() && !url.host().isEmpty()
        && (url.scheme() == QLatin1String("https") || url.scheme() == QLatin1String("http"));
}

void CMoveFeedDialog::updateMoveButton()
{
    m_move->setEnabled(isFeedAddress(newAddress()) && newAddress() != m_currentAddress);
}
