#include "engine/StyleSheetInterceptor.h"

#include <QUrl>

void CStyleSheetInterceptor::interceptRequest(QWebEngineUrlRequestInfo &info)
{
    const QString styleSheet = QStringLiteral("styles.css");
    const QUrl url = info.requestUrl();
    const QString name = url.fileName();
    if (name == styleSheet || name.compare(styleSheet, Qt::CaseInsensitive) != 0)
        return;
    QUrl redirected = url;
    QString path = url.path();
    path.replace(path.size() - name.size(), name.size(), styleSheet);
    redirected.setPath(path);
    info.redirect(redirected);
}
