#include "core/FeedElementXml.h"

#include "core/FeedNamespaces.h"
#include "core/FeedValue.h"
#include "core/FeedVocabulary.h"

#include <QXmlStreamReader>

namespace {

QString canonicalName(const QXmlStreamReader &xml)
{
    const QString canonical = CFeedVocabulary::canonicalPrefix(xml.namespaceUri().toString());
    if (canonical.isEmpty())
        return xml.qualifiedName().toString();
    return canonical + QLatin1Char(':') + xml.name().toString();
}

QString nameToWrite(const QString &canonical, const CFeedNamespaces &scope, const QString &prefix)
{
    const QString written = scope.writtenName(canonical, prefix);
    Q_ASSERT(!written.isNull());
    return written.isNull() ? canonical : written;
}

CFeedElementXml::Parts writeElement(const FeedElement &element, const CFeedNamespaces &scope,
                                    const CFeedElementXml::Style &style, const QString &declarations)
{
    const QString name = nameToWrite(element.name, scope, style.prefix);
    CFeedElementXml::Parts parts;
    parts.startTag = QLatin1Char('<') + name + declarations;
    for (const auto &[attribute, value] : element.attributes)
        parts.startTag += QLatin1Char(' ') + attribute + QStringLiteral("=\"") + CFeedElementXml::attributeText(value) + QLatin1Char('"');
    if (element.children.empty() && element.text.isEmpty()) {
        parts.startTag += style.emptyTagEnd;
        return parts;
    }
    parts.startTag += QLatin1Char('>');
    parts.endTag = QStringLiteral("</") + name + QLatin1Char('>');
    if (element.children.empty()) {
        parts.content = FeedValue::content(element.text, style.oldContent, style.canEncode);
        return parts;
    }
    const bool lines = style.indent.contains(u'\n');
    CFeedElementXml::Style inner = style;
    inner.indent = lines ? style.indent + style.step : QString();
    inner.oldContent.clear();
    for (const FeedElement &child : element.children) {
        const CFeedElementXml::Parts written = writeElement(child, scope, inner, QString());
        parts.content += inner.indent + written.startTag + written.content + written.endTag;
    }
    parts.content += lines ? style.indent : QString();
    return parts;
}

// With namespaces off, names are read as written and declarations come
// as attributes, which are left out.
bool readElement(const QString &text, bool namespaces, FeedElement *element)
{
    QXmlStreamReader xml(text);
    xml.setNamespaceProcessing(namespaces);
    xml.readNextStartElement();
    std::vector<FeedElement> open;
    bool done = false;
    while (!xml.atEnd() && !xml.hasError()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement: {
            if (done)
                return false; // a second element
            FeedElement read;
            read.name = namespaces ? canonicalName(xml) : xml.qualifiedName().toString();
            for (const QXmlStreamAttribute &attribute : xml.attributes()) {
                const QString name = attribute.qualifiedName().toString();
                if (namespaces || (name != QLatin1String("xmlns") && !name.startsWith(QLatin1String("xmlns:"))))
                    read.attributes.append({name, attribute.value().toString()});
            }
            open.push_back(std::move(read));
            break;
        }
        case QXmlStreamReader::Characters:
            if (!open.empty())
                open.back().text += xml.text();
            else if (!xml.isWhitespace())
                return false;
            break;
        case QXmlStreamReader::EndElement: {
            if (open.empty())
                break; // the wrapper
            FeedElement closed = std::move(open.back());
            open.pop_back();
            if (!closed.children.empty())
                closed.text.clear();
            if (open.empty()) {
                *element = std::move(closed);
                done = true;
            } else {
                open.back().children.push_back(std::move(closed));
            }
            break;
        }
        default:
            break;
        }
    }
    return done && !xml.hasError();
}

} // namespace

// The declarations in force go on a wrapper, so that the reader knows the
// prefixes the element uses without declaring them. A prefix the file
// never declares (expat reads such files) leaves the names as written.
bool CFeedElementXml::read(const QString &elementText, const CFeedNamespaces &scope, FeedElement *element)
{
    const QString wrapped = QStringLiteral("<w") + scope.asAttributes() + QLatin1Char('>') + elementText + QStringLiteral("</w>");
    return readElement(wrapped, true, element) || readElement(wrapped, false, element);
}

CFeedElementXml::Parts CFeedElementXml::write(const FeedElement &element, const CFeedNamespaces &scope, const Style &style)
{
    return writeElement(element, scope, style, style.declarations);
}

QString CFeedElementXml::attributeText(const QString &value)
{
    QString text;
    for (const QChar c : value) {
        switch (c.unicode()) {
        case u'&': text += QLatin1String("&amp;"); break;
        case u'<': text += QLatin1String("&lt;"); break;
        case u'"': text += QLatin1String("&quot;"); break;
        case u'\t': text += QLatin1String("&#9;"); break;
        case u'\n': text += QLatin1String("&#10;"); break;
        case u'\r': text += QLatin1String("&#13;"); break;
        default: text += c;
        }
    }
    return text;
}
