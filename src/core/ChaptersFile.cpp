#include "core/ChaptersFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QRegularExpression>
#include <QSaveFile>

#include <algorithm>
#include <cmath>

namespace {

const QLatin1String kChapters("chapters");
const QLatin1String kStartTime("startTime");

QString translated(const char *text)
{
    return QCoreApplication::translate("CChaptersFile", text);
}

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

void indent(int depth, QByteArray *out)
{
    out->append(QByteArray(depth * 2, ' '));
}

} // namespace

// --- Reading ---

// Reads text that QJsonDocument has found to be JSON, so it only builds the
// values: members stay in order and numbers as written, which QJsonObject
// and double would not keep.
class CChaptersFile::Parser
{
public:
    explicit Parser(const QString &text) : m_text(text) {}

    bool parse(Value *value)
    {
        if (!parseValue(value))
            return false;
        skipSpace();
        return m_pos == m_text.size();
    }

private:
    bool parseValue(Value *value)
    {
        skipSpace();
        if (m_pos >= m_text.size())
            return false;
        const QChar c = m_text[m_pos];
        if (c == u'{')
            return parseObject(value);
        if (c == u'[')
            return parseArray(value);
        if (c == u'"') {
            value->kind = Value::String;
            return parseString(&value->text);
        }
        for (const auto &[word, kind] : {std::pair{QLatin1String("true"), Value::True},
                                         std::pair{QLatin1String("false"), Value::False},
                                         std::pair{QLatin1String("null"), Value::Null}}) {
            if (QStringView(m_text).mid(m_pos).startsWith(word)) {
                value->kind = kind;
                m_pos += word.size();
                return true;
            }
        }
        const qsizetype begin = m_pos;
        while (m_pos < m_text.size() && QStringView(u"+-0123456789.eE").contains(m_text[m_pos]))
            ++m_pos;
        value->kind = Value::Number;
        value->text = m_text.mid(begin, m_pos - begin);
        return m_pos > begin;
    }

    bool parseObject(Value *value)
    {
        value->kind = Value::Object;
        ++m_pos; // '{'
        if (skipSpace() && m_text[m_pos] == u'}') {
            ++m_pos;
            return true;
        }
        for (;;) {
            QString name;
            Value member;
            if (!skipSpace() || !parseString(&name) || !skipSpace() || m_text[m_pos++] != u':' || !parseValue(&member))
                return false;
            value->members.emplace_back(std::move(name), std::move(member));
            if (!skipSpace())
                return false;
            const QChar next = m_text[m_pos++];
            if (next == u'}')
                return true;
            if (next != u',')
                return false;
        }
    }

    bool parseArray(Value *value)
    {
        value->kind = Value::Array;
        ++m_pos; // '['
        if (skipSpace() && m_text[m_pos] == u']') {
            ++m_pos;
            return true;
        }
        for (;;) {
            Value item;
            if (!parseValue(&item))
                return false;
            value->items.push_back(std::move(item));
            if (!skipSpace())
                return false;
            const QChar next = m_text[m_pos++];
            if (next == u']')
                return true;
            if (next != u',')
                return false;
        }
    }

    // A \u escape gives one UTF-16 unit: a pair of them makes a character
    // beyond the first plane, as in the text.
    bool parseString(QString *text)
    {
        if (m_pos >= m_text.size() || m_text[m_pos] != u'"')
            return false;
        ++m_pos;
        text->clear();
        while (m_pos < m_text.size()) {
            const QChar c = m_text[m_pos++];
            if (c == u'"')
                return true;
            if (c != u'\\') {
                text->append(c);
                continue;
            }
            if (m_pos >= m_text.size())
                return false;
            const QChar escaped = m_text[m_pos++];
            switch (escaped.unicode()) {
            case 'b': text->append(u'\b'); break;
            case 'f': text->append(u'\f'); break;
            case 'n': text->append(u'\n'); break;
            case 'r': text->append(u'\r'); break;
            case 't': text->append(u'\t'); break;
            case 'u': {
                bool ok = false;
                const ushort unit = m_text.mid(m_pos, 4).toUShort(&ok, 16);
                if (!ok)
                    return false;
                text->append(QChar(unit));
                m_pos += 4;
                break;
            }
            default: text->append(escaped); break; // '"', '\\', '/'
            }
        }
        return false;
    }

    // False at the end of the text.
    bool skipSpace()
    {
        while (m_pos < m_text.size() && (m_text[m_pos] == u' ' || m_text[m_pos] == u'\t' || m_text[m_pos] == u'\n'
                                         || m_text[m_pos] == u'\r'))
            ++m_pos;
        return m_pos < m_text.size();
    }

    const QString &m_text;
    qsizetype m_pos = 0;
};

CChaptersFile::CChaptersFile()
{
    m_root.kind = Value::Object;
    Value version;
    version.kind = Value::String;
    version.text = QStringLiteral("1.2.0");
    m_root.setMember(QStringLiteral("version"), version);
    Value list;
    list.kind = Value::Array;
    m_root.setMember(kChapters, list);
}

bool CChaptersFile::read(const QByteArray &bytes, QString *error)
{
    QByteArray json = bytes;
    if (json.startsWith("\xEF\xBB\xBF"))
        json.remove(0, 3);
    QJsonParseError parsed;
    QJsonDocument::fromJson(json, &parsed);
    if (parsed.error != QJsonParseError::NoError) {
        const QByteArray before = json.left(parsed.offset);
        const qsizetype line = before.count('\n') + 1;
        const qsizetype column = QString::fromUtf8(before.mid(before.lastIndexOf('\n') + 1)).size() + 1;
        setError(error, translated("The file is not valid JSON: %1 at line %2, column %3.")
                                .arg(parsed.errorString()).arg(line).arg(column));
        return false;
    }
    Value root;
    if (!Parser(QString::fromUtf8(json)).parse(&root)) {
        setError(error, translated("This JSON file cannot be read."));
        return false;
    }
    const Value *list = root.kind == Value::Object ? root.member(kChapters) : nullptr;
    if (!list || list->kind != Value::Array) {
        setError(error, translated("This JSON file holds no chapters: it has no \"chapters\" list."));
        return false;
    }
    for (size_t i = 0; i < list->items.size(); ++i) {
        if (list->items[i].kind != Value::Object) {
            setError(error, translated("Chapter %1 of this file is not a JSON object.").arg(i + 1));
            return false;
        }
    }
    m_root = std::move(root);
    return true;
}

bool CChaptersFile::load(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        setError(error, translated("Cannot open the file: %1").arg(file.errorString()));
        return false;
    }
    return read(file.readAll(), error);
}

// --- Writing ---

QByteArray CChaptersFile::write() const
{
    QByteArray out;
    writeValue(m_root, 0, &out);
    out.append('\n');
    return out;
}

bool CChaptersFile::save(const QString &path, QString *error) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(write()) < 0 || !file.commit()) {
        setError(error, translated("Cannot write the file: %1").arg(file.errorString()));
        return false;
    }
    return true;
}

void CChaptersFile::writeValue(const Value &value, int depth, QByteArray *out)
{
    switch (value.kind) {
    case Value::Null: out->append("null"); return;
    case Value::False: out->append("false"); return;
    case Value::True: out->append("true"); return;
    case Value::Number: out->append(value.text.toUtf8()); return;
    case Value::String: writeString(value.text, out); return;
    case Value::Array:
    case Value::Object: break;
    }
    const bool object = value.kind == Value::Object;
    const size_t count = object ? value.members.size() : value.items.size();
    if (count == 0) {
        out->append(object ? "{}" : "[]");
        return;
    }
    out->append(object ? "{\n" : "[\n");
    for (size_t i = 0; i < count; ++i) {
        indent(depth + 1, out);
        if (object) {
            writeString(value.members[i].first, out);
            out->append(": ");
        }
        writeValue(object ? value.members[i].second : value.items[i], depth + 1, out);
        out->append(i + 1 < count ? ",\n" : "\n");
    }
    indent(depth, out);
    out->append(object ? '}' : ']');
}

// Characters as they are, in UTF-8; only what JSON requires is escaped.
void CChaptersFile::writeString(const QString &text, QByteArray *out)
{
    QString escaped;
    escaped.reserve(text.size() + 2);
    escaped.append(u'"');
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '"': escaped.append(QLatin1String("\\\"")); break;
        case '\\': escaped.append(QLatin1String("\\\\")); break;
        case '\b': escaped.append(QLatin1String("\\b")); break;
        case '\f': escaped.append(QLatin1String("\\f")); break;
        case '\n': escaped.append(QLatin1String("\\n")); break;
        case '\r': escaped.append(QLatin1String("\\r")); break;
        case '\t': escaped.append(QLatin1String("\\t")); break;
        default:
            if (c.unicode() < 0x20)
                escaped.append(QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0')));
            else
                escaped.append(c);
        }
    }
    escaped.append(u'"');
    out->append(escaped.toUtf8());
}

CChaptersFile::Value CChaptersFile::number(double value)
{
    Value written;
    written.kind = Value::Number;
    written.text = QString::number(value, 'g', 15);
    return written;
}

// --- Chapters ---

const std::vector<CChaptersFile::Value> &CChaptersFile::chapters() const
{
    return m_root.member(kChapters)->items;
}

CChaptersFile::Value &CChaptersFile::chapter(int index)
{
    return m_root.member(kChapters)->items[size_t(index)];
}

double CChaptersFile::startTime(int chapter) const
{
    const Value *start = chapters()[size_t(chapter)].member(kStartTime);
    return start && (start->kind == Value::Number || start->kind == Value::String) ? start->text.toDouble() : 0;
}

// A start that is already the value keeps its literal ("94.50" stays so).
void CChaptersFile::setStartTime(int index, double seconds)
{
    if (chapter(index).member(kStartTime) && startTime(index) == seconds)
        return;
    chapter(index).setMember(kStartTime, number(seconds));
}

QString CChaptersFile::text(int chapter, const char *name) const
{
    const Value *member = chapters()[size_t(chapter)].member(QLatin1String(name));
    return member && member->kind == Value::String ? member->text : QString();
}

void CChaptersFile::setText(int index, const char *name, const QString &value)
{
    if (text(index, name) == value && (!value.isEmpty() || !chapter(index).member(QLatin1String(name))))
        return;
    if (value.isEmpty()) {
        chapter(index).removeMember(QLatin1String(name));
        return;
    }
    Value written;
    written.kind = Value::String;
    written.text = value;
    chapter(index).setMember(QLatin1String(name), written);
}

void CChaptersFile::insertChapter(int index, double seconds)
{
    Value added;
    added.kind = Value::Object;
    added.setMember(kStartTime, number(seconds));
    auto &items = m_root.member(kChapters)->items;
    items.insert(items.begin() + std::clamp<qsizetype>(index, 0, qsizetype(items.size())), std::move(added));
}

void CChaptersFile::removeChapter(int index)
{
    auto &items = m_root.member(kChapters)->items;
    items.erase(items.begin() + index);
}

void CChaptersFile::sortByStart()
{
    auto &items = m_root.member(kChapters)->items;
    const auto start = [](const Value &chapter) {
        const Value *member = chapter.member(kStartTime);
        return member ? member->text.toDouble() : 0.0;
    };
    std::stable_sort(items.begin(), items.end(), [&start](const Value &a, const Value &b) { return start(a) < start(b); });
}

// --- Times ---

std::optional<double> CChaptersFile::parseTime(const QString &text)
{
    static const QRegularExpression form(
            QStringLiteral("^(?:(?:(\\d+):)?([0-5]?\\d):)?(\\d+(?:\\.\\d+)?)$"));
    const QRegularExpressionMatch match = form.match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    const double seconds = match.captured(3).toDouble();
    // Past a minute's colon the seconds are under 60.
    if (match.hasCaptured(2) && seconds >= 60)
        return std::nullopt;
    return match.captured(1).toDouble() * 3600 + match.captured(2).toDouble() * 60 + seconds;
}

QString CChaptersFile::formatTime(double seconds)
{
    const qint64 whole = qint64(std::floor(seconds));
    const double fraction = seconds - double(whole);
    QString text = QStringLiteral("%1:%2").arg(whole / 60 % 60).arg(whole % 60, 2, 10, QLatin1Char('0'));
    if (whole >= 3600)
        text = QStringLiteral("%1:%2:%3").arg(whole / 3600).arg(whole / 60 % 60, 2, 10, QLatin1Char('0')).arg(whole % 60, 2, 10, QLatin1Char('0'));
    if (fraction > 0)
        text += QString::number(fraction, 'g', 6).mid(1); // ".5"
    return text;
}

// --- Values ---

const CChaptersFile::Value *CChaptersFile::Value::member(const QString &name) const
{
    for (const auto &[key, value] : members) {
        if (key == name)
            return &value;
    }
    return nullptr;
}

CChaptersFile::Value *CChaptersFile::Value::member(const QString &name)
{
    return const_cast<Value *>(std::as_const(*this).member(name));
}

// A member already there keeps its place; a new one goes last.
void CChaptersFile::Value::setMember(const QString &name, Value value)
{
    if (Value *old = member(name))
        *old = std::move(value);
    else
        members.emplace_back(name, std::move(value));
}

void CChaptersFile::Value::removeMember(const QString &name)
{
    members.erase(std::remove_if(members.begin(), members.end(), [&name](const auto &m) { return m.first == name; }),
                  members.end());
}
