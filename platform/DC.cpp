#include "platform/DC.h"

#include "platform/Font.h"
#include "platform/Text.h"

namespace {
CDC::TextProbe& Probe() {
    static CDC::TextProbe probe; // test seam only; empty in the program
    return probe;
}
} // namespace

CDC::~CDC() {
    DeleteDC();
}

BOOL CDC::CreateCompatibleDC(CDC* dc) {
    DeleteDC();
    m_hDC = ::CreateCompatibleDC(dc ? dc->m_hDC : nullptr);
    m_created = m_hDC != nullptr;
    return m_created;
}

BOOL CDC::DeleteDC() {
    if (!m_created)
        return FALSE;
    const BOOL deleted = ::DeleteDC(m_hDC);
    m_hDC = nullptr;
    m_created = false;
    return deleted;
}

HGDIOBJ CDC::SelectObject(CGdiObject* object) {
    return ::SelectObject(m_hDC, object->m_hObject);
}

HGDIOBJ CDC::SelectCzechFont(CFont& standIn) {
    const HGDIOBJ current = GetCurrentObject(m_hDC, OBJ_FONT);
    if (standIn.CreateCzechStandIn(static_cast<HFONT>(current)))
        ::SelectObject(m_hDC, standIn.m_hObject);
    return current;
}

void CDC::SetTextProbe(TextProbe probe) {
    Probe() = std::move(probe);
}

std::wstring CDC::ToDrawn(const CString& text) const {
    std::wstring wide = ToWide(text);
    if (Probe())
        Probe()(m_hDC, wide);
    return wide;
}

BOOL CDC::TextOut(int x, int y, const CString& text) {
    const std::wstring wide = ToDrawn(text);
    return ::TextOutW(m_hDC, x, y, wide.c_str(), static_cast<int>(wide.size()));
}

int CDC::DrawText(const CString& text, RECT* rect, UINT format) {
    const std::wstring wide = ToDrawn(text);
    return ::DrawTextW(m_hDC, wide.c_str(), static_cast<int>(wide.size()), rect, format);
}

void CDC::FillSolidRect(int x, int y, int width, int height, COLORREF color) {
    ::SetBkColor(m_hDC, color);
    RECT rect = {x, y, x + width, y + height};
    ::ExtTextOutW(m_hDC, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

void CDC::Draw3dRect(const RECT& rect, COLORREF topLeft, COLORREF bottomRight) {
    const int x = rect.left, y = rect.top;
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    FillSolidRect(x, y, width - 1, 1, topLeft);
    FillSolidRect(x, y, 1, height - 1, topLeft);
    FillSolidRect(x + width - 1, y, 1, height, bottomRight);
    FillSolidRect(x, y + height - 1, width, 1, bottomRight);
}

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY, DWORD rop) {
    return ::BitBlt(m_hDC, x, y, width, height, source->m_hDC, sourceX, sourceY, rop);
}

CPaintDC::CPaintDC(HWND window) : m_window(window) {
    m_hDC = BeginPaint(window, &m_ps);
}

CPaintDC::~CPaintDC() {
    EndPaint(m_window, &m_ps);
}
