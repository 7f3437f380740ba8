#pragma once
// A file's extension: the part after the last dot of the file name, never of a folder's name,
// compared without regard to ASCII case. One rule for the test folder, the program's paths and
// the converter's formats, for narrow and wide paths alike.

#include <cctype>
#include <string>
#include <type_traits>

// Where the extension's dot stands in path, or npos when the file name has none.
template <typename Char> size_t ExtensionDot(const std::basic_string<Char>& path) {
    const Char separators[] = {Char('/'), Char('\\'), Char(0)};
    const size_t dot = path.rfind(Char('.'));
    const size_t separator = path.find_last_of(separators);
    return dot != std::basic_string<Char>::npos &&
                   (separator == std::basic_string<Char>::npos || dot > separator)
               ? dot
               : std::basic_string<Char>::npos;
}

// Whether path ends in "." and extension (given in lower case).
template <typename Char> bool HasExtension(const std::basic_string<Char>& path, const char* extension) {
    const size_t dot = ExtensionDot(path);
    if (dot == std::basic_string<Char>::npos ||
        path.size() - dot - 1 != std::char_traits<char>::length(extension))
        return false;
    for (size_t i = dot + 1; i < path.size(); ++i, ++extension) {
        const auto c = static_cast<std::make_unsigned_t<Char>>(path[i]);
        if (c > 0x7F || std::tolower(static_cast<int>(c)) != *extension)
            return false;
    }
    return true;
}
