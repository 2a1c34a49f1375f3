#include "publishing/SecretStore.h"

#include <QTest>

// Secrets in the desktop's keyring. Where the desktop has none (as on a
// build machine) there is nothing to test against.
class TestSecretStore : public QObject
{
    Q_OBJECT

    SecretResult call(const std::function<void(CSecretStore &, CSecretStore::Callback)> &request)
    {
        CSecretStore store;
        QList<SecretResult> results;
        request(store, [&results](const SecretResult &result) { results.append(result); });
        if (!QTest::qWaitFor([&] { return !results.isEmpty(); }, 20000))
            return SecretResult{{}, "no answer", false};
        return results.first();
    }

private slots:
    void writeReadRemove_roundTrip()
    {
        const QString key = "sftp://tester@127.0.0.1:2222";
        const QString secret = "pass phrase with ümlauts";
        const SecretResult written = call([&](CSecretStore &store, auto done) { store.write(key, secret, done); });
        if (written.noKeyring)
            QSKIP(qPrintable(written.error));
        QCOMPARE(written.error, QString());

        const SecretResult read = call([&](CSecretStore &store, auto done) { store.read(key, done); });
        QCOMPARE(read.error, QString());
        QCOMPARE(read.secret, secret);
        const SecretResult removed = call([&](CSecretStore &store, auto done) { store.remove(key, done); });
        QCOMPARE(removed.error, QString());
        const SecretResult gone = call([&](CSecretStore &store, auto done) { store.read(key, done); });
        QCOMPARE(gone.error, QString());
        QCOMPARE(gone.secret, QString());
    }
};

QTEST_GUILESS_MAIN(TestSecretStore)
#include "tst_secretstore.moc"
