#pragma once
// The results window's numbers and texts in the program's own terms: Windows-1250 text and
// COLORREF colours, taken from the one table in Scoring.

#include "platform/String.h"
#include "run/Scoring.h"

#include <windows.h>

constexpr COLORREF ToColorRef(Rgb colour) {
    return RGB(colour.red, colour.green, colour.blue);
}

constexpr COLORREF kPassColour = ToColorRef(Scoring::kPassColour);
constexpr COLORREF kFailColour = ToColorRef(Scoring::kFailColour);

// correct / count x 100 in double precision, the division first: all answers right give exactly
// 100.0. A count below 1 has no rate and gives 0.0.
double SuccessRate(int correct, int count);

// "Úspěšnost: 66.67 %": two decimals and a full stop whatever the locale.
CString RateText(double percent);

// Green from 50 % up, red below.
COLORREF RateColour(double percent);

// The verdict of the band that holds percent; every bound belongs to the higher band, and only
// exactly 100.0 is the top one. Compared on the double, not on its rounded text.
CString Verdict(double percent);
