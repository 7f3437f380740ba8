#pragma once
// Text inside an element of every XML the converter writes (the package's manifest, the printed
// document's parts): & < > as references and nothing else, since a platform's reader may split the
// text at every reference it meets and lose blanks on the way.

#include <string>
#include <string_view>

// Characters XML 1.0 can carry at all, even as a reference.
inline bool IsXmlCharacter(char32_t c) {
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
           (c >= 0x10000 && c <= 0x10FFFF);
}

// Appends utf8 to xml as element text. What no XML can hold (a file name on Linux may carry a
// control or bytes that are no UTF-8) gets U+FFFD in its place: a writer that must keep every
// character checks its texts before.
void AppendXmlText(std::string& xml, std::string_view utf8);

inline std::string XmlText(std::string_view utf8) {
    std::string xml;
    AppendXmlText(xml, utf8);
    return xml;
}
