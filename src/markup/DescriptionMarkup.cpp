#include "markup/DescriptionMarkup.h"

#include "core/TrimCharacters.h"

namespace {

const QString kStartSelection = QStringLiteral("<!--StartSelection-->");
const QString kEndSelection = QStringLiteral("<!--EndSelection-->");

// Removes every occurrence of `pattern`, ignoring case; the search resumes
// where the last removal joined the text, so adjacent copies all go.
void removeAllNoCase(QString &text, const QString &pattern)
{
    int at = FindNoCase(text, pattern, 0, false);
    while (at >= 0) {
        text.remove(at, pattern.size());
        at = FindNoCase(text, pattern, at, false);
    }
}

// Lower-cases one code unit at a time so indexes stay those of the original.
QString lowerPerChar(const QString &text)
{
    QString lower = text;
    for (QChar &c : lower)
        c = c.toLower();
    return lower;
}

} // namespace

void CleanSavedHtml(QString &text)
{
    const QString bodyOpen = QStringLiteral("<body>");
    const int open = text.indexOf(bodyOpen);
    if (open >= 0)
        text.remove(0, open + bodyOpen.size());
    const int close = text.indexOf(QStringLiteral("</body>"));
    if (close >= 0)
        text.truncate(close);

    removeAllNoCase(text, kStartSelection);
    removeAllNoCase(text, kEndSelection);
    removeAllNoCase(text, QStringLiteral("&#x0D;"));
    removeAllNoCase(text, QStringLiteral("&#x0A;"));

    text.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    text = TrimCharacters(text, u"\r\n\t ");
}

QString ExtractBetween(const QString &text, const QString &open, const QString &close)
{
    const int begin = text.indexOf(open);
    if (begin < 0)
        return QString();
    const int from = begin + open.size();
    const int end = text.indexOf(close, from);
    if (end < 0)
        return QString();
    return text.mid(from, end - from);
}

int FindNoCase(const QString &text, const QString &pattern, int start, bool caseSensitive)
{
    if (caseSensitive)
        return text.indexOf(pattern, start);
    return lowerPerChar(text).indexOf(lowerPerChar(pattern), start);
}

QString SelectedFragmentFromSavedHtml(const QString &savedDocument)
{
    const QString body = ExtractBetween(savedDocument, QStringLiteral("<body>"), QStringLiteral("</body>"));
    const int start = body.indexOf(kStartSelection);
    if (start < 0)
        return QString();
    const int end = body.indexOf(kEndSelection, start + kStartSelection.size());
    if (end < 0)
        return QString();
    const int nextTag = body.indexOf(QLatin1Char('<'), end + 1);
    if (nextTag < 0)
        return QString();
    const int lastTagEnd = body.lastIndexOf(QLatin1Char('>'), start);
    if (lastTagEnd < 0)
        return QString();

    QString fragment = body.mid(lastTagEnd + 1, nextTag - lastTagEnd - 1);
    fragment.remove(kStartSelection);
    fragment.remove(kEndSelection);
    return fragment;
}

QString FragmentFromSelectionHtml(const QByteArray &selectionHtml)
{
    if (selectionHtml.isEmpty())
        return QString();
    // Cut at the first zero byte, as a C string would.
    const QString text = QString::fromUtf8(selectionHtml.constData());
    if (text.isEmpty())
        return QString();
    return ExtractBetween(text, QStringLiteral("<!--StartFragment-->"), QStringLiteral("<!--EndFragment-->"));
}

bool RemoveRange(QString &text, const QString &start, const QString &end)
{
    const qsizetype from = text.indexOf(start);
    if (from < 0)
        return false;
    const qsizetype to = text.indexOf(end, from + start.size());
    if (to < 0)
        return false;
    text.remove(from, to + end.size() - from);
    return true;
}

bool RemoveSpansAndStyles(QString &text)
{
    const QString spanStart = QStringLiteral("<span");
    const QString tagEnd = QStringLiteral(">");
    if (text.isEmpty() || !RemoveRange(text, spanStart, tagEnd))
        return false;
    while (RemoveRange(text, spanStart, tagEnd)) {
    }
    text.remove(QStringLiteral("</span>"));
    const QString styleStart = QStringLiteral("style=\"");
    const QString quote = QStringLiteral("\"");
    while (RemoveRange(text, styleStart, quote)) {
    }
    return true;
}

bool ReplaceAllWithSpace(QString &text, const QStringList &strings)
{
    bool replaced = false;
    for (const QString &string : strings) {
        if (string.isEmpty() || !text.contains(string))
            continue;
        text.replace(string, QStringLiteral(" "));
        replaced = true;
    }
    return replaced;
}
