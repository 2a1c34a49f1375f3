#pragma once

#include "links/FetchTitleFromURL.h"
#include "links/TitleFetchSteps.h"
#include "markup/Utf8ByteSource.h"
#include "links/WebTitleCache.h"

#include <QString>

#include <functional>

// Background fetching of web page titles. A fetch runs on a worker thread
// (at most four at once; more wait their turn), touches only the network
// and its own temporary file, and hands a found title to the title sink on
// the user-interface thread. Nothing waits for a fetch, except
// program exit, which stops the downloads first.

// What a fetch found: the URL as given and the page's title.
struct TitleResult
{
    QString url;
    QString title;
};

// Gets each found title, called on the user-interface thread; usually the
// main window's, which stores the title with StoreWebTitle. Titles found
// while there is none are dropped. Whoever sets it clears it (with nullptr)
// before the things it uses go. User-interface thread only, like
// StartTitleFetch.
using TitleSink = std::function<void(const QString &url, const QString &title)>;
void setTitleSink(TitleSink sink);

// Starts fetching the title of a non-empty URL in the background. Needs a
// QCoreApplication.
void StartTitleFetch(const QString &url);

// The work of one fetch, on a worker thread: fetches the page and, when it
// has a title, passes a TitleResult on to the title sink.
void TitleFetchThread(const QString &url);
