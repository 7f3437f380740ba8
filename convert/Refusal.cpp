#include "convert/Refusal.h"

std::string Refusal::Describe(const std::string& source) const {
    std::string text = source;
    if (line > 0)
        text += ':' + std::to_string(line);
    if (line > 0 && column > 0)
        text += ':' + std::to_string(column);
    return text + ": " + reason;
}
