#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <set>

class CHtmlEngineView;
class CRSSEditDoc;

// The list of the Link drop-down: every distinct link of the feed's posts,
// the missing ones appended in ascending order whenever a post is shown.
// Reading every post's link costs as much as the feed is long, so it is done
// once per feed, after the page has shown the first post, in small steps
// that leave the window free between them: a large feed's first post does
// not wait for the list, nor does a key while it fills, and a post switch
// holds the steps until the page has shown the post. From then
// on the links that posts are given, or bring in, wait here for the next
// post shown. A post switch then costs nothing that grows with the feed.
class CLinkOptions : public QObject
{
public:
    CLinkOptions(CRSSEditDoc *doc, CHtmlEngineView *engine, const QString &id, QObject *parent = nullptr);

    // Shows the link of the post being shown, after the links waiting to
    // join the list; an empty link empties the field.
    void show(const QString &link);

private:
    enum class Collection { NotStarted, WaitingForPage, Reading, Sending, Done };

    // Starts once the page has reported the link field written last, which
    // it does together with the post around it.
    void collectWhenShown();
    // The next step (the reading's first, when it waits to start), once
    // the page has reported the field.
    void resumeWhenReported();
    void restart();
    void collectStep();
    void readSomePosts();
    void sendSomeLinks();
    void postLinkCameIn(int post);

    CRSSEditDoc *m_doc;
    CHtmlEngineView *m_engine;
    QString m_id;
    std::set<QString> m_waiting;
    Collection m_collection = Collection::NotStarted;
    QMetaObject::Connection m_waitForPage;
    QTimer m_step;
    int m_nextPost = 0;         // while reading
    std::set<QString> m_unsent; // while sending
};
