#include "platform/Font.h"

#include "platform/DC.h"
#include "platform/Text.h"

#include <cstdlib>
#include <cwchar>

namespace {
// The ANSI code page whose variants of the bitmap fonts carry the Czech letters.
const UINT kCzechCodePage = 1250;
} // namespace

BOOL CFont::CreatePointFont(int pointSizeTenths, const char* faceName, CDC* dc) {
    LOGFONTW lf = {};
    lf.lfCharSet = DEFAULT_CHARSET;
    std::wcsncpy(lf.lfFaceName, ToWide(faceName).c_str(), LF_FACESIZE - 1);

    const HDC hdc = dc ? dc->m_hDC : GetDC(nullptr);
    POINT size = {0, GetDeviceCaps(hdc, LOGPIXELSY) * pointSizeTenths / 720};
    POINT origin = {0, 0};
    DPtoLP(hdc, &size, 1);
    DPtoLP(hdc, &origin, 1);
    lf.lfHeight = -std::abs(size.y - origin.y); // negative: the character height, not the cell's
    if (dc == nullptr)
        ReleaseDC(nullptr, hdc);
    return Attach(CreateFontIndirectW(&lf));
}

BOOL CFont::CreateCzechStandIn(HFONT design) {
    if (GetACP() == kCzechCodePage)
        return FALSE;
    const HDC screen = GetDC(nullptr);
    const HGDIOBJ previous = ::SelectObject(screen, design);
    TEXTMETRICW metrics = {};
    GetTextMetricsW(screen, &metrics);
    ::SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);

    LOGFONTW lf = {};
    lf.lfHeight = metrics.tmHeight; // positive: the whole cell, so lines keep their height
    lf.lfWeight = metrics.tmWeight; // the system font is bold
    lf.lfCharSet = EASTEUROPE_CHARSET;
    std::wcscpy(lf.lfFaceName, L"MS Shell Dlg");
    return Attach(CreateFontIndirectW(&lf));
}
