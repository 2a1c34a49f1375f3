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
