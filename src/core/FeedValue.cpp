#include "core/FeedValue.h"

#include "core/SequenceDiff.h"

#include <QHash>

#include <algorithm>
#include <cstring>
#include <optional>

namespace FeedValue {

namespace {

const QLatin1String kCdataOpen("<![CDATA[");
const QLatin1String kCdataClose("]]>");

// Where `markup` stands from `from` on, or -1: found by its first
// character, which Qt looks for many at a time, since a search for the
// whole string goes one character at a time through a long description.
qsizetype indexOfMarkup(QStringView content, QLatin1String markup, qsizetype from)
{
    for (qsizetype at = content.indexOf(QLatin1Char(markup[0]), from); at >= 0; at = content.indexOf(QLatin1Char(markup[0]), at + 1)) {
        if (content.mid(at).startsWith(markup))
            return at;
    }
    return -1;
}

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
        const qsizetype at = indexOfMarkup(content, close, pos);
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
            const qsizetype close = indexOfMarkup(view, kCdataClose, inner);
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
using References = QHash<char32_t, QString>;

References numericReferences(const QString &content)
{
    References references;
    qsizetype pos = 0;
    while ((pos = indexOfMarkup(content, QLatin1String("&#"), pos)) >= 0) {
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

QString escapedText(const QString &value, const References &references, const std::function<bool(char32_t)> &canEncode)
{
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
        const qsizetype close = indexOfMarkup(content, kCdataClose, pos);
        if (close < 0)
            return false;
        const qsizetype open = indexOfMarkup(content, kCdataOpen, pos);
        if (open < 0 || close < open)
            return true;
        const qsizetype end = indexOfMarkup(content, kCdataClose, open + kCdataOpen.size());
        if (end < 0)
            return false;
        pos = end + kCdataClose.size();
    }
}

// The old content with only the changed stretches of the value written
// anew, each in the form the old content has there (a new character that
// `referencesFrom` writes as a numeric reference is written so again);
// false when a stretch cannot be cut out cleanly (it would leave or enter a
// CDATA section, say).
bool patchChanges(const QString &value, const QString &oldContent, const QString &referencesFrom,
                  const std::function<bool(char32_t)> &canEncode, const QString &lineEnd, QString *patched)
{
    // Looked for once an escaped stretch is written.
    std::optional<References> references;
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
            if (!references)
                references = numericReferences(referencesFrom);
            written = escapedText(middle, *references, canEncode);
        }
        *patched += QStringView(oldContent).mid(copied, from - copied);
        *patched += withLineEnd(written, lineEnd);
        copied = to;
    }
    *patched += QStringView(oldContent).mid(copied);
    return true;
}

// A cut that joined markup in a new way ("]]" and ">") reads back wrong,
// or closes its section early.
bool readsBackAs(const QString &patched, const QString &value)
{
    return read(patched, true) == value && !closesCdataOutsideSection(patched);
}

// The content with the changed stretches written anew (patchChanges), or
// false, and the whole value is written instead.
bool patchContent(const QString &value, const QString &oldContent, const std::function<bool(char32_t)> &canEncode,
                  const QString &lineEnd, QString *patched)
{
    return patchChanges(value, oldContent, oldContent, canEncode, lineEnd, patched)
           && readsBackAs(*patched, value);
}

// --- One small change in a long value ---
// A key typed into a long description changes a character or two: only the
// content around them is cut into pieces and compared, which finds what the
// whole comparison finds there (it passes over the ends the values have
// alike in the same way), and the rest is copied as it stands.

// The changes the window holds: what a key or a pasted word makes.
constexpr qsizetype kSmallChange = 64;
// Value characters kept alike on each side of the change inside the
// window, so that the pieces a change grows over lie within it.
constexpr qsizetype kWindowMargin = 64;

// A place between two pieces of the content (as piecesOf cuts it), the
// value read up to there, and whether a CDATA section is open there.
struct PieceBoundary
{
    qsizetype content = 0;
    qsizetype value = 0;
    bool inSection = false;
};

// The piece that starts at `at`, cut as piecesOf cuts it: moves `at` past
// it. False for a piece whose reading piecesOf and read() could disagree
// on (an unknown reference, which piecesOf may take over markup).
bool passPiece(QStringView content, PieceBoundary &at)
{
    const QStringView rest = content.mid(at.content);
    const QChar first = rest[0];
    qsizetype length = 1, read = 1;
    if (at.inSection && rest.startsWith(kCdataClose)) {
        length = kCdataClose.size();
        read = 0;
        at.inSection = false;
    } else if (!at.inSection && rest.startsWith(kCdataOpen)) {
        length = kCdataOpen.size();
        read = 0;
        at.inSection = true;
    } else if (first == u'\r') {
        length = rest.startsWith(u"\r\n") ? 2 : 1;
    } else if (!at.inSection && first == u'<') {
        length = markupEnd(content, at.content) - at.content;
        QString markup;
        appendLineEndsRead(markup, rest.left(length));
        read = markup.size();
    } else if (!at.inSection && first == u'&' && rest.indexOf(u';') > 0) {
        const qsizetype semicolon = rest.indexOf(u';');
        const char32_t decoded = referencedCharacter(rest.mid(1, semicolon - 1));
        if (decoded == char32_t(-1))
            return false;
        const auto units = QChar::fromUcs4(decoded);
        length = semicolon + 1;
        read = units.end() - units.begin();
    } else if (first.isHighSurrogate() && rest.size() > 1 && rest[1].isLowSurrogate()) {
        length = read = 2;
    }
    at.content += length;
    at.value += read;
    return true;
}

// How many characters from the start of `text` are pieces of their own
// that read as they stand, inside a CDATA section or outside.
qsizetype plainRun(QStringView text)
{
    const auto special = [](QChar c) { return c == u'<' || c == u'&' || c == u']' || c == u'\r' || c.isHighSurrogate(); };
    return std::find_if(text.begin(), text.end(), special) - text.begin();
}

// Whether no "&" from `from` on has its first ";" only past a "<": piecesOf
// takes such a stretch as one reference that read() does not, and then
// the whole comparison gives up, which the window must do too.
bool noReferenceOverMarkup(QStringView content, qsizetype from)
{
    // Each looked for again only once passed: one pass over the content.
    qsizetype semicolon = -1, angle = -1;
    for (qsizetype amp = content.indexOf(u'&', from); amp >= 0; amp = content.indexOf(u'&', amp + 1)) {
        if (semicolon < amp)
            semicolon = content.indexOf(u';', amp);
        if (angle < amp)
            angle = content.indexOf(u'<', amp);
        if (semicolon < 0 || angle < 0)
            return true;
        if (angle < semicolon)
            return false;
    }
    return true;
}

// The content around a change: from the last piece boundary with at most
// `valueBegin` read before it to the first with at least `valueEnd`.
bool windowAround(QStringView content, qsizetype valueBegin, qsizetype valueEnd, PieceBoundary *begin, PieceBoundary *end)
{
    PieceBoundary at;
    *begin = at;
    while (at.content < content.size() && at.value < valueEnd) {
        // Most pieces are one character read as it stands: passed many at a
        // time, up to the window's ends.
        qsizetype run = plainRun(content.mid(at.content, valueEnd - at.value));
        if (run == 0 && !passPiece(content, at))
            return false;
        if (at.value < valueBegin && run > valueBegin - at.value) {
            at.content += valueBegin - at.value;
            run -= valueBegin - at.value;
            at.value = valueBegin;
            *begin = at;
        }
        at.content += run;
        at.value += run;
        if (at.value <= valueBegin)
            *begin = at;
    }
    *end = at;
    return noReferenceOverMarkup(content, at.content);
}

// How many characters, at most `limit`, two texts have alike from their
// start; compared a block at a time, as memcmp does it many at a time.
qsizetype alikeAtStart(QStringView a, QStringView b, qsizetype limit)
{
    constexpr qsizetype kBlock = 256;
    qsizetype at = 0;
    while (at + kBlock <= limit && std::memcmp(a.data() + at, b.data() + at, kBlock * sizeof(QChar)) == 0)
        at += kBlock;
    while (at < limit && a[at] == b[at])
        ++at;
    return at;
}

// The same from their ends.
qsizetype alikeAtEnd(QStringView a, QStringView b, qsizetype limit)
{
    constexpr qsizetype kBlock = 256;
    qsizetype alike = 0;
    const auto blockAlike = [&] {
        return std::memcmp(a.data() + a.size() - alike - kBlock, b.data() + b.size() - alike - kBlock, kBlock * sizeof(QChar)) == 0;
    };
    while (alike + kBlock <= limit && blockAlike())
        alike += kBlock;
    while (alike < limit && a[a.size() - 1 - alike] == b[b.size() - 1 - alike])
        ++alike;
    return alike;
}

// The old content with a small change of its value written in, found in a
// window around the change; false when the change is not small or the
// window cannot be cut out, and the whole content is compared instead.
bool patchAroundChange(const QString &value, const QString &oldContent, const QString &oldValue,
                       const std::function<bool(char32_t)> &canEncode, const QString &lineEnd, QString *patched)
{
    const qsizetype shorter = std::min(oldValue.size(), value.size());
    const qsizetype head = alikeAtStart(oldValue, value, shorter);
    const qsizetype tail = alikeAtEnd(oldValue, value, shorter - head);
    const qsizetype changed = oldValue.size() + value.size() - 2 * (head + tail);
    if (oldValue.isEmpty() || changed > kSmallChange || closesCdataOutsideSection(oldContent))
        return false;
    PieceBoundary begin, end;
    if (!windowAround(oldContent, head - kWindowMargin, oldValue.size() - tail + kWindowMargin, &begin, &end))
        return false;
    // A window inside a CDATA section is read as one; a section the content
    // leaves open stays open.
    const QString open = begin.inSection ? QString(kCdataOpen) : QString();
    const QString close = end.inSection && end.content < oldContent.size() ? QString(kCdataClose) : QString();
    const QString window = open + oldContent.mid(begin.content, end.content - begin.content) + close;
    const qsizetype valueAfter = oldValue.size() - end.value;
    const QString windowValue = value.mid(begin.value, value.size() - valueAfter - begin.value);
    // The window reads back alike with the section it stands in opened and
    // closed around it: the content outside it, which closes no section
    // out of place, is read as before.
    QString patchedWindow;
    if (!patchChanges(windowValue, window, oldContent, canEncode, lineEnd, &patchedWindow)
        || !patchedWindow.startsWith(open) || !patchedWindow.endsWith(close) || !readsBackAs(patchedWindow, windowValue))
        return false;
    patched->clear();
    patched->reserve(oldContent.size() + patchedWindow.size() - window.size());
    *patched += QStringView(oldContent).left(begin.content);
    *patched += QStringView(patchedWindow).mid(open.size(), patchedWindow.size() - open.size() - close.size());
    *patched += QStringView(oldContent).mid(end.content);
    return true;
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
    return content(value, oldContent, wholeContent(oldContent), canEncode, lineEnd);
}

QString content(const QString &value, const QString &oldContent, const QString &oldValue,
                const std::function<bool(char32_t)> &canEncode, const QString &lineEnd)
{
    const QString newLine = indexOfMarkup(oldContent, QLatin1String("\r\n"), 0) >= 0 ? QStringLiteral("\r\n") : lineEnd;
    QString patched;
    if (patchAroundChange(value, oldContent, oldValue, canEncode, newLine, &patched)
        || patchContent(value, oldContent, canEncode, newLine, &patched))
        return patched;
    QString whole = oldContent.contains(kCdataOpen) ? cdataSection(value, canEncode)
                                                    : escapedText(value, numericReferences(oldContent), canEncode);
    return withLineEnd(whole, newLine);
}

} // namespace FeedValue
