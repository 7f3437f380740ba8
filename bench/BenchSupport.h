#pragma once
// What every benchmark here shares: a clock, medians, failing on an error (never on speed) and the
// one line per figure that scripts/bench.sh gathers into its summary table.

#include <vector>

// A monotonic clock in seconds.
double Seconds();

// The middle value (the upper one of an even count); values must not be empty.
double Median(std::vector<double> values);

// Prints "<what> median <m> s, runs: <t1> <t2> ...".
void PrintTimes(const char* what, const std::vector<double>& times);

// Prints the message (printf style) to stderr and ends the benchmark with exit code 1.
[[noreturn]] void Fail(const char* format, ...);
void Require(bool condition, const char* what);

// Prints "figure  <what>  <ratio>  <goal>  <verdict>"; a goal of 0 means none is set. A missed
// goal is reported, never an error.
void PrintFigure(const char* what, double ratio, double goal);
