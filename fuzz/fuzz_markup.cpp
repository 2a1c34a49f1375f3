// Any bytes as HTML or XML text for the markup scanner and the conversions
// of the editor's HTML: they must come to an end, stay within their buffers
// and keep their names and values within the stated lengths.

#include "FuzzSupport.h"
#include "markup/DescriptionMarkup.h"
#include "markup/MarkupScanner.h"
#include "markup/Utf8ByteSource.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

void scanAll(const QByteArray &bytes)
{
    Utf8ByteSource source(bytes);
    MarkupScanner scanner(source);
    // Every token but the end takes at least one character; errors may
    // repeat, but not without end.
    const qsizetype limit = 4 * bytes.size() + 16;
    qsizetype tokens = 0;
    for (MarkupScanner::Token token = scanner.nextToken(); token != MarkupScanner::TokenEnd;
         token = scanner.nextToken()) {
        fuzzCheck(++tokens <= limit, "the scanner comes to an end");
        fuzzCheck(scanner.valueLength() >= 0 && scanner.valueLength() <= MarkupScanner::kMaxValueLength
                          && scanner.value()[scanner.valueLength()] == 0,
                  "a value stays within its buffer and ends in a zero");
        fuzzCheck(std::strlen(scanner.tagName()) <= size_t(MarkupScanner::kMaxNameLength)
                          && std::strlen(scanner.attributeName()) <= size_t(MarkupScanner::kMaxNameLength),
                  "names stay within their buffers");
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    scanAll(bytes);

    const QString text = QString::fromUtf8(bytes);
    SelectedFragmentFromSavedHtml(text);
    FragmentFromSelectionHtml(bytes);
    return 0;
}
