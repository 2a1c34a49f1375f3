#include "panes/FieldChecks.h"

#include <QRegularExpression>
#include <QUrl>

namespace FieldChecks {

CElementForm::Check date()
{
    return [](const QString &value) {
        static const QRegularExpression form(QStringLiteral(
            "^\\s*(\\w{3},\\s*)?\\d{1,2}\\s+\\w{3}\\s+\\d{2,4}\\s+\\d{1,2}:\\d{2}(:\\d{2})?\\s+\\S+\\s*$"));
        return form.match(value).hasMatch() ? QString() : QStringLiteral("Not an RFC 822 date");
    };
}

CElementForm::Check email()
{
    return [](const QString &value) {
        static const QRegularExpression form(QStringLiteral("^[^@\\s]+@[^@\\s]+(\\s+\\(.*\\))?$"));
        return form.match(value).hasMatch() ? QString() : QStringLiteral("Not an e-mail address like x@y (Name)");
    };
}

CElementForm::Check url()
{
    return [](const QString &value) {
        const QUrl parsed(value, QUrl::StrictMode);
        return parsed.isValid() && !parsed.isRelative() ? QString() : QStringLiteral("Not an absolute URL");
    };
}

CElementForm::Check integer(int minimum, int maximum)
{
    return [minimum, maximum](const QString &value) {
        bool ok = false;
        const qlonglong number = value.trimmed().toLongLong(&ok);
        if (!ok)
            return QStringLiteral("Not a whole number");
        if (number < minimum || number > maximum)
            return QStringLiteral("Not between %1 and %2").arg(minimum).arg(maximum);
        return QString();
    };
}

CElementForm::Check mimeType()
{
    return [](const QString &value) {
        static const QRegularExpression form(QStringLiteral("^[\\w.+-]+/[\\w.+-]+(\\s*;.*)?$"));
        return form.match(value).hasMatch() ? QString() : QStringLiteral("Not a MIME type like audio/mpeg");
    };
}

CElementForm::Check language()
{
    return [](const QString &value) {
        static const QRegularExpression form(QStringLiteral("^[A-Za-z]{2,3}(-[A-Za-z0-9]{1,8})*$"));
        return form.match(value).hasMatch() ? QString() : QStringLiteral("Not a language code like en-us");
    };
}

} // namespace FieldChecks
