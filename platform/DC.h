#pragma once
// CDC: drawing on a device context in client-area pixels; texts are Windows-1250.

#include "platform/Rect.h"
#include "platform/String.h"

#include <windows.h>

#include <functional>
#include <string>

class CFont;
class CGdiObject;

class CDC {
public:
    CDC() = default;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    // A device context made by CreateCompatibleDC is deleted here; others belong to their owner.
    virtual ~CDC();

    BOOL CreateCompatibleDC(CDC* dc);
    BOOL DeleteDC();

    COLORREF SetTextColor(COLORREF color) { return ::SetTextColor(m_hDC, color); }
    int SetBkMode(int mode) { return ::SetBkMode(m_hDC, mode); }
    // Selects the object and returns the one selected before, to be selected back.
    HGDIOBJ SelectObject(CGdiObject* object);
    HGDIOBJ SelectObject(HGDIOBJ object) { return ::SelectObject(m_hDC, object); }
    // For Czech text in the font selected now: where that font lacks the letters, makes its
    // stand-in in standIn (CFont::CreateCzechStandIn) and selects it. Returns the font selected
    // before, to be selected back before standIn goes.
    HGDIOBJ SelectCzechFont(CFont& standIn);

    // Text with its top-left corner at (x, y), in the default alignment.
    BOOL TextOut(int x, int y, const CString& text);
    int DrawText(const CString& text, RECT* rect, UINT format);
    // A one-pixel frame inside rect: top and left in topLeft, right and bottom (with the top-right
    // and bottom-left corners) in bottomRight.
    void Draw3dRect(const RECT& rect, COLORREF topLeft, COLORREF bottomRight);
    void FillSolidRect(int x, int y, int width, int height, COLORREF color);
    BOOL BitBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY, DWORD rop);

    HDC m_hDC = nullptr;

    // Test seam: when set, sees every text drawn through a CDC just before it is drawn, with the
    // device context that draws it (and so the font selected for it). Pass nullptr to clear.
    using TextProbe = std::function<void(HDC dc, const std::wstring& text)>;
    static void SetTextProbe(TextProbe probe);

private:
    // The text as drawn, shown to the test seam first.
    std::wstring ToDrawn(const CString& text) const;

    bool m_created = false;
};

// The paint device context of one WM_PAINT: BeginPaint on construction, EndPaint on destruction.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(HWND window);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps;

private:
    HWND m_window;
};
