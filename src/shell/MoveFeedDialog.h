#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

// Asks for the address a feed moves to, beside the one it has, and says what
// the move writes into the feed and what the old host must do.
class CMoveFeedDialog : public QDialog
{
    Q_OBJECT
public:
    explicit CMoveFeedDialog(const QString &currentAddress, QWidget *parent = nullptr);

    QString newAddress() const;
    // An http or https address with a host: what feed readers can follow.
    static bool isFeedAddress(const QString &text);

private:
    void updateMoveButton();

    QString m_currentAddress;
    QLineEdit *m_newAddress;
    QPushButton *m_move;
};
