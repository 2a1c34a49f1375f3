#pragma once

#include <QWebEngineUrlRequestInterceptor>

// Resource names are case-sensitive, but a page may ask for its style sheet
// as STYLES.CSS or Styles.css: every spelling is sent to "styles.css" in the
// same folder.
class CStyleSheetInterceptor : public QWebEngineUrlRequestInterceptor
{
    Q_OBJECT
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;

    void interceptRequest(QWebEngineUrlRequestInfo &info) override;
};
