#pragma once
// CFont: a font made from a size in tenths of a point and a face name, or standing in for one
// that cannot draw Czech or cannot draw at the screen's scale.

#include "platform/GdiObject.h"

class CDC;

class CFont : public CGdiObject {
public:
    // The TrueType face that stands in for the design's bitmap fonts: Microsoft Sans Serif on
    // Windows, Tahoma under Wine; it has the Czech letters and every size.
    static const wchar_t kStandInFace[];

    // The size is converted for the screen's resolution when no device context is given; every
    // other attribute keeps its default (normal weight, upright, default character set).
    BOOL CreatePointFont(int pointSizeTenths, const char* faceName, CDC* dc = nullptr);
    // Creates the stand-in (kStandInFace) for design where design will not do, and returns TRUE;
    // else creates nothing and returns FALSE: design is used as it is.
    // - A bitmap face that lacks the size its height asks for at the screen's resolution (under
    //   Wine the Central European "MS Sans Serif" stops at 16 pixels, the system font at its
    //   96-DPI size) comes out too small or stretched: the stand-in takes the height design asks
    //   for.
    // - Elsewhere, where the ANSI code page is 1250 the design's bitmap fonts ("MS Sans Serif",
    //   the system font) have č, ř and ě, and design does. Their Western variants lack them, and
    //   asking them for the Central European character set does not help: the stand-in takes
    //   design's pixel height and weight.
    BOOL CreateCzechStandIn(HFONT design);
    // Whether the font comes out smaller than the height it asks for, or stretched to it.
    BOOL FallsShortOfItsHeight() const;
    operator HFONT() const { return static_cast<HFONT>(m_hObject); }
};
