#include "shell/PublishSettingsDialog.h"

#include <QCheckBox>
#include <QComboBox>
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
#include <QUrlQuery>
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

QLabel *note(const QString &text)
{
    auto *label = new QLabel(text);
    label->setWordWrap(true);
    return label;
}

const QString kRegion = QStringLiteral("region");
const QString kStyle = QStringLiteral("style");
const QString kAcl = QStringLiteral("acl");

QHBoxLayout *withButton(QLineEdit *edit, QPushButton *button)
{
    auto *row = new QHBoxLayout;
    row->addWidget(edit, 1);
    row->addWidget(button);
    return row;
}

} // namespace

CPublishSettingsDialog::CPublishSettingsDialog(const QString &feedName, QWidget *parent)
    : CAnimatedDialog(parent)
    , m_destination(new QLineEdit)
    , m_user(new QLineEdit)
    , m_sshAuth(new QComboBox)
    , m_secretLabel(new QLabel)
    , m_secret(new QLineEdit)
    , m_keyFile(new QLineEdit)
    , m_browseKey(new QPushButton(tr("&Browse\u2026")))
    , m_startTls(new QCheckBox(tr("Switch plain FTP to &TLS (STARTTLS) before logging in")))
    , m_userLabel(new QLabel)
    , m_regionLabel(new QLabel)
    , m_region(new QLineEdit)
    , m_pathStyle(new QCheckBox(tr("&Name the bucket in the path (path-style), not in the host name")))
    , m_publicRead(new QCheckBox(tr("Let everyone read the uploaded files (public-read &ACL)")))
    , m_mediaBase(new QLineEdit)
    , m_mediaFolder(new QLineEdit)
    , m_feedAddress(new QLineEdit)
    , m_browseMedia(new QPushButton(tr("B&rowse\u2026")))
    , m_problemLabel(new QLabel)
{
    setWindowTitle(tr("Publish Settings \u2014 %1").arg(feedName));

    m_mediaBase->setPlaceholderText(QStringLiteral("https://example.org/media/"));
    m_mediaFolder->setPlaceholderText(tr("the feed's folder"));
    connect(m_browseMedia, &QPushButton::clicked, this, [this] { browse(m_mediaFolder, true); });

    QWidget *serverGroup = makeServerGroup();
    QGroupBox *mediaGroup = createMediaGroup();
    m_problemLabel->setWordWrap(true);

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
    // At least as wide as its longest row, in whatever language.
    setMinimumWidth(qMax(560, layout->totalSizeHint().width()));
    // And tall enough for its wrapped notes at that width, which a window's
    // minimum size leaves out: every row keeps its height.
    setMinimumHeight(layout->totalHeightForWidth(minimumWidth()));

    for (QLineEdit *edit : {m_destination, m_mediaBase})
        connect(edit, &QLineEdit::textChanged, this, &CPublishSettingsDialog::updateFields);
    connect(m_sshAuth, &QComboBox::currentIndexChanged, this, &CPublishSettingsDialog::updateFields);
    updateFields();
}

QWidget *CPublishSettingsDialog::makeServerGroup()
{
    m_destination->setPlaceholderText(QStringLiteral("sftp://example.org/var/www/feed.xml"));
    // In the order of PublishTarget::SshAuth.
    m_sshAuth->addItems({tr("Password"), tr("Key file"), tr("SSH agent")});
    m_secret->setEchoMode(QLineEdit::Password);
    m_keyFile->setPlaceholderText(QDir::home().filePath(QStringLiteral(".ssh/id_ed25519")));
    m_region->setPlaceholderText(QStringLiteral("us-east-1"));
    m_pathStyle->setChecked(true);
    connect(m_browseKey, &QPushButton::clicked, this, [this] { browse(m_keyFile, false); });

    auto *serverForm = new QFormLayout;
    serverForm->addRow(buddyLabel(tr("&Upload to:"), m_destination), m_destination);
    m_feedAddress->setPlaceholderText(QStringLiteral("https://example.org/feed.xml"));
    m_feedAddress->setToolTip(tr("Where subscribers read the feed: the address it was opened from or moved to"));
    serverForm->addRow(buddyLabel(tr("Feed's &web address:"), m_feedAddress), m_feedAddress);
    m_userLabel->setBuddy(m_user);
    serverForm->addRow(m_userLabel, m_user);
    serverForm->addRow(buddyLabel(tr("SFTP si&gns in with:"), m_sshAuth), m_sshAuth);
    serverForm->addRow(buddyLabel(tr("SSH &key file:"), m_keyFile), withButton(m_keyFile, m_browseKey));
    m_secretLabel->setBuddy(m_secret);
    serverForm->addRow(m_secretLabel, m_secret);
    serverForm->addRow(QString(), m_startTls);
    m_regionLabel->setText(tr("S3 regi&on:"));
    m_regionLabel->setBuddy(m_region);
    serverForm->addRow(m_regionLabel, m_region);
    serverForm->addRow(QString(), m_pathStyle);
    serverForm->addRow(QString(), m_publicRead);
    // Notes that wrap go below the form, which does not give them their
    // height.
    auto *server = new QVBoxLayout;
    server->addLayout(serverForm);
    server->addWidget(note(tr("The address is the feed's on the server: sftp://, ftp://, ftps://, dav:// or "
                              "davs:// for WebDAV over HTTP or HTTPS, s3://ENDPOINT/BUCKET/PREFIX/ for "
                              "S3-compatible storage, or file:// for a folder on this computer. An address "
                              "ending with / names a folder; the feed keeps its file name there. Media files "
                              "go first and the feed last, so it never lists a file that is not there yet.")));
    server->addWidget(note(tr("Passwords, passphrases and secret keys are kept in the desktop's keyring, "
                              "never in a settings file.")));
    auto *serverGroup = new QGroupBox(tr("Server"));
    serverGroup->setLayout(server);
    return serverGroup;
}

QGroupBox *CPublishSettingsDialog::createMediaGroup()
{
    auto *mediaForm = new QFormLayout;
    mediaForm->addRow(buddyLabel(tr("&Media address:"), m_mediaBase), m_mediaBase);
    mediaForm->addRow(buddyLabel(tr("Media &folder:"), m_mediaFolder), withButton(m_mediaFolder, m_browseMedia));
    auto *media = new QVBoxLayout;
    media->addLayout(mediaForm);
    media->addWidget(note(tr("Optional. Enclosures whose address starts with the media address are "
                             "uploaded beside the feed from the same place under the media folder, "
                             "unless the server has them at the same size.")));
    auto *mediaGroup = new QGroupBox(tr("Media files"));
    mediaGroup->setLayout(media);
    return mediaGroup;
}

void CPublishSettingsDialog::setTarget(const PublishTarget &target, const QString &secret)
{
    QUrl address(target.destination);
    if (schemeOf(target.destination) == QLatin1String("s3")) {
        QUrlQuery query(address);
        m_region->setText(query.queryItemValue(kRegion));
        m_pathStyle->setChecked(query.queryItemValue(kStyle) != QLatin1String("virtual"));
        m_publicRead->setChecked(query.queryItemValue(kAcl) == QLatin1String("public-read"));
        for (const QString &key : {kRegion, kStyle, kAcl})
            query.removeAllQueryItems(key);
        address.setQuery(query.isEmpty() ? QString() : query.query());
        m_destination->setText(address.toString());
    } else {
        m_destination->setText(target.destination);
    }
    m_user->setText(target.userName);
    m_sshAuth->setCurrentIndex(int(target.sshAuth));
    m_keyFile->setText(target.keyFile);
    m_secret->setText(secret);
    m_startTls->setChecked(target.explicitTls);
    m_mediaBase->setText(target.mediaBaseUrl);
    m_mediaFolder->setText(target.mediaFolder);
    m_feedAddress->setText(target.feedAddress);
}

// Only what applies to the address's kind is kept.
PublishTarget CPublishSettingsDialog::target() const
{
    PublishTarget target;
    target.destination = m_destination->text().trimmed();
    if (m_region->isEnabled()) {
        QUrl address(target.destination);
        QUrlQuery query(address);
        if (!m_region->text().trimmed().isEmpty())
            query.addQueryItem(kRegion, m_region->text().trimmed());
        if (!m_pathStyle->isChecked())
            query.addQueryItem(kStyle, QStringLiteral("virtual"));
        if (m_publicRead->isChecked())
            query.addQueryItem(kAcl, QStringLiteral("public-read"));
        address.setQuery(query);
        target.destination = address.toString();
    }
    if (m_user->isEnabled())
        target.userName = m_user->text().trimmed();
    if (m_sshAuth->isEnabled())
        target.sshAuth = PublishTarget::SshAuth(m_sshAuth->currentIndex());
    if (m_keyFile->isEnabled())
        target.keyFile = m_keyFile->text().trimmed();
    target.explicitTls = m_startTls->isEnabled() && m_startTls->isChecked();
    target.mediaBaseUrl = m_mediaBase->text().trimmed();
    target.mediaFolder = m_mediaFolder->text().trimmed();
    target.feedAddress = m_feedAddress->text().trimmed();
    return target;
}

QString CPublishSettingsDialog::secret() const
{
    return m_secret->isEnabled() ? m_secret->text() : QString();
}

QString CPublishSettingsDialog::destinationProblem(const QString &address)
{
    const QString text = address.trimmed();
    if (text.isEmpty())
        return tr("Type the address the feed is uploaded to.");
    const QUrl url(text, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || !QStringList{QStringLiteral("sftp"), QStringLiteral("ftp"), QStringLiteral("ftps"),
                                       QStringLiteral("dav"), QStringLiteral("davs"), QStringLiteral("s3"),
                                       QStringLiteral("file")}.contains(scheme))
        return tr("The address must start with sftp://, ftp://, ftps://, dav://, davs://, s3:// or file://.");
    if (scheme != QLatin1String("file") && url.host().isEmpty())
        return tr("The address has no server name after %1://.").arg(scheme);
    if (url.path().isEmpty())
        return tr("The address needs a path after the server name, such as /feed.xml.");
    if (scheme == QLatin1String("s3") && url.path().count(u'/') < 2)
        return tr("The address needs the bucket after the server name, such as /bucket/feed.xml.");
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
        return tr("The media address must be a web address starting with http:// or https://.");
    return QString();
}

// The fields follow the kind of address: a user and password for servers,
// the way of signing in for SFTP, STARTTLS for plain FTP, the region,
// addressing and ACL for S3.
void CPublishSettingsDialog::updateFields()
{
    const QString scheme = schemeOf(m_destination->text());
    const bool sftp = scheme == QLatin1String("sftp");
    const bool s3 = scheme == QLatin1String("s3");
    const bool server = sftp || s3 || QStringList{QStringLiteral("ftp"), QStringLiteral("ftps"), QStringLiteral("dav"),
                                                  QStringLiteral("davs")}.contains(scheme);
    const auto auth = PublishTarget::SshAuth(m_sshAuth->currentIndex());
    const bool keyFile = sftp && auth == PublishTarget::SshKeyFile;
    m_user->setEnabled(server);
    m_sshAuth->setEnabled(sftp);
    m_keyFile->setEnabled(keyFile);
    m_browseKey->setEnabled(keyFile);
    m_secret->setEnabled(server && !(sftp && auth == PublishTarget::SshAgent));
    m_userLabel->setText(s3 ? tr("Access key &ID:") : tr("U&ser:"));
    m_secretLabel->setText(s3 ? tr("&Secret access key:") : keyFile ? tr("Key &passphrase:") : tr("&Password:"));
    m_startTls->setEnabled(scheme == QLatin1String("ftp"));
    for (QWidget *field : std::initializer_list<QWidget *>{m_regionLabel, m_region, m_pathStyle, m_publicRead})
        field->setEnabled(s3);

    m_problem = destinationProblem(m_destination->text());
    if (m_problem.isEmpty())
        m_problem = mediaBaseProblem(m_mediaBase->text());
    // Only a wrong address is pointed out; an empty one is plain to see.
    m_problemLabel->setText(m_destination->text().trimmed().isEmpty() ? QString() : m_problem);
    m_ok->setEnabled(m_problem.isEmpty());
}

void CPublishSettingsDialog::browse(QLineEdit *edit, bool folder)
{
    QString start = edit->text();
    if (start.isEmpty())
        start = folder ? QDir::homePath() : edit->placeholderText();
    const QString chosen = folder ? QFileDialog::getExistingDirectory(this, tr("Media Folder"), start)
                                  : QFileDialog::getOpenFileName(this, tr("SSH Key File"), start);
    if (!chosen.isEmpty())
        edit->setText(chosen);
}
