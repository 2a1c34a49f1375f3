#include "web/FetchTitleFromURL.h"

#include "web/TitleFetchSteps.h"

#include <QCoreApplication>
#include <QFile>

CFetchTitleFromURL::CFetchTitleFromURL(const QString &url)
    : m_url(url)
    , m_state(url.isEmpty() ? StateNoUrl : StateNotFetched)
{
}

CFetchTitleFromURL::~CFetchTitleFromURL()
{
    if (!m_tempFilePath.isEmpty() && QFile::exists(m_tempFilePath))
        QFile::remove(m_tempFilePath);
}

QString CFetchTitleFromURL::GetTitle()
{
    switch (m_state) {
    case StateFetched:
        return m_title;
    case StateNotFetched:
        fetch();
        return m_title;
    case StateNoUrl:
        return QString();
    }
    return QStringLiteral("Invalid default case in CFetchTitleFromURL::GetTitle");
}

void CFetchTitleFromURL::fetch()
{
    m_failure.clear();
    m_tempFilePath = DownloadToTempFile(m_url, &m_failure);
    if (m_tempFilePath.isEmpty())
        return;

    // When the conversion fails the page's own bytes are read as UTF-8.
    ConvertFileToUtf8(m_tempFilePath, DetectFileCharset(m_tempFilePath));

    QString text;
    if (ExtractElementText(m_tempFilePath, QByteArrayLiteral("title"), &text))
        m_title = StorableTitle(text);
    if (m_title.isEmpty())
        m_failure = QCoreApplication::translate("CFetchTitleFromURL", "The page has no title.");
    m_state = StateFetched;
}
