#include "convert/XmlText.h"

#include "convert/Utf8.h"

#include <cstdint>

namespace {
constexpr char kReplacement[] = "\xEF\xBF\xBD"; // U+FFFD
} // namespace

void AppendXmlText(std::string& xml, std::string_view utf8) {
    const uint8_t* p = reinterpret_cast<const uint8_t*>(utf8.data());
    const uint8_t* const end = p + utf8.size();
    while (p != end) {
        // A run of plain ASCII goes in at once: most of a Czech text is.
        const uint8_t* plain = p;
        while (plain != end && *plain >= 0x20 && *plain < 0x80 && *plain != '&' && *plain != '<' &&
               *plain != '>')
            ++plain;
        xml.append(reinterpret_cast<const char*>(p), static_cast<size_t>(plain - p));
        if ((p = plain) == end)
            break;
        const uint8_t* const from = p;
        char32_t character = *p;
        bool decoded = true;
        if (character < 0x80)
            ++p;
        else if (!DecodeUtf8(p, end, character)) {
            decoded = false; // a byte that is no UTF-8
            ++p;
        }
        if (!decoded || !IsXmlCharacter(character))
            xml += kReplacement;
        else if (character == '&')
            xml += "&amp;";
        else if (character == '<')
            xml += "&lt;";
        else if (character == '>')
            xml += "&gt;";
        else
            xml.append(reinterpret_cast<const char*>(from), static_cast<size_t>(p - from));
    }
}
