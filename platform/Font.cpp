#include "platform/Font.h"

#include "platform/DC.h"
#include "platform/Text.h"

#include <cstdlib>
#include <cwchar>

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
