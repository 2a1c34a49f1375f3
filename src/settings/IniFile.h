#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// An ini file held as its raw lines, so that changing one entry writes every
// other line back byte for byte. Sections are "[name]" lines; an entry is a
// "key=value" line split at its first "=", or a line without "=" which is a
// key with an empty value. Names compare without letter case; blanks around
// names and values do not count. Where a name occurs twice, the first wins.
class IniFile
{
public:
    // Reads the file; a missing or unreadable file reads as empty.
    explicit IniFile(const QString &path);

    // False when the section has no such key.
    bool find(const QString &section, const QString &key, QString *value) const;
    // Every entry of the section in file order, as "key=value" (or the key
    // alone for a line without "=").
    QStringList sectionEntries(const QString &section) const;

    // Replaces the first entry with the key, or adds one after the last
    // entry of the section, or adds the section at the end of the file; then
    // replaces the file as a whole, creating its folder when missing.
    bool write(const QString &section, const QString &key, const QString &value);

private:
    struct Entry
    {
        QString key;
        QString value;
        bool hasEquals = false;
    };

    QString lineText(int index) const;
    bool isSectionHeader(int index, QString *name) const;
    bool parseEntry(int index, Entry *entry) const;
    int findSection(const QString &section) const;
    int sectionEnd(int header) const;
    int findEntry(int header, const QString &key, Entry *entry) const;
    void insertLine(int index, const QByteArray &text);
    bool save() const;

    QString m_path;
    QList<QByteArray> m_lines; // each with its own line end, if any
    QByteArray m_lineEnd = "\n";
};
