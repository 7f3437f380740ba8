#include "platform/String.h"

#include "platform/Text.h"

#include <windows.h>

#include <clocale>
#include <cstdio>
#include <vector>

CString& CString::operator=(const char* text) {
    m_text = text ? text : "";
    return *this;
}

CString& CString::operator+=(const CString& text) {
    m_text += text.m_text;
    return *this;
}

CString& CString::operator+=(const char* text) {
    m_text += text ? text : "";
    return *this;
}

CString operator+(const CString& a, const CString& b) {
    CString result(a);
    result += b;
    return result;
}

CString operator+(const CString& a, const char* b) {
    CString result(a);
    result += b;
    return result;
}

CString operator+(const char* a, const CString& b) {
    CString result(a);
    result += b;
    return result;
}

CString CString::Left(int count) const {
    if (count <= 0)
        return CString();
    return CString(m_text.substr(0, static_cast<size_t>(count)).c_str());
}

CString CString::Mid(int first) const {
    if (first >= GetLength())
        return CString();
    return CString(m_text.substr(first < 0 ? 0 : static_cast<size_t>(first)).c_str());
}

int CString::ReverseFind(char c) const {
    const size_t at = m_text.rfind(c);
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

bool CString::LoadStringA(unsigned int id) {
    // With no buffer, LoadStringW hands out the resource's own text, which need not end in a NUL.
    const wchar_t* text = nullptr;
    const int length = LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0)
        return false;
    *this = FromWide(text, length);
    return true;
}

void CString::Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

void CString::FormatV(const char* format, va_list args) {
    // The C runtime follows the process locale; the program's numbers always use a full stop,
    // so the numeric locale is "C" while formatting (the program has one UI thread).
    const char* current = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = current ? current : "C";
    std::setlocale(LC_NUMERIC, "C");

    // The runtime's own formatting (msvcrt.dll's underscore functions), not the toolchain's
    // replacement behind vsnprintf: it rounds an exact tie up, as people do (3.125 gives "3.13").
    va_list measure;
    va_copy(measure, args);
    const int length = _vscprintf(format, measure);
    va_end(measure);
    if (length < 0) {
        m_text.clear();
    } else {
        std::vector<char> buffer(static_cast<size_t>(length) + 1);
        _vsnprintf(buffer.data(), buffer.size(), format, args);
        m_text.assign(buffer.data(), static_cast<size_t>(length));
    }
    std::setlocale(LC_NUMERIC, saved.c_str());
}
