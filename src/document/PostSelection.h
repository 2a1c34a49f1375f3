#pragma once

#include <QObject>

#include <functional>

// The post the user works on, the one the posts list highlights and the
// editor shows, or none. Only a visible post can be selected: one the posts
// list shows (every post while no list says otherwise). The selection
// follows the document's posts: it keeps naming the same post when others
// come or go, and names none once its post is removed, until the list
// chooses the next one.
class CPostSelection : public QObject
{
    Q_OBJECT
public:
    explicit CPostSelection(QObject *parent = nullptr);

    // The selected post, or -1.
    int post() const { return m_post; }

    // Whether a post may be selected. Unset, every post of the feed may.
    using Visibility = std::function<bool(int post)>;
    void setVisibility(Visibility visibility) { m_visibility = std::move(visibility); }
    bool isVisible(int post) const;

    // Selects `post` when it is visible; false, and nothing changes,
    // otherwise.
    bool select(int post);
    void clear();

    // The document's news, which the selection follows: a feed of `count`
    // posts, nothing selected; a post inserted or removed.
    void reset(int count);
    void postsInserted(int index);
    void postRemoved(int index);

    // The editor may hold back the views that follow it (the panes, the
    // commands' states) while its page takes in the new post, so that their
    // work and their repaint do not delay it. Without a hold they follow at
    // once; several switches during one hold make one `followed`, with the
    // post selected last.
    void holdFollowers();
    void releaseFollowers();

signals:
    // The selected post is about to be left for another one: what the
    // editor holds belongs to it still.
    void aboutToChange(int post);
    // The selection names another post, or none (-1).
    void changed(int post);
    // The views behind the editor may show the selected post now: right
    // after `changed`, or once the editor's hold is released.
    void followed(int post);
    // The selected post is the same, at another index: posts came or went
    // before it.
    void moved(int post);

private:
    void setPost(int post);

    int m_post = -1;
    int m_postCount = 0;
    int m_holds = 0;
    bool m_followPending = false;
    Visibility m_visibility;
};
