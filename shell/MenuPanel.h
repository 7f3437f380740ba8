#pragma once
// The main panel: the content of the main window.

#include "platform/Wnd.h"

class CMenuPanel : public CWnd {
public:
    CMenuPanel() = default;

protected:
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
};
