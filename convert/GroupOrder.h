#pragma once
// The order in which each group of a test on paper asks its questions. Group A asks them as typed;
// every further group in an order of its own, drawn from the test's name and its number of
// questions alone, so that mending a typo never reorders sheets already printed. Wherever there are
// at least as many questions as groups, no question stands at the same number in two groups: a
// neighbour's question 5 is never yours. The draw is ours, not the standard library's, whose
// shuffles differ between implementations: the native and the Windows converter write one order.

#include <cstdint>
#include <string>
#include <vector>

class GroupOrder {
public:
    // For each of groups groups, the index of the question at each number (from 0).
    static std::vector<std::vector<int32_t>> Make(const std::string& testName, int32_t count, int groups);
};
