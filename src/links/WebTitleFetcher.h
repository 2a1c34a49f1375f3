#pragma once

#include "links/FetchTitleFromURL.h"
#include "links/TitleFetchSteps.h"
#include "markup/Utf8ByteSource.h"
#include "links/WebTitleCache.h"

#include <QString>

class QObject;

// Background fetching of web page titles. A fetch runs on a worker thread
// (at most four at once; more wait their turn), touches only the network
// and its own temporary file, and hands a found title to the title
// receiver on the user-interface thread. Nothing waits for a fetch, except
// program exit, which stops the downloads first.

// What a fetch found: the URL as given and the page's title.
struct TitleResult
{
    QString url;
    QString title;
};

// The object that gets each found title through a queued call of its slot
// or invokable method `onTitleFetched(const QString &url, const QString
// &title)`; usually the main window, which stores the title with
// StoreWebTitle. Titles found while there is none are dropped.
// User-interface thread only, like StartTitleFetch.
void setTitleReceiver(QObject *receiver);

// Starts fetching the title of a non-empty URL in the background. Needs a
// QCoreApplication.
void StartTitleFetch(const QString &url);

// The work of one fetch, on a worker thread: fetches the page and, when it
// has a title, passes a TitleResult on to the title receiver.
void TitleFetchThread(const QString &url);
