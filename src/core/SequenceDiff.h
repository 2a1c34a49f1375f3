#pragma once

#include <algorithm>
#include <utility>
#include <vector>

// The items two sequences have in common, in order, found by Myers' O(ND)
// difference algorithm in linear space: the cost grows with the length
// times the number of differences, so a few edits far apart in a long text
// are found as a few small changes, not one stretch from the first to the
// last. The work is bounded by a budget of comparisons, in all: a stretch
// whose differences are too many for its share, or that is reached once
// the budget is spent, is taken as changed whole.
namespace SequenceDiff {

// Index pairs (i, j), increasing in both, with equal(i, j) true for each:
// a longest common subsequence of a[0, n) and b[0, m) where the budget
// allows. `equal` takes an index of each sequence.
template<typename Equal>
std::vector<std::pair<int, int>> matches(int n, int m, Equal equal, long long budget = 50'000'000);

// The same for two sequences of numbers, where items with equal numbers
// are equal (`equal` may find more pairs alike, never fewer). Runs that
// stand once in each sequence, in the same order, are matched first, and
// only the stretches between them are compared: a long text with many
// small changes spread through it costs about its length, and two texts
// with little in common give up early.
template<typename Equal>
std::vector<std::pair<int, int>> matches(const std::vector<int> &a, const std::vector<int> &b, Equal equal,
                                         long long budget = 50'000'000);

// A run of `length` items that stands at a[aBegin] and at b[bBegin].
struct Run
{
    int aBegin, bBegin, length;
};

// Runs of a fixed length that occur exactly once in a[aBegin, aEnd) and
// once in b[bBegin, bEnd), the longest chain of them that is in order in
// both and does not overlap.
std::vector<Run> uniqueRuns(const std::vector<int> &a, int aBegin, int aEnd, const std::vector<int> &b, int bBegin, int bEnd);

// A stretch where the sequences differ: a[aBegin, aEnd) stands where b has
// b[bBegin, bEnd).
struct Gap
{
    int aBegin, aEnd, bBegin, bEnd;
};

// The stretches between the matches of a[0, n) and b[0, m), in order.
inline std::vector<Gap> gaps(const std::vector<std::pair<int, int>> &matches, int n, int m)
{
    std::vector<Gap> found;
    int a = 0, b = 0;
    const auto gapTo = [&](int aNext, int bNext) {
        if (aNext > a || bNext > b)
            found.push_back({a, aNext, b, bNext});
        a = aNext + 1;
        b = bNext + 1;
    };
    for (const auto &[i, j] : matches)
        gapTo(i, j);
    gapTo(n, m);
    return found;
}

namespace detail {

template<typename Equal>
class Matcher
{
public:
    Matcher(Equal equal, int maxDifferences, long long budget)
        : m_equal(equal)
        , m_max(maxDifferences)
        , m_budget(budget)
        , m_forward(size_t(2 * maxDifferences + 4))
        , m_backward(size_t(2 * maxDifferences + 4))
    {
    }

    void compare(int a0, int a1, int b0, int b1)
    {
        while (a0 < a1 && b0 < b1 && m_equal(a0, b0))
            m_out.emplace_back(a0++, b0++);
        int tail = 0;
        while (a0 < a1 - tail && b0 < b1 - tail && m_equal(a1 - 1 - tail, b1 - 1 - tail))
            ++tail;
        int x = 0, y = 0;
        if (a0 < a1 - tail && b0 < b1 - tail && split(a0, a1 - tail, b0, b1 - tail, &x, &y)) {
            compare(a0, a0 + x, b0, b0 + y);
            compare(a0 + x, a1 - tail, b0 + y, b1 - tail);
        }
        for (int i = tail; i > 0; --i)
            m_out.emplace_back(a1 - i, b1 - i);
    }

    // A run known to be alike in both, matched as it stands.
    void matchRun(const Run &run)
    {
        for (int i = 0; i < run.length; ++i)
            m_out.emplace_back(run.aBegin + i, run.bBegin + i);
    }

    std::vector<std::pair<int, int>> result() { return std::move(m_out); }

private:
    // One search for a split point: the stretch, and the diagonals that ran
    // off an edge, which are not followed further.
    struct Search
    {
        int a0, a1, b0, b1;
        int n, m, delta, offset, size;
        bool odd;
        int forwardStart = 0, forwardEnd = 0, backwardStart = 0, backwardEnd = 0;
    };

    // A point (x, y) of the stretch that a shortest edit script passes
    // through, found where the paths from its start and from its end meet;
    // false when the script is longer than the budget allows, or the
    // budget is spent, and the stretch stays unmatched.
    bool split(int a0, int a1, int b0, int b1, int *splitX, int *splitY)
    {
        const int n = a1 - a0, m = b1 - b0;
        Search s{a0, a1, b0, b1, n, m, n - m, m_max + 1, int(m_forward.size()), ((n - m) & 1) != 0};
        std::fill(m_forward.begin(), m_forward.end(), -1);
        std::fill(m_backward.begin(), m_backward.end(), -1);
        m_forward[size_t(s.offset + 1)] = 0;
        m_backward[size_t(s.offset + 1)] = 0;
        const int last = std::min(m_max, (n + m + 1) / 2);
        for (int d = 0; d < last && m_budget > 0; ++d) {
            if (forwardStep(s, d, splitX, splitY) || backwardStep(s, d, splitX, splitY))
                return true;
        }
        return false;
    }

    // The paths from the stretch's start, one edit longer.
    bool forwardStep(Search &s, int d, int *splitX, int *splitY)
    {
        for (int k = -d + s.forwardStart; k <= d - s.forwardEnd; k += 2) {
            const size_t at = size_t(s.offset + k);
            int x = k == -d || (k != d && m_forward[at - 1] < m_forward[at + 1]) ? m_forward[at + 1] : m_forward[at - 1] + 1;
            int y = x - k;
            const int start = x;
            while (x < s.n && y < s.m && m_equal(s.a0 + x, s.b0 + y)) {
                ++x;
                ++y;
            }
            m_budget -= x - start + 1;
            m_forward[at] = x;
            if (x > s.n) {
                s.forwardEnd += 2;
            } else if (y > s.m) {
                s.forwardStart += 2;
            } else if (s.odd) {
                const int other = s.offset + s.delta - k;
                if (other >= 0 && other < s.size && m_backward[size_t(other)] != -1 && x >= s.n - m_backward[size_t(other)]) {
                    *splitX = x;
                    *splitY = y;
                    return true;
                }
            }
        }
        return false;
    }

    // The paths from the stretch's end, one edit longer.
    bool backwardStep(Search &s, int d, int *splitX, int *splitY)
    {
        for (int k = -d + s.backwardStart; k <= d - s.backwardEnd; k += 2) {
            const size_t at = size_t(s.offset + k);
            int x = k == -d || (k != d && m_backward[at - 1] < m_backward[at + 1]) ? m_backward[at + 1] : m_backward[at - 1] + 1;
            int y = x - k;
            const int start = x;
            while (x < s.n && y < s.m && m_equal(s.a1 - 1 - x, s.b1 - 1 - y)) {
                ++x;
                ++y;
            }
            m_budget -= x - start + 1;
            m_backward[at] = x;
            if (x > s.n) {
                s.backwardEnd += 2;
            } else if (y > s.m) {
                s.backwardStart += 2;
            } else if (!s.odd) {
                const int other = s.offset + s.delta - k;
                if (other >= 0 && other < s.size && m_forward[size_t(other)] != -1) {
                    const int forwardX = m_forward[size_t(other)];
                    if (forwardX >= s.n - x) {
                        *splitX = forwardX;
                        *splitY = forwardX - (other - s.offset);
                        return true;
                    }
                }
            }
        }
        return false;
    }

    Equal m_equal;
    int m_max;
    long long m_budget; // comparisons left
    std::vector<int> m_forward;
    std::vector<int> m_backward;
    std::vector<std::pair<int, int>> m_out;
};

// The most differences one split may look for: the budget's share per
// item of both sequences.
inline int maxDifferences(int n, int m, long long budget)
{
    const long long length = std::max(1LL, static_cast<long long>(n) + m);
    return int(std::clamp(budget / length, 64LL, length));
}

} // namespace detail

template<typename Equal>
std::vector<std::pair<int, int>> matches(int n, int m, Equal equal, long long budget)
{
    detail::Matcher<Equal> matcher(equal, detail::maxDifferences(n, m, budget), budget);
    matcher.compare(0, n, 0, m);
    return matcher.result();
}

template<typename Equal>
std::vector<std::pair<int, int>> matches(const std::vector<int> &a, const std::vector<int> &b, Equal equal, long long budget)
{
    const int n = int(a.size()), m = int(b.size());
    detail::Matcher<Equal> matcher(equal, detail::maxDifferences(n, m, budget), budget);
    // The ends alike need no runs; comparing them item by item is cheaper.
    int head = 0, tail = 0;
    while (head < n && head < m && a[size_t(head)] == b[size_t(head)])
        ++head;
    while (tail < n - head && tail < m - head && a[size_t(n - 1 - tail)] == b[size_t(m - 1 - tail)])
        ++tail;
    int aAt = head, bAt = head;
    matcher.compare(0, head, 0, head);
    for (const Run &run : uniqueRuns(a, head, n - tail, b, head, m - tail)) {
        matcher.compare(aAt, run.aBegin, bAt, run.bBegin);
        matcher.matchRun(run);
        aAt = run.aBegin + run.length;
        bAt = run.bBegin + run.length;
    }
    matcher.compare(aAt, n, bAt, m);
    return matcher.result();
}

} // namespace SequenceDiff
