#pragma once

#include <QString>

#include <functional>
#include <vector>

// The large feed every benchmark measures: posts of about 2 KB of escaped
// HTML each (10,000 posts make about 23 MB), titles of random words, dates
// in this program's form and in RFC 2822 form, links of several kinds.
// The same seed gives the same file.
bool writeBenchFeed(const QString &path, int posts);

// Runs the event loop until the condition holds; false after the time-out.
bool waitUntil(const std::function<bool()> &condition, int timeoutMs);

double median(std::vector<double> values);

// The fastest of `runs` calls, in milliseconds.
double bestOf(int runs, const std::function<void()> &run);

struct StepAndFloor
{
    double step = 0;
    double floor = 0;
};
// The fastest of `runs` calls of a step and of its floor, taking turns, so
// that a spell of a slower machine (another virtual machine on the same
// host, a clock step) falls on both alike rather than on one of them.
StepAndFloor bestOfTakingTurns(int runs, const std::function<void()> &step, const std::function<void()> &floor);

// A field of /proc/self/status in kB ("VmRSS", "VmHWM"); -1 when unread.
qint64 statusKilobytes(const char *key);

// Prints one of the project's goals: a step's figure as a ratio to its
// floor, measured in the same run, and whether the ratio is within the
// goal, as in "open 412.0 ms, floor 301.2 ms (bare expat parse): goal 1.2x,
// measured 1.37x: not met". Returns whether it is met.
bool printGoal(const QString &step, double measured, double floor, const QString &floorName, double goal,
               const char *unit = "ms");
// The same for a goal the project sets in time alone (every undo within 1 ms).
bool printLimit(const QString &step, double measured, double limit, const char *unit = "ms");
