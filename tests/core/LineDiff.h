#pragma once

#include <QByteArray>
#include <QList>

// What a line diff of two files shows for one change: the lines the two
// have in common at the start and the end are left out, what remains in
// each is what was removed and what was added. Enough to check that an
// edit touched one stretch of a file and to count the lines it touched.
struct LineDiff
{
    qsizetype firstLine = 0; // first differing line, counted from 0
    QList<QByteArray> removed;
    QList<QByteArray> added;

    qsizetype size() const { return removed.size() + added.size(); }

    static LineDiff of(const QByteArray &before, const QByteArray &after)
    {
        const QList<QByteArray> a = before.split('\n'), b = after.split('\n');
        qsizetype head = 0;
        while (head < a.size() && head < b.size() && a[head] == b[head])
            ++head;
        qsizetype tail = 0;
        while (tail < a.size() - head && tail < b.size() - head && a[a.size() - 1 - tail] == b[b.size() - 1 - tail])
            ++tail;
        return {head, a.mid(head, a.size() - head - tail), b.mid(head, b.size() - head - tail)};
    }
};
