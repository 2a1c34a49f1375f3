#include "document/FeedChange.h"

CFeedChange::CFeedChange(const QString &text, std::function<void()> undo, std::function<void()> redo)
    : QUndoCommand(text)
    , m_undo(std::move(undo))
    , m_redo(std::move(redo))
{
}

void CFeedChange::setMergeKey(int id, const QString &key)
{
    m_mergeId = id;
    m_mergeKey = key;
}

void CFeedChange::setRevertIfUnchanged(std::function<bool()> revertIfUnchanged)
{
    m_revertIfUnchanged = std::move(revertIfUnchanged);
}

void CFeedChange::undo()
{
    m_undo();
    m_done = false;
}

// The push calls this once for a change already made.
void CFeedChange::redo()
{
    if (!m_done)
        m_redo();
    m_done = true;
}

// This command's undo already gives back what stood before the other.
bool CFeedChange::mergeWith(const QUndoCommand *other)
{
    const auto *change = static_cast<const CFeedChange *>(other);
    if (change->m_mergeKey != m_mergeKey)
        return false;
    if (m_revertIfUnchanged && m_revertIfUnchanged())
        setObsolete(true);
    return true;
}
