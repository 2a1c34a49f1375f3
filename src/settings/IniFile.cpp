#include "settings/IniFile.h"

#include "core/TrimCharacters.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

const char kUtf8Bom[] = "\xEF\xBB\xBF";

// Only spaces and tabs: titles may well end in other white space, such as a
// no-break space, that belongs to them.
QString trimBlanks(const QString &text)
{
    return TrimCharacters(text, u" \t");
}

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QByteArray lineEndOf(const QByteArray &line)
{
    if (line.endsWith("\r\n"))
        return QByteArrayLiteral("\r\n");
    if (line.endsWith('\n'))
        return QByteArrayLiteral("\n");
    return QByteArray();
}

// One entry is one line: a line break inside a name or value would make
// the rest of it a line of its own.
QByteArray entryLine(const QString &key, const QString &value)
{
    QString line = trimBlanks(key) + u'=' + value;
    line.replace(u'\r', u' ');
    line.replace(u'\n', u' ');
    return line.toUtf8();
}

} // namespace

IniFile::IniFile(const QString &path)
    : m_path(path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray content = file.readAll();
    qsizetype start = 0;
    while (start < content.size()) {
        qsizetype newline = content.indexOf('\n', start);
        qsizetype next = newline < 0 ? content.size() : newline + 1;
        m_lines.append(content.mid(start, next - start));
        start = next;
    }
    for (const QByteArray &line : std::as_const(m_lines)) {
        const QByteArray end = lineEndOf(line);
        if (!end.isEmpty()) {
            m_lineEnd = end;
            break;
        }
    }
}

QString IniFile::lineText(int index) const
{
    QByteArray raw = m_lines.at(index);
    raw.chop(lineEndOf(raw).size());
    if (index == 0 && raw.startsWith(kUtf8Bom))
        raw.remove(0, 3);
    return QString::fromUtf8(raw);
}

bool IniFile::isSectionHeader(int index, QString *name) const
{
    const QString text = trimBlanks(lineText(index));
    if (!text.startsWith(u'['))
        return false;
    qsizetype close = text.indexOf(u']');
    if (close < 0)
        close = text.size();
    *name = trimBlanks(text.mid(1, close - 1));
    return true;
}

bool IniFile::parseEntry(int index, Entry *entry) const
{
    const QString text = trimBlanks(lineText(index));
    if (text.isEmpty() || text.startsWith(u'['))
        return false;
    const qsizetype equals = text.indexOf(u'=');
    entry->hasEquals = equals >= 0;
    entry->key = entry->hasEquals ? trimBlanks(text.left(equals)) : text;
    entry->value = entry->hasEquals ? trimBlanks(text.mid(equals + 1)) : QString();
    return true;
}

int IniFile::findSection(const QString &section) const
{
    const QString wanted = trimBlanks(section);
    QString name;
    for (int i = 0; i < m_lines.size(); ++i) {
        if (isSectionHeader(i, &name) && sameName(name, wanted))
            return i;
    }
    return -1;
}

int IniFile::sectionEnd(int header) const
{
    QString name;
    int i = header + 1;
    while (i < m_lines.size() && !isSectionHeader(i, &name))
        ++i;
    return i;
}

int IniFile::findEntry(int header, const QString &key, Entry *entry) const
{
    const QString wanted = trimBlanks(key);
    const int end = sectionEnd(header);
    for (int i = header + 1; i < end; ++i) {
        if (parseEntry(i, entry) && sameName(entry->key, wanted))
            return i;
    }
    return -1;
}

bool IniFile::find(const QString &section, const QString &key, QString *value) const
{
    const int header = findSection(section);
    if (header < 0)
        return false;
    Entry entry;
    if (findEntry(header, key, &entry) < 0)
        return false;
    *value = entry.value;
    return true;
}

QStringList IniFile::sectionEntries(const QString &section) const
{
    QStringList entries;
    const int header = findSection(section);
    if (header < 0)
        return entries;
    const int end = sectionEnd(header);
    Entry entry;
    for (int i = header + 1; i < end; ++i) {
        if (!parseEntry(i, &entry))
            continue;
        entries.append(entry.hasEquals ? entry.key + u'=' + entry.value : entry.key);
    }
    return entries;
}

void IniFile::insertLine(int index, const QByteArray &text)
{
    // The line before may be the file's last one, without a line end.
    if (index > 0 && lineEndOf(m_lines.at(index - 1)).isEmpty())
        m_lines[index - 1].append(m_lineEnd);
    m_lines.insert(index, text + m_lineEnd);
}

bool IniFile::write(const QString &section, const QString &key, const QString &value)
{
    const QByteArray line = entryLine(key, value);
    const int header = findSection(section);
    if (header < 0) {
        const QString headerLine = u'[' + trimBlanks(section) + u']';
        insertLine(m_lines.size(), headerLine.toUtf8());
        insertLine(m_lines.size(), line);
        return save();
    }

    Entry entry;
    const int existing = findEntry(header, key, &entry);
    if (existing >= 0) {
        m_lines[existing] = line + lineEndOf(m_lines.at(existing));
        return save();
    }

    // After the section's last non-empty line, so blank lines that separate
    // it from the next section stay where they are.
    int position = sectionEnd(header);
    while (position > header + 1 && trimBlanks(lineText(position - 1)).isEmpty())
        --position;
    insertLine(position, line);
    return save();
}

bool IniFile::save() const
{
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    for (const QByteArray &line : m_lines) {
        if (file.write(line) != line.size()) {
            file.cancelWriting();
            return false;
        }
    }
    return file.commit();
}
