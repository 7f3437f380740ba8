#include "platform/Font.h"

#include "platform/DC.h"
#include "platform/Text.h"

#include <cstdlib>
#include <cwchar>

namespace {
// The ANSI code page whose variants of the bitmap fonts carry the Czech letters.
const UINT kCzechCodePage = 1250;

// A font as asked for and as the screen gives it.
struct Outcome {
    LOGFONTW asked;
    TEXTMETRICW got;
};

Outcome Realise(HDC screen, HFONT font) {
    Outcome outcome = {};
    GetObjectW(font, sizeof outcome.asked, &outcome.asked);
    const HGDIOBJ previous = SelectObject(screen, font);
    GetTextMetricsW(screen, &outcome.got);
    SelectObject(screen, previous);
    return outcome;
}

int CALLBACK MatchBitmapHeight(const LOGFONTW*, const TEXTMETRICW* metrics, DWORD type, LPARAM height) {
    // Returning 0 ends the enumeration: the face has a bitmap of this height.
    return (type & RASTER_FONTTYPE) && metrics->tmHeight == static_cast<LONG>(height) ? 0 : 1;
}

// A negative height asks for the characters' height, a positive one for the cell's. A TrueType
// face reaches every height; a bitmap face only one it has a bitmap for, and Wine stretches the
// system font to twice its height at 200 % without widening it.
bool FallsShort(HDC screen, const Outcome& font) {
    const LONG got =
        font.asked.lfHeight < 0 ? font.got.tmHeight - font.got.tmInternalLeading : font.got.tmHeight;
    if (got < std::abs(font.asked.lfHeight))
        return true;
    if (font.got.tmPitchAndFamily & (TMPF_TRUETYPE | TMPF_VECTOR))
        return false;
    LOGFONTW face = {};
    face.lfCharSet = font.got.tmCharSet;
    std::wcscpy(face.lfFaceName, font.asked.lfFaceName);
    return EnumFontFamiliesExW(screen, &face, MatchBitmapHeight, font.got.tmHeight, 0) != 0;
}
} // namespace

const wchar_t CFont::kStandInFace[] = L"MS Shell Dlg";

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
    const HDC screen = GetDC(nullptr);
    const Outcome font = Realise(screen, design);
    const bool fallsShort = FallsShort(screen, font);
    ReleaseDC(nullptr, screen);
    if (!fallsShort && GetACP() == kCzechCodePage)
        return FALSE;

    LOGFONTW lf = {};
    // Where design reaches its height, the whole cell (positive), so lines keep their height.
    lf.lfHeight = fallsShort ? font.asked.lfHeight : font.got.tmHeight;
    lf.lfWeight = font.got.tmWeight; // the system font is bold
    lf.lfCharSet = EASTEUROPE_CHARSET;
    std::wcscpy(lf.lfFaceName, kStandInFace);
    return Attach(CreateFontIndirectW(&lf));
}

BOOL CFont::FallsShortOfItsHeight() const {
    const HDC screen = GetDC(nullptr);
    const bool fallsShort = FallsShort(screen, Realise(screen, *this));
    ReleaseDC(nullptr, screen);
    return fallsShort;
}
