#include "core/SequenceDiff.h"

#include <cstdint>
#include <unordered_map>

namespace SequenceDiff {

namespace {

// Long enough that a run of words or markup is seldom repeated in a text,
// short enough that the text between two changes holds several.
constexpr int kRunLength = 8;

// Stretches shorter than this, together, are compared whole: the search
// for runs would cost more than it saves.
constexpr int kRunsFrom = 2048;

// A hash of each run of s[begin, end), by where the run starts.
std::vector<uint64_t> runHashes(const std::vector<int> &s, int begin, int end)
{
    constexpr uint64_t kBase = 1'000'003;
    uint64_t outgoing = 1; // the weight of a run's first item
    for (int i = 1; i < kRunLength; ++i)
        outgoing *= kBase;
    std::vector<uint64_t> hashes;
    hashes.reserve(size_t(std::max(0, end - begin - kRunLength + 1)));
    uint64_t hash = 0;
    for (int i = begin; i < end; ++i) {
        if (i - begin >= kRunLength)
            hash -= uint32_t(s[size_t(i - kRunLength)]) * outgoing;
        hash = hash * kBase + uint32_t(s[size_t(i)]);
        if (i - begin >= kRunLength - 1)
            hashes.push_back(hash);
    }
    return hashes;
}

// How often a run's hash occurs in each sequence, and where it last did.
struct Occurrences
{
    int aCount = 0, bCount = 0;
    int aAt = 0, bAt = 0;
};

// The longest chain of runs, taken in the order given (by their place in
// `a`), whose places in `b` increase too.
std::vector<Run> longestChain(const std::vector<Run> &runs)
{
    std::vector<int> ends; // for each chain length, the run ending the chain whose end in b is least
    std::vector<int> previous(runs.size(), -1);
    for (int r = 0; r < int(runs.size()); ++r) {
        const auto place = std::lower_bound(ends.begin(), ends.end(), runs[size_t(r)].bBegin,
                                            [&runs](int end, int bBegin) { return runs[size_t(end)].bBegin < bBegin; });
        if (place != ends.begin())
            previous[size_t(r)] = *(place - 1);
        if (place == ends.end())
            ends.push_back(r);
        else
            *place = r;
    }
    std::vector<Run> chain;
    for (int r = ends.empty() ? -1 : ends.back(); r >= 0; r = previous[size_t(r)])
        chain.push_back(runs[size_t(r)]);
    std::reverse(chain.begin(), chain.end());
    return chain;
}

// The chain with runs that overlap the one before dropped, and runs that
// continue the one before along the same diagonal joined to it.
std::vector<Run> apart(const std::vector<Run> &chain)
{
    std::vector<Run> runs;
    for (const Run &run : chain) {
        if (!runs.empty()) {
            Run &last = runs.back();
            const bool continues = run.aBegin - last.aBegin == run.bBegin - last.bBegin && run.aBegin <= last.aBegin + last.length;
            if (continues) {
                last.length = run.aBegin + run.length - last.aBegin;
                continue;
            }
            if (run.aBegin < last.aBegin + last.length || run.bBegin < last.bBegin + last.length)
                continue;
        }
        runs.push_back(run);
    }
    return runs;
}

} // namespace

std::vector<Run> uniqueRuns(const std::vector<int> &a, int aBegin, int aEnd, const std::vector<int> &b, int bBegin, int bEnd)
{
    if (aEnd - aBegin + bEnd - bBegin < kRunsFrom)
        return {};
    const std::vector<uint64_t> aHashes = runHashes(a, aBegin, aEnd);
    const std::vector<uint64_t> bHashes = runHashes(b, bBegin, bEnd);
    std::unordered_map<uint64_t, Occurrences> seen;
    seen.reserve(aHashes.size() + bHashes.size());
    for (size_t i = 0; i < aHashes.size(); ++i) {
        Occurrences &found = seen[aHashes[i]];
        ++found.aCount;
        found.aAt = aBegin + int(i);
    }
    for (size_t j = 0; j < bHashes.size(); ++j) {
        const auto found = seen.find(bHashes[j]);
        if (found != seen.end()) {
            ++found->second.bCount;
            found->second.bAt = bBegin + int(j);
        }
    }
    std::vector<Run> candidates;
    for (const uint64_t hash : aHashes) {
        const Occurrences &found = seen.at(hash);
        // Alike hashes of runs that differ are possible, if rare.
        if (found.aCount == 1 && found.bCount == 1
            && std::equal(a.begin() + found.aAt, a.begin() + found.aAt + kRunLength, b.begin() + found.bAt))
            candidates.push_back({found.aAt, found.bAt, kRunLength});
    }
    return apart(longestChain(candidates));
}

} // namespace SequenceDiff
