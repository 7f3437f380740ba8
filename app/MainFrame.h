#pragma once
// The main window: a fixed-size frame without menu bar whose one child, the main panel, covers
// the whole client area and gets the focus and the commands first.

#include "platform/FrameWnd.h"
#include "shell/MenuPanel.h"

// The caption: the product name and its credit.
extern const char kBannerText[];

class CMainFrame : public CFrameWnd {
public:
    CMainFrame() = default;

    BOOL OnCmdMsg(UINT id, UINT code) override;
    CMenuPanel& Panel() { return m_panel; }

protected:
    const MessageMap* GetMessageMap() const override;
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;

    LRESULT OnCreate(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetFocus(WPARAM wParam, LPARAM lParam);

private:
    CMenuPanel m_panel;
};
