#pragma once

#include <QCoreApplication>
#include <QString>

// `tidrel --publish FEED --to TARGET`: publishes a saved feed without a
// window, for scripts, with the window's checks and order. The feed's own
// publish settings give the media address and folder and the trusted
// certificates; the secret comes from
// TIDREL_PUBLISH_SECRET when set, else from the keyring entry the window
// keeps for the target. Progress goes to standard error.
class CPublishCommand
{
    Q_DECLARE_TR_FUNCTIONS(CPublishCommand)

public:
    enum Status { Sent = 0, Refused = 1, BadArguments = 2 };

    static Status run(const QString &feedPath, const QString &targetAddress);
};
