// Not a test by itself: prints what the results window shows for every right count of every count
// from 1 to 200 (the rate line, the verdict and the colour, as the program formats them, in
// Windows-1250), one "right count rate|verdict|colour" line each. The web page's test holds the
// page's own results against these lines.
#include "run/Verdict.h"

#include <cstdio>
#include <fcntl.h>
#include <io.h>

int main() {
    _setmode(_fileno(stdout), _O_BINARY);
    for (int count = 1; count <= 200; ++count) {
        for (int right = 0; right <= count; ++right) {
            const double percent = SuccessRate(right, count);
            std::printf("%d %d %s|%s|%06lx\n", right, count, static_cast<const char*>(RateText(percent)),
                        static_cast<const char*>(Verdict(percent)), RateColour(percent));
        }
    }
    return 0;
}
