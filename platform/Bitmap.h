#pragma once
// CBitmap: a bitmap from the program's resources.

#include "platform/GdiObject.h"

class CBitmap : public CGdiObject {
public:
    // Loads the bitmap resource with this numeric ID; false leaves the object empty.
    BOOL LoadBitmapA(UINT resourceId);
    // Reads the bitmap's description (size, bits per pixel).
    int GetObjectA(BITMAP* bitmap) const;
    operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }
};
