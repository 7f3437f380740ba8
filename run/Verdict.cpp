#include "run/Verdict.h"

double SuccessRate(int correct, int count) {
    if (count < 1)
        return 0.0;
    return static_cast<double>(correct) / count * 100.0;
}

CString RateText(double percent) {
    CString text;
    text.Format("Úspěšnost: %0.2f %%", percent);
    return text;
}

COLORREF RateColour(double percent) {
    return percent < 50.0 ? kFailColour : kPassColour;
}

const char* Verdict(double percent) {
    if (percent < 20.0)
        return "Hrůza.....!";
    if (percent < 40.0)
        return "Je to bída.....!";
    if (percent < 60.0)
        return "Průměrný výsledek.....";
    if (percent < 80.0)
        return "Docela dobré.....";
    if (percent < 100.0)
        return "Výborně.....";
    return "Absolutní úspěšnost!!!";
}
