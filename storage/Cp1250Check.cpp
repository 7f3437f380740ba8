#include "storage/Cp1250Check.h"

#include "platform/ProgramMessages.h"
#include "storage/Cp1250.h"

#include <algorithm>
#include <cstdio>

namespace {
bool IsLeadSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsTrailSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

void AppendUtf8(std::string& out, char32_t character) {
    // UTF-8 has no form for a surrogate without its pair; the box shows the replacement mark.
    if (character >= 0xD800 && character <= 0xDFFF)
        character = 0xFFFD;
    if (character < 0x80) {
        out += static_cast<char>(character);
    } else if (character < 0x800) {
        out += static_cast<char>(0xC0 | (character >> 6));
        out += static_cast<char>(0x80 | (character & 0x3F));
    } else if (character < 0x10000) {
        out += static_cast<char>(0xE0 | (character >> 12));
        out += static_cast<char>(0x80 | ((character >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (character & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (character >> 18));
        out += static_cast<char>(0x80 | ((character >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((character >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (character & 0x3F));
    }
}

// „π“ (U+03C0)
std::string Named(char32_t character) {
    std::string named = u8"„";
    AppendUtf8(named, character);
    return named + u8"“ (" + Cp1250Check::CodePoint(character) + ")";
}
} // namespace

std::vector<Cp1250Check::Misfit> Cp1250Check::Find(const char16_t* text, size_t length) {
    std::vector<Misfit> misfits;
    for (size_t at = 0; at < length;) {
        char32_t character = text[at];
        size_t units = 1;
        if (IsLeadSurrogate(character) && at + 1 < length && IsTrailSurrogate(text[at + 1])) {
            character = 0x10000 + ((character - 0xD800) << 10) + (text[at + 1] - 0xDC00);
            units = 2;
        }
        if (Cp1250::FromUnicode(character) < 0)
            misfits.push_back({at, units, character});
        at += units;
    }
    return misfits;
}

std::string Cp1250Check::Message(const std::vector<char32_t>& characters) {
    std::vector<char32_t> distinct;
    for (char32_t character : characters)
        if (std::find(distinct.begin(), distinct.end(), character) == distinct.end())
            distinct.push_back(character);
    if (distinct.empty())
        return std::string();
    std::string list = Named(distinct[0]);
    for (size_t i = 1; i + 1 < distinct.size(); ++i)
        list += ", " + Named(distinct[i]);
    if (distinct.size() > 1)
        list += u8" a " + Named(distinct.back());
    std::string text =
        distinct.size() == 1 ? ProgramMessages::kOneMisfit.text : ProgramMessages::kSeveralMisfits.text;
    return text.replace(text.find("%s"), 2, list);
}

std::string Cp1250Check::CodePoint(char32_t character) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "U+%04X", static_cast<unsigned>(character));
    return hex;
}
