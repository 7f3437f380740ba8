#include "bench/BenchSupport.h"

#include <windows.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>

double Seconds() {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void PrintTimes(const char* what, const std::vector<double>& times) {
    std::printf("%-14s median %.3f s, runs:", what, Median(times));
    for (double time : times)
        std::printf(" %.3f", time);
    std::printf("\n");
}

void Fail(const char* format, ...) {
    std::va_list arguments;
    va_start(arguments, format);
    std::fputs("error: ", stderr);
    std::vfprintf(stderr, format, arguments);
    std::fputs("\n", stderr);
    va_end(arguments);
    std::exit(1);
}

void Require(bool condition, const char* what) {
    if (!condition)
        Fail("%s", what);
}

void PrintFigure(const char* what, double ratio, double goal) {
    char goalText[32] = "none";
    const char* verdict = "";
    if (goal > 0) {
        std::snprintf(goalText, sizeof goalText, "<= %.1f", goal);
        verdict = ratio <= goal ? "met" : "MISSED";
    }
    std::printf("figure  %-36s %7.2f   %-8s %s\n", what, ratio, goalText, verdict);
    std::fflush(stdout);
}
