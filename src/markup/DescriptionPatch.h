#pragma once

#include <QString>

#include <vector>

// Carries an edit made in the editor page over to the description's own
// text. The page shows a description by parsing it and hands back its own
// serialisation (lower-case tags, quoted attributes, references decoded, CR
// LF read as LF), so storing what the page gives would rewrite markup the
// user never touched. Instead the page's serialisation of the description
// as loaded is compared with the one after the edit, and only the changed
// stretches are written into the original text.
//
// The comparison works on whole tokens (a tag, a comment, a reference, one
// character), so a change never cuts a tag or a reference of the original
// in half. Where a changed stretch borders on markup the page made up (a
// closing tag it implied, say) and that has no place in the original, the
// stretch grows to the nearest tokens that do, and the page's text is
// stored for that stretch only.
class CDescriptionPatch
{
public:
    CDescriptionPatch() = default;
    // `source`: the description as stored; `shown`: the page's serialisation
    // of it before any edit. New line breaks are written with `lineEnd`;
    // empty takes the source's own (CR LF when it has one, else LF).
    CDescriptionPatch(const QString &source, const QString &shown, const QString &lineEnd = QString());

    const QString &source() const { return m_source; }
    // The source with the changes that turn `shown` into `edited` made in
    // it; the source itself when they are equal.
    QString apply(const QString &edited) const;

    struct Token
    {
        enum Kind { Character, Tag, Markup };
        Kind kind;
        char32_t character; // a character token's decoded character, compared across source and page
        QString key;        // a tag's name or the markup as written, compared likewise
        qsizetype begin; // where the token stands in its text
        qsizetype end;
    };

private:
    QString m_source;
    QString m_shown;
    QString m_lineEnd;
    std::vector<Token> m_sourceTokens;
    std::vector<Token> m_shownTokens;
    // For each token of the shown text, the source token it stands for, or -1.
    std::vector<int> m_sourceOf;
    // The first shown token that is a '<' opening no tag, or the count.
    int m_firstLooseAngle = 0;
};
