#pragma once
// CFont: a font made from a size in tenths of a point and a face name, or standing in for one
// that cannot draw Czech.

#include "platform/GdiObject.h"

class CDC;

class CFont : public CGdiObject {
public:
    // The size is converted for the screen's resolution when no device context is given; every
    // other attribute keeps its default (normal weight, upright, default character set).
    BOOL CreatePointFont(int pointSizeTenths, const char* faceName, CDC* dc = nullptr);
    // Czech on every system locale. Where the ANSI code page is 1250 the design's bitmap fonts
    // ("MS Sans Serif", the system font) have č, ř and ě; elsewhere their Western variants lack
    // them, and asking them for the Central European character set does not help. There this
    // creates the TrueType face that takes design's place ("MS Shell Dlg": Microsoft Sans Serif
    // on Windows, Tahoma under Wine) at its pixel height and weight, and returns TRUE. On a 1250
    // system it creates nothing and returns FALSE: design is used as it is.
    BOOL CreateCzechStandIn(HFONT design);
    operator HFONT() const { return static_cast<HFONT>(m_hObject); }
};
