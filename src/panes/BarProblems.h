#pragma once

#include "markup/FeedChecker.h"
#include "panes/SizingControlBarCF.h"

#include <QList>
#include <QPointer>

class CRSSEditDoc;
class QTreeWidget;
class QTreeWidgetItem;

// The pane beside the posts list that shows what the last check of the feed
// found: level, message, post and field, one problem a row. A double click
// (or Enter) on a row asks for the post and field to be shown. Until the
// next check the problems follow their posts: those of a deleted post go
// at once, and the others keep pointing at their own posts as posts come
// and go.
class CBarProblems : public CSizingControlBarCF
{
    Q_OBJECT
public:
    CBarProblems(const QString &title, CRSSEditDoc *doc, QWidget *parent = nullptr);

    QTreeWidget *list() const { return m_list; }
    const QList<CFeedChecker::Problem> &problems() const { return m_problems; }
    // Fills the list; posts are named by their titles as the document has them.
    void setProblems(const QList<CFeedChecker::Problem> &problems);

signals:
    void problemActivated(const CFeedChecker::Problem &problem);
    // Problems went with their deleted post.
    void problemsDropped();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void activate(QTreeWidgetItem *row);
    void fitPostColumn();
    void followInsertedPost(int index);
    void followRemovedPost(int index);

    QPointer<CRSSEditDoc> m_doc;
    QTreeWidget *m_list;
    QList<CFeedChecker::Problem> m_problems;
    int m_postWidth = 0; // of the longest post title listed
};
