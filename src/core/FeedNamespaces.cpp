#include "core/FeedNamespaces.h"

#include "core/FeedVocabulary.h"

#include <QRegularExpression>

namespace {

// The few references a namespace name may hold in an attribute value.
QString attributeValue(QString value)
{
    value.replace(QLatin1String("&quot;"), QLatin1String("\""));
    value.replace(QLatin1String("&apos;"), QLatin1String("'"));
    value.replace(QLatin1String("&lt;"), QLatin1String("<"));
    value.replace(QLatin1String("&gt;"), QLatin1String(">"));
    return value.replace(QLatin1String("&amp;"), QLatin1String("&"));
}

const QRegularExpression &declarationPattern()
{
    static const QRegularExpression pattern(
            QStringLiteral("\\sxmlns(?::([^\\s=/>]+))?\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)')"));
    return pattern;
}

} // namespace

void CFeedNamespaces::declare(const QString &prefix, const QString &uri)
{
    m_uris.insert(prefix, uri);
}

void CFeedNamespaces::declareFrom(const QString &startTag)
{
    if (!startTag.contains(QLatin1String("xmlns")))
        return;
    for (auto match = declarationPattern().globalMatch(startTag); match.hasNext();) {
        const QRegularExpressionMatch found = match.next();
        const QString value = found.capturedStart(2) >= 0 ? found.captured(2) : found.captured(3);
        declare(found.captured(1), attributeValue(value));
    }
}

QString CFeedNamespaces::prefixFor(const QString &uri, const QString &preferred) const
{
    const QString canonical = CFeedVocabulary::canonicalPrefix(uri);
    const auto standsFor = [&](const QString &bound) {
        return bound == uri || (!canonical.isEmpty() && CFeedVocabulary::canonicalPrefix(bound) == canonical);
    };
    if (!preferred.isEmpty() && m_uris.contains(preferred) && standsFor(m_uris.value(preferred)))
        return preferred;
    // The usual prefix first, then any, so that the choice does not hang
    // on the order of a hash.
    if (!canonical.isEmpty() && m_uris.contains(canonical) && standsFor(m_uris.value(canonical)))
        return canonical;
    QString found;
    for (auto it = m_uris.cbegin(); it != m_uris.cend(); ++it) {
        if (!it.key().isEmpty() && standsFor(it.value()) && (found.isNull() || it.key() < found))
            found = it.key();
    }
    return found;
}

QString CFeedNamespaces::canonicalName(const QString &qualifiedName) const
{
    const qsizetype colon = qualifiedName.indexOf(QLatin1Char(':'));
    const QString prefix = colon < 0 ? QString() : qualifiedName.left(colon);
    const QString canonical = CFeedVocabulary::canonicalPrefix(m_uris.value(prefix));
    if (!canonical.isEmpty())
        return canonical + QLatin1Char(':') + qualifiedName.mid(colon + 1);
    // A usual prefix the file declares for another address (a misspelt
    // one) names none of the known elements: read as written,
    // "podcast:liveItem" would be taken for a live item that no reader
    // sees, while new podcast elements beside it go under another prefix.
    // A prefix the file never declares reads as written.
    if (colon > 0 && m_uris.contains(prefix) && !CFeedVocabulary::namespaceOf(prefix).isEmpty())
        return QString();
    return qualifiedName;
}

QString CFeedNamespaces::writtenName(const QString &canonicalName, const QString &preferred) const
{
    const qsizetype colon = canonicalName.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return canonicalName;
    const QString uri = CFeedVocabulary::namespaceOf(canonicalName.left(colon));
    if (uri.isEmpty())
        return canonicalName; // a name read from the file, as written
    const QString prefix = prefixFor(uri, preferred);
    return prefix.isNull() ? QString() : prefix + canonicalName.mid(colon);
}

QString CFeedNamespaces::declarationsIn(const QString &startTag)
{
    QString text;
    for (auto match = declarationPattern().globalMatch(startTag); match.hasNext();)
        text += QLatin1Char(' ') + match.next().captured(0).mid(1);
    return text;
}

