#include "publishing/SecretStore.h"

#include <QCoreApplication>

#include <qt6keychain/keychain.h>

namespace {

const QString kService = QStringLiteral("Tidrel");

void startJob(QKeychain::Job *job, const QString &key, CSecretStore::Callback done)
{
    job->setAutoDelete(true);
    job->setKey(key);
    QObject::connect(job, &QKeychain::Job::finished, job->parent(), [done](QKeychain::Job *finished) {
        SecretResult result;
        switch (finished->error()) {
        case QKeychain::NoError:
            if (auto *read = qobject_cast<QKeychain::ReadPasswordJob *>(finished))
                result.secret = read->textData();
            break;
        case QKeychain::EntryNotFound:
            break;
        case QKeychain::NoBackendAvailable:
            result.noKeyring = true;
            result.error = QCoreApplication::translate("CSecretStore", "There is no keyring on this desktop: %1").arg(finished->errorString());
            break;
        default:
            // Without a session bus QtKeychain finds no keyring, but says
            // only "Unknown error".
            if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) {
                result.noKeyring = true;
                result.error = QCoreApplication::translate("CSecretStore", "There is no keyring: the desktop's session bus is not running.");
                break;
            }
            result.error = finished->errorString();
            break;
        }
        done(result);
    });
    job->start();
}

} // namespace

CSecretStore::CSecretStore(QObject *parent)
    : QObject(parent)
{
}

void CSecretStore::read(const QString &key, Callback done)
{
    startJob(new QKeychain::ReadPasswordJob(kService, this), key, std::move(done));
}

void CSecretStore::write(const QString &key, const QString &secret, Callback done)
{
    auto *job = new QKeychain::WritePasswordJob(kService, this);
    job->setTextData(secret);
    startJob(job, key, std::move(done));
}

void CSecretStore::remove(const QString &key, Callback done)
{
    startJob(new QKeychain::DeletePasswordJob(kService, this), key, std::move(done));
}
