#pragma once
// CFont: a font made from a size in tenths of a point and a face name.

#include "platform/GdiObject.h"

class CDC;

class CFont : public CGdiObject {
public:
    // The size is converted for the screen's resolution when no device context is given; every
    // other attribute keeps its default (normal weight, upright, default character set).
    BOOL CreatePointFont(int pointSizeTenths, const char* faceName, CDC* dc = nullptr);
    operator HFONT() const { return static_cast<HFONT>(m_hObject); }
};
