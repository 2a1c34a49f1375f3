#include "shell/PublishSettingsDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QString schemeOf(const QString &address)
{
    return QUrl(address.trimmed()).scheme().toLower();
}

QLabel *buddyLabel(const QString &text, QWidget *buddy)
{
    auto *label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}

} // namespace

CPublishSettingsDialog::CPublishSettingsDialog(const QString &feedName, QWidget *parent)
    : CAnimatedDialog(parent)
    , m_destination(new QLineEdit)
    , m_user(new QLineEdit)
    , m_password(new QLineEdit)
    , m_keyFile(new QLineEdit)
    , m_browseKey(new QPushButton(QStringLiteral("&Browse\u2026")))
    , m_startTls(new QCheckBox(QStringLiteral("Switch plain FTP to &TLS (STARTTLS) before logging in")))
    , m_mediaBase(new QLineEdit)
    , m_problemLabel(new QLabel)
{
    setWindowTitle(QStringLiteral("Publish Settings \u2014 %1").arg(feedName));

    m_destination->setPlaceholderText(QStringLiteral("sftp://example.org/var/www/feed.xml"));
    m_password->setEchoMode(QLineEdit::Password);
    m_keyFile->setPlaceholderText(QStringLiteral("the SSH agent, or ~/.ssh/id_ed25519"));
    m_mediaBase->setPlaceholderText(QStringLiteral("https://example.org/media/"));
    connect(m_browseKey, &QPushButton::clicked, this, &CPublishSettingsDialog::browseKeyFile);
    auto *keyRow = new QHBoxLayout;
    keyRow->addWidget(m_keyFile, 1);
    keyRow->addWidget(m_browseKey);

    auto *server = new QFormLayout;
    server->addRow(buddyLabel(QStringLiteral("&Upload to:"), m_destination), m_destination);
    auto *kinds = new QLabel(QStringLiteral("The feed's address on the server: sftp://, ftp://, ftps://, "
                                            "or file:// for a folder on this computer. An address "
                                            "ending with / names a folder; the feed keeps its file name."));
    kinds->setWordWrap(true);
    server->addRow(QString(), kinds);
    server->addRow(buddyLabel(QStringLiteral("U&ser:"), m_user), m_user);
    server->addRow(buddyLabel(QStringLiteral("&Password:"), m_password), m_password);
    server->addRow(buddyLabel(QStringLiteral("SSH &key file:"), m_keyFile), keyRow);
    server->addRow(QString(), m_startTls);
    auto *keyring = new QLabel(QStringLiteral("The password is kept in the desktop's keyring, "
                                              "never in a settings file."));
    keyring->setWordWrap(true);
    server->addRow(QString(), keyring);
    auto *serverGroup = new QGroupBox(QStringLiteral("Server"));
    serverGroup->setLayout(server);

    auto *media = new QFormLayout;
    media->addRow(buddyLabel(QStringLiteral("&Media address:"), m_mediaBase), m_mediaBase);
    auto *mediaNote = new QLabel(QStringLiteral("Optional. Files on this computer that enclosures link under this "
                                                "address are uploaded beside the feed, unless the server has them "
                                                "at the same size."));
    mediaNote->setWordWrap(true);
    media->addRow(QString(), mediaNote);
    auto *mediaGroup = new QGroupBox(QStringLiteral("Media files"));
    mediaGroup->setLayout(media);

    m_problemLabel->setWordWrap(true);
    m_problemLabel->setStyleSheet(QStringLiteral("color: palette(link)"));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(serverGroup);
    layout->addWidget(mediaGroup);
    layout->addWidget(m_problemLabel);
    layout->addStretch(1);
    layout->addWidget(buttons);
    setMinimumWidth(560);

    for (QLineEdit *edit : {m_destination, m_mediaBase})
        connect(edit, &QLineEdit::textChanged, this, &CPublishSettingsDialog::updateFields);
    updateFields();
}

QString CPublishSettingsDialog::destinationProblem(const QString &address)
{
    const QString text = address.trimmed();
    if (text.isEmpty())
        return QStringLiteral("Type the address the feed is uploaded to.");
    const QUrl url(text, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || !QStringList{QStringLiteral("sftp"), QStringLiteral("ftp"), QStringLiteral("ftps"),
                                       QStringLiteral("file")}.contains(scheme))
        return QStringLiteral("The address must start with sftp://, ftp://, ftps:// or file://.");
    if (scheme != QLatin1String("file") && url.host().isEmpty())
        return QStringLiteral("The address has no server name after %1://.").arg(scheme);
    return QString();
}

QString CPublishSettingsDialog::mediaBaseProblem(const QString &address)
{
    const QString text = address.trimmed();
    if (text.isEmpty())
        return QString();
    const QUrl url(text, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")) || url.host().isEmpty())
        return QStringLiteral("The media address must be a web address starting with http:// or https://.");
    return QString();
}

// The fields follow the kind of address: a user for servers, a key file
// for SFTP, STARTTLS for plain FTP.
void CPublishSettingsDialog::updateFields()
{
    const QString scheme = schemeOf(m_destination->text());
    const bool server = scheme == QLatin1String("sftp") || scheme == QLatin1String("ftp")
        || scheme == QLatin1String("ftps");
    m_user->setEnabled(server);
    m_password->setEnabled(server);
    m_keyFile->setEnabled(scheme == QLatin1String("sftp"));
    m_browseKey->setEnabled(scheme == QLatin1String("sftp"));
    m_startTls->setEnabled(scheme == QLatin1String("ftp"));

    m_problem = destinationProblem(m_destination->text());
    if (m_problem.isEmpty())
        m_problem = mediaBaseProblem(m_mediaBase->text());
    // Only a wrong address is pointed out; an empty one is plain to see.
    m_problemLabel->setText(m_destination->text().trimmed().isEmpty() ? QString() : m_problem);
    m_ok->setEnabled(m_problem.isEmpty());
}

void CPublishSettingsDialog::browseKeyFile()
{
    const QString start = m_keyFile->text().isEmpty() ? QDir::home().filePath(QStringLiteral(".ssh"))
                                                      : m_keyFile->text();
    const QString file = QFileDialog::getOpenFileName(this, QStringLiteral("SSH Key File"), start);
    if (!file.isEmpty())
        m_keyFile->setText(file);
}
