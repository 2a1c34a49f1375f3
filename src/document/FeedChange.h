#pragma once

#include <QString>
#include <QUndoCommand>

#include <functional>

// One change of a feed on the document's undo stack. The document makes the
// change before it pushes the command, so the push does not make it again;
// undo and redo are the change's exact inverse and the change itself.
// Consecutive changes with the same merge id and key (typing in one field of
// one post) become one: the first keeps what stood before them all. Typing
// that brings the field back to where it began is no change: the merged
// command turns obsolete and leaves the stack.
class CFeedChange : public QUndoCommand
{
public:
    CFeedChange(const QString &text, std::function<void()> undo, std::function<void()> redo);

    void setMergeKey(int id, const QString &key);
    // Asked after each merge: true when the merged change leaves the feed as
    // it was before the first, which the call then puts back byte for byte.
    void setRevertIfUnchanged(std::function<bool()> revertIfUnchanged);

    void undo() override;
    void redo() override;
    int id() const override { return m_mergeId; }
    bool mergeWith(const QUndoCommand *other) override;

private:
    std::function<void()> m_undo;
    std::function<void()> m_redo;
    int m_mergeId = -1;
    QString m_mergeKey;
    std::function<bool()> m_revertIfUnchanged;
    bool m_done = true;
};
