#pragma once
// The numbers behind the results window: the success rate, its line of text, its colour and the
// verdict of its band. Plain functions, so the bands can be checked without a window.

#include "platform/String.h"

#include <windows.h>

constexpr COLORREF kPassColour = RGB(0, 128, 0);
constexpr COLORREF kFailColour = RGB(255, 0, 0);

// correct / count x 100 in double precision, the division first: all answers right give exactly
// 100.0. A count below 1 has no rate and gives 0.0.
double SuccessRate(int correct, int count);

// "Úspěšnost: 66.67 %": two decimals and a full stop whatever the locale.
CString RateText(double percent);

// Green from 50 % up, red below.
COLORREF RateColour(double percent);

// The verdict of the band that holds percent; every bound belongs to the higher band, and only
// exactly 100.0 is the top one. Compared on the double, not on its rounded text.
const char* Verdict(double percent);
