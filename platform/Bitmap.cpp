#include "platform/Bitmap.h"

#include "platform/WinApp.h"

BOOL CBitmap::LoadBitmapA(UINT resourceId) {
    const HINSTANCE module = AfxFindResourceHandle(MAKEINTRESOURCEA(resourceId), MAKEINTRESOURCEA(2));
    return Attach(LoadBitmapW(module, MAKEINTRESOURCEW(resourceId)));
}

int CBitmap::GetObjectA(BITMAP* bitmap) const {
    return m_hObject ? ::GetObjectW(m_hObject, sizeof(BITMAP), bitmap) : 0;
}
