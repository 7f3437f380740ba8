#pragma once
// The UI thread: its main window and its message loop.

#include <windows.h>

class CWnd;

class CWinThread {
public:
    virtual ~CWinThread() = default;

    CWnd* GetMainWnd() const { return m_pMainWnd; }

    // The start-up hook; false ends the program before the message loop.
    virtual BOOL InitInstance() { return TRUE; }
    // Runs the message loop until WM_QUIT; returns its exit code.
    virtual int Run();

    CWnd* m_pMainWnd = nullptr;
    // The message the innermost window procedure is handling, for CWnd::Default. It lives here,
    // not in the window object, because a handler may destroy its window and with it the object.
    MSG m_lastSentMsg = {};
};
