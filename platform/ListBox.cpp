#include "platform/ListBox.h"

#include "platform/Text.h"

int CListBox::AddString(const char* text) {
    const std::wstring wide = ToWide(text);
    return static_cast<int>(::SendMessageW(m_hWnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str())));
}

int CListBox::GetCount() const {
    return static_cast<int>(::SendMessageW(m_hWnd, LB_GETCOUNT, 0, 0));
}

int CListBox::GetCurSel() const {
    return static_cast<int>(::SendMessageW(m_hWnd, LB_GETCURSEL, 0, 0));
}

int CListBox::SetCurSel(int index) {
    return static_cast<int>(::SendMessageW(m_hWnd, LB_SETCURSEL, index, 0));
}

CString CListBox::GetText(int index) const {
    const int length = static_cast<int>(::SendMessageW(m_hWnd, LB_GETTEXTLEN, index, 0));
    if (length < 0)
        return CString();
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    ::SendMessageW(m_hWnd, LB_GETTEXT, index, reinterpret_cast<LPARAM>(&text[0]));
    return FromWide(text.c_str());
}
