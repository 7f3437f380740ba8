#pragma once
// CListBox: a handle to a list-box control with the messages the program sends it.

#include "platform/Wnd.h"

class CListBox : public CWnd {
public:
    int AddString(const char* text);
    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int index);
    CString GetText(int index) const;
};
