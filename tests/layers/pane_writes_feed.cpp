// Must not build: the feed changes only through the document's calls.
#include "core/RssFeed.h"
#include "document/RSSEditDoc.h"

void renameWithoutTheDocument(CRSSEditDoc *document)
{
    document->feed()->SetPostTitle(0, QStringLiteral("Renamed"));
}
