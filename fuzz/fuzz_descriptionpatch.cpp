// Any two texts as a stored description and an edit of it, for the patch
// that carries the editor page's edits over to the description's own text:
// it comes to an end, gives the source back untouched when nothing was
// edited, and, where the page shows the source as it is, stores the edit
// as made but for white space: the patch keeps the source's own spaces
// where the page swaps them for no-break spaces and back, and the white
// space it hides at the start and end of a text.
//
// An input holding U+0001 is the source before it and the edit after it;
// any other input is the source, edited by cutting out its third quarter.

#include "FuzzSupport.h"
#include "markup/DescriptionPatch.h"

#include <cstddef>
#include <cstdint>

namespace {

QString withoutWhiteSpace(QString text)
{
    text.remove(QStringLiteral("&nbsp;"));
    text.removeIf([](QChar c) { return c == u' ' || c == u'\n' || c == u'\t' || c == u'\f' || c == QChar(0xA0); });
    return text;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype split = text.indexOf(QChar(1));
    const QString source = split < 0 ? text : text.left(split);
    const QString edited = split < 0 ? text.left(text.size() / 2) + text.mid(text.size() * 3 / 4) : text.mid(split + 1);

    // The page's form of the source is the edit itself: nothing changed.
    fuzzCheck(CDescriptionPatch(source, edited).apply(edited) == source, "an unedited description stays as stored",
              source);

    // New line breaks take the given line end, so only texts without CR
    // can come back exactly.
    if (!source.contains(u'\r') && !edited.contains(u'\r')) {
        const QString stored = CDescriptionPatch(source, source, QStringLiteral("\n")).apply(edited);
        fuzzCheck(withoutWhiteSpace(stored) == withoutWhiteSpace(edited),
                  "an edit of a description the page shows as stored is stored as made", stored);
    }
    return 0;
}
