#pragma once
// CFrameWnd: a top-level frame that lays its pane (the child with ID AFX_IDW_PANE_FIRST) over the
// whole client area and deletes itself when its window is destroyed.

#include "platform/FrameworkIds.h"
#include "platform/Wnd.h"

constexpr DWORD FWS_ADDTOTITLE = 0x00008000;

class CFrameWnd : public CWnd {
public:
    ~CFrameWnd() override;

    // Loads the menu and icon with this resource ID and creates the frame. The object must live on
    // the heap: it deletes itself with its window.
    BOOL LoadFrame(UINT resourceId, DWORD style = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                   CWnd* parent = nullptr, void* context = nullptr);
    // Stretches the pane over the client area.
    void RecalcLayout();

protected:
    const MessageMap* GetMessageMap() const override;
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    void PostNcDestroy() override;
    LRESULT OnSize(WPARAM wParam, LPARAM lParam);

private:
    HMENU m_menu = nullptr; // the loaded menu, whether shown or not
    HICON m_icon = nullptr;
};
