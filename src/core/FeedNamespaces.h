#pragma once

#include <QHash>
#include <QString>

// The namespace declarations in scope at one element of a feed file: to
// read the names of its children canonically (CFeedVocabulary) and to
// write new ones with the prefixes the file uses. Feeds declare namespaces
// on rss, on the channel, on an item or on the element itself, and not
// always with the usual prefix.
class CFeedNamespaces
{
public:
    // An empty prefix declares the default namespace.
    void declare(const QString &prefix, const QString &uri);
    // Adds the declarations (xmlns, xmlns:prefix) of a start tag as written.
    void declareFrom(const QString &startTag);

    // Whether a prefix (not the default namespace) stands for `uri`.
    bool declares(const QString &uri) const { return !prefixFor(uri).isNull(); }
    // A prefix that stands for `uri` or for another spelling of the same
    // canonical namespace: `preferred` when it does; null when none does.
    QString prefixFor(const QString &uri, const QString &preferred = QString()) const;
    bool isBound(const QString &prefix) const { return m_uris.contains(prefix); }

    // "itunes:duration" for "itunes:duration" or "it:duration" alike when
    // the prefix stands for the iTunes namespace; RSS elements and those of
    // other namespaces, and undeclared prefixes, keep the name as written; a
    // usual prefix declared for another namespace gives null, the name of
    // no known element.
    QString canonicalName(const QString &qualifiedName) const;
    // The name to write for a canonical name: the prefix the file uses for
    // its namespace (`preferred` when that one does); null when the
    // namespace is not in scope.
    QString writtenName(const QString &canonicalName, const QString &preferred = QString()) const;

    // The declarations a start tag holds, as written, each after a space.
    static QString declarationsIn(const QString &startTag);

private:
    QHash<QString, QString> m_uris; // by prefix
};
