#pragma once
// Text from outside the program (typed or pasted into a field, read from a file) against
// Windows-1250: which of its characters the code page cannot hold, where they stand, and the one
// message that names them, so that every place that takes such text refuses it in the same words
// instead of storing '?'. Portable: UTF-16 in, UTF-8 out, no Win32.

#include <cstddef>
#include <string>
#include <vector>

class Cp1250Check {
public:
    // A character Windows-1250 has no byte for: where it starts and how many UTF-16 units it
    // takes (2 for a surrogate pair, which is one character with its real code point).
    struct Misfit {
        size_t index;
        size_t length;
        char32_t character;
    };

    // Every such character of the text, in order. A surrogate without its pair is one too.
    static std::vector<Misfit> Find(const char16_t* text, size_t length);
    static std::vector<Misfit> Find(const std::u16string& text) { return Find(text.data(), text.size()); }

    // The message that names each of the characters once, in the order given: "Znak „π“ (U+03C0)
    // nelze do testu uložit, ..." for one, the same shape in the plural for several. UTF-8.
    static std::string Message(const std::vector<char32_t>& characters);
    // "U+03C0", "U+1F600": four hex digits at least, as character tables write a character.
    static std::string CodePoint(char32_t character);
    // The same words for one character, as the converter gives them after the file and position.
    static std::string Message(char32_t character) { return Message(std::vector<char32_t>{character}); }
};
