#pragma once
// CString: NUL-terminated Windows-1250 bytes, as the program's texts and files hold them.

#include <cstdarg>
#include <string>

class CString {
public:
    CString() = default;
    CString(const char* text) : m_text(text ? text : "") {}
    CString(const char* text, int length) : m_text(text, static_cast<size_t>(length)) {}

    operator const char*() const { return m_text.c_str(); }
    const char* GetString() const { return m_text.c_str(); }
    int GetLength() const { return static_cast<int>(m_text.size()); }
    bool IsEmpty() const { return m_text.empty(); }
    void Empty() { m_text.clear(); }

    CString& operator=(const char* text);
    CString& operator+=(const CString& text);
    CString& operator+=(const char* text);
    friend CString operator+(const CString& a, const CString& b);
    friend CString operator+(const CString& a, const char* b);
    friend CString operator+(const char* a, const CString& b);
    bool operator==(const CString& other) const { return m_text == other.m_text; }
    bool operator!=(const CString& other) const { return m_text != other.m_text; }
    bool operator==(const char* other) const { return m_text == (other ? other : ""); }
    bool operator!=(const char* other) const { return !(*this == other); }

    CString Left(int count) const;
    CString Mid(int first) const;
    // Index of the last occurrence of c, or -1.
    int ReverseFind(char c) const;

    // Replaces the text with the string resource id of the program's module; false when there is
    // none.
    bool LoadStringA(unsigned int id);

    // printf-style, as the C runtime the program links formats: "%0.2f" gives a full stop as the
    // decimal separator whatever the locale, and rounds an exact tie up.
    void Format(const char* format, ...);
    void FormatV(const char* format, va_list args);

private:
    std::string m_text;
};
