#include "markup/DescriptionMarkup.h"

namespace {

const QString kStartSelection = QStringLiteral("<!--StartSelection-->");
const QString kEndSelection = QStringLiteral("<!--EndSelection-->");

// Deletes from the first `start` through the first `end` behind it; false,
// leaving the text, when either is missing.
bool removeRange(QString &text, const QString &start, const QString &end)
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

} // namespace

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

bool RemoveSpansAndStyles(QString &text)
{
    const QString spanStart = QStringLiteral("<span");
    const QString tagEnd = QStringLiteral(">");
    if (text.isEmpty() || !removeRange(text, spanStart, tagEnd))
        return false;
    while (removeRange(text, spanStart, tagEnd)) {
    }
    text.remove(QStringLiteral("</span>"));
    const QString styleStart = QStringLiteral("style=\"");
    const QString quote = QStringLiteral("\"");
    while (removeRange(text, styleStart, quote)) {
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
