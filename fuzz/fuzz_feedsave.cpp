// Any bytes as a feed file: a file that opens saves back byte for byte when
// nothing was edited; a file that does not open is refused with a reason and
// leaves an empty feed.

#include "FuzzSupport.h"
#include "core/RssFeed.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString inPath = fuzzFolder() + QStringLiteral("/in.xml");
    const QString outPath = fuzzFolder() + QStringLiteral("/out.xml");
    writeFileBytes(inPath, input);
    QFile::remove(outPath);

    CRssFeed feed;
    QString error;
    if (!feed.LoadFromFile(inPath, &error)) {
        fuzzCheck(!error.isEmpty(), "a refused file is refused with a reason");
        fuzzCheck(feed.GetPostCount() == 0, "a refused file leaves no posts", error);
        return 0;
    }
    fuzzCheck(feed.SaveToFile(outPath, &error), "a feed that opened saves", error);
    const QByteArray saved = readFileBytes(outPath);
    fuzzCheck(saved == input, "a save without edits gives back the same bytes",
              QStringLiteral("%1 bytes read, %2 written").arg(input.size()).arg(saved.size()));
    return 0;
}
