#include "run/Verdict.h"

#include "platform/Text.h"

double SuccessRate(int correct, int count) {
    return Scoring::Rate(correct, count);
}

CString RateText(double percent) {
    CString text;
    text.Format(FromUtf8(Scoring::kRateFormat), percent);
    return text;
}

COLORREF RateColour(double percent) {
    return Scoring::Passed(percent) ? kPassColour : kFailColour;
}

CString Verdict(double percent) {
    return FromUtf8(Scoring::Verdict(percent));
}
