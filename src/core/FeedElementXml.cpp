#include "core/FeedElementXml.h"

#include "core/FeedEncoding.h"
#include "core/FeedNamespaces.h"
#include "core/FeedParser.h"
#include "core/FeedValue.h"


namespace {

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
        parts.startTag += QLatin1Char(' ') + attribute + QStringLiteral("=\"") + CFeedElementXml::attributeText(value, style.canEncode) + QLatin1Char('"');
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

// Reads one element with expat, as the file itself was read: the names
// resolved against the declarations in force at each element, which a
// declaration of the element's own adds to.
class ElementReader : public FeedParser
{
public:
    explicit ElementReader(const CFeedNamespaces &scope) : FeedParser(true) { m_scopes.push_back(scope); }

    FeedElement element;
    bool done = false;

protected:
    void startElement(const char *name, const char **attributes, qsizetype, qsizetype) override
    {
        CFeedNamespaces scope = m_scopes.back();
        FeedElement read;
        for (const char **attribute = attributes; *attribute; attribute += 2) {
            const QString attributeName = FeedEncoding::fromUtf8(attribute[0]);
            const QString value = FeedEncoding::fromUtf8(attribute[1]);
            if (attributeName == QLatin1String("xmlns"))
                scope.declare(QString(), value);
            else if (attributeName.startsWith(QLatin1String("xmlns:")))
                scope.declare(attributeName.mid(6), value);
            else
                read.attributes.append({attributeName, value});
        }
        const QString written = FeedEncoding::fromUtf8(name);
        const QString canonical = scope.canonicalName(written);
        read.name = canonical.isNull() ? written : canonical;
        m_scopes.push_back(std::move(scope));
        m_open.push_back(std::move(read));
    }

    void endElement(qsizetype, qsizetype) override
    {
        FeedElement closed = std::move(m_open.back());
        m_open.pop_back();
        m_scopes.pop_back();
        if (!closed.children.empty())
            closed.text.clear();
        if (m_open.empty()) {
            element = std::move(closed);
            done = true;
        } else {
            m_open.back().children.push_back(std::move(closed));
        }
    }

    void characters(const char *text, int size) override
    {
        if (!m_open.empty())
            m_open.back().text += FeedEncoding::fromUtf8(QByteArrayView(text, size));
    }

private:
    std::vector<CFeedNamespaces> m_scopes;
    std::vector<FeedElement> m_open;
};

} // namespace

bool CFeedElementXml::read(const QString &elementText, const CFeedNamespaces &scope, FeedElement *element)
{
    ElementReader reader(scope);
    if (!reader.parse(elementText.toUtf8(), nullptr) || !reader.done)
        return false;
    *element = std::move(reader.element);
    return true;
}

CFeedElementXml::Parts CFeedElementXml::write(const FeedElement &element, const CFeedNamespaces &scope, const Style &style)
{
    return writeElement(element, scope, style, style.declarations);
}

QString CFeedElementXml::attributeText(const QString &value, const std::function<bool(char32_t)> &canEncode)
{
    QString text;
    for (qsizetype i = 0; i < value.size(); ++i) {
        char32_t c = value[i].unicode();
        if (value[i].isHighSurrogate() && i + 1 < value.size() && value[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(value[i], value[i + 1]);
            ++i;
        }
        switch (c) {
        case U'&': text += QLatin1String("&amp;"); break;
        case U'<': text += QLatin1String("&lt;"); break;
        case U'"': text += QLatin1String("&quot;"); break;
        case U'\t': text += QLatin1String("&#9;"); break;
        case U'\n': text += QLatin1String("&#10;"); break;
        case U'\r': text += QLatin1String("&#13;"); break;
        default:
            if (canEncode(c))
                text += QStringView(QChar::fromUcs4(c)).toString(); // QString::fromUcs4 would drop U+FEFF
            else
                text += QStringLiteral("&#%1;").arg(uint(c));
        }
    }
    return text;
}
