#pragma once

#include "publishing/PublishSettings.h"

#include "engine/AnimatedDialog.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// Where one feed is published: the address of the feed on the server
// (sftp://, ftp://, ftps://, dav://, davs://, s3:// or file://), the user,
// how SFTP signs in, the password or key passphrase, whether plain FTP must
// switch to TLS, S3's region, addressing and ACL (kept in the address's
// query, which the dialog shows as fields of their own), and
// where the feed's media files are served and kept. OK stays disabled while
// the address is not one the program can publish to; the fields that do
// not apply to the address's kind are disabled.
class CPublishSettingsDialog : public CAnimatedDialog
{
    Q_OBJECT
public:
    explicit CPublishSettingsDialog(const QString &feedName, QWidget *parent = nullptr);

    void setTarget(const PublishTarget &target, const QString &secret);
    PublishTarget target() const;
    // The password, or the key file's passphrase; empty for the SSH agent.
    QString secret() const;

    QLineEdit *destinationEdit() const { return m_destination; }
    QLineEdit *userEdit() const { return m_user; }
    QComboBox *sshAuthBox() const { return m_sshAuth; }
    QLineEdit *secretEdit() const { return m_secret; }
    QLineEdit *keyFileEdit() const { return m_keyFile; }
    QCheckBox *startTlsBox() const { return m_startTls; }
    QLineEdit *regionEdit() const { return m_region; }
    QCheckBox *pathStyleBox() const { return m_pathStyle; }
    QCheckBox *publicReadBox() const { return m_publicRead; }
    QLineEdit *mediaBaseEdit() const { return m_mediaBase; }
    QPushButton *okButton() const { return m_ok; }
    // What is wrong with the fields, in plain words; empty when OK may end
    // the dialog.
    QString problem() const { return m_problem; }

    // Why an address cannot be published to; empty when it can.
    static QString destinationProblem(const QString &address);
    // Why a media base address is not usable; empty when it is, or empty.
    static QString mediaBaseProblem(const QString &address);

private:
    QWidget *makeServerGroup();
    QGroupBox *createMediaGroup();
    void updateFields();
    void browse(QLineEdit *edit, bool folder);

    QLineEdit *m_destination;
    QLineEdit *m_user;
    QComboBox *m_sshAuth;
    QLabel *m_secretLabel;
    QLineEdit *m_secret;
    QLineEdit *m_keyFile;
    QPushButton *m_browseKey;
    QCheckBox *m_startTls;
    QLabel *m_userLabel;
    QLabel *m_regionLabel;
    QLineEdit *m_region;
    QCheckBox *m_pathStyle;
    QCheckBox *m_publicRead;
    QLineEdit *m_mediaBase;
    QLineEdit *m_mediaFolder;
    QLineEdit *m_feedAddress;
    QPushButton *m_browseMedia;
    QLabel *m_problemLabel;
    QPushButton *m_ok;
    QString m_problem;
};
