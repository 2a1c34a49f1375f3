#include "document/PostSelection.h"

CPostSelection::CPostSelection(QObject *parent) : QObject(parent)
{
}

bool CPostSelection::isVisible(int post) const
{
    return post >= 0 && post < m_postCount && (!m_visibility || m_visibility(post));
}

bool CPostSelection::select(int post)
{
    if (!isVisible(post))
        return false;
    if (post != m_post) {
        if (m_post >= 0)
            emit aboutToChange(m_post);
        setPost(post);
    }
    return true;
}

void CPostSelection::clear()
{
    if (m_post >= 0)
        emit aboutToChange(m_post);
    setPost(-1);
}

// What the editor held belonged to the feed that is gone.
void CPostSelection::reset(int count)
{
    m_postCount = count;
    setPost(-1);
}

void CPostSelection::postsInserted(int index)
{
    ++m_postCount;
    if (m_post >= index)
        emit moved(++m_post);
}

// The removed post's text goes with it: nothing is stored into the post that
// takes its place.
void CPostSelection::postRemoved(int index)
{
    --m_postCount;
    if (m_post == index)
        setPost(-1);
    else if (m_post > index)
        emit moved(--m_post);
}

void CPostSelection::holdFollowers()
{
    ++m_holds;
}

void CPostSelection::releaseFollowers()
{
    if (m_holds == 0 || --m_holds > 0 || !m_followPending)
        return;
    m_followPending = false;
    emit followed(m_post);
}

void CPostSelection::setPost(int post)
{
    if (post == m_post)
        return;
    m_post = post;
    emit changed(post);
    if (m_holds > 0)
        m_followPending = true;
    else
        emit followed(m_post);
}
