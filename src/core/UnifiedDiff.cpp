#include "core/UnifiedDiff.h"

#include <algorithm>
#include <vector>

namespace {

enum class Line { Same, Removed, Added };

// Beyond this many changed lines the search for the shortest script costs
// more than the picture is worth.
constexpr int kMostChanges = 4000;

// Myers' greedy search for the shortest edit script from a[aFrom, aFrom + n)
// to b[bFrom, bFrom + m), kept as every round's frontier so that the script
// can be read back from the end.
class EditScript
{
public:
    EditScript(const QStringList &a, int aFrom, int n, const QStringList &b, int bFrom, int m)
        : m_a(a), m_b(b), m_aFrom(aFrom), m_bFrom(bFrom), m_n(n), m_m(m)
    {
    }

    std::vector<Line> lines()
    {
        const int max = m_n + m_m;
        const int offset = max + 1;
        // v[offset + k]: the furthest x reached on diagonal k = x - y.
        std::vector<int> v(2 * max + 3, 0);
        const int rounds = std::min(max, kMostChanges);
        for (int d = 0; d <= rounds; ++d) {
            m_frontiers.emplace_back(v.begin() + offset - d - 1, v.begin() + offset + d + 2);
            for (int k = -d; k <= d; k += 2) {
                int x = goesDown(d, k, [&](int diagonal) { return v[offset + diagonal]; })
                            ? v[offset + k + 1]
                            : v[offset + k - 1] + 1;
                int y = x - k;
                while (x < m_n && y < m_m && m_a.at(m_aFrom + x) == m_b.at(m_bFrom + y)) {
                    ++x;
                    ++y;
                }
                v[offset + k] = x;
                if (x >= m_n && y >= m_m)
                    return readBack();
            }
        }
        std::vector<Line> whole(m_n, Line::Removed);
        whole.insert(whole.end(), m_m, Line::Added);
        return whole;
    }

private:
    // A step down (a line added) rather than right (a line removed).
    template<typename Reach>
    static bool goesDown(int d, int k, Reach reach)
    {
        return k == -d || (k != d && reach(k - 1) < reach(k + 1));
    }

    std::vector<Line> readBack() const
    {
        std::vector<Line> script;
        int x = m_n;
        int y = m_m;
        for (int d = int(m_frontiers.size()) - 1; d >= 0; --d) {
            const std::vector<int> &frontier = m_frontiers[d];
            const auto reach = [&frontier, d](int diagonal) { return frontier[diagonal + d + 1]; };
            const int k = x - y;
            const bool down = goesDown(d, k, reach);
            const int previousK = down ? k + 1 : k - 1;
            const int previousX = d == 0 ? 0 : reach(previousK);
            const int previousY = d == 0 ? 0 : previousX - previousK;
            for (; x > previousX && y > previousY; --x, --y)
                script.push_back(Line::Same);
            if (d > 0)
                script.push_back(down ? Line::Added : Line::Removed);
            x = previousX;
            y = previousY;
        }
        std::reverse(script.begin(), script.end());
        return script;
    }

    const QStringList &m_a;
    const QStringList &m_b;
    const int m_aFrom;
    const int m_bFrom;
    const int m_n;
    const int m_m;
    std::vector<std::vector<int>> m_frontiers;
};

// The whole script: the lines both begin and end with are left out of the
// search, which keeps it small for the usual few edits in a long file.
std::vector<Line> scriptOf(const QStringList &before, const QStringList &after)
{
    const int n = int(before.size());
    const int m = int(after.size());
    int head = 0;
    while (head < n && head < m && before.at(head) == after.at(head))
        ++head;
    int tail = 0;
    while (tail < n - head && tail < m - head && before.at(n - 1 - tail) == after.at(m - 1 - tail))
        ++tail;
    std::vector<Line> script(head, Line::Same);
    const std::vector<Line> middle = EditScript(before, head, n - head - tail, after, head, m - head - tail).lines();
    script.insert(script.end(), middle.begin(), middle.end());
    script.insert(script.end(), tail, Line::Same);
    return script;
}

// One past the last change of the hunk that holds the change at `first`:
// changes closer than twice the context share a hunk.
int hunkEnd(const std::vector<Line> &script, int first, int context)
{
    const int count = int(script.size());
    int end = first;
    for (;;) {
        while (end < count && script[end] != Line::Same)
            ++end;
        int next = end;
        while (next < count && script[next] == Line::Same)
            ++next;
        if (next == count || next - end > 2 * context)
            return end;
        end = next;
    }
}

// diff(1) numbers an empty side by the line before it.
QString range(int start, int count)
{
    return QStringLiteral("%1,%2").arg(count == 0 ? start : start + 1).arg(count);
}

} // namespace

QString UnifiedDiff(const QStringList &before, const QStringList &after, int context)
{
    const std::vector<Line> script = scriptOf(before, after);
    const int count = int(script.size());
    // Where each line of the script stands in `before` and `after`.
    std::vector<int> beforeAt(count + 1, 0);
    std::vector<int> afterAt(count + 1, 0);
    for (int i = 0; i < count; ++i) {
        beforeAt[i + 1] = beforeAt[i] + (script[i] != Line::Added);
        afterAt[i + 1] = afterAt[i] + (script[i] != Line::Removed);
    }

    QString text;
    int i = 0;
    for (;;) {
        while (i < count && script[i] == Line::Same)
            ++i;
        if (i == count)
            break;
        const int start = std::max(0, i - context);
        const int stop = std::min(count, hunkEnd(script, i, context) + context);
        text += QStringLiteral("@@ -") + range(beforeAt[start], beforeAt[stop] - beforeAt[start]) + QStringLiteral(" +")
                + range(afterAt[start], afterAt[stop] - afterAt[start]) + QStringLiteral(" @@\n");
        for (int line = start; line < stop; ++line) {
            switch (script[line]) {
            case Line::Same:
                text += u' ' + before.at(beforeAt[line]);
                break;
            case Line::Removed:
                text += u'-' + before.at(beforeAt[line]);
                break;
            case Line::Added:
                text += u'+' + after.at(afterAt[line]);
                break;
            }
            text += u'\n';
        }
        i = stop;
    }
    return text;
}
