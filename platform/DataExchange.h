#pragma once
// Dialog data exchange: binds controls to members in both directions. Saving a value the control
// cannot give (a whole number that isn't one) tells the user, focuses the control and fails the
// whole exchange (CUserException, caught by UpdateData).

#include "platform/String.h"

#include <windows.h>

class CWnd;

class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate)
        : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}

    HWND PrepareCtrl(int id);
    HWND PrepareEditCtrl(int id);
    [[noreturn]] void Fail();

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;

private:
    HWND m_lastControl = nullptr;
    bool m_lastIsEdit = false;
};

void DDX_Text(CDataExchange* pDX, int id, CString& value);
// A whole decimal number; anything else is refused with a message.
void DDX_Text(CDataExchange* pDX, int id, int& value);
// Index of the checked radio button of the group that starts at firstId, -1 for none; loading a
// value outside the group checks none.
void DDX_Radio(CDataExchange* pDX, int firstId, int& value);
// The selected list entry's text (empty with no selection).
void DDX_LBString(CDataExchange* pDX, int id, CString& value);

// Reads a whole decimal number: optional blanks, an optional sign, digits, optional blanks. A
// number beyond the range of int is held at INT_MAX or INT_MIN. False for anything else.
bool ParseWholeNumber(const char* text, int& value);
