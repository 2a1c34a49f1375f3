#pragma once

#include "web/FetchTitleFromURL.h"
#include "web/TitleFetchSteps.h"
#include "markup/Utf8ByteSource.h"
#include "web/WebTitleCache.h"

#include <QString>

#include <functional>

// Background fetching of web page titles. A fetch runs on a worker thread
// (at most four at once; more wait their turn), touches only the network
// and its own temporary file, and hands what it found, a title or why
// there is none, to the title sink on the user-interface thread. Nothing waits for a fetch, except
// program exit, which stops the downloads first.

// What a fetch found: the URL as given and the page's title, or, without
// one, why not (a sentence for the user: no connection, an HTTP error...).
struct TitleResult
{
    QString url;
    QString title;
    QString failure;
};

// Gets each fetch's result, called on the user-interface thread; usually
// the main window's, which stores a title with StoreWebTitle. Results that
// come while there is none are dropped. Whoever sets it clears it (with nullptr)
// before the things it uses go. User-interface thread only, like
// StartTitleFetch.
using TitleSink = std::function<void(const TitleResult &result)>;
void setTitleSink(TitleSink sink);

// Starts fetching the title of a non-empty URL in the background. Needs a
// QCoreApplication.
void StartTitleFetch(const QString &url);

// The work of one fetch, on a worker thread: fetches the page and passes
// its TitleResult on to the title sink.
void TitleFetchThread(const QString &url);
