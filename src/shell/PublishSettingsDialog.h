#pragma once

#include "engine/AnimatedDialog.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// Where one feed is published: the address of the feed on the server
// (sftp://, ftp://, ftps:// or file://), the user and password, the SSH key
// file, whether plain FTP must switch to TLS, and the address under which
// the feed's media files are served. OK stays disabled while the address is
// not one the program can publish to; the fields that do not apply to the
// address's kind are disabled.
class CPublishSettingsDialog : public CAnimatedDialog
{
    Q_OBJECT
public:
    explicit CPublishSettingsDialog(const QString &feedName, QWidget *parent = nullptr);

    QLineEdit *destinationEdit() const { return m_destination; }
    QLineEdit *userEdit() const { return m_user; }
    QLineEdit *passwordEdit() const { return m_password; }
    QLineEdit *keyFileEdit() const { return m_keyFile; }
    QCheckBox *startTlsBox() const { return m_startTls; }
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
    void updateFields();
    void browseKeyFile();

    QLineEdit *m_destination;
    QLineEdit *m_user;
    QLineEdit *m_password;
    QLineEdit *m_keyFile;
    QPushButton *m_browseKey;
    QCheckBox *m_startTls;
    QLineEdit *m_mediaBase;
    QLabel *m_problemLabel;
    QPushButton *m_ok;
    QString m_problem;
};
