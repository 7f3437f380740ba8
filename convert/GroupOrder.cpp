#include "convert/GroupOrder.h"

#include <utility>

namespace {

// SplitMix64, seeded from the name and the count by FNV-1a: small, fast and the same everywhere.
class Draw {
public:
    Draw(const std::string& name, int32_t count) {
        m_state = 0xcbf29ce484222325u;
        const auto mix = [this](uint8_t byte) { m_state = (m_state ^ byte) * 0x100000001b3u; };
        for (const char c : name)
            mix(static_cast<uint8_t>(c));
        for (int shift = 0; shift < 32; shift += 8)
            mix(static_cast<uint8_t>(static_cast<uint32_t>(count) >> shift));
    }

    // Evenly below bound (at least 1): the few draws that would favour the low values are drawn again.
    uint64_t Below(uint64_t bound) {
        const uint64_t limit = UINT64_MAX - UINT64_MAX % bound;
        uint64_t value;
        do
            value = Next();
        while (value >= limit);
        return value % bound;
    }

private:
    uint64_t Next() {
        uint64_t z = (m_state += 0x9e3779b97f4a7c15u);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9u;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebu;
        return z ^ (z >> 31);
    }

    uint64_t m_state;
};

} // namespace

// The questions are put in a ring in a drawn order; group g asks at each number the question that
// stands offset[g] places after the typed one in that ring. Group A's offset is 0 and the others'
// are drawn apart from each other and from 0, so at one number two groups never meet.
std::vector<std::vector<int32_t>> GroupOrder::Make(const std::string& testName, int32_t count, int groups) {
    std::vector<std::vector<int32_t>> orders(static_cast<size_t>(groups));
    if (count < 1)
        return orders;
    Draw draw(testName, count);
    std::vector<int32_t> ring(static_cast<size_t>(count)); // Fisher-Yates over 0 .. count-1
    for (int32_t i = 0; i < count; ++i)
        ring[i] = i;
    for (int32_t i = count - 1; i > 0; --i)
        std::swap(ring[i], ring[draw.Below(static_cast<uint64_t>(i) + 1)]);
    std::vector<int32_t> place(static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i)
        place[ring[i]] = i;

    std::vector<int32_t> offsets(1, 0);
    if (count >= groups) {
        std::vector<int32_t> free; // 1 .. count-1, the first ones drawn without repeats
        for (int32_t i = 1; i < count; ++i)
            free.push_back(i);
        for (int g = 1; g < groups; ++g) {
            std::swap(free[g - 1], free[g - 1 + draw.Below(free.size() - (g - 1))]);
            offsets.push_back(free[g - 1]);
        }
    } else {
        for (int g = 1; g < groups; ++g) // too few questions to keep every number apart
            offsets.push_back(g % count);
    }
    for (int g = 0; g < groups; ++g) {
        orders[g].resize(static_cast<size_t>(count));
        for (int32_t i = 0; i < count; ++i)
            orders[g][i] = ring[(place[i] + offsets[g]) % count];
    }
    return orders;
}
