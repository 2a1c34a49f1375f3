#include "core/FeedValue.h"

#include "core/SequenceDiff.h"

#include <QHash>

#include <algorithm>

namespace FeedValue {

namespace {

const QLatin1String kCdataOpen("<![CDATA[");
const QLatin1String kCdataClose("]]>");

// XML reads CR LF and a lone CR as LF.
void appendLineEndsRead(QString &out, QStringView text)
{
    qsizetype pos = 0;
    for (qsizetype cr = text.indexOf(u'\r'); cr >= 0; cr = text.indexOf(u'\r', pos)) {
        out += text.mid(pos, cr - pos);
        out += u'\n';
        pos = cr + 1;
        if (pos < text.size() && text[pos] == u'\n')
            ++pos;
    }
    out += text.mid(pos);
}

// The character a reference names ("amp", "#38", "#x26"), or -1.
char32_t referencedCharacter(QStringView name)
{
    // Compared in place: descriptions hold thousands of references, and a
    // string made for each one would cost more than the rest of the reading.
    if (!name.startsWith(u'#')) {
        if (name == u"amp")
            return U'&';
        if (name == u"lt")
            return U'<';
        if (name == u"gt")
            return U'>';
        if (name == u"quot")
            return U'"';
        if (name == u"apos")
            return U'\'';
        return char32_t(-1);
    }
    bool ok = false;
    const uint code = name.startsWith(u"#x") ? name.mid(2).toUInt(&ok, 16) : name.mid(1).toUInt(&ok, 10);
    return ok ? char32_t(code) : char32_t(-1);
}

// Text between markup: references decoded, line ends read as XML reads
// them. One pass into the output's own buffer: descriptions are most of a
// feed, and hold thousands of references.
void appendCharacterData(QString &out, QStringView data)
{
    const qsizetype start = out.size();
    // A reference is longer than the one or two units it stands for, a line
    // end no shorter: the text never grows.
    out.resize(start + data.size());
    char16_t *to = reinterpret_cast<char16_t *>(out.data()) + start;
    const char16_t *from = data.utf16();
    const char16_t *const end = from + data.size();
    // Once no ";" follows, no "&" starts a reference.
    bool references = true;
    while (from < end) {
        // Runs without "&" or CR are copied whole, found by Qt's vectorised search.
        const QStringView rest(from, end);
        const qsizetype amp = references ? rest.indexOf(u'&') : -1;
        const qsizetype cr = rest.left(amp < 0 ? rest.size() : amp).indexOf(u'\r');
        const qsizetype run = cr >= 0 ? cr : amp >= 0 ? amp : rest.size();
        to = std::copy(from, from + run, to);
        from += run;
        if (from == end)
            break;
        if (*from == u'\r') {
            *to++ = u'\n';
            from += from + 1 < end && from[1] == u'\n' ? 2 : 1;
            continue;
        }
        const char16_t *semicolon = std::find(from + 1, end, u';');
        if (semicolon == end) {
            references = false;
            continue;
        }
        const char32_t decoded = referencedCharacter(QStringView(from + 1, semicolon));
        if (decoded == char32_t(-1)) {
            to = std::copy(from, semicolon + 1, to);
        } else {
            // QString::fromUcs4 would drop U+FEFF as a byte-order mark.
            const auto units = QChar::fromUcs4(decoded);
            to = std::copy(units.begin(), units.end(), to);
        }
        from = semicolon + 1;
    }
    out.truncate(to - reinterpret_cast<char16_t *>(out.data()));
}

// Where the markup that starts at `pos` ("<...") ends, past its last character.
qsizetype markupEnd(QStringView content, qsizetype pos)
{
    const auto after = [&](QLatin1String close) {
        const qsizetype at = content.indexOf(close, pos);
        return at < 0 ? content.size() : at + close.size();
    };
    if (content.mid(pos).startsWith(kCdataOpen))
        return after(kCdataClose);
    if (content.mid(pos).startsWith(u"<!--"))
        return after(QLatin1String("-->"));
    if (content.mid(pos).startsWith(u"<?"))
        return after(QLatin1String("?>"));
    // An element with all it holds: count nesting, skipping quoted attributes.
    int depth = 0;
    for (qsizetype i = pos; i < content.size(); ++i) {
        if (content[i] != u'<')
            continue;
        if (content.mid(i).startsWith(kCdataOpen) || content.mid(i).startsWith(u"<!--") || content.mid(i).startsWith(u"<?")) {
            i = markupEnd(content, i) - 1;
            continue;
        }
        const bool closing = i + 1 < content.size() && content[i + 1] == u'/';
        QChar quote;
        qsizetype j = i + 1;
        for (; j < content.size(); ++j) {
            if (!quote.isNull()) {
                if (content[j] == quote)
                    quote = QChar();
            } else if (content[j] == u'"' || content[j] == u'\'') {
                quote = content[j];
            } else if (content[j] == u'>') {
                break;
            }
        }
        const bool empty = j > 0 && j < content.size() && content[j - 1] == u'/';
        depth += closing ? -1 : empty ? 0 : 1;
        i = j;
        if (depth <= 0)
            return qMin(j + 1, content.size());
    }
    return content.size();
}

QString read(const QString &content, bool whole)
{
    QString out;
    out.reserve(content.size());
    const QStringView view(content);
    qsizetype pos = 0;
    while (pos < view.size()) {
        const qsizetype open = view.indexOf(u'<', pos);
        appendCharacterData(out, view.mid(pos, (open < 0 ? view.size() : open) - pos));
        if (open < 0)
            break;
        const qsizetype end = markupEnd(view, open);
        if (view.mid(open).startsWith(kCdataOpen)) {
            const qsizetype inner = open + kCdataOpen.size();
            const qsizetype close = view.indexOf(kCdataClose, inner);
            appendLineEndsRead(out, view.mid(inner, (close < 0 ? view.size() : close) - inner));
        } else if (whole) {
            appendLineEndsRead(out, view.mid(open, end - open));
        } else {
            break;
        }
        pos = end;
    }
    return out;
}

// Characters the old content wrote as numeric references, with the text of
// each reference.
QHash<char32_t, QString> numericReferences(const QString &content)
{
    QHash<char32_t, QString> references;
    qsizetype pos = 0;
    while ((pos = content.indexOf(QLatin1String("&#"), pos)) >= 0) {
        const qsizetype semicolon = content.indexOf(u';', pos);
        if (semicolon < 0)
            break;
        const char32_t c = referencedCharacter(QStringView(content).mid(pos + 1, semicolon - pos - 1));
        if (c != char32_t(-1))
            references.insert(c, content.mid(pos, semicolon + 1 - pos));
        pos = semicolon + 1;
    }
    return references;
}

QString reference(char32_t c)
{
    return QStringLiteral("&#%1;").arg(uint(c));
}

QString escapedText(const QString &value, const QString &oldContent, const std::function<bool(char32_t)> &canEncode)
{
    const QHash<char32_t, QString> references = numericReferences(oldContent);
    QString out;
    out.reserve(value.size() + value.size() / 8);
    for (const char32_t c : value.toUcs4()) {
        if (const auto kept = references.constFind(c); kept != references.constEnd())
            out += *kept;
        else if (c == U'&')
            out += QLatin1String("&amp;");
        else if (c == U'<')
            out += QLatin1String("&lt;");
        else if (c == U'>')
            out += QLatin1String("&gt;");
        else if (c == U'\r' || (c >= 0x80 && !canEncode(c)))
            out += reference(c);
        else
            out += QChar::fromUcs4(c);
    }
    return out;
}

// Characters a CDATA section cannot hold as read (CR, which XML reads as
// LF, and what the encoding cannot hold) go between two sections as
// references; "]]>" is split across two sections.
QString cdataSection(const QString &value, const std::function<bool(char32_t)> &canEncode)
{
    QString out = kCdataOpen;
    const QList<uint> characters = value.toUcs4();
    for (qsizetype i = 0; i < characters.size(); ++i) {
        const char32_t c = characters[i];
        if (c == U'>' && i >= 2 && characters[i - 1] == U']' && characters[i - 2] == U']')
            out += kCdataClose + kCdataOpen + QLatin1Char('>');
        else if (c == U'\r' || (c >= 0x80 && !canEncode(c)))
            out += kCdataClose + reference(c) + kCdataOpen;
        else
            out += QChar::fromUcs4(c);
    }
    return out + kCdataClose;
}

QString withLineEnd(QString text, const QString &lineEnd)
{
    if (lineEnd != QLatin1String("\n"))
        text.replace(u'\n', lineEnd);
    return text;
}

// One stretch of old content and the value characters it reads as: a
// character, a reference, a line end, a whole child element or comment, or
// the opening or closing of a CDATA section (which reads as nothing).
struct Piece
{
    qsizetype contentBegin, contentEnd;
    qsizetype valueBegin, valueEnd;
    int section; // the CDATA section it stands in, -1 outside
};

std::vector<Piece> piecesOf(const QString &content, QString *value)
{
    std::vector<Piece> pieces;
    pieces.reserve(size_t(content.size()));
    value->reserve(content.size());
    const QStringView view(content);
    int section = -1;
    int sections = 0;
    qsizetype pos = 0;
    const auto add = [&](qsizetype end, QStringView read) {
        pieces.push_back({pos, end, value->size(), value->size() + read.size(), section});
        *value += read;
        pos = end;
    };
    while (pos < view.size()) {
        const QStringView rest = view.mid(pos);
        // Most pieces are one plain character: the first one tells.
        const QChar first = rest[0];
        const bool plain = first != u']' && first != u'<' && first != u'&' && first != u'\r' && !first.isHighSurrogate();
        if (plain) {
            add(pos + 1, rest.left(1));
        } else if (section >= 0 && rest.startsWith(kCdataClose)) {
            add(pos + kCdataClose.size(), {});
            section = -1;
        } else if (section < 0 && rest.startsWith(kCdataOpen)) {
            section = sections++;
            add(pos + kCdataOpen.size(), {});
        } else if (rest.startsWith(u'\r')) {
            add(pos + (rest.startsWith(u"\r\n") ? 2 : 1), u"\n");
        } else if (section < 0 && rest.startsWith(u'<')) {
            QString markup;
            const qsizetype end = markupEnd(view, pos);
            appendLineEndsRead(markup, view.mid(pos, end - pos));
            add(end, markup);
        } else if (section < 0 && rest.startsWith(u'&') && rest.indexOf(u';') > 0) {
            const qsizetype semicolon = rest.indexOf(u';');
            const char32_t decoded = referencedCharacter(rest.mid(1, semicolon - 1));
            if (decoded == char32_t(-1)) {
                add(pos + semicolon + 1, rest.left(semicolon + 1));
            } else {
                const auto units = QChar::fromUcs4(decoded);
                add(pos + semicolon + 1, QStringView(units.begin(), units.end()));
            }
        } else {
            const qsizetype length = rest.size() > 1 && rest[0].isHighSurrogate() && rest[1].isLowSurrogate() ? 2 : 1;
            add(pos + length, rest.left(length));
        }
    }
    return pieces;
}

// A place between two pieces of old content where a cut may fall, with the
// CDATA section it stands in (-1 outside).
struct Cut
{
    qsizetype at;
    int section;
};

bool readsAsNothing(const Piece &piece)
{
    return piece.valueBegin == piece.valueEnd;
}

// The places where a cut at value position `at` may fall: before the piece
// that reads as the character at `at`, and before each section opening or
// closing in front of it (which read as nothing). `at` must not fall
// inside a piece.
std::vector<Cut> cutsAt(const std::vector<Piece> &pieces, qsizetype at)
{
    const auto before = [at](const Piece &piece) { return piece.valueEnd < at || (piece.valueEnd == at && !readsAsNothing(piece)); };
    std::vector<Cut> cuts;
    for (auto piece = std::partition_point(pieces.begin(), pieces.end(), before);; ++piece) {
        if (piece == pieces.end()) {
            cuts.push_back({pieces.empty() ? 0 : pieces.back().contentEnd, -1});
            break;
        }
        const bool opening = readsAsNothing(*piece) && piece->contentEnd - piece->contentBegin == kCdataOpen.size();
        cuts.push_back({piece->contentBegin, opening ? -1 : piece->section});
        if (!readsAsNothing(*piece))
            break;
    }
    return cuts;
}

// A stretch of the old value, [oldBegin, oldEnd), that the new value has
// as [newBegin, newEnd).
struct Change
{
    qsizetype oldBegin, oldEnd, newBegin, newEnd;
};

// The stretches where the values differ: edits far apart are apart here too.
std::vector<Change> changesBetween(const QString &oldValue, const QString &value)
{
    const auto matches = SequenceDiff::matches(int(oldValue.size()), int(value.size()),
                                               [&](int i, int j) { return oldValue[i] == value[j]; });
    std::vector<Change> changes;
    for (const SequenceDiff::Gap &gap : SequenceDiff::gaps(matches, int(oldValue.size()), int(value.size())))
        changes.push_back({gap.aBegin, gap.aEnd, gap.bBegin, gap.bEnd});
    return changes;
}

// The changes grown over whole pieces, so that a reference or an element
// is kept or written anew whole, and joined where they then meet. What a
// change takes in beside it was kept, so it is the same in both values.
std::vector<Change> alignedToPieces(const std::vector<Piece> &pieces, const std::vector<Change> &changes)
{
    const auto straddling = [&pieces](qsizetype at) -> const Piece * {
        const auto piece = std::partition_point(pieces.begin(), pieces.end(), [at](const Piece &p) { return p.valueEnd <= at; });
        return piece != pieces.end() && piece->valueBegin < at ? &*piece : nullptr;
    };
    std::vector<Change> aligned;
    for (Change change : changes) {
        if (const Piece *piece = straddling(change.oldBegin)) {
            change.newBegin -= change.oldBegin - piece->valueBegin;
            change.oldBegin = piece->valueBegin;
        }
        if (const Piece *piece = straddling(change.oldEnd)) {
            change.newEnd += piece->valueEnd - change.oldEnd;
            change.oldEnd = piece->valueEnd;
        }
        if (!aligned.empty() && change.oldBegin <= aligned.back().oldEnd) {
            aligned.back().oldEnd = change.oldEnd;
            aligned.back().newEnd = change.newEnd;
        } else {
            aligned.push_back(change);
        }
    }
    return aligned;
}

// The old content's stretch a change replaces: both ends in one CDATA
// section, or both outside any, with no opening or closing of a section
// between them. Inside a section is preferred, where the old text kept its
// markup as it stands. False when there is none.
bool contentRange(const std::vector<Piece> &pieces, const Change &change, qsizetype *from, qsizetype *to, int *section)
{
    bool found = false;
    for (const Cut &begin : cutsAt(pieces, change.oldBegin)) {
        for (const Cut &end : cutsAt(pieces, change.oldEnd)) {
            if (begin.section != end.section || begin.at > end.at || (found && *section >= begin.section))
                continue;
            const bool crossesMarkup = std::any_of(pieces.begin(), pieces.end(), [&](const Piece &piece) {
                return readsAsNothing(piece) && piece.contentBegin >= begin.at && piece.contentEnd <= end.at;
            });
            if (crossesMarkup)
                continue;
            *from = begin.at;
            *to = end.at;
            *section = begin.section;
            found = true;
        }
    }
    return found;
}

// "]]>" may stand only as the end of a CDATA section; a reading of the text
// takes a stray one for characters, but no XML reader does.
bool closesCdataOutsideSection(QStringView content)
{
    for (qsizetype pos = 0;;) {
        const qsizetype close = content.indexOf(kCdataClose, pos);
        if (close < 0)
            return false;
        const qsizetype open = content.indexOf(kCdataOpen, pos);
        if (open < 0 || close < open)
            return true;
        const qsizetype end = content.indexOf(kCdataClose, open + kCdataOpen.size());
        if (end < 0)
            return false;
        pos = end + kCdataClose.size();
    }
}

// The old content with only the changed stretches of the value written
// anew, each in the form the old content has there; false when a stretch
// cannot be cut out cleanly (it would leave or enter a CDATA section, say),
// and the whole value is written instead.
bool patchContent(const QString &value, const QString &oldContent, const std::function<bool(char32_t)> &canEncode,
                  const QString &lineEnd, QString *patched)
{
    QString oldValue;
    const std::vector<Piece> pieces = piecesOf(oldContent, &oldValue);
    if (oldValue.isEmpty() || oldValue != read(oldContent, true))
        return false;
    patched->clear();
    qsizetype copied = 0;
    for (const Change &change : alignedToPieces(pieces, changesBetween(oldValue, value))) {
        qsizetype from = 0, to = 0;
        int section = -1;
        if (!contentRange(pieces, change, &from, &to, &section))
            return false;
        const QString middle = value.mid(change.newBegin, change.newEnd - change.newBegin);
        QString written;
        if (section >= 0) {
            const QString cdata = cdataSection(middle, canEncode);
            written = cdata.mid(kCdataOpen.size(), cdata.size() - kCdataOpen.size() - kCdataClose.size());
        } else {
            written = escapedText(middle, oldContent, canEncode);
        }
        *patched += QStringView(oldContent).mid(copied, from - copied);
        *patched += withLineEnd(written, lineEnd);
        copied = to;
    }
    *patched += QStringView(oldContent).mid(copied);
    // A cut that joined markup in a new way ("]]" and ">") reads back wrong,
    // or closes its section early.
    return read(*patched, true) == value && !closesCdataOutsideSection(*patched);
}

} // namespace

bool isText(const QString &content)
{
    for (qsizetype at = content.indexOf(u'<'); at >= 0; at = content.indexOf(u'<', at)) {
        if (!QStringView(content).mid(at).startsWith(kCdataOpen))
            return false;
        at = markupEnd(content, at);
    }
    return true;
}

QString text(const QString &content)
{
    return read(content, false);
}

QString wholeContent(const QString &content)
{
    return read(content, true);
}

QString content(const QString &value, const QString &oldContent, const std::function<bool(char32_t)> &canEncode,
                const QString &lineEnd)
{
    const QString newLine = oldContent.contains(QLatin1String("\r\n")) ? QStringLiteral("\r\n") : lineEnd;
    QString patched;
    if (patchContent(value, oldContent, canEncode, newLine, &patched))
        return patched;
    QString whole = oldContent.contains(kCdataOpen) ? cdataSection(value, canEncode) : escapedText(value, oldContent, canEncode);
    return withLineEnd(whole, newLine);
}

} // namespace FeedValue
