#include "core/PodcastGuid.h"

#include <QCryptographicHash>
#include <QRegularExpression>

namespace {

const QUuid kPodcastNamespace(QStringLiteral("ead4c236-bf58-58c6-a2c6-a6b28d128cb6"));

} // namespace

QString CPodcastGuid::fromFeedAddress(const QString &feedAddress)
{
    return uuidV5(kPodcastNamespace, nameOfAddress(feedAddress).toUtf8()).toString(QUuid::WithoutBraces);
}

QString CPodcastGuid::nameOfAddress(const QString &feedAddress)
{
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*://"));
    QString name = feedAddress.trimmed().remove(scheme);
    while (name.endsWith(u'/'))
        name.chop(1);
    return name;
}

QUuid CPodcastGuid::uuidV5(const QUuid &space, const QByteArray &name)
{
    QCryptographicHash sha1(QCryptographicHash::Sha1);
    sha1.addData(space.toRfc4122());
    sha1.addData(name);
    QByteArray bytes = sha1.result().left(16);
    bytes[6] = char((bytes[6] & 0x0f) | 0x50); // version 5
    bytes[8] = char((bytes[8] & 0x3f) | 0x80); // the RFC 4122 variant
    return QUuid::fromRfc4122(bytes);
}
