#pragma once
// CWnd: a thin, non-owning handle to a window with a few helpers, and the base of every window
// class of the program. One window procedure (StaticWindowProc) binds the object to its window at
// WM_NCCREATE and forwards every message to the object's message map through GuardedWindowProc,
// which the dialog procedure uses too. Nothing escapes it: an exception from a handler is
// reported in a message box and the program goes on.

#include "platform/MessageMap.h"
#include "platform/String.h"

#include <windows.h>

#include <string>

class CDataExchange;

class CWnd {
public:
    CWnd() = default;
    explicit CWnd(HWND hwnd) : m_hWnd(hwnd) {}
    // A copy is a plain handle to the same window: it neither receives its messages nor destroys it.
    CWnd(const CWnd& other) : m_hWnd(other.m_hWnd) {}
    CWnd& operator=(const CWnd&) = delete;
    // Destroys the window if it is still bound to this object.
    virtual ~CWnd();

    operator HWND() const { return m_hWnd; }

    // Creation through the framework's window procedure; className nullptr takes the default
    // class for child windows (double clicks, redraw on resize, arrow cursor, no brush).
    BOOL Create(const char* className, const char* windowName, DWORD style, const RECT& rect, CWnd* parent,
                UINT id, void* context = nullptr);
    BOOL CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style, int x, int y,
                  int width, int height, HWND parent, HMENU menuOrId, void* context = nullptr);
    // Wraps an existing window without taking it over (no messages, no destruction).
    void Attach(HWND hwnd) { m_hWnd = hwnd; }
    HWND Detach() {
        HWND hwnd = m_hWnd;
        m_hWnd = nullptr;
        return hwnd;
    }

    // Window helpers; texts are Windows-1250.
    void SetWindowTextA(const char* text);
    CString GetWindowTextA() const;
    // The text as the window holds it, every character included (typed or pasted text can hold
    // characters that Windows-1250 cannot).
    std::wstring GetWindowTextW() const;
    CWnd GetDlgItem(int id) const { return CWnd(::GetDlgItem(m_hWnd, id)); }
    void SetDlgItemTextA(int id, const char* text);
    CString GetDlgItemTextA(int id) const;
    void SetDlgItemInt(int id, int value, BOOL isSigned = TRUE);
    BOOL EnableWindow(BOOL enable = TRUE) { return ::EnableWindow(m_hWnd, enable); }
    HWND SetFocus() { return ::SetFocus(m_hWnd); }
    BOOL ShowWindow(int command) { return ::ShowWindow(m_hWnd, command); }
    BOOL UpdateWindow() { return ::UpdateWindow(m_hWnd); }
    void GetClientRect(RECT* rect) const { ::GetClientRect(m_hWnd, rect); }
    BOOL InvalidateRect(const RECT* rect, BOOL erase = TRUE) { return ::InvalidateRect(m_hWnd, rect, erase); }
    HWND SetCapture() { return ::SetCapture(m_hWnd); }
    HWND GetParent() const { return ::GetParent(m_hWnd); }
    BOOL SetMenu(HMENU menu) { return ::SetMenu(m_hWnd, menu); }
    BOOL PostMessageA(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    // A modal message box owned by this window; returns the button pressed.
    int MessageBoxA(const char* text, const char* title, UINT type);
    // The owner of a box that belongs to no window in particular: the top-level window of parent,
    // or without one the main window's last active popup (the open modal dialog, else the main
    // window itself). Not the active window: it is NULL while another program is in front, and an
    // ownerless box would leave the main window taking input under it.
    static HWND GetSafeOwner(HWND parent = nullptr);

    // Dialog data exchange: TRUE moves controls into members, FALSE members into controls.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);
    virtual void DoDataExchange(CDataExchange* pDX);

    // Offers a command (a control's notification) to this window's message map.
    virtual BOOL OnCmdMsg(UINT id, UINT code);

    static LRESULT CALLBACK StaticWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_hWnd = nullptr;

protected:
    virtual const MessageMap* GetMessageMap() const;

    // The object that receives hwnd's messages, or nullptr.
    static CWnd* FromBound(HWND hwnd);
    // Makes this object the receiver of hwnd's messages.
    void Bind(HWND hwnd);
    // The one way a message reaches an object, from the window and the dialog procedure alike:
    // it is remembered for Default(), and nothing a handler throws gets past it.
    LRESULT GuardedWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // What the procedure returns for a message whose handler threw: creation fails, the rest is
    // ignored.
    virtual LRESULT ResultAfterException(UINT message);

    virtual BOOL PreCreateWindow(CREATESTRUCTA& cs);
    // The window's last message: the main window's end ends the program, then the object lets go
    // of the handle and PostNcDestroy runs.
    LRESULT OnNcDestroy(WPARAM wParam, LPARAM lParam);
    // Called after the window is gone; frames delete themselves here.
    virtual void PostNcDestroy() {}

    // Routes one message: the message map first, then default processing.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The map lookup alone; true with *result set when a handler took the message.
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Default processing of the message being handled.
    LRESULT Default();
};
