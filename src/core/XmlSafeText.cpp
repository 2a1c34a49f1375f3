#include "core/XmlSafeText.h"

namespace {

enum class Keep { Yes, No, AsLineBreak };

// `next` is the code unit after `c`, or 0 at the end.
Keep keepCharacter(char16_t c, char16_t next)
{
    if (c < 0x20) {
        if (c == u'\t' || c == u'\n' || c == u'\r')
            return Keep::Yes;
        return c == 0x0B || c == 0x0C ? Keep::AsLineBreak : Keep::No;
    }
    if (QChar::isHighSurrogate(c))
        return QChar::isLowSurrogate(next) ? Keep::Yes : Keep::No;
    if (QChar::isLowSurrogate(c))
        return Keep::No; // a low surrogate after its high one is copied with it
    return c == 0xFFFE || c == 0xFFFF ? Keep::No : Keep::Yes;
}

} // namespace

QString XmlSafeText(const QString &text)
{
    const qsizetype size = text.size();
    const auto keep = [&text, size](qsizetype i) {
        return keepCharacter(text.at(i).unicode(), i + 1 < size ? text.at(i + 1).unicode() : u'\0');
    };
    // Most text is kept whole: passed over by the plain test first, as a
    // long description is at every key.
    const char16_t *units = reinterpret_cast<const char16_t *>(text.constData());
    qsizetype i = 0;
    while (i < size) {
        if (units[i] >= 0x20 && units[i] < 0xD800)
            ++i;
        else if (keep(i) == Keep::Yes)
            i += QChar::isHighSurrogate(units[i]) ? 2 : 1;
        else
            break;
    }
    if (i == size)
        return text;

    QString safe = text.left(i);
    safe.reserve(size);
    while (i < size) {
        switch (keep(i)) {
        case Keep::Yes:
            if (QChar::isHighSurrogate(text.at(i).unicode()))
                safe += text.at(i++);
            safe += text.at(i);
            break;
        case Keep::AsLineBreak:
            safe += u'\n';
            break;
        case Keep::No:
            break;
        }
        ++i;
    }
    return safe;
}
