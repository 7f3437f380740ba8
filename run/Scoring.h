#pragma once
// How a finished quiz is judged and shown, in one place for the program's windows and the web
// page the converter writes: the rate, the verdicts of the six bands, the colours and the texts
// that judge an answer. Plain C++ with no Win32, so the native converter builds it too. The texts
// are u8 literals, UTF-8 in every build (the Windows build would turn plain ones into
// Windows-1250); the windows convert them.

#include <cmath>
#include <cstdint>
#include <string>

struct Rgb {
    uint8_t red, green, blue;
};

class Scoring {
public:
    // From its lower bound up to the next band's; every bound belongs to the higher band, and the
    // top band starts at exactly 100.0, the rate of a quiz answered all right.
    struct Band {
        double from;
        const char* verdict;
    };
    static constexpr Band kBands[] = {
        {0.0, u8"Hrůza.....!"},        {20.0, u8"Je to bída.....!"}, {40.0, u8"Průměrný výsledek....."},
        {60.0, u8"Docela dobré....."}, {80.0, u8"Výborně....."},     {100.0, u8"Absolutní úspěšnost!!!"},
    };

    // Green from 50 % up, red below.
    static constexpr double kPassFrom = 50.0;
    static constexpr Rgb kPassColour = {0, 128, 0};
    static constexpr Rgb kFailColour = {255, 0, 0};

    // "%0.2f" as the program's runtime rounds it: an exact tie rounds up (3.125 gives 3.13).
    static constexpr const char* kRateFormat = u8"Úspěšnost: %0.2f %%";

    static constexpr const char* kRightAnswer = u8"Správná odpověď!";
    // Around the right option's text; with no right option (only a foreign file has none) the two
    // stand together.
    static constexpr const char* kWrongAnswer = u8"Špatně, správná odpověď je: ";
    static constexpr const char* kWrongAnswerEnd = u8"!";

    // correct / count x 100 in double precision, the division first: all answers right give
    // exactly 100.0 for any count. A count below 1 has no rate and gives 0.0.
    static double Rate(int correct, int count) {
        return count < 1 ? 0.0 : static_cast<double>(correct) / count * 100.0;
    }

    // The number kRateFormat writes, "85.00": the runtime's "%0.2f" rounds the double's exact value
    // and an exact tie up, so 1 of 32 (3.125) is 3.13 while 23 of 160 (14.374999999999998...) is
    // 14.37. glibc rounds that tie down, so the converter writes its rates through this instead of
    // the C library, the same in both builds. For rates from 0 to 100.
    static std::string RateDigits(double percent) {
        int exponent = 0;
        const double fraction = std::frexp(percent, &exponent); // percent = fraction x 2^exponent
        const uint64_t scaled = static_cast<uint64_t>(std::ldexp(fraction, 53)) * 100; // below 2^60
        // hundredths = scaled x 2^-shift, rounded half up; a rate has shift > 0 (it is below 2^53)
        const int shift = 53 - exponent;
        uint64_t hundredths = 0;
        if (shift < 62)
            hundredths = (scaled >> shift) + ((scaled >> (shift - 1)) & 1);
        const std::string cents = std::to_string(hundredths % 100);
        return std::to_string(hundredths / 100) + (cents.size() < 2 ? ".0" : ".") + cents;
    }

    static bool Passed(double percent) { return percent >= kPassFrom; }

    // The verdict of the band that holds percent, compared on the double, not on its rounded text.
    static const char* Verdict(double percent) {
        const Band* band = kBands;
        for (const Band& next : kBands)
            if (percent >= next.from)
                band = &next;
        return band->verdict;
    }
};
