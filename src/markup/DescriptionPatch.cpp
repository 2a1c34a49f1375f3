#include "markup/DescriptionPatch.h"

#include "core/SequenceDiff.h"

#include <QHash>

#include <algorithm>

namespace {

using Token = CDescriptionPatch::Token;

// The named references a description is likely to hold; the page decodes
// them all. An unknown name stays a run of characters, which then has no
// match in the page's text and is only rewritten when an edit touches it.
const QHash<QString, QString> &namedReferences()
{
    static const QHash<QString, QString> names = [] {
        QHash<QString, QString> table;
        const char *const latin1[] = {
            "nbsp", "iexcl", "cent", "pound", "curren", "yen", "brvbar", "sect", "uml", "copy", "ordf", "laquo",
            "not", "shy", "reg", "macr", "deg", "plusmn", "sup2", "sup3", "acute", "micro", "para", "middot",
            "cedil", "sup1", "ordm", "raquo", "frac14", "frac12", "frac34", "iquest", "Agrave", "Aacute", "Acirc",
            "Atilde", "Auml", "Aring", "AElig", "Ccedil", "Egrave", "Eacute", "Ecirc", "Euml", "Igrave", "Iacute",
            "Icirc", "Iuml", "ETH", "Ntilde", "Ograve", "Oacute", "Ocirc", "Otilde", "Ouml", "times", "Oslash",
            "Ugrave", "Uacute", "Ucirc", "Uuml", "Yacute", "THORN", "szlig", "agrave", "aacute", "acirc", "atilde",
            "auml", "aring", "aelig", "ccedil", "egrave", "eacute", "ecirc", "euml", "igrave", "iacute", "icirc",
            "iuml", "eth", "ntilde", "ograve", "oacute", "ocirc", "otilde", "ouml", "divide", "oslash", "ugrave",
            "uacute", "ucirc", "uuml", "yacute", "thorn", "yuml"};
        char16_t code = 0xA0;
        for (const char *name : latin1)
            table.insert(QString::fromLatin1(name), QString(QChar(code++)));
        const std::pair<const char *, char16_t> others[] = {
            {"amp", u'&'}, {"lt", u'<'}, {"gt", u'>'}, {"quot", u'"'}, {"apos", u'\''}, {"ndash", 0x2013},
            {"mdash", 0x2014}, {"lsquo", 0x2018}, {"rsquo", 0x2019}, {"sbquo", 0x201A}, {"ldquo", 0x201C},
            {"rdquo", 0x201D}, {"bdquo", 0x201E}, {"bull", 0x2022}, {"hellip", 0x2026}, {"trade", 0x2122},
            {"euro", 0x20AC}, {"thinsp", 0x2009}, {"ensp", 0x2002}, {"emsp", 0x2003}, {"zwnj", 0x200C},
            {"zwj", 0x200D}, {"lrm", 0x200E}, {"rlm", 0x200F}, {"dagger", 0x2020}, {"Dagger", 0x2021},
            {"permil", 0x2030}, {"lsaquo", 0x2039}, {"rsaquo", 0x203A}, {"larr", 0x2190}, {"rarr", 0x2192},
            {"uarr", 0x2191}, {"darr", 0x2193}, {"minus", 0x2212}};
        for (const auto &[name, character] : others)
            table.insert(QString::fromLatin1(name), QString(QChar(character)));
        return table;
    }();
    return names;
}

bool isAsciiLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// The text a character reference at `at` ("&amp;", "&#40;", "&#x28;")
// stands for, with its length; an empty text when there is none.
QString referenceAt(const QString &text, qsizetype at, qsizetype *length)
{
    const qsizetype semicolon = text.indexOf(u';', at + 1);
    if (semicolon < 0 || semicolon - at > 32)
        return QString();
    const QStringView name = QStringView(text).mid(at + 1, semicolon - at - 1);
    QString decoded;
    if (name.startsWith(u'#')) {
        bool ok = false;
        const bool hex = name.size() > 1 && (name[1] == u'x' || name[1] == u'X');
        const uint code = hex ? name.mid(2).toUInt(&ok, 16) : name.mid(1).toUInt(&ok, 10);
        if (!ok || code == 0 || code > 0x10FFFF)
            return QString();
        const char32_t character = code;
        decoded = QString::fromUcs4(&character, 1);
    } else {
        decoded = namedReferences().value(name.toString());
    }
    if (!decoded.isEmpty())
        *length = semicolon + 1 - at;
    return decoded;
}

// The end of the tag that opens at `at`, quoted attribute values skipped;
// -1 when it does not close.
qsizetype tagEnd(const QString &text, qsizetype at)
{
    QChar quote;
    for (qsizetype i = at + 1; i < text.size(); ++i) {
        const QChar c = text[i];
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == u'"' || c == u'\'') {
            quote = c;
        } else if (c == u'>') {
            return i + 1;
        }
    }
    return -1;
}

// A tag's key: its lower-case name, "/" first for a closing tag.
QString tagKey(const QString &text, qsizetype at, qsizetype end)
{
    qsizetype i = at + 1;
    QString key;
    if (text[i] == u'/') {
        key += u'/';
        ++i;
    }
    while (i < end && (text[i].isLetterOrNumber() || text[i] == u'-' || text[i] == u':'))
        key += text[i++].toLower();
    return key;
}

// The token that starts at `at`: a comment, a tag or other markup, or one
// character (a reference, CR LF and a surrogate pair count as one). What it
// is depends on the text from `at` on only.
Token tokenAt(const QString &text, qsizetype at)
{
    const QChar c = text[at];
    const QChar next = at + 1 < text.size() ? text[at + 1] : QChar();
    if (c == u'<' && QStringView(text).mid(at).startsWith(u"<!--")) {
        const qsizetype close = text.indexOf(QLatin1String("-->"), at + 4);
        const qsizetype end = close < 0 ? text.size() : close + 3;
        return {Token::Markup, 0, text.mid(at, end - at), at, end};
    }
    if (c == u'<' && (isAsciiLetter(next) || (next == u'/' && at + 2 < text.size() && isAsciiLetter(text[at + 2]))
                      || next == u'!' || next == u'?')) {
        const qsizetype end = tagEnd(text, at);
        if (end > 0) {
            const bool tag = next != u'!' && next != u'?';
            return {tag ? Token::Tag : Token::Markup, 0, tag ? tagKey(text, at, end) : text.mid(at, end - at), at, end};
        }
    }
    qsizetype length = 1;
    char32_t character = 0;
    if (c == u'&') {
        const QString decoded = referenceAt(text, at, &length);
        if (!decoded.isEmpty())
            character = decoded.size() == 2 ? QChar::surrogateToUcs4(decoded[0], decoded[1]) : decoded[0].unicode();
    }
    if (character == 0) {
        length = 1;
        if (c == u'\r') {
            // Read as the page reads it: CR LF and a lone CR are LF.
            character = U'\n';
            length = next == u'\n' ? 2 : 1;
        } else if (c.isHighSurrogate() && next.isLowSurrogate()) {
            length = 2;
            character = QChar::surrogateToUcs4(c, next);
        } else {
            character = c.unicode();
        }
    }
    return {Token::Character, character, QString(), at, at + length};
}

std::vector<Token> tokenize(const QString &text)
{
    std::vector<Token> tokens;
    tokens.reserve(size_t(text.size()));
    for (qsizetype at = 0; at < text.size(); at = tokens.back().end)
        tokens.push_back(tokenAt(text, at));
    return tokens;
}

// Numbers standing for texts, alike for alike texts: a comparison of two
// long texts compares millions of token pairs, and numbers compare at a
// fraction of the cost of strings. The texts must outlive the numbering.
class TextNumbers
{
public:
    int operator()(QStringView text)
    {
        auto found = m_numbers.constFind(text);
        if (found == m_numbers.constEnd())
            found = m_numbers.insert(text, int(m_numbers.size()));
        return *found;
    }

private:
    QHash<QStringView, int> m_numbers;
};

// The comparisons a comparison of two whole texts may make: a few
// milliseconds. Runs found once in both texts split a long text first, so
// this is spent only where the texts differ much; a comparison of a part
// of them gets the same share per token, so it finds what the whole
// comparison would.
constexpr long long kDiffBudget = 5'000'000;

// Pairs of indexes of `a` and `b` whose tokens have the same key, in order,
// as many as the longest common subsequence has (where the comparison's
// budget allows): the source's tokens against the page's.
std::vector<std::pair<int, int>> matchKeys(const std::vector<Token> &a, const std::vector<Token> &b)
{
    // A character is its own number; a tag or other markup is numbered
    // after every character, by its kind and key.
    constexpr int kFirstKeyNumber = 0x110000;
    TextNumbers keys;
    const auto numbered = [&keys](const std::vector<Token> &tokens) {
        std::vector<int> numbers;
        numbers.reserve(tokens.size());
        for (const Token &token : tokens) {
            numbers.push_back(token.kind == Token::Character
                                  ? int(token.character)
                                  : kFirstKeyNumber + 2 * keys(token.key) + (token.kind == Token::Markup ? 1 : 0));
        }
        return numbers;
    };
    const std::vector<int> aKeys = numbered(a), bKeys = numbered(b);
    return SequenceDiff::matches(aKeys, bKeys, [&](int i, int j) { return aKeys[size_t(i)] == bKeys[size_t(j)]; }, kDiffBudget);
}

// What the comparison of the shown and the edited text compares of a
// token: its text, as a number, and whether it is a plain or a no-break
// space. The engine writes a plain space next to where the user types as a
// no-break space, so that it shows at the end of a line, and back again
// once a character follows; it turns the no-break spaces it finds there
// into plain ones too. Neither is the user's change: the space stays as the
// description has it.
struct TokenText
{
    enum Space { NoSpace = 0, Plain = 1, NoBreak = 2 };
    int number;
    int space;

    bool matches(const TokenText &other) const { return number == other.number || (space | other.space) == (Plain | NoBreak); }
};

// Only the forms the engine writes swap: a space, and a no-break space as
// "&nbsp;" or as the character. A "&#160;" typed as such is the user's.
TokenText tokenText(TextNumbers &numbers, const QString &text, const Token &token)
{
    const QStringView written = QStringView(text).mid(token.begin, token.end - token.begin);
    const int space = written == u" "                                         ? TokenText::Plain
                      : written == u"&nbsp;" || written == QChar(0xA0) ? TokenText::NoBreak
                                                                        : TokenText::NoSpace;
    return {numbers(written), space};
}

// A stretch of tokens of the shown text, [shownBegin, shownEnd), that the
// edit replaced by the edited text's [editedBegin, editedEnd).
struct Hunk
{
    int shownBegin, shownEnd, editedBegin, editedEnd;
};

std::vector<Hunk> hunksBetween(const std::vector<std::pair<int, int>> &matches, int shownCount, int editedCount)
{
    std::vector<Hunk> hunks;
    for (const SequenceDiff::Gap &gap : SequenceDiff::gaps(matches, shownCount, editedCount))
        hunks.push_back({gap.aBegin, gap.aEnd, gap.bBegin, gap.bEnd});
    return hunks;
}

bool isWhiteSpace(const Token &token)
{
    return token.kind == Token::Character
           && (token.character == U' ' || token.character == U'\n' || token.character == U'\t' || token.character == U'\f');
}

// Typing at the start or the end of a text takes the white space the page
// does not show there (a template's line breaks and indents, a space at the
// end) and puts the typed text in its place. That white space is not the
// user's change: it stays, and the typed text goes in beside it, on the
// side of the text it was typed next to. A single space between two
// characters shows, and is the user's to replace.
Hunk keepingHiddenWhiteSpace(const std::vector<Token> &shown, Hunk hunk)
{
    const int count = int(shown.size());
    if (hunk.shownBegin == hunk.shownEnd || hunk.editedBegin == hunk.editedEnd)
        return hunk;
    for (int i = hunk.shownBegin; i < hunk.shownEnd; ++i) {
        if (!isWhiteSpace(shown[size_t(i)]))
            return hunk;
    }
    const bool atStart = hunk.shownBegin == 0 || shown[size_t(hunk.shownBegin - 1)].kind != Token::Character;
    const bool atEnd = hunk.shownEnd == count || shown[size_t(hunk.shownEnd)].kind != Token::Character;
    if (atStart && !atEnd)
        hunk.shownBegin = hunk.shownEnd; // the typed text follows the white space
    else if (atEnd)
        hunk.shownEnd = hunk.shownBegin; // the typed text comes before it
    return hunk;
}

// How far past its end the reading of a token may look: a reference's
// semicolon, a CR's LF.
constexpr qsizetype kLookahead = 33;

// A '<' that opened no tag: its reading looked to the end of the text for
// a '>'.
bool isLooseAngle(const QString &text, const Token &token)
{
    return token.kind == Token::Character && token.character == U'<' && text[token.begin] == u'<';
}

// The edited text's tokens, read anew only where it differs from the shown
// text: before `head` and from the shown token `shownTail` on they are the
// shown text's own, the latter moved by `shift`.
struct EditedTokens
{
    const std::vector<Token> &shown;
    int head;
    std::vector<Token> middle;
    int shownTail;
    qsizetype shift;

    int middleEnd() const { return head + int(middle.size()); }
    int count() const { return middleEnd() + int(shown.size()) - shownTail; }
    const Token &at(int i) const
    {
        return i < head ? shown[size_t(i)] : i < middleEnd() ? middle[size_t(i - head)] : shown[size_t(i - middleEnd() + shownTail)];
    }
    qsizetype begin(int i) const { return at(i).begin + (i >= middleEnd() ? shift : 0); }
    qsizetype end(int i) const { return at(i).end + (i >= middleEnd() ? shift : 0); }
};

// Reads `edited` from the end of the first `head` shown tokens, which it
// has alike, until the rest of it is alike (its last `tailAlike`
// characters) and starts where a shown token does: from there on it reads
// as the shown text does.
EditedTokens readEdited(const std::vector<Token> &shown, const QString &shownText, const QString &edited, int head,
                        qsizetype tailAlike)
{
    EditedTokens tokens{shown, head, {}, 0, edited.size() - shownText.size()};
    const qsizetype tailFrom = edited.size() - tailAlike;
    const auto beforePlace = [](const Token &token, qsizetype place) { return token.begin < place; };
    for (qsizetype at = head > 0 ? shown[size_t(head - 1)].end : 0;; at = tokens.middle.back().end) {
        if (at >= tailFrom) {
            const qsizetype place = at - tokens.shift;
            const auto next = std::lower_bound(shown.begin() + head, shown.end(), place, beforePlace);
            if (next == shown.end() ? place == shownText.size() : next->begin == place) {
                tokens.shownTail = int(next - shown.begin());
                return tokens;
            }
        }
        tokens.middle.push_back(tokenAt(edited, at));
    }
}

// The edited text's tokens, and the stretches where it differs from the
// shown text, found by comparing only the tokens between the ends the two
// texts have alike.
struct Comparison
{
    EditedTokens edited;
    std::vector<Hunk> hunks;
};

Comparison compareWithShown(const QString &shown, const std::vector<Token> &shownTokens, int firstLooseAngle,
                            const QString &edited)
{
    const qsizetype shorter = std::min(shown.size(), edited.size());
    const qsizetype headAlike = std::mismatch(shown.begin(), shown.begin() + shorter, edited.begin()).first - shown.begin();
    const qsizetype tailAlike = std::mismatch(shown.rbegin(), shown.rbegin() + (shorter - headAlike), edited.rbegin()).first
                                - shown.rbegin();
    // The edited text reads alike the shown tokens whose reading looked no
    // further than the first difference.
    const auto readAlike = [headAlike](const Token &token) { return token.end + kLookahead <= headAlike; };
    const int head = int(std::partition_point(shownTokens.begin(), shownTokens.begin() + firstLooseAngle, readAlike)
                         - shownTokens.begin());
    Comparison comparison{readEdited(shownTokens, shown, edited, head, tailAlike), {}};
    const EditedTokens &tokens = comparison.edited;

    const int shownMiddle = tokens.shownTail - head;
    const int editedMiddle = int(tokens.middle.size());
    TextNumbers numbers;
    std::vector<TokenText> shownTexts, editedTexts;
    shownTexts.reserve(size_t(shownMiddle));
    editedTexts.reserve(size_t(editedMiddle));
    for (int i = head; i < tokens.shownTail; ++i)
        shownTexts.push_back(tokenText(numbers, shown, shownTokens[size_t(i)]));
    for (const Token &token : tokens.middle)
        editedTexts.push_back(tokenText(numbers, edited, token));
    const auto textNumbers = [](const std::vector<TokenText> &texts) {
        std::vector<int> found;
        found.reserve(texts.size());
        for (const TokenText &text : texts)
            found.push_back(text.number);
        return found;
    };
    const auto sameText = [&](int i, int j) { return shownTexts[size_t(i)].matches(editedTexts[size_t(j)]); };
    const long long budget = kDiffBudget / std::max(1, int(shownTokens.size()) + tokens.count())
                             * std::max(1, shownMiddle + editedMiddle);
    const auto matches = SequenceDiff::matches(textNumbers(shownTexts), textNumbers(editedTexts), sameText, budget);
    for (Hunk hunk : hunksBetween(matches, shownMiddle, editedMiddle)) {
        hunk = {hunk.shownBegin + head, hunk.shownEnd + head, hunk.editedBegin + head, hunk.editedEnd + head};
        comparison.hunks.push_back(keepingHiddenWhiteSpace(shownTokens, hunk));
    }
    return comparison;
}

} // namespace

CDescriptionPatch::CDescriptionPatch(const QString &source, const QString &shown, const QString &lineEnd)
    : m_source(source)
    , m_shown(shown)
    , m_lineEnd(!lineEnd.isEmpty() ? lineEnd : source.contains(QLatin1String("\r\n")) ? QStringLiteral("\r\n") : QStringLiteral("\n"))
    , m_sourceTokens(tokenize(source))
    , m_shownTokens(tokenize(shown))
    , m_sourceOf(m_shownTokens.size(), -1)
{
    for (const auto &[sourceIndex, shownIndex] : matchKeys(m_sourceTokens, m_shownTokens))
        m_sourceOf[size_t(shownIndex)] = sourceIndex;
    const auto loose = std::find_if(m_shownTokens.begin(), m_shownTokens.end(), [this](const Token &token) { return isLooseAngle(m_shown, token); });
    m_firstLooseAngle = int(loose - m_shownTokens.begin());
}

QString CDescriptionPatch::apply(const QString &edited) const
{
    const Comparison comparison = compareWithShown(m_shown, m_shownTokens, m_firstLooseAngle, edited);
    const EditedTokens &editedTokens = comparison.edited;
    const std::vector<Hunk> &hunks = comparison.hunks;
    if (hunks.empty())
        return m_source;
    const int shownCount = int(m_shownTokens.size());

    // Each stretch grows, over tokens the edit kept, until the tokens on
    // both sides of it stand in the source; stretches that meet join.
    const auto mapped = [this](int shown) { return m_sourceOf[size_t(shown)] >= 0; };
    std::vector<Hunk> grown;
    for (Hunk hunk : hunks) {
        while (hunk.shownBegin > 0 && !mapped(hunk.shownBegin - 1)) {
            --hunk.shownBegin;
            --hunk.editedBegin;
        }
        while (hunk.shownEnd < shownCount && !mapped(hunk.shownEnd)) {
            ++hunk.shownEnd;
            ++hunk.editedEnd;
        }
        if (!grown.empty() && hunk.shownBegin <= grown.back().shownEnd) {
            grown.back().shownEnd = hunk.shownEnd;
            grown.back().editedEnd = hunk.editedEnd;
        } else {
            grown.push_back(hunk);
        }
    }

    const auto editedText = [&editedTokens, &edited, this](int begin, int end) {
        if (begin >= end)
            return QString();
        QString text = edited.mid(editedTokens.begin(begin), editedTokens.end(end - 1) - editedTokens.begin(begin));
        if (m_lineEnd != QLatin1String("\n"))
            text.replace(u'\n', m_lineEnd);
        return text;
    };
    QString patched;
    qsizetype copied = 0;
    for (const Hunk &hunk : grown) {
        const qsizetype from = hunk.shownBegin > 0 ? m_sourceTokens[size_t(m_sourceOf[size_t(hunk.shownBegin - 1)])].end : 0;
        // An insertion goes right after the token before it, leaving what
        // the page does not show (a processing instruction, say) behind it.
        const qsizetype to = hunk.shownBegin == hunk.shownEnd ? from
                             : hunk.shownEnd < shownCount     ? m_sourceTokens[size_t(m_sourceOf[size_t(hunk.shownEnd)])].begin
                                                              : m_source.size();
        patched += QStringView(m_source).mid(copied, from - copied);
        patched += editedText(hunk.editedBegin, hunk.editedEnd);
        copied = to;
    }
    patched += QStringView(m_source).mid(copied);
    return patched;
}
