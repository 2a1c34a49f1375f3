#pragma once

#include <QObject>
#include <QString>

#include <functional>

// What a keyring request gave.
struct SecretResult
{
    QString secret;
    QString error;          // empty on success; a missing entry is no error
    bool noKeyring = false; // the desktop offers no keyring at all

    bool ok() const { return error.isEmpty(); }
};

// Passwords and key passphrases in the desktop's keyring (QtKeychain), under
// the program's name and a key of the caller's. Requests are asynchronous:
// each answer comes to its callback on the store's thread, and not at all
// once the store is gone.
class CSecretStore : public QObject
{
    Q_OBJECT

public:
    using Callback = std::function<void(const SecretResult &)>;

    explicit CSecretStore(QObject *parent = nullptr);

    void read(const QString &key, Callback done);
    void write(const QString &key, const QString &secret, Callback done);
    void remove(const QString &key, Callback done);
};
