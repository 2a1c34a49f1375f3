#include "core/StartTagText.h"

#include "core/FeedLayout.h"

namespace {

// Where attribute `name` stands in a well-formed start tag: the white
// space before it and its quoted value. Read attribute by attribute, so
// that a value holding name="..." is no attribute.
struct AttributePlace
{
    qsizetype spaceBegin = -1;
    qsizetype valueBegin = -1; // the opening quote
    qsizetype valueEnd = -1;   // past the closing quote
};
AttributePlace findAttribute(const QString &startTag, const QString &name)
{
    const qsizetype size = startTag.size();
    qsizetype pos = 1; // past '<'
    while (pos < size && !CFeedLayout::isSpace(startTag[pos]) && startTag[pos] != u'>' && startTag[pos] != u'/')
        ++pos;
    for (;;) {
        const qsizetype space = pos;
        while (pos < size && CFeedLayout::isSpace(startTag[pos]))
            ++pos;
        if (pos >= size || startTag[pos] == u'>' || startTag[pos] == u'/')
            return {};
        const qsizetype nameBegin = pos;
        while (pos < size && !CFeedLayout::isSpace(startTag[pos]) && startTag[pos] != u'=')
            ++pos;
        const QStringView written = QStringView(startTag).mid(nameBegin, pos - nameBegin);
        while (pos < size && (CFeedLayout::isSpace(startTag[pos]) || startTag[pos] == u'='))
            ++pos;
        const qsizetype close = pos < size ? startTag.indexOf(startTag[pos], pos + 1) : -1;
        if (close < 0)
            return {};
        if (written == name)
            return {space, pos, close + 1};
        pos = close + 1;
    }
}

} // namespace

QString CStartTagText::withAttribute(const QString &startTag, const QString &attribute)
{
    qsizetype at = startTag.size() - 1; // the '>'
    while (at > 0 && CFeedLayout::isSpace(startTag[at - 1]))
        --at;
    QString separator = QStringLiteral(" ");
    const QChar quote = startTag[at - 1];
    if (quote == u'"' || quote == u'\'') {
        qsizetype name = startTag.lastIndexOf(quote, at - 2) - 1;
        while (name > 0 && (CFeedLayout::isSpace(startTag[name]) || startTag[name] == u'='))
            --name;
        while (name > 0 && !CFeedLayout::isSpace(startTag[name]))
            --name;
        qsizetype space = name;
        while (space > 0 && CFeedLayout::isSpace(startTag[space - 1]))
            --space;
        if (name > space || CFeedLayout::isSpace(startTag[name]))
            separator = startTag.mid(space, name + 1 - space);
    }
    return startTag.left(at) + separator + attribute + startTag.mid(at);
}

QString CStartTagText::withAttributeValue(const QString &startTag, const QString &name, const QString &written)
{
    const AttributePlace found = findAttribute(startTag, name);
    if (found.spaceBegin < 0)
        return written.isEmpty() ? startTag : withAttribute(startTag, name + QStringLiteral("=\"") + written + QLatin1Char('"'));
    if (written.isEmpty())
        return startTag.left(found.spaceBegin) + startTag.mid(found.valueEnd);
    return startTag.left(found.valueBegin) + QLatin1Char('"') + written + QLatin1Char('"') + startTag.mid(found.valueEnd);
}
