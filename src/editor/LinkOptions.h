#pragma once

#include <QObject>
#include <QString>

#include <set>

class CHtmlEngineView;
class CRSSEditDoc;

// The list of the Link drop-down: every distinct link of the feed's posts,
// the missing ones appended in ascending order whenever a post is shown.
// Reading every post's link costs as much as the feed is long, so it is done
// once per feed, just after the first post shows; from then on the links
// that posts are given, or bring in, wait here for the next post shown. A
// post switch then costs nothing that grows with the feed.
class CLinkOptions : public QObject
{
public:
    CLinkOptions(CRSSEditDoc *doc, CHtmlEngineView *engine, const QString &id, QObject *parent = nullptr);

    // Shows the link of the post being shown, after the links waiting to
    // join the list; an empty link empties the field.
    void show(const QString &link);

private:
    void collectAll();
    void postLinkCameIn(int post);

    CRSSEditDoc *m_doc;
    CHtmlEngineView *m_engine;
    QString m_id;
    std::set<QString> m_waiting;
    bool m_collected = false;
    bool m_collectQueued = false;
};
